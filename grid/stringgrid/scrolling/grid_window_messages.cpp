// The grid's window messages of timer, paint, size and scrolling, the key-up handling and the
// placement of controls that live in cells.
#include "grid/foundation/grid_lists.h"
#include "grid/foundation/grid_options.h"
#include "grid/foundation/cell_properties.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

#include "platform/graphics/canvas.h"

#include <algorithm>
#include <functional>

namespace {
// The message the parent may answer to take the wheel itself.
constexpr uint32_t CM_PARENTWHEEL = 0xB043;
// Ticks of the grid timer after which the incremental search text is forgotten.
constexpr int searchTicks = 4;
}  // namespace

bool TExStringGrid::ScrollingMessage(TMessage& m) {
    if (PanMessage(m)) return true;
    switch (m.Msg) {
    case WM_MOUSEWHEEL:
        if (p->wheelpan) return false;
        if (Parent() && Parent()->Perform(CM_PARENTWHEEL, m.WParam, m.LParam) != 0) return false;
        WheelStep(m);
        return true;
    case WM_VSCROLL:
        if (p->FScrollBar && m.LParam == reinterpret_cast<intptr_t>(p->FScrollBar)) {
            cellScrollBarScrolled(m);
            return true;
        }
        if (m.LParam != 0) return false;
        WMVScroll(m);
        return true;
    case WM_HSCROLL:
        if (m.LParam != 0) return false;
        WMHScroll(m);
        return true;
    case WM_TIMER:
        if (static_cast<int>(m.WParam) != p->FGridTimerID) return false;
        WMTimer(m);
        return true;
    case WM_PAINT:
        WMPaint(m);
        return true;
    case WM_GETDLGCODE:
        WMGetDlgCode(m);
        return true;
    case WM_ERASEBKGND:
        // The paint covers the whole client area.
        m.Result = 0;
        return true;
    case WM_MOUSEMOVE:
        p->FTimerMousePos = {LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
        return false;
    case CM_MOUSELEAVE:
        p->FTimerMousePos = {-1, -1};
        return false;
    default: return false;
    }
}

// The keys the grid keeps from its form. Asked about one key (wParam), the answer holds only the
// flag that decides that key: Tab with goTabs stays in the grid; Enter and Escape are never kept
// from the form's default and cancel buttons.
void TExStringGrid::WMGetDlgCode(TMessage& m) {
    const TGridOptions options = Options();
    uintptr_t flags = DLGC_WANTARROWS;
    if ((options & goTabs) && !(options & goRowSelect)) flags |= DLGC_WANTTAB;
    if (options & goEditing) flags |= DLGC_WANTCHARS;
    // Every typed character reaches the grid for the incremental jump and to start an edit.
    if (p->Navigation->AutoGotoWhenSorted || !(options & goEditing)) flags |= DLGC_WANTCHARS;
    switch (m.WParam) {
    case VK_TAB: m.Result = static_cast<intptr_t>(flags & DLGC_WANTTAB); break;
    case VK_RETURN:
    case VK_ESCAPE: m.Result = static_cast<intptr_t>(flags & DLGC_WANTALLKEYS); break;
    default: m.Result = static_cast<intptr_t>(flags); break;
    }
}

void TExStringGrid::WMTimer(TMessage&) {
    ++p->FTimerTicks;
    if (Navigation().AutoGotoIncremental && ++p->SearchTics >= searchTicks) {
        IncrSearchText.clear();
        p->SearchTics = 0;
    }
    if (Hovering && p->FTimerMousePos.X >= 0) {
        const TGridCoord cell = MouseCoord(p->FTimerMousePos.X, p->FTimerMousePos.Y);
        if (cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.X < ColCount() && cell.Y < RowCount()) {
            if (CanFocus() && !Focused()) SetFocus();
            if (cell.Y != Row()) SetRow(cell.Y);
            if (cell.X != Col()) SetCol(cell.X);
        }
    }
    if (EnableBlink) {
        p->FGridBlink = !p->FGridBlink;
        auto blinking = [this](int c, int r) {
            if (c < ColCount() && r < RowCount() && Cells(c, r).contains(QStringLiteral("<BLI"), Qt::CaseInsensitive))
                RepaintCell(c, r);
        };
        const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
        const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
        for (int r = TopRow(); r <= lastRow; ++r)
            for (int c = LeftCol(); c <= lastCol; ++c) blinking(c, r);
        for (int r = 0; r < FixedRows(); ++r)
            for (int c = LeftCol(); c <= lastCol; ++c) blinking(c, r);
        for (int c = 0; c < FixedCols(); ++c)
            for (int r = TopRow(); r <= lastRow; ++r) blinking(c, r);
    }
}

void TExStringGrid::WMPaint(TMessage& m) {
    if (p->FUpdateCount >= 1) {
        m.Result = 0;
        return;
    }
    if (ScrollProportional) {
        UpdateVScrollProportional();
        UpdateHScrollProportional();
    }
    // Painting goes to an off-screen surface already in this platform; no second buffer.
    TBaseGrid::WndProc(m);
    if (p->wheelpan && m.LParam) PaintPanOrigin(*reinterpret_cast<TCanvas*>(m.LParam));
    if (!TabStop && p->FPaintCount == 0) {
        p->FPaintCount = 1;
        UpdateVScrollProportional();
    }
}

bool TExStringGrid::SizeColumnsToWidth() {
    if (!p || !p->ColumnSize) return false;
    TColumnSize& size = *p->ColumnSize;
    if (size.SynchWithGrid && p->FOldSize > 0) {
        HideInplaceEdit();
        const double factor = static_cast<double>(Width()) / p->FOldSize;
        const int first = size.SynchNormalCellsOnly ? FixedCols() : 0;
        const int last = size.SynchNormalCellsOnly ? ColCount() - FixedRightCols() - 1 : ColCount() - 1;
        for (int c = first; c <= last && c < p->FOrigColSizes->Count(); ++c)
            SetColWidths(c, static_cast<int>(p->FOrigColSizes->GetInteger(c) * factor));
    }
    if (!size.Stretch() || (p->ScrollBarAlways != saNone && p->ScrollBarAlways != saVert)) return false;
    const int column = size.StretchColumn == -1 ? ColCount() - 1 : size.StretchColumn;
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != column) others += ColWidths(c);
    if (others >= Width()) return false;
    StretchColumn(column);
    return true;
}

void TExStringGrid::SetIntegralHeight(bool Value) {
    IntegralHeight = Value;
    SetBounds(Left(), Top(), Width(), Height());
}

void TExStringGrid::KeyUp(uint16_t& Key, TShiftState Shift) {
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE: IncrSearchText.clear(); break;
    default: break;
    }
    const uint16_t key = Key;
    const TGridRect before = normalisedSelection();
    TBaseGrid::KeyUp(Key, Shift);
    const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
    if (Navigation().AlwaysEdit && (arrow || (key == VK_TAB && (Options() & goTabs))) &&
        !IsControlCell(RealCol(), Row()) && CellEditable(Col(), Row()) && !EditMode())
        ShowInplaceEdit();
    if (MouseActions().DisjunctCellSelect() && !(Options() & goEditing)) disjunctCellsByKey(key, Shift, before);
}

TGridRect TExStringGrid::normalisedSelection() {
    const TGridRect s = Selection();
    return {std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right), std::max(s.Top, s.Bottom)};
}

// Shift widens the selected cells with the selection; Space marks the current cell (Ctrl adds
// it to or takes it from the marks, without Ctrl it becomes the only one).
void TExStringGrid::disjunctCellsByKey(uint16_t Key, TShiftState Shift, TGridRect Before) {
    const TGridRect now = normalisedSelection();
    auto forEach = [](TGridRect r, const std::function<void(int, int)>& f) {
        for (int row = r.Top; row <= r.Bottom; ++row)
            for (int c = r.Left; c <= r.Right; ++c) f(c, row);
    };
    if (Shift & ssShift) {
        forEach(Before, [&](int c, int r) { SetSelectedCells(c, r, false); });
        forEach(now, [&](int c, int r) {
            if (c != Col() || r != Row()) SetSelectedCells(c, r, true);
        });
    }
    if (Key != VK_SPACE) return;
    const TPoint base = BaseCell(RealCol(), Row());
    const int baseCol = RealToDisplCol(base.X), baseRow = base.Y;
    if (IsFixed(baseCol, baseRow)) return;
    bool allow = true;
    OnSelectCell(this, baseCol, baseRow, allow);
    if (!allow) return;
    if (Shift & ssCtrl) {
        SetSelectedCells(baseCol, baseRow, !SelectedCells(baseCol, baseRow));
    } else {
        while (SelectedCellsCount() > 0) {
            const TGridCoord c = SelectedCell(0);
            SetSelectedCells(c.X, c.Y, false);
        }
        SetSelectedCells(baseCol, baseRow, true);
    }
    if (now.Left != now.Right || now.Top != now.Bottom)
        forEach(now, [&](int c, int r) { SetSelectedCells(c, r, true); });
    RepaintCell(Col(), Row());
}

void TExStringGrid::CellControlsUpdate(bool RebuildList) {
    if (!HandleAllocated() || !p->FControlList) return;
    TControlList& list = *p->FControlList;
    if (RebuildList) {
        list.Clear();
        for (int r = 0; r < RowCount(); ++r)
            for (int c = 0; c < TotalColCount(); ++c)
                if (HasCellProperties(c, r))
                    if (TControl* control = GetCellProperties(c, r)->Control())
                        list.AddControl(c, RealRowIndex(r), control);
        p->FNumCellControls = list.Count();
    }
    if (p->FNumCellControls == 0) return;
    for (int i = 0; i < list.Count(); ++i) {
        TControlItem* item = list.GetControl(i);
        TControl* control = item->Control();
        if (!control) continue;
        if (IsHiddenColumn(item->X()) || IsHiddenRow(item->Y())) {
            control->Hide();
            continue;
        }
        // The list holds real columns and rows; the control stands where its cell shows.
        const int c = RealToDisplCol(item->X());
        const int r = RealToDisplRow(item->Y());
        // Controls of fixed cells stay where they are.
        if (c < FixedCols() || r < FixedRows()) continue;
        const bool inView = c >= LeftCol() && c <= LeftCol() + VisibleColCount() && r >= TopRow() &&
                            r <= TopRow() + VisibleRowCount() && r >= 0;
        if (!inView) {
            control->Hide();
            continue;
        }
        const TRect rect = CellRect(c, r);
        control->SetBounds(rect.Left - 1, rect.Top - 1, rect.Width() + 1, rect.Height() + 1);
        control->Show();
        // A full redraw of the control: a change of width makes it paint itself anew.
        control->Invalidate();
        control->SetWidth(control->Width() + 1);
        control->SetWidth(control->Width() - 1);
    }
}
