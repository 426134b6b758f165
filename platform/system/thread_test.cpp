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

}  // namespace
