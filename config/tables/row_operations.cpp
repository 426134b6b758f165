#include "config/tables/row_operations.h"

#include "grid/columngrid/ex_column_grid.h"
#include "platform/dialogs/message_box.h"
#include "common/state/program_state.h"

namespace {

constexpr int Text_Row_Used = 900;
constexpr int Text_Copy_Width = 901;
constexpr int Text_No_Copy = 902;

// The last data column; data columns are 1 .. n, hidden ones included.
int dataColumns(TExStringGrid& Grid) { return Grid.ColCount() + Grid.NumHiddenColumns() - 1; }

using TCellMove = void (*)(TExStringGrid& Grid, int Col, int From, int To);

void moveText(TExStringGrid& Grid, int Col, int From, int To) { Grid.SetCellEx(Col, To, Grid.GetCellEx(Col, From)); }

// A check box passes its state, any other cell its text.
void moveCheckOrText(TExStringGrid& Grid, int Col, int From, int To) {
    bool state = false;
    if (Grid.GetCheckBoxState(Col, From, state)) Grid.SetCheckBoxState(Col, To, state);
    else moveText(Grid, Col, From, To);
}

void pullUp(TExStringGrid& Grid, int Row, TCellMove Move) {
    const int n = dataColumns(Grid);
    for (int r = Row; r <= Grid.RowCount() - 2; ++r)
        for (int c = 1; c <= n; ++c) Move(Grid, c, r + 1, r);
}

void pushDown(TExStringGrid& Grid, int Row, TCellMove Move) {
    const int n = dataColumns(Grid);
    for (int r = Grid.RowCount() - 2; r >= Row; --r)
        for (int c = 1; c <= n; ++c) Move(Grid, c, r, r + 1);
}

// A freed row of the _Check family: texts empty, boxes unchecked but column 1's when Set_Enable.
void clearRowCheck(TExStringGrid& Grid, int Row, bool Set_Enable) {
    const int n = dataColumns(Grid);
    for (int c = 1; c <= n; ++c) {
        bool state = false;
        if (Grid.GetCheckBoxState(c, Row, state)) Grid.SetCheckBoxState(c, Row, c == 1 && Set_Enable);
        else Grid.SetCellEx(c, Row, QString());
    }
}

// The two refusals every paste shares; true when the paste may go on.
bool pasteAllowed(TExStringGrid& Grid, bool Copied) {
    if (!Copied) {
        MessageDlg(Lang(Text_No_Copy), mtError, mbOK);
        return false;
    }
    if (dataColumns(Grid) != Row_Clipboard.size()) {
        MessageDlg(Lang(Text_Copy_Width), mtError, mbOK);
        return false;
    }
    return true;
}

// True when the row is free or the user agrees to overwrite it.
bool mayOverwrite(bool Used) { return !Used || MessageDlg(Lang(Text_Row_Used), mtConfirmation, mbYes | mbNo) == mrYes; }

}  // namespace

void Grid_Delete_Row(int Row, TExStringGrid& Grid) {
    pullUp(Grid, Row, moveText);
    const int last = Grid.RowCount() - 1;
    for (int c = 1; c <= dataColumns(Grid); ++c) Grid.SetCellEx(c, last, QString());
}

void Grid_Insert_Row(int Row, TExStringGrid& Grid, bool Set_Enable) {
    pushDown(Grid, Row, moveText);
    for (int c = 1; c <= dataColumns(Grid); ++c) Grid.SetCellEx(c, Row, QString());
    if (Set_Enable) Grid.SetCellEx(1, Row, QStringLiteral("Y"));
}

void Grid_Copy_Row(TExStringGrid& Grid, int Row) {
    Row_Clipboard.clear();
    for (int c = 1; c <= dataColumns(Grid); ++c) Row_Clipboard.append(Grid.GetCellEx(c, Row));
}

void Grid_Paste_Row(TExColumnGrid& Grid, int Row, bool Copied) {
    if (!pasteAllowed(Grid, Copied)) return;
    const int n = dataColumns(Grid);
    const auto isCheckColumn = [&](int c) {
        return c < Grid.Columns().Count() && Grid.Columns().Items(c)->Editor() == edDataCheckBox;
    };
    bool used = false;
    for (int c = 1; c <= n && !used; ++c) used = !isCheckColumn(c) && !Grid.GetCellEx(c, Row).trimmed().isEmpty();
    if (!mayOverwrite(used)) return;
    for (int c = 1; c <= n; ++c) Grid.SetCellEx(c, Row, Row_Clipboard[c - 1]);
}

void Grid_Delete_Row_Check(int Row, TExStringGrid& Grid, bool Set_Enable) {
    pullUp(Grid, Row, moveCheckOrText);
    clearRowCheck(Grid, Grid.RowCount() - 1, Set_Enable);
}

void Grid_Insert_Row_Check(int Row, TExStringGrid& Grid, bool Set_Enable) {
    pushDown(Grid, Row, moveCheckOrText);
    clearRowCheck(Grid, Row, Set_Enable);
}

void Grid_Copy_Row_Check(TExStringGrid& Grid, int Row) {
    const int n = dataColumns(Grid);
    Row_Clipboard.clear();
    Row_Clipboard_Is_Check.assign(size_t(n), false);
    for (int c = 1; c <= n; ++c) {
        bool state = false;
        const bool isCheck = Grid.GetCheckBoxState(c, Row, state);
        Row_Clipboard_Is_Check[size_t(c - 1)] = isCheck;
        Row_Clipboard.append(isCheck ? QString(state ? QStringLiteral("Y") : QStringLiteral("N")) : Grid.GetCellEx(c, Row));
    }
}

void Grid_Paste_Row_Check(TExStringGrid& Grid, int Row, bool Copied) {
    if (!pasteAllowed(Grid, Copied)) return;
    const int n = dataColumns(Grid);
    bool used = false;
    for (int c = 1; c <= n && !used; ++c) {
        bool state = false;
        // Untrimmed here: a cell of blanks counts as used.
        used = !Grid.GetCheckBoxState(c, Row, state) && !Grid.GetCellEx(c, Row).isEmpty();
    }
    if (!mayOverwrite(used)) return;
    for (int c = 1; c <= n; ++c) {
        const QString& copied = Row_Clipboard[c - 1];
        // A row copied by the plain family leaves fewer flags: its entries are texts.
        const bool isCheck = size_t(c - 1) < Row_Clipboard_Is_Check.size() && Row_Clipboard_Is_Check[size_t(c - 1)];
        if (isCheck) Grid.SetCheckBoxState(c, Row, copied == QLatin1String("Y"));
        else Grid.SetCellEx(c, Row, copied);
    }
}

void Grid_Enter_Jump(TExStringGrid& Grid, QChar& Key) {
    if (!Enable_Jump_Field_Tables || Key != QChar(13)) return;
    if (Grid.Col() > 0 && Grid.Row() > 0) {
        if (Grid.Col() < Grid.ColCount() - 1) {
            Grid.SetCol(Grid.Col() + 1);
        } else {
            Grid.SetCol(1);
            Grid.SetRow(Grid.Row() < Grid.RowCount() - 1 ? Grid.Row() + 1 : 1);
        }
    }
    Key = QChar(0);
}

void Grid_DblClick_AutoSize(TExStringGrid& Grid, int ARow, int ACol) {
    if (Double_Click_Auto_Size && ARow == 0) Grid.AutoSizeCol(ACol, 0);
}
