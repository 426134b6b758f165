#include "grid/stringgrid/filter/drop_lists.h"

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/graphics/canvas.h"

// ---- check list

bool TCheckListBox::Checked(int Index) const {
    return Index >= 0 && Index < static_cast<int>(checked_.size()) && checked_[static_cast<size_t>(Index)];
}

void TCheckListBox::SetChecked(int Index, bool Value) {
    if (Index < 0 || Index >= Count()) return;
    if (static_cast<int>(checked_.size()) < Count()) checked_.resize(static_cast<size_t>(Count()), false);
    checked_[static_cast<size_t>(Index)] = Value;
    Invalidate();
}

void TCheckListBox::toggle(int Index) {
    if (Index < 0 || Index >= Count()) return;
    SetChecked(Index, !Checked(Index));
    ClickCheck(Index);
}

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TListBox::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && X < CheckWidth) toggle(ItemAtPos({X, Y}));
}

void TCheckListBox::KeyPress(QChar& Key) {
    TListBox::KeyPress(Key);
    if (Key == QLatin1Char(' ')) toggle(ItemIndex());
}

void TCheckListBox::PaintWindow(TCanvas& canvas) {
    TListBox::PaintWindow(canvas);
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Color = clBtnShadow;
    for (int i = 0; i < Count(); ++i) {
        const int top = 1 + i * ItemHeight();
        if (top >= Height()) break;
        const TRect box{3, top + 3, 3 + ItemHeight() - 6, top + ItemHeight() - 3};
        canvas.Brush.Color = clWindow;
        canvas.Rectangle(box);
        if (Checked(i)) {
            canvas.Brush.Color = clWindowText;
            canvas.FillRect({box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2});
        }
    }
}

// ---- drop-down lists

namespace {
// A cancel mode with the cursor outside the list closes the drop-down.
void cancelOutside(TControl& list, TExStringGrid& grid, TPoint p) {
    const TRect r = list.ClientRect();
    if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) return;
    list.Hide();
    grid.SetFilterColumn(-1);
}
}  // namespace

TDropList::TDropList(TExStringGrid* AGrid) : TListBox(AGrid), FGrid(AGrid) {}

void TDropList::pick() {
    Hide();
    OnSelect(this, ItemIndex());
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TListBox::MouseUp(Button, Shift, X, Y);
    pick();
}

void TDropList::KeyPress(QChar& Key) {
    TListBox::KeyPress(Key);
    if (Key == QChar(13)) pick();
}

void TDropList::CancelMode(TPoint ClientCursor) { cancelOutside(*this, *FGrid, ClientCursor); }

TDropCheckList::TDropCheckList(TExStringGrid* AGrid) : TCheckListBox(AGrid), FGrid(AGrid) {}

void TDropCheckList::ClickCheck(int) { OnSelect(this, -1); }

void TDropCheckList::CancelMode(TPoint ClientCursor) { cancelOutside(*this, *FGrid, ClientCursor); }
