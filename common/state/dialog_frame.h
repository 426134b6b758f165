#pragma once

#include "platform/controls/form.h"

#include <initializer_list>

class TPanel;
class TLabel;
class TLbButton;

constexpr int Dialog_Background = 0xEDF7F8;

// The frame every dialog but the about box shares: a title panel with the software code and
// the description, and a button panel with OK and Cancel.
struct TDialogFrame {
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;

    // The dialog's own controls stand between the title and the buttons, and Tab visits them
    // in that order: called once they are built, it moves the buttons to the end.
    void Buttons_Last_In_Tab_Order() const;
};

// The wheel of a window over Box: when MousePos (on the screen) lies in Box's client area,
// Box scrolls one line per line of the system's wheel setting, up for a positive delta and
// down otherwise, each line ended by an end-of-scroll note; true then, false elsewhere.
bool Wheel_Scrolls(TWinControl& Box, int WheelDelta, TPoint MousePos);

// Sets the tab order of controls (siblings) to 0, 1, 2 ... in the order given.
void Set_Tab_Order(std::initializer_list<TWinControl*> Controls);

// The look of the program's windows: fixed single border with the system menu only, centred,
// the common background and font, and the client size.
void Set_Window_Look(TForm& form, int clientWidth, int clientHeight, const char* fontName = "Verdana");

// Sets the dialog's look and builds its frame.
TDialogFrame Build_Dialog_Frame(TForm& form, int clientWidth, int clientHeight, const char* fontName = "Verdana");

// A control of form, named and placed on parent. Its bounds come first, as a window's
// description gives them, so that stacked panels go where their Top puts them.
template <typename T>
T* Place_Control(TForm& form, TWinControl* parent, const char* name, int left, int top, int width, int height) {
    auto* control = new T(&form);
    control->Name = QString::fromLatin1(name);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}
