#pragma once

#include "grid/columngrid/grid_column_collection.h"
#include "grid/stringgrid/model/ex_string_grid.h"

#include <memory>

class TCellGraphic;
class TStream;

using TColumnPopupEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMoved = TEvent<void(TObject* Sender, int FromIndex, int ToIndex)>;

// The string grid driven by column definitions: every cell's look, print look, alignment,
// editor, limits, combo items, check texts and editability come from the definition of its
// column (Columns, item i for real column i, hidden columns included) before the string grid's
// own answer and events, so an event handler still has the last word. The items follow the
// columns through count changes, insertions, removals, moves and grouping.
//
// Cell classes of the answers: an inner cell lies at or beyond the fixed columns and rows; a
// data cell is an inner cell outside the fixed right columns and the footer rows; a header
// cell lies in a fixed row. Columns at or beyond the number of items get no definition.
class TExColumnGrid : public TExStringGrid {
public:
    explicit TExColumnGrid(TComponent* AOwner);
    ~TExColumnGrid() override;

    TGridColumnCollection& Columns() const { return *FColumns; }
    // Copies the given definitions.
    void SetColumns(const TGridColumnCollection& Value);
    // The first item whose Name is AValue (case counts); nullptr when none.
    TGridColumnItem* GetColumnByName(const QString& AValue) const;

    // The definitions alone, as one column-grid object with its Items; a stream that holds
    // something else raises an Exception and leaves the definitions as they were.
    void SaveColumnsToStream(TStream& Stream);
    void LoadColumnsFromStream(TStream& Stream);

    // The name of the chosen filter entry becomes the column header.
    bool AutoFilterDisplay = false;
    TColumnPopupEvent OnColumnPopup;
    // After a column move, with real column indexes.
    TAfterColumnMoved OnAfterColumnMoved;

    // ---- life cycle and counts
    void Loaded() override;
    void SetColCount(int Value) override;
    // Matches the number of items to the columns, hidden ones included.
    void SyncColumns();
    // The item header texts into ColumnHeaders (row 0 fills empty headers first).
    void UpdateColumnHeaders();
    // Font sizes of the items follow a change of the screen's scale M / D.
    void ChangeScale(int M, int D) override;

    // ---- column positions: with ColumnSize's Location clIniFile, the DefIdx of every item as
    // "CP" + i in the INI file Key, section Section; else as the string grid keeps them.
    void SaveColPositions() override;
    void LoadColPositions() override;
    void SaveColumnPositions(const QString& Key, const QString& Section);
    // Stored positions that are not each place once leave the order as it is.
    void LoadColumnPositions(const QString& Key, const QString& Section);
    // True while a column move shifts the items.
    bool IsColumnMoving() const { return FColumnMoving; }

    int GetVersionNr() override;
    QString GetVersionString() override;

    // ---- per-cell answers
    void GetDefaultVisualProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) override;
    QString GetFormattedCell(int ACol, int ARow) override;
    QString GetColumnFloatFormat(int ACol, int ARow) override;
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    void UpdateColumnSize(int ACol, int& AWidth) override;
    void UpdateAutoColumnSize(int ACol, int& AWidth) override;
    void ColumnHeadersChanged() override;
    void AllCellsChanged() override;
    void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) override;
    void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) override;
    void GetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) override;
    void GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetColumnFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) override;
    void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
    void IsFixedCell(int ACol, int ARow, bool& IsFixed) override;
    void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
    void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool HasComboBox(int ACol, int ARow) override;
    void GetCheckTrue(int ACol, int ARow, QString& Value) override;
    void GetCheckFalse(int ACol, int ARow, QString& Value) override;
    bool GetFilterValues(int ACol) override;
    bool HasFilterValues(int ACol) override;
    // A column with filter entries of its own applies the chosen entry (and with
    // AutoFilterDisplay shows its name as the header); other columns take the string grid's way.
    void FilterDropDownSelect(TObject* Sender, int ItemIndex) override;
    // The edit length of the current column's definition; 0: no limit.
    int GetEditLimit() override;
    // The mask of real column ACol (the text editor asks with the real column), unless the
    // string grid has one of its own.
    QString GetEditMask(int ACol, int ARow) override;

    // ---- structure
    void RemoveCols(int ColIndex, int CCount) override;
    void InsertCols(int ColIndex, int CCount) override;
    void Group(int ColIndex) override;
    void UnGroup() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void ColWidthsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // An item for the column; nullptr beyond the items.
    TGridColumnItem* itemOf(int ACol) const;

private:
    bool isInner(int ACol, int ARow) const;
    bool isData(int ACol, int ARow) const;
    // SyncColumns with the collection's own change handling off.
    void syncQuietly();
    void clampWidth(int Min, int Max, int& AWidth) const;

    std::unique_ptr<TGridColumnCollection> FColumns;
    // The definition of the column taken out by grouping.
    std::unique_ptr<TGridColumnItem> FSpareColumn;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    bool FColumnMoving = false;
    // Set while the string grid itself shifts columns for an insertion or removal: the items
    // follow afterwards, in one step.
    bool FRearranging = false;
};

// The object a column grid streams its definitions as: Items alone. Made for a column grid;
// any other owner raises EInvalidCast.
class TExColumnGridIO : public TComponent {
public:
    explicit TExColumnGridIO(TComponent* AOwner);
    ~TExColumnGridIO() override;
    TGridColumnCollection& Items() const { return *FItems; }

private:
    std::unique_ptr<TGridColumnCollection> FItems;
};

class EInvalidCast : public Exception {
public:
    using Exception::Exception;
};
