// Fixed columns and rows sized with the mouse: resting on the right (bottom) border of a fixed
// column (row) arms the sizing, a press starts it, a dotted line follows the pointer, and the
// release sets the size. Also the events and the hint that report any sizing as it runs.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int borderGrab = 3;
constexpr int sizingHintWidth = 200;

// The first fixed column (row) whose trailing border (sizes summed from 0 plus one pixel of line
// each) lies less than borderGrab pixels from Pos; -1 when none does.
int fixedLineAt(const TExStringGrid& grid, bool Columns, int Pos) {
    const int count = Columns ? grid.FixedCols() : grid.FixedRows();
    int border = 0;
    for (int i = 0; i < count; ++i) {
        border += (Columns ? grid.ColWidths(i) : grid.RowHeights(i)) + 1;
        if (std::abs(Pos - border) < borderGrab) return i;
    }
    return -1;
}

// The strip a sizing line at Pos covers, across the whole control.
TRect sizingStrip(const TExStringGrid& grid, bool Columns, int Pos) {
    return Columns ? TRect{Pos - 1, 0, Pos + 2, grid.Height()} : TRect{0, Pos - 1, grid.Width(), Pos + 2};
}

} // namespace

bool TExStringGrid::fixedSizingPress(int X, int Y) {
    TExStringGridPrivate& d = *p;
    for (const bool columns : {true, false}) {
        const int pos = columns ? X : Y;
        const int line = (columns ? d.FSizeFixed : d.FSizeFixedR) ? fixedLineAt(*this, columns, pos) : -1;
        if (line < 0) continue;
        (columns ? d.FSizingFixed : d.FSizingFixedR) = true;
        (columns ? d.FSizingFixedCol : d.FSizingFixedRow) = line;
        (columns ? d.FSizeFixedX : d.FSizeFixedY) = d.FSizingFixedStartPos = pos;
        d.FSizingFixedStartSize = columns ? ColWidths(line) : RowHeights(line);
        InvalidateRect(sizingStrip(*this, columns, pos));
        return true;
    }
    return false;
}

void TExStringGrid::fixedSizingMove(int ACol, int ARow, int X, int Y) {
    TExStringGridPrivate& d = *p;
    const TMouseActions& mouse = *d.MouseActions;
    const bool onCell = ACol >= 0 && ARow >= 0;
    for (const bool columns : {true, false}) {
        const int pos = columns ? X : Y;
        const bool allowed = columns ? mouse.SizeFixedCol : mouse.SizeFixedRow;
        (columns ? d.FSizeFixed : d.FSizeFixedR) = onCell && allowed && fixedLineAt(*this, columns, pos) >= 0;
        // The line is painted where the drag stands: the old place and the new one repaint.
        int& line = columns ? d.FSizeFixedX : d.FSizeFixedY;
        if (!(columns ? d.FSizingFixed : d.FSizingFixedR) || line == pos) continue;
        InvalidateRect(sizingStrip(*this, columns, line));
        line = pos;
        InvalidateRect(sizingStrip(*this, columns, pos));
    }
}

// The size the drag gives: the size it began with moved by how far the pointer went, so that a
// press anywhere in the grab zone and a release on the same spot leave the size as it was.
int TExStringGrid::fixedSizingSize(int Pos) const {
    return std::max(0, p->FSizingFixedStartSize + Pos - p->FSizingFixedStartPos);
}

bool TExStringGrid::fixedSizingRelease(int X, int Y) {
    if (p->FSizingFixed) {
        p->FSizeFixed = p->FSizingFixed = false;
        InvalidateRect(sizingStrip(*this, true, p->FSizeFixedX));
        const int col = p->FSizingFixedCol;
        int width = fixedSizingSize(X);
        SetColWidths(col, width);
        OnEndColumnSize(this, col);
        UpdateColumnSize(col, width);
        if (width != ColWidths(col)) SetColWidths(col, width);
        p->ColSizeFlg = true;
        return true;
    }
    if (p->FSizingFixedR) {
        p->FSizeFixedR = p->FSizingFixedR = false;
        InvalidateRect(sizingStrip(*this, false, p->FSizeFixedY));
        const int row = p->FSizingFixedRow;
        SetRowHeights(row, fixedSizingSize(Y));
        OnEndRowSize(this, row);
        p->ColSizeFlg = true;
        return true;
    }
    return false;
}

void TExStringGrid::fixedSizingLeave() { p->FSizeFixed = p->FSizeFixedR = false; }

void TExStringGrid::paintFixedSizingLine(TCanvas& ACanvas) {
    if (p->FSizingFixed) DrawColSizingLine(ACanvas, p->FSizeFixedX);
    if (p->FSizingFixedR) DrawRowSizingLine(ACanvas, p->FSizeFixedY);
}

// The sizing events as the pointer moves, then the sizing hint.
// The border sizing of the platform grid sizes as it goes, and the first size it sets drops the
// reference cell of the press: it is kept here until the release.
void TExStringGrid::sizingFeedback(int X, int Y) {
    const TGridState state = GridState();
    const bool borderSizing = state == gsColSizing || state == gsRowSizing;
    if (borderSizing && p->Colclicked >= 0 && p->Rowclicked >= 0) p->FSizingRef = {p->Colclicked, p->Rowclicked};
    const TPoint ref = p->FSizingRef;
    if (p->FSizingFixed) {
        OnColumnSizing(this, p->FSizingFixedCol, fixedSizingSize(X));
    } else if (state == gsColSizing && ref.X >= 0) {
        OnColumnSizing(this, ref.X, X - CellRect(ref.X, ref.Y).Left - p->Clickposdx);
    }
    if (p->FSizingFixedR) {
        OnRowSizing(this, p->FSizingFixedRow, fixedSizingSize(Y));
    } else if (state == gsRowSizing && ref.Y >= 0) {
        OnRowSizing(this, ref.Y, Y - CellRect(ref.X, ref.Y).Top - p->Clickposdy);
    }
    if (!HintShowSizing) return;

    QString text;
    TRect at;
    if (p->FSizingFixed || p->FSizingFixedR) {
        const int size = fixedSizingSize(p->FSizingFixed ? X : Y);
        text = QStringLiteral("%1=<b>%2</b>").arg(p->FSizingFixed ? "cw" : "rh").arg(size);
        at = CellRect(0, 0);
    } else if (state == gsColSizing) {
        at = ref.X >= 0 ? CellRect(ref.X, ref.Y) : CellRect(ColCount() - 1, 0);
        text = QStringLiteral("cw=<b>%1</b>").arg(X - at.Left - p->Clickposdx);
    } else if (state == gsRowSizing) {
        at = ref.Y >= 0 ? CellRect(ref.X, ref.Y) : CellRect(0, RowCount() - 1);
        text = QStringLiteral("rh=<b>%1</b>").arg(Y - at.Top - p->Clickposdy);
    } else {
        return;
    }
    ShowScrollHintAt(text, ClientToScreen({at.Left, at.Top}), sizingHintWidth);
}

void TExStringGrid::endSizingFeedback() {
    p->FSizingRef = {-1, -1};
    if (!p->FScrollHintShow || !HintShowSizing) return;
    CloseScrollHint();
}
