#include "platform/controls/application.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "platform/controls/timer.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "common/buttons/lb_button.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "shell/new_project_form.h"
#include "shell/open_conf_form.h"
#include "shell/par_gen_form.h"
#include "common/state/program_state.h"
#include "shell/program_test_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class ConfigurationsTest : public TProgramTest {
protected:
    QString project(const QString& name) const { return folder.file("PROJECTS/" + name); }

    // The New step with the name typed and OK pressed; further actions follow when it stays open.
    void createNamed(const QString& name, bool thenCancel = false) {
        driver().onNextModal([=](TForm&) {
            FNew_Project->E_New_Proj->SetText(name);
            click(*FNew_Project->Btn_OK, 5, 5);
            if (thenCancel && FNew_Project->ModalResult() == mrNone) click(*FNew_Project->Btn_Cancel, 5, 5);
        });
        w().Btn_Click(w().Btn_New);
    }
};

TEST_F(ConfigurationsTest, ANewConfigurationGetsItsFoldersAndOpens) {
    start();
    createNamed("Plant A");
    EXPECT_TRUE(DirectoryExists(project("Plant A")));
    EXPECT_TRUE(DirectoryExists(project("Plant A/bin")));
    EXPECT_EQ(Project_Name, "Plant A");
    EXPECT_EQ(Project_Path, project("Plant A"));
    EXPECT_EQ(File_ParGen, project("Plant A/ParGen.xml"));
    EXPECT_EQ(w().L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(w().L_Name_Conf_L2->Caption(), "Plant A");
    EXPECT_TRUE(driver().boxes().empty());
    w().Btn_Click(w().Btn_Prm_Gen);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(driver().modalForms().back(), FParGen);
}

TEST_F(ConfigurationsTest, EnterInTheNameFieldConfirms) {
    start();
    driver().onNextModal([](TForm&) {
        for (QChar ch : QString("Line 2")) typeChar(*FNew_Project->E_New_Proj, ch);
        typeChar(*FNew_Project->E_New_Proj, QChar(13));
    });
    w().Btn_Click(w().Btn_New);
    EXPECT_EQ(Project_Name, "Line 2");
}

TEST_F(ConfigurationsTest, BadNamesAreRefusedAndNothingChanges) {
    ForceDirectories(project("Existing"));
    folder.write("PROJECTS/AFile", "x");
    start();
    struct Case {
        QString name;
        int text;
    };
    for (const Case& c : {Case{"", 107}, Case{"Existing", 106}, Case{"../Escaped", 105}, Case{"a/b", 105},
                          Case{"..", 105}, Case{".", 105}, Case{".hidden", 105}, Case{"x\\y", 105},
                          Case{"AFile", 105}}) {
        driver().reset();
        createNamed(c.name, true);
        ASSERT_EQ(driver().boxes().size(), 1u) << c.name.toStdString();
        EXPECT_EQ(driver().boxes()[0].type, mtError);
        EXPECT_EQ(driver().boxes()[0].text, Lang(c.text)) << c.name.toStdString();
        EXPECT_EQ(Project_Path, "");
        EXPECT_EQ(w().L_Name_Conf->Caption(), "None Configuration Opened ");
    }
    EXPECT_FALSE(DirectoryExists(folder.file("Escaped")));
    EXPECT_FALSE(DirectoryExists(project("a")));
    EXPECT_EQ(QDir(folder.file("PROJECTS")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"AFile", "Existing"}));
}

TEST_F(ConfigurationsTest, OpenListsTheVisibleFoldersAndPreselectsTheOpenOne) {
    for (const char* name : {"Alpha", "Plant B", ".hidden"}) ForceDirectories(project(name));
    folder.write("PROJECTS/not-a-folder.txt", "x");
    folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>plant b</projectname></lastproj>"
                                   "</Conf_Settings>");
    start();
    // The saved name differs in letter case from the folder; the file system decides whether it opens.
    Project_Path = project("plant b");
    driver().onNextModal([](TForm& f) {
        EXPECT_EQ(FOpenConf->ListBox1->Items(), (QStringList{"Alpha", "Plant B"}));
        EXPECT_EQ(FOpenConf->ListBox1->ItemIndex(), 1);
        click(*FOpenConf->ListBox1, 5, 3);
        f.SetModalResult(mrOk);
    });
    w().Btn_Click(w().Btn_Open);
    EXPECT_EQ(Project_Name, "Alpha");
    EXPECT_EQ(Project_Path, project("Alpha"));
    EXPECT_EQ(File_IEC61850_Variables, project("Alpha/IEC61850_Variables.xml"));
    EXPECT_EQ(w().L_Name_Conf_L2->Caption(), "Alpha");

    // Cancel leaves the open configuration alone.
    driver().onNextModal([](TForm&) { click(*FOpenConf->ListBox1, 5, 20); });
    w().Btn_Click(w().Btn_Open);
    EXPECT_EQ(Project_Name, "Alpha");
}

TEST_F(ConfigurationsTest, OpeningFromAnEmptyListLeavesNoConfigurationOpen) {
    ForceDirectories(project("Only"));
    start();
    driver().answerNextModal(mrOk);
    w().Btn_Click(w().Btn_Open);
    ASSERT_EQ(Project_Name, "Only");
    QDir(project("Only")).removeRecursively();
    driver().answerNextModal(mrOk);
    w().Btn_Click(w().Btn_Open);
    EXPECT_EQ(Project_Name, "");
    EXPECT_EQ(Project_Path, "");
    EXPECT_EQ(File_ParGen, "");
    EXPECT_EQ(w().L_Name_Conf->Caption(), "None Configuration Opened ");
}

TEST_F(ConfigurationsTest, StartingAgainRestoresTheSavedSettings) {
    ForceDirectories(project("Plant C"));
    folder.write("Loomwright.xml",
                 "<Conf_Settings><lastproj><projectname>Plant C</projectname></lastproj>"
                 "<lastipadd><ipaddress>127.0.0.1</ipaddress></lastipadd>"
                 "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                 "<enable_jump_field_tables>1</enable_jump_field_tables>"
                 "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
    start();
    EXPECT_EQ(Project_Path, project("Plant C"));
    EXPECT_EQ(IP_Address_Device, "127.0.0.1");
    EXPECT_TRUE(Enable_Internet && Enable_Update && Enable_Jump_Field_Tables);
    EXPECT_FALSE(Double_Click_Auto_Size);
    EXPECT_TRUE(w().Timer_Update->Enabled());
}

}  // namespace
