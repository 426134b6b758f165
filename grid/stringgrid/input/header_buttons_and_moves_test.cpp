#include "grid/stringgrid/input/header_drag_button.h"
#include "grid/stringgrid/input/input_fixture.h"
#include "platform/controls/popup_menu.h"

namespace {

class HeaderPresses : public InputFixture {
protected:
    void press(TPoint at) { mouseMessage(*grid, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON); }
    void moveTo(TPoint at) { mouseMessage(*grid, WM_MOUSEMOVE, at.X, at.Y, MK_LBUTTON); }
    void release(TPoint at) { mouseMessage(*grid, WM_LBUTTONUP, at.X, at.Y); }
    // A press, moves over the cells between, and a hold at the end: the button stays down.
    void dragTo(TPoint from, TPoint to) {
        mouseMessage(*grid, WM_MOUSEMOVE, from.X, from.Y);
        press(from);
        moveTo({(from.X + to.X) / 2, (from.Y + to.Y) / 2});
        moveTo(to);
    }
    TExStringGridPrivate& d() { return grid->Private(); }
    TPoint screen(int X, int Y) const { return grid->ClientToScreen({X, Y}); }
    QRgb pixel(int X, int Y) { return renderToImage(*grid).pixel(X, Y); }
};

using FixedAsButtons = HeaderPresses;

TEST_F(FixedAsButtons, AHeaderCellIsDrawnDownWhileHeldAndClicksOnReleaseOverIt) {
    grid->FixedAsButtons = true;
    QList<QPoint> clicks;
    grid->OnButtonClick = [&](TObject*, int ACol, int ARow) { clicks << QPoint(ACol, ARow); };
    const TRect h = grid->CellRect(2, 0);
    const QRgb up = pixel(h.Left, h.Top + 5);
    press(middle(2, 0));
    EXPECT_NE(pixel(h.Left, h.Top + 5), up) << "drawn down";
    EXPECT_TRUE(clicks.isEmpty());
    release(middle(2, 0));
    EXPECT_EQ(pixel(h.Left, h.Top + 5), up) << "drawn up again";
    EXPECT_EQ(clicks, (QList<QPoint>{{2, 0}}));

    // Fixed-column cells are buttons too.
    click(*grid, middle(0, 3).X, middle(0, 3).Y);
    EXPECT_EQ(clicks.last(), QPoint(0, 3));
}

TEST_F(FixedAsButtons, NoClickWhenReleasedElsewhereOrWhenOffOrWithoutFixedLines) {
    QList<QPoint> clicks;
    grid->OnButtonClick = [&](TObject*, int ACol, int ARow) { clicks << QPoint(ACol, ARow); };
    clickCell(2, 0);
    grid->FixedAsButtons = true;
    press(middle(2, 0));
    release(middle(3, 0));
    EXPECT_FALSE(d().FFixedCellPushed);
    grid->SetOptions(grid->Options() & ~goFixedVertLine);
    clickCell(2, 0);
    EXPECT_TRUE(clicks.isEmpty());
    EXPECT_EQ(d().FPushedCellButton, (TPoint{-1, -1}));
}

// A header cell that is a button and also drops down or expands: one press, one action.
TEST_F(FixedAsButtons, PressingItsDropDownButtonIsNoClick) {
    grid->FixedAsButtons = true;
    QList<QPoint> clicks;
    grid->OnButtonClick = [&](TObject*, int ACol, int ARow) { clicks << QPoint(ACol, ARow); };
    grid->ControlLook().FixedDropDownButton = true;
    grid->HoverFixedCells = hfFixedRows;
    TPopupMenu menu{nullptr};
    menu.Items = {"Sort"};
    grid->SetFixedDropDownMenu(&menu);
    const TRect h3 = grid->CellRect(3, 0);
    mouseMessage(*grid, WM_MOUSEMOVE, h3.Right - 8, h3.Top + 5);
    click(*grid, h3.Right - 8, h3.Top + 5);
    EXPECT_EQ(driver().menus().size(), 1u);
    EXPECT_TRUE(clicks.isEmpty());
    EXPECT_FALSE(d().FFixedCellPushed);
}

TEST_F(FixedAsButtons, AnExpandButtonInAHeaderCellTogglesOnceComesUpAndDoesNotSort) {
    grid->FixedAsButtons = true;
    grid->SortSettings().Show = true;
    grid->AddExpand(2, 0, 60);
    QStringList expands;
    grid->OnExpandClick = [&](TObject*, int ACol, int ARow, bool Expanded) {
        expands << QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(Expanded);
    };
    TRect b;
    grid->GetExpandButtonRect(2, 0, b);
    const TPoint at{(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
    click(*grid, at.X, at.Y);
    EXPECT_EQ(expands, (QStringList{"2,0 1"}));
    EXPECT_FALSE(grid->GetCellGraphic(2, 0)->CellBoolean) << "the expand button came up";
    EXPECT_EQ(grid->SortSettings().Column, -1);
}

class FixedDropDown : public HeaderPresses {
protected:
    void SetUp() override {
        HeaderPresses::SetUp();
        grid->ControlLook().FixedDropDownButton = true;
        grid->HoverFixedCells = hfFixedRows;
        grid->SortSettings().Show = true;
        menu.Items = {"Sort", "Hide"};
        menu.OnItemClick = [this](TObject*, int Index) { note(QStringLiteral("item %1").arg(Index)); };
        grid->SetFixedDropDownMenu(&menu);
    }
    TPoint onButton(int ACol) const {
        const TRect h = grid->CellRect(ACol, 0);
        return {h.Right - 8, h.Top + 5};
    }
    TPopupMenu menu{nullptr};
};

TEST_F(FixedDropDown, ThePressOnTheButtonPopsTheMenuUpUnderItAndDoesNotSort) {
    grid->OnFixedDropDownClick = [&](TObject*, int ACol, int ARow, TPopupMenu*& AMenu, bool&) {
        note(QStringLiteral("drop %1,%2 tag %3").arg(ACol).arg(ARow).arg(AMenu ? AMenu->Tag : -1));
    };
    driver().answerNextMenu(2);
    const QString column3 = grid->Cells(3, 1);
    click(*grid, onButton(3).X, onButton(3).Y);
    EXPECT_EQ(log, (QStringList{"drop 3,0 tag 3", "item 1"}));
    ASSERT_EQ(driver().menus().size(), 1u);
    const TRect h = grid->CellRect(3, 0);
    EXPECT_EQ(TPoint(driver().menus()[0].X, driver().menus()[0].Y), screen(h.Right - 16, h.Bottom));
    EXPECT_EQ(grid->SortSettings().Column, -1);
    EXPECT_EQ(grid->Cells(3, 1), column3);
    EXPECT_FALSE(d().FNoMouseLeave);
    EXPECT_EQ(d().FHoverFixedX, -1);
}

TEST_F(FixedDropDown, TheEventMayTakeTheMenuAwayOrKeepTheCellHighlighted) {
    grid->OnFixedDropDownClick = [&](TObject*, int, int, TPopupMenu*& AMenu, bool& Keep) {
        AMenu = nullptr;
        Keep = true;
    };
    click(*grid, onButton(2).X, onButton(2).Y);
    EXPECT_TRUE(driver().menus().empty());
    EXPECT_TRUE(d().FNoMouseLeave);
    // The pointer leaving keeps the highlight; only a reset ends it.
    grid->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(d().FHoverFixedX, 2);
    grid->ResetFixedCellHighlight();
    EXPECT_FALSE(d().FNoMouseLeave);
    EXPECT_EQ(d().FHoverFixedX, -1);
    EXPECT_EQ(d().FHoverFixedY, -1);
}

TEST_F(FixedDropDown, NoMenuBesideTheButtonOrWhereTheColumnShowsNone) {
    grid->OnCanShowFixedDropDown = [](TObject*, int ACol, bool& CanShow) { CanShow = ACol != 4; };
    click(*grid, onButton(4).X, onButton(4).Y);
    const TPoint beside = middle(2, 0);
    click(*grid, beside.X, beside.Y);
    EXPECT_TRUE(driver().menus().empty());
    EXPECT_EQ(grid->SortSettings().Column, 2) << "a plain header click still sorts";
    grid->HoverFixedCells = hfNone;
    click(*grid, onButton(3).X, onButton(3).Y);
    EXPECT_TRUE(driver().menus().empty());
}

class EnhancedMoves : public HeaderPresses {
protected:
    void SetUp() override {
        HeaderPresses::SetUp();
        grid->SetOptions(grid->Options() | goColMoving | goRowMoving);
        grid->DragDropSettings().ShowCells = false;
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, r, text(c, r));
    }
    TRect arrowAt(TArrowWindow* arrow) const { return arrow->BoundsRect(); }
};

TEST_F(EnhancedMoves, AMovedColumnDragsAHeaderButtonAndArrowsMarkWhereItLands) {
    QList<int> moving;
    grid->OnColumnMoving = [&](TObject*, int ACol, bool&) { moving << ACol; };
    const TPoint from = middle(2, 0), to = middle(4, 0);
    dragTo(from, to);
    THeaderDragButton* button = d().MoveButton;
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->Visible());
    EXPECT_EQ(button->Caption(), "2:0");
    const TRect h2 = grid->CellRect(2, 0), h4 = grid->CellRect(4, 0);
    const TPoint pressAt = screen(to.X - (from.X - h2.Left), to.Y - (from.Y - h2.Top));
    EXPECT_EQ(button->BoundsRect(), (TRect{pressAt.X, pressAt.Y, pressAt.X + 60, pressAt.Y + 20}));
    // Moving right, the arrows stand on the target's right edge, below and above its header.
    ASSERT_TRUE(d().ArwU->Visible() && d().ArwD->Visible());
    EXPECT_EQ(d().ArwU->Left(), screen(h4.Right - 5, 0).X);
    EXPECT_EQ(d().ArwU->Top(), screen(0, h4.Bottom).Y);
    EXPECT_EQ(d().ArwD->Top(), screen(0, h4.Top - 8).Y);
    EXPECT_FALSE(d().ArwL->Visible());
    EXPECT_EQ(moving.last(), 4);
    EXPECT_EQ(grid->Cursor(), crDrag);

    release(to);
    EXPECT_EQ(grid->Cells(4, 3), "2:3");
    EXPECT_EQ(grid->Cells(2, 3), "3:3");
    EXPECT_FALSE(button->Visible());
    EXPECT_FALSE(d().ArwU->Visible() || d().ArwD->Visible());
    EXPECT_EQ(grid->Cursor(), crDefault);
}

// The grid losing the mouse (a window popping up, the button released elsewhere) abandons the move.
TEST_F(EnhancedMoves, CancelModeAbandonsTheMove) {
    dragTo(middle(2, 0), middle(4, 0));
    ASSERT_EQ(grid->Cursor(), crDrag);
    grid->Perform(WM_CANCELMODE);
    EXPECT_EQ(grid->Cursor(), crDefault);
    EXPECT_FALSE(d().MoveButton->Visible());
    EXPECT_FALSE(d().MoveButton->Enabled());
    EXPECT_FALSE(d().ArwU->Visible() || d().ArwD->Visible());
    release(middle(4, 0));
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    EXPECT_EQ(grid->Cells(4, 3), "4:3");
}

TEST_F(EnhancedMoves, WithShowCellsAPictureOfTheColumnFollowsThePointerInstead) {
    grid->DragDropSettings().ShowCells = true;
    const TPoint from = middle(2, 0), to = middle(4, 0);
    dragTo(from, to);
    TPictureWindow* picture = d().MoveForm;
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->Visible());
    EXPECT_TRUE(d().MoveButton == nullptr || !d().MoveButton->Visible());
    // The header and the visible rows of column 2, as painted in the grid.
    const TRect h2 = grid->CellRect(2, 0), last = grid->CellRect(2, grid->RowCount() - 1);
    EXPECT_EQ(picture->Width(), h2.Width());
    EXPECT_EQ(picture->Height(), last.Bottom - h2.Top);
    EXPECT_EQ(picture->Content().Width(), h2.Width());
    const TPoint at = screen(to.X - (from.X - h2.Left), to.Y - (from.Y - h2.Top));
    EXPECT_EQ(TPoint(picture->Left(), picture->Top()), at);
    // Inside the grid lines the picture shows what the grid shows.
    const QRect inner(2, 2, h2.Width() - 4, 56);
    const QImage shown = renderToImage(*picture).copy(inner).convertToFormat(QImage::Format_RGB32);
    const QImage painted =
        renderToImage(*grid).copy(inner.translated(h2.Left, h2.Top)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, painted);

    release(to);
    EXPECT_EQ(d().MoveForm, nullptr);
    EXPECT_EQ(grid->Cells(4, 3), "2:3");
}

TEST_F(EnhancedMoves, MovingLeftMarksTheTargetsLeftEdge) {
    dragTo(middle(4, 0), middle(2, 0));
    const TRect h2 = grid->CellRect(2, 0);
    EXPECT_EQ(d().ArwU->Left(), screen(h2.Left - 5, 0).X);
    release(middle(2, 0));
    EXPECT_EQ(grid->Cells(2, 5), "4:5");
}

TEST_F(EnhancedMoves, ARefusedTargetShowsNoDropAndTheReleaseMovesNothing) {
    grid->OnColumnMoving = [](TObject*, int ACol, bool& Allow) { Allow = ACol != 4; };
    dragTo(middle(2, 0), middle(4, 0));
    EXPECT_EQ(grid->Cursor(), crNoDrop);
    release(middle(4, 0));
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    EXPECT_EQ(grid->Cells(4, 3), "4:3");
    EXPECT_EQ(grid->Cursor(), crDefault);
    EXPECT_EQ(grid->SortSettings().Column, -1) << "the release ends the move and sorts nothing";
}

TEST_F(EnhancedMoves, OnColumnMoveRefusingStopsTheMoveAtOnce) {
    QList<int> asked;
    grid->OnColumnMove = [&](TObject*, int ACol, bool& Allow) {
        asked << ACol;
        Allow = false;
    };
    dragTo(middle(2, 0), middle(4, 0));
    EXPECT_TRUE(d().MoveButton == nullptr || !d().MoveButton->Visible());
    release(middle(4, 0));
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    EXPECT_EQ(asked.first(), 2);
}

TEST_F(EnhancedMoves, ARowMovesFromItsFixedCellWithArrowsBesideTheTargetRow) {
    QList<int> moving;
    grid->OnRowMoving = [&](TObject*, int ARow, bool&) { moving << ARow; };
    dragTo(middle(0, 2), middle(0, 5));
    EXPECT_EQ(d().MoveButton->Caption(), "0:2");
    const TRect r5 = grid->CellRect(0, 5);
    ASSERT_TRUE(d().ArwL->Visible() && d().ArwR->Visible());
    EXPECT_EQ(TPoint(d().ArwL->Left(), d().ArwL->Top()), screen(r5.Left - 10, r5.Bottom - 5));
    EXPECT_EQ(TPoint(d().ArwR->Left(), d().ArwR->Top()), screen(r5.Right, r5.Bottom - 5));
    EXPECT_EQ(moving.last(), 5);
    release(middle(0, 5));
    EXPECT_EQ(grid->Cells(3, 5), "3:2");
    EXPECT_EQ(grid->Cells(3, 2), "3:3");
    EXPECT_FALSE(d().ArwL->Visible());
}

// A moved row is reported; a synchronised grid repeats row and column moves, once even when it
// is synchronised back.
TEST_F(EnhancedMoves, MovesAreReportedAndRepeatedInTheSynchronisedGrid) {
    TTestStringGrid partner(form);
    partner.SetColCount(grid->ColCount());
    partner.SetRowCount(grid->RowCount());
    for (int r = 0; r < partner.RowCount(); ++r)
        for (int c = 0; c < partner.ColCount(); ++c) partner.SetCells(c, r, "p" + text(c, r));
    grid->SyncGrid().SetGrid(&partner);
    grid->SyncGrid().MoveRow = grid->SyncGrid().MoveColumn = true;
    partner.SyncGrid().SetGrid(grid);
    partner.SyncGrid().MoveRow = partner.SyncGrid().MoveColumn = true;
    QStringList moved;
    grid->OnRowMoved = [&](TObject*, int From, int To) { moved << QStringLiteral("grid %1>%2").arg(From).arg(To); };
    partner.OnRowMoved = [&](TObject*, int From, int To) { moved << QStringLiteral("partner %1>%2").arg(From).arg(To); };

    dragTo(middle(0, 2), middle(0, 5));
    release(middle(0, 5));
    EXPECT_EQ(grid->Cells(3, 5), "3:2");
    EXPECT_EQ(partner.Cells(3, 5), "p3:2");
    EXPECT_EQ(partner.Cells(3, 2), "p3:3");
    EXPECT_EQ(moved, (QStringList{"grid 2>5", "partner 2>5"}));

    dragTo(middle(2, 0), middle(4, 0));
    release(middle(4, 0));
    EXPECT_EQ(partner.Cells(4, 1), "p2:1");
    EXPECT_EQ(partner.Cells(2, 1), "p3:1");
    grid->SyncGrid().SetGrid(nullptr);
    partner.SyncGrid().SetGrid(nullptr);
}

TEST_F(EnhancedMoves, AMovedRowsPictureSpansTheVisibleColumns) {
    grid->DragDropSettings().ShowCells = true;
    dragTo(middle(0, 2), middle(0, 5));
    ASSERT_NE(d().MoveForm, nullptr);
    const TRect first = grid->CellRect(0, 2), last = grid->CellRect(grid->ColCount() - 1, 2);
    EXPECT_EQ(d().MoveForm->Width(), last.Right - first.Left);
    EXPECT_EQ(d().MoveForm->Height(), first.Height());
    release(middle(0, 5));
    EXPECT_EQ(d().MoveForm, nullptr);
    EXPECT_EQ(grid->Cells(3, 5), "3:2");
}

TEST_F(EnhancedMoves, ADragPastTheRightEdgeScrollsHiddenColumnsIn) {
    grid->SetColCount(12);
    const int left = grid->LeftCol();
    dragTo(middle(2, 0), {grid->Width() + 5, 10});
    moveTo({grid->Width() + 6, 10});
    EXPECT_EQ(grid->LeftCol(), left + 2);
    moveTo({5, 10});
    EXPECT_EQ(grid->LeftCol(), left + 1) << "over the fixed column it scrolls back";
    release({5, 10});
}

TEST_F(EnhancedMoves, WithoutTheEnhancedMoveThePlatformGridMovesAlone) {
    grid->EnhRowColMove = false;
    dragTo(middle(2, 0), middle(4, 0));
    EXPECT_TRUE(d().MoveButton == nullptr || !d().MoveButton->Visible());
    EXPECT_FALSE(d().ArwU->Visible());
    release(middle(4, 0));
    EXPECT_EQ(grid->Cells(4, 3), "2:3");
}

} // namespace

namespace {

int darkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 100;
    return n;
}

TEST_F(EnhancedMoves, TheDragButtonTakesTheHeaderLookAndRendersMarkupCaptions) {
    grid->SetCells(2, 0, "<b>W</b>");
    dragTo(middle(2, 0), middle(4, 0));
    THeaderDragButton* button = d().MoveButton;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Grid, grid);
    const int markup = darkPixels(renderToImage(*button));
    button->SetCaption("<b>W<b>");
    const int plain = darkPixels(renderToImage(*button));
    EXPECT_GT(markup, 0);
    EXPECT_GT(plain, markup * 2) << "a caption without a closing tag shows its tags as text";
    release(middle(4, 0));
}

using RowMoves = InputFixture;

TEST_F(RowMoves, CtrlDownMovesNoRowOntoTheFooterRowOfAFixedLastRowFooter) {
    grid->SetFixedRows(1);
    TFloatingFooter& footer = grid->FloatingFooter();
    footer.FooterStyle = fsFixedLastRow;
    footer.Visible = true;
    grid->Navigation().CursorMoveRows = true;
    int moves = 0;
    grid->OnRowMoved = [&](TObject*, int, int) { ++moves; };
    const int last = grid->RowCount() - 1;
    grid->SetCol(1);
    grid->SetRow(last - 2);
    // Down first steps onto the row above the footer; that row would then move onto it.
    press(VK_DOWN, ssCtrl);
    EXPECT_EQ(grid->Row(), last - 1);
    EXPECT_EQ(grid->Cells(1, last - 1), text(1, last - 1)) << "the row stays above the footer";
    EXPECT_EQ(grid->Cells(1, last), text(1, last));
    EXPECT_EQ(moves, 0);
    // Away from the footer rows still move.
    press(VK_UP, ssCtrl);
    EXPECT_EQ(moves, 1);
}

}  // namespace
