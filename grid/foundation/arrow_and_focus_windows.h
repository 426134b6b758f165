#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/controls/panel.h"
#include "platform/graphics/graphic.h"

#include <array>

// Small borderless top-level windows of the string grid: the arrows that mark where a dragged
// column or row lands, and the window of the glowing focus frame.

// A lime arrow-shaped popup that the pointer passes through; the grid makes one per direction
// and moves and shows it itself.
class TArrowWindow : public TPanel {
public:
    explicit TArrowWindow(TComponent* AOwner);
    // Takes the direction, the panel colour and AOwner as its window's owner, hidden.
    void Init(TWinControl* AOwner, TArrowDirection Direction);

    TArrowDirection Dir = arrUp;
    std::array<TPoint, 7> Arrow{};

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Paint() override;
};

// A popup that shows a picture: disabled, topmost, a tool window, hidden until shown.
class TPictureWindow : public TCustomControl {
public:
    explicit TPictureWindow(TComponent* AOwner);

    void SetContent(const TBitmap& Content);
    const TBitmap& Content() const { return content_; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    TBitmap content_;
};

// The popup of the focus frame; the grid gives it its shape and its layered content (where the
// platform cannot blend per pixel, the frame's mask).
class TGridFocusWindow : public TPictureWindow {
public:
    explicit TGridFocusWindow(TComponent* AOwner);
};
