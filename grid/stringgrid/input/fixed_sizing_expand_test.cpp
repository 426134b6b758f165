#include "grid/stringgrid/input/input_fixture.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/html_hint_window.h"

namespace {

// The fixture's fixed column is 60 pixels wide and its fixed row 20 high: their borders lie at
// 61 and 21.
class FixedSizing : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { note(QStringLiteral("ClickCell %1,%2").arg(ACol).arg(ARow)); };
        grid->OnColumnSizing = [this](TObject*, int ACol, int Size) { note(QStringLiteral("ColumnSizing %1 %2").arg(ACol).arg(Size)); };
        grid->OnRowSizing = [this](TObject*, int ARow, int Size) { note(QStringLiteral("RowSizing %1 %2").arg(ARow).arg(Size)); };
        grid->OnEndColumnSize = [this](TObject*, int ACol) { note(QStringLiteral("EndColumnSize %1").arg(ACol)); };
        grid->OnEndRowSize = [this](TObject*, int ARow) { note(QStringLiteral("EndRowSize %1").arg(ARow)); };
    }
    void hover(int X, int Y) { mouseMessage(*grid, WM_MOUSEMOVE, X, Y); }
    void press(int X, int Y) { mouseMessage(*grid, WM_LBUTTONDOWN, X, Y, MK_LBUTTON); }
    void moveHeld(int X, int Y) { mouseMessage(*grid, WM_MOUSEMOVE, X, Y, MK_LBUTTON); }
    void release(int X, int Y) { mouseMessage(*grid, WM_LBUTTONUP, X, Y); }
    void drag(int X1, int Y1, int X2, int Y2) {
        hover(X1, Y1);
        press(X1, Y1);
        moveHeld(X2, Y2);
        release(X2, Y2);
    }
    QString hintText() const {
        const THTMLHintWindow* hint = grid->ScrollHintWindow();
        return hint && hint->Visible() ? hint->Caption() : QString();
    }
};

TEST_F(FixedSizing, DraggingTheFixedColumnsBorderSizesItOnRelease) {
    grid->MouseActions().SizeFixedCol = true;
    grid->OnUpdateColumnSize = [this](TObject*, int ACol, int& AWidth) {
        note(QStringLiteral("UpdateColumnSize %1 %2").arg(ACol).arg(AWidth));
        AWidth += 5;
    };
    const TGridRect before = grid->Selection();
    hover(61, 70);
    press(61, 70);
    moveHeld(101, 70);
    // The line follows the pointer; the column keeps its width until the release.
    EXPECT_EQ(grid->ColWidths(0), 60);
    release(101, 70);
    EXPECT_EQ(grid->ColWidths(0), 105);
    EXPECT_EQ(log, (QStringList{"ColumnSizing 0 100", "EndColumnSize 0", "UpdateColumnSize 0 100"}));
    EXPECT_EQ(grid->Selection(), before);
}

TEST_F(FixedSizing, DraggingTheFixedRowsBorderSizesItOnRelease) {
    grid->MouseActions().SizeFixedRow = true;
    drag(150, 21, 150, 46);
    EXPECT_EQ(grid->RowHeights(0), 45);
    EXPECT_EQ(log, (QStringList{"RowSizing 0 45", "EndRowSize 0"}));
}

TEST_F(FixedSizing, ThePressKeepsItsDistanceFromTheBorder) {
    // Grabbed two pixels left of the border and let go where it was grabbed: nothing changes.
    grid->MouseActions().SizeFixedCol = true;
    drag(59, 70, 59, 70);
    EXPECT_EQ(grid->ColWidths(0), 60);
    EXPECT_EQ(log, (QStringList{"ColumnSizing 0 60", "EndColumnSize 0"}));
    drag(63, 70, 33, 70);
    EXPECT_EQ(grid->ColWidths(0), 30);
    // Dragged past the grid's left edge the column shrinks to nothing, not below.
    const int border = 31;
    drag(border, 70, -20, 70);
    EXPECT_EQ(grid->ColWidths(0), 0);
}

TEST_F(FixedSizing, WithoutTheOptionOrAfterLeavingABorderPressIsAPlainPress) {
    const TPoint p{61, grid->CellRect(1, 3).Top + 5};
    drag(p.X, p.Y, p.X + 30, p.Y);
    EXPECT_EQ(grid->ColWidths(0), 60);
    EXPECT_EQ(log.first(), "ClickCell 1,3");

    log.clear();
    grid->MouseActions().SizeFixedCol = true;
    hover(p.X, p.Y);
    grid->Perform(CM_MOUSELEAVE, 0, 0);
    press(p.X, p.Y);
    release(p.X, p.Y);
    EXPECT_EQ(grid->ColWidths(0), 60);
    EXPECT_EQ(log, (QStringList{"ClickCell 1,3"}));
}

TEST_F(FixedSizing, TheSizingLineIsDrawnWhereThePointerIs) {
    grid->MouseActions().SizeFixedCol = true;
    hover(61, 70);
    const QImage plain = renderToImage(*grid);
    press(61, 70);
    moveHeld(150, 70);
    const QImage sizing = renderToImage(*grid);
    int onLine = 0, elsewhere = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != sizing.pixel(x, y)) ++(x == 150 ? onLine : elsewhere);
    EXPECT_GT(onLine, 50);
    EXPECT_EQ(elsewhere, 0);
    release(150, 70);
    EXPECT_EQ(grid->ColWidths(0), 149);
    // The line goes with the release.
    grid->SetColWidths(0, 60);
    hover(61, 70);
    EXPECT_EQ(renderToImage(*grid), plain);
}

TEST_F(FixedSizing, TheSizingHintShowsTheSizeUntilTheRelease) {
    grid->HintShowSizing = true;
    grid->MouseActions().SizeFixedCol = true;
    hover(61, 70);
    press(61, 70);
    moveHeld(91, 70);
    EXPECT_EQ(hintText(), "cw=<b>90</b>");
    release(91, 70);
    EXPECT_EQ(hintText(), "");

    grid->SetOptions(grid->Options() | goRowSizing);
    const TRect r = grid->CellRect(0, 3);
    hover(20, r.Bottom);
    press(20, r.Bottom);
    moveHeld(20, r.Bottom + 10);
    moveHeld(20, r.Bottom + 15);
    EXPECT_EQ(hintText(), "rh=<b>35</b>");
    EXPECT_EQ(log.filter("RowSizing"), (QStringList{"RowSizing 3 30", "RowSizing 3 35"}));
    release(20, r.Bottom + 15);
    EXPECT_EQ(hintText(), "");
    EXPECT_EQ(grid->RowHeights(3), 35);
}

TEST_F(FixedSizing, AHeaderBorderDragReportsEveryStep) {
    grid->SetOptions(grid->Options() | goColSizing);
    const TRect h = grid->CellRect(2, 0);
    hover(h.Right, 10);
    press(h.Right, 10);
    moveHeld(h.Right + 10, 10);
    moveHeld(h.Right + 25, 10);
    release(h.Right + 25, 10);
    EXPECT_EQ(grid->ColWidths(2), 85);
    EXPECT_EQ(log.filter("ColumnSizing"), (QStringList{"ColumnSizing 2 70", "ColumnSizing 2 85"}));
}

// Rows 2-4 and 5-6 are nodes; the header row carries a node button of its own.
class HeaderNodeButton : public FixedSizing {
protected:
    void SetUp() override {
        FixedSizing::SetUp();
        grid->AddNode(2, 3);
        grid->AddNode(5, 2);
        grid->AddNode(0, 1);
    }
    void clickHeaderNode() {
        int x = 1;
        while (!grid->IsInNodeButton(0, x)) ++x;
        click(*grid, x, 10);
    }
};

TEST_F(HeaderNodeButton, OpensAndClosesEveryNodeAtOnce) {
    grid->MouseActions().NodeAllExpandContract = true;
    // The header's glyph shows what the next click does: open, it closes all.
    clickHeaderNode();
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_TRUE(grid->GetNodeState(2) && grid->GetNodeState(3));
    EXPECT_TRUE(grid->GetNodeState(0));
    clickHeaderNode();
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_FALSE(grid->GetNodeState(2) || grid->GetNodeState(5));
    EXPECT_FALSE(grid->GetNodeState(0));
}

TEST_F(HeaderNodeButton, DoesNothingWithoutTheOption) {
    clickHeaderNode();
    EXPECT_EQ(grid->RowCount(), 8);
}

// Cell (2, 3) is an expand cell that opens to 60 pixels.
class ExpandButton : public FixedSizing {
protected:
    void SetUp() override {
        FixedSizing::SetUp();
        grid->AddExpand(2, 3, 60);
        grid->OnExpandClick = [this](TObject*, int ACol, int ARow, bool Expanded) {
            note(QStringLiteral("ExpandClick %1,%2 %3").arg(ACol).arg(ARow).arg(Expanded));
        };
    }
    TPoint button() const {
        TRect r;
        grid->GetExpandButtonRect(2, 3, r);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    bool pushed() const { return grid->GetCellGraphic(2, 3)->CellBoolean; }
};

TEST_F(ExpandButton, AClickOnTheButtonTogglesTheCellAndItsRowHeight) {
    const QString before = cell();
    const TPoint b = button();
    press(b.X, b.Y);
    EXPECT_TRUE(pushed());
    EXPECT_EQ(log, (QStringList{"ClickCell 2,3"}));
    release(b.X, b.Y);
    EXPECT_FALSE(pushed());
    EXPECT_EQ(grid->RowHeights(3), 60);
    EXPECT_EQ(cell(), before);
    const TPoint b2 = button();
    click(*grid, b2.X, b2.Y);
    EXPECT_EQ(grid->RowHeights(3), 20);
    EXPECT_EQ(log.filter("Expand"), (QStringList{"ExpandClick 2,3 1", "ExpandClick 2,3 0"}));
}

TEST_F(ExpandButton, AnAbandonedClickLeavesTheCellButTheButtonComesUp) {
    const TPoint b = button();
    // Released away from the button.
    press(b.X, b.Y);
    release(middle(4, 3).X, middle(4, 3).Y);
    EXPECT_FALSE(pushed());
    EXPECT_EQ(grid->RowHeights(3), 20);
    // Released over the button of another expand cell.
    grid->AddExpand(4, 3, 80);
    TRect other;
    grid->GetExpandButtonRect(4, 3, other);
    press(b.X, b.Y);
    release(other.Left + 5, other.Top + 5);
    EXPECT_FALSE(pushed());
    EXPECT_FALSE(grid->GetExpandState(2, 3) || grid->GetExpandState(4, 3));
    EXPECT_TRUE(log.filter("Expand").isEmpty());
}

TEST_F(ExpandButton, WorksInACellThatMayNotBeEdited) {
    // Expand buttons never look disabled, so they never are.
    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    const TPoint b = button();
    click(*grid, b.X, b.Y);
    EXPECT_EQ(grid->RowHeights(3), 60);
}

TEST_F(ExpandButton, TheButtonUnderThePointerIsDrawnHoveredUntilThePointerGoes) {
    // Flat with colour tones: the buttons are drawn in the tone of their state.
    TColorTones tones;
    tones.Background.BrushColor = 0xF0F0F0;
    tones.Hover.BrushColor = 0x40C0F0;
    grid->SetColorTones(tones);
    grid->SetFlat(true);
    TRect r;
    grid->GetExpandButtonRect(2, 3, r);
    auto face = [&] { return renderToImage(*grid).copy(r.Left, r.Top, r.Width(), r.Height()); };
    const QImage plain = face();
    const TPoint b = button();
    mouseMessage(*grid, WM_MOUSEMOVE, b.X, b.Y);
    EXPECT_NE(face(), plain);
    EXPECT_EQ(grid->Private().FHoverButton, (TPoint{2, 3}));
    mouseMessage(*grid, WM_MOUSEMOVE, middle(4, 3).X, middle(4, 3).Y);
    EXPECT_EQ(face(), plain);
    mouseMessage(*grid, WM_MOUSEMOVE, b.X, b.Y);
    grid->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(face(), plain);
}

TEST_F(ExpandButton, APressBesideTheButtonIsAPlainPress) {
    const TRect r = grid->CellRect(2, 3);
    click(*grid, r.Left + 5, r.Bottom - 3);
    EXPECT_EQ(cell(), "2,3");
    EXPECT_FALSE(grid->GetExpandState(2, 3));
}

}  // namespace
