// What the Set Communication window says of a ParGen.xml it cannot take as it is, and what OK
// then does with it.
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"
#include "platform/controls/edit.h"
#include "platform/system/files.h"
#include "platform/testkit/testkit.h"
#include "shell/main_window.h"
#include "shell/par_gen_form.h"
#include "shell/program_test_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class ParGenDamageTest : public TProgramTest {
protected:
    void SetUp() override {
        TProgramTest::SetUp();
        start();
        Project_Name = "Demo";
        Project_Path = Projects_Dir + PathDelim + Project_Name;
        ForceDirectories(Project_Path);
        Set_Project_Files();
    }
    void write(const QByteArray& bytes) {
        QFile file(File_ParGen);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Opens the window from the main window, runs action in it, then presses OK.
    void openAndOk(const std::function<void(TFParGen&)>& action) {
        driver().onNextModal([&](TForm&) {
            action(*FParGen);
            click(*FParGen->Btn_OK, 5, 5);
        });
        w().Btn_Click(w().Btn_Prm_Gen);
    }
    QString keptNote() const {
        return "\n\nThe file will be kept as " + File_ParGen + ".damaged before it is saved over.";
    }
};

// A zero byte is damage like any other: the box says so, and OK keeps the file byte for byte
// before it writes the new one.
TEST_F(ParGenDamageTest, AZeroByteIsReportedAsDamageAndTheFileIsKept) {
    QByteArray damaged = "<Par_Gen><PROFINET_Master_IP1>10</PROFINET_Master_IP1><PROFINET_Master_NAME_STA>a@b"
                         "</PROFINET_Master_NAME_STA></Par_Gen><!--SW_VERSION = 1.001-->";
    damaged.replace('@', '\0');
    write(damaged);
    openAndOk([](TFParGen& f) { EXPECT_EQ(f.E_PROFINET_Master_IP1->Text(), "192"); });
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].text,
              File_ParGen + ": The file is damaged: a zero byte at line 1, column 82" + keptNote());
    EXPECT_EQ(readFileBytes(File_ParGen + ".damaged"), damaged);
    EXPECT_EQ(FParGen->ModalResult(), mrOk);
}

// A folder in the file's place is no missing file: the window says it cannot be read, and OK
// cannot write over it either.
TEST_F(ParGenDamageTest, AFolderInTheFilesPlaceIsReportedAndNotSavedOver) {
    ForceDirectories(File_ParGen);
    driver().onNextModal([](TForm&) {
        FParGen->E_PROFINET_Master_IP1->SetText("10");
        click(*FParGen->Btn_OK, 5, 5);
        // The dialog stays open with the edit.
        EXPECT_EQ(FParGen->ModalResult(), mrNone);
    });
    w().Btn_Click(w().Btn_Prm_Gen);
    ASSERT_EQ(driver().boxes().size(), 2u);
    EXPECT_EQ(driver().boxes()[0].text, "Cannot read " + File_ParGen + ": Is a directory" + keptNote());
    EXPECT_EQ(driver().boxes()[1].text, "Cannot write " + File_ParGen + ": Is a directory");
    EXPECT_TRUE(DirectoryExists(File_ParGen));
}

// A file written by a single-byte editor without a declaration shows its accented letters.
TEST_F(ParGenDamageTest, ASingleByteFileWithoutADeclarationShowsItsLetters) {
    write("<Par_Gen><PROFINET_Master_NAME_STA>gr\xFCn</PROFINET_Master_NAME_STA>"
          "<IEC61850_Server_Password>caf\xE9</IEC61850_Server_Password></Par_Gen>");
    openAndOk([](TFParGen& f) {
        EXPECT_EQ(f.E_PROFINET_Master_NameStation->Text(), QString::fromUtf8("gr\u00FCn"));
        EXPECT_EQ(f.E_IEC61850_Server_Password->Text(), QString::fromUtf8("caf\u00E9"));
    });
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_TRUE(readFileBytes(File_ParGen).contains("<IEC61850_Server_Password>caf\xC3\xA9</IEC61850_Server_Password>"));
}

}  // namespace
