#include "platform/xml/shared_text.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <thread>
#include <vector>

#include "platform/xml/record_layout.h"
#include "platform/xml/xml_document.h"

namespace {

TEST(SharedText, EqualsQtsOwnDecoding) {
    const QByteArray longAscii(1500, 'x');
    const QByteArray longUmlauts = QByteArray(600, 'a') + QByteArray("\xC3\xBC").repeated(300);
    const char* const texts[] = {
        "",
        "TextId",
        "  blanks around  ",
        "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC",   // two- and three-byte characters
        "\xF0\x9F\x98\x80 smile",                 // four bytes: a surrogate pair
        "\xEF\xBB\xBF" "marked",                  // a leading byte-order mark, which Qt drops
        "in \xEF\xBB\xBF the middle",             // one that Qt keeps
        "bad \xFF byte",
        "cut \xC3",
        "overlong \xC0\xAF",
        "surrogate \xED\xA0\x80",
        "beyond \xF4\x90\x80\x80",
        longAscii.constData(),
        longUmlauts.constData(),
    };
    const auto expectSame = [](const QByteArray& text) {
        const QString shared = SharedText(text.constData());
        const QString expected = QString::fromUtf8(text);
        EXPECT_EQ(shared, expected) << text.toStdString();
        EXPECT_EQ(shared.isNull(), expected.isNull()) << text.toStdString();
        EXPECT_EQ(shared.utf16()[shared.size()], u'\0') << text.toStdString();
    };
    for (const char* text : texts) expectSame(text);
    // Every length around the words the texts are widened in, plain and with an umlaut at each
    // place.
    const QByteArray letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
    for (qsizetype length = 1; length <= letters.size(); ++length) {
        expectSame(letters.left(length));
        for (qsizetype at = 0; at < length; ++at) expectSame(letters.left(length).replace(at, 1, "\xC3\xBC"));
    }
}

TEST(SharedText, TextsAreIndependentOfTheirNeighbours) {
    // Enough texts to fill several blocks, released in an order of their own.
    std::vector<QString> texts;
    for (int i = 0; i < 20000; ++i) texts.push_back(SharedText(QByteArray::number(i).constData()));
    QString changed = texts[5];
    changed += "!";
    texts[6].replace(0, 1, "x");
    texts[7].prepend("y");
    texts[8].resize(100, u'z');
    EXPECT_EQ(texts[5], "5");
    EXPECT_EQ(changed, "5!");
    EXPECT_EQ(texts[6], "x");
    EXPECT_EQ(texts[7], "y7");
    EXPECT_EQ(texts[8], "8" + QString(99, u'z'));
    EXPECT_EQ(texts[9], "9");
    for (size_t i = 0; i < texts.size(); i += 2) texts[i].clear();
    for (size_t i = 9; i < texts.size(); i += 2) EXPECT_EQ(texts[i], QString::number(i));

    // A text made on another thread outlives that thread, and its block.
    QString fromThread;
    std::thread([&fromThread] { fromThread = SharedText("made elsewhere"); }).join();
    EXPECT_EQ(fromThread, "made elsewhere");
}

TEST(SharedText, AttributeValuesOutliveTheirDocument) {
    QString id, missing = "kept";
    {
        TXMLDocument doc(nullptr);
        doc.LoadFromXML(QString::fromUtf8("<r TextId=\"T_1\" Value=\"Grüße\" Empty=\"\"/>"));
        const IXMLNode r = doc.DocumentElement();
        EXPECT_TRUE(r.ReadAttribute("TextId", id));
        EXPECT_FALSE(r.ReadAttribute("Missing", missing));
        QString value, empty = "x";
        EXPECT_TRUE(r.ReadAttribute("Value", value));
        EXPECT_TRUE(r.ReadAttribute("Empty", empty));
        EXPECT_EQ(value, QString::fromUtf8("Grüße"));
        EXPECT_TRUE(empty.isEmpty());
        EXPECT_FALSE(IXMLNode().ReadAttribute("TextId", value));
    }
    EXPECT_EQ(id, "T_1");
    EXPECT_EQ(missing, "kept");
}

// Readers walk the library's records directly; with the library the project builds on, the
// records must be laid out as expected, or reading falls back to the slower calls.
TEST(NodeRecords, LayoutOfTheLibraryIsTheExpectedOne) { EXPECT_TRUE(node_records::LayoutMatches()); }

}  // namespace
