// Filling cells with test or constant content, and exchanging two cells, columns or rows with
// their records, sizes and the controls placed in them.
#include "grid/foundation/decoration_painters.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"

#include <QRegularExpression>
#include <random>

namespace {
// The cells a fill writes: all with DoFixed, else the normal ones.
TRect fillArea(const TExStringGrid& g, bool DoFixed) {
    if (DoFixed) return {0, 0, g.ColCount() - 1, g.RowCount() - 1};
    return {g.FixedCols(), g.FixedRows(), g.ColCount() - g.FixedRightCols() - 1, g.RowCount() - g.FixedFooters() - 1};
}

// Fmt with its integer formats taking Args in turn; a format beyond the arguments stays as
// written, and "%%" is a percent sign.
QString formatIntegers(const QString& Fmt, std::initializer_list<int> Args) {
    static const QRegularExpression directive(QStringLiteral("%%|%[-+ #0]*\\d*(?:\\.\\d+)?[a-zA-Z]"));
    QString out;
    qsizetype from = 0;
    auto arg = Args.begin();
    for (auto it = directive.globalMatch(Fmt); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += Fmt.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
        if (m.captured() == QLatin1String("%%")) out += QLatin1Char('%');
        else if (arg != Args.end()) out += FormatProgressValue(m.captured(), *arg++);
        else out += m.captured();
    }
    return out + Fmt.mid(from);
}
// The controls placed in column (row) A go to B and the reverse; indexes are real.
void swapControlPlaces(TControlList& Controls, bool Columns, int A, int B) {
    for (int i = 0; i < Controls.Count(); ++i) {
        TControlItem* item = Controls.GetControl(i);
        const int at = Columns ? item->X() : item->Y();
        const int to = at == A ? B : at == B ? A : at;
        if (Columns) item->SetX(to);
        else item->SetY(to);
    }
}
}  // namespace

void TExStringGrid::TextFill(bool DoFixed, const QString& Txt) {
    const TRect a = fillArea(*this, DoFixed);
    for (int r = a.Top; r <= a.Bottom; ++r)
        for (int c = a.Left; c <= a.Right; ++c) SetCells(c, r, Txt);
    AllCellsChanged();
}

void TExStringGrid::FormatFill(bool DoFixed, const QString& Fmt) {
    const TRect a = fillArea(*this, DoFixed);
    for (int r = a.Top; r <= a.Bottom; ++r)
        for (int c = a.Left; c <= a.Right; ++c) SetCells(c, r, formatIntegers(Fmt, {c, r}));
    AllCellsChanged();
}

void TExStringGrid::RandomFill(bool DoFixed, int Rnd) {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> draw(0, std::max(Rnd, 1) - 1);
    const TRect a = fillArea(*this, DoFixed);
    for (int r = a.Top; r <= a.Bottom; ++r)
        for (int c = a.Left; c <= a.Right; ++c) SetInts(c, r, draw(generator));
    AllCellsChanged();
}

void TExStringGrid::LinearFill(bool DoFixed) { FormatFill(DoFixed, QStringLiteral("%d:%d")); }

void TExStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
    const int c1 = RealColIndex(FromCell.X), c2 = RealColIndex(ToCell.X);
    const QString text = Cells(c1, FromCell.Y);
    TObject* object = GetGridObject(c1, FromCell.Y);
    SetCells(c1, FromCell.Y, Cells(c2, ToCell.Y));
    SetGridObject(c1, FromCell.Y, GetGridObject(c2, ToCell.Y));
    SetCells(c2, ToCell.Y, text);
    SetGridObject(c2, ToCell.Y, object);
    RepaintCell(FromCell.X, FromCell.Y);
    RepaintCell(ToCell.X, ToCell.Y);
}

void TExStringGrid::SwapColumns(int ACol1, int ACol2) {
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= ColCount() || ACol2 >= ColCount()) return;
    const int c1 = RealColIndex(ACol1), c2 = RealColIndex(ACol2);
    for (int r = 0; r < RowCount(); ++r) SwapCells({ACol1, r}, {ACol2, r});
    // Hidden rows and the rows of collapsed nodes keep their cells apart; they change too.
    THiddenRows& hidden = p->FGridItems;
    for (int i = 0; i < hidden.Count(); ++i) {
        THeldRow held{hidden.TakeCells(i), hidden.Height(i), hidden.Level(i), hidden.FromRowList(i)};
        const size_t needed = static_cast<size_t>(std::max(c1, c2)) + 1;
        if (held.Cells.size() < needed) held.Cells.resize(needed);
        std::swap(held.Cells[static_cast<size_t>(c1)], held.Cells[static_cast<size_t>(c2)]);
        hidden.Hold(i, std::move(held));
    }
    const int width = ColWidths(ACol1);
    SetColWidths(ACol1, ColWidths(ACol2));
    SetColWidths(ACol2, width);
    TSortSettings& sort = *p->SortSettings;
    if (sort.Column == c1) sort.Column = c2;
    else if (sort.Column == c2) sort.Column = c1;
    swapControlPlaces(*p->FControlList, true, c1, c2);
    CellControlsUpdate(false);
    InvalidateGridRect({std::min(ACol1, ACol2), 0, std::max(ACol1, ACol2), RowCount() - 1});
}

void TExStringGrid::SwapRows(int ARow1, int ARow2) {
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    // Every stored cell of the rows, the hidden columns' too, goes with its row.
    auto first = TakeRowCells(ARow1);
    PutRowCells(ARow1, TakeRowCells(ARow2));
    PutRowCells(ARow2, std::move(first));
    const int height = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, height);
    const int r1 = RealRowIndex(ARow1), r2 = RealRowIndex(ARow2);
    swapControlPlaces(*p->FControlList, false, r1, r2);
    CellControlsUpdate(false);
    InvalidateGridRect({0, std::min(ARow1, ARow2), ColCount() - 1, std::max(ARow1, ARow2)});
}
