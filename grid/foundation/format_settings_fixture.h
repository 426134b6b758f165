#pragma once

#include "platform/system/regional.h"

#include <gtest/gtest.h>

// Sets the regional settings for one test and puts the previous ones back after it.
class FormatSettingsFixture : public ::testing::Test {
protected:
    static void Use(QChar decimal, QChar thousand, QChar date = u'/', QChar time = u':',
                    const QString& shortDateFormat = QStringLiteral("dd/mm/yyyy")) {
        FormatSettings.DecimalSeparator = decimal;
        FormatSettings.ThousandSeparator = thousand;
        FormatSettings.DateSeparator = date;
        FormatSettings.TimeSeparator = time;
        FormatSettings.ShortDateFormat = shortDateFormat;
    }
    void TearDown() override { FormatSettings = saved_; }

private:
    TFormatSettings saved_ = FormatSettings;
};
