#include "config/banks/bank_buffers.h"
#include "platform/controls/application.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "platform/xml/xml_document.h"
#include "shell/boot_form.h"
#include "common/buttons/lb_button.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "common/state/program_state.h"
#include "shell/program_test_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// The update step with the configuration "P" open.
class UpdateDeviceTest : public TProgramTest {
protected:
    void SetUp() override {
        TProgramTest::SetUp();
        ForceDirectories(folder.file("PROJECTS/P/bin"));
        folder.write("Loomwright.xml",
                     "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
        Create_Program_Windows();
        ASSERT_EQ(Project_Path, folder.file("PROJECTS/P"));
    }
    QString bin(const QString& name) const { return folder.file("PROJECTS/P/bin/" + name); }
    QByteArray read(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(UpdateDeviceTest, TheBanksAreWrittenBeforeTheDeviceDialogOpens) {
    folder.write("PROJECTS/P/ParGen.xml", "<Par_Gen><PROFINET_Master_IP1>10</PROFINET_Master_IP1></Par_Gen>");
    w().Btn_Click(w().Btn_CreateBin);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(driver().modalForms(), std::vector<TForm*>{FBoot});
    EXPECT_EQ(read(bin("bank1.bin")), Bank1_Buf.Bytes(2048));
    EXPECT_EQ(read(bin("bank1.bin")).at(0x28), 10);
    EXPECT_EQ(read(bin("bank2.bin")).size(), 1136);
    EXPECT_EQ(read(bin("bank3.bin")).size(), 55);
    // The builder read through the main window's document, which keeps the last file read.
    EXPECT_EQ(w().XML1->DocumentElement().NodeName(), "Par_Gen");
}

TEST_F(UpdateDeviceTest, AnUnwritableBinFolderShowsAnErrorAndNoUpdateDialog) {
    ASSERT_TRUE(QDir(bin("")).removeRecursively());
    folder.write("PROJECTS/P/bin", "");
    click(*w().Btn_CreateBin, 5, 5);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_EQ(driver().boxes()[0].text,
              "Error! The file " + bin("bank1.bin") +
                  " cannot be written: Not a directory. The device has not been updated.");
    EXPECT_TRUE(driver().modalForms().empty());
}

TEST_F(UpdateDeviceTest, AMalformedProjectFileShowsTheErrorAndWritesNoBank) {
    folder.write("PROJECTS/P/ParGen.xml", "<Par_Gen><PROFINET_Master_IP1>10</Par_Gen>");
    click(*w().Btn_CreateBin, 5, 5);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_TRUE(driver().boxes()[0].text.contains("ParGen.xml")) << driver().boxes()[0].text.toStdString();
    EXPECT_TRUE(driver().modalForms().empty());
    EXPECT_TRUE(FindFiles(bin(""), "*").empty());
}

// A device whose description copy is not well-formed XML ends the update before any bank
// file is touched: the banks of the last update stay as they were.
TEST_F(UpdateDeviceTest, ADeviceWithAMalformedDescriptionCopyEndsTheUpdateAndKeepsTheBanks) {
    folder.write("PROJECTS/P/GSDML/GSDML-V2.3-Broken.xml", "<ISO15745Profile><ProfileHeader>");
    folder.write("PROJECTS/P/PROFINET_Master_Network.xml",
                 "<PROFINET_Master_Network><Network><Device GSDML_FileName=\"GSDML-V2.3-Broken.xml\" "
                 "NameOfStation=\"press-2\" DeviceName=\"Press\" DeviceCategoryRef=\"\" IPAddress=\"10.0.0.2\" "
                 "NewSessionSPI=\"0\" UpdateTime=\"0\" SendClock=\"32\" ReductionRadio=\"2\" AnswerTime=\"0\"/>"
                 "</Network></PROFINET_Master_Network>");
    for (int bank = 1; bank <= 3; ++bank) folder.write(QString("PROJECTS/P/bin/bank%1.bin").arg(bank), "last update");
    click(*w().Btn_CreateBin, 5, 5);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    const QString text = driver().boxes()[0].text;
    EXPECT_TRUE(text.contains("\"press-2\"") && text.contains("GSDML-V2.3-Broken.xml")) << text.toStdString();
    EXPECT_TRUE(driver().modalForms().empty());
    for (int bank = 1; bank <= 3; ++bank) EXPECT_EQ(read(bin(QString("bank%1.bin").arg(bank))), "last update") << bank;
    EXPECT_EQ(FindFiles(bin(""), "*").size(), 3u);
}

}  // namespace
