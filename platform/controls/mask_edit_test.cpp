#include "platform/controls/mask_edit.h"

#include "platform/controls/message_beep.h"
#include "platform/system/clipboard.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class MaskEditTest : public ::testing::Test {
protected:
    MaskEditTest() {
        edit = new TCustomMaskEdit(&form);
        edit->SetParent(&form);
        edit->OnChange = [this](TObject*) { changes << edit->Text(); };
    }
    TForm form{nullptr};
    TCustomMaskEdit* edit;
    QStringList changes;
};

TEST_F(MaskEditTest, TheCaretKeysMoveAndSelectAndDeleteRemoves) {
    edit->SetText("abcd");
    edit->SetFocus();
    EXPECT_EQ(edit->SelLength(), 4);  // selected on entry
    keyPress(*edit, VK_HOME);
    keyPress(*edit, VK_RIGHT);
    keyPress(*edit, VK_RIGHT, ssShift);
    keyPress(*edit, VK_RIGHT, ssShift);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelText(), "bc");
    keyPress(*edit, VK_DELETE);
    EXPECT_EQ(edit->Text(), "ad");
    keyPress(*edit, VK_DELETE);
    keyPress(*edit, VK_END);
    keyPress(*edit, VK_DELETE);  // nothing after the caret
    typeChar(*edit, 'x');
    EXPECT_EQ(changes, (QStringList{"ad", "a", "ax"}));
}

TEST_F(MaskEditTest, CutAndPasteGoThroughTheClipboardAndPasteOneLine) {
    edit->SetText("12345");
    edit->SetSelStart(1);
    edit->SetSelLength(2);
    keyPress(*edit, 'X', ssCtrl);
    EXPECT_EQ(Clipboard().AsText(), "23");
    EXPECT_EQ(edit->Text(), "145");
    Clipboard().SetContent("ab\ncd", {});
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Text(), "1ab45");
    edit->ReadOnly = true;
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Text(), "1ab45");
}

TEST_F(MaskEditTest, TheFormattingRectangleIsSetAndReadAndTheTextStaysInIt) {
    edit->SetBounds(0, 0, 100, 21);
    TRect r;
    edit->Perform(EM_GETRECT, 0, reinterpret_cast<intptr_t>(&r));
    EXPECT_EQ(r, (TRect{1, 1, 95, 17}));
    const TRect narrow{1, 1, 38, 17};
    edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<intptr_t>(&narrow));
    edit->SetText("WWWWWWWWWWWWWWWWWW");
    edit->SetColor(clWhite);
    edit->Font().SetColor(clBlack);
    const QImage image = renderToImage(*edit);
    int outside = 0;
    for (int y = 3; y < 19; ++y)
        for (int x = 41; x < 97; ++x) outside += image.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_EQ(outside, 0);
}

// Keys of the mask table beside the typed characters.
constexpr char16_t kLeft = u'\u2190', kRight = u'\u2192', kHome = u'\u21e4', kDelete = u'\u2326';

struct MaskCase {
    const char* mask;
    const char* set;       // text set by code first
    const char16_t* keys;  // typed from the caret at 0
    const char* shown;
    const char* value;     // read back through the mask
    int beeps;
};

class MaskRules : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskRules, KeysTypedGiveTheTextShownAndTheValueReadBack) {
    const MaskCase& c = GetParam();
    TForm form(nullptr);
    auto* edit = new TCustomMaskEdit(&form);
    edit->SetParent(&form);
    edit->AutoSelect = false;
    edit->SetEditMask(c.mask);
    edit->SetText(c.set);
    edit->SetFocus();
    edit->SetSelStart(0);
    const int beeps = BeepCount();
    for (const QChar key : QString::fromUtf16(c.keys)) {
        switch (key.unicode()) {
        case kLeft: keyPress(*edit, VK_LEFT); break;
        case kRight: keyPress(*edit, VK_RIGHT); break;
        case kHome: keyPress(*edit, VK_HOME); break;
        case kDelete: keyPress(*edit, VK_DELETE); break;
        default: typeChar(*edit, key); break;
        }
    }
    EXPECT_EQ(edit->Text(), c.shown);
    EXPECT_EQ(edit->MaskedText(), c.value);
    EXPECT_EQ(BeepCount() - beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaskRules,
    ::testing::Values(
        // Required digits; the caret skips the literal; literals saved or left out.
        MaskCase{"000-000;1;_", "", u"123456", "123-456", "123-456", 0},
        MaskCase{"000-000;0;_", "", u"123456", "123-456", "123456", 0},
        // A letter in a digit place beeps and is dropped; an empty place reads back as a blank.
        MaskCase{"000-000;1;_", "", u"12a3", "123-___", "123-   ", 1},
        // The literal typed where it stands steps over it.
        MaskCase{"000-000;1;_", "", u"12-4", "12_-4__", "12 -4  ", 0},
        // Nothing filled reads back empty.
        MaskCase{"000;1;_", "", u"", "___", "", 0},
        // Optional digits with a blank of its own; Right steps over the literals.
        MaskCase{"(999) 000;0;*", "", u"12\u21923", "(12*) 3**", "12 3  ", 0},
        // Letters: required and optional, digits refused; case conversion.
        MaskCase{"LLl", "", u"a1bc", "abc", "abc", 1},
        MaskCase{">LL<LL<>L", "", u"abCDe", "ABcde", "ABcde", 0},
        MaskCase{"aa-AA", "", u"x1-y", "x1-y_", "x1-y ", 0},
        MaskCase{"#99", "", u"-5x", "-5_", "-5 ", 1},
        // "\" makes a mask character a literal; "_" is a literal blank.
        MaskCase{"\\00_0", "", u"12", "01 2", "01 2", 0},
        // Text set by code takes the mask's shape, with or without its literals.
        MaskCase{"00:00;1;_", "1234", u"", "12:34", "12:34", 0},
        MaskCase{"00:00;0;_", "12:34", u"", "12:34", "1234", 0},
        // Home goes to the first input place, Left stops on input places, Backspace and Delete
        // empty places instead of moving the rest.
        MaskCase{"(000)000;1;_", "123456", u"\u21e49", "(923)456", "(923)456", 0},
        MaskCase{"000-000;1;_", "123456", u"\u2192\u2192\u2192\u2190\u2326", "12_-456", "12 -456", 0},
        MaskCase{"000-000;1;_", "123456", u"\u2192\u2192\u2192\u2192\b\b", "12_-_56", "12 - 56", 0},
        // The time mask: leading-optional flag, blank as a space, the caret skips the separators.
        MaskCase{"!90:00:00;1; ", "12:34:56", u"0915", "09:15:56", "09:15:56", 0},
        // Typing at the end of the mask beeps and changes nothing.
        MaskCase{"00;1;_", "12", u"\u2192\u21923", "12", "12", 1}));

TEST_F(MaskEditTest, CutEmptiesThePlacesAndPasteTypesUntilACharacterDoesNotFit) {
    edit->SetEditMask("000-000;1;_");
    edit->SetText("123456");
    edit->SetSelStart(1);
    edit->SetSelLength(4);
    keyPress(*edit, 'X', ssCtrl);
    EXPECT_EQ(Clipboard().AsText(), "23-4");
    EXPECT_EQ(edit->Text(), "1__-_56");
    Clipboard().SetContent("78x9", {});
    edit->SetSelStart(1);
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Text(), "178-_56");
    EXPECT_EQ(edit->SelStart(), 4);
    EXPECT_EQ(changes, (QStringList{"1__-_56", "178-_56"}));
}

TEST_F(MaskEditTest, WordWrapBreaksLongLinesAtBlanksAndLineBreaksAlwaysStartALine) {
    edit->SetBounds(0, 0, 70, 70);
    edit->SetColor(clWhite);
    // Ink in the lower half of the field: a second line or more.
    auto lowerInk = [this] {
        const QImage image = renderToImage(*edit);
        int ink = 0;
        for (int y = 35; y < 66; ++y)
            for (int x = 3; x < 66; ++x) ink += image.pixelColor(x, y) != QColor(Qt::white);
        return ink;
    };
    edit->SetText("alpha beta gamma delta epsilon zeta eta theta iota kappa");
    EXPECT_EQ(lowerInk(), 0) << "one line, cut at the edge";
    edit->SetWordWrap(true);
    EXPECT_GT(lowerInk(), 0);
    edit->SetWordWrap(false);
    edit->SetText("a\nb\nc\nd\ne\nf");
    EXPECT_GT(lowerInk(), 0);
}

}  // namespace
