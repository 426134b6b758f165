#include "platform/net/echo_client.h"
#include "platform/testkit/exception_message.h"

#include "platform/core/exception.h"

#include <gtest/gtest.h>

namespace {

TEST(EchoClient, AddressesAreDottedIpv4LiteralsOnly) {
    struct Case {
        const char* text;
        bool valid;
        uint32_t address;
    };
    const Case cases[] = {
        {"127.0.0.1", true, 0x7F000001},   {"255.255.255.255", true, 0xFFFFFFFF},
        {"0.0.0.0", true, 0},              {"010.0.0.1", true, 0x0A000001},
        {"", false, 0},                    {"127.0.0", false, 0},
        {"127.0.0.1.1", false, 0},         {"127.0.0.256", false, 0},
        {"127..0.1", false, 0},            {"1277.0.0.1", false, 0},
        {" 127.0.0.1", false, 0},          {"127.0.0.1 ", false, 0},
        {"+127.0.0.1", false, 0},          {"127.0.0.-1", false, 0},
        {"localhost", false, 0},           {"device.example.invalid", false, 0},
    };
    for (const Case& c : cases) {
        uint32_t address = 0xDEADBEEF;
        EXPECT_EQ(Parse_IPv4_Literal(c.text, address), c.valid) << c.text;
        EXPECT_EQ(address, c.valid ? c.address : 0xDEADBEEF) << c.text;
    }
}

TEST(EchoClient, NamesAreRefusedBeforeAnySocketIsOpened) {
    TIcmpSocketEchoClient client;
    for (const char* host : {"localhost", "device.example.invalid", "127.0.0", ""}) {
        TEchoRequest request;
        request.Host = host;
        try {
            client.Echo(request);
            ADD_FAILURE() << host << " was accepted";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message.startsWith("Not an IPv4 address")) << e.Message.toStdString();
        }
    }
}

// Test programs run with the restriction on; 0.0.0.0 stays on this machine even if it leaked.
TEST(EchoClient, TestProgramsReachOnlyLoopback) {
    TIcmpSocketEchoClient client;
    TEchoRequest request;
    request.Host = "0.0.0.0";
    request.TimeoutMs = 10;
    EXPECT_TRUE(messageOf([&] { client.Echo(request); }).contains("refused"));
}

TEST(EchoClient, TheSocketClientAnswersUnlessOneIsInstalled) {
    TEchoClient& socketClient = EchoClient();
    EXPECT_NE(dynamic_cast<TIcmpSocketEchoClient*>(&socketClient), nullptr);
    TIcmpSocketEchoClient other;
    SetEchoClient(&other);
    EXPECT_EQ(&EchoClient(), &other);
    SetEchoClient(nullptr);
    EXPECT_EQ(&EchoClient(), &socketClient);
}

// The only test that sends packets, and only to loopback.
TEST(EchoClient, LoopbackAnswersEachRequestWithItsData) {
    QString reason;
    if (!Icmp_Socket_Available(reason))
        GTEST_SKIP() << "this system allows no ICMP socket here: " << reason.toStdString();
    TIcmpSocketEchoClient client;
    TEchoRequest request;
    request.Host = "127.0.0.1";
    request.Data = "127.0.0.1";
    request.TimeoutMs = 2000;
    for (int i = 0; i < 2; ++i) {
        const TReplyStatus reply = client.Echo(request);
        EXPECT_EQ(reply.ReplyStatusType, rsEcho);
        EXPECT_EQ(reply.BytesReceived, 8 + request.Data.size());
        EXPECT_EQ(reply.FromIpAddress, "127.0.0.1");
        EXPECT_EQ(reply.SequenceId, 0);
    }
}

}  // namespace
