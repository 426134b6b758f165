// Keys, wheel, mouse and focus of the platform's string grid.
#include "platform/controls/string_grid.h"

#include "platform/controls/inplace_edit.h"
#include "platform/controls/string_grid_p.h"

#include <algorithm>

void TStringGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (!Key) return;
    const bool ctrl = Shift & ssCtrl;
    const TGridAxis &cols = d->Cols, &rows = d->Rows;
    const int lastCol = cols.Count - 1, lastRow = rows.Count - 1;
    TGridCoord to = d->Current;
    // The nearest shown index from i on in direction step; the current one when there is none.
    auto shown = [](const TGridAxis& axis, int i, int step, int current) {
        const int found = axis.Shown(i, step, axis.Fixed, axis.Count - 1);
        return found >= 0 ? found : current;
    };
    switch (Key) {
    case VK_LEFT: to.X = shown(cols, to.X - 1, -1, to.X); break;
    case VK_RIGHT: to.X = shown(cols, to.X + 1, 1, to.X); break;
    case VK_UP: to.Y = shown(rows, to.Y - 1, -1, to.Y); break;
    case VK_DOWN: to.Y = shown(rows, to.Y + 1, 1, to.Y); break;
    case VK_HOME:
        to.X = shown(cols, cols.Fixed, 1, to.X);
        if (ctrl) to.Y = shown(rows, rows.Fixed, 1, to.Y);
        break;
    case VK_END:
        to.X = shown(cols, lastCol, -1, to.X);
        if (ctrl) to.Y = shown(rows, lastRow, -1, to.Y);
        break;
    case VK_F2:
        SetEditorMode(true);
        return;
    case VK_RETURN:
        // Enter switches editing on, or off again when the editor is open.
        if (!(d->Options & goEditing) || (d->Options & goAlwaysShowEditor)) return;
        SetEditorMode(!(d->Editor && d->Editor->Visible()));
        Key = 0;
        return;
    case VK_NEXT:
    case VK_PRIOR: {
        const int step = Key == VK_NEXT ? VisibleRowCount() : -VisibleRowCount();
        setTopLeft(cols.First, rows.First + step);
        to.Y = std::clamp(to.Y + step, rows.Fixed, lastRow);
        to.Y = shown(rows, to.Y, step > 0 ? 1 : -1, to.Y);
        break;
    }
    default: return;
    }
    to.X = std::clamp(to.X, cols.Fixed, lastCol);
    to.Y = std::clamp(to.Y, rows.Fixed, lastRow);
    const bool keepAnchor = (Shift & ssShift) && (d->Options & goRangeSelect);
    if (to != d->Current) MoveColRow(to.X, to.Y, !keepAnchor, true);
}

void TStringGrid::WndProc(TMessage& m) {
    if (m.Msg == WM_MOUSEWHEEL) {
        const int delta = HiWordSigned(static_cast<intptr_t>(m.WParam));
        const TShiftState shift = MouseShiftState(m.WParam & 0xFFFF);
        const TPoint pos{LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
        bool handled = false;
        if (delta < 0) handled = DoMouseWheelDown(shift, pos);
        else if (delta > 0) handled = DoMouseWheelUp(shift, pos);
        m.Result = handled ? 1 : 0;
        return;
    }
    // The window's own bars report with lParam 0; a bar control placed in the grid names itself.
    if ((m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL) && m.LParam == 0) {
        ScrollMessage(m.Msg == WM_VSCROLL, static_cast<uint16_t>(m.WParam & 0xFFFF), static_cast<int>((m.WParam >> 16) & 0xFFFF));
        m.Result = 0;
        return;
    }
    if (m.Msg == WM_CHAR) {
        WndProcChar(m);
        return;
    }
    TCustomControl::WndProc(m);
}

bool TStringGrid::DoMouseWheelDown(TShiftState, TPoint) {
    const int to = d->Rows.Shown(d->Current.Y + 1, 1, d->Rows.Fixed, d->Rows.Count - 1);
    if (to >= 0) MoveColRow(d->Current.X, to, true, true);
    return true;
}

bool TStringGrid::DoMouseWheelUp(TShiftState, TPoint) {
    const int to = d->Rows.Shown(d->Current.Y - 1, -1, d->Rows.Fixed, d->Rows.Count - 1);
    if (to >= 0) MoveColRow(d->Current.X, to, true, true);
    return true;
}

int TStringGrid::sizingLineAt(bool columns, int pixel) const {
    const TAxisLayout layout = columns ? colLayout() : rowLayout();
    int found = -1;
    layout.ForEachInView([&](int i, int start) {
        const int lineStart = start + layout.Axis.Size(i);
        if (pixel >= lineStart - 2 && pixel <= lineStart + layout.Line + 1) found = i;
        return found < 0;
    });
    return found;
}

// Columns are sized and moved from the fixed rows, rows from the fixed columns.
bool TStringGrid::grabbedFrom(bool columns, TGridCoord cell) const {
    return columns ? cell.Y >= 0 && cell.Y < d->Rows.Fixed : cell.X >= 0 && cell.X < d->Cols.Fixed;
}

TGridState TStringGrid::SizingStateAt(int X, int Y) {
    const TGridCoord cell = MouseCoord(X, Y);
    for (const bool columns : {true, false}) {
        if (!grabbedFrom(columns, cell) || !(d->Options & (columns ? goColSizing : goRowSizing))) continue;
        if (sizingLineAt(columns, columns ? X : Y) < 0) continue;
        TGridState state = columns ? gsColSizing : gsRowSizing;
        CalcSizingState(X, Y, state);
        return state;
    }
    return gsNormal;
}

bool TStringGrid::startSizingOrMoving(int X, int Y) {
    const TGridCoord cell = MouseCoord(X, Y);
    if (const TGridState state = SizingStateAt(X, Y); state != gsNormal) {
        const bool columns = state == gsColSizing;
        const int i = sizingLineAt(columns, columns ? X : Y);
        d->State = state;
        d->DragIndex = i;
        d->DragStart = (columns ? colLayout() : rowLayout()).Position(i);
        return true;
    }
    for (const bool columns : {true, false}) {
        const int i = columns ? cell.X : cell.Y;
        const int fixed = columns ? d->Cols.Fixed : d->Rows.Fixed;
        if (!grabbedFrom(columns, cell) || i < fixed || !(d->Options & (columns ? goColMoving : goRowMoving))) continue;
        d->State = columns ? gsColMoving : gsRowMoving;
        d->DragIndex = i;
        return true;
    }
    return false;
}

void TStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && startSizingOrMoving(X, Y)) {
        if (CanFocus()) SetFocus();
    } else if (Button == mbLeft) {
        if (CanFocus()) SetFocus();
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= d->Cols.Fixed && cell.Y >= d->Rows.Fixed) {
            if (cell == d->Current && !(Shift & ssShift)) {
                // A press on the cell that is already current leaves it current (no new
                // SelectCell) and opens its editor.
                if (d->Anchor != d->Current) {
                    InvalidateGridRect(Selection());
                    d->Anchor = d->Current;
                }
                if (d->Options & goEditing) ShowEditor();
            } else {
                const bool extend = (Shift & ssShift) && (d->Options & goRangeSelect);
                MoveColRow(cell.X, cell.Y, !extend, true);
            }
            if ((d->Options & goRangeSelect) && d->State == gsNormal) d->State = gsSelecting;
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (d->State == gsColSizing && d->DragStart >= 0) SetColWidths(d->DragIndex, std::max(0, X - d->DragStart));
    if (d->State == gsRowSizing && d->DragStart >= 0) SetRowHeights(d->DragIndex, std::max(0, Y - d->DragStart));
    if (d->State == gsSelecting && (Shift & ssLeft)) {
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= d->Cols.Fixed && cell.Y >= d->Rows.Fixed && cell != d->Current)
            MoveColRow(cell.X, cell.Y, false, true);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const TGridCoord cell = MouseCoord(X, Y);
    const TGridState state = d->State;
    const int from = d->DragIndex;
    if (state != gsNormal && state != gsEditing) d->State = gsNormal;
    d->DragIndex = -1;
    if (state == gsColMoving && cell.X >= d->Cols.Fixed && cell.X != from) MoveColumn(from, cell.X);
    if (state == gsRowMoving && cell.Y >= d->Rows.Fixed && cell.Y != from) MoveRow(from, cell.Y);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TStringGrid::Click() {
    if (d->State == gsColSizing || d->State == gsRowSizing) return;
    TCustomControl::Click();
}

// The focus changes how the current cell and the selection look.
void TStringGrid::invalidateFocusCells() {
    InvalidateGridRect(Selection());
    InvalidateCell(d->Current.X, d->Current.Y);
}

void TStringGrid::DoEnter() {
    invalidateFocusCells();
    TCustomControl::DoEnter();
}

void TStringGrid::DoExit() {
    invalidateFocusCells();
    TCustomControl::DoExit();
}
