// The column grid's life cycle and how its column definitions follow the columns: counts,
// insertion, removal, moves, grouping, widths, headers and scaling.
#include "grid/columngrid/ex_column_grid.h"

#include "grid/stringgrid/inplace/edit_link.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/popup_menu.h"

#include <algorithm>
#include <cmath>
#include <vector>

TExColumnGrid::TExColumnGrid(TComponent* AOwner)
    : TExStringGrid(AOwner), FColumns(std::make_unique<TGridColumnCollection>(this)),
      FSpareColumn(std::make_unique<TGridColumnItem>(nullptr)), FCellGraphic(std::make_unique<TCellGraphic>()) {
    syncQuietly();
}

TExColumnGrid::~TExColumnGrid() {
    FDestroying = true;
    FColumns->NoRecursion = true;
}

void TExColumnGrid::SetColumns(const TGridColumnCollection& Value) { FColumns->Assign(Value); }

TGridColumnItem* TExColumnGrid::GetColumnByName(const QString& AValue) const {
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->Name == AValue) return FColumns->Items(i);
    return nullptr;
}

TGridColumnItem* TExColumnGrid::itemOf(int ACol) const {
    if (!FColumns || ACol < 0 || ACol >= FColumns->Count()) return nullptr;
    return FColumns->Items(ACol);
}

// ---- life cycle and counts

void TExColumnGrid::Loaded() {
    TExStringGrid::Loaded();
    // Quietly: a change told while items are still missing would shrink the grid to them and
    // grow it back, and the columns beyond would lose their widths.
    syncQuietly();
    FColumns->SetOrganization();
}

void TExColumnGrid::SetColCount(int Value) {
    TExStringGrid::SetColCount(Value);
    if (!FRearranging) syncQuietly();
}

void TExColumnGrid::SyncColumns() {
    if (!FColumns) return;
    const int wanted = ColCount() + NumHiddenColumns();
    while (FColumns->Count() < wanted) FColumns->Add();
    while (FColumns->Count() > wanted) FColumns->Delete(FColumns->Count() - 1);
}

void TExColumnGrid::syncQuietly() {
    if (!FColumns) return;
    const bool was = FColumns->NoRecursion;
    FColumns->NoRecursion = true;
    SyncColumns();
    FColumns->NoRecursion = was;
}

void TExColumnGrid::AllCellsChanged() {
    TExStringGrid::AllCellsChanged();
    syncQuietly();
}

int TExColumnGrid::GetVersionNr() { return (3 << 24) | (1 << 16) | (3 << 8) | 1; }

QString TExColumnGrid::GetVersionString() {
    const int v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4 Aug, 2012").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

// ---- headers

void TExColumnGrid::UpdateColumnHeaders() {
    if (FixedRows() <= 0) return;
    TStringList& headers = ColumnHeaders();
    headers.BeginUpdate();
    headers.Clear();
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* item = FColumns->Items(i);
        if (item->Header().isEmpty() && i < TotalColCount() && !GetGridCell(i, 0).isEmpty())
            item->StoreHeader(GetGridCell(i, 0));
        headers.Add(item->Header());
    }
    headers.EndUpdate();
}

void TExColumnGrid::ColumnHeadersChanged() {
    if (!FColumns) return;
    const TStringList& headers = ColumnHeaders();
    for (int i = 0; i < std::min(FColumns->Count(), headers.Count()); ++i)
        FColumns->Items(i)->StoreHeader(headers.Strings(i));
}

// ---- structure

// The items follow the real columns: with columns hidden, display and real places differ.
void TExColumnGrid::InsertCols(int ColIndex, int CCount) {
    const int at = std::clamp(ColIndex, 0, FColumns->Count());
    const int before = TotalColCount();
    FRearranging = true;
    TExStringGrid::InsertCols(ColIndex, CCount);
    FRearranging = false;
    FColumns->NoRecursion = true;
    for (int i = 0; i < TotalColCount() - before; ++i) FColumns->Insert(at);
    // Whatever else the string grid did to the count, one item per column stays.
    SyncColumns();
    FColumns->NoRecursion = false;
}

void TExColumnGrid::RemoveCols(int ColIndex, int CCount) {
    std::vector<int> reals;
    for (int c = std::max(ColIndex, 0); c < ColIndex + CCount && c < TotalColCount(); ++c) reals.push_back(c);
    const int before = TotalColCount();
    FRearranging = true;
    TExStringGrid::RemoveCols(ColIndex, CCount);
    FRearranging = false;
    FColumns->NoRecursion = true;
    // Only as many as the string grid removed (it keeps one column at the least).
    const int removed = before - TotalColCount();
    for (int i = static_cast<int>(reals.size()) - 1, n = 0; i >= 0 && n < removed; --i, ++n)
        if (reals[static_cast<size_t>(i)] < FColumns->Count()) FColumns->Delete(reals[static_cast<size_t>(i)]);
    SyncColumns();
    FColumns->NoRecursion = false;
}

void TExColumnGrid::Group(int ColIndex) {
    if (TGridColumnItem* item = itemOf(ColIndex)) FSpareColumn->Assign(*item);
    TExStringGrid::Group(ColIndex);
}

void TExColumnGrid::UnGroup() {
    const int grouped = GroupColumn();
    TExStringGrid::UnGroup();
    if (grouped == -1) return;
    if (TGridColumnItem* item = itemOf(grouped)) item->Assign(*FSpareColumn);
}

void TExColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
    // Columns shifted by the string grid's own insertion take their items afterwards.
    if (FRearranging || !FColumns) {
        TExStringGrid::ColumnMoved(FromIndex, ToIndex);
        return;
    }
    FColumns->NoRecursion = true;
    const int top = TopRow();
    const int from = RealColIndex(FromIndex), to = RealColIndex(ToIndex);
    TExStringGrid::ColumnMoved(FromIndex, ToIndex);
    BeginUpdate();
    FColumnMoving = true;
    // The item itself moves: its whole definition goes with the column.
    if (from < FColumns->Count() && to < FColumns->Count()) FColumns->Move(from, to);
    SetTopRow(top);
    FColumnMoving = false;
    EndUpdate();
    FColumns->NoRecursion = false;
    OnAfterColumnMoved(this, from, to);
}

void TExColumnGrid::ColWidthsChanged() {
    TExStringGrid::ColWidthsChanged();
    if (IsLoading() || FDestroying) return;
    for (int c = 0; c < ColCount(); ++c)
        if (TGridColumnItem* item = itemOf(RealColIndex(c))) item->SetStoredWidth(ColWidths(c));
}

void TExColumnGrid::clampWidth(int Min, int Max, int& AWidth) const {
    if (Min > 0 && AWidth < Min) AWidth = Min;
    if (Max > 0 && AWidth > Max) AWidth = Max;
}

void TExColumnGrid::UpdateColumnSize(int ACol, int& AWidth) {
    if (TGridColumnItem* item = itemOf(ACol)) clampWidth(item->MinSize, item->MaxSize, AWidth);
    TExStringGrid::UpdateColumnSize(ACol, AWidth);
}

void TExColumnGrid::UpdateAutoColumnSize(int ACol, int& AWidth) {
    if (TGridColumnItem* item = itemOf(ACol)) clampWidth(item->AutoMinSize, item->AutoMaxSize, AWidth);
    TExStringGrid::UpdateAutoColumnSize(ACol, AWidth);
}

void TExColumnGrid::ChangeScale(int M, int D) {
    TExStringGrid::ChangeScale(M, D);
    if (M == D || D == 0) return;
    for (int i = 0; i < std::min(ColCount(), FColumns->Count()); ++i) {
        TGridColumnItem* item = FColumns->Items(i);
        for (TFont* font : {&item->Font(), &item->HeaderFont()})
            font->SetSize(static_cast<int>(std::lround(static_cast<double>(font->Size()) * M / D)));
    }
}

// ---- references to other components and popup menus

void TExColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TExStringGrid::Notification(AComponent, Operation);
    if (Operation != opRemove || !AComponent || !FColumns) return;
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* item = FColumns->Items(i);
        if (item->EditLink == AComponent) item->EditLink = nullptr;
        if (item->ColumnPopup == AComponent) item->ColumnPopup = nullptr;
    }
}

void TExColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExStringGrid::MouseDown(Button, Shift, X, Y);
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0) return;
    TGridColumnItem* item = itemOf(c);
    if (!item || !item->ColumnPopup) return;
    const TColumnPopupType type = item->ColumnPopupType;
    const bool left = type == cpFixedCellsLClick || type == cpNormalCellsLClick || type == cpAllCellsLClick;
    if ((Button == mbLeft) != left || (Button != mbLeft && Button != mbRight)) return;
    OnColumnPopup(this, c, r, item->ColumnPopup);
    const bool fixedType = type == cpFixedCellsLClick || type == cpFixedCellsRClick;
    const bool normalType = type == cpNormalCellsLClick || type == cpNormalCellsRClick;
    const bool header = r < FixedRows();
    if (header ? normalType : fixedType) return;
    // The handler may have taken the menu away from the column.
    if (!item->ColumnPopup) return;
    const TRect cell = CellRect(c, r);
    const TPoint at = ClientToScreen({cell.Left, cell.Bottom});
    item->ColumnPopup->Popup(at.X, at.Y);
}

// ---- the object the definitions stream as

TExColumnGridIO::TExColumnGridIO(TComponent* AOwner) : TComponent(AOwner) {
    auto* grid = dynamic_cast<TExColumnGrid*>(AOwner);
    if (AOwner && !grid) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    FItems = std::make_unique<TGridColumnCollection>(grid);
}

TExColumnGridIO::~TExColumnGridIO() = default;
