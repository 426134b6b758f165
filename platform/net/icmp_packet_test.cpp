#include "platform/net/icmp_packet.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t Target = 0x7F000007;  // 127.0.0.7
constexpr uint32_t Elsewhere = 0x7F000009;
const TEchoSent Sent{Target, 0x1234, 0};

QByteArray ipHeader(uint32_t from, uint32_t to, int payload) {
    QByteArray h(20, '\0');
    h[0] = 0x45;
    const int total = 20 + payload;
    h[2] = static_cast<char>(total >> 8);
    h[3] = static_cast<char>(total & 0xFF);
    h[8] = 64;
    h[9] = 1;  // ICMP
    for (int i = 0; i < 4; ++i) {
        h[12 + i] = static_cast<char>(from >> (24 - 8 * i));
        h[16 + i] = static_cast<char>(to >> (24 - 8 * i));
    }
    return h;
}

QByteArray withIp(uint32_t from, uint32_t to, const QByteArray& icmp) { return ipHeader(from, to, icmp.size()) + icmp; }

QByteArray echoReply(uint16_t id, uint16_t seq) {
    QByteArray packet = Build_Echo_Request(id, seq, "127.0.0.7");
    packet[0] = static_cast<char>(ICMP_ECHOREPLY_TYPE);
    return packet;
}

// An ICMP error of type about the echo request (id, seq) that we sent to `to`.
QByteArray errorAbout(uint8_t type, uint32_t to, uint16_t id, uint16_t seq) {
    QByteArray error(8, '\0');
    error[0] = static_cast<char>(type);
    return error + withIp(0x0A000001, to, Build_Echo_Request(id, seq, "127.0.0.7")).left(28);
}

TEST(IcmpPacket, ChecksumAndEchoRequestLayout) {
    const QByteArray rfcExample = QByteArray::fromHex("0001f203f4f5f6f7");
    EXPECT_EQ(Icmp_Checksum(rfcExample), 0x220D);
    EXPECT_EQ(Icmp_Checksum(QByteArray::fromHex("01")), 0xFEFF);  // an odd byte is padded with zero

    const QByteArray request = Build_Echo_Request(0xABCD, 0x0102, "hello");
    EXPECT_EQ(request.left(2), QByteArray::fromHex("0800"));
    EXPECT_EQ(request.mid(4, 4), QByteArray::fromHex("abcd0102"));
    EXPECT_EQ(request.mid(8), "hello");
    EXPECT_EQ(Icmp_Checksum(request), 0);  // a correct checksum sums to zero
}

TEST(IcmpPacket, OnlyTheTargetsReplyToOurRequestAnswersIt) {
    struct Case {
        const char* what;
        QByteArray packet;
        bool withIpHeader;
        uint32_t from;
        TEchoMatch expected;
    };
    const Case cases[] = {
        {"reply on a raw socket", withIp(Target, 1, echoReply(0x1234, 0)), true, Target, TEchoMatch::Echo},
        {"reply on a datagram socket", echoReply(0x1234, 0), false, Target, TEchoMatch::Echo},
        {"reply from another host", echoReply(0x1234, 0), false, Elsewhere, TEchoMatch::Other},
        {"reply to another identifier", echoReply(0x1235, 0), false, Target, TEchoMatch::Other},
        {"reply to another sequence", echoReply(0x1234, 1), false, Target, TEchoMatch::Other},
        {"our own request seen on loopback", withIp(Target, Target, Build_Echo_Request(0x1234, 0, "x")), true, Target,
         TEchoMatch::Other},
        {"unreachable about our request", withIp(0x0A000001, 1, errorAbout(ICMP_UNREACH_TYPE, Target, 0x1234, 0)), true,
         0x0A000001, TEchoMatch::Unreachable},
        {"time exceeded about our request", errorAbout(ICMP_TIMXCEED_TYPE, Target, 0x1234, 0), false, 0x0A000001,
         TEchoMatch::TimeExceeded},
        {"parameter problem about our request", errorAbout(ICMP_PARAMPROB_TYPE, Target, 0x1234, 0), false, 0x0A000001,
         TEchoMatch::Error},
        {"unreachable about another request", errorAbout(ICMP_UNREACH_TYPE, Target, 0x4321, 0), false, 0x0A000001,
         TEchoMatch::Other},
        {"unreachable about another host", errorAbout(ICMP_UNREACH_TYPE, Elsewhere, 0x1234, 0), false, 0x0A000001,
         TEchoMatch::Other},
        {"error quoting too little", errorAbout(ICMP_UNREACH_TYPE, Target, 0x1234, 0).left(30), false, 0x0A000001,
         TEchoMatch::Other},
        {"truncated reply", echoReply(0x1234, 0).left(6), false, Target, TEchoMatch::Other},
        {"raw packet without an IP header", echoReply(0x1234, 0), true, Target, TEchoMatch::Other},
    };
    for (const Case& c : cases) EXPECT_EQ(Match_Echo_Reply(c.packet, c.withIpHeader, c.from, Sent), c.expected) << c.what;
}

}  // namespace
