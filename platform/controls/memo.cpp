#include "platform/controls/memo.h"

#include "platform/graphics/canvas.h"

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner) { SetBounds(0, 0, 185, 89); }

QStringList TMemo::Lines() const {
    if (Text().isEmpty()) return {};
    QStringList lines = Text().split(u'\n');
    // A break after the last line ends it; it starts no line of its own.
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void TMemo::SetLines(const QStringList& Value) { SetText(Value.join(u'\n')); }

void TMemo::SetScrollBars(TScrollStyle Value) {
    if (Value == scrollBars_) return;
    scrollBars_ = Value;
    // The native field takes its bars when its window is made.
    if (HandleAllocated()) {
        DestroyHandle();
        HandleNeeded();
    }
}

void TMemo::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Pen.Color = BorderStyle == bsSingle ? clBtnShadow : Color();
    canvas.Rectangle(ClientRect());
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    TRect r{3, 2, Width() - 3, Height() - 2};
    canvas.DrawText(Text(), r, DT_NOPREFIX);
}
