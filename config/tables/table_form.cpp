#include "config/tables/table_form.h"

#include "config/tables/row_operations.h"
#include "config/tables/table_frame.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"

TTableForm::TTableForm(TComponent* AOwner, const TTable_Texts& Texts, const TTable_File& File_Shape, int Client_Width,
                       int Client_Height)
    : TForm(AOwner), texts_(Texts), file_(File_Shape), keyColumn_(File_Shape.Key + 1), clientWidth_(Client_Width),
      clientHeight_(Client_Height) {}

void TTableForm::Loaded() {
    void (TTableForm::*const clicks[])(TObject*) = {&TTableForm::Btn_DelRowClick, &TTableForm::Btn_InsRowClick,
                                                    &TTableForm::Btn_CopyRowClick, &TTableForm::Btn_PasteRowClick};
    const TRow_Buttons buttons = Build_Table_Frame(
        *this, *this, clientWidth_, clientHeight_, [this] { Btn_OKClick(this); },
        [this, clicks](int k) { (this->*clicks[k])(this); });
    Btn_DelRow = buttons[0];
    Btn_InsRow = buttons[1];
    Btn_CopyRow = buttons[2];
    Btn_PasteRow = buttons[3];
    if (texts_.Leave_Question_Id) {
        Btn_Cancel->ModalResult = mrNone;
        Btn_Cancel->OnClick = [this](TObject* s) { Btn_CancelClick(s); };
    }

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
    Set_Table_Frame_Texts(*this, *this, {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow}, texts_.First_Id,
                          texts_.First_Id + 8);
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
    if (!Read_Or_Report(Unread, file, [&] { rows = Read_Table_File(*XML1, file, file_); })) return;
    const size_t shown = size_t(grid_->RowCount() - 1);
    if (rows.size() > shown) {
        Unread.Mark(file);
        MessageDlg(Unread.Report(Too_Many_Rows_Text(file, rows.size(), shown)), mtWarning, mbOK);
        rows.resize(shown);
    }
    for (size_t i = 0; i < rows.size(); ++i) Set_Row_Texts(int(i) + 1, rows[i]);
}

void TTableForm::FormShow(TObject*) {
    Reset_Rows();
    Prepare_Show();
    Load_File();
    Do_Copy = false;
    shownRows_ = All_Rows();
}

TTable_Rows TTableForm::All_Rows() {
    TTable_Rows rows;
    for (int r = 1; r < grid_->RowCount(); ++r) rows.push_back(Row_Texts(r));
    return rows;
}

bool TTableForm::Rows_Changed() { return All_Rows() != shownRows_; }

void TTableForm::Btn_CancelClick(TObject*) {
    if (Rows_Changed() && MessageDlg(Lang(texts_.Leave_Question_Id), mtConfirmation, mbYes | mbNo) != mrYes) return;
    SetModalResult(mrCancel);
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
    return Check_Grid_Key_Gap(*grid_, keyColumn_, Row_Prefix(), Lang(texts_.Header_Ids.at(size_t(keyColumn_))));
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
