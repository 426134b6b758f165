#include "grid/foundation/grid_check_box.h"

#include "grid/foundation/color_routines.h"
#include "grid/foundation/theme_detection.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/keyboard.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

namespace {
const TRect HotSpot{0, 0, 16, 16};
}  // namespace

TExCheckBox::TExCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 98, 20);
    ControlStyle = csCaptureMouse | csDoubleClicks;
    FCaption = ClassName();
}

void TExCheckBox::InvalidateBox() {
    if (!HandleAllocated()) return;
    InvalidateRect(FAlignment == taRightJustify ? TRect{Width() - 20, 0, Width(), Height()} : TRect{0, 0, 20, Height()});
}

void TExCheckBox::SetState(TCheckBoxState v) {
    if (v == FState) return;
    FState = v;
    InvalidateBox();
}

void TExCheckBox::SetChecked(bool v) {
    SetState(v ? cbChecked : cbUnchecked);
    Invalidate();
}

void TExCheckBox::Toggle() {
    if (!ReadOnly) SetChecked(!Checked());
}

void TExCheckBox::SetButtonVertAlign(TTextLayout v) {
    if (v == FBtnVAlign) return;
    FBtnVAlign = v;
    Invalidate();
}

void TExCheckBox::SetAlignment(TAlignment v) {
    if (v == FAlignment) return;
    FAlignment = v;
    Invalidate();
}

void TExCheckBox::SetEllipsis(bool v) {
    if (v == FEllipsis) return;
    FEllipsis = v;
    Invalidate();
}

void TExCheckBox::SetCaption(const QString& v) {
    if (HandleAllocated()) TCustomControl::SetCaption(v);
    FCaption = v;
    Invalidate();
}

void TExCheckBox::SetTransparent(bool v) {
    if (v != FTransparent) {
        FTransparent = v;
        FBkgCache = false;
    }
    Invalidate();
}

void TExCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparent) {
        FBkgCache = false;
        Invalidate();
    }
}

void TExCheckBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FHot = Message.Msg == CM_MOUSEENTER;
        if (HandleAllocated()) InvalidateRect(HotSpot);
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(QChar(char16_t(Message.WParam)), FCaption) && CanFocus()) {
            Toggle();
            if (TabStop) SetFocus();
            Message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TExCheckBox::DoEnter() {
    FFocused = true;
    Invalidate();
    TCustomControl::DoEnter();
}

void TExCheckBox::DoExit() {
    FFocused = false;
    Invalidate();
    TCustomControl::DoExit();
}

void TExCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FMouseDown = true;
        if (!Focused()) SetFocus();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FDown = true;
    if (IsWinXPOrLater() && HandleAllocated()) InvalidateRect(HotSpot);
}

void TExCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
    if (GetCaptureControl() == this) FDown = Inside(X, Y);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TExCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FDown = false;
        if (Inside(X, Y) && Focused() && FMouseDown) {
            Toggle();
            Click();
        }
        FMouseDown = false;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (IsWinXPOrLater() && HandleAllocated()) InvalidateRect(HotSpot);
}

void TExCheckBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key == VK_RETURN && ReturnIsTab) {
        // The Tab goes round the window's own key handling, which then moves the focus on once.
        Key = 0;
        PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_SPACE) FDown = true;
    TCustomControl::KeyDown(Key, Shift);
}

void TExCheckBox::KeyUp(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyUp(Key, Shift);
    if (Key != VK_SPACE) return;
    FDown = false;
    Toggle();
    Click();
}

void TExCheckBox::PaintBackground(TCanvas& Canvas) {
    if (!FTransparentCaching) {
        PaintParentBackground(*this, Canvas);
        return;
    }
    if (!FBkgCache) {
        FBkgBmp.SetSize(Width(), Height());
        PaintParentBackground(*this, FBkgBmp.Canvas());
        FBkgCache = true;
    }
    Canvas.Draw(0, 0, FBkgBmp);
}

void TExCheckBox::PaintBox(TCanvas& Canvas) {
    const bool right = FAlignment == taRightJustify;
    const int h = ClientHeight();
    if (IsWinXPOrLater() && ExXPVS().IsThemeActive() && IsComCtl6()) {
        const int y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? h / 2 - 6 : h - 14;
        const TRect box = Bounds(right ? ClientWidth() - 15 : 0, y, 14, 14);
        const int group = FState == cbChecked ? CBS_CHECKEDNORMAL : FState == cbGrayed ? CBS_MIXEDNORMAL : CBS_UNCHECKEDNORMAL;
        const int step = !Enabled() ? 3 : FDown ? 2 : FHot ? 1 : 0;
        if (HTHEME theme = ExXPVS().OpenThemeData(this, QStringLiteral("button"))) {
            const bool drawn = ExXPVS().DrawThemeBackground(theme, Canvas, BP_CHECKBOX, group + step, box, nullptr);
            ExXPVS().CloseThemeData(theme);
            if (drawn) return;
        }
    }
    const int y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? h / 2 - 6 : h - 17;
    unsigned state = DFCS_BUTTONCHECK;
    if (FState == cbGrayed || !Enabled()) state |= DFCS_INACTIVE;
    if (FState == cbChecked) state |= DFCS_CHECKED;
    DrawFrameControl(Canvas, Bounds(right ? ClientWidth() - 13 : 0, y, 13, 13), DFC_BUTTON, state);
}

void TExCheckBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    if (FTransparent) PaintBackground(canvas);
    else FillRectColor(canvas, ClientRect(), Color());
    TCustomControl::SetCaption(FCaption);
    PaintBox(canvas);

    TRect r = ClientRect();
    if (FAlignment == taRightJustify) {
        r.Right -= 9;
        r.Left = 0;
    } else {
        r.Left += 9;
    }
    r.Top += 4;
    r.Left += 6;
    canvas.Brush.Style = bsClear;
    const unsigned flags = DT_LEFT | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0u);
    if (Enabled()) {
        canvas.DrawText(FCaption, r, flags);
    } else {
        TRect shadow{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
        canvas.Font.SetColor(clWhite);
        canvas.DrawText(FCaption, shadow, flags);
        canvas.Font.SetColor(clGray);
        canvas.DrawText(FCaption, r, flags);
    }
    if (FFocused) {
        canvas.Brush.Style = bsSolid;
        canvas.DrawFocusRect({r.Left - 2, r.Top, r.Left + canvas.TextWidth(FCaption) + 1,
                              r.Top + canvas.TextHeight(FCaption) + 1});
    }
}
