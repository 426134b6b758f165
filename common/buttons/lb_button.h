#pragma once

#include "platform/controls/control.h"
#include "platform/controls/modal_driver.h"
#include "platform/system/thread.h"
#include "common/buttons/lb_button_painter.h"

#include <memory>

class TBitmap;
class TCustomAction;
class TLbButton;
class TLbButtonActionLink;
class TPopupMenu;

enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TLbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken,
};

// The fade timer of a push button: every 30 ms it hands FNotify to the GUI thread and waits
// until it has run. The button suspends it between fades.
class TLbButtonThread : public TThread {
public:
    explicit TLbButtonThread(TNotifyEvent DoNotify);
    ~TLbButtonThread() override;

protected:
    void Execute() override;

private:
    void DoEvent();
    TNotifyEvent FNotify;
};

// ModalResult reads and assigns like a field, as the windows use it; a write also turns the
// button's Kind back to bkCustom.
class TLbModalResult {
public:
    explicit TLbModalResult(TLbButton& Button) : FButton(Button) {}
    TLbModalResult(const TLbModalResult&) = delete;
    operator TModalResult() const { return FValue; }
    TLbModalResult& operator=(TModalResult Value);
    TLbModalResult& operator=(const TLbModalResult& Other) { return *this = static_cast<TModalResult>(Other); }

private:
    friend class TLbButton;
    TLbButton& FButton;
    TModalResult FValue = mrNone;
};

// The push button of every window. It paints its face with DrawLbButtonFace, lights up while
// the pointer is over it (optionally fading out through TLbButtonThread), looks pressed while
// held, fires OnClick on release wherever the pointer is and then gives a non-zero ModalResult
// to its window; Enter reaches the window's Default button and Esc its Cancel button.
class TLbButton : public TCustomControl {
public:
    explicit TLbButton(TComponent* AOwner);
    ~TLbButton() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool Cancel = false;
    // Reading gives lcsCustom always: a preset is applied, not remembered.
    TLbColorStyle ColorStyle() const { return FDummyStyle; }
    void SetColorStyle(TLbColorStyle Value);
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor Value) { FColorWhenDown = Value; }
    bool Default = false;
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    const TBitmap& Glyph() const { return *FGlyph; }
    // Copies the strip (nullptr empties it); NumGlyphs becomes its width div its height.
    void SetGlyph(const TBitmap* Value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor Value) { FHotTrackColor = Value; }
    TFont& HotTrackFont() { return FHTFont; }
    void SetHotTrackFont(const TFont& Value) { FHTFont.Assign(Value); }
    TLbButtonKind Kind() const { return FKind; }
    void SetKind(TLbButtonKind Value);
    TLbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TLbButtonLayout Value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor Value);
    TLbModalResult ModalResult{*this};
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool Value);
    TLbButtonStyle Style() const { return FStyle; }
    void SetStyle(TLbButtonStyle Value);
    bool UseHotTrackFont = false;
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // OnClick and OnMouseEnter are the control's; the button fires OnMouseEnter only when it can
    // light up, and OnMouseExit is its own.
    TNotifyEvent OnMouseExit;
    // The menu a click pops up below the button; a freed menu is forgotten.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    // The action a click executes after OnClick; the button follows its caption, hint, enabled
    // and visible states and, while it has no glyph, takes the action's picture.
    TCustomAction* Action() const;
    void SetAction(TCustomAction* Value);

    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // A press that became a drag lets the button up without a click.
    void DoStartDrag(TObject*& DragObject) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;

private:
    friend class TLbModalResult;
    friend class TLbButtonActionLink;
    // The glyph from the action's picture, when the button has none.
    void ActionChange();
    friend struct TLbButtonProbe;  // the tests' view of the hot-track state

    void MouseEnter();
    void MouseLeave();
    void DialogKey(TMessage& Message);
    bool ParentShowing() const;
    bool FocusedControlIsButton() const;
    void HotTrackTick(TObject* Sender);
    void StopThread();
    TLbButtonFace Face(bool Hot) const;

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = RGB(128, 128, 128);
    TColor FColorWhenDown = clNone;
    bool FFlat = false;
    bool FWordWrap = false;
    std::unique_ptr<TBitmap> FGlyph;
    TColor FHotTrackColor = clNone;
    TFont FHTFont;
    TLbButtonKind FKind = bkCustom;
    TLbButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = clWhite;
    int FNumGlyphs = 0;
    TLbColorStyle FDummyStyle = lcsCustom;
    TLbButtonStyle FStyle = bsNormal;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    std::unique_ptr<TLbButtonThread> FThread;
    int FHotTrackStep = 0;
    bool FDestroying = false;
    TPopupMenu* FPopupMenu = nullptr;
    std::unique_ptr<TLbButtonActionLink> FActionLink;
};
