#include "platform/system/thread.h"

#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class Worker : public TThread {
public:
    explicit Worker(std::vector<int>* log) : TThread(true), log_(log) {}

protected:
    void Execute() override {
        Synchronize([this] {
            EXPECT_TRUE(IsMainThread());
            log_->push_back(1);
        });
        Synchronize([this] { log_->push_back(2); });
    }

private:
    std::vector<int>* log_;
};

TEST(Thread, SynchronizedCallsRunOnTheGuiThreadInOrder) {
    std::vector<int> log;
    Worker worker(&log);
    EXPECT_TRUE(log.empty());
    worker.Start();
    worker.WaitFor();
    EXPECT_TRUE(worker.Finished());
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
}

TEST(Thread, ASuspendedThreadThatNeverStartedIsDestroyedQuietly) {
    std::vector<int> log;
    { Worker worker(&log); }
    EXPECT_TRUE(log.empty());
}

// Hands a tick to the GUI thread after every suspension point, as a fade timer does; the tick
// may suspend the thread from the GUI thread.
class Ticker : public TThread {
public:
    explicit Ticker(std::function<void(Ticker&)> tick) : TThread(true), tick_(std::move(tick)) {}
    ~Ticker() override {
        Terminate();
        WaitFor();
    }

protected:
    void Execute() override {
        while (!Terminated()) {
            WaitWhileSuspended();
            if (Terminated()) break;
            Synchronize([this] { tick_(*this); });
        }
    }

private:
    std::function<void(Ticker&)> tick_;
};

TEST(Thread, ATickThatSuspendsItsThreadStopsItUntilResumed) {
    int ticks = 0;
    Ticker ticker([&](Ticker& t) {
        if (++ticks % 3 == 0) t.Suspend();
    });
    EXPECT_TRUE(ticker.Suspended());
    ticker.Resume();
    ASSERT_TRUE(serveUntil([&] { return ticks == 3; }));
    EXPECT_TRUE(ticker.Suspended());
    // Suspended in its body: nothing more arrives however often the GUI thread looks.
    for (int i = 0; i < 100; ++i) processPosted();
    EXPECT_EQ(ticks, 3);

    ticker.Resume();
    ASSERT_TRUE(serveUntil([&] { return ticks == 6; }));
    EXPECT_TRUE(ticker.Suspended());
    ticker.Terminate();
    ticker.WaitFor();
    EXPECT_TRUE(ticker.Finished());
    EXPECT_EQ(ticks, 6);
}

TEST(Thread, TerminateWakesASuspendedBodyAndWaitForServesItsLastHandOff) {
    int ticks = 0;
    Ticker ticker([&](Ticker&) { ++ticks; });
    ticker.Resume();
    ASSERT_TRUE(serveUntil([&] { return ticks >= 2; }));
    ticker.Suspend();
    ticker.Terminate();
    // The worker may be waiting in a hand-off: WaitFor on the GUI thread serves it.
    ticker.WaitFor();
    EXPECT_TRUE(ticker.Finished());
}

TEST(Thread, AThreadAskedToEndBeforeItStartedNeverRunsItsBody) {
    std::vector<int> log;
    Worker worker(&log);
    worker.Terminate();
    worker.Resume();
    EXPECT_FALSE(worker.Suspended());
    worker.WaitFor();
    EXPECT_TRUE(worker.Finished());
    processPosted();
    EXPECT_TRUE(log.empty());
}

}  // namespace
