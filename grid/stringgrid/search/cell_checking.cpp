// Checking cells with the grid's cell checker: each text is corrected or has its errors marked.
#include "grid/foundation/cell_checker.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

bool TExStringGrid::CheckCell(int Col, int Row) {
    TExStringGridCheck* checker = p->CellChecker;
    if (!checker) return true;
    const QString clean = UnMarkText(Cells(Col, Row));
    if (checker->GotoCell) MoveColRow(RealToDisplCol(Col), Row, true, true);
    QString s = clean;
    // Both receive the unmarked text; with both on, the marked one is kept.
    if (checker->UseCorrect) s = checker->Correct(Col, Row, clean);
    if (checker->UseMarkError) s = checker->MarkError(Col, Row, clean);
    SetCellEx(Col, Row, s);
    return s == clean;
}

bool TExStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    TExStringGridCheck* checker = p->CellChecker;
    if (!checker) return true;
    const int row = Row(), col = Col();
    checker->StartCheck();
    bool passed = true;
    // Every cell is checked, also after one failed.
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c) passed = CheckCell(c, r) && passed;
    checker->StopCheck();
    if (checker->GotoCell) MoveColRow(col, row, true, true);
    return passed;
}

bool TExStringGrid::CheckCol(bool DoFixed, int Col) {
    return DoFixed ? CheckCells(Col, 0, Col, RowCount() - 1)
                   : CheckCells(Col, FixedRows(), Col, RowCount() - FixedFooters() - 1);
}

bool TExStringGrid::CheckRow(bool DoFixed, int Row) {
    return DoFixed ? CheckCells(0, Row, ColCount() - 1, Row)
                   : CheckCells(FixedCols(), Row, ColCount() - FixedRightCols() - 1, Row);
}

bool TExStringGrid::CheckGrid(bool DoFixed) {
    return DoFixed ? CheckCells(0, 0, ColCount() - 1, RowCount() - 1)
                   : CheckCells(FixedCols(), FixedRows(), ColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1);
}
