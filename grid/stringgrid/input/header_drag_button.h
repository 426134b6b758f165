#pragma once

#include "platform/controls/control.h"

// The header cell that follows the pointer while a column or row is being moved: a small
// topmost window with the look of a raised header and the moved column's (row's) caption.
class THeaderDragButton : public TCustomControl {
public:
    explicit THeaderDragButton(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
};
