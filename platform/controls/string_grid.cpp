#include "platform/controls/string_grid.h"

#include "platform/controls/string_grid_p.h"

#include <algorithm>

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

TStringGrid::TStringGrid(TComponent* AOwner) : TCustomControl(AOwner), d(std::make_unique<TStringGridPrivate>()) {
    SetColor(clWindow);
    TabStop = true;
    SetBounds(0, 0, 320, 120);
}

TStringGrid::~TStringGrid() = default;

TAxisLayout TStringGrid::colLayout() const { return {d->Cols, d->GridLineWidth, GridWidth()}; }
TAxisLayout TStringGrid::rowLayout() const {
    return {d->Rows, d->GridLineWidth, std::max(0, GridHeight() - DockedBottomHeight())};
}

const TGridCellStore& TStringGrid::CellStore() const { return d->Store; }

// ---- cells

QString TStringGrid::Cells(int ACol, int ARow) const { return d->Store.Text(ACol, ARow); }
TObject* TStringGrid::Objects(int ACol, int ARow) const { return d->Store.Object(ACol, ARow); }

void TStringGrid::SetCells(int ACol, int ARow, const QString& Value) {
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(indexOutOfRange);
    d->Store.SetText(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
    if (ACol < 0 || ARow < 0) throw EInvalidGridOperation(indexOutOfRange);
    d->Store.SetObject(ACol, ARow, Value);
}

// ---- dimensions, each written once for both axes

int TStringGrid::ColCount() const { return d->Cols.Count; }
int TStringGrid::RowCount() const { return d->Rows.Count; }
int TStringGrid::FixedCols() const { return d->Cols.Fixed; }
int TStringGrid::FixedRows() const { return d->Rows.Fixed; }
void TStringGrid::SetColCount(int Value) { setCount(true, Value); }
void TStringGrid::SetRowCount(int Value) { setCount(false, Value); }
void TStringGrid::SetFixedCols(int Value) { setFixed(true, Value); }
void TStringGrid::SetFixedRows(int Value) { setFixed(false, Value); }

void TStringGrid::setCount(bool columns, int Value) {
    TGridAxis& axis = columns ? d->Cols : d->Rows;
    Value = std::max(1, Value);
    if (Value == axis.Count) return;
    const int oldCols = d->Cols.Count, oldRows = d->Rows.Count;
    axis.SetCount(Value);
    countsChanged();
    SizeChanged(oldCols, oldRows);
}

void TStringGrid::setFixed(bool columns, int Value) {
    const auto [axis, coord] = columns ? d->ColRef() : d->RowRef();
    if (Value < 0 || Value >= axis.Count)
        throw EInvalidGridOperation(columns ? QStringLiteral("Fixed column count must be less than column count")
                                            : QStringLiteral("Fixed row count must be less than row count"));
    axis.Fixed = Value;
    for (TGridCoord* p : {&d->Current, &d->Anchor}) p->*coord = std::max(p->*coord, Value);
    countsChanged();
}

void TStringGrid::countsChanged() {
    for (TGridCoord* p : {&d->Current, &d->Anchor}) {
        p->X = std::min(p->X, d->Cols.Count - 1);
        p->Y = std::min(p->Y, d->Rows.Count - 1);
    }
    setTopLeft(d->Cols.First, d->Rows.First);
    UpdateScrollBars();
    Invalidate();
}

int TStringGrid::DefaultColWidth() const { return d->Cols.DefaultSize; }
int TStringGrid::DefaultRowHeight() const { return d->Rows.DefaultSize; }

void TStringGrid::SetDefaultColWidth(int Value) {
    d->Cols.SetDefaultSize(std::max(0, Value));
    UpdateScrollBars();
    Invalidate();
}

void TStringGrid::SetDefaultRowHeight(int Value) {
    d->Rows.SetDefaultSize(std::max(0, Value));
    UpdateScrollBars();
    Invalidate();
}

int TStringGrid::ColWidths(int Index) const { return d->Cols.Size(Index); }
int TStringGrid::RowHeights(int Index) const { return d->Rows.Size(Index); }
void TStringGrid::SetColWidths(int Index, int Value) { setSize(true, Index, Value); }
void TStringGrid::SetRowHeights(int Index, int Value) { setSize(false, Index, Value); }

void TStringGrid::setSize(bool columns, int Index, int Value) {
    TGridAxis& axis = columns ? d->Cols : d->Rows;
    if (Index < 0 || Index >= axis.Count) throw EInvalidGridOperation(indexOutOfRange);
    axis.Sizes[static_cast<size_t>(Index)] = std::max(0, Value);
    UpdateScrollBars();
    Invalidate();
    UpdateEditorPlace();
    if (columns) ColWidthsChanged();
    else RowHeightsChanged();
}

bool TStringGrid::ColHidden(int ACol) const { return d->Cols.IsHidden(ACol); }
bool TStringGrid::RowHidden(int ARow) const { return d->Rows.IsHidden(ARow); }
void TStringGrid::SetColHidden(int ACol, bool Value) { setHidden(true, ACol, Value); }
void TStringGrid::SetRowHidden(int ARow, bool Value) { setHidden(false, ARow, Value); }

void TStringGrid::setHidden(bool columns, int Index, bool Value) {
    TGridAxis& axis = columns ? d->Cols : d->Rows;
    if (Index < 0 || Index >= axis.Count) throw EInvalidGridOperation(indexOutOfRange);
    axis.SetHidden(Index, Value);
    // The first scrollable index in view must be a shown one.
    const int first = axis.Shown(axis.First, 1, axis.Fixed, axis.Count - 1);
    if (first >= 0) axis.First = first;
    countsChanged();
}

int TStringGrid::GridLineWidth() const { return d->GridLineWidth; }

void TStringGrid::SetGridLineWidth(int Value) {
    d->GridLineWidth = std::max(0, Value);
    UpdateScrollBars();
    Invalidate();
}

bool TStringGrid::DefaultDrawing() const { return d->DefaultDrawing; }

void TStringGrid::SetDefaultDrawing(bool Value) {
    d->DefaultDrawing = Value;
    Invalidate();
}

TGridOptions TStringGrid::Options() const { return d->Options; }

void TStringGrid::SetOptions(TGridOptions Value) {
    d->Options = Value;
    if (!(Value & goRangeSelect)) d->Anchor = d->Current;
    Invalidate();
}

TColor TStringGrid::FixedColor() const { return d->FixedColor; }

void TStringGrid::SetFixedColor(TColor Value) {
    d->FixedColor = Value;
    Invalidate();
}

TGridState TStringGrid::GridState() const { return d->State; }
void TStringGrid::SetGridState(TGridState Value) { d->State = Value; }

// ---- scrolling

int TStringGrid::LeftCol() const { return d->Cols.First; }
int TStringGrid::TopRow() const { return d->Rows.First; }
void TStringGrid::SetLeftCol(int Value) { setTopLeft(Value, d->Rows.First); }
void TStringGrid::SetTopRow(int Value) { setTopLeft(d->Cols.First, Value); }

void TStringGrid::setTopLeft(int ALeft, int ATop) {
    const int left = std::clamp(ALeft, d->Cols.Fixed, colLayout().MaxFirst());
    const int top = std::clamp(ATop, d->Rows.Fixed, rowLayout().MaxFirst());
    if (left == d->Cols.First && top == d->Rows.First) return;
    d->Cols.First = left;
    d->Rows.First = top;
    Invalidate();
    updateScrollPositions();
    UpdateEditorPlace();
    TopLeftChanged();
}

void TStringGrid::scrollInView(int ACol, int ARow) {
    setTopLeft(colLayout().FirstShowing(ACol), rowLayout().FirstShowing(ARow));
}

int TStringGrid::VisibleColCount() const { return colLayout().VisibleCount(); }
int TStringGrid::VisibleRowCount() const { return rowLayout().VisibleCount(); }

// ---- current cell and selection

int TStringGrid::Col() const { return d->Current.X; }
int TStringGrid::Row() const { return d->Current.Y; }
void TStringGrid::SetCol(int Value) { MoveColRow(Value, d->Current.Y, true, true); }
void TStringGrid::SetRow(int Value) { MoveColRow(d->Current.X, Value, true, true); }

void TStringGrid::checkCell(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= d->Cols.Count || ARow >= d->Rows.Count)
        throw EInvalidGridOperation(indexOutOfRange);
}

TGridRect TStringGrid::Selection() const {
    const TGridCoord a = d->Anchor, c = d->Current;
    TGridRect r{std::min(a.X, c.X), std::min(a.Y, c.Y), std::max(a.X, c.X), std::max(a.Y, c.Y)};
    if (d->Options & goRowSelect) {
        r.Left = d->Cols.Fixed;
        r.Right = d->Cols.Count - 1;
    }
    return r;
}

void TStringGrid::SetSelection(const TGridRect& Value) {
    checkCell(Value.Left, Value.Top);
    checkCell(Value.Right, Value.Bottom);
    InvalidateGridRect(Selection());
    d->Current = {Value.Left, Value.Top};
    d->Anchor = {Value.Right, Value.Bottom};
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
    const bool reopen = (d->Options & goAlwaysShowEditor) && d->EditorMode;
    if (TGridCoord{ACol, ARow} != d->Current) HideEditor();
    const TGridRect oldSelection = Selection();
    const TGridCoord oldCurrent = d->Current;
    d->Current = {ACol, ARow};
    if (MoveAnchor || !(d->Options & goRangeSelect)) d->Anchor = d->Current;
    if (Show) scrollInView(ACol, ARow);
    InvalidateGridRect(oldSelection);
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateGridRect(Selection());
    if (reopen) ShowEditor();
}

// ---- geometry

TRect TStringGrid::CellRect(int ACol, int ARow) const {
    const TAxisLayout cols = colLayout(), rows = rowLayout();
    const int x = cols.Position(ACol);
    const int y = x < 0 ? -1 : rows.Position(ARow);
    if (x < 0 || y < 0) return {};
    return {x, y, x + d->Cols.Size(ACol), y + d->Rows.Size(ARow)};
}

void TStringGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    ACol = colLayout().At(X);
    ARow = rowLayout().At(Y);
    if (ACol < 0 || ARow < 0) ACol = ARow = -1;
}

TGridCoord TStringGrid::MouseCoord(int X, int Y) const {
    TGridCoord c;
    MouseToCell(X, Y, c.X, c.Y);
    return c;
}

// ---- moving and deleting

void TStringGrid::MoveColumn(int FromIndex, int ToIndex) { moveIndex(true, FromIndex, ToIndex); }
void TStringGrid::MoveRow(int FromIndex, int ToIndex) { moveIndex(false, FromIndex, ToIndex); }

void TStringGrid::moveIndex(bool columns, int FromIndex, int ToIndex) {
    const auto [axis, coord] = columns ? d->ColRef() : d->RowRef();
    for (int i : {FromIndex, ToIndex})
        if (i < 0 || i >= axis.Count) throw EInvalidGridOperation(indexOutOfRange);
    if (FromIndex == ToIndex) return;
    axis.Move(FromIndex, ToIndex);
    for (TGridCoord* p : {&d->Current, &d->Anchor}) p->*coord = movedIndex(p->*coord, FromIndex, ToIndex);
    if (columns) ColumnMoved(FromIndex, ToIndex);
    else RowMoved(FromIndex, ToIndex);
    Invalidate();
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) { d->Store.MoveColumn(FromIndex, ToIndex); }
void TStringGrid::RowMoved(int FromIndex, int ToIndex) { d->Store.MoveRow(FromIndex, ToIndex); }

void TStringGrid::DeleteColumn(int ACol) { deleteIndex(true, ACol); }
void TStringGrid::DeleteRow(int ARow) { deleteIndex(false, ARow); }

void TStringGrid::deleteIndex(bool columns, int Index) {
    const auto [axis, coord] = columns ? d->ColRef() : d->RowRef();
    if (Index < 0 || Index >= axis.Count) throw EInvalidGridOperation(indexOutOfRange);
    if (columns) d->Store.DeleteColumn(Index);
    else d->Store.DeleteRow(Index);
    if (axis.Count > 1) {
        axis.Erase(Index);
        for (TGridCoord* p : {&d->Current, &d->Anchor})
            if (p->*coord > Index) --(p->*coord);
    }
    countsChanged();
}

// ---- whole rows

void TStringGrid::InsertRowsAt(int At, int Count) {
    std::vector<int> rows;
    for (int i = 0; i < Count; ++i) rows.push_back(At + i);
    InsertRowsAt(rows);
}

void TStringGrid::InsertRowsAt(const std::vector<int>& Rows) {
    TGridAxis& rows = d->Rows;
    // Each new row's place lies within the rows there are by then.
    for (size_t j = 0; j < Rows.size(); ++j)
        if (Rows[j] < 0 || Rows[j] > rows.Count + static_cast<int>(j) || (j > 0 && Rows[j] <= Rows[j - 1]))
            throw EInvalidGridOperation(indexOutOfRange);
    if (Rows.empty()) return;
    rows.InsertList(Rows);
    d->Store.InsertRows(Rows);
    for (TGridCoord* p : {&d->Current, &d->Anchor})
        for (int r : Rows)
            if (r <= p->Y) ++p->Y;
    countsChanged();
}

void TStringGrid::DeleteRowsAt(const std::vector<int>& Rows) {
    TGridAxis& rows = d->Rows;
    std::vector<int> dropped;
    for (int r : Rows)
        if (r >= 0 && r < rows.Count && (dropped.empty() || r > dropped.back())) dropped.push_back(r);
    // At least one row stays.
    if (static_cast<int>(dropped.size()) >= rows.Count) dropped.pop_back();
    if (dropped.empty()) return;
    d->Store.DeleteRows(dropped);
    rows.EraseList(dropped);
    for (TGridCoord* p : {&d->Current, &d->Anchor})
        p->Y -= static_cast<int>(std::lower_bound(dropped.begin(), dropped.end(), p->Y) - dropped.begin());
    countsChanged();
}

std::vector<TGridCellStore::Cell> TStringGrid::TakeRowCells(int ARow) { return d->Store.TakeRow(ARow); }

void TStringGrid::PutRowCells(int ARow, std::vector<TGridCellStore::Cell> Cells) {
    d->Store.PutRow(ARow, std::move(Cells));
    InvalidateGridRect({0, ARow, d->Cols.Count - 1, ARow});
}

void TStringGrid::PlaceSelectionOutside() {
    InvalidateGridRect(Selection());
    d->Current = d->Anchor = {d->Cols.Count, d->Rows.Count};
}

// ---- invalidation

void TStringGrid::InvalidateGridRect(const TGridRect& ARect) {
    if (!HandleAllocated()) return;
    TRect r;
    if (colLayout().Span(std::min(ARect.Left, ARect.Right), std::max(ARect.Left, ARect.Right), r.Left, r.Right) &&
        rowLayout().Span(std::min(ARect.Top, ARect.Bottom), std::max(ARect.Top, ARect.Bottom), r.Top, r.Bottom))
        InvalidateRect(r);
}

void TStringGrid::InvalidateCell(int ACol, int ARow) { InvalidateGridRect({ACol, ARow, ACol, ARow}); }
