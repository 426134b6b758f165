// Columns and rows sized to their content, columns fitted to the control, rows and columns
// numbered.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cmath>

namespace {
// Min equal to Max sets no limit; a limit of 0 or less is none.
int limited(int Value, int Min, int Max) {
    if (Min == Max) return Value;
    if (Min > 0 && Value < Min) return Min;
    if (Max > 0 && Value > Max) return Max;
    return Value;
}

// Halves go to the even neighbour.
int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

// The painted text of a cell as the painter measures it, word wrapped when asked, without a
// combo button.
static TPoint textExtent(TExStringGrid& grid, TCanvas&, int ACol, int ARow, bool Wrapped = false) {
    const TSize size = grid.GetCellTextSize(ACol, ARow, Wrapped, false);
    return {size.cx, size.cy};
}

// The canvas font of a cell as the painter sets it.
static void useCellFont(TExStringGrid& grid, TCanvas& canvas, int ACol, int ARow, bool Fixed, int Zoom) {
    canvas.Font = Fixed ? grid.FixedFont() : grid.Font();
    grid.GetCellColor(ACol, ARow, Fixed ? gdFixed : 0, canvas.Brush, canvas.Font);
    if (Zoom != 0) canvas.Font.SetSize(canvas.Font.Size() + Zoom);
}

int TExStringGridPrivate::horizontalMargin(const TExStringGrid& grid) {
    return grid.XYOffsetTopLeftOnly ? grid.XYOffset.X : 2 * grid.XYOffset.X;
}

int TExStringGridPrivate::verticalMargin(const TExStringGrid& grid) {
    return grid.XYOffsetTopLeftOnly ? grid.XYOffset.Y : 2 * grid.XYOffset.Y;
}

// ---- columns

void TExStringGrid::AutoSizeCol(int ACol, int Padding) {
    AutoSizeColWidth(ACol, SizeGrowOnly);
    if (Padding != 0) SetColWidths(ACol, limited(ColWidths(ACol) + Padding, MinColWidth, MaxColWidth));
}

void TExStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    for (int c = DoFixedCols ? 0 : FixedCols(); c <= last; ++c) AutoSizeCol(c, Padding);
}

bool TExStringGrid::IsSortIndicatorCell(int ACol, int ARow) {
    const TSortSettings& sort = *p->SortSettings;
    if (!sort.Show || RowCount() <= FixedRows() + 1) return false;
    const int real = RealColIndex(ACol);
    const int row = IsYMergedCell(real, ARow) ? FullCell(real, ARow).Bottom : ARow;
    return row == sort.Row;
}

void TExStringGrid::AutoSizeColWidth(int ACol, bool GrowOnly) {
    int first = 0, last = RowCount() - 1;
    if (p->ColumnSize->Rows == arNormal) {
        first = FixedRows();
        last = RowCount() - FixedFooters() - 1;
    } else if (p->ColumnSize->Rows == arFixed) {
        last = FixedRows() - 1;
    }
    const int real = RealColIndex(ACol);
    const int lines = 2 * (GridLineWidth() + 1);
    TCanvas& canvas = Canvas();
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(real, r)) continue;
        useCellFont(*this, canvas, real, r, r < FixedRows() || ACol < FixedCols(), 0);
        int w = GetCellGraphicSize(real, r).X + textExtent(*this, canvas, real, r).X;
        if (p->ControlLook->DropDownAlwaysVisible && HasComboBox(real, r)) w += 16;
        if (FilterDropDownAuto && r == FilterDropDownRow && HasFilterValues(real)) w += 12;
        if (IsSortIndicatorCell(ACol, r) && real == p->SortSettings->Column) w += 10;
        if (const TCellGraphic* g = GetCellGraphic(real, r); g && g->CellHAlign == haFull)
            w = GetCellGraphicSize(real, r).X - (lines + XYOffset.X);
        widest = std::max(widest, w);
    }
    int width = TExStringGridPrivate::horizontalMargin(*this) + widest + lines;
    if (GrowOnly && ColWidths(ACol) >= width) return;
    UpdateAutoColumnSize(ACol, width);
    SetColWidths(ACol, limited(width, MinColWidth, MaxColWidth));
}

// ---- rows

void TExStringGrid::AutoSizeRow(int ARow, int Padding) {
    AutoSizeRowHeight(ARow, SizeGrowOnly, Padding);
    if (Padding != 0) SetRowHeights(ARow, limited(RowHeights(ARow) + Padding, MinRowHeight, MaxRowHeight));
}

void TExStringGrid::AutoSizeRowHeight(int ARow, bool GrowOnly, int Margin) {
    TCanvas& canvas = Canvas();
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        if (IsYMergedCell(real, ARow) && !IsBaseCell(real, ARow)) continue;
        if (IsIgnoredColumn(real)) continue;
        useCellFont(*this, canvas, real, ARow, ARow < FixedRows() || c < FixedCols(), ZoomFactor);
        int t = textExtent(*this, canvas, real, ARow, WordWrap).Y;
        TPoint size{0, 0};
        GetCellGraphicSizeEx(real, ARow, size, Margin);
        int g = size.Y;
        const TCellGraphic* graphic = GetCellGraphic(real, ARow);
        if (graphic) {
            if (graphic->CellVAlign == vaFull) g = t > 0 ? 0 : DefaultRowHeight();
            if ((graphic->CellType == ctDataCheckBox || graphic->CellType == ctVirtCheckBox) && g > 0) t = 0;
        }
        int h = t + g;
        if (graphic && (graphic->CellType == ctCheckBox || graphic->CellType == ctDataCheckBox ||
                        graphic->CellType == ctVirtCheckBox || graphic->CellType == ctRadioButton))
            h = DefaultRowHeight();
        tallest = std::max(tallest, h);
    }
    int height = TExStringGridPrivate::verticalMargin(*this) + tallest + 2 * GridLineWidth();
    if (XYOffsetTopLeftOnly) height += 2;
    const bool allRowsShown = VisibleRowCount() + FixedRows() >= RowCount();
    if (!GrowOnly || RowHeights(ARow) < height)
        SetRowHeights(ARow, limited(height, MinRowHeight, MaxRowHeight));
    // A row grown while typing that pushes rows out of view brings the editor back over its
    // cell, the caret after the last character.
    if (allRowsShown && EditMode() && p->SizeWhileTyping->Height && VisibleRowCount() + FixedRows() < RowCount()) {
        TInplaceEdit* editor = InplaceEditor();
        if (editor && editor->Visible()) UpdateEditorPlace();
        else ShowInplaceEdit();
        if ((editor = InplaceEditor())) editor->SetSelStart(editor->TextEnd());
    }
}

void TExStringGrid::SetRowHeightLines(int ARow, int Lines, int Extra) {
    TCanvas& canvas = Canvas();
    useCellFont(*this, canvas, RealColIndex(FixedCols()), ARow, ARow < FixedRows(), 0);
    const int h = canvas.TextHeight(QStringLiteral("gh"));
    SetRowHeights(ARow, limited(Extra + Lines * (h + h / 8), MinRowHeight, MaxRowHeight));
}

void TExStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
    if (RowCount() == 0) return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (WordWrap) {
            AutoSizeRow(r, 0);
            if (Padding != 0) SetRowHeights(r, limited(RowHeights(r) + Padding, MinRowHeight, MaxRowHeight));
        } else {
            int lines = 1;
            for (int c = 0; c < ColCount(); ++c) lines = std::max(lines, LinesInCell(RealColIndex(c), r));
            SetRowHeightLines(r, lines, Padding);
        }
    }
    ScrollBarAlwaysUpdate(false);
    ExportNotification(esExportDone, -1);
}

// ---- cells

void TExStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
    BeginUpdate();
    TCanvas& canvas = Canvas();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    for (int c = DoFixedCells ? 0 : FixedCols(); c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        int w = SizeGrowOnly ? ColWidths(c) : 0;
        for (int r = firstRow; r < RowCount(); ++r) {
            useCellFont(*this, canvas, real, r, r < FixedRows() || c < FixedCols(), 0);
            const TPoint text = textExtent(*this, canvas, real, r);
            const TPoint graphic = GetCellGraphicSize(real, r);
            const int width = text.X + graphic.X + PaddingX + XYOffset.X;
            const int height = text.Y + graphic.Y + PaddingY + XYOffset.Y;
            if (!IsXMergedCell(real, r) && w < width) {
                const int limit = limited(width, MinColWidth, MaxColWidth);
                if (w < limit) {
                    SetColWidths(c, limit);
                    w = limit;
                }
            }
            if (!IsYMergedCell(real, r) && RowHeights(r) < height) {
                const int limit = limited(height, MinRowHeight, MaxRowHeight);
                if (RowHeights(r) < limit) SetRowHeights(r, limit);
            }
        }
    }
    EndUpdate();
}

void TExStringGrid::AutoFitColumns(bool DoFixedCells) {
    const bool vertBar = ScrollBarAlways() == saVert ||
                         (ScrollBars() != ssNone && VisibleRowCount() + FixedRows() < RowCount());
    const int s = vertBar ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int b = BorderStyle() == bsSingle ? (Ctl3D ? 4 : 2) : 0;
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    int available = Width();
    if (!DoFixedCells) {
        for (int c = 0; c < FixedCols(); ++c) available -= ColWidths(c);
        for (int c = last + 1; c < ColCount(); ++c) available -= ColWidths(c);
    }
    int lines = 0;
    if (Options() & goVertLine) lines = GridLineWidth() * (ColCount() - FixedCols() - FixedRightCols());
    if ((Options() & goFixedVertLine) && DoFixedCells) lines += FixedCols() + FixedRightCols();
    if (ColCount() < 2) {
        SetColWidths(0, Width() - s - 5);
        return;
    }
    auto fittedSum = [&] {
        int sum = 0;
        for (int c = first; c <= last; ++c) sum += ColWidths(c);
        return sum;
    };
    const int sum = fittedSum();
    if (sum == available - s - b || sum <= 0) return;
    const double f = static_cast<double>(available - s - b - lines) / sum;
    int total = 0;
    for (int c = first; c <= last; ++c) total += roundEven(ColWidths(c) * f);
    for (int c = first; c <= last; ++c) SetColWidths(c, roundEven(static_cast<double>(ColWidths(c)) * total / sum));
    int rest = available - (fittedSum() + s + b);
    const int n = last - first + 1;
    if (n < rest && n > 1) {
        for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + rest / n);
        rest %= n;
    }
    int widest = first;
    for (int c = first; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest)) widest = c;
    SetColWidths(widest, ColWidths(widest) + rest);
}

void TExStringGrid::SizeToCols() {
    int sum = 0;
    for (int c = 0; c < ColCount(); ++c) sum += ColWidths(c);
    SetClientWidth(sum);
}

void TExStringGrid::SizeToRows() {
    int sum = 0;
    for (int r = 0; r < RowCount(); ++r) sum += RowHeights(r);
    SetClientHeight(sum);
}

void TExStringGrid::SizeToCells() {
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}

// ---- numbering

void TExStringGrid::AutoNumberCol(int ACol) {
    if (RowCount() == 0) return;
    const int lastRow = RowCount() - FixedFooters() - 1;
    for (int i = FixedRows() + AutoNumberStart; i <= lastRow; ++i) {
        const int value = i - FixedRows() + 1 + AutoNumberOffset;
        SetInts(ACol, AutoNumberDirection == sdAscending ? i : FixedRows() + lastRow - i, value);
    }
}

void TExStringGrid::AutoNumberRow(int ARow) {
    const int lastCol = ColCount() - FixedRightCols() - 1;
    for (int i = FixedCols() + AutoNumberStart; i <= lastCol; ++i) {
        const int value = i - FixedCols() + 1 + AutoNumberOffset;
        SetInts(AutoNumberDirection == sdAscending ? i : FixedCols() + lastCol - i, ARow, value);
    }
}
