#include "grid/foundation/grid_button.h"

#include "grid/foundation/color_routines.h"
#include "grid/foundation/theme_detection.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/action.h"
#include "platform/controls/keyboard.h"
#include "platform/controls/popup_menu.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"

#include <algorithm>

// The grid button's link: the caption while the button shows the action's, the checked state
// while the button is a group's and may go all up and shows the action's state, and the group
// while the button is in the action's.
class TExGridButtonActionLink : public TControlActionLink {
public:
    explicit TExGridButtonActionLink(TExGridButton& Button) : TControlActionLink(Button), FButton(Button) {}

    void SetChecked(bool Value) override {
        if (FButton.GroupIndex() != 0 && FButton.AllowAllUp() && Action()->Checked() == FButton.Down())
            FButton.SetDown(Value);
    }
    void SetGroupIndex(int Value) override {
        if (Action()->GroupIndex() == FButton.GroupIndex()) FButton.SetGroupIndex(Value);
    }

private:
    TExGridButton& FButton;
};

namespace {

// The suite's own notice that the desktop's look changed.
constexpr uint32_t CM_LOOKCHANGED = 0xB035;

struct LookColors {
    TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
};
const LookColors Looks[7] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
};

// Stores v in field; true when that changed it.
template <class T>
bool changed(T& field, T v) {
    if (field == v) return false;
    field = v;
    return true;
}

TRect grow(const TRect& r, int d) { return {r.Left - d, r.Top - d, r.Right + d, r.Bottom + d}; }

// A vertical gradient of 16 bands, then a frame in border unless it is clNone.
void gradient(TCanvas& canvas, const TRect& r, TColor from, TColor to, TColor border) {
    const TColor f = ColorToRGB(from), t = ColorToRGB(to);
    const int h = r.Height();
    canvas.Brush.Style = bsSolid;
    for (int i = 0; i < 16; ++i) {
        const auto channel = [&](int a, int b) { return a + NearestInt(i * (b - a) / 16.0); };
        canvas.Brush.Color = RGB(channel(GetRValue(f), GetRValue(t)), channel(GetGValue(f), GetGValue(t)),
                                 channel(GetBValue(f), GetBValue(t)));
        const int top = r.Top + NearestInt(i * h / 16.0);
        canvas.FillRect({r.Left, top, r.Right, std::min(r.Bottom, top + NearestInt(h / 16.0) + 1)});
    }
    if (border == clNone) return;
    canvas.Brush.Color = border;
    canvas.FrameRect(r);
}

// A filled rectangle framed in pen, or in the fill colour when pen is clNone.
void filledRect(TCanvas& canvas, const TRect& r, TColor fill, TColor pen) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = fill;
    canvas.Pen.Color = pen == clNone ? fill : pen;
    canvas.Rectangle(r);
}

// A rounded frame of corner 8 with a clear brush.
void roundFrame(TCanvas& canvas, const TRect& r, TColor pen) {
    if (pen == clNone) return;
    canvas.Brush.Style = bsClear;
    canvas.Pen.Color = pen;
    canvas.RoundRect(r, 8, 8);
    canvas.Brush.Style = bsSolid;
}

// The colour of a bitmap's bottom-left pixel, which counts as transparent.
TColor transparentColorOf(TBitmap& b) { return b.Canvas().Pixel(0, b.Height() - 1); }

// Draws the pixels of b that are not of its transparent colour.
void drawTransparent(TCanvas& canvas, TBitmap& b, int x, int y) {
    if (b.Empty()) return;
    const TColor clear = transparentColorOf(b);
    TCanvas& source = b.Canvas();
    for (int py = 0; py < b.Height(); ++py)
        for (int px = 0; px < b.Width(); ++px)
            if (const TColor c = source.Pixel(px, py); c != clear) canvas.SetPixel(x + px, y + py, c);
}

}  // namespace

TExGridButton::TExGridButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 22, 23);
    ControlStyle = csCaptureMouse | csDoubleClicks;
    SetColor(clBtnFace);
    SetParentFont(true);
}

void TExGridButton::Loaded() {
    if (FShaded) BuildShade();
    if (FAutoThemeAdapt) ThemeAdapt();
}

void TExGridButton::SetGroupIndex(int v) {
    if (v == FGroupIndex) return;
    FGroupIndex = v;
    UpdateExclusive();
}

void TExGridButton::SetAllowAllUp(bool v) {
    if (v == FAllowAllUp) return;
    FAllowAllUp = v;
    UpdateExclusive();
}

void TExGridButton::SetDown(bool v) {
    if (FGroupIndex == 0 && FStyle != tasCheck) v = false;
    if (FStyle == tasCheck) {
        FDown = v;
        Repaint();
        return;
    }
    if (v == FDown || (FDown && !FAllowAllUp)) return;
    FDown = v;
    if (v) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
        Repaint();
    }
}

void TExGridButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent()) return;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(CM_BUTTONPRESSED, uintptr_t(FGroupIndex), reinterpret_cast<intptr_t>(this));
}

void TExGridButton::ButtonPressed(int Group, TExGridButton* Sender) {
    if (Group != FGroupIndex || Sender == this || !Sender) return;
    if (Sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        if (TCustomAction* action = Action()) action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = Sender->AllowAllUp();
}

void TExGridButton::SetLayout(TButtonLayout v) {
    if (changed(FLayout, v)) Invalidate();
}

void TExGridButton::SetSpacing(int v) {
    if (changed(FSpacing, v)) Invalidate();
}

void TExGridButton::SetFlat(bool v) {
    if (changed(FFlat, v)) Invalidate();
}

void TExGridButton::SetShowCaption(bool v) {
    if (changed(FShowCaption, v)) Invalidate();
}

void TExGridButton::SetStyle(TExGridButtonStyle v) {
    if (changed(FStyle, v)) Invalidate();
}

void TExGridButton::SetRounded(bool v) {
    if (changed(FRounded, v)) Invalidate();
}

void TExGridButton::SetDropDownButton(bool v) {
    if (changed(FDropDownButton, v)) Invalidate();
}

void TExGridButton::SetColorTo(TColor v) {
    if (changed(FColorTo, v)) Invalidate();
}

void TExGridButton::SetColorChecked(TColor v) {
    if (changed(FColorChecked, v)) Invalidate();
}

void TExGridButton::SetColorCheckedTo(TColor v) {
    if (changed(FColorCheckedTo, v)) Invalidate();
}

void TExGridButton::SetBorderColor(TColor v) {
    if (changed(FBorderColor, v)) Invalidate();
}

void TExGridButton::SetMargin(int v) {
    if (v == FMargin || v < -1) return;
    FMargin = v;
    Invalidate();
}

void TExGridButton::SetShaded(bool v) {
    FShaded = v;
    if (v) BuildShade();
}

void TExGridButton::SetAutoThemeAdapt(bool v) {
    FAutoThemeAdapt = v;
    if (v) ThemeAdapt();
}

void TExGridButton::SetLook(int v) {
    if (v < 0 || v > 6) return;
    FLook = v;
    const LookColors& l = Looks[v];
    SetColor(l.color);
    FColorTo = l.colorTo;
    ColorHot = l.hot;
    ColorHotTo = l.hotTo;
    ColorDown = l.down;
    ColorDownTo = l.downTo;
    FColorChecked = l.checked;
    FColorCheckedTo = l.checkedTo;
    BorderDownColor = l.borderDown;
    BorderHotColor = l.borderHot;
    FBorderColor = clNone;
    FFlat = true;
    FRounded = v == 0;
    Invalidate();
}

// The desktop's colour scheme, read by the button itself.
void TExGridButton::ThemeAdapt() {
    int look = 1;
    if (IsWinXPOrLater() && ExXPVS().IsThemeActive()) {
        QString file, color, size;
        if (ExXPVS().GetCurrentThemeName(file, color, size)) {
            if (color == QLatin1String("NormalColor")) look = 2;
            else if (color == QLatin1String("HomeStead")) look = 3;
            else if (color == QLatin1String("Metallic")) look = 4;
        }
    }
    SetLook(look);
}

void TExGridButton::SetGlyph(const TBitmap& v) {
    FGlyph.Assign(v);
    if (FGlyphDisabled.Empty() && !FGlyph.Empty()) {
        FGlyphDisabled.Assign(FGlyph);
        TCanvas& canvas = FGlyphDisabled.Canvas();
        for (int y = 0; y < FGlyphDisabled.Height(); ++y)
            for (int x = 0; x < FGlyphDisabled.Width(); ++x) {
                const TColor c = canvas.Pixel(x, y);
                const int g = (NearestInt((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3.0) / 2 + 96) & 0xFF;
                canvas.SetPixel(x, y, RGB(g, g, g));
            }
    }
    if (FShaded) BuildShade();
    Invalidate();
}

void TExGridButton::BuildShade() {
    if (FGlyph.Empty()) return;
    FGlyphShade.SetSize(FGlyph.Width(), FGlyph.Height());
    const TColor clear = transparentColorOf(FGlyph);
    TCanvas& source = FGlyph.Canvas();
    TCanvas& shade = FGlyphShade.Canvas();
    for (int y = 0; y < FGlyph.Height(); ++y)
        for (int x = 0; x < FGlyph.Width(); ++x) shade.SetPixel(x, y, source.Pixel(x, y) == clear ? clear : clGray);
}

void TExGridButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_THEMECHANGED:
    case CM_LOOKCHANGED:
        if (FAutoThemeAdapt) ThemeAdapt();
        break;
    case CM_BUTTONPRESSED:
        ButtonPressed(int(Message.WParam), dynamic_cast<TExGridButton*>(reinterpret_cast<TControl*>(Message.LParam)));
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(QChar(char16_t(Message.WParam)), Caption()) && Enabled() && Visible() && Parent() &&
            Parent()->Showing()) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    case CM_MOUSEENTER:
        MouseEnter();
        break;
    case CM_MOUSELEAVE:
        MouseLeave();
        break;
    case CM_ENABLEDCHANGED:
        UpdateTracking(-1, -1);
        Repaint();
        break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(Message);
}

void TExGridButton::MouseEnter() {
    if (!FMouseInControl && Enabled() && !GetCaptureControl()) {
        FMouseInControl = true;
        Repaint();
    }
}

void TExGridButton::MouseLeave() {
    if (FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
}

// Whether the pointer at (X, Y) is over the button decides hot and not hot.
void TExGridButton::UpdateTracking(int X, int Y) {
    if (!Enabled()) return;
    const bool over = ClientRect().Contains({X, Y});
    if (over == FMouseInControl) return;
    if (over) {
        MouseEnter();
        OnMouseEnter(this);
    } else {
        MouseLeave();
        OnMouseLeave(this);
    }
}

TExGridButton::~TExGridButton() = default;

// The standard click: OnClick where it is set, else the action.
void TExGridButton::Click() {
    if (OnClick || !FActionLink) TGraphicControl::Click();
    else FActionLink->Execute();
}

void TExGridButton::SetDropDownMenu(TPopupMenu* v) {
    if (FDropDownMenu == v) return;
    if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = v;
    if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

TCustomAction* TExGridButton::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TExGridButton::SetAction(TCustomAction* v) { Set_Control_Action(FActionLink, *this, v); }

void TExGridButton::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TExGridButton::DblClick() {
    if (FDown) TGraphicControl::DblClick();
}

void TExGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (FDropDownButton && X > ClientWidth() - 12) {
        FState = bsUp;
        OnDropDown(this);
        if (FDropDownMenu) {
            const TPoint corner = ClientToScreen(TPoint{0, Height()});
            FDropDownMenu->Popup(corner.X, corner.Y);
        }
        return;
    }
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TExGridButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!FMouseInControl) UpdateTracking(X, Y);
        return;
    }
    TButtonState next = FDown ? bsExclusive : bsUp;
    if (X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight()) next = FDown ? bsExclusive : bsDown;
    if (FStyle == tasCheck && FDown) next = bsDown;
    if (next != FState) {
        FState = next;
        Invalidate();
    }
}

void TExGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck) {
            FDown = !FDown;
            FState = bsUp;
        }
        if (inside && !FDown) Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown) Repaint();
    } else {
        if (FDown) FState = bsExclusive;
        Repaint();
    }
    if (inside) Click();
    UpdateTracking(X, Y);
}

void TExGridButton::Paint(TCanvas& Canvas) {
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    const TButtonState state = FStyle == tasCheck && FDown ? bsDown : FState;
    const bool hot = FMouseInControl && Enabled();
    Canvas.Font.Assign(Font());
    Canvas.Pen.Width = 1;
    TRect r = ClientRect();

    if (FFlat) {
        if (BorderDownColor == clNone || FRounded) r = grow(r, -1);
        if (!hot) {
            if (FStyle == tasCheck && FDown) {
                if (FColorCheckedTo != clNone) gradient(Canvas, r, FColorChecked, FColorCheckedTo, BorderDownColor);
                else filledRect(Canvas, r, FColorChecked, BorderDownColor);
            } else if (FColorTo == clNone) {
                Canvas.Brush.Style = bsSolid;
                FillRectColor(Canvas, r, Color());
            } else {
                gradient(Canvas, r, Color(), FColorTo, FDown ? BorderDownColor : (FRounded ? clNone : FBorderColor));
            }
            if (FBorderColor != clNone) {
                if (FRounded) {
                    r = grow(r, 1);
                    roundFrame(Canvas, r, FBorderColor);
                } else {
                    Canvas.Brush.Color = FBorderColor;
                    Canvas.FrameRect(r);
                }
            }
        } else {
            TColor from = ColorHot, to = ColorHotTo, pen = BorderHotColor;
            if (state == bsDown) from = ColorDown, to = ColorDownTo, pen = BorderDownColor;
            if (FStyle == tasCheck && FDown && state != bsDown) from = FColorChecked, to = FColorCheckedTo, pen = BorderDownColor;
            if (FRounded) pen = clNone;
            if (to == clNone) filledRect(Canvas, r, from, pen);
            else gradient(Canvas, r, from, to, pen);
            const TColor frame = state == bsDown ? BorderDownColor : BorderHotColor;
            if (FRounded) {
                r = grow(r, 1);
                roundFrame(Canvas, r, frame);
            }
            if (FDropDownButton && frame != clNone) {
                Canvas.Pen.Color = frame;
                Canvas.MoveTo(r.Right - 12, r.Top);
                Canvas.LineTo(r.Right - 12, r.Bottom);
            }
        }
        r = grow(r, -1);
    } else {
        const bool pressed = state == bsDown || state == bsExclusive;
        bool themed = false;
        if (AutoXPStyle && IsWinXPOrLater() && IsComCtl6() && ExXPVS().IsThemeActive()) {
            if (HTHEME theme = ExXPVS().OpenThemeData(Parent(), QStringLiteral("button"))) {
                themed = ExXPVS().DrawThemeBackground(theme, Canvas, BP_PUSHBUTTON,
                                                      pressed ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL, r, nullptr);
                ExXPVS().CloseThemeData(theme);
            }
        }
        if (!themed) DrawFrameControl(Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
        r = grow(r, -2);
    }

    TPoint offset{0, 0};
    if (state == bsDown || state == bsExclusive) {
        if (state == bsExclusive && (!FFlat || !hot)) {
            r = grow(r, 1);
            if (FColorCheckedTo == clNone) {
                Canvas.Brush.Style = bsSolid;
                FillRectColor(Canvas, r, FColorChecked);
            } else {
                gradient(Canvas, r, FColorChecked, FColorCheckedTo, FDown ? BorderDownColor : FBorderColor);
            }
        }
        if (!FFlat) offset = {1, 1};
    }
    if (FFlat && hot && FShaded && state != bsDown) offset = {-1, -1};

    if (FDropDownButton) {
        const int m = r.Top + (r.Bottom - r.Top) / 2;
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = Font().Color();
        Canvas.Pen.Color = Font().Color();
        Canvas.Polygon({{r.Right - 8, m - 1}, {r.Right - 4, m - 1}, {r.Right - 6, m + 1}});
        r.Right -= 12;
    }
    DrawGlyphAndCaption(Canvas, r, offset, state, hot);
}

// Places glyph and caption along the layout's axis by margin and spacing, centred across it.
void TExGridButton::DrawGlyphAndCaption(TCanvas& Canvas, const TRect& Client, TPoint Offset, TButtonState State,
                                        bool Hot) {
    const QString caption = FShowCaption ? Caption() : QString();
    const TSize glyph{FGlyph.Width(), FGlyph.Height()};
    const TSize text{caption.isEmpty() ? 0 : Canvas.TextWidth(caption), caption.isEmpty() ? 0 : Canvas.TextHeight(caption)};
    const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    const int clientSize = horizontal ? Client.Width() : Client.Height();
    const int acrossSize = horizontal ? Client.Height() : Client.Width();
    const int glyphAlong = horizontal ? glyph.cx : glyph.cy, textAlong = horizontal ? text.cx : text.cy;
    const int glyphAcross = (acrossSize - (horizontal ? glyph.cy : glyph.cx) + 1) / 2;
    const int textAcross = (acrossSize - (horizontal ? text.cy : text.cx) + 1) / 2;
    int spacing = caption.isEmpty() || glyphAlong == 0 ? 0 : FSpacing;
    int margin = FMargin;
    if (margin == -1 && spacing == -1) {
        margin = (clientSize - glyphAlong - textAlong) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (clientSize - (glyphAlong + spacing + textAlong) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (clientSize - (margin + glyphAlong) - textAlong) / 2;
    }
    int glyphPos = margin, textPos = margin + glyphAlong + spacing;
    if (FLayout == blGlyphRight || FLayout == blGlyphBottom) {
        glyphPos = clientSize - margin - glyphAlong;
        textPos = glyphPos - spacing - textAlong;
    }
    const auto place = [&](int along, int across) {
        return horizontal ? TPoint{Client.Left + along + Offset.X, Client.Top + across + Offset.Y}
                          : TPoint{Client.Left + across + Offset.X, Client.Top + along + Offset.Y};
    };
    TPoint glyphAt = caption.isEmpty() ? TPoint{Offset.X, Offset.Y} : place(glyphPos, glyphAcross);
    const TPoint textAt = place(textPos, textAcross);

    const bool pressed = State == bsDown || State == bsExclusive;
    TBitmap* picture = &FGlyph;
    if (!Enabled()) picture = &FGlyphDisabled;
    else if (pressed) picture = &FGlyphDown;
    else if (Hot) picture = &FGlyphHot;
    if (picture->Empty()) picture = &FGlyph;
    if (Hot && FShaded && Enabled() && State != bsDown) drawTransparent(Canvas, FGlyphShade, glyphAt.X + 2, glyphAt.Y + 2);
    drawTransparent(Canvas, *picture, glyphAt.X, glyphAt.Y);

    if (caption.isEmpty()) return;
    TRect box{textAt.X, textAt.Y, textAt.X + text.cx, textAt.Y + text.cy};
    if (FFlat && Hot && FShaded && Enabled() && State == bsUp) box = {box.Left + 1, box.Top + 1, box.Right + 1, box.Bottom + 1};
    Canvas.Brush.Style = bsClear;
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
    if (!Enabled()) {
        TRect shadow{box.Left + 1, box.Top + 1, box.Right + 1, box.Bottom + 1};
        Canvas.Font.SetColor(clBtnHighlight);
        Canvas.DrawText(caption, shadow, flags);
        Canvas.Font.SetColor(clBtnShadow);
    }
    Canvas.DrawText(caption, box, flags);
}
