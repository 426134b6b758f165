#pragma once

// The working state of the string grid: owned objects, hidden rows and columns, counts and the
// flags of editing, sizing and loading. The grid's own files and its descendants include it.

#include "grid/foundation/arrow_and_focus_windows.h"
#include "grid/foundation/filter_matching.h"
#include "grid/foundation/grid_lists.h"
#include "grid/foundation/grid_options.h"
#include "grid/foundation/picture_cache.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "grid/stringgrid/model/hidden_columns.h"
#include "grid/stringgrid/model/hidden_rows.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/hint_window.h"
#include "platform/core/string_list.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TControlCombo;
class TControlEdit;
class TDropCheckList;
class TDropList;
class TExInplaceEdit;
class TFooterPanel;
class TGridButton;
class TGridCheckBox;
class TGridCombo;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridDropTarget;
class TGridEditBtn;
class TGridSpin;
class TGridTransCombo;
class TExRichEdit;
class TGridTransEdit;
class TGridUnitEditBtn;
class THTMLHintWindow;
class THeaderDragButton;
class TListBox;
class TScrollBar;
class TTimer;

// A grid being destroyed stops its focus frame from following window moves.
void ForgetFocusGrid(const TExStringGrid* Grid);

class TExStringGridPrivate {
public:
    explicit TExStringGridPrivate(TExStringGrid& grid);

    // The text margins, left and right (top and bottom) unless XYOffsetTopLeftOnly.
    static int horizontalMargin(const TExStringGrid& grid);
    static int verticalMargin(const TExStringGrid& grid);

    // ---- owned objects, in the order they are made
    std::unique_ptr<TFont> cf;
    std::unique_ptr<TFocusHelper> FocusHelper;
    std::unique_ptr<TSearchFooter> SearchFooter;
    std::unique_ptr<TFloatingFooter> FloatingFooter;
    std::unique_ptr<TPrintSettings> PrintSettings;
    std::unique_ptr<THTMLSettings> HTMLSettings;
    std::unique_ptr<TSortSettings> SortSettings;
    std::unique_ptr<TDragDropSettings> DragDropSettings;
    std::unique_ptr<TDragScrollOptions> DragScrollOptions;
    std::unique_ptr<TControlLook> ControlLook;
    std::unique_ptr<TNavigation> Navigation;
    std::unique_ptr<TColumnSize> ColumnSize;
    std::unique_ptr<TCellNode> CellNode;
    std::unique_ptr<TBands> Bands;
    std::unique_ptr<TSizeWhileTyping> SizeWhileTyping;
    std::unique_ptr<TMouseActions> MouseActions;
    std::unique_ptr<TGrouping> Grouping;
    std::unique_ptr<TStringList> ColumnHeaders;
    std::unique_ptr<TIntList> FOrigColSizes;
    std::unique_ptr<TFont> FixedFont;
    std::unique_ptr<TFont> ActiveCellFont;
    std::unique_ptr<TStringList> RowHeaders;
    std::unique_ptr<TStringList> Sortlist;
    std::unique_ptr<TStringList> LookupItems;
    std::vector<bool> FRowSelect, FColSelect;
    std::unique_ptr<TSortIndexList> SortIndexes;
    std::unique_ptr<TIntList> FSortRowXRef, FUnSortRowXRef, FMergedColumns, FSelectedCells, FSelectedRows,
        FModifiedRows, FEnabledRows;
    std::unique_ptr<TBitmap> RowIndicator;
    std::unique_ptr<TBackGround> BackGround;
    std::unique_ptr<TControlList> FControlList;
    std::unique_ptr<TGridProgressAppearance> ProgressAppearance;
    std::unique_ptr<TSyncGrid> SyncGrid;
    THiddenRows FGridItems;
    std::unique_ptr<TFilter> Filter;
    // The filter's conditions as last read, by item index; each is read again when its item's
    // condition changes.
    std::vector<TPreparedFilter> FPreparedFilters;
    std::unique_ptr<TBalloonSettings> Balloon;
    std::unique_ptr<TShowModified> ShowModified;
    std::vector<TGridChangeNotifier*> FNotifierList;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TIntList> IgnoreColumns;
    std::unique_ptr<TFilterDropDown> FilterDropDown;
    std::unique_ptr<TStringList> FilterList;
    std::unique_ptr<THTMLPictureCache> ImageCache;
    // The one record every column-0 cell answers with HotmailRowSelect on.
    std::unique_ptr<TCellGraphic> FCellGraphic;

    // The focus frame and the arrows shown while moving columns or rows: components of the
    // grid, freed by its destructor.
    TGridFocusWindow* FFocusWindow = nullptr;
    TArrowWindow *ArwU = nullptr, *ArwD = nullptr, *ArwL = nullptr, *ArwR = nullptr;

    // ---- window chrome: the border style, the hidden rich edit (owned by the grid) and the
    // text last handed to a balloon tool-tip
    TFormBorderStyle FBorderStyle = bsSingle;
    TRichEdit* FRichEdit = nullptr;
    QString FHintBuffer;
    // The in-place editor of rich-text cells, made on first use.
    TExRichEdit* FInplaceRichEdit = nullptr;

    // Parts of the grid built by other pieces of the suite: the search bar and footer panel,
    // the hint window, the shared row check-box record, the filter drop-down lists and the
    // editors. Each stays nullptr until its piece makes it here; the grid owns what is made.
    TFooterPanel* FFooterPanel = nullptr;
    TSearchPanel* FSearchPanel = nullptr;
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    TGridCombo* EditCombo = nullptr;
    TGridTransEdit* EditTrans = nullptr;
    TGridTransCombo* ComboTrans = nullptr;
    TGridCheckBox* EditCheck = nullptr;
    TGridTrackbarDropDown* FTrackbarDropDown = nullptr;
    TGridMemoDropDown* FMemoDropDown = nullptr;
    TGridCalculatorDropDown* FCalculatorDropDown = nullptr;
    TGridTimepickerDropDown* FTimePickerDropDown = nullptr;
    TGridDetailPickerDropDown* FDetailPickerDropDown = nullptr;
    TGridGridDropDown* FGridDropDown = nullptr;
    TGridColorDropDown* FColorPickerDropDown = nullptr;
    TGridImageDropDown* FImagePickerDropDown = nullptr;
    TGridExGridDropDown* FExGridDropDown = nullptr;
    TGridEditBtn* EditBtn = nullptr;
    TGridUnitEditBtn* UnitEditBtn = nullptr;
    TGridButton* GridButton = nullptr;
    THeaderDragButton* MoveButton = nullptr;
    TControlEdit* FEditControl = nullptr;
    TControlCombo* FComboControl = nullptr;
    // The bar laid over the hovered cell that has a scroll bar of its own (FScrollCol, FScrollRow,
    // a real column), and the one whose picture the painter copies into such cells.
    TScrollBar *FScrollBar = nullptr, *FPaintScrollBar = nullptr;
    int FScrollCol = -1, FScrollRow = -1;

    // ---- hidden columns and rows, column order, selection hiding
    THiddenColumns FHiddenCols;
    int FFilterLevel = 0;
    int FGroupColumn = -1;
    // The real column the grouped column was taken from.
    int FGroupRealColumn = -1;
    TGridRect FOldSelection;
    bool FSelHidden = false;

    // ---- filtering (grid/stringgrid/filter/)
    // The column whose drop-down is open, -1 when none.
    int FFilterCol = -1;
    // FixedRows when the filter was last applied; -1 before the first time.
    int FFilterFixedRows = -1;
    // The condition NarrowDown had last.
    QString FLastFilter;

    // ---- counts and limits
    int FNumNodes = 0;
    int FNumCellControls = 0;
    int FUpdateCount = 0;
    bool FSelChange = false;
    ITExStringGridSelect* FISelect = nullptr;
    bool UseEnabledRows = false;
    int FOldSize = 0;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FFixedRowHeight = 22;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;

    // ---- editing
    TEditorType EditControl = edNormal;
    bool EditMode = false;
    bool FEditing = false;
    bool FEditActive = false;
    bool FEditChange = false;
    QString FOldCellText, FNewCellText, FCellCache;
    int FComboIdx = -1;
    // Editing allowed beyond goEditing.
    bool FEditDisable = false;
    int FMaxEditLength = 0;

    // ---- the clipboard: the top-left cell and kind (TClipOperation) of the last copy or cut;
    // whether the paste under way goes to the save range rather than the selection.
    TGridCoord FClipTopLeft;
    int FClipLastOp = coCopy;
    bool FPasteAll = false;

    // ---- editing life cycle (grid/stringgrid/editing/)
    TWinControl* EditCtrl = nullptr;
    bool FSpecialEditor = false;
    bool FShowEditProcess = false;
    bool FEntered = false;
    bool FBlockKill = false;
    bool FValidating = false;
    bool FNoEditChange = false;
    bool FLastValidation = true;
    bool FSpinUpClick = false, FSpinDnClick = false;
    QChar FStartEditChar;
    QString FEditText;
    // ---- in-place editing state shared with the editors (grid/stringgrid/inplace/)
    TExInplaceEdit* FNormalEdit = nullptr;
    TGridSpin* FEditSpin = nullptr;
    TGridDatePicker* FEditDate = nullptr;
    TGridDateTimePicker* FEditDateTime = nullptr;
    // The date-and-time editor's value when its edit began: Escape goes back to it.
    TDateTime FOriginalDateTime = 0;
    bool FNoAutoAdvance = false;
    bool InvokedFocusChange = false;
    // Editing was started by a mouse click: the editor puts its caret under the pointer.
    bool LButFlg = false;

    // ---- navigation after editing, validation and focus (grid/stringgrid/navigation/)
    // The cell the last advance started from.
    int FAECol = 0, FAERow = 0;
    // OnCellChanging is not fired while an advance moves the current cell itself.
    bool FDisableChange = false;
    // An editor control is handing the focus back to the grid.
    bool FBlockFocus = false;
    // The age of the type-ahead text (IncrSearchText) in timer ticks.
    int SearchTics = 0;
    // The cell as it was before its edit: display column and row, stored texts, modified flag.
    int FOldCol = 0, FOldRow = 0;
    QString FOldCellTextWide;
    bool FOldModifiedValue = false;
    // The text editor hands Enter to the grid's character handling.
    bool FEnterFromEditor = false;

    // ---- mouse sizing and moving
    int Colclicked = -1, Rowclicked = -1;
    // The width (height) of the sized column (row) when the sizing started.
    int Colclickedsize = 0, Rowclickedsize = 0;
    bool ColSized = false, Rowsized = false;
    bool ColchgFlg = true;
    bool FIsColChanging = false;

    // ---- owner form
    TNotifyEvent FOnResize;
    bool ResizeAssigned = false;
    int PrevSizeX = 0, PrevSizeY = 0;

    // ---- platform flags measured at construction
    bool FIsWinXP = true, FIsWin7 = true, FIsWinVista = true, FIsComCtl6 = true;

    // ---- published values with effects
    TExStringGridCheck* CellChecker = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    TImageList* GridImages = nullptr;
    TPopupMenu* FixedDropDownMenu = nullptr;
    TColor HighlightColor = clHighlight;
    TColor HighlightTextColor = clHighlightText;
    bool ActiveCellShow = false;
    TColor ActiveCellColor = 0x808080;
    TColor ActiveCellColorTo = clNone;
    bool AutoSize = false;
    bool AutoThemeAdapt = false;
    bool SpreadSheet = false;
    // A drag near an edge: the timer that scrolls (owned by the grid), and towards where.
    TTimer* FDragTmr = nullptr;
    TDragScrollDirection FDragScrollDirection = 0;
    TColor BorderColor = 0xB99D7F;
    TAlignment DefaultAlignment = taLeftJustify;
    bool Flat = false;
    TScrollBarAlways ScrollBarAlways = saNone;
    TScrollStyle ScrollBars = ssBoth;
    TColor ScrollColor = clNone;
    TScrollType ScrollType = ssNormal;
    int ScrollWidth = 17;
    TColor SelectionColor = 0xEACAB6;
    TColor SelectionColorTo = clNone;
    bool SelectionColorMixer = false;
    int SelectionColorMixerFactor = 50;
    TColor SelectionMirrorColor = clNone;
    TColor SelectionMirrorColorTo = clNone;
    bool SelectionRectangle = false;
    bool SelectionResizer = false;
    bool SelectionRTFKeep = false;
    TColor URLColor = clBlue;
    bool URLShow = false;
    bool URLShowInText = false;
    bool URLFull = false;
    TColor SelectionTextColor = clBlack;
    bool ShowDesignHelper = true;
    TVAlignment VAlignment = vtaTop;
    unsigned FVAlign = 0;
    TColor DUDGradientFrom = clWhite;
    TColor DUDGradientTo = clNone;
    TColor DUDGradientMirrorFrom = clNone;
    TColor DUDGradientMirrorTo = clNone;
    // ---- keyboard and mouse (grid/stringgrid/input/)
    TGridRect FMoveSelection;
    TPoint FLastKeyCell;
    int FLastTabCol = -1, FLastTabRow = -1;
    bool FForceSel = false;
    bool FGridModified = false;
    bool FDoOnClick = false, FMouseKeepDown = false, FMouseDownMove = false;
    // The left column at the press, kept through a drag with KeepHorizScroll.
    int FOldKeepLeftCol = 0;
    // The cell whose expand button is under the pointer, drawn hovered; (-1, -1) when none.
    TPoint FHoverButton{-1, -1};
    int Clickposx = 0, Clickposy = 0, Clickposdx = 0, Clickposdy = 0;
    TPoint FPushedCellButton{-1, -1};
    bool ColMoveFlg = false, ColSizeFlg = false;
    // This move repeats one of the synchronised grid: it is not handed back.
    bool FSyncedMove = false;
    bool FDblClk = false;
    bool FDeselectState = false;
    int FHoverFixedX = -1, FHoverFixedY = -1;
    bool FNoMouseLeave = false;
    TPoint FLastHintPos{-1, -1};
    // The cell hint's window (made on first use, again when the kind of window a hint asks
    // for changes), its kind, and the pointer its pause timer waits on.
    THintWindow* FCellHintWnd = nullptr;
    THintWindowClass FCellHintKind = nullptr;
    TPoint FCellHintCursor{-1, -1};
    // The balloon tool-tip (owned by the grid) while balloons are enabled, the pointer it waits
    // on and the cell it shows for.
    THintWindow* FBalloonWnd = nullptr;
    TPoint FBalloonCursor{-1, -1};
    TPoint FBalloonCell{-1, -1};
    // What a press on the headers selects, as the last move over them found; the first row
    // (column) of a header drag selection, -1 when none runs.
    enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
    TMouseSelectMode FMouseSelectMode = msNormal;
    int FMouseSelectStart = -1;
    // Milliseconds the last header-click sort took.
    int SortTime = 0;
    // Set by the mouse handling while a button is held on the cells.
    bool FMouseDown = false;
    // ---- selection by the mouse: the selection when a drag of its handle began, and whether
    // that drag runs
    TGridRect FDropSelection;
    bool FMouseResize = false;
    // Sizing a fixed column (row) by its border: the pointer rests on such a border, a drag
    // runs, where its line stands, which column (row) it sizes, and that one's size and the
    // pointer's position when the drag began.
    bool FSizeFixed = false, FSizeFixedR = false;
    bool FSizingFixed = false, FSizingFixedR = false;
    int FSizeFixedX = 0, FSizeFixedY = 0;
    int FSizingFixedCol = -1, FSizingFixedRow = -1;
    int FSizingFixedStartSize = 0, FSizingFixedStartPos = 0;
    // The reference cell of a border sizing, kept for its events and hint until the release.
    TPoint FSizingRef{-1, -1};
    // ---- anchors and form controls in cells (grid/stringgrid/input/)
    // A BUTTON control drawn pressed until the release; the cell (real column, row) of that
    // control or of the one being edited.
    bool FCtrlDown = false;
    TPoint FCtrlXY{-1, -1};
    // An edit box or combo is open over a form control; that control's id and type.
    bool FCtrlEditing = false;
    QString FCtrlID, FCtrlType;
    // The anchor under the pointer, for its enter and exit events, and the last anchor hint.
    QString FAnchor, FLastAnchorHint;
    // The cell and anchor (from 1) underlined with URLUnderlineOnHover; -1 when none.
    TPoint FHoverCell{-1, -1};
    int FHoverlink = -1;
    // A link under the pointer set the hand cursor; FOldCursor is the one it replaced.
    bool FLinkCursor = false;
    TCursor FOldCursor = crDefault;
    // The grid itself is changing its cursor (SetGridCursor), until CM_CURSORCHANGED.
    bool Invokedchange = false;
    // Header buttons and enhanced moving: the fixed cell drawn pushed; the drop-down button of
    // a fixed cell held down; the column (row) a header press may move, -1 when none, and the
    // press offset inside its cell; the drop target the arrows mark; the cursor before the move.
    TRect FPushedFixedCell;
    bool FFixedCellPushed = false;
    bool FDropDownDown = false;
    int Movecell = -1, MoveOfsX = 0, MoveOfsY = 0;
    int FMoveColInd = -1, FMoveRowInd = -1;
    TCursor FMoveOldCursor = crDefault;
    // The picture of the moved column (row) that follows the pointer with ShowCells; owned by
    // the grid, made when a move starts and freed when it ends.
    TPictureWindow* MoveForm = nullptr;
    TExStyle FStyle = tsWindowsXP;
    // The office theme last followed with AutoThemeAdapt.
    TOfficeTheme FOfficeTheme = otUnknown;
    TColorTones FTones;

    // ---- loading and windows
    bool FLoaded = false;
    bool FLoading = false;
    TCursor FRecordedCursor = crDefault;
    int FGridTimerID = 0;
    int FWheelScrollLines = 3;
    bool FFindBusy = false;
    // ---- searching (grid/stringgrid/search/): the options and text of the last search (upper
    // case unless fnMatchCase) and the last found cell
    TFindParams FFindParams = 0;
    QString FFindText;
    TPoint FSearchCell{-1, -1};
    // The fixed cell whose editor is open, for FixedEditChange.
    int FFixedEditCol = -1, FFixedEditRow = -1;
    // The row OnRowUpdate last reported.
    int FOldRowSel = -1;

    // ---- OLE drag and drop (grid/stringgrid/dragdrop/): a press on a selected cell that a move
    // turns into a drag; the registered drop target; the column dragged from a column list; the
    // picture of the dragged cells that follows the pointer with ShowCells (owned by the grid).
    bool FSelectionClick = false;
    std::shared_ptr<TGridDropTarget> FGridDropTarget;
    bool FOleDropTargetAssigned = false;
    int FOleDragCol = -1, FOleDragIndex = -1;
    TListBox* FOleDragList = nullptr;
    TForm* FOleMoveForm = nullptr;

    // ---- timer, paint and size, wheel, zoom and scrolling (grid/stringgrid/scrolling/)
    bool FIsFlat = false;
    bool FScrollLock = false;
    TScrollControl *vscrlctrl = nullptr, *hscrlctrl = nullptr;
    bool FScrollHintShow = false;
    // The window of the thumb and sizing hints, made on first use; owned by the grid.
    THTMLHintWindow* FScrollHintWnd = nullptr;
    bool FUseHTMLHints = false;
    int FOldLeftCol = 1, FOldTopRow = 1;
    bool wheelpan = false;
    TPoint wheelpanpos;
    // Where the pointer is while panning, from the mouse moves the grid sees.
    TPoint wheelpancursor;
    TCursor prevcurs = crDefault;
    int FTimerTicks = 0;
    // The pointer over the grid as its mouse moves tell, for hovering; -1 when outside.
    TPoint FTimerMousePos{-1, -1};
    bool FGridBlink = false;
    int FPaintCount = 0;
    bool FDisableSize = false;
    bool FUseVCLStyles = false;

    // ---- row and column operations and grouping (grid/stringgrid/data/)
    // Clearing drops cell objects without freeing them while scratch rows share them.
    bool FClearObjectsOnly = false;
    // The grouped column's width, header caption and footer text, put back by UnGroup.
    int FGroupWidth = 0;
    QString FGroupCaption, FGroupFooter;
    // Set while Group or UnGroup runs.
    bool FIsGrouping = false;
    // The grouped column's texts of the rows hidden while grouping, put back if still hidden.
    std::vector<std::pair<const TGridItem*, QString>> FGroupHeldTexts;

    // ---- sorting: the last range sort's direction (+1 or -1), the row that was current when the
    // sort began (it follows its row), and the counters of comparisons and row exchanges
    int SortDir = 1;
    int SortRow = 0;
    int Compares = 0;
    int Swaps = 0;

    // ---- the grid's own cursors: the last one it set (valid while FGridCursorSet) and the
    // cursor that one covers
    bool FGridCursorSet = false;
    TCursor FGridCursor = crDefault, FCursorBeneath = crDefault;

    // ---- the print engine's layout: printed width and left offset of columns 0 .. 512
    std::array<int, 513> FPrintColWidth{};
    std::array<int, 513> FPrintColOffset{};
    // The print range, the pages to output (from 1), the page rectangle for counting, the
    // preview's rectangle (device pixels) and the results of the last layout.
    TGridRect FPrintRect;
    int FPrintPageFrom = 1, FPrintPageTo = 1;
    TRect FPrintPageRect;
    TRect FPreviewRect;
    int FPrintNrOfPages = 0;
    int FPrintPageWidth = 0;
    int FPrintColStart = 0, FPrintColEnd = 0;
    // MapFontHeight's scale: the fit factor while a fitted print lays out cells, else 1.
    double FFontScaleFactor = 1.0;
};
