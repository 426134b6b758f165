#include "platform/controls/list_box.h"

#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    TabStop = true;
    ControlStyle |= csClickEvents;
}

void TListBox::SetItems(const QStringList& items) {
    items_ = items;
    itemIndex_ = -1;
    WindowBackend().ItemsChanged(*this);
    Invalidate();
}

void TListBox::AddItem(const QString& item) {
    items_.append(item);
    WindowBackend().ItemsChanged(*this);
    Invalidate();
}

void TListBox::SetItemIndex(int index) {
    const int next = index >= 0 && index < Count() ? index : -1;
    if (next == itemIndex_) return;
    itemIndex_ = next;
    WindowBackend().ItemsChanged(*this);
    Invalidate();
}

int TListBox::ItemAtPos(TPoint p) const {
    if (p.Y < 0 || p.X < 0 || p.X >= Width()) return -1;
    const int index = p.Y / ItemHeight();
    return index < Count() ? index : -1;
}

void TListBox::ItemSelectedNatively(int index) {
    if (index < 0 || index >= Count() || index == itemIndex_) return;
    itemIndex_ = index;
    Click();
}

void TListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // A click below the last item keeps the selection, as the native list does.
    if (Button == mbLeft) {
        const int index = ItemAtPos({X, Y});
        if (index >= 0) SetItemIndex(index);
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
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
        canvas.Brush.Color = i == itemIndex_ ? clHighlight : Color();
        canvas.FillRect(r);
        canvas.Font.SetColor(i == itemIndex_ ? clHighlightText : clWindowText);
        canvas.Brush.Style = bsClear;
        r.Left += 2;
        canvas.DrawText(items_[i], r, DT_SINGLELINE | DT_VCENTER);
    }
}
