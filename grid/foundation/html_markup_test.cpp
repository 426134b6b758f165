#include "grid/foundation/html_markup.h"

#include <gtest/gtest.h>

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

TEST(PrepareHTMLMarkup, DecodesEntitiesUnwrapsHashTagsAndBreaksLines) {
    const struct {
        const char* text;
        const char* prepared;
    } cases[] = {
        {"a&amp;b", "a&&b"},
        {"&AMP;&Quot;&sect;&permil;&REG;&copy;&para;&trade;&euro;", "&&\"\u00A7\u2030\u00AE\u00A9\u00B6\u2122\u20AC"},
        {"&amp;amp;", "&&&"},             // what "&amp;" leaves starts another
        {"&amp;quot;", "&\""},
        {"&nbsp;&lt;&gt;&eacute;", "&nbsp;&lt;&gt;&eacute;"},  // decoded later, in runs, or never
        {"&", "&"},
        {"a&", "a&"},
        {"<A HREF=\"a&amp;b&quot;\">x&amp;y</A>", "<A HREF=\"a&amp;b&quot;\">x&&y</A>"},  // tags keep theirs
        {"<#a&amp;b>", "#a&&b"},
        {"<#tag>x", "#tagx"},
        {"<#a<#b>>", "#a#b"},
        {"<#open", "#open"},              // without ">" only the "<" goes
        {"a\r\nb\rc\nd", "a<BR>b<BR>cd"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PrepareHTMLMarkup(q(c.text)), q(c.prepared)) << c.text;
}

TEST(PrepareHTMLMarkup, TakesTimeInProportionToTheText) {
    // Repeated sweeps over the whole text for each entity would not end in the test's time.
    const QString text = QString("&amp;").repeated(200000) + QString("<#").repeated(200000);
    const QString prepared = PrepareHTMLMarkup(text);
    EXPECT_EQ(prepared, QString(400000, '&') + QString(200000, '#'));
}

TEST(HTMLAttribute, IsTheTextBetweenTheQuotesAfterTheName) {
    const struct {
        const char* tag;
        const char* name;
        const char* value;
        bool present;
    } cases[] = {
        {"<A HREF=\"Target\">", "HREF", "Target", true},
        {"<a href=\"Target\" title=\"T\">", "TITLE", "T", true},
        {"<A HREF=Target>", "HREF", "", true},     // a value without quotes reads as empty
        {"<A HREF=\"open>", "HREF", "", true},
        {"<A>", "HREF", "", false},
        {"<FONT BGCOLOR=\"x\" COLOR=\"y\">", " COLOR", "y", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HTMLAttribute(q(c.tag), QLatin1StringView(c.name)), q(c.value)) << c.tag;
        EXPECT_EQ(HasHTMLAttribute(q(c.tag), QLatin1StringView(c.name)), c.present) << c.tag;
    }
}

TEST(HTMLNumbers, CountByTheirLeadingDigits) {
    EXPECT_EQ(LeadingNumber(u"32px"), 32);
    EXPECT_EQ(LeadingNumber(u"px"), 0);
    EXPECT_EQ(LeadingNumber(u"-5"), 0);
    EXPECT_EQ(LeadingNumber(u"99999999999999"), 999999999);
    EXPECT_EQ(HTMLFontSize(u"<FONT SIZE=3>"), 3);
    EXPECT_EQ(HTMLFontSize(u"<FONT SIZE=\"3\">"), 3);
    EXPECT_EQ(HTMLFontSize(u"<font size=\"x\">"), 0);
    EXPECT_EQ(HTMLFontSize(u"<FONT SIZE>"), 0);
    EXPECT_EQ(HTMLFontSize(u"<FONT COLOR=\"clred\">"), -1);
}

TEST(DecodeRunEntities, DecodesSpacesAndAngleBracketsInLowerCaseOnly) {
    EXPECT_EQ(DecodeRunEntities(u"a&nbsp;b&lt;c&gt;"), "a b<c>");
    EXPECT_EQ(DecodeRunEntities(u"&NBSP;&LT;"), "&NBSP;&LT;");
}

}  // namespace
