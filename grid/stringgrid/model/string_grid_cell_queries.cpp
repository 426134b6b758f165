// The questions painting and editing ask of a cell: its colours, borders, alignment, first look,
// hint, editor and editability. Each combines the grid's settings with its event, fired only
// when set; descendants override them. Columns are real columns, rows display rows.
#include "grid/foundation/codings.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

// ---- look and placement

void TExStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
    if (p->ActiveCellShow) {
        // The last fixed column in the current row and the last fixed row in the current column.
        const int d = DisplColIndex(ACol);
        if ((ARow == Row() && d == FixedCols() - 1 && FixedCols() > 0) ||
            (d == Col() && ARow == FixedRows() - 1 && FixedRows() > 0)) {
            AFont.Assign(*p->ActiveCellFont);
            ABrush.Color = p->ActiveCellColor;
        }
    }
    if (HasCellProperties(ACol, ARow)) {
        const TCellProperties& props = *GetCellProperties(ACol, ARow);
        // Decorations that paint their own background keep the brush.
        static const TSet<TCellType> plainBackground{ctIcon, ctNone, ctImageList, ctEmpty, ctImages, ctComment};
        if (plainBackground.Contains(GetCellType(ACol, ARow)) && props.BrushColor() != clNone)
            ABrush.Color = props.BrushColor();
        if (props.FontColor() != clNone) AFont.SetColor(props.FontColor());
        if (props.FontStyle() != 0) AFont.SetStyle(props.FontStyle());
        if (props.FontSize() != 0) AFont.SetSize(props.FontSize());
        if (!props.FontName().isEmpty()) AFont.SetName(props.FontName());
    }
    OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::GetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
    const TGrouping& grouping = *p->Grouping;
    if (grouping.HeaderUnderline && ACol > 0 && IsNode(ARow)) {
        Borders = {cbBottom};
        APen.Color = grouping.HeaderLineColor;
        APen.Width = grouping.HeaderLineWidth;
    }
    if (grouping.SummaryLine && ACol > 0 && IsSummary(ARow)) {
        Borders = {cbTop};
        APen.Color = grouping.SummaryLineColor;
        APen.Width = grouping.SummaryLineWidth;
    }
    OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExStringGrid::GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
    if (ACol == 0 && p->MouseActions->HotmailRowSelect()) HAlign = taCenter;
    OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExStringGrid::GetCellWordWrap(int ACol, int ARow, bool& AWordWrap) { OnGetWordWrap(this, ACol, ARow, AWordWrap); }

void TExStringGrid::GetDefaultVisualProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                               TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                               TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
    TBaseGrid::GetDefaultVisualProperties(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA,
                                          WW, GD);
    TGridDrawState state = 0;
    GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont,
                        HA, VA, WW, GD);
    // A record made on demand stores no background where the grid paints its own.
    const TBackGroundDisplay display = p->BackGround->Display;
    if (IsFixed(ACol, ARow) || p->Bands->Active() || display == bdGradientHorz || display == bdGradientVert ||
        (state & gdSelected)) {
        ABrush.Color = clNone;
        AColorTo = clNone;
    }
}

void TExStringGrid::GetGridHint(int ACol, int ARow, QString& hintstr, QString& widehint) {
    OnGridHint(this, ARow, ACol, hintstr);
    OnGridWideHint(this, ARow, ACol, widehint);
    if (!widehint.isEmpty()) hintstr = EncodeWideText(widehint);
}

// ---- editing

bool TExStringGrid::HasNoEditor(int ACol, int ARow) {
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TExStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
    IsFixed = IsFixed || (FixedRowAlways && ARow <= p->FFixedRowsMin && RowCount() == p->FFixedRowsMin) ||
              (FixedColAlways && ACol < p->FFixedColsMin && ColCount() == p->FFixedColsMin) || ACol < FixedCols() ||
              ARow < FixedRows();
    if (!IsFixed) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TExStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
    const TPoint base = BaseCell(ACol, ARow);
    if (HasCellProperties(base.X, base.Y) && CanEdit) {
        CanEdit = !GetCellProperties(base.X, base.Y)->ReadOnly();
        if (!(Options() & goEditing) && !p->FEditDisable && !p->MouseActions->RangeSelectAndEdit) CanEdit = false;
    }
    if (base.X < TotalColCount()) DoCanEditCell(base.X, base.Y, CanEdit);
    else CanEdit = true;
}

bool TExStringGrid::IsPassword(int ACol, int ARow) {
    bool password = false;
    IsPasswordCell(ACol, ARow, password);
    return password;
}

bool TExStringGrid::HasComboBox(int ACol, int ARow) {
    bool has = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, has);
    } else if (p->ControlLook->DropDownAlwaysVisible) {
        TEditorType editor = DefaultEditor;
        GetCellEditor(ACol, ARow, editor);
        has = editor == edComboEdit || editor == edComboList;
    }
    return has;
}

bool TExStringGrid::HasSpinEdit(int ACol, int ARow) {
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    bool has = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, has);
    } else if (p->ControlLook->SpinButtonsAlwaysVisible) {
        TEditorType editor = DefaultEditor;
        QueryEditorType(ACol, ARow, editor);
        has = editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
    }
    return has;
}

void TExStringGrid::GetCheckTrue(int ACol, int ARow, QString& Value) {
    Value = CheckTrue;
    OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExStringGrid::GetCheckFalse(int ACol, int ARow, QString& Value) {
    Value = CheckFalse;
    OnGetCheckFalse(this, ACol, ARow, Value);
}

QString TExStringGrid::GetEditMask(int ACol, int ARow) {
    QString mask = EditMask;
    OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}
