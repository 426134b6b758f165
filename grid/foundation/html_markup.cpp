#include "grid/foundation/html_markup.h"

#include "grid/foundation/html_entities.h"

#include <array>
#include <utility>

namespace {

// The entities decoded before layout, without their "&".
struct Entity {
    QLatin1StringView name;
    QStringView replacement;
};
const std::array<Entity, 9>& entities() {
    static const std::array<Entity, 9> list{{
        {QLatin1StringView("amp;"), u"&"},  // the second "&" of "&&" may start another entity
        {QLatin1StringView("quot;"), u"\""},
        {QLatin1StringView("sect;"), u"\u00A7"},
        {QLatin1StringView("permil;"), u"\u2030"},
        {QLatin1StringView("reg;"), u"\u00AE"},
        {QLatin1StringView("copy;"), u"\u00A9"},
        {QLatin1StringView("para;"), u"\u00B6"},
        {QLatin1StringView("trade;"), u"\u2122"},
        {QLatin1StringView("euro;"), u"\u20AC"},
    }};
    return list;
}

const Entity* entityAt(QStringView text, qsizetype i) {
    for (const Entity& e : entities())
        if (text.mid(i).startsWith(e.name, Qt::CaseInsensitive)) return &e;
    return nullptr;
}

// Entities of the text decoded until none is left. Entities never overlap and a decoded one can
// only bring another about through the "&" that "&amp;" leaves, so one pass that looks again
// after that "&" gives what repeated sweeps would.
QString decodeEntities(const QString& text) {
    if (!text.contains('&')) return text;
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    bool ampersand = false;  // an "&" stands before text[i]
    for (;;) {
        if (!ampersand) {
            if (i >= text.size()) break;
            if (text[i] == '<' && i + 1 < text.size() && text[i + 1] != '#') {
                // Tags keep their entities: their values are decoded where they are read.
                const qsizetype close = text.indexOf('>', i);
                const qsizetype end = close < 0 ? text.size() : close + 1;
                out += QStringView(text).mid(i, end - i);
                i = end;
                continue;
            }
            if (text[i] != '&') {
                out += text[i++];
                continue;
            }
            ampersand = true;
            ++i;
        }
        const Entity* e = entityAt(text, i);
        if (!e) {
            out += '&';
            ampersand = false;
            continue;
        }
        i += e->name.size();
        if (e->replacement == u"&") {
            out += '&';  // the first of the two; the second waits as the next "&"
        } else {
            out += e->replacement;
            ampersand = false;
        }
    }
    if (ampersand) out += '&';
    return out;
}

// "<#" up to the next ">" without its brackets. Each "<#" takes the first ">" after it that no
// earlier "<#" took, so the search for it only moves forward.
QString unwrapHashTags(const QString& text) {
    if (!text.contains(QLatin1StringView("<#"))) return text;
    QString out;
    out.reserve(text.size());
    std::vector<bool> dropped(size_t(text.size()), false);
    qsizetype nextClose = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (dropped[size_t(i)]) continue;
        if (text[i] == '<' && i + 1 < text.size() && text[i + 1] == '#') {
            nextClose = std::max(nextClose, i + 2);
            while (nextClose < text.size() && (text[nextClose] != '>' || dropped[size_t(nextClose)])) ++nextClose;
            if (nextClose < text.size()) dropped[size_t(nextClose)] = true;
            continue;
        }
        out += text[i];
    }
    return out;
}

}  // namespace

QString PrepareHTMLMarkup(const QString& Text) { return CRLFToBRTags(unwrapHashTags(decodeEntities(Text)), true); }

bool HasHTMLAttribute(QStringView Tag, QLatin1StringView Name) { return Tag.contains(Name, Qt::CaseInsensitive); }

QString HTMLAttribute(QStringView Tag, QLatin1StringView Name) {
    const qsizetype at = Tag.indexOf(Name, 0, Qt::CaseInsensitive);
    if (at < 0) return QString();
    const qsizetype open = Tag.indexOf('"', at + Name.size());
    if (open < 0) return QString();
    const qsizetype close = Tag.indexOf('"', open + 1);
    if (close < 0) return QString();
    return Tag.mid(open + 1, close - open - 1).toString();
}

int LeadingNumber(QStringView Value) {
    int n = 0;
    for (const QChar c : Value) {
        if (c < '0' || c > '9') break;
        if (n < 100000000) n = n * 10 + (c.unicode() - '0');
        else n = 999999999;
    }
    return n;
}

int HTMLFontSize(QStringView Tag) {
    const qsizetype at = Tag.indexOf(QLatin1StringView("SIZE"), 0, Qt::CaseInsensitive);
    if (at < 0) return -1;
    const qsizetype equals = Tag.indexOf('=', at + 4);
    if (equals < 0) return 0;
    QStringView value = Tag.mid(equals + 1);
    if (value.startsWith('"')) value = value.mid(1);
    return LeadingNumber(value);
}

QString DecodeRunEntities(QStringView Run) {
    QString s = Run.toString();
    if (!s.contains('&')) return s;
    s.replace(QLatin1StringView("&nbsp;"), QLatin1StringView(" "));
    s.replace(QLatin1StringView("&lt;"), QLatin1StringView("<"));
    s.replace(QLatin1StringView("&gt;"), QLatin1StringView(">"));
    return s;
}
