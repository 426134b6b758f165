#pragma once

#include "platform/controls/control.h"

// The drag of a control onto others (TControl::BeginDrag): one at a time, run from the
// dragged control's own mouse messages while it holds the mouse.

// Takes the mouse messages of Control that belong to a drag: a left press starting an
// automatic one, and the moves, release and cancel of a running one. True when the message
// was the drag's alone.
bool DragMessage(TControl& Control, TMessage& Message);

// A control going away leaves the drag: as its source the drag ends without a word.
void ForgetDrag(TControl& Control);
