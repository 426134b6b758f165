#pragma once

// The settings of the grid's data exchange: printing, HTML export, OLE drag and drop and
// scrolling while dragging. The exchange code completes them.

#include "grid/foundation/grid_lists.h"
#include "platform/core/component.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

class TPrintSettings : public TObject {
public:
    explicit TPrintSettings(TComponent* AOwner) {}
    void Assign(const TPrintSettings& Source);

    QString Title;
    bool UseDisplayFont = true;
    TFont Font;
    TFont FixedFont;
};

// How the grid writes its cells as HTML.
class THTMLSettings : public TObject {
public:
    THTMLSettings() = default;
    THTMLSettings(const THTMLSettings&) = delete;
    THTMLSettings& operator=(const THTMLSettings&) = delete;
    void Assign(const THTMLSettings& Source);

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

class TDragDropSettings : public TObject {
public:
    explicit TDragDropSettings(TComponent* AOwner) {}
    void Assign(const TDragDropSettings& Source);

    bool OleAcceptText = true;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    bool OleDropTarget = false;
    bool OleDropSource = false;
    bool OleEntireRows = false;
    // While dragging or moving, a picture of the cells follows the mouse; off: a header button.
    bool ShowCells = true;
};

// Scrolling while something is dragged near the grid's edges.
class TDragScrollOptions : public TObject {
public:
    void Assign(const TDragScrollOptions& Source);

    bool Active = false;
    int InitialDelay = 1000;
    int RepeatDelay = 250;
    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};
