#pragma once

// The two pop-up lists of the filter drop-down: a single-choice list and a check list of the
// values of a column.

#include "platform/controls/list_box.h"

#include <vector>

class TExStringGrid;

using TDropListSelectEvent = TEvent<void(TObject* Sender, int ItemIndex)>;

// A list box whose items carry a check mark each. Clicking an item's check box (the box at
// the left of the item) or Space on the chosen item toggles it.
class TCheckListBox : public TListBox {
public:
    using TListBox::TListBox;

    bool Checked(int Index) const;
    // Outside the items, nothing is changed.
    void SetChecked(int Index, bool Value);
    static constexpr int CheckWidth = 16;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyPress(QChar& Key) override;
    void PaintWindow(TCanvas& canvas) override;
    // After the user toggled the mark of Index.
    virtual void ClickCheck(int Index) {}

private:
    void toggle(int Index);
    std::vector<bool> checked_;
};

// The single-choice list: releasing the mouse button or Enter picks the chosen item and hides
// the list.
class TDropList : public TListBox {
public:
    TDropList(TExStringGrid* AGrid);

    // The framework's cancel mode (another control took the mouse or the focus): outside the
    // list's client area the list hides and the grid forgets its open drop-down.
    void CancelMode(TPoint ClientCursor);

    TDropListSelectEvent OnSelect;

protected:
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyPress(QChar& Key) override;

private:
    void pick();
    TExStringGrid* FGrid;
};

// The check list: toggling an item's mark fires OnSelect with -1 and the list stays open.
class TDropCheckList : public TCheckListBox {
public:
    TDropCheckList(TExStringGrid* AGrid);

    void CancelMode(TPoint ClientCursor);

    TDropListSelectEvent OnSelect;

protected:
    void ClickCheck(int Index) override;

private:
    TExStringGrid* FGrid;
};
