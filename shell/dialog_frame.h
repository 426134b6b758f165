#pragma once

class TForm;
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
};

// Sets the dialog's look (background, font, border, centred) and builds its frame.
TDialogFrame Build_Dialog_Frame(TForm& form, int clientWidth, int clientHeight, const char* fontName = "Verdana");
