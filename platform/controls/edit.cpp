#include "platform/controls/edit.h"

#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    TabStop = true;
}

void TEdit::SetSelStart(int v) {
    selStart_ = std::clamp(v, 0, static_cast<int>(Text().size()));
    selLength_ = 0;
}

void TEdit::SelectAll() {
    selStart_ = 0;
    selLength_ = static_cast<int>(Text().size());
}

void TEdit::TextEditedNatively(const QString& text) {
    if (text == Text()) return;
    TControl::SetCaption(text);
    selStart_ = static_cast<int>(text.size());
    selLength_ = 0;
    OnChange(this);
}

void TEdit::typeChar(QChar ch) {
    if (ReadOnly) return;
    QString text = Text();
    if (ch == QChar('\b')) {
        if (selLength_ > 0) text.remove(selStart_, selLength_);
        else if (selStart_ > 0) text.remove(--selStart_, 1);
    } else if (ch.unicode() >= 0x20) {
        text.remove(selStart_, selLength_);
        if (MaxLength > 0 && text.size() >= MaxLength) return;
        text.insert(selStart_++, ch);
    } else {
        return;
    }
    selLength_ = 0;
    const int caret = selStart_;
    SetText(text);
    selStart_ = caret;
    OnChange(this);
}

void TEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CHAR: {
        QChar ch(static_cast<char16_t>(m.WParam));
        KeyPress(ch);
        // Result 1 tells the native editor that the character was taken.
        m.Result = ch.isNull() ? 1 : 0;
        if (!ch.isNull() && !WindowBackend().NativeTextInput(*this)) typeChar(ch);
        return;
    }
    case CM_TEXTCHANGED:
        selStart_ = std::min(selStart_, static_cast<int>(Text().size()));
        selLength_ = 0;
        break;
    case WM_GETDLGCODE:
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

void TEdit::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(ClientRect());
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    TRect r{3, 0, Width() - 3, Height()};
    canvas.DrawText(Text(), r, DT_SINGLELINE | DT_VCENTER);
}
