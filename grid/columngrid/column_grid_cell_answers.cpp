// What each cell of a column grid answers from the definition of its column, before the string
// grid's own answer and events.
#include "grid/columngrid/ex_column_grid.h"

#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"

#include <exception>

bool TExColumnGrid::isInner(int ACol, int ARow) const {
    return itemOf(ACol) && ACol >= FixedCols() && ARow >= FixedRows();
}

bool TExColumnGrid::isData(int ACol, int ARow) const {
    return isInner(ACol, ARow) && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
           ARow < RowCount() - FixedFooters();
}

// ---- looks on screen and on paper

void TExColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
    const TGridColumnItem* item = itemOf(ACol);
    if (item && ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters()) {
        const bool header = ARow < FixedRows();
        if (item->Fixed()) ABrush.Color = FixedColor();
        else if (!header && (!item->ShowBands() || !Bands().Active())) ABrush.Color = item->Color();
        AFont.Assign(header ? item->HeaderFont() : item->Font());
        if (HasCellProperties(ACol, ARow)) {
            const TCellProperties& props = *GetCellProperties(ACol, ARow);
            if (props.BrushColor() != clNone) ABrush.Color = props.BrushColor();
            if (props.FontColor() != clNone) AFont.SetColor(props.FontColor());
        }
    }
    TExStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
    if (const TGridColumnItem* item = itemOf(ACol)) {
        if (!isData(ACol, ARow)) {
            AFont.Assign(PrintSettings().FixedFont);
        } else {
            const TCellProperties* props = HasCellProperties(ACol, ARow) ? GetCellProperties(ACol, ARow) : nullptr;
            if (item->Fixed()) {
                ABrush.Color = FixedColor();
            } else if (!item->ShowBands() || !Bands().Active() || !Bands().Print) {
                ABrush.Color = item->PrintColor;
                if (props && props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
            }
            if (item->PrintFontCustom) {
                AFont.Assign(item->PrintFont());
                if (props) {
                    if (props->FontColor() != clNone) AFont.SetColor(props->FontColor());
                    if (props->FontStyle() != 0) AFont.SetStyle(props->FontStyle());
                    if (props->FontSize() != 0) AFont.SetSize(props->FontSize());
                    if (!props->FontName().isEmpty()) AFont.SetName(props->FontName());
                }
            } else {
                AFont.Assign(PrintSettings().Font);
            }
        }
    }
    TExStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
    if (isInner(ACol, ARow)) {
        const TGridColumnItem* item = itemOf(ACol);
        Borders = item->Borders();
        APen = item->BorderPen();
    }
    TExStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::GetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
    if (isInner(ACol, ARow) && itemOf(ACol)->PrintBorderCustom) {
        const TGridColumnItem* item = itemOf(ACol);
        Borders = item->PrintBorders;
        APen = item->PrintBorderPen;
    }
    TExStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
    if (const TGridColumnItem* item = itemOf(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (HasCellProperties(ACol, ARow)) HAlign = GetCellProperties(ACol, ARow)->Alignment();
    }
    TExStringGrid::GetCellAlign(ACol, ARow, HAlign, VAlign);
}

void TExColumnGrid::GetDefaultVisualProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                               TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                               TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    const TGridColumnItem* item = itemOf(ACol);
    if (!item) {
        TExStringGrid::GetDefaultVisualProperties(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo,
                                                  HA, VA, WW, GD);
        return;
    }
    AFont.Assign(item->Font());
    ABrush.Color = item->Color();
    AColorTo = clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment();
    WW = WordWrap;
    GD = GradientVertical;
    // Fixed cells and banded columns paint their own background.
    if (IsFixed(ACol, ARow) || (Bands().Active() && item->ShowBands())) {
        ABrush.Color = clNone;
        AColorTo = clNone;
    }
}

// ---- number formats, sort formats and sizes

QString TExColumnGrid::GetColumnFloatFormat(int ACol, int ARow) {
    const TGridColumnItem* item = itemOf(ACol);
    return item && !item->FloatFormat().isEmpty() ? item->FloatFormat() : FloatFormat;
}

QString TExColumnGrid::GetFormattedCell(int ACol, int ARow) {
    const TGridColumnItem* item = itemOf(ACol);
    if (!item) return TExStringGrid::GetFormattedCell(ACol, ARow);
    const QString stored = GetCellEx(ACol, ARow);
    QString format = item->FloatFormat();
    bool isFloat = NumericType(stored) < 2;
    OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (format.isEmpty() || !isFloat) return stored;
    try {
        return FormatProgressValue(format, Floats(ACol, ARow));
    } catch (const std::exception&) {
        // A text the format cannot take is shown as it is.
        return stored;
    }
}

void TExColumnGrid::GetColumnFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) {
    if (const TGridColumnItem* item = itemOf(ACol)) {
        AStyle = item->SortStyle;
        aPrefix = item->SortPrefix;
        aSuffix = item->SortSuffix;
    }
    TExStringGrid::GetColumnFormat(ACol, AStyle, aPrefix, aSuffix);
}

// ---- check boxes

TCellType TExColumnGrid::GetCellType(int ACol, int ARow) {
    const TCellType type = TExStringGrid::GetCellType(ACol, ARow);
    if (type == ctEmpty && !FDestroying && isData(ACol, ARow) && itemOf(ACol)->Editor() == edDataCheckBox)
        return ctDataCheckBox;
    return type;
}

TCellGraphic* TExColumnGrid::GetCellGraphic(int ACol, int ARow) {
    TCellGraphic* graphic = TExStringGrid::GetCellGraphic(ACol, ARow);
    if (graphic || FDestroying || !isData(ACol, ARow) || itemOf(ACol)->Editor() != edDataCheckBox) return graphic;
    // Every empty data cell of the column shows the one shared virtual check box.
    FCellGraphic->CellType = ctVirtCheckBox;
    FCellGraphic->CellTransparent = ControlLook().ControlStyle == csFlat;
    return FCellGraphic.get();
}

void TExColumnGrid::GetCheckTrue(int ACol, int ARow, QString& Value) {
    TExStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (isData(ACol, ARow)) Value = itemOf(ACol)->CheckTrue;
}

void TExColumnGrid::GetCheckFalse(int ACol, int ARow, QString& Value) {
    TExStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (isData(ACol, ARow)) Value = itemOf(ACol)->CheckFalse;
}

// ---- editing

void TExColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
    const TGridColumnItem* item = itemOf(ACol);
    if (isInner(ACol, ARow)) {
        AEditor = item->Editor();
        TGridCombo& combo = *Combobox();
        combo.ClearItems();
        const TStringList& items = item->ComboItems();
        for (int i = 0; i < items.Count(); ++i) combo.AddItemObject(items.Strings(i), items.Objects(i));
        combo.DropDownCount = item->DropDownCount;
        TGridSpin& spin = *SpinEdit();
        spin.MinValue = item->SpinMin;
        spin.MaxValue = item->SpinMax;
        spin.Increment = item->SpinStep;
        EditLink = item->EditLink;
        ControlLook().DropDownCount = item->DropDownCount;
    }
    // The column's number format stays the grid's until another column brings its own.
    if (item && !item->FloatFormat().isEmpty()) FloatFormat = item->FloatFormat();
    TExStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

void TExColumnGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
    const int real = RealColIndex(ACol);
    if (ACol >= FixedCols() && ARow >= FixedRows())
        if (const TGridColumnItem* item = itemOf(real)) IsFixed = item->Fixed();
    TExStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

void TExColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
    // The column decides, whatever goEditing says: the table windows edit without it.
    CanEdit = false;
    if (!IsLoading() && isInner(ACol, ARow)) {
        const TGridColumnItem* item = itemOf(ACol);
        CanEdit = !(item->ReadOnly || item->Fixed());
        if (CanEdit && HasCellProperties(ACol, ARow)) CanEdit = !GetCellProperties(ACol, ARow)->ReadOnly();
    }
    const TPoint base = BaseCell(ACol, ARow);
    DoCanEditCell(base.X, base.Y, CanEdit);
}

void TExColumnGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
    if (const TGridColumnItem* item = itemOf(ACol)) IsPassword = item->Password();
    TExStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

bool TExColumnGrid::HasComboBox(int ACol, int ARow) {
    bool has = false;
    if (isInner(ACol, ARow)) {
        const TEditorType editor = itemOf(ACol)->Editor();
        has = editor == edComboEdit || editor == edComboList;
    }
    OnHasComboBox(this, ACol, ARow, has);
    return has;
}

int TExColumnGrid::GetEditLimit() {
    int limit = MaxEditLength();
    const int c = Col();
    if (c >= FixedCols() && itemOf(c))
        if (const TGridColumnItem* item = itemOf(RealColIndex(c))) limit = item->EditLength;
    return limit;
}

QString TExColumnGrid::GetEditMask(int ACol, int ARow) {
    QString mask;
    if (ACol >= FixedCols())
        if (const TGridColumnItem* item = itemOf(ACol)) mask = item->EditMask;
    const QString own = TExStringGrid::GetEditMask(ACol, ARow);
    return own.isEmpty() ? mask : own;
}
