// The string grid's scroll settings, its answers to the scroll bars, the proportional thumbs
// and what follows a scroll of the visible area.
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/scrolling/scroll_control.h"
#include "grid/stringgrid/paint/html_hint_window.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/cell_model_records.h"

#include <cmath>

namespace {
constexpr int slimBarThickness = 6;
constexpr int scrollHintMaxWidth = 100;

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
THTMLHintWindow* TExStringGrid::ScrollHintWindow() const { return p->FScrollHintWnd; }

void TExStringGrid::ShowScrollHintAt(const QString& Text, TPoint At, int MaxWidth) {
    if (!p->FScrollHintWnd) p->FScrollHintWnd = new THTMLHintWindow(this);
    THTMLHintWindow& window = *p->FScrollHintWnd;
    window.Font().Assign(Font());
    window.SetColor(HintColor);
    const TRect size = window.CalcHintRect(MaxWidth, Text, this);
    window.ActivateHintData(Rect(At.X, At.Y, At.X + size.Width(), At.Y + size.Height()), Text, this);
    p->FScrollHintShow = true;
}

void TExStringGrid::CloseScrollHint() {
    p->FScrollHintShow = false;
    if (p->FScrollHintWnd) p->FScrollHintWnd->HideHint();
}

void TExStringGrid::SetScrollType(TScrollType Value) {
    if (Value == p->ScrollType) return;
    p->ScrollType = Value;
    if (Value == ssFlat || Value == ssEncarta) {
        InitFlatScrollBars();
        UpdateFlatScrollBars();
    } else {
        DoneFlatScrollBars();
    }
    // Without a window the slim bars wait for it (CreateWnd).
    if (Value == ssMetro) {
        if (!HandleAllocated()) return;
        CreateScrollControls();
        SetScrollBars(ssNone);
        UpdateScrollBars();
    } else if (p->vscrlctrl) {
        delete p->vscrlctrl;
        delete p->hscrlctrl;
        p->vscrlctrl = p->hscrlctrl = nullptr;
        SetScrollBars(ssBoth);
    }
}

void TExStringGrid::CreateScrollControls() {
    const auto make = [this](TScrollControl*& bar, TScrollDirection direction) {
        if (bar) return;
        bar = new TScrollControl(this);
        bar->SetDirection(direction);
        bar->Align = direction == sdVertical ? alRight : alBottom;
        bar->SetParent(this);
        bar->SetVisible(true);
    };
    make(p->vscrlctrl, sdVertical);
    make(p->hscrlctrl, sdHorizontal);
    placeScrollControls();
}

// The platform lays out no aligned children: the bars are placed at their edges here.
void TExStringGrid::placeScrollControls() {
    if (!p->vscrlctrl || !p->hscrlctrl) return;
    p->vscrlctrl->SetBounds(Width() - slimBarThickness, 0, slimBarThickness, Height());
    p->hscrlctrl->SetBounds(0, Height() - slimBarThickness, Width() - slimBarThickness, slimBarThickness);
    p->vscrlctrl->Invalidate();
    p->hscrlctrl->Invalidate();
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
    placeScrollControls();
    // A bar shown or hidden moves the bottom of the client area.
    placeSearchPanel();
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

namespace {
// The pixel extents of one direction, each size with its line L: the fixed part F (one line
// more), the scrollable part C and the scrolled-off part D (each from one line), the sizes alone S.
struct Extents {
    int F, C, D, S = 0;
};

template <class SizeOf>
Extents extents(int count, int fixed, int first, int L, SizeOf sizeOf) {
    Extents e{L, L, L};
    for (int i = 0; i < count; ++i) {
        const int size = sizeOf(i);
        e.S += size;
        if (i < fixed) e.F += L + size;
        else {
            e.C += L + size;
            if (i < first) e.D += L + size;
        }
    }
    return e;
}

// A range whose page is the visible share E of 128 positions, at the position pos.
TScrollInfo proportionalInfo(float E, float pos) {
    TScrollInfo info;
    info.Max = static_cast<int>(std::lround((E + 127) / (1 - E)));
    info.Page = info.Max - 126;
    info.Pos = static_cast<int>(std::lround(pos));
    return info;
}
}  // namespace

void TExStringGrid::UpdateHScrollProportional() {
    if (!p || IsLoading() || !ScrollProportional || p->FScrollLock) return;
    const Extents e = extents(ColCount(), FixedCols(), LeftCol(), GridLineWidth(), [this](int c) { return ColWidths(c); });
    const int W = Width();
    if (e.C == 0) return;
    const float E = static_cast<float>(W - e.F) / e.C;
    if (E >= 0.9999f) return;
    const float pos = W < e.C ? static_cast<float>(e.D) / (e.C - W) * 128 : GetScrollInfo(SB_HORZ).Pos;
    if (e.F + e.C - W < 5) return;
    SetScrollInfo(SB_HORZ, proportionalInfo(E, pos));
    UpdateFlatHScrollBar();
    if (p->ScrollBarAlways != saHorz && p->ScrollBarAlways != saBoth)
        ShowScrollBar(SB_HORZ, e.S >= W && allowsHorizontal(p->ScrollBars) && ScrollBarVisible(SB_HORZ));
}

void TExStringGrid::UpdateVScrollProportional() {
    if (!p || IsLoading() || !ScrollProportional || p->FScrollLock) return;
    if (VisibleRowCount() + FixedRows() >= RowCount()) return;
    const Extents e = extents(RowCount(), FixedRows(), TopRow(), GridLineWidth(), [this](int r) { return RowHeights(r); });
    const int H = Height();
    if (e.C == 0) return;
    const float E = static_cast<float>(H - e.F) / e.C;
    if (E >= 0.9999f) return;
    const float pos = H < e.C ? static_cast<float>(e.D) / (e.C - H) * 128 : 127;
    SetScrollInfo(SB_VERT, proportionalInfo(E, pos));
    UpdateFlatVScrollBar();
}

// ---- scroll messages

namespace {
int thumbPos(const TMessage& m) { return static_cast<int>((m.WParam >> 16) & 0xFFFF); }
uint16_t scrollCode(const TMessage& m) { return static_cast<uint16_t>(m.WParam & 0xFFFF); }
}  // namespace

void TExStringGrid::ScrollHint(uint16_t Code, int Index, const QString& Prefix, bool Vertical) {
    if (Code == SB_ENDSCROLL) CloseScrollHint();
    if (Code != SB_THUMBTRACK) return;
    QString text = Prefix + QString::number(Index);
    OnScrollHint(this, Index, text);
    // Beside the thumb: left of the vertical bar, above the horizontal one.
    TPoint at{0, 0};
    if (TScrollBar* bar = ScrollBarControl(Vertical ? SB_VERT : SB_HORZ)) {
        const TRect thumb = bar->ThumbRect();
        at = Vertical ? TPoint{bar->Left() - 110, bar->Top() + thumb.Top} : TPoint{bar->Left() + thumb.Left, bar->Top() - 24};
    }
    ShowScrollHintAt(text, ClientToScreen(at), scrollHintMaxWidth);
}

void TExStringGrid::WMHScroll(TMessage& m) {
    const uint16_t code = scrollCode(m);
    const int col = ScrollPosToIndex(SB_HORZ, thumbPos(m));
    if (ScrollHints == shHorizontal || ScrollHints == shBoth) ScrollHint(code, col, QStringLiteral("Col : "), false);
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
    if (ScrollHints == shVertical || ScrollHints == shBoth) ScrollHint(code, row, QStringLiteral("Row : "), true);
    if (code == SB_THUMBTRACK && ScrollSynch) SetTopRow(row);
    TBaseGrid::WndProc(m);
    UpdateFlatVScrollBar();
    UpdateFlatHScrollBar();
}

void TExStringGrid::SyncRowAfterMessage(int OldRow) {
    if (FDestroying || !p || Row() == OldRow || !p->SyncGrid->SelectionRow) return;
    if (TStringGrid* partner = p->SyncGrid->Grid()) partner->TStringGrid::SetRow(Row());
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
