#include "grid/stringgrid/model/string_grid_unit.h"

#include "grid/editors/own_border_date_picker.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/panel.h"
#include "platform/messages/messages.h"
#include "platform/system/clipboard.h"
#include "platform/system/regional.h"

#include <QFile>
#include <QTemporaryDir>
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
    FormatSettings.ShortTimeFormat = QStringLiteral("hh:nn");
    FormatSettings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    EXPECT_EQ(GetShortTimeFormat(), QStringLiteral("hh:nn"));
    EXPECT_EQ(GetLongTimeFormat(), QStringLiteral("hh:nn:ss"));
    FormatSettings = saved;
}

TEST(StringGridUnit, FileVersionsComeFromTheFixedFileInformation) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    // Signature, structure version, then version 6.16 in its high part.
    const QByteArray info = QByteArray("MZ junk") + QByteArray("\xBD\x04\xEF\xFE\x00\x00\x01\x00\x10\x00\x06\x00", 12);
    EXPECT_EQ(GetFileVersionMS(write("versioned.dll", info)), 0x00060010);
    EXPECT_EQ(GetFileVersionMS(write("plain.so", "no version here")), -1);
    EXPECT_EQ(GetFileVersionMS(write("cut.dll", info.left(info.size() - 2))), -1);
    EXPECT_EQ(GetFileVersionMS(dir.filePath("missing.dll")), -1);
    EXPECT_TRUE(ComCtl32Is470());
}

TEST(StringGridUnit, AWindowMadeTransparentLetsTheMouseThrough) {
    TPanel panel(nullptr);
    EXPECT_FALSE(panel.ExStyle() & WS_EX_TRANSPARENT);
    SetWindowTransparent(&panel);
    EXPECT_TRUE(panel.ExStyle() & WS_EX_TRANSPARENT);
    // The hidden rich edit that renders rich-text cells takes no clicks.
    TExStringGrid grid(nullptr);
    EXPECT_TRUE(grid.RichEdit()->ExStyle() & WS_EX_TRANSPARENT);
}

} // namespace
