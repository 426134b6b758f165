// The window that shows a cell's hint: it waits for the pointer to rest, asks the grid through
// CM_HINTSHOW (answered by PrepareCellHint) for the text, place and kind of window, and goes
// away when the pointer leaves, a press comes or the hint no longer fits the pointer's place.
#include "grid/foundation/codings.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/paint/html_hint_window.h"
#include "platform/controls/hint_window.h"

namespace {
constexpr uintptr_t CellHintTimerID = 113;
constexpr int TextTypeHTML = 1, TextTypeWide = 5;
// The widest a hint is laid out when the grid sets no maximum.
constexpr int DefaultHintMaxWidth = 1008;
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
    case CM_HINTSHOW: CMHintShow(m); return true;
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

void TExStringGrid::CMHintShow(TMessage& m) {
    m.Result = 0;
    auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
    if (ControlLook().HintMaxWidth > 0) info.HintMaxWidth = ControlLook().HintMaxWidth;
    SetHTMLHintFontName(Font().Name());
    TPoint at = info.CursorPos;
    TColor color = HintColor;
    if (PrepareCellHint(info.CursorPos, info.HintStr, at, color)) info.HintPos = ClientToScreen(at);
    info.HintColor = color;
    const int type = TextType(info.HintStr, true);
    if (UseInternalHintClass && (type == TextTypeHTML || type == TextTypeWide)) {
        info.HintWindowClass = &THTMLHintWindow::New;
        info.HintData = this;
    }
}

void TExStringGrid::ShowCellHint() {
    if (!ShowHint) return;
    THintInfo info;
    info.HintControl = this;
    info.HintWindowClass = HintWindowClass();
    info.HintMaxWidth = DefaultHintMaxWidth;
    info.CursorPos = p->FCellHintCursor;
    info.CursorRect = ClientRect();
    info.HintPos = ClientToScreen(info.CursorPos);
    if (Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)) != 0 || info.HintStr.isEmpty()) return;
    if (!info.HintWindowClass) info.HintWindowClass = &NewPlainHintWindow;
    if (!p->FCellHintWnd || p->FCellHintKind != info.HintWindowClass) {
        delete p->FCellHintWnd;
        p->FCellHintWnd = info.HintWindowClass(this);
        p->FCellHintKind = info.HintWindowClass;
    }
    THintWindow& window = *p->FCellHintWnd;
    window.Font().Assign(Font());
    window.SetColor(info.HintColor);
    const TRect size = window.CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    const TPoint at = info.HintPos;
    window.ActivateHintData(Rect(at.X, at.Y, at.X + size.Width(), at.Y + size.Height()), info.HintStr, info.HintData);
}

bool TExStringGrid::UseHTMLHints() const { return p->FUseHTMLHints; }

// One setting for the whole program: the last grid to set it decides.
void TExStringGrid::SetUseHTMLHints(bool Value) {
    p->FUseHTMLHints = Value;
    SetHintWindowClass(Value ? &THTMLHintWindow::New : &NewPlainHintWindow);
}
