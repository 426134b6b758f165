#pragma once

#include "platform/controls/control.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

// A container with an optional bevel and a centred caption.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    TBevelCut BevelOuter = bvRaised;
    TBevelCut BevelInner = bvNone;
    TAlignment Alignment = taCenter;
    bool ShowCaption = true;

protected:
    void Paint() override;
};
