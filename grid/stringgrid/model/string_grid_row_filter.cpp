// Whether a row passes the grid's filter conditions.
#include "grid/foundation/codings.h"
#include "grid/foundation/filter_matching.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>

namespace {
QString asciiUpper(QString s) {
    for (QChar& ch : s)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ch = QChar(ch.unicode() - 'a' + 'A');
    return s;
}

// The prefix at the start and the suffix that ends the text, taken off.
QString withoutAffixes(QString text, const TFilterData& item) {
    if (!item.Prefix.isEmpty() && text.startsWith(item.Prefix)) text.remove(0, item.Prefix.size());
    if (!item.Suffix.isEmpty()) {
        const qsizetype at = text.indexOf(item.Suffix);
        if (at >= 0 && at + item.Suffix.size() == text.size()) text.truncate(at);
    }
    return text;
}

bool matchValue(const TFilterData& item, const TPreparedFilter& condition, const QString& value) {
    return item.Method == fmLiteral ? item.Condition == value : condition.Match(value);
}

bool combine(TFilterOperation op, bool result, bool match) {
    switch (op) {
    case foAND: return result && match;
    case foOR: return result || match;
    case foXOR: return result != match;
    default: return match;
    }
}
}  // namespace

const QString& TExStringGrid::filterText(const TFilterData& Item, int ARow, QString& Held) {
    const QString* text = &Held;
    switch (Item.Data) {
    case fcVirtual:
        // Most cells show what they store: those are read without a copy.
        if (const QString* stored = storedDisplayText(Item.Column, ARow)) text = stored;
        else Held = GetCellEx(Item.Column, ARow);
        break;
    case fcNormal: Held = GetGridCell(Item.Column, ARow); break;
    case fcStripHTML: Held = StrippedCells(Item.Column, ARow); break;
    case fcCalculated: Held = GetCalculatedCell(Item.Column, ARow); break;
    case fcRow:
        for (int c = 0; c < ColCount(); ++c) Held += GetGridCell(RealColIndex(c), ARow) + QStringLiteral("\r\n");
        break;
    }
    if (!text->isEmpty() && (text->front().isSpace() || text->back().isSpace())) {
        Held = text->trimmed();
        text = &Held;
    }
    // Wide text is rare: a scan for the marker's first character comes before the full test, in
    // place, as most cell texts are a few characters long.
    if (std::find(text->cbegin(), text->cend(), u'|') != text->cend() && text->contains(QStringLiteral("|\\"))) {
        Held = DecodeWideText(*text);
        text = &Held;
    }
    return *text;
}

const TPreparedFilter& TExStringGrid::preparedCondition(int Index, const TFilterData& Item) {
    std::vector<TPreparedFilter>& prepared = p->FPreparedFilters;
    if (prepared.size() <= static_cast<size_t>(Index)) prepared.resize(static_cast<size_t>(Index) + 1);
    TPreparedFilter& condition = prepared[static_cast<size_t>(Index)];
    if (!condition.PreparedFrom(Item.Condition, Item.CaseSensitive)) condition = TPreparedFilter(Item.Condition, Item.CaseSensitive);
    return condition;
}

bool TExStringGrid::MatchFilter(int ARow) {
    bool result = true;
    for (int i = 0; i < p->Filter->Count(); ++i) {
        const TFilterData& item = *p->Filter->Items(i);
        QString held;
        const QString& text = filterText(item, ARow, held);
        bool match = false;
        if (item.Data == fcRow) {
            match = asciiUpper(text).contains(asciiUpper(item.Condition));
        } else if (item.Condition.isEmpty()) {
            match = true;
        } else {
            // A condition the matcher cannot take counts as no match.
            try {
                // Most conditions have no affixes: the text is matched as it is, without a copy.
                const TPreparedFilter& condition = preparedCondition(i, item);
                if (item.Prefix.isEmpty() && item.Suffix.isEmpty()) match = matchValue(item, condition, text);
                else match = matchValue(item, condition, withoutAffixes(text, item));
            } catch (...) {
                match = false;
            }
        }
        result = combine(item.Operation, result, match);
        if (item.Operation == foSHORT && !match) break;
    }
    OnCustomFilter(this, ARow, result);
    return result;
}
