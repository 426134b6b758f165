// The mouse moving over the string grid: hovered fixed cells, the hint of the cell under the
// pointer, and the selection a drag leaves.
#include "grid/foundation/html_text.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

bool TExStringGrid::IsHoverFixedCell(int ACol, int ARow) const {
    switch (HoverFixedCells) {
    case hfAll: return ACol < FixedCols() || ARow < FixedRows();
    case hfFixedRows: return ARow < FixedRows();
    case hfFixedColumns: return ACol < FixedCols();
    default: return false;
    }
}

void TExStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    lowerGridCursor();
    TMouseActions& mouse = *p->MouseActions;
    // Dragging with range select and edit selects a range instead of editing.
    if (p->FMouseDownMove && mouse.RangeSelectAndEdit && (Options() & goEditing) && !EditMode())
        SetOptions(Options() & ~goEditing);
    const TGridRect before = Selection();
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);

    if (HoverRow && col >= 0 && row >= 0) hoverRowTo(row);

    if (HoverFixedCells != hfNone && !p->FNoMouseLeave && (col != p->FHoverFixedX || row != p->FHoverFixedY)) {
        const int oldX = p->FHoverFixedX, oldY = p->FHoverFixedY;
        p->FHoverFixedX = col;
        p->FHoverFixedY = row;
        if (oldX >= 0 && oldY >= 0 && (oldX < FixedCols() || oldY < FixedRows())) RepaintCell(oldX, oldY);
        if (col >= 0 && row >= 0 && (col < FixedCols() || row < FixedRows())) RepaintCell(col, row);
    }

    hoverExpandButton(col, row, X, Y);
    hoverCellScrollBar(col, row);

    // A hint shown for one cell goes when the pointer reaches another base cell, or no cell.
    if (p->FLastHintPos.X >= 0) {
        int bc = -1, br = -1;
        if (col >= 0 && row >= 0) ResolveBaseCell(col, row, bc, br);
        if (bc != p->FLastHintPos.X || br != p->FLastHintPos.Y) CancelCellHint();
    }
    // Likewise the balloon: the tool-tip window asks for the balloon of LastBalloonPos again.
    if (p->Balloon->Enable() && LastBalloonPos.X >= 0) {
        const TPoint base = col >= 0 && row >= 0 ? BaseCell(RealColIndex(col), row) : TPoint{-1, -1};
        if (base != LastBalloonPos) LastBalloonPos = {-1, -1};
    }
    CellHintPointerMoved(Shift, X, Y);
    BalloonPointerMoved(X, Y);

    if (p->FMouseSelectStart >= 0) {
        headerSelectDrag(col, row);
    } else if (!(Shift & ssLeft)) {
        updateMouseSelectMode(col, row, X, Y);
    }
    fixedSizingMove(col, row, X, Y);
    oleDragMove(col, row, X, Y, Shift);
    linkHover(col, row, X, Y);
    if (GridState() == gsColSizing) p->ColSized = true;
    if (GridState() == gsRowSizing) p->Rowsized = true;
    sizingFeedback(X, Y);
    enhancedMoveStep(col, row, X, Y);
    TBaseGrid::MouseMove(Shift, X, Y);
    // A drag with KeepHorizScroll selects without scrolling the columns; a column move scrolls.
    if (p->Navigation->KeepHorizScroll && p->FMouseKeepDown && GridState() != gsColMoving &&
        LeftCol() != p->FOldKeepLeftCol) {
        BeginUpdate();
        SetLeftCol(p->FOldKeepLeftCol);
        EndUpdate();
    }
    raiseGridCursor(col, row, X, Y);
    if (Selection() != before) {
        const TGridRect s = Selection();
        DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
}

void TExStringGrid::CMMouseLeave(TMessage& m) {
    TBaseGrid::WndProc(m);
    lowerGridCursor();
    p->FMouseSelectMode = TExStringGridPrivate::msNormal;
    CancelCellHint();
    fixedSizingLeave();
    if (!p->FNoMouseLeave && HoverFixedCells != hfNone && p->FHoverFixedX >= 0) {
        const int x = p->FHoverFixedX, y = p->FHoverFixedY;
        p->FHoverFixedX = p->FHoverFixedY = -1;
        if (y >= 0) RepaintCell(x, y);
    }
    if (HoverRow) hoverRowTo(-1);
    hoverExpandButton(-1, -1, 0, 0);
}

void TExStringGrid::ResetFixedCellHighlight() {
    p->FSizeFixed = p->FSizeFixedR = false;
    p->FNoMouseLeave = false;
    if (HoverFixedCells == hfNone || p->FHoverFixedX < 0) return;
    const int x = p->FHoverFixedX, y = p->FHoverFixedY;
    p->FHoverFixedX = p->FHoverFixedY = -1;
    if (y >= 0) RepaintCell(x, y);
}

// The row highlighted under the pointer: the old and the new one are repainted.
void TExStringGrid::hoverRowTo(int ARow) {
    const int old = FHoverRowIdx;
    if (old == ARow) return;
    FHoverRowIdx = ARow;
    if (old >= 0 && old < RowCount()) InvalidateGridRect({0, old, ColCount() - 1, old});
    if (ARow >= 0) InvalidateGridRect({0, ARow, ColCount() - 1, ARow});
}

bool TExStringGrid::PrepareCellHint(TPoint Pos, QString& HintStr, TPoint& HintPos, TColor& HintColorOut) {
    HintColorOut = HintColor;
    int col = -1, row = -1;
    MouseToCell(Pos.X, Pos.Y, col, row);
    if (col < 0 || row < 0) return false;
    int bc = col, br = row;
    ResolveBaseCell(col, row, bc, br);
    col = bc;
    row = br;
    p->FLastHintPos = {col, row};
    const TRect r = CellRect(col, row);
    const int realCol = RealColIndex(col);
    // A cell's comment is its hint, shown at the top-right corner where its mark sits.
    HintPos = IsComment(realCol, row, HintStr) ? TPoint{r.Right, r.Top} : TPoint{Pos.X, r.Bottom + 6};
    anchorCellHint(col, row, Pos, HintStr, HintPos);
    const QString text = Cells(realCol, row);
    const bool normal = col >= FixedCols() && col < ColCount() - FixedRightCols() && row >= FixedRows() &&
                        row < RowCount() - FixedFooters();
    if (HintShowCells && normal) {
        HintPos.Y = r.Top;
        HintStr = HTMLHint ? text : StripHTMLTags(text);
    }
    if (HintShowLargeText) {
        const TSize size = GetCellTextSize(realCol, row, false, false);
        if (size.cx > r.Width() || size.cy > r.Height()) {
            if (HintShowLargeTextPos == hpCell) HintPos = {r.Left, r.Top};
            HintStr = HTMLHint ? text : StripHTMLTags(text);
        }
    }
    const bool footerRow = p->FloatingFooter->Visible && row == RowCount() - 1;
    if (!footerRow) {
        QString wide;
        GetGridHint(col, row, HintStr, wide);
    }
    return true;
}
