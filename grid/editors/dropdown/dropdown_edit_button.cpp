#include "grid/editors/dropdown/dropdown_edit_button.h"

#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/dropdown/watched_reference.h"
#include "grid/foundation/color_routines.h"
#include "grid/foundation/theme_detection.h"
#include "grid/foundation/visual_styles.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/theme_service.h"
#include "platform/system/platform_version.h"

namespace {
// The drop-down whose button the holder is.
TExCustomDropDown* dropDownOf(const TDropDownEditButton& holder) {
    return dynamic_cast<TExCustomDropDown*>(holder.Parent());
}
int themeState(bool enabled, bool pressed, bool hot) { return !enabled ? 4 : pressed ? 3 : hot ? 2 : 1; }
}  // namespace

// ---- TExDropDownSpeedButton

TExDropDownSpeedButton::TExDropDownSpeedButton(TDropDownEditButton* AOwner) : TSpeedButton(AOwner), holder_(*AOwner) {
    isWinXP_ = (GetCommonControlsVersionMS() >> 16) > 5;
}

void TExDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
    buttonStyle_ = Value;
    Invalidate();
}

void TExDropDownSpeedButton::SetEtched(bool Value) {
    if (etched_ == Value) return;
    etched_ = Value;
    Invalidate();
}

void TExDropDownSpeedButton::SetFocused(bool Value) {
    if (focused_ == Value) return;
    focused_ = Value;
    Invalidate();
}

bool TExDropDownSpeedButton::pressed() const { return (state_ == bsDown || state_ == bsExclusive) && !up_; }

void TExDropDownSpeedButton::WndProc(TMessage& m) {
    TSpeedButton::WndProc(m);
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        hot_ = m.Msg == CM_MOUSEENTER;
        Invalidate();
    }
}

void TExDropDownSpeedButton::Paint(TCanvas& Canvas) {
    if (buttonStyle_ == bsDropDown) paintArrow(Canvas);
    else paintFace(Canvas);
}

void TExDropDownSpeedButton::paintArrow(TCanvas& Canvas) {
    const TRect r = ClientRect();
    const TExCustomDropDown* dropDown = dropDownOf(holder_);
    const bool down = pressed();
    if (holder_.Colors.ButtonColor != clNone) {
        FillRectColor(Canvas, r, down ? holder_.Colors.ButtonColorDown : hot_ ? holder_.Colors.ButtonColorHot : holder_.Colors.ButtonColor);
        if (dropDown && dropDown->BorderColor() != clNone) {
            Canvas.Pen.Color = dropDown->BorderColor();
            Canvas.MoveTo(r.Left, r.Top);
            Canvas.LineTo(r.Left, r.Bottom);
        }
        TColor arrow = down ? holder_.Colors.ButtonTextColorDown : hot_ ? holder_.Colors.ButtonTextColorHot : holder_.Colors.ButtonTextColor;
        // The framework never sets the arrow colours: an unset one is black.
        if (arrow == clNone) arrow = clBlack;
        DrawDownTriangle(Canvas, 8, 7, arrow);
        return;
    }
    if (!Glyph().Empty()) {
        FillRectColor(Canvas, r, clBtnFace);
        Canvas.Brush.Color = 0x808080;
        Canvas.FrameRect(r);
        DrawGlyph(Canvas, Rect(0, 0, Glyph().Width() / NumGlyphs(), Glyph().Height()));
        return;
    }
    SetEnabled(dropDown ? dropDown->Enabled() && !dropDown->ReadOnly : Enabled());
    const TVisualStylesBinding& styles = ATXPVS();
    if (isWinXP_ && styles.IsThemeActive()) {
        TRect part = r;
        if (IsVistaOrLater()) {
            part.Left += 1;
        } else {
            part = {r.Left - 1 + 2, r.Top - 1, r.Right + 1, r.Bottom + 1};
        }
        if (HTHEME theme = styles.OpenThemeData(holder_.Handle(), "combobox")) {
            styles.DrawThemeBackground(theme, Canvas, CP_DROPDOWNBUTTON, themeState(Enabled(), down, hot_), part, nullptr);
            styles.CloseThemeData(theme);
        }
        return;
    }
    TSpeedButton::Paint(Canvas);
    const int w = Width(), h = Height();
    Canvas.Pen.Color = clBtnFace;
    Canvas.MoveTo(w - 2, 0);
    Canvas.LineTo(0, 0);
    Canvas.LineTo(0, h - 1);
    Canvas.Pen.Color = clWhite;
    Canvas.MoveTo(w - 3, 1);
    Canvas.LineTo(1, 1);
    Canvas.LineTo(1, h - 2);
    DrawDownTriangle(Canvas, 8, 7, clBlack);
}

void TExDropDownSpeedButton::paintFace(TCanvas& Canvas) {
    const TRect r = ClientRect();
    const bool down = pressed();
    if (const TExCustomDropDown* dropDown = dropDownOf(holder_)) Canvas.Font.Assign(dropDown->Font());
    const TVisualStylesBinding& styles = ATXPVS();
    const int shift = down ? 1 : 0;
    if (styles.IsThemeActive()) {
        Canvas.FillRect(r);
        if (HTHEME theme = styles.OpenThemeData(holder_.Handle(), "button")) {
            styles.DrawThemeBackground(theme, Canvas, BP_PUSHBUTTON, themeState(Enabled(), down, hot_),
                                       Rect(0, 0, Width() + 1, Height() + 1), nullptr);
            styles.CloseThemeData(theme);
        }
        const TRect inner{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
        const int gw = Glyph().Width() / NumGlyphs(), gh = Glyph().Height();
        if (!Glyph().Empty()) {
            int x = inner.Left;
            if (!Caption().isEmpty()) x += 2;
            else if (gw < inner.Width()) x += (inner.Width() - gw) / 2;
            const int y = gh < inner.Height() ? inner.Top + (inner.Height() - gh) / 2 : inner.Top;
            DrawGlyph(Canvas, Rect(x + shift, y + shift, x + shift + gw, y + shift + gh));
        }
        if (!Caption().isEmpty()) {
            Canvas.Brush.Style = bsClear;
            if (Glyph().Empty()) {
                TRect text{r.Left + 3 + shift, r.Top + 1 + shift, r.Right - 3 + shift, r.Bottom - 1 + shift};
                Canvas.DrawText(Caption(), text, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
            } else {
                Canvas.TextOut(r.Left + gw + 2, r.Top - 1, Caption());
            }
            Canvas.Brush.Style = bsSolid;
        }
        return;
    }
    if (!Flat()) {
        TSpeedButton::Paint(Canvas);
        return;
    }
    FillRectColor(Canvas, r, clBtnFace);
    TRect edge{r.Left, r.Top, r.Right + 1, r.Bottom + 1};
    DrawEdge(Canvas, edge, etched_ ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (down ? unsigned(BF_FLAT) : 0u));
    if (!Glyph().Empty()) {
        TBitmap glyph;
        glyph.Assign(Glyph());
        DrawTransparentBitmap(Canvas, glyph, clBtnFace, Rect(r.Left + 3 + shift, r.Top + 3 + shift, r.Right - 3, r.Bottom - 3));
    }
    if (!Caption().isEmpty()) {
        Canvas.Brush.Style = bsClear;
        TRect text{r.Left + 3 + shift, r.Top + 1 + shift, r.Right - 3 + shift, r.Bottom - 1 + shift};
        Canvas.DrawText(Caption(), text, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        Canvas.Brush.Style = bsSolid;
    }
}

// ---- TDropDownEditButton

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner) {
    ControlStyle = (ControlStyle & ~unsigned(csAcceptsControls)) | csOpaque;
    button_ = new TExDropDownSpeedButton(this);
    button_->SetParent(this);
    button_->SetVisible(true);
    button_->SetEnabled(Enabled());
    button_->SetCaption(QString());
    button_->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        if (Button == mbLeft) FireEvent(OnClick, this);
    };
    button_->SetButtonStyle(bsDropDown);
    button_->SetGlyph(nullptr);
    SetBounds(0, 0, 16, 25);
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TWinControl::SetBounds(ALeft, ATop, bWidth_, AHeight);
    button_->SetBounds(0, 0, bWidth_, Height());
}

void TDropDownEditButton::SetButtonWidth(int Value) {
    bWidth_ = Value;
    SetBounds(Left(), Top(), Value, Height());
}

void TDropDownEditButton::SetFocusControl(TWinControl* Value) {
    SetWatched(*this, focusControl_, Value);
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TDropDownEditButton::WndProc(TMessage& m) {
    TWinControl::WndProc(m);
    if (m.Msg == CM_ENABLEDCHANGED) button_->SetEnabled(Enabled());
}
