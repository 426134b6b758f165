// The footer row's calculated cells.
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::CalcFooterCells(int ACol) {
    const TFloatingFooter& footer = *p->FloatingFooter;
    if (!footer.Visible || footer.FooterStyle != fsFixedLastRow || !footer.EnableCalculation) return;
    const int last = RowCount() - 1;
    // With hidden rows counted, the range reaches into the numbering of all rows.
    const int hidden = footer.CalculateHiddenRows ? NumHiddenRows() : 0;
    const int from = FixedRows(), to = RowCount() - 2 + hidden;
    const int first = ACol < 0 ? 0 : ACol, end = ACol < 0 ? TotalColCount() - 1 : ACol;
    for (int c = first; c <= end; ++c) {
        if (!HasCellProperties(c, last)) continue;
        switch (GetCellProperties(c, last)->CalcType()) {
        case acSUM: SetFloats(c, last, ColumnSum(c, from, to)); break;
        case acAVG: SetFloats(c, last, ColumnAvg(c, from, to)); break;
        case acMIN: SetFloats(c, last, ColumnMin(c, from, to)); break;
        case acMAX: SetFloats(c, last, ColumnMax(c, from, to)); break;
        case acDISTINCT: SetFloats(c, last, ColumnDistinct(c, from, to)); break;
        case acSTDDEV: SetFloats(c, last, ColumnStdDev(c, from, to)); break;
        case acCOUNT: SetInts(c, last, RowCount() - FixedRows() - 1 + hidden); break;
        case acCUSTOM: {
            QString value;
            if (OnFooterCalc) OnFooterCalc(this, c, last + hidden, value);
            else footer.OnCalcFooter(this, c, last + hidden, value);
            SetCellEx(c, last, value);
            break;
        }
        // A spread cell keeps what it holds.
        default: break;
        }
    }
}
