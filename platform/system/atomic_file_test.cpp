#include "platform/system/atomic_file.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList hidden(const TempFolder& tmp) {
    return QDir(tmp.path()).entryList({".*"}, QDir::Files | QDir::Hidden, QDir::Name);
}

// A writer killed in the middle of its save: the old file stays whole, and the temporary file it
// leaves behind goes with the next save of that file; others' files and a writer at work are
// left alone.
TEST(AtomicFile, AKilledSavesTemporaryFileGoesWithTheNextSave) {
    TempFolder tmp;
    const QString target = tmp.write("ParGen.xml", "old");
    // A writer at work in this program meanwhile.
    TAtomic_File atWork(target);
    ASSERT_TRUE(atWork.Open());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TAtomic_File out(target);
        if (out.Open() && out.Write(QByteArray(100000, 'x'))) (void)!::write(ready[1], "w", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    // The killed writer's file and the one at work.
    ASSERT_EQ(hidden(tmp).size(), 2);
    EXPECT_EQ(readFileBytes(target), "old");

    tmp.write(".Other.xml.Ab12Cd", "another file's");
    tmp.write(".ParGen.xml.notes", "the user's");

    ASSERT_TRUE(WriteFileAtomic(target, "new"));
    EXPECT_EQ(readFileBytes(target), "new");
    QStringList left = hidden(tmp);
    EXPECT_EQ(left.size(), 3) << left.join(' ').toStdString();
    EXPECT_TRUE(left.contains(".Other.xml.Ab12Cd"));
    EXPECT_TRUE(left.contains(".ParGen.xml.notes"));

    // The writer at work still finishes its save.
    ASSERT_TRUE(atWork.Write("newer") && atWork.Commit());
    EXPECT_EQ(readFileBytes(target), "newer");
    EXPECT_EQ(hidden(tmp), (QStringList{".Other.xml.Ab12Cd", ".ParGen.xml.notes"}));
}

}  // namespace
