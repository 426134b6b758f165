// A column definition: its values, their write effects and its copies.
#include "grid/columngrid/grid_column_item.h"

#include "grid/columngrid/ex_column_grid.h"
#include "grid/columngrid/grid_column_collection.h"

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection) : FCollection(Collection) {
    TExColumnGrid* g = grid();
    if (!g) return;
    FFont.Assign(g->Font());
    FHeaderFont.Assign(g->Font());
    FPrintFont.Assign(g->Font());
    FColor = g->Color();
    FFont.OnChange = [this](TObject*) { changed(); };
    FHeaderFont.OnChange = [this](TObject*) { changed(); };
    FFilter.OnChange = [this](TObject*) { repaintGrid(); };
}

TGridColumnItem::~TGridColumnItem() = default;

TExColumnGrid* TGridColumnItem::grid() const { return FCollection ? FCollection->Grid() : nullptr; }

int TGridColumnItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

QString TGridColumnItem::GetDisplayName() const {
    if (!Name.isEmpty()) return QStringLiteral("Col %1: %2").arg(Index()).arg(Name);
    return QStringLiteral("Column %1").arg(Index());
}

void TGridColumnItem::changed() {
    if (FCollection) FCollection->Update(this);
}

void TGridColumnItem::repaintGrid() const {
    if (TExColumnGrid* g = grid()) g->Invalidate();
}

template <class T>
void TGridColumnItem::setAndNotify(T& field, T Value) {
    field = Value;
    changed();
}

// ---- values with effects

int TGridColumnItem::Width() const {
    TExColumnGrid* g = grid();
    return g ? g->AllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int Value) {
    FWidth = Value;
    if (TExColumnGrid* g = grid()) g->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetHeader(const QString& Value) {
    FHeader = Value;
    TExColumnGrid* g = grid();
    if (!g) return;
    if (g->FixedRows() > 0 && !g->IsColumnMoving()) {
        g->SetCellEx(Index(), 0, Value);
        changed();
    }
    // Each line appended lets the grid copy the list back into the items and row 0.
    TStringList& headers = g->ColumnHeaders();
    headers.Clear();
    for (int i = 0; i < FCollection->Count(); ++i) headers.Add(FCollection->Items(i)->Header());
}

void TGridColumnItem::SetFont(const TFont& Value) {
    FFont.Assign(Value);
    changed();
}

void TGridColumnItem::SetHeaderFont(const TFont& Value) {
    FHeaderFont.Assign(Value);
    repaintGrid();
}

void TGridColumnItem::SetColor(TColor Value) { setAndNotify(FColor, Value); }
void TGridColumnItem::SetShowBands(bool Value) { setAndNotify(FShowBands, Value); }
void TGridColumnItem::SetFixed(bool Value) { setAndNotify(FFixed, Value); }
void TGridColumnItem::SetPassword(bool Value) { setAndNotify(FPassword, Value); }
void TGridColumnItem::SetBorders(TCellBorders Value) { setAndNotify(FBorders, Value); }

void TGridColumnItem::SetBorderPen(const TPen& Value) {
    FBorderPen = Value;
    changed();
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    repaintGrid();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
    FHeaderAlignment = Value;
    repaintGrid();
}

void TGridColumnItem::SetFloatFormat(const QString& Value) {
    FFloatFormat = Value;
    repaintGrid();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
    if (Value == FEditor) return;
    const bool checkBoxes = Value == edDataCheckBox || FEditor == edDataCheckBox;
    FEditor = Value;
    if (checkBoxes) repaintGrid();
}

// ---- copies

void TGridColumnItem::copyShared(const TGridColumnItem& s) {
    FAlignment = s.FAlignment;
    FHeaderAlignment = s.FHeaderAlignment;
    FBorderPen = s.FBorderPen;
    FBorders = s.FBorders;
    CheckFalse = s.CheckFalse;
    CheckTrue = s.CheckTrue;
    EditLength = s.EditLength;
    EditLink = s.EditLink;
    EditMask = s.EditMask;
    FEditor = s.FEditor;
    FFixed = s.FFixed;
    FPassword = s.FPassword;
    PrintBorderPen = s.PrintBorderPen;
    PrintBorders = s.PrintBorders;
    PrintColor = s.PrintColor;
    FPrintFont.Assign(s.FPrintFont);
    ReadOnly = s.ReadOnly;
    SortPrefix = s.SortPrefix;
    SortStyle = s.SortStyle;
    SortSuffix = s.SortSuffix;
    SpinMax = s.SpinMax;
    SpinMin = s.SpinMin;
    SpinStep = s.SpinStep;
    ColumnPopup = s.ColumnPopup;
    FWidth = s.Width();
    FShowBands = s.FShowBands;
    MinSize = s.MinSize;
    MaxSize = s.MaxSize;
    AutoMinSize = s.AutoMinSize;
    AutoMaxSize = s.AutoMaxSize;
    FilterCaseSensitive = s.FilterCaseSensitive;
    DefIdx = s.DefIdx;
    FFloatFormat = s.FFloatFormat;
    // Plain copies: the lists' and fonts' change handlers stay quiet meanwhile.
    const TNotifyEvent filterChange = FFilter.OnChange;
    FFilter.OnChange = nullptr;
    FFilter.Assign(s.FFilter);
    FFilter.OnChange = filterChange;
}

namespace {
// Assigns a font without firing its change handler.
void assignQuietly(TFont& Target, const TFont& Source) {
    const TNotifyEvent change = Target.OnChange;
    Target.OnChange = nullptr;
    Target.Assign(Source);
    Target.OnChange = change;
}
}  // namespace

void TGridColumnItem::Assign(const TObject& Source) {
    const auto* s = dynamic_cast<const TGridColumnItem*>(&Source);
    if (!s || s == this) return;
    copyShared(*s);
    FColor = s->FColor;
    FComboItems.Assign(s->FComboItems);
    DropDownCount = s->DropDownCount;
    assignQuietly(FFont, s->FFont);
    assignQuietly(FHeaderFont, s->FHeaderFont);
    FHeader = s->FHeader;
    Name = s->Name;
    Tag = s->Tag;
}

void TGridColumnItem::AssignVisuals(const TObject& Source) {
    const auto* s = dynamic_cast<const TGridColumnItem*>(&Source);
    if (!s || s == this) return;
    copyShared(*s);
    if (TExColumnGrid* g = grid()) {
        FColor = g->Color();
        assignQuietly(FFont, g->Font());
    }
}

// ---- the column's cells; an item without a grid has none: reads answer empty, writes go nowhere

QString TGridColumnItem::Rows(int ARow) const { return grid() ? grid()->GetCellEx(Index(), ARow) : QString(); }
void TGridColumnItem::SetRows(int ARow, const QString& Value) {
    if (grid()) grid()->SetCellEx(Index(), ARow, Value);
}
double TGridColumnItem::Floats(int ARow) const { return grid() ? grid()->Floats(Index(), ARow) : 0.0; }
void TGridColumnItem::SetFloats(int ARow, double Value) {
    if (grid()) grid()->SetFloats(Index(), ARow, Value);
}
int TGridColumnItem::Ints(int ARow) const { return grid() ? grid()->Ints(Index(), ARow) : 0; }
void TGridColumnItem::SetInts(int ARow, int Value) {
    if (grid()) grid()->SetInts(Index(), ARow, Value);
}
TDateTime TGridColumnItem::Dates(int ARow) const { return grid() ? grid()->Dates(Index(), ARow) : 0.0; }
void TGridColumnItem::SetDates(int ARow, TDateTime Value) {
    if (grid()) grid()->SetDates(Index(), ARow, Value);
}
TDateTime TGridColumnItem::Times(int ARow) const { return grid() ? grid()->Times(Index(), ARow) : 0.0; }
void TGridColumnItem::SetTimes(int ARow, TDateTime Value) {
    if (grid()) grid()->SetTimes(Index(), ARow, Value);
}
