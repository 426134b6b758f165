#pragma once

#include "platform/controls/control.h"

class TExStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

// A slim scroll bar drawn over the grid that is its parent: only a thumb of FScrollWidth
// pixels in Color, as long as the visible share of the rows (columns), at least 20 pixels.
// Pressing before or after the thumb pages, dragging the thumb scrolls the grid directly.
class TScrollControl : public TCustomControl {
public:
    explicit TScrollControl(TComponent* AOwner);

    TColor ThumbColor() const { return FColor; }
    void SetThumbColor(TColor Value);
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value) { FDirection = Value; }
    int ScrollWidth() const { return FScrollWidth; }

    // Start and size of the thumb along the bar; false while everything fits (no thumb).
    bool Thumb(int& Start, int& Size) const;
    bool DownOnScroller() const { return FDownOnScroller; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TExStringGrid* grid() const;
    bool vertical() const { return FDirection == sdVertical; }

    TColor FColor = 0xC0C0C0;
    int FScrollWidth = 4;
    TScrollDirection FDirection = sdVertical;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};
