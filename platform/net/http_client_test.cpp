#include "platform/net/http_client.h"
#include "platform/net/scripted_http_client.h"
#include "platform/testkit/exception_message.h"
#include "platform/testkit/loopback_http_server.h"

#include <gtest/gtest.h>

namespace {

THttpRequest versionRequest(const QString& url) {
    THttpRequest request;
    request.Url = url;
    request.Headers = {{"Accept", "text/html"}, {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}};
    request.TimeoutMs = 5000;
    return request;
}

// HTTP goes only to a server of the test's own on loopback.
TEST(HttpClient, GetSpeaksHttp10WithTheGivenHeadersAndReturnsStatusAndBody) {
    struct Case {
        const char* answer;
        int status;
        const char* body;
    };
    const Case cases[] = {
        {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.002", 200, "VER. 1.002"},
        {"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot there", 404, "not there"},
        {"HTTP/1.0 200 OK\r\n\r\n", 200, ""},
    };
    Restrict_Http_To_Loopback(true);
    for (const Case& c : cases) {
        LoopbackHttpServer server(c.answer);
        ASSERT_TRUE(server.listening());
        TCurlHttpClient client;
        const THttpReply reply = client.Get(versionRequest(server.url("/home/download/GetversionSW.asp?nomesw=SWQX372")));
        EXPECT_EQ(reply.StatusCode, c.status) << c.answer;
        EXPECT_EQ(reply.Body, QByteArray(c.body)) << c.answer;
        const QByteArray head = server.request();
        EXPECT_TRUE(head.startsWith("GET /home/download/GetversionSW.asp?nomesw=SWQX372 HTTP/1.0\r\n")) << head.constData();
        EXPECT_TRUE(head.contains("\r\nAccept: text/html\r\n")) << head.constData();
        EXPECT_TRUE(head.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n")) << head.constData();
        EXPECT_FALSE(head.contains("Cookie")) << head.constData();
    }
}

TEST(HttpClient, ASilentServerEndsInATimeOutAndAClosedPortFailsAtOnce) {
    Restrict_Http_To_Loopback(true);
    LoopbackHttpServer silent("");
    ASSERT_TRUE(silent.listening());
    TCurlHttpClient client;
    THttpRequest request = versionRequest(silent.url("/"));
    request.TimeoutMs = 300;
    EXPECT_FALSE(messageOf([&] { client.Get(request); }).isEmpty());

    QString closedUrl;
    {
        LoopbackHttpServer gone("HTTP/1.0 200 OK\r\n\r\n");
        closedUrl = gone.url("/");
        TCurlHttpClient().Get(versionRequest(closedUrl));
    }
    EXPECT_TRUE(messageOf([&] { client.Get(versionRequest(closedUrl)); }).contains("failed"));
}

TEST(HttpClient, OnlyPlainHttpToLoopbackLeavesATestProgram) {
    Restrict_Http_To_Loopback(true);
    TCurlHttpClient client;
    for (const char* url : {"http://www.korvex.example/home/download/GetversionSW.asp", "http://localhost/",
                            "http://10.0.0.1/", "http://[::2]/"})
        EXPECT_TRUE(messageOf([&] { client.Get(versionRequest(url)); }).contains("refused")) << url;
    for (const char* url : {"https://127.0.0.1/", "ftp://127.0.0.1/", "not an address", ""})
        EXPECT_TRUE(messageOf([&] { client.Get(versionRequest(url)); }).contains("Not a plain http address")) << url;
}

TEST(HttpComponent, SendsItsHeadersAndTakesOnlyA2xxBody) {
    TScriptedHttpClient scripted;
    THTTP http(nullptr);
    http.Accept = "text/html";
    http.UserAgent = "Agent";
    http.TimeoutMs = 1234;
    scripted.reply("VER. 1.002");
    EXPECT_EQ(http.Get("http://127.0.0.1/v"), QByteArray("VER. 1.002"));
    ASSERT_EQ(scripted.requests().size(), 1u);
    const THttpRequest& sent = scripted.requests()[0];
    EXPECT_EQ(sent.Url, "http://127.0.0.1/v");
    EXPECT_EQ(sent.TimeoutMs, 1234u);
    EXPECT_EQ(sent.Headers, (QList<QPair<QByteArray, QByteArray>>{{"Accept", "text/html"}, {"User-Agent", "Agent"}}));

    scripted.reply("moved", 302);
    EXPECT_TRUE(messageOf([&] { http.Get("http://127.0.0.1/v"); }).contains("status 302"));
    scripted.fail("timed out");
    EXPECT_EQ(messageOf([&] { http.Get("http://127.0.0.1/v"); }), "timed out");
    EXPECT_EQ(&HttpClient(), &scripted);
}

}  // namespace
