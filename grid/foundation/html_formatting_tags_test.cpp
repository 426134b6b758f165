#include "grid/foundation/html_render_fixture.h"

namespace {

class HTMLFormattingTest : public HTMLRenderTest {
protected:
    int heightAt(int points) {
        const int height = canvas.Font.Height();
        canvas.Font.SetSize(points);
        const int h = gh();
        canvas.Font.SetHeight(height);
        return h;
    }
    // Ink (anything but paper) between two x positions.
    TRect ink(int left, int right) {
        TRect box{right, 200, -1, -1};
        for (int y = 0; y < 200; ++y)
            for (int x = left; x < right; ++x)
                if (at(x, y) != Paper) {
                    box.Left = std::min(box.Left, x), box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x), box.Bottom = std::max(box.Bottom, y);
                }
        return box;
    }
    TRect anchorRect(const QString& text, int x, int y) {
        THTMLDrawResults r;
        EXPECT_TRUE(hitTest(text, x, y, r)) << qPrintable(text);
        return r.HitAnchorRect;
    }
};

TEST_F(HTMLFormattingTest, FontSizesAreStepsOrPointsAndTheClosingTagGoesBackToTheBaseFont) {
    const struct {
        const char* html;
        int points;
    } cases[] = {
        {"<FONT SIZE=3>gh</FONT>", 12},   {"<FONT SIZE=\"3\">gh</FONT>", 12}, {"<font size=\"1\">gh", 8},
        {"<FONT SIZE=\"5\">gh", 16},       {"<FONT SIZE=\"7\">gh", 7},          {"<FONT SIZE=\"24\">gh", 24},
    };
    // A line is at least as tall as "gh" in the font it starts with.
    for (const auto& c : cases) EXPECT_EQ(measure(c.html).TotalHeight, std::max(gh(), heightAt(c.points))) << c.html;
    // Nested tags: one closing tag restores the base font, not the enclosing one.
    const THTMLDrawResults r = measure("<FONT SIZE=\"2\"><FONT SIZE=\"5\">x</FONT><BR>gh");
    EXPECT_EQ(r.TotalHeight, heightAt(16) + gh());
    // A size that is no number is size 0, the default size.
    canvas.Font.SetHeight(-DefaultFontPixelHeight);
    const int defaultHeight = gh();
    canvas.Font.SetHeight(-6);
    EXPECT_EQ(measure("<FONT FACE=\"Verdana\" SIZE=\"x\">gh").TotalHeight, defaultHeight);
}

TEST_F(HTMLFormattingTest, ColoursOfTextAndBackground) {
    draw("<FONT COLOR=\"clRed\">WW</FONT>WW<FONT color=\"#00FF00\">WW</FONT>");
    const int w = width("WW");
    EXPECT_GT(count(clRed, {0, 0, 1 + w, 50}), 0);
    EXPECT_EQ(count(clRed, {1 + w, 0, 300, 50}), 0);
    EXPECT_GT(count(clBlack, {1 + w, 0, 1 + 2 * w, 50}), 0);
    EXPECT_GT(count(clLime, {1 + 2 * w, 0, 300, 50}), 0);

    canvas.FillRect(area);
    THTMLDrawOptions keep;
    keep.KeepColours = true;
    draw("<FONT COLOR=\"clRed\" BGCOLOR=\"clYellow\">WW</FONT>", area, keep);
    EXPECT_EQ(count(clRed) + count(clYellow), 0);

    canvas.FillRect(area);
    draw("<FONT BGCOLOR=\"clYellow\">WW</FONT>WW");
    EXPECT_EQ(inked(clYellow), (TRect{1, 0, w, gh() - 1}));

    canvas.FillRect(area);
    SetHTMLHilightColors(clAqua, clRed);
    draw("a<HI>WW</HI>b");
    SetHTMLHilightColors(clHighlight, clHighlightText);
    EXPECT_EQ(inked(clAqua).Left, 1 + width("a"));
    EXPECT_GT(count(clRed), 0);
    EXPECT_EQ(count(clRed, {0, 0, 1 + width("a"), 50}), 0);
}

TEST_F(HTMLFormattingTest, BlinkingTextKeepsItsPlaceInTheBackgroundColour) {
    THTMLDrawOptions o;
    o.BlinkVisible = false;
    EXPECT_EQ(measure("<BLINK>WW</BLINK>x", area, o).MaxLineWidth, width("WW") + width("x"));
    draw("<BLINK>WW</BLINK>", area, o);
    EXPECT_EQ(notPaper(), 0);
    o.BlinkVisible = true;
    draw("<BLINK>WW</BLINK>", area, o);
    EXPECT_GT(count(clBlack), 0);
}

TEST_F(HTMLFormattingTest, ParagraphsAlignAndIndentTheirLinesUntilChanged) {
    const QString text = "<P ALIGN=\"RIGHT\"><A HREF=\"1\">one</A><BR><A HREF=\"2\">two</A><BR>"
                         "<P ALIGN=\"LEFT\"><A HREF=\"3\">three</A>";
    EXPECT_EQ(anchorRect(text, 300 - 2, gh() / 2).Right, 300);
    EXPECT_EQ(anchorRect(text, 300 - 2, gh() + gh() / 2), (TRect{300 - width("two"), gh(), 300, 2 * gh()}));
    EXPECT_EQ(anchorRect(text, 3, 2 * gh() + gh() / 2).Left, 1);
    EXPECT_EQ(anchorRect("<P INDENT=\"20\" ALIGN=\"CENTER\"><A HREF=\"x\">x</A>", 150 + 20, gh() / 2).Left,
              1 + (299 - width("x")) / 2 + 20);
}

TEST_F(HTMLFormattingTest, ListItemsTakeALineEachWithABulletBeforeTheirText) {
    draw("<UL><LI>one<LI>two</UL>");
    // The UL line break leaves the first line empty.
    EXPECT_EQ(notPaper({0, 0, 300, gh()}), 0);
    for (const int line : {1, 2}) {
        const int top = line * gh();
        EXPECT_GT(notPaper({0, top, 13, top + gh()}), 0) << "the bullet of line " << line;
        EXPECT_GT(notPaper({13, top, 13 + width("one"), top + gh()}), 0) << "the text of line " << line;
    }
    EXPECT_EQ(measure("<UL><UL><LI>x</UL></UL>").MaxLineWidth, 24 + width("x"));
}

TEST_F(HTMLFormattingTest, AClosingListWithoutAListEndsTheUnderline) {
    draw("<U>ab</UL>cd");
    const TRect underlined = ink(1, 1 + width("ab"));
    const TRect plain = ink(1 + width("ab") + 1, 1 + width("abcd"));
    EXPECT_GT(underlined.Bottom, plain.Bottom);
}

TEST_F(HTMLFormattingTest, ARuleEndsTheLineAndCrossesItJustBelowTheText) {
    const THTMLDrawResults r = draw("a<HR>b");
    EXPECT_EQ(r.TotalHeight, 2 * gh());
    // From the line's left to its right, which the line leaves out.
    EXPECT_EQ(at(0, gh() + 1), Paper);
    EXPECT_EQ(count(clBlack, {0, gh() + 1, 300, gh() + 2}), 299);
}

TEST_F(HTMLFormattingTest, SubscriptsAndSuperscriptsMakeRoomAndMove) {
    const int room = canvas.TextHeight("2") / 4;
    EXPECT_EQ(measure("x<SUB>2</SUB>").TotalHeight, gh() + room);
    EXPECT_EQ(measure("x<SUP>2</SUP>").TotalHeight, gh() + room);
    EXPECT_EQ(measure("<SUB>a<BR>b").TotalHeight, gh() + room + gh());  // off again on the next line

    const int x = 1 + width("x");
    draw("x<SUB>2</SUB>");
    EXPECT_EQ(ink(x, x + width("2")).Bottom, ink(1, x).Bottom + room);
    canvas.FillRect(area);
    draw("x<SUP>2</SUP>");
    EXPECT_EQ(ink(x, x + width("2")).Bottom, ink(1, x).Bottom - room);
}

TEST_F(HTMLFormattingTest, AnErrorMarkIsARedZigzagUnderTheRun) {
    draw("<E>WWW</E>WW");
    const TRect red = inked(clRed);
    EXPECT_EQ(red.Top, gh() - 1);
    EXPECT_EQ(red.Bottom, gh() + 1);
    EXPECT_EQ(red.Left, 0);  // from the run's left taken down to an even x
    EXPECT_GE(red.Right, width("WWW"));
    EXPECT_LE(red.Right, 2 + width("WWW"));
    EXPECT_EQ(at(0, gh() + 1), clRed);
    EXPECT_EQ(at(2, gh() - 1), clRed);
    EXPECT_EQ(at(4, gh() + 1), clRed);
}

TEST_F(HTMLFormattingTest, ShadowsLieUnderTheTextByTheOffset) {
    THTMLDrawOptions o;
    o.ShadowOffset = 2;
    o.ShadowColor = clRed;
    draw("<SHAD>WW</SHAD>", area, o);
    const TRect shadow = inked(clRed), text = inked(clBlack);
    EXPECT_EQ(shadow.Bottom, text.Bottom + 2);
    EXPECT_EQ(shadow.Right, text.Right + 2);
}

TEST_F(HTMLFormattingTest, TurnedTextRunsUpwards) {
    draw("<BR><BR><BR><BR><R a=\"90\">WWWWWW</R>");
    const TRect text = inked(clBlack);
    EXPECT_GT(text.Bottom - text.Top, 2 * (text.Right - text.Left));
}

TEST_F(HTMLFormattingTest, IndentsMoveTheNextRunOnlyForward) {
    EXPECT_EQ(measure("a<IND x=\"50\">b").MaxLineWidth, 50 + width("b"));
    EXPECT_EQ(measure("WWWW<IND x=\"5\">b").MaxLineWidth, width("WWWW") + width("b"));
    // Drawn as measured: an indent behind the text does not put the next run over it.
    draw("WWWW<IND x=\"5\">WWWW");
    const TRect indented = inked(clBlack);
    canvas.FillRect(area);
    draw("WWWW<B></B>WWWW");
    EXPECT_EQ(indented, inked(clBlack));
}

TEST_F(HTMLFormattingTest, AnIndentCountsFromTheLeftOfTheTextsRectangleOnAnAlignedLine) {
    draw("<P ALIGN=\"CENTER\">a<IND x=\"50\"><FONT COLOR=\"clRed\">WW</FONT></P>");
    const TRect red = inked(clRed);
    EXPECT_GE(red.Left, 50);
    EXPECT_LT(red.Left, 54);
}

TEST_F(HTMLFormattingTest, BackgroundsOfParagraphsAndBodies) {
    draw("<P BGCOLOR=\"clYellow\">text</P>next");
    EXPECT_EQ(at(0, 0), clYellow);
    EXPECT_EQ(at(299, gh() - 1), clYellow);
    EXPECT_EQ(count(clYellow, {0, gh(), 300, 200}), 0);

    canvas.FillRect(area);
    draw("<BODY BGCOLOR=\"#00FFFF\">x", {10, 10, 50, 40});
    EXPECT_EQ(inked(clAqua), (TRect{10, 10, 49, 39}));
    canvas.FillRect(area);
    draw("<BODY BGCOLOR=\"clRed\">x", {10, 10, 50, 40});
    EXPECT_EQ(inked(clRed), (TRect{10, 10, 49, 39}));
}

}  // namespace
