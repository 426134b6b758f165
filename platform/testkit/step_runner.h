#pragma once

#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

class QTimer;

// A script of user steps for a program that runs its own event loop: a timer looks every few
// milliseconds whether the next step is ready and then runs it. The timer fires inside whatever
// loop runs, a modal window's too, so the script goes on while a window it opened is open.
// When a step is not ready within the time-out, the run fails naming it.
class StepRunner {
public:
    using Ready = std::function<bool()>;
    explicit StepRunner(unsigned tickMs = 40);
    ~StepRunner();

    // The step runs once, on the first tick at which ready holds.
    void add(const QString& what, Ready ready, std::function<void()> action);
    // The step runs on every tick at which ready holds, until its action answers true.
    void addRepeated(const QString& what, Ready ready, std::function<bool()> action);

    // Starts the ticks; finished runs after the last step, failed when a step was not ready
    // within timeoutMs of the start, with the step's name.
    void start(unsigned timeoutMs, std::function<void()> finished, std::function<void(const QString&)> failed);
    bool done() const { return steps_.empty(); }
    // Told each step's name as it runs.
    std::function<void(const QString&)> onStep;

private:
    struct Step {
        QString what;
        Ready ready;
        std::function<bool()> action;
    };
    void tick();

    std::deque<Step> steps_;
    std::unique_ptr<QTimer> timer_;
    unsigned tickMs_;
    uint64_t deadline_ = 0;
    bool running_ = false;
    std::function<void()> finished_;
    std::function<void(const QString&)> failed_;
};
