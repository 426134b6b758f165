#include "grid/stringgrid/inplace/ex_inplace_edit.h"

#include "grid/foundation/codings.h"
#include "grid/foundation/text_routines.h"
#include "grid/stringgrid/inplace/editor_tab.h"
#include "grid/stringgrid/inplace/typing_filter.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/keyboard.h"
#include "platform/controls/message_beep.h"
#include "platform/graphics/canvas.h"
#include "platform/system/regional.h"

#include <algorithm>

namespace {

constexpr QChar kEnter(13);
const QString kLineBreak = QStringLiteral("\r\n");

bool ctrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// Runs F with the grid's column synchronisation off, as sizing a row while typing must.
template <class F>
void withoutColumnSynch(TExStringGrid& grid, F&& f) {
    TColumnSize& size = grid.ColumnSize();
    const bool synch = size.SynchWithGrid;
    size.SynchWithGrid = false;
    f();
    size.SynchWithGrid = synch;
}

}  // namespace

TExInplaceEdit::TExInplaceEdit(TComponent* AOwner)
    : TInplaceEdit(AOwner), FInplaceGrid(dynamic_cast<TExStringGrid*>(AOwner)) {}

void TExInplaceEdit::SetVAlign(bool Value) {
    if (FValign == Value) return;
    FValign = Value;
    if (Visible()) BoundsChanged();
}

int TExInplaceEdit::lineOf(int Pos) const {
    return static_cast<int>(Text().left(Pos).count(QChar('\n')));
}

int TExInplaceEdit::lineCount() const { return static_cast<int>(Text().count(QChar('\n'))) + 1; }

void TExInplaceEdit::CreateWnd() {
    if (auto* grid = dynamic_cast<TExStringGrid*>(Parent())) FInplaceGrid = grid;
    TInplaceEdit::CreateWnd();
    GotKey_ = false;
    Workmode = true;
    if (!FInplaceGrid) return;
    SetWordWrap(FInplaceGrid->WordWrap);
    FLengthLimit = static_cast<int16_t>(FInplaceGrid->GetEditLimit());
}

void TExInplaceEdit::UpdateContents() {
    if (!FInplaceGrid) return;
    TExStringGrid& grid = *FInplaceGrid;
    grid.Private().FNoEditChange = true;
    // The mask first: the text loaded next takes its shape.
    SetEditMask(grid.GetEditMask(grid.RealColIndex(grid.Col()), grid.Row()));
    // The kind may differ from the last edit's: a password cell hides its characters.
    SetPasswordChar(grid.Private().EditControl == edPassword ? grid.PasswordChar : QChar());
    TInplaceEdit::UpdateContents();
    TGridDrawState state = 0;
    TBrush brush;
    brush.Color = grid.Color();
    TFont font;
    font.Assign(grid.Font());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd{};
    grid.GetVisualProperties(grid.Col(), grid.Row(), state, false, false, true, brush, colorTo, mirror, mirrorTo,
                             font, ha, va, ww, gd);
    SetColor(brush.Color);
    Font().Assign(font);
    SetAlignment(ha);
    FColE = grid.Col();
    FRowE = grid.Row();
    grid.DoGetEditorProp(grid.RealColIndex(FColE), FRowE, nullptr);
}

void TExInplaceEdit::BoundsChanged() {
    if (!FInplaceGrid) return;
    const TRect r = FInplaceGrid->CellRect(FInplaceGrid->Col(), FInplaceGrid->Row());
    SetBounds(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
    TRect text{3, 3, Width() - 2, Height()};
    // A vertically centred cell edits its line in the middle, where the cell shows it.
    if (FValign) {
        TBitmap measure(1, 1);
        measure.Canvas().Font.Assign(Font());
        text.Top = std::max(text.Top, (Height() - measure.Canvas().TextHeight("Wg")) / 2);
    }
    Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&text));
}

void TExInplaceEdit::Change() {
    TInplaceEdit::Change();
    if (!FInplaceGrid || FInplaceGrid->Private().FNoEditChange) return;
    FInplaceGrid->OnEditChange(FInplaceGrid, FInplaceGrid->Col(), FInplaceGrid->Row(), MaskedText());
}

void TExInplaceEdit::DblClick() {
    TInplaceEdit::DblClick();
    if (FInplaceGrid) FInplaceGrid->OnDblClickCell(FInplaceGrid, FInplaceGrid->Row(), FInplaceGrid->Col());
}

void TExInplaceEdit::WndProc(TMessage& m) {
    if (!FInplaceGrid) {
        TInplaceEdit::WndProc(m);
        return;
    }
    TExStringGrid& grid = *FInplaceGrid;
    switch (m.Msg) {
    case WM_KEYDOWN: {
        bool moved = false;
        if (!wmKeyDown(m, moved)) return;
        TInplaceEdit::WndProc(m);
        if (moved && grid.MouseActions().DisjunctRowSelect()) {
            grid.ClearRowSelect();
            grid.SetRowSelect(grid.Row(), true);
        }
        return;
    }
    case WM_CHAR:
        if (wmChar(m)) return;
        break;
    case WM_PASTE:
        wmPaste();
        return;
    case WM_COPY:
    case WM_CUT: {
        bool allow = true;
        if (m.Msg == WM_COPY) grid.OnClipboardCopy(this, allow);
        else grid.OnClipboardCut(this, allow);
        if (!allow) return;
        break;
    }
    case WM_GETDLGCODE:
        // Enter and Escape stay with the editor; Tab when the grid takes it from editors.
        if (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE) m.Result = 1;
        else if (m.WParam == VK_TAB) m.Result = grid.WantsTabFromEditor() ? 1 : 0;
        else m.Result = 0;
        return;
    case WM_SETFOCUS:
        TInplaceEdit::WndProc(m);
        wmSetFocus();
        return;
    case WM_KILLFOCUS:
        wmKillFocus(m);
        return;
    case WM_KEYUP:
        TInplaceEdit::WndProc(m);
        if (SelStart() > 0) grid.EditorKeyUp(Text(), TPoint{SelStart() - 1, 0}, SelStart());
        grid.EditorFormulaState(Text().startsWith(QChar('=')));
        return;
    case WM_SYSKEYDOWN:
        if (m.WParam == VK_BACK) FAltBack = true;
        break;
    case WM_SYSKEYUP:
        if (m.WParam == VK_BACK) FAltBack = false;
        break;
    default:
        break;
    }
    TInplaceEdit::WndProc(m);
}

void TExInplaceEdit::refused(bool Repaint, const QString& OldCellText) {
    TExStringGridPrivate& p = FInplaceGrid->Private();
    SetText(p.FNewCellText);
    if (FInplaceGrid->Navigation().EditSelectAll) SelectAll();
    else SetSelStart(TextEnd());
    if (Repaint) Invalidate();
    p.FOldCellText = OldCellText;
}

bool TExInplaceEdit::storeAndValidate(TMessage& m, const QString& OldCellText) {
    TExStringGrid& grid = *FInplaceGrid;
    TExStringGridPrivate& p = grid.Private();
    p.FValidating = true;
    grid.SetCurrentCell(MaskedText());
    p.FValidating = false;
    if (grid.ValidateCell(MaskedText())) return true;
    refused(true, OldCellText);
    m.Result = 1;
    return false;
}

bool TExInplaceEdit::wmKeyDown(TMessage& m, bool& moved) {
    TExStringGrid& grid = *FInplaceGrid;
    TExStringGridPrivate& p = grid.Private();
    TNavigation& nav = grid.Navigation();
    const uint16_t key = static_cast<uint16_t>(m.WParam);
    const TShiftState shift = static_cast<TShiftState>(m.LParam);
    const bool ctrl = shift & ssCtrl;
    const int length = static_cast<int>(Text().size());
    grid.EditorWMKeyDown(m);
    FOldSelStart = SelStart();
    moved = false;
    if (key == VK_ESCAPE) {
        SetText(p.FCellCache);
        grid.HideInplaceEdit();
    }
    if (key == 'A' && ctrl && !(shift & ssAlt)) {
        SelectAll();
        m.Result = 1;
        return false;
    }
    const bool multiLine = grid.WordWrap || grid.Multilinecells;
    if (key == VK_RETURN && ctrl && !(nav.AllowCtrlEnter && multiLine)) {
        m.Result = 1;
        return false;
    }
    const QString oldCellText = p.FOldCellText;
    if (key == VK_TAB && grid.WantsTabFromEditor()) {
        if (!grid.ValidateCell(MaskedText())) {
            refused(false, oldCellText);
            m.Result = 1;
            return false;
        }
        grid.HideInplaceEdit();
        if (grid.Options() & goTabs) {
            m.Result = 1;
            grid.TabNavigate(shift & ssShift);
        } else {
            PostMessage(&grid, WM_KEYDOWN, VK_TAB, shift);
        }
        return false;
    }
    const bool atStart = key == VK_LEFT && SelStart() == 0;
    const bool atEnd = key == VK_RIGHT && SelStart() == length;
    if ((atStart || atEnd) && (shift & ssShift) && nav.CursorWalkEditor) {
        if (!storeAndValidate(m, oldCellText)) return false;
        grid.HideInplaceEdit();
        grid.SetFocus();
        return false;
    }
    const bool upOut = key == VK_UP && lineOf(SelStart()) == 0;
    const bool downOut = key == VK_DOWN && lineOf(SelStart()) == lineOf(length);
    if (upOut || downOut) {
        if (!storeAndValidate(m, oldCellText)) return false;
        moved = true;
    }
    if (key == VK_RETURN && !nav.LineFeedOnEnter && !ctrl) {
        if (!grid.ValidateCell(MaskedText())) {
            refused(false, oldCellText);
            m.Result = 1;
            return false;
        }
        // The validated value, which the handler may have changed, is what the closing editor
        // writes back.
        SetText(p.FNewCellText);
        // Enter goes on as the grid's character: it advances and closes or reopens the editor.
        enterToGrid();
        m.Result = 1;
        return false;
    }
    if (!ctrl && !(shift & ssShift)) {
        if (key == VK_HOME) SetSelStart(0);
        if (key == VK_END) SetSelStart(length);
    }
    if (key == VK_RETURN && ctrl && nav.LineFeedOnEnter) {
        ReplaceSel(kLineBreak);
        m.Result = 1;
        return false;
    }
    return true;
}

void TExInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    TExStringGrid& grid = *FInplaceGrid;
    TExStringGridPrivate& p = grid.Private();
    FSelKeyDown = SelStart();
    if (Key == VK_BACK || Key == VK_DELETE) Workmode = false;
    else if (Key != VK_RETURN && Key != VK_UP && Key != VK_DOWN) Workmode = true;
    if (Key == VK_RETURN) {
        if (!grid.Navigation().AllowCtrlEnter && (grid.WordWrap || grid.Multilinecells)) p.FEditing = false;
        if ((Shift & (ssCtrl | ssShift)) && grid.SizeWhileTyping().Height && grid.Multilinecells) {
            withoutColumnSynch(grid, [&] {
                const int row = grid.Row();
                const int lines = LineCount(Text() + kLineBreak + QStringLiteral(" "), grid.Multilinecells);
                if (lines < grid.GetMaxLinesInRow(row)) grid.AutoSizeRow(row, 0);
                else grid.SetRowHeightLines(row, lines, grid.GetTotalYOffset());
            });
            grid.OnEndRowSize(&grid, grid.Row());
        }
    }
    // Up and Down move the caret between the lines of a multi-line text.
    const int line = lineOf(SelStart());
    if ((Key == VK_UP && line > 0) || (Key == VK_DOWN && line < lineCount() - 1)) {
        const QString text = Text();
        const int lineStart = static_cast<int>(text.lastIndexOf(QChar('\n'), SelStart() - 1)) + 1;
        const int column = SelStart() - lineStart;
        int target = 0;
        if (Key == VK_UP) {
            const int prevStart = static_cast<int>(text.lastIndexOf(QChar('\n'), lineStart - 2)) + 1;
            target = std::min(prevStart + column, lineStart - 1 - (text.mid(lineStart - 2, 1) == QStringLiteral("\r")));
        } else {
            const int nextStart = static_cast<int>(text.indexOf(QChar('\n'), SelStart())) + 1;
            int nextEnd = static_cast<int>(text.indexOf(QChar('\n'), nextStart));
            if (nextEnd < 0) nextEnd = static_cast<int>(text.size());
            else if (nextEnd > nextStart && text.at(nextEnd - 1) == QChar('\r')) --nextEnd;
            target = std::min(nextStart + column, nextEnd);
        }
        SetSelStart(target);
        return;
    }
    grid.EditorKeyDown(Key, Shift);
    TInplaceEdit::KeyDown(Key, Shift);
}

bool TExInplaceEdit::walk(uint16_t& Key, TShiftState Shift) {
    TExStringGrid& grid = *FInplaceGrid;
    TNavigation& nav = grid.Navigation();
    const bool plain = !(Shift & (ssShift | ssCtrl | ssAlt)) && SelLength() == 0 && nav.CursorWalkEditor;
    const bool left = Key == VK_LEFT && plain && FSelKeyDown == 0 && SelStart() == 0;
    const bool right = Key == VK_RIGHT && plain && FOldSelStart == Text().size();
    if (!left && !right) return false;
    Key = 0;
    const int col = grid.Col(), row = grid.Row();
    if (left && col > grid.FixedCols() && grid.IsControlCell(grid.RealColIndex(col - 1), row)) {
        if (grid.ValidateCell(MaskedText())) {
            grid.HideInplaceEdit();
            grid.SetCol(col - 1);
        }
        return true;
    }
    const int target = col + grid.CellSpan(grid.RealColIndex(col), row).X + 1;
    if (right && col < grid.ColCount() - 1 - grid.FixedRightCols() &&
        grid.IsControlCell(grid.RealColIndex(target), row)) {
        if (grid.ValidateCell(MaskedText())) {
            grid.HideInplaceEdit();
            grid.SetCol(target);
        }
        return true;
    }
    if (left && grid.ValidateCell(MaskedText())) grid.HideInplaceEdit();
    const TAdvanceDirection direction = nav.AdvanceDirection();
    nav.SetAdvanceDirection(adLeftRight);
    grid.AdvanceCell(col, row, true, false, right, true, true);
    nav.SetAdvanceDirection(direction);
    if (nav.CursorWalkAlwaysEdit) {
        Key = VK_RETURN;
    } else {
        grid.HideInplaceEdit();
        Key = 0;
    }
    return true;
}

void TExInplaceEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
    TExStringGrid& grid = *FInplaceGrid;
    if (walk(Key, Shift)) return;
    if (Key == VK_LEFT || Key == VK_RIGHT) return;
    TInplaceEdit::KeyUp(Key, Shift);
    DoChange();
    if (grid.SizeWhileTyping().Width) grid.AutoSizeColWidth(grid.Col(), true);
    if (grid.SizeWhileTyping().Height && grid.WordWrap) {
        withoutColumnSynch(grid, [&] { grid.AutoSizeRow(grid.Row(), 0); });
        grid.OnEndRowSize(&grid, grid.Row());
    }
}

void TExInplaceEdit::enterToGrid() {
    TExStringGridPrivate& p = FInplaceGrid->Private();
    QChar enter = kEnter;
    p.FEnterFromEditor = true;
    FInplaceGrid->KeyPress(enter);
    p.FEnterFromEditor = false;
}

void TExInplaceEdit::KeyPress(QChar& Key) {
    TExStringGrid& grid = *FInplaceGrid;
    if (Key == kEnter && !grid.Navigation().LineFeedOnEnter && !grid.ValidateCell(MaskedText())) {
        SetText(grid.GetCurrentCell());
        Key = QChar();
        return;
    }
    TInplaceEdit::KeyPress(Key);
    // The mask is filled: no place of the value is blank and the caret has passed the last.
    const bool filled = IsMasked() && !MaskedText().contains(QChar(' ')) && SelStart() == Text().size();
    if (grid.Navigation().AdvanceAuto() && filled) enterToGrid();
}

bool TExInplaceEdit::wmChar(TMessage& m) {
    TExStringGrid& grid = *FInplaceGrid;
    TExStringGridPrivate& p = grid.Private();
    TNavigation& nav = grid.Navigation();
    QChar ch(static_cast<char16_t>(m.WParam));
    // The keypad's decimal key: bit 22 of the key data.
    if (ch == QChar('.') && (m.LParam & (intptr_t(1) << 22)) && grid.ExcelStyleDecimalSeparator)
        ch = FormatSettings.DecimalSeparator;
    if (ch == QChar(1)) return true;
    const bool multiLine = grid.WordWrap || grid.Multilinecells;
    if (ch == QChar(10) && ctrlDown() && !(nav.AllowCtrlEnter && multiLine)) return true;
    const bool editingKey = ch == QChar(8) || ch == QChar(27) || ch == kEnter;
    if (FLengthLimit > 0 && Text().size() >= FLengthLimit && SelLength() == 0 && !editingKey) return true;
    const TEditorType kind = p.EditControl;
    const bool lineKinds = kind == edNormal || kind == edCapital || kind == edMixedCase || kind == edLowerCase ||
                           kind == edUpperCase || kind == edValidChars;
    if (lineKinds && ch == kEnter && nav.LineFeedOnEnter) {
        ReplaceSel(kLineBreak);
        return true;
    }
    const TTypedEdit edit{Text(), SelStart(), SelLength(), ctrlDown()};
    TTypingRules rules{grid.ValidChars, grid.ValidCharSet, FormatSettings.DecimalSeparator,
                       FormatSettings.ThousandSeparator};
    switch (FilterTypedChar(kind, ch, edit, rules)) {
    case tyBeep:
        MessageBeep(0);
        return true;
    case tyDrop:
        return true;
    case tyType:
        break;
    }
    m.WParam = ch.unicode();
    TInplaceEdit::WndProc(m);
    if (kind == edMixedCase) {
        const int caret = SelStart();
        SetText(NameCase(Text()));
        SetSelStart(caret);
    }
    const int maxLength = grid.MaxEditLength();
    if (nav.AdvanceAuto() && nav.AdvanceOnEnter && maxLength > 0 && Text().size() == maxLength &&
        SelLength() == 0 && SelStart() == Text().size())
        enterToGrid();
    return true;
}

void TExInplaceEdit::wmPaste() {
    TExStringGrid& grid = *FInplaceGrid;
    QString pasted;
    if (!TextToPaste(grid, this, pasted)) return;
    if (FLengthLimit > 0 && pasted.size() > FLengthLimit) return;
    pasted = StripFinalLineBreak(pasted);
    if (IsMasked()) {
        // The mask decides what of the text fits, as if it were typed.
        MaskPaste(pasted);
        grid.SetCurrentEditText(MaskedText());
        grid.OnClipboardAfterPasteCell(this, grid.Col(), grid.Row(), MaskedText());
        return;
    }
    QString text = Text();
    const int start = SelStart();
    const bool selection = SelLength() > 0;
    text.replace(start, SelLength(), pasted);
    if (FLengthLimit > 0 && text.size() > FLengthLimit) return;
    if (PasteAccepted(grid.Private().EditControl, text, grid.ValidChars)) SetText(text);
    grid.SetCurrentEditText(Text());
    if (selection) {
        SetSelStart(start);
        SetSelLength(static_cast<int>(pasted.size()));
    } else {
        SetSelStart(start + static_cast<int>(pasted.size()));
    }
    grid.OnClipboardAfterPasteCell(this, grid.Col(), grid.Row(), Text());
}

void TExInplaceEdit::wmSetFocus() {
    TExStringGrid& grid = *FInplaceGrid;
    TExStringGridPrivate& p = grid.Private();
    FGotFocus = true;
    p.FNoEditChange = false;
    FLengthLimit = static_cast<int16_t>(grid.GetEditLimit());
    MaxLength = grid.GetEditLimit();
    if (IsMasked() && !p.LButFlg && grid.Navigation().ImproveMaskSel) {
        SetSelStart(0);
        SetSelLength(1);
        return;
    }
    if (grid.Navigation().EditSelectAll) SelectAll();
    else SetSelStart(TextEnd());
    if (p.LButFlg) {
        SetSelStart(CharFromPos(p.Clickposx - Left()));
        p.LButFlg = false;
    }
}

void TExInplaceEdit::wmKillFocus(TMessage& m) {
    TExStringGrid& grid = *FInplaceGrid;
    TExStringGridPrivate& p = grid.Private();
    p.FStartEditChar = QChar();
    const QString value = MaskedText();
    if (grid.LookupHistory && grid.LookupItems().IndexOf(value) < 0) grid.LookupItems().Add(value);
    grid.EditorFormulaState(false);
    TInplaceEdit::WndProc(m);
    if (FAltBack) return;
    if (FocusedControl() != &grid) {
        grid.ValidateCell(MaskedText());
        SetText(grid.GetCurrentCell());
        grid.HideInplaceEdit();
        p.FEditing = false;
        p.EditMode = false;
        grid.SelectCell(FColE, FRowE);
    }
    p.FNoEditChange = true;
    SetText(grid.GetCurrentCell());
    grid.EditorKeyUp(Text(), TPoint{-1, -1}, -1);
    if (FGotFocus) {
        FGotFocus = false;
        grid.DoEditingDone(grid.RealColIndex(FColE), FRowE);
    }
}

void TExInplaceEdit::DoChange() {
    TExStringGrid& grid = *FInplaceGrid;
    if (!Workmode || SelLength() > 0 || !grid.Lookup || grid.LookupItems().Count() == 0) return;
    // An empty prefix begins every item: nothing to complete yet.
    const QString prefix = Text().left(SelStart());
    if (prefix.isEmpty()) return;
    QString completed;
    if (FindCompletion(grid.LookupItems().ToStringList(), prefix, grid.LookupCaseSensitive, completed) < 0) return;
    SetText(completed);
    SetSelStart(static_cast<int>(prefix.size()));
    SetSelLength(static_cast<int>(completed.size() - prefix.size()));
    GotKey_ = false;
}
