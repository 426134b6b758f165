#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/navigation/refusal_balloon.h"

namespace {

// Every edited value is refused until `refuse` is cleared; the balloon has a title and a text.
class RefusalBalloon : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        grid->InvalidEntryTitle = "Wrong";
        grid->InvalidEntryText = "Digits only";
        grid->InvalidEntryIcon = ieError;
        grid->OnCellValidate = [this](TObject*, int, int, QString&, bool& Valid) { Valid = !refuse; };
    }

    void refuseAnEdit(int ACol, int ARow) {
        grid->SetCol(ACol);
        grid->SetRow(ARow);
        keyPress(*grid, VK_F2);
        typeChar(focused(), 'x');
        keyPress(focused(), VK_RETURN);
    }
    bool balloonShows() const {
        const TRefusalBalloon* balloon = FindRefusalBalloon(*grid);
        return balloon && balloon->Showing();
    }
    TRefusalBalloon& balloon() const { return *FindRefusalBalloon(*grid); }

    bool refuse = true;
};

TEST_F(RefusalBalloon, ARefusedValueShowsTitleAndTextUnderItsCell) {
    refuseAnEdit(2, 3);
    ASSERT_TRUE(balloonShows());
    EXPECT_EQ(balloon().Title(), "Wrong");
    EXPECT_EQ(balloon().Text(), "Digits only");
    EXPECT_EQ(balloon().Icon(), 3);
    EXPECT_EQ(balloon().Editor(), textEditor());
    const TRect cell = grid->CellRect(2, 3);
    const TPoint cellTopLeft = grid->ClientToScreen({cell.Left, cell.Top});
    const TPoint cellBottom = grid->ClientToScreen({cell.Left, cell.Bottom});
    EXPECT_NEAR(balloon().Left(), cellTopLeft.X, 3);
    EXPECT_NEAR(balloon().Top(), cellBottom.Y, 3);
    EXPECT_GT(balloon().Width(), 0);
    EXPECT_GT(balloon().Height(), 0);
    // Left showing: the grid and its editor go with the fixture.
}

TEST_F(RefusalBalloon, ItGoesWhenTheUserTypesEscapesOrLeavesTheCell) {
    struct Case {
        const char* name;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"a character typed", [this] { typeChar(focused(), '7'); }},
        {"Escape", [this] { keyPress(focused(), VK_ESCAPE); }},
        {"the value accepted and the cell left",
         [this] {
             refuse = false;
             clickCell(4, 5);
         }},
    };
    for (const Case& c : cases) {
        refuseAnEdit(2, 3);
        ASSERT_TRUE(balloonShows()) << c.name;
        // A modifier alone types nothing.
        keyPress(focused(), VK_SHIFT);
        EXPECT_TRUE(balloonShows()) << c.name;
        c.act();
        EXPECT_FALSE(balloonShows()) << c.name;
        EXPECT_EQ(balloon().Editor(), nullptr) << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(RefusalBalloon, ASecondRefusalShowsItAgainAndNoTitleNorTextShowsNone) {
    refuseAnEdit(2, 3);
    keyPress(focused(), VK_RETURN);
    EXPECT_TRUE(balloonShows());
    typeChar(focused(), '1');
    ASSERT_FALSE(balloonShows());

    grid->InvalidEntryTitle.clear();
    grid->InvalidEntryText.clear();
    keyPress(focused(), VK_RETURN);
    EXPECT_FALSE(balloonShows());
}

TEST_F(RefusalBalloon, AnEditableComboShowsItUnderTheCombo) {
    editorOf[{2, 3}] = edComboEdit;
    grid->SetCol(2);
    grid->SetRow(3);
    keyPress(*grid, VK_F2);
    grid->Combobox()->SetText("two");
    clickCell(4, 5);
    ASSERT_TRUE(balloonShows());
    EXPECT_EQ(balloon().Editor(), grid->Combobox());
    refuse = false;
    clickCell(4, 5);
    EXPECT_FALSE(balloonShows());
}

}  // namespace
