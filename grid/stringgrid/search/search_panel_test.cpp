#include "grid/foundation/grid_button.h"
#include "grid/foundation/grid_check_box.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "grid/stringgrid/search/search_panel.h"
#include "platform/testkit/testkit.h"

namespace {

// A grid of 5 columns and 40 rows ("c:r" in every cell, "Apple" in (2, 30)) with its search
// footer shown and captions as the designer gives them.
class SearchPanelFixture : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        grid->SetBounds(0, 0, 600, 400);
        grid->SetColCount(5);
        grid->SetRowCount(40);
        for (int r = 0; r < 40; ++r)
            for (int c = 0; c < 5; ++c) grid->SetCells(c, r, text(c, r));
        grid->SetCells(2, 30, "Apple");
        grid->SetCells(3, 35, "apple pie");
        TSearchFooter& footer = grid->SearchFooter();
        footer.SetFindNextCaption("Find &next");
        footer.SetFindPrevCaption("Find &previous");
        footer.SetHighLightCaption("&Highlight");
        footer.SetMatchCaseCaption("Match case");
        grid->OnSearchFooterAction = [this](TObject*, QString Value, int ACol, int ARow, TSearchAction Action) {
            actions << QStringLiteral("%1 %2,%3 %4").arg(Value).arg(ACol).arg(ARow).arg(int(Action));
        };
        footer.SetVisible(true);
        panel = grid->SearchPanel();
    }
    TRetEdit& edit() { return *panel->EditControl(); }
    void type(const QString& s) {
        for (QChar ch : s) typeChar(edit(), ch);
    }

    TSearchPanel* panel = nullptr;
    QStringList actions;
};

TEST_F(SearchPanelFixture, TheFooterSettingsShapeThePanel) {
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Height(), 32);
    EXPECT_EQ(panel->Top(), grid->ClientHeight() - 32);
    EXPECT_EQ(panel->Width(), grid->ClientWidth());
    EXPECT_EQ(panel->ForwardButton()->Caption(), "Find &next");
    EXPECT_EQ(panel->MatchCase()->Caption(), "Match case");
    EXPECT_EQ(panel->MatchCase()->Left(), 425);
    EXPECT_EQ(panel->ForwardButton()->Height(), 23);
    EXPECT_EQ(panel->MatchCase()->Height(), 18);

    grid->SearchFooter().SetShowHighLight(false);
    EXPECT_EQ(panel->MatchCase()->Left(), 330);
    EXPECT_EQ(panel->HiliteButton()->Height(), 0);
    grid->SearchFooter().SetShowMatchCase(false);
    EXPECT_EQ(panel->MatchCase()->Height(), 0);
    grid->SearchFooter().SetHintClose("Close");
    EXPECT_TRUE(panel->ExitButton()->ShowHint);
    grid->SearchFooter().SetHintClose("");
    EXPECT_FALSE(panel->ExitButton()->ShowHint) << "no hint without a text";

    grid->SearchFooter().SetVisible(false);
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(panel->Height(), 0);
}

TEST_F(SearchPanelFixture, TheRowsEndAboveTheVisiblePanel) {
    const int rowsWithPanel = grid->VisibleRowCount();
    grid->SearchFooter().SetVisible(false);
    EXPECT_GT(grid->VisibleRowCount(), rowsWithPanel);
    EXPECT_FALSE(grid->IsLastRowAboveSearchPanel());
    grid->SearchFooter().SetVisible(true);
    grid->SetRow(39);
    EXPECT_TRUE(grid->IsLastRowAboveSearchPanel());
    EXPECT_LE(grid->CellRect(0, 39).Bottom, panel->Top() + 2);

    // A grid lower than a row and the panel never scrolls on the panel's account.
    grid->SetBounds(0, 0, 600, 40);
    grid->SearchFooter().SetVisible(true);
    const int top = grid->TopRow();
    grid->ScrollLastRowAboveSearchPanel();
    EXPECT_EQ(grid->TopRow(), top);
}

TEST_F(SearchPanelFixture, TypingSearchesAndColoursTheEdit) {
    EXPECT_FALSE(panel->ForwardButton()->Enabled());
    EXPECT_FALSE(panel->HiliteButton()->Enabled());
    type("app");
    EXPECT_TRUE(panel->ForwardButton()->Enabled());
    EXPECT_TRUE(panel->BackwardButton()->Enabled());
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 30);
    EXPECT_EQ(edit().Color(), clWindow);
    EXPECT_LE(grid->CellRect(2, 30).Bottom, panel->Top() + 2) << "the found cell shows above the panel";
    type("x");
    EXPECT_EQ(edit().Color(), TColor(0x0000FF)) << "not found";
    typeChar(edit(), QChar('\b'));
    EXPECT_EQ(edit().Color(), clWindow);
    EXPECT_EQ(actions, (QStringList{"a 2,30 0", "ap 2,30 0", "app 2,30 0", "appx -1,-1 0", "app 2,30 0"}));
}

TEST_F(SearchPanelFixture, EnterFindsNextAndCtrlEnterPrevious) {
    type("apple");
    actions.clear();
    keyPress(edit(), VK_RETURN);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 35);
    keyPress(edit(), VK_RETURN);
    EXPECT_EQ(grid->SearchCell(), (TPoint{-1, -1})) << "past the last match";
    keyPress(edit(), VK_RETURN);
    EXPECT_EQ(grid->SearchCell(), (TPoint{2, 30})) << "from the top again";
    keyPress(edit(), VK_RETURN, ssCtrl);
    EXPECT_EQ(grid->SearchCell(), (TPoint{-1, -1})) << "nothing before the first match";
    keyPress(edit(), VK_RETURN, ssCtrl);
    EXPECT_EQ(grid->SearchCell(), (TPoint{3, 35})) << "backwards from the end";
    EXPECT_EQ(actions, (QStringList{"apple 3,35 2", "apple -1,-1 2", "apple 2,30 2", "apple -1,-1 1", "apple 3,35 1"}));
    EXPECT_EQ(edit().Text(), "apple") << "Enter types nothing";
}

TEST_F(SearchPanelFixture, WithoutAutoSearchANewTextStartsFromTheTop) {
    grid->SearchFooter().AutoSearch = false;
    type("apple");
    EXPECT_EQ(grid->Row(), grid->FixedRows()) << "typing alone does not search";
    click(*panel->ForwardButton(), 5, 5);
    click(*panel->ForwardButton(), 5, 5);
    EXPECT_EQ(grid->SearchCell(), (TPoint{3, 35}));
    edit().SetText(QString());
    type("apple");
    click(*panel->ForwardButton(), 5, 5);
    EXPECT_EQ(grid->SearchCell(), (TPoint{-1, -1})) << "the same text goes on, past the last match";
    typeChar(edit(), QChar('\b'));
    click(*panel->ForwardButton(), 5, 5);
    EXPECT_EQ(grid->SearchCell(), (TPoint{2, 30})) << "a changed text starts again";
    EXPECT_EQ(grid->SearchFooter().LastSearch, "appl");
}

TEST_F(SearchPanelFixture, TheHighlightButtonMarksEveryOccurrence) {
    type("apple");
    click(*panel->HiliteButton(), 5, 5);
    ASSERT_TRUE(panel->HiliteButton()->Down());
    EXPECT_EQ(grid->Cells(2, 30), "<hi>Apple</hi>");
    EXPECT_EQ(grid->Cells(3, 35), "<hi>apple</hi> pie");
    // Typing with the button down searches the plain texts and highlights the new text.
    typeChar(edit(), QChar('\b'));
    EXPECT_EQ(grid->Cells(2, 30), "<hi>Appl</hi>e");
    EXPECT_EQ(grid->Row(), 30);
    click(*panel->HiliteButton(), 5, 5);
    EXPECT_EQ(grid->Cells(2, 30), "Apple");

    // Hiding the footer while the button is down takes the highlights away.
    click(*panel->HiliteButton(), 5, 5);
    EXPECT_EQ(grid->Cells(3, 35), "<hi>appl</hi>e pie");
    grid->SearchFooter().SetVisible(false);
    EXPECT_EQ(grid->Cells(3, 35), "apple pie");
}

TEST_F(SearchPanelFixture, TheMatchCaseBoxTakesCaseIntoAccount) {
    panel->MatchCase()->SetChecked(true);
    type("apple");
    EXPECT_EQ(grid->Row(), 35);
    EXPECT_EQ(grid->Col(), 3);
}

TEST_F(SearchPanelFixture, CloseHidesTheFooter) {
    int closed = 0;
    grid->OnSearchFooterClose = [&](TObject*) { ++closed; };
    click(*panel->ExitButton(), 3, 3);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(grid->SearchFooter().Visible());
    EXPECT_EQ(panel->Height(), 0);
}

TEST_F(SearchPanelFixture, AcceleratorsOfTheButtonsSearch) {
    form->SetVisible(true);
    type("apple");
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'n', 0), 1);
    EXPECT_EQ(grid->SearchCell(), (TPoint{3, 35}));
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'p', 0), 1);
    EXPECT_EQ(grid->SearchCell(), (TPoint{2, 30}));
    grid->SearchFooter().SetVisible(false);
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'n', 0), 0) << "a hidden footer takes no keys";
}

TEST_F(SearchPanelFixture, APanelColourToPaintsAGradient) {
    grid->SearchFooter().SetColor(clWhite);
    grid->SearchFooter().SetColorTo(0x000080);
    const QImage image = renderToImage(*panel);
    const QColor top = image.pixelColor(2, 2), bottom = image.pixelColor(2, 30);
    EXPECT_GT(top.red(), bottom.red());
    EXPECT_NEAR(bottom.red(), 0x80, 0x10) << "the last bands near the end colour";
    const TColor line = ColorToRGB(grid->GridLineColor());
    EXPECT_EQ(image.pixelColor(300, 0), QColor(line & 0xFF, (line >> 8) & 0xFF, (line >> 16) & 0xFF))
        << "the line along the top edge";
}

}  // namespace
