#pragma once

#include "platform/controls/control.h"

// A box with a caption that the user ticks and unticks. Every change of Checked fires
// OnClick, whether the user clicked or code set it; setting the state it already has does not.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* AOwner);

    TNativeKind NativeKind() const override { return nkCheckBox; }

    bool Checked() const { return checked_; }
    void SetChecked(bool v);

    void WndProc(TMessage& Message) override;
    // The native box reports the state the user gave it.
    void CheckedNatively(bool checked) { SetChecked(checked); }

protected:
    // A click toggles the box.
    void Click() override;
    void PaintWindow(TCanvas& canvas) override;

private:
    bool checked_ = false;
};
