// Sums, averages, extremes, spread and distinct counts over a column range or a row range.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_errors.h"

#include <QLocale>
#include <QSet>

#include <cmath>
#include <functional>

namespace {
// Announces the end of a column calculation however it is left.
class TCalcDone {
public:
    explicit TCalcDone(TExStringGrid& grid) : FGrid(grid) {}
    ~TCalcDone() { FGrid.ExportNotification(esExportDone, -1); }
    TCalcDone(const TCalcDone&) = delete;
    TCalcDone& operator=(const TCalcDone&) = delete;

private:
    TExStringGrid& FGrid;
};

// The value of a cell, or nothing for a cell whose number does not parse.
template <class Read>
bool tryValue(Read read, double& Value) {
    try {
        Value = read();
        return true;
    } catch (const VEriRodiVizev&) {
        return false;
    }
}
}  // namespace

namespace {
// The rows a column calculation runs over and how each is read.
class TColumnRange {
public:
    TColumnRange(TExStringGrid& Grid, int ACol, int FromRow, int ToRow) : grid(Grid), col(ACol), from(FromRow), to(ToRow) {
        if (from == -1 || to == -1) {
            from = grid.FixedRows();
            to = grid.RowCount() - grid.FixedFooters() - 1;
        }
        const int lastShown = grid.FloatingFooter().Visible ? grid.RowCount() - 2 : grid.RowCount() - 1;
        allRows = to > lastShown;
    }

    // Visits the rows that count: in a grouped grid headers and summaries are left out, and
    // the cells a merged range covers always.
    void eachCounted(const std::function<void(double)>& Add) {
        grid.ExportNotification(esExportStart, from);
        TCalcDone done(grid);
        const bool grouped = grid.GroupColumn() != -1;
        for (int r = from; r <= to; ++r) {
            const bool hidden = allRows && grid.IsHiddenRow(r);
            const int displ = allRows ? grid.DisplRowIndex(r) : r;
            if (!hidden && grouped && (grid.IsNode(displ) || grid.IsSummary(displ))) continue;
            if (!hidden && !grid.IsBaseCell(col, displ)) continue;
            grid.ExportNotification(esExportNextRow, r);
            double value = 0;
            if (tryValue([&] { return allRows ? grid.AllFloats(col, r) : grid.Floats(col, r); }, value)) Add(value);
        }
    }

    int count() const { return to - from + 1; }

    TExStringGrid& grid;
    int col, from, to;
    bool allRows = false;
};
}  // namespace

double TExStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
    TColumnRange range(*this, ACol, FromRow, ToRow);
    double sum = 0;
    range.eachCounted([&](double v) { sum += v; });
    return sum;
}

double TExStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
    const TColumnRange range(*this, ACol, FromRow, ToRow);
    if (range.count() <= 0) return 0;
    return ColumnSum(ACol, range.from, range.to) / range.count();
}

namespace {
using TPick = double (*)(double, double);
double smaller(double a, double b) { return std::min(a, b); }
double greater(double a, double b) { return std::max(a, b); }

double columnExtreme(TExStringGrid& grid, int ACol, int FromRow, int ToRow, TPick pick) {
    TColumnRange range(grid, ACol, FromRow, ToRow);
    // The first cell seeds the result; its conversion error reaches the caller.
    double result = grid.Floats(ACol, range.from);
    range.eachCounted([&](double v) { result = pick(result, v); });
    return result;
}

// Adds up or picks among the base cells of the row; cells that are no number are skipped.
double rowFold(TExStringGrid& grid, int ARow, int fromCol, int toCol, double seed, TPick fold) {
    double result = seed, value = 0;
    for (int c = fromCol; c <= toCol; ++c)
        if (grid.IsBaseCell(c, ARow) && tryValue([&] { return grid.Floats(c, ARow); }, value)) result = fold(result, value);
    return result;
}

double plus(double a, double b) { return a + b; }
}  // namespace

double TExStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) { return columnExtreme(*this, ACol, FromRow, ToRow, smaller); }
double TExStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) { return columnExtreme(*this, ACol, FromRow, ToRow, greater); }

double TExStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
    const TColumnRange range(*this, ACol, FromRow, ToRow);
    // An empty range has no spread.
    if (range.count() <= 0) return 0;
    const double mean = ColumnAvg(ACol, range.from, range.to);
    ExportNotification(esExportStart, range.from);
    TCalcDone done(*this);
    double squares = 0;
    for (int r = range.from; r <= range.to; ++r) {
        const double d = Floats(ACol, r) - mean;
        squares += d * d;
    }
    return std::sqrt(squares / range.count());
}

double TExStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
    const TColumnRange range(*this, ACol, FromRow, ToRow);
    ExportNotification(esExportStart, range.from);
    TCalcDone done(*this);
    const QLocale locale;
    QSet<QString> seen;
    for (int r = range.from; r <= range.to; ++r) {
        seen.insert(locale.toUpper(GetCellEx(ACol, r)));
        ExportNotification(esExportNextRow, r);
    }
    return seen.size();
}

double TExStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
    const TColumnRange range(*this, ACol, FromRow, ToRow);
    double result = 0;
    OnColumnCalc(this, ACol, range.from, range.to, result);
    return result;
}

// ---- rows

double TExStringGrid::RowSum(int ARow, int fromCol, int toCol) { return rowFold(*this, ARow, fromCol, toCol, 0, plus); }

double TExStringGrid::RowAvg(int ARow, int fromCol, int toCol) {
    // An empty range averages to 0 rather than dividing by none.
    return toCol < fromCol ? 0 : RowSum(ARow, fromCol, toCol) / (toCol - fromCol + 1);
}

// The first cell seeds the result; its conversion error reaches the caller.
double TExStringGrid::RowMin(int ARow, int fromCol, int toCol) {
    return rowFold(*this, ARow, fromCol, toCol, Floats(fromCol, ARow), smaller);
}

double TExStringGrid::RowMax(int ARow, int fromCol, int toCol) {
    return rowFold(*this, ARow, fromCol, toCol, Floats(fromCol, ARow), greater);
}
