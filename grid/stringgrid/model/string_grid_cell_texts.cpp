// Views of a cell's text by real column and display row: without markup, as lines, as wide text.
#include "grid/foundation/html_text.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

QString TExStringGrid::StrippedCells(int i, int j) { return HTMLToPlainText(GetCellEx(i, j)); }

int TExStringGrid::LinesInCell(int i, int j) { return static_cast<int>(GetCellEx(i, j).count(QLatin1Char('\r'))) + 1; }
