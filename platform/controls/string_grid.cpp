#include "platform/controls/string_grid.h"

#include "platform/graphics/canvas.h"

#include <algorithm>
#include <climits>

namespace {
const QString indexOutOfRange = QStringLiteral("Grid index out of range");

// Where index i ends up when the element at from moves to to.
int movedIndex(int i, int from, int to) {
    if (i == from) return to;
    if (from < to && i > from && i <= to) return i - 1;
    if (to < from && i >= to && i < from) return i + 1;
    return i;
}
}  // namespace

// One dimension of the layout: columns with LeftCol and the client width, or rows with TopRow
// and the client height. Every walk stops at the client edge, so it costs the cells in view.
struct TStringGrid::Axis {
    int count;
    int fixed;
    int first;
    int defaultSize;
    int line;
    int client;
    const std::vector<int>& sizes;

    int size(int i) const { return i >= 0 && i < count ? sizes[static_cast<size_t>(i)] : defaultSize; }
    int step(int i) const { return size(i) + line; }

    int fixedExtent() const {
        int p = 0;
        for (int i = 0; i < fixed; ++i) p += step(i);
        return p;
    }

    // Calls f(index, start) for the indexes in view, fixed ones first, while f returns true.
    template <class F>
    void forEachInView(F&& f) const {
        int p = 0;
        for (int i = 0; i < fixed; ++i) {
            if (!f(i, p)) return;
            p += step(i);
        }
        for (int i = first; i < count; ++i) {
            if (i > first && p >= client) return;
            if (!f(i, p)) return;
            p += step(i);
        }
    }

    // Start of index i when in view, else -1.
    int position(int i) const {
        if (i < 0 || i >= count || (i >= fixed && i < first)) return -1;
        int found = -1;
        forEachInView([&](int j, int p) {
            if (j == i) found = p;
            return j != i;
        });
        return found;
    }

    int at(int pixel) const {
        int found = -1;
        forEachInView([&](int i, int p) {
            if (pixel >= p && pixel < p + step(i)) found = i;
            return found < 0;
        });
        return found;
    }

    int visibleCount() const {
        int p = fixedExtent(), n = 0;
        for (int i = first; i < count && p + size(i) <= client; ++i) {
            ++n;
            p += step(i);
        }
        return std::max(n, first < count ? 1 : 0);
    }

    // The smallest first index from which the last index still fits whole.
    int maxFirst() const {
        int total = fixedExtent() - line, result = count - 1;
        for (int i = count - 1; i >= fixed; --i) {
            total += step(i);
            if (total > client) break;
            result = i;
        }
        return std::max(result, fixed);
    }

    // The first index that shows i whole, moving as little as possible from the current one.
    int firstShowing(int i) const {
        if (i < fixed) return first;
        if (i <= first) return i;
        int total = fixedExtent() + size(i), result = i;
        for (int j = i - 1; j >= first; --j) {
            if (total + step(j) > client) break;
            total += step(j);
            result = j;
        }
        return result;
    }
};

TStringGrid::Axis TStringGrid::colAxis() const {
    return {colCount_, fixedCols_, leftCol_, defaultColWidth_, gridLineWidth_, ClientWidth(), colWidths_};
}

TStringGrid::Axis TStringGrid::rowAxis() const {
    return {rowCount_, fixedRows_, topRow_, defaultRowHeight_, gridLineWidth_, ClientHeight(), rowHeights_};
}

TStringGrid::TStringGrid(TComponent* AOwner)
    : TCustomControl(AOwner),
      colWidths_(static_cast<size_t>(colCount_), defaultColWidth_),
      rowHeights_(static_cast<size_t>(rowCount_), defaultRowHeight_) {
    SetColor(clWindow);
    TabStop = true;
    SetBounds(0, 0, 320, 120);
}

void TStringGrid::SetCells(int ACol, int ARow, const QString& Value) {
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(indexOutOfRange);
    store_.SetText(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(indexOutOfRange);
    store_.SetObject(ACol, ARow, Value);
}

// ---- dimensions

void TStringGrid::SetColCount(int Value) {
    Value = std::max(1, Value);
    if (Value == colCount_) return;
    colCount_ = Value;
    colWidths_.resize(static_cast<size_t>(Value), defaultColWidth_);
    fixedCols_ = std::min(fixedCols_, Value - 1);
    countsChanged();
}

void TStringGrid::SetRowCount(int Value) {
    Value = std::max(1, Value);
    if (Value == rowCount_) return;
    rowCount_ = Value;
    rowHeights_.resize(static_cast<size_t>(Value), defaultRowHeight_);
    fixedRows_ = std::min(fixedRows_, Value - 1);
    countsChanged();
}

void TStringGrid::SetFixedCols(int Value) {
    if (Value < 0 || Value >= colCount_)
        throw EInvalidGridOperation(QStringLiteral("Fixed column count must be less than column count"));
    fixedCols_ = Value;
    current_.X = std::max(current_.X, Value);
    anchor_.X = std::max(anchor_.X, Value);
    countsChanged();
}

void TStringGrid::SetFixedRows(int Value) {
    if (Value < 0 || Value >= rowCount_)
        throw EInvalidGridOperation(QStringLiteral("Fixed row count must be less than row count"));
    fixedRows_ = Value;
    current_.Y = std::max(current_.Y, Value);
    anchor_.Y = std::max(anchor_.Y, Value);
    countsChanged();
}

void TStringGrid::countsChanged() {
    for (TGridCoord* p : {&current_, &anchor_}) {
        p->X = std::min(p->X, colCount_ - 1);
        p->Y = std::min(p->Y, rowCount_ - 1);
    }
    setTopLeft(leftCol_, topRow_);
    Invalidate();
}

void TStringGrid::SetDefaultColWidth(int Value) {
    defaultColWidth_ = std::max(0, Value);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    Invalidate();
}

void TStringGrid::SetDefaultRowHeight(int Value) {
    defaultRowHeight_ = std::max(0, Value);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    Invalidate();
}

int TStringGrid::ColWidths(int Index) const { return colAxis().size(Index); }
int TStringGrid::RowHeights(int Index) const { return rowAxis().size(Index); }

void TStringGrid::SetColWidths(int Index, int Value) {
    if (Index < 0 || Index >= colCount_) throw EInvalidGridOperation(indexOutOfRange);
    colWidths_[static_cast<size_t>(Index)] = std::max(0, Value);
    Invalidate();
}

void TStringGrid::SetRowHeights(int Index, int Value) {
    if (Index < 0 || Index >= rowCount_) throw EInvalidGridOperation(indexOutOfRange);
    rowHeights_[static_cast<size_t>(Index)] = std::max(0, Value);
    Invalidate();
}

void TStringGrid::SetGridLineWidth(int Value) {
    gridLineWidth_ = std::max(0, Value);
    Invalidate();
}

void TStringGrid::SetDefaultDrawing(bool Value) {
    defaultDrawing_ = Value;
    Invalidate();
}

void TStringGrid::SetOptions(TGridOptions Value) {
    options_ = Value;
    if (!(options_ & goRangeSelect)) anchor_ = current_;
    Invalidate();
}

void TStringGrid::SetFixedColor(TColor Value) {
    fixedColor_ = Value;
    Invalidate();
}

// ---- scrolling

void TStringGrid::SetLeftCol(int Value) { setTopLeft(Value, topRow_); }
void TStringGrid::SetTopRow(int Value) { setTopLeft(leftCol_, Value); }

void TStringGrid::setTopLeft(int ALeft, int ATop) {
    const int left = std::clamp(ALeft, fixedCols_, colAxis().maxFirst());
    const int top = std::clamp(ATop, fixedRows_, rowAxis().maxFirst());
    if (left == leftCol_ && top == topRow_) return;
    leftCol_ = left;
    topRow_ = top;
    Invalidate();
    TopLeftChanged();
}

void TStringGrid::scrollInView(int ACol, int ARow) {
    setTopLeft(colAxis().firstShowing(ACol), rowAxis().firstShowing(ARow));
}

int TStringGrid::VisibleColCount() const { return colAxis().visibleCount(); }
int TStringGrid::VisibleRowCount() const { return rowAxis().visibleCount(); }

// ---- current cell and selection

void TStringGrid::checkCell(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= colCount_ || ARow >= rowCount_) throw EInvalidGridOperation(indexOutOfRange);
}

TGridRect TStringGrid::Selection() const {
    TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                std::max(anchor_.Y, current_.Y)};
    if (options_ & goRowSelect) {
        r.Left = fixedCols_;
        r.Right = colCount_ - 1;
    }
    return r;
}

void TStringGrid::SetSelection(const TGridRect& Value) {
    checkCell(Value.Left, Value.Top);
    checkCell(Value.Right, Value.Bottom);
    InvalidateGridRect(Selection());
    current_ = {Value.Left, Value.Top};
    anchor_ = {Value.Right, Value.Bottom};
    InvalidateGridRect(Selection());
}

bool TStringGrid::SelectCell(int ACol, int ARow) {
    bool can = true;
    OnSelectCell(this, ACol, ARow, can);
    return can;
}

void TStringGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
    checkCell(ACol, ARow);
    if (!SelectCell(ACol, ARow)) return;
    const TGridRect oldSelection = Selection();
    const TGridCoord oldCurrent = current_;
    current_ = {ACol, ARow};
    if (MoveAnchor || !(options_ & goRangeSelect)) anchor_ = current_;
    if (Show) scrollInView(ACol, ARow);
    InvalidateGridRect(oldSelection);
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateGridRect(Selection());
}

// ---- geometry

TRect TStringGrid::CellRect(int ACol, int ARow) const {
    const Axis cols = colAxis(), rows = rowAxis();
    const int x = cols.position(ACol);
    const int y = x < 0 ? -1 : rows.position(ARow);
    if (x < 0 || y < 0) return {};
    return {x, y, x + cols.size(ACol), y + rows.size(ARow)};
}

void TStringGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    ACol = colAxis().at(X);
    ARow = rowAxis().at(Y);
    if (ACol < 0 || ARow < 0) ACol = ARow = -1;
}

TGridCoord TStringGrid::MouseCoord(int X, int Y) const {
    TGridCoord c;
    MouseToCell(X, Y, c.X, c.Y);
    return c;
}

// ---- moving and deleting

void TStringGrid::MoveColumn(int FromIndex, int ToIndex) {
    checkCell(FromIndex, 0);
    checkCell(ToIndex, 0);
    if (FromIndex == ToIndex) return;
    MoveElement(colWidths_, static_cast<size_t>(FromIndex), static_cast<size_t>(ToIndex));
    current_.X = movedIndex(current_.X, FromIndex, ToIndex);
    anchor_.X = movedIndex(anchor_.X, FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    Invalidate();
}

void TStringGrid::MoveRow(int FromIndex, int ToIndex) {
    checkCell(0, FromIndex);
    checkCell(0, ToIndex);
    if (FromIndex == ToIndex) return;
    MoveElement(rowHeights_, static_cast<size_t>(FromIndex), static_cast<size_t>(ToIndex));
    current_.Y = movedIndex(current_.Y, FromIndex, ToIndex);
    anchor_.Y = movedIndex(anchor_.Y, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    Invalidate();
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) { store_.MoveColumn(FromIndex, ToIndex); }
void TStringGrid::RowMoved(int FromIndex, int ToIndex) { store_.MoveRow(FromIndex, ToIndex); }

void TStringGrid::DeleteColumn(int ACol) {
    checkCell(ACol, 0);
    store_.DeleteColumn(ACol);
    if (colCount_ > 1) {
        colWidths_.erase(colWidths_.begin() + ACol);
        for (TGridCoord* p : {&current_, &anchor_})
            if (p->X > ACol) --p->X;
        --colCount_;
        fixedCols_ = std::min(fixedCols_, colCount_ - 1);
    }
    countsChanged();
}

void TStringGrid::DeleteRow(int ARow) {
    checkCell(0, ARow);
    store_.DeleteRow(ARow);
    if (rowCount_ > 1) {
        rowHeights_.erase(rowHeights_.begin() + ARow);
        for (TGridCoord* p : {&current_, &anchor_})
            if (p->Y > ARow) --p->Y;
        --rowCount_;
        fixedRows_ = std::min(fixedRows_, rowCount_ - 1);
    }
    countsChanged();
}

// ---- invalidation

void TStringGrid::InvalidateGridRect(const TGridRect& ARect) {
    if (!HandleAllocated()) return;
    // The pixel span of the indexes lo..hi in view, their lines included.
    auto span = [](const Axis& a, int lo, int hi, int& from, int& to) {
        from = INT_MAX;
        to = INT_MIN;
        a.forEachInView([&](int i, int p) {
            if (i >= lo && i <= hi) {
                from = std::min(from, p);
                to = std::max(to, p + a.step(i));
            }
            return true;
        });
        return from < to;
    };
    TRect r;
    if (span(colAxis(), std::min(ARect.Left, ARect.Right), std::max(ARect.Left, ARect.Right), r.Left, r.Right) &&
        span(rowAxis(), std::min(ARect.Top, ARect.Bottom), std::max(ARect.Top, ARect.Bottom), r.Top, r.Bottom))
        InvalidateRect(r);
}

void TStringGrid::InvalidateCell(int ACol, int ARow) { InvalidateGridRect({ACol, ARow, ACol, ARow}); }

// ---- painting

TGridDrawState TStringGrid::drawState(int ACol, int ARow) const {
    if (ACol < fixedCols_ || ARow < fixedRows_) return gdFixed;
    TGridDrawState state = 0;
    const bool focusedCell = current_ == TGridCoord{ACol, ARow} && Focused();
    if (focusedCell) state |= gdFocused;
    // The focused current cell shows as focused, not selected, unless the options say otherwise.
    if (Selection().Contains(ACol, ARow) && (!focusedCell || (options_ & (goDrawFocusSelected | goRowSelect))))
        state |= gdSelected;
    return state;
}

void TStringGrid::drawLines(TCanvas& canvas, const TRect& r, bool fixed) {
    const int lw = gridLineWidth_;
    if (lw <= 0) return;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = fixed ? clBtnShadow : clSilver;
    if (options_ & (fixed ? goFixedVertLine : goVertLine)) canvas.FillRect({r.Right, r.Top, r.Right + lw, r.Bottom + lw});
    if (options_ & (fixed ? goFixedHorzLine : goHorzLine)) canvas.FillRect({r.Left, r.Bottom, r.Right + lw, r.Bottom + lw});
}

void TStringGrid::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(ClientRect());
    const Axis cols = colAxis(), rows = rowAxis();
    rows.forEachInView([&](int r, int y) {
        cols.forEachInView([&](int c, int x) {
            const TRect rect{x, y, x + cols.size(c), y + rows.size(r)};
            const TGridDrawState state = drawState(c, r);
            if (defaultDrawing_) {
                canvas.Brush.Style = bsSolid;
                canvas.Brush.Color = (state & gdFixed) ? fixedColor_ : (state & gdSelected) ? clHighlight : Color();
                canvas.FillRect(rect);
            }
            DrawCell(c, r, rect, state);
            drawLines(canvas, rect, state & gdFixed);
            return true;
        });
        return true;
    });
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (!defaultDrawing_) return;
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    if ((AState & gdSelected) && !(AState & gdFixed)) canvas.Font.SetColor(clHighlightText);
    canvas.Brush.Style = bsClear;
    canvas.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
}

// ---- keys, mouse and focus

void TStringGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (!Key) return;
    const bool ctrl = Shift & ssCtrl;
    TGridCoord to = current_;
    switch (Key) {
    case VK_LEFT: --to.X; break;
    case VK_RIGHT: ++to.X; break;
    case VK_UP: --to.Y; break;
    case VK_DOWN: ++to.Y; break;
    case VK_HOME:
        to.X = fixedCols_;
        if (ctrl) to.Y = fixedRows_;
        break;
    case VK_END:
        to.X = colCount_ - 1;
        if (ctrl) to.Y = rowCount_ - 1;
        break;
    case VK_NEXT:
    case VK_PRIOR: {
        const int step = Key == VK_NEXT ? VisibleRowCount() : -VisibleRowCount();
        setTopLeft(leftCol_, topRow_ + step);
        to.Y += step;
        break;
    }
    default: return;
    }
    to.X = std::clamp(to.X, fixedCols_, colCount_ - 1);
    to.Y = std::clamp(to.Y, fixedRows_, rowCount_ - 1);
    const bool keepAnchor = (Shift & ssShift) && (options_ & goRangeSelect);
    if (to != current_) MoveColRow(to.X, to.Y, !keepAnchor, true);
}

void TStringGrid::WndProc(TMessage& m) {
    if (m.Msg == WM_MOUSEWHEEL) {
        const int delta = HiWordSigned(static_cast<intptr_t>(m.WParam));
        const TShiftState shift = MouseShiftState(m.WParam & 0xFFFF);
        const TPoint pos{LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
        bool handled = false;
        if (delta < 0) handled = DoMouseWheelDown(shift, pos);
        else if (delta > 0) handled = DoMouseWheelUp(shift, pos);
        m.Result = handled ? 1 : 0;
        return;
    }
    TCustomControl::WndProc(m);
}

bool TStringGrid::DoMouseWheelDown(TShiftState, TPoint) {
    if (current_.Y < rowCount_ - 1) MoveColRow(current_.X, current_.Y + 1, true, true);
    return true;
}

bool TStringGrid::DoMouseWheelUp(TShiftState, TPoint) {
    if (current_.Y > fixedRows_) MoveColRow(current_.X, current_.Y - 1, true, true);
    return true;
}

void TStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus()) SetFocus();
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
            const bool extend = (Shift & ssShift) && (options_ & goRangeSelect);
            MoveColRow(cell.X, cell.Y, !extend, true);
            selecting_ = options_ & goRangeSelect;
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (selecting_ && (Shift & ssLeft)) {
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_ && cell != current_) MoveColRow(cell.X, cell.Y, false, true);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    selecting_ = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// The focus changes how the current cell and the selection look.
void TStringGrid::invalidateFocusCells() {
    InvalidateGridRect(Selection());
    InvalidateCell(current_.X, current_.Y);
}

void TStringGrid::DoEnter() {
    invalidateFocusCells();
    TCustomControl::DoEnter();
}

void TStringGrid::DoExit() {
    invalidateFocusCells();
    TCustomControl::DoExit();
}
