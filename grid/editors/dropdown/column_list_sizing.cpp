#include "grid/editors/dropdown/column_list_sizing.h"

#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"

#include <cmath>

int FitHeightToRows(int Height, int Extra, int RowHeight, int Margin) {
    if (RowHeight <= 0) return Height;
    return Extra + (Height - Extra) / RowHeight * RowHeight + Margin;
}

std::vector<int> ProportionalWidths(const std::vector<int>& Widths, int Available) {
    double total = 1;
    for (int w : Widths) total += w;
    const double f = Available / total;
    double carry = 0;
    std::vector<int> result;
    result.reserve(Widths.size());
    for (int w : Widths) {
        const double exact = w * f + carry;
        const int r = static_cast<int>(std::nearbyint(w * f));
        carry = exact - r;
        if (carry > 1.0) {
            result.push_back(r + 1);
            carry -= 1.0;
        } else {
            result.push_back(r);
        }
    }
    return result;
}

int ColumnWidthForItems(TCanvas& Canvas, const TDropDownColumns& Columns, int Index, const TDropDownItems& Items,
                        int Rows, const TImageList* Images) {
    const TDropDownColumn& column = Columns[static_cast<size_t>(Index)];
    Canvas.Font.Assign(column.Font);
    int img = -1, max = 0;
    for (int r = 0; r < Rows && r < Items.Count(); ++r) {
        const TDropDownItem& item = Items[static_cast<size_t>(r)];
        const QString text = item.Line(Index);
        // An item without the line keeps the image of the one before.
        if (column.ColumnType == ctImage && item.HasLine(Index)) img = item.ImageIndex;
        int w = img >= 0 && Images ? Images->Width + 4 : 0;
        if (!text.isEmpty()) {
            TRect r0{0, 0, 1000, 500};
            Canvas.DrawText(text, r0, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            w += r0.Width() + 6;
        }
        max = std::max(max, w);
    }
    return max;
}

bool AnyWordwrap(const TDropDownColumns& Columns) {
    for (const TDropDownColumn& column : Columns)
        if (column.Wordwrap) return true;
    return false;
}

int RowHeightForWordWrap(TCanvas& Canvas, const TDropDownColumns& Columns, const TDropDownItem& Item,
                         const std::function<int(int)>& ColWidth, const TImageList* Images) {
    int h = 24;
    for (int c = 0; c < Columns.Count(); ++c) {
        const TDropDownColumn& column = Columns[static_cast<size_t>(c)];
        if (!column.Wordwrap) continue;
        const QString text = Item.Line(c);
        const int img = column.ColumnType == ctImage ? Item.ImageIndex : -1;
        int b = img >= 0 && Images ? Images->Height + 6 : 0;
        if (!text.isEmpty()) {
            Canvas.Font.Assign(column.Font);
            TRect r{0, 0, ColWidth(c), 500};
            Canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            b = std::max(b, r.Height() + 6);
        }
        h = std::max(h, b);
    }
    return h;
}
