#pragma once

#include "grid/editors/dropdown/dropdown_columns.h"

#include <functional>
#include <vector>

class TCanvas;
class TImageList;

// Sizes of a list with columns: the pop-up's height in whole rows, column widths stretched to
// a width, and widths and heights that the items' texts and images need.

// Height cut to Extra plus whole rows of RowHeight, plus Margin.
int FitHeightToRows(int Height, int Extra, int RowHeight, int Margin);

// Widths in proportion to Widths over Available pixels (Available / (1 + their sum) each):
// rounded to the nearest (halves to even), with the rounding carried on so that a pixel is
// added once the carry passes a whole one.
std::vector<int> ProportionalWidths(const std::vector<int>& Widths, int Available);

// The width column Index needs for the first Rows items: each text on one line plus 6, and
// the image's width plus 4 in an image column; 0 for none.
int ColumnWidthForItems(TCanvas& Canvas, const TDropDownColumns& Columns, int Index, const TDropDownItems& Items,
                        int Rows, const TImageList* Images);

// The height an item's row needs for its wrapped texts (plus 6) and images (their height plus
// 6) in the columns with Wordwrap, at least 24; ColWidth gives a column's width.
int RowHeightForWordWrap(TCanvas& Canvas, const TDropDownColumns& Columns, const TDropDownItem& Item,
                         const std::function<int(int)>& ColWidth, const TImageList* Images);
bool AnyWordwrap(const TDropDownColumns& Columns);
