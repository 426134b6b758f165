#include "platform/system/process.h"

#include "platform/core/exception.h"
#include "platform/system/files.h"

#include <QProcess>
#include <QStringList>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

extern char** environ;

namespace {

std::atomic<TProcessRunner*> installed{nullptr};

// Children whose handles were dropped while they ran: reaped once they end, so that none
// stays behind as a zombie.
std::mutex orphanLock;
std::vector<pid_t> orphans;

void reapOrphans() {
    std::lock_guard<std::mutex> hold(orphanLock);
    std::erase_if(orphans, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

class SystemProcess : public TProcess {
public:
    explicit SystemProcess(pid_t pid) : pid_(pid) {
#ifdef SYS_pidfd_open
        pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#endif
    }
    ~SystemProcess() override {
        if (pidfd_ >= 0) ::close(pidfd_);
        if (!Ended()) {
            std::lock_guard<std::mutex> hold(orphanLock);
            orphans.push_back(pid_);
        }
    }

    bool Ended() override {
        if (ended_) return true;
        int status = 0;
        pid_t r;
        do r = ::waitpid(pid_, &status, WNOHANG);
        while (r < 0 && errno == EINTR);
        if (r == 0) return false;
        ended_ = true;
        if (r == pid_ && WIFEXITED(status)) exitCode_ = WEXITSTATUS(status);
        else if (r == pid_ && WIFSIGNALED(status)) exitCode_ = 128 + WTERMSIG(status);
        else exitCode_ = -1;  // reaped elsewhere: its code is lost
        return true;
    }

    int ExitCode() override { return Ended() ? exitCode_ : 0; }

    void Wait(unsigned Ms) override {
        using namespace std::chrono;
        const auto deadline = steady_clock::now() + milliseconds(Ms);
        while (!Ended()) {
            const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
            if (left <= 0) return;
            if (pidfd_ >= 0) {
                // The descriptor becomes readable when the program ends.
                pollfd end{pidfd_, POLLIN, 0};
                ::poll(&end, 1, static_cast<int>(left));
            } else {
                std::this_thread::sleep_for(milliseconds(std::min<long long>(left, 1)));
            }
        }
    }

private:
    pid_t pid_;
    int pidfd_ = -1;
    bool ended_ = false;
    int exitCode_ = 0;
};

}  // namespace

TProcessRunner& ProcessRunner() {
    static TSystemProcessRunner systemRunner;
    TProcessRunner* r = installed.load();
    return r ? *r : systemRunner;
}

void SetProcessRunner(TProcessRunner* runner) { installed.store(runner); }

std::unique_ptr<TProcess> TSystemProcessRunner::Start(const QString& File, const QString& Parameters, bool) {
    reapOrphans();
    std::vector<QByteArray> args{File.toLocal8Bit()};
    for (const QString& parameter : QProcess::splitCommand(Parameters)) args.push_back(parameter.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (error != 0)
        throw Exception(QStringLiteral("Cannot start \"%1\": %2").arg(File, SystemErrorText(error)));
    return std::make_unique<SystemProcess>(pid);
}
