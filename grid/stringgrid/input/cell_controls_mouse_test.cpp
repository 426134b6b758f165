#include "grid/stringgrid/input/input_fixture.h"
#include "platform/controls/scroll_bar.h"
#include "platform/messages/message_ids.h"

namespace {

// Cell (2, 2) of 60 x 20 carries a control; the events the mouse fires are logged.
class CellControlsByMouse : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { note(QStringLiteral("click %1,%2").arg(ACol).arg(ARow)); };
        grid->OnButtonClick = [this](TObject*, int ACol, int ARow) { note(QStringLiteral("button %1,%2").arg(ACol).arg(ARow)); };
        grid->OnRatingChange = [this](TObject*, int ACol, int ARow, double& Rate, bool& Allow) {
            note(QStringLiteral("rate %1,%2 %3").arg(ACol).arg(ARow).arg(Rate));
            Allow = allowRating;
        };
        grid->OnScrollCell = [this](TObject*, int ACol, int ARow, int Pos, int Min, int Max) {
            note(QStringLiteral("scroll %1,%2 %3 (%4..%5)").arg(ACol).arg(ARow).arg(Pos).arg(Min).arg(Max));
        };
    }
    TPoint at(int dx, int dy) const {
        const TRect r = grid->CellRect(2, 2);
        return {r.Left + dx, r.Top + dy};
    }
    void down(TPoint p) { mouseMessage(*grid, WM_LBUTTONDOWN, p.X, p.Y, MK_LBUTTON); }
    void up(TPoint p) { mouseMessage(*grid, WM_LBUTTONUP, p.X, p.Y); }
    bool allowRating = true;
};

TEST_F(CellControlsByMouse, AButtonClicksWhenReleasedOnItself) {
    grid->SetOptions(grid->Options() | goEditing);  // buttons of cells that may not be edited are disabled
    grid->AddButton(2, 2, 30, 14, "Go", haLeft, vaTop);
    renderToImage(*grid);  // the painter places the button
    struct Case {
        const char* name;
        TPoint press, release;
        QStringList events;
    };
    const Case cases[] = {
        {"on the button", at(10, 8), at(12, 8), {"click 2,2", "button 2,2"}},
        {"released beside it", at(10, 8), at(50, 8), {"click 2,2"}},
        {"pressed beside it: a press on the cell", at(50, 8), at(50, 8), {"click 2,2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        down(c.press);
        EXPECT_EQ(grid->CellGraphics(2, 2)->CellBoolean, c.press.X == at(10, 8).X) << "drawn pushed";
        up(c.release);
        EXPECT_FALSE(grid->CellGraphics(2, 2)->CellBoolean);
        QStringList got = log;
        got.removeIf([](const QString& e) { return !e.startsWith("click 2") && !e.startsWith("button"); });
        EXPECT_EQ(got, c.events);
    }
}

TEST_F(CellControlsByMouse, APressOnARatingSetsHalfStarsUnlessRefused) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddRating(2, 2, 3, clRed, clGray);
    grid->SetCells(2, 2, "0");
    down(at(40, 8));  // 4 whole steps of 9 pixels: two stars
    up(at(40, 8));
    EXPECT_TRUE(log.contains("rate 2,2 2"));
    EXPECT_DOUBLE_EQ(grid->Floats(2, 2), 2.0);
    allowRating = false;
    down(at(10, 8));
    up(at(10, 8));
    EXPECT_TRUE(log.contains("rate 2,2 0.5"));
    EXPECT_DOUBLE_EQ(grid->Floats(2, 2), 2.0) << "refused";
}

TEST_F(CellControlsByMouse, TheHoveredCellsScrollBarScrollsItsText) {
    grid->AddScrollBar(2, 2, false);
    grid->SetScrollProp(2, 2, {20, 100});
    mouseMove(*grid, at(10, 8).X, at(10, 8).Y);
    const TScrollBar* bar = grid->Private().FScrollBar;
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    const TRect cell = grid->CellRect(2, 2);
    EXPECT_EQ(bar->Left() + bar->Width(), cell.Right - grid->GridLineWidth());
    const_cast<TScrollBar*>(bar)->SetPosition(0);
    grid->Perform(WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<intptr_t>(bar));
    EXPECT_EQ(grid->GetScrollPosition(2, 2), 20);
    EXPECT_TRUE(log.contains("scroll 2,2 20 (0..100)"));
    grid->Perform(WM_VSCROLL, SB_BOTTOM, reinterpret_cast<intptr_t>(bar));
    EXPECT_EQ(grid->GetScrollPosition(2, 2), 81) << "the last page";
    mouseMove(*grid, grid->CellRect(4, 4).Left + 5, grid->CellRect(4, 4).Top + 5);
    EXPECT_FALSE(bar->Visible()) << "gone over a cell without one";
}

}  // namespace
