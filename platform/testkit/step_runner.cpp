#include "platform/testkit/step_runner.h"

#include <QDateTime>
#include <QTimer>

namespace {
uint64_t nowMs() { return static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()); }
}  // namespace

StepRunner::StepRunner(unsigned tickMs) : tickMs_(tickMs) {}
StepRunner::~StepRunner() = default;

void StepRunner::add(const QString& what, Ready ready, std::function<void()> action) {
    steps_.push_back({what, std::move(ready), [action = std::move(action)] {
                          action();
                          return true;
                      }});
}

void StepRunner::addRepeated(const QString& what, Ready ready, std::function<bool()> action) {
    steps_.push_back({what, std::move(ready), std::move(action)});
}

void StepRunner::start(unsigned timeoutMs, std::function<void()> finished, std::function<void(const QString&)> failed) {
    finished_ = std::move(finished);
    failed_ = std::move(failed);
    deadline_ = nowMs() + timeoutMs;
    timer_ = std::make_unique<QTimer>();
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { tick(); });
    timer_->start(static_cast<int>(tickMs_));
}

void StepRunner::tick() {
    // A step's action may run a nested loop of its own (a box shown at once): the ticks it
    // meets there wait for it.
    if (running_) return;
    if (steps_.empty()) {
        timer_->stop();
        if (finished_) finished_();
        return;
    }
    Step& step = steps_.front();
    if (!step.ready()) {
        if (nowMs() <= deadline_) return;
        timer_->stop();
        if (failed_) failed_(step.what);
        return;
    }
    if (onStep) onStep(step.what);
    running_ = true;
    const bool complete = step.action();
    running_ = false;
    if (complete) steps_.pop_front();
}
