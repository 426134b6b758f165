#include "grid/stringgrid/model/string_grid_unit.h"

#include "grid/editors/own_border_date_picker.h"
#include "platform/messages/messages.h"
#include "platform/system/clipboard.h"
#include "platform/system/regional.h"

#include <gtest/gtest.h>

namespace {

class RecordingClipboard : public TClipboard {
public:
    void SetContent(const QString& text, const std::vector<TClipboardFormat>& formats) override {
        plain = text;
        held = formats;
    }
    QString AsText() override { return plain; }
    QByteArray FormatData(const QString& format) override {
        for (const auto& [name, data] : held)
            if (name == format) return data;
        return {};
    }
    QString plain;
    std::vector<TClipboardFormat> held;
};

TEST(StringGridUnit, CellRangesTravelUnderTheGridsOwnFormat) {
    RecordingClipboard clipboard;
    SetClipboard(&clipboard);
    Clipboard().SetContent(QStringLiteral("a\tb"), {{GridClipboardFormat(), QByteArray("cells")}});
    EXPECT_EQ(Clipboard().FormatData(QStringLiteral("TExStringGrid Cells")), QByteArray("cells"));
    SetClipboard(nullptr);
}

TEST(StringGridUnit, EditDoneIsARegisteredMessageOfItsOwn) {
    EXPECT_GE(GridEditDoneMessage(), 0xC000u);
    EXPECT_EQ(GridEditDoneMessage(), RegisterWindowMessage(QStringLiteral("GridEditDone")));
    EXPECT_NE(GridEditDoneMessage(), DTPShiftFocusMessage());
}

TEST(StringGridUnit, SeparatorsFollowTheSettingsOfTheMoment) {
    const TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = ',';
    FormatSettings.ThousandSeparator = '.';
    FormatSettings.DateSeparator = '-';
    FormatSettings.TimeSeparator = '.';
    FormatSettings.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    EXPECT_EQ(GetDecimalSeparator(), QChar(','));
    EXPECT_EQ(GetThousandSeparator(), QChar('.'));
    EXPECT_EQ(GetDateSeparator(), QChar('-'));
    EXPECT_EQ(GetTimeSeparator(), QChar('.'));
    EXPECT_EQ(GetShortDateFormat(), QStringLiteral("dd/mm/yyyy"));
    FormatSettings = saved;
}

} // namespace
