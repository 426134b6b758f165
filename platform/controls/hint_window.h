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
    // at MaxWidth. AData is what the hint's control handed along (THintInfo::HintData).
    virtual TRect CalcHintRect(int MaxWidth, const QString& AHint, TObject* AData = nullptr);
    // Shows AHint in ARect, in screen coordinates. A rectangle that reaches past the right or
    // bottom edge of the monitor nearest its top-left corner is moved back to end 2 pixels
    // inside it.
    virtual void ActivateHint(TRect ARect, const QString& AHint);
    // As ActivateHint, with the control's data; the plain window has no use for it.
    virtual void ActivateHintData(TRect ARect, const QString& AHint, TObject* AData);
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
    // The window colour and the raised one-pixel frame.
    void PaintBackground(TCanvas& Canvas);

private:
    QString caption_;
};

// A kind of hint window: makes one for an owner.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);
// The platform's plain hint window.
THintWindow* NewPlainHintWindow(TComponent* AOwner);
// The kind of window the program's hints show in, the plain one until a caller sets another.
THintWindowClass HintWindowClass();
void SetHintWindowClass(THintWindowClass AClass);

// What CM_HINTSHOW hands a control (lParam): a hint about to show, which the control may
// change. Points are in screen coordinates but CursorPos and CursorRect, which are the
// control's client coordinates; the hint goes once the pointer leaves CursorRect.
struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass = nullptr;
    TPoint HintPos;
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;
    TPoint CursorPos;
    QString HintStr;
    TObject* HintData = nullptr;
};
