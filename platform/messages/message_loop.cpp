#include "platform/messages/message_loop.h"

#include "platform/messages/clock.h"

#include <algorithm>

TMessageLoop& TMessageLoop::Instance() {
    static TMessageLoop loop;
    return loop;
}

void TMessageLoop::SetPump(TMessagePump* pump) {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    pump_ = pump;
}

void TMessageLoop::registerTarget(HWND target) {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    live_[target] = nextSerial_++;
}

void TMessageLoop::unregisterTarget(HWND target) {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    live_.erase(target);
    for (auto it = timers_.begin(); it != timers_.end();)
        it = it->first.first == target ? timers_.erase(it) : std::next(it);
}

bool TMessageLoop::alive(HWND target, uint64_t serial) const {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    auto it = live_.find(target);
    return it != live_.end() && it->second == serial;
}

void TMessageLoop::post(Posted item) {
    TMessagePump* pump;
    {
        std::lock_guard<std::recursive_mutex> guard(mutex_);
        queue_.push_back(std::move(item));
        pump = pump_;
    }
    if (pump) pump->Wake();
}

void TMessageLoop::QueueCall(std::function<void()> call) {
    Posted item;
    item.call = std::move(call);
    post(std::move(item));
}

bool TMessageLoop::HasPending() const {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    return !queue_.empty();
}

int TMessageLoop::ProcessPosted() {
    size_t count;
    {
        std::lock_guard<std::recursive_mutex> guard(mutex_);
        count = queue_.size();
    }
    int ran = 0;
    // Only what was queued before this call: a handler that posts again runs next time.
    for (size_t i = 0; i < count; ++i) {
        Posted item;
        {
            std::lock_guard<std::recursive_mutex> guard(mutex_);
            if (queue_.empty()) break;
            item = std::move(queue_.front());
            queue_.pop_front();
            if (item.fromTimer) {
                // A timer killed after its message was queued sends nothing more.
                auto t = timers_.find({item.target, item.message.WParam});
                if (t == timers_.end()) continue;
                t->second.pending = false;
            }
        }
        if (item.call) {
            item.call();
            ++ran;
        } else if (alive(item.target, item.serial)) {
            SendMessage(item.target, item.message.Msg, item.message.WParam, item.message.LParam);
            ++ran;
        }
    }
    return ran;
}

void TMessageLoop::RunDueTimers(uint64_t now) {
    std::vector<std::pair<uint64_t, TimerKey>> due;
    {
        std::lock_guard<std::recursive_mutex> guard(mutex_);
        for (auto& [key, timer] : timers_)
            if (timer.due <= now) due.emplace_back(timer.due, key);
    }
    std::stable_sort(due.begin(), due.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [when, key] : due) {
        bool post = false;
        uint64_t serial = 0;
        {
            std::lock_guard<std::recursive_mutex> guard(mutex_);
            auto t = timers_.find(key);
            if (t == timers_.end()) continue;
            t->second.due = now + t->second.interval;
            // Like the original, a timer has at most one WM_TIMER waiting.
            if (!t->second.pending) {
                t->second.pending = true;
                post = true;
                serial = live_[key.first];
            }
        }
        if (post) {
            Posted item;
            item.target = key.first;
            item.serial = serial;
            item.message = TMessage{WM_TIMER, key.second, 0, 0};
            item.fromTimer = true;
            this->post(std::move(item));
        }
    }
    if (pump_) pump_->TimersChanged();
}

std::optional<uint64_t> TMessageLoop::NextTimerDue() const {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    std::optional<uint64_t> next;
    for (const auto& [key, timer] : timers_)
        if (!next || timer.due < *next) next = timer.due;
    return next;
}

void TMessageLoop::Reset() {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    queue_.clear();
    timers_.clear();
}

TMessageTarget::TMessageTarget() { TMessageLoop::Instance().registerTarget(this); }

TMessageTarget::~TMessageTarget() { TMessageLoop::Instance().unregisterTarget(this); }

intptr_t SendMessage(HWND target, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    if (!target) return 0;
    TMessage message{msg, wParam, lParam, 0};
    TMessageLoop& loop = TMessageLoop::Instance();
    std::vector<TCallWndHook> hooks;
    {
        std::lock_guard<std::recursive_mutex> guard(loop.mutex_);
        for (auto& [id, hook] : loop.hooks_) hooks.push_back(hook);
    }
    for (auto& hook : hooks) hook(target, message);
    target->WndProc(message);
    return message.Result;
}

bool PostMessage(HWND target, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    TMessageLoop& loop = TMessageLoop::Instance();
    TMessageLoop::Posted item;
    {
        std::lock_guard<std::recursive_mutex> guard(loop.mutex_);
        auto it = loop.live_.find(target);
        if (it == loop.live_.end()) return false;
        item.serial = it->second;
    }
    item.target = target;
    item.message = TMessage{msg, wParam, lParam, 0};
    loop.post(std::move(item));
    return true;
}

uint32_t RegisterWindowMessage(const QString& name) {
    TMessageLoop& loop = TMessageLoop::Instance();
    std::lock_guard<std::recursive_mutex> guard(loop.mutex_);
    // Names compare without regard to case, as on the original platform.
    const QString key = name.toUpper();
    auto it = loop.registered_.find(key);
    if (it != loop.registered_.end()) return it->second;
    const uint32_t id = 0xC000 + static_cast<uint32_t>(loop.registered_.size());
    loop.registered_.emplace(key, id);
    return id;
}

void SetTimer(HWND target, uintptr_t id, unsigned intervalMs) {
    TMessageLoop& loop = TMessageLoop::Instance();
    TMessagePump* pump;
    {
        std::lock_guard<std::recursive_mutex> guard(loop.mutex_);
        if (!loop.live_.count(target)) return;
        auto& timer = loop.timers_[{target, id}];
        timer.interval = std::max(1u, intervalMs);
        timer.due = Clock().NowMs() + timer.interval;
        pump = loop.pump_;
    }
    if (pump) pump->TimersChanged();
}

bool KillTimer(HWND target, uintptr_t id) {
    TMessageLoop& loop = TMessageLoop::Instance();
    std::lock_guard<std::recursive_mutex> guard(loop.mutex_);
    return loop.timers_.erase({target, id}) > 0;
}

bool IsWindow(HWND target) {
    TMessageLoop& loop = TMessageLoop::Instance();
    std::lock_guard<std::recursive_mutex> guard(loop.mutex_);
    return loop.live_.count(target) > 0;
}

int AddCallWndHook(TCallWndHook hook) {
    TMessageLoop& loop = TMessageLoop::Instance();
    std::lock_guard<std::recursive_mutex> guard(loop.mutex_);
    const int id = loop.nextHook_++;
    loop.hooks_.emplace_back(id, std::move(hook));
    return id;
}

void RemoveCallWndHook(int handle) {
    TMessageLoop& loop = TMessageLoop::Instance();
    std::lock_guard<std::recursive_mutex> guard(loop.mutex_);
    auto& hooks = loop.hooks_;
    hooks.erase(std::remove_if(hooks.begin(), hooks.end(), [&](const auto& h) { return h.first == handle; }),
                hooks.end());
}
