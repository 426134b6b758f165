#include "grid/foundation/html_text.h"

namespace {

// Upper-cases character by character, so positions in the result are those of the text.
QString upperSameLength(const QString& s) {
    QString upper = s;
    for (QChar& c : upper) c = c.toUpper();
    return upper;
}

// Replaces each occurrence, in any letter case, one at a time from the start.
void replaceIgnoringCase(QString& s, const QString& what, const QString& with) {
    for (qsizetype p = s.indexOf(what, 0, Qt::CaseInsensitive); p >= 0; p = s.indexOf(what, 0, Qt::CaseInsensitive))
        s.replace(p, what.size(), with);
}

QString escapeAngleBrackets(QString s) {
    s.replace(QLatin1String("<"), QLatin1String("&lt;"));
    return s.replace(QLatin1String(">"), QLatin1String("&gt;"));
}

}  // namespace

QString HTMLToPlainText(const QString& HTML) {
    QString s = HTML;
    replaceIgnoringCase(s, QStringLiteral("<BR>"), QStringLiteral("\r\n"));
    replaceIgnoringCase(s, QStringLiteral("<HR>"), QStringLiteral("\r\n"));
    QString result;
    for (qsizetype lt = s.indexOf(u'<'); lt >= 0; lt = s.indexOf(u'<')) {
        result += s.left(lt);
        s.remove(0, lt);
        const qsizetype gt = s.indexOf(u'>');
        if (gt < 0) break;
        s.remove(0, gt + 1);
    }
    return result + s;
}

QString StripHTMLTags(const QString& HTML) {
    QString s = HTML;
    QString result;
    for (;;) {
        const qsizetype lt = s.indexOf(u'<');
        const qsizetype gt = s.indexOf(u'>');
        if (lt < 0 || gt < lt) break;
        result += s.left(lt);
        s.remove(0, gt + 1);
    }
    return result + s;
}

int TextPosToHTMLPos(const QString& HTML, int N) {
    int visible = 1;
    bool inTag = false;
    for (int i = 0; i < HTML.size(); ++i) {
        const QChar c = HTML[i];
        if (c == u'<') inTag = true;
        if (visible == N) return i + 1;
        if (!inTag) ++visible;
        if (c == u'>') inTag = false;
    }
    return visible == N ? static_cast<int>(HTML.size()) + 1 : 0;
}

bool FindVisibleText(const QString& SearchText, const QString& VisibleText, int Offset, int& Position,
                     bool CaseSensitive) {
    Position = 0;
    if (SearchText.isEmpty()) return false;
    const QString rest = VisibleText.mid(Offset);
    const qsizetype found =
        CaseSensitive ? rest.indexOf(SearchText) : upperSameLength(rest).indexOf(upperSameLength(SearchText));
    if (found < 0) return false;
    Position = Offset + static_cast<int>(found) + 1;
    return true;
}

void HilightHTML(const QString& HTML, const QString& SearchText, const QString& Tag, QString& Result,
                 bool CaseSensitive) {
    QString markup = HTML;
    QString search = SearchText;
    QString visible = StripHTMLTags(markup);
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (!search.isEmpty() && markup.contains(search, cs) && (visible.contains(u'<') || visible.contains(u'>'))) {
        visible = escapeAngleBrackets(visible);
        markup = visible;
        search = escapeAngleBrackets(search);
    }
    const QString open = QLatin1Char('<') + Tag + QLatin1Char('>');
    const QString close = QLatin1String("</") + Tag + QLatin1Char('>');
    int offset = 0;
    int position = 0;
    while (FindVisibleText(search, visible, offset, position, CaseSensitive)) {
        // A stray "<" counts as visible for the search but opens a tag for the positions: what lies
        // behind it cannot be marked.
        const int openAt = TextPosToHTMLPos(markup, position);
        if (openAt == 0) break;
        markup.insert(openAt - 1, open);
        const int end = position + static_cast<int>(search.size());
        const int closeAt = TextPosToHTMLPos(markup, end);
        markup.insert(closeAt == 0 ? markup.size() : closeAt - 1, close);
        offset = end;
    }
    Result = markup;
}

void UnHilightHTML(const QString& HTML, const QString& Tag, QString& Result) {
    QString s = HTML;
    const QString tag = upperSameLength(Tag);
    replaceIgnoringCase(s, QLatin1Char('<') + tag + QLatin1Char('>'), QString());
    replaceIgnoringCase(s, QLatin1String("</") + tag + QLatin1Char('>'), QString());
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    Result = s.replace(QLatin1String("&gt;"), QLatin1String(">"));
}
