#include "grid/foundation/html_controls.h"

#include "grid/foundation/html_entities.h"
#include "grid/foundation/html_markup.h"
#include "platform/system/regional.h"

#include <QStringList>
#include <functional>

namespace {

const QLatin1StringView ControlStart("<CONTROL ");

// A control's tag in the text: from its "<" up to and including the next ">" (or the end).
struct ControlSpan {
    qsizetype start;
    qsizetype end;
    THTMLControlTag tag;
};

// Calls visit for each control in order until it answers true; the span it stopped at, if any.
bool forEachControl(const QString& html, const std::function<bool(const ControlSpan&)>& visit, ControlSpan* found = nullptr) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = html.indexOf(ControlStart, from, Qt::CaseInsensitive);
        if (start < 0) return false;
        const qsizetype close = html.indexOf('>', start);
        const qsizetype end = close < 0 ? html.size() : close + 1;
        const ControlSpan span{start, end, ParseHTMLControlTag(html.mid(start + 8, end - start - 8))};
        if (visit(span)) {
            if (found) *found = span;
            return true;
        }
        from = start + ControlStart.size();
    }
}

bool findControl(const QString& html, const QString& id, ControlSpan& span) {
    return forEachControl(html, [&](const ControlSpan& s) { return s.tag.ID == id; }, &span);
}

}  // namespace

bool HasHTMLControl(const QString& HTML) { return HTML.contains(QLatin1StringView("<CONTROL"), Qt::CaseInsensitive); }

THTMLControlTag ParseHTMLControlTag(const QString& TagText) {
    THTMLControlTag t;
    t.Type = HTMLAttribute(TagText, QLatin1StringView("TYPE=")).toUpper();
    t.Width = HTMLAttribute(TagText, QLatin1StringView("WIDTH="));
    t.Height = HTMLAttribute(TagText, QLatin1StringView("HEIGHT="));
    t.ID = HTMLAttribute(TagText, QLatin1StringView("ID="));
    t.Value = DecodeHTMLEntities(HTMLAttribute(TagText, QLatin1StringView("VALUE=")), true);
    t.Prop = DecodeHTMLEntities(HTMLAttribute(TagText, QLatin1StringView("PROP=")), true);
    t.MaxLen = HTMLAttribute(TagText, QLatin1StringView("MAXLEN="));
    return t;
}

bool GetHTMLControlValue(const QString& HTML, const QString& ID, QString& Value) {
    ControlSpan span;
    if (!findControl(HTML, ID, span)) return false;
    Value = span.tag.Value;
    return true;
}

QString GetHTMLControlProp(const QString& HTML, const QString& ID) {
    ControlSpan span;
    return findControl(HTML, ID, span) ? span.tag.Prop : QString();
}

int GetHTMLControlMaxLen(const QString& HTML, const QString& ID) {
    ControlSpan span;
    int n = 0;
    if (findControl(HTML, ID, span) && !TryStrToInt(span.tag.MaxLen, n)) n = 0;
    return n;
}

QString GetNextHTMLControlID(const QString& HTML, const QString& ID) {
    bool searching = ID.isEmpty();
    ControlSpan span;
    const bool found = forEachControl(
        HTML,
        [&](const ControlSpan& s) {
            const QString& type = s.tag.Type;
            if (searching && type != "BUTTON" && type != "CHECK" && type != "RADIO") return true;
            if (s.tag.ID == ID) searching = true;
            return false;
        },
        &span);
    return found ? span.tag.ID : QString();
}

QString ClearHTMLRadioControls(const QString& HTML) {
    QStringList radios;
    forEachControl(HTML, [&](const ControlSpan& s) {
        if (s.tag.Type == "RADIO") radios << s.tag.ID;
        return false;
    });
    QString text = HTML;
    for (const QString& id : radios) SetHTMLControlValue(text, id, "FALSE");
    return text;
}

bool SetHTMLControlValue(QString& HTML, const QString& ID, const QString& Value) {
    ControlSpan span;
    if (!findControl(HTML, ID, span)) return false;
    const THTMLControlTag& t = span.tag;
    const auto quoted = [](const QString& s) { return '"' + s + '"'; };
    QString tag = "CONTROL ID=" + quoted(t.ID) + " VALUE=" + quoted(EncodeHTMLEntities(Value, true)) +
                  " WIDTH=" + quoted(t.Width) + " TYPE=" + quoted(t.Type);
    if (!t.Prop.isEmpty()) tag += " PROP=" + quoted(EncodeHTMLEntities(t.Prop, true));
    if (!t.MaxLen.isEmpty()) tag += " MAXLEN=" + quoted(t.MaxLen);
    tag += '>';
    HTML.replace(span.start + 1, span.end - span.start - 1, tag);
    return true;
}
