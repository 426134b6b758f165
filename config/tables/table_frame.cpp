#include "config/tables/table_frame.h"

#include "config/tables/table_file.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"
#include "common/state/program_state.h"
#include "common/state/unread_file.h"

namespace {

constexpr int Row_Button_Width = 90;
constexpr int Row_Button_Step = 100;

}  // namespace

TRow_Buttons Build_Table_Frame(TForm& Form, TDialogFrame& Frame, int Client_Width, int Client_Height,
                               const std::function<void()>& Ok, const std::function<void(int)>& Row_Click,
                               const char* Font_Name) {
    Frame = Build_Dialog_Frame(Form, Client_Width, Client_Height, Font_Name);
    Frame.Btn_OK->ModalResult = mrNone;
    Frame.Btn_OK->ShowHint = true;
    Frame.Btn_Cancel->ShowHint = true;
    Frame.Btn_OK->OnClick = [Ok](TObject*) { Ok(); };
    const char* const names[] = {"Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"};
    TRow_Buttons buttons{};
    for (int k = 0; k < 4; ++k) {
        auto* button =
            Place_Control<TLbButton>(Form, Frame.P_Button, names[k], 10 + k * Row_Button_Step, 7, Row_Button_Width, 26);
        Set_Window_Button_Look(*button);
        button->ShowHint = true;
        button->OnClick = [Row_Click, k](TObject*) { Row_Click(k); };
        buttons[size_t(k)] = button;
    }
    return buttons;
}

void Set_Table_Frame_Texts(TForm& Form, const TDialogFrame& Frame, const TRow_Buttons& Row_Buttons, int First_Id,
                           int Hint_Id) {
    Form.SetCaption(Lang(First_Id));
    Frame.L_SW_Desc->SetCaption(Lang(First_Id + 1));
    TLbButton* const buttons[] = {Frame.Btn_OK, Frame.Btn_Cancel, Row_Buttons[0], Row_Buttons[1], Row_Buttons[2],
                                  Row_Buttons[3]};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(Lang(First_Id + 2 + i));
        buttons[i]->SetHint(Lang(Hint_Id + i));
    }
}

bool Check_Grid_Key_Gap(TExStringGrid& Grid, int Key_Col, const QString& Prefix, const QString& Key_Name) {
    QStringList keys;
    for (int r = 1; r < Grid.RowCount(); ++r) keys << Grid.GetCellEx(Key_Col, r);
    const int gap = First_Key_Gap(keys);
    if (gap < 0) return true;
    MessageDlg(Prefix + QString::number(gap + 1) +
                   QStringLiteral("!! %1 must not be empty while the rows below it are filled").arg(Key_Name),
               mtError, mbOK);
    return false;
}

bool Read_Or_Report(TUnread_File& Unread, const QString& File, const std::function<void()>& Read) {
    try {
        Read();
        return true;
    } catch (const Exception& e) {
        Unread.Mark(File);
        Application->HandleException(Exception(Unread.Report(e.Message)));
        return false;
    }
}

QString Too_Many_Rows_Text(const QString& File, size_t Rows, size_t Shown) {
    return QStringLiteral("The file %1 holds %2 rows: this table shows only the first %3.")
        .arg(File)
        .arg(Rows)
        .arg(Shown);
}
