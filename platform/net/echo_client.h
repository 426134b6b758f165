#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The outcome of one echo request.
enum TReplyStatusTypes { rsEcho, rsError, rsTimeOut, rsErrorUnreachable, rsErrorTTLExceeded };

struct TReplyStatus {
    TReplyStatusTypes ReplyStatusType = rsTimeOut;
    // The size of the ICMP message received, header included; 0 when nothing came.
    int BytesReceived = 0;
    QString FromIpAddress;
    uint16_t SequenceId = 0;
};

struct TEchoRequest {
    QString Host;     // a dotted IPv4 address
    QByteArray Data;  // the data the request carries
    uint16_t Sequence = 0;
    unsigned TimeoutMs = 5000;
    int BufferSize = 1024;  // the largest reply read whole
};

// Sends ICMP echo requests. The program uses the socket client below; tests install a
// scripted one, so that no test ever reaches a real device.
class TEchoClient {
public:
    virtual ~TEchoClient() = default;
    // Sends one echo request and waits up to TimeoutMs for its answer. Throws Exception when
    // Host is not a dotted IPv4 address (names are never resolved) or when no socket can be
    // opened or sent on.
    virtual TReplyStatus Echo(const TEchoRequest& Request) = 0;
};

TEchoClient& EchoClient();
// Installs a client (not owned); nullptr returns to the socket client.
void SetEchoClient(TEchoClient* client);
// With the restriction on, the socket client refuses every address outside 127.0.0.0/8
// (test programs turn it on, so a test that forgets its scripted client reaches no device).
void Restrict_Echo_To_Loopback(bool on);

// The echo client over an ICMP socket: an unprivileged datagram socket where the system
// allows one, a raw socket otherwise. Each request opens its own socket, so a late answer to
// an earlier request is never taken for the answer to this one.
class TIcmpSocketEchoClient : public TEchoClient {
public:
    TReplyStatus Echo(const TEchoRequest& Request) override;
};

// Reads "a.b.c.d", each part 1 to 3 decimal digits of at most 255, nothing else around it.
bool Parse_IPv4_Literal(const QString& Text, uint32_t& Address);

// True when this process may open an ICMP socket; otherwise Reason says why not.
bool Icmp_Socket_Available(QString& Reason);
