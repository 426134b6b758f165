// The glowing frame around the cell of an open editor: a layered popup of its own, in screen
// coordinates, that a call-window hook keeps on its cell while windows move.
#include "grid/foundation/alpha_mask.h"
#include "grid/foundation/layered_window_calls.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/messages.h"

namespace {

constexpr int Ring = 4;            // the frame's width outside the cell
constexpr int Grow = 2 * Ring + 1; // the window is this much larger than the cell
constexpr TColor FrameColor = 0xFDD397;
constexpr uint8_t FrameOpacity = 230;

// The grid whose frame follows window moves: the last one to show its frame.
TExStringGrid* focusGrid = nullptr;

void followWindowMoves() {
    static const int hook = AddCallWndHook([](HWND, TMessage& m) {
        if (m.Msg == WM_WINDOWPOSCHANGED && focusGrid) focusGrid->MoveFocusWindow();
    });
    (void)hook;
}

// The window minus the cell: outer outline clockwise, then the hole the other way round, joined
// by a seam, so that the winding rule leaves the hole out.
std::vector<TPoint> ringRegion(int W, int H, int CellW, int CellH) {
    const int l = Ring, t = Ring, r = Ring + CellW, b = Ring + CellH;
    return {{0, 0}, {W, 0}, {W, H}, {0, H}, {0, t}, {l, t}, {l, b}, {r, b}, {r, t}, {l, t}, {0, t}};
}

} // namespace

void ForgetFocusGrid(const TExStringGrid* Grid) {
    if (focusGrid == Grid) focusGrid = nullptr;
}

void TExStringGrid::ShowFocusWindow(TRect R) {
    TGridFocusWindow& window = *p->FFocusWindow;
    window.Hide();
    const int W = R.Width() + Grow, H = R.Height() + Grow;
    TBitmap mask;
    CreateRoundRectMask(mask, W, H, Ring, 5, 3);
    TBitmap fill(W, H);
    fill.SetPixelFormat(pf24bit);
    fill.Canvas().Brush.Color = FrameColor;
    fill.Canvas().FillRect({0, 0, W, H});
    TGridAlphaMask frame;
    frame.SetOpacity(FrameOpacity);
    frame.MergeMask(mask, fill, FrameColor);
    window.SetContent(frame);

    const TPoint at = ClientToScreen({R.Left - Ring, R.Top - Ring});
    window.SetBounds(at.X, at.Y, W, H);
    window.HandleNeeded();
    const TSize size{W, H};
    const TPoint origin{0, 0};
    BLENDFUNCTION blend;
    blend.SourceConstantAlpha = FrameOpacity;
    blend.AlphaFormat = AC_SRC_ALPHA;
    CallUpdateLayeredWindow(&window, nullptr, &at, &size, &frame.Canvas(), &origin, clNone, &blend, ULW_ALPHA);
    window.SetWindowRegion(ringRegion(W, H, R.Width(), R.Height()));
    window.Show();
    focusGrid = this;
    followWindowMoves();
}

void TExStringGrid::MoveFocusWindow() {
    const TRect cell = CellRect(Col(), Row());
    const TPoint at = ClientToScreen({cell.Left - Ring, cell.Top - Ring});
    p->FFocusWindow->SetBounds(at.X, at.Y, cell.Width() + Grow, cell.Height() + Grow);
}

void TExStringGrid::HideFocusWindow() {
    focusGrid = nullptr;
    if (p->FFocusWindow) p->FFocusWindow->Hide();
}
