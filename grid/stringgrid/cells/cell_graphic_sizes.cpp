// The space a cell's decoration takes, on screen and printed, and what sorting compares of it.
#include "grid/foundation/color_routines.h"
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/image_list.h"
#include "platform/core/string_list.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <algorithm>

namespace {
bool besideText(const TCellGraphic& g) { return g.CellHAlign == haBeforeText || g.CellHAlign == haAfterText; }
bool overText(const TCellGraphic& g) { return g.CellVAlign == vaUnderText || g.CellVAlign == vaAboveText; }
int width(const TGraphic* graphic) { return graphic ? graphic->Width() : 0; }
int height(const TGraphic* graphic) { return graphic ? graphic->Height() : 0; }
}  // namespace

// The extent of the kinds whose size is the same on screen and printed, and of those whose
// screen size the printed one starts from.
TPoint TExStringGrid::decorationExtent(int ACol, int ARow, const TCellGraphic& g, int Margin) {
    const bool hasText = !GetCellEx(ACol, ARow).isEmpty();
    const int imageWidth = p->GridImages ? p->GridImages->Width : 0;
    const int imageHeight = p->GridImages ? p->GridImages->Height : 0;
    // A picture beside the text, or in a cell without text, takes its width; one over or under
    // the text, or without text, its height.
    const bool takesWidth = besideText(g) || !hasText;
    const bool takesHeight = overText(g) || !hasText;
    TCanvas& canvas = Canvas();
    switch (g.CellType) {
    case ctIcon: return {takesWidth ? width(g.CellIcon) : 0, height(g.CellIcon)};
    case ctBitmap: {
        const TBitmap* bitmap = g.Held<TBitmap>();
        return {takesWidth ? width(bitmap) : 0, takesHeight ? height(bitmap) : 0};
    }
    case ctImageList:
    case ctDataImage: return {takesWidth ? imageWidth : 0, takesHeight ? imageHeight : 0};
    case ctPicture:
    case ctFilePicture: {
        const TPoint cell = CellSize(ACol, ARow);
        return g.GetPictureSize(cell.X - XYOffset.X - 1, cell.Y - XYOffset.Y - Margin - 1, hasText);
    }
    case ctButton:
    case ctBitButton: {
        int w = g.CellIndex & 0xFFFF;
        int h = static_cast<int>(static_cast<uint32_t>(g.CellIndex) >> 16);
        if (hasText) {
            if (g.CellHAlign == haCenter) w = 0;
            else if (g.CellHAlign == haFull) w = canvas.TextWidth(g.CellText) + 4;
            if (overText(g)) w = 0;
            else h = 0;
        } else if (g.CellHAlign == haFull) {
            w = canvas.TextWidth(g.CellText) + 4;
        }
        return {w, h};
    }
    case ctInterface: {
        auto* cell = dynamic_cast<IGridCellInterface*>(g.Held<TInterfacedPersistent>());
        const TPoint own = cell ? TPoint{cell->GetExtentX(), cell->GetExtentY()} : TPoint{};
        return own.X == 0 || own.Y == 0 ? CellSize(ACol, ARow) : own;
    }
    case ctProgressPie: return {20, 20};
    case ctRadioButton: return {p->ControlLook->RadioSize, p->ControlLook->RadioSize};
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: return {p->ControlLook->CheckSize, p->ControlLook->CheckSize};
    case ctRadio: {
        const TStringList* options = g.Held<TStringList>();
        const int count = options ? options->Count() : 0;
        const int lineHeight = canvas.TextHeight(QStringLiteral("gh"));
        if (g.CellBoolean) {
            int w = 0;
            for (int i = 0; i < count; ++i) w += canvas.TextWidth(options->Strings(i)) + 12;
            return {w, lineHeight};
        }
        int w = 12;
        for (int i = 0; i < count; ++i) w = std::max(w, canvas.TextWidth(options->Strings(i)) + 12);
        return {w, std::max(16, lineHeight) * count};
    }
    case ctRating: return {g.CellAngle * 18, 16};
    case ctImages: {
        const TIntList* images = g.Held<TIntList>();
        const int count = images ? images->Count() : 0;
        return g.CellBoolean ? TPoint{count * imageWidth, imageHeight} : TPoint{imageWidth, count * imageHeight};
    }
    default: return {};
    }
}

TPoint TExStringGrid::GetCellGraphicSize(int ACol, int ARow) {
    TPoint size;
    GetCellGraphicSizeEx(ACol, ARow, size, 0);
    return size;
}

void TExStringGrid::GetCellGraphicSizeEx(int ACol, int ARow, TPoint& Size, int Margin) {
    Size = {};
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return;
    Size = decorationExtent(ACol, ARow, *g, Margin);
    const TPoint cell = CellSize(ACol, ARow);
    if (g->CellVAlign == vaFull) Size.Y = cell.Y;
    // A rating, and a button without text that shows its caption, keep their own width.
    const bool ownWidth = g->CellType == ctRating ||
                          ((g->CellType == ctButton || g->CellType == ctBitButton) &&
                           GetCellEx(ACol, ARow).isEmpty() && !g->CellText.isEmpty());
    if (g->CellHAlign == haFull && !ownWidth) Size.X = cell.X;
}

void TExStringGrid::GetCellGraphicPrintSize(int ACol, int ARow, int CW, int CH, TPoint& Size, double Scale) {
    Size = {};
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return;
    const int imageWidth = p->GridImages ? p->GridImages->Width : 0;
    const int imageHeight = p->GridImages ? p->GridImages->Height : 0;
    switch (g->CellType) {
    case ctBitmap: Size = {width(g->Held<TBitmap>()), height(g->Held<TBitmap>())}; break;
    case ctIcon: Size = {width(g->CellIcon), height(g->CellIcon)}; break;
    case ctImageList: Size = {decorationExtent(ACol, ARow, *g, 0).X, imageHeight}; break;
    case ctDataImage: Size = {imageWidth, imageHeight}; break;
    case ctNode: Size = {20, 20}; break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint fitted = g->GetPictureSize(CW, CH, !GetCellEx(ACol, ARow).isEmpty());
        const double scale = Scale > 0 ? Scale : 1;
        Size = {NearestInt(fitted.X / scale), NearestInt(fitted.Y / scale)};
        break;
    }
    case ctProgress:
    case ctXPProgress: Size = {ColWidths(DisplColIndex(ACol)), RowHeights(ARow)}; break;
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * XYOffset.Y;
        Size = {side, side};
        break;
    }
    case ctRating: break;
    case ctInterface: {
        // The object's own size; only a dimension it leaves at 0 comes from the cell.
        auto* cell = dynamic_cast<IGridCellInterface*>(g->Held<TInterfacedPersistent>());
        const TPoint own = cell ? TPoint{cell->GetExtentX(), cell->GetExtentY()} : TPoint{};
        const TPoint whole = CellSize(ACol, ARow);
        Size = {own.X ? own.X : whole.X, own.Y ? own.Y : whole.Y};
        break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
    case ctProgressPie:
    case ctButton:
    case ctBitButton:
    case ctRadio:
    case ctImages: Size = decorationExtent(ACol, ARow, *g, 0); break;
    default: break;
    }
}

intptr_t TExStringGrid::GetCellGraphicSortKey(int ACol, int ARow) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return -1;
    switch (g->CellType) {
    case ctBitmap: return reinterpret_cast<intptr_t>(g->Held<TBitmap>());
    case ctIcon: return reinterpret_cast<intptr_t>(g->CellIcon);
    case ctImageList: return g->CellIndex;
    default: return -1;
    }
}

TIntList* TExStringGrid::GetCellImages(int ACol, int ARow) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctImages ? g->Held<TIntList>() : nullptr;
}
