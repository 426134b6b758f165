#pragma once

#include "config/tables/table_file.h"
#include "platform/controls/form.h"
#include "common/state/dialog_frame.h"
#include "common/state/unread_file.h"

#include <QStringList>
#include <vector>

class TExStringGrid;
class TLbButton;
class TXMLDocument;

// The ids of a table window's texts.
struct TTable_Texts {
    // The caption; the subtitle, the six button captions and the six button hints follow it.
    int First_Id;
    int Error_Prefix_Id;  // "Error row "; 0 in a window that checks nothing
    int Delete_Question_Id;
    std::vector<int> Header_Ids;  // columns 0 .. n
    std::vector<int> Hint_Ids;    // columns 1 .. n
    // Asked before Cancel or Esc throws changed rows away (0: leave at once).
    int Leave_Question_Id = 0;
};

// What the windows of the tables share: a grid of fixed size with the row number in column 0
// and, in column 1, the Enable box, loaded from the window's file when it is shown, checked on
// OK and written back whole; the four row buttons, Enter jumping and header double clicks go
// to the shared row operations. Each window supplies its grid, its file and how its rows are
// read, checked and filled.
class TTableForm : public TForm, public TDialogFrame {
public:
    TTableForm(TComponent* AOwner, const TTable_Texts& Texts, const TTable_File& File_Shape, int Client_Width,
               int Client_Height);

    TLbButton* Btn_DelRow = nullptr;
    TLbButton* Btn_InsRow = nullptr;
    TLbButton* Btn_CopyRow = nullptr;
    TLbButton* Btn_PasteRow = nullptr;
    TXMLDocument* XML1 = nullptr;
    // One hint per data column, in column order.
    QStringList Hint_List;
    // A row was copied in this window since it was shown.
    bool Do_Copy = false;
    // The file when it could not be read whole: kept beside it before OK saves over it.
    TUnread_File Unread;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    void DblClickCell(TObject* Sender, int ARow, int ACol);
    void KeyPress(TObject* Sender, QChar& Key);
    void GridHint(TObject* Sender, int ARow, int ACol, QString& Hint);
    void ClickCell(TObject* Sender, int ARow, int ACol);
    // Leaves without saving; rows changed since the window was shown are left only once the
    // user confirms.
    void Btn_CancelClick(TObject* Sender);
    // The rows differ from those the window showed when it opened.
    bool Rows_Changed();

    virtual void Set_Lang();
    // True when the rows may be saved; otherwise the first fault has been shown.
    virtual bool Controllo_dati() { return true; }

    // The texts of columns 1 .. n of a row as the file holds them.
    virtual QStringList Row_Texts(int Row) = 0;
    virtual void Set_Row_Texts(int Row, const QStringList& Texts) = 0;
    // The rows up to the first whose key column, trimmed, is empty: what OK saves and checks.
    TTable_Rows Used_Rows();
    // False, with the row shown, when a row with an empty key column has filled rows below
    // it: OK would drop them.
    bool Check_Key_Gap();

protected:
    using TForm::KeyPress;
    void Loaded() override;

    // Builds the grid (of its final size and columns) on the form.
    virtual TExStringGrid* Build_Grid(int Left, int Top, int Width, int Height) = 0;
    // Gives the grid its rows, columns and looks; first thing when the window is created.
    virtual void Init_Table() = 0;
    virtual QString File_Name() const = 0;
    virtual void Set_Headers(const QStringList& Headers) = 0;
    // Fills the window's lists before the file is read.
    virtual void Prepare_Show() {}

    virtual void Delete_Row(int Row);
    virtual void Insert_Row(int Row);
    virtual void Copy_Row(int Row);
    virtual void Paste_Row(int Row) = 0;

    // Shows "Error row " + Row + the fault's text (+ Suffix) and answers false.
    bool Row_Error(int Row, int Fault_Id, const QString& Suffix = QString()) const;

    TExStringGrid& Grid() const { return *grid_; }

private:
    void Reset_Rows();
    // The file's rows into the grid; a file that cannot be read is reported and leaves the
    // rows reset, one with more rows than the grid is reported and shows the first ones.
    void Load_File();
    // "Error row " in the window's language.
    QString Row_Prefix() const;
    TTable_Rows All_Rows();

    TTable_Texts texts_;
    TTable_File file_;
    int keyColumn_;
    int clientWidth_;
    int clientHeight_;
    TExStringGrid* grid_ = nullptr;
    TTable_Rows shownRows_;
};

// The program's string grids write in Tahoma of 11 pixels, cells and headers alike, whatever
// their window's font: their columns are measured for it.
void Set_Grid_Fonts(TExStringGrid& Grid);
