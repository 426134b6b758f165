#include "platform/testkit/loopback_http_server.h"

#include <QUrl>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Every wait is bounded, so a client that never comes cannot hang the test.
bool readable(int fd) {
    pollfd wait{fd, POLLIN, 0};
    return ::poll(&wait, 1, 5000) > 0;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(QByteArray answer) : answer_(std::move(answer)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 1) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    if (thread_.joinable()) thread_.join();
    if (listener_ >= 0) ::close(listener_);
}

QString LoopbackHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

QByteArray LoopbackHttpServer::request() {
    if (thread_.joinable()) thread_.join();
    return request_;
}

void LoopbackHttpServer::serve() {
    if (!readable(listener_)) return;
    const int connection = ::accept(listener_, nullptr, nullptr);
    if (connection < 0) return;
    char buffer[4096];
    while (!request_.contains("\r\n\r\n") && readable(connection)) {
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request_.append(buffer, n);
    }
    if (!answer_.isEmpty()) {
        ::send(connection, answer_.constData(), static_cast<size_t>(answer_.size()), MSG_NOSIGNAL);
    } else {
        while (readable(connection) && ::recv(connection, buffer, sizeof buffer, 0) > 0) {
        }
    }
    ::close(connection);
}

THttpReply LoopbackRedirect::Get(const THttpRequest& Request) {
    THttpRequest request = Request;
    request.Url = server_.url(QUrl(Request.Url).toString(QUrl::RemoveScheme | QUrl::RemoveAuthority));
    request.TimeoutMs = timeoutMs_;
    return TCurlHttpClient().Get(request);
}
