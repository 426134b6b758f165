#pragma once

#include "platform/core/exception.h"
#include "platform/net/http_client.h"

#include <deque>
#include <vector>

// An HTTP client for tests that sends nothing: it answers each request from a script and
// records the requests. It is installed for as long as it lives. A request beyond the script
// fails as a network without connection would.
class TScriptedHttpClient : public THttpClient {
public:
    TScriptedHttpClient() { SetHttpClient(this); }
    ~TScriptedHttpClient() override { SetHttpClient(nullptr); }
    TScriptedHttpClient(const TScriptedHttpClient&) = delete;
    TScriptedHttpClient& operator=(const TScriptedHttpClient&) = delete;

    // The next request is answered with Body and StatusCode.
    void reply(const QByteArray& Body, int StatusCode = 200) { script_.push_back({false, {StatusCode, Body}, {}}); }
    // The next request fails with Exception(Message).
    void fail(const QString& Message = QStringLiteral("no connection")) { script_.push_back({true, {}, Message}); }

    const std::vector<THttpRequest>& requests() const { return requests_; }

    THttpReply Get(const THttpRequest& Request) override {
        requests_.push_back(Request);
        if (script_.empty()) throw Exception(QStringLiteral("no connection"));
        const Answer answer = script_.front();
        script_.pop_front();
        if (answer.fails) throw Exception(answer.message);
        return answer.reply;
    }

private:
    struct Answer {
        bool fails;
        THttpReply reply;
        QString message;
    };
    std::deque<Answer> script_;
    std::vector<THttpRequest> requests_;
};
