#pragma once

#include "grid/editors/dropdown/color_palette.h"

class TBitmap;
class TImage;

// The spectrum: a 128 x 128 picture of every hue (across) from white through the pure hue to
// black (down). The colour under the pointer shows in the hot box; a press picks it into the
// selected box. The pointer is a pipette.
class TExColorSpectrumPanel : public TExCustomColorSelectorPanel {
public:
    explicit TExColorSpectrumPanel(TComponent* AOwner);
    ~TExColorSpectrumPanel() override;

    TColor SelectedColor() const { return selectedColor_; }
    // Shown at the next painting.
    void SetSelectedColor(TColor Value) { selectedColor_ = Value; }
    TColor HotColor() const { return hotColor_; }
    TImage* SpectrumImage() const { return image_; }
    TRect SelectedRect() const { return selectedRect_; }
    TRect HotRect() const { return hotRect_; }
    void UpdateLayout();

    // The colour at a point of the picture: hue along X, white to hue to black along Y.
    static TColor SpectrumColor(int X, int Y);

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void drawBox(TCanvas& Canvas, TRect R, TColor Color);
    void imageMouseMove(int X, int Y);
    void imageMouseDown();

    TImage* image_ = nullptr;
    TColor hotColor_ = clNone;
    TColor selectedColor_ = 0xFFFFFF;
    TRect hotRect_;
    TRect selectedRect_;
};
