#include "platform/controls/rich_edit.h"

#include "platform/controls/rtf_codec.h"
#include "platform/testkit/testkit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

TEST(RichEditText, RichTextReadsAsItsPlainText) {
    const struct {
        const char* Rtf;
        const char16_t* Plain;
    } cases[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Tahoma;}}{\colortbl;\red255\green0\blue0;}\f0\b Bold\b0  text\par second})",
         u"Bold text\nsecond"},
        {R"({\rtf1 a\tab b\line c\par})", u"a\tb\nc"},
        {R"({\rtf1 caf\'e9 \{x\} \\ end})", u"caf\u00e9 {x} \\ end"},
        {R"({\rtf1 {\*\generator Writer;}\u8364?uro})", u"\u20acuro"},
        {R"({\rtf1\uc2 \u8364??uro{\info{\title t}}})", u"\u20acuro"},
        {"plain", u"plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(TRichEdit::RTFToPlainText(QString::fromLatin1(c.Rtf)), QString::fromUtf16(c.Plain)) << c.Rtf;
}

// What one character looks like in the control's document.
struct TCharLook {
    QString Family;
    double Points;
    bool Bold, Italic, Underline, Strike;
    QColor Color;
    int Offset;
    bool operator==(const TCharLook&) const = default;
};

TCharLook lookAt(TRichEdit& edit, int position) {
    QTextCursor c(edit.Document());
    c.setPosition(position + 1);
    const QTextCharFormat f = c.charFormat();
    const QStringList families = f.fontFamilies().toStringList();
    return {families.value(0), f.fontPointSize(), f.fontWeight() >= QFont::Bold, f.fontItalic(), f.fontUnderline(),
            f.fontStrikeOut(), f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(),
            f.intProperty(RichTextOffsetProperty)};
}

const char* const MixedRtf =
    R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil Tahoma;}{\f1\fswiss Arial;}}{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;})"
    R"(\f0\fs16 n{\b b}{\i i}{\ul u}{\strike s}{\cf1 r}{\cf2 B}{\fs28 L}{\f1 A}{\up4 p}{\dn4 d}\par )"
    R"(\qc\b\i\ul\cf1\f1\fs24 all\par })";

TEST(RichEditText, FormattingRoundTripsThroughTheControl) {
    TRichEdit first(nullptr);
    first.LoadRTF(QString::fromLatin1(MixedRtf));
    ASSERT_EQ(first.Text(), QStringLiteral("nbiusrBLApd\nall"));
    // Each character of the first line shows one property; "all" shows them together.
    const struct {
        int Position;
        TCharLook Look;
    } expected[] = {
        {0, {"Tahoma", 8, false, false, false, false, QColor(), 0}},
        {1, {"Tahoma", 8, true, false, false, false, QColor(), 0}},
        {2, {"Tahoma", 8, false, true, false, false, QColor(), 0}},
        {3, {"Tahoma", 8, false, false, true, false, QColor(), 0}},
        {4, {"Tahoma", 8, false, false, false, true, QColor(), 0}},
        {5, {"Tahoma", 8, false, false, false, false, QColor(255, 0, 0), 0}},
        {6, {"Tahoma", 8, false, false, false, false, QColor(0, 0, 255), 0}},
        {7, {"Tahoma", 14, false, false, false, false, QColor(), 0}},
        {8, {"Arial", 8, false, false, false, false, QColor(), 0}},
        {9, {"Tahoma", 8, false, false, false, false, QColor(), 40}},
        {10, {"Tahoma", 8, false, false, false, false, QColor(), -40}},
        {13, {"Arial", 12, true, true, true, false, QColor(255, 0, 0), 0}},
    };
    for (const auto& e : expected) EXPECT_TRUE(lookAt(first, e.Position) == e.Look) << "character " << e.Position;
    EXPECT_EQ(first.Document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    const QString saved = first.SaveRTF();
    for (const QChar c : saved) ASSERT_LT(c.unicode(), 0x80) << "rich text keeps to 7-bit characters";
    TRichEdit second(nullptr);
    second.LoadRTF(saved);
    EXPECT_EQ(second.Text(), first.Text());
    for (int i = 0; i < int(first.Text().size()); ++i) EXPECT_TRUE(lookAt(second, i) == lookAt(first, i)) << "character " << i;
    EXPECT_EQ(second.Document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(second.SaveRTF(), saved) << "writing is stable";
}

TEST(RichEditText, EscapesAndCharactersBeyondAsciiRoundTrip) {
    TRichEdit edit(nullptr);
    edit.SetText(QStringLiteral("{a}\\b\tc\u00e9\u20ac\nline"));
    const QString saved = edit.SaveRTF();
    EXPECT_TRUE(saved.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_EQ(TRichEdit::RTFToPlainText(saved), edit.Text());
}

TEST(RichEditText, TypedTextTakesTheFormatWhereItGoesAndCodeTextIsPlain) {
    TRichEdit edit(nullptr);
    edit.LoadRTF(QStringLiteral(R"({\rtf1{\fonttbl{\f0 Tahoma;}}\f0\fs16 {\b bold}{\i it}})"));
    edit.SetSelStart(4);
    typeChar(edit, QChar('X'));
    edit.SetSelStart(int(edit.Text().size()));
    typeChar(edit, QChar('Y'));
    EXPECT_EQ(edit.Text(), QStringLiteral("boldXitY"));
    EXPECT_TRUE(lookAt(edit, 4).Bold);
    EXPECT_TRUE(lookAt(edit, 7).Italic);
    EXPECT_FALSE(lookAt(edit, 7).Bold);
    // A selection typed over takes the format of its first character.
    edit.SetSelStart(0);
    edit.SetSelLength(5);
    typeChar(edit, QChar('Z'));
    EXPECT_EQ(edit.Text(), QStringLiteral("ZitY"));
    EXPECT_TRUE(lookAt(edit, 0).Bold);

    edit.SetText(QStringLiteral("code"));
    EXPECT_FALSE(lookAt(edit, 0).Bold);
    EXPECT_EQ(lookAt(edit, 0).Family, QString());
}

TEST(RichEditText, SelectionOffsetAppliesToTheSelectionOrToWhatIsTypedNext) {
    TRichEdit edit(nullptr);
    int changes = 0;
    edit.OnSelectionChange = [&](TObject*) { ++changes; };
    edit.SetText(QStringLiteral("x2"));
    edit.SetSelStart(1);
    edit.SetSelLength(1);
    EXPECT_GT(changes, 0);
    edit.SetSelOffset(40);
    EXPECT_EQ(edit.SelOffset(), 40);
    EXPECT_TRUE(edit.SaveRTF().contains(QStringLiteral("\\up4 2")));
    edit.SetSelStart(0);
    edit.SetSelLength(1);
    EXPECT_EQ(edit.SelOffset(), 0);

    edit.SetSelStart(2);
    edit.SetSelOffset(-40);
    EXPECT_EQ(edit.SelOffset(), -40);
    typeChar(edit, QChar('n'));
    EXPECT_EQ(lookAt(edit, 2).Offset, -40);
    EXPECT_EQ(lookAt(edit, 0).Offset, 0);
}

// Dark pixels of the control painted with its text.
int inkOf(TRichEdit& edit) {
    const QImage image = renderToImage(edit);
    int ink = 0;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 4; x < image.width() - 4; ++x)
            if (qGray(image.pixel(x, y)) < 128) ++ink;
    return ink;
}

TEST(RichEditText, TextIsDrawnWithItsFormatting) {
    const QString head = QStringLiteral(R"({\rtf1{\fonttbl{\f0 DejaVu Sans;}}{\colortbl ;\red255\green0\blue0;}\f0\fs20 )");
    TRichEdit edit(nullptr);
    edit.SetBounds(0, 0, 200, 40);
    edit.LoadRTF(head + QStringLiteral("Weight test}"));
    const int plain = inkOf(edit);
    edit.LoadRTF(head + QStringLiteral(R"(\b Weight test})"));
    const int bold = inkOf(edit);
    EXPECT_GT(plain, 20);
    EXPECT_GT(bold, plain + plain / 5) << "bold strokes are heavier";

    edit.LoadRTF(head + QStringLiteral(R"(\cf1 Weight test})"));
    auto reds = [&] {
        const QImage image = renderToImage(edit);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(255, 0, 0)) ++count;
        return count;
    };
    EXPECT_GT(reds(), 20);
    edit.SetAllTextColor(clBlack);
    EXPECT_EQ(reds(), 0) << "an overriding colour replaces the text's own";
}

} // namespace
