// The look of single cells kept in their records, row-wide colouring and controls placed in
// cells. Columns are real columns, rows display rows.
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

const TCellProperties* TExStringGrid::lookRecord(int i, int j) const {
    return HasCellProperties(i, j) ? static_cast<const TCellProperties*>(GetGridObject(i, j)) : nullptr;
}

namespace {
// A cell without a record reads as the look a record starts from when nothing is set.
template <class T>
T lookOr(const TCellProperties* record, T (TCellProperties::*Get)() const, T None) {
    return record ? (record->*Get)() : None;
}
}  // namespace

TColor TExStringGrid::Colors(int i, int j) const { return lookOr(lookRecord(i, j), &TCellProperties::BrushColor, TColor(clNone)); }
TColor TExStringGrid::ColorsTo(int i, int j) const { return lookOr(lookRecord(i, j), &TCellProperties::BrushColorTo, TColor(clNone)); }
TColor TExStringGrid::FontColors(int i, int j) const { return lookOr(lookRecord(i, j), &TCellProperties::FontColor, TColor(clNone)); }
TFontStyles TExStringGrid::FontStyles(int i, int j) const { return lookOr(lookRecord(i, j), &TCellProperties::FontStyle, TFontStyles(0)); }
int TExStringGrid::FontSizes(int i, int j) const { return lookOr(lookRecord(i, j), &TCellProperties::FontSize, 0); }
QString TExStringGrid::FontNames(int i, int j) const { return lookOr(lookRecord(i, j), &TCellProperties::FontName, QString()); }
TAlignment TExStringGrid::Alignments(int i, int j) const { return lookOr(lookRecord(i, j), &TCellProperties::Alignment, taLeftJustify); }
TCellGradientDirection TExStringGrid::Gradients(int i, int j) const {
    return lookOr(lookRecord(i, j), &TCellProperties::GradientDirection, GradientVertical);
}
bool TExStringGrid::ReadOnly(int i, int j) const { return lookOr(lookRecord(i, j), &TCellProperties::ReadOnly, false); }
bool TExStringGrid::WordWraps(int i, int j) { return GetCellProperties(i, j)->WordWrap(); }

TFont& TExStringGrid::Fonts(int i, int j) {
    if (!HasCellProperties(i, j)) return Font();
    const TCellProperties& props = *GetCellProperties(i, j);
    TFont& font = *p->cf;
    font.SetName(props.FontName());
    font.SetSize(props.FontSize());
    font.SetStyle(props.FontStyle());
    font.SetColor(props.FontColor());
    return font;
}

// Writes make the record when it is missing and repaint the cell where it shows; the colour and
// the font repaint only while no update is pending.
template <class T, class V>
void TExStringGrid::setLook(int i, int j, void (TCellProperties::*Set)(T), V Value, bool whileUpdating) {
    (GetCellProperties(i, j)->*Set)(Value);
    if (whileUpdating || p->FUpdateCount == 0) RepaintCell(DisplColIndex(i), j);
}

void TExStringGrid::SetColors(int i, int j, TColor Value) { setLook(i, j, &TCellProperties::SetBrushColor, Value, false); }
void TExStringGrid::SetColorsTo(int i, int j, TColor Value) { setLook(i, j, &TCellProperties::SetBrushColorTo, Value, true); }
void TExStringGrid::SetGradients(int i, int j, TCellGradientDirection Value) {
    setLook(i, j, &TCellProperties::SetGradientDirection, Value, true);
}
void TExStringGrid::SetReadOnly(int i, int j, bool Value) { setLook(i, j, &TCellProperties::SetReadOnly, Value, true); }
void TExStringGrid::SetWordWraps(int i, int j, bool Value) { setLook(i, j, &TCellProperties::SetWordWrap, Value, true); }
void TExStringGrid::SetFontColors(int i, int j, TColor Value) { setLook(i, j, &TCellProperties::SetFontColor, Value, true); }
void TExStringGrid::SetFontStyles(int i, int j, TFontStyles Value) { setLook(i, j, &TCellProperties::SetFontStyle, Value, true); }
void TExStringGrid::SetFontSizes(int i, int j, int Value) { setLook(i, j, &TCellProperties::SetFontSize, Value, true); }
void TExStringGrid::SetFontNames(int i, int j, const QString& Value) {
    setLook(i, j, &TCellProperties::SetFontName, Value, true);
}
void TExStringGrid::SetAlignments(int i, int j, TAlignment Value) { setLook(i, j, &TCellProperties::SetAlignment, Value, true); }

void TExStringGrid::SetFonts(int i, int j, const TFont& Value) {
    TCellProperties& props = *GetCellProperties(i, j);
    props.SetFontName(Value.Name());
    props.SetFontSize(Value.Size());
    props.SetFontStyle(Value.Style());
    setLook(i, j, &TCellProperties::SetFontColor, Value.Color(), false);
}

// ---- rows

namespace {
// Frees the record of a cell that holds nothing but looks (an empty decoration record counts as
// nothing); true when it went. A decoration, an object, a merge or a control keeps the record.
bool dropLooksOnly(TExStringGrid& grid, int c, int r) {
    const TCellProperties* props = grid.GetCellProperties(c, r);
    const auto* graphic = dynamic_cast<const TCellGraphic*>(grid.GraphicObjectOf(props));
    const bool decorated = grid.GraphicObjectOf(props) && !(graphic && graphic->CellType == ctNone);
    if (decorated || props->CellObject() || !props->IsBaseCell() || props->CellSpanX() != -1 || props->Control())
        return false;
    grid.FreeCellProperties(c, r, c, r);
    return true;
}
}  // namespace

void TExStringGrid::colourRow(int ARow, TColor AColor, void (TCellProperties::*Set)(TColor),
                              const std::function<bool(int)>& mayDrop) {
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (AColor != clNone) {
            (GetCellProperties(c, ARow)->*Set)(AColor);
        } else if (HasCellProperties(c, ARow) && !(mayDrop(c) && dropLooksOnly(*this, c, ARow))) {
            (GetCellProperties(c, ARow)->*Set)(clNone);
        }
    }
    InvalidateGridRect({0, ARow, ColCount() - 1, ARow});
}

void TExStringGrid::SetRowColor(int ARow, TColor AColor) {
    colourRow(ARow, AColor, &TCellProperties::SetBrushColor, [&](int c) { return GetCellType(c, ARow) == ctNone; });
}

void TExStringGrid::SetRowColorTo(int ARow, TColor AColor) {
    colourRow(ARow, AColor, &TCellProperties::SetBrushColorTo, [&](int c) { return GetCellType(c, ARow) == ctNone; });
}

void TExStringGrid::SetRowFontColor(int ARow, TColor AColor) {
    if (AColor != clNone) {
        colourRow(ARow, AColor, &TCellProperties::SetFontColor, {});
        return;
    }
    // Cells that keep a background colour keep their font colour too.
    for (int c = FixedCols(); c < AllColCount(); ++c)
        if (HasCellProperties(c, ARow) && Colors(c, ARow) == clNone && !dropLooksOnly(*this, c, ARow))
            GetCellProperties(c, ARow)->SetFontColor(clNone);
    InvalidateGridRect({0, ARow, ColCount() - 1, ARow});
}

// ---- controls in cells

TControl* TExStringGrid::CellControls(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->Control() : nullptr;
}

void TExStringGrid::SetCellControls(int i, int j, TControl* AControl) {
    TControlList& list = *p->FControlList;
    const int r = RealRowIndex(j);
    const bool held = CellControls(i, j) != nullptr;
    if (!AControl) {
        if (!held) return;
        if (const int at = list.ControlIndex(i, r); at >= 0) list.RemoveControl(at);
        p->FNumCellControls = std::max(0, p->FNumCellControls - 1);
        GetCellProperties(i, j)->SetControl(nullptr);
        return;
    }
    if (const int at = list.ControlIndex(i, r); at >= 0) list.RemoveControl(at);
    if (!held) ++p->FNumCellControls;
    list.AddControl(i, r, AControl);
    GetCellProperties(i, j)->SetControl(AControl);
    AControl->SetParent(this);
    const TRect rect = CellRect(i, j);
    AControl->SetBounds(rect.Left - 1, rect.Top - 1, rect.Width() + 1, rect.Height() + 1);
}

int TExStringGrid::NumCellControls() const { return p->FNumCellControls; }
