#pragma once

#include "platform/controls/control.h"
#include "platform/graphics/graphic.h"

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// A button drawn on its parent, with a glyph and a caption. The left button pressed on it
// holds it down while the mouse stays over it; released over it, it clicks. Glyph holds
// NumGlyphs pictures side by side (up, disabled, down, held down); the colour of its
// bottom-left pixel is transparent.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);

    TBitmap& Glyph() { return glyph_; }
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TGraphic* Value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int Value);
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool Down() const { return down_; }
    // A grouped button (GroupIndex not 0) stays down after a click.
    void SetDown(bool Value);
    int GroupIndex = 0;

    TButtonState State() const { return state_; }
    // Clicks the button as a release over it would.
    void Click() override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Paint(TCanvas& Canvas) override;
    // Draws the glyph picture for the state centred in r (one pixel further while down).
    void DrawGlyph(TCanvas& Canvas, const TRect& r);

    TButtonState state_ = bsUp;

private:
    TBitmap glyph_;
    int numGlyphs_ = 1;
    bool flat_ = false;
    bool transparent_ = false;
    bool down_ = false;
    bool dragging_ = false;
};
