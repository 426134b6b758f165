#pragma once

#include "grid/foundation/grid_types.h"

#include <QString>
#include <cstdint>

class TBaseGrid;

// The record of one cell of a base grid: its looks, its editor, its merge data and the objects
// hung on it. The grid makes it on first use, keeps it in the cell's object slot and owns it.
//
// Merge data: the base (top-left) cell of a merged range has IsBaseCell true and the numbers of
// extra columns and rows as spans; every other cell of the range has IsBaseCell false and its
// offsets from the base cell as spans; a cell that is not merged has IsBaseCell true and both
// spans -1.
class TCellProperties : public TObject {
public:
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);

    // Copies the looks, merge data, owner cell, cell object, editor and hosted control, without
    // repainting; the owner grid, graphic object, gradient end, calculation and gradient
    // direction stay.
    void Assign(const TCellProperties& Source);
    // (c - CellSpanX, r - CellSpanY) for a non-base cell, (c, r) otherwise.
    TPoint GetBaseCell(int c, int r) const;

    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }
    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int Value) { FCellSpanX = Value; }
    int CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int Value) { FCellSpanY = Value; }
    int OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int Value) { FOwnerCol = Value; }
    int OwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int Value) { FOwnerRow = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    // The four setters that repaint the owner cell.
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor Value);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor Value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) { FBrushStyle = Value; }
    // An opaque value the grid never interprets.
    uintptr_t CellObject() const { return FObject; }
    void SetCellObject(uintptr_t Value) { FObject = Value; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor Value) { FFontColor = Value; }
    QString FontName() const { return FFontName; }
    void SetFontName(const QString& Value) { FFontName = Value; }
    int FontSize() const { return FFontSize; }
    void SetFontSize(int Value) { FFontSize = Value; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles Value) { FFontStyle = Value; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value) { FEditor = Value; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection Value) { FGradientDirection = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int Value) { FNodeLevel = Value; }
    // A control hosted in the cell; the grid then measures the cell even out of view.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value) { FControl = Value; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType Value) { FCalcType = Value; }
    TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(TObject* Value) { FCalcObject = Value; }

private:
    friend class TBaseGrid;
    void repaintOwnerCell();

    TBaseGrid* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    uintptr_t FObject = 0;
    // Belongs to whoever set it, unless FOwnsGraphicObject (see TBaseGrid).
    TObject* FGraphicObject = nullptr;
    bool FOwnsGraphicObject = false;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle = 0;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    TColor FBorderColor = 0;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    // The paint pass in which a merged range was last painted.
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    QString FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    TControl* FControl = nullptr;
};
