#pragma once

#include "grid/foundation/cell_properties.h"
#include "grid/foundation/grid_types.h"
#include "platform/controls/string_grid.h"

#include <QString>

class TCanvas;
class TExGridUndoRedo;

// The step between the platform's string grid and the base grid; it adds nothing.
class TObjStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
};

// The cell layer of the grid suite: cell texts read and written through merged cells and the
// display-text hooks, one TCellProperties per cell made on first use and owned by the grid,
// merged ranges, cell objects and geometry that also measures merged and off-screen cells.
// Column indexes run up to TotalColCount() - 1; the string grid keeps its hidden columns
// beyond ColCount, and the store keeps them.
//
// The object slot of a cell belongs to its TCellProperties. Records are freed with their
// cells: by the free and reset operations, when their row or column is deleted, and with the
// grid; cells kept beyond the counts keep their records until then.
class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(TComponent* AOwner);
    ~TBaseGrid() override;

    // ---- cell text
    // The text of the cell's base cell; rows below NormalRowCount pass through GetDisplText
    // and, when OnGetDisplWideText is set, come back in the wide-text coding.
    QString GetCellEx(int c, int r);
    // Writes the base cell's text and repaints the written cell.
    void SetCellEx(int c, int r, const QString& Value);
    // Raw access, without merge redirection or hooks.
    QString GetGridCell(int c, int r) const { return Cells(c, r); }
    void SetGridCell(int c, int r, const QString& Value) { SetCells(c, r, Value); }
    TObject* GetGridObject(int c, int r) const { return Objects(c, r); }
    void SetGridObject(int c, int r, TObject* Value) { SetObjects(c, r, Value); }
    // Empty the text and the slot without freeing the record: for callers that took it over.
    void ResetCell(int c, int r);
    void ResetCol(int ACol);
    void ResetRow(int ARow);

    // ---- cell properties
    bool HasCellProperties(int c, int r) const;
    // The cell's record, made from the default visuals when missing. Indexes are not tested.
    TCellProperties* GetCellProperties(int c, int r);
    // Frees the record in the slot and stores Value, which the grid then owns.
    void SetCellProperties(int c, int r, TCellProperties* Value);
    // Frees the record so that the next use starts from the defaults; its graphic object, owned
    // or not, is the caller's then.
    void ResetCellProperties(int c, int r);
    // Frees the records of the range with the graphic objects they own.
    void FreeCellProperties(int ACol1, int ARow1, int ACol2, int ARow2);
    void FreeAllCellProperties();

    // ---- cell objects (the cell's own record; merged cells are not followed)
    uintptr_t GetObjectEx(int c, int r) const;
    TObject* GetGraphicObjectEx(int c, int r) const;
    TObject* GraphicObjectOf(const TCellProperties* Props) const { return Props->FGraphicObject; }
    void SetObjectEx(int c, int r, uintptr_t Value);
    // An Owned graphic object is the grid's from then on: it is freed with the cell's record and
    // goes with the record wherever the cell moves. Any other stays whoever set it. Setting
    // another object (or none) hands an owned one back to the caller unfreed.
    void SetGraphicObjectEx(int c, int r, TObject* Value, bool Owned = false);
    bool OwnsGraphicObject(int c, int r) const;

    // ---- merged cells
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    TPoint BaseCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    // True with the cell itself for a cell without record or a base cell; false with the base
    // cell for the other cells of a range.
    bool ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    // The extra columns and rows of the cell's range; (0, 0) outside ranges.
    TPoint CellSpan(int ACol, int ARow) const;
    // The distance from the cell to the far corner of its range.
    TPoint CellExt(int ACol, int ARow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    // The cell's range in cell coordinates, both corners included.
    TRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;

    // ---- geometry
    // The cell's rectangle from the sizes alone, valid out of view.
    TRect CalcCellRect(int ACol, int ARow) const;
    // A merged range as a whole, also out of view.
    TRect CellRect(int c, int r) const override;
    TPoint CellSize(int c, int r) const;
    void RepaintCell(int c, int r);

    // ---- painting
    // A whole cell on any canvas.
    void PaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    // Background and lines only, in the rectangle given.
    void PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    // The cell painter: background, lines and, when Draw, the content in the cell's whole range.
    void DrawCellEx(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Draw);
    int FixedColsWidth() const;
    int FixedRowsHeight() const;
    // Merged fixed cells in view, repainted whole after a scroll.
    void RepaintFixedColMerges();
    void RepaintFixedRowMerges();
    // Puts the current cell on the base cell of its range.
    void MoveToBaseCell();

    // Deleting a row or column frees the records of its cells first.
    void DeleteColumn(int ACol) override;
    void DeleteRow(int ARow) override;

    // ---- properties
    bool DefaultDrawing() const override { return FDefaultDrawing; }
    // Stored only: the grid paints its cells itself.
    void SetDefaultDrawing(bool Value) override;
    int GridLineWidth() const override { return FGridLineWidth; }
    // The grid draws its lines itself, so the platform's lines stay at 0.
    void SetGridLineWidth(int Value) override;
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor Value);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor Value);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    // The linked undo component; linking also points its Grid at this grid.
    TExGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TExGridUndoRedo* Value);

    // Word wrap given to new cell records.
    bool WordWrap = true;
    bool HoverRow = false;
    THoverRowCells HoverRowCells{hcNormal, hcSelected};
    TColor HoverRowColor = clInfoBk;
    TColor HoverRowColorTo = clNone;

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // ---- operations a descendant supplies
    // Cells painted as fixed outside the fixed rows and columns.
    virtual bool IsFixed(int ACol, int ARow) { return false; }
    virtual int GetRowIndent(int ARow) { return 0; }
    virtual bool HasNodes() { return false; }
    // Everything inside the cell after background and lines; the base centres the text on one line.
    virtual void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    // A write into the hidden last row.
    virtual void LastRowChanged() {}
    virtual void GetDisplText(int ACol, int ARow, QString& Value);
    virtual void GetDisplWideText(int ACol, int ARow, QString& Value);
    // The visuals a new cell record starts from.
    virtual void GetDefaultVisualProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                            TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                            TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    // Called with the base cell after SetCellEx wrote a cell that has a record.
    virtual void UpdateAutoRangeScrollBar(int ACol, int ARow) {}
    virtual bool HasCellBorderEvent() { return false; }
    virtual bool UsesVCLStyles() { return false; }
    // The visuals of a cell for painting; the base leaves every value as it is.
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                                     TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                     TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                     TCellGradientDirection& GD) {}
    // The display index of a real column.
    virtual int DisplColIndex(int ACol) { return ACol; }
    // ColCount plus the hidden columns.
    virtual int TotalColCount() const { return ColCount(); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;

    // Set by the floating footer while it shows the last row as footer.
    bool FHideLastRow = false;
    // Rows at or beyond it bypass the display-text hooks.
    int FNormalRowCount = 0;
    // Number of the current paint pass.
    int FPaintID = 1;
    // The row under the mouse.
    int FHoverRowIdx = -1;
    bool FShowSel = true;
    // Set by the first record made; freeing is skipped while it is false.
    bool FHasCellProps = false;
    // Up per MergeCells, down per SplitCells, whether or not cells changed.
    int FMergeCount = 0;

    // Frees a record taken out of its cell (one a hidden row holds), with the graphic it owns.
    static void FreeDetachedCellProperties(TCellProperties* Props);

    // While set, graphic objects are no longer hung on cells. Descendants set it first thing in
    // their destructors; the base sets it in its own.
    bool FDestroying = false;

private:
    friend class TCellProperties;

    // The cell's record, nullptr when it has none or lies outside the grid.
    TCellProperties* record(int c, int r) const;
    TCellProperties* recordInSlot(int c, int r) const;
    TCellProperties* makeRecord(int c, int r);
    void freeRecord(int c, int r, bool withGraphic);
    // Frees the records of the stored cells of rows r1..r2 and columns c1..c2.
    void freeRecords(int c1, int r1, int c2, int r2);
    // Writes a text into an empty cell around setting something on its record, so that the
    // hooks of SetCellEx see the cell in use.
    template <class F>
    void withBlankText(int c, int r, F&& set);
    // The record of the base cell of the cell's range; nullptr outside ranges.
    const TCellProperties* rangeBase(int c, int r) const;
    // The far corner of the cell's range.
    TPoint farCell(int c, int r) const;
    template <class T>
    void setAndInvalidate(T& field, T Value);
    // Background of a cell: selection bar or gradient.
    void paintBackground(TCanvas& ACanvas, int ACol, TRect ARect, TGridDrawState AState, TColor ColorTo,
                         TColor MirrorColor, TColor MirrorColorTo, TCellGradientDirection GD);
    void paintLines(TCanvas& ACanvas, int ACol, const TRect& ARect, TGridDrawState AState, TColor Background);
    // Puts the cursor on the far (down) or near (up) row of its range before a wheel step.
    void stepOutOfRange(bool down);
    // RepaintCell of every merged cell in columns c1..c2 and rows r1..r2.
    void repaintMerges(int c1, int r1, int c2, int r2);

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    TExGridUndoRedo* FUndoRedo = nullptr;
};
