#include "grid/stringgrid/office/office_fixture.h"
#include "platform/core/string_list.h"
#include "platform/office/workbook_data.h"
#include "platform/office/cell_address.h"
#include "platform/testkit/full_disk.h"

#include <QDir>
#include <QFile>

namespace {

class SpreadsheetExchange : public OfficeFixture {
protected:
    // A running spreadsheet whose Open answers a workbook of two sheets, "Other" and "Data";
    // Data's used range is Address and its values Values.
    void scriptWorkbook(const QString& Address, OleVariant Values) {
        excel = scripted(QStringLiteral("excel.application"), QStringLiteral("Excel"));
        book = excel->Sibling(QStringLiteral("Book"));
        excel->Child(QStringLiteral("WorkBooks"))->Answer(QStringLiteral("Open"), std::shared_ptr<IAutoDispatch>(book));
        auto list = excel->Sibling(QStringLiteral("Book.Sheets"));
        list->Answer(QStringLiteral("Count"), 2);
        auto other = excel->Sibling(QStringLiteral("Other")), data = excel->Sibling(QStringLiteral("Data"));
        other->Answer(QStringLiteral("Name"), "Other");
        data->Answer(QStringLiteral("Name"), "Data");
        book->AnswerWith(QStringLiteral("Sheets"), [=](const TOleArgs& a) -> OleVariant {
            if (a.empty()) return std::shared_ptr<IAutoDispatch>(list);
            return std::shared_ptr<IAutoDispatch>(a[0].ToInt() == 1 ? other : data);
        });
        excel->Answer(QStringLiteral("ActiveSheet"), std::shared_ptr<IAutoDispatch>(data));
        data->Child(QStringLiteral("UsedRange"))->Answer(QStringLiteral("Address"), Address);
        data->Child(QStringLiteral("Range"))->Answer(QStringLiteral("Value"), Values);
    }
    // Rows of values from (1, 1), as a sheet hands them out; "#" is a division error, "" empty.
    static OleVariant sheetValues(const std::vector<std::vector<OleVariant>>& Rows) {
        auto a = TVariantArray::Create(1, int(Rows.size()), 1, int(Rows[0].size()));
        for (size_t r = 0; r < Rows.size(); ++r)
            for (size_t c = 0; c < Rows[r].size(); ++c) a->At(int(r) + 1, int(c) + 1) = Rows[r][c];
        return a;
    }
    static const OleVariant& divisionError() {
        static const OleVariant e(TOleErrorValue{2007});
        return e;
    }

    std::shared_ptr<TScriptedAutoObject> excel, book;
};

TEST_F(SpreadsheetExchange, ImportReadsTheNamedSheetsUsedRangeOnceFromItsFirstCell) {
    scriptWorkbook(QStringLiteral("$B$2:$D$5"), sheetValues({{"Name", "Value", "Ratio"},
                                                              {"alpha", 12.0, divisionError()},
                                                              {"beta", 2.5, 1.25},
                                                              {OleVariant(), -7, "x"}}));
    grid->SaveFixedCells = false;  // the cells go beside the fixed row and column
    grid->SetCells(3, 2, "keep");
    grid->LoadFromXLSSheet(QStringLiteral("in.xlsx"), QStringLiteral("Data"));
    EXPECT_EQ(excel->Log(), QStringList({"Excel.WorkBooks", "Excel.WorkBooks.Open(\"in.xlsx\")", "Book.Sheets", "Book.Sheets.Count",
                                         "Book.Sheets(1)", "Other.Name", "Book.Sheets(2)", "Data.Name", "Data.UsedRange",
                                         "Data.UsedRange.Address", "Data.Range(\"B2:D5\")", "Data.Range.Value", "Book.Close(False)",
                                         "Excel.Quit"}));
    // The division error leaves its cell as it was.
    EXPECT_EQ(cells(), "4x5 1,1=Name|2,1=Value|3,1=Ratio|1,2=alpha|2,2=12|3,2=keep|1,3=beta|2,3=2.5|3,3=1.25|2,4=-7|3,4=x");
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->FixedRows(), 1);
}

TEST_F(SpreadsheetExchange, ImportOfWholeRowsTakesColumnsUpTo256) {
    auto values = TVariantArray::Create(1, 10, 1, 256);
    values->At(10, 256) = "corner";
    scriptWorkbook(QStringLiteral("$1:$10"), OleVariant(values));
    grid->LoadFromXLS(QStringLiteral("rows.xlsx"));
    EXPECT_TRUE(excel->Log().contains("Excel.ActiveSheet"));
    EXPECT_TRUE(excel->Log().contains("Data.Range(\"A1:IV10\")"));
    EXPECT_EQ(grid->ColCount(), 256);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->Cells(255, 9), "corner");
}

TEST_F(SpreadsheetExchange, FailedImportsLeaveTheGridAndCloseTheWorkbook) {
    grid->SetCells(1, 1, "before");
    const QString before = cells();

    scriptWorkbook(QStringLiteral("$B$2:$D$5"), OleVariant());
    // The hourglass shows while the workbook is in use and goes again after the failure.
    TCursor during = crDefault;
    book->AnswerWith(QStringLiteral("Close"), [&](const TOleArgs&) {
        during = grid->Cursor();
        return OleVariant();
    });
    EXPECT_EQ(messageOf([&] { grid->LoadFromXLSSheet(QStringLiteral("in.xlsx"), QStringLiteral("Missing")); }),
              "Excel worksheet Missing not found");
    EXPECT_EQ(during, crHourGlass);
    EXPECT_EQ(grid->Cursor(), crDefault);
    EXPECT_EQ(excel->Log().mid(excel->Log().size() - 2), QStringList({"Book.Close(False)", "Excel.Quit"}));
    EXPECT_EQ(cells(), before);

    // A value that is no array of the range cannot be read.
    scriptWorkbook(QStringLiteral("$B$2:$D$5"), OleVariant("garbage"));
    EXPECT_EQ(messageOf([&] { grid->LoadFromXLS(QStringLiteral("in.xlsx")); }), "Incorrect XLS file");
    EXPECT_EQ(cells(), before);
}

TEST_F(SpreadsheetExchange, WithoutAServerEveryOperationSaysSo) {
    const QString file = folder.file(QStringLiteral("x.xlsx"));
    for (const auto& call : std::vector<std::function<void()>>{
             [&] { grid->GetXLSSheets(file); }, [&] { grid->LoadFromXLS(file); }, [&] { grid->SaveToXLS(file, true); },
             [&] { grid->SaveToXLSSheet(file, QStringLiteral("S")); }})
        EXPECT_EQ(messageOf(call), "Excel OLE server not found");
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(SpreadsheetExchange, ExportOfThirtyColumnsAddressesUpToAD) {
    excel = TScriptedAutoObject::Root(QStringLiteral("Excel"));
    servers.SetActive(QStringLiteral("excel.application"), excel);  // attached: not quit
    grid->SetColCount(30);
    grid->SetRowCount(3);
    grid->SetCells(29, 2, "two\r\nlines");
    grid->SaveToXLS(QStringLiteral("out.xlsx"), true);
    EXPECT_EQ(excel->Log(), QStringList({"Excel.WorkBooks", "Excel.WorkBooks.Add", "Excel.WorkBooks.Add.Sheets(1)",
                                         "Excel.WorkBooks.Add.Sheets.Range(\"A1:AD3\")", "Excel.WorkBooks.Add.Sheets.Range.Value=Array(3 x 30)",
                                         "Excel.WorkBooks.Add.SaveAs(\"out.xlsx\")"}));
    const OleVariant written = excel->Child(QStringLiteral("WorkBooks"))->Child(QStringLiteral("Add"))->Child(QStringLiteral("Sheets"))
                                   ->Child(QStringLiteral("Range"))->Written(QStringLiteral("Value"));
    EXPECT_EQ(written.Array().At(2, 29), OleVariant("two\nlines"));
}

TEST_F(SpreadsheetExchange, ExportIntoTheOpenWorkbookStartsAtTheCursorRow) {
    excel = scripted(QStringLiteral("excel.application"), QStringLiteral("Excel"));
    excel->Child(QStringLiteral("WorkBooks"))->Answer(QStringLiteral("Count"), 1);
    excel->Child(QStringLiteral("ActiveCell"))->Answer(QStringLiteral("Row"), 5);
    grid->SaveToXLS(QStringLiteral("out.xlsx"), false);
    EXPECT_EQ(excel->Log(), QStringList({"Excel.WorkBooks", "Excel.WorkBooks.Count", "Excel.ActiveWorkBook", "Excel.ActiveSheet",
                                         "Excel.ActiveCell", "Excel.ActiveCell.Row", "Excel.ActiveSheet.Range(\"A5:E10\")",
                                         "Excel.ActiveSheet.Range.Value=Array(6 x 5)", "Excel.ActiveWorkBook.SaveAs(\"out.xlsx\")",
                                         "Excel.Quit"}));
}

TEST_F(SpreadsheetExchange, ExportToANamedSheetOpensAnExistingFileAndSavesItInPlace) {
    const QString existing = folder.write(QStringLiteral("old.xlsx"), "scripted");
    scriptWorkbook(QString(), OleVariant());
    grid->SaveToXLSSheet(existing, QStringLiteral("Data"));
    EXPECT_EQ(excel->Log(), QStringList({"Excel.WorkBooks", QStringLiteral("Excel.WorkBooks.Open(\"%1\")").arg(existing), "Book.Sheets",
                                         "Book.Sheets.Count", "Book.Sheets(1)", "Other.Name", "Book.Sheets(2)", "Data.Name",
                                         "Data.Range(\"A1:E6\")", "Data.Range.Value=Array(6 x 5)", "Book.Save", "Excel.Quit"}));

    excel->Log().clear();
    const QString fresh = folder.file(QStringLiteral("new.xlsx"));
    auto added = excel->Child(QStringLiteral("WorkBooks"))->Child(QStringLiteral("Add"));
    added->Child(QStringLiteral("Sheets"))->Answer(QStringLiteral("Count"), 0);
    grid->SaveToXLSSheet(fresh, QStringLiteral("Grid"));
    EXPECT_EQ(excel->Log(), QStringList({"Excel.WorkBooks", "Excel.WorkBooks.Add", "Excel.WorkBooks.Add.Sheets",
                                         "Excel.WorkBooks.Add.Sheets.Count", "Excel.WorkBooks.Add.WorkSheets",
                                         "Excel.WorkBooks.Add.WorkSheets.Add", "Excel.WorkBooks.Add.WorkSheets.Add.Name=\"Grid\"",
                                         "Excel.WorkBooks.Add.WorkSheets.Add.Range(\"A1:E6\")",
                                         "Excel.WorkBooks.Add.WorkSheets.Add.Range.Value=Array(6 x 5)",
                                         QStringLiteral("Excel.WorkBooks.Add.SaveAs(\"%1\")").arg(fresh), "Excel.Quit"}));
}

TEST_F(SpreadsheetExchange, GridSavedAsAWorkbookLoadsBackAsItWas) {
    realServers();
    grid->SetCells(1, 0, "Name");
    grid->SetCells(2, 0, "Rate");
    grid->SetCells(1, 1, "Pump, left");
    grid->SetCells(2, 1, "1.5");
    grid->SetCells(3, 2, "first\r\nsecond");
    grid->SetCells(4, 5, QString::fromUtf8("M\xC3\xBCller \xE2\x82\xAC"));
    const QString file = folder.file(QStringLiteral("grid.xlsx"));
    grid->SaveToXLS(file, true);

    TTestStringGrid* other = makeGrid();
    other->LoadFromXLS(file);
    // The used range starts at the first filled cell, B1; line breaks lose their CR.
    EXPECT_EQ(cells(*other), QString::fromUtf8("4x6 0,0=Name|1,0=Rate|0,1=Pump, left|1,1=1.5|2,2=first\nsecond|3,5=M\xC3\xBCller \xE2\x82\xAC"));
    std::unique_ptr<TStringList> sheets = other->GetXLSSheets(file);
    ASSERT_EQ(sheets->Count(), 1);
    EXPECT_EQ(sheets->Strings(0), "Sheet1");
}

TEST_F(SpreadsheetExchange, CellsThatReadAsNumbersAreSavedAsNumbers) {
    realServers();
    const struct {
        const char* Text;
        OleVariant Stored;
    } cases[] = {
        {"1.5", 1.5}, {"-3", -3.0}, {"0", 0.0}, {"12abc", "12abc"}, {"1.2.3", "1.2.3"}, {"-", "-"},
    };
    grid->SetRowCount(1);
    grid->SetColCount(int(std::size(cases)));
    grid->SaveFixedCells = true;
    for (int c = 0; c < int(std::size(cases)); ++c) grid->SetCells(c, 0, QLatin1String(cases[c].Text));
    const QString file = folder.file(QStringLiteral("numbers.xlsx"));
    grid->SaveToXLS(file, true);
    const TWorkbookData book = ReadWorkbook(file);
    for (int c = 0; c < int(std::size(cases)); ++c) EXPECT_EQ(book.Sheets[0].Value(1, c + 1), cases[c].Stored) << cases[c].Text;
}

// A workbook of the cells given, made through the spreadsheet server.
QString makeWorkbook(const QString& File, const std::vector<std::pair<QString, QString>>& Cells) {
    OleVariant app(CreateSpreadsheetApplication());
    OleVariant book = app.Get(QStringLiteral("WorkBooks")).Call(QStringLiteral("Add"));
    OleVariant sheet = book.Get(QStringLiteral("Sheets"), {1});
    for (const auto& [address, text] : Cells) sheet.Get(QStringLiteral("Range"), {address}).Set(QStringLiteral("Value"), text);
    book.Call(QStringLiteral("SaveAs"), {File});
    app.Call(QStringLiteral("Quit"));
    return File;
}

TEST_F(SpreadsheetExchange, AUsedRangeTheGridCannotHoldIsRefusedAndASparseOneLoads) {
    realServers();
    grid->SetCells(1, 1, "before");
    const QString before = cells();
    const QString corners = makeWorkbook(folder.file(QStringLiteral("corners.xlsx")), {{"A1", "first"}, {"XFD1048576", "last"}});
    const QString message = messageOf([&] { grid->LoadFromXLS(corners); });
    EXPECT_TRUE(message.contains(QLatin1String("The used range A1:IV1048576 asks for 256 columns and 1048576 rows"))) << message.toStdString();
    EXPECT_EQ(cells(), before);

    // A tall sparse sheet is read in blocks, keeping only the cells that hold something.
    const QString tall = makeWorkbook(folder.file(QStringLiteral("tall.xlsx")), {{"A1", "top"}, {"B600000", "bottom"}});
    grid->LoadFromXLS(tall);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->RowCount(), 600000);
    EXPECT_EQ(grid->Cells(0, 0), "top");
    EXPECT_EQ(grid->Cells(1, 599999), "bottom");
}

TEST_F(SpreadsheetExchange, WorkbooksOfAnotherProgramLoadWithTheirUsedRange) {
    realServers();
    const struct {
        const char* File;
        const char* Sheet;
        const char* Cells;
    } cases[] = {
        {"measures.xlsx", "", "3x4 0,0=Name|1,0=Value|2,0=Ratio|0,1=alpha|1,1=12|0,2=beta|1,2=2.5|2,2=1.25|0,3=gamma & co|1,3=-7|2,3=x"},
        // The legacy form gives the same: the formula's result, and nothing for the division error.
        {"measures.xls", "Measures", "3x4 0,0=Name|1,0=Value|2,0=Ratio|0,1=alpha|1,1=12|0,2=beta|1,2=2.5|2,2=1.25|0,3=gamma & co|1,3=-7|2,3=x"},
        // The legacy workbook's active sheet is its first, a single cell.
        {"measures.xls", "", "1x1 0,0=first sheet"},
    };
    for (const auto& c : cases) {
        TTestStringGrid* g = makeGrid();
        g->LoadFromXLSSheet(testdata(c.File), QLatin1String(c.Sheet));
        EXPECT_EQ(cells(*g), QLatin1String(c.Cells)) << c.File << " " << c.Sheet;
        std::unique_ptr<TStringList> sheets = g->GetXLSSheets(testdata(c.File));
        ASSERT_EQ(sheets->Count(), 2);
        EXPECT_EQ(sheets->Strings(0) + u',' + sheets->Strings(1), "Notes,Measures");
    }
}

TEST_F(SpreadsheetExchange, SavingIntoASheetKeepsTheWorkbooksOtherSheets) {
    realServers();
    const QString file = folder.file(QStringLiteral("measures.xlsx"));
    ASSERT_TRUE(QFile::copy(testdata("measures.xlsx"), file));
    grid->SetCells(0, 0, "replaced");
    grid->SaveToXLSSheet(file, QStringLiteral("Notes"));
    grid->SaveToXLSSheet(file, QStringLiteral("Added"));

    EXPECT_EQ(grid->GetXLSSheets(file)->Strings(2), "Added");
    TTestStringGrid* g = makeGrid();
    g->LoadFromXLSSheet(file, QStringLiteral("Notes"));
    EXPECT_EQ(cells(*g), "1x1 0,0=replaced");
    g->LoadFromXLSSheet(file, QStringLiteral("Measures"));
    EXPECT_EQ(g->Cells(0, 0), "Name");
}

TEST_F(SpreadsheetExchange, AFileThatIsNoWorkbookIsRefusedAndLeftAlone) {
    realServers();
    const QString file = folder.write(QStringLiteral("notes.xlsx"), "just text");
    grid->SetCells(1, 1, "before");
    const QString before = cells();
    EXPECT_EQ(messageOf([&] { grid->LoadFromXLS(file); }), QStringLiteral("'%1' is not a workbook.").arg(file));
    EXPECT_EQ(cells(), before);
    EXPECT_THROW(grid->SaveToXLSSheet(file, QStringLiteral("Grid")), Exception);
    EXPECT_EQ(fileBytes(file), "just text");
}

TEST_F(SpreadsheetExchange, SavesThatCannotBeWrittenSayWhyAndWriteNothing) {
    realServers();
    const QString workbook = folder.file(QStringLiteral("missing/out.xlsx")), document = folder.file(QStringLiteral("missing/out.docx"));
    EXPECT_EQ(messageOf([&] { grid->SaveToXLS(workbook, true); }),
              QStringLiteral("Cannot save the workbook as '%1': No such file or directory.").arg(workbook));
    EXPECT_EQ(messageOf([&] { grid->SaveToDOC(document, true); }),
              QStringLiteral("Cannot save the document as '%1': No such file or directory.").arg(document));
    EXPECT_FALSE(QFile::exists(workbook));
    EXPECT_FALSE(QFile::exists(document));
}

TEST_F(SpreadsheetExchange, AFullDiskOrAReadOnlyFolderIsNamedInTheMessage) {
    realServers();
    grid->SetCells(1, 1, QString(4000, u'w'));
    const QString full = folder.file(QStringLiteral("full")), readOnly = folder.file(QStringLiteral("readonly"));
    QDir().mkpath(full);
    QDir().mkpath(readOnly);
    FullDisk disk(full);
    SKIP_WITHOUT_FULL_DISK(disk);
    ReadOnlyDisk locked(readOnly);
    if (!locked.Mounted()) GTEST_SKIP() << qPrintable(locked.Why_Not());
    const struct {
        QString folder;
        const char* reason;
    } places[] = {{full, "No space left on device"}, {readOnly, "Read-only file system"}};
    for (const auto& place : places) {
        disk.Free();
        if (place.folder == full) {
            folder.write(QStringLiteral("full/old.xlsx"), "old");
            folder.write(QStringLiteral("full/old.docx"), "old");
            disk.Fill();
        }
        for (const char* name : {"old.xlsx", "old.docx"}) {
            const QString file = place.folder + u'/' + QLatin1String(name);
            const QString message = messageOf([&] {
                if (file.endsWith(QLatin1String("xlsx"))) grid->SaveToXLS(file, true);
                else grid->SaveToDOC(file, true);
            });
            EXPECT_TRUE(message.contains(QLatin1String(place.reason))) << message.toStdString();
            if (place.folder == full) {
                EXPECT_EQ(fileBytes(file), "old");
            }
        }
    }
}

}  // namespace
