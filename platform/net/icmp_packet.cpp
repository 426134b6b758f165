#include "platform/net/icmp_packet.h"

namespace {

uint8_t byteAt(const QByteArray& b, int i) { return static_cast<uint8_t>(b.at(i)); }
uint16_t word16(const QByteArray& b, int i) { return static_cast<uint16_t>(byteAt(b, i) << 8 | byteAt(b, i + 1)); }
uint32_t word32(const QByteArray& b, int i) { return uint32_t(word16(b, i)) << 16 | word16(b, i + 2); }

void putWord16(QByteArray& b, int i, uint16_t v) {
    b[i] = static_cast<char>(v >> 8);
    b[i + 1] = static_cast<char>(v & 0xFF);
}

constexpr int IcmpHeaderLength = 8;
constexpr uint8_t IcmpProtocol = 1;

}  // namespace

uint16_t Icmp_Checksum(const QByteArray& bytes) {
    uint32_t sum = 0;
    const int n = static_cast<int>(bytes.size());
    for (int i = 0; i + 1 < n; i += 2) sum += word16(bytes, i);
    if (n % 2) sum += uint32_t(byteAt(bytes, n - 1)) << 8;
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

QByteArray Build_Echo_Request(uint16_t Identifier, uint16_t Sequence, const QByteArray& Data) {
    QByteArray packet(IcmpHeaderLength, '\0');
    packet[0] = static_cast<char>(ICMP_ECHO_TYPE);
    putWord16(packet, 4, Identifier);
    putWord16(packet, 6, Sequence);
    packet += Data;
    putWord16(packet, 2, Icmp_Checksum(packet));
    return packet;
}

int Ip_Header_Length(const QByteArray& Packet) {
    if (Packet.size() < 20 || byteAt(Packet, 0) >> 4 != 4) return -1;
    const int length = (byteAt(Packet, 0) & 0x0F) * 4;
    return length >= 20 && length <= Packet.size() ? length : -1;
}

TEchoMatch Match_Echo_Reply(const QByteArray& Packet, bool WithIpHeader, uint32_t From, const TEchoSent& Sent) {
    int at = 0;
    if (WithIpHeader) {
        at = Ip_Header_Length(Packet);
        if (at < 0) return TEchoMatch::Other;
    }
    if (Packet.size() - at < IcmpHeaderLength) return TEchoMatch::Other;
    const uint8_t type = byteAt(Packet, at);

    if (type == ICMP_ECHOREPLY_TYPE) {
        const bool ours = From == Sent.Target && word16(Packet, at + 4) == Sent.Identifier &&
                          word16(Packet, at + 6) == Sent.Sequence;
        return ours ? TEchoMatch::Echo : TEchoMatch::Other;
    }
    if (type != ICMP_UNREACH_TYPE && type != ICMP_TIMXCEED_TYPE && type != ICMP_PARAMPROB_TYPE) return TEchoMatch::Other;

    // An error quotes the IP header of the datagram it is about and its first 8 bytes.
    const QByteArray quoted = Packet.mid(at + IcmpHeaderLength);
    const int quotedIp = Ip_Header_Length(quoted);
    if (quotedIp < 0 || quoted.size() < quotedIp + IcmpHeaderLength) return TEchoMatch::Other;
    const bool ours = byteAt(quoted, 9) == IcmpProtocol && word32(quoted, 16) == Sent.Target &&
                      byteAt(quoted, quotedIp) == ICMP_ECHO_TYPE &&
                      word16(quoted, quotedIp + 4) == Sent.Identifier && word16(quoted, quotedIp + 6) == Sent.Sequence;
    if (!ours) return TEchoMatch::Other;
    if (type == ICMP_UNREACH_TYPE) return TEchoMatch::Unreachable;
    if (type == ICMP_TIMXCEED_TYPE) return TEchoMatch::TimeExceeded;
    return TEchoMatch::Error;
}
