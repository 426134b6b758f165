#include "grid/stringgrid/scrolling/scroll_control.h"

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cmath>

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TScrollControl::SetThumbColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Invalidate();
}

TExStringGrid* TScrollControl::grid() const { return dynamic_cast<TExStringGrid*>(Parent()); }

bool TScrollControl::Thumb(int& Start, int& Size) const {
    const TExStringGrid* g = grid();
    if (!g) return false;
    const bool v = vertical();
    const int count = v ? g->RowCount() : g->ColCount();
    const int fixed = v ? g->FixedRows() : g->FixedCols();
    const int visible = v ? g->VisibleRowCount() : g->VisibleColCount();
    const int first = v ? g->TopRow() : g->LeftCol();
    if (visible >= count - fixed || count <= fixed) return false;
    // The track leaves out the fixed rows (columns) at the start and the footers at the end.
    int lead = 0, trail = 0;
    if (v) {
        for (int r = 0; r < fixed; ++r) lead += g->RowHeights(r);
        for (int r = count - g->FixedFooters(); r < count; ++r) trail += g->RowHeights(r);
    } else {
        for (int c = 0; c < fixed; ++c) lead += g->ColWidths(c);
        for (int c = count - g->FixedRightCols(); c < count; ++c) trail += g->ColWidths(c);
    }
    const int length = v ? Height() : Width();
    const int track = length - lead - trail;
    const double visibleShare = static_cast<double>(visible) / count;
    const double scrolled = static_cast<double>(first - fixed) / (count - fixed);
    Start = lead + static_cast<int>(std::lround(track * scrolled));
    Size = std::max(20, static_cast<int>(std::lround(track * visibleShare)));
    if (Start + Size > length) Start = length - Size;
    return true;
}

void TScrollControl::Paint() {
    TCanvas& canvas = Canvas();
    int start = 0, size = 0;
    if (!Thumb(start, size)) return;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = FColor;
    canvas.Pen.Color = FColor;
    if (vertical()) canvas.Rectangle(0, start, FScrollWidth, start + size);
    else canvas.Rectangle(start, 0, start + size, FScrollWidth);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TExStringGrid* g = grid();
    int start = 0, size = 0;
    if (!g || !Thumb(start, size)) return;
    const int at = vertical() ? Y : X;
    if (vertical()) {
        if (at < start) g->SetTopRow(std::max(g->FixedRows(), g->TopRow() - g->VisibleRowCount()));
        else if (at > start + size) g->SetTopRow(std::min(g->TopRow() + g->VisibleRowCount(), g->RowCount() - g->VisibleRowCount()));
    } else {
        if (at < start) g->SetLeftCol(std::max(g->FixedCols(), g->LeftCol() - g->VisibleColCount()));
        else if (at > start + size) g->SetLeftCol(std::min(g->LeftCol() + g->VisibleColCount(), g->ColCount() - g->VisibleColCount()));
    }
    if (at >= start && at <= start + size) {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = vertical() ? g->TopRow() : g->LeftCol();
    }
    Invalidate();
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    TExStringGrid* g = grid();
    if (!FDownOnScroller || !g) return;
    if (vertical()) {
        const int track = Height() - g->RowHeights(0);
        if (track <= 0) return;
        const int to = FDownRow + static_cast<int>(std::lround(static_cast<double>(Y - FDownPos) / track * g->RowCount()));
        g->SetTopRow(std::max(g->FixedRows(), std::min(g->RowCount() - g->VisibleRowCount(), to)));
    } else {
        const int track = Width() - g->ColWidths(0);
        if (track <= 0) return;
        const int to = FDownRow + static_cast<int>(std::lround(static_cast<double>(X - FDownPos) / track * g->ColCount()));
        g->SetLeftCol(std::max(g->FixedCols(), std::min(g->ColCount() - g->VisibleColCount(), to)));
    }
    Invalidate();
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
