#include "platform/office/spreadsheet_server.h"

#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

OleVariant excel() { return CreateSpreadsheetApplication(); }

TEST(SpreadsheetServer, ValuesKeepTheirKindsThroughAnXlsxFile) {
    TempFolder folder;
    const QString file = folder.path() + QStringLiteral("/book.xlsx");
    {
        OleVariant app = excel();
        OleVariant book = app.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Add"));
        OleVariant sheet = book.Get(QStringLiteral("Sheets"), {1});
        sheet.Set(QStringLiteral("Name"), "Data");
        auto values = TVariantArray::Create(0, 1, 0, 2);
        values->At(0, 0) = 12.5;
        values->At(0, 1) = "two\nlines";
        values->At(0, 2) = TOleErrorValue{2007};
        values->At(1, 0) = "";
        values->At(1, 1) = true;
        values->At(1, 2) = QString::fromUtf8("\xE2\x82\xAC 5");
        sheet.Get(QStringLiteral("Range"), {"B2:D3"}).Set(QStringLiteral("Value"), values);
        EXPECT_FALSE(book.Get(QStringLiteral("Saved")).ToBool());
        book.Call(QStringLiteral("SaveAs"), {file});
        EXPECT_TRUE(book.Get(QStringLiteral("Saved")).ToBool());
        app.Call(QStringLiteral("Quit"));
    }
    OleVariant app = excel();
    OleVariant book = app.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Open"), {file});
    EXPECT_EQ(book.Get(QStringLiteral("WorkSheets")).Get(QStringLiteral("Count")).ToInt(), 1);
    OleVariant sheet = app.Get(QStringLiteral("ActiveSheet"));
    EXPECT_EQ(sheet.Get(QStringLiteral("Name")).ToString(), "Data");
    EXPECT_EQ(sheet.Get(QStringLiteral("UsedRange")).Get(QStringLiteral("Address")).ToString(), "$B$2:$D$3");
    const OleVariant read = sheet.Get(QStringLiteral("Range"), {"$B$2:$D$3"}).Get(QStringLiteral("Value"));
    const TVariantArray& a = read.Array();
    EXPECT_EQ(a.At(1, 1), OleVariant(12.5));
    EXPECT_EQ(a.At(1, 2), OleVariant("two\nlines"));
    EXPECT_EQ(a.At(1, 3), OleVariant(TOleErrorValue{2007}));
    EXPECT_TRUE(a.At(2, 1).IsEmpty());
    EXPECT_EQ(a.At(2, 2), OleVariant(true));
    EXPECT_EQ(a.At(2, 3).ToString(), QString::fromUtf8("\xE2\x82\xAC 5"));
    // One cell through the rows of the sheet.
    EXPECT_EQ(sheet.Get(QStringLiteral("Rows")).Get(QStringLiteral("Cells"), {2, 2}).Get(QStringLiteral("Value")).ToDouble(), 12.5);
}

TEST(SpreadsheetServer, SheetsAddedFoundByNameAndSavedInPlace) {
    TempFolder folder;
    const QString file = folder.path() + QStringLiteral("/two.xlsx");
    OleVariant app = excel();
    OleVariant book = app.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Add"));
    OleVariant added = book.Get(QStringLiteral("WorkSheets")).Call(QStringLiteral("Add"));
    added.Set(QStringLiteral("Name"), "Second");
    for (const char* bad : {"second", "a/b", "what?", "", "'quoted'"})
        EXPECT_THROW(book.Get(QStringLiteral("Sheets"), {1}).Set(QStringLiteral("Name"), bad), EOleError) << bad;
    book.Get(QStringLiteral("Sheets"), {"SECOND"}).Get(QStringLiteral("Range"), {"A1"}).Set(QStringLiteral("Value"), 7);
    EXPECT_THROW(book.Call(QStringLiteral("Save")), EOleError);  // no file yet
    book.Call(QStringLiteral("SaveAs"), {file});
    book.Get(QStringLiteral("Sheets"), {2}).Get(QStringLiteral("Range"), {"A2"}).Set(QStringLiteral("Value"), 8);
    book.Call(QStringLiteral("Save"));
    book.Call(QStringLiteral("Close"), {false});
    EXPECT_EQ(app.Get(QStringLiteral("WorkBooks")).Get(QStringLiteral("Count")).ToInt(), 0);

    OleVariant again = app.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Open"), {file});
    OleVariant sheets = again.Get(QStringLiteral("Sheets"));
    ASSERT_EQ(sheets.Get(QStringLiteral("Count")).ToInt(), 2);
    EXPECT_EQ(sheets.Call(QStringLiteral("Item"), {2}).Get(QStringLiteral("UsedRange")).Get(QStringLiteral("Address")).ToString(), "$A$1:$A$2");
    EXPECT_THROW(again.Get(QStringLiteral("Sheets"), {3}), EOleError);
    EXPECT_THROW(again.Get(QStringLiteral("Sheets"), {"Third"}), EOleError);
}

TEST(SpreadsheetServer, FilesThatAreNoWorkbookAndPlacesThatCannotBeWritten) {
    TempFolder folder;
    const QString text = folder.path() + QStringLiteral("/plain.xlsx");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("just text");
    f.close();
    OleVariant books = excel().Get(QStringLiteral("WorkBooks"));
    EXPECT_THROW(books.Call(QStringLiteral("Open"), {text}), EOleError);
    EXPECT_THROW(books.Call(QStringLiteral("Open"), {folder.path() + QStringLiteral("/missing.xlsx")}), EOleError);
    OleVariant book = books.Call(QStringLiteral("Add"));
    const QString nowhere = folder.path() + QStringLiteral("/no/such/folder/book.xlsx");
    EXPECT_THROW(book.Call(QStringLiteral("SaveAs"), {nowhere}), EOleError);
    EXPECT_FALSE(QFile::exists(nowhere));
}

}  // namespace
