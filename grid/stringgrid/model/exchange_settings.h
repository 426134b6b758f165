#pragma once

// The settings of the grid's data exchange: printing, HTML export, OLE drag and drop and
// scrolling while dragging. The exchange code completes them.

#include "grid/foundation/grid_lists.h"
#include "platform/core/component.h"
#include "platform/core/string_list.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/printer.h"

#include <QString>
#include <memory>

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
    pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical, pbAroundHorizontal, pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

// How the grid prints. Lengths are in tenths of a millimetre, the unit of the print mapping.
class TPrintSettings : public TObject {
public:
    explicit TPrintSettings(TComponent* AOwner);
    // Every setting but FixedCellsAlways; fonts and title lines by content.
    void Assign(const TPrintSettings& Source);
    // Raises "Invalid class typecast" for anything but print settings.
    void Assign(const TObject& Source);
    void SetFont(const TFont& Value) { Font.Assign(Value); }
    void SetFixedFont(const TFont& Value) { FixedFont.Assign(Value); }
    void SetHeaderFont(const TFont& Value) { HeaderFont.Assign(Value); }
    void SetFooterFont(const TFont& Value) { FooterFont.Assign(Value); }
    void SetTitleLines(const TStringList& Value) { TitleLines->Assign(Value); }

    int FooterSize = 0;
    // Also the header text's distance from the top edge.
    int HeaderSize = 0;
    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    QString DateFormat = QStringLiteral("dd/mm/yyyy");
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    // One title line; when empty, TitleLines (several lines, or one HTML title).
    QString TitleText;
    std::unique_ptr<TStringList> TitleLines;
    TFont Font;
    TFont FixedFont;
    TFont HeaderFont;
    TFont FooterFont;
    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    TColor BorderColor = clBlack;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    // Left margin when not Centered, and x of the left header and footer texts.
    int LeftSize = 0;
    int RightSize = 0;
    // Added to the fixed gap of 20 between columns.
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    // Between the header area and the first row.
    int TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    QString PagePrefix;
    QString PageSuffix;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    int FixedWidth = 0;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    QString JobName;
    QString PageNumSep = QStringLiteral("/");
    // Columns keep their screen widths, word-wrapped cells wrap inside them.
    bool NoAutoSize = false;
    bool NoAutoSizeRow = false;
    bool PrintGraphics = false;
    // Cells print with the grid's own fonts rather than Font and FixedFont.
    bool UseDisplayFont = true;
    bool UseDefaultOrientation = false;
    // Fixed rows and columns print also when only the selected ones are printed.
    bool FixedCellsAlways = false;
};

// How the grid writes its cells as HTML.
class THTMLSettings : public TObject {
public:
    THTMLSettings() = default;
    THTMLSettings(const THTMLSettings&) = delete;
    THTMLSettings& operator=(const THTMLSettings&) = delete;
    // Everything but ExportImages and ColWidths.
    void Assign(const THTMLSettings& Source);
    // Any source but HTML settings is ignored.
    void Assign(const TObject& Source);

    bool AutoPreview = false;
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    bool ConvertSpecialChars = false;
    bool ExportImages = true;
    QString FooterFile;
    QString HeaderFile;
    bool NonBreakingText = false;
    QString PrefixTag;
    bool SaveColor = true;
    bool SaveFonts = true;
    QString SuffixTag;
    QString Summary;
    QString TableStyle;
    int Width = 100;
    bool XHTML = false;
    // Pixel widths of the first columns.
    TIntList ColWidths{0, 0};
};

class TExStringGrid;

// How the grid takes part in the desktop's drag and drop. Switching OleDropTarget on registers
// the grid's window as drop target (off revokes it); OleDropRTF switches rich text on for every
// grid (the drag-and-drop unit's own switch).
class TDragDropSettings : public TObject {
public:
    explicit TDragDropSettings(TComponent* AOwner);
    // All fifteen values, without the setters' effects.
    void Assign(const TDragDropSettings& Source);

    bool OleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool Value);
    bool OleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool Value);
    // The grid was loaded: the registered target takes the accept options.
    void Loaded();

    // While dragging or moving, a picture of the cells follows the mouse; off: a header button.
    bool ShowCells = true;
    bool OleAcceptFiles = true;
    // Text and rich text.
    bool OleAcceptText = true;
    bool OleAcceptURLs = true;
    // With OleEntireRows, a drop below the last row appends rows.
    bool OleAppendRows = false;
    // Columns can be dragged by their header.
    bool OleColumnDragDrop = false;
    // A column dropped on the grid's own header moves there.
    bool OleColumnReorder = false;
    // Only header (column) drags start.
    bool OleColumnsOnly = false;
    // A drag from the grid never removes the source cells.
    bool OleCopyAlways = false;
    bool OleDropSource = false;
    // Drags and drops work on whole rows.
    bool OleEntireRows = false;
    // Dropped text is inserted as new rows.
    bool OleInsertRows = false;
    // Rows moved away by a drag are removed from the source.
    bool OleRemoveRows = false;

private:
    TExStringGrid* FGrid;
    bool FOleDropTarget = false;
    bool FOleDropRTF = false;
};

// How long a drag waits near an edge before the grid scrolls, and between scrolls, in ms.
class TDragScrollDelays : public TObject {
public:
    void Assign(const TDragScrollDelays& Source);

    int InitialDelay = 1000;
    int RepeatDelay = 250;
};

// How near each edge, in pixels, a drag makes the grid scroll.
class TDragScrollMargins : public TObject {
public:
    void Assign(const TDragScrollMargins& Source);

    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

// Scrolling while something is dragged near the grid's edges.
class TDragScrollOptions : public TObject {
public:
    void Assign(const TDragScrollOptions& Source);

    bool Active = false;
    TDragScrollDelays Delays;
    TDragScrollMargins Margins;
};
