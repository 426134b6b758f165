#pragma once

#include <functional>
#include <type_traits>
#include <utility>

class TObject;

// An event property: a callable that may be unassigned; calling an unassigned event does nothing.
template <typename Signature>
class TEvent;

template <typename... Args>
class TEvent<void(Args...)> {
public:
    TEvent() = default;
    TEvent(const TEvent&) = default;
    TEvent(TEvent&&) noexcept = default;
    TEvent& operator=(const TEvent&) = default;
    TEvent& operator=(TEvent&&) noexcept = default;

    // Any callable but another event (a non-const event would otherwise pick these).
    template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F&& f) : handler_(std::forward<F>(f)) {}

    template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent& operator=(F&& f) {
        handler_ = std::function<void(Args...)>(std::forward<F>(f));
        return *this;
    }
    TEvent& operator=(std::nullptr_t) {
        handler_ = nullptr;
        return *this;
    }

    explicit operator bool() const { return static_cast<bool>(handler_); }

    void operator()(Args... args) const {
        if (handler_) handler_(std::forward<Args>(args)...);
    }

private:
    std::function<void(Args...)> handler_;
};

using TNotifyEvent = TEvent<void(TObject*)>;
