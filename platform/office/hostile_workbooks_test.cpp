// Workbooks made to hurt the reader: parts that inflate far beyond their size or claim sizes they
// do not hold, cells outside the sheet, and used ranges no array can hold.
#include "platform/office/spreadsheet_server.h"
#include "platform/office/workbook_data.h"
#include "platform/office/zip_package.h"
#include "platform/testkit/exception_message.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class HostileWorkbooks : public ::testing::Test {
protected:
    // A real workbook of one sheet holding the cells given, as bytes of a package.
    TZipPackage book(const std::vector<std::pair<std::pair<int, int>, QString>>& Cells) {
        TWorkbookData data;
        data.Sheets.emplace_back().Name = QStringLiteral("Sheet1");
        for (const auto& [at, text] : Cells) data.Sheets[0].SetValue(at.first, at.second, text);
        const QString name = folder.file(QStringLiteral("made.xlsx"));
        WriteWorkbook(data, name);
        TZipPackage package;
        EXPECT_TRUE(package.Load(name));
        return package;
    }
    QString save(const QString& Name, const QByteArray& Bytes) { return folder.write(Name, Bytes); }
    QString sheetPart() { return QStringLiteral("xl/worksheets/sheet1.xml"); }

    TempFolder folder;
};

TEST_F(HostileWorkbooks, APartThatInflatesFarBeyondItsSizeIsRefused) {
    TZipPackage package = book({{{1, 1}, QStringLiteral("a")}});
    QByteArray sheet = package.Part(sheetPart());
    // Eight megabytes of blanks pack into a few kilobytes.
    sheet.insert(sheet.indexOf("<sheetData"), QByteArray(8 << 20, ' '));
    package.SetPart(sheetPart(), sheet);
    const QByteArray bytes = package.Save();
    ASSERT_LT(bytes.size(), 64 * 1024);
    const QString name = save(QStringLiteral("bomb.xlsx"), bytes);
    const QString message = messageOf([&] { ReadWorkbook(name); });
    EXPECT_TRUE(message.contains(QLatin1String("is not a workbook: The part 'xl/worksheets/sheet1.xml' inflates to more than")))
        << message.toStdString();
}

// The 32-bit size fields of every entry's local and central header set to Claim.
QByteArray claimSizes(QByteArray Zip, quint32 Claim) {
    auto patch = [&](const char* Signature, int Offset) {
        for (qsizetype at = Zip.indexOf(Signature); at >= 0; at = Zip.indexOf(Signature, at + 4))
            for (int i = 0; i < 4; ++i) Zip[at + Offset + i] = char((Claim >> (8 * i)) & 0xFF);
    };
    patch("PK\x01\x02", 24);
    patch("PK\x03\x04", 22);
    return Zip;
}

TEST_F(HostileWorkbooks, ClaimedSizesAreNeitherAllocatedNorBelieved) {
    const QByteArray real = book({{{2, 2}, QStringLiteral("b")}}).Save();
    for (quint32 claim : {quint32(0xFFFFFFFE), quint32(1)}) {
        const QString name = save(QStringLiteral("claims.xlsx"), claimSizes(real, claim));
        // What inflates is what is read, whatever the archive says.
        const TWorkbookData data = ReadWorkbook(name);
        EXPECT_EQ(data.Sheets.at(0).Value(2, 2).ToString(), "b") << claim;
    }
}

TEST_F(HostileWorkbooks, CellsOutsideTheSheetAreRefused) {
    const struct {
        const char* what;
        QByteArray from, to;
    } cases[] = {
        {"a row beyond the sheet", "<row r=\"1\"", "<row r=\"2147483647\""},
        {"a negative row", "<row r=\"1\"", "<row r=\"-4\""},
        {"a column beyond the sheet", "<c r=\"A1\"", "<c r=\"XFE1\""},
        {"a reference that is none", "<c r=\"A1\"", "<c r=\"1A\""},
    };
    for (const auto& c : cases) {
        TZipPackage package = book({{{1, 1}, QStringLiteral("a")}});
        QByteArray sheet = package.Part(sheetPart());
        ASSERT_TRUE(sheet.contains(c.from)) << sheet.toStdString();
        package.SetPart(sheetPart(), sheet.replace(c.from, c.to));
        const QString name = save(QStringLiteral("outside.xlsx"), package.Save());
        const QString message = messageOf([&] { ReadWorkbook(name); });
        EXPECT_TRUE(message.contains(QLatin1String("lies outside the sheet"))) << c.what << ": " << message.toStdString();
    }
}

TEST_F(HostileWorkbooks, ASparseSheetOpensButItsWholeUsedRangeIsNotHandedOutAtOnce) {
    const QString name = save(QStringLiteral("corners.xlsx"),
                              book({{{1, 1}, QStringLiteral("first")}, {{MaxSheetRows, MaxSheetCols}, QStringLiteral("last")}}).Save());
    OleVariant app = CreateSpreadsheetApplication();
    app.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Open"), {name});
    OleVariant sheet = app.Get(QStringLiteral("ActiveSheet"));
    OleVariant used = sheet.Get(QStringLiteral("UsedRange"));
    EXPECT_EQ(used.Get(QStringLiteral("Address")).ToString(), "$1:$1048576");
    EXPECT_TRUE(messageOf([&] { used.Get(QStringLiteral("Value")); }).contains(QLatin1String("too many to read at once")));
    EXPECT_EQ(sheet.Get(QStringLiteral("Range"), {"XFD1048576"}).Get(QStringLiteral("Value")).ToString(), "last");
}

}  // namespace
