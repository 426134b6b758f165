// The scroll bars of the platform's string grid and the scroll messages they send.
#include "platform/controls/string_grid.h"

#include "platform/controls/string_grid_p.h"
#include "platform/controls/window_backend.h"

#include <algorithm>

namespace {
constexpr int lastThumbPos = 127;

// a x b / c rounded to the nearest, as the system's multiply-divide.
int mulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    const long long n = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(n >= 0 ? (n + half) / c : (n - half) / c);
}

bool allows(TScrollStyle style, int bar) {
    return style == ssBoth || style == (bar == SB_VERT ? ssVertical : ssHorizontal);
}
}  // namespace

TScrollStyle TStringGrid::ScrollBars() const { return d->ScrollBars; }

void TStringGrid::SetScrollBars(TScrollStyle Value) {
    if (Value == d->ScrollBars) return;
    d->ScrollBars = Value;
    UpdateScrollBars();
}

int TStringGrid::GridWidth() const {
    return std::max(0, Width() - (d->BarShown[SB_VERT] ? GetSystemMetrics(SM_CXVSCROLL) : 0));
}

int TStringGrid::GridHeight() const {
    return std::max(0, Height() - (d->BarShown[SB_HORZ] ? GetSystemMetrics(SM_CYHSCROLL) : 0));
}

bool TStringGrid::ScrollBarVisible(int Bar) const { return (Bar == SB_HORZ || Bar == SB_VERT) && d->BarShown[Bar]; }

TScrollBar* TStringGrid::ScrollBarControl(int Bar) {
    if (Bar != SB_HORZ && Bar != SB_VERT) return nullptr;
    TScrollBar*& bar = d->Bars[Bar];
    if (!bar) {
        bar = new TScrollBar(this);
        bar->SetKind(Bar == SB_VERT ? sbVertical : sbHorizontal);
        bar->Notify = this;
        bar->OwnBar = true;
        bar->SetVisible(false);
        bar->SetInfo({0, lastThumbPos, 0, 0, 0});
        bar->SetParent(this);
    }
    return bar;
}

void TStringGrid::ShowScrollBar(int Bar, bool Show) {
    if (Bar == SB_BOTH) {
        ShowScrollBar(SB_HORZ, Show);
        ShowScrollBar(SB_VERT, Show);
        return;
    }
    if (Bar != SB_HORZ && Bar != SB_VERT) return;
    if (d->BarShown[Bar] == Show) return;
    d->BarShown[Bar] = Show;
    if (Show) {
        TScrollBar* bar = ScrollBarControl(Bar);
        // A bar that comes back starts again from the grid's own range.
        bar->SetInfo({0, lastThumbPos, 0, 0, 0});
        bar->SetVisible(true);
    } else if (d->Bars[Bar]) {
        d->Bars[Bar]->SetVisible(false);
    }
    layoutScrollBars();
    Invalidate();
    UpdateEditorPlace();
    // The cells have more or less room: the first ones in view may have to move.
    setTopLeft(d->Cols.First, d->Rows.First);
    updateScrollPositions();
}

TScrollInfo TStringGrid::GetScrollInfo(int Bar) const {
    if ((Bar != SB_HORZ && Bar != SB_VERT) || !d->Bars[Bar]) return {};
    return d->Bars[Bar]->Info();
}

void TStringGrid::SetScrollInfo(int Bar, const TScrollInfo& Info) {
    if (TScrollBar* bar = ScrollBarControl(Bar)) bar->SetInfo(Info);
}

void TStringGrid::layoutScrollBars() {
    const int sw = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
    const bool v = d->BarShown[SB_VERT], h = d->BarShown[SB_HORZ];
    if (v) d->Bars[SB_VERT]->SetBounds(Width() - sw, 0, sw, std::max(0, Height() - (h ? sh : 0)));
    if (h) d->Bars[SB_HORZ]->SetBounds(0, Height() - sh, std::max(0, Width() - (v ? sw : 0)), sh);
}

void TStringGrid::UpdateScrollBars() {
    const int sw = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
    // A direction needs its bar when its last index cannot come into view from the first one.
    auto needs = [this](const TGridAxis& axis, int client) {
        const int first = axis.Shown(axis.Fixed, 1, axis.Fixed, axis.Count - 1);
        return first >= 0 && TAxisLayout{axis, d->GridLineWidth, client}.MaxFirst() > first;
    };
    bool h = false, v = false;
    // Each bar takes room from the other direction; three rounds settle it.
    for (int round = 0; round < 3; ++round) {
        v = allows(d->ScrollBars, SB_VERT) && needs(d->Rows, Height() - (h ? sh : 0));
        h = allows(d->ScrollBars, SB_HORZ) && needs(d->Cols, Width() - (v ? sw : 0));
    }
    ShowScrollBar(SB_HORZ, h);
    ShowScrollBar(SB_VERT, v);
    layoutScrollBars();
    updateScrollPositions();
}

int TStringGrid::ScrollPosToIndex(int Bar, int Pos) const {
    const TGridAxis& axis = Bar == SB_VERT ? d->Rows : d->Cols;
    const int visible = Bar == SB_VERT ? VisibleRowCount() : VisibleColCount();
    const int span = std::max(0, axis.Count - visible - axis.Fixed);
    return axis.Fixed + mulDiv(Pos, span, lastThumbPos);
}

void TStringGrid::updateScrollPositions() {
    for (int bar : {SB_HORZ, SB_VERT}) {
        if (!d->BarShown[bar]) continue;
        const TGridAxis& axis = bar == SB_VERT ? d->Rows : d->Cols;
        const int visible = bar == SB_VERT ? VisibleRowCount() : VisibleColCount();
        const int span = axis.Count - visible - axis.Fixed;
        const int pos = span > 0 ? std::clamp(mulDiv(axis.First - axis.Fixed, lastThumbPos, span), 0, lastThumbPos) : 0;
        d->Bars[bar]->SetPosition(pos);
    }
}

void TStringGrid::ScrollMessage(bool vertical, uint16_t Code, int Pos) {
    const TGridAxis& axis = vertical ? d->Rows : d->Cols;
    const TAxisLayout layout = vertical ? rowLayout() : colLayout();
    const int page = vertical ? VisibleRowCount() : VisibleColCount();
    int to = axis.First;
    switch (Code) {
    case SB_LINEUP: {
        const int i = axis.Shown(axis.First - 1, -1, axis.Fixed, axis.Count - 1);
        if (i >= 0) to = i;
        break;
    }
    case SB_LINEDOWN: {
        const int i = axis.Shown(axis.First + 1, 1, axis.Fixed, axis.Count - 1);
        if (i >= 0) to = i;
        break;
    }
    case SB_PAGEUP: to = axis.First - page; break;
    case SB_PAGEDOWN: to = axis.First + page; break;
    case SB_TOP: to = axis.Fixed; break;
    case SB_BOTTOM: to = layout.MaxFirst(); break;
    case SB_THUMBTRACK:
        if (!(d->Options & goThumbTracking)) return;
        to = ScrollPosToIndex(vertical ? SB_VERT : SB_HORZ, Pos);
        break;
    case SB_THUMBPOSITION: to = ScrollPosToIndex(vertical ? SB_VERT : SB_HORZ, Pos); break;
    default: return;
    }
    // A hidden index cannot be the first in view: take the next shown one.
    const int shown = axis.Shown(std::clamp(to, axis.Fixed, axis.Count - 1), to < axis.First ? -1 : 1, axis.Fixed, axis.Count - 1);
    if (shown >= 0) to = shown;
    if (vertical) setTopLeft(d->Cols.First, to);
    else setTopLeft(to, d->Rows.First);
    // The thumb goes back to where the first index in view stands, also when nothing moved.
    updateScrollPositions();
}
