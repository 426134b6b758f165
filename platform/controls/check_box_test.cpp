#include "platform/controls/check_box.h"
#include "platform/controls/form.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckBox, ClicksAndCodeToggleItAndEveryChangeFiresOnClick) {
    TForm form(nullptr);
    form.SetColor(0xEDF7F8);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    EXPECT_EQ(box->Color(), 0xEDF7F8);
    std::vector<bool> seen;
    box->OnClick = [&](TObject*) { seen.push_back(box->Checked()); };
    click(*box, 3, 3);
    EXPECT_TRUE(box->Checked());
    typeChar(*box, ' ');
    EXPECT_FALSE(box->Checked());
    box->SetChecked(true);
    box->SetChecked(true);  // no change, no event
    box->CheckedNatively(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
}

}  // namespace
