#include "platform/controls/memo.h"

#include "platform/controls/form.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class MemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 300, 200);
        memo = new TMemo(&form);
        memo->SetParent(&form);
        form.Show();
        memo->SetFocus();
    }
    TForm form{nullptr};
    TMemo* memo = nullptr;
};

TEST_F(MemoTest, EnterTypesALineBreakAndEveryLineIsKept) {
    for (QChar ch : QString("one\rtwo\r\rfour")) typeChar(*memo, ch);
    EXPECT_EQ(memo->Lines(), (QStringList{"one", "two", "", "four"}));
    EXPECT_EQ(memo->Text(), "one\ntwo\n\nfour");
    // Enter does not reach the form's default button.
    EXPECT_EQ(memo->Perform(WM_GETDLGCODE, VK_RETURN), 1);
}

TEST_F(MemoTest, LinesAndTextAreTheSameValue) {
    memo->SetLines({"a", "b"});
    EXPECT_EQ(memo->Text(), "a\nb");
    memo->SetText("x\ny\n");
    EXPECT_EQ(memo->Lines(), (QStringList{"x", "y"}));
    memo->SetText("");
    EXPECT_TRUE(memo->Lines().isEmpty());
}

TEST_F(MemoTest, ReadOnlyAndMaxLengthHoldForTypingAndNativeEdits) {
    memo->MaxLength = 4;
    for (QChar ch : QString("abcdef")) typeChar(*memo, ch);
    EXPECT_EQ(memo->Text(), "abcd");
    memo->ReadOnly = true;
    typeChar(*memo, 'x');
    memo->TextEditedNatively("zzz");
    EXPECT_EQ(memo->Text(), "abcd");
    // The bars are taken again by a new window.
    memo->SetScrollBars(ssVertical);
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_EQ(memo->Text(), "abcd");
}

}  // namespace
