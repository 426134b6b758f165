#include "config/network/param_value_checks.h"

#include <gtest/gtest.h>

#include "platform/system/regional.h"

namespace {

TParam Param(const char* Type, const char* Allowed = "", int Length = 0, int BitLength = 0) {
    TParam p;
    p.FName = "P";
    p.FDataType = Type;
    p.FAllowedValues = Allowed;
    p.FLength = Length;
    p.FBitLength = BitLength;
    return p;
}

// Each type's edges, as the bank builder will write the value.
TEST(ParamValueChecksTest, ValuesFitTheirTypeAndAllowedValues) {
    const TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = QLatin1Char('.');
    const struct {
        TParam param;
        const char* text;
        bool taken;
    } cases[] = {
        {Param("Unsigned8"), "", true},
        {Param("Unsigned8"), "255", true},
        {Param("Unsigned8"), "256", false},
        {Param("Unsigned8"), "0x10", true},
        {Param("Unsigned8"), "1.5", false},
        {Param("Integer8"), "-128", true},
        {Param("Integer8"), "-129", false},
        {Param("Integer16"), "32767", true},
        {Param("Unsigned32"), "4294967295", true},
        {Param("Unsigned32"), "-1", false},
        {Param("Unsigned64"), "18446744073709551615", true},
        {Param("Integer64"), "-9223372036854775808", true},
        {Param("Bit"), "1", true},
        {Param("Bit"), "2", false},
        {Param("BitArea", "", 0, 3), "7", true},
        {Param("BitArea", "", 0, 3), "8", false},
        {Param("Unsigned8", "0..2 5"), "5", true},
        {Param("Unsigned8", "0..2 5"), "3", false},
        {Param("Float32"), "2.5e3", true},
        {Param("Float32"), "abc", false},
        {Param("VisibleString", "", 4), "abcd", true},
        {Param("VisibleString", "", 4), "abcde", false},
        {Param("OctetString", "", 2), "1, 255", true},
        {Param("OctetString", "", 2), "1,2,3", false},
        {Param("OctetString", "", 2), "1,256", false},
        {Param("TimeStamp"), "anything", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.param.FDataType + " " + c.param.FAllowedValues + " '" + c.text + "'").toStdString());
        const QString fault = Param_Value_Fault(c.param, QString::fromLatin1(c.text));
        EXPECT_EQ(fault.isEmpty(), c.taken) << fault.toStdString();
    }
    EXPECT_EQ(Param_Value_Fault(Param("Unsigned8", "0..2"), "3"), "Value of \"P\" must be one of the allowed values 0..2");
    EXPECT_EQ(Param_Value_Fault(Param("Integer8"), "x"), "Value of \"P\" must be a whole number between -128 and 127");
    FormatSettings = saved;
}

}  // namespace
