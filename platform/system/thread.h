#pragma once

#include "platform/core/component.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// A worker thread: created suspended or running, it runs Execute once and hands work to the
// GUI thread with Synchronize, which waits until the GUI thread has run it.
//
// Suspension is cooperative: a thread created suspended starts on Start or Resume, and a running
// body that was told to Suspend stops in its next WaitWhileSuspended until it is resumed or
// asked to end. A thread asked to end before it ever started never runs its body.
class TThread : public TObject {
public:
    explicit TThread(bool createSuspended);
    ~TThread() override;

    void Start();
    void Suspend();
    void Resume();
    bool Suspended() const;
    // Asks the body to end (waking it when suspended); Execute looks at Terminated() where it can stop.
    void Terminate();
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    // What ended the body, once it has finished with an error; nullptr otherwise.
    std::exception_ptr FatalException() const { return finished_ ? fatal_ : nullptr; }
    // Waits until Execute has returned, running the GUI thread's queued work meanwhile when
    // called from the GUI thread.
    void WaitFor();

    // True on the thread that created the first TThread's owner: the GUI thread.
    static bool IsMainThread();
    static void SetMainThread();

protected:
    virtual void Execute() = 0;
    void Synchronize(const std::function<void()>& method);
    // The body's suspension point: blocks while the thread is suspended and not terminated.
    void WaitWhileSuspended();

private:
    void run();

    std::thread thread_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::exception_ptr fatal_;
    bool started_ = false;
    mutable std::mutex suspendLock_;
    std::condition_variable resumed_;
    bool suspended_ = true;
};
