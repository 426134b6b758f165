#include "platform/controls/category_panel_group.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/keyboard.h"
#include "platform/controls/list_box.h"
#include "platform/controls/rich_edit.h"
#include "platform/testkit/testkit.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"
#include "config/network/network_access_form.h"
#include "config/network/modules_def_form.h"
#include "config/server/iec61850_variables_form.h"
#include "config/server/tls_known_cert_form.h"
#include "profinet/catalog/catalog_form.h"
#include "shell/about_form.h"
#include "shell/boot_form.h"
#include "shell/open_conf_form.h"
#include "shell/soft_options_form.h"
#include "shell/new_project_form.h"
#include "shell/par_gen_form.h"
#include "shell/program_test_fixture.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Keys in the program's dialogs as the keyboard delivers them: a press in the dialog, its
// release wherever the focus is once the dialog has closed.
class DialogKeysTest : public TProgramTest {
protected:
    QStringList configurations() const { return QDir(folder.file("PROJECTS")).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }

    // Enter on a focused main-window button: the button acts on the release.
    void enterOn(TLbButton& button) {
        button.SetFocus();
        keyDown(button, VK_RETURN, 0, "\r");
        keyUp(button, VK_RETURN);
    }

    QString focused() const { return FocusedControl() ? FocusedControl()->Name : QString(); }
    // The focus after each of steps presses of Tab (Shift+Tab with ssShift).
    QStringList walk(int steps, TShiftState shift = 0) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            keyPress(*FocusedControl(), VK_TAB, shift);
            names << focused();
        }
        return names;
    }
};

TEST_F(DialogKeysTest, EnterThatCreatesAConfigurationActsOnce) {
    start();
    driver().onNextModal([](TForm&) {
        FNew_Project->E_New_Proj->SetText("Plant A");
        keyDown(*FNew_Project->E_New_Proj, VK_RETURN, 0, "\r");
    });
    enterOn(*w().Btn_New);
    // The dialog closed on the press; its release lands on the main window's focused button.
    keyUp(*w().Btn_New, VK_RETURN);
    EXPECT_EQ(driver().modalForms().size(), 1u);
    EXPECT_EQ(configurations(), QStringList{"Plant A"});
    EXPECT_EQ(Project_Name, "Plant A");
}

TEST_F(DialogKeysTest, EscOnCancelClosesTheDialogOnceAndCreatesNothing) {
    start();
    driver().onNextModal([](TForm&) {
        FNew_Project->E_New_Proj->SetText("Plant A");
        keyDown(*FNew_Project->E_New_Proj, VK_ESCAPE);
    });
    enterOn(*w().Btn_New);
    keyUp(*w().Btn_New, VK_ESCAPE);
    EXPECT_EQ(driver().modalForms().size(), 1u);
    EXPECT_EQ(FNew_Project->ModalResult(), mrCancel);
    EXPECT_TRUE(configurations().isEmpty());
}

// Esc with a push button focused cancels the dialog, as it does from an edit or a grid, and the
// focused button is not clicked; Enter clicks the focused button itself.
TEST_F(DialogKeysTest, EscCancelsAndEnterClicksTheFocusedButtonInEveryDialog) {
    ForceDirectories(folder.file("PROJECTS/P/bin"));
    folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    start();
    const struct {
        const char* name;
        std::function<TForm*()> form;
        std::function<TLbButton*()> focused;  // a button that is not the cancel button
        TModalResult escResult;
    } dialogs[] = {
        {"new configuration", [] { return FNew_Project; }, [] { return FNew_Project->Btn_OK; }, mrCancel},
        {"open configuration", [] { return FOpenConf; }, [] { return FOpenConf->Btn_OK; }, mrCancel},
        {"about box", [] { return FAbout; }, [] { return FAbout->LbButton1; }, mrOk},
        {"options", [] { return FSoftOptions; }, [] { return FSoftOptions->Btn_Next; }, mrCancel},
        {"update", [] { return FBoot; }, [] { return FBoot->Btn_Search; }, mrCancel},
        {"general parameters", [] { return FParGen; }, [] { return FParGen->Btn_OK; }, mrCancel},
        {"catalog", [] { return FPROFINETCatalog; }, [] { return FPROFINETCatalog->Btn_AddDevice; }, mrCancel},
        {"network", [] { return FPROFINET_Network_Access; }, [] { return FPROFINET_Network_Access->Btn_Add_Catalog; },
         mrCancel},
        {"modules", [] { return FPROFINET_Modules_Def; }, [] { return FPROFINET_Modules_Def->Btn_OK; }, mrCancel},
        {"IEC 61850 variables", [] { return FIEC61850_Variables; }, [] { return FIEC61850_Variables->Btn_InsRow; },
         mrCancel},
        {"TLS certificates", [] { return FTLS_Server_Known_Cert; }, [] { return FTLS_Server_Known_Cert->Btn_InsRow; },
         mrCancel},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        TForm& form = *d.form();
        driver().reset();
        TModalResult afterEsc = mrNone;
        driver().onNextModal([&](TForm& shown) {
            EXPECT_EQ(&shown, &form);
            TLbButton& button = *d.focused();
            button.SetFocus();
            ASSERT_TRUE(button.Focused());
            keyPress(button, VK_ESCAPE);
            afterEsc = form.ModalResult();
            // The focused button was not clicked: it opened nothing and asked nothing.
            EXPECT_EQ(driver().modalForms().size(), 1u);
            EXPECT_TRUE(driver().boxes().empty());
            if (afterEsc == mrNone) form.SetModalResult(mrCancel);
        });
        form.ShowModal();
        EXPECT_EQ(afterEsc, d.escResult);
    }

    // Enter on a focused button clicks that button, once: here the cancel button of the
    // network window and the about box's one button.
    for (TLbButton* button : {FPROFINET_Network_Access->Btn_Cancel, FAbout->LbButton1}) {
        TForm& form = *static_cast<TForm*>(button->Owner());
        int clicks = 0;
        const TNotifyEvent click = button->OnClick;
        button->OnClick = [&](TObject* s) {
            ++clicks;
            if (click) click(s);
        };
        driver().onNextModal([&](TForm&) {
            button->SetFocus();
            keyPress(*button, VK_RETURN);
        });
        EXPECT_EQ(form.ShowModal(), TModalResult(button->ModalResult));
        EXPECT_EQ(clicks, 1);
        button->OnClick = click;
    }
}

TEST_F(DialogKeysTest, KeysHeldWhenTheUpdateDialogClosesStayThere) {
    ForceDirectories(folder.file("PROJECTS/P/bin"));
    folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    start();
    driver().onNextModal([](TForm&) {
        keyDown(*FBoot->E_IP1, VK_RETURN, 0, "\r");  // no default button: Enter does nothing here
        keyDown(*FBoot->E_IP1, VK_ESCAPE);           // the cancel button closes the dialog
    });
    enterOn(*w().Btn_CreateBin);
    // Still held, the two keys repeat and are released over the main window.
    DeliverKeyDown(*w().Btn_CreateBin, VK_RETURN, 0, "\r", true);
    keyUp(*w().Btn_CreateBin, VK_RETURN);
    keyUp(*w().Btn_CreateBin, VK_ESCAPE);
    EXPECT_EQ(driver().modalForms().size(), 1u);
    EXPECT_EQ(FBoot->ModalResult(), mrCancel);
}

// Each point moves to the next byte field, whose text is selected so that the typing replaces it.
TEST_F(DialogKeysTest, AnAddressTypedWithPointsFillsTheByteFieldsInTurn) {
    ForceDirectories(folder.file("PROJECTS/P/bin"));
    folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    start();
    const auto typeHere = [](const QString& text) {
        for (QChar ch : text) typeChar(*FocusedControl(), ch);
    };
    QStringList master, device;
    driver().onNextModal([&](TForm&) {
        const TFParGen& f = *FParGen;
        typeHere("10.0.0.7.255.255.0.0");
        for (const TEdit* e : {f.E_PROFINET_Master_IP1, f.E_PROFINET_Master_IP2, f.E_PROFINET_Master_IP3,
                               f.E_PROFINET_Master_IP4, f.E_PROFINET_Master_SM1, f.E_PROFINET_Master_SM2,
                               f.E_PROFINET_Master_SM3, f.E_PROFINET_Master_SM4})
            master << e->Text();
        driver().answerNextBox(mrYes);  // leave without saving
        keyDown(*FocusedControl(), VK_ESCAPE);
    });
    w().Btn_Click(w().Btn_Prm_Gen);
    driver().onNextModal([&](TForm&) {
        typeHere("127.0.0.1");
        for (const TEdit* e : {FBoot->E_IP1, FBoot->E_IP2, FBoot->E_IP3, FBoot->E_IP4}) device << e->Text();
        keyDown(*FocusedControl(), VK_ESCAPE);
    });
    w().Btn_Click(w().Btn_CreateBin);
    EXPECT_EQ(master, (QStringList{"10", "0", "0", "7", "255", "255", "0", "0"}));
    EXPECT_EQ(device, (QStringList{"127", "0", "0", "1"}));
}

TEST_F(DialogKeysTest, TabWalksTheUpdateDialogFromTheAddressFields) {
    ForceDirectories(folder.file("PROJECTS/P/bin"));
    folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    start();
    QStringList forward, backward;
    QString first;
    driver().onNextModal([&](TForm&) {
        first = focused();
        forward = walk(8);
        backward = walk(3, ssShift);
        keyDown(*FocusedControl(), VK_ESCAPE);
    });
    w().Btn_Click(w().Btn_CreateBin);
    EXPECT_EQ(first, "E_IP1");
    EXPECT_EQ(forward, (QStringList{"E_IP2", "E_IP3", "E_IP4", "CB_Update_Options", "CB_Update_Option_Read_Back",
                                    "Btn_Update", "Btn_Cancel", "E_IP1"}));
    EXPECT_EQ(backward, (QStringList{"Btn_Cancel", "Btn_Update", "CB_Update_Option_Read_Back"}));
}

TEST_F(DialogKeysTest, TabWalksTheGeneralParametersPanelByPanel) {
    ForceDirectories(folder.file("PROJECTS/Demo"));
    start();
    Project_Name = "Demo";
    Project_Path = Projects_Dir + PathDelim + "Demo";
    Set_Project_Files();
    const QStringList master = {"E_PROFINET_Master_IP1", "E_PROFINET_Master_IP2", "E_PROFINET_Master_IP3",
                                "E_PROFINET_Master_IP4", "E_PROFINET_Master_SM1", "E_PROFINET_Master_SM2",
                                "E_PROFINET_Master_SM3", "E_PROFINET_Master_SM4", "CB_PROFINET_Master_GAT",
                                "E_PROFINET_Master_GAT1", "E_PROFINET_Master_GAT2", "E_PROFINET_Master_GAT3",
                                "E_PROFINET_Master_GAT4", "E_PROFINET_Master_NameStation"};
    const QStringList server = {"E_IEC61850_Server_Port", "E_IEC61850_Server_Password"};
    QStringList expanded, collapsed, tlsOn, backExpanded, backCollapsed;
    QString first;
    driver().onNextModal([&](TForm&) {
        TFParGen& f = *FParGen;
        first = focused();
        // TLS off: its panel shows only the enable box.
        expanded = walk(master.size() + server.size() + 3);
        f.CB_TLS_Server_Enable->SetFocus();
        backExpanded = walk(3, ssShift);
        // A collapsed panel's fields are passed over, both ways.
        f.CP_IEC61850_Server->Collapse();
        f.E_PROFINET_Master_NameStation->SetFocus();
        collapsed = walk(2);
        f.CB_TLS_Server_Enable->SetFocus();
        backCollapsed = walk(2, ssShift);
        f.CP_IEC61850_Server->Expand();
        // TLS on: its fields follow the enable box.
        f.CB_TLS_Server_Enable->SetFocus();
        f.CB_TLS_Server_Enable->SetChecked(true);
        f.On_Click(f.CB_TLS_Server_Enable);
        tlsOn = walk(6);
        keyDown(*FocusedControl(), VK_ESCAPE);
    });
    w().Btn_Click(w().Btn_Prm_Gen);

    EXPECT_EQ(first, master.first());
    const QStringList tail = {"CB_TLS_Server_Enable", "Btn_OK", "Btn_Cancel", master.first()};
    EXPECT_EQ(expanded, master.mid(1) + server + tail);
    EXPECT_EQ(backExpanded, (QStringList{"E_IEC61850_Server_Password", "E_IEC61850_Server_Port",
                                         "E_PROFINET_Master_NameStation"}));
    EXPECT_EQ(collapsed, (QStringList{"CB_TLS_Server_Enable", "Btn_OK"}));
    EXPECT_EQ(backCollapsed, (QStringList{"E_PROFINET_Master_NameStation", "E_PROFINET_Master_GAT4"}));
    EXPECT_EQ(tlsOn, (QStringList{"E_TLS_Server_Key", "E_TLS_Server_Key_Pass", "E_TLS_Server_Server_Cert",
                                  "E_TLS_Server_Root_Cert", "CB_TLS_Server_En_Known_Cert", "Btn_OK"}));
}

}  // namespace

namespace {

// Where the user chooses from a list, Enter confirms the choice and a double click on an item
// chooses it; a double click beside the items chooses nothing.
TEST_F(DialogKeysTest, EnterOrADoubleClickOpensTheConfigurationChosen) {
    ForceDirectories(folder.file("PROJECTS/A"));
    ForceDirectories(folder.file("PROJECTS/B"));
    start();
    TListBox* list = FOpenConf->ListBox1;
    const auto rowOf = [&](const QString& name) {
        return int(FOpenConf->SL.indexOf(name)) * list->ItemHeight() + list->ItemHeight() / 2;
    };
    driver().onNextModal([&](TForm&) {
        click(*list, 5, rowOf("B"));
        keyPress(*list, VK_RETURN);
    });
    w().Btn_Click(w().Btn_Open);
    EXPECT_EQ(FOpenConf->ModalResult(), mrOk);
    EXPECT_EQ(Project_Name, "B");

    TModalResult besideItems = mrNone;
    driver().onNextModal([&](TForm&) {
        const auto doubleClick = [&](int y) {
            mouseMessage(*list, WM_LBUTTONDOWN, 5, y, MK_LBUTTON);
            mouseMessage(*list, WM_LBUTTONUP, 5, y);
            mouseMessage(*list, WM_LBUTTONDBLCLK, 5, y, MK_LBUTTON);
            mouseMessage(*list, WM_LBUTTONUP, 5, y);
        };
        list->SetItemIndex(-1);
        doubleClick(list->Height() - 5);
        besideItems = FOpenConf->ModalResult();
        doubleClick(rowOf("A"));
    });
    w().Btn_Click(w().Btn_Open);
    EXPECT_EQ(besideItems, mrNone);
    EXPECT_EQ(FOpenConf->ModalResult(), mrOk);
    EXPECT_EQ(Project_Name, "A");
}

// Enter in a field of Set Communication saves and closes, as OK; in a certificate field it
// starts a new line. The port takes digits only.
TEST_F(DialogKeysTest, EnterConfirmsSetCommunicationAndThePortTakesDigitsOnly) {
    ForceDirectories(folder.file("PROJECTS/P/bin"));
    folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    start();
    TModalResult afterCertificateEnter = mrNone;
    QString port;
    driver().onNextModal([&](TForm&) {
        TFParGen& f = *FParGen;
        f.CB_TLS_Server_Enable->SetChecked(true);
        f.On_Click(f.CB_TLS_Server_Enable);
        f.E_TLS_Server_Root_Cert->SetFocus();
        keyPress(*f.E_TLS_Server_Root_Cert, VK_RETURN);
        afterCertificateEnter = f.ModalResult();

        f.E_IEC61850_Server_Port->SetFocus();
        f.E_IEC61850_Server_Port->SetText("");
        for (QChar ch : QString("1x0-2 ")) typeChar(*f.E_IEC61850_Server_Port, ch);
        port = f.E_IEC61850_Server_Port->Text();
        keyPress(*f.E_IEC61850_Server_Port, VK_RETURN);
    });
    w().Btn_Click(w().Btn_Prm_Gen);
    EXPECT_EQ(afterCertificateEnter, mrNone);
    EXPECT_EQ(port, "102");
    EXPECT_EQ(FParGen->ModalResult(), mrOk);
    EXPECT_TRUE(FileExists(File_ParGen));
}

}  // namespace
