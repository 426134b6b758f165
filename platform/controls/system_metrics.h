#pragma once

// The system metrics that controls size themselves by, fixed to the classic look's values so
// that layout is the same on every machine.
enum : int { SM_CXVSCROLL = 2, SM_CYBORDER = 6 };

constexpr int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXVSCROLL: return 17;
    case SM_CYBORDER: return 1;
    default: return 0;
    }
}
