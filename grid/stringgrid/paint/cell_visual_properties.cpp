// What a cell looks like before it is painted, printed or measured: grid defaults, the cell's own
// record, fixed-cell and band colours, the look's gradient, the per-cell hooks and the selection.
#include "grid/foundation/codings.h"
#include "grid/foundation/color_routines.h"
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/selection_color_mix.h"

namespace {
void applySelectionColours(const TExStringGridPrivate& d, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                           TColor& AMirrorColorTo, TFont& AFont) {
    ABrush.Color = d.SelectionColor;
    AColorTo = d.SelectionColorTo;
    AMirrorColor = d.SelectionMirrorColor;
    AMirrorColorTo = d.SelectionMirrorColorTo;
    if (d.SelectionTextColor != clNone) AFont.SetColor(d.SelectionTextColor);
}

void applyOwnFont(const TCellProperties& props, TFont& AFont) {
    if (props.FontColor() != clNone) AFont.SetColor(props.FontColor());
    if (props.FontStyle() != 0) AFont.SetStyle(props.FontStyle());
    if (props.FontSize() != 0) AFont.SetSize(props.FontSize());
    if (!props.FontName().isEmpty()) AFont.SetName(props.FontName());
}

bool inRect(const TGridRect& r, int c, int row) {
    return c >= std::min(r.Left, r.Right) && c <= std::max(r.Left, r.Right) && row >= std::min(r.Top, r.Bottom) &&
           row <= std::max(r.Top, r.Bottom);
}
}  // namespace

void TExStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD) {
    TExStringGridPrivate& d = *p;
    const TMouseActions& mouse = *d.MouseActions;
    const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows();
    const bool printFonts = Print && !d.PrintSettings->UseDisplayFont;
    if (normalCell) AFont.Assign(printFonts ? d.PrintSettings->Font : Font());
    else AFont.Assign(printFonts ? d.PrintSettings->FixedFont : FixedFont());

    const int RCol = Remap ? DisplToRealCol(ACol) : ACol;
    const int SelRow = (mouse.DisjunctRowSelect() && mouse.RowSelectPersistent) || d.UseEnabledRows
                           ? DisplToRealRow(ARow)
                           : ARow;

    ABrush.Color = clNone;
    AColorTo = AMirrorColor = AMirrorColorTo = clNone;
    bool ownColour = false;
    if (HasCellProperties(RCol, ARow)) {
        const TCellProperties& props = *GetCellProperties(RCol, ARow);
        const TCellType type = GetCellType(ACol, ARow);
        ABrush.Color = props.BrushColor();
        if ((type == ctNone || type == ctRotated || type == ctEmpty) && props.BrushColor() != clNone) ownColour = true;
        applyOwnFont(props, AFont);
        WW = props.WordWrap();
        AColorTo = props.BrushColorTo();
        GD = props.GradientDirection();
    }
    if (AState & gdSelected) GD = GradientVertical;

    const TBands& bands = *d.Bands;
    if (ABrush.Color == clNone) {
        ABrush.Color = Color();
        const int footerRow = RowCount() - FixedFooters();
        const bool dataCell = ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
                              ARow >= FixedRows() && ARow < footerRow;
        if (bands.Active() && (!Print || bands.Print) && dataCell && bands.TotalLength() > 0)
            ABrush.Color = (ARow - FixedRows()) % bands.TotalLength() < bands.PrimaryLength() ? bands.PrimaryColor()
                                                                                              : bands.SecondaryColor();
        if (ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() - FixedRightCols() || ARow >= footerRow)
            ABrush.Color = FixedColor();
    }

    const bool FixedCell = IsFixed(ACol, ARow) || !normalCell;
    if (FixedCell && !Print && !ownColour) {
        ABrush.Color = FixedColor();
        AFont.Assign(FixedFont());
        AState |= gdFixed;
    }
    if (FixedCell && !ownColour && Look > glClassic) {
        ABrush.Color = d.DUDGradientFrom;
        AColorTo = d.DUDGradientTo;
        AMirrorColor = d.DUDGradientMirrorFrom;
        AMirrorColorTo = d.DUDGradientMirrorTo;
    }

    if (Print) GetCellPrintColor(RCol, ARow, AState, ABrush, AFont);
    else GetCellColor(RCol, ARow, AState, ABrush, AFont);

    TColor brush = ABrush.Color;
    OnGetCellGradient(this, ARow, RCol, brush, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush.Color = brush;

    const TColor unselectedBrush = ABrush.Color, unselectedFont = AFont.Color();
    const bool interactive = !Print && Select && ShowSelection() && !FixedCell;
    if (normalCell && mouse.DisjunctRowSelect() && interactive) {
        const bool rowSel = rowSelected(SelRow);
        const bool notShown = (!d.FMouseDown && !rowSel) || (d.FMouseDown && rowSel && ARow == Row()) ||
                              (d.FMouseDown && !rowSel && !(AState & gdSelected));
        if (notShown) {
            AState &= ~gdSelected;
        } else {
            AState = gdSelected;
            applySelectionColours(d, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
        }
    }
    if (ARow >= FixedRows() && ACol >= FixedCols() && mouse.DisjunctColSelect() && interactive) {
        const bool colSel = RCol >= 0 && RCol < static_cast<int>(d.FColSelect.size()) &&
                            d.FColSelect[static_cast<size_t>(RCol)];
        if ((colSel && (!d.FMouseDown || ACol != Col())) || (d.FMouseDown && !colSel && (AState & gdSelected))) {
            AState = gdSelected;
            applySelectionColours(d, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
        }
    }
    const bool noDisjunct = !mouse.DisjunctRowSelect() && !mouse.DisjunctColSelect();
    if ((interactive && inRect(Selection(), ACol, ARow) && noDisjunct) ||
        ((AState & gdSelected) && d.FMouseDown && ShowSelection())) {
        const TColor cellColour = ABrush.Color;
        TColor selected = d.SelectionColor;
        if (cellColour != Color() && d.SelectionColorMixer)
            selected = MixSelectionColor(d.SelectionColor, cellColour, d.SelectionColorMixerFactor);
        applySelectionColours(d, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
        ABrush.Color = selected;
        AState |= gdSelected;
    }
    if (mouse.DisjunctCellSelect() && ShowSelection()) {
        if (SelectedCells(ACol, ARow)) {
            applySelectionColours(d, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
            AState |= gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            AState &= ~gdSelected;
            ABrush.Color = unselectedBrush;
            AFont.SetColor(unselectedFont);
        }
    }
    if (UseDisabledFont && ((d.UseEnabledRows && !RowEnabled(SelRow)) || !Enabled()))
        AFont.SetColor(DisabledFontColor);
    if ((AState & gdSelected) && ARow != Row() && mouse.DisjunctRowSelect() && d.SelectionColorTo == clNone)
        ABrush.Color = BrightenColor(ABrush.Color, 7);

    GetCellWordWrap(RCol, ARow, WW);
    GetCellAlignment(RCol, ARow, HA, VA);
}

void TExStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState AState, TFont& AFont,
                                      TBrush& ABrush, bool Remap) {
    const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    AFont.Assign(fixed ? FixedFont() : Font());
    const int col = Remap ? RCol : ACol;
    if (HasCellProperties(col, ARow)) applyOwnFont(*GetCellProperties(col, ARow), AFont);
    GetCellColor(col, ARow, AState, ABrush, AFont);
}

void TExStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
    HA = p->DefaultAlignment;
    VA = p->VAlignment;
    const QString stored = GetGridCell(ACol, ARow);
    if (AutoNumAlign) {
        QString s = stored;
        const bool wideFormula = s.size() >= 4 && s.startsWith(QLatin1String("|\\")) && s[3] == QLatin1Char('=');
        if (s.startsWith(QLatin1Char('=')) || wideFormula) s = GetCalculatedCell(ACol, ARow);
        const int kind = NumericType(s.trimmed());
        if (kind == 0 || kind == 1 || kind == 5) HA = taRightJustify;
    }
    if (HasCellProperties(ACol, ARow) && !(AutoNumAlign && stored.startsWith(QLatin1Char('='))))
        HA = GetCellProperties(ACol, ARow)->Alignment();
    GetCellAlign(ACol, ARow, HA, VA);
}

int TExStringGrid::GetTotalXOffset() const { return XYOffsetTopLeftOnly ? XYOffset.X : 2 * XYOffset.X; }
int TExStringGrid::GetTotalYOffset() const { return XYOffsetTopLeftOnly ? XYOffset.Y : 2 * XYOffset.Y; }
