#pragma once

#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/messages/messages.h"

// Fires OnTimer every Interval milliseconds while it is enabled and has a handler.
class TTimer : public TComponent, public TMessageTarget {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned v);
    TNotifyEvent OnTimer;

    void WndProc(TMessage& Message) override;

private:
    void update();
    bool enabled_ = true;
    unsigned interval_ = 1000;
};
