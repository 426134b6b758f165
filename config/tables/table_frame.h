#pragma once

#include "common/state/dialog_frame.h"

#include <QString>
#include <array>
#include <functional>

class TExStringGrid;
class TLbButton;
class TUnread_File;

// What the frame of every table window shares: the dialog frame whose OK closes only once the
// window has checked and saved its rows, and the four row buttons (delete, insert, copy,
// paste) on the button panel.
using TRow_Buttons = std::array<TLbButton*, 4>;

// Builds the frame on Form; OK calls Ok, row button k calls Row_Click(k).
TRow_Buttons Build_Table_Frame(TForm& Form, TDialogFrame& Frame, int Client_Width, int Client_Height,
                               const std::function<void()>& Ok, const std::function<void(int)>& Row_Click,
                               const char* Font_Name = "Verdana");

// The caption and description (First_Id, First_Id + 1), the six button captions from
// First_Id + 2 and their hints from Hint_Id, OK and Cancel first.
void Set_Table_Frame_Texts(TForm& Form, const TDialogFrame& Frame, const TRow_Buttons& Row_Buttons, int First_Id,
                           int Hint_Id);

// False, with "Error row " (Prefix) + the row + a line naming Key_Name shown, when a row whose
// Key_Col is empty has filled rows below it: saving would drop them.
bool Check_Grid_Key_Gap(TExStringGrid& Grid, int Key_Col, const QString& Prefix, const QString& Key_Name);

// Runs Read on File; when it throws, File is marked in Unread and the error reported with
// where the file will be kept, and the answer is false.
bool Read_Or_Report(TUnread_File& Unread, const QString& File, const std::function<void()>& Read);

// The warning for a file with more rows than its table shows.
QString Too_Many_Rows_Text(const QString& File, size_t Rows, size_t Shown);
