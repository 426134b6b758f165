#include "platform/net/http_client.h"

#include "platform/core/exception.h"

#include <QUrl>

#include <arpa/inet.h>
#include <curl/curl.h>
#include <netinet/in.h>

#include <atomic>
#include <memory>
#include <mutex>

namespace {

std::atomic<THttpClient*> installed{nullptr};
std::atomic<bool> loopbackOnly{false};

void globalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

size_t appendBody(char* data, size_t size, size_t count, void* target) {
    auto* body = static_cast<QByteArray*>(target);
    const size_t n = size * count;
    // Returning less than was handed over makes libcurl fail the request.
    if (body->size() + static_cast<qsizetype>(n) > TCurlHttpClient::Max_Body_Size) return 0;
    body->append(data, static_cast<qsizetype>(n));
    return n;
}

// Names are never resolved here; QUrl gives an IPv6 host without its brackets.
bool isLoopbackLiteral(const QString& host) {
    const QByteArray text = host.toLatin1();
    in_addr v4{};
    if (::inet_pton(AF_INET, text.constData(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    return ::inet_pton(AF_INET6, text.constData(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6);
}

}  // namespace

THttpClient& HttpClient() {
    static TCurlHttpClient curlClient;
    THttpClient* c = installed.load();
    return c ? *c : curlClient;
}

void SetHttpClient(THttpClient* client) { installed.store(client); }

void Restrict_Http_To_Loopback(bool on) { loopbackOnly.store(on); }

THttpReply TCurlHttpClient::Get(const THttpRequest& Request) {
    const QUrl url(Request.Url, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty())
        throw Exception(QStringLiteral("Not a plain http address: \"%1\"").arg(Request.Url));
    if (loopbackOnly.load() && !isLoopbackLiteral(url.host()))
        throw Exception(QStringLiteral("HTTP request to %1 refused: only loopback is reachable here").arg(url.host()));

    globalInit();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) throw Exception(QStringLiteral("HTTP request to %1 failed: no libcurl handle").arg(url.host()));
    CURL* c = curl.get();
    const QByteArray address = url.toEncoded();
    std::unique_ptr<curl_slist, ListDeleter> headers;
    for (const auto& [name, value] : Request.Headers) {
        curl_slist* grown = curl_slist_append(headers.get(), (name + ": " + value).constData());
        if (!grown) throw Exception(QStringLiteral("HTTP request to %1 failed: out of memory").arg(url.host()));
        (void)headers.release();
        headers.reset(grown);
    }
    QByteArray body;
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_URL, address.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(Request.TimeoutMs));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(Request.TimeoutMs));
    // The request may run on any thread: no signals for the resolver's time-out.
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    if (loopbackOnly.load()) curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);

    const CURLcode result = curl_easy_perform(c);
    if (result != CURLE_OK) {
        const QString reason = error[0] ? QString::fromLocal8Bit(error) : QString::fromLatin1(curl_easy_strerror(result));
        throw Exception(QStringLiteral("HTTP request to %1 failed: %2").arg(url.host(), reason));
    }
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    return THttpReply{static_cast<int>(status), body};
}

QByteArray THTTP::Get(const QString& Url) {
    THttpRequest request;
    request.Url = Url;
    request.TimeoutMs = TimeoutMs;
    if (!Accept.isEmpty()) request.Headers.append({"Accept", Accept.toUtf8()});
    if (!UserAgent.isEmpty()) request.Headers.append({"User-Agent", UserAgent.toUtf8()});
    const THttpReply reply = HttpClient().Get(request);
    if (reply.StatusCode < 200 || reply.StatusCode > 299)
        throw Exception(QStringLiteral("HTTP request to %1 answered with status %2").arg(Url).arg(reply.StatusCode));
    return reply.Body;
}
