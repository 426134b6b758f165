#pragma once

#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/net/echo_client.h"

using TOnReplyEvent = TEvent<void(TObject*, const TReplyStatus&)>;

// The echo client component of a window: Ping sends one request to Host through EchoClient()
// and reports its answer, or its time-out, through OnReply before it returns.
class TIdIcmpClient : public TComponent {
public:
    explicit TIdIcmpClient(TComponent* AOwner) : TComponent(AOwner) {}

    QString Host;
    int ReceiveTimeout = 5000;  // ms
    int BufferSize = 1024;      // bytes of the reply buffer
    // The answer to the latest request.
    TReplyStatus ReplyStatus;
    TOnReplyEvent OnReply;

    // Sends ABuffer as the data of one echo request. Errors (an address that is not a dotted
    // IPv4 address, a socket that cannot be used) raise Exception and report no reply.
    void Ping(const QString& ABuffer = QString(), uint16_t SequenceID = 0);
};
