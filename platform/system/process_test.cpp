#include "platform/system/process.h"

#include "platform/core/exception.h"
#include "platform/system/scripted_process.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class ProcessTest : public ::testing::Test {
protected:
    // A shell script in the temporary folder, executable unless told otherwise.
    QString script(const QString& name, const QByteArray& body, bool executable = true) {
        const QString path = folder.write(name, "#!/bin/sh\n" + body);
        if (executable) QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
        return path;
    }
    // Waits for a real program to end, at most about ten seconds.
    static void waitForEnd(TProcess& process) {
        for (int i = 0; i < 100 && !process.Ended(); ++i) process.Wait(100);
        ASSERT_TRUE(process.Ended());
    }
    QByteArray read(const QString& name) {
        QFile f(folder.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    TempFolder folder;
    TSystemProcessRunner runner;
};

TEST_F(ProcessTest, RunsTheProgramWithItsParametersAndGivesItsExitCode) {
    const QString stub = script("stub", "printf '%s|%s|%s' \"$#\" \"$1\" \"$2\" > \"$(dirname \"$0\")/args\"\nexit 7\n");
    auto process = runner.Start(stub, "one \"two words\"", false);
    waitForEnd(*process);
    EXPECT_EQ(process->ExitCode(), 7);
    EXPECT_EQ(read("args"), "2|one|two words");

    auto quiet = runner.Start(stub, "", true);
    waitForEnd(*quiet);
    EXPECT_EQ(quiet->ExitCode(), 7);
    EXPECT_EQ(read("args"), "0||");
}

TEST_F(ProcessTest, AProgramEndedByASignalGivesTheShellsCode) {
    auto process = runner.Start(script("killed", "kill -9 $$\n"), "", false);
    waitForEnd(*process);
    EXPECT_EQ(process->ExitCode(), 128 + 9);
}

TEST_F(ProcessTest, AProgramThatCannotRunRaises) {
    const QString notExecutable = script("plain", "exit 0\n", false);
    for (const QString& file : {folder.file("missing"), notExecutable, folder.path()}) {
        try {
            runner.Start(file, "", false);
            ADD_FAILURE() << file.toStdString() << " started";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message.startsWith("Cannot start \"" + file + "\"")) << e.Message.toStdString();
        }
    }
}

TEST(ScriptedProcessRunner, ProgramsEndOnTheClockAndTheRunnerIsInstalledWhileItLives) {
    TProcessRunner& system = ProcessRunner();
    {
        TScriptedProcessRunner scripted;
        EXPECT_EQ(&ProcessRunner(), &scripted);
        scripted.endsAfter(25, 3);
        scripted.failsToStart();
        auto process = ProcessRunner().Start("updater", "-x", true);
        EXPECT_FALSE(process->Ended());
        const uint64_t start = Clock().NowMs();
        while (!process->Ended()) process->Wait(10);
        EXPECT_EQ(Clock().NowMs() - start, 25u);
        EXPECT_EQ(process->ExitCode(), 3);
        EXPECT_THROW(ProcessRunner().Start("updater", "", false), Exception);
        ASSERT_EQ(scripted.started().size(), 2u);
        EXPECT_EQ(scripted.started()[0].Parameters, "-x");
        EXPECT_TRUE(scripted.started()[0].Hidden);
    }
    EXPECT_EQ(&ProcessRunner(), &system);
}

}  // namespace
