#include "platform/controls/button.h"

#include "platform/controls/form.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = new TButton(&form);
        button->SetParent(&form);
        button->SetCaption("Go");
        button->OnClick = [this](TObject*) { ++clicks; };
    }
    TForm form{nullptr};
    TButton* button = nullptr;
    int clicks = 0;
};

TEST_F(ButtonTest, AClickOrAReleasedSpaceFiresOnClick) {
    click(*button, 10, 10);
    EXPECT_EQ(clicks, 1);

    keyDown(*button, VK_SPACE);
    EXPECT_TRUE(button->Pushed());
    EXPECT_EQ(clicks, 1);
    keyUp(*button, VK_SPACE);
    EXPECT_FALSE(button->Pushed());
    EXPECT_EQ(clicks, 2);

    // A release without a press, other keys and a press released outside click nothing.
    keyUp(*button, VK_SPACE);
    keyPress(*button, VK_RETURN);
    mouseMessage(*button, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_TRUE(button->Pushed());
    mouseMessage(*button, WM_LBUTTONUP, 200, 10);
    EXPECT_FALSE(button->Pushed());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, APushedButtonDrawsItsCaptionOffset) {
    const QImage up = renderToImage(*button);
    keyDown(*button, VK_SPACE);
    EXPECT_NE(renderToImage(*button), up);
    keyUp(*button, VK_SPACE);
}

}  // namespace
