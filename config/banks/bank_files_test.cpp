#include "config/banks/bank_files.h"

#include "config/banks/bank_buffers.h"
#include "config/banks/bank_test_project.h"
#include "platform/testkit/full_disk.h"
#include "platform/testkit/testkit.h"

#include <QDir>

namespace {

class BankFilesTest : public TBankProject {
protected:
    QStringList binFiles() const {
        QStringList names;
        for (const TSearchRec& r : FindFiles(folder.file("bin"), "*")) names << r.Name;
        return names;
    }
    void expectFilesHoldTheBuffers() {
        EXPECT_EQ(readFile("bin/bank1.bin"), Bank1_Buf.Bytes(Bank1_Len));
        EXPECT_EQ(readFile("bin/bank2.bin"), Bank2_Buf.Bytes(Bank2_Len));
        EXPECT_EQ(readFile("bin/bank3.bin"), Bank3_Buf.Bytes(Bank3_Len));
    }
};

TEST_F(BankFilesTest, TheThreeFilesHoldExactlyTheirImages) {
    writeParGen({{"PROFINET_Master_IP1", "10"}, {"TLS_Server_Key", QString(1000, 'k')}});
    Create_Bin_Data(xml);
    EXPECT_EQ(Write_Bin_Files(), "");
    EXPECT_EQ(binFiles(), QStringList({"bank1.bin", "bank2.bin", "bank3.bin"}));  // no temporary files
    expectFilesHoldTheBuffers();
    EXPECT_EQ(readFile("bin/bank3.bin").size(), 55 + 1001);

    // The same files again give the same banks; a shorter build leaves no old tail behind.
    const QByteArray first = readFile("bin/bank3.bin");
    Create_Bin_Data(xml);
    ASSERT_TRUE(Save_Bin());
    EXPECT_EQ(readFile("bin/bank3.bin"), first);
    writeParGen({{"PROFINET_Master_IP1", "10"}});
    Create_Bin_Data(xml);
    ASSERT_TRUE(Save_Bin());
    expectFilesHoldTheBuffers();
    EXPECT_EQ(readFile("bin/bank3.bin").size(), 55);
    EXPECT_TRUE(driver().boxes().empty());
    // The document stays loaded with the last file read.
    EXPECT_EQ(xml.DocumentElement().NodeName(), "Par_Gen");
}

TEST_F(BankFilesTest, ABinFolderThatIsAFileIsReportedAndNothingIsWritten) {
    Create_Bin_Data(xml);
    ASSERT_TRUE(QDir(folder.file("bin")).removeRecursively());
    folder.write("bin", "not a folder");
    EXPECT_EQ(Write_Bin_Files(), Bank_File_Path(1));
    EXPECT_FALSE(Save_Bin());
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_EQ(driver().boxes()[0].buttons, mbOK);
    EXPECT_EQ(driver().boxes()[0].text, "Error! The file " + folder.file("bin/bank1.bin") +
                                            " cannot be written: Not a directory. The device has not been updated.");
    EXPECT_EQ(readFile("bin"), "not a folder");
}

// A full disk is no success: the update stops with the system's reason, and the bank files of
// the last update stay as they were, byte for byte.
TEST_F(BankFilesTest, AFullDiskStopsTheUpdateAndKeepsTheOldBanks) {
    FullDisk disk(folder.file("bin"));
    SKIP_WITHOUT_FULL_DISK(disk);
    for (const char* name : {"bank1.bin", "bank2.bin", "bank3.bin"}) folder.write(QString("bin/") + name, name);
    disk.Fill();
    Create_Bin_Data(xml);
    EXPECT_FALSE(Save_Bin());
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].text, "Error! The file " + folder.file("bin/bank1.bin") +
                                            " cannot be written: No space left on device. The device has not been "
                                            "updated.");
    for (const char* name : {"bank1.bin", "bank2.bin", "bank3.bin"})
        EXPECT_EQ(readFile(QString("bin/") + name), name);
    EXPECT_EQ(binFiles(), QStringList({".filler", "bank1.bin", "bank2.bin", "bank3.bin"}));
}

// A bank that cannot be written stops the writing there; the files already there stay whole.
TEST_F(BankFilesTest, WritingStopsAtTheFirstBankThatFails) {
    folder.write("bin/bank1.bin", "old 1");
    folder.write("bin/bank3.bin", "old 3");
    ASSERT_TRUE(QDir().mkpath(folder.file("bin/bank2.bin")));
    Create_Bin_Data(xml);
    EXPECT_EQ(Write_Bin_Files(), folder.file("bin/bank2.bin"));
    EXPECT_EQ(readFile("bin/bank1.bin"), Bank1_Buf.Bytes(2048));
    EXPECT_TRUE(DirectoryExists(folder.file("bin/bank2.bin")));
    EXPECT_EQ(readFile("bin/bank3.bin"), "old 3");
    EXPECT_EQ(binFiles(), QStringList({"bank1.bin", "bank2.bin", "bank3.bin"}));
}

}  // namespace
