// The window that shows a cell's hint: it waits for the pointer to rest, asks PrepareCellHint
// for the text and place, renders markup with the grid's HTML renderer, and goes away when the
// pointer leaves, a press comes or the hint no longer fits the pointer's place.
#include "grid/foundation/codings.h"
#include "grid/foundation/html_renderer.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/controls/hint_window.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {
constexpr uintptr_t CellHintTimerID = 113;
constexpr int TextTypeHTML = 1, TextTypeWide = 5;
// The widest a hint is laid out when the grid sets no maximum.
constexpr int DefaultHintMaxWidth = 1008;
// Room that markup and wide hints take beside their text.
constexpr int HTMLExtraWidth = 16, WideExtraWidth = 8, ExtraHeight = 4;

}  // namespace

THintWindow* TExStringGrid::CellHintWindow() const { return p->FCellHintWnd; }

void TExStringGrid::CancelCellHint() {
    if (HandleAllocated()) KillTimer(this, CellHintTimerID);
    if (p->FCellHintWnd) p->FCellHintWnd->HideHint();
    p->FLastHintPos = {-1, -1};
}

// The pause starts again with every move, so the hint comes where the pointer came to rest;
// a shown hint stays while the pointer is within its cell, and no hint starts during a drag.
void TExStringGrid::CellHintPointerMoved(TShiftState Shift, int X, int Y) {
    p->FCellHintCursor = {X, Y};
    if (!ShowHint || (Shift & ssLeft) || (p->FCellHintWnd && p->FCellHintWnd->Showing())) return;
    SetTimer(this, CellHintTimerID, HintPause);
}

bool TExStringGrid::CellHintMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_TIMER:
        if (m.WParam != CellHintTimerID) return false;
        KillTimer(this, CellHintTimerID);
        ShowCellHint();
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_KEYDOWN:
        CancelCellHint();
        return false;
    default: return false;
    }
}

void TExStringGrid::ShowCellHint() {
    QString hint;
    TPoint at;
    TColor color = HintColor;
    if (!ShowHint || !PrepareCellHint(p->FCellHintCursor, hint, at, color) || hint.isEmpty()) return;
    if (!p->FCellHintWnd) p->FCellHintWnd = new THintWindow(this);
    THintWindow& window = *p->FCellHintWnd;
    window.Font().Assign(Font());
    window.SetColor(color);
    const int type = TextType(hint, true);
    const int maxWidth = ControlLook().HintMaxWidth > 0 ? ControlLook().HintMaxWidth : DefaultHintMaxWidth;
    TRect size;
    if (UseInternalHintClass && type == TextTypeHTML) {
        TCanvas& canvas = window.Canvas();
        canvas.Font.Assign(Font());
        THTMLDrawOptions options = HTMLDrawOptions();
        options.ShadowColor = clGray;
        options.URLColor = clBlue;
        THTMLDrawOptions measuring = options;
        measuring.MeasureOnly = true;
        THTMLDrawResults measured;
        DrawHTMLText(canvas, hint, Rect(0, 0, maxWidth, 65535), measuring, measured);
        size = Rect(0, 0, measured.MaxLineWidth + HTMLExtraWidth, measured.TotalHeight + ExtraHeight);
        window.OnPaintText = [options](TCanvas& Canvas, const TRect& Area, const QString& Text) {
            THTMLDrawResults results;
            DrawHTMLText(Canvas, Text, Area, options, results);
        };
    } else if (UseInternalHintClass && type == TextTypeWide) {
        hint = DecodeWideText(hint);
        TCanvas& canvas = window.Canvas();
        canvas.Font.Assign(Font());
        size = Rect(0, 0, canvas.TextWidth(hint) + WideExtraWidth, canvas.TextHeight(hint) + ExtraHeight);
        window.OnPaintText = [](TCanvas& Canvas, const TRect& Area, const QString& Text) {
            TRect r = Area;
            Canvas.DrawText(Text, r, DT_SINGLELINE | DT_NOPREFIX);
        };
    } else {
        size = window.CalcHintRect(maxWidth, hint);
        window.OnPaintText = nullptr;
    }
    const TPoint screen = ClientToScreen(at);
    window.ActivateHint(Rect(screen.X, screen.Y, screen.X + size.Width(), screen.Y + size.Height()), hint);
}
