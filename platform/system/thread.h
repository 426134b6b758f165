#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// A worker thread: created suspended or running, it runs Execute once and hands work to the
// GUI thread with Synchronize, which waits until the GUI thread has run it.
class TThread {
public:
    explicit TThread(bool createSuspended);
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();
    // Asks the body to end; Execute looks at Terminated() where it can stop.
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    // Waits until Execute has returned, running the GUI thread's queued work meanwhile when
    // called from the GUI thread.
    void WaitFor();

    // True on the thread that created the first TThread's owner: the GUI thread.
    static bool IsMainThread();
    static void SetMainThread();

protected:
    virtual void Execute() = 0;
    void Synchronize(const std::function<void()>& method);

private:
    void run();

    std::thread thread_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    bool started_ = false;
};
