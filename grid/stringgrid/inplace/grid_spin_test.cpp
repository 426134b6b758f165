#include "grid/stringgrid/inplace/grid_spin.h"

#include "grid/stringgrid/inplace/control_editors_fixture.h"
#include "platform/controls/message_beep.h"
#include "platform/system/regional.h"

#include <climits>

namespace {

class SpinEditorTest : public ControlEditorFixture {
protected:
    TGridSpin& open(TAsgSpinType Type, const QString& Text, int ACol = 2, int ARow = 3) {
        TGridSpin& spin = *grid->SpinEdit();
        spin.SetSpinType(Type);
        grid->SetCells(ACol, ARow, Text);
        spin.SetText(Text);
        return showOver(spin, Type == sptNormal ? edSpinEdit : edFloatSpinEdit, ACol, ARow);
    }
};

TEST_F(SpinEditorTest, GridMakesOneSpinEditorWithItsDefaults) {
    TGridSpin* spin = grid->SpinEdit();
    EXPECT_EQ(grid->SpinEdit(), spin);
    EXPECT_EQ(spin->Parent(), grid);
    EXPECT_FALSE(spin->Visible());
    EXPECT_EQ(spin->MinValue, 0);
    EXPECT_EQ(spin->MaxValue, 100);
    EXPECT_EQ(spin->Increment, 1);
}

TEST_F(SpinEditorTest, PagingKeysStepWithinTheLimits) {
    struct Case {
        const char* name;
        int value;
        uint16_t key;
        int result;
    };
    const Case cases[] = {
        {"Page Up crossing the maximum stays", 95, VK_PRIOR, 95},
        {"Page Up", 50, VK_PRIOR, 60},
        {"Page Down", 50, VK_NEXT, 40},
        {"Page Down crossing the minimum stays", 15, VK_NEXT, 15},
        {"Home goes to the maximum", 95, VK_HOME, 100},
        {"End goes to the minimum", 95, VK_END, 10},
        {"Page Up from the largest integer stays", INT_MAX, VK_PRIOR, INT_MAX},
        {"Page Down from the smallest integer stays", INT_MIN, VK_NEXT, INT_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TGridSpin& spin = open(sptNormal, QString::number(c.value));
        spin.MinValue = 10;
        spin.Increment = 10;
        keyDown(spin, c.key);
        EXPECT_EQ(spin.Value(), c.result);
    }
}

TEST_F(SpinEditorTest, FloatPagingStepsTheFloatAndReportsTheIntegerValue) {
    QList<std::pair<int, bool>> clicks;
    grid->OnSpinClick = [&](TObject*, int ACol, int ARow, int AValue, bool UpDown) {
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, 3);
        clicks << std::pair{AValue, UpDown};
    };
    TGridSpin& spin = open(sptFloat, "7");
    spin.IncrementFloat = 1.0;
    keyDown(spin, VK_PRIOR);
    EXPECT_DOUBLE_EQ(spin.FloatValue(), 8.0);
    keyDown(spin, VK_END);
    EXPECT_DOUBLE_EQ(spin.FloatValue(), 0.0);
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks[0], (std::pair{8, true}));
    EXPECT_FALSE(clicks[1].second);
}

TEST_F(SpinEditorTest, ButtonClicksFireTheEventOfTheSpinType) {
    double floatValue = 0;
    bool up = false;
    int intClicks = 0;
    grid->OnSpinClick = [&](TObject*, int, int, int, bool) { ++intClicks; };
    grid->OnFloatSpinClick = [&](TObject*, int, int, double AValue, bool UpDown) {
        floatValue = AValue;
        up = UpDown;
    };
    TGridSpin& spin = open(sptFloat, "1.5");
    spin.UpClick(&spin);
    EXPECT_DOUBLE_EQ(floatValue, 1.6);
    EXPECT_TRUE(up);
    EXPECT_EQ(intClicks, 0);
}

TEST_F(SpinEditorTest, EscapeTakesBackTheTextOfTheStartOfTheEdit) {
    TGridSpin& spin = open(sptNormal, "40");
    spin.SetText("55");
    keyDown(spin, VK_ESCAPE);
    EXPECT_EQ(spin.Text(), "40");
    EXPECT_EQ(grid->Cells(2, 3), "40");
}

TEST_F(SpinEditorTest, EnterWritesTheCellAndARefusalKeepsTheEditorOnTheCellText) {
    TGridSpin& spin = open(sptNormal, "40");
    spin.SetText("41");
    keyDown(spin, VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 3), "41");

    grid->OnCellValidate = [](TObject*, int, int, QString&, bool& Valid) { Valid = false; };
    TGridSpin& again = open(sptNormal, "40");
    again.SetText("99");
    keyDown(again, VK_DOWN);
    EXPECT_EQ(again.Text(), "40");
    EXPECT_TRUE(state().FNoAutoAdvance);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_TRUE(again.Focused());
}

TEST_F(SpinEditorTest, DateAndTimeTypesTakeOnlyTheirCharacters) {
    TFormatSettings saved = FormatSettings;
    FormatSettings.DateSeparator = QChar('/');
    FormatSettings.TimeSeparator = QChar(':');
    struct Case {
        const char* name;
        TAsgSpinType type;
        QString typed;
        QString result;
    };
    const Case cases[] = {
        {"date", sptDate, "1/2/2024", "1/2/2024"},
        {"date refuses letters and the time separator", sptDate, "1a:2", "12"},
        {"time", sptTime, "12:30:15", "12:30:15"},
        {"time refuses a third separator and letters", sptTime, "1:2:3:x", "1:2:3"},
        {"integer refuses separators", sptNormal, "1.5/", "15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TGridSpin& spin = open(c.type, "");
        spin.SetText("");
        const int beeps = BeepCount();
        for (QChar ch : c.typed) typeChar(spin, ch);
        EXPECT_EQ(spin.Text(), c.result);
        EXPECT_EQ(BeepCount() - beeps, c.typed.size() - c.result.size());
    }
    FormatSettings = saved;
}

}  // namespace
