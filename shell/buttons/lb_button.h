#pragma once

#include "platform/controls/control.h"
#include "platform/controls/modal_driver.h"

#include <memory>

class TBitmap;

enum TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The push button of every window: a face with a glyph and a caption. A click fires OnClick
// and then, with a ModalResult, ends the modal window it stands on; Enter reaches the Default
// button and Esc the Cancel button of the window.
class TLbButton : public TCustomControl {
public:
    explicit TLbButton(TComponent* AOwner);
    ~TLbButton() override;

    TBitmap& Glyph();
    bool HasGlyph() const;
    TLbButtonLayout Layout = blGlyphLeft;
    TAlignment CaptionAlignment = taCenter;
    TModalResult ModalResult = mrNone;
    bool Default = false;
    bool Cancel = false;

    void WndProc(TMessage& Message) override;
    void Click() override;

protected:
    void Paint() override;

private:
    std::unique_ptr<TBitmap> glyph_;
    bool down_ = false;
};
