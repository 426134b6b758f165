#include "platform/testkit/step_runner.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs the steps in an event loop until they end or fail; what failed is returned.
QString runSteps(StepRunner& steps, unsigned timeoutMs) {
    QEventLoop loop;
    QString failed;
    steps.start(
        timeoutMs, [&] { loop.quit(); },
        [&](const QString& what) {
            failed = what;
            loop.quit();
        });
    loop.exec();
    return failed;
}

TEST(StepRunnerTest, EachStepWaitsForItsReadinessAndTheOrderHolds) {
    StepRunner steps(5);
    QStringList done;
    int ticks = 0;
    steps.add("first", [&] { return ++ticks >= 3; }, [&] { done << "first"; });
    steps.add("second", [] { return true; }, [&] { done << "second"; });
    int turns = 0;
    steps.addRepeated("third", [] { return true; }, [&] {
        done << "third";
        return ++turns == 2;
    });
    EXPECT_EQ(runSteps(steps, 5000), "");
    EXPECT_EQ(done, QStringList({"first", "second", "third", "third"}));
    EXPECT_TRUE(steps.done());
}

// A step whose action opens a loop of its own, as a click that opens a modal window does when
// the event reaches it: the steps after it run inside that loop and may end it.
TEST(StepRunnerTest, TheStepsGoOnInsideALoopThatAnActionOpened) {
    StepRunner steps(5);
    QEventLoop modal;
    bool insideModal = false;
    steps.add("open the modal loop", [] { return true; }, [&] {
        QTimer::singleShot(0, [&] { modal.exec(); });
    });
    steps.add("inside it", [&] { return modal.isRunning(); }, [&] {
        insideModal = true;
        modal.quit();
    });
    EXPECT_EQ(runSteps(steps, 5000), "");
    EXPECT_TRUE(insideModal);
}

TEST(StepRunnerTest, AStepNeverReadyFailsTheRunWithItsName) {
    StepRunner steps(5);
    bool later = false;
    steps.add("ready", [] { return true; }, [] {});
    steps.add("never ready", [] { return false; }, [] {});
    steps.add("after it", [] { return true; }, [&] { later = true; });
    EXPECT_EQ(runSteps(steps, 100), "never ready");
    EXPECT_FALSE(later);
    EXPECT_FALSE(steps.done());
}

}  // namespace
