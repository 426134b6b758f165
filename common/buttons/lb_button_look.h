#pragma once

#include <QString>

class TLbButton;

// The look the program's windows give their push buttons: a near-white Encarta face with thin
// grey edges that turns yellow under the pointer and orange, with a bold caption, while pressed.
void Set_Window_Button_Look(TLbButton& Button);

// Gives the button the one-cell glyph compiled in under Name ("BTN_OK" ...).
void Set_Button_Glyph(TLbButton& Button, const QString& Name);
