// One Tab step of the string grid, from the grid's own keys and from every in-place editor.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/messages/message_loop.h"

namespace {

// Sets a flag for the length of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }

private:
    bool& flag_;
};

} // namespace

bool TExStringGrid::TabNavigate(bool Backward) {
    // A grid without any cell to stop on would step forever: one step per cell at most.
    const int bound = std::max(1, ColCount() * RowCount());
    bool result = true;
    for (int step = 0; step < bound; ++step) {
        bool again = false;
        result = tabStep(Backward, again);
        if (!again) break;
    }
    p->FLastTabCol = -1;
    p->FLastTabRow = -1;
    return result;
}

// One move of the Tab step; Again asks for a further move in the same direction.
bool TExStringGrid::tabStep(bool Backward, bool& Again) {
    TNavigation& nav = *p->Navigation;
    if (OnKeyDown) {
        uint16_t key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState(ssShift) : TShiftState(0));
        if (key != VK_TAB) return true;
    }
    if (Col() == p->FLastTabCol && Row() == p->FLastTabRow) return true;
    p->FLastTabCol = Col();
    p->FLastTabRow = Row();

    bool result = true;
    const int lastNormalRow = RowCount() - FixedFooters() - 1;
    const int visibleFixedRight = FixedRightCols();
    const int lastCol = ColCount() - visibleFixedRight - 1;
    const int firstNormal = FirstNormalCol();
    auto single = [&](int c, int r) {
        if (c >= 0) SetSelection({c, r, c, r});
    };
    auto handToParent = [&] {
        if (Parent() && nav.TabToNextAtEnd) {
            PostMessage(Parent(), WM_KEYDOWN, VK_TAB, 0);
            result = false;
        }
    };
    auto toBase = [&] {
        const TPoint b = BaseCell(RealCol(), Row());
        if (b.X != RealCol() || b.Y != Row()) FocusCell(RealToDisplCol(b.X), b.Y);
    };

    const int col = Col(), row = Row();
    if (Backward && nav.TabAdvanceDirection != adLeftRight) {
        if (row > FixedRows()) {
            SetRow(row - 1);
        } else {
            FocusCell(col > firstNormal ? col - 1 : lastCol, lastNormalRow);
        }
    } else if (Backward && col > firstNormal) {
        int found = -1;
        for (int c = col - 1; c >= firstNormal; --c)
            if (CanTabToCell(c, row) && IsBaseCell(RealColIndex(c), row)) {
                found = c;
                break;
            }
        if (found >= 0) {
            SetCol(found);
        } else if (row > FixedRows()) {
            single(LastTabCellInRow(row - 1), row - 1);
        } else {
            const int c = LastTabCellInRow(lastNormalRow);
            single(c, lastNormalRow);
            if (c >= 0) ScrollInView(c, lastNormalRow);
        }
        toBase();
    } else if (Backward) {
        int found = FixedCols();
        for (int c = lastCol; c >= FixedCols(); --c)
            if (CanTabToCell(c, row)) {
                found = c;
                break;
            }
        FocusCell(found, row > FixedRows() ? row - 1 : lastNormalRow);
    } else if (nav.TabAdvanceDirection != adLeftRight) {
        const int span = CellSpan(RealCol(), row).Y;
        if (row + span + 1 < RowCount() - FixedFooters()) {
            SetRow(row + span + 1);
        } else {
            WrapToFirstRow();
            if (col < lastCol) {
                SetCol(col + 1);
            } else {
                SetCol(firstNormal);
                handToParent();
            }
        }
    } else {
        const int span = CellSpan(RealCol(), row).X;
        if (col + span + 1 < ColCount() - visibleFixedRight) {
            int found = -1;
            for (int c = col + span + 1; c < ColCount() - visibleFixedRight; ++c)
                if (CanTabToCell(c, row)) {
                    found = c;
                    break;
                }
            if (found >= 0) {
                if (CanTabToCell(found, row)) SetCol(found);
                else if (row + 1 < RowCount()) single(FirstTabCellInRow(row + 1), row + 1);
                else single(FirstTabCellInRow(FixedRows()), FixedRows());
                if (!IsBaseCell(RealCol(), Row())) Again = true;
            } else if (row < lastNormalRow) {
                FlagScope forced(p->FForceSel);
                const int target = FirstTabCellInRow(row + 1);
                bool allow = true;
                OnRowChanging(this, row, row + 1, allow);
                OnCellChanging(this, row, col, row + 1, target, allow);
                OnColChanging(this, col, target, allow);
                if (allow) FocusCell(target < 0 ? FixedCols() : target, row + 1);
            } else {
                FlagScope forced(p->FForceSel);
                single(FirstTabCellInRow(FixedRows()), FixedRows());
                handToParent();
            }
        } else if (row < lastNormalRow) {
            tabToNextRow(row);
            if (Col() == ColCount() - 1 && Row() == RowCount() - 1) Again = true;
        } else {
            tabPastLastRow();
            const int first = FirstTabCellInRow(Row());
            if (first >= 0) SetCol(first);
            handToParent();
        }
    }

    if (!Again && (Options() & goEditing) && !IsEditable(Col(), Row()) && (Col() != col || Row() != row))
        Again = true;
    if (Again) return result;
    if (nav.AdvanceAutoEdit && !IsControlCell(RealCol(), Row()) && IsEditable(Col(), Row())) ShowInplaceEdit();
    if (nav.AlwaysEdit && CanFocus()) SetFocus();
    return result;
}

// From the last column: the first cell of the next row that can take the Tab, or of a later one.
void TExStringGrid::tabToNextRow(int ARow) {
    for (int c = FirstNormalCol(); c < ColCount(); ++c)
        if (IsBaseCell(RealColIndex(c), ARow + 1) && CanTabToCell(c, ARow + 1)) {
            FlagScope forced(p->FForceSel);
            FocusCell(c, ARow + 1);
            return;
        }
    for (int r = ARow + 2; r < RowCount(); ++r) {
        const int c = FirstTabCellInRow(r);
        if (c >= 0) {
            FocusCell(c, r);
            return;
        }
    }
    FocusCell(ColCount() - 1, RowCount() - 1);
}

// From the last cell: back to the first row, or a new row with AdvanceInsert.
void TExStringGrid::tabPastLastRow() {
    const TNavigation& nav = *p->Navigation;
    if (nav.TabToNextAtEnd || !nav.AdvanceInsert()) {
        WrapToFirstRow();
        return;
    }
    bool allow = true;
    DoCanAddRow(allow);
    if (!allow) {
        WrapToFirstRow();
        return;
    }
    if (p->FloatingFooter->Visible) {
        InsertRows(RowCount() - 1, 1, true);
        SetRow(RowCount() - 2);
    } else {
        SetRowCount(RowCount() + 1);
        SetRow(RowCount() - 1);
    }
    OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
}
