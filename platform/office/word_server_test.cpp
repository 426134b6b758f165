#include "platform/office/word_server.h"

#include "platform/office/docx_document.h"
#include "platform/office/zip_package.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString mainPart(const QString& File) {
    TZipPackage package;
    EXPECT_TRUE(package.Load(File));
    return QString::fromUtf8(package.Part(QStringLiteral("word/document.xml")));
}

// The order of paragraphs ("P:text") and tables ("T") in the body.
QString outline(const QString& Xml) {
    QStringList out;
    qsizetype i = Xml.indexOf(QLatin1String("<w:body>"));
    while (i >= 0) {
        const qsizetype p = Xml.indexOf(QLatin1String("<w:p"), i), t = Xml.indexOf(QLatin1String("<w:tbl>"), i);
        if (p < 0 && t < 0) break;
        if (t >= 0 && (p < 0 || t < p)) {
            out << QStringLiteral("T");
            i = Xml.indexOf(QLatin1String("</w:tbl>"), t);
            continue;
        }
        const bool empty = Xml.mid(p, 6) == QLatin1String("<w:p/>");
        if (Xml.mid(p, 6) != QLatin1String("<w:pPr") && (Xml[p + 4] == u'>' || Xml[p + 4] == u'/' || Xml[p + 4] == u' ')) {
            const qsizetype end = empty ? p + 6 : Xml.indexOf(QLatin1String("</w:p>"), p);
            QString text;
            for (qsizetype s = Xml.indexOf(QLatin1String("<w:t"), p); s >= 0 && s < end; s = Xml.indexOf(QLatin1String("<w:t"), s + 1)) {
                if (Xml[s + 4] != u'>' && Xml[s + 4] != u' ') continue;
                const qsizetype open = Xml.indexOf(u'>', s) + 1;
                text += Xml.mid(open, Xml.indexOf(QLatin1String("</w:t>"), open) - open);
            }
            out << QStringLiteral("P:") + text;
            i = end;
        } else i = p + 1;
    }
    return out.join(u'|');
}

TEST(WordServer, TextTypedAndATableAtTheStartSavedAsADocument) {
    TempFolder folder;
    const QString file = folder.path() + QStringLiteral("/out.docx");
    OleVariant word{CreateWordApplication()};
    OleVariant doc = word.Get(QStringLiteral("Documents")).Call(QStringLiteral("Add"));
    OleVariant selection = word.Get(QStringLiteral("Selection"));
    selection.Call(QStringLiteral("TypeText"), {"Title\ttext"});
    selection.Call(QStringLiteral("TypeParaGraph"));
    OleVariant table = doc.Get(QStringLiteral("Tables")).Call(QStringLiteral("Add"), {doc.Call(QStringLiteral("Range"), {0, 0}), 2, 2});
    table.Call(QStringLiteral("Cell"), {1, 1}).Get(QStringLiteral("Range")).Call(QStringLiteral("InsertAfter"), {"a & b"});
    OleVariant right = table.Call(QStringLiteral("Cell"), {2, 2}).Get(QStringLiteral("Range"));
    right.Call(QStringLiteral("InsertAfter"), {"12"});
    right.Get(QStringLiteral("ParagraphFormat")).Set(QStringLiteral("Alignment"), 2);
    EXPECT_THROW(table.Call(QStringLiteral("Cell"), {3, 1}), EOleError);
    doc.Call(QStringLiteral("SaveAs"), {file});

    const QString xml = mainPart(file);
    EXPECT_EQ(outline(xml), "T|P:Titletext|P:");
    EXPECT_TRUE(xml.contains(QLatin1String("<w:tab/>")));
    EXPECT_TRUE(xml.contains(QLatin1String("a &amp; b")));
    EXPECT_TRUE(xml.contains(QLatin1String("<w:jc w:val=\"right\"/>")));
    auto reread = TDocxDocument::Load(file);
    EXPECT_EQ(reread->BodyText(), "Title\ttext\r\r");
}

// A document from elsewhere with a bookmark amid a paragraph's text.
QString bookmarkedDocument(const QString& Folder) {
    TZipPackage package;
    package.SetPart(QStringLiteral("[Content_Types].xml"), "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>");
    package.SetPart(QStringLiteral("word/document.xml"),
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
                    "<w:p><w:r><w:t>Intro</w:t></w:r></w:p>"
                    "<w:p><w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\">Before here</w:t></w:r>"
                    "<w:bookmarkStart w:id=\"0\" w:name=\"Place\"/><w:r><w:t>after</w:t></w:r><w:bookmarkEnd w:id=\"0\"/></w:p>"
                    "<w:sectPr/></w:body></w:document>");
    const QString file = Folder + QStringLiteral("/marked.docx");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(package.Save());
    return file;
}

TEST(WordServer, TablesGoToABookmarkOrAfterTheLastLine) {
    TempFolder folder;
    const QString file = bookmarkedDocument(folder.path());
    OleVariant word{CreateWordApplication()};
    OleVariant doc = word.Get(QStringLiteral("Documents")).Call(QStringLiteral("Open"), {file});
    OleVariant marks = doc.Get(QStringLiteral("Bookmarks"));
    EXPECT_TRUE(marks.Call(QStringLiteral("Exists"), {"Place"}).ToBool());
    EXPECT_FALSE(marks.Call(QStringLiteral("Exists"), {"Elsewhere"}).ToBool());
    // "Intro" and its mark are 6 characters, "Before here" 11 more.
    OleVariant at = doc.Call(QStringLiteral("Goto"), {-1, OleVariant(), OleVariant(), "Place"});
    EXPECT_EQ(at.Get(QStringLiteral("Start")).ToInt(), 17);
    doc.Get(QStringLiteral("Tables")).Call(QStringLiteral("Add"), {at, 1, 1});
    EXPECT_THROW(doc.Call(QStringLiteral("Goto"), {-1, OleVariant(), OleVariant(), "Elsewhere"}), EOleError);

    doc.Get(QStringLiteral("Paragraphs")).Call(QStringLiteral("Add"));
    OleVariant selection = word.Get(QStringLiteral("Selection"));
    selection.Call(QStringLiteral("Goto"), {3, -1});
    const int end = selection.Get(QStringLiteral("End")).ToInt();
    EXPECT_EQ(end, doc.Call(QStringLiteral("Range")).Get(QStringLiteral("End")).ToInt() - 1);
    doc.Get(QStringLiteral("Tables")).Call(QStringLiteral("Add"), {doc.Call(QStringLiteral("Range"), {end, end}), 1, 1});
    doc.Call(QStringLiteral("Save"));

    // The bold run was split at the bookmark and keeps its bold on both sides.
    const QString xml = mainPart(file);
    EXPECT_EQ(outline(xml), "P:Intro|P:Before here|T|P:after|T|P:");
    EXPECT_EQ(xml.count(QLatin1String("<w:b/>")), 1);
    EXPECT_THROW(word.Get(QStringLiteral("Documents")).Call(QStringLiteral("Open"), {folder.path() + QStringLiteral("/none.docx")}), EOleError);
}

}  // namespace
