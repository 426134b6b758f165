#pragma once

// The event types of the string grid (besides those the grid suite shares) and the grid's
// events. Each event is fired only when assigned. The parameter order is each type's own:
// some put the row before the column.

#include "grid/stringgrid/model/string_grid_types.h"
#include "platform/system/conversions.h"

class TCheckListBox;
class TEditLink;
class TPopupMenu;
class TStringList;

using TAutoAdvanceEvent =
    TEvent<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TAfterCellPasteEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString Value)>;
using TAfterCellPasteWideEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString Value)>;
using TBeforeCellPasteEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
using TBeforeCellPasteWideEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
// A row or column moved from FromIndex to ToIndex.
using TMovedEvent = TEvent<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TCalcFooterEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TCanClickCellEvent = TEvent<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
// The cell's content is drawn; Rect is the cell less its lines.
using TDrawCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TCanShowFixedDropDownEvent = TEvent<void(TObject* Sender, int ACol, bool& CanShow)>;
using TCellChangingEvent = TEvent<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TCellComboControlEvent =
    TEvent<void(TObject* Sender, int ARow, int ACol, QString CtrlID, QString CtrlType, QString CtrlVal,
                TStringList* Values, bool& Edit, int& DropCount)>;
using TCellComboControlSelectEvent =
    TEvent<void(TObject* Sender, int ARow, int ACol, int ItemIndex, QString CtrlID, QString CtrlValue)>;
using TCellControlEvent =
    TEvent<void(TObject* Sender, int ARow, int ACol, QString CtrlID, QString CtrlType, QString CtrlVal)>;
using TCellCursorEvent = TEvent<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TCellSaveLoadEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TCellValidateEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TCellValidateWideEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TCellsChangedEvent = TEvent<void(TObject* Sender, TRect R)>;
using TClipboardEvent = TEvent<void(TObject* Sender, bool& Allow)>;
using TColChangingEvent = TEvent<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TColorSelectEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TColor Color, QString Value)>;
using TColorSelectedEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TColor& Color, QString& Value)>;
using TComboChangeEvent = TEvent<void(TObject* Sender, int ACol, int ARow, int AItemIndex, QString ASelection)>;
using TComboObjectChangeEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, int AItemIndex, QString ASelection, TObject* AObject)>;
using TCustomCellSizeEvent =
    TEvent<void(TObject* Sender, TCanvas& Canvas, int ACol, int ARow, TPoint& ASize, bool Printing)>;
using TCustomFilterEvent = TEvent<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TCustomStrToDateEvent = TEvent<void(TObject* Sender, QString Value, TDateTime& ADate)>;
using TDateTimeChangeEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TDateTimeSpinClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;
using TDoFitToPageEvent = TEvent<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TDragScrollEvent =
    TEvent<void(TObject* Sender, int TopRow, int LeftCol, TDragScrollDirection& DragScrollDir, bool& CanScroll)>;
using TDropDownButtonClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
using TEditCellDoneEvent = TEvent<void(TObject* Sender, int ACol, int ARow)>;
using TEditChangeEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString Value)>;
using TFilterCheckEvent = TEvent<void(TObject* Sender, int Column, int ItemIndex, QString FriendlyName,
                                      QString& FilterCondition, TCheckListBox* CheckList)>;
using TFilterSelectEvent =
    TEvent<void(TObject* Sender, int Column, int ItemIndex, QString FriendlyName, QString& FilterCondition)>;
using TFixedDropDownEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu, bool& KeepFixedCellHighlighted)>;
using TFixedEditEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values)>;
using TFloatSpinClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TFooterPaintEvent = TEvent<void(TObject* Sender, int AColumn, TCanvas& Canvas, TRect ARect)>;
using TGetCheckEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetColumnFilterEvent = TEvent<void(TObject* Sender, int Column, TStringList* Filter)>;
using TGetEditorPropEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TGridPrintCancelEvent = TEvent<void(TObject* Sender, int PageNr, bool& Cancel)>;
using TGridPrintColumnWidthEvent = TEvent<void(TObject* Sender, int ACol, int& Width)>;
using TGridPrintNewPageEvent = TEvent<void(TObject* Sender, int ARow, bool& NewPage)>;
using TGridPrintPageDoneEvent = TEvent<void(TObject* Sender, TCanvas& Canvas, int LastRow, int LastRowOffset,
                                            int LastPage, int PageXSize, int PageYSize)>;
using TGridPrintPageEvent = TEvent<void(TObject* Sender, TCanvas& Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TGridPrintPageNumEvent = TEvent<void(TObject* Sender, int PageNum, int PageColNum, QString& PageNumString)>;
using TGridPrintRowHeightEvent = TEvent<void(TObject* Sender, int ARow, int& Height)>;
using TGridPrintStartEvent = TEvent<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
using TGridProgressEvent = TEvent<void(TObject* Sender, int16_t progress)>;
using TGridWideHintEvent = TEvent<void(TObject* Sender, int ARow, int ACol, QString& hintstr)>;
using TGroupCalcEvent = TEvent<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using THasComboEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TImageSelectEvent = TEvent<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TImageSelectedEvent = TEvent<void(TObject* Sender, int ACol, int ARow, int& Index)>;
using TIsFixedCellEvent = TEvent<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = TEvent<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TNodeAllowEvent = TEvent<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TNodeClickEvent = TEvent<void(TObject* Sender, int ARow, int ARowreal)>;
using TOleDragDropEvent = TEvent<void(TObject* Sender, int ARow, int ACol, QString data, bool& Allow)>;
using TOleDragOverEvent = TEvent<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TOleDragStartEvent = TEvent<void(TObject* Sender, int ARow, int ACol)>;
using TOleDragStopEvent = TEvent<void(TObject* Sender, int OLEEffect)>;
using TOleDropColEvent = TEvent<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
using TOleDropFileEvent = TEvent<void(TObject* Sender, int ARow, int ACol, QString FileName, bool& Allow)>;
using TOleDropURLEvent = TEvent<void(TObject* Sender, int ARow, int ACol, QString URL, bool& Allow)>;
using TOleDroppedEvent = TEvent<void(TObject* Sender, TGridRect ARect)>;
using TRadioButtonClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow)>;
using TRadioClickEvent = TEvent<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TRatingChangeEvent = TEvent<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TRowChangedEvent = TEvent<void(TObject* Sender, int OldRow, int NewRow)>;
using TRowChangingEvent = TEvent<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TRowDisjunctSelectEvent = TEvent<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TScrollCellEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
using TSearchFooterActionEvent =
    TEvent<void(TObject* Sender, QString Value, int ACol, int ARow, TSearchAction SearchAction)>;
using TSelectionChanged = TEvent<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TSelectionResizeEvent = TEvent<void(TObject* Sender, TGridRect OrigSelection, TGridRect NewSelection)>;
using TUnitChangedEvent = TEvent<void(TObject* Sender, int ACol, int ARow, QString NewUnit)>;
using TWordWrapEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;

// The events of the string grid, grouped by the type they share. The grid's own resize event is
// the control's OnResize.
struct TExStringGridEvents {
    TAfterCellPasteEvent OnClipboardAfterPasteCell;
    TAfterCellPasteWideEvent OnClipboardAfterPasteWideCell;
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter, OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TAutoAddRowEvent OnAutoAddRow;
    TAutoAdvanceEvent OnAutoAdvance;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TAutoInsertRowEvent OnAutoInsertRow, OnRowDisjunctSelected;
    TBeforeCellPasteEvent OnClipboardBeforePasteCell;
    TBeforeCellPasteWideEvent OnClipboardBeforePasteWideCell;
    TButtonClickEvent OnButtonClick;
    TCalcFooterEvent OnFooterCalc;
    TCanAddRowEvent OnCanAddRow;
    TCanClickCellEvent OnCanClickCell;
    TCanDeleteRowEvent OnCanDeleteRow;
    TCanEditCellEvent OnCanEditCell;
    TCanInsertRowEvent OnCanInsertRow;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    TCanSortEvent OnCanSort;
    TCellChangingEvent OnCellChanging;
    TCellComboControlEvent OnControlComboList;
    TCellComboControlSelectEvent OnControlComboSelect;
    TCellControlEvent OnControlClick, OnControlEditDone;
    TCellCursorEvent OnGetCellCursor;
    TCellSaveLoadEvent OnSaveCell, OnLoadCell;
    TCellValidateEvent OnCellValidate;
    TCellValidateWideEvent OnCellValidateWide;
    TCellsChangedEvent OnCellsChanged;
    TCheckBoxClickEvent OnCheckBoxChange, OnCheckBoxClick, OnCheckBoxMouseUp;
    TClickCellEvent OnClickCell, OnRightClickCell, OnDatePickerCloseUp, OnDatePickerDropDown, OnComboCloseUp,
        OnComboDropDown;
    TClickSortEvent OnClickSort;
    TClipboardEvent OnClipboardPaste, OnClipboardCopy, OnClipboardCut;
    TColChangingEvent OnColChanging;
    TColorSelectEvent OnColorSelect;
    TColorSelectedEvent OnColorSelected;
    TColumnSizeEvent OnColumnSize, OnColumnMove, OnColumnMoving;
    TColumnSizingEvent OnColumnSizing;
    TComboChangeEvent OnComboChange;
    TComboObjectChangeEvent OnComboObjectChange;
    TCustomCellDrawEvent OnCustomCellBkgDraw, OnCustomCellDraw;
    TDrawCellEvent OnDrawCell;
    TCustomCellSizeEvent OnCustomCellSize;
    TCustomCompareEvent OnCustomCompare;
    TCustomFilterEvent OnCustomFilter;
    TCustomStrToDateEvent OnCustomStrToDate;
    TDateTimeChangeEvent OnDateTimeChange;
    TDateTimeSpinClickEvent OnTimeSpinClick, OnDateSpinClick;
    TDblClickCellEvent OnDblClickCell;
    TDoFitToPageEvent OnFitToPage;
    TDragScrollEvent OnDragScroll;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick, OnDropDownFooterButtonClick;
    TEditCellDoneEvent OnEditCellDone;
    TEditChangeEvent OnEditChange;
    // May change the edit mask a cell's text editor gets (EditMask to begin with).
    TGetEditEvent OnGetEditMask;
    TEllipsClickEvent OnEllipsClick;
    TEndColumnSizeEvent OnEndColumnSize;
    TEndRowSizeEvent OnEndRowSize;
    TExpandClickEvent OnExpandClick;
    TFilterCheckEvent OnFilterCheck;
    TFilterSelectEvent OnFilterSelect;
    TFixedDropDownEvent OnFixedDropDownClick;
    TFixedEditEvent OnFixedEdit;
    TFloatFormatEvent OnGetFloatFormat;
    TFloatSpinClickEvent OnFloatSpinClick;
    TFooterPaintEvent OnFooterPaint;
    TGetCheckEvent OnGetCheckTrue, OnGetCheckFalse;
    TGetColumnFilterEvent OnGetColumnFilter;
    TGetEditorPropEvent OnGetEditorProp;
    TGetEditorTypeEvent OnGetEditorType;
    TGridAlignEvent OnGetAlignment;
    TGridBalloonEvent OnCellBalloon;
    TGridBorderEvent OnGetCellPrintBorder, OnGetCellBorder;
    TGridBorderPropEvent OnGetCellBorderProp;
    TGridColorEvent OnGetCellColor, OnGetCellPrintColor;
    TGridFormatEvent OnGetFormat;
    TGridGradientEvent OnGetCellGradient;
    TGridHintEvent OnGridHint;
    TGridPrintCancelEvent OnPrintCancel;
    TGridPrintColumnWidthEvent OnPrintSetColumnWidth;
    TGridPrintNewPageEvent OnPrintNewPage;
    TGridPrintPageDoneEvent OnPrintPageDone;
    TGridPrintPageEvent OnPrintPage;
    TGridPrintPageNumEvent OnPrintGetPageNum;
    TGridPrintRowHeightEvent OnPrintSetRowHeight;
    TGridPrintStartEvent OnPrintStart;
    TGridProgressEvent OnFileProgress, OnFilterProgress;
    TGridWideHintEvent OnGridWideHint;
    TGroupCalcEvent OnColumnCalc, OnGroupCalc;
    THasComboEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TImageSelectEvent OnImageSelect;
    TImageSelectedEvent OnImageSelected;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TNodeAllowEvent OnBeforeExpandNode, OnBeforeContractNode;
    TNodeClickEvent OnExpandNode, OnContractNode;
    TNotifyEvent OnFilterDone, OnSearchFooterClose, OnRichEditSelectionChange, OnEditingDone,
        OnCreatedFloatingFooter, OnCreatedSearchFooter;
    TOleDragDropEvent OnOleDrop, OnOleDrag;
    TOleDragOverEvent OnOleDragOver;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TOleDropColEvent OnOleDropCol;
    TOleDropFileEvent OnOleDropFile;
    TOleDropURLEvent OnOleDropURL;
    TOleDroppedEvent OnOleDropped;
    TRadioButtonClickEvent OnRadioButtonClick;
    TRadioClickEvent OnRadioClick, OnRadioMouseUp;
    TRatingChangeEvent OnRatingChange;
    TRawCompareEvent OnRawCompare;
    TRowChangedEvent OnRowUpdate;
    TRowChangingEvent OnRowChanging;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowSizeEvent OnRowSize, OnRowMove, OnRowMoving;
    TMovedEvent OnRowMoved;
    TRowSizingEvent OnRowSizing;
    TScrollCellEvent OnScrollCell;
    TScrollHintEvent OnScrollHint;
    TSearchEditChangeEvent OnSearchEditChange;
    TSearchFooterActionEvent OnSearchFooterAction;
    TSelectionChanged OnSelectionChanged;
    TSelectionResizeEvent OnSelectionResize, OnSelectionResized;
    TSpinClickEvent OnSpinClick;
    TUnitChangedEvent OnUnitChanged;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TWordWrapEvent OnGetWordWrap;

    // Public only, not stored with a form.
    TNotifyEvent OnPainted;
    TClickCellEvent OnGetEditorPropInt;
};
