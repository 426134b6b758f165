#include "platform/controls/mask_edit.h"

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
        moveCaret(!extend && SelLength() > 0 ? SelStart() : caret - 1, extend);
        break;
    case VK_RIGHT:
        moveCaret(!extend && SelLength() > 0 ? end : caret + 1, extend);
        break;
    case VK_HOME: moveCaret(0, extend); break;
    case VK_END: moveCaret(static_cast<int>(Text().size()), extend); break;
    case VK_DELETE:
        if (ReadOnly) break;
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
    const int width = Canvas.TextWidth(text);
    const int left = textLeft(width);
    const TRect area = textArea();
    Canvas.SaveDC();
    Canvas.IntersectClipRect(area);
    Canvas.Brush.Style = bsClear;
    Canvas.TextOut(left, area.Top, text);
    if (Focused()) {
        const int from = left + Canvas.TextWidth(text.left(SelStart()));
        const int to = left + Canvas.TextWidth(text.left(SelStart() + SelLength()));
        const int height = Canvas.TextHeight("Wg");
        if (SelLength() > 0) {
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = clHighlight;
            Canvas.FillRect({from, area.Top, to, area.Top + height});
            Canvas.Font.SetColor(clHighlightText);
            Canvas.Brush.Style = bsClear;
            Canvas.TextOut(from, area.Top, text.mid(SelStart(), SelLength()));
        } else {
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = clWindowText;
            Canvas.FillRect({from, area.Top, from + 1, area.Top + height});
        }
    }
    Canvas.RestoreDC();
    Canvas.Brush.Style = bsSolid;
}
