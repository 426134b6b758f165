#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/controls/rich_edit.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

void type(TWinControl& control, const QString& text) {
    for (QChar ch : text) typeChar(control, ch);
}

TEST(LimitTypedText, CutsOnlyWhatTheUserInserts) {
    struct Case {
        const char *old, *now;
        int max;
        const char* kept;
        int caret;
    };
    const Case cases[] = {
        {"abc", "abXc", 0, "abXc", 3},               // no limit
        {"abc", "abXc", 4, "abXc", 3},               // fits exactly
        {"abcd", "abXcd", 4, "abcd", 2},             // full: refused whole
        {"ab", "aPASTEb", 5, "aPASb", 4},            // a paste keeps what fits
        {"abcdef", "abcdeXf", 3, "abcdef", 5},       // longer than the limit from code: no typing
        {"abcdef", "acdef", 3, "acdef", 1},          // ... but deleting works
        {"abcdef", "aXf", 3, "aXf", 2},              // a selection replaced within the limit
        {"", "0123456789abcdefXYZ", 15, "0123456789abcde", 15},
    };
    for (const Case& c : cases) {
        int caret = -1;
        EXPECT_EQ(Limit_Typed_Text(c.old, c.now, c.max, caret), c.kept) << c.old << " -> " << c.now;
        EXPECT_EQ(caret, c.caret) << c.old << " -> " << c.now;
    }
}

TEST(Edit, MaxLengthLimitsTypingButNeverTextSetByCode) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->MaxLength = 5;
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText("a longer text");
    EXPECT_EQ(edit->Text(), "a longer text");
    EXPECT_EQ(changes, 0);  // code does not fire OnChange
    type(*edit, "x");
    EXPECT_EQ(edit->Text(), "a longer text");
    EXPECT_EQ(changes, 0);
    edit->SetText("");
    type(*edit, "1234567");
    EXPECT_EQ(edit->Text(), "12345");
    EXPECT_EQ(changes, 5);
    edit->TextEditedNatively("12PASTE345");
    EXPECT_EQ(edit->Text(), "12345");
    edit->SetText("12");
    edit->TextEditedNatively("12PASTE");
    EXPECT_EQ(edit->Text(), "12PAS");
}

TEST(Edit, CharCaseTurnsTypedLettersOnly) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->CharCase = ecLowerCase;
    edit->SetText("Set By Code");
    type(*edit, "AbC");
    EXPECT_EQ(edit->Text(), "abcSet By Code");
    // What a KeyPress handler makes of a key is typed, in the field's case.
    edit->OnKeyPress = [](TObject*, QChar& key) {
        if (key == '!') key = QChar('Q');
    };
    edit->SetText("");
    type(*edit, "!");
    EXPECT_EQ(edit->Text(), "q");
}

TEST(RichEdit, EnterTypesALineBreakAndStaysFromTheDefaultButton) {
    TForm form(nullptr);
    auto* memo = new TRichEdit(&form);
    memo->SetParent(&form);
    int dialogKeys = 0;
    class Catcher : public TWinControl {
    public:
        using TWinControl::TWinControl;
        int* count = nullptr;
        void WndProc(TMessage& m) override {
            if (m.Msg == CM_DIALOGKEY) ++*count;
            TWinControl::WndProc(m);
        }
    };
    auto* catcher = new Catcher(&form);
    catcher->count = &dialogKeys;
    catcher->SetParent(&form);
    type(*memo, "line 1");
    keyPress(*memo, VK_RETURN);
    typeChar(*memo, QChar('\r'));
    type(*memo, "line 2");
    EXPECT_EQ(memo->Text(), "line 1\nline 2");
    EXPECT_EQ(dialogKeys, 0);

    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    keyPress(*edit, VK_RETURN);
    typeChar(*edit, QChar('\r'));
    EXPECT_EQ(dialogKeys, 1);
    EXPECT_EQ(edit->Text(), "");
}

}  // namespace
