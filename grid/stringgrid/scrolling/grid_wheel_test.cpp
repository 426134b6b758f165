#include "grid/stringgrid/scrolling/scrolling_fixture.h"

#include "grid/foundation/grid_options.h"

namespace {

using GridWheel = ScrollingFixture;

TEST_F(GridWheel, ANotchMovesTheRowOrTheView) {
    struct Case {
        TWheelAction action;
        int increment, footers, fromRow, fromTop;
        bool down;
        int row, top;
    };
    const Case cases[] = {
        {waMoveSelection, 0, 0, 1, 1, true, 4, 1},
        {waMoveSelection, 0, 0, 2, 1, false, 1, 1},
        {waMoveSelection, 0, 0, 48, 42, true, 49, 42},
        {waMoveSelection, 0, 1, 47, 42, true, 48, 42},  // footers are never entered
        {waMoveSelection, 5, 0, 1, 1, true, 6, 1},
        {waScroll, 0, 0, 1, 1, true, 1, 4},
        {waScroll, 0, 0, 5, 2, false, 5, 1},  // cut to the fixed rows
        {waScroll, 0, 0, 1, 42, true, 1, 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from row " << c.fromRow << ", top " << c.fromTop);
        grid->MouseActions().SetWheelAction(c.action);
        grid->MouseActions().WheelIncrement = c.increment;
        grid->SetFixedFooters(c.footers);
        grid->SetTopRow(c.fromTop);
        grid->SetRow(c.fromRow);
        grid->SetTopRow(c.fromTop);
        wheel(c.down);
        EXPECT_EQ(grid->Row(), c.row);
        EXPECT_EQ(grid->TopRow(), c.top);
    }
}

TEST_F(GridWheel, ARowSynchronisedGridFollowsTheWheelAndTheKeys) {
    TStringGrid partner(form);
    partner.SetRowCount(50);
    grid->SyncGrid().SetGrid(&partner);
    grid->SyncGrid().SelectionRow = true;
    wheel(true);
    EXPECT_EQ(partner.Row(), 4);
    keyDown(*grid, VK_DOWN);
    EXPECT_EQ(partner.Row(), 5);
    grid->SyncGrid().SetGrid(nullptr);
}

TEST_F(GridWheel, TheWheelReportsAndCanBeSwitchedOff) {
    std::vector<bool> downs;
    grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { downs.push_back(true); };
    grid->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool&) { downs.push_back(false); };
    EXPECT_EQ(wheel(true), 0);  // the system's step: no event
    grid->MouseActions().WheelIncrement = 2;
    EXPECT_EQ(wheel(true), 1);
    EXPECT_EQ(wheel(false), 1);
    EXPECT_EQ(downs, (std::vector<bool>{true, false}));
    EXPECT_EQ(grid->Row(), 4);
    // The thumb follows what the wheel scrolled.
    grid->MouseActions().SetWheelAction(waScroll);
    wheel(true);
    EXPECT_GT(grid->GetScrollInfo(SB_VERT).Pos, 0);
    grid->EnableWheel = false;
    const int top = grid->TopRow(), row = grid->Row();
    wheel(true);
    EXPECT_EQ(grid->TopRow(), top);
    EXPECT_EQ(grid->Row(), row);
}

TEST_F(GridWheel, CtrlWheelZoomsWithinTenSteps) {
    for (int i = 0; i < 3; ++i) wheel(true, MK_CONTROL);
    EXPECT_EQ(grid->ZoomFactor, 9);
    wheel(true, MK_CONTROL);  // past 10: nothing
    EXPECT_EQ(grid->ZoomFactor, 9);
    wheel(false, MK_CONTROL);
    EXPECT_EQ(grid->ZoomFactor, 6);
    grid->IntelliZoom = false;
    wheel(true, MK_CONTROL);
    EXPECT_EQ(grid->ZoomFactor, 6);
}

TEST_F(GridWheel, ZoomGrowsEveryCellButHiddenOnes) {
    grid->SetColWidths(1, 0);
    grid->SetRowHeights(2, 3);
    grid->Zoom(-4);
    EXPECT_EQ(grid->ZoomFactor, -4);
    EXPECT_EQ(grid->ColWidths(0), 60);
    EXPECT_EQ(grid->ColWidths(1), 0);   // a hidden column stays hidden
    EXPECT_EQ(grid->RowHeights(2), 3);  // would no longer be positive
    EXPECT_EQ(grid->RowHeights(3), 18);
    grid->Zoom(-7);
    EXPECT_EQ(grid->ZoomFactor, -4);
}

TEST_F(GridWheel, MiddleButtonPanning) {
    grid->IntelliPan = ipVertical;
    const TCursor before = grid->Cursor();
    mouseMessage(*grid, WM_MBUTTONDOWN, 100, 100, MK_MBUTTON);
    EXPECT_EQ(grid->Cursor(), 8000);
    EXPECT_TRUE(grid->MouseCapture());  // the pan follows the pointer outside the grid too
    mouseMessage(*grid, WM_MOUSEMOVE, 160, 104);  // sideways and within the dead zone
    advance(10);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Cursor(), 8000);
    mouseMessage(*grid, WM_MOUSEMOVE, 100, 130);
    advance(30);  // three steps down
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Cursor(), 8001);
    // Any button ends it and gives the cursor back.
    mouseMessage(*grid, WM_LBUTTONDOWN, 100, 130, MK_LBUTTON);
    EXPECT_EQ(grid->Cursor(), before);
    EXPECT_FALSE(grid->MouseCapture());
    advance(30);
    EXPECT_EQ(grid->Row(), 4);
    // No panning where it is switched off.
    grid->IntelliPan = ipNone;
    mouseMessage(*grid, WM_MBUTTONDOWN, 100, 100, MK_MBUTTON);
    EXPECT_EQ(grid->Cursor(), before);
}

}  // namespace
