#include "grid/foundation/filter_matching.h"

#include "grid/foundation/date_routines.h"
#include "platform/system/conversions.h"
#include "platform/system/regional.h"

#include <algorithm>

namespace {

const TCharSet ExpressionSeparators = {u'(', u';', u'^', u'&', u'|'};
constexpr int MaxOperandLength = 255;

// Thousand separators go before the decimal separator becomes ".", so that a locale that
// groups with "." keeps its decimals.
bool readNumber(const QString& S, double& value) {
    QString normal = S;
    normal.remove(FormatSettings.ThousandSeparator);
    normal.replace(FormatSettings.DecimalSeparator, u'.');
    TFormatSettings dot = FormatSettings;
    dot.DecimalSeparator = u'.';
    return TryStrToFloat(normal, value, dot);
}

bool readDate(const QString& S, TDateTime& value) { return TextToDateTime(S, value); }

// -1, 0 or 1 as Value stands below, at or above Operand.
int compareWithOperand(const QString& Value, const QString& Operand) {
    double v = 0, o = 0;
    TDateTime dv = 0, dop = 0;
    const bool valueIsDate = readDate(Value, dv);
    const bool operandIsDate = readDate(Operand, dop);
    if (!valueIsDate && !operandIsDate && readNumber(Value, v) && readNumber(Operand, o)) return (v > o) - (v < o);
    if (valueIsDate && operandIsDate) return (dv > dop) - (dv < dop);
    const int c = QStringView(Value).left(MaxOperandLength).compare(QStringView(Operand).left(MaxOperandLength));
    return (c > 0) - (c < 0);
}

// The operand that starts at index from of Cond (after an operator and its "=").
QString readOperand(const QString& Cond, int from) {
    int i = from;
    while (i < Cond.size() && Cond[i] == u' ') ++i;
    int quotes = 0;
    if (i < Cond.size() && Cond[i] == u'"') {
        ++quotes;
        ++i;
    }
    QString operand;
    for (; i < Cond.size(); ++i) {
        const QChar c = Cond[i];
        if (c == u'"') ++quotes;
        else if ((c == u' ' || c == u'&' || c == u'|') && quotes % 2 == 0) break;
        operand += c;
    }
    if (operand.endsWith(u'"')) operand.chop(1);
    return operand.left(MaxOperandLength);
}

// Compares Value with the operand after the first Op of Cond; Op followed by "=" admits equality.
bool comparison(const QString& Cond, const QString& Value, QChar Op) {
    const int at = int(Cond.indexOf(Op));
    const bool orEqual = at + 1 < Cond.size() && Cond[at + 1] == u'=';
    const int c = compareWithOperand(Value, readOperand(Cond, at + 1 + (orEqual ? 1 : 0)));
    const int wanted = Op == u'>' ? 1 : -1;
    return c == wanted || (orEqual && c == 0);
}

// Wildcard matching. A star that found no tail from some text position finds none from a later
// one either, so each star remembers where it failed and stars cost at most the product of the
// lengths. A "!" anywhere on the way negates the outcome.
class WildcardMatch {
public:
    WildcardMatch(const QString& pattern, const QString& text)
        : p_(pattern), t_(text), starFailedFrom_(size_t(pattern.size()) + 1, int(text.size()) + 1) {}

    bool run() {
        const bool matched = walk(0, 0);
        return negate_ ? !matched : matched;
    }

private:
    bool walk(int i, int j) {
        while (i < p_.size()) {
            const QChar c = p_[i];
            if (c == u'!') {
                negate_ = true;
                ++i;
            } else if (c == u'"') {
                ++i;
            } else if (c == u'*') {
                while (i < p_.size() && p_[i] == u'*') ++i;
                int& failedFrom = starFailedFrom_[size_t(i)];
                for (int tail = int(t_.size()); tail >= j; --tail)
                    if (tail < failedFrom && walk(i, tail)) return true;
                failedFrom = std::min(failedFrom, j);
                return false;
            } else if (j == t_.size()) {
                return false;
            } else if (c == u'?' || c == t_[j]) {
                ++i;
                ++j;
            } else {
                return false;
            }
        }
        return j == t_.size();
    }

    const QString& p_;
    const QString& t_;
    std::vector<int> starFailedFrom_;
    bool negate_ = false;
};

}  // namespace

QString StripSpacesOutsideQuotes(const QString& S) {
    QString result;
    bool quoted = false;
    for (const QChar c : S) {
        if (c == u'"') quoted = !quoted;
        if (c != u' ' || quoted) result += c;
    }
    return result;
}

int MatchingParenPos(const QString& S) {
    int open = 0, close = 0;
    for (int i = 0; i < S.size(); ++i) {
        if (S[i] == u'(') ++open;
        else if (S[i] == u')' && ++close == open) return i + 1;
    }
    return 0;
}

QChar FindFirstCharOf(const TCharSet& Chars, const QString& S, int& P) {
    int quotes = 0;
    for (int i = 0; i < S.size(); ++i) {
        if (S[i] == u'"') ++quotes;
        if (quotes % 2 == 0 && std::find(Chars.begin(), Chars.end(), S[i]) != Chars.end()) {
            P = i + 1;
            return S[i];
        }
    }
    P = -1;
    return QChar(0);
}

bool MatchFilterCondition(const QString& Cond, const QString& Value) {
    bool GT = true, LT = true, gtDone = false, ltDone = false;
    const bool hasGreater = Cond.contains(u'>'), hasLess = Cond.contains(u'<');
    if (hasGreater) {
        GT = comparison(Cond, Value, u'>');
        gtDone = true;
    }
    if (hasLess) {
        LT = comparison(Cond, Value, u'<');
        ltDone = true;
    }
    if (Cond.contains(u'!')) {
        if (!hasGreater) gtDone = true;
        if (!hasLess) ltDone = true;
    }
    if (Cond.contains(u'^') && (gtDone || ltDone)) return LT || GT;
    if (Cond.contains(u'&') && gtDone && ltDone) return LT && GT;
    if (hasGreater && GT) return true;
    if (hasLess && LT) return true;
    return WildcardMatch(Cond, Value).run();
}

bool MatchFilterTerm(const QString& Term, const QString& Value, bool CaseSensitive) {
    if (CaseSensitive) return MatchFilterCondition(Term, Value);
    return MatchFilterCondition(Term.toUpper(), Value.toUpper());
}

namespace {
// The expression as it is evaluated: without blanks outside quotes and without a leading "=".
QString normalExpression(const QString& Expr) {
    QString rest = StripSpacesOutsideQuotes(Trim(Expr));
    if (rest.startsWith(u'=')) rest.remove(0, 1);
    return rest;
}
}  // namespace

bool MatchFilter(const QString& Expr, const QString& Value, bool CaseSensitive) {
    QString rest = normalExpression(Expr);
    bool result = true;
    QChar previous(0);
    const auto combine = [&previous](bool sofar, bool next) {
        if (previous == QChar(0)) return next;
        if (previous == u'&') return sofar && next;
        if (previous == u'(') return sofar;
        return sofar || next;
    };
    int p = 0;
    for (QChar c; (c = FindFirstCharOf(ExpressionSeparators, rest, p)) != QChar(0); previous = c) {
        bool d = false;
        if (rest.startsWith(u'(')) {
            const int end = MatchingParenPos(rest);
            // A group that never closes would consume nothing: the expression is malformed.
            if (end == 0) return false;
            d = MatchFilter(rest.mid(1, end - 2), Value, CaseSensitive);
            rest.remove(0, end);
        } else {
            d = MatchFilterTerm(rest.left(p - 1), Value, CaseSensitive);
            rest.remove(0, p);
        }
        result = combine(result, d);
    }
    return combine(result, MatchFilterTerm(rest, Value, CaseSensitive));
}

TPreparedFilter::TPreparedFilter(const QString& Expr, bool CaseSensitive) : expr_(Expr), caseSensitive_(CaseSensitive), prepared_(true) {
    const QString rest = normalExpression(Expr);
    int p = 0;
    // Without a separator the whole expression is one term, evaluated alone.
    single_ = FindFirstCharOf(ExpressionSeparators, rest, p) == QChar(0);
    term_ = CaseSensitive ? rest : rest.toUpper();
}

bool TPreparedFilter::Match(const QString& Value) const {
    if (!single_) return MatchFilter(expr_, Value, caseSensitive_);
    return MatchFilterCondition(term_, caseSensitive_ ? Value : Value.toUpper());
}

bool TPreparedFilter::PreparedFrom(const QString& Expr, bool CaseSensitive) const {
    return prepared_ && CaseSensitive == caseSensitive_ && Expr == expr_;
}
