#include "platform/controls/edit.h"

#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

QString Limit_Typed_Text(const QString& Old, const QString& New, int MaxLength, int& Caret) {
    // The common head and tail of both texts frame what the user replaced.
    const qsizetype shorter = std::min(Old.size(), New.size());
    qsizetype head = 0;
    while (head < shorter && Old[head] == New[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && Old[Old.size() - 1 - tail] == New[New.size() - 1 - tail]) ++tail;
    const qsizetype inserted = New.size() - head - tail;
    Caret = static_cast<int>(head + inserted);
    if (MaxLength <= 0 || New.size() <= MaxLength || inserted == 0) return New;
    const qsizetype room = MaxLength - (head + tail);
    if (room <= 0) {
        Caret = static_cast<int>(head);
        return Old;
    }
    Caret = static_cast<int>(head + room);
    return New.left(head + room) + New.right(tail);
}

// ---- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetColor(clWindow);
    TabStop = true;
}

void TCustomEdit::SetSelStart(int v) {
    selStart_ = std::clamp(v, 0, static_cast<int>(Text().size()));
    selLength_ = 0;
    SelectionMoved();
}

void TCustomEdit::SetSelLength(int v) {
    selLength_ = std::clamp(v, 0, static_cast<int>(Text().size()) - selStart_);
    SelectionMoved();
}

void TCustomEdit::ReplaceSel(const QString& text) {
    if (ReadOnly) return;
    QString next = Text();
    next.replace(selStart_, selLength_, text);
    userEdit(next);
}

void TCustomEdit::SelectAll() {
    selStart_ = 0;
    selLength_ = static_cast<int>(Text().size());
    if (HandleAllocated()) WindowBackend().SelectionChanged(*this);
    SelectionMoved();
}

void TCustomEdit::TextEditedNatively(const QString& text) {
    if (text == Text()) return;
    // A read-only field shows its own text again.
    if (ReadOnly) {
        if (HandleAllocated()) WindowBackend().TextChanged(*this);
        return;
    }
    userEdit(text);
}

void TCustomEdit::userEdit(const QString& text) {
    int caret = 0;
    const QString kept = Limit_Typed_Text(Text(), text, MaxLength, caret);
    const bool changed = kept != Text();
    selStart_ = caret;
    selLength_ = 0;
    if (changed) StoreEditedText(kept);
    // The native editor holds what the user typed; it must show what was kept.
    else if (kept != text && HandleAllocated()) WindowBackend().TextChanged(*this);
    if (changed) Change();
    SelectionMoved();
}

void TCustomEdit::typeChar(QChar ch) {
    if (ReadOnly) return;
    QString text = Text();
    if (ch == QChar('\b')) {
        if (selLength_ > 0) {
            text.remove(selStart_, selLength_);
        } else if (selStart_ > 0) {
            text.remove(selStart_ - 1, 1);
        } else {
            return;
        }
    } else if (ch.unicode() >= 0x20 || ch == QChar('\n')) {
        text.replace(selStart_, selLength_, ch);
    } else {
        return;
    }
    userEdit(text);
}

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CHAR: {
        const QChar typed(static_cast<char16_t>(m.WParam));
        const QChar plain = typed == QChar('\r') ? ReturnChar() : typed;
        QChar ch = typed;
        KeyPress(ch);
        if (ch == QChar('\r')) ch = ReturnChar();
        if (CharCase == ecLowerCase) ch = ch.toLower();
        if (CharCase == ecUpperCase) ch = ch.toUpper();
        // Result 1 tells the native editor that the character was taken.
        m.Result = ch.isNull() ? 1 : 0;
        if (ch.isNull()) return;
        if (!WindowBackend().NativeTextInput(*this)) {
            typeChar(ch);
        } else if (ch != plain) {
            m.Result = 1;
            WindowBackend().ReplaceSelection(*this, QString(ch));
        }
        return;
    }
    case CM_TEXTCHANGED:
        selStart_ = std::min(selStart_, static_cast<int>(Text().size()));
        selLength_ = 0;
        break;
    case WM_GETDLGCODE:
        // A field that types Enter keeps it from the form's default button.
        m.Result = m.WParam == VK_RETURN && !ReturnChar().isNull() ? 1 : 0;
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

// ---- TEdit

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) { SetBounds(0, 0, 121, 21); }

void TEdit::WndProc(TMessage& m) {
    if (m.Msg == CM_ENTER && AutoSelect && !MouseCapture()) SelectAll();
    TCustomEdit::WndProc(m);
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
