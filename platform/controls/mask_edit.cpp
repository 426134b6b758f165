#include "platform/controls/mask_edit.h"

#include "platform/controls/message_beep.h"
#include "platform/system/clipboard.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <algorithm>

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
    SetBounds(0, 0, 121, 21);
    editRect_ = DefaultEditRect();
}

void TCustomMaskEdit::SetBorderStyle(TBorderStyle Value) {
    borderStyle_ = Value;
    if (!editRectSet_) editRect_ = DefaultEditRect();
    Invalidate();
}

void TCustomMaskEdit::SetCtl3D(bool Value) {
    if (ctl3D_ == Value) return;
    ctl3D_ = Value;
    if (!editRectSet_) editRect_ = DefaultEditRect();
    Perform(CM_CTL3DCHANGED);
    Invalidate();
}

void TCustomMaskEdit::SetAlignment(TAlignment Value) {
    alignment_ = Value;
    Invalidate();
}

void TCustomMaskEdit::SetPasswordChar(QChar Value) {
    passwordChar_ = Value;
    Invalidate();
}

void TCustomMaskEdit::SetEditMask(const QString& Value) {
    if (Value == editMask_) return;
    editMask_ = Value;
    mask_ = ParseEditMask(Value);
    if (IsMasked()) {
        formatting_ = true;
        SetCaption(mask_.Format(Text()));
        formatting_ = false;
    }
    Invalidate();
}

QString TCustomMaskEdit::MaskedText() const { return IsMasked() ? mask_.ReadBack(Text()) : Text(); }

QString TCustomMaskEdit::blanked(int From, int Count) const {
    QString shown = Text();
    for (int i = From; i < From + Count && i < shown.size(); ++i)
        if (mask_.IsInput(i)) shown[i] = mask_.Blank;
    return shown;
}

namespace {

// Places Ch in Shown at or after Caret, as typing it there does; Caret moves on past it and
// past the literals after it. A literal typed is taken as already typed when the caret has
// just skipped one equal to it, else as a step over the next literal equal to it. False when the mask takes
// no such character there.
bool placeChar(const TEditMask& Mask, QString& Shown, int& Caret, QChar Ch) {
    auto literalAt = [&](int Pos) { return !Mask.IsInput(Pos) && Mask.Places.at(Pos).Literal == Ch; };
    if (Caret < Mask.Length() && literalAt(Caret)) {
        Caret = Mask.NextInput(Caret + 1);
        return true;
    }
    const int at = Mask.NextInput(Caret);
    QChar typed = Ch;
    if (at < Mask.Length() && Mask.Accepts(at, typed)) {
        Shown[at] = typed;
        Caret = Mask.NextInput(at + 1);
        return true;
    }
    for (int i = std::min(Caret, Mask.Length()) - 1; i >= 0 && !Mask.IsInput(i); --i)
        if (literalAt(i)) return true;
    for (int i = Caret; i < Mask.Length(); ++i) {
        if (!literalAt(i)) continue;
        Caret = Mask.NextInput(i + 1);
        return true;
    }
    return false;
}

}  // namespace

void TCustomMaskEdit::maskEdit(const QString& Shown, int Caret) {
    const bool changed = Shown != Text();
    if (changed) StoreEditedText(Shown);
    moveCaret(Caret, false);
    if (changed) Change();
}

bool TCustomMaskEdit::maskType(QChar Ch) {
    QString shown = SelLength() > 0 ? blanked(SelStart(), SelLength()) : Text();
    int caret = SelStart();
    if (!placeChar(mask_, shown, caret, Ch)) return false;
    maskEdit(shown, caret);
    return true;
}

void TCustomMaskEdit::MaskPaste(const QString& Pasted) {
    QString shown = SelLength() > 0 ? blanked(SelStart(), SelLength()) : Text();
    int caret = SelStart();
    for (const QChar ch : Pasted)
        if (!placeChar(mask_, shown, caret, ch)) break;
    maskEdit(shown, caret);
}

int TCustomMaskEdit::maskStep(int Caret, bool Forward) const {
    if (Forward) return mask_.NextInput(Caret + 1);
    const int before = mask_.PreviousInput(Caret - 1);
    return before < 0 ? Caret : before;
}

void TCustomMaskEdit::KeyPress(QChar& Key) {
    TCustomEdit::KeyPress(Key);
    MaskKeyPress(Key);
}

void TCustomMaskEdit::MaskKeyPress(QChar& Key) {
    if (!IsMasked() || Key.isNull()) return;
    if (Key != QChar('\b') && Key.unicode() < 0x20) return;
    const QChar typed = Key;
    Key = QChar();
    if (ReadOnly) return;
    if (typed != QChar('\b')) {
        if (!maskType(typed)) MessageBeep(0);
        return;
    }
    if (SelLength() > 0) {
        maskEdit(blanked(SelStart(), SelLength()), SelStart());
        return;
    }
    const int before = mask_.PreviousInput(SelStart() - 1);
    if (before >= 0) maskEdit(blanked(before, 1), before);
}

void TCustomMaskEdit::SetWordWrap(bool Value) {
    if (wordWrap_ == Value) return;
    wordWrap_ = Value;
    Invalidate();
}

QVector<TCustomMaskEdit::TLine> TCustomMaskEdit::lines(const QString& Text, int Width,
                                                       const std::function<int(const QString&)>& Measure) const {
    QVector<TLine> out;
    int start = 0;
    while (true) {
        int end = static_cast<int>(Text.indexOf(QChar('\n'), start));
        const bool lastParagraph = end < 0;
        if (lastParagraph) end = static_cast<int>(Text.size());
        // A paragraph, without the carriage return before its line feed.
        int paragraphEnd = end;
        if (paragraphEnd > start && Text.at(paragraphEnd - 1) == QChar('\r')) --paragraphEnd;
        int from = start;
        while (wordWrap_ && from < paragraphEnd && Measure(Text.mid(from, paragraphEnd - from)) > Width) {
            // The longest head that fits, broken after its last blank when it has one.
            int fits = 1;
            while (from + fits < paragraphEnd && Measure(Text.mid(from, fits + 1)) <= Width) ++fits;
            const int blank = static_cast<int>(Text.lastIndexOf(QChar(' '), from + fits - 1));
            const int length = blank >= from && blank < from + fits ? blank - from + 1 : fits;
            out.append({from, length});
            from += length;
        }
        out.append({from, paragraphEnd - from});
        if (lastParagraph) break;
        start = end + 1;
    }
    return out;
}

QString TCustomMaskEdit::displayText() const {
    return passwordChar_.isNull() ? Text() : QString(Text().size(), passwordChar_);
}

int TCustomMaskEdit::BorderWidth() const { return borderStyle_ == bsNone ? 0 : (ctl3D_ ? 2 : 1); }

TRect TCustomMaskEdit::DefaultEditRect() const { return {1, 1, InnerWidth() - 1, InnerHeight()}; }

void TCustomMaskEdit::Resize() {
    if (!editRectSet_) editRect_ = DefaultEditRect();
    TCustomEdit::Resize();
}

void TCustomMaskEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case EM_GETRECT:
        if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = editRect_;
        return;
    case EM_SETRECTNP:
        if (m.LParam) {
            editRect_ = *reinterpret_cast<const TRect*>(m.LParam);
            editRectSet_ = true;
            Invalidate();
        }
        return;
    case CM_TEXTCHANGED:
        // Text set by code takes the mask's shape.
        if (IsMasked() && !formatting_) {
            formatting_ = true;
            SetCaption(mask_.Format(Text()));
            formatting_ = false;
        }
        break;
    case WM_CUT:
        if (!IsMasked()) break;
        if (SelLength() > 0 && !ReadOnly) {
            Clipboard().SetContent(SelText(), {});
            maskEdit(blanked(SelStart(), SelLength()), SelStart());
        }
        return;
    case WM_PASTE:
        if (!IsMasked()) break;
        if (!ReadOnly) MaskPaste(Clipboard().AsText());
        return;
    default:
        break;
    }
    switch (m.Msg) {
    case WM_COPY:
        if (SelLength() > 0) Clipboard().SetContent(SelText(), {});
        return;
    case WM_CUT:
        if (SelLength() > 0 && !ReadOnly) {
            Clipboard().SetContent(SelText(), {});
            ReplaceSel(QString());
        }
        return;
    case WM_PASTE: {
        // One line only: a pasted text ends at its first line break.
        QString text = Clipboard().AsText();
        const qsizetype lineEnd = text.indexOf(QRegularExpression("[\r\n]"));
        if (lineEnd >= 0) text.truncate(lineEnd);
        if (!ReadOnly) ReplaceSel(text);
        return;
    }
    case CM_ENTER:
        if (AutoSelect && !MouseCapture()) SelectAll();
        Invalidate();
        break;
    case CM_EXIT:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomEdit::WndProc(m);
}

void TCustomMaskEdit::moveCaret(int to, bool extend) {
    const int length = static_cast<int>(Text().size());
    to = std::clamp(to, 0, length);
    if (!extend) {
        anchor_ = to;
        SetSelStart(to);
    } else {
        const int end = SelStart() + SelLength();
        if (anchor_ != SelStart() && anchor_ != end) anchor_ = SelStart();
        SetSelStart(std::min(anchor_, to));
        SetSelLength(std::abs(to - anchor_));
    }
    Invalidate();
}

void TCustomMaskEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomEdit::KeyDown(Key, Shift);
    const bool extend = Shift & ssShift;
    const int end = SelStart() + SelLength();
    // The caret stands at the end of the selection away from the anchor.
    const int caret = SelLength() > 0 && anchor_ == end ? SelStart() : end;
    switch (Key) {
    case VK_LEFT:
        if (!extend && SelLength() > 0) moveCaret(SelStart(), false);
        else moveCaret(IsMasked() && !extend ? maskStep(caret, false) : caret - 1, extend);
        break;
    case VK_RIGHT:
        if (!extend && SelLength() > 0) moveCaret(end, false);
        else moveCaret(IsMasked() && !extend ? maskStep(caret, true) : caret + 1, extend);
        break;
    case VK_HOME: moveCaret(IsMasked() && !extend ? mask_.NextInput(0) : 0, extend); break;
    case VK_END: moveCaret(static_cast<int>(Text().size()), extend); break;
    case VK_DELETE:
        if (ReadOnly) break;
        if (IsMasked()) {
            maskEdit(blanked(SelStart(), std::max(SelLength(), 1)), SelStart());
            break;
        }
        if (SelLength() == 0) {
            if (SelStart() >= Text().size()) break;
            SetSelLength(1);
        }
        ReplaceSel(QString());
        break;
    case 'C':
        if (Shift & ssCtrl) Perform(WM_COPY);
        break;
    case 'X':
        if (Shift & ssCtrl) Perform(WM_CUT);
        break;
    case 'V':
        if (Shift & ssCtrl) Perform(WM_PASTE);
        break;
    default:
        break;
    }
}

TRect TCustomMaskEdit::textArea() const {
    const int b = BorderWidth();
    return {editRect_.Left + b, editRect_.Top + b, editRect_.Right + b, std::min(editRect_.Bottom + b, Height() - b)};
}

int TCustomMaskEdit::textLeft(int textWidth) const {
    const TRect area = textArea();
    switch (alignment_) {
    case taRightJustify: return area.Right - textWidth;
    case taCenter: return area.Left + (area.Width() - textWidth) / 2;
    default: return area.Left;
    }
}

int TCustomMaskEdit::CharFromPos(int x) const {
    const QFontMetrics metrics(ToQFont(Font()));
    const QString text = displayText();
    const int left = textLeft(metrics.horizontalAdvance(text));
    for (int i = 0; i < text.size(); ++i) {
        const int mid = left + (metrics.horizontalAdvance(text.left(i)) + metrics.horizontalAdvance(text.left(i + 1))) / 2;
        if (x < mid) return i;
    }
    return static_cast<int>(text.size());
}

void TCustomMaskEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        moveCaret(CharFromPos(X), Shift & ssShift);
    }
    TCustomEdit::MouseDown(Button, Shift, X, Y);
}

void TCustomMaskEdit::PaintWindow(TCanvas& Canvas) {
    Canvas.Brush.Color = Color();
    Canvas.Brush.Style = bsSolid;
    Canvas.FillRect(ClientRect());
    if (borderStyle_ == bsSingle) {
        TRect r = ClientRect();
        if (ctl3D_) {
            DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT);
        } else {
            Canvas.Brush.Color = clWindowFrame;
            Canvas.FrameRect(r);
        }
    }
    Canvas.Font.Assign(Font());
    if (!Enabled()) Canvas.Font.SetColor(clGrayText);
    const QString text = displayText();
    const TRect area = textArea();
    const int height = Canvas.TextHeight("Wg");
    const QVector<TLine> shown = lines(text, area.Width(), [&](const QString& t) { return Canvas.TextWidth(t); });
    const int selStart = SelStart(), selEnd = SelStart() + SelLength();
    const TColor textColor = Canvas.Font.Color();
    Canvas.SaveDC();
    Canvas.IntersectClipRect(area);
    for (int i = 0; i < shown.size(); ++i) {
        const TLine line = shown.at(i);
        const QString part = text.mid(line.Start, line.Length);
        const int left = textLeft(Canvas.TextWidth(part));
        const int top = area.Top + i * height;
        Canvas.Brush.Style = bsClear;
        Canvas.Font.SetColor(textColor);
        Canvas.TextOut(left, top, part);
        if (!Focused()) continue;
        const int lineEnd = line.Start + line.Length;
        // A caret where a long line broke stands at the start of the next.
        const bool wrapsOn = i + 1 < shown.size() && shown.at(i + 1).Start == lineEnd;
        const bool caretHere = SelLength() == 0 && selStart >= line.Start && selStart <= lineEnd &&
                               !(wrapsOn && selStart == lineEnd);
        const int from = std::clamp(selStart, line.Start, lineEnd), to = std::clamp(selEnd, line.Start, lineEnd);
        const int x = left + Canvas.TextWidth(text.mid(line.Start, from - line.Start));
        if (SelLength() > 0 && to > from) {
            const int xTo = left + Canvas.TextWidth(text.mid(line.Start, to - line.Start));
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = clHighlight;
            Canvas.FillRect({x, top, xTo, top + height});
            Canvas.Font.SetColor(clHighlightText);
            Canvas.Brush.Style = bsClear;
            Canvas.TextOut(x, top, text.mid(from, to - from));
        } else if (caretHere) {
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = clWindowText;
            Canvas.FillRect({x, top, x + 1, top + height});
        }
    }
    Canvas.RestoreDC();
    Canvas.Brush.Style = bsSolid;
}
