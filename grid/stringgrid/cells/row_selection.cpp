// Disjunct row and column selection, the selection's text, modified and disabled rows.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/string_grid_errors.h"
#include "platform/controls/rich_edit.h"

#include <algorithm>

namespace {
void growTo(std::vector<bool>& flags, int index) {
    if (static_cast<int>(flags.size()) <= index) flags.resize(static_cast<size_t>(index) + 1, false);
}

bool flagAt(const std::vector<bool>& flags, int index) {
    return index >= 0 && index < static_cast<int>(flags.size()) && flags[static_cast<size_t>(index)];
}

void growTo(TIntList& list, int index) {
    while (list.Count() <= index) list.Add(0);
}

TGridRect normalised(TGridRect r) {
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    return r;
}
}  // namespace

// ---- rows

bool TExStringGrid::RowSelect(int ARow) {
    if (!p->MouseActions->RowSelectPersistent && (ARow < 0 || ARow >= TotalRowCount()))
        throw VEriRodiVizev(QStringLiteral("Invalid row %1 accessed").arg(ARow));
    if (p->MouseActions->DisjunctRowSelect()) {
        growTo(p->FRowSelect, std::max(ARow, 0));
        return flagAt(p->FRowSelect, ARow);
    }
    const TGridRect s = normalised(Selection());
    return ARow >= s.Top && ARow <= s.Bottom;
}

void TExStringGrid::SetRowSelect(int ARow, bool Value) {
    if (ARow < 0 || (ARow >= TotalRowCount() && FixedRows() < RowCount()))
        throw VEriRodiVizev(QStringLiteral("Invalid row accessed"));
    std::vector<bool>& flags = p->FRowSelect;
    const bool stored = ARow < static_cast<int>(flags.size());
    if (!stored || flags[static_cast<size_t>(ARow)] != Value) {
        bool allow = true;
        OnRowDisjunctSelect(this, ARow, Value, allow);
        if (!allow) return;
    }
    growTo(flags, ARow);
    const bool was = flags[static_cast<size_t>(ARow)];
    flags[static_cast<size_t>(ARow)] = Value;
    TIntList& selected = *p->FSelectedRows;
    if (Value) {
        if (!selected.HasValue(ARow) && ARow >= FixedRows()) selected.Add(ARow);
    } else {
        selected.DeleteValue(ARow);
    }
    if (was != Value && ARow < RowCount()) InvalidateGridRect({0, ARow, ColCount() - 1, ARow});
    OnRowDisjunctSelected(this, ARow);
}

void TExStringGrid::ClearRowSelect() {
    std::vector<bool>& flags = p->FRowSelect;
    for (int r = 0; r < static_cast<int>(flags.size()); ++r) {
        if (!flags[static_cast<size_t>(r)]) continue;
        flags[static_cast<size_t>(r)] = false;
        if (r < RowCount()) InvalidateGridRect({0, r, ColCount() - 1, r});
    }
    p->FSelectedRows->Clear();
}

void TExStringGrid::SelectRows(int RowIndex, int RCount) {
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (!p->MouseActions->DisjunctRowSelect()) {
        SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        const bool persistent = p->MouseActions->RowSelectPersistent;
        for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r)
            SetRowSelect(persistent ? RealRowIndex(r) : r, true);
    }
    if (!p->RowIndicator->Empty()) InvalidateGridRect({0, 0, 0, RowCount() - 1});
    p->FSelChange = false;
}

void TExStringGrid::UnSelectRows(int RowIndex, int RCount) {
    if (p->MouseActions->DisjunctRowSelect()) {
        const bool persistent = p->MouseActions->RowSelectPersistent;
        for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r)
            SetRowSelect(persistent ? RealRowIndex(r) : r, false);
    }
    p->FSelChange = false;
}

int TExStringGrid::RowSelectCount() {
    if (!p->MouseActions->DisjunctRowSelect()) return std::abs(Selection().Bottom - Selection().Top) + 1;
    const int n = std::min(TotalRowCount(), static_cast<int>(p->FRowSelect.size()));
    return static_cast<int>(std::count(p->FRowSelect.begin(), p->FRowSelect.begin() + n, true));
}

void TExStringGrid::UpdateRowSelect(bool Exclusive) {
    TGridRect s = normalised(Selection());
    s.Bottom = std::min(s.Bottom, RowCount() - FixedFooters() - 1);
    const bool persistent = p->MouseActions->RowSelectPersistent;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= s.Top && r <= s.Bottom;
        if (Exclusive || inside) SetRowSelect(persistent ? RealRowIndex(r) : r, inside);
    }
    if (NumHiddenRows() > 0) TBaseGrid::Invalidate();
}

// ---- columns

bool TExStringGrid::ColSelect(int ACol) {
    if (ACol < 0 || ACol >= ColCount()) throw VEriRodiVizev(QStringLiteral("Invalid column accessed"));
    growTo(p->FColSelect, ACol);
    return p->FColSelect[static_cast<size_t>(ACol)];
}

void TExStringGrid::SetColSelect(int ACol, bool Value) {
    if (ACol < 0 || ACol >= ColCount()) throw VEriRodiVizev(QStringLiteral("Invalid column accessed"));
    growTo(p->FColSelect, ACol);
    if (p->FColSelect[static_cast<size_t>(ACol)] == Value) return;
    p->FColSelect[static_cast<size_t>(ACol)] = Value;
    InvalidateGridRect({ACol, 0, ACol, RowCount() - 1});
}

void TExStringGrid::ClearColSelect() {
    std::vector<bool>& flags = p->FColSelect;
    for (int c = 0; c < static_cast<int>(flags.size()); ++c) {
        if (!flags[static_cast<size_t>(c)]) continue;
        flags[static_cast<size_t>(c)] = false;
        if (c < ColCount()) InvalidateGridRect({c, 0, c, RowCount() - 1});
    }
}

void TExStringGrid::SelectCols(int ColIndex, int CCount) {
    if (!p->MouseActions->DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TExStringGrid::UnSelectCols(int ColIndex, int CCount) {
    if (!p->MouseActions->DisjunctColSelect()) return;
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

int TExStringGrid::ColSelectCount() {
    if (!p->MouseActions->DisjunctColSelect()) return Selection().Right - Selection().Left + 1;
    return static_cast<int>(std::count(p->FColSelect.begin(), p->FColSelect.end(), true));
}

void TExStringGrid::UpdateColSelect(bool Exclusive) {
    const TGridRect s = normalised(Selection());
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= s.Left && c <= s.Right;
        if (Exclusive || inside) SetColSelect(c, inside);
    }
}

// ---- the rectangle

void TExStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::FocusCell(int ACol, int ARow) { SetSelection({ACol, ARow, ACol, ARow}); }

bool TExStringGrid::IsSelected(int ACol, int ARow) {
    if (ARow < FixedRows() || ACol < FixedCols()) return false;
    const TMouseActions& mouse = *p->MouseActions;
    if (mouse.DisjunctCellSelect()) return p->FSelectedCells->HasValue((ARow << 16) | (ACol & 0xFFFF));
    if (mouse.DisjunctRowSelect()) return flagAt(p->FRowSelect, mouse.RowSelectPersistent ? RealRowIndex(ARow) : ARow);
    if (mouse.DisjunctColSelect()) return flagAt(p->FColSelect, ACol);
    const TGridRect s = normalised(Selection());
    return ACol >= s.Left && ACol <= s.Right && ARow >= s.Top && ARow <= s.Bottom;
}

QString TExStringGrid::SelectedText() {
    TGridRect s = normalised(Selection());
    if ((Options() & goRowSelect) && p->DragDropSettings->OleEntireRows) {
        s.Left = 0;
        s.Right = ColCount() - 1;
    }
    std::vector<int> rows;
    const bool persistent = p->MouseActions->RowSelectPersistent;
    if (p->MouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (flagAt(p->FRowSelect, persistent ? RealRowIndex(r) : r)) rows.push_back(r);
    } else {
        for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
    }
    QString out;
    for (size_t i = 0; i < rows.size(); ++i) {
        QStringList cells;
        for (int c = s.Left; c <= s.Right; ++c) {
            QString text = Cells(RealColIndex(c), rows[i]);
            // Rich text goes out as the text a reader sees.
            if (text.contains(QLatin1String("{\\"))) {
                CellToRich(RealColIndex(c), rows[i], *RichEdit());
                text = RichEdit()->Text();
            }
            // Several lines go to spreadsheets as one quoted field.
            if (ExcelClipboardFormat && text.contains('\n'))
                text = '"' + QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\v")).replace('\n', '\v') + '"';
            cells << text;
        }
        out += cells.join('\t');
        if (i + 1 < rows.size()) out += QStringLiteral("\r\n");
    }
    return out;
}

// ---- modified and disabled rows

bool TExStringGrid::RowModified(int ARow) const {
    const TIntList& list = *p->FModifiedRows;
    return ARow >= 0 && ARow < list.Count() && list.GetInteger(ARow) == 1;
}

void TExStringGrid::SetRowModified(int ARow, bool Value) {
    if (ARow < 0) return;
    growTo(*p->FModifiedRows, ARow);
    p->FModifiedRows->SetInteger(ARow, Value ? 1 : 0);
    if (ARow < RowCount()) RepaintCell(0, ARow);
}

int TExStringGrid::ModifiedRowCount() const {
    int n = 0;
    for (int i = 0; i < p->FModifiedRows->Count(); ++i) n += p->FModifiedRows->GetInteger(i) == 1;
    return n;
}

bool TExStringGrid::RowEnabled(int ARow) const {
    const TIntList& list = *p->FEnabledRows;
    return ARow < 0 || ARow >= list.Count() || list.GetInteger(ARow) == 0;
}

void TExStringGrid::SetRowEnabled(int ARow, bool Value) {
    if (ARow < 0) return;
    if (ARow == Row()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && RowEnabled(r)) {
                SetRow(r);
                break;
            }
    }
    p->UseEnabledRows = true;
    growTo(*p->FEnabledRows, ARow);
    p->FEnabledRows->SetInteger(ARow, Value ? 0 : 1);
    if (ARow < RowCount()) InvalidateGridRect({0, ARow, ColCount() - 1, ARow});
}

bool TExStringGrid::UseEnabledRows() const { return p->UseEnabledRows; }
