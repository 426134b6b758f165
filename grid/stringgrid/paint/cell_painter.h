#pragma once

#include "grid/stringgrid/model/ex_string_grid_p.h"

// Paints one cell's content on top of the base grid's background and lines: fixed-cell looks,
// the row indicator and modified mark, always-visible buttons, background pictures, the
// selection rectangle, the text (plain or markup, wrapped, cut with an ellipsis, URLs), borders,
// look edges, decorations, the user draw events and the focus rectangle. Made for one call and
// thrown away.
class TCellPainter {
public:
    TCellPainter(TExStringGrid& Grid, TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
    void Paint();
    // Only the cell's decoration, filling Room: printing draws it so into a bitmap of the
    // decoration's size and stretches that onto the page.
    void PaintDecoration(TRect Room);

private:
    void drawFixedBackground();
    void drawCellText(TRect TR);
    void drawMarkupText(const QString& Text, TRect TR);
    void drawPlainText(QString Text, TRect TR);
    void drawErrorMarker(const QString& Text, TRect TR, unsigned Flags);
    void drawCellBorders();
    void drawLookEdges();
    void drawFocusRect();
    void fireDrawCell();
    bool drawHoveredHeader();
    void drawListViewHeader();
    void unselectOutsideDisjunctSelection();
    // Marks and buttons around the text (cell_painter_marks.cpp).
    int drawRowIndicator();
    void drawModifiedMark();
    void drawAlwaysVisibleButtons();
    void drawRightFixedLines();
    uint8_t buttonStyle() const;
    // Sorting and filtering marks of header cells (cell_sort_filter_marks.cpp).
    bool isSortHeaderCell() const;
    bool sortIndicatorShown() const;
    int sortIndicatorY() const;
    bool drawSortedHeaderBackground();
    void drawPlainSortIndicator(const QString& Text, unsigned Flags);
    bool filterGlyphWanted();
    void drawFilterGlyph();
    // What lies under the text (cell_background_picture.cpp).
    void drawBackgroundPicture(TRect TR);
    void drawBackgroundTiled(TRect R);
    void drawBackgroundGradient(TRect R);
    void drawSelectionRectangle(TRect TR);
    // Decorations (cell_decorations.cpp).
    void takeGraphicExtent();
    void drawCellGraphic();
    void drawGraphicKind(TRect Outer, TRect R, TRect P);
    IGridCellInterface* interfacedCell() const;
    TRect placeGraphic(TRect R) const;
    void drawProgress(const TCellGraphic& Graphic, TRect R);
    void drawClassicProgress(const TCellGraphic& Graphic, TRect R);
    bool drawThemedProgress(double Value, TRect R);
    void drawImage(const TCellGraphic& Graphic, TRect P);
    void drawRating(const TCellGraphic& Graphic, TRect P);
    void drawRotatedText(const TCellGraphic& Graphic, TRect R);
    void drawButton(TCellGraphic& Graphic, TRect P);
    TRect placeCheckKind(const TCellGraphic& Graphic, TRect R, int Size) const;
    void drawCheckKind(const TCellGraphic& Graphic, TRect R);
    void drawRadioGroup(TRect R, int Count, int CheckedIndex, bool Horizontal, bool Disabled,
                        const TStringList* Options, bool Selected);
    // Node rows (cell_node_glyph.cpp).
    void drawNodeGlyph(const TCellGraphic& Graphic, TRect R);
    void drawTreeLines(TRect R, int Indent);
    void drawRowTreeLines();
    // A cell's own scroll bar (cell_scroll_bar.cpp).
    void drawCellScrollBar();
    void drawNodeBox(bool Collapsed, int L, TRect R);
    TColor nodeBackground() const;

    TExStringGrid& g;
    TExStringGridPrivate& d;
    TCanvas& canvas;
    const int ACol, ARow;
    const TRect ARect;
    TGridDrawState AState;
    TRect Rect;
    int RealCol;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW;
    TCellGradientDirection GD = GradientVertical;
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TColor SavedBrush = clNone, SavedFontColor = clNone;
    // Anchors and URLs: the grid's colour, the selection text colour on selected cells.
    TColor urlColor = clBlue;
    bool FixedLook;
    // The filter button of the filter row is drawn at the right of the cell.
    bool FilterGlyph = false;
    TCellGraphic* Graphic = nullptr;
    // False for decorations that replace the cell's text.
    bool TextToo = true;
    // The decoration's extent.
    int GW = 0, GH = 0;
    // Width of the drawn text plus 2; 0 while no text is drawn.
    int TextWidth = 0;
    // The cell's own scroll bar is shown: the text is clipped to the cell and moved up by
    // ScrollPos.
    bool ScrollBarShown = false;
    int ScrollPos = 0;
};
