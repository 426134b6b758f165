// An edited value becomes the cell's value only once validated; a refused one reopens the
// editor on its cell.
#include "grid/foundation/cell_checker.h"
#include "grid/foundation/grid_undo.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/navigation/invalid_entry_balloon.h"
#include "platform/controls/inplace_edit.h"

namespace {

// Runs the snapshot of the now current cell and ends the validation, also when a handler raises.
class ValidationScope {
public:
    explicit ValidationScope(TExStringGrid& Grid, bool& Validating) : grid_(Grid), validating_(Validating) {
        validating_ = true;
    }
    ~ValidationScope() {
        grid_.SaveCellState(grid_.Col(), grid_.Row());
        validating_ = false;
    }
    ValidationScope(const ValidationScope&) = delete;
    ValidationScope& operator=(const ValidationScope&) = delete;

private:
    TExStringGrid& grid_;
    bool& validating_;
};

// Keeps AdvanceOnEnter off while the validation event runs.
class AdvanceOffScope {
public:
    explicit AdvanceOffScope(TNavigation& Nav) : nav_(Nav), old_(Nav.AdvanceOnEnter) { nav_.AdvanceOnEnter = false; }
    ~AdvanceOffScope() { nav_.AdvanceOnEnter = old_; }
    AdvanceOffScope(const AdvanceOffScope&) = delete;
    AdvanceOffScope& operator=(const AdvanceOffScope&) = delete;

private:
    TNavigation& nav_;
    bool old_;
};

}  // namespace

// The refused value's cell gets Text, the current cell goes back to the edited cell and the
// edit goes on there: an editor still open stays open with what was typed (hiding it would
// commit the refused text), a closed one opens again showing Text.
static void reopenOnRefusal(TExStringGrid& Grid, TExStringGridPrivate& p, int ACol, int ARow, const QString& Text,
                            const std::function<void(int, int, const QString&)>& Store) {
    Store(ACol, ARow, Text);
    if (Grid.Col() != p.FOldCol || Grid.Row() != p.FOldRow) Grid.FocusCell(p.FOldCol, p.FOldRow);
    p.FValidating = false;
    TInplaceEdit* textEditor = Grid.InplaceEditor();
    const bool textOpen = textEditor && textEditor->Visible();
    const bool controlOpen = p.EditMode && p.EditCtrl && p.EditCtrl->Visible();
    if (!textOpen && !controlOpen) {
        // The editor opens only on a focused grid; the control being left may hold the focus.
        if (!Grid.Focused()) Grid.SetFocus();
        p.FEditing = true;
        Grid.ShowInplaceEdit();
    }
    p.FEditing = true;
}

bool TExStringGrid::ValidateCell(const QString& NewValue) {
    if (!p->FEditing || p->FValidating) return true;
    p->FEditing = false;
    bool valid = true;
    {
        ValidationScope scope(*this, p->FValidating);
        const int acol = RealColIndex(p->FOldCol), arow = p->FOldRow;
        p->FNewCellText = NewValue;
        if (NewValue != p->FOldCellText || AlwaysValidate) {
            const bool changed = NewValue != p->FOldCellText;
            QString value = NewValue;
            {
                AdvanceOffScope advanceOff(*p->Navigation);
                if (p->CellChecker && p->CellChecker->AutoCorrect) value = p->CellChecker->Correct(acol, arow, value);
                OnCellValidate(this, acol, arow, value, valid);
                if (value != p->FOldCellText) {
                    Modified = true;
                    if (FixedCols() > 0) SetRowModified(RealRowIndex(arow), true);
                }
                if (valid) ColumnChanged(acol);
                if (p->CellChecker && p->CellChecker->AutoMarkError) value = p->CellChecker->MarkError(acol, arow, value);
                if (valid && UndoRedo()) UndoRedo()->RegisterChange(acol, arow, p->FOldCellText, value);
                if (valid && changed) CellsChanged(TRect{acol, arow, acol, arow});
            }
            p->FNewCellText = value;
            if (valid) {
                SetCells(acol, arow, value);
                if (IsMergedNonBaseCell(acol, arow)) {
                    const TPoint base = BaseCell(acol, arow);
                    SetCells(base.X, base.Y, value);
                }
            } else {
                p->FLastValidation = false;
                const bool oldModified = p->FOldModifiedValue;
                const QString shown = value != NewValue ? value : p->FOldCellText;
                reopenOnRefusal(*this, *p, acol, arow, shown,
                                [this](int c, int r, const QString& s) { SetCells(c, r, s); });
                Modified = oldModified;
                ShowInvalidEntryBalloon(*this);
            }
            p->FOldCellText = GetGridCell(acol, arow);
        }
    }
    if (valid) HideFocusWindow();
    return valid;
}

bool TExStringGrid::ValidateCellWide(const QString& NewValue) {
    if (!p->FEditing || p->FValidating) return true;
    p->FEditing = false;
    bool valid = true;
    ValidationScope scope(*this, p->FValidating);
    const int acol = RealColIndex(p->FOldCol), arow = p->FOldRow;
    if (NewValue == p->FOldCellTextWide && !AlwaysValidate) return true;
    const bool changed = NewValue != p->FOldCellTextWide;
    QString value = NewValue;
    {
        AdvanceOffScope advanceOff(*p->Navigation);
        ColumnChanged(acol);
        OnCellValidateWide(this, acol, arow, value, valid);
        if (changed) {
            Modified = true;
            if (p->ShowModified->Enabled && FixedCols() > 0) SetRowModified(RealRowIndex(arow), true);
        }
        if (valid && changed) CellsChanged(TRect{acol, arow, acol, arow});
    }
    if (valid) {
        SetWideCells(acol, arow, value);
    } else {
        const QString shown = value != NewValue ? value : p->FOldCellTextWide;
        reopenOnRefusal(*this, *p, acol, arow, shown,
                        [this](int c, int r, const QString& s) { SetWideCells(c, r, s); });
    }
    p->FOldCellTextWide = WideCells(acol, arow);
    return valid;
}

void TExStringGrid::SaveCellState(int ACol, int ARow) {
    p->FOldCol = ACol;
    p->FOldRow = ARow;
    const int realCol = RealColIndex(ACol);
    p->FOldCellText = GetGridCell(realCol, ARow);
    p->FOldCellTextWide = WideCells(realCol, ARow);
    p->FOldModifiedValue = Modified;
}
