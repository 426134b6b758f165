#pragma once

#include "platform/messages/message_ids.h"

#include <QString>
#include <cstdint>
#include <functional>

struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

// Anything that has a window procedure. A live target is known to the message loop, so that
// messages posted to a window destroyed meanwhile are dropped.
class TMessageTarget {
public:
    TMessageTarget();
    virtual ~TMessageTarget();
    TMessageTarget(const TMessageTarget&) = delete;
    TMessageTarget& operator=(const TMessageTarget&) = delete;

    virtual void WndProc(TMessage& Message) = 0;
};

using HWND = TMessageTarget*;

// Runs the call-window hooks, then the target's window procedure, at once.
intptr_t SendMessage(HWND target, uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
// Queues the message; it is delivered in order by the message loop, or dropped when the
// target is gone by then. Safe from any thread.
bool PostMessage(HWND target, uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
// Stable ids from 0xC000 for registered names.
uint32_t RegisterWindowMessage(const QString& name);

// Timers by id per window; WM_TIMER arrives with the id in wParam.
void SetTimer(HWND target, uintptr_t id, unsigned intervalMs);
bool KillTimer(HWND target, uintptr_t id);

bool IsWindow(HWND target);

// A hook that sees every sent message before its target does.
using TCallWndHook = std::function<void(HWND, TMessage&)>;
int AddCallWndHook(TCallWndHook hook);
void RemoveCallWndHook(int handle);
