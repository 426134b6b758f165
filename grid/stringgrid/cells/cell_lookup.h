#pragma once

class TCellGraphic;
class TExStringGrid;

// The decoration record of a cell by real column and real row; a hidden row holds it among its
// held cells. nullptr without one.
TCellGraphic* GraphicByRealRow(TExStringGrid& Grid, int ACol, int ARow);
// Whether the cell's text is shown as a graphic (data check boxes and data images), so printing
// leaves the text out.
bool IsDataGraphicCell(TExStringGrid& Grid, int ACol, int ARow);
// The tree level of a display row; 0 when its first cell has no record.
int NodeLevelOf(const TExStringGrid& Grid, int ARow);
