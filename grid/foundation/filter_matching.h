#pragma once

#include "grid/foundation/char_set.h"

#include <QChar>
#include <QString>

// The filter and search conditions of the grid: comparisons (">", ">=", "<", "<="), negation
// "!", wildcards "*" and "?", double-quoted operands, ";", "^" and "|" for or, "&" for and, and
// parenthesised groups, evaluated strictly from left to right. Numbers and dates compare as
// such when both sides read as one, everything else as text. Malformed input does not match.
// Positions are 1-based.

// True when Value passes the condition Expr.
bool MatchFilter(const QString& Expr, const QString& Value, bool CaseSensitive);
// One term: without CaseSensitive both texts are upper-cased first.
bool MatchFilterTerm(const QString& Term, const QString& Value, bool CaseSensitive);
// One condition: a comparison, a negation or a wildcard pattern.
bool MatchFilterCondition(const QString& Cond, const QString& Value);

// S without the blanks outside double quotes.
QString StripSpacesOutsideQuotes(const QString& S);
// The ")" that closes the "(" at the start of S, or 0; quotes are not considered.
int MatchingParenPos(const QString& S);
// The first character of S in Chars that stands outside double quotes, with its position in P;
// character 0 and P = -1 when there is none.
QChar FindFirstCharOf(const TCharSet& Chars, const QString& S, int& P);

// A condition read once and then matched against many values, as MatchFilter would match it:
// the blanks, the "=" and the separators of the condition are dealt with once, not per value.
class TPreparedFilter {
public:
    TPreparedFilter() = default;
    TPreparedFilter(const QString& Expr, bool CaseSensitive);

    bool Match(const QString& Value) const;
    // Whether this was prepared from that condition, so that it can be used for it.
    bool PreparedFrom(const QString& Expr, bool CaseSensitive) const;

private:
    QString expr_;
    QString term_;
    bool caseSensitive_ = true;
    bool single_ = false;
    bool prepared_ = false;
};
