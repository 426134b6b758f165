#pragma once

#include "platform/net/http_client.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <thread>

// A one-connection HTTP server on 127.0.0.1: it records the request head it receives and sends
// the prepared answer; with no answer it holds the connection, silent, until the client leaves.
class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(QByteArray answer);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    QString url(const QString& path) const;
    bool listening() const { return port_ != 0; }
    // The request head as received; read it after the client's call returned.
    QByteArray request();

private:
    void serve();

    QByteArray answer_;
    QByteArray request_;
    int listener_ = -1;
    uint16_t port_ = 0;
    std::thread thread_;
};

// The real HTTP client, with every request sent to a loopback server in place of its host: the
// path and query stay, and the time-out is the test's.
class LoopbackRedirect : public THttpClient {
public:
    LoopbackRedirect(const LoopbackHttpServer& Server, unsigned TimeoutMs) : server_(Server), timeoutMs_(TimeoutMs) {}
    THttpReply Get(const THttpRequest& Request) override;

private:
    const LoopbackHttpServer& server_;
    unsigned timeoutMs_;
};
