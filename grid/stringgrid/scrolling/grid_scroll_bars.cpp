// The string grid's scroll settings, its answers to the scroll bars, the proportional thumbs
// and what follows a scroll of the visible area.
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/scrolling/scroll_control.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/cell_model_records.h"

#include <cmath>

namespace {
constexpr int slimBarThickness = 6;

bool allowsHorizontal(TScrollStyle s) { return s == ssHorizontal || s == ssBoth; }
bool allowsVertical(TScrollStyle s) { return s == ssVertical || s == ssBoth; }
}  // namespace

// ---- settings

void TExStringGrid::SetScrollBars(TScrollStyle Value) {
    p->ScrollBars = Value;
    TBaseGrid::SetScrollBars(Value);
}

void TExStringGrid::SetScrollColor(TColor Value) {
    p->ScrollColor = Value;
    UpdateFlatScrollBars();
}

void TExStringGrid::SetScrollWidth(int Value) {
    p->ScrollWidth = Value;
    UpdateFlatScrollBars();
}

TScrollControl* TExStringGrid::VScrollControl() const { return p->vscrlctrl; }
TScrollControl* TExStringGrid::HScrollControl() const { return p->hscrlctrl; }
QString TExStringGrid::ScrollHintText() const { return p->FScrollHintShow ? p->FScrollHintText : QString(); }

void TExStringGrid::SetScrollType(TScrollType Value) {
    if (Value == p->ScrollType) return;
    p->ScrollType = Value;
    if (Value == ssFlat || Value == ssEncarta) {
        InitFlatScrollBars();
        UpdateFlatScrollBars();
    } else {
        DoneFlatScrollBars();
    }
    if (Value == ssMetro) {
        if (!p->vscrlctrl) {
            p->vscrlctrl = new TScrollControl(this);
            p->vscrlctrl->SetDirection(sdVertical);
            p->vscrlctrl->SetParent(this);
            p->hscrlctrl = new TScrollControl(this);
            p->hscrlctrl->SetDirection(sdHorizontal);
            p->hscrlctrl->SetParent(this);
        }
        SetScrollBars(ssNone);
        UpdateScrollBars();
    } else if (p->vscrlctrl) {
        delete p->vscrlctrl;
        delete p->hscrlctrl;
        p->vscrlctrl = p->hscrlctrl = nullptr;
        SetScrollBars(ssBoth);
    }
}

void TExStringGrid::SetScrollProportional(bool Value) {
    ScrollProportional = Value;
    if (Value) {
        UpdateVScrollProportional();
        UpdateHScrollProportional();
    } else if (p->FIsFlat && p->ScrollType == ssNormal) {
        DoneFlatScrollBars();
    }
    if (!Value) {
        // Back to the grid's own range, without a page.
        for (int bar : {SB_HORZ, SB_VERT}) {
            if (!ScrollBarVisible(bar)) continue;
            TScrollInfo info = GetScrollInfo(bar);
            info.Max = 127;
            info.Page = 0;
            SetScrollInfo(bar, info);
        }
    }
}

// ---- flat bars: the common controls' flat scroll bars do not exist here

void TExStringGrid::InitFlatScrollBars() { p->FIsFlat = false; }
void TExStringGrid::DoneFlatScrollBars() { p->FIsFlat = false; }
void TExStringGrid::UpdateFlatScrollBars() {}
void TExStringGrid::UpdateFlatVScrollBar() {}
void TExStringGrid::UpdateFlatHScrollBar() {}
void TExStringGrid::FlatShowScrollBar(int, bool) {}

// ---- which bars show

void TExStringGrid::UpdateScrollBars() {
    TBaseGrid::UpdateScrollBars();
    // Called from the base grid's constructor too, before the grid's own state exists.
    if (!p) return;
    ScrollBarAlwaysUpdate(false);
    UpdateVScrollProportional();
    UpdateHScrollProportional();
    if (p->vscrlctrl) {
        p->vscrlctrl->SetBounds(Width() - slimBarThickness, 0, slimBarThickness, Height());
        p->hscrlctrl->SetBounds(0, Height() - slimBarThickness, Width() - slimBarThickness, slimBarThickness);
        p->vscrlctrl->Invalidate();
        p->hscrlctrl->Invalidate();
    }
}

void TExStringGrid::ScrollBarAlwaysUpdate(bool Force) {
    if (!p || (p->ScrollBarAlways == saNone && !Force)) return;
    // A forced update first hides again what no longer needs showing.
    if (Force) TBaseGrid::UpdateScrollBars();
    // A bar kept by ScrollBarAlways shows even with nothing to scroll.
    const TScrollBarAlways a = p->ScrollBarAlways;
    if ((a == saVert || a == saBoth) && allowsVertical(p->ScrollBars)) ShowScrollBar(SB_VERT, true);
    if ((a == saHorz || a == saBoth) && allowsHorizontal(p->ScrollBars)) ShowScrollBar(SB_HORZ, true);
}

// ---- proportional thumbs

void TExStringGrid::UpdateHScrollProportional() {
    if (!p || IsLoading() || !ScrollProportional || p->FScrollLock) return;
    TScrollInfo info = GetScrollInfo(SB_HORZ);
    const int L = GridLineWidth();
    int F = L, C = L, D = L, S = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int w = ColWidths(c);
        S += w;
        if (c < FixedCols()) F += L + w;
        else {
            C += L + w;
            if (c < LeftCol()) D += L + w;
        }
    }
    const int W = Width();
    if (C == 0) return;
    const float E = static_cast<float>(W - F) / C;
    if (E >= 0.9999f) return;
    const float max = (E + 127) / (1 - E);
    const float pos = W < C ? static_cast<float>(D) / (C - W) * 128 : info.Pos;
    if (F + C - W < 5) return;
    info.Min = 0;
    info.Max = static_cast<int>(std::lround(max));
    info.Page = info.Max - 126;
    info.Pos = static_cast<int>(std::lround(pos));
    SetScrollInfo(SB_HORZ, info);
    UpdateFlatHScrollBar();
    if (p->ScrollBarAlways != saHorz && p->ScrollBarAlways != saBoth)
        ShowScrollBar(SB_HORZ, S >= W && allowsHorizontal(p->ScrollBars) && ScrollBarVisible(SB_HORZ));
}

void TExStringGrid::UpdateVScrollProportional() {
    if (!p || IsLoading() || !ScrollProportional || p->FScrollLock) return;
    if (VisibleRowCount() + FixedRows() >= RowCount()) return;
    TScrollInfo info = GetScrollInfo(SB_VERT);
    const int L = GridLineWidth();
    int F = L, C = L, D = L;
    for (int r = 0; r < RowCount(); ++r) {
        const int h = RowHeights(r);
        if (r < FixedRows()) F += L + h;
        else {
            C += L + h;
            if (r < TopRow()) D += L + h;
        }
    }
    const int H = Height();
    if (C == 0) return;
    const float E = static_cast<float>(H - F) / C;
    const float max = (E + 127) / (1 - E);
    const float pos = H < C ? static_cast<float>(D) / (C - H) * 128 : 127;
    if (E >= 0.9999f) return;
    info.Min = 0;
    info.Max = static_cast<int>(std::lround(max));
    info.Page = info.Max - 126;
    info.Pos = static_cast<int>(std::lround(pos));
    SetScrollInfo(SB_VERT, info);
    UpdateFlatVScrollBar();
}

// ---- scroll messages

namespace {
int thumbPos(const TMessage& m) { return static_cast<int>((m.WParam >> 16) & 0xFFFF); }
uint16_t scrollCode(const TMessage& m) { return static_cast<uint16_t>(m.WParam & 0xFFFF); }
}  // namespace

void TExStringGrid::WMHScroll(TMessage& m) {
    const uint16_t code = scrollCode(m);
    const int col = ScrollPosToIndex(SB_HORZ, thumbPos(m));
    if (ScrollHints == shHorizontal || ScrollHints == shBoth) {
        if (code == SB_ENDSCROLL) p->FScrollHintShow = false;
        if (code == SB_THUMBTRACK) {
            QString text = QStringLiteral("Col : %1").arg(col);
            OnScrollHint(this, col, text);
            p->FScrollHintText = text;
            p->FScrollHintShow = true;
        }
    }
    if (code == SB_THUMBTRACK && ScrollSynch) SetLeftCol(col);
    // Scrolling away from the column being edited ends the edit first.
    if (FixedCols() == 0 && col >= Col() && p->EditMode) HideInplaceEdit();
    TBaseGrid::WndProc(m);
    if (code == SB_ENDSCROLL && ColCount() == 1) Invalidate();
    UpdateFlatHScrollBar();
    UpdateFlatVScrollBar();
}

void TExStringGrid::WMVScroll(TMessage& m) {
    const uint16_t code = scrollCode(m);
    const int row = ScrollPosToIndex(SB_VERT, thumbPos(m));
    if (ScrollHints == shVertical || ScrollHints == shBoth) {
        if (code == SB_ENDSCROLL) p->FScrollHintShow = false;
        if (code == SB_THUMBTRACK) {
            QString text = QStringLiteral("Row : %1").arg(row);
            OnScrollHint(this, row, text);
            p->FScrollHintText = text;
            p->FScrollHintShow = true;
        }
    }
    if (code == SB_THUMBTRACK && ScrollSynch) SetTopRow(row);
    TBaseGrid::WndProc(m);
    UpdateFlatVScrollBar();
    UpdateFlatHScrollBar();
}

// ---- after the visible area scrolled

void TExStringGrid::TopLeftChanged() {
    TBaseGrid::TopLeftChanged();
    if (!p) return;
    if (SelectionRectangle() && Selection().Bottom > Selection().Top) Invalidate();
    // An open edit of any kind follows its cell while it stays in view and ends with its value
    // kept when it leaves (UpdateEditorPlace): a scroll alone does not end it.
    UpdateFlatVScrollBar();
    UpdateFlatHScrollBar();
    if (p->FFooterPanel) FloatingFooterChanged();
    CellControlsUpdate(false);
    p->FOldLeftCol = LeftCol();
    p->FOldTopRow = TopRow();
    if (TStringGrid* partner = p->SyncGrid ? p->SyncGrid->Grid() : nullptr) {
        if (p->SyncGrid->ScrollVertical) partner->SetTopRow(TopRow());
        if (p->SyncGrid->ScrollHorizontal) partner->SetLeftCol(LeftCol());
    }
    if (p->vscrlctrl) {
        p->vscrlctrl->Invalidate();
        p->hscrlctrl->Invalidate();
    }
}
