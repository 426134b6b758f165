#pragma once

#include "platform/controls/control.h"

#include <QString>
#include <functional>

// The time the pointer rests before a hint shows, in milliseconds (the system's default).
constexpr unsigned HintPause = 500;

// A hint: a small frameless window above every other that takes neither the focus nor the
// mouse, shows a text at a place on the screen and goes again. It paints its background and
// frame itself and leaves the text to OnPaintText when that is set, so a caller can render
// markup; else the text is drawn plain in the window's font. Headless only its state changes;
// in the program it is a native tool-tip window.
class THintWindow : public TCustomControl {
public:
    // Draws Text into TextRect, the client area less the frame and margins.
    using TTextPainter = std::function<void(TCanvas& Canvas, const TRect& TextRect, const QString& Text)>;

    explicit THintWindow(TComponent* AOwner);

    // The window rectangle, at (0, 0), that the plain text needs when its lines are broken
    // at MaxWidth.
    virtual TRect CalcHintRect(int MaxWidth, const QString& AHint);
    // Shows AHint in ARect, in screen coordinates. A rectangle that reaches past the right or
    // bottom edge of the monitor nearest its top-left corner is moved back to end 2 pixels
    // inside it.
    virtual void ActivateHint(TRect ARect, const QString& AHint);
    void HideHint();
    bool Showing() const { return Visible(); }
    QString Caption() const { return caption_; }

    TTextPainter OnPaintText;
    // Room around the text: left and right, top and bottom.
    static constexpr int MarginX = 4;
    static constexpr int MarginY = 2;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    QString caption_;
};
