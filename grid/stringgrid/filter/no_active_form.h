#pragma once

#include "platform/controls/form.h"

#include <cstdint>

// A pop-up window that never becomes the active window: a click on it leaves the focus where it
// was. Alpha blending makes it see-through once its window exists.
class TNoActiveForm : public TForm {
public:
    explicit TNoActiveForm(TComponent* AOwner);

    bool StayOnTop = false;
    bool AlphaBlend = false;
    uint8_t AlphaBlendValue = 255;

    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
};
