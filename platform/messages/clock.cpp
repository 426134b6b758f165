#include "platform/messages/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {
class SteadyClock : public TClock {
public:
    uint64_t NowMs() override {
        using namespace std::chrono;
        return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now() - start_).count());
    }
    void Sleep(unsigned ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

SteadyClock& steady() {
    static SteadyClock clock;
    return clock;
}

std::atomic<TClock*> installed{nullptr};
}  // namespace

TClock& Clock() {
    TClock* c = installed.load();
    return c ? *c : steady();
}

void SetClock(TClock* clock) { installed.store(clock); }
