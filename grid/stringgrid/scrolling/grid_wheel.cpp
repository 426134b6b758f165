// The mouse wheel, Ctrl + wheel zoom and panning with the middle button.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/input/grid_cursors.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/keyboard.h"
#include "platform/controls/mouse.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cmath>

namespace {
// The message the parent may answer to take the wheel itself.
constexpr uint32_t CM_PARENTWHEEL = 0xB043;
constexpr uintptr_t PanTimerID = 999;
constexpr unsigned PanTimerInterval = 10;
constexpr int panDeadZone = 5;

// Rows a notch moves: the system's setting, a page when the system says so.
int wheelLines(const TExStringGrid& grid) {
    const int lines = Mouse.WheelScrollLines();
    return lines < 0 ? grid.VisibleRowCount() : lines;
}
}  // namespace

void TExStringGrid::WheelStep(TMessage& m) {
    const int delta = HiWordSigned(static_cast<intptr_t>(m.WParam));
    const bool down = delta < 0;
    const TShiftState shift = MouseShiftState(m.WParam & 0xFFFF);
    const int wheelscrl = wheelLines(*this);
    if (IntelliZoom && (shift & ssCtrl)) {
        Zoom(down ? wheelscrl : -wheelscrl);
        AutoSizeCells(true, 4, 4);
        m.Result = 1;
        return;
    }
    m.Result = 0;
    if (!EnableWheel || (FixedRowAlways && RowCount() == 1)) return;
    TMouseActions& mouse = MouseActions();
    const bool moveSelection = mouse.WheelAction() == waMoveSelection;
    int n = mouse.WheelIncrement > 0 ? mouse.WheelIncrement : wheelscrl;
    const TGridRect oldSelection = Selection();
    int target = Row();
    if (!moveSelection) {
        if (down) {
            if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + n >= FixedRows()) SetTopRow(TopRow() + n);
        } else {
            if (TopRow() - n < FixedRows()) n = TopRow() - FixedRows();
            if (TopRow() > FixedRows() && TopRow() - n >= FixedRows()) SetTopRow(TopRow() - n);
        }
    } else {
        target = down ? Row() + n : Row() - n;
    }
    // Footers are never entered.
    target = std::clamp(target, FixedRows(), std::max(FixedRows(), RowCount() - FixedFooters() - 1));
    if (Col() < FixedCols() || Col() >= ColCount()) {
        if (Row() >= RowCount()) MoveColRow(ColCount() - 1, RowCount() - 1, true, false);
        SetCol(std::clamp(Col(), FixedCols(), ColCount() - 1));
    }
    int moved = 0;
    if (target >= 0 && target < RowCount()) {
        const int leftCol = LeftCol();
        StartUpdate();
        if (mouse.DisjunctRowSelect() && moveSelection) ClearRowSelect();
        moved = target - Row();
        if (moveSelection) {
            SetRow(target);
            if (Row() != target) {
                // A refused move: try half way, halves to the even neighbour.
                SetRow(Row() + static_cast<int>(std::nearbyint((target - Row()) / 2.0)));
                if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
            }
        }
        if ((Options() & goRowSelect) && Navigation().KeepHorizScroll) SetLeftCol(leftCol);
        ResetUpdate();
        Invalidate();
    }
    bool handled = true;
    WheelScroll(moved, handled);
    if ((mouse.WheelIncrement != 0 || mouse.DisjunctRowSelect()) && handled) {
        m.Result = 1;
        const TPoint pos{LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
        TShiftState keys = shift;
        if (mouse.DisjunctRowSelect()) {
            keys = 0;
            if (GetKeyState(VK_SHIFT) < 0) keys |= ssShift;
            if (GetKeyState(VK_CONTROL) < 0) keys |= ssCtrl;
            if (GetKeyState(VK_MENU) < 0) keys |= ssAlt;
        }
        if (down) OnMouseWheelDown(this, keys, pos, handled);
        else OnMouseWheelUp(this, keys, pos, handled);
    }
    const TGridRect now = Selection();
    if (now != oldSelection) DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

bool TExStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (MouseActions().WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        OnMouseWheelDown(this, Shift, MousePos, handled);
        return handled;
    }
    return BaseWheelStep(true, Shift, MousePos);
}

bool TExStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (MouseActions().WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        OnMouseWheelUp(this, Shift, MousePos, handled);
        return handled;
    }
    // Outside the grid there is nothing to step from.
    if (Row() >= RowCount() || Col() >= ColCount()) return true;
    return BaseWheelStep(false, Shift, MousePos);
}

bool TExStringGrid::BaseWheelStep(bool Down, TShiftState Shift, TPoint MousePos) {
    TMouseActions& mouse = MouseActions();
    const bool directEdit = mouse.DirectEdit;
    mouse.DirectEdit = false;
    const bool editing = p->EditMode;
    const int leftCol = LeftCol();
    const bool handled = Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos) : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    if ((Options() & goRowSelect) && Navigation().KeepHorizScroll) SetLeftCol(leftCol);
    else if (editing && CanFocus()) SetFocus();
    mouse.DirectEdit = directEdit;
    return handled;
}

void TExStringGrid::Zoom(int X) {
    if (ZoomFactor + X < -10 || ZoomFactor + X > 10) return;
    p->FScrollLock = true;
    ZoomFactor += X;
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0 && ColWidths(c) + X > 0) SetColWidths(c, ColWidths(c) + X);
    for (int r = 0; r < RowCount(); ++r)
        if (RowHeights(r) > 0 && RowHeights(r) + X > 0) SetRowHeights(r, RowHeights(r) + X);
    p->FScrollLock = false;
    if (ScrollProportional) {
        UpdateVScrollProportional();
        UpdateHScrollProportional();
    }
    Invalidate();
}

// ---- panning

void TExStringGrid::PaintPanOrigin(TCanvas& canvas) {
    // A cross of the allowed directions in the 32-pixel square at the pan origin.
    const TPoint o = p->wheelpanpos;
    canvas.Pen.Color = clBlack;
    if (IntelliPan != ipHorizontal) {
        canvas.MoveTo(o.X + 16, o.Y + 4);
        canvas.LineTo(o.X + 16, o.Y + 28);
    }
    if (IntelliPan != ipVertical) {
        canvas.MoveTo(o.X + 4, o.Y + 16);
        canvas.LineTo(o.X + 28, o.Y + 16);
    }
}

void TExStringGrid::InvalidatePanOrigin() {
    const TPoint o = p->wheelpanpos;
    InvalidateRect({o.X, o.Y, o.X + 32, o.Y + 32});
}

void TExStringGrid::StopPanning() {
    SetMouseCapture(false);
    KillTimer(this, PanTimerID);
    SetGridCursor(p->prevcurs);
    ShowHint = true;
    p->wheelpan = false;
    InvalidatePanOrigin();
}

void TExStringGrid::PanStep() {
    if (IntelliPan == ipNone) return;
    const TPoint at = p->wheelpancursor, o = p->wheelpanpos;
    int v = at.Y < o.Y - panDeadZone ? -1 : at.Y > o.Y + panDeadZone ? 1 : 0;
    int h = at.X > o.X + panDeadZone ? 1 : at.X < o.X - panDeadZone ? -1 : 0;
    if (IntelliPan == ipHorizontal) v = 0;
    if (IntelliPan == ipVertical) h = 0;
    static constexpr TCursor byDirection[3][3] = {
        {crPanUpLeft, crPanUp, crPanUpRight}, {crPanLeft, crPanOrigin, crPanRight}, {crPanDownLeft, crPanDown, crPanDownRight}};
    const TGridRect oldSelection = Selection();
    const int lastRow = std::max(FixedRows(), RowCount() - FixedFooters() - 1);
    const int lastCol = std::max(FixedCols(), ColCount() - FixedRightCols() - 1);
    if (Row() < FixedRows() || Row() > lastRow || Col() < FixedCols() || Col() > lastCol)
        MoveColRow(std::clamp(Col(), FixedCols(), lastCol), std::clamp(Row(), FixedRows(), lastRow), true, false);
    if (MouseActions().WheelAction() == waScroll) {
        if (h && LeftCol() + h >= FixedCols() && LeftCol() + h <= ColCount() - VisibleColCount()) {
            InvalidatePanOrigin();
            SetLeftCol(LeftCol() + h);
        }
        if (v && TopRow() + v >= FixedRows() && TopRow() + v <= RowCount() - VisibleRowCount()) {
            InvalidatePanOrigin();
            SetTopRow(TopRow() + v);
        }
    } else {
        int c = Col(), r = Row();
        if (h < 0 && c > FixedCols()) c -= 1;
        if (h > 0 && c < ColCount() - FixedRightCols() - 1) c += 1;
        if (v < 0 && r > FixedRows()) r -= 1;
        if (v > 0 && r < RowCount() - FixedFooters() - 1) r += 1;
        if (c != Col() || r != Row()) {
            const int top = TopRow(), left = LeftCol();
            MoveColRow(c, r, true, true);
            if (top != TopRow() || left != LeftCol()) InvalidatePanOrigin();
        }
    }
    SetGridCursor(byDirection[v + 1][h + 1]);
    InvalidatePanOrigin();
    const TGridRect now = Selection();
    if (now != oldSelection) DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

// Middle button, and what ends panning. False when the message is not about panning.
bool TExStringGrid::PanMessage(TMessage& m) {
    if (m.Msg == WM_TIMER && m.WParam == PanTimerID) {
        if (p->wheelpan) PanStep();
        return true;
    }
    if (p->wheelpan) {
        if (m.Msg == WM_MOUSEMOVE) p->wheelpancursor = {LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
        if (m.Msg == WM_MBUTTONDOWN || m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_KEYDOWN) {
            StopPanning();
            return true;
        }
        return false;
    }
    if (m.Msg == WM_MBUTTONDOWN && IntelliPan != ipNone && RowCount() > FixedRows()) {
        p->prevcurs = Cursor();
        SetGridCursor(crPanOrigin);
        p->wheelpan = true;
        p->wheelpanpos = p->wheelpancursor = {LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
        SetTimer(this, PanTimerID, PanTimerInterval);
        // The pointer may leave the grid while panning; its moves still steer the pan.
        SetMouseCapture(true);
        ShowHint = false;
        InvalidatePanOrigin();
        return true;
    }
    return false;
}
