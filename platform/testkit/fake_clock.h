#pragma once

#include "platform/messages/clock.h"

#include <atomic>

// Time that moves only when a test moves it; sleeping moves it at once.
class FakeClock : public TClock {
public:
    uint64_t NowMs() override { return now_; }
    void Sleep(unsigned ms) override { now_ += ms; }
    void set(uint64_t ms) { now_ = ms; }

private:
    std::atomic<uint64_t> now_{1000};
};
