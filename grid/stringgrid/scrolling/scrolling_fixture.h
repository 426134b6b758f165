#pragma once

#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/mouse.h"
#include "platform/testkit/testkit.h"

class TScrollingGrid : public TTestStringGrid {
public:
    using TTestStringGrid::TTestStringGrid;
    using TExStringGrid::CellControlsUpdate;
};

// A grid of 4 columns (64 pixels) and 50 rows (22 pixels; the grid draws its lines inside the
// cells) in a 300 x 200 window: the columns fit beside the vertical bar, so only that bar
// shows; 8 rows fit under the fixed row and the last page starts at row 42. A notch of the
// wheel is 3 lines.
class ScrollingFixture : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        delete grid;
        grid = scrolling = new TScrollingGrid(form);
        grid->SetParent(form);
        Mouse.SetWheelScrollLines(3);
        grid->SetBounds(0, 0, 300, 200);
        grid->SetColCount(4);
        grid->SetRowCount(50);
        grid->SetFocus();
    }
    void TearDown() override {
        Mouse.SetWheelScrollLines(-1);
        StringGridFixture::TearDown();
    }
    // One notch of the wheel: towards the user (down) or away from the user.
    intptr_t wheel(bool down, uintptr_t keys = 0) {
        const uint16_t delta = static_cast<uint16_t>(down ? -120 : 120);
        return grid->Perform(WM_MOUSEWHEEL, (uintptr_t(delta) << 16) | keys, 0);
    }
    TScrollingGrid* scrolling = nullptr;
    intptr_t vscroll(uint16_t code, int pos = 0) { return grid->Perform(WM_VSCROLL, (uintptr_t(pos) << 16) | code); }
};
