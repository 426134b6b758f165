#pragma once

// The settings objects the string grid owns besides the grid suite's option records. Each holds
// what the grid reads of it so far; the Parts that use a setting complete its object. A change
// that needs a repaint or a new layout fires OnChange, which the grid answers.

#include "grid/stringgrid/model/string_grid_events.h"
#include "grid/stringgrid/model/string_grid_types.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/graphics/graphic.h"

class TExStringGrid;

// Balloon tool-tips on cells.
class TBalloonSettings : public TObject {
public:
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

// Sort options.
class TSortSettings : public TObject {
public:
    explicit TSortSettings(TExStringGrid* AOwner) : FOwner(AOwner) {}
    void Assign(const TSortSettings& Source);

    bool Show = false;
    bool IndexShow = false;
    bool AutoColumnMerge = false;
    int Column = -1;
    int Row = 0;
    TSortDirection Direction = sdAscending;
    // Grouping sorts on the grouped column first.
    bool AutoSortForGrouping = true;

private:
    TExStringGrid* FOwner;
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
