#pragma once

#include "platform/core/component.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One HTTP GET request. The request speaks HTTP/1.0, sends no cookies and follows no
// redirection; plain http only.
struct THttpRequest {
    QString Url;
    QList<QPair<QByteArray, QByteArray>> Headers;  // name, value
    unsigned TimeoutMs = 10000;                    // the whole request, connection included
};

struct THttpReply {
    int StatusCode = 0;
    QByteArray Body;
};

// Sends HTTP GET requests. The program uses the libcurl client below; tests install a scripted
// one, so that no test ever reaches the maker's host.
class THttpClient {
public:
    virtual ~THttpClient() = default;
    // Sends one request and returns the server's reply, whatever its status. Throws Exception
    // when no reply came (no network, refused, timed out, not plain http, refused address).
    virtual THttpReply Get(const THttpRequest& Request) = 0;
};

THttpClient& HttpClient();
// Installs a client (not owned); nullptr returns to the libcurl client.
void SetHttpClient(THttpClient* client);
// With the restriction on, the libcurl client refuses every host but a loopback address
// literal (127.0.0.0/8, ::1) and uses no proxy.
void Restrict_Http_To_Loopback(bool on);

// The HTTP client over libcurl, forced to HTTP/1.0. A body beyond Max_Body_Size fails the
// request: the program only ever asks for short texts.
class TCurlHttpClient : public THttpClient {
public:
    static constexpr qsizetype Max_Body_Size = 1 << 20;
    THttpReply Get(const THttpRequest& Request) override;
};

// The HTTP client component of a window: its request headers and time-out, and Get.
class THTTP : public TComponent {
public:
    using TComponent::TComponent;

    QString Accept;
    QString UserAgent;
    unsigned TimeoutMs = 10000;

    // The body of the reply to a GET of Url. Throws Exception when the request fails or the
    // status is not 2xx.
    QByteArray Get(const QString& Url);
};
