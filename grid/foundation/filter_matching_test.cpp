#include "grid/foundation/filter_matching.h"

#include "grid/foundation/format_settings_fixture.h"

#include <gtest/gtest.h>

namespace {

class FilterMatching : public FormatSettingsFixture {
protected:
    void SetUp() override { Use(u'.', u',', u'/', u':', QStringLiteral("dd/mm/yyyy")); }
};

struct Case {
    const char* expr;
    const char* value;
    bool caseSensitive;
    bool expected;
};

void expectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(MatchFilter(QString::fromUtf8(c.expr), QString::fromUtf8(c.value), c.caseSensitive), c.expected)
            << "'" << c.expr << "' on '" << c.value << "' case " << c.caseSensitive;
}

TEST_F(FilterMatching, WildcardsAndCase) {
    expectCases({
        {"ab*", "ABC", false, true},
        {"ab*", "abc", false, true},
        {"ab*", "abc", true, true},
        {"ab*", "ABC", true, false},
        {"abc", "abc", true, true},
        {"abc", "abcd", true, false},
        {"abc", "ab", true, false},
        {"a?c", "abc", true, true},
        {"a?c", "ac", true, false},
        {"*", "", true, true},
        {"?", "", true, false},
        {"", "", true, true},
        {"", "x", true, false},
        {"*b*", "abc", true, true},
        {"**c", "abc", true, true},
        {"a*c*e", "abcde", true, true},
        {"a*c*e", "abcdf", true, false},
        {"!abc", "abd", true, true},
        {"!abc", "abc", true, false},
        {"!a*", "banana", true, true},
        {"!a*", "apple", true, false},
        {"\"a b\"", "a b", true, true},   // quotes keep the blank and vanish from the pattern
        {"a b", "ab", true, true},        // blanks outside quotes go
        {"  abc  ", "abc", true, true},
        {"=abc", "abc", true, true},
        {"=abc", "=abc", true, false},
    });
}

TEST_F(FilterMatching, Comparisons) {
    expectCases({
        {">10", "12", true, true},
        {">10", "9", true, false},      // numbers, not texts: "9" > "10" as text
        {">10", "10", true, false},
        {">=10", "10", true, true},
        {"<10", "9", true, true},
        {"<=10", "10", true, true},
        {"<=10", "10.5", true, false},
        {">1,000", "1,500", true, true},  // thousand separators are dropped
        {">b", "c", true, true},
        {">b", "a", true, false},
        {">b", "B", false, false},       // both upper-cased
        {">b", "c", false, true},
        {"> 5", "7", true, true},        // blanks after the operator
        {">=01/01/2024", "15/03/2024", true, true},
        {">=01/01/2024", "15/03/2023", true, false},
        {"<01/02/2024", "31/01/2024", true, true},
        {">5", ">5", true, true},        // a failed comparison ends in the pattern
        {">\"New York\"", "New Zealand", true, true},
        {">\"New York\"", "New Amsterdam", true, false},
        {">\"New York\"", "New", true, false},
    });
}

TEST_F(FilterMatching, LogicalOperatorsRunFromLeftToRight) {
    expectCases({
        {">5&<10", "7", true, true},
        {">5&<10", "12", true, false},
        {">5;<2", "1", true, true},
        {">5;<2", "7", true, true},
        {">5;<2", "3", true, false},
        {">5|<2", "1", true, true},
        {">5|<2", "3", true, false},
        {">5^<2", "7", true, true},
        {"a;b&c", "a", true, false},     // (a or b) and c
        {"a;b&c", "c", true, false},
        {"a*;*c&*b*", "abc", true, true},
        {"(a*;b*)&*z", "abz", true, true},
        {"(a*;b*)&*z", "abc", true, false},
        {"(a*;b*)&*z", "xbz", true, false},
        {"*z&(a*;b*)", "bz", true, true},
        {"*z&(a*;b*)", "cz", true, false},
        {"ab(c)&d", "ab", true, false},  // 'ab' and 'd'
        {";abc", "", true, true},        // an empty first term accepts the empty value
        {";abc", "abc", true, true},
        {"&abc", "abc", true, false},
    });
}

TEST_F(FilterMatching, MalformedConditionsDoNotMatch) {
    expectCases({
        {"(abc", "abc", true, false},
        {"(a;(b)", "a", true, false},
        {"((", "", true, false},
        {">", "", true, false},
        {">", "x", true, true},          // every text lies above the empty one
        {"<", "", true, false},
        {"\"", "", true, true},
        {")", "x", true, false},
        {"&", "x", true, false},
        {"*!*", "x", true, false},
    });
}

TEST_F(FilterMatching, CommaDecimalsReadAsNumbers) {
    Use(u',', u'.');
    expectCases({
        {">1,5", "1,25", true, false},
        {">1,5", "1,75", true, true},
        {">1.000", "999", true, false},
        {">1.000", "1.001", true, true},
    });
}

TEST_F(FilterMatching, ManyStarsOnALongTextEndQuickly) {
    const QString text(2000, u'a');
    EXPECT_FALSE(MatchFilter(QStringLiteral("*a*a*a*a*a*a*a*a*b"), text, true));
    EXPECT_TRUE(MatchFilter(QStringLiteral("*a*a*a*a*a*a*a*a*"), text, true));
}

// A condition read once answers for every value as the matcher does when it reads the condition
// with each value: single terms, quoted separators, groups, blanks, "=" and both cases.
TEST_F(FilterMatching, PreparedConditionsMatchAsTheMatcherDoes) {
    const char* conditions[] = {"ab*", "  A?C ", "=abc", "!a*", "\"a;b\"", "\"a b\"", "a b", ">10", ">=b", "<=10",
                                "*3", ">5&<10", "a;b&c", "(a*;b*)&*z", ">5^<2", "(abc", "", "&abc", ";abc"};
    const char* values[] = {"abc", "ABC", "a b", "ab", "a;b", "7", "12", "10", "c", "abz", "tag3", "", "=abc"};
    for (const char* c : conditions)
        for (bool caseSensitive : {true, false}) {
            const TPreparedFilter prepared(QString::fromUtf8(c), caseSensitive);
            for (const char* v : values)
                EXPECT_EQ(prepared.Match(QString::fromUtf8(v)), MatchFilter(QString::fromUtf8(c), QString::fromUtf8(v), caseSensitive))
                    << "'" << c << "' on '" << v << "' case " << caseSensitive;
        }
}

TEST(PreparedFilter, KnowsTheConditionItWasReadFrom) {
    const TPreparedFilter prepared(QStringLiteral("*3"), true);
    EXPECT_TRUE(prepared.PreparedFrom(QStringLiteral("*3"), true));
    EXPECT_FALSE(prepared.PreparedFrom(QStringLiteral("*3"), false));
    EXPECT_FALSE(prepared.PreparedFrom(QStringLiteral("*4"), true));
    EXPECT_FALSE(TPreparedFilter().PreparedFrom(QString(), true));
}

TEST(FilterHelpers, QuotesParenthesesAndSeparators) {
    EXPECT_EQ(StripSpacesOutsideQuotes(QStringLiteral(" a \" b c\" d ")), QStringLiteral("a\" b c\"d"));
    EXPECT_EQ(MatchingParenPos(QStringLiteral("(a(b)c)d")), 7);
    EXPECT_EQ(MatchingParenPos(QStringLiteral("(a")), 0);
    EXPECT_EQ(MatchingParenPos(QStringLiteral("a)")), 0);
    int p = 0;
    EXPECT_EQ(FindFirstCharOf({u';', u'&'}, QStringLiteral("\"a;b\"&c"), p), QChar(u'&'));
    EXPECT_EQ(p, 6);
    EXPECT_EQ(FindFirstCharOf({u';'}, QStringLiteral("\"a;b\""), p), QChar(0));
    EXPECT_EQ(p, -1);
}

}  // namespace
