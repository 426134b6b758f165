// The look of single cells kept in their records, row-wide colouring and controls placed in
// cells. Columns are real columns, rows display rows.
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

const TCellProperties* TExStringGrid::lookRecord(int i, int j) const {
    return HasCellProperties(i, j) ? static_cast<const TCellProperties*>(GetGridObject(i, j)) : nullptr;
}

void TExStringGrid::repaintLook(int i, int j, bool whileUpdating) {
    if (whileUpdating || p->FUpdateCount == 0) RepaintCell(DisplColIndex(i), j);
}

// A cell without a record reads as the look a record starts from when nothing is set.
TColor TExStringGrid::Colors(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->BrushColor() : clNone;
}

TColor TExStringGrid::ColorsTo(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->BrushColorTo() : clNone;
}

TColor TExStringGrid::FontColors(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->FontColor() : clNone;
}

TFontStyles TExStringGrid::FontStyles(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->FontStyle() : TFontStyles{};
}

int TExStringGrid::FontSizes(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->FontSize() : 0;
}

QString TExStringGrid::FontNames(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->FontName() : QString();
}

TAlignment TExStringGrid::Alignments(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->Alignment() : taLeftJustify;
}

TCellGradientDirection TExStringGrid::Gradients(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c ? c->GradientDirection() : GradientVertical;
}

bool TExStringGrid::ReadOnly(int i, int j) const {
    const TCellProperties* c = lookRecord(i, j);
    return c && c->ReadOnly();
}

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

void TExStringGrid::SetColors(int i, int j, TColor Value) {
    GetCellProperties(i, j)->SetBrushColor(Value);
    repaintLook(i, j, false);
}

void TExStringGrid::SetColorsTo(int i, int j, TColor Value) {
    GetCellProperties(i, j)->SetBrushColorTo(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetGradients(int i, int j, TCellGradientDirection Value) {
    GetCellProperties(i, j)->SetGradientDirection(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetReadOnly(int i, int j, bool Value) {
    GetCellProperties(i, j)->SetReadOnly(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetWordWraps(int i, int j, bool Value) {
    GetCellProperties(i, j)->SetWordWrap(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetFontColors(int i, int j, TColor Value) {
    GetCellProperties(i, j)->SetFontColor(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetFontStyles(int i, int j, TFontStyles Value) {
    GetCellProperties(i, j)->SetFontStyle(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetFontSizes(int i, int j, int Value) {
    GetCellProperties(i, j)->SetFontSize(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetFontNames(int i, int j, const QString& Value) {
    GetCellProperties(i, j)->SetFontName(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetAlignments(int i, int j, TAlignment Value) {
    GetCellProperties(i, j)->SetAlignment(Value);
    repaintLook(i, j, true);
}

void TExStringGrid::SetFonts(int i, int j, const TFont& Value) {
    TCellProperties& props = *GetCellProperties(i, j);
    props.SetFontName(Value.Name());
    props.SetFontSize(Value.Size());
    props.SetFontStyle(Value.Style());
    props.SetFontColor(Value.Color());
    repaintLook(i, j, false);
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
