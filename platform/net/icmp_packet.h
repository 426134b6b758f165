#pragma once

#include <QByteArray>
#include <cstdint>

// ICMP messages of the echo client (IPv4). Addresses are in host byte order.

constexpr uint8_t ICMP_ECHOREPLY_TYPE = 0;
constexpr uint8_t ICMP_UNREACH_TYPE = 3;
constexpr uint8_t ICMP_ECHO_TYPE = 8;
constexpr uint8_t ICMP_TIMXCEED_TYPE = 11;
constexpr uint8_t ICMP_PARAMPROB_TYPE = 12;

// The Internet checksum (one's complement of the one's complement sum of 16-bit words).
uint16_t Icmp_Checksum(const QByteArray& bytes);

// An echo request: type 8, code 0, checksum, identifier, sequence number and data.
QByteArray Build_Echo_Request(uint16_t Identifier, uint16_t Sequence, const QByteArray& Data);

// What a received packet means for the request we sent.
enum class TEchoMatch {
    Other,         // not about our request: keep waiting
    Echo,          // the target's echo reply to our request
    Unreachable,   // an ICMP error about our request: destination unreachable
    TimeExceeded,  // ... time to live exceeded
    Error,         // ... another ICMP error
};

struct TEchoSent {
    uint32_t Target = 0;
    uint16_t Identifier = 0;
    uint16_t Sequence = 0;
};

// Reads a received packet. WithIpHeader: the packet begins with its IPv4 header (raw sockets);
// otherwise with the ICMP header (datagram sockets). From is the sender's address. Only an
// echo reply from the target with our identifier and sequence number is our answer; an error
// counts only when the request it quotes is ours.
TEchoMatch Match_Echo_Reply(const QByteArray& Packet, bool WithIpHeader, uint32_t From, const TEchoSent& Sent);

// The length of the IPv4 header at the start of Packet, or -1 when it is not one.
int Ip_Header_Length(const QByteArray& Packet);
