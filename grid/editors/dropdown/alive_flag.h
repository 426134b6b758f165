#pragma once

#include <memory>

// Tells code that fires an event whether the object firing it outlived the handler: a handler
// may destroy the drop-down (and with it the pop-up and its buttons) that called it.
class TAliveFlag {
public:
    TAliveFlag() : flag_(std::make_shared<bool>(true)) {}
    ~TAliveFlag() { *flag_ = false; }
    TAliveFlag(const TAliveFlag&) = delete;
    TAliveFlag& operator=(const TAliveFlag&) = delete;

    // Reads true for as long as the owner of this flag lives.
    std::shared_ptr<const bool> Watch() const { return flag_; }

private:
    std::shared_ptr<bool> flag_;
};

// Calls an event from a copy, so that a handler that destroys the event's owner does not
// destroy the handler while it runs.
template <typename Event, typename... Args>
void FireEvent(const Event& event, Args&&... args) {
    const Event copy = event;
    copy(std::forward<Args>(args)...);
}
