#include "platform/net/icmp_client.h"

#include "platform/net/scripted_echo_client.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class IcmpClientTest : public ::testing::Test {
protected:
    IcmpClientTest() {
        ping.Host = "127.0.0.3";
        ping.ReceiveTimeout = 400;
        ping.OnReply = [this](TObject* sender, const TReplyStatus& status) {
            EXPECT_EQ(sender, &ping);
            replies.push_back(status);
        };
    }
    TScriptedEchoClient echo;
    TIdIcmpClient ping{nullptr};
    std::vector<TReplyStatus> replies;
};

TEST_F(IcmpClientTest, EveryRequestReportsItsAnswerOrItsTimeOut) {
    echo.reply(30, 48);
    echo.timeOut();
    echo.reply(5, 36, rsErrorUnreachable);
    const uint64_t start = Clock().NowMs();
    ping.Ping("data", 7);
    ping.Ping("data");
    ping.Ping();
    EXPECT_EQ(Clock().NowMs() - start, 30u + 400u + 5u);

    ASSERT_EQ(echo.requests().size(), 3u);
    EXPECT_EQ(echo.requests()[0].Host, "127.0.0.3");
    EXPECT_EQ(echo.requests()[0].Data, "data");
    EXPECT_EQ(echo.requests()[0].Sequence, 7);
    EXPECT_EQ(echo.requests()[0].TimeoutMs, 400u);
    EXPECT_EQ(echo.requests()[0].BufferSize, 1024);
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[0].ReplyStatusType, rsEcho);
    EXPECT_EQ(replies[0].BytesReceived, 48);
    EXPECT_EQ(replies[1].ReplyStatusType, rsTimeOut);
    EXPECT_EQ(replies[1].BytesReceived, 0);
    EXPECT_EQ(replies[2].ReplyStatusType, rsErrorUnreachable);
    EXPECT_EQ(ping.ReplyStatus.ReplyStatusType, rsErrorUnreachable);
}

TEST_F(IcmpClientTest, AFailedRequestRaisesAndReportsNoReply) {
    echo.fail("no socket");
    EXPECT_THROW(ping.Ping("x"), Exception);
    EXPECT_TRUE(replies.empty());
}

}  // namespace
