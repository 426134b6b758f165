#include "grid/editors/dropdown/calculator_dropdown.h"
#include "grid/editors/dropdown/descendant_fixture.h"
#include "platform/controls/activation.h"
#include "platform/core/exception.h"

#include <cmath>

namespace {

class CalculatorDropDown : public DescendantFixture<TExCalculatorDropdown> {
protected:
    int keyIndex(const QString& caption) {
        const auto& keys = dd->ExButtonPanel()->Buttons();
        for (size_t i = 0; i < keys.size(); ++i)
            if (keys[i].Caption == caption || (caption == "ON" && keys[i].Name == "BTN_ON")) return static_cast<int>(i);
        ADD_FAILURE() << "no key " << caption.toStdString();
        return -1;
    }
    // Clicks the keys named by their captions, separated by blanks; a number of several
    // digits stands for its digits.
    void press(const QString& keys) {
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
            const bool number = key.size() > 1 && key.front().isDigit() && key.back().isDigit();
            if (number)
                for (QChar digit : key) dd->CalcButtonClick(dd->ExButtonPanel(), keyIndex(digit));
            else
                dd->CalcButtonClick(dd->ExButtonPanel(), keyIndex(key));
        }
    }
};

TEST_F(CalculatorDropDown, KeySequencesShowTheirResult) {
    const double none = NAN;
    struct Case {
        QChar decimal;
        int precision;
        double start;  // a value set before the keys, NAN for none
        const char* keys;
        const char* shown;
    } cases[] = {
        {'.', 2, none, "2 + 3 =", "5.00"},
        {'.', 2, none, "2 + 3 = =", "5.00"},  // no pending operation the second time
        {'.', 2, none, "2 + 3 * 4 =", "20.00"},  // left to right
        {'.', 2, none, "10 - 15 =", "-5.00"},
        {'.', 2, none, "7 / 2 =", "3.50"},
        {'.', 2, none, "5 / 0 =", "Error"},
        {'.', 2, none, "5 / 0 = 7", "7.00"},  // the next digit starts a new number
        {'.', 2, none, "5 / 0 = + 2 =", "2.00"},  // the error reads as 0
        {'.', 2, none, "200 + 10 %", "20.00"},
        {'.', 2, none, "200 + 10 % =", "220.00"},
        {'.', 2, none, "12 . 5", "12.50"},
        {'.', 2, none, "12 . 5 Back", "12.00"},
        {'.', 2, none, "9 + 12 . 5 Back", "12.50"},  // nothing with an operation pending
        {'.', 2, none, "7 +/-", "-7.00"},
        {'.', 2, none, "7 +/- +/-", "7.00"},
        {'.', 2, none, "4 sqrt", "2.00"},
        {'.', 2, none, "4 +/- sqrt", "Error"},
        {'.', 2, none, "4 1/x", "0.25"},
        {'.', 2, none, "0 1/x", "Error"},
        {'.', 2, none, "5 MS C MR", "5.00"},
        {'.', 2, none, "5 MS MC MR", "0.00"},
        {'.', 2, none, "5 MS C 3 M+ MR", "8.00"},
        {'.', 2, none, "2 + 3 CE", "0.00"},
        {'.', 2, none, "2 + 3 C 4 =", "4.00"},  // C drops the pending operation
        {'.', 2, none, "2 + 3 ON 4 =", "4.00"},
        // Very large and very small numbers: beyond the range is an error, never a number.
        {'.', 2, 1e15, "+ 1 =", "1000000000000001.00"},
        {'.', -1, 1e20, "* 10 =", "1E21"},
        {'.', 2, 1e200, "* =", "Error"},
        {'.', 2, 1e200, "* = + 3 =", "3.00"},
        {'.', 2, 1e300, "* 1000000000 =", "Error"},
        {'.', -1, none, "10000000 1/x", "1E-7"},
        {'.', 2, none, "10000000 1/x", "0.00"},
        {'.', -1, 1e-290, "/ 1000000000 / 1000000000 =", "1E-308"},
        // The decimal key writes the regional separator.
        {',', 2, none, "12 . 5", "12,50"},
        {',', 2, none, "1 . 5 + 2 . 25 =", "3,75"},
        {',', 2, none, "200 + 10 %", "20,00"},
        {',', -1, none, "1 / 4 =", "0,25"},
    };
    for (const Case& c : cases) {
        Use(c.decimal, c.decimal == u'.' ? u',' : u'.');
        delete dd;
        dd = new TExCalculatorDropdown(&owner);
        dd->SetParent(&owner);
        dd->SetPrecision(c.precision);
        if (!std::isnan(c.start)) dd->SetValue(c.start);
        dd->ShowDropDown();
        ASSERT_TRUE(dd->DroppedDown());
        press(c.keys);
        EXPECT_EQ(dd->Text(), c.shown) << c.keys;
        dd->HideDropDown(false);
    }
}

TEST_F(CalculatorDropDown, TheKeypadIsClickedInThePopUp) {
    dd->ShowDropDown();
    TCustomButtonPanel& panel = *dd->ExButtonPanel();
    EXPECT_EQ(dd->Control(), &panel);
    EXPECT_EQ(panel.ExDropDown(), dd);
    EXPECT_FALSE(popup().CancelOnDeActivate);
    const auto clickKey = [&](const QString& caption) {
        TRect r;
        panel.GetButtonRect(keyIndex(caption), r);
        click(panel, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    for (const char* key : {"6", "*", "7", "="}) clickKey(key);
    EXPECT_EQ(dd->Text(), "42.00");
    EXPECT_TRUE(dd->IsModified());
    // The keypad takes its colours from the drop-down when the pop-up opens.
    dd->HideDropDown(false);
    dd->CalcButtonAppearance().TextColor = 0x123456;
    dd->SetDropDownColor(0x00FF00);
    dd->ShowDropDown();
    EXPECT_EQ(panel.ButtonAppearance().TextColor, 0x123456);
    EXPECT_EQ(panel.ButtonAppearance().Color, 0x00FF00);
    dd->HideDropDown(false);
}

TEST_F(CalculatorDropDown, KeysTypedInTheOpenPopUp) {
    dd->ShowDropDown();
    ActivateWindow(&popup());
    for (QChar ch : QString("12+3")) typeChar(popup(), ch);
    EXPECT_EQ(dd->Text(), "3.00");
    // Enter applies the operation and closes, keeping the result.
    keyDown(popup(), VK_RETURN, 0, "\r");
    keyUp(*dd, VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "15.00");

    // Escape puts back the text from before the opening; the pending operation survives.
    dd->ShowDropDown();
    for (QChar ch : QString("*2")) typeChar(popup(), ch);
    EXPECT_EQ(dd->Text(), "2.00");
    keyDown(popup(), VK_ESCAPE, 0, "\x1b");
    keyUp(*dd, VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "15.00");
    dd->CalcResult();
    EXPECT_EQ(dd->Text(), "225.00");

    // Backspace cuts the last character; C clears.
    dd->ShowDropDown();
    keyDown(popup(), VK_BACK);
    EXPECT_EQ(dd->Text(), "225.00");  // "225.0" formatted again
    typeChar(popup(), 'c');
    EXPECT_EQ(dd->Text(), "0.00");
    dd->SetText("Error");
    keyDown(popup(), VK_BACK);
    EXPECT_EQ(dd->Text(), "0.00");
    // Tab closes without cancelling.
    typeChar(popup(), '9');
    keyDown(popup(), VK_TAB);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "9.00");
}

TEST_F(CalculatorDropDown, OperatorsTypedInTheClosedEditAct) {
    dd->SelectAll();
    for (QChar ch : QString("8*5=")) typeChar(*dd, ch);
    EXPECT_EQ(dd->Text(), "40.00");
    typeChar(*dd, '7');  // the result is replaced by a new number
    EXPECT_EQ(dd->Text(), "7.00");
    for (QChar ch : QString("-2%")) typeChar(*dd, ch);
    EXPECT_EQ(dd->Text(), "0.14");
    for (QChar ch : QString("Cx")) typeChar(*dd, ch);  // letters are dropped
    EXPECT_EQ(dd->Text(), "0.00");
    typeChar(*dd, '3');
    keyPress(*dd, VK_RETURN);
    EXPECT_EQ(dd->Text(), "3.00");
    for (QChar ch : QString("/0\r")) typeChar(*dd, ch);
    EXPECT_EQ(dd->Text(), "Error");
    // Delete that leaves no number leaves 0.
    dd->SelectAll();
    keyPress(*dd, VK_DELETE);
    EXPECT_EQ(dd->Text(), "0.00");
}

TEST_F(CalculatorDropDown, ThousandSeparatorsAreShownAndReadBack) {
    for (QChar decimal : {QChar(u'.'), QChar(u',')}) {
        Use(decimal, decimal == u'.' ? u',' : u'.');
        dd->SetShowThousandSeparator(false);
        dd->SetText("0");
        dd->SetShowThousandSeparator(true);
        dd->ShowDropDown();
        press("1234");
        const QString t = QString(FormatSettings.ThousandSeparator), d = QString(decimal);
        EXPECT_EQ(dd->Text(), "1" + t + "234" + d + "00");
        press("MS + 1 =");
        EXPECT_EQ(dd->Text(), "1" + t + "235" + d + "00");
        press("MR");
        EXPECT_EQ(dd->Text(), "1" + t + "234" + d + "00");
        EXPECT_DOUBLE_EQ(dd->Value(), 1234);
        dd->HideDropDown(false);
    }
}

TEST_F(CalculatorDropDown, AFullTextTakesNoMoreDigitsAndABadTextRaises) {
    dd->MaxLength = 4;
    dd->ShowDropDown();
    press("7 . +/-");
    EXPECT_EQ(dd->Text(), "0.00");
    press("+");  // an operator still acts, and the next number is short again
    dd->MaxLength = 0;
    press("8 =");
    EXPECT_EQ(dd->Text(), "8.00");
    dd->HideDropDown(false);

    dd->SetTextDirect("abc");
    EXPECT_DOUBLE_EQ(dd->Value(), 0);
    EXPECT_THROW(dd->CalcResult(), Exception);
    EXPECT_EQ(dd->Text(), "abc");  // nothing changed before the error
    dd->SetTextDirect("");
    EXPECT_DOUBLE_EQ(dd->Value(), 0);
    EXPECT_EQ(dd->Text(), "0.00");
}

TEST_F(CalculatorDropDown, StylesColourTheKeypad) {
    dd->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(dd->CalcButtonAppearance().Color, dd->ButtonAppearance().Color());
    EXPECT_EQ(dd->CalcButtonAppearance().GlowColorHot, dd->ButtonAppearance().ColorHot());
    EXPECT_EQ(dd->CalcButtonAppearance().BorderColorChecked, dd->ButtonAppearance().BorderColorDisabled());
    dd->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(dd->CalcButtonAppearance().GlowColorDown, 0xD5C244);
    EXPECT_EQ(dd->CalcButtonAppearance().GlowColorHot, dd->ButtonAppearance().ColorDownTo());
}

}  // namespace
