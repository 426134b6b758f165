#pragma once

#include "platform/core/exception.h"
#include "platform/messages/clock.h"
#include "platform/system/process.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <limits>
#include <vector>

// A process runner for tests that starts nothing: each start takes the next scripted program,
// which ends after a time on the clock with its code, never ends, or fails to start. Waiting
// lets the clock run. It is installed for as long as it lives; starts beyond the script fail.
class TScriptedProcessRunner : public TProcessRunner {
public:
    struct Started {
        QString File;
        QString Parameters;
        bool Hidden;
    };

    TScriptedProcessRunner() { SetProcessRunner(this); }
    ~TScriptedProcessRunner() override { SetProcessRunner(nullptr); }
    TScriptedProcessRunner(const TScriptedProcessRunner&) = delete;
    TScriptedProcessRunner& operator=(const TScriptedProcessRunner&) = delete;

    void endsAfter(uint64_t Ms, int ExitCode) { script_.push_back({false, Ms, ExitCode}); }
    void neverEnds() { script_.push_back({false, Forever, 0}); }
    void failsToStart() { script_.push_back({true, 0, 0}); }

    // Runs at every wait of a started program: what the user does meanwhile.
    std::function<void()> onWait;

    const std::vector<Started>& started() const { return started_; }

    std::unique_ptr<TProcess> Start(const QString& File, const QString& Parameters, bool Hidden) override {
        started_.push_back({File, Parameters, Hidden});
        if (script_.empty() || script_.front().fails) {
            if (!script_.empty()) script_.pop_front();
            throw Exception(QStringLiteral("Cannot start \"%1\"").arg(File));
        }
        const Program p = script_.front();
        script_.pop_front();
        const uint64_t now = Clock().NowMs();
        return std::make_unique<Process>(*this, p.runsMs == Forever ? Forever : now + p.runsMs, p.exitCode);
    }

private:
    static constexpr uint64_t Forever = std::numeric_limits<uint64_t>::max();
    struct Program {
        bool fails;
        uint64_t runsMs;
        int exitCode;
    };
    class Process : public TProcess {
    public:
        Process(TScriptedProcessRunner& runner, uint64_t endsAt, int exitCode)
            : runner_(runner), endsAt_(endsAt), exitCode_(exitCode) {}
        bool Ended() override { return Clock().NowMs() >= endsAt_; }
        int ExitCode() override { return Ended() ? exitCode_ : 0; }
        void Wait(unsigned Ms) override {
            if (runner_.onWait) runner_.onWait();
            const uint64_t now = Clock().NowMs();
            if (now < endsAt_) Clock().Sleep(static_cast<unsigned>(std::min<uint64_t>(Ms, endsAt_ - now)));
        }

    private:
        TScriptedProcessRunner& runner_;
        uint64_t endsAt_;
        int exitCode_;
    };

    std::deque<Program> script_;
    std::vector<Started> started_;
};
