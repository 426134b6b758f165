#include "config/banks/bank_buffers.h"
#include "platform/controls/application.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "platform/xml/xml_document.h"
#include "shell/main/boot_form.h"
#include "shell/buttons/lb_button.h"
#include "shell/main/main_block.h"
#include "shell/main/main_window.h"
#include "shell/common/program_state.h"
#include "shell/main/program_test_fixture.h"

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
              "Error! The file " + bin("bank1.bin") + " cannot be written. The device has not been updated.");
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

}  // namespace
