#include "platform/controls/timer.h"

namespace {
constexpr uintptr_t kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { update(); }

TTimer::~TTimer() { KillTimer(this, kTimerId); }

void TTimer::SetEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    update();
}

void TTimer::SetInterval(unsigned v) {
    if (interval_ == v) return;
    interval_ = v;
    update();
}

// Restarts the count whenever a property changes, as the original did.
void TTimer::update() {
    KillTimer(this, kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(this, kTimerId, interval_);
}

void TTimer::WndProc(TMessage& m) {
    if (m.Msg == WM_TIMER && m.WParam == kTimerId && enabled_) OnTimer(this);
}
