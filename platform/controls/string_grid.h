#pragma once

#include "platform/controls/control.h"
#include "platform/controls/grid_cell_store.h"
#include "platform/controls/scroll_bar.h"
#include "platform/core/exception.h"

#include <memory>
#include <vector>

// A cell position: X the column, Y the row.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

// A range of cells, both corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int ACol, int ARow) const { return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom; }
    bool operator==(const TGridRect&) const = default;
};

// How a cell is to be painted.
enum TGridDrawStateFlag : uint8_t { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = uint8_t;

// Grid options; the bits keep the positions of the classic option set, whose other members
// arrive with the code that handles them.
enum TGridOption : uint32_t {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = uint32_t;

constexpr TGridOptions DefaultGridOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

// What the user is doing with the grid: one state at a time.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving, gsEditing };

// Raised for indexes outside the grid and impossible fixed counts.
class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

class TStringGridPrivate;
class TInplaceEdit;
struct TAxisLayout;

// The platform's string grid: a text and an object per cell, fixed and scrollable columns and
// rows, a current cell with a selection, and painting through DrawCell.
//
// Layout. Columns lie left to right: the fixed ones from x = 0, then the scrollable ones from
// LeftCol. Each column takes ColWidths[i] pixels followed by a line of GridLineWidth pixels;
// rows likewise with RowHeights and TopRow. A cell is in view when it lies in a fixed column or
// row or in LeftCol / TopRow (these always count as in view, even in a window too small to show
// them), or when it follows them and begins inside the client area. VisibleColCount and
// VisibleRowCount count the scrollable columns and rows from LeftCol / TopRow that fit whole
// (the line may be cut off), at least 1; fixed and partly shown ones are not counted. LeftCol
// and TopRow stay between the first scrollable index and the last page's first index: the
// smallest one from which the last column (row) still fits whole. A descendant may hide columns
// and rows: they keep their size and cells but take no pixels, and the keys step over them.
//
// Cells. The store is unbounded: any column and row index from 0 keeps its text and object,
// also beyond ColCount and RowCount, and shrinking a count never discards cells; growing it
// again shows them. Objects are not owned. Writing a text repaints its cell. Reads of
// ColWidths / RowHeights outside the counts give the default size.
//
// Current cell and selection. The selection runs from an anchor to the current cell (whole
// rows of scrollable columns with goRowSelect). Moving the current cell asks SelectCell first
// and changes nothing when refused. Setting Col or Row moves the anchor with it; Shift with
// the arrow and paging keys or a Shift-click keep the anchor when goRangeSelect is on, and so
// does dragging with the left button. Setting Selection makes its top-left the current cell
// and its bottom-right the anchor, without asking SelectCell. Counts that shrink below the
// current cell pull it back to the last index; a fixed count that rises over it pushes it to
// the first scrollable index.
//
// Keys (after OnKeyDown, unless it cleared the key): arrows step one cell within the
// scrollable cells; Home / End go to the first / last scrollable column, with Ctrl to the
// first / last scrollable cell; Page Down moves TopRow and the current row on by
// VisibleRowCount (each stopping at its limit: the last page, the last row), Page Up back by it
// (stopping at the first scrollable row). The current cell is then scrolled into view. The
// mouse wheel (WM_MOUSEWHEEL, delta in the high word of wParam) moves the current row one row
// per message.
//
// Sizing and moving with the mouse. With goColSizing a left press on a fixed-row cell within
// 2 pixels of a column's right line (the line included) starts gsColSizing: the column's width
// follows the pointer (X minus the column's left edge, at least 0) until the release. Rows
// likewise with goRowSizing on fixed-column cells. With goColMoving a left press on another
// spot of a fixed-row cell of a scrollable column starts gsColMoving; a release on another
// scrollable column moves the pressed column there (MoveColumn). Rows likewise with
// goRowMoving on fixed-column cells.
//
// Scroll bars. The grid shows the bars that ScrollBars allows in the directions whose
// scrollable columns (rows) do not all fit; a shown bar takes its width (SM_CXVSCROLL) or
// height (SM_CYHSCROLL) from the area the cells are laid out in, which may make the other one
// needed too. Each bar runs over the positions 0 .. 127: position P stands for the first index
// Fixed + P x (Count - VisibleCount - Fixed) / 127, rounded to the nearest, and the bar is set
// back to the position of the first index whenever LeftCol or TopRow change. WM_VSCROLL and
// WM_HSCROLL scroll: SB_LINEUP / SB_LINEDOWN by one shown index, SB_PAGEUP / SB_PAGEDOWN by
// VisibleRowCount (VisibleColCount), SB_TOP / SB_BOTTOM to the ends, SB_THUMBPOSITION to the
// thumb's position, SB_THUMBTRACK likewise with goThumbTracking only. Range and page set
// through SetScrollInfo stay until the bar is hidden; the grid sets only the position.
//
// Painting walks only the cells that meet the canvas's clip rectangle (the area to repaint).
//
// Editing. With goEditing the current cell is edited in place by a text editor (TInplaceEdit)
// that the grid makes on first use: F2, Enter (which switches editing off again when the editor
// is open), a character typed to the grid (WM_CHAR, after KeyPress; it replaces the cell's
// text) or a press on the cell that is already current open it, each only when CanEditShow
// allows. The editor is loaded with
// GetEditText, hands every change to EditorTextChanged (the base writes it through SetEditText
// at once) and writes its text once more when it closes. It closes before the current cell
// moves (after SelectCell allowed the move) and opens again in the new cell with
// goAlwaysShowEditor; it follows its cell while the grid scrolls or the sizes change.
//
// Moving a row or column carries its size and cells, and the current cell and anchor follow
// the row or column they stood in. Deleting one drops its cells and size, moves the following
// ones back and lowers the count by one (a count of 1 stays, with the row or column emptied).
class TStringGrid : public TCustomControl {
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    QString Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const QString& Value);
    TObject* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* Value);

    // A descendant that keeps state of its own in step with the counts overrides the setters.
    int ColCount() const;
    virtual void SetColCount(int Value);
    int RowCount() const;
    virtual void SetRowCount(int Value);
    int FixedCols() const;
    virtual void SetFixedCols(int Value);
    int FixedRows() const;
    virtual void SetFixedRows(int Value);

    // Setting a default size gives it to every column (row) as well.
    int DefaultColWidth() const;
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const;
    virtual void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const;
    void SetRowHeights(int Index, int Value);

    // A descendant that draws its own lines and cells overrides these four and keeps the
    // platform's own values at 0 and false.
    virtual int GridLineWidth() const;
    virtual void SetGridLineWidth(int Value);
    // With default drawing the grid fills each cell's background and DrawCell writes its text.
    virtual bool DefaultDrawing() const;
    virtual void SetDefaultDrawing(bool Value);
    TGridOptions Options() const;
    void SetOptions(TGridOptions Value);
    TColor FixedColor() const;
    void SetFixedColor(TColor Value);

    int LeftCol() const;
    void SetLeftCol(int Value);
    int TopRow() const;
    void SetTopRow(int Value);
    int VisibleColCount() const;
    int VisibleRowCount() const;

    TScrollStyle ScrollBars() const;
    void SetScrollBars(TScrollStyle Value);
    // The window's own scroll bars (SB_HORZ, SB_VERT): shown or not, and their range and
    // position. A bar is made on first use.
    bool ScrollBarVisible(int Bar) const;
    void ShowScrollBar(int Bar, bool Show);
    TScrollInfo GetScrollInfo(int Bar) const;
    void SetScrollInfo(int Bar, const TScrollInfo& Info);
    TScrollBar* ScrollBarControl(int Bar);
    // The first column (Bar SB_HORZ) or row that a thumb at position Pos stands for.
    int ScrollPosToIndex(int Bar, int Pos) const;
    // Width and height of the area the cells are laid out in: the control less its bars. The
    // client area is that area.
    int GridWidth() const;
    int GridHeight() const;
    TRect ClientRect() const override { return {0, 0, GridWidth(), GridHeight()}; }

    int Col() const;
    void SetCol(int Value);
    int Row() const;
    void SetRow(int Value);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& Value);

    // Rectangle of a cell in view, without its line; an empty rectangle for other cells.
    virtual TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point (its lines included), -1 where there is none.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;

    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    virtual void DeleteColumn(int ACol);
    virtual void DeleteRow(int ARow);

    void InvalidateCell(int ACol, int ARow);
    void InvalidateGrid() { Invalidate(); }

    // ---- in-place editing
    bool EditorMode() const;
    // True opens the editor on the current cell (when CanEditShow allows), false closes it.
    void SetEditorMode(bool Value);
    // The text editor; nullptr until first shown.
    TInplaceEdit* InplaceEditor() const;
    void ShowEditor();
    // Opens the editor and types Ch into it, in place of the cell's text.
    void ShowEditorChar(QChar Ch);
    // Writes the editor's text into its cell and closes it; the grid takes the focus it had.
    void HideEditor();
    // The text the editor is loaded with, and where its text goes.
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    // The editor's text changed by the user.
    virtual void EditorTextChanged();
    // Keys and characters the editor hands on: the grid's own key handling.
    void KeyFromEditor(uint16_t& Key, TShiftState Shift) { KeyDown(Key, Shift); }
    void CharFromEditor(QChar& Key) { KeyPress(Key); }

    TSelectCellEvent OnSelectCell;
    // The view scrolled: LeftCol or TopRow changed.
    TNotifyEvent OnTopLeftChanged;

protected:
    // Paints one cell in view; the base writes its text when default drawing is on.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Asked before the current cell moves; the base asks OnSelectCell.
    virtual bool SelectCell(int ACol, int ARow);
    // After a move of the sizes; the base moves the cells.
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // After LeftCol or TopRow changed; the base fires OnTopLeftChanged.
    virtual void TopLeftChanged() { OnTopLeftChanged(this); }
    // The height of a strip docked along the bottom of the client area: the rows end above it,
    // so that the last row can scroll clear of it.
    virtual int DockedBottomHeight() const { return 0; }
    // After a column width or row height was set, and after the counts changed.
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    virtual void SizeChanged(int OldColCount, int OldRowCount) {}
    // Asked when a press at (X, Y) would start sizing a column or row (State gsColSizing or
    // gsRowSizing); State set to gsNormal refuses it, and the press may then move or select.
    virtual void CalcSizingState(int X, int Y, TGridState& State) {}
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    // Whether the editor may open now: goEditing without goRowSelect, and the grid focused or
    // goAlwaysShowEditor.
    virtual bool CanEditShow();
    // The text editor the grid uses; made once.
    virtual TInplaceEdit* CreateEditor();
    // The editor is placed again over its cell (scrolling, sizes).
    virtual void UpdateEditorPlace();

    // The current cell goes to (ACol, ARow) when SelectCell allows it; MoveAnchor moves the
    // anchor too (always so without goRangeSelect); Show scrolls the cell into view.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    // Shows or hides the scroll bars as the cells need them and sets their positions; a
    // descendant extends it to keep bars of its own choice.
    virtual void UpdateScrollBars();
    // WM_VSCROLL / WM_HSCROLL of the window's own bars.
    void ScrollMessage(bool vertical, uint16_t Code, int Pos);
    void InvalidateGridRect(const TGridRect& ARect);

    // Whole rows for a descendant that moves rows in and out of the grid (hiding, filtering),
    // in time linear in the rows. Neither asks SelectCell nor reports a move; objects are not
    // freed. InsertRowsAt puts Count empty rows of the default height at At (0 .. RowCount);
    // DeleteRowsAt drops the rows listed (ascending, distinct), keeping at least one row. The
    // current cell and the anchor stay on the rows they stood on, or on the row that takes
    // the place of a dropped one. The list form of InsertRowsAt takes the places the new rows
    // have once all are in (ascending, distinct).
    void InsertRowsAt(int At, int Count);
    void InsertRowsAt(const std::vector<int>& Rows);
    void DeleteRowsAt(const std::vector<int>& Rows);
    // The cells of a row, moved out (the row is left empty) or put in place of its cells.
    std::vector<TGridCellStore::Cell> TakeRowCells(int ARow);
    void PutRowCells(int ARow, std::vector<TGridCellStore::Cell> Cells);
    // The current cell and the anchor go to (ColCount, RowCount), just outside the grid, so
    // that nothing shows as selected.
    void PlaceSelectionOutside();

    TGridState GridState() const;
    void SetGridState(TGridState Value);
    // What a press at (X, Y) would size: gsColSizing on a column's line in the fixed rows,
    // gsRowSizing on a row's line in the fixed columns, as the options and CalcSizingState
    // allow; gsNormal elsewhere. The cursor shows it before the press.
    TGridState SizingStateAt(int X, int Y);
    bool ColHidden(int ACol) const;
    void SetColHidden(int ACol, bool Value);
    bool RowHidden(int ARow) const;
    void SetRowHidden(int ARow, bool Value);

    const TGridCellStore& CellStore() const;
    TStringGridPrivate& Private() const { return *d; }

    void Paint() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The release that ends sizing a column or row by its border is no click.
    void Click() override;
    void Resize() override;
    void DoEnter() override;
    void DoExit() override;

private:
    TAxisLayout colLayout() const;
    TAxisLayout rowLayout() const;

    void setTopLeft(int ALeft, int ATop);
    void updateScrollPositions();
    void layoutScrollBars();
    void scrollInView(int ACol, int ARow);
    void checkCell(int ACol, int ARow) const;
    // WM_CHAR: typing starts an edit.
    void WndProcChar(TMessage& Message);
    // A sizing or moving press on the fixed cells; false for any other press.
    bool startSizingOrMoving(int X, int Y);
    bool grabbedFrom(bool columns, TGridCoord cell) const;
    // The index whose line lies within 2 pixels of pixel along the axis, -1 for none.
    int sizingLineAt(bool columns, int pixel) const;
    void countsChanged();
    void setCount(bool columns, int Value);
    void setFixed(bool columns, int Value);
    void setSize(bool columns, int Index, int Value);
    void setHidden(bool columns, int Index, bool Value);
    void moveIndex(bool columns, int FromIndex, int ToIndex);
    void deleteIndex(bool columns, int Index);
    TGridDrawState drawState(int ACol, int ARow) const;
    void drawLines(TCanvas& canvas, const TRect& r, bool fixed);
    void invalidateFocusCells();

    std::unique_ptr<TStringGridPrivate> d;
};
