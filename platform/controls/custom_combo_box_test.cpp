#include "platform/controls/custom_combo_box.h"

#include "platform/controls/combo_drop_list.h"
#include "platform/controls/form.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class Combo : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
    QStringList notes;
    void WndProc(TMessage& m) override {
        if (m.Msg == CN_COMMAND) notes << QString("command %1").arg(m.WParam >> 16);
        TCustomComboBox::WndProc(m);
    }
};

class CustomComboBoxTest : public ::testing::Test {
protected:
    CustomComboBoxTest() {
        combo = new Combo(&form);
        combo->SetParent(&form);
        combo->SetItems({"Alpha", "Beta", "Bravo", "Charlie"});
        combo->OnChange = [this](TObject*) { combo->notes << "change " + combo->Text(); };
        combo->OnDropDown = [this](TObject*) { combo->notes << "drop"; };
        combo->OnCloseUp = [this](TObject*) { combo->notes << "close"; };
        combo->SetFocus();
    }
    TForm form{nullptr};
    Combo* combo;
};

TEST_F(CustomComboBoxTest, TheListDropsPicksWithTheKeysAndEscTakesThePickBack) {
    combo->SetStyle(csDropDownList);
    keyPress(*combo, VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(combo->DropList()->Visible());
    keyPress(*combo, VK_DOWN);
    keyPress(*combo, VK_DOWN);
    EXPECT_EQ(combo->Text(), "Beta");
    keyPress(*combo, VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->notes, (QStringList{"drop", "command 7", "command 1", "change Alpha", "command 1", "change Beta",
                                         "change ", "command 8", "close"}));

    combo->notes.clear();
    keyPress(*combo, VK_DOWN, ssAlt);
    keyPress(*combo, VK_DOWN);
    keyPress(*combo, VK_RETURN);
    EXPECT_EQ(combo->Text(), "Alpha");
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(CustomComboBoxTest, AClickInTheDroppedListPicksTheItemAndClosesIt) {
    combo->SetItemHeight(15);
    click(*combo, combo->Width() - 5, 5);
    ASSERT_TRUE(combo->DroppedDown());
    TComboDropList& list = *combo->DropList();
    EXPECT_EQ(list.Height(), 4 * 15 + 2);
    EXPECT_EQ(list.Top(), combo->Height());
    click(list, 10, 1 + 2 * 15 + 3);
    EXPECT_EQ(combo->Text(), "Bravo");
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(CustomComboBoxTest, TypingCompletesToTheFirstItemItBegins) {
    typeChar(*combo, 'b');
    EXPECT_EQ(combo->Text(), "Beta");
    EXPECT_EQ(combo->SelStart(), 1);
    EXPECT_EQ(combo->SelLength(), 3);
    typeChar(*combo, 'r');
    EXPECT_EQ(combo->Text(), "Bravo");
    EXPECT_EQ(combo->ItemIndex(), 2);
    typeChar(*combo, 'x');
    EXPECT_EQ(combo->Text(), "Brx");
    EXPECT_EQ(combo->ItemIndex(), -1);
    typeChar(*combo, '\b');
    EXPECT_EQ(combo->Text(), "Br");  // no completion while deleting
}

TEST_F(CustomComboBoxTest, InTheListStylesTypedCharactersSearchUntilAPause) {
    combo->SetStyle(csDropDownList);
    typeChar(*combo, 'b');
    typeChar(*combo, 'r');
    EXPECT_EQ(combo->Text(), "Bravo");
    advance(600);
    typeChar(*combo, 'c');
    EXPECT_EQ(combo->Text(), "Charlie");
    typeChar(*combo, 'a');  // "ca" begins nothing: "a" alone
    EXPECT_EQ(combo->Text(), "Alpha");
}

TEST_F(CustomComboBoxTest, OwnerDrawnItemsTakeTheirMeasuredHeights) {
    combo->SetStyle(csOwnerDrawVariable);
    combo->OnMeasureItem = [](TWinControl*, int index, int& height) { height = 10 + index; };
    QList<int> drawn;
    combo->OnDrawItem = [&](TWinControl*, TCanvas&, int index, TRect r, TOwnerDrawState) { drawn << r.Height(); };
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->DropList()->Height(), 10 + 11 + 12 + 13 + 2);
    renderToImage(*combo->DropList());
    EXPECT_EQ(drawn, (QList<int>{10, 11, 12, 13}));
    EXPECT_EQ(combo->DropList()->ItemAtPos({5, 1 + 10 + 11 + 1}), 2);
}

TEST_F(CustomComboBoxTest, TheDroppedWidthIsAtLeastTheControlsWidth) {
    EXPECT_EQ(combo->Perform(CB_SETDROPPEDWIDTH, 20), combo->Width());
    EXPECT_EQ(combo->Perform(CB_SETDROPPEDWIDTH, 300), 300);
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->DropList()->Width(), 300);
}

}  // namespace
