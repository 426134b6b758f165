#include "grid/stringgrid/office/office_fixture.h"
#include "platform/office/zip_package.h"

namespace {

class DocumentExchange : public OfficeFixture {
protected:
    QString documentXml(const QString& File) {
        TZipPackage package;
        EXPECT_TRUE(package.Load(File)) << File.toStdString();
        return QString::fromUtf8(package.Part(QStringLiteral("word/document.xml")));
    }
};

TEST_F(DocumentExchange, ANewDocumentGetsTheCaptionAndTheWholeGridAtItsStart) {
    auto word = scripted(QStringLiteral("word.application"), QStringLiteral("Word"));
    grid->SetColCount(2);
    grid->SetRowCount(2);
    grid->SetCaption(QStringLiteral("Devices"));
    grid->SetCells(1, 1, "7");
    grid->OnGetAlignment = [](TObject*, int ACol, int ARow, TAlignment& HA, TVAlignment&) {
        if (ACol == 1 && ARow == 1) HA = taRightJustify;
        if (ACol == 0 && ARow == 0) HA = taCenter;
    };
    grid->SaveToDOC(QStringLiteral("out.docx"), true);
    const QString doc = QStringLiteral("Word.Documents.Add");
    const QString table = doc + QStringLiteral(".Tables.Add");
    EXPECT_EQ(word->Log(), QStringList({"Word.Documents", doc, doc + ".ShowSpellingErrors=False", "Word.Selection",
                                        "Word.Selection.TypeText(\"Devices\")", "Word.Selection.TypeParaGraph", doc + ".Range(0, 0)",
                                        doc + ".Tables", table + "(" + doc + ".Range, 2, 2)",
                                        table + ".Cell(1, 1)", table + ".Cell.Range", table + ".Cell.Range.InsertAfter(\"\")",
                                        table + ".Cell.Range.ParagraphFormat", table + ".Cell.Range.ParagraphFormat.Alignment=1",
                                        table + ".Cell(1, 2)", table + ".Cell.Range", table + ".Cell.Range.InsertAfter(\"\")",
                                        table + ".Cell(2, 1)", table + ".Cell.Range", table + ".Cell.Range.InsertAfter(\"\")",
                                        table + ".Cell(2, 2)", table + ".Cell.Range", table + ".Cell.Range.InsertAfter(\"7\")",
                                        table + ".Cell.Range.ParagraphFormat", table + ".Cell.Range.ParagraphFormat.Alignment=2",
                                        doc + ".SaveAs(\"out.docx\")", "Word.Quit"}));
}

TEST_F(DocumentExchange, AppendingGoesToTheBookmarkOrAfterTheLastLine) {
    auto word = TScriptedAutoObject::Root(QStringLiteral("Word"));
    servers.SetActive(QStringLiteral("word.application"), word);
    const QString doc = QStringLiteral("Word.Documents.Open");
    auto opened = word->Child(QStringLiteral("Documents"))->Child(QStringLiteral("Open"));
    opened->Child(QStringLiteral("Bookmarks"))->AnswerWith(QStringLiteral("Exists"), [](const TOleArgs& a) {
        return OleVariant(a[0].ToString() == QLatin1String("Here"));
    });
    word->Child(QStringLiteral("Selection"))->Answer(QStringLiteral("End"), 42);
    grid->SetColCount(1);
    grid->SetRowCount(1);

    grid->AppendToDoc(QStringLiteral("a.docx"), QStringLiteral("Here"));
    EXPECT_EQ(word->Log().mid(6, 4), QStringList({doc + ".Bookmarks", doc + ".Bookmarks.Exists(\"Here\")",
                                                  doc + ".Goto(-1, Empty, Empty, \"Here\")", doc + ".Tables"}));
    EXPECT_EQ(word->Log().last(), doc + ".SaveAs(\"a.docx\")");  // attached: not quit

    word->Log().clear();
    grid->AppendToDoc(QStringLiteral("a.docx"), QStringLiteral("Elsewhere"));
    EXPECT_EQ(word->Log().mid(6, 9), QStringList({doc + ".Bookmarks", doc + ".Bookmarks.Exists(\"Elsewhere\")", doc + ".Paragraphs",
                                                  doc + ".Paragraphs.Add", "Word.Selection", "Word.Selection.Goto(3, -1)",
                                                  "Word.Selection", "Word.Selection.End", doc + ".Range(42, 42)"}));
}

TEST_F(DocumentExchange, SavedDocumentsHoldTheGridsTables) {
    realServers();
    grid->SetCells(1, 0, "Name");
    grid->SetCells(1, 1, "Pump & Valve");
    grid->SetCells(2, 1, "first\r\nsecond");
    const QString file = folder.file(QStringLiteral("grid.docx"));
    grid->SaveToDOC(file, true);
    QString xml = documentXml(file);
    EXPECT_EQ(xml.count(QLatin1String("<w:tbl>")), 1);
    EXPECT_EQ(xml.count(QLatin1String("<w:tr>")), 6);
    EXPECT_EQ(xml.count(QLatin1String("<w:tc>")), 30);
    EXPECT_TRUE(xml.contains(QLatin1String("Pump &amp; Valve")));
    EXPECT_TRUE(xml.contains(QLatin1String("first</w:t><w:br/><w:t xml:space=\"preserve\">second")));

    // Appended without a bookmark: a second table at the end, the first one kept.
    grid->SetCells(1, 1, "second table");
    grid->AppendToDoc(file, QString());
    xml = documentXml(file);
    EXPECT_EQ(xml.count(QLatin1String("<w:tbl>")), 2);
    EXPECT_LT(xml.indexOf(QLatin1String("Pump &amp; Valve")), xml.indexOf(QLatin1String("second table")));

    EXPECT_EQ(messageOf([&] { grid->AppendToDoc(folder.file(QStringLiteral("none.docx")), QString()); }),
              QStringLiteral("'%1' could not be found.").arg(folder.file(QStringLiteral("none.docx"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("none.docx"))));
}

TEST_F(DocumentExchange, WithoutAServerTheWordProcessorIsNotFound) {
    EXPECT_EQ(messageOf([&] { grid->SaveToDOC(folder.file(QStringLiteral("x.docx")), true); }), "Word OLE server not found");
    EXPECT_EQ(messageOf([&] { grid->AppendToDoc(folder.file(QStringLiteral("x.docx")), QString()); }), "Word OLE server not found");
}

TEST_F(DocumentExchange, FixedAndActiveCellFontsFollowTheFormsScale) {
    grid->FixedFont().SetSize(8);
    grid->ActiveCellFont().SetSize(10);
    grid->ChangeScale(3, 2);
    EXPECT_EQ(grid->FixedFont().Size(), 12);
    EXPECT_EQ(grid->ActiveCellFont().Size(), 15);
    grid->ChangeScale(5, 5);
    EXPECT_EQ(grid->FixedFont().Size(), 12);
}

}  // namespace
