#pragma once

#include <condition_variable>
#include <mutex>

// A manual-reset event: once set it stays set, releasing every waiter, until it is reset.
class TSyncEvent {
public:
    void SetEvent() {
        std::lock_guard<std::mutex> g(lock_);
        set_ = true;
        changed_.notify_all();
    }
    void ResetEvent() {
        std::lock_guard<std::mutex> g(lock_);
        set_ = false;
    }
    bool IsSet() const {
        std::lock_guard<std::mutex> g(lock_);
        return set_;
    }
    // Blocks until the event is set.
    void WaitFor() {
        std::unique_lock<std::mutex> lock(lock_);
        changed_.wait(lock, [this] { return set_; });
    }

private:
    mutable std::mutex lock_;
    std::condition_variable changed_;
    bool set_ = false;
};
