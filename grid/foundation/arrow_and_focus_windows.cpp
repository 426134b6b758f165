#include "grid/foundation/arrow_and_focus_windows.h"

#include "platform/graphics/canvas.h"

namespace {

std::array<TPoint, 7> arrowFor(TArrowDirection d) {
    switch (d) {
    case arrUp: return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case arrDown: return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case arrLeft: return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case arrRight: return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
    }
    return {};
}

}  // namespace

TArrowWindow::TArrowWindow(TComponent* AOwner) : TPanel(AOwner) {}

void TArrowWindow::Init(TWinControl* AOwner, TArrowDirection Direction) {
    Dir = Direction;
    Arrow = arrowFor(Direction);
    SetColor(clLime);
    SetVisible(false);
    SetParent(AOwner);
}

void TArrowWindow::CreateParams(TCreateParams& Params) {
    Params.Style = WS_POPUP;
    // A mark beside the pointer: what the pointer lands on goes to the grid beneath, or a drop
    // there would end on the mark.
    Params.ExStyle = WS_EX_TRANSPARENT;
}

void TArrowWindow::CreateWnd() {
    TPanel::CreateWnd();
    SetWindowRegion({Arrow.begin(), Arrow.end()});
}

void TArrowWindow::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
}

TPictureWindow::TPictureWindow(TComponent* AOwner) : TCustomControl(AOwner) { SetVisible(false); }

void TPictureWindow::CreateParams(TCreateParams& Params) {
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

void TPictureWindow::SetContent(const TBitmap& Content) {
    content_.Assign(Content);
    Invalidate();
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TPictureWindow(AOwner) {
    SetBounds(Left(), Top(), 0, 0);
    SetColor(clRed);
    // Shown only around an editor's cell.
}

void TPictureWindow::Paint() {
    if (!content_.Empty()) Canvas().Draw(0, 0, content_);
}
