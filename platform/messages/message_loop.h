#pragma once

#include "platform/messages/messages.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

// What drives the loop in the program: it is told when work is queued (possibly from another
// thread) and when the next timer falls due. Tests install none and drive the loop by hand.
class TMessagePump {
public:
    virtual ~TMessagePump() = default;
    virtual void Wake() = 0;
    virtual void TimersChanged() = 0;
};

// The one message loop of the GUI thread: posted messages and queued calls in order, timers
// on the installed clock, live windows, call-window hooks and registered message names.
class TMessageLoop {
public:
    static TMessageLoop& Instance();

    void SetPump(TMessagePump* pump);

    // Delivers what is queued now, in order; returns how many items ran.
    int ProcessPosted();
    // Queues a call for the GUI thread (thread-safe), delivered in order with posted messages.
    void QueueCall(std::function<void()> call);
    bool HasPending() const;

    // Posts WM_TIMER for every timer due at `now`, earliest first.
    void RunDueTimers(uint64_t now);
    std::optional<uint64_t> NextTimerDue() const;

    // Forgets everything queued and every timer (between tests).
    void Reset();

private:
    friend class TMessageTarget;
    friend intptr_t SendMessage(HWND, uint32_t, uintptr_t, intptr_t);
    friend bool PostMessage(HWND, uint32_t, uintptr_t, intptr_t);
    friend uint32_t RegisterWindowMessage(const QString&);
    friend void SetTimer(HWND, uintptr_t, unsigned);
    friend bool KillTimer(HWND, uintptr_t);
    friend bool IsWindow(HWND);
    friend int AddCallWndHook(TCallWndHook);
    friend void RemoveCallWndHook(int);

    struct Posted {
        HWND target = nullptr;
        uint64_t serial = 0;
        TMessage message;
        std::function<void()> call;
        bool fromTimer = false;
    };
    struct Timer {
        unsigned interval = 0;
        uint64_t due = 0;
        bool pending = false;
    };
    using TimerKey = std::pair<HWND, uintptr_t>;

    void registerTarget(HWND target);
    void unregisterTarget(HWND target);
    bool alive(HWND target, uint64_t serial) const;
    void post(Posted item);

    mutable std::recursive_mutex mutex_;
    std::unordered_map<HWND, uint64_t> live_;
    uint64_t nextSerial_ = 1;
    std::deque<Posted> queue_;
    std::map<TimerKey, Timer> timers_;
    std::map<QString, uint32_t> registered_;
    std::vector<std::pair<int, TCallWndHook>> hooks_;
    int nextHook_ = 1;
    TMessagePump* pump_ = nullptr;
};
