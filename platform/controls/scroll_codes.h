#pragma once

#include <cstdint>

// Scroll requests of WM_VSCROLL and WM_HSCROLL in the low word of wParam; the thumb position
// of SB_THUMBTRACK and SB_THUMBPOSITION is in the high word.
enum : uint16_t {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};
