#include "config/tables/paged_table_form.h"

#include "config/tables/row_operations.h"
#include "config/tables/table_form.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/label.h"
#include "platform/controls/page_control.h"
#include "platform/controls/panel.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"

TPagedTableForm::TPagedTableForm(TComponent* AOwner, const TPaged_Texts& Texts, const TTable_Groups_File& File_Shape,
                                 std::vector<TTable_Page> Pages, int Client_Width, int Client_Height,
                                 bool Enable_Column, const char* Font_Name)
    : TForm(AOwner), texts_(Texts), file_(File_Shape), pages_(std::move(Pages)), clientWidth_(Client_Width),
      clientHeight_(Client_Height), enableColumn_(Enable_Column), fontName_(Font_Name), hints_(pages_.size()) {
    for (TTable_Page& page : pages_)
        if (page.Stored.empty())
            for (int c = 1; c < int(page.Columns.size()); ++c) page.Stored.push_back(c);
}

void TPagedTableForm::Loaded() {
    void (TPagedTableForm::*const clicks[])(TObject*) = {
        &TPagedTableForm::Btn_DelRowClick, &TPagedTableForm::Btn_InsRowClick, &TPagedTableForm::Btn_CopyRowClick,
        &TPagedTableForm::Btn_PasteRowClick};
    const TRow_Buttons buttons = Build_Table_Frame(
        *this, *this, clientWidth_, clientHeight_, [this] { Btn_OKClick(this); },
        [this, clicks](int k) { (this->*clicks[k])(this); }, fontName_);
    Btn_DelRow = buttons[0];
    Btn_InsRow = buttons[1];
    Btn_CopyRow = buttons[2];
    Btn_PasteRow = buttons[3];

    XML1 = new TXMLDocument(this);
    XML1->Name = "XML1";

    const int top = P_Title->Height();
    PageControl1 = Place_Control<TPageControl>(*this, this, "PageControl1", 0, top, clientWidth_,
                                               clientHeight_ - top - P_Button->Height());
    PageControl1->Anchors = akLeft | akTop | akRight | akBottom;
    for (const TTable_Page& page : pages_) {
        auto* sheet = new TTabSheet(this);
        sheet->Name = QString::fromLatin1(page.Sheet_Name);
        sheet->SetPageControl(PageControl1);
        auto* grid = Place_Control<TExColumnGrid>(*this, sheet, page.Grid_Name, 0, 0, sheet->Width(), sheet->Height());
        grid->Anchors = akLeft | akTop | akRight | akBottom;
        Set_Grid_Columns(*grid, page.Columns);
        Set_Grid_Fonts(*grid);
        // The header cells tell what each column holds.
        grid->ShowHint = !page.Hint_Ids.empty();
        grid->OnDblClickCell = [this](TObject* s, int r, int c) { DblClickCell(s, r, c); };
        grid->OnKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
        grid->OnGridHint = [this](TObject* s, int r, int c, QString& h) { GridHint(s, r, c, h); };
        sheets_.push_back(sheet);
        grids_.push_back(grid);
    }
    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TPagedTableForm::FormCreate(TObject*) {
    for (int p = 0; p < Page_Count(); ++p) Set_Data_Rows(p, pages_[size_t(p)].Rows);
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(clientWidth_);
    SetClientHeight(clientHeight_);
    PageControl1->SetActivePage(sheets_.front());
    Set_Lang();
}

void TPagedTableForm::Set_Lang() {
    Set_Table_Frame_Texts(*this, *this, {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow}, texts_.First_Id,
                          texts_.Button_Hint_Id);
    for (int p = 0; p < Page_Count(); ++p) {
        const TTable_Page& page = pages_[size_t(p)];
        sheets_[size_t(p)]->SetCaption(Lang(page.Tab_Id));
        TGridColumnCollection& columns = grids_[size_t(p)]->Columns();
        for (int c = 0; c < int(page.Header_Ids.size()) && c < columns.Count(); ++c)
            columns.Items(c)->SetHeader(Lang(page.Header_Ids[size_t(c)]));
        QStringList& hints = hints_[size_t(p)];
        hints.clear();
        for (int id : page.Hint_Ids) hints << Lang(id);
    }
}

int TPagedTableForm::Active_Page() const { return std::max(0, PageControl1->ActivePageIndex()); }

int TPagedTableForm::Page_Of(TObject* Sender) const {
    for (int p = 0; p < Page_Count(); ++p)
        if (Sender == grids_[size_t(p)]) return p;
    return -1;
}

void TPagedTableForm::Set_Data_Rows(int Page, int Rows) {
    pages_[size_t(Page)].Rows = Rows;
    grids_[size_t(Page)]->SetRowCount(Rows + 1);
}

void TPagedTableForm::Fill_Positions(int Page, int Col, int Size) {
    QStringList items;
    items.reserve(Size);
    for (int i = 0; i < Size; ++i) items << QString::number(i);
    grids_[size_t(Page)]->Columns().Items(Col)->ComboItems().Assign(items);
}

void TPagedTableForm::Reset_Rows(int Page) {
    TExColumnGrid& grid = *grids_[size_t(Page)];
    const int columns = int(pages_[size_t(Page)].Columns.size());
    for (int r = 1; r < grid.RowCount(); ++r) {
        grid.SetCellEx(0, r, QString::number(r));
        for (int c = 1; c < columns; ++c)
            grid.SetCellEx(c, r, c == 1 && enableColumn_ ? QStringLiteral("Y") : QString());
    }
}

void TPagedTableForm::Load_File() {
    Unread.Clear();
    const QString file = File_Name();
    if (!FileExists(file)) return;
    TTable_Groups_Read read;
    if (!Read_Or_Report(Unread, file, [&] { read = Read_Table_Groups(*XML1, file, file_); })) return;
    QString problem = read.Error;
    for (int p = 0; p < Page_Count(); ++p) {
        TTable_Rows& rows = read.Rows[size_t(p)];
        const TTable_Page& page = pages_[size_t(p)];
        const size_t shown = size_t(page.Rows);
        if (rows.size() > shown) {
            if (problem.isEmpty()) problem = Too_Many_Rows_Text(file, rows.size(), shown);
            rows.resize(shown);
        }
        TExColumnGrid& grid = *grids_[size_t(p)];
        for (size_t i = 0; i < rows.size(); ++i) {
            const int r = int(i) + 1;
            for (size_t a = 0; a < page.Stored.size(); ++a) grid.SetCellEx(page.Stored[a], r, rows[i].value(int(a)));
            for (const auto& [column, text] : page.Unstored_Read) grid.SetCellEx(column, r, QString::fromLatin1(text));
        }
    }
    if (problem.isEmpty()) return;
    Unread.Mark(file);
    MessageDlg(Unread.Report(problem), mtWarning, mbOK);
}

void TPagedTableForm::FormShow(TObject*) {
    Prepare_Show();
    for (int p = 0; p < Page_Count(); ++p) {
        Set_Data_Rows(p, pages_[size_t(p)].Rows);
        Reset_Rows(p);
    }
    PageControl1->SetActivePage(sheets_.front());
    Load_File();
    After_Load();
    Copied_Page = -1;
}

TTable_Rows TPagedTableForm::Used_Rows(int Page) const {
    TExColumnGrid& grid = *grids_[size_t(Page)];
    const TTable_Page& page = pages_[size_t(Page)];
    TTable_Rows rows;
    for (int r = 1; r < grid.RowCount(); ++r) {
        if (grid.GetCellEx(page.Key, r).trimmed().isEmpty()) break;
        QStringList texts;
        for (int c = 1; c < int(page.Columns.size()); ++c) texts << grid.GetCellEx(c, r);
        rows.push_back(texts);
    }
    return rows;
}

QString TPagedTableForm::Row_Prefix() const { return Lang(texts_.Error_Prefix_Id); }

bool TPagedTableForm::Report(const std::optional<TRow_Fault>& Fault) const {
    if (!Fault) return true;
    const QString prefix = Fault->Row > 0 ? Row_Prefix() + QString::number(Fault->Row) : QString();
    MessageDlg(prefix + Lang(Fault->Text_Id) + Fault->Suffix, mtError, mbOK);
    return false;
}

void TPagedTableForm::Btn_OKClick(TObject*) {
    for (int p = 0; p < Page_Count(); ++p) {
        const TTable_Page& page = pages_[size_t(p)];
        if (!Check_Grid_Key_Gap(*grids_[size_t(p)], page.Key, Row_Prefix(),
                                Lang(page.Header_Ids.at(size_t(page.Key))))) {
            PageControl1->SetActivePage(sheets_[size_t(p)]);
            return;
        }
    }
    if (!Controllo_dati()) return;
    std::vector<TTable_Rows> groups;
    for (int p = 0; p < Page_Count(); ++p) {
        const TTable_Page& page = pages_[size_t(p)];
        TTable_Rows& stored = groups.emplace_back();
        for (const QStringList& row : Used_Rows(p)) {
            QStringList cells;
            for (int column : page.Stored) cells << row.value(column - 1);
            stored.push_back(cells);
        }
    }
    try {
        Unread.Keep();
        Write_Table_Groups(*XML1, File_Name(), file_, groups);
    } catch (const std::exception& e) {
        Application->HandleException(e);
        return;
    }
    SetModalResult(mrOk);
}

void TPagedTableForm::Btn_DelRowClick(TObject*) {
    TExColumnGrid& grid = Grid(Active_Page());
    const int row = grid.Row();
    if (MessageDlg(Lang(texts_.Delete_Question_Id) + QString::number(row), mtConfirmation, mbYes | mbNo) == mrYes)
        Grid_Delete_Row(row, grid);
}

void TPagedTableForm::Btn_InsRowClick(TObject*) {
    TExColumnGrid& grid = Grid(Active_Page());
    Grid_Insert_Row(grid.Row(), grid, enableColumn_);
}

void TPagedTableForm::Btn_CopyRowClick(TObject*) {
    TExColumnGrid& grid = Grid(Active_Page());
    Grid_Copy_Row(grid, grid.Row());
    Copied_Page = Active_Page();
}

void TPagedTableForm::Btn_PasteRowClick(TObject*) {
    TExColumnGrid& grid = Grid(Active_Page());
    Grid_Paste_Row(grid, grid.Row(), Copied_Page == Active_Page());
}

void TPagedTableForm::DblClickCell(TObject* Sender, int ARow, int ACol) {
    const int page = Page_Of(Sender);
    if (page >= 0) Grid_DblClick_AutoSize(Grid(page), ARow, ACol);
}

void TPagedTableForm::KeyPress(TObject* Sender, QChar& Key) {
    const int page = Page_Of(Sender);
    if (page >= 0) Grid_Enter_Jump(Grid(page), Key);
}

void TPagedTableForm::GridHint(TObject* Sender, int ARow, int ACol, QString& Hint) {
    const int page = Page_Of(Sender);
    if (page < 0 || ARow != 0 || ACol < 1) return;
    Hint = hints_[size_t(page)].value(Grid(page).RealColIndex(ACol) - 1);
}
