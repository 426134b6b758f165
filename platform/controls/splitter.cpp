#include "platform/controls/splitter.h"

#include "platform/graphics/canvas.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 100, 3);
    SetCursor(crVSplit);
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Above || !Below) return;
    dragging_ = true;
    moved_ = false;
    grabY_ = Y;
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!dragging_) return;
    // Where the bar may go: leaving MinSize to the control above and the one below.
    const int lowest = Above->Top() + MinSize;
    const int highest = Below->Top() + Below->Height() - MinSize - Height();
    if (highest < lowest) return;
    const int top = std::clamp(Top() + Y - grabY_, lowest, highest);
    if (top == Top()) return;
    const int bottom = Below->Top() + Below->Height();
    Above->SetHeight(top - Above->Top());
    SetTop(top);
    Below->SetBounds(Below->Left(), top + Height(), Below->Width(), bottom - top - Height());
    moved_ = true;
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !dragging_) return;
    dragging_ = false;
    if (moved_) OnMoved(this);
}

void TSplitter::Paint(TCanvas& canvas) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(ClientRect());
}
