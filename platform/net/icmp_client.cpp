#include "platform/net/icmp_client.h"

#include <algorithm>

void TIdIcmpClient::Ping(const QString& ABuffer, uint16_t SequenceID) {
    TEchoRequest request;
    request.Host = Host;
    request.Data = ABuffer.toUtf8();
    request.Sequence = SequenceID;
    request.TimeoutMs = static_cast<unsigned>(std::max(ReceiveTimeout, 0));
    request.BufferSize = BufferSize;
    ReplyStatus = EchoClient().Echo(request);
    OnReply(this, ReplyStatus);
}
