// The header texts of row 0 and column 0, and the grid's other lists and fonts set by copy.
#include "grid/foundation/codings.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::SetColumnHeaders(const TStringList& Value) {
    p->ColumnHeaders->Assign(Value);
    if (FixedRows() > 0)
        for (int c = 0; c < TotalColCount(); ++c) SetCellEx(c, 0, QString());
    ShowColumnHeaders();
}

void TExStringGrid::ShowColumnHeaders() {
    if (FixedRows() <= 0) return;
    const TStringList& headers = *p->ColumnHeaders;
    for (int i = 0; i < headers.Count() && i < TotalColCount(); ++i) SetCellEx(i, 0, UnescapeNewlines(headers.Strings(i)));
}

void TExStringGrid::ClearColumnHeaders() {
    for (int c = 0; c < ColCount(); ++c) SetCellEx(c, 0, QString());
}

void TExStringGrid::SetRowHeaders(const TStringList& Value) {
    p->RowHeaders->Assign(Value);
    ShowRowHeaders();
}

void TExStringGrid::ShowRowHeaders() {
    if (FixedCols() <= 0) return;
    const TStringList& headers = *p->RowHeaders;
    for (int i = 0; i < headers.Count() && i < RowCount(); ++i) SetCellEx(0, i, headers.Strings(i));
}

void TExStringGrid::ClearRowHeaders() {
    for (int r = 0; r < RowCount(); ++r) SetCellEx(0, r, QString());
}

void TExStringGrid::SetLookupItems(const TStringList& Value) { p->LookupItems->Assign(Value); }

void TExStringGrid::SetFixedFont(const TFont& Value) {
    p->FixedFont->Assign(Value);
    TBaseGrid::Invalidate();
}
