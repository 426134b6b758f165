// What a printed cell holds beyond plain text: its background, decoration, turned text and
// rich text, and the title of markup lines.
#include "grid/foundation/codings.h"
#include "grid/foundation/color_routines.h"
#include "grid/foundation/html_renderer.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/cell_painter.h"
#include "grid/stringgrid/paint/rotated_text.h"
#include "grid/stringgrid/print/print_engine.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/device_caps.h"
#include "platform/graphics/graphic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TextTypeHTML = 1;

bool checkKind(TCellType type) {
    switch (type) {
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctTriStateCheckBox:
    case ctRadioButton: return true;
    default: return false;
    }
}

// The decorations a print shows; buttons, ratings, shapes and the like stay on the screen.
bool printedKind(TCellType type) {
    switch (type) {
    case ctBitmap: case ctIcon: case ctImageList: case ctDataImage: case ctImages: case ctPicture: case ctFilePicture:
    case ctNode: case ctRadio: case ctProgress: case ctXPProgress: case ctProgressPie: case ctInterface: return true;
    default: return checkKind(type);
    }
}

}  // namespace

void TGridPrintEngine::fillBackground(int c, int r, TRect rect, const Looks& looks) {
    TPen pen;
    const TCellBorders sides = lineSides(c, r, pen);
    const int inset = 2 * std::max(1, pen.Width);
    if (!sides.Contains(cbLeft)) rect.Left += inset;
    if (!sides.Contains(cbTop)) rect.Top -= inset;
    const TColor brush = looks.brush == clNone ? clWhite : looks.brush;
    canvas.Brush.Style = bsSolid;
    // The page's y grows upwards: the gradient colour lies at the bottom, as on the screen.
    if (looks.colorTo != clNone) {
        GradientFillRect(canvas, looks.colorTo, brush, 64, offset(rect), false);
    } else {
        canvas.Brush.Color = brush;
        canvas.FillRect(offset(rect));
    }
    canvas.Brush.Color = brush;
}

// The screen painter draws the decoration alone, on the cell's background, into a bitmap of its
// screen size; the bitmap is stretched to the printed size where the alignments put it, and the
// text keeps clear of it.
void TGridPrintEngine::printGraphic(int c, int r, TRect rect, const Looks& looks, TRect& textRect, QString& text) {
    const int rc = g.RealColIndex(c);
    const TCellGraphic* graphic = g.CellGraphics(rc, r);
    if (!graphic || !printedKind(graphic->CellType)) return;
    const TCellType type = graphic->CellType;
    TPoint size;
    g.GetCellGraphicPrintSize(rc, r, g.ColWidths(c), g.RowHeights(r), size, 1.0);
    // Beside text an image-list image measures no width of its own; printed it keeps its width.
    const TImageList* images = g.GetGridImages();
    if ((type == ctImageList || type == ctDataImage) && images) size.X = std::max(size.X, images->Width);
    if (size.X <= 0 || size.Y <= 0) return;

    const int pixel = std::max(1, static_cast<int>(std::lround(screenFactor_)));
    int w = static_cast<int>(size.X * screenFactor_), h = static_cast<int>(size.Y * screenFactor_);
    const int cellW = rect.Right - rect.Left, cellH = rect.Top - rect.Bottom;
    TCellHAlign ha = graphic->CellHAlign;
    TCellVAlign va = graphic->CellVAlign;
    if (checkKind(type) && text.isEmpty()) {
        ha = looks.HA == taRightJustify ? haRight : looks.HA == taCenter ? haCenter : haLeft;
        va = looks.VA == vtaBottom ? vaBottom : looks.VA == vtaCenter ? vaCenter : vaTop;
    }
    if (type == ctRadio) text.clear();

    int left = rect.Left + pixel;
    switch (ha) {
    case haLeft: case haBeforeText: textRect.Left = left + w; break;
    case haRight: case haAfterText:
        left = rect.Right - w - pixel;
        textRect.Right = left;
        break;
    case haCenter: left = rect.Left + (cellW - w) / 2; break;
    case haFull:
        left = rect.Left;
        w = cellW;
        break;
    }
    int top = rect.Top - pixel;
    switch (va) {
    case vaTop: break;
    case vaAboveText: textRect.Top = top - h; break;
    case vaBottom: top = rect.Bottom + h + pixel; break;
    case vaUnderText:
        top = rect.Bottom + h;
        textRect.Bottom = top;
        break;
    case vaCenter: top = rect.Top - (cellH - h) / 2; break;
    case vaFull:
        top = rect.Top;
        h = cellH;
        break;
    }

    const TRect room{0, 0, size.X + 2, size.Y + 2};
    TBitmap picture(room.Right, room.Bottom);
    TCanvas& pc = picture.Canvas();
    pc.Brush.Color = looks.brush == clNone ? clWhite : looks.brush;
    pc.Brush.Style = bsSolid;
    pc.FillRect(room);
    pc.Font.Assign(g.Font());
    TCellPainter(g, pc, c, r, room, 0).PaintDecoration(room);
    canvas.StretchDraw(offset({left - pixel, top + pixel, left + w + pixel, top - h - pixel}), picture);
}

// One line turned about the origin the screen's rule gives, clipped to the cell.
void TGridPrintEngine::drawRotatedText(const QString& text, TRect rect, const Looks& looks, int angle) {
    // The origin rule measures downwards from the top; the page's y grows upwards.
    const TRect down{rect.Left, -rect.Top, rect.Right, -rect.Bottom};
    const TPoint origin = RotatedTextOrigin(canvas, down, angle, looks.VA, looks.HA, text);
    const int kept = canvas.Font.Orientation();
    canvas.Font.SetOrientation(10 * angle);
    canvas.Brush.Style = bsClear;
    canvas.TextRect(offset(rect), origin.X + ox_, -origin.Y + oy_, text);
    canvas.Brush.Style = bsSolid;
    canvas.Font.SetOrientation(kept);
}

// Rich text is laid out by the grid's rich-text painter in device pixels.
void TGridPrintEngine::drawRichText(int c, int r, TRect rect) {
    const TRect device = canvas.LPtoDP(offset(rect));
    canvas.SetMapMode(MM_TEXT);
    g.DrawRichTextCell(c, r, device, canvas);
    canvas.SetMapMode(MM_LOMETRIC);
}

void TGridPrintEngine::measureHTMLTitle() {
    htmlTitle_.clear();
    htmlTitleHeight_ = 0;
    if (!ps.TitleText.isEmpty() || ps.Title == ppNone || ps.TitleLines->Count() == 0) return;
    const QString joined = ps.TitleLines->ToStringList().join(QString());
    if (TextType(joined, true) != TextTypeHTML) return;
    htmlTitle_ = joined;
    useFont(ps.HeaderFont);
    const int height = canvas.Font.Height();
    const double perUnitY = DevicePixelsPerInchY(canvas) / 254.0;
    const TRect device = canvas.LPtoDP(TRect{ps.LeftSize, 0, W_, B_});
    canvas.SetMapMode(MM_TEXT);
    canvas.Font.SetHeight(static_cast<int>(std::lround(height * perUnitY)));
    THTMLDrawOptions options = g.HTMLDrawOptions();
    options.MeasureOnly = true;
    THTMLDrawResults results;
    DrawHTMLText(canvas, htmlTitle_, device, options, results);
    canvas.SetMapMode(MM_LOMETRIC);
    htmlTitleHeight_ = static_cast<int>(std::lround(results.TotalHeight / perUnitY));
    useFont(ps.Font);
}

// Under the line of header texts at a top position, above the line of footer texts at a bottom
// one, the width of the page from the left margin.
void TGridPrintEngine::drawHTMLTitle() {
    if (htmlTitle_.isEmpty() || ps.Title == ppNone) return;
    const int top = IsTopPosition(ps.Title) ? -ps.HeaderSize - headerText_ - yOffset_
                                    : B_ + footerText_ + yOffset_ + ps.FooterSize + htmlTitleHeight_;
    useFont(ps.HeaderFont);
    const int height = canvas.Font.Height();
    const TRect device = canvas.LPtoDP(offset(TRect{ps.LeftSize, top, W_, top - htmlTitleHeight_}));
    canvas.SetMapMode(MM_TEXT);
    canvas.Font.SetHeight(static_cast<int>(std::lround(height * DevicePixelsPerInchY(canvas) / 254.0)));
    THTMLDrawOptions options = g.HTMLDrawOptions();
    THTMLDrawResults results;
    canvas.Brush.Style = bsClear;
    DrawHTMLText(canvas, htmlTitle_, device, options, results);
    canvas.Brush.Style = bsSolid;
    canvas.SetMapMode(MM_LOMETRIC);
    canvas.Font.SetHeight(height);
}
