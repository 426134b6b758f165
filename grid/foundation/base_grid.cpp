#include "grid/foundation/base_grid.h"

#include "grid/foundation/codings.h"
#include "grid/foundation/grid_undo.h"
#include "platform/controls/grid_cell_store.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <climits>
#include <memory>

namespace {
TRect unionRect(const TRect& a, const TRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

TPoint sizeOf(const TRect& r) { return {r.Width(), r.Height()}; }

// Start of cell index along one axis from the sizes alone: fixed cells from 0, the others
// relative to the first scrollable cell in view, which starts at firstStart.
template <class Size>
int axisStart(int index, int fixed, int first, int firstStart, Size size) {
    int p = 0;
    if (index < fixed) {
        for (int i = 0; i < index; ++i) p += size(i);
        return p;
    }
    p = firstStart;
    for (int i = first; i < index; ++i) p += size(i);
    for (int i = index; i < first; ++i) p -= size(i);
    return p;
}
}  // namespace

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner) {
    SetGridLineWidth(1);
    SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid() {
    FDestroying = true;
    // Every stored cell, also those kept beyond the counts.
    if (FHasCellProps) freeRecords(0, 0, INT_MAX, INT_MAX);
}

void TBaseGrid::SetUndoRedo(TExGridUndoRedo* Value) {
    FUndoRedo = Value;
    if (!FUndoRedo) return;
    // Either side's destruction then tells the other.
    FreeNotification(FUndoRedo);
    FUndoRedo->SetGrid(this);
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent != nullptr && AComponent == FUndoRedo) FUndoRedo = nullptr;
    TObjStringGrid::Notification(AComponent, Operation);
}

// ---- records

TCellProperties* TBaseGrid::recordInSlot(int c, int r) const { return static_cast<TCellProperties*>(Objects(c, r)); }

TCellProperties* TBaseGrid::record(int c, int r) const {
    return HasCellProperties(c, r) ? recordInSlot(c, r) : nullptr;
}

bool TBaseGrid::HasCellProperties(int c, int r) const {
    return c >= 0 && c < TotalColCount() && r >= 0 && r < RowCount() && Objects(c, r);
}

TCellProperties* TBaseGrid::makeRecord(int c, int r) {
    auto props = std::make_unique<TCellProperties>(this, c, r);
    SetObjects(c, r, props.get());
    TCellProperties* p = props.release();
    TFont font;
    TBrush brush;
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = WordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetDefaultVisualProperties(c, r, font, brush, colorTo, mirrorColor, mirrorColorTo, ha, va, ww, gd);
    p->FCalcType = acNONE;
    p->FAlignment = ha;
    p->FVAlignment = va;
    p->FWordWrap = ww;
    p->FFontName = font.Name();
    p->FFontSize = font.Size();
    p->FFontStyle = font.Style();
    p->FFontColor = font.Color();
    p->FBrushColor = brush.Color;
    p->FBrushColorTo = colorTo;
    p->FGradientDirection = gd;
    return p;
}

TCellProperties* TBaseGrid::GetCellProperties(int c, int r) {
    if (TCellProperties* p = recordInSlot(c, r)) return p;
    return makeRecord(c, r);
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value) {
    TObject* old = Objects(c, r);
    if (old == Value) return;
    SetObjects(c, r, Value);
    delete old;
}

void TBaseGrid::ResetCellProperties(int c, int r) { freeRecord(c, r, false); }

void TBaseGrid::freeRecord(int c, int r, bool withGraphic) {
    TCellProperties* p = recordInSlot(c, r);
    if (!p) return;
    SetObjects(c, r, nullptr);
    if (withGraphic) FreeDetachedCellProperties(p);
    else delete p;
}

void TBaseGrid::FreeDetachedCellProperties(TCellProperties* Props) {
    if (!Props) return;
    if (Props->FOwnsGraphicObject) delete Props->FGraphicObject;
    delete Props;
}

void TBaseGrid::freeRecords(int c1, int r1, int c2, int r2) {
    const TGridCellStore& store = CellStore();
    const int lastRow = std::min(r2, store.RowsStored() - 1);
    for (int r = std::max(r1, 0); r <= lastRow; ++r) {
        const int lastCol = std::min(c2, store.ColsStored(r) - 1);
        for (int c = std::max(c1, 0); c <= lastCol; ++c) freeRecord(c, r, true);
    }
}

void TBaseGrid::FreeCellProperties(int ACol1, int ARow1, int ACol2, int ARow2) {
    if (FHasCellProps) freeRecords(ACol1, ARow1, ACol2, ARow2);
}

void TBaseGrid::FreeAllCellProperties() { FreeCellProperties(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::DeleteColumn(int ACol) {
    if (FHasCellProps && ACol >= 0 && ACol < ColCount()) freeRecords(ACol, 0, ACol, INT_MAX);
    TObjStringGrid::DeleteColumn(ACol);
}

void TBaseGrid::DeleteRow(int ARow) {
    if (FHasCellProps && ARow >= 0 && ARow < RowCount()) freeRecords(0, ARow, INT_MAX, ARow);
    TObjStringGrid::DeleteRow(ARow);
}

// ---- cell text

QString TBaseGrid::GetCellEx(int c, int r) {
    const TPoint base = BaseCell(c, r);
    QString result = Cells(base.X, base.Y);
    if (base.Y < FNormalRowCount) {
        GetDisplText(base.X, base.Y, result);
        if (OnGetDisplWideText) {
            QString wide = DecodeWideText(result);
            GetDisplWideText(base.X, base.Y, wide);
            result = EncodeWideText(wide);
        }
    }
    return result;
}

void TBaseGrid::SetCellEx(int c, int r, const QString& Value) {
    if (const TCellProperties* p = record(c, r)) {
        const TPoint base = p->GetBaseCell(c, r);
        SetCells(base.X, base.Y, Value);
        UpdateAutoRangeScrollBar(base.X, base.Y);
        if (Parent()) RepaintCell(c, r);
    } else {
        SetCells(c, r, Value);
    }
    if (FHideLastRow && r == RowCount() - 1) LastRowChanged();
}

void TBaseGrid::ResetCell(int c, int r) {
    SetCellEx(c, r, QString());
    SetObjects(c, r, nullptr);
}

void TBaseGrid::ResetCol(int ACol) {
    for (int r = 0; r < RowCount(); ++r) {
        SetObjects(ACol, r, nullptr);
        SetCells(ACol, r, QString());
    }
}

void TBaseGrid::ResetRow(int ARow) {
    for (int c = 0; c < ColCount(); ++c) {
        SetObjects(c, ARow, nullptr);
        SetCells(c, ARow, QString());
    }
}

// ---- cell objects

uintptr_t TBaseGrid::GetObjectEx(int c, int r) const {
    const TCellProperties* p = record(c, r);
    return p ? p->FObject : 0;
}

TObject* TBaseGrid::GetGraphicObjectEx(int c, int r) const {
    const TCellProperties* p = record(c, r);
    return p ? p->FGraphicObject : nullptr;
}

template <class F>
void TBaseGrid::withBlankText(int c, int r, F&& set) {
    const bool blank = GetCellEx(c, r).isEmpty();
    if (blank) SetCellEx(c, r, QStringLiteral(" "));
    set();
    if (blank) SetCellEx(c, r, QString());
}

void TBaseGrid::SetObjectEx(int c, int r, uintptr_t Value) {
    withBlankText(c, r, [&] { GetCellProperties(c, r)->FObject = Value; });
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, TObject* Value, bool Owned) {
    if (FDestroying) return;
    withBlankText(c, r, [&] {
        TCellProperties* p = GetCellProperties(c, r);
        p->FGraphicObject = Value;
        p->FOwnsGraphicObject = Owned && Value;
    });
}

bool TBaseGrid::OwnsGraphicObject(int c, int r) const {
    const TCellProperties* p = record(c, r);
    return p && p->FOwnsGraphicObject;
}

// ---- merged cells

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany) {
    ++FMergeCount;
    if (spanx < 1 || spany < 1) return;
    for (int x = c; x < c + spanx; ++x)
        for (int y = r; y < r + spany; ++y) {
            TCellProperties* p = GetCellProperties(x, y);
            const bool base = x == c && y == r;
            p->FIsBaseCell = base;
            p->FCellSpanX = base ? spanx - 1 : x - c;
            p->FCellSpanY = base ? spany - 1 : y - r;
        }
    for (int x = c; x < c + spanx; ++x)
        for (int y = r; y < r + spany; ++y) RepaintCell(x, y);
}

void TBaseGrid::SplitCells(int c, int r) {
    const TPoint base = GetCellProperties(c, r)->GetBaseCell(c, r);
    const TCellProperties* baseProps = GetCellProperties(base.X, base.Y);
    const int lastX = base.X + baseProps->FCellSpanX, lastY = base.Y + baseProps->FCellSpanY;
    for (int x = base.X; x <= lastX; ++x)
        for (int y = base.Y; y <= lastY; ++y) {
            TCellProperties* p = GetCellProperties(x, y);
            p->FIsBaseCell = true;
            p->FCellSpanX = -1;
            p->FCellSpanY = -1;
            RepaintCell(x, y);
        }
    --FMergeCount;
}

const TCellProperties* TBaseGrid::rangeBase(int c, int r) const {
    const TCellProperties* p = record(c, r);
    if (!p || p->FCellSpanX == -1 || p->FCellSpanY == -1) return nullptr;
    const TPoint b = p->GetBaseCell(c, r);
    const TCellProperties* base = record(b.X, b.Y);
    return base && base->FCellSpanX != -1 && base->FCellSpanY != -1 ? base : nullptr;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const {
    const TCellProperties* p = record(ACol, ARow);
    return p ? p->GetBaseCell(ACol, ARow) : TPoint{ACol, ARow};
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
    const TCellProperties* p = record(ACol, ARow);
    return !p || p->FIsBaseCell;
}

bool TBaseGrid::ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
    const TPoint b = BaseCell(ACol, ARow);
    BaseCol = b.X;
    BaseRow = b.Y;
    return IsBaseCell(ACol, ARow);
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const {
    const TCellProperties* base = rangeBase(ACol, ARow);
    return base ? TPoint{base->FCellSpanX, base->FCellSpanY} : TPoint{};
}

TPoint TBaseGrid::farCell(int c, int r) const {
    const TPoint b = BaseCell(c, r), span = CellSpan(c, r);
    return {b.X + span.X, b.Y + span.Y};
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const {
    if (!rangeBase(ACol, ARow)) return {};
    const TPoint far = farCell(ACol, ARow);
    return {far.X - ACol, far.Y - ARow};
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
    const TCellProperties* p = record(ACol, ARow);
    return p && (p->FCellSpanX > 0 || p->FCellSpanY > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const {
    const TCellProperties* base = rangeBase(ACol, ARow);
    return base && base->FCellSpanX > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const {
    const TCellProperties* base = rangeBase(ACol, ARow);
    return base && base->FCellSpanY > 0;
}

TRect TBaseGrid::FullCell(int c, int r) const {
    const TPoint b = BaseCell(c, r), span = CellSpan(c, r);
    return {b.X, b.Y, b.X + span.X, b.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const {
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        const int s = CellSpan(c, ARow).Y;
        if (s > 0 && s < RowCount()) result = std::min(result, s);
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const {
    int result = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int s = CellSpan(c, ARow).Y;
        if (s > 0 && s < RowCount()) result = std::max(result, s);
    }
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const {
    bool found = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0) continue;
        found = true;
        if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
    }
    return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const {
    bool found = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int s1 = CellSpan(ACol1, r).X, s2 = CellSpan(ACol2, r).X;
        if (s1 > 0 && s2 > 0) {
            found = true;
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
        } else if (s1 != s2) {
            return false;
        }
    }
    return found;
}

// ---- geometry

TRect TBaseGrid::CalcCellRect(int ACol, int ARow) const {
    // Summed from the first scrollable cell in view, which gives the same edges as summing from
    // the grid's origin and taking off the scrolled-out part, at the cost of the distance only.
    const TRect first = TObjStringGrid::CellRect(LeftCol(), TopRow());
    const int x = axisStart(ACol, FixedCols(), LeftCol(), first.Left, [this](int i) { return ColWidths(i); });
    const int y = axisStart(ARow, FixedRows(), TopRow(), first.Top, [this](int i) { return RowHeights(i); });
    return {x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
}

TRect TBaseGrid::CellRect(int c, int r) const {
    if (rangeBase(c, r)) {
        const TPoint b = BaseCell(c, r), far = farCell(c, r);
        TRect r1 = CalcCellRect(b.X, b.Y);
        if (r1.Width() == 0) ++r1.Right;
        TRect r2 = CalcCellRect(far.X, far.Y);
        if (r2.Width() == 0) --r2.Left;
        return unionRect(r1, r2);
    }
    const TCellProperties* p = record(c, r);
    if (p && p->FControl) return CalcCellRect(c, r);
    const TRect platform = TObjStringGrid::CellRect(c, r);
    return {platform.Left, platform.Top, platform.Left + ColWidths(c), platform.Top + RowHeights(r)};
}

TPoint TBaseGrid::CellSize(int c, int r) const {
    if (rangeBase(c, r)) {
        const TPoint b = BaseCell(c, r), far = farCell(c, r);
        return sizeOf(unionRect(CalcCellRect(b.X, b.Y), CalcCellRect(far.X, far.Y)));
    }
    return sizeOf(CalcCellRect(c, r));
}

void TBaseGrid::RepaintCell(int c, int r) {
    if (HandleAllocated()) InvalidateRect(CellRect(c, r));
}

// ---- properties

void TBaseGrid::SetDefaultDrawing(bool Value) {
    FDefaultDrawing = Value;
    TObjStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = Value;
    TObjStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
    FGridFixedLineColor = Value;
    Invalidate();
}

template <class T>
void TBaseGrid::setAndInvalidate(T& field, T Value) {
    if (field == Value) return;
    field = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value) { setAndInvalidate(FActiveRowShow, Value); }
void TBaseGrid::SetActiveRowColor(TColor Value) { setAndInvalidate(FActiveRowColor, Value); }
void TBaseGrid::SetActiveRowColorTo(TColor Value) { setAndInvalidate(FActiveRowColorTo, Value); }
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) { setAndInvalidate(FActiveRowMirrorColor, Value); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) { setAndInvalidate(FActiveRowMirrorColorTo, Value); }
void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) { setAndInvalidate(FSelectionStyle, Value); }

// ---- operations a descendant supplies

void TBaseGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState) {
    ACanvas.Brush.Style = bsClear;
    ACanvas.DrawText(GetCellEx(ACol, ARow), ARect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TBaseGrid::GetDisplText(int ACol, int ARow, QString& Value) { OnGetDisplText(this, ACol, ARow, Value); }

void TBaseGrid::GetDisplWideText(int ACol, int ARow, QString& Value) { OnGetDisplWideText(this, ACol, ARow, Value); }

void TBaseGrid::GetDefaultVisualProperties(int, int, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                           TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                           TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    AFont.Assign(Font());
    ABrush.Color = Color();
    AColorTo = AMirrorColor = AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = WordWrap;
    GD = GradientVertical;
}
