#include "grid/foundation/cell_checker.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A checker as a program would write one: it trims texts and marks those holding digits.
class TDigitChecker : public TExStringGridCheck {
public:
    using TExStringGridCheck::TExStringGridCheck;

    QString MarkError(int ACol, int ARow, const QString& s) override {
        calls.push_back(QString("mark %1,%2").arg(ACol).arg(ARow));
        return s.contains(QRegularExpression("[0-9]")) ? "<e>" + s + "</e>" : s;
    }
    QString Correct(int ACol, int ARow, const QString& s) override {
        calls.push_back(QString("correct %1,%2").arg(ACol).arg(ARow));
        return s.trimmed();
    }
    void StartCheck() override { calls.push_back("start"); }
    void StopCheck() override { calls.push_back("stop"); }

    std::vector<QString> calls;
};

// A range check as a grid runs it: each text through the enabled steps, passing when every
// text comes back unchanged.
bool checkTexts(TExStringGridCheck& checker, std::vector<QString>& texts) {
    bool pass = true;
    checker.StartCheck();
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        QString s = texts[static_cast<size_t>(i)];
        if (checker.UseCorrect) s = checker.Correct(1, i, s);
        if (checker.UseMarkError) s = checker.MarkError(1, i, s);
        pass = pass && s == texts[static_cast<size_t>(i)];
        texts[static_cast<size_t>(i)] = s;
    }
    checker.StopCheck();
    return pass;
}

TEST(CellChecker, TheBasePassesEveryTextAndStartsWithEveryOptionOff) {
    TExStringGridCheck checker(nullptr);
    EXPECT_FALSE(checker.GotoCell || checker.AutoCorrect || checker.AutoMarkError || checker.UseCorrect ||
                 checker.UseMarkError);
    checker.UseCorrect = checker.UseMarkError = true;
    std::vector<QString> texts = {" 12 ", "", "<e>x</e>"};
    const std::vector<QString> before = texts;
    EXPECT_TRUE(checkTexts(checker, texts));
    EXPECT_EQ(texts, before);
}

TEST(CellChecker, ADescendantIsReachedThroughTheBase) {
    TDigitChecker digits(nullptr);
    TExStringGridCheck& checker = digits;
    checker.UseCorrect = checker.UseMarkError = true;
    std::vector<QString> texts = {"ok", " 7 "};
    EXPECT_FALSE(checkTexts(checker, texts));
    EXPECT_EQ(texts, (std::vector<QString>{"ok", "<e>7</e>"}));
    EXPECT_EQ(digits.calls, (std::vector<QString>{"start", "correct 1,0", "mark 1,0", "correct 1,1", "mark 1,1",
                                                   "stop"}));
    // With the steps off the texts stay as they are and the check passes.
    digits.calls.clear();
    checker.UseCorrect = checker.UseMarkError = false;
    texts = {" 7 "};
    EXPECT_TRUE(checkTexts(checker, texts));
    EXPECT_EQ(digits.calls, (std::vector<QString>{"start", "stop"}));
}

}  // namespace
