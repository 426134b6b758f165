#include "platform/controls/application.h"
#include "platform/controls/category_panel_group.h"
#include "platform/controls/check_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/mouse.h"
#include "platform/controls/panel.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/scroll_codes.h"
#include "platform/system/files.h"
#include "platform/testkit/full_disk.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "platform/xml/xml_document.h"
#include "common/buttons/lb_button.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "shell/par_gen_form.h"
#include "common/state/program_state.h"
#include "shell/program_test_fixture.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Elements = std::vector<std::pair<QString, QString>>;

const Elements Default_Elements = {
    {"PROFINET_Master_IP1", "192"},
    {"PROFINET_Master_IP2", "168"},
    {"PROFINET_Master_IP3", "0"},
    {"PROFINET_Master_IP4", "10"},
    {"PROFINET_Master_SM1", "255"},
    {"PROFINET_Master_SM2", "255"},
    {"PROFINET_Master_SM3", "255"},
    {"PROFINET_Master_SM4", "0"},
    {"PROFINET_Master_GAT1", "192"},
    {"PROFINET_Master_GAT2", "168"},
    {"PROFINET_Master_GAT3", "0"},
    {"PROFINET_Master_GAT4", "1"},
    {"PROFINET_Master_EN_GAT", "0"},
    {"PROFINET_Master_NAME_STA", "devicename1"},
    {"IEC61850_Server_Port", "102"},
    {"IEC61850_Server_Password", ""},
    {"TLS_Server_Enable", "0"},
    {"TLS_Server_Key", ""},
    {"TLS_Server_Key_Password", ""},
    {"TLS_Server_Server_Certificate", ""},
    {"TLS_Server_Root_Certificate", ""},
    {"TLS_Server_Enable_Known_Cert", "0"},
};

class ParGenFormTest : public TProgramTest {
protected:
    void SetUp() override {
        TProgramTest::SetUp();
        Create_Program_Windows();
        openConfiguration("Demo");
    }
    void TearDown() override {
        Mouse.SetWheelScrollLines(-1);
        TProgramTest::TearDown();
    }

    void openConfiguration(const QString& name) {
        Project_Name = name;
        Project_Path = Projects_Dir + PathDelim + name;
        ForceDirectories(Project_Path);
        Set_Project_Files();
    }
    void writeParGen(const QString& xml) {
        QFile file(File_ParGen);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml.toUtf8());
    }

    TFParGen& f() { return *FParGen; }
    // Opens the dialog from the main window and runs action while it is open.
    TModalResult open(const std::function<void(TFParGen&)>& action = {}) {
        TModalResult result = mrNone;
        driver().onNextModal([&](TForm&) {
            if (action) action(f());
        });
        FLoomwrighteFirmWare->Btn_Click(FLoomwrighteFirmWare->Btn_Prm_Gen);
        result = f().ModalResult();
        return result;
    }
    static void pressOK(TFParGen& form) { click(*form.Btn_OK, 5, 5); }
    static void pressCancel(TFParGen& form) { click(*form.Btn_Cancel, 5, 5); }
    static void type(TWinControl& control, const QString& text) {
        for (QChar ch : text) typeChar(control, ch);
    }
    static QString address(TEdit* a, TEdit* b, TEdit* c, TEdit* d) {
        return QStringList{a->Text(), b->Text(), c->Text(), d->Text()}.join('.');
    }

    // The elements of the written file in order; the top level must be the root element,
    // then the version comment, and nothing else.
    Elements written() {
        TXMLDocument doc(nullptr);
        doc.LoadFromFile(File_ParGen);
        EXPECT_EQ(doc.ChildNodes().Count(), 2);
        const IXMLNode root = doc.ChildNodes().Nodes(0);
        EXPECT_EQ(root.NodeName(), "Par_Gen");
        EXPECT_EQ(doc.ChildNodes().Nodes(1).NodeType(), ntComment);
        EXPECT_EQ(doc.ChildNodes().Nodes(1).Text(), "SW_VERSION = 1.001");
        Elements out;
        for (const IXMLNode& node : root.ChildNodes()) out.emplace_back(node.NodeName(), node.Text());
        return out;
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static QString value(const Elements& elements, const QString& name) {
        for (const auto& [n, v] : elements)
            if (n == name) return v;
        return QStringLiteral("<missing>");
    }
};

TEST_F(ParGenFormTest, WithoutAFileTheDefaultsShowAndOkWritesTheTwentyTwoElements) {
    open([](TFParGen& f) {
        EXPECT_EQ(address(f.E_PROFINET_Master_IP1, f.E_PROFINET_Master_IP2, f.E_PROFINET_Master_IP3,
                          f.E_PROFINET_Master_IP4),
                  "192.168.0.10");
        EXPECT_EQ(address(f.E_PROFINET_Master_SM1, f.E_PROFINET_Master_SM2, f.E_PROFINET_Master_SM3,
                          f.E_PROFINET_Master_SM4),
                  "255.255.255.0");
        EXPECT_EQ(address(f.E_PROFINET_Master_GAT1, f.E_PROFINET_Master_GAT2, f.E_PROFINET_Master_GAT3,
                          f.E_PROFINET_Master_GAT4),
                  "192.168.0.1");
        EXPECT_FALSE(f.CB_PROFINET_Master_GAT->Checked());
        EXPECT_EQ(f.E_PROFINET_Master_NameStation->Text(), "devicename1");
        EXPECT_EQ(f.E_IEC61850_Server_Port->Text(), "102");
        EXPECT_EQ(f.E_IEC61850_Server_Password->Text(), "");
        EXPECT_FALSE(f.CB_TLS_Server_Enable->Checked());
        EXPECT_FALSE(f.CB_TLS_Server_En_Known_Cert->Checked());
        EXPECT_FALSE(f.Is_Change);
        pressOK(f);
    });
    EXPECT_EQ(f().ModalResult(), mrOk);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(written(), Default_Elements);
}

TEST_F(ParGenFormTest, ChangedValuesComeBackAfterSaving) {
    open([](TFParGen& f) {
        f.E_PROFINET_Master_IP1->SetText("10");
        f.E_PROFINET_Master_SM4->SetText("128");
        f.CB_PROFINET_Master_GAT->SetChecked(true);
        f.E_PROFINET_Master_GAT4->SetText("254");
        f.E_PROFINET_Master_NameStation->SetText("plc-north");
        f.E_IEC61850_Server_Port->SetText("65535");
        f.E_IEC61850_Server_Password->SetText(" secret ");
        f.CB_TLS_Server_Enable->SetChecked(true);
        f.E_TLS_Server_Key->SetText("-----BEGIN KEY-----\nAAAA\n-----END KEY-----");
        f.E_TLS_Server_Key_Pass->SetText("k<&>\"p");
        f.E_TLS_Server_Server_Cert->SetText("server\ncert");
        f.E_TLS_Server_Root_Cert->SetText("root");
        f.CB_TLS_Server_En_Known_Cert->SetChecked(true);
        pressOK(f);
    });
    const Elements file = written();
    EXPECT_EQ(value(file, "PROFINET_Master_EN_GAT"), "1");
    EXPECT_EQ(value(file, "TLS_Server_Enable"), "1");
    EXPECT_EQ(value(file, "IEC61850_Server_Password"), " secret ");

    open([](TFParGen& f) {
        EXPECT_EQ(f.E_PROFINET_Master_IP1->Text(), "10");
        EXPECT_EQ(f.E_PROFINET_Master_SM4->Text(), "128");
        EXPECT_TRUE(f.CB_PROFINET_Master_GAT->Checked());
        EXPECT_EQ(f.E_PROFINET_Master_GAT4->Text(), "254");
        EXPECT_EQ(f.E_PROFINET_Master_NameStation->Text(), "plc-north");
        EXPECT_EQ(f.E_IEC61850_Server_Port->Text(), "65535");
        EXPECT_EQ(f.E_IEC61850_Server_Password->Text(), " secret ");
        EXPECT_TRUE(f.CB_TLS_Server_Enable->Checked());
        EXPECT_EQ(f.E_TLS_Server_Key->Text(), "-----BEGIN KEY-----\nAAAA\n-----END KEY-----");
        EXPECT_EQ(f.E_TLS_Server_Key_Pass->Text(), "k<&>\"p");
        EXPECT_EQ(f.E_TLS_Server_Server_Cert->Text(), "server\ncert");
        EXPECT_EQ(f.E_TLS_Server_Root_Cert->Text(), "root");
        EXPECT_TRUE(f.CB_TLS_Server_En_Known_Cert->Checked());
        EXPECT_FALSE(f.Is_Change);
    });
}

TEST_F(ParGenFormTest, ElementsAreFoundByNameUnderAnyRootAndFlagsReadByTheirOwnRules) {
    writeParGen("<Settings><IEC61850_Server_Port>4840</IEC61850_Server_Port>"
                "<PROFINET_Master_IP1></PROFINET_Master_IP1>"
                "<PROFINET_Master_EN_GAT>01</PROFINET_Master_EN_GAT>"
                "<TLS_Server_Enable>01</TLS_Server_Enable>"
                "<TLS_Server_Enable_Known_Cert>yes</TLS_Server_Enable_Known_Cert>"
                "<BACnet_Type>2</BACnet_Type></Settings><!--SW_VERSION = 1.001-->");
    open([](TFParGen& f) {
        EXPECT_EQ(f.E_IEC61850_Server_Port->Text(), "4840");
        EXPECT_EQ(f.E_PROFINET_Master_IP1->Text(), "");  // present but empty: no default
        EXPECT_EQ(f.E_PROFINET_Master_IP2->Text(), "168");
        EXPECT_FALSE(f.CB_PROFINET_Master_GAT->Checked());
        EXPECT_TRUE(f.CB_TLS_Server_Enable->Checked());
        EXPECT_FALSE(f.CB_TLS_Server_En_Known_Cert->Checked());
        f.E_PROFINET_Master_IP1->SetText("1");
        pressOK(f);
    });
    const Elements file = written();
    EXPECT_EQ(file.size(), 22u);  // the unknown element is dropped
    EXPECT_EQ(value(file, "BACnet_Type"), "<missing>");
    EXPECT_EQ(value(file, "IEC61850_Server_Port"), "4840");

    for (const auto& [text, checked] : std::vector<std::pair<QString, bool>>{{"1", true}, {"true", false}, {" 1", false}}) {
        writeParGen("<Par_Gen><PROFINET_Master_EN_GAT>" + text + "</PROFINET_Master_EN_GAT></Par_Gen>");
        open([&](TFParGen& f) { EXPECT_EQ(f.CB_PROFINET_Master_GAT->Checked(), checked) << text.toStdString(); });
    }
    for (const auto& [text, checked] : std::vector<std::pair<QString, bool>>{{"1", true}, {"2", false}, {"x", false}}) {
        writeParGen("<Par_Gen><TLS_Server_Enable_Known_Cert>" + text + "</TLS_Server_Enable_Known_Cert></Par_Gen>");
        open([&](TFParGen& f) { EXPECT_EQ(f.CB_TLS_Server_En_Known_Cert->Checked(), checked) << text.toStdString(); });
    }

    // The root is the first element: a declaration or a comment ahead of it changes nothing.
    writeParGen("<?xml version=\"1.0\"?><!--note--><Par_Gen><IEC61850_Server_Port>4840</IEC61850_Server_Port></Par_Gen>");
    open([](TFParGen& f) { EXPECT_EQ(f.E_IEC61850_Server_Port->Text(), "4840"); });
    EXPECT_TRUE(driver().boxes().empty());
}

// Files in other encodings always begin with their declaration; they read whole all the same.
TEST_F(ParGenFormTest, FilesInOtherEncodingsAreReadWhole) {
    const QString body = QString::fromUtf8("<Par_Gen><IEC61850_Server_Password>caf\u00E9</IEC61850_Server_Password></Par_Gen>");
    const std::pair<const char*, QStringConverter::Encoding> encodings[] = {{"ISO-8859-1", QStringConverter::Latin1},
                                                                            {"UTF-16", QStringConverter::Utf16LE}};
    for (const auto& [name, encoding] : encodings) {
        QStringEncoder encode(encoding, QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encode(QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\r\n").arg(name) + body);
        QFile file(File_ParGen);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        open([&](TFParGen& f) { EXPECT_EQ(f.E_IEC61850_Server_Password->Text(), QString::fromUtf8("caf\u00E9")) << name; });
    }
    EXPECT_TRUE(driver().boxes().empty());
}

TEST_F(ParGenFormTest, EachCheckStopsOkWithItsMessage) {
    struct Case {
        const char* name;
        std::function<void(TFParGen&)> edit;
        int text;  // 0: the checks pass
    };
    const std::vector<Case> cases = {
        {"empty address byte", [](TFParGen& f) { f.E_PROFINET_Master_IP1->SetText(""); }, 444},
        {"address 256", [](TFParGen& f) { f.E_PROFINET_Master_IP2->SetText("256"); }, 445},
        {"address -1", [](TFParGen& f) { f.E_PROFINET_Master_IP3->SetText("-1"); }, 446},
        {"address 300", [](TFParGen& f) { f.E_PROFINET_Master_IP4->SetText("300"); }, 447},
        {"mask letter", [](TFParGen& f) { f.E_PROFINET_Master_SM1->SetText("a"); }, 448},
        // Address bytes are decimal text: the bank builder reads no other form.
        {"hexadecimal address byte", [](TFParGen& f) { f.E_PROFINET_Master_IP1->SetText("0x0A"); }, 444},
        {"hexadecimal mask byte", [](TFParGen& f) { f.E_PROFINET_Master_SM2->SetText("$FF"); }, 449},
        {"address byte after blanks", [](TFParGen& f) { f.E_PROFINET_Master_IP3->SetText(" 7"); }, 0},
        {"mask 256", [](TFParGen& f) { f.E_PROFINET_Master_SM4->SetText("256"); }, 451},
        {"first failure only",
         [](TFParGen& f) {
             f.E_PROFINET_Master_IP2->SetText("256");
             f.E_PROFINET_Master_SM1->SetText("x");
         },
         445},
        {"gateway 300 while on",
         [](TFParGen& f) {
             f.CB_PROFINET_Master_GAT->SetChecked(true);
             f.E_PROFINET_Master_GAT1->SetText("300");
         },
         452},
        {"empty gateway byte while on",
         [](TFParGen& f) {
             f.CB_PROFINET_Master_GAT->SetChecked(true);
             f.E_PROFINET_Master_GAT4->SetText("");
         },
         455},
        {"gateway ignored while off",
         [](TFParGen& f) {
             f.E_PROFINET_Master_GAT1->SetText("300");
             f.E_PROFINET_Master_GAT2->SetText("");
         },
         0},
        {"port 10000", [](TFParGen& f) { f.E_IEC61850_Server_Port->SetText("10000"); }, 1772},
        {"port 65536", [](TFParGen& f) { f.E_IEC61850_Server_Port->SetText("65536"); }, 1772},
        {"port -1", [](TFParGen& f) { f.E_IEC61850_Server_Port->SetText("-1"); }, 1772},
        {"empty port", [](TFParGen& f) { f.E_IEC61850_Server_Port->SetText(""); }, 1772},
        {"port 0", [](TFParGen& f) { f.E_IEC61850_Server_Port->SetText("0"); }, 0},
        {"port 65535", [](TFParGen& f) { f.E_IEC61850_Server_Port->SetText("65535"); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(File_ParGen);
        driver().reset();
        TModalResult afterOk = mrNone;
        open([&](TFParGen& f) {
            c.edit(f);
            pressOK(f);
            afterOk = f.ModalResult();
        });
        if (c.text == 0) {
            EXPECT_EQ(afterOk, mrOk);
            EXPECT_TRUE(driver().boxes().empty());
            EXPECT_TRUE(FileExists(File_ParGen));
            continue;
        }
        EXPECT_EQ(afterOk, mrNone);  // the dialog stays open
        ASSERT_EQ(driver().boxes().size(), 1u);
        EXPECT_EQ(driver().boxes()[0].type, mtError);
        EXPECT_EQ(driver().boxes()[0].buttons, mbOK);
        EXPECT_EQ(driver().boxes()[0].text, Lang(c.text));
        EXPECT_FALSE(FileExists(File_ParGen));
    }
    EXPECT_EQ(Lang(444), "Error PROFINET Master!! IP Address 1 must be between 0 and 255");
    // The gateway bytes that were not checked are written as they stood.
    open([](TFParGen& f) {
        f.E_PROFINET_Master_GAT1->SetText("300");
        f.E_PROFINET_Master_GAT2->SetText("");
        pressOK(f);
    });
    EXPECT_EQ(value(written(), "PROFINET_Master_GAT1"), "300");
    EXPECT_EQ(value(written(), "PROFINET_Master_GAT2"), "");
}

TEST_F(ParGenFormTest, ThePointMovesToTheNextAddressByteAndNeverEntersIt) {
    open([](TFParGen& f) {
        f.E_PROFINET_Master_IP1->SetText("");
        f.E_PROFINET_Master_IP1->SetFocus();
        type(*f.E_PROFINET_Master_IP1, "10.");
        EXPECT_EQ(f.E_PROFINET_Master_IP1->Text(), "10");
        EXPECT_TRUE(f.E_PROFINET_Master_IP2->Focused());

        f.E_PROFINET_Master_IP4->SetFocus();
        type(*f.E_PROFINET_Master_IP4, ".");
        EXPECT_TRUE(f.E_PROFINET_Master_SM1->Focused());
        EXPECT_EQ(f.E_PROFINET_Master_IP4->Text(), "10");

        f.E_PROFINET_Master_SM4->SetFocus();
        type(*f.E_PROFINET_Master_SM4, ".");
        EXPECT_TRUE(f.E_PROFINET_Master_GAT1->Focused());

        f.E_PROFINET_Master_GAT4->SetFocus();
        type(*f.E_PROFINET_Master_GAT4, ".");
        EXPECT_TRUE(f.E_PROFINET_Master_GAT4->Focused());
        EXPECT_EQ(f.E_PROFINET_Master_GAT4->Text(), "1");

        // Other fields take the point like any character.
        type(*f.E_TLS_Server_Key_Pass, "a.b");
        EXPECT_EQ(f.E_TLS_Server_Key_Pass->Text(), "a.b");
    });
}

TEST_F(ParGenFormTest, TheStationNameTakesAtMostFifteenTypedCharactersInLowerCase) {
    writeParGen("<Par_Gen><PROFINET_Master_NAME_STA>A-Station-Name-Of-Twenty</PROFINET_Master_NAME_STA></Par_Gen>");
    open([](TFParGen& f) {
        TEdit& name = *f.E_PROFINET_Master_NameStation;
        EXPECT_EQ(name.Text(), "A-Station-Name-Of-Twenty");  // text from the file is never cut
        name.SetText("");
        type(name, "Plant-North-Line-7");
        EXPECT_EQ(name.Text(), "plant-north-lin");
    });
}

TEST_F(ParGenFormTest, CancelAsksOnlyAfterAnEdit) {
    EXPECT_EQ(open(pressCancel), mrCancel);
    EXPECT_TRUE(driver().boxes().empty());

    // Typing and taking it back still counts as a change.
    driver().answerNextBox(mrNo);
    driver().answerNextBox(mrYes);
    open([](TFParGen& f) {
        type(*f.E_IEC61850_Server_Port, "5");
        type(*f.E_IEC61850_Server_Port, "\b");
        EXPECT_TRUE(f.Is_Change);
        pressCancel(f);
        EXPECT_EQ(f.ModalResult(), mrNone);
        EXPECT_EQ(f.E_IEC61850_Server_Port->Text(), "102");
        pressCancel(f);
        EXPECT_EQ(f.ModalResult(), mrCancel);
    });
    ASSERT_EQ(driver().boxes().size(), 2u);
    EXPECT_EQ(driver().boxes()[0].text, "Do you want to exit without saving changes?");
    EXPECT_EQ(driver().boxes()[0].type, mtConfirmation);
    EXPECT_EQ(driver().boxes()[0].buttons, mbYes | mbNo);
    EXPECT_FALSE(FileExists(File_ParGen));

    // A click on a check box is a change too; the close box leaves without asking.
    driver().reset();
    open([](TFParGen& f) {
        click(*f.CB_TLS_Server_Enable, 3, 3);
        EXPECT_TRUE(f.CB_TLS_Server_Enable->Checked());
        EXPECT_TRUE(f.Is_Change);
        DeliverMessage(f, WM_CLOSE);
    });
    EXPECT_EQ(f().ModalResult(), mrCancel);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_FALSE(FileExists(File_ParGen));
}

TEST_F(ParGenFormTest, AFileThatCannotBeParsedShowsTheErrorAndOpensWithTheDefaults) {
    writeParGen("<Par_Gen><PROFINET_Master_IP1>10</PROFINET_Master_IP1><IEC61850_Server_Password>a</IEC61850_"
                "Server_Password></Par_Gen>");
    open([](TFParGen& f) { EXPECT_EQ(f.E_PROFINET_Master_IP1->Text(), "10"); });

    openConfiguration("Broken");
    writeParGen("<Par_Gen><PROFINET_Master_IP1>11</PROFINET_Master_IP1>");
    open([](TFParGen& f) {
        // Nothing of the configuration shown before is left for OK to save here.
        EXPECT_EQ(f.E_PROFINET_Master_IP1->Text(), "192");
        EXPECT_EQ(f.E_IEC61850_Server_Password->Text(), "");
        EXPECT_FALSE(f.Is_Change);
    });
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_TRUE(driver().boxes()[0].text.contains("ParGen.xml")) << driver().boxes()[0].text.toStdString();
    EXPECT_TRUE(driver().boxes()[0].text.endsWith("The file will be kept as " + File_ParGen + ".damaged before it is saved over."))
        << driver().boxes()[0].text.toStdString();
}

// OK over a file that could not be read first keeps it beside the new one, byte for byte; a
// second damaged file is kept under a name of its own.
TEST_F(ParGenFormTest, OkOverADamagedFileKeepsItBesideTheNewOne) {
    const QByteArray broken = "<Par_Gen><PROFINET_Master_IP1>11</PROFINET_Master_IP1>";
    writeParGen(broken);
    EXPECT_EQ(open(pressOK), mrOk);
    EXPECT_EQ(readFile(File_ParGen + ".damaged"), broken);
    EXPECT_EQ(value(written(), "PROFINET_Master_IP1"), "192");

    writeParGen("<Par_Gen>");
    EXPECT_EQ(open(pressOK), mrOk);
    ASSERT_EQ(driver().boxes().size(), 2u);
    EXPECT_TRUE(driver().boxes()[1].text.contains(File_ParGen + ".damaged2"));
    EXPECT_EQ(readFile(File_ParGen + ".damaged2"), "<Par_Gen>");
    EXPECT_EQ(readFile(File_ParGen + ".damaged"), broken);

    // Once saved, the file reads again: nothing more is kept.
    EXPECT_EQ(open(pressOK), mrOk);
    EXPECT_EQ(QDir(Project_Path).entryList({"ParGen.xml*"}, QDir::Files).size(), 3);
}

TEST_F(ParGenFormTest, OkOnAFullDiskSaysSoAndKeepsTheOldFile) {
    FullDisk disk(Project_Path);
    SKIP_WITHOUT_FULL_DISK(disk);
    writeParGen("<Par_Gen><PROFINET_Master_IP1>10</PROFINET_Master_IP1></Par_Gen><!--SW_VERSION = 1.001-->");
    const QByteArray old = readFile(File_ParGen);
    disk.Fill();
    open([](TFParGen& f) {
        f.E_PROFINET_Master_IP1->SetText("11");
        pressOK(f);
        EXPECT_EQ(f.ModalResult(), mrNone);
    });
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_EQ(driver().boxes()[0].text, "Cannot write " + File_ParGen + ": No space left on device");
    EXPECT_EQ(readFile(File_ParGen), old);
}

TEST_F(ParGenFormTest, ASaveThatFailsShowsTheErrorAndKeepsTheDialogOpen) {
    QDir(Project_Path).removeRecursively();
    open([](TFParGen& f) {
        pressOK(f);
        EXPECT_EQ(f.ModalResult(), mrNone);
    });
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_FALSE(FileExists(File_ParGen));
}

TEST_F(ParGenFormTest, TheWheelOverThePanelGroupScrollsItLineByLine) {
    std::vector<uint16_t> codes;
    const int hook = AddCallWndHook([&](HWND target, TMessage& m) {
        if (target == FParGen->CPG && m.Msg == WM_VSCROLL) codes.push_back(static_cast<uint16_t>(m.WParam));
    });
    const auto wheel = [&](TControl& over, int delta) {
        const TPoint p = over.ClientToScreen({5, 5});
        return DeliverMessage(over, WM_MOUSEWHEEL, static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16,
                              MakeLParam(p.X, p.Y));
    };
    open([&](TFParGen& f) {
        Mouse.SetWheelScrollLines(3);
        EXPECT_EQ(wheel(*f.E_IEC61850_Server_Port, -120), 1);
        EXPECT_EQ(codes, (std::vector<uint16_t>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL, SB_LINEDOWN,
                                                SB_ENDSCROLL}));
        codes.clear();
        Mouse.SetWheelScrollLines(1);
        EXPECT_EQ(wheel(*f.CPG, 120), 1);
        EXPECT_EQ(codes, (std::vector<uint16_t>{SB_LINEUP, SB_ENDSCROLL}));
        codes.clear();
        Mouse.SetWheelScrollLines(0);
        EXPECT_EQ(wheel(*f.CPG, 120), 1);
        Mouse.SetWheelScrollLines(3);
        EXPECT_EQ(wheel(*f.P_Title, -120), 0);
        EXPECT_EQ(wheel(*f.Btn_OK, -120), 0);
        EXPECT_TRUE(codes.empty());

        // Once the group is lower than its panels, the wheel moves them.
        f.SetClientHeight(300);
        ASSERT_TRUE(f.CPG->ScrollBarVisible());
        const int top = f.CP_PROFINET_Master->Top();
        wheel(*f.CPG, -120);
        EXPECT_EQ(f.CP_PROFINET_Master->Top(), top - 3 * TCategoryPanelGroup::Line_Size);
    });
    RemoveCallWndHook(hook);
}

TEST_F(ParGenFormTest, TheWindowKeepsItsWidthAndShowsTheBuildsPanelsInDesignOrder) {
    TFParGen& form = f();
    EXPECT_EQ(form.ClientWidth(), 460);
    EXPECT_EQ(form.ClientHeight(), 700);
    form.SetBounds(form.Left(), form.Top(), 600, 500);
    EXPECT_EQ(form.ClientWidth(), 460);
    EXPECT_EQ(form.ClientHeight(), 500);
    EXPECT_EQ(form.CPG->Top() + form.CPG->Height(), form.P_Button->Top());
    EXPECT_EQ(form.P_Button->Top() + form.P_Button->Height(), 500);

    const std::vector<TCategoryPanel*> shown = form.CPG->VisiblePanels();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], form.CP_PROFINET_Master);
    EXPECT_EQ(shown[1], form.CP_IEC61850_Server);
    EXPECT_EQ(shown[2], form.CP_TLS_Server);
    EXPECT_EQ(form.CP_PROFINET_Master->Caption(), "1. PROFINET Master");
    EXPECT_EQ(form.CPG->HeaderHeight(), 24);
    EXPECT_EQ(form.Caption(), "Set Communication");
    EXPECT_EQ(form.L_PROFINET_Master_IP->Caption(), "IP Address");
    EXPECT_EQ(form.CB_TLS_Server_En_Known_Cert->Caption(), "Enable Only Known Certificates");
    EXPECT_EQ(form.L_SW_Code->Caption(), SW_Code);
}

}  // namespace
