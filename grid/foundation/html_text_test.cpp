#include "grid/foundation/html_text.h"

#include <gtest/gtest.h>

namespace {
QString q(const char* text) { return QString::fromUtf8(text); }
}  // namespace

TEST(HTMLToPlainText, BreaksLinesAndDropsOtherTags) {
    const struct {
        const char* html;
        const char* plain;
    } cases[] = {
        {"a<br>b<B>c</B>", "a\r\nbc"},
        {"a<Hr>b<BR>", "a\r\nb\r\n"},
        {"a&amp;b", "a&amp;b"},       // entities stay
        {"a<b", "a<b"},               // no ">" follows: the rest is kept once
        {"a>b<i>c", "a>bc"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(HTMLToPlainText(q(c.html)), q(c.plain)) << c.html;
}

TEST(StripHTMLTags, KeepsTextThatOnlyHoldsAngleBrackets) {
    const struct {
        const char* html;
        const char* visible;
    } cases[] = {
        {"a<b>c", "ac"},
        {"<font color=\"clred\">x</font>y", "xy"},
        {"x > y <b>z", "x > y <b>z"},
        {"a<b>b > c<i>d", "ab > c<i>d"},
        {"a<b", "a<b"},
    };
    for (const auto& c : cases) EXPECT_EQ(StripHTMLTags(q(c.html)), q(c.visible)) << c.html;
}

TEST(TextPosToHTMLPos, PlacesBeforeTheTagsThatFollowAVisibleCharacter) {
    const struct {
        const char* html;
        int n, pos;
    } cases[] = {
        {"a<b>c", 1, 1}, {"a<b>c", 2, 2}, {"a<b>c", 3, 6}, {"a<b>c", 4, 0},
        {"<b>a</b>", 1, 1}, {"<b>a</b>", 2, 5}, {"", 1, 1}, {"", 2, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(TextPosToHTMLPos(q(c.html), c.n), c.pos) << c.html << " " << c.n;
}

TEST(FindVisibleText, SearchesAfterTheOffsetWithOrWithoutCase) {
    int pos = -1;
    EXPECT_TRUE(FindVisibleText(q("b"), q("abab"), 0, pos, true));
    EXPECT_EQ(pos, 2);
    EXPECT_TRUE(FindVisibleText(q("b"), q("abab"), 2, pos, true));
    EXPECT_EQ(pos, 4) << "counted in the whole text";
    EXPECT_FALSE(FindVisibleText(q("B"), q("abab"), 0, pos, true));
    EXPECT_EQ(pos, 0);
    EXPECT_TRUE(FindVisibleText(q("É"), q("xé"), 0, pos, false));
    EXPECT_EQ(pos, 2);
    EXPECT_TRUE(FindVisibleText(q("x"), q("straße x"), 0, pos, false));
    EXPECT_EQ(pos, 8) << "upper-casing keeps positions";
    EXPECT_FALSE(FindVisibleText(QString(), q("abc"), 0, pos, false));
}

TEST(HilightHTML, MarksMatchesInTheVisibleText) {
    const struct {
        const char* html;
        const char* search;
        bool caseSensitive;
        const char* marked;
    } cases[] = {
        {"aaaa", "aa", true, "<HI>aa</HI>aa"},                 // the next search starts one past a match
        {"aaa", "aa", true, "<HI>aa</HI>a"},                   // overlapping: the first only
        {"aa aa", "aa", true, "<HI>aa</HI> <HI>aa</HI>"},
        {"a<b>bc</b>d", "bc", true, "a<HI><b>bc</HI></b>d"},  // before the tags that follow
        {"<b>ab</b>cd", "bc", true, "<b>a<HI>b</b>c</HI>d"},   // across a closing tag
        {"<i><b>xy</b></i>", "xy", true, "<HI><i><b>xy</HI></b></i>"},
        {"Hello hello", "HELLO", false, "<HI>Hello</HI> <HI>hello</HI>"},
        {"Hello", "HELLO", true, "Hello"},
        {"a < b", "b", true, "a &lt; <HI>b</HI>"},
        {"a < B", "b", false, "a &lt; <HI>B</HI>"},
        {"abc", "", true, "abc"},
    };
    for (const auto& c : cases) {
        QString result;
        HilightHTML(q(c.html), q(c.search), q("HI"), result, c.caseSensitive);
        EXPECT_EQ(result, q(c.marked)) << c.html << " / " << c.search;
    }
}

TEST(HilightHTML, UnHilightGivesTheTextBack) {
    for (const char* html : {"aa aa", "a<b>bc</b>d", "<b>ab</b>cd", "x &lt; y"}) {
        QString marked, back;
        HilightHTML(q(html), q("b"), q("HI"), marked, false);
        UnHilightHTML(marked, q("hi"), back);
        EXPECT_EQ(back, QString(q(html)).replace("&lt;", "<")) << html;
    }
    QString back;
    UnHilightHTML(q("a &lt; <hi>b</Hi>"), q("HI"), back);
    EXPECT_EQ(back, q("a < b"));
}

TEST(HilightHTML, StrayBracketsNeverMarkOutsideTheText) {
    // "<" without ">" after a tag: the search sees it as text, the positions as an open tag.
    QString result;
    HilightHTML(q("<i>a</i> < b"), q("a < b"), q("HI"), result, true);
    EXPECT_EQ(result, q("<HI><i>a</i> < b</HI>"));
}
