#include "platform/system/thread.h"

#include "platform/messages/message_loop.h"

#include <chrono>

namespace {
std::thread::id mainThread = std::this_thread::get_id();
}

bool TThread::IsMainThread() { return std::this_thread::get_id() == mainThread; }
void TThread::SetMainThread() { mainThread = std::this_thread::get_id(); }

TThread::TThread(bool createSuspended) {
    if (!createSuspended) Start();
}

TThread::~TThread() {
    Terminate();
    if (started_ && thread_.joinable()) {
        WaitFor();
        thread_.join();
    }
}

void TThread::Start() {
    if (started_) return;
    started_ = true;
    {
        std::lock_guard<std::mutex> g(suspendLock_);
        suspended_ = false;
    }
    if (terminated_) {
        finished_ = true;
        return;
    }
    thread_ = std::thread([this] { run(); });
}

void TThread::Suspend() {
    std::lock_guard<std::mutex> g(suspendLock_);
    suspended_ = true;
}

void TThread::Resume() {
    if (!started_) {
        Start();
        return;
    }
    std::lock_guard<std::mutex> g(suspendLock_);
    suspended_ = false;
    resumed_.notify_all();
}

bool TThread::Suspended() const {
    std::lock_guard<std::mutex> g(suspendLock_);
    return suspended_;
}

void TThread::Terminate() {
    std::lock_guard<std::mutex> g(suspendLock_);
    terminated_ = true;
    resumed_.notify_all();
}

void TThread::WaitWhileSuspended() {
    std::unique_lock<std::mutex> lock(suspendLock_);
    resumed_.wait(lock, [this] { return !suspended_ || terminated_; });
}

void TThread::run() {
    try {
        Execute();
    } catch (...) {
        // The body's error ends the thread; it is kept for whoever looks.
        fatal_ = std::current_exception();
    }
    finished_ = true;
    TMessageLoop::Instance().QueueCall([] {});
}

void TThread::WaitFor() {
    if (!started_) return;
    while (!finished_) {
        if (IsMainThread() && TMessageLoop::Instance().ProcessPosted() > 0) continue;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void TThread::Synchronize(const std::function<void()>& method) {
    if (IsMainThread()) {
        method();
        return;
    }
    struct Done {
        std::mutex m;
        std::condition_variable cv;
        bool done = false;
        std::exception_ptr error;
    };
    auto done = std::make_shared<Done>();
    TMessageLoop::Instance().QueueCall([done, method] {
        try {
            method();
        } catch (...) {
            done->error = std::current_exception();
        }
        std::lock_guard<std::mutex> g(done->m);
        done->done = true;
        done->cv.notify_all();
    });
    std::unique_lock<std::mutex> lock(done->m);
    done->cv.wait(lock, [&] { return done->done; });
    if (done->error) std::rethrow_exception(done->error);
}
