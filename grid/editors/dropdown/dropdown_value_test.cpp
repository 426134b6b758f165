#include "grid/editors/dropdown/dropdown_fixture.h"
#include "platform/system/clipboard.h"

namespace {

class DropDownValue : public DropDownFixture {
protected:
    void type(const QString& keys) {
        for (QChar c : keys) typeChar(*dd, c);
    }
    // Writes the edit's text as it stands and puts the caret (-1: the end) and selection.
    void start(const QString& text, int caret = -1, int selection = 0) {
        dd->SetTextDirect(text);
        dd->SetSelStart(caret < 0 ? static_cast<int>(text.size()) : caret);
        dd->SetSelLength(selection);
    }
};

struct Typing {
    const char* name;
    TDropDownEditType type;
    int precision;
    bool isSigned;
    const char* text;
    int caret;
    int selection;
    const char* keys;
    const char* expected;
};

class DropDownTyping : public DropDownValue, public ::testing::WithParamInterface<Typing> {};

TEST_P(DropDownTyping, EachEditTypeFiltersWhatIsTyped) {
    const Typing& t = GetParam();
    dd->SetEditType(t.type);
    dd->SetPrecision(t.precision);
    dd->Signed = t.isSigned;
    start(t.text, t.caret, t.selection);
    type(t.keys);
    EXPECT_EQ(dd->Text(), t.expected) << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropDownTyping,
    ::testing::Values(
        Typing{"string takes anything", etString, 0, false, "ab", -1, 0, "c-1!", "abc-1!"},
        Typing{"backspace", etString, 0, false, "abc", -1, 0, "\b", "ab"},
        Typing{"numeric drops letters and an unsigned minus", etNumeric, 0, false, "12", -1, 0, "a-3", "123"},
        Typing{"a signed minus toggles the sign where the caret is", etNumeric, 0, true, "12", 1, 0, "-", "-12"},
        Typing{"and toggles it back", etNumeric, 0, true, "12", 1, 0, "--", "12"},
        Typing{"a minus over the whole value", etNumeric, 0, true, "12", 0, 2, "-", "-"},
        Typing{"float refuses a second separator", etFloat, -1, false, "1.5", -1, 0, ".2", "1.52"},
        Typing{"float with precision 0 refuses the separator", etFloat, 0, false, "12", -1, 0, ".", "12"},
        Typing{"float with a negative precision takes one", etFloat, -1, false, "12", -1, 0, "..", "12."},
        Typing{"full decimals drop digits at the end", etFloat, 2, false, "12.34", -1, 0, "5", "12.34"},
        Typing{"a digit among full decimals overwrites the next", etFloat, 2, false, "12.34", 3, 0, "9", "12.94"},
        Typing{"the separator into an empty value", etFloat, 2, false, "", 0, 0, ".", "0."},
        Typing{"letters never reach a float", etFloat, 2, false, "1", -1, 0, "x", "1"},
        Typing{"money groups its thousands as it is typed", etMoney, 0, false, "", 0, 0, "1234567", "1,234,567"},
        Typing{"money takes the separator after a whole group", etMoney, 2, false, "1,234", -1, 0, ".5", "1,234.5"},
        Typing{"money never takes a typed thousand separator", etMoney, 2, false, "12", -1, 0, ",", "12"},
        Typing{"hex keeps what it takes as typed", etHex, 0, false, "", 0, 0, "1aZ-f", "1a-f"},
        Typing{"alphanumeric", etAlphaNumeric, 0, false, "", 0, 0, "a1_ b", "a1b"},
        Typing{"upper case", etUppercase, 0, false, "", 0, 0, "abC", "ABC"},
        Typing{"lower case", etLowerCase, 0, false, "", 0, 0, "ABc", "abc"},
        Typing{"names", etMixedCase, 0, false, "", 0, 0, "john smith", "John Smith"},
        Typing{"ranges never start or double a separator", etRange, 0, false, "", 0, 0, ",1-5,,7;9x", "1-5,7;9"},
        Typing{"no separator beside another", etRange, 0, false, "1-", -1, 0, ",;", "1-"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(DropDownValue, ValidCharsAndTheLengthLimit) {
    dd->SetEditType(etValidChars);
    dd->ValidChars = "xyz";
    start("");
    type("xaybz");
    EXPECT_EQ(dd->Text(), "xyz");

    dd->SetEditType(etNumeric);
    dd->LengthLimit = 3;
    start("123");
    type("4");
    EXPECT_EQ(dd->Text(), "123");
    // A full integer part still takes the decimal separator and decimals, not more digits.
    dd->SetEditType(etFloat);
    dd->SetPrecision(2);
    start("123");
    type(".");
    EXPECT_EQ(dd->Text(), "123.");
    start("123.5", 1);
    type("9");
    EXPECT_EQ(dd->Text(), "123.5");
    start("123.5", 4);
    type("9");
    EXPECT_EQ(dd->Text(), "123.95");
}

TEST_F(DropDownValue, TheSeparatorTypedAgainJumpsToTheDecimals) {
    dd->SetEditType(etMoney);
    dd->SetPrecision(2);
    dd->SetText("1234.5");
    dd->SetSelStart(0);
    type(".");
    EXPECT_EQ(dd->Text(), "1,234.50");
    EXPECT_EQ(dd->SelStart(), 6);
}

TEST_F(DropDownValue, TheKeypadDecimalKeyTypesTheRegionalSeparator) {
    Use(u',', u'.');
    dd->SetEditType(etFloat);
    dd->SetPrecision(-1);
    dd->ExcelStyleDecimalSeparator = true;
    start("3");
    keyDown(*dd, VK_DECIMAL, 0, ".");
    EXPECT_EQ(dd->Text(), "3,");
}

TEST_F(DropDownValue, EveryTypedChangeFiresOneChangeEvent) {
    int changes = 0;
    dd->OnChange = [&](TObject*) { ++changes; };
    start("abc", 0, 3);
    type("\b");
    EXPECT_EQ(dd->Text(), "");
    EXPECT_EQ(changes, 1);
    start("abc", 0, 3);
    type("x");
    EXPECT_EQ(dd->Text(), "x");
    EXPECT_EQ(changes, 2);
    dd->SetEditType(etNumeric);
    dd->Signed = true;
    start("5", 0);
    type("-");
    EXPECT_EQ(dd->Text(), "-5");
    EXPECT_EQ(changes, 3);
    type("q");
    EXPECT_EQ(changes, 3);
    dd->SetText("7");
    EXPECT_EQ(changes, 3);
}

TEST_F(DropDownValue, PrefixAndSuffixStayOutOfTheCaretsWay) {
    dd->Prefix = "$ ";
    dd->Suffix = " kg";
    dd->SetText("12");
    EXPECT_EQ(dd->EditText(), "$ 12 kg");
    dd->SetSelStart(3);
    keyPress(*dd, VK_HOME);
    EXPECT_EQ(dd->SelStart(), 2);
    keyPress(*dd, VK_LEFT);
    EXPECT_EQ(dd->SelStart(), 2);
    type("\b");
    EXPECT_EQ(dd->Text(), "12");
    keyPress(*dd, VK_END);
    EXPECT_EQ(dd->SelStart(), 4);
    keyPress(*dd, VK_RIGHT);
    keyPress(*dd, VK_DELETE);
    EXPECT_EQ(dd->SelStart(), 4);
    EXPECT_EQ(dd->EditText(), "$ 12 kg");
    keyPress(*dd, VK_HOME, ssShift);
    EXPECT_EQ(dd->SelText(), "12");
    // A suffix the user damaged is still cut by its length.
    dd->SetTextDirect("$ 12 k");
    EXPECT_EQ(dd->Text(), "1");
}

struct Written {
    TDropDownEditType type;
    int precision;
    const char* written;
    const char* shown;
    double value;
};

class DropDownWriting : public DropDownValue, public ::testing::WithParamInterface<Written> {};

TEST_P(DropDownWriting, TextWritesAreFormattedAndReadBack) {
    const Written& w = GetParam();
    dd->SetEditType(w.type);
    dd->SetPrecision(w.precision);
    dd->SetText(w.written);
    EXPECT_EQ(dd->Text(), w.shown) << w.written;
    EXPECT_DOUBLE_EQ(dd->FloatValue(), w.value) << w.written;
}

INSTANTIATE_TEST_SUITE_P(Cases, DropDownWriting,
                         ::testing::Values(Written{etMoney, 2, "", "0.00", 0},
                                           Written{etMoney, 2, "1234.5", "1,234.50", 1234.5},
                                           Written{etMoney, 0, "1,234.", "1,234.", 1234},
                                           Written{etFloat, 2, "3", "3.00", 3},
                                           Written{etFloat, 2, "Error", "Error", 0},
                                           Written{etNumeric, 0, "", "0", 0},
                                           Written{etNumeric, 0, "-", "-", 0},
                                           Written{etHex, 0, "ff", "FF", 255},
                                           Written{etString, 0, "12.5abc", "12.5abc", 12.5},
                                           Written{etRange, 0, "1-3", "1-3", 0}));

TEST_F(DropDownValue, FloatAndIntegerWritesByType) {
    dd->SetEditType(etMoney);
    dd->SetPrecision(2);
    dd->SetFloatValue(1234567.891);
    EXPECT_EQ(dd->Text(), "1,234,567.89");
    EXPECT_TRUE(dd->IsModified());
    dd->SetEditType(etHex);
    dd->SetIntValue(255);
    EXPECT_EQ(dd->Text(), "FF");
    dd->SetEditType(etNumeric);
    dd->SetIntValue(-42);
    EXPECT_EQ(dd->Text(), "-42");
    // A value the new type cannot hold becomes 0.
    dd->SetEditType(etString);
    dd->SetText("abc");
    dd->SetEditType(etFloat);
    EXPECT_EQ(dd->Text(), "0.00");
}

TEST_F(DropDownValue, LeavingTheEditNormalisesTheValue) {
    auto* next = new TExCustomDropDown(&owner);
    next->SetParent(&owner);
    dd->SetEditType(etNumeric);
    start("");
    next->SetFocus();
    EXPECT_EQ(dd->Text(), "0");

    dd->AllowNumericNullValue = true;
    dd->SetFocus();
    start("");
    next->SetFocus();
    EXPECT_EQ(dd->Text(), "");

    dd->SetEditType(etFloat);
    dd->SetPrecision(2);
    dd->SetFocus();
    start("3.5");
    dd->SetIsModified(false);
    next->SetFocus();
    EXPECT_EQ(dd->Text(), "3.50");
    EXPECT_FALSE(dd->IsModified());
}

TEST_F(DropDownValue, PastesPassTheTypesRules) {
    dd->SetEditType(etNumeric);
    start("12");
    Clipboard().SetContent("3a", {});
    dd->Perform(WM_PASTE);
    EXPECT_EQ(dd->Text(), "12");
    Clipboard().SetContent("34", {});
    dd->Perform(WM_PASTE);
    EXPECT_EQ(dd->Text(), "1234");
    EXPECT_TRUE(dd->IsModified());

    dd->SetEditType(etMoney);
    dd->SetPrecision(2);
    dd->SetText("");
    dd->SelectAll();
    Clipboard().SetContent("1234.5", {});
    dd->Perform(WM_PASTE);
    EXPECT_EQ(dd->Text(), "1,234.50");

    bool asked = false;
    dd->OnClipboardPaste = [&](TObject*, QString value, bool& allow) {
        asked = value == "1,234.50x";
        allow = false;
    };
    dd->SetEditType(etString);
    dd->SetSelStart(static_cast<int>(dd->Text().size()));
    Clipboard().SetContent("x", {});
    dd->Perform(WM_PASTE);
    EXPECT_TRUE(asked);
    EXPECT_EQ(dd->Text(), "1,234.50");
}

TEST_F(DropDownValue, CopyReportsTheSelectedPartOfTheValue) {
    dd->Prefix = "#";
    dd->SetText("hello");
    dd->SetSelStart(2);
    dd->SetSelLength(3);
    QString reported;
    dd->OnClipboardCopy = [&](TObject*, QString value, bool&) { reported = value; };
    dd->Perform(WM_COPY);
    EXPECT_EQ(reported, "ell");
    EXPECT_EQ(Clipboard().AsText(), "ell");
}

}  // namespace
