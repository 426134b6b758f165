#pragma once

#include "platform/graphics/graphics_objects.h"

// The system's mouse settings.
class TMouse {
public:
    // Lines that one notch of the wheel scrolls: the system's setting unless set here.
    int WheelScrollLines() const;
    // A fixed number of lines (tests); a negative value returns to the system's setting.
    void SetWheelScrollLines(int lines) { wheelScrollLines_ = lines; }
    // Where the pointer is on the screen.
    TPoint CursorPos() const;

private:
    int wheelScrollLines_ = -1;
};

extern TMouse Mouse;
