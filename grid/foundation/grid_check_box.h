#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/controls/control.h"
#include "platform/graphics/graphic.h"

// An owner-drawn three-state check box of the grid: a themed or classic box beside a caption,
// optionally transparent over its parent (with a cached background), with caption ellipsis,
// read-only mode and Enter as Tab. It fires Click itself, after each toggle by mouse or key.
class TExCheckBox : public TCustomControl {
public:
    explicit TExCheckBox(TComponent* AOwner);

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState v);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool v);
    // Unless read-only: checked becomes unchecked, anything else checked.
    virtual void Toggle();

    bool Down() const { return FDown; }
    void SetDown(bool v) { FDown = v; }
    bool ReturnIsTab = false;
    bool ReadOnly = false;
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout v);
    // taLeftJustify puts the box at the left, taRightJustify at the right.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool v);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    // Keeps the parent's background in a bitmap until the box is moved, sized or made opaque.
    void SetTransparentCaching(bool v) { FTransparentCaching = v; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;

private:
    void PaintBackground(TCanvas& Canvas);
    void PaintBox(TCanvas& Canvas);
    void InvalidateBox();
    bool Inside(int X, int Y) const { return X >= 0 && X <= Width() && Y >= 0 && Y <= Height(); }

    bool FDown = false;
    TCheckBoxState FState = cbUnchecked;
    bool FFocused = false;
    TTextLayout FBtnVAlign = tlTop;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    QString FCaption;
    bool FHot = false;
    bool FMouseDown = false;
    TBitmap FBkgBmp;
    bool FBkgCache = false;
    bool FTransparentCaching = false;
    bool FTransparent = false;
};
