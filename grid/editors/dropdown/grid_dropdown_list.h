#pragma once

#include "grid/editors/dropdown/column_list_grid.h"
#include "grid/stringgrid/model/ex_string_grid.h"

class TCustomExGridDropDown;

namespace GridDropDown {

// The list in the grid drop-down's pop-up: a whole string grid, filled from the drop-down's
// items and columns or by the application. The object of each data row's first cell names
// the item the row shows, also once the rows are sorted or moved.
class TExColGrid : public TExStringGrid, public TColumnListLooks {
public:
    explicit TExColGrid(TComponent* AOwner);
    ~TExColGrid() override;

    void SetDropDown(TCustomExGridDropDown* DropDown) { dropDown_ = DropDown; }
    TCustomExGridDropDown* DropDown() const { return dropDown_; }

    // The colours and header font are kept only: the string grid paints the list in its own looks.
    bool MouseWheelSelection() const { return wheelSelection_; }

    void SyncFromDropDown(TCustomExGridDropDown& DropDown);
    // Header texts, cell texts and the items' numbers from the drop-down's columns and items.
    void FillFromItems();
    // The item a row shows, and the first data row showing an item.
    int ItemOfRow(int ARow) const;
    int RowOfItem(int Index) const;

    using TExStringGrid::EditMode;
    using TExStringGrid::HideInplaceEdit;

    void WndProc(TMessage& Message) override;

protected:
    virtual void DoSelect() { OnSelect(this); }
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void TopLeftChanged() override;
    void DoStartBlockFocus() override;
    void DoEndBlockFocus() override;

private:
    void blockActivate(bool Value);

    TCustomExGridDropDown* dropDown_ = nullptr;
    int oldRow_ = 0;
    bool wheelSelection_ = false;
};

}  // namespace GridDropDown
