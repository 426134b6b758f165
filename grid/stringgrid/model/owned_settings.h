#pragma once

// The settings objects the string grid owns besides the grid suite's option records. Each holds
// what the grid reads of it so far; the Parts that use a setting complete its object. A change
// that needs a repaint or a new layout fires OnChange, which the grid answers.

#include "grid/stringgrid/model/string_grid_events.h"
#include "grid/stringgrid/model/string_grid_types.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/graphics/graphic.h"

#include <memory>

class TExStringGrid;

// Balloon tool-tips on cells.
class TBalloonSettings : public TObject {
public:
    // Copies the colours, the delays and Enable (without its event); not Transparency.
    void Assign(const TBalloonSettings& Source);

    bool Enable() const { return FEnable; }
    // Stores the value and fires OnEnableChange.
    void SetEnable(bool Value);

    TColor BackgroundColor = clNone;
    TColor TextColor = clNone;
    int ReshowDelay = -1;
    int InitialDelay = -1;
    int AutoHideDelay = -1;
    uint8_t Transparency = 0;
    TNotifyEvent OnEnableChange;

private:
    bool FEnable = false;
};

// The mark of rows with edited cells.
class TShowModified : public TObject {
public:
    void Assign(const TShowModified& Source);

    TColor Color() const { return FColor; }
    // Fires OnChange.
    void SetColor(TColor Value);

    bool Enabled = false;
    TNotifyEvent OnChange;

private:
    TColor FColor = clYellow;
};

// The look of the filter drop-down list.
class TFilterDropDown : public TObject {
public:
    // Copies everything but AutoSize.
    void Assign(const TFilterDropDown& Source);

    // The filter button's glyph of a column without and with a condition; empty draws the
    // built-in one. Setting copies and fires OnChange.
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& Value);
    const TBitmap& GlyphActive() const { return FGlyphActive; }
    void SetGlyphActive(const TBitmap& Value);

    TColor Color = clWindow;
    TFont Font;
    // Sized to the widest entry.
    bool AutoSize = false;
    // As wide as the column.
    bool ColumnWidth = false;
    int Width = 150;
    int Height = 150;
    TNotifyEvent OnChange;

private:
    TBitmap FGlyph;
    TBitmap FGlyphActive;
};

// Sort options and the sort state as a short text. The plain fields are read and written as
// they stand; the setters below do what a change needs (repaint, checks).
enum TSortBlankPosition { blFirst, blLast };
enum TIndexSortKey { ikShift, ikCtrl };

class TSortSettings : public TObject {
public:
    explicit TSortSettings(TExStringGrid* AOwner);
    ~TSortSettings() override;
    // Copies every option but IgnoreCase and SortOnVirtualCells.
    void Assign(const TSortSettings& Source);

    // "u3" / "d3" for a sort on column 3, "i;u2;d0" for an index list with IndexShow.
    void SaveToString(QString& Value) const;
    // Takes the state of a saved text and sorts by it; nothing for an empty text. Raises
    // "Invalid sort settings specifier" for a text of one character.
    void LoadFromString(const QString& Value);
    // No sort column and no index list.
    void Remove();
    void ToggleDirection();

    // Repaints the grid when the value changes.
    void SetShow(bool Value);
    // Raises "Sort row should be smaller than number of fixed rows" and keeps the old value.
    void SetRow(int Value);
    // The sorted column's header; a change repaints the last fixed row.
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value);
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value);
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value);
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value);
    // The header glyphs; setting copies the bitmap.
    TBitmap& UpGlyph() const { return *FSortUpGlyph; }
    void SetUpGlyph(const TBitmap& Value) { FSortUpGlyph->Assign(Value); }
    TBitmap& DownGlyph() const { return *FSortDownGlyph; }
    void SetDownGlyph(const TBitmap& Value) { FSortDownGlyph->Assign(Value); }
    TBitmap& IndexUpGlyph() const { return *FIndexUpGlyph; }
    void SetIndexUpGlyph(const TBitmap& Value) { FIndexUpGlyph->Assign(Value); }
    TBitmap& IndexDownGlyph() const { return *FIndexDownGlyph; }
    void SetIndexDownGlyph(const TBitmap& Value) { FIndexDownGlyph->Assign(Value); }

    bool Show = false;
    bool IndexShow = false;
    // Ties on a column are broken by the columns to its right (by the next index entries).
    bool Full = true;
    // Only the sort column's cells move.
    bool SingleColumn = false;
    // Blank cells go where BlankPos says, whatever the direction.
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    // Columns start from automatic detection of their sort style.
    bool AutoFormat = true;
    TSortDirection Direction = sdAscending;
    // With fixed columns the texts of column 0 stay in place.
    bool NormalCellsOnly = false;
    bool FixedCols = false;
    int Column = -1;
    int Row = 0;
    bool AutoColumnMerge = false;
    TColor IndexColor = clYellow;
    TSortDirection InitSortDirection = sdAscending;
    bool UndoSort = false;
    bool AutoSortForGrouping = true;
    // Compare the display texts rather than the stored ones.
    bool SortOnVirtualCells = true;
    bool IgnoreCase = false;
    TIndexSortKey IndexSortKey = ikShift;

private:
    void setHeader(TColor& Field, TColor Value);

    TExStringGrid* FOwner;
    std::unique_ptr<TBitmap> FSortUpGlyph, FSortDownGlyph, FIndexUpGlyph, FIndexDownGlyph;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
};

// Grouping options.
class TGrouping : public TObject {
public:
    void Assign(const TGrouping& Source);

    bool Summary = false;
    bool MergeHeader = false;
    bool ShowGroupCount = false;
    // Lines under header rows and over summary rows, in every column but the first.
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlue;
    int HeaderLineWidth = 2;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlue;
    int SummaryLineWidth = 2;
    // Checking a node checks its children; the children's states set the node's three-state box.
    bool AutoCheckGroup = false;
    // The looks of header and summary rows (clNone: not applied), the merged summary row, the
    // format of the member count and selecting a group's rows by clicking its header.
    bool MergeSummary = false;
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    TColor SummaryColor = clNone;
    TColor SummaryColorTo = clNone;
    TColor SummaryTextColor = clNone;
    QString GroupCountFormat;
    bool AutoSelectGroup = false;
};

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// The footer under the grid's cells: the grid's last row with per-column calculations, or a
// preview of the current row. The fields read as the properties; the setters apply a change
// to the grid and its footer panel (grid/stringgrid/filter/).
class TFloatingFooter : public TObject {
public:
    explicit TFloatingFooter(TExStringGrid* AOwner) : FOwner(AOwner) {}
    // Copies CalculateHiddenRows, Color, Column, CustomTemplate, FooterStyle, Visible and ShowHint.
    void Assign(const TFloatingFooter& Source);

    // A value above 0 sizes the panel to it less one pixel.
    void SetHeight(int Value);
    void SetVisible(bool Value);
    void SetColor(TColor Value);
    void SetFooterStyle(TFooterStyle Value);
    void SetColumn(int Value);
    void SetCustomTemplate(const QString& Value);
    void SetShowHint(bool Value);
    void SetBorderColor(TColor Value);
    // The calc type of column c's footer cell; setting it recalculates the column's footer.
    TColumnCalcType GetColumnCalc(int c) const;
    void SetColumnCalc(int c, TColumnCalcType Value);
    // Repaints the panel.
    void Invalidate();

    bool Visible = false;
    int Height = 22;
    TColor Color = clBtnFace;
    TFooterStyle FooterStyle = fsFixedLastRow;
    int Column = 0;
    // The text of custom footer cells when the grid's OnFooterCalc is not set.
    TCalcFooterEvent OnCalcFooter;
    // "<#n>" stands for the display text of column n of the current row.
    QString CustomTemplate;
    bool CalculateHiddenRows = true;
    bool EnableCalculation = true;
    bool ShowHint = false;
    // A line along the top of the footer; clNone draws none.
    TColor BorderColor = clNone;

private:
    TExStringGrid* FOwner;
};
