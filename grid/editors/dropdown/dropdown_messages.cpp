#include "grid/editors/dropdown/dropdown_edit_button.h"
#include "grid/editors/dropdown/dropdown_numbers.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/foundation/text_routines.h"
#include "platform/controls/label.h"
#include "platform/system/clipboard.h"
#include "platform/system/regional.h"

#include <algorithm>

// The window procedure of the drop-down's edit: keys, focus, mouse and clipboard.


void TExCustomDropDown::WndProc(TMessage& m) {
    const auto alive = alive_.Watch();
    const QString before = EditText();
    const int changes = changeCount_;
    // A user's action that changed the text without a change notice gets one.
    const auto settle = [&] {
        if (!*alive) return;
        blockChange_ = false;
        if (EditText() != before && changeCount_ == changes) Change();
    };
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        keyDownMessage(m);
        settle();
        return;
    case WM_CHAR:
        charMessage(m);
        settle();
        return;
    case WM_CUT:
        cutToClipboard();
        settle();
        return;
    case WM_COPY:
        copyToClipboard();
        return;
    case WM_PASTE:
        pasteFromClipboard();
        settle();
        return;
    case WM_GETDLGCODE:
        specialKey(m);
        return;
    case WM_SETFOCUS:
        setFocusHandling();
        return;
    case WM_KILLFOCUS:
        killFocusHandling();
        return;
    case CM_ENTER:
        // The value is selected, never the prefix or suffix.
        if (AutoSelect && !MouseCapture()) SelectAll();
        TCustomEdit::WndProc(m);
        if (!*alive) return;
        SetEditRect();
        Invalidate();
        return;
    case CM_EXIT:
        TCustomMaskEdit::WndProc(m);
        if (*alive) Invalidate();
        return;
    case WM_LBUTTONDOWN: {
        const int x = LoWordSigned(m.LParam);
        if (Editable() && SelLength() > 0 && Focused()) {
            const int at = CharFromPos(x);
            if (at >= SelStart() && at < SelStart() + SelLength()) {
                // A press on the selection keeps it, for dragging it away.
                buttonDown_ = true;
                return;
            }
        }
        TCustomMaskEdit::WndProc(m);
        if (*alive && !editorEnabled_) ShowDropDownOnClick();
        return;
    }
    case WM_LBUTTONUP:
        afterMouseRelease(m);
        return;
    case CM_ENABLEDCHANGED:
        TCustomMaskEdit::WndProc(m);
        if (button_) button_->SetEnabled(Enabled());
        if (TLabel* label = label_.Label(); label && !label_.AlwaysEnabled) label->SetEnabled(Enabled());
        return;
    case CM_VISIBLECHANGED:
        TCustomMaskEdit::WndProc(m);
        if (TLabel* label = label_.Label(); label && !label->Caption().isEmpty()) label->SetVisible(Visible());
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TCustomMaskEdit::WndProc(m);
        const bool over = m.Msg == CM_MOUSEENTER;
        if (over != mouseInControl_ && Enabled()) {
            mouseInControl_ = over;
            Invalidate();
        }
        return;
    }
    case CM_FONTCHANGED:
        TCustomMaskEdit::WndProc(m);
        SetEditRect();
        return;
    case CM_PARENTFONTCHANGED:
        TCustomMaskEdit::WndProc(m);
        if (ParentFont() && label_.Label()) {
            label_.Label()->Font().Assign(Font());
            updateLabel();
        }
        return;
    default:
        break;
    }
    TCustomMaskEdit::WndProc(m);
}

bool TExCustomDropDown::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    const auto alive = alive_.Watch();
    const bool handled = TCustomMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
    if (!*alive) return handled;
    if (WheelDelta < 0) HandleWheelDown();
    else HandleWheelUp();
    return handled;
}

// ---- focus

void TExCustomDropDown::setFocusHandling() {
    const auto alive = alive_.Watch();
    TMessage enter{WM_SETFOCUS, 0, 0, 0};
    TCustomMaskEdit::WndProc(enter);
    if (!*alive) return;
    if (Editable()) {
        if (AutoSelect) SelectAll();
        else if (editType_ == etFloat || editType_ == etMoney) SelectBeforeDecimal();
    }
    Invalidate();
}

void TExCustomDropDown::killFocusHandling() {
    const bool decimal = editType_ == etFloat || editType_ == etMoney;
    const bool empty = Text().isEmpty();
    if (precision_ > 0 && decimal && (!empty || !AllowNumericNullValue)) {
        // The value is shown with its decimals; leaving the edit modifies nothing.
        const bool modified = isModified_;
        SetFloatValue(FloatValue());
        SetIsModified(modified);
    }
    if (editType_ == etNumeric && Text().isEmpty() && !AllowNumericNullValue) SetText("0");
    if (decimal && Text().isEmpty() && !AllowNumericNullValue) SetFloatValue(0);
    const auto alive = alive_.Watch();
    TMessage exit{WM_KILLFOCUS, 0, 0, 0};
    TCustomMaskEdit::WndProc(exit);
    if (*alive) Invalidate();
}

// ---- the mouse on the selection

void TExCustomDropDown::afterMouseRelease(TMessage& m) {
    if (!Editable() || ReadOnly) Invalidate();
    if (buttonDown_) SetSelStart(CharFromPos(LoWordSigned(m.LParam)));
    buttonDown_ = false;
    const auto alive = alive_.Watch();
    TCustomMaskEdit::WndProc(m);
    if (!*alive) return;
    const int pre = valueStart();
    const int end = pre + static_cast<int>(Text().size());
    if (SelStart() < pre) {
        SetSelStart(pre);
        SetSelLength(end - pre);
    } else if (SelStart() > end) {
        SetSelStart(end);
    } else if (SelStart() + SelLength() > end) {
        SetSelLength(end - SelStart());
    }
}

// ---- clipboard

void TExCustomDropDown::copyToClipboard() {
    bool allow = true;
    if (OnClipboardCopy && !blockCopy_) {
        const auto alive = alive_.Watch();
        FireEvent(OnClipboardCopy, this, Text().mid(SelStart() - valueStart(), SelLength()), allow);
        if (!*alive) return;
    }
    blockCopy_ = false;
    if (!allow) return;
    TMessage copy{WM_COPY, 0, 0, 0};
    TCustomMaskEdit::WndProc(copy);
}

void TExCustomDropDown::cutToClipboard() {
    if (!Editable() || ReadOnly) return;
    bool allow = true;
    blockCopy_ = true;
    const auto alive = alive_.Watch();
    FireEvent(OnClipboardCut, this, Text().mid(SelStart() - valueStart(), SelLength()), allow);
    if (!*alive) return;
    if (allow) {
        TMessage cut{WM_CUT, 0, 0, 0};
        TCustomMaskEdit::WndProc(cut);
    }
    blockCopy_ = false;
}

QString TExCustomDropDown::pastedValue(const QString& Pasted, int& Caret, int& Length) const {
    QString value = Text();
    const int at = std::clamp(SelStart() - valueStart(), 0, static_cast<int>(value.size()));
    const int selected = std::clamp(SelLength(), 0, static_cast<int>(value.size()) - at);
    value.replace(at, selected, Pasted);
    Caret = valueStart() + at + (selected > 0 ? 0 : static_cast<int>(Pasted.size()));
    Length = selected > 0 ? static_cast<int>(Pasted.size()) : 0;
    return value;
}

void TExCustomDropDown::pasteFromClipboard() {
    if (ReadOnly) return;
    const QString pasted = Clipboard().AsText();
    if (pasted.isEmpty()) return;
    int caret = 0, length = 0;
    const QString v = pastedValue(pasted, caret, length);
    bool allow = true;
    const auto alive = alive_.Watch();
    FireEvent(OnClipboardPaste, this, v, allow);
    if (!*alive || !allow) return;
    if (MaxLength > 0 && pasted.size() + Text().size() - SelLength() > MaxLength) return;
    const QChar decimal = FormatSettings.DecimalSeparator;
    const bool signOk = Signed || !v.contains(u'-');
    const auto allIn = [&v](const auto& accepts) { return std::all_of(v.begin(), v.end(), accepts); };
    switch (editType_) {
    case etString:
    case etPassword:
        SetText(v);
        break;
    case etNumeric:
        if (ClassifyNumber(v) == 0 && signOk) {
            SetText(v);
            SetIsModified(true);
        }
        break;
    case etFloat:
    case etMoney:
        if (ClassifyNumber(v) <= 1 && (precision_ != 0 || !pasted.contains(decimal)) && signOk) {
            SetText(v);
            SetFloatValue(FloatValue());
            SetIsModified(true);
        }
        break;
    case etUppercase: SetText(v.toUpper()); break;
    case etMixedCase: SetText(NameCase(v)); break;
    case etLowerCase: SetText(v.toLower()); break;
    case etAlphaNumeric:
        if (allIn([](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); })) {
            SetText(v);
            SetIsModified(true);
        }
        break;
    case etValidChars:
        if (allIn([this](QChar c) { return ValidChars.contains(c); })) {
            SetText(v);
            SetIsModified(true);
        }
        break;
    case etRange:
    case etHex:
        break;
    }
    // The caret moves as if the text was pasted, whether or not it was taken.
    if (editType_ == etMoney && Text().size() > 3) {
        SelectAll();
    } else {
        SetSelStart(caret);
        SetSelLength(length);
    }
    if (editType_ == etString || (editType_ >= etUppercase && editType_ <= etPassword)) SetIsModified(true);
}
