#include "tables/export_file.h"

#include "platform/testkit/exception_message.h"
#include "platform/testkit/full_disk.h"
#include "platform/testkit/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A failed export says why, in the system's words, and leaves the old file as it was.
TEST(ExportFile, AFailedWriteSaysTheSystemsReason) {
    TempFolder tmp;
    QDir().mkpath(tmp.file("Slave.gsd"));
    const struct {
        QString file;
        const char* reason;
    } cases[] = {{tmp.file("missing/Slave.gsd"), "No such file or directory"},
                 {tmp.file("Slave.gsd"), "Is a directory"}};
    for (const auto& c : cases)
        EXPECT_EQ(messageOf([&] { Write_Export_File(c.file, "new\r\n"); }),
                  "Cannot create file \"" + c.file + "\": " + c.reason + ".");
}

TEST(ExportFile, AFullDiskIsNamedAndTheOldFileStaysWhole) {
    TempFolder tmp;
    FullDisk disk(tmp.path());
    SKIP_WITHOUT_FULL_DISK(disk);
    const QString file = tmp.write("Slave.mib", "old contents\r\n");
    disk.Fill();
    EXPECT_EQ(messageOf([&] { Write_Export_File(file, QByteArray(64 * 1024, 'n')); }),
              "Cannot create file \"" + file + "\": No space left on device.");
    EXPECT_EQ(readFileBytes(file), "old contents\r\n");
    EXPECT_EQ(QDir(tmp.path()).entryList({"*Slave.mib*"}, QDir::Files | QDir::Hidden), QStringList{"Slave.mib"});
}

}  // namespace
