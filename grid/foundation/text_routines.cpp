#include "grid/foundation/text_routines.h"

#include "platform/system/regional.h"

namespace {

int position(qsizetype index) { return int(index + 1); }

// Only a..z: the routines that match letters this way leave other letters alone.
QString upperAsciiLetters(const QString& S) {
    QString upper = S;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    return upper;
}

bool isNameSeparator(QChar c) {
    return c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.';
}

}  // namespace

int CharPos(QChar Ch, const QString& S) { return position(S.indexOf(Ch)); }

int VarCharPos(QChar Ch, const QString& S, int& P) {
    const int found = CharPos(Ch, S);
    if (found > 0) P = found;
    return found;
}

int VarPos(const QString& SubStr, const QString& S, int& P) {
    P = WidePos(SubStr, S);
    return P;
}

int UpperCasePos(const QString& SubStr, const QString& S) {
    return WidePos(SubStr, upperAsciiLetters(S));
}

// Pos of the runtime: an empty SubStr is never found.
int WidePos(const QString& SubStr, const QString& S) {
    return SubStr.isEmpty() ? 0 : position(S.indexOf(SubStr));
}

int CharCount(QChar Ch, const QString& S) { return int(S.count(Ch)); }

QString ExtractToken(QString& S, const QString& Sep) {
    const int p = WidePos(Sep, S);
    if (p == 0) return QString();
    const QString token = S.left(p - 1);
    S.remove(0, p);
    return token;
}

QString ConcatStrings(const QStringList& Strings) { return Strings.join(QString()); }

void FillChars(QString& S, QChar Ch) { S.fill(Ch); }

void StringToOem(QString& S) { S = CharToOem(S); }

void OemToString(QString& S) { S = OemToChar(S); }

bool ParseRowColRef(const QString& S, TPoint& P) {
    const QString upper = upperAsciiLetters(S);
    if (upper.size() <= 3 || upper.at(0) != u'R') return false;
    const qsizetype c = upper.indexOf(u'C');
    if (c < 0) return false;
    int row = 0;
    int col = 0;
    if (!TryStrToInt(upper.mid(1, c - 1), row) || !TryStrToInt(upper.mid(c + 1), col)) return false;
    P.X = col;
    P.Y = row;
    return true;
}

QString NameCase(const QString& S) {
    QString result;
    result.reserve(S.size());
    bool capitalDue = true;
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S.at(i);
        if (isNameSeparator(c)) {
            result += c;
            capitalDue = true;
        } else if (capitalDue) {
            result += c.toUpper();
            capitalDue = false;
        } else {
            result += c.toLower();
        }
        // "Mc" prefixes take a capital after them; a final " II" or " III" is a numeral.
        const qsizetype firstMc = result.indexOf(u" Mc");
        if (result == u"Mc" || (firstMc >= 0 && firstMc == i - 2)) capitalDue = true;
        if (i >= S.size() - 3 && (result.endsWith(u" I") || result.endsWith(u" II"))) capitalDue = true;
    }
    return result;
}
