#pragma once

#include "platform/controls/control.h"
#include "platform/controls/string_grid.h"
#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>
#include <cstdint>
#include <initializer_list>

// The enumerations, sets and event types of the grid suite. Forms store the enumerations by
// ordinal and code compares them by number, so every value keeps its position.

class TBaseGrid;
class TCanvas;

// A set of enumeration values, one bit per ordinal (up to 64 of them).
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E v : values) Include(v);
    }
    constexpr bool Contains(E v) const { return bits_ & bit(v); }
    constexpr void Include(E v) { bits_ |= bit(v); }
    constexpr void Exclude(E v) { bits_ &= ~bit(v); }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint64_t bit(E v) { return uint64_t{1} << static_cast<unsigned>(v); }
    uint64_t bits_ = 0;
};

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;
enum TCellGradientDirection { GradientVertical, GradientHorizontal };
enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum TExGridButtonStyle { tasButton, tasCheck };
// The state of a three-state check box.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TSearchDirection { sdTopBottom, sdLeftRight };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

// The kind of in-place editor of a cell.
enum TEditorType {
    edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit, edDateEditUpDown,
    edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat, edCapital, edMixedCase,
    edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit,
    edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars,
    edTrackbarDropDown, edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
    edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edExGridDropDown, edPositiveFloat,
    edNumericUnitEditBtn, edFloatUnitEditBtn, edMaskEditBtn,
};

// How a column compares when sorting.
enum TSortStyle {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU, ssShortDateUS,
    ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox, ssDateTime,
    ssTime, ssAlphaNumeric, ssAlphaNumericNoCase,
};

// Event types. References are the values a handler answers. Some take the row before the
// column (ARow, ACol), others the column first: the order is each type's own.
using TGetDisplTextEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TFloatFormatEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)>;
using TOnResizeEvent = TEvent<void(TObject* Sender)>;
using TColumnSizeEvent = TEvent<void(TObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = TEvent<void(TObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = TEvent<void(TObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = TEvent<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = TEvent<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = TEvent<void(TObject* Sender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = TEvent<void(TObject* Sender, int ARow)>;
using TClickCellEvent = TEvent<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = TEvent<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = TEvent<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = TEvent<void(TObject* Sender, int ARow, QString& hintstr)>;
using TButtonClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TGetEditorTypeEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TCustomCellDrawEvent =
    TEvent<void(TObject* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, TRect ARect, bool Printing)>;
using TAnchorClickEvent = TEvent<void(TObject* Sender, int ARow, int ACol, QString Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = TEvent<void(TObject* Sender, int ARow, int ACol, QString& Anchor)>;
using TAnchorEvent = TEvent<void(TObject* Sender, int ARow, int ACol, QString Anchor)>;
using TClickSortEvent = TEvent<void(TObject* Sender, int ACol)>;
using TCanSortEvent = TEvent<void(TObject* Sender, int ACol, bool& DoSort)>;
using TCustomCompareEvent = TEvent<void(TObject* Sender, QString str1, QString str2, int& Res)>;
using TRawCompareEvent = TEvent<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent =
    TEvent<void(TObject* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)>;
using TGridColorEvent =
    TEvent<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush& ABrush, TFont& AFont)>;
using TGridGradientEvent = TEvent<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent = TEvent<void(TObject* Sender, int ARow, int ACol, TPen& APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = TEvent<void(TObject* Sender, int ARow, int ACol, TPen& LeftPen, TPen& TopPen,
                                         TPen& RightPen, TPen& BottomPen)>;
using TGridAlignEvent = TEvent<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridHintEvent = TEvent<void(TObject* Sender, int ARow, int ACol, QString& hintstr)>;
using TEllipsClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& S)>;
using TGridBalloonEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)>;
using TCanInsertRowEvent = TEvent<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = TEvent<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = TEvent<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = TEvent<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = TEvent<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = TEvent<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = TEvent<void(TObject* Sender, int ACol)>;
using TSearchEditChangeEvent = TEvent<void(TObject* Sender, QString Value, bool& DefaultSearch)>;
using TSpinClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = TEvent<void(TObject* Sender, int Acol, int Arow)>;
using TIsDesigningEvent = TEvent<void(TObject* Sender, bool& IsDesigning)>;
// Wide text is the same UTF-16 string type as any other text here.
using TGetDisplWideTextEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TExGridUndoRedoEvent =
    TEvent<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row, QString OrigValue, QString NewValue)>;
