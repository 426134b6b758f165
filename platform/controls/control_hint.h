#pragma once

#include "platform/controls/hint_window.h"

// The hint road of the program's controls. When the pointer rests on a control that shows a
// hint of its own, the control is asked through CM_HINTSHOW (it may change the text, place,
// colour, window kind and data, or refuse with a result other than 0), and the hint shows in
// one window of the kind the answer names, made again when the kind changes. The hint goes when
// the pointer leaves the answer's CursorRect or the control, or a button or key is pressed.

// Cursor is the resting pointer in Control's client coordinates; true when a hint shows.
bool ActivateControlHint(TControl& Control, TPoint Cursor);
void CancelControlHint();
// The window the last hint showed in; nullptr before the first.
THintWindow* ControlHintWindow();
// Called for every message a native event delivers to Control: ends a shown hint as above.
void ControlHintInput(TControl& Control, uint32_t Msg, intptr_t LParam);
// Control goes away: a hint shown for it goes with it.
void ForgetControlHint(TControl* Control);
