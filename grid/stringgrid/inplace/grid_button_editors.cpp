#include "grid/stringgrid/inplace/grid_button_editors.h"

#include "grid/stringgrid/inplace/typing_filter.h"
#include "grid/stringgrid/inplace/editor_tab.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/message_beep.h"
#include "platform/system/regional.h"

namespace {

bool leavingKey(uint16_t Key) {
    switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_UP: case VK_DOWN: return true;
    default: return false;
    }
}

// The text kind whose typing rule an editor kind follows; edNone types nothing, edNormal
// everything.
TEditorType typingKind(TEditorType Kind) {
    switch (Kind) {
    case edEditBtn: case edMaskEditBtn: case edUnitEditBtn: return edNormal;
    case edNumericEditBtn: case edNumericUnitEditBtn: return edNumeric;
    case edFloatEditBtn: case edFloatUnitEditBtn: return edFloat;
    default: return edNone;
    }
}

// Whether the character typed into an editor of the grid's current kind reaches the edit.
bool typed(TExStringGrid& Grid, TCustomEdit& Edit, QChar& Key) {
    const TEditorType kind = typingKind(Grid.EditControl());
    if (kind == edNone) return false;
    if (kind == edNormal) return true;
    const TTypedEdit edit{Edit.Text(), Edit.SelStart(), Edit.SelLength(), false};
    const TTypingRules rules{Grid.ValidChars, Grid.ValidCharSet, FormatSettings.DecimalSeparator,
                             FormatSettings.ThousandSeparator};
    switch (FilterTypedChar(kind, Key, edit, rules)) {
    case tyBeep: MessageBeep(0); return false;
    case tyDrop: return false;
    case tyType: return true;
    }
    return false;
}

}  // namespace

// ---- TGridEditBtn

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TAsgEditBtn(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

void TGridEditBtn::ClickButton(TObject* Sender) {
    TAsgEditBtn::ClickButton(Sender);
    if (!FGrid) return;
    QString s = Text();
    FGrid->DoEllipsClick(FGrid->RealCol(), FGrid->Row(), s);
    SetText(s);
    SelectAll();
    Invalidate();
    if (StopEditAfterClick) {
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
    }
}

bool TGridEditBtn::validate() {
    TExStringGrid& grid = *FGrid;
    grid.SetCurrentCell(Text());
    const bool valid = grid.ValidateCell(Text());
    SetText(grid.Private().FNewCellText);
    return valid;
}

void TGridEditBtn::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!FGrid) {
        TAsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    TExStringGrid& grid = *FGrid;
    const bool leaving = leavingKey(Key);
    if (!leaving) grid.OnKeyDown(&grid, Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    if ((Shift & ssCtrl) || !leaving) {
        TAsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    OnKeyDown(this, Key, Shift);
    const TEditorType kind = grid.EditControl();
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!validate()) {
            SelectAll();
            Invalidate();
            Key = 0;
            grid.Private().EditControl = kind;
            return;
        }
    }
    if (Key == VK_TAB && grid.WantsTabFromEditor()) {
        // The edit was ended by the first validation: this one accepts at once.
        validate();
        if (HandTabToGrid(grid, Shift)) return;
    }
    if (Key == VK_ESCAPE) SetText(grid.Private().FCellCache);
    grid.DoneInplaceEdit(Key, Shift);
}

void TGridEditBtn::KeyUp(uint16_t& Key, TShiftState Shift) {
    if (!FGrid) {
        TAsgEditBtn::KeyUp(Key, Shift);
        return;
    }
    FGrid->OnKeyUp(FGrid, Key, Shift);
    const bool plain = !(Shift & (ssShift | ssCtrl | ssAlt)) && SelLength() == 0;
    const bool left = Key == VK_LEFT && FSelKeyDown == 0;
    const bool right = Key == VK_RIGHT && SelStart() == Text().size();
    if (plain && (left || right) && FGrid->Navigation().CursorWalkEditor) {
        Key = 0;
        WalkFromEditor(*FGrid, right, Text());
        return;
    }
    if (Key != VK_RETURN) TAsgEditBtn::KeyUp(Key, Shift);
    complete();
}

// The clipboard's text replaces the selection or goes in at the caret, as the grid's paste
// events allow, without a length limit or a check by kind.
void TGridEditBtn::paste() {
    TExStringGrid& grid = *FGrid;
    QString pasted;
    if (!TextToPaste(grid, this, pasted)) return;
    pasted = StripFinalLineBreak(pasted);
    QString text = Text();
    const int start = SelStart();
    const bool selection = SelLength() > 0;
    text.replace(start, SelLength(), pasted);
    SetText(text);
    grid.SetCurrentEditText(Text());
    SetSelStart(selection ? start : start + static_cast<int>(pasted.size()));
    SetSelLength(selection ? static_cast<int>(pasted.size()) : 0);
}

void TGridEditBtn::complete() {
    if (!WorkMode || !FGrid->Lookup || SelLength() > 0) return;
    const QString prefix = Text().left(SelStart());
    if (prefix.isEmpty()) return;
    QString completed;
    if (FindCompletion(FGrid->LookupItems().ToStringList(), prefix, FGrid->LookupCaseSensitive, completed) < 0) return;
    SetText(completed);
    SetSelStart(static_cast<int>(prefix.size()));
    SetSelLength(static_cast<int>(completed.size() - prefix.size()));
}

void TGridEditBtn::KeyPress(QChar& Key) {
    if (!FGrid) {
        TAsgEditBtn::KeyPress(Key);
        return;
    }
    FGrid->OnKeyPress(FGrid, Key);
    if (Key == QChar('\t') || Key == QChar('\r') || !typed(*FGrid, *this, Key)) {
        Key = QChar();
        return;
    }
    TAsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::Change() {
    TAsgEditBtn::Change();
    if (FGrid && FGrid->EditCtrl() == this) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridEditBtn::DblClick() {
    TAsgEditBtn::DblClick();
    if (FGrid) FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::DoExit() {
    if (FGrid) FGrid->HideInplaceEdit();
    TAsgEditBtn::DoExit();
}

void TGridEditBtn::WndProc(TMessage& m) {
    if (FGrid && m.Msg == WM_PASTE) {
        if (EditorEnabled && !ReadOnly) paste();
        return;
    }
    if (FGrid && m.Msg == WM_GETDLGCODE) {
        TAsgEditBtn::WndProc(m);
        ClaimEditorKeys(m, FGrid->WantsTabFromEditor());
        return;
    }
    TAsgEditBtn::WndProc(m);
}

// ---- TGridUnitEditBtn

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner)
    : TAsgUnitEditBtn(AOwner), FGrid(dynamic_cast<TExStringGrid*>(AOwner)) {
    OnUnitChanged = [this](TObject*, const QString& NewUnit) {
        if (FGrid) FGrid->OnUnitChanged(FGrid, FGrid->RealCol(), FGrid->Row(), NewUnit);
    };
}

void TGridUnitEditBtn::ClickButton(TObject* Sender) {
    if (!FGrid) {
        TAsgUnitEditBtn::ClickButton(Sender);
        return;
    }
    QString s = Text();
    FGrid->DoEllipsClick(FGrid->RealCol(), FGrid->Row(), s);
    SetText(s);
    SelectAll();
    Invalidate();
}

void TGridUnitEditBtn::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!FGrid || !leavingKey(Key)) {
        TAsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    TExStringGrid& grid = *FGrid;
    TNavigation& nav = grid.Navigation();
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        grid.SetCurrentCell(TextAndUnit());
        if (!grid.ValidateCell(TextAndUnit())) {
            SetText(grid.GetCurrentCell());
            return;
        }
        SetTextAndUnit(grid.GetCurrentCell());
    }
    if (Key == VK_RETURN && nav.AdvanceOnEnter) {
        grid.HideInplaceEdit();
        grid.SetFocus();
        Key = 0;
        grid.AdvanceCell(grid.Col(), grid.Row(), true, false, true, true, false);
        return;
    }
    if (Key == VK_TAB && (grid.Options() & goTabs)) {
        grid.HideInplaceEdit();
        grid.SetFocus();
        grid.TabNavigate(Shift & ssShift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetUnitID(QString());
        SetText(grid.GetCurrentCell());
    }
    grid.DoneInplaceEdit(Key, Shift);
}

void TGridUnitEditBtn::KeyPress(QChar& Key) {
    if (!FGrid) {
        TAsgUnitEditBtn::KeyPress(Key);
        return;
    }
    if (Key == QChar('\r') || (Key != QChar('\t') && !typed(*FGrid, *this, Key))) {
        Key = QChar();
        return;
    }
    TAsgUnitEditBtn::KeyPress(Key);
}

void TGridUnitEditBtn::DoExit() {
    if (FGrid) FGrid->HideInplaceEdit();
    TAsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::WndProc(TMessage& m) {
    if (FGrid && m.Msg == WM_GETDLGCODE) {
        TAsgUnitEditBtn::WndProc(m);
        ClaimEditorKeys(m, FGrid->Options() & goTabs);
        return;
    }
    TAsgUnitEditBtn::WndProc(m);
}
