#include "platform/controls/combo_box.h"
#include "platform/controls/form.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

TEST(ComboBox, OnlyAPickByTheUserFiresItsEvents) {
    TForm form(nullptr);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    QStringList events;
    combo->OnClick = [&](TObject*) { events << "click " + combo->Text(); };
    combo->OnChange = [&](TObject*) { events << "change " + combo->Text(); };
    combo->SetItems({"NONE", "ODD", "EVEN"});
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->Text(), "EVEN");
    combo->SetItemIndex(5);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_TRUE(events.isEmpty());

    combo->ItemSelectedNatively(1);
    combo->ItemSelectedNatively(1);  // the same item again
    keyPress(*combo, VK_DOWN);
    keyPress(*combo, VK_DOWN);  // past the last item: nothing
    keyPress(*combo, VK_UP);
    EXPECT_EQ(events, (QStringList{"click ODD", "change ODD", "click EVEN", "change EVEN", "click ODD", "change ODD"}));
}

}  // namespace
