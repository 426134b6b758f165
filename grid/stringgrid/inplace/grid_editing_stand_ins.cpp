// The least answer of the Tab key that the in-place editors call, until the grid's keyboard
// handling gives it its whole behaviour and takes its place.
#include "grid/stringgrid/inplace/edit_link.h"
#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/inplace/grid_check_box_editor.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/inplace/grid_spin.h"
#include "grid/stringgrid/inplace/typing_filter.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

bool TExStringGrid::TabNavigate(bool Backward) {
    const int c = Col(), r = Row();
    AdvanceCell(c, r, false, false, !Backward, false, true);
    return c != Col() || r != Row();
}
