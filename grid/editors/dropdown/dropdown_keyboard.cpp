#include "grid/editors/dropdown/dropdown_numbers.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "platform/controls/form.h"
#include "platform/controls/keyboard.h"

// Keys and characters typed into the drop-down's edit, before the value's own filter.

namespace {
bool numericType(TDropDownEditType Type) { return Type == etNumeric || Type == etFloat || Type == etMoney; }
}  // namespace

void TExCustomDropDown::keyDownMessage(TMessage& m) {
    const auto alive = alive_.Watch();
    uint16_t key = static_cast<uint16_t>(m.WParam);
    const TShiftState shift = static_cast<TShiftState>(m.LParam);
    // Alt+Up and Alt+Down toggle here, and not again when the key reaches KeyDown.
    altToggled_ = (key == VK_UP || key == VK_DOWN) && (shift & ssAlt);
    if (altToggled_) {
        toggleDropDown();
        if (!*alive) return;
    }
    if (!editorEnabled_ && Enabled()) {
        if (!ReadOnly) {
            if (key == VK_RETURN) DoHideDropDown(false);
            else if (key == VK_ESCAPE) DoHideDropDown(true);
            else if (key == VK_F4) toggleDropDown();
            if (!*alive) return;
        }
        if (key == VK_RETURN || key == VK_ESCAPE) TCustomMaskEdit::WndProc(m);
        else m.Result = 1;
        if (*alive) altToggled_ = false;
        return;
    }
    if ((key == VK_TAB || key == VK_RETURN) && (shift & ssCtrl)) {
        TCustomMaskEdit::WndProc(m);
        if (*alive) altToggled_ = false;
        return;
    }
    if (key == VK_RETURN && ReturnIsTab) {
        // Enter moves on like Tab, through the posted key; the pop-up stays as it is.
        if (Visible()) PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
        m.Result = 1;
        altToggled_ = false;
        return;
    }
    if (Editable() && !caretKeyAllowed(key, shift)) {
        m.Result = 1;
        altToggled_ = false;
        return;
    }
    TCustomMaskEdit::WndProc(m);
    if (!*alive) return;
    altToggled_ = false;
    if (key == VK_DELETE && editType_ == etMoney) FormatThousands();
    pushCaretOutOfPrefix();
    if (m.Result) return;  // a handler took the key
    if (key == VK_RETURN) DoHideDropDown(false);
    else if (key == VK_ESCAPE) DoHideDropDown(true);
    else if (key == VK_F4) toggleDropDown();
}

void TExCustomDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
    const auto alive = alive_.Watch();
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (!*alive) return;
    if ((Key == VK_UP || Key == VK_DOWN) && (Shift & ssAlt) && !altToggled_) toggleDropDown();
}

void TExCustomDropDown::KeyPress(QChar& Key) {
    const auto alive = alive_.Watch();
    TCustomMaskEdit::KeyPress(Key);
    if (*alive && Key == QChar('\r')) Key = QChar();
}

void TExCustomDropDown::pushCaretOutOfPrefix() {
    if (SelStart() < valueStart()) SetSelStart(valueStart());
}

bool TExCustomDropDown::caretKeyAllowed(uint16_t Key, TShiftState Shift) {
    const QString value = Text();
    const int pre = valueStart();
    const int end = pre + static_cast<int>(value.size());
    const int selEnd = SelStart() + SelLength();
    switch (Key) {
    case VK_RIGHT:
        return Suffix.isEmpty() || selEnd < end;
    case VK_LEFT:
        return Prefix.isEmpty() || selEnd > pre;
    case VK_END:
    case VK_HOME: {
        const QString& guard = Key == VK_END ? Suffix : Prefix;
        if (guard.isEmpty()) return true;
        const int to = Key == VK_END ? end : pre;
        if (!(Shift & ssShift)) {
            SetSelStart(to);
        } else if (Key == VK_END) {
            const int from = SelStart();
            SetSelStart(from);
            SetSelLength(end - from);
        } else {
            SetSelStart(pre);
            SetSelLength(end - pre);
        }
        Invalidate();
        return false;
    }
    case VK_BACK:
        // The character itself is filtered when it is typed; here only the flag follows.
        if (!Prefix.isEmpty() && SelStart() > pre + 1) SetIsModified(true);
        return true;
    case VK_DELETE: {
        if (!Suffix.isEmpty() && selEnd >= end && SelLength() == 0) return false;
        if (SelStart() >= pre) {
            QString rest = value;
            rest.remove(SelStart() - pre, SelLength() > 0 ? SelLength() : 1);
            if (LengthLimit > 0 && IntegerLength(rest, Signed && numericType(editType_)) - 1 > LengthLimit) return false;
        }
        SetIsModified(true);
        return true;
    }
    default:
        return true;
    }
}

void TExCustomDropDown::charMessage(TMessage& m) {
    if (!editorEnabled_) return;
    const QChar key(static_cast<char16_t>(m.WParam));
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (key == QChar('\r')) {
        if (ctrl) {
            m.Result = 1;
            return;
        }
        const auto alive = alive_.Watch();
        QChar enter('\r');
        FireEvent(OnKeyPress, this, enter);
        if (!*alive || DefaultHandling || !Parent()) return;
        PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
        if (TForm* form = ParentForm(); form && form->KeyPreview) {
            m.WParam = 0;
            TCustomMaskEdit::WndProc(m);
        } else {
            PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
        }
        return;
    }
    if (key == QChar(0x1B)) {
        if (!DefaultHandling && Parent()) {
            if (TForm* form = ParentForm(); form && form->KeyPreview) {
                TCustomMaskEdit::WndProc(m);
                return;
            }
            PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
        }
        if (!CanUndo) {
            TCustomMaskEdit::WndProc(m);
            return;
        }
    }
    if (ctrl && (key == QChar(3) || key == QChar(22) || key == QChar(24))) {
        TCustomMaskEdit::WndProc(m);
        return;
    }
    QChar filtered = key;
    if (!filterChar(filtered, m.LParam)) return;
    const auto alive = alive_.Watch();
    m.WParam = filtered.unicode();
    TCustomMaskEdit::WndProc(m);
    if (*alive) endStep();
}

void TExCustomDropDown::specialKey(TMessage& m) {
    const uint16_t key = static_cast<uint16_t>(m.WParam);
    TForm* form = ParentForm();
    bool cleared = false;
    if (form && key == VK_ESCAPE && CanUndo && !form->KeyPreview) {
        // Escape undoes the typing: the whole value selected, nothing modified; the key goes on
        // to the parent, which may close the editor.
        SelectAll();
        SetIsModified(false);
        cleared = true;
        if (Parent() && DefaultHandling) {
            PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
        }
    }
    if (form && key == VK_RETURN && DefaultHandling && !form->KeyPreview && Parent() && Parent()->Focused()) {
        PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
    }
    TCustomMaskEdit::WndProc(m);
    // A key the edit keeps is no dialog key: Escape closes the pop-up, not the dialog.
    if (cleared || (key == VK_ESCAPE && droppedDown_)) m.Result = 1;
}
