// The one-line column states: count, widths, recorded order and visibility of all columns.
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <optional>

namespace {

// The entries of a comma list; nothing when one is no integer.
std::optional<std::vector<int>> integers(const QString& list) {
    std::vector<int> values;
    if (list.trimmed().isEmpty()) return values;
    for (const QString& part : list.split(',')) {
        bool ok = false;
        const int v = part.trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
        values.push_back(v);
    }
    return values;
}

// More columns than any screen shows: a count beyond is taken for a damaged text.
constexpr int kMaxColumns = 100000;

}  // namespace

bool TExStringGrid::applyColumnOrder(const std::vector<int>& Positions) {
    std::vector<int> order;
    for (int v : Positions)
        if (v != -1) order.push_back(v);
    const int n = static_cast<int>(order.size());
    if (n == 0 || n > ColCount()) return false;
    std::vector<int> inverse(n, -1);
    for (int i = 0; i < n; ++i) {
        if (order[i] < 0 || order[i] >= n || inverse[order[i]] != -1) return false;
        inverse[order[i]] = i;
    }
    TIntList& recorded = *p->FColumnOrder;
    recorded.Clear();
    for (int i = 0; i < n; ++i) recorded.Insert(i, inverse[i]);
    ResetColumnOrder();
    recorded.Clear();
    for (int i = 0; i < n; ++i) recorded.Insert(i, order[i]);
    return true;
}

QString TExStringGrid::ColumnStatesToString() {
    const int n = ColCount() + NumHiddenColumns();
    QStringList widths, order, visible;
    for (int c = 0; c < n; ++c) widths << QString::number(c < ColCount() ? ColWidths(c) : DefaultColWidth());
    const TIntList& recorded = *p->FColumnOrder;
    if (recorded.Count() > 0)
        for (int i = 0; i < recorded.Count(); ++i) order << QString::number(recorded.GetInteger(i));
    else
        for (int c = 0; c < n; ++c) order << QString::number(c);
    for (int c = 0; c < n; ++c) visible << (IsHiddenColumn(c) ? QStringLiteral("0") : QStringLiteral("1"));
    return QString::number(n) + '#' + widths.join(',') + '#' + order.join(',') + '#' + visible.join(',');
}

void TExStringGrid::StringToColumnStates(const QString& Value) {
    if (!Value.contains('#')) return;
    const QStringList fields = Value.split('#');
    bool ok = false;
    const int n = fields[0].trimmed().toInt(&ok);
    const auto widths = integers(fields.value(1));
    const auto positions = integers(fields.value(2));
    const QStringList visible = fields.value(3).isEmpty() ? QStringList() : fields.value(3).split(',');
    // A damaged text changes nothing rather than leave the grid half set.
    if (!ok || n <= 0 || n > kMaxColumns || !widths || !positions) return;

    p->FColumnOrder->Clear();
    UnHideColumnsAll();
    SetColCount(n);
    if (!positions->empty()) {
        std::vector<int> first(positions->begin(), positions->begin() + std::min<size_t>(positions->size(), n));
        applyColumnOrder(first);
    }
    // Hiding every column would leave nothing to show.
    int hidden = 0;
    for (int c = 0; c < std::min<int>(n, visible.size()); ++c) hidden += visible[c].trimmed() == QLatin1String("0");
    if (hidden < n)
        for (int c = std::min<int>(n, visible.size()) - 1; c >= 0; --c)
            if (visible[c].trimmed() == QLatin1String("0")) HideColumn(c);

    TColumnSize& size = *p->ColumnSize;
    const bool stretch = size.FStretch;
    size.FStretch = false;
    if (stretch) {
        const int column = size.StretchColumn == -1 ? ColCount() - 1 : size.StretchColumn;
        if (column >= 0 && column < ColCount()) SetDefaultColWidth(ColWidths(column));
    }
    for (int c = 0; c < ColCount() && c < static_cast<int>(widths->size()); ++c)
        if ((*widths)[c] > 0) SetColWidths(c, (*widths)[c]);
    size.FStretch = stretch;
}
