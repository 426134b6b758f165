#include "grid/foundation/html_entities.h"

#include <gtest/gtest.h>

namespace {
QString q(const char* text) { return QString::fromUtf8(text); }
}  // namespace

TEST(HTMLEntities, DecodeInOrderAndAccentedLettersOnlyWhenAsked) {
    const struct {
        const char* text;
        bool accented;
        const char* decoded;
    } cases[] = {
        {"&lt;b&gt; &amp; &quot;x&quot;", false, "<b> & \"x\""},
        {"&amp;lt;", false, "&lt;"},  // "&amp;" comes after "&lt;"
        {"&LT;", false, "&LT;"},      // exact case only
        {"&Eacute;t&eacute;", true, "Été"},
        {"&Eacute;t&eacute;", false, "&Eacute;t&eacute;"},
        {"&euro; &copy; &laquo;&raquo; &Oslash;&aring;", true, "€ © «» Øå"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeHTMLEntities(q(c.text), c.accented), q(c.decoded)) << c.text;
}

TEST(HTMLEntities, EncodeAndDecodeRoundTrip) {
    EXPECT_EQ(EncodeHTMLEntities(q("a<b & \"c\">"), false), q("a&lt;b &amp; &quot;c&quot;&gt;"));
    EXPECT_EQ(EncodeHTMLEntities(q("é€"), true), q("&eacute;&euro;"));
    EXPECT_EQ(EncodeHTMLEntities(q("é€"), false), q("é€"));
    // The ampersand goes through the "*amp;" marker, so that text is read as an ampersand too.
    EXPECT_EQ(EncodeHTMLEntities(q("*amp; & x"), false), q("&amp; &amp; x"));
    for (const char* text : {"a<b & \"c\">", "Été à Noël: 5 €", "&amp;"}) {
        EXPECT_EQ(DecodeHTMLEntities(EncodeHTMLEntities(q(text), true), true), q(text)) << text;
    }
}

TEST(HTMLEntities, SpacesAndLineEnds) {
    EXPECT_EQ(SpacesToNbsp(q("a b  c")), q("a&nbsp;b&nbsp;&nbsp;c"));
    EXPECT_EQ(CRLFToBRTags(q("a\r\nb\rc\nd"), true), q("a<BR>b<BR>cd"));
    EXPECT_EQ(CRLFToBRTags(q("a\r\nb\rc\nd"), false), q("abcd"));
}
