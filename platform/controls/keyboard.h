#pragma once

#include "platform/messages/messages.h"

#include <QString>
#include <cstdint>

class TWinControl;

// The one road of keys from the native layer (and from tests) to the controls.
//
// A key belongs to the window it was pressed in until it is released: its repeats and its
// release never reach another window. So a key that closes a modal window (Enter on its
// default button, Esc on its cancel button) or a message box, or that the native layer
// pressed elsewhere, cannot act a second time on the window below, where the focused button
// would take the release as a click of its own.

// A key going down on control, as the native layer reports it: WM_KEYDOWN, then one WM_CHAR
// per typed character of text, or WM_SYSCHAR for a character typed with Alt (the window's
// accelerators). A press that is not an auto-repeat starts afresh in this window. True when
// the key was taken (or belongs to another window), so that no native editor may use it.
bool DeliverKeyDown(TWinControl& control, uint16_t key, TShiftState shift, const QString& text, bool autoRepeat);

// A key going up on control. True when the key was taken or dropped.
bool DeliverKeyUp(TWinControl& control, uint16_t key, TShiftState shift);

// True when key is the caption's accelerator: the character after its first single "&",
// compared without case ("&&" stands for a plain "&").
bool IsAccel(QChar key, const QString& caption);

// The state of a key as the window procedures see it: bit 15 set (a negative answer) while it
// is held. Shift, Ctrl and Alt also count as held while a key pressed with them is delivered.
int16_t GetKeyState(int vKey);

// Forgets every held key (the program lost the keyboard, a test starts).
void ResetKeyboard();
