// A click on a radio group drawn in a cell chooses the option under the pointer.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/core/string_list.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

void TExStringGrid::RadioGroupClick(int ACol, int ARow, int OffsetX, int OffsetY) {
    TCanvas& canvas = Canvas();
    const int displCol = RealToDisplCol(ACol);
    GetCellColor(displCol, ARow, 0, canvas.Brush, canvas.Font);
    const TPoint base = BaseCell(ACol, ARow);
    const int col = base.X, row = base.Y, baseDispl = RealToDisplCol(col);
    TCellGraphic* graphic = GetCellGraphic(col, row);
    const TStringList* options = graphic ? graphic->Held<TStringList>() : nullptr;
    if (!graphic || graphic->CellType != ctRadio) return;
    if (!IsFixed(baseDispl, row)) FocusCell(baseDispl, row);
    if (!options || options->Count() == 0) return;

    const TControlLook& look = *p->ControlLook;
    const int button = look.ControlStyle >= csWinXP ? 16 : look.RadioSize;
    const bool acrossRow = graphic->CellBoolean;
    const int offset = acrossRow ? OffsetX : OffsetY;
    int start = 0, chosen = -1;
    for (int i = 0; i < options->Count(); ++i) {
        const int span = acrossRow ? canvas.TextWidth(options->Strings(i)) + button
                                   : std::max(button, canvas.TextHeight(QStringLiteral("gh")));
        if (offset > start && offset < start + span) {
            chosen = i;
            break;
        }
        start += span;
    }
    if (chosen < 0) return;
    // A group bound to an index keeps its text; otherwise the option's text is the cell's value.
    if (graphic->CellIndex != -1) graphic->CellIndex = chosen;
    else SetCellEx(col, row, options->Strings(chosen));
    SetCellEx(col, row, GetCellEx(col, row));
    SetRadioIdx(col, row, chosen);
    OnRadioClick(this, baseDispl, row, chosen);
}
