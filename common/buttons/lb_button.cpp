#include "common/buttons/lb_button.h"

#include "platform/controls/action.h"
#include "platform/controls/form.h"
#include "platform/controls/image_list.h"
#include "platform/controls/keyboard.h"
#include "platform/controls/popup_menu.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/messages/clock.h"
#include "platform/system/resources.h"

// The button's own link: the plain control's, and the picture on every change.
class TLbButtonActionLink : public TControlActionLink {
public:
    explicit TLbButtonActionLink(TLbButton& Button) : TControlActionLink(Button), FButton(Button) {}
    void Changed() override { FButton.ActionChange(); }

private:
    TLbButton& FButton;
};


namespace {

struct TKindInfo {
    TModalResult ModalResult;
    const char* Resource;
    const char16_t* Caption;
};

// Indexed by TLbButtonKind; bkCustom changes nothing.
const TKindInfo Kinds[] = {
    {mrNone, nullptr, nullptr},
    {mrOk, "LBOK", u"OK"},
    {mrCancel, "LBCANCEL", u"Abbrechen"},
    {mrNone, "LBHELP", u"Hilfe"},
    {mrYes, "LBYES", u"Ja"},
    {mrNo, "LBNO", u"Nein"},
    {mrNone, "LBCLOSE", u"Schließen"},
    {mrAbort, "LBABORT", u"Abbrechen"},
    {mrRetry, "LBRETRY", u"Wiederholen"},
    {mrIgnore, "LBIGNORE", u"Ignorieren"},
    {12, "LBALL", u"Alle"},
};

struct TColorPreset {
    TColor Color, LightColor, ShadowColor, ColorWhenDown, HotTrackColor;
    bool Flat;
    TColor FontColor;
    TLbButtonStyle Style;
};

// Indexed by TLbColorStyle; lcsCustom changes nothing.
const TColorPreset Presets[] = {
    {},
    {RGB(192, 192, 0), RGB(255, 255, 0), RGB(128, 128, 0), clNone, RGB(223, 223, 0), false, clBlack, bsModern},
    {RGB(192, 192, 192), RGB(255, 255, 255), RGB(128, 128, 128), clNone, clNone, false, clBlack, bsModern},
    {RGB(0, 128, 255), RGB(0, 255, 255), RGB(0, 0, 255), clNone, clNone, false, clBlack, bsModern},
    {RGB(255, 0, 0), RGB(255, 192, 192), RGB(192, 0, 0), clNone, clNone, false, clBlack, bsModern},
    {clBtnFace, RGB(132, 146, 181), RGB(132, 146, 181), RGB(132, 146, 181), RGB(214, 211, 222), true, clBlack,
     bsNormal},
    {clBtnFace, RGB(0, 0, 0), RGB(0, 0, 0), RGB(188, 218, 36), RGB(228, 246, 140), true, clBlack, bsNormal},
    {RGB(219, 216, 209), RGB(132, 146, 181), RGB(133, 146, 181), RGB(133, 146, 181), RGB(182, 189, 210), true,
     clBlack, bsNormal},
    {RGB(148, 206, 236), RGB(212, 230, 252), RGB(0, 0, 0), clNone, clNone, false, clBlack, bsModern},
    {clBtnFace, RGB(255, 255, 255), RGB(128, 128, 128), clNone, clNone, false, clBlack, bsNormal},
    {RGB(0, 48, 96), RGB(192, 192, 192), RGB(192, 192, 192), RGB(41, 101, 173), RGB(156, 174, 206), false, clWhite,
     bsQuicken},
};

TWinControl* focusedIn(const TWinControl& parent) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(parent.Controls(i));
        if (!child) continue;
        if (child->Focused()) return child;
        if (TWinControl* inner = focusedIn(*child)) return inner;
    }
    return nullptr;
}

// The platform's dotted focus rectangle: every other pixel of the outline inverted.
void drawFocusRect(TCanvas& canvas, const TRect& r) {
    if (r.IsEmpty()) return;
    auto invert = [&canvas](int x, int y) {
        if ((x + y) % 2 == 0) canvas.SetPixel(x, y, canvas.Pixel(x, y) ^ 0xFFFFFF);
    };
    for (int x = r.Left; x < r.Right; ++x) {
        invert(x, r.Top);
        if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        invert(r.Left, y);
        if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
    }
}

}  // namespace

// ---- TLbButtonThread

TLbButtonThread::TLbButtonThread(TNotifyEvent DoNotify) : TThread(true), FNotify(std::move(DoNotify)) {}

// The body calls FNotify: it must have ended before the handler goes.
TLbButtonThread::~TLbButtonThread() {
    Terminate();
    WaitFor();
}

void TLbButtonThread::Execute() {
    while (!Terminated()) {
        WaitWhileSuspended();
        if (Terminated()) break;
        Clock().Sleep(30);
        if (Terminated()) break;
        Synchronize([this] { DoEvent(); });
    }
}

void TLbButtonThread::DoEvent() { FNotify(this); }

// ---- TLbModalResult

TLbModalResult& TLbModalResult::operator=(TModalResult Value) {
    FValue = Value;
    FButton.FKind = bkCustom;
    return *this;
}

// ---- TLbButton

TLbButton::TLbButton(TComponent* AOwner) : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 100, 23);
    if (auto* form = dynamic_cast<TForm*>(AOwner)) FHTFont.Assign(form->Font());
    TabStop = true;
    // The button clicks itself on release, wherever the pointer is; no double clicks.
    ControlStyle = csCaptureMouse;
    FThread = std::make_unique<TLbButtonThread>([this](TObject* Sender) { HotTrackTick(Sender); });
}

TLbButton::~TLbButton() {
    FDestroying = true;
    // A failure while stopping the fade (a queued call that throws) leaves the rest undone.
    try {
        StopThread();
    } catch (...) {
    }
}

void TLbButton::StopThread() {
    if (!FThread) return;
    // Asked to end first, a suspended or never-started thread ends at once instead of
    // sleeping another period; a tick it hands over meanwhile is served by WaitFor.
    FThread->Terminate();
    while (FThread->Suspended()) FThread->Resume();
    FThread->WaitFor();
    FThread.reset();
}

void TLbButton::HotTrackTick(TObject*) {
    if (FDestroying) return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        if (FThread) FThread->Suspend();
        FHotTrackStep = 0;
    }
    Invalidate();
}

void TLbButton::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}

void TLbButton::SetFlat(bool Value) {
    FFlat = Value;
    Invalidate();
}

void TLbButton::SetLayout(TLbButtonLayout Value) {
    FLayout = Value;
    Invalidate();
}

void TLbButton::SetLightColor(TColor Value) {
    FLightColor = Value;
    Invalidate();
}

void TLbButton::SetShadowColor(TColor Value) {
    FShadowColor = Value;
    Invalidate();
}

void TLbButton::SetWordWrap(bool Value) {
    FWordWrap = Value;
    Invalidate();
}

void TLbButton::SetNumGlyphs(int Value) {
    FNumGlyphs = Value;
    Invalidate();
}

// The platform has no per-window transparency: the transparent styles leave out their
// key colour when the face is copied to the screen (see Paint).
void TLbButton::SetStyle(TLbButtonStyle Value) {
    FStyle = Value;
    Invalidate();
}

void TLbButton::SetGlyph(const TBitmap* Value) {
    if (Value && !Value->Empty()) {
        FGlyph = std::make_unique<TBitmap>(Value->Width(), Value->Height());
        FGlyph->Canvas().Draw(0, 0, *Value);
        FNumGlyphs = Value->Width() / Value->Height();
    } else {
        FGlyph = std::make_unique<TBitmap>();
        FNumGlyphs = 0;
    }
    FKind = bkCustom;
    Invalidate();
}

void TLbButton::SetKind(TLbButtonKind Value) {
    if (Value != bkCustom) {
        const TKindInfo& kind = Kinds[Value];
        FNumGlyphs = 2;
        ModalResult.FValue = kind.ModalResult;
        FGlyph->LoadFromData(LoadResourceData(QString::fromLatin1(kind.Resource)));
        SetCaption(QString::fromUtf16(kind.Caption));
    }
    FKind = Value;
    Invalidate();
}

void TLbButton::SetColorStyle(TLbColorStyle Value) {
    if (Value == lcsCustom) return;
    const TColorPreset& p = Presets[Value];
    SetColor(p.Color);
    FLightColor = p.LightColor;
    FShadowColor = p.ShadowColor;
    FColorWhenDown = p.ColorWhenDown;
    FHotTrackColor = p.HotTrackColor;
    FFlat = p.Flat;
    Font().SetColor(p.FontColor);
    FStyle = p.Style;
    Invalidate();
}

void TLbButton::SetSlowDecease(bool Value) {
    FSlowDecease = Value;
    if (Value) {
        if (!FThread)
            FThread = std::make_unique<TLbButtonThread>([this](TObject* Sender) { HotTrackTick(Sender); });
    } else if (FThread) {
        FHotTrackStep = 0;
        StopThread();
    }
    Invalidate();
}

// The platform has neither actions nor popup menus: the click step is the whole click, and
// the control's own Click (which would fire OnClick again) is not called.
void TLbButton::Click() {
    bDown = true;
    if (Visible() && Enabled() && bDown) {
        bDown = false;
        OnClick(this);
        // Read after OnClick: the handler may still change it.
        if (ModalResult != mrNone)
            if (TForm* form = ParentForm()) form->SetModalResult(ModalResult);
        if (FPopupMenu) {
            const TPoint corner = ClientToScreen(TPoint{0, Height()});
            FPopupMenu->Popup(corner.X, corner.Y);
        }
    }
    if (FActionLink) FActionLink->Execute();
}

void TLbButton::SetPopupMenu(TPopupMenu* Value) {
    if (FPopupMenu == Value) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (FPopupMenu) FPopupMenu->FreeNotification(this);
    Invalidate();
}

TCustomAction* TLbButton::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TLbButton::SetAction(TCustomAction* Value) {
    Set_Control_Action(FActionLink, *this, Value);
    ActionChange();
}

void TLbButton::ActionChange() {
    const TCustomAction* action = Action();
    if (!action || !FGlyph->Empty() || !action->ActionList) return;
    const TImageList* images = action->ActionList->Images;
    if (!images || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return;
    FGlyph = std::make_unique<TBitmap>(images->Width, images->Height);
    FGlyph->Canvas().Brush.Color = clFuchsia;
    FGlyph->Canvas().FillRect(TRect{0, 0, images->Width, images->Height});
    images->Draw(FGlyph->Canvas(), 0, 0, action->ImageIndex());
    FNumGlyphs = 1;
    Invalidate();
}

void TLbButton::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

bool TLbButton::ParentShowing() const { return Parent() && Parent()->Showing(); }

void TLbButton::MouseEnter() {
    if (!Enabled() || !Visible() || !ParentShowing()) return;
    bCursorOnButton = true;
    FHotTrackStep = 8;
    Invalidate();
    OnMouseEnter(this);
}

void TLbButton::MouseLeave() {
    bCursorOnButton = false;
    if (FSlowDecease) {
        if (FThread && FThread->Suspended()) FThread->Resume();
    } else {
        FHotTrackStep = 0;
        Invalidate();
    }
    if (Enabled() && Visible() && ParentShowing()) OnMouseExit(this);
}

// A focused push button keeps Enter for itself; a focused radio button does not. The button
// is recognised by its class name, so that every kind of push button counts.
bool TLbButton::FocusedControlIsButton() const {
    TForm* form = nullptr;
    for (TComponent* c = Owner(); c && !form; c = c->Owner()) form = dynamic_cast<TForm*>(c);
    const TWinControl* active = form ? focusedIn(*form) : nullptr;
    if (!active) return false;
    const QString name = active->ClassName().toUpper();
    return name.contains("BUTTON") && !name.contains("RADIOBUTTON");
}

void TLbButton::DialogKey(TMessage& m) {
    const auto shift = static_cast<TShiftState>(m.LParam);
    const bool enter = m.WParam == VK_RETURN && Default;
    const bool escape = m.WParam == VK_ESCAPE && Cancel && !(shift & (ssShift | ssCtrl | ssAlt)) && Visible() &&
                        Enabled();
    // Esc cancels whatever has the focus: a focused button has no use of its own for it.
    if ((enter && !FocusedControlIsButton()) || escape) {
        bDown = true;
        Click();
        m.Result = 1;
        return;
    }
    TCustomControl::WndProc(m);
}

void TLbButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_MOUSEENTER:
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        MouseLeave();
        return;
    case CM_DIALOGKEY:
        DialogKey(m);
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(QChar(static_cast<char16_t>(m.WParam)), Caption()) && Visible() && Enabled() && ParentShowing()) {
            bDown = true;
            Click();
            m.Result = 1;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(m);
        bDown = false;
        Invalidate();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FOCUSCHANGED:
        TCustomControl::WndProc(m);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TLbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        bDown = true;
        SetFocus();
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TLbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (bDown) Click();
    bDown = false;
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TLbButton::DoStartDrag(TObject*& DragObject) {
    bDown = false;
    Invalidate();
    TCustomControl::DoStartDrag(DragObject);
}

void TLbButton::KeyDown(uint16_t& Key, TShiftState Shift) {
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled()) {
        bDown = true;
        Invalidate();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TLbButton::KeyUp(uint16_t& Key, TShiftState Shift) {
    if (Key == VK_RETURN || Key == VK_SPACE) {
        Click();
        Invalidate();
    }
    TCustomControl::KeyUp(Key, Shift);
}

TLbButtonFace TLbButton::Face(bool Hot) const {
    TLbButtonFace f;
    f.Width = Width();
    f.Height = Height();
    f.Alignment = FAlignment;
    f.Caption = Caption();
    f.Layout = FLayout;
    f.Font.Assign(Hot && UseHotTrackFont ? FHTFont : Font());
    f.ShadowColor = FShadowColor;
    f.LightColor = FLightColor;
    f.HotTrackColor = FHotTrackColor;
    f.ColorWhenDown = FColorWhenDown;
    f.Color = Color();
    f.Style = FStyle;
    f.WordWrap = FWordWrap;
    f.Flat = FFlat;
    f.Enabled = Enabled();
    f.Hot = Hot;
    f.Down = bDown;
    f.Glyph = FGlyph.get();
    f.NumGlyphs = FNumGlyphs;
    f.HotTrackStep = FHotTrackStep;
    f.HasPopupMenu = FPopupMenu != nullptr;
    return f;
}

void TLbButton::Paint() {
    if (FDestroying || !Visible()) return;
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0) return;
    const bool hot = bCursorOnButton || Focused();
    const bool transparent = FStyle == bsModern || FStyle == bsShape || FStyle == bsQuicken;
    TLbButtonFace face = Face(hot);

    TBitmap image(w, h);
    TCanvas& canvas = image.Canvas();
    if (transparent) {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = LbTransparentColor;
        canvas.FillRect(Rect(0, 0, w, h));
    }
    if (FStyle == bsOld && Focused()) {
        // A focused old-style face sits one pixel in, framed in black.
        if (w > 2 && h > 2) {
            face.Width = w - 2;
            face.Height = h - 2;
            if (bDown) face.LightColor = FShadowColor;
            TBitmap inner(w - 2, h - 2);
            DrawLbButtonFace(inner.Canvas(), face);
            canvas.Draw(1, 1, inner);
        }
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clBlack;
        canvas.FrameRect(Rect(0, 0, w, h));
    } else {
        DrawLbButtonFace(canvas, face);
    }
    // Drawn on the image before it is copied: the dots invert what lies beneath them.
    if (Focused() && Enabled() && FStyle != bsShape) drawFocusRect(canvas, Rect(4, 4, w - 4, h - 4));

    if (transparent) DrawTransparent(Canvas(), 0, 0, image, LbTransparentColor);
    else Canvas().Draw(0, 0, image);
}
