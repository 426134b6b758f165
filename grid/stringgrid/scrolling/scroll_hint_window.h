#pragma once

#include "platform/controls/control.h"

// The small window beside a dragged thumb that names the row or column that would come into
// view: one line of text on the hint colour in a window above the others that takes no input,
// so the drag goes on undisturbed. Its bounds are in screen coordinates.
class TScrollHintWindow : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    QString Text() const { return text_; }
    // Sets the text and colour and shows the window with its top-left corner at the screen
    // point At, sized for the text but never wider than MaxWidth. Markup text is laid out by the
    // grids' HTML renderer, plain text as it stands.
    void ShowAt(const QString& AText, TColor AColor, TPoint At, int MaxWidth, bool Markup = false);
    void Close();

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    QString text_;
    bool markup_ = false;
};
