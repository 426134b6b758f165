#include "grid/foundation/codings.h"

#include <initializer_list>
#include <utility>

namespace {

constexpr QChar NUL = QChar(0);
constexpr QChar SOH = QChar(1);
constexpr QChar BS = QChar(8);
constexpr QChar TAB = QChar(9);
constexpr QChar LF = QChar(10);
constexpr QChar VT = QChar(11);
constexpr QChar CR = QChar(13);

const QString wideTextPrefix = QStringLiteral("|\\");
const QString crlf = QStringLiteral("\r\n");

// Each character in from becomes the one at the same place in to.
QString mapChars(QString S, std::initializer_list<std::pair<QChar, QChar>> pairs) {
    for (QChar& c : S)
        for (const auto& [from, to] : pairs)
            if (c == from) {
                c = to;
                break;
            }
    return S;
}

}  // namespace

int TextType(const QString& S, bool CheckHTML) {
    // Most cells are plain: answer them without building the padded copy.
    if (S.isEmpty()) return 0;
    const QChar first = S.front();
    if (first != u'=' && first != u'{' && first != wideTextPrefix.front() && !(CheckHTML && S.contains(u'<')))
        return 0;
    const QString text = S + u' ';
    if (text.size() < 2) return 0;
    if (text.startsWith(u'=')) return 3;
    if (text.startsWith(wideTextPrefix)) return DecodeWideText(text).startsWith(u'=') ? 3 : 5;
    if (text.startsWith(u"{\\")) return 2;
    if (!CheckHTML) return 0;
    for (const char16_t* tag : {u"</", u"<B", u"<I", u"<C"})
        if (text.contains(QStringView(tag))) return 1;
    return 0;
}

QString EncodeWideText(const QString& W) {
    QString out = wideTextPrefix;
    out.reserve(2 + 2 * W.size());
    for (QChar c : W) {
        out += QChar(c.unicode() >> 8);
        out += QChar(c.unicode() & 0xFF);
    }
    return out;
}

QString DecodeWideText(const QString& S) {
    if (!S.startsWith(wideTextPrefix)) return S;
    QString out;
    out.reserve((S.size() - 2) / 2);
    for (qsizetype i = 2; i + 1 < S.size(); i += 2)
        out += QChar(char16_t((S.at(i).unicode() & 0xFF) << 8 | (S.at(i + 1).unicode() & 0xFF)));
    return out;
}

QString EncodeLineBreaks(const QString& S) {
    if (!S.contains(CR)) return S;
    return mapChars(S, {{CR, TAB}, {LF, BS}, {NUL, SOH}});
}

QString DecodeLineBreaks(const QString& S, bool MultiLine) {
    QString text = S.contains(BS) ? mapChars(S, {{TAB, CR}, {BS, LF}, {SOH, NUL}}) : S;
    if (!MultiLine) return GetNextLine(text, false);
    return text;
}

QString GetNextLine(QString& S, bool KeepRest) {
    const qsizetype cr = S.indexOf(CR);
    if (cr < 0) {
        QString line;
        line.swap(S);
        return line;
    }
    const QString line = S.left(cr);
    const qsizetype next = cr + 1 < S.size() && S.at(cr + 1) == LF ? cr + 2 : cr + 1;
    if (KeepRest)
        S.remove(0, next);
    else
        S.clear();
    return line;
}

int LineCount(const QString& S, bool MultiLine) { return MultiLine ? 1 + int(S.count(CR)) : 1; }

void CRToTilde(QString& S) {
    S.remove(LF);
    S.replace(CR, u'~');
}

void TildeToCRLF(QString& S) {
    S.replace(QChar(u'~'), crlf);
    if (S == u"^") S.clear();
}

QString EscapeNewlines(const QString& S) {
    QString out = S;
    out.remove(LF);
    return out.replace(CR, QStringLiteral("\\n"));
}

QString UnescapeNewlines(const QString& S) {
    QString out = S;
    return out.replace(QStringLiteral("\\n"), QString(CR));
}

QString RemoveCR(const QString& S) {
    QString out = S;
    return out.remove(CR);
}

QString CRToLF(const QString& S) { return mapChars(S, {{CR, LF}}); }

void CRLFToLF(QString& S) { S.replace(crlf, QString(LF)); }

QString DoubleQuoteChars(const QString& S) {
    if (!S.contains(u'"')) return S;
    QString out = S;
    return out.replace(QChar(u'"'), QStringLiteral("\"\""));
}

void LinesToCSVField(QString& S) {
    S.replace(crlf, QString(VT));
    S = u'"' + S + u'"';
}

void CSVFieldToLines(QString& S) {
    if (S.contains(VT)) S.replace(VT, crlf);
}

QString RemoveDoubleChars(QChar Ch, const QString& S) {
    if (!S.contains(Ch)) return S;
    QString out;
    out.reserve(S.size());
    for (qsizetype i = 0; i < S.size(); ++i) {
        out += S.at(i);
        if (S.at(i) == Ch && i + 1 < S.size() && S.at(i + 1) == Ch) ++i;
    }
    return out;
}

int SingleCharPos(QChar Ch, const QString& S, int& P) {
    P = 0;
    for (qsizetype i = 0; i < S.size(); ++i) {
        if (S.at(i) != Ch) continue;
        qsizetype last = i;
        while (last + 1 < S.size() && S.at(last + 1) == Ch) ++last;
        // A doubled quote inside a field is an escaped quote, not the end of it.
        if (last == S.size() - 1 || (last - i + 1) % 2 == 1) {
            P = int(last + 1);
            break;
        }
        i = last;
    }
    return P;
}

int SingleCharCount(QChar Ch, const QString& S) {
    QString rest = S;
    int count = 0;
    int p = 0;
    while (SingleCharPos(Ch, rest, p) > 0) {
        ++count;
        rest.remove(0, p);
    }
    return count;
}
