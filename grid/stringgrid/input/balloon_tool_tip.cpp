// The balloon tool-tip over the cells: one window per grid, made while balloons are enabled. Like
// the platform's tool-tip it waits for the pointer to rest, asks the grid for the text of the cell
// under it (TTN_GETDISPINFO), shows it below the pointer, hides after the automatic-hide delay, and
// follows the pointer to another cell after the reshow delay.
#include "grid/foundation/layered_window_calls.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/hint_window.h"
#include "platform/controls/tool_tip_content.h"
#include "platform/controls/tool_tip_notes.h"
#include "platform/graphics/canvas.h"

namespace {
constexpr uintptr_t BalloonShowTimerID = 114, BalloonHideTimerID = 115;
// The tool-tip's own delays where the settings keep them (-1): the hint pause, a fifth of it
// between cells, ten times it shown.
constexpr int DefaultReshow = HintPause / 5, DefaultAutoHide = HintPause * 10;
constexpr int PointerOffset = 20;
constexpr int BalloonMaxWidth = 300;

int delayOr(int Delay, int Default) { return Delay >= 0 ? Delay : Default; }
}  // namespace

THintWindow* TExStringGrid::BalloonWindow() const { return p->FBalloonWnd; }

void TExStringGrid::BalloonInit() {
    if (p->FBalloonWnd) return;
    p->FBalloonWnd = new THintWindow(this);
    const TBalloonSettings& settings = *p->Balloon;
    if (settings.Transparency != 0) {
        p->FBalloonWnd->HandleNeeded();
        CallSetLayeredWindowAttributes(p->FBalloonWnd->Handle(), clNone, 255 - settings.Transparency, LWA_ALPHA);
    }
}

void TExStringGrid::BalloonDone() {
    if (!p->FBalloonWnd) return;
    if (HandleAllocated()) {
        KillTimer(this, BalloonShowTimerID);
        KillTimer(this, BalloonHideTimerID);
    }
    delete p->FBalloonWnd;
    p->FBalloonWnd = nullptr;
    p->FBalloonCell = {-1, -1};
}

void TExStringGrid::BalloonEnableChanged(TObject*) {
    if (IsLoading()) return;
    if (p->Balloon->Enable()) {
        if (HandleAllocated()) BalloonInit();
    } else {
        BalloonDone();
    }
}

void TExStringGrid::BalloonPointerMoved(int X, int Y) {
    if (!p->FBalloonWnd) return;
    p->FBalloonCursor = {X, Y};
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    const bool shown = p->FBalloonWnd->Showing();
    // Within the cell it shows for, the balloon stays; elsewhere it goes and the next waits.
    if (shown && TPoint{col, row} == p->FBalloonCell) return;
    const TBalloonSettings& settings = *p->Balloon;
    if (shown) {
        p->FBalloonWnd->HideHint();
        KillTimer(this, BalloonHideTimerID);
        SetTimer(this, BalloonShowTimerID, delayOr(settings.ReshowDelay, DefaultReshow));
    } else {
        SetTimer(this, BalloonShowTimerID, delayOr(settings.InitialDelay, HintPause));
    }
}

void TExStringGrid::HideBalloon() {
    if (!p->FBalloonWnd) return;
    if (HandleAllocated()) {
        KillTimer(this, BalloonShowTimerID);
        KillTimer(this, BalloonHideTimerID);
    }
    p->FBalloonWnd->HideHint();
    p->FBalloonCell = {-1, -1};
}

void TExStringGrid::ShowBalloon() {
    TNMTTDispInfo info;
    info.hdr.code = TTN_GETDISPINFO;
    info.Cursor = p->FBalloonCursor;
    Perform(WM_NOTIFY, 0, reinterpret_cast<intptr_t>(&info));
    if (info.Text.isEmpty() && info.Title.trimmed().isEmpty()) return;
    THintWindow& window = *p->FBalloonWnd;
    window.Font().Assign(Font());
    window.SetColor(info.BkColor != clNone ? info.BkColor : clInfoBk);
    window.Font().SetColor(info.TextColor != clNone ? info.TextColor : clInfoText);
    // A blank title shows only with an icon beside it.
    const QString title = info.Title.trimmed();
    const int icon = info.Icon >= biInfo && info.Icon <= biError ? info.Icon : 0;
    const TToolTipContent content{title, icon, info.Text};
    TCanvas& canvas = window.Canvas();
    canvas.Font.Assign(window.Font());
    const TSize size = content.Measure(canvas, info.MaxWidth > 0 ? info.MaxWidth : BalloonMaxWidth);
    window.OnPaintText = [content](TCanvas& Canvas, const TRect& Area, const QString&) { content.Paint(Canvas, Area); };
    const QString shown = title.isEmpty() ? info.Text : title + QLatin1Char('\n') + info.Text;
    const int width = size.cx + 2 * THintWindow::MarginX, height = size.cy + 2 * THintWindow::MarginY;
    const TPoint at = ClientToScreen({p->FBalloonCursor.X, p->FBalloonCursor.Y + PointerOffset});
    window.ActivateHint(Rect(at.X, at.Y, at.X + width, at.Y + height), shown);
    MouseToCell(p->FBalloonCursor.X, p->FBalloonCursor.Y, p->FBalloonCell.X, p->FBalloonCell.Y);
    SetTimer(this, BalloonHideTimerID, delayOr(p->Balloon->AutoHideDelay, DefaultAutoHide));
}

bool TExStringGrid::BalloonMessage(TMessage& m) {
    if (!p->FBalloonWnd) return false;
    switch (m.Msg) {
    case WM_TIMER:
        if (m.WParam == BalloonShowTimerID) {
            KillTimer(this, BalloonShowTimerID);
            ShowBalloon();
            return true;
        }
        if (m.WParam == BalloonHideTimerID) {
            KillTimer(this, BalloonHideTimerID);
            p->FBalloonWnd->HideHint();
            return true;
        }
        return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case CM_MOUSELEAVE: HideBalloon(); return false;
    default: return false;
    }
}
