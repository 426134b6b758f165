// The enhanced column and row move: while the platform grid drags a header, a picture of the
// moved cells (or, without ShowCells, a header-look button) follows the pointer, arrows mark
// where the column (row) would land, the events may refuse the target, and the release moves
// it or, refused, drops it.
#include "grid/stringgrid/input/header_drag_button.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <algorithm>
#include <vector>

namespace {

// The timer that scrolls while something is dragged near an edge.
constexpr uintptr_t dragScrollTimer = 1;

void showArrow(TArrowWindow& arrow, TPoint at) {
    arrow.SetBounds(at.X, at.Y, 11, 11);
    arrow.Show();
}

} // namespace

void TExStringGrid::rememberMoveCell(int ACol, int ARow, int X, int Y) {
    p->Movecell = -1;
    if (ARow < FixedRows() && ACol >= FixedCols()) p->Movecell = ACol;
    else if (ACol < FixedCols() && ARow >= FixedRows()) p->Movecell = ARow;
    const TRect r = CellRect(ACol, ARow);
    p->MoveOfsX = X - r.Left;
    p->MoveOfsY = Y - r.Top;
    p->FMoveColInd = p->FMoveRowInd = -1;
}

void TExStringGrid::enhancedMoveStep(int ACol, int ARow, int X, int Y) {
    const bool columns = GridState() == gsColMoving, rows = GridState() == gsRowMoving;
    if ((!columns && !rows) || p->FSizingFixed || p->FSizingFixedR) return;
    bool allow = true;
    if (columns) OnColumnMove(this, p->Movecell, allow);
    else OnRowMove(this, p->Movecell, allow);
    if (!allow) {
        SetGridState(gsNormal);
        return;
    }
    if (!EnhRowColMove || RowCount() <= 1 || (X == p->Clickposx && Y == p->Clickposy)) return;
    // The cursor marks a move under way from its first step to the release.
    if (Cursor() != crDrag && Cursor() != crNoDrop) {
        p->FMoveOldCursor = Cursor();
        DoStartBlockFocus();
    }
    const bool showCells = p->DragDropSettings->ShowCells;
    if (columns && p->Movecell >= FixedCols() && ARow >= 0) {
        if (showCells && !p->MoveForm) makeMovePicture(true);
        setMoveButton(Cells(RealColIndex(p->Movecell), 0), ColWidths(p->Movecell), RowHeights(ARow));
    } else if (rows && p->Movecell >= FixedRows() && ACol >= 0) {
        if (showCells && !p->MoveForm) makeMovePicture(false);
        setMoveButton(Cells(0, p->Movecell), ColWidths(ACol), RowHeights(p->Movecell));
    }
    const TPoint at = ClientToScreen({X - p->MoveOfsX, Y - p->MoveOfsY});
    if (showCells && p->MoveForm) {
        p->MoveForm->SetBounds(at.X, at.Y, p->MoveForm->Width(), p->MoveForm->Height());
        p->MoveForm->Show();
    } else if (!showCells && p->MoveButton) {
        p->MoveButton->SetBounds(at.X, at.Y, p->MoveButton->Width(), p->MoveButton->Height());
        p->MoveButton->Show();
    }

    allow = true;
    if (columns) {
        markDropColumn(ARow >= 0 ? ACol : -1);
        p->FMoveColInd = ACol;
        p->FMoveRowInd = 0;
        OnColumnMoving(this, ACol, allow);
    } else {
        markDropRow(ACol >= 0 ? ARow : -1);
        p->FMoveColInd = 0;
        p->FMoveRowInd = ARow;
        OnRowMoving(this, ARow, allow);
    }
    scrollWhileMoving(columns, X, Y);
    SetGridCursor(allow ? crDrag : crNoDrop);
}

void TExStringGrid::setMoveButton(const QString& Caption, int AWidth, int AHeight) {
    if (!p->MoveButton) {
        p->MoveButton = new THeaderDragButton(this);
        p->MoveButton->Grid = this;
        p->MoveButton->SetParent(this);
    }
    THeaderDragButton& button = *p->MoveButton;
    button.Font().Assign(FixedFont());
    button.SetCaption(Caption);
    button.SetEnabled(true);
    button.SetBounds(button.Left(), button.Top(), AWidth, AHeight);
    button.Invalidate();
}

// The moved column's cells over the visible rows (the moved row's over the visible columns),
// fixed ones included, as the grid paints them.
void TExStringGrid::makeMovePicture(bool Columns) {
    std::vector<TGridCoord> cells;
    const int fixed = Columns ? FixedRows() : FixedCols();
    const int first = Columns ? TopRow() : LeftCol();
    const int last = std::min(Columns ? RowCount() - 1 : ColCount() - 1,
                              first + (Columns ? VisibleRowCount() : VisibleColCount()));
    auto add = [&](int i) { cells.push_back(Columns ? TGridCoord{p->Movecell, i} : TGridCoord{i, p->Movecell}); };
    for (int i = 0; i < fixed; ++i) add(i);
    for (int i = std::max(fixed, first); i <= last; ++i) add(i);
    TRect area;
    bool any = false;
    for (const TGridCoord& c : cells) {
        const TRect r = CellRect(c.X, c.Y);
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        area = any ? TRect{std::min(area.Left, r.Left), std::min(area.Top, r.Top), std::max(area.Right, r.Right),
                           std::max(area.Bottom, r.Bottom)}
                   : r;
        any = true;
    }
    if (!any) return;
    TBitmap painted(area.Right, area.Bottom);
    for (const TGridCoord& c : cells) {
        const bool fixedCell = c.X < FixedCols() || c.Y < FixedRows();
        PaintCell(painted.Canvas(), c.X, c.Y, CellRect(c.X, c.Y), fixedCell ? gdFixed : 0);
    }
    TBitmap picture(area.Width(), area.Height());
    picture.Canvas().Draw(-area.Left, -area.Top, painted);
    p->MoveForm = new TPictureWindow(this);
    p->MoveForm->SetParent(this);
    p->MoveForm->SetBounds(0, 0, area.Width(), area.Height());
    p->MoveForm->SetContent(picture);
}

// The arrows stand above and below the target column's header, on its edge towards which
// the column goes: the left edge when it moves left, the right edge when it moves right.
void TExStringGrid::markDropColumn(int ACol) {
    const bool shown = ACol >= FixedCols() && ACol != p->Movecell && ACol >= LeftCol() &&
                       ACol <= LeftCol() + VisibleColCount() && ACol < ColCount();
    if (!shown) {
        p->ArwU->Hide();
        p->ArwD->Hide();
        return;
    }
    const TRect h = CellRect(ACol, 0);
    const int x = (ACol < p->Movecell ? h.Left : h.Right) - 5;
    showArrow(*p->ArwU, ClientToScreen({x, h.Bottom}));
    showArrow(*p->ArwD, ClientToScreen({x, h.Top - 8}));
}

// Rows likewise, left and right of the target row's fixed cell; the last row under a floating
// footer that takes it is no target.
void TExStringGrid::markDropRow(int ARow) {
    const bool footerRow = p->FloatingFooter->Visible && p->FloatingFooter->FooterStyle == fsFixedLastRow &&
                           ARow == RowCount() - 1;
    const bool shown = !footerRow && ARow >= FixedRows() && ARow != p->Movecell && ARow >= TopRow() &&
                       ARow <= TopRow() + VisibleRowCount() && ARow < RowCount();
    if (!shown) {
        p->ArwL->Hide();
        p->ArwR->Hide();
        return;
    }
    const TRect h = CellRect(0, ARow);
    const int y = (ARow > p->Movecell ? h.Bottom : h.Top) - 5;
    showArrow(*p->ArwL, ClientToScreen({h.Left - 10, y}));
    showArrow(*p->ArwR, ClientToScreen({h.Right, y}));
}

// A pointer dragged over the fixed columns (rows) or past the far edge brings hidden ones into
// view, one per move.
void TExStringGrid::scrollWhileMoving(bool Columns, int X, int Y) {
    if (Columns) {
        const TRect fixedEnd = CellRect(FixedCols() - 1, 0);
        const int fixedWidth = FixedCols() > 0 ? fixedEnd.Right : 0;
        if (X < fixedWidth && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        else if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    } else {
        const TRect fixedEnd = CellRect(0, FixedRows() - 1);
        const int fixedHeight = FixedRows() > 0 ? fixedEnd.Bottom : 0;
        if (Y < fixedHeight && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
        else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    }
}

void TExStringGrid::cancelEnhancedMove() {
    const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
    if (!EnhRowColMove || !moving || (Cursor() != crDrag && Cursor() != crNoDrop)) return;
    SetGridCursor(p->FMoveOldCursor);
    if (p->MoveButton) {
        p->MoveButton->SetEnabled(false);
        p->MoveButton->Hide();
    }
    for (TArrowWindow* arrow : {p->ArwU, p->ArwD, p->ArwL, p->ArwR}) arrow->Hide();
    delete p->MoveForm;
    p->MoveForm = nullptr;
    DoEndBlockFocus();
    if (HandleAllocated()) KillTimer(this, dragScrollTimer);
    SetGridState(gsNormal);
}

// Ends a move that the enhanced move took over: the column (row) goes to the release cell unless
// the last target was refused. True when a move ended, whatever its outcome.
bool TExStringGrid::endEnhancedMove(int ACol, int ARow) {
    for (TArrowWindow* arrow : {p->ArwU, p->ArwD, p->ArwL, p->ArwR}) arrow->Hide();
    const bool columns = GridState() == gsColMoving, rows = GridState() == gsRowMoving;
    const TCursor cursor = Cursor();
    if (!EnhRowColMove || !(columns || rows) || (cursor != crDrag && cursor != crNoDrop)) return false;
    if (p->MoveButton) p->MoveButton->Hide();
    delete p->MoveForm;
    p->MoveForm = nullptr;
    DoEndBlockFocus();
    SetGridCursor(p->FMoveOldCursor);
    const int from = p->Movecell;
    if (cursor == crNoDrop) {
        if (from >= 0) {
            if (columns) InvalidateGridRect({0, 0, ColCount() - 1, 0});
            else InvalidateGridRect({0, 0, 0, RowCount() - 1});
        }
    } else if (columns && from >= FixedCols() && ACol >= FixedCols() && ACol < ColCount() && ACol != from) {
        MoveColumn(from, ACol);
    } else if (rows && from >= FixedRows() && ARow >= FixedRows() && ARow < RowCount() && ARow != from) {
        MoveRow(from, ARow);
    }
    if (HandleAllocated()) KillTimer(this, dragScrollTimer);
    SetGridState(gsNormal);
    return true;
}
