#include "grid/editors/dropdown/button_panel.h"

#include "grid/editors/dropdown/dropdown_colors.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/watched_reference.h"
#include "platform/controls/edit.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/theme_service.h"

#include <algorithm>

TButtonAppearance::TButtonAppearance()
    : ColorCheckedTo(ShadeColor(0xF9D2B2, -10, -10, 0)),
      ColorDisabled(ShadeColor(clWhite, -5, -5, -5)),
      ColorDisabledTo(ShadeColor(clWhite, -5, -5, -5)),
      ColorChecked(ShadeColor(0xF5F0E1, -10, -10, 0)) {
    Font.SetSize(10);
    Font.SetStyle(fsBold);
}

void TButtonAppearance::Assign(const TButtonAppearance& Source) {
    if (&Source != this) {
        BorderColor = Source.BorderColor;
        BorderColorHot = Source.BorderColorHot;
        BorderColorDown = Source.BorderColorDown;
        BorderColorChecked = Source.BorderColorChecked;
        Color = Source.Color;
        ColorTo = Source.ColorTo;
        ColorDown = Source.ColorDown;
        ColorDownTo = Source.ColorDownTo;
        ColorHot = Source.ColorHot;
        ColorHotTo = Source.ColorHotTo;
        ColorCheckedTo = Source.ColorCheckedTo;
        ColorDisabled = Source.ColorDisabled;
        ColorDisabledTo = Source.ColorDisabledTo;
        ColorChecked = Source.ColorChecked;
        Font.Assign(Source.Font);
        ShineColor = Source.ShineColor;
        GlowColorHot = Source.GlowColorHot;
        GlowColorDown = Source.GlowColorDown;
        TextColor = Source.TextColor;
        SpecialTextColor = Source.SpecialTextColor;
    }
    Changed();
}

TButtonItem& TButtonItems::Add() {
    TButtonItem& item = items_.emplace_back();
    Changed();
    return item;
}

TButtonItem& TButtonItems::Insert(int Index) {
    const auto at = items_.begin() + std::clamp(Index, 0, Count());
    TButtonItem& item = *items_.emplace(at);
    Changed();
    return item;
}

void TButtonItems::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    items_.erase(items_.begin() + Index);
    Changed();
}

void TButtonItems::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    buttons_.OnChange = [this](TObject* Sender) { ButtonsChanged(Sender); };
    appearance_.OnChange = [this](TObject* Sender) { ButtonAppearanceChanged(Sender); };
}

void TCustomButtonPanel::ButtonsChanged(TObject*) {
    if (!exDropDown_) Invalidate();
}

void TCustomButtonPanel::ButtonAppearanceChanged(TObject*) {
    if (!exDropDown_) Invalidate();
}

void TCustomButtonPanel::Loaded() {
    if (!exDropDown_) BuildButtons();
}

void TCustomButtonPanel::SetImages(TImageList* Value) {
    if (Value == images_) return;
    SetWatched<TImageList>(*this, images_, Value);
    LayoutButtons();
}

void TCustomButtonPanel::SetEdit(TCustomEdit* Value) { SetWatched<TCustomEdit>(*this, edit_, Value); }

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove || IsDestroying()) return;
    if (AComponent == images_) {
        images_ = nullptr;
        LayoutButtons();
    }
    if (AComponent == edit_) edit_ = nullptr;
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
    if (Value == type_) return;
    type_ = Value;
    LayoutButtons();
}

void TCustomButtonPanel::GetButtonRect(int Index, TRect& R) const {
    R = inRange(Index) ? buttons_[static_cast<size_t>(Index)].Rect() : TRect{-1, -1, -1, -1};
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        const TRect r = buttons_[static_cast<size_t>(i)].Rect();
        if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
    }
    return -1;
}

void TCustomButtonPanel::InvalidateButton(int Index) {
    if (!inRange(Index)) return;
    const TRect r = buttons_[static_cast<size_t>(Index)].Rect();
    InvalidateRect({r.Left - 8, r.Top - 8, r.Right + 8, r.Bottom + 8});
}

void TCustomButtonPanel::SetButtonHot(int Index) {
    if (Index == buttonHot_ || (inRange(Index) && !enabled(Index))) return;
    InvalidateButton(buttonHot_);
    buttonHot_ = Index;
    InvalidateButton(Index);
}

void TCustomButtonPanel::SetButtonDown(int Index) {
    if (Index == buttonDown_ || (inRange(Index) && !enabled(Index))) return;
    InvalidateButton(buttonDown_);
    buttonDown_ = Index;
    InvalidateButton(Index);
}

void TCustomButtonPanel::GetButtonsRect(TRect& R) {
    R = ClientRect();
    R.Left += OffSetX;
    R.Right -= OffSetX;
    R.Top += OffSetY;
    R.Bottom -= OffSetY;
}

void TCustomButtonPanel::GetButtonSize(TSize& ASize) {
    int gw = 0, gh = 0, tw = 0, th = 0;
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(appearance_.Font);
    for (const TButtonItem& b : buttons_) {
        if (!b.Image->Empty()) {
            gw = std::max(gw, b.Image->Width());
            gh = std::max(gh, b.Image->Height());
        } else if (images_ && b.ImageIndex >= 0) {
            gw = std::max(gw, images_->Width);
            gh = std::max(gh, images_->Height);
        }
        const TSize text = GetTextSize(canvas, b.Caption);
        tw = std::max(tw, int(text.cx));
        th = std::max(th, int(text.cy));
    }
    if (ButtonLayout == ilCaptionLeft || ButtonLayout == ilCaptionRight) {
        ASize.cx = 2 * ButtonOffSetX + gw + (gw > 0 && tw > 0 ? CaptionGap : 0) + tw;
        ASize.cy = std::max(th, gh) + 2 * ButtonOffSetY;
    } else {
        ASize.cx = std::max(tw, gw) + 2 * ButtonOffSetX;
        ASize.cy = 2 * ButtonOffSetY + gh + (gh > 0 && th >= 1 ? CaptionGap : 0) + th;
    }
}

void TCustomButtonPanel::ResetButtons() {
    ClearButtons();
    BuildButtons();
}

void TCustomButtonPanel::BuildButtons() {
    if (!buttons_.empty()) return;
    if (type_ == plCalculator) {
        static const struct {
            const char* caption;
            const char* name;
            int tag;
            bool special;
        } keys[] = {
            {"", "BTN_ON", 30, false},     {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
            {"C", "BTN_C", 16, true},       {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
            {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
            {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
            {"8", "BTN_8", 8, false},       {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
            {"+/-", "BTN_+/-", 14, false},  {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
            {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
            {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
            {"=", "BTN_=", 17, true},       {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
            {"sqrt", "BTN_sqrt", 37, true},
        };
        for (const auto& k : keys) {
            TButtonItem& b = buttons_.Add();
            b.Caption = QString::fromLatin1(k.caption);
            b.Name = QString::fromLatin1(k.name);
            b.Tag = k.tag;
            b.Special = k.special;
            if (k.special) b.CaptionColor = 0x000080;
        }
    }
    LayoutButtons();
}

void TCustomButtonPanel::LayoutButtons() {
    if (buttons_.empty() || type_ == plCustom) return;
    TRect R;
    GetButtonsRect(R);
    const int L = R.Left, T = R.Top;
    const int W = (R.Right - R.Left - 8) / 6;
    const int H = (R.Bottom - R.Top - 4) / 5;
    int rows[5] = {T, T + H + 4, 0, 0, 0};
    for (int r = 2; r < 5; ++r) rows[r] = rows[r - 1] + H - 1;
    int cols[6] = {L, L + W + 4, 0, 0, 0, 0};
    cols[2] = cols[1] + W - 1;
    cols[3] = cols[2] + W - 1;
    cols[4] = cols[3] + W + 4;
    cols[5] = cols[4] + W - 1;
    // Rows 1 to 4, column by column, as key indexes.
    static const int grid[6][4] = {{4, 5, 6, 7},     {11, 10, 9, 8},   {12, 13, 14, 15},
                                   {19, 18, 17, 16}, {20, 21, 22, 23}, {27, 26, 25, 24}};
    const auto place = [this](int index, int left, int top, int width, int height) {
        if (!inRange(index)) return;
        TButtonItem& b = buttons_[static_cast<size_t>(index)];
        b.Left = left, b.Top = top, b.Width = width, b.Height = height;
    };
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 4; ++r) place(grid[c][r], cols[c], rows[r + 1], W, H);
    place(0, L, T, W, H);
    const int left0 = L + W + 4;
    const int right = cols[5] + W;
    const int wb = (right - left0 - 8) / 3;
    place(1, left0, T, wb, H);
    place(2, left0 + wb + 4, T, wb, H);
    place(3, left0 + 2 * wb + 8, T, right - (left0 + 2 * wb + 8), H);
    Invalidate();
}

void TCustomButtonPanel::Resize() {
    TCustomControl::Resize();
    LayoutButtons();
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas& Canvas) {
    if (!inRange(Index)) return;
    const TButtonItem& b = buttons_[static_cast<size_t>(Index)];
    const TRect r = b.Rect();
    Canvas.FillRect(r);
    const bool down = Index == buttonDown_, hot = Index == buttonHot_;
    const TVisualStylesBinding& styles = ExXPVS();
    HTHEME theme = styles.IsThemeActive() ? styles.OpenThemeData(this, "button") : nullptr;
    if (theme) {
        const int state = !Enabled() ? PBS_DISABLED : down ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
        styles.DrawThemeBackground(theme, Canvas, BP_PUSHBUTTON, state, r, nullptr);
        styles.CloseThemeData(theme);
    } else {
        TRect face = r;
        DrawFrameControl(Canvas, face, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? unsigned(DFCS_PUSHED) : 0u));
    }
    TSize g{};
    const bool picture = !b.Image->Empty();
    if (picture) g = {b.Image->Width(), b.Image->Height()};
    else if (images_ && b.ImageIndex >= 0) g = {images_->Width, images_->Height};
    const bool graphic = g.cx > 0;
    const TRect content{r.Left + ButtonOffSetX, r.Top + ButtonOffSetY, r.Right - ButtonOffSetX, r.Bottom - ButtonOffSetY};
    Canvas.Font.Assign(appearance_.Font);
    Canvas.Font.SetColor(b.Special ? appearance_.SpecialTextColor : appearance_.TextColor);
    Canvas.Brush.Style = bsClear;
    const auto drawGraphic = [&](int x, int y) {
        if (picture && b.Enabled) Canvas.Draw(x, y, *b.Image);
        else if (picture) Canvas.DrawDisabled(x, y, *b.Image);
        else if (graphic) images_->Draw(Canvas, x, y, b.ImageIndex, b.Enabled);
    };
    const unsigned line = DT_SINGLELINE | DT_VCENTER | (graphic ? 0u : unsigned(DT_CENTER));
    const int middle = content.Top + (content.Height() - g.cy) / 2;
    switch (ButtonLayout) {
    case ilCaptionLeft: {
        TRect text{content.Left, content.Top, content.Right - g.cx, content.Bottom};
        Canvas.DrawText(b.Caption, text, line);
        drawGraphic(content.Left + GetTextSize(Canvas, b.Caption).cx + CaptionGap, middle);
        break;
    }
    case ilCaptionRight: {
        drawGraphic(content.Left, middle);
        TRect text{content.Left + (graphic ? g.cx + CaptionGap : 0), content.Top, content.Right, content.Bottom};
        Canvas.DrawText(b.Caption, text, line);
        break;
    }
    case ilCaptionTop: {
        TRect text{content.Left, content.Top, content.Right, content.Bottom - g.cy};
        Canvas.DrawText(b.Caption, text, line | DT_CENTER);
        drawGraphic(content.Left, b.Caption.isEmpty() ? middle : content.Top + GetTextSize(Canvas, b.Caption).cy + CaptionGap);
        break;
    }
    case ilCaptionBottom: {
        drawGraphic(content.Left, b.Caption.isEmpty() ? middle : content.Top);
        TRect text{content.Left, content.Top + (graphic ? g.cy + CaptionGap : 0), content.Right, content.Bottom};
        Canvas.DrawText(b.Caption, text, line | DT_CENTER);
        break;
    }
    }
    Canvas.Brush.Style = bsSolid;
}

void TCustomButtonPanel::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    if (!exDropDown_) {
        canvas.Pen.Color = clBlack;
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(ClientRect());
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = Color();
    }
    // The hot key last, so that its look lies over its neighbours' shared edges.
    DrawAllButtons(canvas);
    if (inRange(buttonHot_)) DrawButton(buttonHot_, canvas);
}

void TCustomButtonPanel::DrawAllButtons(TCanvas& Canvas) {
    for (int i = 0; i < buttons_.Count(); ++i)
        if (i != buttonHot_) DrawButton(i, Canvas);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int index = ButtonAtPos(X, Y);
    if (enabled(index)) SetButtonDown(index);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    const int index = ButtonAtPos(X, Y);
    if (enabled(index)) SetButtonHot(index);
    else if (buttonHot_ >= 0) SetButtonHot(-1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    int clicked = -1;
    if (buttonDown_ >= 0 && ButtonAtPos(X, Y) == buttonDown_) clicked = buttonDown_;
    SetButtonDown(-1);
    if (clicked >= 0) ButtonClick(clicked);
}

void TCustomButtonPanel::WndProc(TMessage& Message) {
    TCustomControl::WndProc(Message);
    if (Message.Msg == CM_MOUSELEAVE && buttonHot_ >= 0) SetButtonHot(-1);
}
