#pragma once

#include "grid/editors/dropdown/column_list_grid.h"
#include "platform/controls/string_grid.h"

class TExMultiColumnDropDown;

namespace MultiColumnList {

// The list in the multi-column drop-down's pop-up: a light string grid that holds no texts of
// its own and paints every cell from its drop-down's columns and items, with a header row and
// lines of its own.
class TExColGrid : public TStringGrid, public TColumnListLooks {
public:
    explicit TExColGrid(TComponent* AOwner);
    ~TExColGrid() override;

    void SetDropDown(TExMultiColumnDropDown* DropDown) { dropDown_ = DropDown; }
    TExMultiColumnDropDown* DropDown() const { return dropDown_; }

    // The width of the lines the list paints itself; the platform's own lines stay at 0.
    int GridLineWidth() const override { return lineWidth_; }
    void SetGridLineWidth(int Value) override;

    bool MouseWheelSelection() const { return wheelSelection_; }

    // Columns, counts, sizes and colours from the drop-down.
    void SyncFromDropDown(TExMultiColumnDropDown& DropDown);
    // The cell with the room of its lines.
    TRect GetCellRect(int ACol, int ARow) const;

    void WndProc(TMessage& Message) override;

protected:
    virtual void DoSelect() { OnSelect(this); }
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    bool wheel(bool Down, TShiftState Shift, TPoint MousePos);

    TExMultiColumnDropDown* dropDown_ = nullptr;
    int lineWidth_ = 1;
    int oldRow_ = 0;
    bool wheelSelection_ = false;
};

}  // namespace MultiColumnList
