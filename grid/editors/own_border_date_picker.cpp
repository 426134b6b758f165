#include "grid/editors/own_border_date_picker.h"

#include "grid/foundation/theme_detection.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"
#include "platform/system/date_time_text.h"
#include "platform/system/platform_version.h"

uint32_t DTPShiftFocusMessage() {
    static const uint32_t id = RegisterWindowMessage("DTPShiftFocus");
    return id;
}

QString VersionText(uint32_t Version) {
    return QString("%1.%2.%3.%4").arg(Version >> 24).arg((Version >> 16) & 0xFF).arg((Version >> 8) & 0xFF).arg(Version & 0xFF);
}

// ---- TOwnBorderDateTimePicker

TOwnBorderDateTimePicker::TOwnBorderDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), isThemed_(IsComCtl6()), buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 2),
      isWinXP_(IsWinXPOrLater()) {
    DoubleBuffered = true;
    ParentCtl3D = false;
}

void TOwnBorderDateTimePicker::SetBorderStyle(TBorderStyle Value) {
    if (borderStyle_ == Value) return;
    borderStyle_ = Value;
    Invalidate();
}

void TOwnBorderDateTimePicker::SetBorderColor(TColor Value) {
    if (borderColor_ == Value) return;
    borderColor_ = Value;
    Invalidate();
}

void TOwnBorderDateTimePicker::SetMetroStyle(bool Value) {
    if (metroStyle_ == Value) return;
    metroStyle_ = Value;
    Invalidate();
}

bool TOwnBorderDateTimePicker::StylesActive() const { return isThemed_ && ExXPVS().IsThemeActive(); }

TEditorLook TOwnBorderDateTimePicker::Look() const {
    const bool hot = mouseInControl_ || Focused();
    return WithControl({.ButtonWidth = buttonWidth_, .IsThemed = isThemed_, .StylesActive = StylesActive(),
                        .DisabledBorder = DisabledBorder, .HasFocus = hasFocus_, .FocusBorderShown = FocusBorder && hot,
                        .Hot = hot, .MouseOverButton = buttonHover_, .Dropped = DroppedDown(), .BorderColor = borderColor_,
                        .FocusBorderColor = FocusBorderColor},
                       *this);
}

void TOwnBorderDateTimePicker::DrawFrame(TCanvas& Canvas) {
    if (!MetroActive()) return;
    if (Enabled() && borderColor_ == clNone && FocusBorderColor == clNone) return;
    const TEditorLook look = Look();
    Canvas.SaveDC();
    PaintEditorOutline(Canvas, look);
    if (!(isWinXP_ && look.StylesActive)) PaintButtonSurround(Canvas, look, true);
    Canvas.RestoreDC();
}

void TOwnBorderDateTimePicker::DrawOutline(TCanvas& Canvas) {
    const bool parented = Parent() != nullptr;
    Canvas.Pen.Color = borderStyle_ == bsNone && parented ? Parent()->Color() : isThemed_ ? TColor(0xB99D7F) : borderColor_;
    const int W = Width(), H = Height();
    Canvas.MoveTo(0, H);
    Canvas.LineTo(0, 0);
    Canvas.LineTo(W - 1, 0);
    Canvas.LineTo(W - 1, H - 1);
    Canvas.LineTo(0, H - 1);
    if (!parented) return;
    if (borderStyle_ == bsSingle) Canvas.Pen.Color = Parent()->Color();
    Canvas.MoveTo(1, H - 2);
    Canvas.LineTo(1, 1);
    Canvas.LineTo(W - 1, 1);
}

void TOwnBorderDateTimePicker::paint(TCanvas& Canvas) {
    if ((Ctl3D() && !MetroActive()) || !KernelExportsGetLocaleInfoEx()) return;
    const TEditorLook look = Look();
    const int R = ClientWidth();
    Canvas.SaveDC();
    if (MetroActive() && Kind() != dtkTime) {
        if (IsComCtl6()) {
            Canvas.Brush.Color = Color();
            Canvas.FillRect(look.StylesActive ? TRect{R - buttonWidth_ - MetroFillOffset(), 1, R, Height()}
                                              : TRect{R - buttonWidth_ - 2, 4, R - 2, Height() - 4});
        }
        PaintDropButton(Canvas, this, dbsDatePicker, ButtonColors, look);
    }
    Canvas.RestoreDC();
    if (OutlineInPaint() && !Ctl3D()) {
        DrawOutline(Canvas);
        if (!look.StylesActive) {
            const int W = Width(), H = Height();
            Canvas.MoveTo(1, H);
            Canvas.LineTo(1, 1);
            Canvas.LineTo(W - 2, 1);
            Canvas.LineTo(W - 2, H - 2);
            Canvas.LineTo(0, H - 2);
        }
    }
    DrawFrame(Canvas);
}

void TOwnBorderDateTimePicker::ncPaint(TCanvas& Canvas) {
    if (NcOutline()) DrawOutline(Canvas);
    if (!Enabled() && StylesActive() && !DisabledBorder) DrawFrame(Canvas);
    if ((FocusBorderColor != clNone && Focused()) || borderColor_ != clNone) DrawFrame(Canvas);
}

void TOwnBorderDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
    TDateTimePicker::MouseMove(Shift, X, Y);
    if (TrackButtonHover(buttonHover_, X, Width(), buttonWidth_)) Invalidate();
}

void TOwnBorderDateTimePicker::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        if (m.LParam) ncPaint(*reinterpret_cast<TCanvas*>(m.LParam));
        return;
    case WM_PAINT:
        TDateTimePicker::WndProc(m);
        if (m.LParam) paint(*reinterpret_cast<TCanvas*>(m.LParam));
        return;
    default:
        break;
    }
    TDateTimePicker::WndProc(m);
    switch (m.Msg) {
    case CM_ENTER:
    case CM_EXIT:
        hasFocus_ = m.Msg == CM_ENTER;
        Invalidate();
        break;
    case CM_MOUSEENTER:
        if (!mouseInControl_ && Enabled()) {
            mouseInControl_ = true;
            Invalidate();
        }
        break;
    case CM_MOUSELEAVE:
        if (mouseInControl_ && Enabled()) {
            mouseInControl_ = false;
            Invalidate();
        }
        buttonHover_ = false;
        Invalidate();
        break;
    case CM_CTL3DCHANGED: Invalidate(); break;
    default: break;
    }
}

// ---- TAsgDateTimePicker

TAsgDateTimePicker::TAsgDateTimePicker(TComponent* AOwner) : TOwnBorderDateTimePicker(AOwner) { SetCtl3D(true); }

QString TAsgDateTimePicker::Version() const { return VersionText(0x01000000); }

// ---- TCustomDateTimePicker

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TOwnBorderDateTimePicker(AOwner) {
    SetCtl3D(false);
    borderColor_ = 0;
}

void TCustomDateTimePicker::WndProc(TMessage& m) {
    if (m.Msg == DTPShiftFocusMessage()) {
        AutoAdvance();
        return;
    }
    TOwnBorderDateTimePicker::WndProc(m);
}

void TCustomDateTimePicker::KeyPress(QChar& Key) {
    if (!autoTab_ || Key < u'0' || Key > u'9') {
        TOwnBorderDateTimePicker::KeyPress(Key);
        return;
    }
    if (Kind() == dtkTime) {
        int h = 0, mi = 0, s = 0, ms = 0;
        DecodeTime(DateTime(), h, mi, s, ms);
        Fh = uint16_t(h), Fm = uint16_t(mi), Fs = uint16_t(s), Fms = uint16_t(ms);
    }
    TOwnBorderDateTimePicker::KeyPress(Key);
    PostMessage(this, DTPShiftFocusMessage());
}

void TCustomDateTimePicker::AutoAdvance() {
    if (Kind() != dtkTime) return;
    int h = 0, mi = 0, s = 0, ms = 0;
    DecodeTime(DateTime(), h, mi, s, ms);
    if (h != Fh || mi != Fm || s != Fs) PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
}
