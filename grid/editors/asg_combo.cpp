#include "grid/editors/asg_combo.h"

#include "grid/foundation/theme_detection.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

TAsgCustomCombo::TAsgCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 2), isThemed_(IsComCtl6()), label_(*this) {
    label_.Font.OnChange = [this](TObject*) { PlaceLabel(); };
}

TAsgCustomCombo::~TAsgCustomCombo() = default;

void TAsgCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove) label_.Forget(AComponent);
}

void TAsgCustomCombo::Loaded() {
    if (dropWidth_ > 0) Perform(CB_SETDROPPEDWIDTH, static_cast<uintptr_t>(dropWidth_));
    oldColor_ = loadedColor_;
    if (!flatParentColor_ || flat_) SetColor(loadedColor_);
    if (TLabel* label = label_.Label()) {
        if (!label_.AlwaysEnabled) label->SetEnabled(Enabled());
        if (ParentFont()) label->Font().Assign(Font());
    }
    PlaceLabel();
    Init();
}

void TAsgCustomCombo::Init() { normalColor_ = Color(); }

void TAsgCustomCombo::SelectItem(const QString& AString) {
    const int index = static_cast<int>(Items().indexOf(AString));
    if (index >= 0) SetItemIndex(index);
}

void TAsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!IsDestroying()) PlaceLabel();
}

void TAsgCustomCombo::SetFlat(bool Value) {
    if (flat_ == Value) return;
    flat_ = Value;
    ctl3D_ = !Value;
    if (flatParentColor_ && Value) {
        if (Parent()) SetColor(Parent()->Color());
    } else {
        SetColor(loadedColor_);
    }
    Invalidate();
}

void TAsgCustomCombo::SetEtched(bool Value) {
    if (etched_ == Value) return;
    etched_ = Value;
    Invalidate();
}

void TAsgCustomCombo::SetButtonWidth(int Value) {
    if (Value < 14 || Value > 32) return;
    buttonWidth_ = Value;
    Invalidate();
}

void TAsgCustomCombo::SetDropWidth(int Value) {
    dropWidth_ = Value;
    if (Value > 0) Perform(CB_SETDROPPEDWIDTH, static_cast<uintptr_t>(Value));
}

void TAsgCustomCombo::SetFlatLineColor(TColor Value) {
    flatLineColor_ = Value;
    Invalidate();
}

void TAsgCustomCombo::SetFlatParentColor(bool Value) {
    flatParentColor_ = Value;
    Invalidate();
}

void TAsgCustomCombo::SetBorderColor(TColor Value) {
    if (borderColor_ == Value) return;
    borderColor_ = Value;
    Invalidate();  // the frame is painted anew
}

void TAsgCustomCombo::SetLabelCaption(const QString& Value) {
    label_.SetCaption(Value);
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelPosition(TLabelPosition Value) {
    label_.Position = Value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelMargin(int Value) {
    label_.Margin = Value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelTransparent(bool Value) {
    label_.Transparent = Value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelAlwaysEnabled(bool Value) {
    label_.AlwaysEnabled = Value;
    PlaceLabel();
}

void TAsgCustomCombo::SetLabelFont(const TFont& Value) {
    if (!ParentFont()) label_.Font.Assign(Value);
    PlaceLabel();
}

void TAsgCustomCombo::PlaceLabel() { label_.Place(ParentFont() ? nullptr : &label_.Font); }

bool TAsgCustomCombo::Hot() const { return mouseInControl_ || Focused(); }

bool TAsgCustomCombo::StylesActive() const { return isThemed_ && ExXPVS().IsThemeActive(); }

TEditorLook TAsgCustomCombo::Look() const {
    return WithControl({.ButtonWidth = buttonWidth_, .IsThemed = isThemed_, .StylesActive = StylesActive(),
                        .DisabledBorder = DisabledBorder, .HasFocus = hasFocus_, .FocusBorderShown = FocusBorder && Hot(),
                        .Hot = Hot(), .MouseOverButton = buttonHover_, .Dropped = DroppedDown(), .BorderColor = borderColor_,
                        .FocusBorderColor = FocusBorderColor},
                       *this);
}

bool TAsgCustomCombo::CustomPainting() const {
    return flat_ || ButtonColors.ButtonColor != clNone || borderColor_ != clNone ||
           (FocusBorderColor != clNone && hasFocus_) || (!Enabled() && StylesActive() && !DisabledBorder);
}

void TAsgCustomCombo::DrawButton(TCanvas& Canvas) {
    PaintDropButton(Canvas, this, dbsCombo, ButtonColors, Look());
}

void TAsgCustomCombo::DrawFrame(TCanvas& Canvas) {
    const bool plain = Enabled() && !flat_ && borderColor_ == clNone && FocusBorderColor == clNone;
    if (plain || (isVista_ && borderColor_ == clNone)) return;
    const TEditorLook look = Look();
    Canvas.SaveDC();
    PaintEditorOutline(Canvas, look);
    const bool twoColour = (Enabled() || !isThemed_ || DisabledBorder) &&
                           !(borderColor_ != clNone && !(hasFocus_ && FocusBorderColor != clNone)) &&
                           FocusBorderColor == clNone;
    if (twoColour && flat_ && flatLineColor_ != clNone) {
        Canvas.Brush.Color = flatLineColor_;
        Canvas.FillRect({0, Height() - 1, Width() - buttonWidth_ - 3, Height()});
    }
    if (Style() != csSimple && !(isWinXP_ && look.StylesActive)) PaintButtonSurround(Canvas, look, false);
    Canvas.RestoreDC();
}

void TAsgCustomCombo::paint(TCanvas& Canvas) {
    Canvas.SaveDC();
    if (Style() != csSimple) {
        Canvas.Brush.Color = Color();
        Canvas.Brush.Style = bsSolid;
        Canvas.FillRect(ClientRect());
        DrawButton(Canvas);
    }
    PaintWindow(Canvas);
    Canvas.RestoreDC();
    DrawFrame(Canvas);
    ncPaint(Canvas);
}

void TAsgCustomCombo::ncPaint(TCanvas& Canvas) {
    if (flat_ || (!Enabled() && StylesActive() && !DisabledBorder)) DrawFrame(Canvas);
    if ((FocusBorderColor != clNone && Focused()) || borderColor_ != clNone) DrawFrame(Canvas);
}

void TAsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomComboBox::MouseMove(Shift, X, Y);
    if (TrackButtonHover(buttonHover_, X, Width(), buttonWidth_)) Invalidate();
}

void TAsgCustomCombo::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        if ((isVista_ && ButtonColors.ButtonColor == clNone) || !CustomPainting() || !m.LParam) break;
        paint(*reinterpret_cast<TCanvas*>(m.LParam));
        return;
    case WM_NCPAINT:
        if (m.LParam) ncPaint(*reinterpret_cast<TCanvas*>(m.LParam));
        return;
    case CM_ENABLEDCHANGED:
        if (flat_) {
            if (Enabled()) {
                SetParentColor(oldParentColor_);
                SetColor(oldColor_);
            } else {
                oldParentColor_ = ParentColor();
                oldColor_ = Color();
                SetParentColor(true);
            }
        }
        TCustomComboBox::WndProc(m);
        if (TLabel* label = label_.Label(); label && !label_.AlwaysEnabled) {
            label->SetEnabled(Enabled());
            PlaceLabel();
        }
        return;
    default:
        break;
    }
    TCustomComboBox::WndProc(m);
    switch (m.Msg) {
    case CM_ENTER:
        hasFocus_ = true;
        Invalidate();
        if (FocusColor != clNone) {
            if (normalColor_ == clNone) normalColor_ = Color();
            SetColor(FocusColor);
        }
        if (FocusLabel) label_.SetBold(true);
        break;
    case CM_EXIT:
        hasFocus_ = false;
        Invalidate();
        if (FocusColor != clNone && normalColor_ != clNone) SetColor(normalColor_);
        if (FocusLabel) label_.SetBold(false);
        break;
    case WM_SETFOCUS:
        if (FocusBorderColor != clNone) Invalidate();
        if (FocusColor != clNone) SetColor(FocusColor);
        if (FocusLabel) label_.SetBold(true);
        break;
    case WM_KILLFOCUS:
        if (FocusColor != clNone && normalColor_ != clNone) SetColor(normalColor_);
        if (FocusLabel) label_.SetBold(false);
        Invalidate();
        break;
    case CM_MOUSEENTER: {
        if (!mouseInControl_ && Enabled()) {
            mouseInControl_ = true;
            Invalidate();
        }
        if (AutoFocus && CanFocus()) {
            const TForm* form = ParentForm();
            const TWinControl* focused = FocusedControl();
            if (!form || !focused || focused->ParentForm() == form) SetFocus();
        }
        if (isWinXP_) Invalidate();
        break;
    }
    case CM_MOUSELEAVE:
        if (mouseInControl_ && Enabled()) {
            mouseInControl_ = false;
            Invalidate();
        }
        buttonHover_ = false;
        if (isWinXP_) Invalidate();
        break;
    case CN_COMMAND: {
        const unsigned code = static_cast<unsigned>(m.WParam >> 16) & 0xFFFF;
        if (code == CBN_DROPDOWN || code == CBN_CLOSEUP) InvalidateRect({Width() - buttonWidth_, 0, Width(), Height()});
        if (code == CBN_CLOSEUP) OnDropUp(this);
        break;
    }
    case CM_FONTCHANGED:
        if (TLabel* label = label_.Label(); label && ParentFont()) {
            label->Font().Assign(Font());
            PlaceLabel();
        }
        break;
    case CM_VISIBLECHANGED:
        if (TLabel* label = label_.Label()) label->SetVisible(Visible());
        break;
    default:
        break;
    }
}
