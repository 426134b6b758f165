#pragma once

#include "platform/controls/control.h"

// A caption drawn on its parent. With AutoSize the label takes the size of its text.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent = true;
    bool WordWrap = false;
    TAlignment Alignment = taLeftJustify;
    TTextLayout Layout = tlTop;

    void WndProc(TMessage& Message) override;

protected:
    void Paint(TCanvas& canvas) override;
    void FontChanged() override;
    void AdjustBounds();
    // The text to draw (a link label strips its tags).
    virtual QString DisplayText() const { return Caption(); }

private:
    bool autoSize_ = true;
};
