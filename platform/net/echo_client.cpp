#include "platform/net/echo_client.h"

#include "platform/core/exception.h"
#include "platform/net/icmp_packet.h"

#include <QStringList>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace {

std::atomic<TEchoClient*> installed{nullptr};

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// One ICMP socket, closed with the object: a datagram socket where unprivileged ICMP is
// allowed, else a raw one.
class IcmpSocket {
public:
    IcmpSocket() {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_ICMP);
        if (fd_ < 0) {
            const int datagramError = errno;
            fd_ = ::socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
            raw_ = true;
            if (fd_ < 0) {
                error_ = QStringLiteral("No ICMP socket: datagram socket: %1; raw socket: %2")
                             .arg(systemError(datagramError), systemError(errno));
                return;
            }
        }
        ::fcntl(fd_, F_SETFD, FD_CLOEXEC);
    }
    ~IcmpSocket() {
        if (fd_ >= 0) ::close(fd_);
    }
    IcmpSocket(const IcmpSocket&) = delete;
    IcmpSocket& operator=(const IcmpSocket&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    const QString& Error() const { return error_; }
    int Fd() const { return fd_; }
    bool Raw() const { return raw_; }

    // The identifier the requests of this socket carry. A datagram socket's requests carry the
    // socket's own number, which the system may write over ours; a raw socket takes a fresh one.
    uint16_t Identifier() {
        static std::atomic<uint16_t> counter{0};
        const auto own = static_cast<uint16_t>(::getpid() ^ (++counter * 0x9E37));
        if (raw_) return own;
        sockaddr_in local{};
        local.sin_family = AF_INET;
        socklen_t length = sizeof local;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0 &&
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length) == 0 && local.sin_port != 0)
            return ntohs(local.sin_port);
        return own;
    }

private:
    int fd_ = -1;
    bool raw_ = false;
    QString error_;
};

TReplyStatus statusOf(TEchoMatch match) {
    TReplyStatus status;
    switch (match) {
    case TEchoMatch::Echo: status.ReplyStatusType = rsEcho; break;
    case TEchoMatch::Unreachable: status.ReplyStatusType = rsErrorUnreachable; break;
    case TEchoMatch::TimeExceeded: status.ReplyStatusType = rsErrorTTLExceeded; break;
    default: status.ReplyStatusType = rsError; break;
    }
    return status;
}

}  // namespace

TEchoClient& EchoClient() {
    static TIcmpSocketEchoClient socketClient;
    TEchoClient* c = installed.load();
    return c ? *c : socketClient;
}

void SetEchoClient(TEchoClient* client) { installed.store(client); }

namespace {
std::atomic<bool> loopbackOnly{false};
}

void Restrict_Echo_To_Loopback(bool on) { loopbackOnly.store(on); }

bool Parse_IPv4_Literal(const QString& Text, uint32_t& Address) {
    const QStringList parts = Text.split(QLatin1Char('.'));
    if (parts.size() != 4) return false;
    uint32_t address = 0;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3) return false;
        for (QChar ch : part)
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return false;
        const uint32_t value = part.toUInt();
        if (value > 255) return false;
        address = address << 8 | value;
    }
    Address = address;
    return true;
}

bool Icmp_Socket_Available(QString& Reason) {
    IcmpSocket socket;
    Reason = socket.Error();
    return socket.IsOpen();
}

TReplyStatus TIcmpSocketEchoClient::Echo(const TEchoRequest& Request) {
    using namespace std::chrono;
    TEchoSent sent;
    if (!Parse_IPv4_Literal(Request.Host, sent.Target))
        throw Exception(QStringLiteral("Not an IPv4 address: \"%1\"").arg(Request.Host));
    if (loopbackOnly.load() && (sent.Target >> 24) != 127)
        throw Exception(QStringLiteral("Echo request to %1 refused: only loopback is reachable here").arg(Request.Host));
    IcmpSocket socket;
    if (!socket.IsOpen()) throw Exception(socket.Error());

    sent.Identifier = socket.Identifier();
    sent.Sequence = Request.Sequence;
    const QByteArray packet = Build_Echo_Request(sent.Identifier, sent.Sequence, Request.Data);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(sent.Target);
    if (::sendto(socket.Fd(), packet.constData(), static_cast<size_t>(packet.size()), 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0)
        throw Exception(QStringLiteral("Echo request to %1 failed: %2").arg(Request.Host, systemError(errno)));

    // The socket waits in real time: the answer comes from the network, not from the program.
    const auto deadline = steady_clock::now() + milliseconds(Request.TimeoutMs);
    QByteArray buffer(std::max(Request.BufferSize, 64), '\0');
    for (;;) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0) break;
        pollfd waitFor{socket.Fd(), POLLIN, 0};
        const int ready = ::poll(&waitFor, 1, static_cast<int>(left));
        if (ready < 0 && errno != EINTR)
            throw Exception(QStringLiteral("Echo reply from %1 failed: %2").arg(Request.Host, systemError(errno)));
        if (ready <= 0) continue;
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = ::recvfrom(socket.Fd(), buffer.data(), static_cast<size_t>(buffer.size()), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            // The network saying the device cannot be reached is an answer; anything else fails.
            if (errno != EHOSTUNREACH && errno != ENETUNREACH && errno != ECONNREFUSED)
                throw Exception(QStringLiteral("Echo reply from %1 failed: %2").arg(Request.Host, systemError(errno)));
            TReplyStatus unreachable;
            unreachable.ReplyStatusType = rsErrorUnreachable;
            unreachable.SequenceId = sent.Sequence;
            return unreachable;
        }
        const QByteArray received = buffer.left(static_cast<int>(n));
        // Some systems hand datagram sockets the IP header too.
        int ipHeader = Ip_Header_Length(received);
        if (socket.Raw() && ipHeader < 0) continue;
        ipHeader = std::max(ipHeader, 0);
        const TEchoMatch match = Match_Echo_Reply(received, ipHeader > 0, ntohl(from.sin_addr.s_addr), sent);
        if (match == TEchoMatch::Other) continue;
        TReplyStatus status = statusOf(match);
        status.BytesReceived = static_cast<int>(n) - ipHeader;
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
        status.FromIpAddress = QString::fromLatin1(text);
        status.SequenceId = sent.Sequence;
        return status;
    }
    TReplyStatus timedOut;
    timedOut.SequenceId = sent.Sequence;
    return timedOut;
}
