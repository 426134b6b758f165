#include "platform/controls/list_box.h"

#include "platform/graphics/canvas.h"

TListBox::TListBox(TComponent* AOwner) : TCustomListControl(AOwner) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    TabStop = true;
    ControlStyle |= csClickEvents;
}

int TListBox::ItemAtPos(TPoint p) const {
    if (p.Y < 0 || p.X < 0 || p.X >= Width()) return -1;
    const int index = p.Y / ItemHeight();
    return index < Count() ? index : -1;
}

void TListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // A click below the last item keeps the selection, as the native list does.
    if (Button == mbLeft) {
        const int index = ItemAtPos({X, Y});
        if (index >= 0) SetItemIndex(index);
    }
    TCustomListControl::MouseDown(Button, Shift, X, Y);
}

void TListBox::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(ClientRect());
    canvas.Font.Assign(Font());
    for (int i = 0; i < Count(); ++i) {
        TRect r{1, 1 + i * ItemHeight(), Width() - 1, 1 + (i + 1) * ItemHeight()};
        if (r.Top >= Height()) break;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = i == ItemIndex() ? clHighlight : Color();
        canvas.FillRect(r);
        canvas.Font.SetColor(i == ItemIndex() ? clHighlightText : clWindowText);
        canvas.Brush.Style = bsClear;
        r.Left += 2;
        canvas.DrawText(Items()[i], r, DT_SINGLELINE | DT_VCENTER);
    }
}
