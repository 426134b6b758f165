#include "platform/controls/speed_button.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 23, 22);
    ControlStyle = csCaptureMouse | csDoubleClicks;
}

void TSpeedButton::SetGlyph(const TGraphic* Value) {
    if (!Value || Value->Empty()) {
        glyph_.SetSize(0, 0);
    } else {
        glyph_.SetSize(Value->Width(), Value->Height());
        glyph_.MutableImage() = Value->Image().convertToFormat(QImage::Format_ARGB32);
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
    numGlyphs_ = std::clamp(Value, 1, 4);
    Invalidate();
}

void TSpeedButton::SetFlat(bool Value) {
    flat_ = Value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
    transparent_ = Value;
    Invalidate();
}

void TSpeedButton::SetDown(bool Value) {
    if (GroupIndex == 0) Value = false;
    down_ = Value;
    state_ = Value ? bsExclusive : bsUp;
    Invalidate();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!down_) {
        state_ = bsDown;
        Invalidate();
    }
    dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!dragging_) return;
    const TButtonState over = down_ ? bsExclusive : bsDown;
    const TButtonState next = ClientRect().Contains({X, Y}) ? over : (down_ ? bsExclusive : bsUp);
    if (next != state_) {
        state_ = next;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (dragging_ && Button == mbLeft) {
        dragging_ = false;
        const bool inside = ClientRect().Contains({X, Y});
        if (GroupIndex != 0 && inside) SetDown(!down_);
        else state_ = down_ ? bsExclusive : bsUp;
        Invalidate();
        if (inside) Click();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::Paint(TCanvas& Canvas) {
    const bool pressed = state_ == bsDown || state_ == bsExclusive;
    TRect r = ClientRect();
    if (!flat_ || pressed || MouseInControl()) {
        unsigned state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
        if (pressed) state |= DFCS_PUSHED;
        if (flat_) state |= DFCS_FLAT | (MouseInControl() ? unsigned(DFCS_HOT) : 0u);
        DrawFrameControl(Canvas, r, DFC_BUTTON, state);
    } else if (!transparent_) {
        Canvas.Brush.Color = clBtnFace;
        Canvas.FillRect(r);
    }
    DrawGlyph(Canvas, r);
    if (!Caption().isEmpty()) {
        Canvas.Font.Assign(Font());
        if (!Enabled()) Canvas.Font.SetColor(clGrayText);
        Canvas.Brush.Style = bsClear;
        TRect text = pressed ? TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1} : r;
        Canvas.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        Canvas.Brush.Style = bsSolid;
    }
}

void TSpeedButton::DrawGlyph(TCanvas& Canvas, const TRect& r) {
    if (glyph_.Empty()) return;
    const int w = glyph_.Width() / numGlyphs_;
    const int h = glyph_.Height();
    int index = 0;
    if (!Enabled()) index = 1;
    else if (state_ == bsDown) index = 2;
    else if (state_ == bsExclusive) index = 3;
    if (index >= numGlyphs_) index = 0;
    QImage picture = glyph_.Image().copy(index * w, 0, w, h).convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = glyph_.Image().pixel(0, h - 1);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == clear) picture.setPixel(x, y, qRgba(0, 0, 0, 0));
    const int shift = state_ == bsDown || state_ == bsExclusive ? 1 : 0;
    const int x = r.Left + (r.Width() - w) / 2 + shift;
    const int y = r.Top + (r.Height() - h) / 2 + shift;
    Canvas.Painter()->drawImage(x, y, picture);
}
