// Grouping the normal rows by one column: a node header row before each run of equal values, an
// optional summary row after it, the column itself taken out; and putting everything back.
#include "grid/stringgrid/data/row_column_store.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <utility>

namespace {
// Sets a flag for a scope and puts its value back, also on an exception.
class TFlagScope {
public:
    TFlagScope(bool& Flag, bool Value) : FFlag(Flag), FOld(Flag) { FFlag = Value; }
    ~TFlagScope() { FFlag = FOld; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
    bool FOld;
};

struct TGroupRun {
    int First;
    int Count;
    QString Value;
};

// Colours of the row's normal cells, where the colour is set at all.
void applyRowLook(TExStringGrid& Grid, int ARow, TColor Color, TColor ColorTo, TColor TextColor) {
    if (Color != clNone) Grid.SetRowColor(ARow, Color);
    if (ColorTo != clNone) Grid.SetRowColorTo(ARow, ColorTo);
    if (TextColor != clNone) Grid.SetRowFontColor(ARow, TextColor);
}

// Colours of the row's cells from column From on, where the colour is set at all.
void applyCellsLook(TExStringGrid& Grid, int ARow, int From, TColor Color, TColor ColorTo, TColor TextColor) {
    for (int c = From; c < Grid.ColCount(); ++c) {
        if (Color != clNone) Grid.SetColors(c, ARow, Color);
        if (ColorTo != clNone) Grid.SetColorsTo(c, ARow, ColorTo);
        if (TextColor != clNone) Grid.SetFontColors(c, ARow, TextColor);
    }
}

// Columns 1 .. the last become one cell in the given colours.
void mergeRow(TExStringGrid& Grid, int ARow, TColor Color, TColor ColorTo, TColor TextColor) {
    if (Grid.ColCount() < 2) return;
    Grid.MergeCells(1, ARow, Grid.ColCount() - 1, 1);
    Grid.SetColors(1, ARow, Color);
    Grid.SetColorsTo(1, ARow, ColorTo);
    Grid.SetFontColors(1, ARow, TextColor);
}

// The runs of equal stored texts of a column among the normal rows.
std::vector<TGroupRun> groupRuns(TExStringGrid& Grid, int RealCol) {
    std::vector<TGroupRun> runs;
    for (int r = Grid.FixedRows(); r < Grid.RowCount() - Grid.FixedFooters(); ++r) {
        const QString value = Grid.GetGridCell(RealCol, r);
        if (runs.empty() || value != runs.back().Value) runs.push_back({r, 0, value});
        ++runs.back().Count;
    }
    return runs;
}
}  // namespace

void TExStringGrid::SetGroupColumn(int Value) {
    if (Value == -1) UnGroup();
    else if (Value > 0) Group(Value);
}

void TExStringGrid::Group(int Colindex) {
    if (Colindex < FixedCols() || Colindex >= ColCount()) return;
    if (p->FGroupColumn != -1) UnGroup();
    if (RowCount() - FixedFooters() <= FixedRows()) return;
    const TGrouping& grouping = *p->Grouping;
    TGridUpdateLock lock(*this);
    TFlagScope busy(p->FIsGrouping, true);
    const int col = RealColIndex(Colindex);
    p->FGroupColumn = Colindex;
    p->FGroupWidth = ColWidths(Colindex);
    p->FGroupCaption = FixedRows() > 0 ? GetGridCell(col, 0) : QString();
    p->FGroupFooter = FixedFooters() > 0 ? GetGridCell(col, RowCount() - 1) : QString();
    if (p->SortSettings->AutoSortForGrouping) {
        // The sort reads real columns.
        p->SortSettings->Column = col;
        QSort();
    }
    // The value lands in column 1 once the grouping column is gone.
    const int valueCol = RealColIndex(Colindex == 1 ? 2 : 1);

    // Every header and summary row goes in at once; each run's rows then take their looks.
    const std::vector<TGroupRun> runs = groupRuns(*this, col);
    const int perRun = grouping.Summary ? 2 : 1;
    std::vector<int> places;
    places.reserve(runs.size() * static_cast<size_t>(perRun));
    for (size_t i = 0; i < runs.size(); ++i) {
        const int header = runs[i].First + static_cast<int>(i) * perRun;
        places.push_back(header);
        if (grouping.Summary) places.push_back(header + runs[i].Count + 1);
    }
    TGridRowColumnStore::InsertRowList(*this, places, true);
    std::vector<int> headers, summaries;
    for (size_t i = 0; i < runs.size(); ++i) {
        const int header = places[i * static_cast<size_t>(perRun)];
        SetGridCell(valueCol, header, runs[i].Value);
        if (!grouping.MergeHeader) applyRowLook(*this, header, grouping.HeaderColor, grouping.HeaderColorTo, grouping.HeaderTextColor);
        headers.push_back(header);
        if (grouping.Summary) {
            const int summary = header + runs[i].Count + 1;
            SetSummaryRow(RealRowIndex(summary));
            if (!grouping.MergeSummary)
                applyRowLook(*this, summary, grouping.SummaryColor, grouping.SummaryColorTo, grouping.SummaryTextColor);
            summaries.push_back(summary);
        }
        AddNode(RealRowIndex(header), runs[i].Count + 1);
    }
    // Hidden rows are not grouped; their texts of the column wait for UnGroup.
    p->FGroupHeldTexts.clear();
    for (int i = 0; i < p->FGridItems.Count(); ++i) {
        const TGridItem* item = p->FGridItems.Items(i);
        p->FGroupHeldTexts.emplace_back(item, col < item->Items().Count() ? item->Items().Strings(col) : QString());
    }
    p->FGroupRealColumn = col;
    RemoveCols(col, 1);

    if (grouping.MergeHeader)
        for (int h : headers) mergeRow(*this, h, grouping.HeaderColor, grouping.HeaderColorTo, grouping.HeaderTextColor);
    if (grouping.MergeSummary)
        for (int s : summaries) mergeRow(*this, s, grouping.SummaryColor, grouping.SummaryColorTo, grouping.SummaryTextColor);
    if (p->CellNode->ExpandOne && !headers.empty()) ExpandNode(RealRowIndex(headers.front()));
    if (Col() >= ColCount() || Row() >= RowCount()) MoveColRow(FixedCols(), FixedRows(), true, false);
    SetRow(FixedRows());
}

void TExStringGrid::UnGroup() {
    if (p->FGroupColumn <= 0) return;
    TGridUpdateLock lock(*this);
    TFlagScope expandOne(p->CellNode->ExpandOne, false);
    ExpandAll();
    // Sub-groups go first, so that only the group headers are left as nodes.
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (const TCellGraphic* node = IsNode(r) ? GetCellGraphic(0, r) : nullptr; node && node->CellVar.toInt() >= 0)
            SubUnGroup(node->CellVar.toInt());

    const int group = p->FGroupColumn;
    // Back at its real place: hidden columns beside it stay where they were.
    const int col = p->FGroupRealColumn >= 0 ? p->FGroupRealColumn : RealColIndex(group);
    InsertCols(col, 1);
    SetColWidths(DisplColIndex(col), p->FGroupWidth);
    if (FixedRows() > 0) SetGridCell(col, 0, p->FGroupCaption);
    if (FixedFooters() > 0) SetGridCell(col, RowCount() - 1, p->FGroupFooter);
    for (const auto& [item, text] : p->FGroupHeldTexts)
        for (int i = 0; i < p->FGridItems.Count(); ++i)
            if (p->FGridItems.Items(i) == item && col < item->Items().Count()) p->FGridItems.Items(i)->Items().SetStrings(col, text);
    p->FGroupHeldTexts.clear();
    const int valueCol = RealColIndex(group == 1 ? 2 : 1);

    TFlagScope busy(p->FIsGrouping, true);
    // The members take their group's value; the headers and summaries go together at the end.
    QString value;
    std::vector<int> gone;
    const int end = RowCount() - FixedFooters();
    for (int r = FixedRows(); r < end; ++r) {
        if (!gone.empty() && gone.back() == r) continue;
        if (!IsNode(r)) {
            SetGridCell(col, r, value);
            continue;
        }
        // The summary row and the header go with their looks and records; rows still hidden
        // keep their places among the others.
        const int summary = r + GetNodeSpan(r);
        value = GetGridCell(valueCol, r);
        RemoveNode(RealRowIndex(r));
        gone.push_back(r);
        if (summary < end && IsSummary(summary)) gone.push_back(summary);
    }
    removeRowList(gone);
    p->FGroupColumn = -1;
    p->FGroupRealColumn = -1;
    TBaseGrid::Invalidate();
}

// ---- sub-groups

void TExStringGrid::SubGroup(int Colindex) {
    if (Colindex < FixedCols() || Colindex + 1 >= ColCount()) return;
    const TGrouping& grouping = *p->Grouping;
    TGridUpdateLock lock(*this);
    const int col = RealColIndex(Colindex), valueCol = RealColIndex(Colindex + 1);
    // The runs of equal values among the member rows of each group.
    std::vector<TGroupRun> runs;
    for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
        if (IsNode(r) || IsSummary(r)) continue;
        const QString value = GetCellEx(col, r);
        const bool continues = !runs.empty() && runs.back().First + runs.back().Count == r && runs.back().Value == value;
        if (!continues) runs.push_back({r, 0, value});
        ++runs.back().Count;
    }
    // From the bottom, so that the rows above keep their places.
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        const TGroupRun& run = *it;
        for (int r = run.First; r < run.First + run.Count; ++r) SetCellEx(col, r, QString());
        InsertChildRow(RealRowIndex(run.First), 0);
        const int header = run.First;
        SetCellEx(valueCol, header, run.Value);
        if (grouping.MergeHeader) {
            MergeCells(Colindex + 1, header, ColCount() - Colindex - 1, 1);
            SetColors(Colindex + 1, header, grouping.HeaderColor);
            SetColorsTo(Colindex + 1, header, grouping.HeaderColorTo);
            SetFontColors(Colindex + 1, header, grouping.HeaderTextColor);
        } else {
            // The sub-header's look starts after the column it groups by.
            applyCellsLook(*this, header, Colindex + 1, grouping.HeaderColor, grouping.HeaderColorTo,
                           grouping.HeaderTextColor);
        }
        AddNode(RealRowIndex(header), run.Count + 1);
        GetCellGraphic(0, header)->CellVar = Colindex;
    }
    // The last sub-group is closed by a summary row unless a group's summary closes it already.
    const int last = RowCount() - FixedFooters() - 1;
    if (grouping.Summary && !runs.empty() && last >= FixedRows() && !IsSummary(last)) {
        InsertRows(last + 1, 1, true);
        SetSummaryRow(RealRowIndex(last + 1));
        applyCellsLook(*this, last + 1, Colindex + 1, grouping.SummaryColor, grouping.SummaryColorTo,
                       grouping.SummaryTextColor);
    }
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

void TExStringGrid::SubUnGroup(int Colindex) {
    TGridUpdateLock lock(*this);
    ExpandAll();
    const int col = RealColIndex(Colindex);
    QString value;
    for (int r = FixedRows(); r < RowCount() - FixedFooters();) {
        const TCellGraphic* node = IsNode(r) ? GetCellGraphic(0, r) : nullptr;
        if (node && node->CellVar.toInt() == Colindex) {
            value = GetCellEx(RealColIndex(Colindex + 1), r);
            // The row goes with its looks and records.
            RemoveNode(RealRowIndex(r));
            RemoveChildRow(RealRowIndex(r));
            continue;
        }
        // Summary rows belong to the outer group and keep their cells.
        if (!node && !IsSummary(r)) SetCellEx(col, r, value);
        ++r;
    }
}

// ---- calculations per group

void TExStringGrid::GroupCalc(int Colindex, int method) {
    if (Colindex < 0 || Colindex >= TotalColCount()) return;
    for (int r = FixedRows(); r < RowCount();) {
        // Contracted groups keep what they show.
        if (!IsNode(r) || GetNodeState(r)) {
            ++r;
            continue;
        }
        const int span = std::max(GetNodeSpan(r), 1);
        const int from = r + 1, to = r + span - 1;
        const int target = p->Grouping->Summary ? r + span : r;
        double value = 0;
        switch (method) {
        case 1: value = ColumnSum(Colindex, from, to); break;
        case 2: value = ColumnAvg(Colindex, from, to); break;
        case 3: value = ColumnMin(Colindex, from, to); break;
        case 4: value = ColumnMax(Colindex, from, to); break;
        case 6: OnGroupCalc(this, Colindex, from, to, value); break;
        case 7: value = ColumnDistinct(Colindex, from, to); break;
        case 8: value = ColumnStdDev(Colindex, from, to); break;
        default: break;
        }
        if (target < RowCount()) {
            if (method == 5) SetInts(Colindex, target, span - 1);
            else SetFloats(Colindex, target, value);
        }
        r += span;
    }
}

namespace {
// The floating footer follows the group calculation in that column.
void groupCalcWithFooter(TExStringGrid& Grid, int Colindex, int Method, TColumnCalcType Footer) {
    Grid.GroupCalc(Colindex, Method);
    if (!Grid.FloatingFooter().Visible) return;
    Grid.GetCellProperties(Colindex, Grid.RowCount() - 1)->SetCalcType(Footer);
    Grid.ColumnChanged(Colindex);
}
}  // namespace

void TExStringGrid::GroupSum(int Colindex) { groupCalcWithFooter(*this, Colindex, 1, acSUM); }
void TExStringGrid::GroupAvg(int Colindex) { groupCalcWithFooter(*this, Colindex, 2, acAVG); }
void TExStringGrid::GroupMin(int Colindex) { groupCalcWithFooter(*this, Colindex, 3, acMIN); }
void TExStringGrid::GroupMax(int Colindex) { groupCalcWithFooter(*this, Colindex, 4, acMAX); }
void TExStringGrid::GroupCount(int Colindex) { groupCalcWithFooter(*this, Colindex, 5, acCOUNT); }
void TExStringGrid::GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
void TExStringGrid::GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }
void TExStringGrid::GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }
