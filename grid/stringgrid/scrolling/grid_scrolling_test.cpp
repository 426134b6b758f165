#include "grid/stringgrid/scrolling/scrolling_fixture.h"

#include "grid/foundation/cell_properties.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/scrolling/scroll_control.h"
#include "grid/stringgrid/paint/html_hint_window.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/controls/panel.h"

namespace {

using GridScrolling = ScrollingFixture;

TEST_F(GridScrolling, TheWindowBarsFollowTheContentAndTheSettings) {
    EXPECT_TRUE(grid->ScrollBarVisible(SB_VERT));
    EXPECT_FALSE(grid->ScrollBarVisible(SB_HORZ));
    grid->SetRowCount(3);
    EXPECT_FALSE(grid->ScrollBarVisible(SB_VERT));
    // ScrollBarAlways keeps a bar that has nothing to scroll.
    grid->SetScrollBarAlways(saVert);
    EXPECT_TRUE(grid->ScrollBarVisible(SB_VERT));
    grid->SetScrollBarAlways(saNone);
    grid->SetRowCount(3);
    EXPECT_FALSE(grid->ScrollBarVisible(SB_VERT));
    // Wide columns bring the horizontal bar.
    grid->SetColWidths(2, 400);
    EXPECT_TRUE(grid->ScrollBarVisible(SB_HORZ));
    grid->SetScrollBars(ssVertical);
    EXPECT_FALSE(grid->ScrollBarVisible(SB_HORZ));
}

TEST_F(GridScrolling, SlimBarsTakeThePlaceOfTheWindowBars) {
    grid->SetScrollType(ssMetro);
    ASSERT_NE(grid->VScrollControl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssNone);
    EXPECT_FALSE(grid->ScrollBarVisible(SB_VERT));
    EXPECT_EQ(grid->VScrollControl()->BoundsRect(), (TRect{294, 0, 300, 200}));
    TScrollControl& bar = *grid->VScrollControl();
    int start = 0, size = 0;
    ASSERT_TRUE(bar.Thumb(start, size));
    // 8 of 50 rows: 178 pixels of track below the fixed row x 8 / 50.
    EXPECT_EQ(size, 28);
    EXPECT_EQ(start, 22);
    grid->SetRowCount(1000);
    grid->SetTopRow(992);
    ASSERT_TRUE(bar.Thumb(start, size));
    EXPECT_EQ(size, 20);           // never thinner than 20 pixels
    EXPECT_EQ(start + size, 200);  // and never past the end
    // A press below the thumb pages forward, above it back.
    grid->SetRowCount(50);
    grid->SetTopRow(1);
    click(bar, 3, 150);
    EXPECT_EQ(grid->TopRow(), 9);
    click(bar, 3, 24);
    EXPECT_EQ(grid->TopRow(), 1);
    // Dragging the thumb moves the rows with it: 50 rows over 178 pixels.
    ASSERT_TRUE(bar.Thumb(start, size));
    mouseMessage(bar, WM_LBUTTONDOWN, 3, start + 2, MK_LBUTTON);
    mouseMessage(bar, WM_MOUSEMOVE, 3, start + 2 + 36, MK_LBUTTON);
    EXPECT_EQ(grid->TopRow(), 11);
    mouseMessage(bar, WM_LBUTTONUP, 3, start + 38);
    // Back to window bars in both directions.
    grid->SetScrollType(ssNormal);
    EXPECT_EQ(grid->VScrollControl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
    EXPECT_TRUE(grid->ScrollBarVisible(SB_VERT));
}

TEST_F(GridScrolling, SlimBarsAreMadeWithTheWindowAndShowTheGridBeneath) {
    // Set before the grid has a window, the slim bars come with the window.
    auto* later = new TScrollingGrid(nullptr);
    later->SetBounds(0, 0, 300, 200);
    later->SetRowCount(50);
    later->SetScrollType(ssMetro);
    EXPECT_EQ(later->VScrollControl(), nullptr);
    later->SetParent(form);
    later->HandleNeeded();
    ASSERT_NE(later->VScrollControl(), nullptr);
    ASSERT_NE(later->HScrollControl(), nullptr);
    EXPECT_EQ(later->ScrollBars(), ssNone);
    EXPECT_FALSE(later->ScrollBarVisible(SB_VERT));
    const TScrollControl& v = *later->VScrollControl();
    const TScrollControl& h = *later->HScrollControl();
    EXPECT_EQ(v.Direction(), sdVertical);
    EXPECT_EQ(v.Align, alRight);
    EXPECT_EQ(v.BoundsRect(), (TRect{294, 0, 300, 200}));
    EXPECT_EQ(h.Direction(), sdHorizontal);
    EXPECT_EQ(h.Align, alBottom);
    EXPECT_EQ(h.BoundsRect(), (TRect{0, 194, 294, 200}));
    EXPECT_TRUE(v.Visible() && h.Visible());
    // Making them again keeps the ones there are.
    later->CreateScrollControls();
    EXPECT_EQ(later->VScrollControl(), &v);
    delete later;

    // Beside the thumb the bar shows the cells under it; the thumb is drawn in its colour.
    grid->SetScrollType(ssMetro);
    TScrollControl& bar = *grid->VScrollControl();
    bar.SetThumbColor(0x0000FF);
    int start = 0, size = 0;
    ASSERT_TRUE(bar.Thumb(start, size));
    const QImage image = renderToImage(*grid);
    EXPECT_EQ(image.pixelColor(297, 150), image.pixelColor(290, 150));
    EXPECT_NE(image.pixelColor(297, 150), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(296, start + size / 2), QColor(255, 0, 0));
}

TEST_F(GridScrolling, ProportionalThumbsMeasureTheCells) {
    grid->SetScrollProportional(true);
    // Fixed 1 + 23, cells 1 + 49 x 23 = 1128 pixels, 200 shown: E = 176 / 1128.
    TScrollInfo info = grid->GetScrollInfo(SB_VERT);
    EXPECT_EQ(info.Max, 151);
    EXPECT_EQ(info.Page, 25);
    EXPECT_EQ(info.Pos, 0);
    TScrollBar* bar = grid->ScrollBarControl(SB_VERT);
    EXPECT_NEAR(bar->ThumbRect().Height(), (200 - 2 * 17) * 25 / 152, 1);
    // The thumb still runs over 0 .. 127: the last page puts it at the end.
    grid->SetTopRow(42);
    EXPECT_EQ(grid->GetScrollInfo(SB_VERT).Pos, 127);
    vscroll(SB_THUMBPOSITION, 0);
    EXPECT_EQ(grid->TopRow(), 1);
    // Switching it off gives the plain range back.
    grid->SetScrollProportional(false);
    info = grid->GetScrollInfo(SB_VERT);
    EXPECT_EQ(info.Max, 127);
    EXPECT_EQ(info.Page, 0);
}

TEST_F(GridScrolling, ThumbDragHintsAndSynchronousScrolling) {
    QStringList hints;
    grid->ScrollHints = shVertical;
    grid->OnScrollHint = [&](TObject*, int ARow, QString& text) {
        hints << text;
        if (ARow > 40) text = "near the end";
    };
    vscroll(SB_THUMBTRACK, 64);
    THTMLHintWindow* hint = grid->ScrollHintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->Visible());
    EXPECT_EQ(hint->Caption(), "Row : 22");
    EXPECT_LE(hint->Width(), 100);
    EXPECT_EQ(grid->TopRow(), 1);  // without ScrollSynch only the release scrolls
    vscroll(SB_THUMBTRACK, 127);
    EXPECT_EQ(hint->Caption(), "near the end");
    vscroll(SB_THUMBPOSITION, 127);
    vscroll(SB_ENDSCROLL);
    EXPECT_FALSE(hint->Visible());
    EXPECT_EQ(grid->TopRow(), 42);
    EXPECT_EQ(hints, (QStringList{"Row : 22", "Row : 42"}));
    grid->ScrollSynch = true;
    vscroll(SB_THUMBTRACK, 64);
    EXPECT_EQ(grid->TopRow(), 22);
}

TEST_F(GridScrolling, EveryScrollOfTheViewIsReported) {
    QList<TPoint> views;
    grid->SetColCount(12);
    grid->OnTopLeftChanged = [&](TObject*) { views << TPoint{grid->LeftCol(), grid->TopRow()}; };
    vscroll(SB_LINEDOWN);
    grid->SetLeftCol(3);
    grid->SetTopRow(10);
    grid->SetTopRow(10);  // no change, no report
    EXPECT_EQ(views, (QList<TPoint>{{1, 2}, {3, 2}, {3, 10}}));
}

TEST_F(GridScrolling, TheDialogCodeKeepsArrowsCharactersAndTabsWithGoTabs) {
    struct Case {
        TGridOptions add;
        bool autoGoto;
        bool chars, tab;
    } cases[] = {{0, false, true, false},
                 {goEditing, false, true, false},
                 {goEditing, true, true, false},
                 {goTabs, false, true, true},
                 {goTabs | goRowSelect, false, true, false}};
    const TGridOptions base = grid->Options() & ~(goEditing | goTabs | goRowSelect);
    for (const Case& c : cases) {
        grid->SetOptions(base | c.add);
        grid->Navigation().AutoGotoWhenSorted = c.autoGoto;
        const intptr_t all = grid->Perform(WM_GETDLGCODE);
        EXPECT_TRUE(all & DLGC_WANTARROWS) << c.add;
        EXPECT_EQ(bool(all & DLGC_WANTCHARS), c.chars) << c.add;
        EXPECT_EQ(grid->Perform(WM_GETDLGCODE, VK_TAB) != 0, c.tab) << c.add;
        // Enter and Escape stay with the form's default and cancel buttons.
        EXPECT_EQ(grid->Perform(WM_GETDLGCODE, VK_RETURN), 0) << c.add;
        EXPECT_EQ(grid->Perform(WM_GETDLGCODE, VK_ESCAPE), 0) << c.add;
    }
}

TEST_F(GridScrolling, TheUsersBarScrollsTheGrid) {
    TScrollBar* bar = grid->ScrollBarControl(SB_VERT);
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->BoundsRect(), (TRect{283, 0, 300, 200}));
    click(*bar, 8, 195);  // the down arrow
    EXPECT_EQ(grid->TopRow(), 2);
    click(*bar, 8, 170);  // below the thumb
    EXPECT_EQ(grid->TopRow(), 10);
    mouseMessage(*bar, WM_LBUTTONDOWN, 8, bar->ThumbRect().Top + 1, MK_LBUTTON);
    mouseMessage(*bar, WM_MOUSEMOVE, 8, 400, MK_LBUTTON);
    mouseMessage(*bar, WM_LBUTTONUP, 8, 400);
    EXPECT_EQ(grid->TopRow(), 42);
    // Keys move the thumb back.
    for (int i = 0; i < 6; ++i) keyDown(*grid, VK_PRIOR);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(GridScrolling, ColumnsFollowTheWidthOfTheGrid) {
    int resized = 0;
    grid->OnResize = [&](TObject*) { ++resized; };
    grid->ColumnSize().SetStretch(true);
    grid->SetBounds(0, 0, 400, 200);
    EXPECT_GE(resized, 1);
    int sum = 0;
    for (int c = 0; c < grid->ColCount(); ++c) sum += grid->ColWidths(c);
    // The last column takes the rest beside the vertical bar, and nothing needs a horizontal one.
    EXPECT_EQ(sum, 400 - 17 - 1);
    EXPECT_FALSE(grid->ScrollBarVisible(SB_HORZ));
    grid->ColumnSize().SetStretch(false);
    // SynchWithGrid scales the widths taken at the reference width.
    for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 50);
    grid->InitOrigColSizes();
    grid->ColumnSize().SynchWithGrid = true;
    grid->SetBounds(0, 0, 600, 200);
    EXPECT_EQ(grid->ColWidths(0), 75);
    EXPECT_EQ(grid->ColWidths(3), 75);
}

TEST_F(GridScrolling, CellControlsFollowTheirCells) {
    auto* inCell = new TPanel(form);
    inCell->SetParent(grid);
    auto* inFixed = new TPanel(form);
    inFixed->SetParent(grid);
    inFixed->SetBounds(1, 2, 3, 4);
    grid->GetCellProperties(2, 3)->SetControl(inCell);
    grid->GetCellProperties(0, 3)->SetControl(inFixed);
    scrolling->CellControlsUpdate(true);
    const TRect cell = grid->CellRect(2, 3);
    EXPECT_EQ(inCell->BoundsRect(), (TRect{cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom}));
    EXPECT_TRUE(inCell->Visible());
    grid->SetTopRow(10);  // row 3 leaves the view
    EXPECT_FALSE(inCell->Visible());
    grid->SetTopRow(1);
    EXPECT_TRUE(inCell->Visible());
    EXPECT_EQ(inFixed->BoundsRect(), (TRect{1, 2, 4, 6}));
}

TEST_F(GridScrolling, TheGridTimerServesSearchHoverAndBlink) {
    TInvalidationRecorder recorder;
    grid->Navigation().AutoGotoIncremental = true;
    grid->IncrSearchText = "ab";
    advance(1500);
    EXPECT_EQ(grid->IncrSearchText, "ab");
    advance(500);  // the fourth tick
    EXPECT_EQ(grid->IncrSearchText, "");
    // Hovering makes the cell under the pointer current, never a fixed one.
    grid->Hovering = true;
    const TRect r = grid->CellRect(2, 4);
    mouseMove(*grid, r.Left + 5, r.Top + 5);
    advance(500);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 4);
    mouseMove(*grid, 5, 5);
    advance(500);
    EXPECT_EQ(grid->Row(), 4);
    grid->Hovering = false;
    // Blinking repaints the cells with the blink tag and no other.
    grid->SetCells(1, 2, "<BLINK>on</BLINK>");
    grid->EnableBlink = true;
    recorder.Rects.clear();
    advance(500);
    const TRect blink = grid->CellRect(1, 2), other = grid->CellRect(2, 2);
    EXPECT_TRUE(recorder.Covers({blink.Left + 2, blink.Top + 2}));
    EXPECT_FALSE(recorder.Covers({other.Left + 2, other.Top + 2}));
}

TEST_F(GridScrolling, NothingIsPaintedWhileUpdatesAreHeld) {
    grid->SetColor(clRed);
    grid->BeginUpdate();
    const QImage held = renderToImage(*grid);
    grid->EndUpdate();
    const QImage shown = renderToImage(*grid);
    // The picture starts white; the cells are painted red.
    const TRect cell = grid->CellRect(2, 3);
    EXPECT_EQ(held.pixelColor(cell.Left + 3, cell.Top + 3), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(cell.Left + 3, cell.Top + 3), QColor(Qt::red));
}

}  // namespace

#include "grid/stringgrid/editing/editing_fixture.h"

namespace {

using ScrollingWhileEditing = EditingFixture;

TEST_F(ScrollingWhileEditing, TheBarKeepsAnEditOnItsCellOrCommitsIt) {
    grid->SetBounds(0, 0, 300, 150);
    grid->SetRowCount(40);
    clickCell(2, 2);
    clickCell(2, 2);
    ASSERT_TRUE(textEditorOpen());
    typeChar(focused(), '!');
    const auto lineDown = [&] { grid->Perform(WM_VSCROLL, SB_LINEDOWN); };
    lineDown();  // row 2 still shows: the editor moves up with it
    EXPECT_TRUE(textEditorOpen());
    EXPECT_EQ(textEditor()->Top(), grid->CellRect(2, 2).Top);
    lineDown();  // row 2 has left the view
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "2:2!");
}

}  // namespace

namespace {

using DisjunctCellKeys = ScrollingFixture;

TEST_F(DisjunctCellKeys, ShiftWidensTheMarkedCellsAndSpaceMarksTheCurrentOne) {
    grid->MouseActions().SetDisjunctCellSelect(true);
    auto marked = [&] {
        QStringList cells;
        for (int i = 0; i < grid->SelectedCellsCount(); ++i)
            cells << QStringLiteral("%1,%2").arg(grid->SelectedCell(i).X).arg(grid->SelectedCell(i).Y);
        cells.sort();
        return cells.join(' ');
    };
    grid->FocusCell(1, 2);
    keyPress(*grid, VK_RIGHT, ssShift);
    keyPress(*grid, VK_DOWN, ssShift);
    EXPECT_EQ(marked(), "1,2 1,3 2,2") << "the current cell, where the keys took it, stays unmarked";

    grid->FocusCell(3, 5);
    keyPress(*grid, VK_SPACE);
    EXPECT_EQ(marked(), "3,5");
    grid->FocusCell(3, 6);
    keyPress(*grid, VK_SPACE, ssCtrl);
    EXPECT_EQ(marked(), "3,5 3,6");
    keyPress(*grid, VK_SPACE, ssCtrl);
    EXPECT_EQ(marked(), "3,5");

    grid->OnSelectCell = [](TObject*, int, int, bool& CanSelect) { CanSelect = false; };
    keyPress(*grid, VK_SPACE);
    EXPECT_EQ(marked(), "3,5") << "a refused cell is not marked";
}

}  // namespace
