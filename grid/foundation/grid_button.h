#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/controls/control.h"
#include "platform/graphics/graphic.h"

#include <memory>

class TCustomAction;
class TExGridButtonActionLink;
class TPopupMenu;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// A windowless push or toggle button of the grid's cells: up to four glyphs and a caption,
// flat or classic, gradient colours for its normal, hot, pressed and checked states, an
// optional rounded frame and drop-down part, and seven colour looks that can follow the
// desktop's colour scheme.
class TExGridButton : public TGraphicControl {
public:
    explicit TExGridButton(TComponent* AOwner);
    ~TExGridButton() override;

    // Builds the glyph's shadow and follows the desktop's look, as set up by the owner.
    void Loaded();

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int v);
    bool Down() const { return FDown; }
    void SetDown(bool v);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool v);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout v);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v);
    int Margin() const { return FMargin; }
    // From -1 up; -1 centres the content.
    void SetMargin(int v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool v);
    TExGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExGridButtonStyle v);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool v);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool v);
    bool Shaded() const { return FShaded; }
    void SetShaded(bool v);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool v);
    int Look() const { return FLook; }
    // 0 to 6 set the colours of a built-in look; other values change nothing.
    void SetLook(int v);

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v);
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor v);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor v);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v);
    TColor ColorHot = 0xCAC7C7;
    TColor ColorHotTo = clNone;
    TColor ColorDown = 0xD8D3D2;
    TColor ColorDownTo = clNone;
    TColor BorderDownColor = clNone;
    TColor BorderHotColor = clNone;
    bool AutoXPStyle = false;

    // The glyph; a grey copy becomes the disabled glyph while that is empty.
    TBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TBitmap& v);
    TBitmap& GlyphHot() { return FGlyphHot; }
    void SetGlyphHot(const TBitmap& v) { FGlyphHot.Assign(v); }
    TBitmap& GlyphDown() { return FGlyphDown; }
    void SetGlyphDown(const TBitmap& v) { FGlyphDown.Assign(v); }
    TBitmap& GlyphDisabled() { return FGlyphDisabled; }
    void SetGlyphDisabled(const TBitmap& v) { FGlyphDisabled.Assign(v); }

    // Fired by a press on the drop-down part (the last 12 pixels), which then pops up
    // DropDownMenu below the button's bottom-left corner. A freed menu is forgotten.
    TNotifyEvent OnDropDown;
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* v);
    // The action a click executes when OnClick is not set; the caption, Down and GroupIndex
    // follow it as its link says.
    TCustomAction* Action() const;
    void SetAction(TCustomAction* v);

    void WndProc(TMessage& Message) override;

protected:
    void Click() override;
    void DblClick() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint(TCanvas& Canvas) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TButtonState FState = bsUp;

private:
    void UpdateExclusive();
    void UpdateTracking(int X, int Y);
    void MouseEnter();
    void MouseLeave();
    void ThemeAdapt();
    void BuildShade();
    void ButtonPressed(int Group, TExGridButton* Sender);
    void DrawGlyphAndCaption(TCanvas& Canvas, const TRect& Client, TPoint Offset, TButtonState State, bool Hot);

    int FGroupIndex = 0;
    TBitmap FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    int FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FBorderColor = clNone;
    TBitmap FGlyphDisabled;
    TBitmap FGlyphHot;
    TBitmap FGlyphDown;
    TBitmap FGlyphShade;
    bool FShaded = true;
    TColor FColorChecked = 0x808080;
    TColor FColorCheckedTo = clNone;
    TExGridButtonStyle FStyle = tasButton;
    int FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FShowCaption = true;
    TPopupMenu* FDropDownMenu = nullptr;
    std::unique_ptr<TExGridButtonActionLink> FActionLink;
};
