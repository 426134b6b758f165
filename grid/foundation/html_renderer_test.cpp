#include "grid/foundation/html_renderer.h"

#include "grid/foundation/html_render_fixture.h"
#include "platform/graphics/bidi_mode.h"
#include "platform/graphics/text_line.h"

#include <QElapsedTimer>
#include <QStringList>

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

TEST_F(HTMLRenderTest, MeasuresATableOfSamples) {
    // Widths as the runs of the widest line ("|" between runs: each is measured on its own),
    // heights in lines of "gh".
    const struct {
        const char* html;
        const char* runs;
        int lines;
        const char* plain;
        int anchors;
    } cases[] = {
        {"", "", 1, "", 0},
        {"plain text", "plain |text", 1, "plain text", 0},
        {"a&amp;b", "a&b", 1, "a&&b", 0},
        {"A&B", "AB", 1, "A&B", 0},                     // the single "&" underlines B
        {"a & b", "a |& |b", 1, "a & b", 0},              // nothing to underline: the "&" shows
        {"&lt;B&gt;", "<B>", 1, "<B>", 0},              // shown, not a tag
        {"x&COPY;&euro;", "x\u00A9\u20AC", 1, "x\u00A9\u20AC", 0},
        {"<#12>", "#12", 1, "#12", 0},
        {"one\r\ntwo", "one", 2, "one\rtwo", 0},
        {"one<BR><BR>two", "one", 3, "one\r\rtwo", 0},  // an empty line between
        {"<Z>key</Z>visible", "visible", 1, "keyvisible", 0},
        {"<b>x</b><B>x</B>", "x|x", 1, "xx", 0},
        {"<BIG>x</BIG><QQ>y", "x|y", 1, "xy", 0},
        {"a < b", "a", 1, "a ", 0},                     // a tag without ">" ends the text
        {"ab<", "ab", 1, "ab", 0},
        {"ab<x", "ab", 1, "ab", 0},
        {"<A HREF=\"one\">first</A> <A HREF=\"two\">second</A>", "first| |second", 1, "first second", 2},
        {"<UL><LI>one<LI>two</UL>", "two", 3, "onetwo", 0},
    };
    for (const auto& c : cases) {
        const THTMLDrawResults r = measure(q(c.html));
        int expectedWidth = QByteArray(c.html).startsWith("<UL>") ? 12 : 0;
        for (const QString& run : q(c.runs).split('|')) expectedWidth += width(run);
        EXPECT_EQ(r.MaxLineWidth, expectedWidth) << c.html;
        EXPECT_EQ(r.TotalHeight, c.lines * gh()) << c.html;
        EXPECT_EQ(r.PlainText, q(c.plain)) << c.html;
        EXPECT_EQ(r.AnchorCount, c.anchors) << c.html;
    }
}

TEST_F(HTMLRenderTest, WordWrapBreaksAtSpacesAndKeepsLongWordsWhole) {
    const int both = width("first second");
    // Room for either word but not both: two lines, the first without its trailing space.
    THTMLDrawResults r = measure("first second", {0, 0, 1 + width("second") + 2, 200});
    EXPECT_EQ(r.TotalHeight, 2 * gh());
    EXPECT_EQ(r.MaxLineWidth, width("second"));
    r = measure("first second", {0, 0, 1 + both + 5, 200});
    EXPECT_EQ(r.TotalHeight, gh());
    // A word wider than the rectangle stays on its line.
    r = measure("unbreakable", {0, 0, 10, 200});
    EXPECT_EQ(r.TotalHeight, gh());
    EXPECT_EQ(r.MaxLineWidth, width("unbreakable"));
    // A word split by a tag stays together.
    r = measure("ab<B>cd</B>", {0, 0, 1 + width("ab") + 1, 200});
    EXPECT_EQ(r.TotalHeight, gh());
}

TEST_F(HTMLRenderTest, WithoutWordWrapALineIsCutWithAnEllipsis) {
    THTMLDrawOptions o;
    o.WordWrap = false;
    const THTMLDrawResults r = measure("two words", {0, 0, 30, 200}, o);
    EXPECT_EQ(r.TotalHeight, gh());
    EXPECT_EQ(r.MaxLineWidth, width("two words"));  // measured whole, for fitting columns
    draw("WWWW WWWW WWWW", {0, 0, 40, 50}, o);
    EXPECT_LE(inked(clBlack).Right, 39);
    EXPECT_GT(count(clBlack), 0);
    // The first run past the edge is the last: what follows it is not laid out.
    const THTMLDrawResults cut = measure("a <B>wide</B> tail<BR>next", {0, 0, width("a ") + width("wide"), 200}, o);
    EXPECT_EQ(cut.TotalHeight, gh());
    EXPECT_EQ(cut.PlainText, "a wide");
}

TEST_F(HTMLRenderTest, HitTestsAnchorsAndFramesTheFocusedOne) {
    const QString text = "<A HREF=\"one\" TITLE=\"First\">first</A> <A HREF=\"two\">second</A>";
    const int secondLeft = 1 + width("first") + width(" ");
    THTMLDrawResults r;
    ASSERT_TRUE(hitTest(text, secondLeft + 5, gh() / 2, r));
    EXPECT_EQ(r.HitHref, "two");
    EXPECT_EQ(r.HitAnchor, 2);
    EXPECT_EQ(r.AnchorCount, 2);
    EXPECT_EQ(r.HitAnchorRect, (TRect{secondLeft, 0, secondLeft + width("second"), gh()}));

    THTMLDrawResults first;
    ASSERT_TRUE(hitTest(text, 3, gh() / 2, first));
    EXPECT_EQ(first.HitHref, "one");
    EXPECT_EQ(first.HitTitle, "First");
    EXPECT_EQ(first.HitAnchor, 1);

    THTMLDrawResults none;
    EXPECT_FALSE(hitTest(text, secondLeft + width("second") + 10, gh() / 2, none));
    EXPECT_EQ(none.HitAnchor, -1);
    EXPECT_TRUE(none.HitHref.isEmpty());
    EXPECT_FALSE(hitTest(text, 3, gh() + 5, none));  // below the line

    // Drawn with anchor 0 focused: a dotted frame one pixel wider than the word on each side.
    THTMLDrawOptions o;
    o.FocusAnchor = 0;
    const THTMLDrawResults painted = draw(text, area, o);
    EXPECT_EQ(painted.FocusHref, "one");
    const int right = 1 + width("first") + 1;  // the frame's right edge, exclusive
    EXPECT_EQ(at(0, 0), clBlack);
    EXPECT_EQ(at(1, 0), Paper);
    EXPECT_EQ(at(0, gh() - 1), (gh() - 1) % 2 ? Paper : clBlack);
    EXPECT_NE(count(clBlack, {right - 1, 0, right, gh()}), 0);
    EXPECT_EQ(count(clBlack, {right, 0, right + 1, gh()}), 0);
}

TEST_F(HTMLRenderTest, RightAlignedAnchorsAreHitToTheirEnd) {
    const QString text = "<P ALIGN=\"RIGHT\">go <A HREF=\"end\">there</A>";
    THTMLDrawResults r;
    ASSERT_TRUE(hitTest(text, 300 - width("there") / 2, gh() / 2, r));
    EXPECT_EQ(r.HitHref, "end");
    EXPECT_EQ(r.HitAnchor, 1);
    EXPECT_EQ(r.HitAnchorRect, (TRect{300 - width("there"), 0, 300, gh()}));
}

TEST_F(HTMLRenderTest, AnchorsTakeTheURLColourUnlessColoursAreKept) {
    THTMLDrawOptions o;
    o.URLColor = clRed;
    draw("<A HREF=\"x\">WWW</A> WWW", area, o);
    EXPECT_GT(count(clRed), 0);
    const TRect red = inked(clRed);
    EXPECT_LT(red.Right, 1 + width("WWW") + 1);  // the colour ends with the anchor

    canvas.FillRect(area);
    o.KeepColours = true;
    draw("<A HREF=\"x\">WWW</A>", area, o);
    EXPECT_EQ(count(clRed), 0);
    // Still underlined: a black row under the whole word.
    const TRect black = inked(clBlack);
    EXPECT_EQ(count(clBlack, {black.Left, black.Bottom, black.Right + 1, black.Bottom + 1}), black.Right - black.Left + 1);
}

TEST_F(HTMLRenderTest, DrawingStopsAtTheFirstLineThatDoesNotFit) {
    const QString text = "a<BR>b<BR>c";
    EXPECT_EQ(measure(text, {0, 0, 300, gh() * 3 / 2}).TotalHeight, 3 * gh());
    const THTMLDrawResults drawn = draw(text, {0, 0, 300, gh() * 3 / 2});
    EXPECT_EQ(drawn.TotalHeight, gh());
    EXPECT_EQ(notPaper({0, gh(), 300, 200}), 0);
}

TEST_F(HTMLRenderTest, TheCanvasIsGivenBackAsItWas) {
    canvas.Pen.Color = clTeal;
    canvas.Pen.Width = 3;
    canvas.Brush.Color = clSilver;
    canvas.Font.SetStyle(fsItalic);
    draw("<B><FONT COLOR=\"clred\" SIZE=\"5\" FACE=\"Tahoma\"><HI>x<P BGCOLOR=\"clblue\"><E>y<R a=\"90\">z");
    EXPECT_EQ(canvas.Pen.Color, clTeal);
    EXPECT_EQ(canvas.Pen.Width, 3);
    EXPECT_EQ(canvas.Brush.Color, clSilver);
    EXPECT_EQ(canvas.Brush.Style, bsSolid);
    EXPECT_EQ(canvas.Font.Style(), fsItalic);
    EXPECT_EQ(canvas.Font.Height(), -13);
    EXPECT_EQ(canvas.Font.Name(), "Verdana");
    EXPECT_EQ(canvas.Font.Orientation(), 0);
}

TEST_F(HTMLRenderTest, MeasuringAloneCarriesListsAndHiddenTextAcrossLines) {
    // Only-measuring calls lay out as drawing ones do.
    EXPECT_EQ(measure("<UL><LI>one</UL>").MaxLineWidth, 12 + width("one"));
    EXPECT_EQ(measure("<Z>a<BR>hidden</Z>x").MaxLineWidth, width("x"));
    EXPECT_EQ(measure("<A HREF=\"1\">a</A><BR><A HREF=\"2\">b</A>").AnchorCount, 2);
}

TEST_F(HTMLRenderTest, MalformedMarkupDrawsWhatItCan) {
    QString deep;
    for (int i = 0; i < 5000; ++i) deep += "<UL><FONT SIZE=\"7\"><A HREF=\"x\">";
    QString many;
    for (int i = 0; i < 20000; ++i) many += "w <B>&amp;</B>&lt;<#x> ";
    const QString cases[] = {
        "<", "<<<<", "<A", "</", "</>", "<>x", "<A HREF=\"", "&", "&amp", "&amp;amp;quot;", "<#", "<#<#>>",
        "<FONT SIZE=99999999999>x", "<FONT SIZE=\"-3\">x", "<IMG SRC=\"IDX:-1\">", "<IMG SRC=\"IDX:99999999999\">",
        "<IMG WIDTH=\"99999999999\" SRC=\"x\">", "<CONTROL TYPE=\"EDIT\" WIDTH=\"-5\">", "<CONTROL WIDTH=\"x\">",
        "<CONTROL TYPE=\"BUTTON\" WIDTH=\"9999999999\" HEIGHT=\"9999999999\">", "<IND x=\"2147483647\">a",
        "<R a=\"99999999999\">x</R>", "</UL></UL></UL>x", "<P INDENT=\"99999999999\">x", "\t<SUB><SUP>x",
        "<BODY BACKGROUND=\"nothing\" BGCOLOR=\"#\">", "<CONTROL TYPE=\"COMBO\" WIDTH=\"3\">", deep, many};
    for (const QString& text : cases) {
        for (const bool wrap : {true, false}) {
            THTMLDrawOptions o;
            o.WordWrap = wrap;
            o.FocusAnchor = 0;
            const THTMLDrawResults m = measure(text, area, o);
            EXPECT_GE(m.MaxLineWidth, 0) << qPrintable(text.left(40));
            EXPECT_GT(m.TotalHeight, 0) << qPrintable(text.left(40));
            draw(text, area, o);
            THTMLDrawResults h;
            hitTest(text, 5, 5, h, area, o);
        }
    }
}

TEST_F(HTMLRenderTest, AHugeTextIsLaidOutInLinearTime) {
    QString text;
    for (int i = 0; i < 30000; ++i) text += "word <B>bold</B> &amp; more<BR>";
    QElapsedTimer timer;
    timer.start();
    const THTMLDrawResults r = measure(text);
    EXPECT_EQ(r.TotalHeight, 30000 * gh());
    // Long stretches without tags, wrapped at every word.
    const THTMLDrawResults words = measure(QString("word ").repeated(100000), {0, 0, 100, 200});
    EXPECT_GT(words.TotalHeight, 10000 * gh());  // the last <BR> starts no line
    // A quadratic layout would take minutes here.
    EXPECT_LT(timer.elapsed(), 60000);
}

TEST(HTMLRunFlags, TurnForRightToLeftOnlyOnARightToLeftLocale) {
    SetSysLocaleMiddleEastForTests(false);
    EXPECT_EQ(BiDiDrawTextFlags(DT_RIGHT, bdRightToLeft), unsigned(DT_RIGHT));
    SetSysLocaleMiddleEastForTests(true);
    const struct {
        unsigned flags;
        TBiDiMode mode;
        unsigned expected;
    } cases[] = {
        {DT_LEFT, bdLeftToRight, DT_LEFT},
        {DT_RIGHT, bdRightToLeft, DT_RTLREADING},
        {DT_LEFT, bdRightToLeft, unsigned(DT_RIGHT) | DT_RTLREADING},
        {DT_CENTER, bdRightToLeft, unsigned(DT_CENTER) | DT_RTLREADING},
        {DT_LEFT, bdRightToLeftNoAlign, DT_RTLREADING},
        {DT_RIGHT, bdRightToLeftReadingOnly, unsigned(DT_RIGHT) | DT_RTLREADING},
    };
    for (const auto& c : cases) EXPECT_EQ(BiDiDrawTextFlags(c.flags, c.mode), c.expected) << c.flags << " " << c.mode;
    SetSysLocaleMiddleEastForTests(std::nullopt);
}

}  // namespace
