#pragma once

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/model/string_grid_streaming.h"
#include "platform/core/component.h"
#include "platform/core/string_list.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/system/conversions.h"

#include <QString>

class TEditLink;
class TExColumnGrid;
class TGridColumnCollection;
class TPopupMenu;

// Which clicks open a column's popup menu: on the header rows, the other rows or any row.
enum TColumnPopupType {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
    cpAllCellsLClick,
};

// The definition of one column of a column grid: how its cells look, print, sort and edit.
// Item i of the grid's collection describes real column i. An item made inside a grid's
// collection starts from the grid's colour and font and tells the collection of its visual
// changes; one made without a collection keeps the plain defaults and tells nobody.
//
// Values whose write only stores are plain fields; the others go through their setters.
class TGridColumnItem : public TObject {
public:
    explicit TGridColumnItem(TGridColumnCollection* Collection);
    ~TGridColumnItem() override;

    TGridColumnCollection* Collection() const { return FCollection; }
    // The place in the collection, -1 without one.
    int Index() const;
    // "Col 3: Price" with a name, "Column 3" without.
    QString GetDisplayName() const;

    // Plain copies of the definition (no write effects); another source is ignored. The popup
    // type and the two print-custom flags stay the target's own.
    void Assign(const TObject& Source);
    // Like Assign, but colour and font come from the grid, and combo items, drop-down count,
    // header font, header, name and tag stay the target's own.
    void AssignVisuals(const TObject& Source);

    // ---- values with effects
    // Reads the grid's width of the column (0 without a grid); writing sizes the grid's column.
    int Width() const;
    void SetWidth(int Value);
    const QString& Header() const { return FHeader; }
    // Writes row 0 of the column too when the grid has a header row, and rebuilds the grid's
    // column header list.
    void SetHeader(const QString& Value);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    TFont& HeaderFont() { return FHeaderFont; }
    const TFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value);
    TFont& PrintFont() { return FPrintFont; }
    const TFont& PrintFont() const { return FPrintFont; }
    void SetPrintFont(const TFont& Value) { FPrintFont.Assign(Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    const TPen& BorderPen() const { return FBorderPen; }
    void SetBorderPen(const TPen& Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    const QString& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const QString& Value);
    TEditorType Editor() const { return FEditor; }
    // Repaints only when a data check-box column comes or goes: other editors look alike.
    void SetEditor(TEditorType Value);
    TStringList& ComboItems() { return FComboItems; }
    const TStringList& ComboItems() const { return FComboItems; }
    void SetComboItems(const TStringList& Value) { FComboItems.Assign(Value); }
    // Filter entries "name=condition" offered by the column's filter drop-down.
    TStringList& Filter() { return FFilter; }
    const TStringList& Filter() const { return FFilter; }
    void SetFilter(const TStringList& Value) { FFilter.Assign(Value); }

    // ---- values that only store
    int AutoMinSize = 0;
    int AutoMaxSize = 0;
    QString CheckFalse = QStringLiteral("N");
    QString CheckTrue = QStringLiteral("Y");
    TPopupMenu* ColumnPopup = nullptr;
    TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
    int DropDownCount = 8;
    // 0: no limit.
    int EditLength = 0;
    TEditLink* EditLink = nullptr;
    QString EditMask;
    bool FilterCaseSensitive = false;
    // Bounds of user sizing; 0 leaves that side open.
    int MinSize = 0;
    int MaxSize = 0;
    QString Name;
    bool PrintBorderCustom = true;
    TCellBorders PrintBorders{cbTop, cbLeft, cbRight, cbBottom};
    TPen PrintBorderPen;
    TColor PrintColor = clWhite;
    bool PrintFontCustom = true;
    bool ReadOnly = false;
    TSortStyle SortStyle = ssAutomatic;
    QString SortPrefix;
    QString SortSuffix;
    int SpinMax = 0;
    int SpinMin = 0;
    int SpinStep = 1;
    int Tag = 0;
    // The column's place in the designed order, kept for restoring column orders.
    int DefIdx = 0;

    // The width last recorded from the grid; stands in for Width where the grid is not asked.
    int StoredWidth() const { return FWidth; }
    void SetStoredWidth(int Value) { FWidth = Value; }
    // Writes the header text without touching the grid (the grid's own header list changed).
    void StoreHeader(const QString& Value) { FHeader = Value; }

    // ---- the column's cells through the grid (the item's index as the column)
    QString Rows(int ARow) const;
    void SetRows(int ARow, const QString& Value);
    double Floats(int ARow) const;
    void SetFloats(int ARow, double Value);
    int Ints(int ARow) const;
    void SetInts(int ARow, int Value);
    TDateTime Dates(int ARow) const;
    void SetDates(int ARow, TDateTime Value);
    TDateTime Times(int ARow) const;
    void SetTimes(int ARow, TDateTime Value);

private:
    TExColumnGrid* grid() const;
    // Tells the collection of a change that may alter the grid's columns or headers.
    void changed();
    void repaintGrid() const;
    template <class T>
    void setAndNotify(T& field, T Value);
    void copyShared(const TGridColumnItem& Source);

    TGridColumnCollection* FCollection;
    int FWidth = 50;
    QString FHeader;
    TFont FFont;
    TFont FHeaderFont;
    TFont FPrintFont;
    TColor FColor = clWindow;
    bool FShowBands = false;
    bool FFixed = false;
    bool FPassword = false;
    TCellBorders FBorders;
    TPen FBorderPen{clSilver, 1, psSolid};
    TAlignment FAlignment = taLeftJustify;
    TAlignment FHeaderAlignment = taLeftJustify;
    QString FFloatFormat;
    TEditorType FEditor = edNormal;
    TStringList FComboItems;
    TStringList FFilter;
};

// The definition as a form description holds it: the published values in their order, those
// equal to their declared default left out (strings when empty, the print-custom flags when
// true; every other ordinal value is always written).
TFormProperties WriteColumnItemProperties(const TGridColumnItem& Item);
// Writes the listed values through their properties; an unknown name raises an Exception
// naming it, a value of the wrong shape one naming the property.
void ReadColumnItemProperties(TGridColumnItem& Item, const TFormProperties& Properties);
