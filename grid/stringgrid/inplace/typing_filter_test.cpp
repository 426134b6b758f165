#include "grid/stringgrid/inplace/typing_filter.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct TypedCase {
    const char* name;
    TEditorType kind;
    QChar typed;
    QString text;
    int selStart;
    int selLength;
    TTypedAnswer answer;
    QChar result = QChar();  // the character typed, when it differs
    bool ctrl = false;
};

const TTypingRules pointRules{QStringLiteral("abc"), {}, QChar('.'), QChar(',')};
const TTypingRules commaRules{QString(), {QChar('x')}, QChar(','), QChar('.')};

void check(const TypedCase& c, const TTypingRules& rules) {
    SCOPED_TRACE(c.name);
    QChar ch = c.typed;
    const TTypedEdit edit{c.text, c.selStart, c.selLength, c.ctrl};
    EXPECT_EQ(FilterTypedChar(c.kind, ch, edit, rules), c.answer);
    if (c.answer == tyType) {
        EXPECT_EQ(ch, c.result.isNull() ? c.typed : c.result);
    }
}

TEST(TypingFilter, EachKindTakesItsCharacters) {
    const TypedCase cases[] = {
        {"normal takes anything", edNormal, QChar('%'), "", 0, 0, tyType},
        {"password takes anything", edPassword, QChar('z'), "", 0, 0, tyType},
        {"numeric digit", edNumeric, QChar('7'), "12", 2, 0, tyType},
        {"numeric backspace", edNumeric, QChar(8), "12", 2, 0, tyType},
        {"numeric minus first", edNumeric, QChar('-'), "12", 0, 0, tyType},
        {"numeric minus not first", edNumeric, QChar('-'), "12", 1, 0, tyBeep},
        {"numeric second minus", edNumeric, QChar('-'), "-12", 0, 0, tyBeep},
        {"numeric letter", edNumeric, QChar('a'), "", 0, 0, tyBeep},
        {"numeric point", edNumeric, QChar('.'), "1", 1, 0, tyBeep},
        {"positive numeric minus", edPositiveNumeric, QChar('-'), "", 0, 0, tyBeep},
        {"positive numeric digit", edPositiveNumeric, QChar('0'), "", 0, 0, tyType},
        {"float first separator", edFloat, QChar('.'), "1", 1, 0, tyType},
        {"float second separator", edFloat, QChar('.'), "1.5", 3, 0, tyDrop},
        {"float separator over the old one", edFloat, QChar('.'), "1.5", 1, 1, tyType},
        {"float thousand separator", edFloat, QChar(','), "1", 1, 0, tyDrop},
        {"float minus first", edFloat, QChar('-'), "1.5", 0, 0, tyType},
        {"float minus inside", edFloat, QChar('-'), "15", 1, 0, tyBeep},
        {"float minus over a minus", edFloat, QChar('-'), "-15", 0, 1, tyType},
        {"float letter", edFloat, QChar('e'), "1", 1, 0, tyDrop},
        {"float letter with Ctrl", edFloat, QChar('v'), "1", 1, 0, tyType, QChar(), true},
        {"positive float minus is silent", edPositiveFloat, QChar('-'), "", 0, 0, tyDrop},
        {"positive float digit", edPositiveFloat, QChar('3'), "", 0, 0, tyType},
        {"capital", edCapital, QChar('a'), "", 0, 0, tyType, QChar('A')},
        {"upper case", edUpperCase, QChar(0xE9), "", 0, 0, tyType, QChar(0xC9)},
        {"lower case", edLowerCase, QChar('Q'), "", 0, 0, tyType, QChar('q')},
        {"mixed case types as typed", edMixedCase, QChar('j'), "", 0, 0, tyType},
        {"valid char", edValidChars, QChar('b'), "", 0, 0, tyType},
        {"invalid char", edValidChars, QChar('z'), "", 0, 0, tyBeep},
        {"valid chars backspace", edValidChars, QChar(8), "a", 1, 0, tyType},
        {"valid chars enter", edValidChars, QChar(13), "a", 1, 0, tyType},
        {"valid chars tab", edValidChars, QChar(9), "a", 1, 0, tyBeep},
    };
    for (const TypedCase& c : cases) check(c, pointRules);
}

TEST(TypingFilter, FloatFollowsACommaDecimalSeparator) {
    const TypedCase cases[] = {
        {"comma first", edFloat, QChar(','), "1", 1, 0, tyType},
        {"comma second", edFloat, QChar(','), "1,5", 3, 0, tyDrop},
        {"point is the thousand separator", edFloat, QChar('.'), "1", 1, 0, tyDrop},
        {"positive float comma", edPositiveFloat, QChar(','), "2", 1, 0, tyType},
    };
    for (const TypedCase& c : cases) check(c, commaRules);
}

TEST(TypingFilter, ValidCharSetServesWhenValidCharsIsEmpty) {
    const TypedCase cases[] = {
        {"in the set", edValidChars, QChar('x'), "", 0, 0, tyType},
        {"outside the set", edValidChars, QChar('y'), "", 0, 0, tyBeep},
        {"beyond 255", edValidChars, QChar(0x4E2D), "", 0, 0, tyBeep},
    };
    for (const TypedCase& c : cases) check(c, commaRules);
}

struct PasteCase {
    const char* name;
    TEditorType kind;
    QString text;
    bool accepted;
    QString stored = QString();
};

TEST(PasteRules, EachKindTakesOnlyTextsOfItsKind) {
    const PasteCase cases[] = {
        {"numeric led by minus", edNumeric, "-123", true},
        {"numeric minus inside", edNumeric, "12-3", false},
        {"numeric float", edNumeric, "1.5", false},
        {"positive numeric minus", edPositiveNumeric, "-1", false},
        {"float", edFloat, "-1.5", true},
        {"float exponent", edFloat, "1.5E3", false},
        {"float letters", edFloat, "abc", false},
        {"positive float minus", edPositiveFloat, "-1.5", false},
        {"positive float", edPositiveFloat, "1.5", true},
        {"mixed case", edMixedCase, "o'neil smith", true, "O'Neil Smith"},
        {"lower case", edLowerCase, "ABC", true, "abc"},
        {"upper case", edUpperCase, "abc", true, "ABC"},
        {"capital unchanged", edCapital, "abc", true, "abc"},
        {"valid chars", edValidChars, "cab", true},
        {"invalid chars", edValidChars, "cad", false},
        {"normal", edNormal, "any thing", true},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = c.text;
        EXPECT_EQ(PasteAccepted(c.kind, text, QStringLiteral("abc")), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(text, c.stored.isNull() ? c.text : c.stored);
        }
    }
}

TEST(PasteRules, OnlyAFinalFirstLineBreakIsDropped) {
    EXPECT_EQ(StripFinalLineBreak("abc\r\n"), "abc");
    EXPECT_EQ(StripFinalLineBreak("a\r\nb\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(StripFinalLineBreak("abc"), "abc");
}

TEST(Completion, FirstMatchingItemCompletesAtMost255Characters) {
    const QString longItem = QStringLiteral("ab") + QString(300, QChar('x'));
    const QStringList items{"Banana", "apple", "Apricot", longItem};
    QString completed;
    EXPECT_EQ(FindCompletion(items, "AP", false, completed), 1);
    EXPECT_EQ(completed, "APple");
    EXPECT_EQ(FindCompletion(items, "Ap", true, completed), 2);
    EXPECT_EQ(completed, "Apricot");
    EXPECT_EQ(FindCompletion(items, "ch", false, completed), -1);
    EXPECT_EQ(FindCompletion(items, "ab", false, completed), 3);
    EXPECT_EQ(completed.size(), 2 + 255);
}

}  // namespace
