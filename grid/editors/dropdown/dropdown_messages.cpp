#include "grid/editors/dropdown/dropdown_edit_button.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "platform/controls/label.h"

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
