#include "grid/foundation/link_routines.h"

#include <gtest/gtest.h>

namespace {

TEST(LinkRoutines, RecognisesAndStripsProtocols) {
    EXPECT_TRUE(IsURL(QStringLiteral("see http://a.b")));
    EXPECT_TRUE(IsURL(QStringLiteral("mailto:x@y.z")));
    EXPECT_FALSE(IsURL(QStringLiteral("MAILTO:x@y.z")));
    EXPECT_FALSE(IsURL(QStringLiteral("www.a.b")));

    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"mailto:x@y.z", "x@y.z"},
        {"go to http://a.b/c://d", "a.b/c://d"},
        {"mailto:x http://y", "y"},  // "://" is looked for first
        {"www.a.b", "www.a.b"},
    };
    for (const auto& c : cases) {
        QString s = QString::fromLatin1(c.in);
        StripURLProtocol(s);
        EXPECT_EQ(s, QString::fromLatin1(c.out)) << c.in;
    }
}

TEST(LinkRoutines, TheFirstAddressBecomesAnAnchor) {
    const struct {
        const char* text;
        const char* prefix;
        const char* expected;
    } cases[] = {
        {"Visit www.Example.com today", "WWW.", "Visit <a href=\"www.Example.com\">www.Example.com</a> today"},
        {"a<b HTTP://x.org/p?q=1 c>", "HTTP://", "a&lt;b <a href=\"HTTP://x.org/p\">HTTP://x.org/p</a>?q=1 c&gt;"},
        {"http://a.b and http://c.d", "HTTP://", "<a href=\"http://a.b\">http://a.b</a> and http://c.d"},
        {"mail mailto:me@x.org", "MAILTO:", "mail <a href=\"mailto:me@x.org\">mailto:me@x.org</a>"},
        {"end www.", "WWW.", "end <a href=\"www.\">www.</a>"},
    };
    for (const auto& c : cases) {
        QString dest = QStringLiteral("untouched");
        EXPECT_TRUE(URLToAnchor(QString::fromLatin1(c.text), QString::fromLatin1(c.prefix), dest)) << c.text;
        EXPECT_EQ(dest, QString::fromLatin1(c.expected));
    }
    QString dest = QStringLiteral("untouched");
    EXPECT_FALSE(URLToAnchor(QStringLiteral("no address <here>"), QStringLiteral("HTTP://"), dest));
    EXPECT_EQ(dest, QStringLiteral("untouched"));
}

}  // namespace
