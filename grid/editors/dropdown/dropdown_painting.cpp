#include "grid/editors/dropdown/dropdown_edit_button.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/edit_button_layout.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

// The edit's geometry beside its drop button, its frame and the look of a value that cannot be
// typed into.

void TExCustomDropDown::SetEditRect() {
    if (!button_) return;
    TRect r;
    Perform(EM_GETRECT, 0, reinterpret_cast<intptr_t>(&r));
    r.Bottom = InnerHeight() + 1;
    r.Right = InnerWidth() - button_->Width() - 3;
    const bool single = BorderStyle() == bsSingle;
    r.Top = single ? 1 : 3;
    r.Left = single ? 1 : 2;
    editRect_ = r;
    if (!Ctl3D()) ++r.Left;
    Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&r));
}

void TExCustomDropDown::ResizeEdit() {
    if (!button_) return;
    const int minimum = EditMinHeight(*this, 0);
    if (Height() < minimum) {
        SetHeight(minimum);
        Invalidate();
        return;
    }
    const bool single = BorderStyle() == bsSingle;
    const int offs = Flat ? 3 : single ? 4 : 2;
    const int buttonTop = Flat ? 2 : 0;
    const int adj = Ctl3D() ? 0 : 2;
    // The original client area lies inside the border: the button is placed there.
    const int b = BorderWidth();
    const int bw = button_->Width();
    if (Ctl3D() && single) button_->SetBounds(b + Width() - bw - offs - adj, b + buttonTop, bw, Height() - offs);
    else button_->SetBounds(b + Width() - bw - adj, b + 1, bw, Height() - 2);
    SetEditRect();
    Invalidate();
}

void TExCustomDropDown::Resize() {
    TCustomMaskEdit::Resize();
    ResizeEdit();
}

bool TExCustomDropDown::hot() const { return mouseInControl_ || Focused(); }

void TExCustomDropDown::PaintWindow(TCanvas& Canvas) {
    TCustomMaskEdit::PaintWindow(Canvas);
    PaintEditArea(Canvas);
    if (FocusBorderColor != clNone || borderColor_ != clNone || (!Enabled() && disabledBorder_))
        DrawControlBorder(Canvas);
}

void TExCustomDropDown::PaintEditArea(TCanvas& Canvas) {
    if (editorEnabled_ || !Focused() || !FocusDraw) return;
    const TRect r{2, 2, Width() - buttonWidth_ - 1, Height() - 2};
    Canvas.Pen.Color = clBlack;
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = clHighlight;
    Canvas.Rectangle(r);
    Canvas.Font.Assign(Font());
    Canvas.Font.SetColor(clHighlightText);
    Canvas.Brush.Style = bsClear;
    TRect text{r.Left + 2, r.Top, r.Right - 3, r.Bottom};
    Canvas.DrawText(Text(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    Canvas.Brush.Style = bsSolid;
}

void TExCustomDropDown::DrawControlBorder(TCanvas& Canvas) {
    if (Enabled() && !Flat && borderColor_ == clNone && FocusBorderColor == clNone) return;
    TRect r = ClientRect();
    const auto frame = [&](TColor color, TRect at) {
        Canvas.Brush.Color = color;
        Canvas.FrameRect(at);
    };
    if (!Enabled() && isThemed_ && disabledBorder_) {
        frame(0xC0C0C0, r);
    } else if (borderColor_ != clNone && (!Focused() || FocusBorderColor == clNone)) {
        frame(borderColor_, r);
    } else if (FocusBorderColor != clNone) {
        if (Focused()) frame(FocusBorderColor, r);
    } else if (hot()) {
        DrawEdge(Canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        frame(clBtnFace, r);
    } else {
        const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
        frame(parent, r);
        frame(parent, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
    }
    if (button_) button_->Button()->SetFocused(hot());
}
