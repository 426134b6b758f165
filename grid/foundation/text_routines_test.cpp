#include "grid/foundation/text_routines.h"

#include "platform/system/regional.h"

#include <gtest/gtest.h>

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TEST(TextPositions, OneBasedAndZeroWhenAbsent) {
    EXPECT_EQ(CharPos(u'b', q("abcb")), 2);
    EXPECT_EQ(CharPos(u'x', q("abc")), 0);
    EXPECT_EQ(CharPos(u'a', QString()), 0);
    EXPECT_EQ(CharCount(u'b', q("abcb")), 2);
    EXPECT_EQ(CharCount(u'x', QString()), 0);

    int p = 7;
    EXPECT_EQ(VarCharPos(u'x', q("abc"), p), 0);
    EXPECT_EQ(p, 7) << "left untouched when absent";
    EXPECT_EQ(VarCharPos(u'c', q("abc"), p), 3);
    EXPECT_EQ(p, 3);
    EXPECT_EQ(VarPos(q("bc"), q("abc"), p), 2);
    EXPECT_EQ(p, 2);
    EXPECT_EQ(VarPos(q("x"), q("abc"), p), 0);
    EXPECT_EQ(p, 0) << "always stored";

    // Positions count UTF-16 code units, so a character beyond the BMP takes two.
    EXPECT_EQ(WidePos(q("b"), q("\xf0\x9f\x98\x80" "b")), 3);
    EXPECT_EQ(WidePos(QString(), q("abc")), 0);
}

TEST(UpperCasePos, UpperCasesOnlyTheAsciiLettersOfTheText) {
    EXPECT_EQ(UpperCasePos(q("BC"), q("abc")), 2);
    EXPECT_EQ(UpperCasePos(q("bc"), q("abc")), 0) << "the searched text is not converted";
    EXPECT_EQ(UpperCasePos(q("X\xc3\x89"), q("x\xc3\xa9")), 0) << "only a..z are upper-cased";
    EXPECT_EQ(UpperCasePos(q("X\xc3\xa9"), q("x\xc3\xa9")), 1);
}

TEST(ExtractToken, CutsTheTextBeforeTheSeparator) {
    const struct {
        const char* text;
        const char* sep;
        const char* token;
        const char* rest;
    } cases[] = {
        {"a,b", ",", "a", "b"},
        {"ab", ",", "", "ab"},
        {",b", ",", "", "b"},
        {"a,", ",", "a", ""},
        {"a,b,c", ",", "a", "b,c"},
        {"a::b", "::", "a", ":b"},  // only one character of the separator goes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QString text = q(c.text);
        EXPECT_EQ(ExtractToken(text, q(c.sep)), q(c.token));
        EXPECT_EQ(text, q(c.rest));
    }
}

TEST(TextHelpers, ConcatFillAndOem) {
    EXPECT_EQ(ConcatStrings({q("a"), QString(), q("bc")}), q("abc"));
    EXPECT_EQ(ConcatStrings({}), QString());

    QString password = q("p\xf0\x9f\x98\x80w");
    FillChars(password, u'*');
    EXPECT_EQ(password, q("****"));

    SetOemCodePage("CP437");
    QString text = q("caf\xc3\xa9");
    StringToOem(text);
    EXPECT_EQ(text, QString::fromUtf16(u"caf\u0082"));
    OemToString(text);
    EXPECT_EQ(text, q("caf\xc3\xa9"));
}

TEST(ParseRowColRef, RowThenColumnInAnyCase) {
    const struct {
        const char* text;
        bool ok;
        TPoint cell;
    } cases[] = {
        {"R1C2", true, {2, 1}},
        {"r10c3", true, {3, 10}},
        {"R 5C 6", true, {6, 5}},  // the integer conversion skips leading blanks
        {"R0C0", true, {0, 0}},
        {"R1C", false, {}},  // too short
        {"R12C", false, {}},
        {"RC12", false, {}},
        {"C1R2", false, {}},
        {"R1X2", false, {}},
        {"Rz1C2", false, {}},
        {"R$aC1", true, {1, 10}},  // the integer conversion reads hex too
        {"R1C2 ", false, {}},
        {"R1C2C3", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TPoint p{-1, -1};
        EXPECT_EQ(ParseRowColRef(q(c.text), p), c.ok);
        EXPECT_EQ(p, (c.ok ? c.cell : TPoint{-1, -1}));
    }
}

TEST(CellInGridRect, BoundsIncluded) {
    struct TGridRect {
        int Left, Top, Right, Bottom;
    };
    const TGridRect r{1, 2, 3, 4};
    EXPECT_TRUE(CellInGridRect(r, 1, 2));
    EXPECT_TRUE(CellInGridRect(r, 3, 4));
    EXPECT_FALSE(CellInGridRect(r, 0, 3));
    EXPECT_FALSE(CellInGridRect(r, 4, 3));
    EXPECT_FALSE(CellInGridRect(r, 2, 1));
    EXPECT_FALSE(CellInGridRect(r, 2, 5));
}

TEST(NameCase, PersonNames) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"o'neil-smith", "O'Neil-Smith"},
        {"mcdonald", "McDonald"},
        {"ronald mcdonald", "Ronald McDonald"},
        {"henry iii", "Henry III"},
        {"HENRY II", "Henry II"},
        {"ivan ivanov", "Ivan Ivanov"},  // numerals only at the end
        {"JOHN q. PUBLIC, jr.", "John Q. Public, Jr."},
        {"\xc3\xa9mile zola", "\xc3\x89mile Zola"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(NameCase(q(c.text)), q(c.expected)) << c.text;
}
