#include "config/tables/table_form.h"

#include "config/tables/row_operations.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_look.h"
#include "common/state/program_state.h"

namespace {

constexpr int Row_Button_Width = 90;
constexpr int Row_Button_Step = 100;

}  // namespace

TTableForm::TTableForm(TComponent* AOwner, const TTable_Texts& Texts, const TTable_File& File_Shape, int Client_Width,
                       int Client_Height)
    : TForm(AOwner), texts_(Texts), file_(File_Shape), keyColumn_(File_Shape.Key + 1), clientWidth_(Client_Width),
      clientHeight_(Client_Height) {}

TLbButton* TTableForm::Row_Button(const char* Name, int Left, void (TTableForm::*Click)(TObject*)) {
    auto* button = Place_Control<TLbButton>(*this, P_Button, Name, Left, 7, Row_Button_Width, 26);
    Set_Window_Button_Look(*button);
    button->ShowHint = true;
    button->OnClick = [this, Click](TObject* s) { (this->*Click)(s); };
    return button;
}

void TTableForm::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, clientWidth_, clientHeight_);
    // OK closes only once the rows are checked and saved.
    Btn_OK->ModalResult = mrNone;
    Btn_OK->ShowHint = true;
    Btn_Cancel->ShowHint = true;
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Btn_DelRow = Row_Button("Btn_DelRow", 10, &TTableForm::Btn_DelRowClick);
    Btn_InsRow = Row_Button("Btn_InsRow", 10 + Row_Button_Step, &TTableForm::Btn_InsRowClick);
    Btn_CopyRow = Row_Button("Btn_CopyRow", 10 + 2 * Row_Button_Step, &TTableForm::Btn_CopyRowClick);
    Btn_PasteRow = Row_Button("Btn_PasteRow", 10 + 3 * Row_Button_Step, &TTableForm::Btn_PasteRowClick);

    XML1 = new TXMLDocument(this);
    XML1->Name = "XML1";

    const int top = P_Title->Height();
    grid_ = Build_Grid(0, top, clientWidth_, clientHeight_ - top - P_Button->Height());
    grid_->Anchors = akLeft | akTop | akRight | akBottom;
    // The header cells tell what each column holds.
    grid_->ShowHint = true;
    grid_->OnDblClickCell = [this](TObject* s, int r, int c) { DblClickCell(s, r, c); };
    grid_->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
    grid_->OnGridHint = [this](TObject* s, int r, int c, QString& h) { GridHint(s, r, c, h); };
    grid_->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TTableForm::FormCreate(TObject*) {
    Init_Table();
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(clientWidth_);
    SetClientHeight(clientHeight_);
    Set_Lang();
}

void TTableForm::Set_Lang() {
    const int first = texts_.First_Id;
    SetCaption(Lang(first));
    L_SW_Desc->SetCaption(Lang(first + 1));
    TLbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(Lang(first + 2 + i));
        buttons[i]->SetHint(Lang(first + 8 + i));
    }
    QStringList headers;
    for (int id : texts_.Header_Ids) headers << Lang(id);
    Set_Headers(headers);
    Hint_List.clear();
    for (int id : texts_.Hint_Ids) Hint_List << Lang(id);
}

void TTableForm::Reset_Rows() {
    QStringList reset;
    for (size_t c = 0; c < file_.Columns.size(); ++c) reset << QString();
    reset[0] = QStringLiteral("Y");
    for (int r = 1; r < grid_->RowCount(); ++r) {
        grid_->SetCellEx(0, r, QString::number(r));
        Set_Row_Texts(r, reset);
    }
}

void TTableForm::Load_File() {
    Unread.Clear();
    const QString file = File_Name();
    if (!FileExists(file)) return;
    TTable_Rows rows;
    try {
        rows = Read_Table_File(*XML1, file, file_);
    } catch (const Exception& e) {
        Unread.Mark(file);
        Application->HandleException(Exception(Unread.Report(e.Message)));
        return;
    }
    const size_t shown = size_t(grid_->RowCount() - 1);
    if (rows.size() > shown) {
        Unread.Mark(file);
        MessageDlg(Unread.Report(QStringLiteral("The file %1 holds %2 rows: this table shows only the first %3.")
                                     .arg(file)
                                     .arg(rows.size())
                                     .arg(shown)),
                   mtWarning, mbOK);
        rows.resize(shown);
    }
    for (size_t i = 0; i < rows.size(); ++i) Set_Row_Texts(int(i) + 1, rows[i]);
}

void TTableForm::FormShow(TObject*) {
    Reset_Rows();
    Prepare_Show();
    Load_File();
    Do_Copy = false;
}

TTable_Rows TTableForm::Used_Rows() {
    TTable_Rows rows;
    for (int r = 1; r < grid_->RowCount(); ++r) {
        if (grid_->GetCellEx(keyColumn_, r).trimmed().isEmpty()) break;
        rows.push_back(Row_Texts(r));
    }
    return rows;
}

bool TTableForm::Check_Key_Gap() {
    QStringList keys;
    for (int r = 1; r < grid_->RowCount(); ++r) keys << grid_->GetCellEx(keyColumn_, r);
    const int gap = First_Key_Gap(keys);
    if (gap < 0) return true;
    const QString key = Lang(texts_.Header_Ids.at(size_t(keyColumn_)));
    MessageDlg(Row_Prefix() + QString::number(gap + 1) +
                   QStringLiteral("!! %1 must not be empty while the rows below it are filled").arg(key),
               mtError, mbOK);
    return false;
}

void TTableForm::Btn_OKClick(TObject*) {
    if (!Check_Key_Gap() || !Controllo_dati()) return;
    try {
        Unread.Keep();
        Write_Table_File(*XML1, File_Name(), file_, Used_Rows());
    } catch (const std::exception& e) {
        Application->HandleException(e);
        return;
    }
    SetModalResult(mrOk);
}

QString TTableForm::Row_Prefix() const {
    return texts_.Error_Prefix_Id ? Lang(texts_.Error_Prefix_Id) : QStringLiteral("Error row ");
}

bool TTableForm::Row_Error(int Row, int Fault_Id, const QString& Suffix) const {
    MessageDlg(Row_Prefix() + QString::number(Row) + Lang(Fault_Id) + Suffix, mtError, mbOK);
    return false;
}

void TTableForm::Delete_Row(int Row) { Grid_Delete_Row(Row, *grid_); }
void TTableForm::Insert_Row(int Row) { Grid_Insert_Row(Row, *grid_, true); }
void TTableForm::Copy_Row(int Row) { Grid_Copy_Row(*grid_, Row); }

void TTableForm::Btn_DelRowClick(TObject*) {
    const int row = grid_->Row();
    if (MessageDlg(Lang(texts_.Delete_Question_Id) + QString::number(row), mtConfirmation, mbYes | mbNo) == mrYes)
        Delete_Row(row);
}

void TTableForm::Btn_InsRowClick(TObject*) { Insert_Row(grid_->Row()); }

void TTableForm::Btn_CopyRowClick(TObject*) {
    Copy_Row(grid_->Row());
    Do_Copy = true;
}

void TTableForm::Btn_PasteRowClick(TObject*) { Paste_Row(grid_->Row()); }

void TTableForm::DblClickCell(TObject*, int ARow, int ACol) { Grid_DblClick_AutoSize(*grid_, ARow, ACol); }

void TTableForm::KeyPress(TObject*, QChar& Key) { Grid_Enter_Jump(*grid_, Key); }

void TTableForm::GridHint(TObject*, int ARow, int ACol, QString& Hint) {
    Hint.clear();
    if (ARow == 0 && ACol > 0) Hint = Hint_List.value(grid_->RealColIndex(ACol) - 1);
}

void TTableForm::ClickCell(TObject*, int ARow, int ACol) {
    if (ACol == 0) grid_->SelectRows(ARow, 1);
}

void Set_Grid_Fonts(TExStringGrid& Grid) {
    Grid.SetParentFont(false);
    for (TFont* font : {&Grid.Font(), &Grid.FixedFont()}) {
        font->SetName(QStringLiteral("Tahoma"));
        font->SetHeight(-11);
    }
}
