#pragma once

#include "config/tables/column_table_form.h"
#include "config/tables/table_check.h"
#include "config/tables/table_file.h"
#include "config/tables/table_frame.h"
#include "common/state/unread_file.h"

#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class TPageControl;
class TTabSheet;
class TXMLDocument;

// One table of a window whose tables stand on tab pages, stored as one group of the window's
// file.
struct TTable_Page {
    const char* Sheet_Name;
    const char* Grid_Name;
    int Tab_Id;
    std::vector<TColumn_Def> Columns;  // grid columns 0 .. n, 0 the row number
    // The grid column of each attribute of the page's group, in the group's order; none:
    // columns 1 .. n in order.
    std::vector<int> Stored;
    // What the columns that are not stored hold in a row read from the file.
    std::vector<std::pair<int, const char*>> Unstored_Read;
    int Key;  // the grid column whose emptiness, trimmed, ends the table
    int Rows;  // data rows
    std::vector<int> Header_Ids;  // columns 0 .. n
    std::vector<int> Hint_Ids;    // columns 1 .. n; none where the table has no header hints
};

struct TPaged_Texts {
    // The caption; the description and the six button captions follow it.
    int First_Id;
    int Button_Hint_Id;  // the six button hints, in the captions' order
    int Error_Prefix_Id;  // "Error row "
    int Delete_Question_Id;
};

// A table window with its tables on tab pages, one column grid each: loaded from the window's
// file when it is shown, checked on OK and written back whole. The row buttons act on the
// table of the active page at its current row; a copied row pastes only into the table it came
// from. With an Enable column (column 1), reset and inserted rows are enabled.
class TPagedTableForm : public TForm, public TDialogFrame {
public:
    TPagedTableForm(TComponent* AOwner, const TPaged_Texts& Texts, const TTable_Groups_File& File_Shape,
                    std::vector<TTable_Page> Pages, int Client_Width, int Client_Height, bool Enable_Column,
                    const char* Font_Name = "Verdana");

    TLbButton* Btn_DelRow = nullptr;
    TLbButton* Btn_InsRow = nullptr;
    TLbButton* Btn_CopyRow = nullptr;
    TLbButton* Btn_PasteRow = nullptr;
    TPageControl* PageControl1 = nullptr;
    TXMLDocument* XML1 = nullptr;
    // The page whose row was copied in this window since it was shown; -1 for none.
    int Copied_Page = -1;
    // The file when it could not be read whole: kept beside it before OK saves over it.
    TUnread_File Unread;

    int Page_Count() const { return int(pages_.size()); }
    TTabSheet* Sheet(int Page) const { return sheets_.at(size_t(Page)); }
    TExColumnGrid& Grid(int Page) const { return *grids_.at(size_t(Page)); }
    // The header hints of a page, entry k for column k + 1.
    const QStringList& Hints(int Page) const { return hints_.at(size_t(Page)); }
    int Active_Page() const;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    virtual void DblClickCell(TObject* Sender, int ARow, int ACol);
    void KeyPress(TObject* Sender, QChar& Key);
    void GridHint(TObject* Sender, int ARow, int ACol, QString& Hint);

    virtual void Set_Lang();
    // True when the rows may be saved; otherwise the first fault has been shown.
    virtual bool Controllo_dati() { return true; }
    // The texts of columns 1 .. n of a page's rows up to the first whose key, trimmed, is
    // empty: what OK checks and, as far as stored, saves.
    TTable_Rows Used_Rows(int Page) const;

protected:
    using TForm::KeyPress;
    void Loaded() override;

    virtual QString File_Name() const = 0;
    // Limits, column layout and lists, before the rows are reset and the file is read.
    virtual void Prepare_Show() {}
    // Once the file is read.
    virtual void After_Load() {}

    void Set_Data_Rows(int Page, int Rows);
    // Columns Col of Page offers "0" .. Size - 1.
    void Fill_Positions(int Page, int Col, int Size);
    // The page of a grid, -1 for another sender.
    int Page_Of(TObject* Sender) const;
    // True when there is no fault; otherwise shows it and answers false. A fault of row 0
    // concerns the whole table and is shown without the row prefix.
    bool Report(const std::optional<TRow_Fault>& Fault) const;

private:
    void Reset_Rows(int Page);
    void Load_File();
    QString Row_Prefix() const;

    TPaged_Texts texts_;
    TTable_Groups_File file_;
    std::vector<TTable_Page> pages_;
    int clientWidth_;
    int clientHeight_;
    bool enableColumn_;
    const char* fontName_;
    std::vector<TTabSheet*> sheets_;
    std::vector<TExColumnGrid*> grids_;
    std::vector<QStringList> hints_;
};
