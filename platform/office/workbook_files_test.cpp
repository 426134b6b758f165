// Workbooks written by another program, read and saved into as that program reads them.
#include "platform/office/spreadsheet_server.h"
#include "platform/office/workbook_data.h"
#include "platform/office/zip_package.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString testdata(const QString& Name) { return QStringLiteral(LW_TESTDATA "/") + Name; }

// The rows of a CSV file, fields split at commas outside double quotes.
std::vector<QStringList> csvRows(const QString& FileName) {
    QFile file(FileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << FileName.toStdString();
    std::vector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        QStringList fields{QString()};
        bool quoted = false;
        for (QChar c : line) {
            if (c == u'"') quoted = !quoted;
            else if (c == u',' && !quoted) fields << QString();
            else fields.last() += c;
        }
        rows.push_back(fields);
    }
    return rows;
}

// A cell as the other reader wrote it in its CSV: errors and Booleans by name, numbers raw.
QString asCsv(const OleVariant& Value) {
    switch (Value.Kind()) {
    case OleVariant::vkEmpty: return {};
    case OleVariant::vkError: return SheetErrorText(Value.ToError().Code);
    case OleVariant::vkBool: return Value.ToBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case OleVariant::vkInteger:
    case OleVariant::vkDouble: return QString::number(Value.ToDouble(), 'g', 15);
    default: return Value.ToString();
    }
}

const TSheetData& sheetNamed(const TWorkbookData& Book, const QString& Name) {
    for (const TSheetData& s : Book.Sheets)
        if (s.Name == Name) return s;
    throw std::runtime_error("no sheet " + Name.toStdString());
}

// Every cell of Sheet against the other reader's CSV of it.
void expectAsCsv(const TSheetData& Sheet, const QString& Csv, const QString& File) {
    const std::vector<QStringList> rows = csvRows(Csv);
    size_t compared = 0;
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            QString expected = rows[r][c];
            bool isNumber = false;
            const double number = expected.toDouble(&isNumber);
            if (isNumber) expected = QString::number(number, 'g', 15);
            EXPECT_EQ(asCsv(Sheet.Value(int(r) + 1, c + 1)), expected) << File.toStdString() << " " << Sheet.Name.toStdString() << " row "
                                                                       << r + 1 << " column " << c + 1;
            ++compared;
        }
    EXPECT_GE(compared, 6u);
}

TEST(WorkbookFiles, FormulaResultsAndErrorsLoadAsAnotherReaderGivesThem) {
    for (const char* file : {"exchange.xls", "exchange.xlsx"}) {
        const TWorkbookData book = ReadWorkbook(testdata(QLatin1String(file)));
        ASSERT_EQ(book.Sheets.size(), 3u) << file;
        for (const char* sheet : {"Prices", "Totals"})
            expectAsCsv(sheetNamed(book, QLatin1String(sheet)), testdata(QStringLiteral("exchange_%1.csv").arg(QLatin1String(sheet))),
                        QLatin1String(file));
    }
}

TEST(WorkbookFiles, DatesAndTimesComeAsTheSameTextFromBothForms) {
    const TWorkbookData xls = ReadWorkbook(testdata(QStringLiteral("exchange.xls")));
    const TWorkbookData xlsx = ReadWorkbook(testdata(QStringLiteral("exchange.xlsx")));
    const struct {
        int Row, Col;
        const char* Text;
    } cases[] = {
        {2, 2, "2024-03-15"}, {2, 3, "2024-03-16"},  // a formula's result in a date format
        {3, 2, "2024-03-15 18:00:00"}, {4, 2, "12:15:00"}, {5, 2, "2000-01-01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sheetNamed(xls, QStringLiteral("Dates")).Value(c.Row, c.Col), OleVariant(c.Text)) << "xls " << c.Text;
        EXPECT_EQ(sheetNamed(xlsx, QStringLiteral("Dates")).Value(c.Row, c.Col), OleVariant(c.Text)) << "xlsx " << c.Text;
    }
}

OleVariant call(const OleVariant& On, const char* Member, const TOleArgs& Args = {}) { return On.Call(QLatin1String(Member), Args); }

// The parts of a package by name.
std::map<QString, QByteArray> partsOf(const QString& FileName) {
    TZipPackage package;
    EXPECT_TRUE(package.Load(FileName));
    std::map<QString, QByteArray> parts;
    for (const QString& name : {QStringLiteral("[Content_Types].xml"), QStringLiteral("_rels/.rels"), QStringLiteral("docProps/app.xml"),
                                QStringLiteral("docProps/core.xml"), QStringLiteral("docProps/custom.xml"), QStringLiteral("xl/workbook.xml"),
                                QStringLiteral("xl/_rels/workbook.xml.rels"), QStringLiteral("xl/styles.xml"), QStringLiteral("xl/sharedStrings.xml"),
                                QStringLiteral("xl/worksheets/sheet1.xml"), QStringLiteral("xl/worksheets/sheet2.xml"),
                                QStringLiteral("xl/worksheets/sheet3.xml"), QStringLiteral("xl/worksheets/sheet4.xml")})
        if (package.Has(name)) parts[name] = package.Part(name);
    return parts;
}

TEST(WorkbookFiles, SavingIntoOneSheetKeepsEveryOtherPartByteForByte) {
    TempFolder folder;
    const QString file = folder.path() + QStringLiteral("/book.xlsx");
    ASSERT_TRUE(QFile::copy(testdata(QStringLiteral("exchange.xlsx")), file));
    const auto before = partsOf(file);
    ASSERT_EQ(before.size(), 12u);

    OleVariant app = CreateSpreadsheetApplication();
    OleVariant book = call(app.Get(QStringLiteral("WorkBooks")), "Open", {file});
    auto values = TVariantArray::Create(0, 1, 0, 1);
    values->At(0, 0) = "Written";
    values->At(1, 0) = 42.5;
    values->At(1, 1) = true;  // (0, 1) stays empty: the date in B2 goes
    OleVariant dates = book.Get(QStringLiteral("Sheets"), {"Dates"});
    call(dates, "Range", {"A2:B3"}).Set(QStringLiteral("Value"), values);
    call(book, "Save");

    auto after = partsOf(file);
    for (const auto& [name, bytes] : before) {
        if (name != QLatin1String("xl/worksheets/sheet2.xml")) {
            EXPECT_EQ(after[name], bytes) << name.toStdString();
        }
    }
    // The written sheet keeps its column widths and the styles of its cells.
    const QByteArray sheet = after[QStringLiteral("xl/worksheets/sheet2.xml")];
    EXPECT_TRUE(sheet.contains("<cols>")) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("<f>B2+1</f>")) << sheet.toStdString();  // a formula outside the cells written

    // A new sheet adds its part and its entries, and nothing else changes.
    OleVariant added = call(book.Get(QStringLiteral("WorkSheets")), "Add");
    added.Set(QStringLiteral("Name"), "Added");
    call(added, "Range", {"B2"}).Set(QStringLiteral("Value"), "new");
    call(book, "Save");
    const auto withNew = partsOf(file);
    for (const auto& [name, bytes] : after) {
        if (!name.contains(QLatin1String("workbook.xml")) && name != QLatin1String("[Content_Types].xml")) {
            EXPECT_EQ(withNew.at(name), bytes) << name.toStdString();
        }
    }
    EXPECT_TRUE(withNew.at(QStringLiteral("[Content_Types].xml")).contains("/xl/worksheets/sheet4.xml"));
    EXPECT_TRUE(withNew.at(QStringLiteral("xl/workbook.xml")).contains("<definedName name=\"Rate\">Prices!$B$2</definedName>"));
    call(app, "Quit");

    const TWorkbookData read = ReadWorkbook(file);
    ASSERT_EQ(read.Sheets.size(), 4u);
    EXPECT_EQ(read.Sheets[3].Name, "Added");
    EXPECT_EQ(read.Sheets[3].Value(2, 2), OleVariant("new"));
    const TSheetData& written = sheetNamed(read, QStringLiteral("Dates"));
    EXPECT_EQ(written.Value(2, 1), OleVariant("Written"));
    EXPECT_TRUE(written.Value(2, 2).IsEmpty());
    EXPECT_EQ(written.Value(3, 1), OleVariant(42.5));
    EXPECT_EQ(written.Value(3, 2), OleVariant(true));
    EXPECT_EQ(written.Value(2, 3), OleVariant("2024-03-16"));  // the formula's cached result, untouched
    EXPECT_EQ(written.Value(4, 2), OleVariant("12:15:00"));
}

TEST(WorkbookFiles, ANewSheetIsListedInTheDocumentPropertiesThatListSheets) {
    TempFolder folder;
    const QString file = folder.path() + QStringLiteral("/props.xlsx");
    OleVariant app = CreateSpreadsheetApplication();
    OleVariant book = call(app.Get(QStringLiteral("WorkBooks")), "Add");
    call(book.Get(QStringLiteral("Sheets"), {1}), "Range", {"A1"}).Set(QStringLiteral("Value"), 1);
    call(book, "SaveAs", {file});
    call(book, "Close", {false});

    book = call(app.Get(QStringLiteral("WorkBooks")), "Open", {file});
    OleVariant added = call(book.Get(QStringLiteral("WorkSheets")), "Add");
    added.Set(QStringLiteral("Name"), "Second");
    call(book, "Save");
    const QByteArray props = partsOf(file).at(QStringLiteral("docProps/app.xml"));
    EXPECT_TRUE(props.contains("<vt:lpstr>Sheet1</vt:lpstr><vt:lpstr>Second</vt:lpstr>")) << props.toStdString();
    EXPECT_TRUE(props.contains("<vt:i4>2</vt:i4>")) << props.toStdString();
    EXPECT_TRUE(props.contains("size=\"2\"")) << props.toStdString();
}

}  // namespace
