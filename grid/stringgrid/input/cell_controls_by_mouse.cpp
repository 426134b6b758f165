// What the mouse does to cells with controls of their own: push buttons pressed and clicked on
// release, rating stars set by a press, and the scroll bar laid over a hovered cell that scrolls
// the cell's text.
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/controls/scroll_bar.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/message_ids.h"

#include <algorithm>

namespace {
constexpr int CellScrollBarWidth = 17;
}

// A half star for every full 9 pixels from the cell's left edge; the handler may refuse.
bool TExStringGrid::ratingPress(int ACol, int ARow, int RealCol, int X) {
    if (!HasRating(RealCol, ARow) || !IsEditable(ACol, ARow)) return false;
    HideInplaceEdit();
    const TRect cell = CellRect(ACol, ARow);
    double rate = ((X - cell.Left) / 9) / 2.0;
    if (DoRatingChange(RealCol, ARow, rate)) {
        SetFloats(RealCol, ARow, rate);
        RepaintCell(ACol, ARow);
    }
    return true;
}

bool TExStringGrid::onCellButton(int ACol, int ARow, int X, int Y) {
    if (ACol < 0 || ARow < 0) return false;
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    if (!HasButton(base.X, base.Y)) return false;
    TRect button;
    GetCellButtonRect(RealToDisplCol(base.X), base.Y, button);
    return button.Contains({X, Y});
}

// ACol and ARow: the base cell in display columns. A press beside the button goes on as a
// press on the cell.
bool TExStringGrid::cellButtonPress(int ACol, int ARow, int RealCol, int X, int Y) {
    if (!HasButton(RealCol, ARow)) return false;
    HideInplaceEdit();
    if (!IsFixed(ACol, ARow) && ACol >= FixedCols() && ARow >= FixedRows()) {
        p->FForceSel = true;
        FocusCell(ACol, ARow);
        p->FForceSel = false;
    }
    if (!onCellButton(ACol, ARow, X, Y)) return false;
    PushButton(ACol, ARow, true);
    p->FPushedCellButton = {ACol, ARow};
    OnClickCell(this, ARow, ACol);
    return true;
}

// A released cell button clicks when it is enabled (its cell may be edited and is no fixed
// cell) and the release is on it.
void TExStringGrid::cellButtonRelease(TPoint Pushed, int ACol, int ARow, int X, int Y) {
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    bool enabled = !IsFixed(base.X, base.Y);
    if (enabled) CanEditCell(base.X, base.Y, enabled);
    const bool fixedButton = Pushed.Y < FixedRows() || (Pushed.X < FixedCols() && FixedAsButtons);
    if (!enabled && !p->ControlLook->NoDisabledButtonLook && !fixedButton) return;
    const bool samePlace = TPoint{RealToDisplCol(base.X), base.Y} == Pushed;
    if (HasButton(base.X, base.Y) && ((samePlace && onCellButton(ACol, ARow, X, Y)) || fixedButton))
        DoButtonClick(Pushed.X, Pushed.Y);
}

// The shared bar stands over the hovered cell's right edge while its text is longer than a page.
void TExStringGrid::hoverCellScrollBar(int ACol, int ARow) {
    const int realCol = ACol >= 0 ? RealColIndex(ACol) : -1;
    if (ACol < 0 || ARow < 0 || !HasScrollBar(realCol, ARow)) {
        if (p->FScrollBar) p->FScrollBar->SetVisible(false);
        p->FScrollCol = p->FScrollRow = -1;
        return;
    }
    const TPoint base = BaseCell(realCol, ARow);
    const TScrollProp prop = GetScrollProp(base.X, base.Y);
    if (prop.PageSize >= prop.Range) {
        if (p->FScrollBar) p->FScrollBar->SetVisible(false);
        return;
    }
    if (!p->FScrollBar) {
        p->FScrollBar = new TScrollBar(this);
        p->FScrollBar->SetVisible(false);
        p->FScrollBar->SetParent(this);
        p->FScrollBar->Notify = this;
    }
    TScrollBar& bar = *p->FScrollBar;
    const bool samePlace = p->FScrollCol == base.X && p->FScrollRow == base.Y && bar.Visible();
    p->FScrollCol = base.X;
    p->FScrollRow = base.Y;
    if (samePlace) return;
    const TRect cell = CellRect(RealToDisplCol(base.X), base.Y);
    const int lw = GridLineWidth();
    bar.SetBounds(cell.Right - CellScrollBarWidth - lw, cell.Top + lw, CellScrollBarWidth, cell.Height() - 2 * lw);
    const int pos = GetScrollPosition(base.X, base.Y);
    bar.SetInfo({0, prop.Range, prop.PageSize, pos, pos});
    bar.SetVisible(true);
}

// The bar's requests move the cell's text: a line is one text line, a page the bar's page.
void TExStringGrid::cellScrollBarScrolled(TMessage& m) {
    TScrollBar& bar = *p->FScrollBar;
    const int col = p->FScrollCol, row = p->FScrollRow;
    if (col < 0 || row < 0 || !HasScrollBar(col, row)) return;
    const TScrollInfo info = bar.Info();
    const int line = std::max(1, Canvas().TextHeight(QStringLiteral("gh")));
    int pos = info.Pos;
    switch (static_cast<uint16_t>(m.WParam & 0xFFFF)) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= std::max(1, info.Page); break;
    case SB_PAGEDOWN: pos += std::max(1, info.Page); break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: pos = static_cast<int>((m.WParam >> 16) & 0xFFFF); break;
    case SB_TOP: pos = info.Min; break;
    case SB_BOTTOM: pos = MaxScrollPos(info); break;
    default: return;
    }
    pos = std::clamp(pos, info.Min, MaxScrollPos(info));
    if (pos == GetScrollPosition(col, row)) return;
    bar.SetPosition(pos);
    SetScrollPosition(col, row, pos);
    DoScrollCell(col, row, pos, info.Min, info.Max);
}
