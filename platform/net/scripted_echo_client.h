#pragma once

#include "platform/core/exception.h"
#include "platform/messages/clock.h"
#include "platform/net/echo_client.h"

#include <deque>
#include <functional>
#include <vector>

// An echo client for tests that sends nothing: it answers each request from a script, lets the
// clock run for as long as the answer takes, and records the requests. It is installed for as
// long as it lives. Requests beyond the script wait out their time-out.
class TScriptedEchoClient : public TEchoClient {
public:
    TScriptedEchoClient() { SetEchoClient(this); }
    ~TScriptedEchoClient() override { SetEchoClient(nullptr); }
    TScriptedEchoClient(const TScriptedEchoClient&) = delete;
    TScriptedEchoClient& operator=(const TScriptedEchoClient&) = delete;

    // The next request is answered after DelayMs with a reply of Bytes bytes.
    void reply(unsigned DelayMs = 1, int Bytes = 40, TReplyStatusTypes Status = rsEcho) {
        script_.push_back({Answer::Reply, DelayMs, Bytes, Status, {}});
    }
    // The next request gets no answer within its time-out.
    void timeOut(int Times = 1) {
        for (int i = 0; i < Times; ++i) script_.push_back({Answer::TimeOut, 0, 0, rsTimeOut, {}});
    }
    // The next request fails at once with Exception(Message).
    void fail(const QString& Message) { script_.push_back({Answer::Fail, 0, 0, rsError, Message}); }

    // Runs inside every request before it is answered: what the user does while it waits.
    std::function<void(const TEchoRequest&)> onRequest;

    const std::vector<TEchoRequest>& requests() const { return requests_; }
    // Forgets the script and the requests.
    void reset() {
        script_.clear();
        requests_.clear();
    }

    TReplyStatus Echo(const TEchoRequest& Request) override {
        requests_.push_back(Request);
        if (onRequest) onRequest(Request);
        Answer answer{Answer::TimeOut, 0, 0, rsTimeOut, {}};
        if (!script_.empty()) {
            answer = script_.front();
            script_.pop_front();
        }
        TReplyStatus status;
        status.SequenceId = Request.Sequence;
        switch (answer.kind) {
        case Answer::Fail: throw Exception(answer.message);
        case Answer::TimeOut: Clock().Sleep(Request.TimeoutMs); return status;
        case Answer::Reply:
            Clock().Sleep(answer.delayMs);
            status.ReplyStatusType = answer.status;
            status.BytesReceived = answer.bytes;
            status.FromIpAddress = Request.Host;
            return status;
        }
        return status;
    }

private:
    struct Answer {
        enum Kind { Reply, TimeOut, Fail } kind;
        unsigned delayMs;
        int bytes;
        TReplyStatusTypes status;
        QString message;
    };
    std::deque<Answer> script_;
    std::vector<TEchoRequest> requests_;
};
