#pragma once

#include <cstdint>

// Time as the program sees it: milliseconds since an arbitrary start, and sleeping.
// The program runs on the steady clock; tests install a clock they advance by hand.
class TClock {
public:
    virtual ~TClock() = default;
    virtual uint64_t NowMs() = 0;
    virtual void Sleep(unsigned ms) = 0;
};

TClock& Clock();
// Installs a clock (not owned); nullptr returns to the steady clock.
void SetClock(TClock* clock);

// GetTickCount of the original platform: the clock's milliseconds, wrapping at 32 bits.
inline uint32_t GetTickCount() { return static_cast<uint32_t>(Clock().NowMs()); }
inline void Sleep(unsigned ms) { Clock().Sleep(ms); }
