#include "platform/controls/control_hint.h"

#include "platform/controls/screen.h"
#include "platform/messages/message_ids.h"

namespace {
// Below the pointer's tip, as the system places tool-tips.
constexpr int PointerHeight = 16;

// One window for the whole program, kept to its end (it outlives every form).
THintWindow* hintWindow = nullptr;
THintWindowClass hintWindowKind = nullptr;
const TControl* hintControl = nullptr;
TRect hintCursorRect;
}  // namespace

bool ActivateControlHint(TControl& Control, TPoint Cursor) {
    CancelControlHint();
    if (!Control.HintShown() || Control.Hint().isEmpty()) return false;
    THintInfo info;
    info.HintControl = &Control;
    info.HintWindowClass = HintWindowClass();
    info.CursorPos = Cursor;
    info.CursorRect = Control.ClientRect();
    const TPoint screen = Control.ClientToScreen(Cursor);
    info.HintPos = {screen.X, screen.Y + PointerHeight};
    info.HintMaxWidth = ScreenGeometry().SystemWorkArea().Width();
    info.HintStr = Control.Hint();
    if (Control.Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)) != 0 || info.HintStr.isEmpty()) return false;
    if (!info.HintWindowClass) info.HintWindowClass = &NewPlainHintWindow;
    if (!hintWindow || hintWindowKind != info.HintWindowClass) {
        delete hintWindow;
        hintWindow = info.HintWindowClass(nullptr);
        hintWindowKind = info.HintWindowClass;
    }
    hintWindow->SetColor(info.HintColor);
    const TRect size = hintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    const TPoint at = info.HintPos;
    hintWindow->ActivateHintData(Rect(at.X, at.Y, at.X + size.Width(), at.Y + size.Height()), info.HintStr, info.HintData);
    hintControl = &Control;
    hintCursorRect = info.CursorRect;
    return true;
}

void CancelControlHint() {
    if (hintWindow) hintWindow->HideHint();
    hintControl = nullptr;
}

THintWindow* ControlHintWindow() { return hintWindow; }

void ControlHintInput(TControl& Control, uint32_t Msg, intptr_t LParam) {
    if (!hintControl) return;
    switch (Msg) {
    case WM_MOUSEMOVE: {
        const TPoint p{LoWordSigned(LParam), HiWordSigned(LParam)};
        const TRect& r = hintCursorRect;
        if (&Control != hintControl || p.X < r.Left || p.X >= r.Right || p.Y < r.Top || p.Y >= r.Bottom)
            CancelControlHint();
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_KEYDOWN:
    case CM_MOUSELEAVE: CancelControlHint(); break;
    default: break;
    }
}

void ForgetControlHint(TControl* Control) {
    if (Control == hintControl) CancelControlHint();
}
