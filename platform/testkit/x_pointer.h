#pragma once

#include "platform/graphics/graphics_objects.h"

class TWinControl;

// The X server's own pointer, moved and pressed through its test extension, for checks that
// run the real windows on a display: the input arrives as the user's hand would give it, through
// the window system and the toolkit's own handling (its drag and drop included).
class XServerPointer {
public:
    XServerPointer();
    ~XServerPointer();
    XServerPointer(const XServerPointer&) = delete;
    XServerPointer& operator=(const XServerPointer&) = delete;

    // False when no display could be opened.
    bool ok() const { return display_ != nullptr; }
    void moveTo(TPoint screen);
    void press();
    void release();
    // Where the server has the pointer now.
    TPoint position() const;

private:
    void* display_ = nullptr;
};

// Where a client point of the control lies on the screen, as the window system placed it.
TPoint NativeScreenPoint(const TWinControl& control, TPoint client);
// The control's window is mapped and the window system has shown it (its first expose came).
bool NativeWindowExposed(const TWinControl& control);
// A drag of the toolkit's own runs: its loop is entered and holds the pointer.
bool ToolkitDragRunning();
