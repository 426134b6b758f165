#include "grid/foundation/link_routines.h"

#include "grid/foundation/text_routines.h"

namespace {

bool isURLChar(QChar c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) return true;
    return QStringView(u"%()-./:@\\_{}").contains(c);
}

}  // namespace

bool IsURL(const QString& S) { return S.contains(QStringLiteral("://")) || S.contains(QStringLiteral("mailto:")); }

void StripURLProtocol(QString& S) {
    for (const QString& marker : {QStringLiteral("://"), QStringLiteral("mailto:")}) {
        const qsizetype at = S.indexOf(marker);
        if (at >= 0) {
            S.remove(0, at + marker.size());
            return;
        }
    }
}

bool URLToAnchor(const QString& S, const QString& Prefix, QString& Dest) {
    if (UpperCasePos(Prefix, S) == 0) return false;
    QString text = S;
    text.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
    const int start = UpperCasePos(Prefix, text) - 1;
    int end = start;
    while (end < text.size() && isURLChar(text[end])) ++end;
    const QString address = text.mid(start, end - start);
    text.insert(end, QStringLiteral("</a>"));
    text.insert(start, QStringLiteral("<a href=\"%1\">").arg(address));
    Dest = text;
    return true;
}
