#pragma once

#include "grid/foundation/base_grid.h"
#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/style_interfaces.h"
#include "platform/controls/form.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/string_grid_events.h"
#include "grid/stringgrid/model/string_grid_options.h"
#include "grid/stringgrid/model/string_grid_streaming.h"

#include <functional>
#include <memory>
#include <vector>

class TBackGround;
class TBitmap;
class TFilePicture;
class TGraphic;
class TPicture;
class TBalloonSettings;
class TBands;
class TCellGraphic;
class TCellNode;
class TColumnSize;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TDropCheckList;
class TDropList;
class TExStringGridCheck;
class TExInplaceEdit;
class TGridCheckBox;
class TGridCombo;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridButton;
class TGridSpin;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridTrackbarDropDown;
class TGridMemoDropDown;
class TGridCalculatorDropDown;
class TGridTimepickerDropDown;
class TGridDetailPickerDropDown;
class TGridGridDropDown;
class TGridColorDropDown;
class TGridImageDropDown;
class TGridExGridDropDown;
class TExCustomDropDown;
class TInplaceEdit;
class TListBox;
class TExStringGridPrivate;
class TExchangeFileWriter;
class TCellRecord;
class ITExStringGridSelect;
class TGridChangeNotifier;
class TFilter;
class TFilterData;
class TFilterDropDown;
class TFloatingFooter;
class TFocusHelper;
class TRichEdit;
class TExRichEdit;
// The title, text and icon a balloon tool-tip shows for a cell.
struct TBalloonTip {
    QString Title;
    QString Text;
    int Icon = 1;
};
class TFooterPanel;
struct THTMLDrawOptions;
class TGridProgressAppearance;
class TGridItem;
struct THeldRow;
class TGrouping;
class THTMLPictureCache;
class THTMLSettings;
class THiddenRows;
class TIntList;
class TPreparedFilter;
class TMouseActions;
class TNavigation;
class TPictureContainer;
class TPrintSettings;
class TRowSorter;
class TSearchFooter;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TStream;
class THTMLImageWriter;
class TStringList;
enum TControlStyle : int;
class TSyncGrid;
class TScrollControl;
class THTMLHintWindow;
class THintWindow;
// Anchors and form controls in cells.
class TControlCombo;
class TControlEdit;
struct THTMLDrawResults;
// Shift state, mouse position, Handled.
using TMouseWheelUpDownEvent = TEvent<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

// The grid control of the grid suite: cells with texts and per-cell properties, hidden rows
// and columns, decorations, sorting, filtering, grouping, searching, footers, editors and
// many looks. Its own files are split by concern: life cycle here and in ex_string_grid.cpp,
// the published properties in string_grid_properties.cpp and their form-description streaming
// in string_grid_streaming.cpp, the index model in string_grid_indexes.cpp, the real-index
// cell access in string_grid_all_cells.cpp, counts and moves in string_grid_dimensions.cpp and
// string_grid_moves.cpp, cell looks, texts and selections in string_grid_cell_*.cpp and
// string_grid_selected_cells.cpp, decoration records in string_grid_cell_graphics.cpp, the
// per-cell queries in string_grid_cell_queries.cpp and string_grid_data_queries.cpp, and the
// other virtual operations' default bodies in string_grid_hooks.cpp; typed access, decoration
// sizes, display texts and header lists live in grid/stringgrid/cells/. Its working state
// lives in ex_string_grid_p.h.
//
// Indexes. Every operation takes display indexes unless it says real. Hidden columns stay in
// the cell store at their real index (ColCount counts the shown ones); hidden rows leave the
// store for the hidden-row collection and the rows below move up. Cells are stored by real
// column and display row.
class TExStringGrid : public TBaseGrid, public TExStringGridEvents, public TExStringGridOptions,
                      public IExStyle, public IExTones {
public:
    explicit TExStringGrid(TComponent* AOwner);
    ~TExStringGrid() override;

    // ---- life cycle
    // Completes loading from a form description (or the program's own set-up in code).
    virtual void Loaded();
    // Copies the properties and then the cells of another string grid; nothing else.
    virtual void Assign(const TObject& Source);
    virtual void AssignCells(const TObject& Source);
    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool IsLoading() const;
    // Shows or hides the scroll bars of directions whose cells all fit, by ScrollBarAlways.
    void ScrollBarAlwaysUpdate(bool Force);
    // The control itself when it is a form, else the nearest form among its parents.
    static TForm* FindParentForm(TControl* AControl);

    virtual int GetVersionNr();
    virtual QString GetVersionString();
    QString Version() const;
    // Ignored: the version is the grid's own.
    void SetVersion(const QString&) {}

    // ---- dimensions kept in step with the grid's own state
    void SetColCount(int Value) override;
    // With a visible floating footer its row moves to the new last row.
    void SetRowCount(int Value) override;
    // At least 1 while FixedColAlways (FixedRowAlways) is on.
    int FixedCols() const;
    int FixedRows() const;
    void SetFixedCols(int Value) override;
    void SetFixedRows(int Value) override;
    void SetDefaultRowHeight(int Value) override;
    int FixedColWidth() const;
    void SetFixedColWidth(int Value);
    int FixedRowHeight() const;
    void SetFixedRowHeight(int Value);
    int FixedFooters() const;
    void SetFixedFooters(int Value);
    int FixedRightCols() const;
    void SetFixedRightCols(int Value);

    // ---- current cell, top row, selection; a synchronised grid follows the current cell
    void SetCol(int Value);
    // Reports a changed row through OnRowUpdate.
    void SetRow(int Value);
    // Only rows FixedRows .. RowCount - 1 are taken.
    void SetTopRow(int Value);
    void SetSelection(const TGridRect& Value);
    // Asks SelectCell for the current cell again.
    void UpdateEditMode();
    // Makes the cell current and centres it when it lies out of view.
    void ScrollInView(int ColIndex, int RowIndex);
    void ScreenToCell(TPoint pt, int& ACol, int& ARow) const;
    TGridRect UsedCells() { return GetUsedCells(); }
    using TBaseGrid::InvalidateGridRect;
    // The cells the exporters write: the fixed ones only with SaveFixedCells, SaveFixedCols or
    // SaveFixedRows.
    int SaveStartCol() const;
    int SaveEndCol() const;
    int SaveColCount() const;
    int SaveStartRow() const;
    int SaveEndRow() const;
    int SaveRowCount() const;

    // ---- moves, with the cells' records and the controls placed in cells
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Moves Count rows from FromIndex to before the row that stood at ToIndex.
    void MoveRows(int FromIndex, int ToIndex, int Count);

    // ---- real and display indexes
    int RealColIndex(int ACol) const;
    int DisplColIndex(int ACol) override;
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int DisplToRealRow(int ARow) const { return RealRowIndex(ARow); }
    int RealToDisplRow(int ARow) const { return DisplRowIndex(ARow); }
    int DisplToRealCol(int ACol) const { return RealColIndex(ACol); }
    int RealToDisplCol(int ACol) const;
    int RealCol() const { return RealColIndex(Col()); }
    int RealRow() const { return RealRowIndex(Row()); }
    bool IsHiddenColumn(int Colindex) const;
    int NumHiddenColumns() const;
    int TotalColCount() const override;
    int AllColCount() const { return TotalColCount(); }
    bool IsHiddenRow(int Rowindex) const;
    int NumHiddenRows() const;
    int TotalRowCount() const;
    int AllRowCount() const { return TotalRowCount(); }
    bool IsIgnoredColumn(int ACol) const;
    int AllColWidths(int ACol) const;
    void SetAllColWidths(int ACol, int Value);

    // Hiding and showing take real indexes.
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    void HideRow(int Rowindex) { HideRows(Rowindex, Rowindex); }
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow);
    // Hides display rows (ascending) as one more filter level.
    void HideRowList(const TIntList& RowList);
    void UnHideRow(int Rowindex);
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // Shows the rows of the newest filter level again; the level count is the caller's to lower.
    void UnHideRowList();
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const;

    // Column order.
    void SetColumnOrder();
    void ResetColumnOrder();
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int APos);
    int ColumnByHeader(const QString& AValue);
    QString OriginalCells(int i, int j);
    void SetOriginalCells(int i, int j, const QString& Value);

    // Sort cross-reference.
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    QString UnSortedCells(int i, int j);
    void SetUnSortedCells(int i, int j, const QString& Value);

    // ---- sorting (grid/stringgrid/sort/). QSort and its kin take the normal rows, FixedRows ..
    // RowCount - FixedFooters - 1, on the options of SortSettings; the range forms take rows
    // of the store.
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // From column Col rightwards: exchanges the rows and answers true when they are out of order
    // in the last range sort's direction.
    bool SortLine(int Col, int ARow1, int ARow2);
    void InitSortXRef();
    // -1, 0 or +1: +1 when the cell of ARow1 sorts after that of ARow2 ascending. Direction only
    // places blank cells with IgnoreBlanks.
    int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    // Cell comparisons and row exchanges of all sorts so far.
    int Compares() const;
    int Swaps() const;

    // ---- whole rows and columns: adding, removing, clearing, trimming, finding
    void AddRow();
    void AddColumn();
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // Keeps the first row of each text of the display column; DoCase tells case apart.
    void RemoveDuplicates(int ACol, bool DoCase);
    void ClearRows(int RowIndex, int RCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalCols(int ColIndex, int CCount);
    // The second column's text joins the first's (trimmed) and the second column goes.
    void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
    void TrimColumn(int ACol);
    void TrimRow(int ARow);
    void TrimAll();
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    bool IsWideCell(int ACol, int ARow);
    // The first cell, row by row, whose stored text equals SubStr.
    bool IsCell(const QString& SubStr, int& ACol, int& ARow);

    // ---- rows and columns by selection, clearing, merging by content, calculations and
    // grouping calculations (grid/stringgrid/data/)
    // Removes rows with their cells and per-row state; AdjustControls also drops the controls
    // placed in them and keeps the hidden rows in step.
    void DeleteRowRange(int ARow, int ACount, bool AdjustControls);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void ClearNormalCells();
    void ClearSelection();
    void Clear();
    // Clear, and the texts held by hidden rows too.
    void ClearAll();
    // Runs of equal display texts become merged cells; without MainMerge a run also follows the
    // merges already present in the other direction.
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    // Splits the merged cells of every column; merges again the columns of MergedColumns, the
    // first listed by text alone, the others following it.
    void SplitAllColumnCells();
    void RestoreMergedColumns();
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    // FromRow or ToRow -1 takes the normal rows. A ToRow beyond the shown rows counts the hidden
    // rows too (real rows then). Cells that are no number are skipped; a text without one is 0.
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int fromCol, int toCol);
    double RowAvg(int ARow, int fromCol, int toCol);
    double RowMin(int ARow, int fromCol, int toCol);
    double RowMax(int ARow, int fromCol, int toCol);
    // Writes a result per expanded group into its header row, or its summary row with Summary:
    // method 1 sum, 2 average, 3 minimum, 4 maximum, 5 member count, 6 OnGroupCalc, 7 distinct
    // texts, 8 standard deviation.
    void GroupCalc(int Colindex, int method);
    void GroupSum(int Colindex);
    void GroupAvg(int Colindex);
    void GroupMin(int Colindex);
    void GroupMax(int Colindex);
    void GroupCount(int Colindex);
    void GroupCustomCalc(int Colindex);
    void GroupDistinct(int Colindex);
    void GroupStdDev(int Colindex);

    // ---- exchange with files and streams (grid/stringgrid/data/). A load that fails leaves the
    // grid as it was; a save that fails leaves the old file whole.
    // The grid text file: counts, column widths and every non-empty cell as "col,row,text".
    void SaveToFile(const QString& FileName, bool Unicode = false);
    void LoadFromFile(const QString& FileName);
    // The same scheme as UTF-16 lines at the stream's position, indexes relative to the save range.
    void SaveToStream(TStream& Stream);
    void LoadFromStream(TStream& Stream);
    // The binary cell stream: texts, cell properties and decorations.
    void SaveToBinFile(const QString& FileName);
    void SaveToBinStream(TStream& Stream);
    // Rect holds inclusive cell indexes.
    void SaveRectToBinStream(TRect Rect, TStream& Stream);
    void LoadFromBinFile(const QString& FileName);
    void LoadFromBinStream(TStream& Stream);
    // The first stored cell lands on Point (X column, Y row), unless the stream holds a full grid.
    void LoadAtPointFromBinStream(TPoint Point, TStream& Stream);
    double CellToReal(int ACol, int ARow);
    // CSV: Unicode writes UTF-8 with a byte-order mark, else the ANSI code page. MaxRows <= 0 reads all.
    void SaveToCSV(const QString& FileName, bool Unicode = false);
    void AppendToCSV(const QString& FileName, bool Unicode = false);
    void LoadFromCSV(const QString& FileName, int MaxRows = 0);
    void InsertFromCSV(const QString& FileName, int MaxRows = 0);
    void LoadFromCSVStream(TStream& AStream, int MaxRows = 0);
    // The aligned listing for people to read; Unicode writes UTF-16 with a byte-order mark.
    void SaveToASCII(const QString& FileName, bool Unicode = false);
    void AppendToASCII(const QString& FileName, bool Unicode = false);
    // Fixed-width text: the writer fills Positions with missing field widths; the reader takes
    // the 1-based positions where fields start (the last ends the last field). MaxRows -1 reads all.
    void SaveToFixed(const QString& FileName, TIntList& Positions);
    void LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
    // HTML: Dir is the folder (with "/" and a final "/") the images go under.
    QString SaveToHTMLString(const QString& Dir);
    void SaveToHTML(const QString& FileName, bool Show = false, bool Unicode = false);
    void AppendToHTML(const QString& FileName, bool Show = false, bool Unicode = false);
    // ---- the clipboard (grid/stringgrid/clipboard/): text, rich text, HTML and the grid's own
    // cell block. Rectangles hold inclusive display indexes.
    void CopySelectionToClipboard();
    void CopyToClipBoard();
    void CutToClipboard();
    void CutSelectionToClipboard();
    void CopyToClipBoardAsHTML();
    void ExtendSelectionToMergedCells();
    // Tab-separated columns; CR LF after every row when there are several.
    QString GetRectAsText(TRect Rect, bool Disjunct);
    void CopyRectToClipboard(TRect Rect, bool Disjunct);
    QString GetSelectionAsText();
    // Spreads Value over the cells from the selection's top-left cell, without events or undo.
    void SetSelectionAsText(const QString& Value);
    void PasteFromClipboard();
    void PasteSelectionFromClipboard();
    // The number of cells pasted; Cols and Rows get the extent of what was pasted.
    int PasteFromClipboardAt(int ACol, int ARow, int& Cols, int& Rows);
    int PasteText(int ACol, int ARow, int& Cols, int& Rows, const QString& Text);
    // X: the most tab-separated fields of a line; Y: the line breaks less the empty lines.
    TPoint CountTextCells(const QString& Text);
    // Record-oriented XML; FieldDescr may be nullptr.
    void SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                   const TStringList* FieldDescr, bool ExportEmptyCells);
    void LoadFromXML(const QString& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
    // ---- exchange with a spreadsheet, a database and a word processor through their automation
    // servers (grid/stringgrid/office/). A load that fails leaves the grid as it was.
    // The names of the workbook's worksheets.
    std::unique_ptr<TStringList> GetXLSSheets(const QString& FileName);
    // The active sheet of a workbook (.xlsx or .xls), or the sheet named SheetName.
    void LoadFromXLS(const QString& FileName);
    void LoadFromXLSSheet(const QString& FileName, const QString& SheetName);
    // Into a new workbook, or with CreateNewSheet false into the open one from its cursor row.
    void SaveToXLS(const QString& FileName, bool CreateNewSheet = true);
    // Into the sheet SheetName of FileName, which is opened when it exists.
    void SaveToXLSSheet(const QString& FileName, const QString& SheetName);
    // An Access database's table or query result; field names go into the last fixed row.
    void LoadFromMDBTable(const QString& FileName, const QString& Table);
    void LoadFromMDBSQL(const QString& FileName, const QString& SQL);
    // The grid as a table of a new (or the open) document, or added to a document at a bookmark
    // (at its end when Bookmark is empty or missing).
    void SaveToDOC(const QString& FileName, bool CreateNewDocument = true);
    void AppendToDoc(const QString& FileName, const QString& Bookmark = QString());
    // The fixed-cell and active-cell fonts follow the form's scaling by M / D.
    virtual void ChangeScale(int M, int D);

    // ---- cells by real column and real row
    QString AllCells(int i, int j);
    void SetAllCells(int i, int j, const QString& Value);
    QString AllGridCells(int i, int j) const;
    void SetAllGridCells(int i, int j, const QString& Value);
    QString AllWideCells(int i, int j) { return AllCells(i, j); }
    void SetAllWideCells(int i, int j, const QString& Value) { SetAllCells(i, j, Value); }
    uintptr_t AllObjects(int i, int j) const;
    void SetAllObjects(int i, int j, uintptr_t AObject);
    TObject* GetGridObjectsEx(int i, int j) const;
    // The held cells of a hidden row; nullptr for a shown row.
    TStringList* GetHiddenRowItems(int j) const;

    // ---- cells by real column and display row
    // The display text as plain text: line breaks for BR and HR, no other tags.
    QString StrippedCells(int i, int j);
    int LinesInCell(int i, int j);
    QString WideCells(int i, int j) { return GetCellEx(i, j); }
    void SetWideCells(int i, int j, const QString& Value) { SetCellEx(i, j, Value); }

    // The look kept in a cell's record; a cell without one reads as unset and gets one when
    // written. Fonts answers the grid's font, or one scratch font loaded with the cell's.
    TColor Colors(int i, int j) const;
    void SetColors(int i, int j, TColor Value);
    TColor ColorsTo(int i, int j) const;
    void SetColorsTo(int i, int j, TColor Value);
    TCellGradientDirection Gradients(int i, int j) const;
    void SetGradients(int i, int j, TCellGradientDirection Value);
    TColor FontColors(int i, int j) const;
    void SetFontColors(int i, int j, TColor Value);
    TFontStyles FontStyles(int i, int j) const;
    void SetFontStyles(int i, int j, TFontStyles Value);
    int FontSizes(int i, int j) const;
    void SetFontSizes(int i, int j, int Value);
    QString FontNames(int i, int j) const;
    void SetFontNames(int i, int j, const QString& Value);
    TFont& Fonts(int i, int j);
    void SetFonts(int i, int j, const TFont& Value);
    TAlignment Alignments(int i, int j) const;
    void SetAlignments(int i, int j, TAlignment Value);
    bool ReadOnly(int i, int j) const;
    void SetReadOnly(int i, int j, bool Value);
    bool WordWraps(int i, int j);
    void SetWordWraps(int i, int j, bool Value);
    // The colours of every normal cell of a row. clNone clears them: a record that then holds
    // nothing else goes.
    void SetRowColor(int ARow, TColor AColor);
    void SetRowColorTo(int ARow, TColor AColor);
    void SetRowFontColor(int ARow, TColor AColor);
    // A control placed on a cell; the grid becomes its parent.
    TControl* CellControls(int i, int j) const;
    void SetCellControls(int i, int j, TControl* AControl);
    int NumCellControls() const;

    // ---- selection: disjunct cells, rows and columns, or the selection rectangle
    bool SelectedCells(int i, int j) const;
    void SetSelectedCells(int i, int j, bool Value);
    TGridCoord SelectedCell(int Index) const;
    // Without disjunct cell selection, lists the rectangle's cells first, column by column.
    int SelectedCellsCount();
    int SelectedRowCount();
    int SelectedColCount();
    // -1 beyond the selected rows.
    int SelectedRow(int Index);
    void ClearSelectedCells();
    // A see-through picture of the cells of ARect on a pop-up that takes no activation, owned by
    // the grid; the caller shows, moves and frees it.
    TForm* SelectionToForm(TGridRect ARect);
    // Column ACol (real) is being dragged from item AIndex of AList, a list of hidden columns:
    // its drop on the header shows it there and takes it off the list.
    void OleColumnDragStart(int ACol, int AIndex, TListBox* AList);
    void ClearModifiedRows();

    // ---- cell graphics: the decoration record of a cell, owned by the cell's record
    TCellType CellTypes(int ACol, int ARow) { return GetCellType(ACol, ARow); }
    TCellGraphic* CellGraphics(int ACol, int ARow) { return GetCellGraphic(ACol, ARow); }
    TPoint CellGraphicSize(int ACol, int ARow) { return GetCellGraphicSize(ACol, ARow); }
    // A new empty record in place of the cell's own one, which is freed.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    // False when the cell has no record.
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType CellType);
    // Column 0 of the row is a node (a summary).
    bool IsNode(int ARow);
    bool IsSummary(int ARow);
    // The image indexes of an images cell; nullptr for any other.
    TIntList* GetCellImages(int ACol, int ARow);
    // What sorting compares of a decoration: the bitmap or icon, or the image index; -1 else.
    intptr_t GetCellGraphicSortKey(int ACol, int ARow);

    // ---- check boxes of three states
    static TCheckBoxState BoolToCheckBoxState(bool bChecked);
    // Raises "Invalid cell" for a cell outside the grid, hidden rows and columns counted.
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    // False for a cell without a check box. With rows hidden, ARow is a real row.
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);

    // ---- check boxes and radio buttons. Columns are real; the real-row operations read a hidden
    // row's record from its held cells, the others take display rows.
    // Raises "Invalid cell" as the three-state form does. A data check box whose text is neither
    // CheckTrue nor CheckFalse gets the text of State.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    // Node rows get an unchecked three-state box, summary rows none.
    void AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox);
    // Plain, data and three-state check boxes only.
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    void AddRadioButton(int ACol, int ARow, bool State);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    void RemoveRadioButton(int ACol, int ARow);
    // A radio group over the caller's option list; the Create form's list is the record's.
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl);
    TStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    void RemoveRadio(int ACol, int ARow);
    // ---- turned text: AAngle in degrees, counter-clockwise. SetRotated makes a cell turned.
    void AddRotated(int ACol, int ARow, int AAngle, const QString& s);
    void SetRotated(int ACol, int ARow, int AAngle);
    void RemoveRotated(int ACol, int ARow);
    bool IsRotated(int ACol, int ARow, int& aAngle);

    // ---- pictures and images. Adding replaces the cell's decoration and does not repaint; the
    // Create forms make an object the grid owns and frees with the cell. Image-list kinds need
    // GridImages and do nothing without it.
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    bool HasBitmap(int ACol, int ARow);
    TBitmap* GetBitmap(int ACol, int ARow);
    void RemoveBitmap(int ACol, int ARow);
    void AddIcon(int ACol, int ARow, TGraphic* AIcon, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow);
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                            TCellHAlign hal, TCellVAlign val);
    bool HasPicture(int ACol, int ARow);
    TPicture* GetPicture(int ACol, int ARow);
    void RemovePicture(int ACol, int ARow);
    void AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    void RemoveFilePicture(int ACol, int ARow);
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow);
    // The image shown is the cell's number; an empty cell gets Aidx.
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow);
    // Empties the cell's text whatever its decoration.
    void RemoveDataImage(int ACol, int ARow);
    // Dir 0 lays the images across; GetCellImages gives the list, whose changes repaint the cell.
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow);
    // An image list of a cell (real column) changed.
    void MultiImageChanged(TObject* Sender, int ACol, int ARow);
    void AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent* AObject);
    TInterfacedPersistent* GetInterfacedCell(int ACol, int ARow);
    void RemoveInterfacedCell(int ACol, int ARow);

    // ---- progress, comments, shapes, ratings, scroll bars, markers and buttons. The value shown
    // is the cell's number, but for the pie.
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow);
    void RemoveProgress(int ACol, int ARow);
    void AddExProgress(int ACol, int ARow, int Min, int Max);
    void RemoveExProgress(int ACol, int ARow);
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow);
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow);
    void AddComment(int ACol, int ARow, const QString& Comment);
    void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
    // Writing gives a cell without decoration a comment; a cell with another decoration keeps it.
    QString CellComment(int ACol, int ARow);
    void SetCellComment(int ACol, int ARow, const QString& Value);
    bool IsComment(int ACol, int ARow, QString& comment);
    void RemoveComment(int ACol, int ARow);
    void RemoveAllComments();
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow);
    void RemoveShape(int ACol, int ARow);
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    bool HasRating(int ACol, int ARow);
    void RemoveRating(int ACol, int ARow);
    // Position 0, page size 0, range 100; with AutoRange the range follows the cell's text.
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow);
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void RemoveScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    // -1 for a cell without scroll bar.
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    // (-1, -1) for a cell without scroll bar.
    TScrollProp GetScrollProp(int ACol, int ARow);
    void UpdateAutoRangeScrollBar(int ACol, int ARow) override;
    // ErrLen characters from ErrPos are underlined as wrong.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                             TCellVAlign val);
    // Display columns.
    void SetButtonText(int ACol, int ARow, const QString& Caption);
    void GetButtonText(int ACol, int ARow, QString& Caption);
    bool HasButton(int ACol, int ARow);
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow);
    void RemoveAllButtons();
    // The button of a cell (display column) in client coordinates; empty without decoration.
    void GetCellButtonRect(int ACol, int ARow, TRect& R);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    bool HasRadioButton(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow);
    // Cells that open no text editor.
    bool IsControlCell(int ACol, int ARow);
    // Real row; State is left alone for a cell that is no check box of two states.
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool IsChecked(int ACol, int ARow);
    // Real row; no notification.
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    // Real row; three-state check boxes only.
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    // Display row; OnCheckBoxChange when the state changed.
    bool SetCellCheckState(int ACol, int ARow, bool Value);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheck(ACol, ARow, false); }
    // Whether a client point hits the check box of the cell.
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    // Checks the radio button of row Index alone; -1 unchecks them all.
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    // -1 also empties the cell.
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStringList* GetRadioStrings(int ACol, int ARow);
    virtual void SelectNextRadio(int ACol, int ARow, bool UserAction);

    // ---- disjunct row and column selection, modified and disabled rows. The flags are kept by
    // real row with RowSelectPersistent, by display row otherwise.
    bool RowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    void FocusCell(int ACol, int ARow);
    int RowSelectCount();
    int ColSelectCount();
    // Copies the selection rectangle into the row (column) flags.
    virtual void UpdateRowSelect(bool Exclusive);
    virtual void UpdateColSelect(bool Exclusive);
    bool IsSelected(int ACol, int ARow);
    // The selected cells, tab between cells and a line break between rows.
    QString SelectedText();
    bool RowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const;
    bool RowEnabled(int ARow) const;
    // Disabling the current row moves to the first other enabled row.
    void SetRowEnabled(int ARow, bool Value);
    bool UseEnabledRows() const;

    // ---- update locking: repaints wait for the outermost EndUpdate
    void BeginUpdate();
    // Counts without stopping the window's redrawing.
    void StartUpdate();
    void EndUpdate();
    void ResetUpdate();
    bool LockUpdate() const;
    void SetLockUpdate(bool Value);
    // Widens column Index (-1 the last) to fill the client width; raises for a column beyond.
    void StretchColumn(int Index);
    void StretchRightColumn() { StretchColumn(ColCount() - 1); }
    // Outside code told of changed cells; a notifier is listed once.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    void InitOrigColSizes();
    // Ends a fixed-cell sizing look and a highlight kept after a fixed drop-down closed.
    void ResetFixedCellHighlight();
    // One listener at a time hears of the selected cells; a new one replaces it.
    void RegisterSelListener(ITExStringGridSelect* AListener);
    // Drops the held listener, whichever is passed.
    void UnRegisterSelListener(ITExStringGridSelect* AListener);
    // Whether the point lies on an edge the user may drag to size a column or row.
    bool IsSizingPosition(int X, int Y);

    // ---- tree nodes: a node row in column 0 covers its span; contracting hides the rows below
    void AddNode(int ARow, int Span);
    void SetSummaryRow(int ARow);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    bool GetNodeState(int ARow);
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    // Real rows.
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    int GetParentRow(int ARow);
    // Real rows; the hidden rows below keep their places.
    void InsertNormalRow(int ARow);
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveChildRow(int ARow);
    // A display row.
    void RemoveNormalRow(int ARow);
    // 0 node row, 1 last row of its branch, 2 a row with a sibling below.
    int GetNodeSpanType(int ARow);
    bool IsInNodeButton(int ARow, int X);
    bool HasNodes() override;
    int GetRowIndent(int ARow) override;
    int NumNodes() const;
    // Expand cells: a toggle with a normal and an expanded row height.
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow);
    bool HasExpand(int ACol, int ARow);
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    void GetExpandButtonRect(int ACol, int ARow, TRect& R);
    // Draws a cell's button or expand button pushed or released.
    void PushButton(int ACol, int ARow, bool Pushed);

    // ---- typed views of a cell; Ints and Floats read the text without its tags, the All forms
    // the text of the real row as it is
    // The VALUE of the form control named ID in the cell's markup; empty when there is none.
    // Writing changes the cell only when the control is found.
    QString ControlValues(int ACol, int ARow, const QString& ID);
    void SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value);
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow);
    // Formatted with the column's float format.
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow);
    // Formatted with FloatFormat.
    void SetAllFloats(int ACol, int ARow, double Value);
    // Regional short date and time; a text that is none raises the conversion error.
    TDateTime Dates(int ACol, int ARow);
    // A date of 0 or less is written empty unless ShowNullDates.
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, TDateTime Value);
    // Columns 0 .. 511 of the print layout; others raise.
    int PrintColWidth(int ACol) const;
    int PrintColOffset(int ACol) const;

    // ---- printing (grid/stringgrid/print/): all cells, a range, the selection, or only the
    // selected rows or columns, on the printer or as a preview on a canvas (rectangles in its
    // device pixels). Printer errors (no printer, a refused job) raise EPrinter.
    void Print();
    void PrintRect(TGridRect Gridrect);
    void PrintSelection();
    void PrintSelectedRows();
    void PrintSelectedCols();
    void PrintPreview(TCanvas& Canvas, TRect Displayrect);
    void PrintPreviewRect(TCanvas& Canvas, TRect Displayrect, TGridRect Gridrect);
    void PrintPreviewSelection(TCanvas& Canvas, TRect Displayrect);
    void PrintPreviewSelectedRows(TCanvas& Canvas, TRect Displayrect);
    void PrintPreviewSelectedCols(TCanvas& Canvas, TRect Displayrect);
    // The first page on Canvas, whose clipping rectangle is the page.
    void PrintDraw(TCanvas& Canvas, TRect DrawRect);
    void PrintDrawRect(TCanvas& Canvas, TRect DrawRect, TGridRect Gridrect);
    // The last layout: the pages counted (after printing, the last page printed), the width and
    // columns of the last column band, the page rectangle in 0.1 mm.
    int PrintNrOfPages() const;
    int PrintPageWidth() const;
    TRect PrintPageRect() const;
    int PrintColStart() const;
    int PrintColEnd() const;
    // The height in 0.1 mm of a font of pointsize points (negative), scaled while a fitted print
    // lays out its cells; and the point size of such a height.
    int MapFontHeight(int pointsize) const;
    int MapFontSize(int Height) const;

    // ---- settings persistence (grid/stringgrid/persist/)
    // Widths, order and visibility of all columns in one line: n#widths#order#visible.
    QString ColumnStatesToString();
    // A text without "#" changes nothing.
    void StringToColumnStates(const QString& Value);
    // Column widths under ColumnSize's Key and Section, in an INI file or the registry store.
    void SaveColSizes();
    void LoadColSizes();
    // The grid's colours, fonts and looks as a text file of name=value lines.
    void SaveVisualProps(const QString& FileName);
    void LoadVisualProps(const QString& FileName);
    // PrintSettings in a section of an INI file.
    void SavePrintSettings(const QString& Key, const QString& Section);
    void LoadPrintSettings(const QString& Key, const QString& Section);

    // ---- owned objects; writing one copies the given settings into it
    TBalloonSettings& Balloon() const;
    void SetBalloon(const TBalloonSettings& Value);
    TBands& Bands() const;
    TBackGround& BackGround() const;
    void SetBackGround(const TBackGround& Value);
    TCellNode& CellNode() const;
    TStringList& ColumnHeaders() const;
    // Header texts of row 0 (a "\n" in a line breaks it) and of column 0.
    void SetColumnHeaders(const TStringList& Value);
    void ClearColumnHeaders();
    void ShowColumnHeaders();
    void SetRowHeaders(const TStringList& Value);
    void ClearRowHeaders();
    void ShowRowHeaders();
    TColumnSize& ColumnSize() const;
    TControlLook& ControlLook() const;
    TDragDropSettings& DragDropSettings() const;
    TDragScrollOptions& DragScrollOptions() const;
    void SetDragScrollOptions(const TDragScrollOptions& Value);
    TFilter& Filter() const;
    TFilterDropDown& FilterDropDown() const;
    TFont& FixedFont() const;
    void SetFixedFont(const TFont& Value);
    TFloatingFooter& FloatingFooter() const;
    TFocusHelper& FocusHelper() const;
    void SetFocusHelper(const TFocusHelper& Value);
    TGrouping& Grouping() const;
    THTMLSettings& HTMLSettings() const;
    TStringList& LookupItems() const;
    void SetLookupItems(const TStringList& Value);
    TMouseActions& MouseActions() const;
    TNavigation& Navigation() const;
    TPrintSettings& PrintSettings() const;
    TGridProgressAppearance& ProgressAppearance() const;
    void SetProgressAppearance(const TGridProgressAppearance& Value);
    TStringList& RowHeaders() const;
    TBitmap& RowIndicator() const;
    void SetRowIndicator(const TBitmap& Value);
    TSearchFooter& SearchFooter() const;
    TShowModified& ShowModified() const;
    void SetShowModified(const TShowModified& Value);
    TSizeWhileTyping& SizeWhileTyping() const;
    TSortSettings& SortSettings() const;
    void SetSortSettings(const TSortSettings& Value);
    TSyncGrid& SyncGrid() const;
    TFont& ActiveCellFont() const;
    void SetActiveCellFont(const TFont& Value);
    TStringList& FilterList() const;
    TSortIndexList& SortIndexes() const;
    TIntList& IgnoreColumns() const;
    TIntList& MergedColumns() const;
    // The scratch font returned by Fonts.
    TFont& ScratchFont() const;
    // The pictures the grid's HTML texts loaded themselves.
    THTMLPictureCache* ImageCache() const;
    // The search bar under the cells, made with the grid; shown while SearchFooter.Visible.
    TSearchPanel* SearchPanel() const;

    // ---- published properties whose write does more than store
    // The checker the grid lets go of when it is freed.
    TExStringGridCheck* CellChecker() const;
    void SetCellChecker(TExStringGridCheck* Value);
    // The named pictures of the HTML texts; the grid lets go of it when it is freed.
    TPictureContainer* PictureContainer() const;
    void SetPictureContainer(TPictureContainer* Value);
    // Components the grid refers to but does not own; it lets go of them when they are freed.
    TImageList* GridImages() const;
    void SetGridImages(TImageList* Value);
    TPopupMenu* FixedDropDownMenu() const;
    void SetFixedDropDownMenu(TPopupMenu* Value);
    // Options to draw the grid's markup with: its images, pictures and link colour.
    THTMLDrawOptions HTMLDrawOptions();
    TColor HighlightColor() const;
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const;
    void SetHighlightTextColor(TColor Value);
    bool ActiveCellShow() const;
    void SetActiveCellShow(bool Value);
    TColor ActiveCellColor() const;
    void SetActiveCellColor(TColor Value);
    TColor ActiveCellColorTo() const;
    void SetActiveCellColorTo(TColor Value);
    bool AutoSize() const;
    void SetAutoSize(bool Value);
    bool AutoThemeAdapt() const;
    void SetAutoThemeAdapt(bool Value);
    // Spreadsheet use and the arrows shown while a column or row is moved: their writes do more
    // than store a value.
    bool SpreadSheet() const;
    // On: the range selection with its rectangle and resizer, smart pasting, editing of ranges.
    void SetSpreadSheet(bool Value);
    // The colour of the four arrows (read from the up arrow).
    TColor ArrowColor() const;
    void SetArrowColor(TColor Value);
    TColor BorderColor() const;
    void SetBorderColor(TColor Value);
    TAlignment DefaultAlignment() const;
    void SetDefaultAlignment(TAlignment Value);
    bool Flat() const;
    void SetFlat(bool Value);
    int MaxEditLength() const;
    void SetMaxEditLength(int Value);
    TScrollBarAlways ScrollBarAlways() const;
    void SetScrollBarAlways(TScrollBarAlways Value);
    TScrollStyle ScrollBars() const;
    void SetScrollBars(TScrollStyle Value);
    TColor ScrollColor() const;
    void SetScrollColor(TColor Value);
    TScrollType ScrollType() const;
    void SetScrollType(TScrollType Value);
    int ScrollWidth() const;
    void SetScrollWidth(int Value);
    TColor SelectionColor() const;
    void SetSelectionColor(TColor Value);
    TColor SelectionColorTo() const;
    void SetSelectionColorTo(TColor Value);
    bool SelectionColorMixer() const;
    void SetSelectionColorMixer(bool Value);
    // Kept within 0 .. 100.
    int SelectionColorMixerFactor() const;
    void SetSelectionColorMixerFactor(int Value);
    TColor SelectionMirrorColor() const;
    void SetSelectionMirrorColor(TColor Value);
    TColor SelectionMirrorColorTo() const;
    void SetSelectionMirrorColorTo(TColor Value);
    bool SelectionRectangle() const;
    void SetSelectionRectangle(bool Value);
    bool SelectionResizer() const;
    void SetSelectionResizer(bool Value);
    bool SelectionRTFKeep() const;
    void SetSelectionRTFKeep(bool Value);
    TColor SelectionTextColor() const;
    void SetSelectionTextColor(TColor Value);
    bool ShowSelection() const { return FShowSel; }
    void SetShowSelection(bool Value);
    bool ShowDesignHelper() const;
    void SetShowDesignHelper(bool Value);
    // Addresses shown as links: the colour and the full form repaint only while links are shown.
    TColor URLColor() const;
    void SetURLColor(TColor Value);
    bool URLShow() const;
    void SetURLShow(bool Value);
    bool URLShowInText() const;
    void SetURLShowInText(bool Value);
    bool URLFull() const;
    void SetURLFull(bool Value);
    TVAlignment VAlignment() const;
    void SetVAlignment(TVAlignment Value);
    // The base grid keeps the value; the grid also repaints.
    void SetWordWrap(bool Value);
    // Stored as RGB values, system colours resolved.
    TColor DUDGradientFrom() const;
    void SetDUDGradientFrom(TColor Value);
    TColor DUDGradientTo() const;
    void SetDUDGradientTo(TColor Value);
    TColor DUDGradientMirrorFrom() const;
    void SetDUDGradientMirrorFrom(TColor Value);
    TColor DUDGradientMirrorTo() const;
    void SetDUDGradientMirrorTo(TColor Value);

    // ---- run-time properties of other state
    bool IsThemed() const;
    bool EditActive() const;
    TEditorType CurrentEditor() const;
    QString OriginalCellValue() const;
    void SetOriginalCellValue(const QString& Value);
    bool FindBusy() const;
    int GroupColumn() const;
    void SetGroupColumn(int Value);
    int VersionNr() { return GetVersionNr(); }
    QString VersionString() { return GetVersionString(); }

    // ---- style interfaces
    void SetComponentStyle(TExStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    // The look as a whole: fixed-cell gradient, selection, line and footer colours.
    void SetLook(TGridLook Value);
    // The look's stored name and the name shown to a user; empty for glCustom.
    static QString LookToString(TGridLook Value);
    static QString LookToDisplayName(TGridLook Value);
    // The look's border line, drawn over the grid's outer pixels.
    void PaintBorder(TCanvas& Canvas);
    // With AutoThemeAdapt: takes the component style of the office theme when that has changed.
    void AdaptToOfficeTheme();
    // Office theme watching: while AutoThemeAdapt is on and the window exists, the window is
    // registered with the process's theme notifier and takes the office theme; else it is not.
    void WatchOfficeTheme();
    // The older colour schemes: fixed gradient, active cell and search footer colours.
    void SetTheme(TXPColorScheme Scheme);
    // A gradient background in the area right of the last column and below the last row.
    void PaintBackgroundArea(TCanvas& ACanvas);
    // The background picture placed once at its position / tiled from R's top-left less 1,
    // clipped to R.
    void DrawBackgroundBitmapAt(TCanvas& ACanvas, TRect R);
    void TileBackgroundBitmap(TCanvas& ACanvas, TRect R);
    // The direction mark of a sorted column, or its position in the sort index list, at (X, Y).
    void DrawSortIndicator(TCanvas& ACanvas, int ACol, int X, int Y);
    // A check box glyph in R (at its top-left, centred in it for the frame-control styles) in
    // Style; ThreeState takes Checked and Grayed from State. The first form paints on the
    // grid's canvas.
    void DrawCheckBox(TRect R, bool Checked, bool Enabled, bool Grayed, TControlStyle Style, bool ThreeState,
                      TCheckBoxState State);
    void DrawCheckBox(TCanvas& ACanvas, TRect R, bool Checked, bool Enabled, bool Grayed, TControlStyle Style,
                      bool ThreeState, TCheckBoxState State);
    // Count radio options with the texts of Options (none without), across when Horizontal,
    // else downwards (upwards with Upward). CheckedIndex -1 checks the option whose text is
    // the text of cell (ACol, ARow). Scale sizes the glyphs of the classic and flat styles, as
    // the printer needs them.
    void DrawRadioGroup(TCanvas& ACanvas, TRect R, int Count, int CheckedIndex, bool Horizontal, bool Disabled,
                        const TStringList* Options, bool Selected, int ACol, int ARow, TControlStyle Style,
                        double Scale, bool Upward);

    // ---- window chrome: border style, sizing lines, rich-text cells, focus frame, balloons
    // bsSingle or bsNone; with bsNone the look paints no border.
    TFormBorderStyle BorderStyle() const;
    void SetBorderStyle(TFormBorderStyle Value);
    // Dotted lines that invert what lies under them, so drawing one again takes it away.
    void DrawColSizingLine(TCanvas& ACanvas, int X);
    void DrawRowSizingLine(TCanvas& ACanvas, int Y);
    // Renders the cell's rich text inside R, less the XYOffset margin on every side.
    void DrawRichTextCell(int ACol, int ARow, TRect R, TCanvas& ACanvas);
    // The hidden rich edit that renders and converts rich-text cells, made on first use.
    TRichEdit* RichEdit();
    // The in-place editor of rich-text cells, made on first use.
    TExRichEdit* InplaceRichEdit();
    // Rich text between a cell and a rich edit control: the cell holds the control's rich text.
    void CellToRich(int Col, int Row, TRichEdit& Richeditor);
    void RichToCell(int Col, int Row, TRichEdit& Richeditor);
    QString RichToString(TRichEdit& Richeditor);
    // The glowing frame around R (client coordinates), 4 pixels wide outside it.
    void ShowFocusWindow(TRect R);
    void MoveFocusWindow();
    void HideFocusWindow();
    // ---- balloons attached to cells (real columns): to a check box, data check box or radio
    // button, or as a balloon record on a cell without decoration; other decorations keep theirs.
    void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    // A balloon record of its own (balloons on check boxes do not count).
    bool HasBalloon(int ACol, int ARow);
    // The balloon of the cell, on its own or on a check box; false leaves the outputs alone.
    bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon);
    // The balloon tool-tip window, made once while Balloon().Enable is on; nullptr without.
    THintWindow* BalloonWindow() const;
    void BalloonInit();
    void BalloonDone();
    // The balloon of a cell as the tool-tip shows it; sets LastBalloonPos.
    TBalloonTip CellBalloonTip(int ACol, int ARow);
    TPoint LastBalloonPos{-1, -1};

    // ---- sizing to the content, fitting to the control and numbering. Widths and heights are
    // kept within MinColWidth .. MaxColWidth and MinRowHeight .. MaxRowHeight.
    void AutoSizeColumns(bool DoFixedCols, int Padding);
    void AutoSizeCol(int ACol, int Padding);
    virtual void AutoSizeColWidth(int ACol, bool GrowOnly);
    void AutoSizeRow(int ARow, int Padding);
    virtual void AutoSizeRowHeight(int ARow, bool GrowOnly, int Margin);
    void AutoSizeRows(bool DoFixedRows, int Padding);
    // Height of Lines text lines plus Extra.
    void SetRowHeightLines(int ARow, int Lines, int Extra);
    // Columns and rows together; rows only grow.
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    void AutoFitColumns(bool DoFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    bool IsSortIndicatorCell(int ACol, int ARow);

    // ---- filtering and the floating footer (grid/stringgrid/filter/)
    // Hides the normal rows that do not pass Filter, all as one new filter level.
    void ApplyFilter();
    // Hides the display row when it does not pass.
    void FilterRow(int ARow);
    // On applies the filter as one level, off shows that level again; either way the footer
    // is recalculated.
    void SetFilterActive(bool Value);
    // Shows the newest filter level again; true while a level is left.
    bool RemoveLastFilter();
    // Shows every filter level again; with none, clears Filter instead.
    void RemoveAllFilters();
    // Type-ahead narrowing, one filter level per character; AColumn -1 searches whole rows.
    void NarrowDown(const QString& ACondition, int AColumn);
    void SetFilterDropDownAuto(bool Value);
    // Only a fixed row is taken.
    void SetFilterDropDownRow(int Value);
    // The column whose filter drop-down is open, -1 when none.
    int FilterColumn() const;
    void SetFilterColumn(int Value);
    // The two filter drop-down lists, hidden children made on first use.
    TDropList& FilterDropList();
    TDropCheckList& FilterCheckList();
    // The strip under the cells that shows the floating footer, made on first use.
    TFooterPanel& FooterPanel();
    // The canvas of that strip.
    TCanvas& FooterCanvas();
    // Repaints the strip.
    void UpdateFooter();
    // A write into the hidden footer row shows in the strip.
    void LastRowChanged() override;
    // The footer's Visible and FooterStyle applied: footer row count, last row, panel height.
    void FloatingFooterChanged();

    // ---- searching and replacing (grid/stringgrid/search/). A found cell is (display column,
    // row): with fnIncludeHiddenColumns the column is real, with fnIncludeHiddenRows the row
    // counts the hidden rows. (-1, -1) when nothing is found; a search text of two double quotes
    // finds an empty cell.
    TPoint Find(TPoint StartCell, const QString& s, TFindParams FindParams);
    // Find without scrolling.
    TPoint FindWide(TPoint StartCell, const QString& s, TFindParams FindParams);
    // Find from the start; FindNext goes on from the last found cell with the same text and
    // options, and does not wrap.
    TPoint FindFirst(const QString& s, TFindParams FindParams);
    TPoint FindNext();
    // Replaces every occurrence of OrigStr, any case, in each found cell; the number of cells.
    int Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
    // The type-ahead lookup: the first row whose sort-column text starts with s; -1 for none.
    int Search(const QString& s);
    // The last found cell; (-1, -1) when none.
    TPoint SearchCell() const;
    void SetSearchCell(TPoint Value);

    // ---- highlighting, error marks and cell checking: matches wrapped in <hi> or <e> tags
    // (grid/stringgrid/search/)
    QString HilightText(bool DoCase, const QString& S, const QString& Text);
    QString UnHilightText(const QString& S);
    QString MarkText(bool DoCase, const QString& S, const QString& Text);
    QString UnMarkText(const QString& S);
    void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    // Without DoFixed the hidden columns are visited too.
    void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);
    // Cell checking with CellChecker: each text, its error marks taken off, is corrected or
    // marked and written back; true when no text changed (also without a checker).
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);

    // ---- the search panel under the cells (grid/stringgrid/search/)
    // The last row lies clear of the visible search panel.
    bool IsLastRowAboveSearchPanel();
    // Scrolls down a row at a time until the last row clears the visible search panel.
    void ScrollLastRowAboveSearchPanel();
    // The panel's handlers: typing, find next and previous, close and highlight.
    void SearchPanelEditChange(TObject* Sender);
    void SearchPanelForwardClick(TObject* Sender);
    void SearchPanelBackwardClick(TObject* Sender);
    void SearchPanelExitClick(TObject* Sender);
    void SearchPanelHighLightClick(TObject* Sender);
    // The fixed-cell editor's change, handed on as OnEditChange of the fixed cell being edited.
    void FixedEditChange(TObject* Sender);

    // ---- fills, exchanges, moving the current cell and repainting (grid/stringgrid/cells/).
    // Fills take the normal cells, or all with DoFixed.
    void TextFill(bool DoFixed, const QString& Txt);
    // Fmt takes the column, then the row ("%d" and the other integer formats).
    void FormatFill(bool DoFixed, const QString& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    // "column:row" in every cell.
    void LinearFill(bool DoFixed);
    // Texts and cell records (with their decorations) change places.
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
    // Whole columns (rows) with their widths (heights) and the controls placed in them.
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);
    void GotoCell(int ACol, int ARow);
    // Focuses the grid, makes the cell current and opens its editor.
    void EditCell(int ACol, int ARow);
    // Moves the current cell and its anchor and scrolls it into view.
    void MoveToCell(int ACol, int ARow);
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    // R holds cell coordinates; nothing for a negative one.
    void RepaintRect(TRect R);

    // ---- virtual operations introduced by the grid, in their order; descendants override them
    virtual void CalcFooterCells(int ACol);
    virtual void DoClickSort(int ACol);
    virtual void DoF2Key() {}
    virtual void CommitEditValue(int ACol, int ARow, const QString& Value);
    virtual void KeySelectAll(TGridRect& ARect) {}
    virtual void PasteCell(int ACol, int ARow, const QString& Value);
    virtual QString GetCurrentCell();
    virtual void SetCurrentCell(const QString& Value);
    virtual QString GetCurrentCellEx();
    virtual void SetCurrentEditText(const QString& Value);
    virtual void RestoreEditCell();
    virtual bool ToggleCheck(int ACol, int ARow, bool UserAction);
    virtual bool SelectRadioButton(int ACol, int ARow, bool UserAction);
    virtual QString GetFormattedCell(int ACol, int ARow);
    virtual QString GetColumnFloatFormat(int ACol, int ARow);
    virtual TCellType GetCellType(int ACol, int ARow);
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    virtual TPoint GetCellGraphicSize(int ACol, int ARow);
    // The space the decoration takes on screen; Margin is kept off the height of pictures.
    virtual void GetCellGraphicSizeEx(int ACol, int ARow, TPoint& Size, int Margin);
    // The same in a printed cell of CW x CH at the printer's Scale.
    virtual void GetCellGraphicPrintSize(int ACol, int ARow, int CW, int CH, TPoint& Size, double Scale);
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString);
    virtual void DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values);
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void EditorKeyUp(const QString& Text, TPoint Caret, int SelStart) {}
    virtual void AutoInsertRow(int ARow);
    virtual void AutoDeleteRow(int ARow);
    virtual void DoFilterDone();
    virtual void UpdateColumnSize(int ACol, int& AWidth);
    virtual void UpdateAutoColumnSize(int ACol, int& AWidth);
    virtual void ColumnHeadersChanged() {}
    virtual void DoEllipsClick(int ACol, int ARow, QString& S);
    virtual bool MatchFilter(int ARow);
    virtual void BeginPaste() {}
    virtual void EndPaste() {}
    virtual void CellsPasted(TGridCoord From, TGridRect Target, int LastOperation);
    virtual QString GetCalculatedCell(int ACol, int ARow);
    virtual QString SaveCell(int ACol, int ARow);
    virtual void LoadCell(int ACol, int ARow, const QString& Value);
    virtual void ColumnChanged(int ACol);
    virtual void SaveCellState(int ACol, int ARow);
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction);
    virtual void DoButtonClick(int ACol, int ARow);
    // What the editors tell the grid, handed on as the grid's events for the current cell.
    void RichEditSelectionChanged(TObject* Sender);
    // The merged-columns list changed: every column is split, then the listed ones merged again
    // (the first as the main merge).
    void MergedColumnsChanged();
    // Sender is the unit editor.
    void UnitEditChanged(TObject* Sender);
    // Sender is the editor: a date picker for the date relays.
    void DateTimePickerChange(TObject* Sender);
    void DatePickerChange(TObject* Sender);
    void DatePickerCloseUp(TObject* Sender);
    void DatePickerDropDown(TObject* Sender);
    void GridButtonClick(TObject* Sender);
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void GetCellCursor(int ACol, int ARow, int X, int Y);
    virtual void CellsChanged(TRect R);
    virtual void AllCellsChanged();
    // A wide hint replaces hintstr in the wide-text coding.
    virtual void GetGridHint(int ACol, int ARow, QString& hintstr, QString& widehint);
    virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
    virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
    virtual void GetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders);
    virtual void GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetColumnFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
    virtual void QueryEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
    virtual bool HasNoEditor(int ACol, int ARow);
    virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
    bool IsPassword(int ACol, int ARow);
    // The text editor asks with the real column; a column grid answers its column's mask.
    virtual QString GetEditMask(int ACol, int ARow);
    virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrue(int ACol, int ARow, QString& Value);
    virtual void GetCheckFalse(int ACol, int ARow, QString& Value);
    virtual bool GetFilterValues(int ACol);
    // Whether the column offers filter values, without building the list where no event can change it:
    // painting asks this for every header cell of the filter row.
    virtual bool HasFilterValues(int ACol);
    virtual TGridRect GetUsedCells();
    virtual void RemoveRowsInternal(int ARow, int ACount);
    virtual void DoCanAddRow(bool& Allow);
    virtual void DoCanInsertRow(int ARow, bool& Allow);
    virtual void AppendRow();
    virtual void CellSelectorClick(int ACol, int ARow) {}
    virtual void EditorFormulaState(bool Formula) {}
    virtual void MouseSelectAll(TGridRect& ARect) {}
    virtual void MouseActionsChanged(TObject* Sender) {}
    virtual bool MouseActionsIsDesigning(TObject* Sender);
    virtual void MouseActionsInvalidate(TObject* Sender);
    virtual void MouseActionsDisableEdit(TObject* Sender);
    virtual void EditorKeyDown(uint16_t& Key, TShiftState Shift) {}
    virtual void EditorWMKeyDown(TMessage& Message) {}
    virtual void NavigationChanged(TObject* Sender) {}
    virtual void WrapToFirstRow();
    virtual bool AllowFormattedPaste();
    // The pick ItemIndex of the filter drop-down list, and a check mark toggled in the check list.
    virtual void FilterDropDownSelect(TObject* Sender, int ItemIndex);
    virtual void FilterCheckListSelect(TObject* Sender, int ItemIndex);
    virtual void PaintDesignHelper() {}
    virtual void DesignHelperClick(int X, int Y) {}
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    virtual void ColorDropDownSelect(TObject* Sender);
    virtual void ImageDropDownSelect(TObject* Sender);
    virtual void DoCellChanging(int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow);
    virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    virtual bool CanShowFixedDropDown(int ACol);
    virtual void DoStartBlockFocus();
    virtual void DoEndBlockFocus();
    virtual TImageList* GetGridImages();
    virtual void ExportNotification(TGridExportState AState, int ARow) {}
    virtual void ImportNotification(TGridImportState AState, int ARow) {}
    // AssignCells, GetVersionNr and GetVersionString above take their places here.
    virtual bool ValidateCell(const QString& NewValue);
    virtual bool ValidateCellWide(const QString& NewValue);
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    virtual void RemoveRows(int RowIndex, int RCount);
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls);
    virtual void RemoveCols(int ColIndex, int CCount);
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    virtual void Group(int Colindex);
    virtual void UnGroup();
    virtual void SortSwapRows(int ARow1, int ARow2);
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    // The recorded column order under ColumnSize's Key and Section.
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    virtual void SetStyle(TExGridStyle AStyle);
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    virtual void CalcFooter(int ACol) { CalcFooterCells(ACol); }

    // ---- base grid operations the grid answers
    bool IsFixed(int ACol, int ARow) override;
    // Links the first address of a text with URLShowInText.
    void GetDisplText(int ACol, int ARow, QString& Value) override;
    // The look a record made on demand starts from; no background where the grid paints its own.
    void GetDefaultVisualProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) override;

    // ---- cell looks and painting (grid/stringgrid/paint/)
    // Font, brush, gradient, wrap and alignment of a cell for painting and printing; ACol is a
    // display column, taken as real unless Remap.
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    // The lighter form for measuring: font and brush only.
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState AState, TFont& AFont, TBrush& ABrush,
                           bool Remap);
    // The effective alignment of a real cell.
    void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
    // The margin a cell keeps around its text.
    int GetTotalXOffset() const;
    int GetTotalYOffset() const;
    // The size of a real cell's text as painted: VS wraps it in the cell's width, SB keeps room
    // for a combo button.
    TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    void CellTextSize(int ACol, int DisplCol, int ARow, bool VS, bool SB, TSize& Size);
    // The longest export line of a column, in characters.
    int GetMaxColTextLen(int ACol);
    int GetMaxLinesInRow(int ARow);

    // ---- editing life cycle and editor controls (grid/stringgrid/editing/); columns are display
    // columns unless said real
    // Whether the user may edit the cell now (goEditing, RangeSelectAndEdit or a read-only cell
    // left), and CellEditable.
    bool IsEditable(int ACol, int ARow);
    // The base cell may be edited (CanEditCell) and is not fixed.
    bool CellEditable(int ACol, int ARow);
    // Shows the control of the open edit's kind over the cell, loaded with its edit text.
    void ShowEditControl(int ACol, int ARow);
    // Commits the value of the open edit's control into the cell and hides the control.
    void HideEditControl(int ACol, int ARow);
    // OnEditingDone now, OnEditCellDone (real column) once the posted "GridEditDone" arrives.
    void DoEditingDone(int ACol, int ARow);
    void ShowInplaceEdit();
    // Opens the borderless edit box or combo over a fixed cell (display column), once the one
    // still open there has taken its value.
    void EditFixedCell(int ACol, int ARow);
    void HideCellEdit();
    void ShowCellEdit();
    bool WantsTabFromEditor();
    // A column grid answers its column's edit length.
    virtual int GetEditLimit();
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void EditorTextChanged() override;
    bool EditMode() const;
    TEditorType EditControl() const;
    // The control of the open edit; nullptr for the text editor and when none is open.
    TWinControl* EditCtrl() const;
    // The item the next combo edit selects; false for an index or text not in the list.
    bool SetComboSelection(int Index);
    bool SetComboSelectionString(const QString& S);

    // ---- in-place editing as the in-place editors (grid/stringgrid/inplace/) call it
    // The grid's text editor, nullptr until it is first shown.
    TExInplaceEdit* NormalEdit() const;
    TExInplaceEdit* GetNormalEdit() const { return NormalEdit(); }
    // The public combo editor the windows fill in OnGetEditorType; the spin editor.
    TGridCombo* Combobox();
    // The same combo editor under its other name.
    TGridCombo* UniCombo() { return Combobox(); }
    TGridSpin* SpinEdit();
    // The edit-with-button and value-and-unit editors.
    TGridEditBtn* BtnEdit();
    TGridUnitEditBtn* BtnUnitEdit();
    // The date and time editor, the date-and-time editor and the button editor.
    TGridDatePicker* DateTimePicker();
    TGridDateTimePicker* DateAndTimePicker();
    TGridButton* Btn();
    // The drop-down editors, each made on first use.
    TGridTrackbarDropDown* TrackbarDropDown();
    TGridMemoDropDown* MemoDropDown();
    // The memo drop-down's lines, as one text, into the current cell while it edits it.
    void MemoDropDownChange();
    TGridCalculatorDropDown* CalculatorDropDown();
    TGridTimepickerDropDown* TimePickerDropDown();
    TGridDetailPickerDropDown* DetailPickerDropDown();
    TGridGridDropDown* GridDropDown();
    TGridColorDropDown* ColorPickerDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    TGridExGridDropDown* ExGridDropDown();
    void ClearComboString();
    void AddComboString(const QString& S);
    void AddComboStringObject(const QString& S, TObject* AObject);
    // False when no item equals S.
    bool RemoveComboString(const QString& S);
    int GetComboCount();
    // The item of the combo editor the cell shows, -1 when none; the cell's editor properties are
    // asked for first, so OnGetEditorProp can fill the items.
    int ComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);
    // The navigation after an edit.
    void DoneInplaceEdit(uint16_t& Key, TShiftState Shift);
    void AdvanceCell(int ACol, int ARow, bool Edit, bool Recursive, bool Forward, bool FromEditor, bool ByTab);
    // One Tab step; false when the Tab went on to the parent control.
    bool TabNavigate(bool Backward);

    // ---- navigation after editing, validation and focus (grid/stringgrid/navigation/)
    // A left click 2 pixels inside the cell's top-left corner that moves without editing logic.
    void SimulateCellClick(int ACol, int ARow);
    // The grid's answers to focus messages; false for any other message.
    bool FocusMessage(TMessage& Message);

    // Notifications with no property.
    TNotifyEvent FOnStartBlockFocus;
    TNotifyEvent FOnEndBlockFocus;

protected:
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateWnd() override;
    void Resize() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    // A stretched column follows; a user sizing that just ended is reported and may size all.
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    // OnColumnSize and OnRowSize may refuse a sizing that a press on a header border starts.
    void CalcSizingState(int X, int Y, TGridState& State) override;

public:
    // With DragScrollOptions.Active, a drag held near an edge scrolls the grid towards it: first
    // after the initial delay, then once per repeat delay.
    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;

protected:
    void DragScrollTimer(TObject* Sender);
    void stopDragScroll();

    // Closes the open edit: the text editor or the control commits its value, then the current
    // cell is validated through SelectCell.
    void HideInplaceEdit();
    bool CanEditShow() override;
    // The grid's own text editor (NormalEdit).
    TInplaceEdit* CreateEditor() override;
    bool SelectCell(int ACol, int ARow) override;
    // Escape restores the edited cell, Enter advances, typing jumps to a sorted row, and the
    // character that starts an edit is noted for the control it opens.
    void KeyPress(QChar& Key) override;
    void Click() override;
    void DoEnter() override;
    void DoExit() override;
    // The editor control follows its cell while the grid scrolls or sizes.
    void UpdateEditorPlace() override;
    void PlaceEditControl(int ACol, int ARow);
    // "GridEditDone" reaches the grid's window.
    void GridEditDone(const TMessage& Message);
    // Repositions the controls placed in cells.
    void CellControlsUpdate(bool Rebuild);
    // The owner form's resize, answered before the form's own handler.
    void OwnerFormResize(TObject* Sender);
    void SearchFooterChanged(TObject* Sender);

    // The number of row lists hidden by filtering and not shown again.
    int FilterLevel() const;
    void SetFilterLevel(int Value);

    // ---- keyboard and mouse (grid/stringgrid/input/)
    // Routes the key and mouse messages to the handlers below; false for any other message.
    bool InputMessage(TMessage& Message);
    void WMKeyDown(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMLButtonDown(TMessage& Message);
    void WMLButtonUp(TMessage& Message);
    void WMLButtonDblClk(TMessage& Message);
    void WMRButtonDown(TMessage& Message);
    void WMRButtonUp(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void AppendRowOnArrowDown();
    // Down here appends a row: the last normal row, or the row above a floating footer.
    bool InLastAppendRow();

public:
    bool IsHoverFixedCell(int ACol, int ARow) const;
    // The hint of the cell under the client point Pos: its text, where it shows (client
    // coordinates) and its colour; false when no cell lies there.
    bool PrepareCellHint(TPoint Pos, QString& HintStr, TPoint& HintPos, TColor& HintColorOut);
    // The cell hint's window: shown once the pointer rested for the hint pause, gone when the
    // pointer leaves the grid or its base cell, on a press, or when the hint must change.
    void CancelCellHint();
    THintWindow* CellHintWindow() const;
    // Every cursor the grid sets itself goes through here, so CM_CURSORCHANGED can tell its
    // own changes from those of others (which end a mouse selection mode).
    void SetGridCursor(TCursor Value);

protected:
    void CellHintPointerMoved(TShiftState Shift, int X, int Y);
    // The balloon tool-tip: its timers and what hides it (true when the message is used up),
    // the pointer's moves, showing and hiding, and the handler of Balloon's OnEnableChange.
    bool BalloonMessage(TMessage& Message);
    void BalloonPointerMoved(int X, int Y);
    void ShowBalloon();
    void HideBalloon();
    void BalloonEnableChanged(TObject* Sender);
    // Takes the hint pause's timer and what ends a hint; true when the message is used up.
    bool CellHintMessage(TMessage& Message);
    void ShowCellHint();
    // CM_HINTSHOW: the hint of the cell under the pointer, through PrepareCellHint.
    void CMHintShow(TMessage& Message);

protected:
    int FirstNormalCol();
    bool CanTabToCell(int ACol, int ARow);
    int FirstTabCellInRow(int ARow);
    int LastTabCellInRow(int ARow);
    // Helpers of the keys and the mouse.
    void reportSelection();
    bool homeEndKey(uint16_t key, TShiftState shift);
    bool skipFixedCells(uint16_t key);
    bool clipboardKey(uint16_t key, TShiftState shift);
    void hoverRowTo(int ARow);
    // Chooses the option of a cell's radio group under the click (offsets from the cell's
    // top-left corner); ACol is a real column.
    void RadioGroupClick(int ACol, int ARow, int OffsetX, int OffsetY);
    TGridRect normalisedSelection();
    void disjunctCellsByKey(uint16_t Key, TShiftState Shift, TGridRect Before);
    void insertRowByKey();
    bool deleteRowByKey();
    void selectAllByKey();
    bool tabStep(bool Backward, bool& Again);
    void tabToNextRow(int ARow);
    void tabPastLastRow();
    void headerClickSort(int ACol, int ARow, int X, TShiftState Shift);
    void sortOnIndexes(int RealCol, bool AddKey);
    bool fitColumnOnDblClick(int ACol);
    bool belowTheRows(int X, int Y);
    bool filterButtonRelease(int X, int Y);
    // A press on the headers that selects whole rows, columns or all; the drag that extends it.
    void headerSelectPress(int ACol, int ARow, TShiftState Shift);
    void headerSelectDrag(int ACol, int ARow);
    void updateMouseSelectMode(int ACol, int ARow, int X, int Y);
    void openFilterDropDown(int ACol, int RealCol);
    void closeFilterDropDown();
    // ---- selection by the mouse: the selection handle, disjunct cells, a group's rows
    // The pointer on the square at the bottom-right corner of the selection.
    bool onSelectionHandle(int X, int Y);
    // A press that grabs the selection handle; false when the press is not one.
    bool startSelectionResize(TMessage& Message, int X, int Y, bool FromHover);
    void endSelectionResize();
    // The selection with its anchor at the top-left corner and the current cell at the
    // bottom-right one, so that a drag grows it from the top-left.
    void anchorSelection(TGridRect Value);
    void clearDisjunctCells();
    // The release's share of the disjunct cells; false when OnSelectCell refused the cell.
    bool disjunctCellRelease(TShiftState Shift, int X, int Y);
    void autoSelectGroup(int ACol, int ARow);
    // Fixed columns and rows sized by dragging their borders; the sizing events and hint.
    bool fixedSizingPress(int X, int Y);
    void fixedSizingMove(int ACol, int ARow, int X, int Y);
    bool fixedSizingRelease(int X, int Y);
    void fixedSizingLeave();
    int fixedSizingSize(int Pos) const;
    void paintFixedSizingLine(TCanvas& ACanvas);
    void sizingFeedback(int X, int Y);
    void endSizingFeedback();
    // The node button of a header row and the expand buttons of cells.
    void headerNodeButtonPress(int ARow);
    bool expandButtonPress(int ACol, int ARow, int RealCol, int X, int Y);
    bool pushedButtonRelease(int ACol, int ARow, int X, int Y);
    // The hovered look of the expand button under the pointer; -1, -1 clears it.
    void hoverExpandButton(int ACol, int ARow, int X, int Y);
    bool onExpandButton(int ACol, int ARow, int X, int Y);
    // Cell buttons, ratings and the scroll bar of a hovered cell (input/cell_controls_by_mouse.cpp).
    bool ratingPress(int ACol, int ARow, int RealCol, int X);
    bool onCellButton(int ACol, int ARow, int X, int Y);
    bool cellButtonPress(int ACol, int ARow, int RealCol, int X, int Y);
    void cellButtonRelease(TPoint Pushed, int ACol, int ARow, int X, int Y);
    void hoverCellScrollBar(int ACol, int ARow);
    void cellScrollBarScrolled(TMessage& m);
    // ---- anchors and form controls in cells (grid/stringgrid/input/)
public:
    // Opens the edit box or combo over the form control CtrlID (types EDIT, PASSWORD, MASK and
    // COMBO; others open nothing) at CtrlRect, a rectangle of the grid's client area.
    void StartControlEdit(const QString& CellText, const QString& CtrlType, int ARow, int RealCol, int ACol,
                          TRect CtrlRect, const QString& CtrlValue, const QString& CtrlID);
    // The exit handler of both editors: the value goes into the cell's control tag.
    void ControlEditExit(TObject* Sender);
    void ControlComboSelect(TObject* Sender);
    // Opens the next editable form control of the cell after ControlID (the first with an
    // empty id); the grid takes the focus when there is none.
    void EditNextHTMLControl(int ACol, int ARow, const QString& ControlID);
    // The editors of form controls, made hidden on first use; owned by the grid.
    TControlEdit* ControlEdit();
    TControlCombo* ControlCombo();
    // Enter or Tab typed in one of them; true when the key was taken.
    bool ControlEditKey(TWinControl& Editor, QChar& Key);

protected:
    // The HTML renderer's hit test of a display cell at the client point (X, Y), laid out as
    // the painter lays the cell out; with ControlID the control with that id is reported.
    bool cellHTMLHitTest(int ACol, int ARow, int X, int Y, THTMLDrawResults& Results,
                         const QString& ControlID = QString());
    // A press on a link or form control of a cell; true when the press ends there.
    bool htmlCellPress(int ACol, int ARow, int X, int Y);
    // The release draws a pressed BUTTON control up again.
    void htmlButtonRelease();
    // The link under the pointer: hover underline, anchor events and the hand cursor.
    void linkHover(int ACol, int ARow, int X, int Y);
    // ---- the grid's own cursors (grid/stringgrid/input/grid_cursors.cpp): before a move
    // puts back the cursor the grid's own covers, after it shows the one the place wants.
    void lowerGridCursor();
    void raiseGridCursor(int ACol, int ARow, int X, int Y);
    void CMCursorChanged(TMessage& Message);
    bool wantedGridCursor(int X, int Y, TCursor& ACursor);
    // With AnchorHint, the hint of the anchor under the client point Pos; false off an anchor.
    bool anchorCellHint(int ACol, int ARow, TPoint Pos, QString& HintStr, TPoint& HintPos);
    // Header cells drawn as buttons, the fixed cells' drop-down button, and the enhanced
    // column and row move (move button and drop arrows).
    void pressFixedAsButton(int ACol, int ARow, int X);
    void releaseFixedAsButton(int ACol, int ARow);
    void paintPushedFixedCell(TCanvas& ACanvas);
    bool fixedDropDownPress(int X, int Y);
    void rememberMoveCell(int ACol, int ARow, int X, int Y);
    void enhancedMoveStep(int ACol, int ARow, int X, int Y);
    bool endEnhancedMove(int ACol, int ARow);
    // Abandons an enhanced move under way: nothing moves.
    void cancelEnhancedMove();
    void setMoveButton(const QString& Caption, int AWidth, int AHeight);
    void makeMovePicture(bool Columns);
    void markDropColumn(int ACol);
    void markDropRow(int ARow);
    void scrollWhileMoving(bool Columns, int X, int Y);
    // ---- timer, paint and size, wheel, zoom and scrolling (grid/stringgrid/scrolling/)
public:
    void SetScrollProportional(bool Value);
    // Thumbs sized to the pixel extent of the cells, while ScrollProportional is on.
    void UpdateHScrollProportional();
    void UpdateVScrollProportional();
    // The flat bars of the common controls: not on this platform, so FIsFlat stays false and
    // these leave the window's bars as they are.
    void InitFlatScrollBars();
    void DoneFlatScrollBars();
    void UpdateFlatScrollBars();
    void UpdateFlatVScrollBar();
    void UpdateFlatHScrollBar();
    void FlatShowScrollBar(int Bar, bool Show);
    // Changes ZoomFactor and every column width and row height by X pixels.
    void Zoom(int X);
    // Makes the slim bars of ssMetro where they are missing: a vertical one 6 pixels wide at
    // the right edge and a horizontal one 6 pixels high at the bottom.
    void CreateScrollControls();
    // The slim bars of ssMetro; nullptr otherwise.
    TScrollControl* VScrollControl() const;
    TScrollControl* HScrollControl() const;
    // The window of the hints beside a dragged thumb and of the sizing hints; nullptr until
    // one first shows.
    THTMLHintWindow* ScrollHintWindow() const;
    // Whether every hint of the program shows in the markup hint window (else the plain one).
    bool UseHTMLHints() const;
    void SetUseHTMLHints(bool Value);
    // Stores the flag and sets the bounds again, which fits the height to whole rows.
    void SetIntegralHeight(bool Value);
    TMouseWheelUpDownEvent OnMouseWheelDown, OnMouseWheelUp;

protected:
    // The messages of this part: false for any other.
    bool ScrollingMessage(TMessage& Message);
    // After a message moved the current row: a grid synchronised by rows follows it.
    void SyncRowAfterMessage(int OldRow);
    void WMTimer(TMessage& Message);
    void WMPaint(TMessage& Message);
    // The column widths follow the control's width (SynchWithGrid, Stretch); true when the
    // stretch column took the rest and OnResize fired.
    bool SizeColumnsToWidth();
    void WMHScroll(TMessage& Message);
    void WMVScroll(TMessage& Message);
    void WMGetDlgCode(TMessage& Message);
    // The hint beside a dragged thumb: "Row : " or "Col : " (Prefix) and the index it stands for.
    void ScrollHint(uint16_t Code, int Index, const QString& Prefix, bool Vertical);
    // Shows Text in the scroll hint's window at the screen point At, measured within MaxWidth;
    // and takes it away.
    void ShowScrollHintAt(const QString& Text, TPoint At, int MaxWidth);
    void CloseScrollHint();
    // The base grid's wheel step with direct editing off and the left column or focus kept.
    bool BaseWheelStep(bool Down, TShiftState Shift, TPoint MousePos);
    // The wheel message: zoom, scroll or move the current row.
    void WheelStep(TMessage& Message);
    // Middle-button panning: its start, its timer and what ends it; false for other messages.
    bool PanMessage(TMessage& Message);
    void PanStep();
    void StopPanning();
    // The pan origin mark, drawn over the cells while panning.
    void PaintPanOrigin(TCanvas& Canvas);
    void InvalidatePanOrigin();
    void UpdateScrollBars() override;
    void TopLeftChanged() override;
    // The visible search panel's height.
    int DockedBottomHeight() const override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    // Called after each wheel step; Handled preset to true.
    virtual void WheelScroll(int RowsMoved, bool& Handled) {}
    // The painter insets the selection by a pixel when cells get borders from OnGetCellBorder.
    bool HasCellBorderEvent() override { return static_cast<bool>(OnGetCellBorder); }

    TExStringGridPrivate& Private() const { return *p; }

private:
    friend class TExStringGridPrivate;
    friend class TCellPainter;
    // The in-place editors work on the grid's edit state.
    friend class TInplaceEdit;
    friend class TExInplaceEdit;
    friend class TEditLink;
    friend class TGridCheckBox;
    friend class TGridSpin;
    template <class>
    friend class TGridDropDownEditor;
    friend class TGridEditBtn;
    friend bool HandTabToGrid(TExStringGrid& Grid, TShiftState Shift);
    friend void WalkFromEditor(TExStringGrid& Grid, bool Right, const QString& Text);
    friend class TGridUnitEditBtn;
    friend class TExRichEdit;
    // Whether a press of the given kind on a fixed cell opens its editor.
    bool opensFixedEditor(int ACol, int ARow, TGridFixedCellEdit How, int X, int Y);
    // Ends an open fixed-cell edit with its value; false when validation refused it.
    bool stopFixedCellEdit();
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;
    friend class TGridButton;
    // The date, time, date-and-time and button editors over a cell, and their commit.
    void showDateOrButtonControl(int ACol, int ARow, TColor Color, QChar Start);
    void hideDateOrButtonControl(int RealCol, int ARow);
    // The drop-down editors over a cell, loaded by kind, and their commit.
    void showDropDownControl(TExCustomDropDown& DropDown, int ACol, int ARow, TColor Color, QChar Start);
    void hideDropDownControl(TExCustomDropDown& DropDown, int RealCol, int ARow);
    // The drop-down editor of a drop-down kind, made on first use; nullptr for other kinds.
    TExCustomDropDown* dropDownEditor(TEditorType Kind);
    // The open drop-down editor, nullptr when none is open.
    TExCustomDropDown* shownDropDown() const;
    friend class TGridCombo;
    friend class TFooterPanel;
    // OLE drag and drop (grid/stringgrid/dragdrop/): the drop target and source work on the grid;
    // a press on a selected cell that a move may turn into a drag, the move that starts it, and
    // the release of a press that did not (true where the handler ends).
    friend class TGridDropTarget;
    friend class TGridDropSource;
    friend class TDragDropSettings;
    bool oleDragPress(int ACol, int ARow, int X, int Y, TShiftState Shift);
    void oleDragMove(int ACol, int ARow, int X, int Y, TShiftState Shift);
    bool oleDragRelease(int ACol, int ARow, TShiftState Shift);
    // The row and column store operations and grouping of grid/stringgrid/data/.
    friend class TGridRowColumnStore;
    // The print engine lays out and draws with the grid's print state.
    friend class TGridPrintEngine;
    TGridRect allCellsRect() const;
    void printOnPrinter(TGridRect Range, bool SelectedOnly);
    void printPreview(TCanvas& Canvas, TRect Displayrect, TGridRect Range, bool SelectedOnly);
    // Puts the columns in the order of Positions (the designed position of each column now at
    // each place, -1 skipped) and records it; false when the entries are not 0 .. n - 1 once each.
    bool applyColumnOrder(const std::vector<int>& Positions);
    friend void ReadGridProperties(TExStringGrid& Grid, const TFormProperties& Properties);
    void paintEditFrame(TCanvas& ACanvas);
    // The slim bars of ssMetro at the right and bottom edges.
    void placeScrollControls();
    // Child notifications: the date picker's change and the balloon's text request.
    void WMNotify(TMessage& Message);
    void setSortHeaderColours(TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo);
    void createOwnedObjects();
    // The text a filter condition tests in a row: the stored text itself where it is that, else
    // Held, made from it.
    const QString& filterText(const TFilterData& Item, int ARow, QString& Held);
    // The condition of the filter's item at Index, read once for the rows it is matched with.
    const TPreparedFilter& preparedCondition(int Index, const TFilterData& Item);
    // The text GetCellEx gives, without a copy where that is the stored text; nullptr elsewhere.
    const QString* storedDisplayText(int ACol, int ARow) const;
    // Whether the row's first cell makes it a node or a summary row.
    bool isNodeOrSummaryRow(int ARow);
    // Whether the object is of this class itself, whose virtual operations answer as defined
    // here; a descendant may override them.
    bool isOwnClass() const;
    // Shows the newest filter level again, with the fixed rows and selection of before.
    void popFilterLevel();
    // The cell's own graphic record, nullptr without.
    TCellGraphic* ownCellGraphic(int ACol, int ARow) const;
    // Column 0 answers the shared row check box with HotmailRowSelect.
    bool answersRowCheckBox(int ACol, int ARow) const;
    bool rowSelected(int ARow) const;
    void moveFooterRow(int From, int To);
    // The decoration's own extent, before a full alignment widens it.
    TPoint decorationExtent(int ACol, int ARow, const TCellGraphic& g, int Margin);
    const TCellProperties* lookRecord(int i, int j) const;
    template <class T, class V>
    void setLook(int i, int j, void (TCellProperties::*Set)(T), V Value, bool whileUpdating);
    void shiftCellControls(bool Columns, int FromIndex, int ToIndex);
    void colourRow(int ARow, TColor AColor, void (TCellProperties::*Set)(TColor),
                   const std::function<bool(int)>& mayDrop);
    // Moves whole display rows out of the store into hidden-row items.
    THeldRow takeRow(int DisplRow);
    // Hides the display rows (ascending, distinct, all in the grid) as a new filter level.
    void hideRowLevel(std::vector<int>& Rows);
    void restoreRow(int Item, int DisplRow);
    // The display rows were inserted or removed: the grid's own counts follow.
    void rowsChanged();
    // Removes the rows listed (ascending, distinct) with their cell properties.
    void removeRowList(const std::vector<int>& Rows);
    TCellGraphic* rowCheckBoxGraphic(int ARow);
    void removeShownCols(int From, int To);
    void repaintIfNotUpdating();
    // Expands one node, without closing the others.
    void expandNodeOnly(int ARow);
    template <class T>
    void setAndRepaint(T& field, T Value);
    // The edit permission of a cell the current cell moves to (grid/stringgrid/editing/).
    bool allowEditOnTarget(int ACol, int ARow, QString& TargetText);
    void scrollClearOfFooter(int ACol, int ARow);
    // The synchronised grid repeats a column (row) move made here.
    void syncMove(bool Columns, int FromIndex, int ToIndex);
    // The check box editor, made on first use.
    TGridCheckBox* checkEditor();
    // The control of the open edit, the check box editor included; nullptr for none.
    TWinControl* shownEditControl() const;

    // Sorting: orders rows Left .. Right (clipped to the rows) by Sort and moves them.
    void sortRange(int Left, int Right, const std::function<void(TRowSorter&)>& Sort);
    // Sorting: row Rows[k] takes the row that stood at Rows[From[k]], as row exchanges would.
    void moveSortedRows(const std::vector<int>& Rows, const std::vector<int>& From);
    // A sort of the normal rows with the work around it: column 0, update lock, current row.
    // Plain (the column sort) leaves the current row alone under disjunct row selection and
    // reports it through OnRowUpdate.
    void sortNormalRows(bool Plain, const std::function<void(int First, int Last)>& SortRows);
    // Exchange with files (grid/stringgrid/data/): the save range as CSV lines, each ended by CR
    // LF, after what Out holds, and the file committed; the records of a CSV text stored from
    // SaveStartRow, or after the last row with Insert.
    void writeCSV(TExchangeFileWriter& Out);
    void appendCSVField(QString& Text, const QString& Cell, QChar Delimiter);
    // The clipboard: one field of a pasted text through the paste events and PasteCell, false
    // when refused; one cell of a selection fill the same way (no events for the top-left cell);
    // the fill of a single row or column from its first cells, true for a number or date series,
    // false for texts repeated every Period cells; the ID the binary stream's header carries.
    bool pasteTextField(int ACol, int ARow, const QString& Field);
    bool fillCell(int ACol, int ARow, const QString& Value, bool TopLeft);
    bool fillSeries(const TGridRect& S, int Period);
    qint64 cellStreamID() const;
    // The header of a whole, well-formed binary cell stream; raises for any other. The stream's
    // position is left where it was.
    TCellRecord checkedCellStream(TStream& Stream);
    // SaveCell, and nothing for a cell covered by a merged range.
    QString exportCell(int ACol, int ARow);
    void loadCSVText(const QString& Text, bool Insert, int MaxRows);
    // The aligned listing after the text Before.
    void writeASCII(const QString& FileName, bool Unicode, const QString& Before);
    void writeHTML(const QString& FileName, bool Show, bool Unicode, bool Append);
    // A cell's HTML content with its decoration's pictures written beside the page.
    QString htmlCellContent(int ACol, int ARow, const QString& Text, THTMLImageWriter& Images);

    // Searching: the engine over the area of the options, and the test of one cell.
    TPoint findInRange(TPoint StartCell, const QString& s, TFindParams FindParams);
    bool matchFindCell(int ACol, int ARow);
    void gotoFoundCell(int ACol, int ARow, TFindParams FindParams);
    // The text a search tests and writes back at a found cell.
    QString foundCellText(TPoint Cell, TFindParams FindParams);
    void setFoundCellText(TPoint Cell, TFindParams FindParams, const QString& Value);
    // Wraps matches of Text in Tag, or with Remove takes Tag out, in the base cells of Area
    // (columns Left .. Right, rows Top .. Bottom).
    void tagCells(TRect Area, const QString& Tag, bool DoCase, const QString& Text, bool Remove);
    // The search panel's find parameters and the found cell's scrolling for its buttons.
    TFindParams searchPanelParams(bool Typing);
    void searchPanelStep(bool Backward);
    void searchPanelHilight(bool On);
    TSearchPanel& makeSearchPanel();
    // Docks the search panel at the bottom of the client area, 0 high while hidden.
    void placeSearchPanel();

    std::unique_ptr<TExStringGridPrivate> p;
};
