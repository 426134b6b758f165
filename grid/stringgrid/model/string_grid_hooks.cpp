// The default bodies of the grid's virtual operations: the event each one relays, or the least
// answer until the piece of the grid that does the work overrides or fills it.
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>

bool TExStringGrid::isOwnClass() const { return typeid(*this) == typeid(TExStringGrid); }

void TExStringGrid::DoClickSort(int ACol) { OnClickSort(this, ACol); }

QString TExStringGrid::GetCurrentCell() {
    const TPoint b = BaseCell(RealCol(), Row());
    return GetGridCell(b.X, b.Y);
}

void TExStringGrid::SetCurrentCell(const QString& Value) {
    const TPoint b = BaseCell(RealCol(), Row());
    SetCellEx(b.X, b.Y, Value);
}

QString TExStringGrid::GetCurrentCellEx() {
    const TPoint b = BaseCell(RealCol(), Row());
    return GetCellEx(b.X, b.Y);
}

void TExStringGrid::SetCurrentEditText(const QString& Value) { SetCurrentCell(Value); }

void TExStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString) {
    OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TExStringGrid::DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink) {
    OnGetEditorProp(this, ACol, ARow, AEditLink);
    OnGetEditorPropInt(this, ARow, ACol);
}

void TExStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State) { OnCheckBoxClick(this, ACol, ARow, State); }

void TExStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values) {
    OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TExStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
    // These looks paint the selection's frame apart from the cells.
    if (Look == glVista || Look == glWin7 || Look == glOffice2007) InvalidateGridRect(Selection());
    p->FSelChange = true;
    OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExStringGrid::DoFilterDone() { OnFilterDone(this); }
void TExStringGrid::UpdateColumnSize(int ACol, int& AWidth) { OnUpdateColumnSize(this, ACol, AWidth); }
void TExStringGrid::UpdateAutoColumnSize(int ACol, int& AWidth) { OnUpdateColumnSize(this, ACol, AWidth); }
void TExStringGrid::DoEllipsClick(int ACol, int ARow, QString& S) { OnEllipsClick(this, ACol, ARow, S); }
QString TExStringGrid::GetCalculatedCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }


void TExStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit) { OnCanEditCell(this, ARow, ACol, CanEdit); }

void TExStringGrid::DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction) {
    OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExStringGrid::DoButtonClick(int ACol, int ARow) { OnButtonClick(this, ACol, ARow); }
void TExStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded) {
    OnExpandClick(this, ACol, ARow, Expanded);
    SetRowHeights(ARow, GetExpandHeight(RealColIndex(ACol), ARow, Expanded));
}
void TExStringGrid::DoComboCloseUp(int ARow, int ACol) { OnComboCloseUp(this, ARow, ACol); }
void TExStringGrid::DoComboDropDown(int ARow, int ACol) { OnComboDropDown(this, ARow, ACol); }

void TExStringGrid::GetCellCursor(int ACol, int ARow, int X, int Y) {
    if (!OnGetCellCursor) return;
    TCursor cursor = Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
    SetGridCursor(cursor);
}


void TExStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
    OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::GetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
    OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExStringGrid::GetColumnFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) {
    OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void TExStringGrid::QueryEditorType(int ACol, int ARow, TEditorType& AEditor) { OnGetEditorType(this, ACol, ARow, AEditor); }
void TExStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) { OnGetEditorType(this, ACol, ARow, AEditor); }

void TExStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) { OnIsPasswordCell(this, ARow, ACol, IsPassword); }
void TExStringGrid::DoCanAddRow(bool& Allow) { OnCanAddRow(this, Allow); }
void TExStringGrid::DoCanInsertRow(int ARow, bool& Allow) { OnCanInsertRow(this, ARow, Allow); }
void TExStringGrid::AppendRow() { SetRowCount(RowCount() + 1); }
bool TExStringGrid::MouseActionsIsDesigning(TObject*) { return false; }
void TExStringGrid::MouseActionsInvalidate(TObject*) { TBaseGrid::Invalidate(); }
void TExStringGrid::MouseActionsDisableEdit(TObject*) { SetOptions(Options() & ~goEditing); }
void TExStringGrid::WrapToFirstRow() { SetRow(FixedRows()); }
bool TExStringGrid::AllowFormattedPaste() { return p->Navigation->AllowFmtClipboard; }
void TExStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State) { OnCheckBoxChange(this, ACol, ARow, State); }

bool TExStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate) {
    bool allow = true;
    OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

void TExStringGrid::DoCellChanging(int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow) {
    if (OldRow != NewRow) OnRowChanging(this, OldRow, NewRow, Allow);
    if (OldCol != NewCol) OnColChanging(this, OldCol, NewCol, Allow);
    // An advance moving the current cell has asked OnCellChanging itself.
    if (!p->FDisableChange) OnCellChanging(this, OldRow, OldCol, NewRow, NewCol, Allow);
}

void TExStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax) {
    OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

bool TExStringGrid::CanShowFixedDropDown(int ACol) {
    bool canShow = true;
    OnCanShowFixedDropDown(this, ACol, canShow);
    return canShow;
}

void TExStringGrid::DoStartBlockFocus() { FOnStartBlockFocus(this); }
void TExStringGrid::DoEndBlockFocus() { FOnEndBlockFocus(this); }
TImageList* TExStringGrid::GetGridImages() { return p->GridImages; }



bool TExStringGrid::IsFixed(int ACol, int ARow) {
    if (ARow >= RowCount() - p->FFixedFooters || ACol >= ColCount() - p->FFixedRightCols) return true;
    if (ACol < 0 || ARow < 0) return false;
    // Fixed rows and columns, the kept header, and what OnIsFixedCell says of the base cell.
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    bool fixed = false;
    IsFixedCell(RealToDisplCol(base.X), base.Y, fixed);
    return fixed;
}


void TExStringGrid::ChangeScale(int M, int D) {
    if (M == D || D == 0 || MouseActionsIsDesigning(this)) return;
    for (TFont* font : {&FixedFont(), &ActiveCellFont()})
        font->SetSize(static_cast<int>(std::lround(static_cast<double>(font->Size()) * M / D)));
}
