#pragma once

#include "platform/controls/control.h"

class TExStringGrid;

// The header cell that follows the pointer while a column or row is being moved: a small
// topmost window with the look of the grid's header cell and the moved column's (row's)
// caption, plain or markup.
class THeaderDragButton : public TCustomControl {
public:
    explicit THeaderDragButton(TComponent* AOwner);

    // The grid whose header look the button takes; without one it looks like a raised button.
    TExStringGrid* Grid = nullptr;
    bool Flat = false;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
};
