// Update locking, the stretched column and the change subscribers of the grid.
#include "grid/stringgrid/filter/footer_panel.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/application.h"
#include "platform/core/exception.h"

#include <algorithm>
#include <cmath>

// The count runs also while the grid is hidden, so a grid hidden between the two calls does not
// keep a lock nobody releases.
void TExStringGrid::BeginUpdate() {
    if (p->FUpdateCount++ == 0) Perform(WM_SETREDRAW, 0);
}

void TExStringGrid::StartUpdate() { ++p->FUpdateCount; }

void TExStringGrid::EndUpdate() {
    if (p->FUpdateCount > 0) --p->FUpdateCount;
    if (FDestroying || p->FUpdateCount > 0) return;
    p->FSelChange = false;
    Perform(WM_SETREDRAW, 1);
    TBaseGrid::Invalidate();
}

void TExStringGrid::ResetUpdate() { p->FUpdateCount = 0; }

bool TExStringGrid::LockUpdate() const { return p->FUpdateCount > 0; }

void TExStringGrid::SetLockUpdate(bool Value) {
    if (Value) BeginUpdate();
    else EndUpdate();
}

void TExStringGrid::StretchColumn(int Index) {
    if (IsLoading() || FDestroying || (Application && Application->Terminated())) return;
    if (Index == -1) Index = ColCount() - 1;
    if (Index >= ColCount()) throw Exception(QStringLiteral("Stretch column index out of range"));
    if (ColCount() == 0 || Index < 0 || !p->ColumnSize->Stretch() || p->FIsColChanging) return;
    p->FIsColChanging = true;
    p->ColchgFlg = false;
    if (ColCount() == 1) {
        SetColWidths(Index, ClientRect().Right);
    } else {
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != Index) others += ColWidths(c);
        if (others < ClientWidth()) SetColWidths(Index, ClientWidth() - others - 1);
        else if (LeftCol() == FixedCols()) SetColWidths(Index, DefaultColWidth());
    }
    p->ColchgFlg = true;
    p->FIsColChanging = false;
}

void TExStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier) {
    auto& list = p->FNotifierList;
    if (ANotifier && std::find(list.begin(), list.end(), ANotifier) == list.end()) list.push_back(ANotifier);
}

void TExStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
    auto& list = p->FNotifierList;
    list.erase(std::remove(list.begin(), list.end(), ANotifier), list.end());
}

void TExStringGrid::InitOrigColSizes() {
    TIntList& sizes = *p->FOrigColSizes;
    sizes.Clear();
    for (int c = 0; c < ColCount(); ++c) sizes.Add(ColWidths(c));
    p->FOldSize = Width();
}

void TExStringGrid::RegisterSelListener(ITExStringGridSelect* AListener) { p->FISelect = AListener; }

void TExStringGrid::UnRegisterSelListener(ITExStringGridSelect*) { p->FISelect = nullptr; }

bool TExStringGrid::IsSizingPosition(int X, int Y) {
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0) return false;
    const TRect r = CellRect(cell.X, cell.Y);
    if (cell.Y <= FixedRows() && (Options() & goColSizing) && (X - r.Left < 4 || r.Right - X < 4)) return true;
    return cell.X <= FixedCols() && (Options() & goRowSizing) && (Y - r.Top < 4 || r.Bottom - Y < 4);
}

// The other normal sizes follow the one the user changed, by the same factor.
static void scaleOthers(int Count, int First, int Sized, double Factor, const std::function<int(int)>& Get,
                        const std::function<void(int, int)>& Set) {
    for (int i = First; i < Count; ++i)
        if (i != Sized) Set(i, static_cast<int>(std::nearbyint(Get(i) * Factor)));
}

void TExStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
    if (!Parent() || IsLoading() || (Application && Application->Terminated())) return;
    if (p->ColumnSize->Stretch()) StretchColumn(p->ColumnSize->StretchColumn);
}

void TExStringGrid::CalcSizingState(int X, int Y, TGridState& State) {
    int col = -1, row = -1;
    MouseToCell(X - 6, Y, col, row);
    if (OnColumnSize && row >= 0 && row < FixedRows() && col >= 0) {
        bool allow = true;
        OnColumnSize(this, col, allow);
        if (!allow) {
            State = gsNormal;
            p->FSizeFixed = false;
        }
    }
    MouseToCell(X, Y - 6, col, row);
    if (OnRowSize && col >= 0 && col < FixedCols() && row >= 0) {
        bool allow = true;
        OnRowSize(this, row, allow);
        if (!allow) State = gsNormal;
    }
}

void TExStringGrid::ColWidthsChanged() {
    if (p->ColchgFlg && p->ColumnSize->Stretch()) StretchColumn(p->ColumnSize->StretchColumn);
    const int sized = p->Colclicked;
    if (p->ColSized && sized >= 0 && sized < ColCount()) {
        // Cleared first: the widths set here are no user sizing.
        p->ColSized = false;
        if (p->MouseActions->AllColumnSize && p->Colclickedsize > 0) {
            const bool reacting = p->ColchgFlg;
            p->ColchgFlg = false;
            scaleOthers(ColCount(), FixedCols(), sized, static_cast<double>(ColWidths(sized)) / p->Colclickedsize,
                        [this](int c) { return ColWidths(c); }, [this](int c, int w) { SetColWidths(c, w); });
            p->ColchgFlg = reacting;
        }
        OnEndColumnSize(this, sized);
        int width = ColWidths(sized);
        UpdateColumnSize(sized, width);
        if (width != ColWidths(sized)) SetColWidths(sized, width);
        p->Colclicked = p->Rowclicked = -1;
    }
    // What stands on the cells follows their new places.
    if (p->EditMode && p->EditCtrl && p->EditCtrl->Visible()) {
        const TRect r = CellRect(Col(), Row());
        p->EditCtrl->SetBounds(r.Left, r.Top, r.Right - 1 - r.Left, r.Bottom - 1 - r.Top);
    }
    p->ColSized = false;
    if (HasCheckBox(RealCol(), Row())) TBaseGrid::HideEditor();
    if (p->FFooterPanel && p->FloatingFooter->Visible) p->FFooterPanel->Invalidate();
    CellControlsUpdate(false);
    if (p->ColumnSize->Stretch() && ScrollProportional) UpdateVScrollProportional();
}

void TExStringGrid::RowHeightsChanged() {
    const int sized = p->Rowclicked;
    if (p->Rowsized && sized >= 0 && sized < RowCount()) {
        p->Rowsized = false;
        if (p->MouseActions->AllRowSize && p->Rowclickedsize > 0)
            scaleOthers(RowCount(), FixedRows(), sized, static_cast<double>(RowHeights(sized)) / p->Rowclickedsize,
                        [this](int r) { return RowHeights(r); }, [this](int r, int h) { SetRowHeights(r, h); });
        OnEndRowSize(this, sized);
        p->Colclicked = p->Rowclicked = -1;
    }
    p->Rowsized = false;
    if (HasCheckBox(RealCol(), Row())) TBaseGrid::HideEditor();
    CellControlsUpdate(false);
}
