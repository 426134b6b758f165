#pragma once

#include <QString>
#include <memory>

// A program started by the process runner. Dropping the handle of a program that still runs
// leaves the program running.
class TProcess {
public:
    virtual ~TProcess() = default;
    // True once the program has ended.
    virtual bool Ended() = 0;
    // The code the program ended with (0 while it runs); a program ended by a signal gives
    // 128 plus the signal's number, as a shell reports it.
    virtual int ExitCode() = 0;
    // Returns when the program ends or after at most Ms milliseconds.
    virtual void Wait(unsigned Ms) = 0;
};

// Starts programs. The program uses the system's runner; tests install a scripted one or let
// the system's runner start stub scripts of their own.
class TProcessRunner {
public:
    virtual ~TProcessRunner() = default;
    // Starts the program file File with Parameters split as a command line is (quotes group
    // blanks); its folder is the caller's. Hidden asks for no window where the system gives a
    // program one. Throws Exception when the program cannot be started.
    virtual std::unique_ptr<TProcess> Start(const QString& File, const QString& Parameters, bool Hidden) = 0;
};

TProcessRunner& ProcessRunner();
// Installs a runner (not owned); nullptr returns to the system's.
void SetProcessRunner(TProcessRunner* runner);

// The system's runner: the program is executed directly, never through a shell.
class TSystemProcessRunner : public TProcessRunner {
public:
    std::unique_ptr<TProcess> Start(const QString& File, const QString& Parameters, bool Hidden) override;
};
