#include "grid/editors/asg_spin_edit.h"

#include "grid/foundation/format_settings_fixture.h"
#include "platform/controls/form.h"
#include "platform/controls/message_beep.h"
#include "platform/system/date_time_text.h"
#include "platform/testkit/testkit.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

class AsgSpinEditTest : public FormatSettingsFixture {
protected:
    void SetUp() override {
        Use(u',', u'.');
        spin = new TAsgSpinEdit(&form);
        spin->SetParent(&form);
        spin->SetBounds(10, 10, 100, 21);
        spin->SetFocus();
    }
    // Types text at the end; returns how many characters were refused (each with a beep).
    int type(const QString& text) {
        const int before = BeepCount();
        for (QChar c : text) typeChar(*spin, c);
        return BeepCount() - before;
    }
    void caretAt(int pos) {
        spin->SetSelStart(pos);
    }

    TForm form{nullptr};
    TAsgSpinEdit* spin = nullptr;
};

TEST_F(AsgSpinEditTest, IntegersClampToTheirLimitsUnlessTheLimitsAreEqual) {
    spin->SetValue(250);
    EXPECT_EQ(spin->Text(), "100");
    spin->SetValue(-5);
    EXPECT_EQ(spin->Text(), "0");
    spin->MaxValue = 0;
    spin->SetValue(250);
    EXPECT_EQ(spin->Value(), 250);
    spin->SetText("12x");
    spin->MinValue = 7;
    EXPECT_EQ(spin->Value(), 7);  // not a number: the lower limit
    spin->SetText(" ");
    EXPECT_EQ(spin->Value(), 0);
}

TEST_F(AsgSpinEditTest, KeysAndArrowButtonsStepAndTheEndsHold) {
    spin->SetValue(98);
    keyPress(*spin, VK_UP);
    keyPress(*spin, VK_UP);
    keyPress(*spin, VK_UP);
    EXPECT_EQ(spin->Value(), 100);
    keyPress(*spin, VK_DOWN);
    EXPECT_EQ(spin->Value(), 99);
    TExTimerSpeedButton* down = spin->Button()->DownButton();
    click(*down, 3, 3);
    EXPECT_EQ(spin->Value(), 98);
    spin->ReadOnly = true;
    const int beeps = BeepCount();
    keyPress(*spin, VK_UP);
    EXPECT_EQ(spin->Value(), 98);
    EXPECT_EQ(BeepCount(), beeps + 1);
}

TEST_F(AsgSpinEditTest, StepsFromTheEndsOfTheIntegerRangeStayInIt) {
    // A typed value beyond the limits steps to the nearest limit; without limits it stays.
    spin->SetText("2147483647");
    keyPress(*spin, VK_UP);
    EXPECT_EQ(spin->Value(), 100);
    spin->MaxValue = 0;
    spin->SetText("2147483647");
    keyPress(*spin, VK_UP);
    EXPECT_EQ(spin->Value(), INT_MAX);
    spin->SetText("-2147483648");
    keyPress(*spin, VK_DOWN);
    EXPECT_EQ(spin->Value(), INT_MIN);
}

TEST_F(AsgSpinEditTest, AHeldArrowRepeatsAfter400MsThenEvery100) {
    spin->SetValue(10);
    TExTimerSpeedButton* up = spin->Button()->UpButton();
    mouseMessage(*up, WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    advance(399);
    EXPECT_EQ(spin->Value(), 10);
    advance(1);
    EXPECT_EQ(spin->Value(), 11);
    advance(99);
    EXPECT_EQ(spin->Value(), 11);
    advance(1);
    EXPECT_EQ(spin->Value(), 12);
    advance(200);
    EXPECT_EQ(spin->Value(), 14);
    mouseMessage(*up, WM_LBUTTONUP, 3, 3);  // the release clicks once more
    EXPECT_EQ(spin->Value(), 15);
    advance(1000);
    EXPECT_EQ(spin->Value(), 15);
}

TEST_F(AsgSpinEditTest, TypedCharactersAreFilteredByType) {
    spin->SetText("");
    EXPECT_EQ(type("1a2-"), 2);
    EXPECT_EQ(spin->Text(), "12");
    caretAt(0);
    EXPECT_EQ(type("-"), 0);
    caretAt(0);
    EXPECT_EQ(type("-"), 1);  // a second minus
    spin->SetSelStart(0);
    spin->SetSelLength(1);
    EXPECT_EQ(type("-"), 0);  // unless the one there is selected

    spin->SetSpinType(sptFloat);
    spin->SetPrecision(2);
    spin->SetText("3");
    caretAt(1);
    EXPECT_EQ(type(",25"), 0);
    EXPECT_EQ(type("7"), 1);  // a third decimal
    EXPECT_EQ(type("."), 1);  // the thousand separator
    EXPECT_EQ(spin->Text(), "3,25");
    spin->SetSelStart(3);
    spin->SetSelLength(1);
    EXPECT_EQ(type("9"), 0);  // replacing a selected decimal
    EXPECT_EQ(spin->Text(), "3,29");
    EXPECT_DOUBLE_EQ(spin->FloatValue(), 3.29);
}

TEST_F(AsgSpinEditTest, WithTheEditorDisabledOnlyStepsChangeTheValue) {
    spin->EditorEnabled = false;
    spin->SetValue(5);
    EXPECT_EQ(type("7"), 1);
    keyPress(*spin, VK_DELETE);
    keyPress(*spin, VK_UP);
    EXPECT_EQ(spin->Text(), "6");
    EXPECT_EQ(spin->SelLength(), 1);
    spin->Perform(WM_PASTE);
    EXPECT_EQ(spin->Text(), "6");
}

TEST_F(AsgSpinEditTest, FloatsTakeTheirPrecisionAndPageSteps) {
    spin->SetSpinType(sptFloat);
    spin->SetFloatValue(1.0 / 3);
    EXPECT_EQ(spin->Text(), "0,333333333333333");
    spin->SetPrecision(2);
    EXPECT_EQ(spin->Text(), "0,33");
    keyPress(*spin, VK_PRIOR);
    EXPECT_EQ(spin->Text(), "1,33");
    spin->ExcelStyleDecimalSeparator = true;
    spin->SetText("");
    typeChar(*spin, '4');
    keyDown(*spin, VK_DECIMAL, 0, ".");  // the keypad's key types the regional separator
    keyUp(*spin, VK_DECIMAL);
    EXPECT_EQ(spin->Text(), "4,");
}

TEST_F(AsgSpinEditTest, DatesStepTheFieldUnderTheCaret) {
    spin->SetSpinType(sptDate);
    spin->SetDateValue(EncodeDate(2024, 1, 31));
    EXPECT_EQ(spin->Text(), "31/01/2024");
    caretAt(0);
    keyPress(*spin, VK_UP);
    EXPECT_EQ(spin->Text(), "01/02/2024");
    caretAt(4);
    keyPress(*spin, VK_UP);  // the second field of a day-first format: the month
    EXPECT_EQ(spin->Text(), "01/03/2024");
    EXPECT_FALSE(spin->UsDates());
    // No 29 February in 2025: the step fails with the date error and the value stays.
    spin->SetDateValue(EncodeDate(2024, 2, 29));
    caretAt(8);
    const size_t boxes = driver().boxes().size();
    keyPress(*spin, VK_UP);
    EXPECT_EQ(spin->Text(), "29/02/2024");
    ASSERT_EQ(driver().boxes().size(), boxes + 1);
    EXPECT_EQ(driver().boxes().back().text, "Invalid argument to date encode");
    spin->SetDateValue(EncodeDate(2023, 3, 31));
    caretAt(8);
    keyPress(*spin, VK_UP);  // any other day steps its year
    EXPECT_EQ(spin->Text(), "31/03/2024");
    spin->SetText("0");
    EXPECT_NEAR(spin->DateValue(), DateOf(spin->DateValue()) + TimeOf(spin->DateValue()), 1e-9);
    EXPECT_GT(spin->DateValue(), EncodeDate(2020, 1, 1));  // "0" reads as now
}

TEST_F(AsgSpinEditTest, TimesStepByTheirUnitAndWrapAtMidnight) {
    spin->SetSpinType(sptTime);
    spin->SetTimeValue(0);
    EXPECT_EQ(spin->Text(), "00:00:00");
    caretAt(3);
    keyPress(*spin, VK_DOWN);
    EXPECT_EQ(spin->Text(), "23:59:00");
    caretAt(0);
    keyPress(*spin, VK_UP);
    EXPECT_EQ(spin->Text(), "00:59:00");
    spin->ShowSeconds = false;
    spin->SetTimeValue(spin->TimeValue());
    EXPECT_EQ(spin->Text(), "0:59");

    // An increment beyond its unit fails with the time error and the value stays.
    struct Case {
        int hours, minutes, seconds, caret;
    } cases[] = {{24, 1, 1, 0}, {1, 60, 1, 3}, {1, 90, 1, 3}};
    for (const Case& c : cases) {
        spin->IncrementHours = c.hours;
        spin->IncrementMinutes = c.minutes;
        spin->IncrementSeconds = c.seconds;
        const size_t boxes = driver().boxes().size();
        caretAt(c.caret);
        keyPress(*spin, VK_UP);
        EXPECT_EQ(spin->Text(), "0:59");
        ASSERT_EQ(driver().boxes().size(), boxes + 1);
        EXPECT_EQ(driver().boxes().back().text, "Invalid argument to time encode");
    }
}

TEST_F(AsgSpinEditTest, LeavingRewritesAValueOutsideItsLimits) {
    spin->SetText("500");
    form.SetFocus();
    EXPECT_EQ(spin->Text(), "100");
}

TEST_F(AsgSpinEditTest, TheSpinButtonKeepsItsLeastWidthAndSplitsBetweenItsArrows) {
    TAsgSpinButton& button = *spin->Button();
    button.SetDirection(spHorizontal);
    button.SetBounds(0, 0, 12, 16);
    EXPECT_EQ(button.Width(), 20);
    EXPECT_EQ(button.DownButton()->BoundsRect(), (TRect{0, 0, 10, 16}));
    EXPECT_EQ(button.UpButton()->BoundsRect(), (TRect{11, 0, 21, 16}));
    EXPECT_EQ(button.UpButton()->ButtonDirection, bdRight);
    EXPECT_FALSE(button.UpButton()->Glyph().Empty());
    EXPECT_EQ(button.UpButton()->Glyph().Width(), 9);
}

}  // namespace
