#include "config/server/iec61850_variables_check.h"

#include "platform/system/regional.h"
#include "common/state/program_state.h"

#include <gtest/gtest.h>

namespace {

// A valid enabled row with one column changed.
QStringList rowWith(TIEC61850_Column column, const QString& text) {
    QStringList row{"Y", "V1", "Int", "4", "N", "0", "", "None", "None", "N", "N", ""};
    row[column - 1] = text;
    return row;
}

class IEC61850Check : public ::testing::Test {
protected:
    void TearDown() override {
        SetProfileStringForTests("Intl", "sDecimal", std::nullopt);
        FormatSettings = saved;
    }
    void useDecimalSeparator(QChar separator) {
        SetProfileStringForTests("Intl", "sDecimal", QString(separator));
        FormatSettings.DecimalSeparator = separator;
    }
    TFormatSettings saved = FormatSettings;
};

TEST_F(IEC61850Check, TheFirstFailingRuleOfAnEnabledRowGivesItsText) {
    struct Case {
        TIEC61850_Column column;
        const char* text;
        std::optional<TRow_Fault> fault;
    } cases[] = {
        {icLength, "5", TRow_Fault{1, 2441, {}}},
        {icLength, "x", TRow_Fault{1, 2441, {}}},
        {icLength, "1", std::nullopt},
        {icPosition, "1438", TRow_Fault{1, 2430, "1437"}},
        {icPosition, "-1", TRow_Fault{1, 2430, "1437"}},
        {icPosition, "1437", std::nullopt},
        {icStartBit, "", std::nullopt},  // type Int
        {icConversion, "  ", TRow_Fault{1, 2439, {}}},
        {icFactor, "nOnE", std::nullopt},
        {icFactor, "two", TRow_Fault{1, 2440, {}}},
        {icFactor, "", TRow_Fault{1, 2440, {}}},
        {icEnable, " Y ", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Check_IEC61850_Variables({rowWith(c.column, c.text)}, IEC61850_NByte_IN), c.fault)
            << c.column << " '" << c.text << "'";

    QStringList digital = rowWith(icType, "Digital (Bit)");
    EXPECT_EQ(Check_IEC61850_Variables({digital}, IEC61850_NByte_IN), (TRow_Fault{1, 2438, {}}));
    digital[icStartBit - 1] = "3";
    EXPECT_EQ(Check_IEC61850_Variables({digital}, IEC61850_NByte_IN), std::nullopt);
    // Every fault of the row in one message, in rule order: the length names the row, the
    // position and the conversion follow on lines of their own.
    QStringList three = rowWith(icLength, "0");
    three[icPosition - 1] = "9999";
    three[icConversion - 1] = "";
    EXPECT_EQ(Check_IEC61850_Variables({three}, IEC61850_NByte_IN),
              (TRow_Fault{1, 2441, "\n" + Lang(2430) + "1437\n" + Lang(2439)}));
}

TEST_F(IEC61850Check, DisabledRowsAreNotCheckedAndFaultsNameTheirGridRow) {
    QStringList disabled = rowWith(icLength, "0");
    disabled[0] = "N";
    QStringList lowerCase = rowWith(icLength, "0");
    lowerCase[0] = "y";
    EXPECT_EQ(Check_IEC61850_Variables({disabled, lowerCase, rowWith(icName, "V2"), rowWith(icConversion, "")},
                                       IEC61850_NByte_IN),
              (TRow_Fault{4, 2439, {}}));
}

TEST_F(IEC61850Check, AFactorWithAPointOrAcommaPassesWhateverTheSystemSeparator) {
    for (QChar separator : {QChar('.'), QChar(',')}) {
        useDecimalSeparator(separator);
        for (const char* factor : {"1.5", "1,5"})
            EXPECT_EQ(Check_IEC61850_Variables({rowWith(icFactor, factor)}, IEC61850_NByte_IN), std::nullopt)
                << factor << " with " << separator.toLatin1();
    }
}

}  // namespace
