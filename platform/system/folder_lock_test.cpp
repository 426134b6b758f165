#include "platform/system/folder_lock.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A folder held by another running program is in use, with that program named; once it is gone,
// killed or ended, its lock file is taken over.
TEST(FolderLock, AFolderIsHeldByOneProgramAndTakenOverWhenItsOwnerIsGone) {
    TempFolder tmp;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TFolder_Lock lock(tmp.path(), "Program.lock");
        if (lock.Take() == TFolder_Lock::lsTaken) (void)!::write(ready[1], "t", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);

    TFolder_Lock second(tmp.path(), "Program.lock");
    EXPECT_EQ(second.Take(), TFolder_Lock::lsInUse);
    EXPECT_EQ(second.Owner(), child);
    EXPECT_EQ(readFileBytes(tmp.file("Program.lock")), QByteArray::number(child) + "\n");

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    // The killed owner's file names a process that is gone.
    EXPECT_EQ(second.Take(), TFolder_Lock::lsTaken);
    EXPECT_EQ(readFileBytes(tmp.file("Program.lock")), QByteArray::number(::getpid()) + "\n");

    // Within one program too, a second taker finds the folder in use.
    {
        TFolder_Lock third(tmp.path(), "Program.lock");
        EXPECT_EQ(third.Take(), TFolder_Lock::lsInUse);
        EXPECT_EQ(third.Owner(), ::getpid());
    }
    EXPECT_TRUE(QFile::exists(tmp.file("Program.lock")));
}

TEST(FolderLock, AStaleFileIsTakenOverAndAnEndedOwnerLeavesNone) {
    TempFolder tmp;
    tmp.write("Program.lock", "999999999\n");
    {
        TFolder_Lock lock(tmp.path(), "Program.lock");
        EXPECT_EQ(lock.Take(), TFolder_Lock::lsTaken);
        EXPECT_EQ(readFileBytes(tmp.file("Program.lock")), QByteArray::number(::getpid()) + "\n");
    }
    EXPECT_FALSE(QFile::exists(tmp.file("Program.lock")));

    TFolder_Lock nowhere(tmp.file("missing"), "Program.lock");
    EXPECT_EQ(nowhere.Take(), TFolder_Lock::lsNoLock);
    EXPECT_EQ(nowhere.Error(), "No such file or directory");
}

}  // namespace
