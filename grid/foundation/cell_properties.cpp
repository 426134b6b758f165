#include "grid/foundation/cell_properties.h"

#include "grid/foundation/base_grid.h"

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner->WordWrap) {
    AOwner->FHasCellProps = true;
}

void TCellProperties::Assign(const TCellProperties& Source) {
    FIsBaseCell = Source.FIsBaseCell;
    FCellSpanX = Source.FCellSpanX;
    FCellSpanY = Source.FCellSpanY;
    FOwnerRow = Source.FOwnerRow;
    FOwnerCol = Source.FOwnerCol;
    FObject = Source.FObject;
    FAlignment = Source.FAlignment;
    FBorderColor = Source.FBorderColor;
    FBorderWidth = Source.FBorderWidth;
    FBrushColor = Source.FBrushColor;
    FBrushStyle = Source.FBrushStyle;
    FFontColor = Source.FFontColor;
    FFontStyle = Source.FFontStyle;
    FFontName = Source.FFontName;
    FFontSize = Source.FFontSize;
    FReadOnly = Source.FReadOnly;
    FEditor = Source.FEditor;
    FVAlignment = Source.FVAlignment;
    FWordWrap = Source.FWordWrap;
    FNodeLevel = Source.FNodeLevel;
    FControl = Source.FControl;
}

TPoint TCellProperties::GetBaseCell(int c, int r) const {
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1) return {c - FCellSpanX, r - FCellSpanY};
    return {c, r};
}

void TCellProperties::repaintOwnerCell() { FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow); }

void TCellProperties::SetBrushColor(TColor Value) {
    FBrushColor = Value;
    repaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor Value) {
    FBrushColorTo = Value;
    repaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
    FVAlignment = Value;
    repaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool Value) {
    FWordWrap = Value;
    repaintOwnerCell();
}
