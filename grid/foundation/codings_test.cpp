#include "grid/foundation/codings.h"

#include <gtest/gtest.h>

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

// A text with control characters, NUL included.
template <size_t N>
QString ctl(const char (&literal)[N]) {
    return QString::fromLatin1(literal, N - 1);
}

}  // namespace

TEST(TextType, KindsOfCellText) {
    const struct {
        QString text;
        bool html;
        int expected;
    } cases[] = {
        {q(""), true, 0},
        {q("abc"), true, 0},
        {q("=A1+1"), false, 3},
        {q("="), false, 3},
        {q("{\\rtf1 x}"), true, 2},
        {q("{rtf"), true, 0},
        {EncodeWideText(q("x\xe2\x82\xac")), true, 5},
        {EncodeWideText(q("=1+\xe2\x82\xac")), true, 3},  // a formula in wide text
        {EncodeWideText(q("=")), true, 3},
        {q("|\\"), true, 5},
        {q("|"), true, 0},
        {q("a <b>b</b>"), true, 1},
        {q("a <b>b</b>"), false, 0},
        {q("<b>x"), true, 0},  // tags are recognised in capitals only, or by a closing tag
        {q("<B>x"), true, 1},
        {q("<I>x"), true, 1},
        {q("a<C"), true, 1},
        {q("a < b"), true, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(TextType(c.text, c.html), c.expected) << c.text.toStdString();
}

TEST(WideText, TwoCharactersPerCodeUnit) {
    EXPECT_EQ(EncodeWideText(QString()), q("|\\"));
    const QString e = EncodeWideText(QString(QChar(0xE9)));
    EXPECT_EQ(e, QString::fromUtf16(u"|\\\u0000\u00e9", 4));
    EXPECT_EQ(DecodeWideText(e), QString(QChar(0xE9)));
    EXPECT_EQ(EncodeWideText(q("\xe2\x82\xac")), QString::fromUtf16(u"|\\\u0020\u00ac"));

    // A surrogate pair is two code units and survives the round trip.
    const QString astral = q("a\xf0\x9f\x98\x80z");
    ASSERT_EQ(astral.size(), 4);
    const QString encoded = EncodeWideText(astral);
    EXPECT_EQ(encoded.size(), 10);
    for (QChar c : encoded) EXPECT_LE(c.unicode(), 0xFF);
    EXPECT_EQ(DecodeWideText(encoded), astral);

    EXPECT_EQ(DecodeWideText(encoded + u'x'), astral) << "a trailing odd character is dropped";
    EXPECT_EQ(DecodeWideText(q("plain \xc3\xa9")), q("plain \xc3\xa9"));
    EXPECT_EQ(DecodeWideText(q("|")), q("|"));
}

TEST(LineBreaks, EncodeAndDecodeForOneLineStores) {
    EXPECT_EQ(EncodeLineBreaks(ctl("a\r\nb\r\n")), ctl("a\t\bb\t\b"));
    EXPECT_EQ(EncodeLineBreaks(ctl("a\r\n\0b")), ctl("a\t\b\1b"));
    EXPECT_EQ(EncodeLineBreaks(ctl("a\nb\0")), ctl("a\nb\0")) << "unchanged without a CR";

    for (const QString& text : {ctl("a\r\nb"), ctl("\r\n"), ctl("x\r\n\r\ny\r\n"), ctl("a\r\n\0b"), q("plain")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks(text), true), text);
        QString copy = text;
        EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks(text), false), GetNextLine(copy, false));
    }
    // Known limits of the coding: a tab next to a line end comes back as CR, and lone CRs
    // (no LF, so no BS) come back as tabs.
    EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks(ctl("a\tb\r\nc")), true), ctl("a\rb\r\nc"));
    EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks(ctl("a\rb")), true), ctl("a\tb"));
    EXPECT_EQ(DecodeLineBreaks(ctl("a\tb"), true), ctl("a\tb")) << "tabs alone are no coding";
    EXPECT_EQ(DecodeLineBreaks(ctl("a\r\nb"), false), q("a")) << "first line of an uncoded text";
}

TEST(GetNextLine, TakesTheFirstLine) {
    const struct {
        QString text;
        bool keepRest;
        QString line;
        QString rest;
    } cases[] = {
        {ctl("a\r\nb"), true, q("a"), q("b")},
        {ctl("a\r\nb"), false, q("a"), QString()},
        {ctl("a\rb"), true, q("a"), q("b")},
        {ctl("a\n\rb"), true, ctl("a\n"), q("b")},
        {ctl("a\r\n\r\nb"), true, q("a"), ctl("\r\nb")},
        {ctl("\r\n"), true, QString(), QString()},
        {q("abc"), true, q("abc"), QString()},
        {QString(), true, QString(), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QString text = c.text;
        EXPECT_EQ(GetNextLine(text, c.keepRest), c.line);
        EXPECT_EQ(text, c.rest);
    }
    EXPECT_EQ(LineCount(ctl("a\r\nb\rc"), true), 3);
    EXPECT_EQ(LineCount(ctl("a\r\nb\rc"), false), 1);
    EXPECT_EQ(LineCount(ctl("a\nb"), true), 1);
}

TEST(LineBreaks, TildesEscapesAndLineFeeds) {
    QString s = ctl("a\r\nb\rc\nd");
    CRToTilde(s);
    EXPECT_EQ(s, q("a~b~cd"));
    TildeToCRLF(s);
    EXPECT_EQ(s, ctl("a\r\nb\r\ncd"));
    s = q("^");
    TildeToCRLF(s);
    EXPECT_EQ(s, QString());
    s = q("^^");
    TildeToCRLF(s);
    EXPECT_EQ(s, q("^^"));

    EXPECT_EQ(EscapeNewlines(ctl("Title\r\nLine 2\r")), q("Title\\nLine 2\\n"));
    EXPECT_EQ(UnescapeNewlines(q("Title\\nLine 2\\n")), ctl("Title\rLine 2\r"));
    EXPECT_EQ(UnescapeNewlines(q("C:\\new")), ctl("C:\rew"));  // any backslash-n is a line end
    EXPECT_EQ(RemoveCR(ctl("a\r\nb\r")), ctl("a\nb"));
    EXPECT_EQ(CRToLF(ctl("a\r\nb\rc")), ctl("a\n\nb\nc"));
    s = ctl("a\r\nb\rc\n\r\n");
    CRLFToLF(s);
    EXPECT_EQ(s, ctl("a\nb\rc\n\n"));
}

TEST(CSVFields, QuotesAndLineBreaksInsideFields) {
    EXPECT_EQ(DoubleQuoteChars(q("say \"hi\"")), q("say \"\"hi\"\""));
    EXPECT_EQ(DoubleQuoteChars(QString()), QString());

    QString s = ctl("x\r\ny");
    LinesToCSVField(s);
    EXPECT_EQ(s, ctl("\"x\vy\""));
    s = ctl("a\rb\nc");
    LinesToCSVField(s);
    EXPECT_EQ(s, ctl("\"a\rb\nc\"")) << "lone CR and LF stay";
    s = ctl("x\vy\v");
    CSVFieldToLines(s);
    EXPECT_EQ(s, ctl("x\r\ny\r\n"));
    s = q("xy");
    CSVFieldToLines(s);
    EXPECT_EQ(s, q("xy"));

    EXPECT_EQ(RemoveDoubleChars(u'"', q("a\"\"b")), q("a\"b"));
    EXPECT_EQ(RemoveDoubleChars(u'"', q("\"\"\"")), q("\"\""));
    EXPECT_EQ(RemoveDoubleChars(u'"', q("\"\"\"\"")), q("\"\""));
    EXPECT_EQ(RemoveDoubleChars(u'"', q("a\"b")), q("a\"b"));
    EXPECT_EQ(RemoveDoubleChars(u'"', q("ab")), q("ab"));
}

TEST(CSVFields, ClosingQuotePosition) {
    const struct {
        const char* text;
        int pos;
        int count;
    } cases[] = {
        {"ab\"c", 3, 1},
        {"a\"\"b\"", 5, 1},  // the doubled quotes are skipped
        {"a\"\"", 3, 1},  // a quote at the end always closes
        {"a\"\"\"b", 4, 1},
        {"\"a\",\"b\"", 1, 4},
        {"\"\"", 2, 1},
        {"abc", 0, 0},
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int p = -1;
        EXPECT_EQ(SingleCharPos(u'"', q(c.text), p), c.pos);
        EXPECT_EQ(p, c.pos);
        EXPECT_EQ(SingleCharCount(u'"', q(c.text)), c.count);
    }
}

// A cell with quotes and a line break goes out as one field and comes back whole, the way the
// grid's CSV writer and reader use these routines.
TEST(CSVFields, CellRoundTrip) {
    const QString cell = ctl("say \"hi\"\r\n\"bye\"");
    QString field = DoubleQuoteChars(cell);
    LinesToCSVField(field);
    const QString line = field + u',' + q("next");

    QString rest = line.mid(1);  // after the opening quote
    int close = 0;
    ASSERT_GT(SingleCharPos(u'"', rest, close), 0);
    QString read = RemoveDoubleChars(u'"', rest.left(close - 1));
    CSVFieldToLines(read);
    EXPECT_EQ(read, cell);
    EXPECT_EQ(rest.mid(close), q(",next"));
}
