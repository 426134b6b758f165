#pragma once

#include <QChar>

class TExColumnGrid;
class TExStringGrid;

// The four row buttons, the Enter key and the header double click of every table window. A
// table keeps its number of rows: column 0 and row 0 are headers, the data columns are
// 1 .. ColCount + NumHiddenColumns - 1 (hidden ones after the visible ones) and the data rows
// 1 .. RowCount - 1. The copied row lives in Row_Clipboard, shared by every window; each window
// keeps its own flag that it copied a row since it was shown and passes it to the paste.

// The plain family: check boxes are the texts of their cells and move with them.

// Pulls the rows below Row up by one and empties the last row.
void Grid_Delete_Row(int Row, TExStringGrid& Grid);
// Pushes the rows from Row down by one (the last row's content is lost) and empties Row, with
// "Y" in column 1 when Set_Enable.
void Grid_Insert_Row(int Row, TExStringGrid& Grid, bool Set_Enable);
void Grid_Copy_Row(TExStringGrid& Grid, int Row);
// Writes the copied row into Row after checking that one was copied in this window (Copied)
// and that it is as wide as this table, and asking before overwriting a used row. A row whose
// only texts stand in check-box columns (edDataCheckBox) counts as free.
void Grid_Paste_Row(TExColumnGrid& Grid, int Row, bool Copied);

// The _Check family: for string grids whose cells carry check-box objects, whose states move
// apart from the texts.

void Grid_Delete_Row_Check(int Row, TExStringGrid& Grid, bool Set_Enable);
void Grid_Insert_Row_Check(int Row, TExStringGrid& Grid, bool Set_Enable);
// Check boxes travel as "Y" / "N", remembered as such in Row_Clipboard_Is_Check.
void Grid_Copy_Row_Check(TExStringGrid& Grid, int Row);
void Grid_Paste_Row_Check(TExStringGrid& Grid, int Row, bool Copied);

// With the "jump field" option on, Enter moves to the next data cell (from the last one back
// to the first) and is swallowed (Key becomes character 0); otherwise Key reaches the grid.
void Grid_Enter_Jump(TExStringGrid& Grid, QChar& Key);
// With the "double click auto size" option on, a double click on a header fits the column.
void Grid_DblClick_AutoSize(TExStringGrid& Grid, int ARow, int ACol);
