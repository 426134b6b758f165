#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/core/exception.h"
#include "platform/testkit/testkit.h"

namespace {

using UpdateLocking = StringGridFixture;

TEST_F(UpdateLocking, NestedLocksRepaintOnceAtTheOutermostEnd) {
    TInvalidationRecorder recorder;
    grid->BeginUpdate();
    grid->BeginUpdate();
    EXPECT_TRUE(grid->LockUpdate());
    grid->SetCells(2, 2, "x");
    grid->SetColors(3, 3, clRed);
    grid->Invalidate();
    grid->EndUpdate();
    EXPECT_TRUE(recorder.Rects.empty());
    grid->EndUpdate();
    ASSERT_EQ(recorder.Rects.size(), 1u);
    EXPECT_EQ(recorder.Rects[0], grid->ClientRect());
    EXPECT_FALSE(grid->LockUpdate());
}

TEST_F(UpdateLocking, AnUnmatchedEndRedrawsAndAResetDropsTheCount) {
    TInvalidationRecorder recorder;
    grid->EndUpdate();
    EXPECT_EQ(recorder.Rects.size(), 1u);
    grid->StartUpdate();
    grid->StartUpdate();
    grid->ResetUpdate();
    EXPECT_FALSE(grid->LockUpdate());
}

TEST_F(UpdateLocking, AnInvisibleGridStillBalancesItsLock) {
    grid->SetVisible(false);
    grid->BeginUpdate();
    grid->SetVisible(true);
    TInvalidationRecorder recorder;
    grid->EndUpdate();
    EXPECT_FALSE(grid->LockUpdate());
    EXPECT_EQ(recorder.Rects.size(), 1u);
}

TEST_F(UpdateLocking, StretchColumnFillsTheClientWidth) {
    grid->SetBounds(0, 0, 500, 300);
    grid->SetColCount(3);
    for (int c = 0; c < 3; ++c) grid->SetColWidths(c, 100);
    grid->ColumnSize().SetStretch(true);
    grid->StretchColumn(-1);
    EXPECT_EQ(grid->ColWidths(2), 299);
    EXPECT_THROW(grid->StretchColumn(3), Exception);
    for (int c = 0; c < 2; ++c) grid->SetColWidths(c, 400);
    grid->StretchColumn(2);
    EXPECT_EQ(grid->ColWidths(2), grid->DefaultColWidth());
}

TEST_F(UpdateLocking, TurningStretchOnStretchesAtOnceOnlyInAPlacedGrid) {
    grid->SetBounds(0, 0, 500, 300);
    grid->SetColCount(3);
    for (int c = 0; c < 3; ++c) grid->SetColWidths(c, 100);
    grid->ColumnSize().SetStretch(true);
    EXPECT_EQ(grid->ColWidths(2), 299);

    TExStringGrid loose(nullptr);  // no parent: the flag alone
    loose.SetBounds(0, 0, 500, 300);
    loose.SetColCount(3);
    for (int c = 0; c < 3; ++c) loose.SetColWidths(c, 100);
    loose.ColumnSize().SetStretch(true);
    EXPECT_TRUE(loose.ColumnSize().Stretch());
    EXPECT_EQ(loose.ColWidths(2), 100);
}

TEST_F(UpdateLocking, ANotifierRegisteredTwiceIsToldOnce) {
    struct Counter : TGridChangeNotifier {
        using TGridChangeNotifier::TGridChangeNotifier;
        void CellsChanged(TRect) override { ++calls; }
        int calls = 0;
    } counter(nullptr);
    grid->RegisterNotifier(&counter);
    grid->RegisterNotifier(&counter);
    grid->CellsChanged(TRect{0, 0, 1, 1});
    EXPECT_EQ(counter.calls, 1);
    grid->UnRegisterNotifier(&counter);
    grid->CellsChanged(TRect{0, 0, 1, 1});
    EXPECT_EQ(counter.calls, 1);
}

TEST_F(UpdateLocking, SpreadSheetUseSwitchesOnRangesAndOffLeavesThem) {
    grid->SetOptions(grid->Options() & ~(goRangeSelect | goEditing));
    grid->SetSpreadSheet(true);
    EXPECT_TRUE(grid->SpreadSheet());
    EXPECT_TRUE(grid->SelectionRectangle());
    EXPECT_TRUE(grid->SelectionResizer());
    EXPECT_TRUE(grid->Navigation().AllowSmartClipboard);
    EXPECT_TRUE(grid->MouseActions().RangeSelectAndEdit);
    EXPECT_EQ(grid->Options() & (goRangeSelect | goEditing), goRangeSelect | goEditing);
    grid->SetSpreadSheet(false);
    EXPECT_FALSE(grid->SpreadSheet());
    EXPECT_TRUE(grid->Options() & goEditing);
}

TEST_F(UpdateLocking, TheArrowColourIsThatOfAllFourArrows) {
    grid->SetArrowColor(clRed);
    EXPECT_EQ(grid->ArrowColor(), clRed);
    const auto& d = grid->Private();
    for (const TArrowWindow* arrow : {d.ArwU, d.ArwD, d.ArwL, d.ArwR}) EXPECT_EQ(arrow->Color(), clRed);
}

TEST_F(UpdateLocking, SettingTheDragScrollOptionsCopiesTheirDelaysMarginsAndSwitch) {
    TDragScrollOptions source;
    source.Active = true;
    source.Delays.InitialDelay = 300;
    source.Delays.RepeatDelay = 30;
    source.Margins.TopMargin = 5;
    source.Margins.RightMargin = 7;
    grid->SetDragScrollOptions(source);
    const TDragScrollOptions& options = grid->DragScrollOptions();
    EXPECT_NE(&options, &source);
    EXPECT_TRUE(options.Active);
    EXPECT_EQ(options.Delays.InitialDelay, 300);
    EXPECT_EQ(options.Delays.RepeatDelay, 30);
    EXPECT_EQ(options.Margins.TopMargin, 5);
    EXPECT_EQ(options.Margins.BottomMargin, 50);
    EXPECT_EQ(options.Margins.RightMargin, 7);

    // A drag 10 pixels below the top is now outside the top margin: nothing scrolls.
    grid->SetBounds(0, 0, 400, 200);
    grid->SetRowCount(100);
    grid->SetTopRow(4);
    bool accept = false;
    grid->DragOver(nullptr, 200, 10, dsDragEnter, accept);
    advance(400);
    EXPECT_EQ(grid->TopRow(), 4);
}

TEST_F(UpdateLocking, ADragHeldNearTheTopScrollsUpOneRowPerRepeatDelay) {
    grid->SetBounds(0, 0, 400, 200);
    grid->SetRowCount(100);
    grid->SetTopRow(4);
    TDragScrollOptions& options = grid->DragScrollOptions();
    options.Delays.InitialDelay = 100;
    options.Delays.RepeatDelay = 50;
    bool accept = false;
    grid->DragOver(nullptr, 200, 100, dsDragEnter, accept);  // in the middle: nothing
    advance(200);
    EXPECT_EQ(grid->TopRow(), 4);
    grid->DragOver(nullptr, 200, 10, dsDragMove, accept);
    advance(200);
    EXPECT_EQ(grid->TopRow(), 4) << "off without Active";

    options.Active = true;
    grid->DragOver(nullptr, 200, 10, dsDragMove, accept);
    advance(99);
    EXPECT_EQ(grid->TopRow(), 4);
    advance(1);
    EXPECT_EQ(grid->TopRow(), 3);
    advance(50);
    EXPECT_EQ(grid->TopRow(), 2);
    advance(200);
    EXPECT_EQ(grid->TopRow(), grid->FixedRows()) << "up to the first normal row";

    int asked = 0;
    grid->OnDragScroll = [&](TObject*, int, int, TDragScrollDirection& Direction, bool& CanScroll) {
        ++asked;
        CanScroll = Direction == dsdDown;
    };
    grid->DragOver(nullptr, 200, 10, dsDragMove, accept);
    advance(200);
    EXPECT_GT(asked, 0);
    EXPECT_EQ(grid->TopRow(), grid->FixedRows()) << "the event refused";
    grid->DragOver(nullptr, 200, 195, dsDragMove, accept);
    advance(150);
    EXPECT_EQ(grid->TopRow(), grid->FixedRows() + 2) << "down after 100 and 150";
    grid->DragOver(nullptr, 200, 195, dsDragLeave, accept);
    advance(500);
    EXPECT_EQ(grid->TopRow(), grid->FixedRows() + 2) << "a drag that left stops";
}

TEST_F(UpdateLocking, SizingPositionsLieNearTheEdgesOfTheHeaderCells) {
    grid->SetOptions(grid->Options() | goColSizing);
    const TRect header = grid->CellRect(2, 0);
    EXPECT_TRUE(grid->IsSizingPosition(header.Right - 2, header.Top + 5));
    EXPECT_FALSE(grid->IsSizingPosition(header.Left + 10, header.Top + 5));
    const TRect below = grid->CellRect(2, 3);
    EXPECT_FALSE(grid->IsSizingPosition(below.Right - 2, below.Top + 5));
    grid->SetOptions(grid->Options() & ~goColSizing);
    EXPECT_FALSE(grid->IsSizingPosition(header.Right - 2, header.Top + 5));
}

TEST_F(UpdateLocking, AStretchedColumnFollowsOtherWidthsAndCounts) {
    grid->SetBounds(0, 0, 500, 300);
    grid->SetColCount(3);
    grid->ColumnSize().SetStretch(true);
    grid->SetColWidths(0, 100);
    grid->SetColWidths(1, 150);
    EXPECT_EQ(grid->ColWidths(2), 249);
    grid->SetColCount(2);
    EXPECT_EQ(grid->ColWidths(1), 399);
}

TEST_F(UpdateLocking, AllColumnSizeScalesTheOtherColumnsAfterAUserSizing) {
    for (int c = 0; c < 10; ++c) grid->SetColWidths(c, 80);
    grid->MouseActions().AllColumnSize = true;
    int ended = -1;
    grid->OnEndColumnSize = [&](TObject*, int ACol) { ended = ACol; };
    auto& d = grid->Private();
    d.Colclicked = 2;
    d.Colclickedsize = 80;
    d.ColSized = true;
    grid->SetColWidths(2, 120);
    EXPECT_EQ(ended, 2);
    EXPECT_EQ(grid->ColWidths(0), 80);  // fixed
    for (int c : {1, 3, 9}) EXPECT_EQ(grid->ColWidths(c), 120);
    EXPECT_EQ(d.Colclicked, -1);
}

}  // namespace
