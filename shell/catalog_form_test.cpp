#include "profinet/catalog/catalog_form.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <optional>
#include <vector>

#include "platform/controls/application.h"
#include "platform/controls/label.h"
#include "platform/controls/tree_view.h"
#include "platform/dialogs/file_dialogs.h"
#include "platform/system/files.h"
#include "platform/testkit/full_disk.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "profinet/catalog/catalog.h"
#include "profinet/catalog/catalog_test_files.h"
#include "common/buttons/lb_button.h"
#include "shell/main_block.h"
#include "common/state/program_state.h"
#include "shell/program_test_fixture.h"

namespace {

// A device access point of a written device description: the text ids of its name and
// category references ("" leaves the attribute out).
struct Dap {
    QString name, category, sub;
};

// A device description with the given keys, access points and primary-language texts
// "id=text".
QByteArray Dap_GSDML(const QString& family, const std::vector<Dap>& daps, const QStringList& texts) {
    QString items;
    for (const Dap& d : daps) {
        QString attributes;
        if (!d.category.isEmpty()) attributes += QString(" CategoryRef=\"%1\"").arg(d.category);
        if (!d.sub.isEmpty()) attributes += QString(" SubCategory1Ref=\"%1\"").arg(d.sub);
        items += QString("<DeviceAccessPointItem ID=\"%1\"><ModuleInfo%2><Name TextId=\"%1\"/><InfoText TextId=\"x\"/>"
                         "</ModuleInfo><IOConfigData/></DeviceAccessPointItem>")
                     .arg(d.name, attributes);
    }
    QString textItems;
    for (const QString& t : texts)
        textItems += QString("<Text TextId=\"%1\" Value=\"%2\"/>").arg(t.section('=', 0, 0), t.section('=', 1));
    return QString("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                   "<ISO15745Profile><ProfileHeader/><ProfileBody>"
                   "<DeviceIdentity VendorID=\"0x1\" DeviceID=\"0x2\"><VendorName Value=\"Maker\"/></DeviceIdentity>"
                   "<DeviceFunction><Family MainFamily=\"I/O\" ProductFamily=\"%1\"/></DeviceFunction>"
                   "<ApplicationProcess><DeviceAccessPointList>%2</DeviceAccessPointList>"
                   "<ExternalTextList><PrimaryLanguage>%3</PrimaryLanguage></ExternalTextList></ApplicationProcess>"
                   "</ProfileBody></ISO15745Profile>\n")
        .arg(family, items, textItems)
        .toUtf8();
}

class CatalogFormTest : public TProgramTest {
protected:
    void SetUp() override {
        TProgramTest::SetUp();
        Create_Program_Windows();
        ASSERT_NE(FPROFINETCatalog, nullptr);
        ASSERT_NE(PROFINET_Catalog_Obj, nullptr);
    }
    TFPROFINETCatalog& form() { return *FPROFINETCatalog; }
    TTreeView& tree() { return *form().TW_Catalog; }

    // Decodes the file and files it, as the loader does.
    void insert(const QString& folderPath, const QString& name) {
        auto gsdml = std::make_unique<TGSDML>();
        ASSERT_TRUE(gsdml->Decode_GSDML(IncludeTrailingPathDelimiter(folderPath), name)) << name.toStdString();
        ASSERT_TRUE(PROFINET_Catalog_Obj->Insert_in_Catalog(std::move(gsdml)));
    }
    void insertShared() {
        for (const QString& name : Vendor_GSDML_Files) insert(Vendor_GSDML_Folder, name);
    }
    void insertWritten(const QString& name, const QByteArray& bytes) {
        folder.write("in/" + name, bytes);
        insert(folder.file("in"), name);
    }

    // Every node, indented by its level; device leaves end in " *".
    QStringList treeLines() {
        QStringList lines;
        for (int i = 0; i < tree().Items().Count(); ++i) {
            const TTreeNode* n = tree().Items().Item(i);
            lines << QString(n->Level() * 2, ' ') + n->Text() + (n->ImageIndex() == 1 ? " *" : "");
        }
        return lines;
    }
    TTreeNode* nodeAt(int index) { return tree().Items().Item(index); }
    TTreeNode* nodeNamed(const QString& text) {
        for (int i = 0; i < tree().Items().Count(); ++i)
            if (tree().Items().Item(i)->Text() == text) return tree().Items().Item(i);
        return nullptr;
    }
    // Opens the node's ancestors and clicks its row.
    void clickNode(TTreeNode* node) {
        ASSERT_NE(node, nullptr);
        for (TTreeNode* p = node->Parent(); p; p = p->Parent()) p->Expand(false);
        const auto rows = tree().VisibleNodes();
        const int row = static_cast<int>(std::find(rows.begin(), rows.end(), node) - rows.begin());
        click(tree(), tree().TextLeft(*node) + 3, row * TTreeView::RowHeight + TTreeView::RowHeight / 2);
    }
    // Shows the window modally; while it is open, action runs and then OK is clicked.
    TModalResult showThenOK(const std::function<void()>& action) {
        driver().onNextModal([&](TForm&) {
            action();
            click(*form().Btn_OK, 5, 5);
        });
        return form().ShowModal();
    }
    void expectSelection(const TGSDML* gsdml, const QString& device, const QString& category) {
        EXPECT_EQ(form().Selected_GSDML, gsdml);
        EXPECT_EQ(form().Selected_Device, device);
        EXPECT_EQ(form().Selected_CategoryRef, category);
    }
    TGSDML* filed(const QString& name) {
        for (const auto& m : PROFINET_Catalog_Obj->MainFamily_list)
            for (const auto& v : m->Vendor_List)
                for (const auto& p : v->ProductFamily_List)
                    if (TCat_GSDML* entry = p->SearchGSDML(name)) return entry->GSDML.get();
        return nullptr;
    }
};

TEST_F(CatalogFormTest, TheWindowHasItsFrameTextsAndControls) {
    EXPECT_EQ(form().Caption(), "PROFINET Devices Catalog");
    EXPECT_EQ(form().L_SW_Desc->Caption(), "PROFINET Devices Catalog");
    EXPECT_EQ(form().L_SW_Code->Caption(), SW_Code);
    EXPECT_EQ(form().ClientWidth(), 800);
    EXPECT_EQ(form().ClientHeight(), 500);
    const std::tuple<TLbButton*, int, const char*, const char*> buttons[] = {
        {form().Btn_OK, 16, "OK", "Insert the current PROFINET Device in the Network"},
        {form().Btn_Cancel, 134, "Cancel", "Exit without insert PROFINET Device"},
        {form().Btn_AddDevice, 252, "Add Device", "Insert a PROFINET Device in Catalog"},
    };
    for (const auto& [button, left, caption, hint] : buttons) {
        EXPECT_EQ(button->BoundsRect(), Bounds(left, 6, 110, 28)) << caption;
        EXPECT_EQ(button->Caption(), caption);
        EXPECT_EQ(button->Hint(), hint);
    }
    EXPECT_EQ(tree().BoundsRect(), Bounds(4, 4, 792, 383));
    EXPECT_TRUE(tree().ShowRoot);
}

TEST_F(CatalogFormTest, AFamilyAtTheTopOpensByItsArrow) {
    insertShared();
    driver().onNextModal([&](TForm&) {
        TTreeNode* family = nodeAt(0);
        ASSERT_FALSE(family->Expanded());
        click(tree(), tree().ButtonLeft(*family) + tree().Indent / 2, TTreeView::RowHeight / 2);
        EXPECT_TRUE(family->Expanded());
        EXPECT_EQ(form().Selected_GSDML, nullptr);
    });
    form().ShowModal();
    EXPECT_EQ(form().OD_GSDML->Filter, "GSDML File (*.xml)|*.xml|All File (*.*)|*.*");
}

TEST_F(CatalogFormTest, TheSharedFilesShowAsFamiliesVendorsProductFamiliesAndDevices) {
    insertShared();
    form().ShowModal();
    const QStringList lines = treeLines();
    EXPECT_EQ(lines, (QStringList{
                         "Drives",
                         "  ABB Oy",
                         "    ABB FENA",
                         "      FENA PPO Types (GSDML-V2.25-ABB-FENA-20130603.xml) *",
                         "      FENA All Telegrams (GSDML-V2.25-ABB-FENA-20130603.xml) *",
                         "Gateway",
                         "  Hilscher Gesellschaft für Systemautomation mbH",
                         "    NIOT-E-NPI3-51-EN-RE",
                         "      NIOT-E-NPI3-51-EN-RE V1.x (GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml) *",
                         "Ident Systems",
                         "  Leuze electronic GmbH + Co. KG",
                         "    Leuze",
                         "      BCL248i (GSDML-V2.41-LEUZE-BCL248i-20211213.xml) *",
                     }));
    // Built collapsed.
    EXPECT_EQ(tree().VisibleNodes().size(), 3u);

    EXPECT_EQ(showThenOK([&] { clickNode(nodeAt(4)); }), mrOk);
    expectSelection(filed(Vendor_GSDML_Files[0]), "FENA All Telegrams", "");
    // Showing again rebuilds the same tree from the catalog.
    EXPECT_EQ(treeLines(), lines);
}

// I/O, Maker, Family; a file with devices without category, in categories and sub-categories,
// and a second file sharing one category text.
class CatalogCategoryTest : public CatalogFormTest {
protected:
    void SetUp() override {
        CatalogFormTest::SetUp();
        const QStringList texts{"D1=Device 1", "D2=Device 2", "D3=Device 3", "D4=Device 4", "D5=Device 5",
                                "D6=Device 6", "CA=Category A", "S1=Sub 1"};
        insertWritten("GSDML-one.xml", Dap_GSDML("Family", {{"D1", "", ""}, {"D2", "CA", ""}, {"D3", "CA", "S1"},
                                                            {"D4", "CA", "S1"}, {"D5", "NOTEXT", ""}, {"D6", "", ""}},
                                                 texts));
        insertWritten("GSDML-two.xml", Dap_GSDML("Family", {{"D1", "CA", ""}}, texts));
    }
};

TEST_F(CatalogCategoryTest, DevicesGoUnderTheirCategoryGroupsOfTheirOwnFile) {
    form().ShowModal();
    EXPECT_EQ(treeLines(), (QStringList{"I/O",
                                        "  Maker",
                                        "    Family",
                                        "      Device 1 (GSDML-one.xml) *",
                                        "      Category A",
                                        "        Device 2 (GSDML-one.xml) *",
                                        "        Sub 1",
                                        "          Device 3 (GSDML-one.xml) *",
                                        "          Device 4 (GSDML-one.xml) *",
                                        "      NOTEXT",
                                        "        Device 5 (GSDML-one.xml) *",
                                        "      Device 6 (GSDML-one.xml) *",
                                        "      Category A",
                                        "        Device 1 (GSDML-two.xml) *"}));
    const TCat_ProductFamily& family = *PROFINET_Catalog_Obj->MainFamily_list[0]->Vendor_List[0]->ProductFamily_List[0];
    const TCat_GSDML& one = *family.GSDML_List[0];
    ASSERT_EQ(one.CategoryRefList.size(), 2u);
    EXPECT_EQ(one.List_Node_Device.size(), 2u);
    EXPECT_EQ(one.CategoryRefList[0]->SubCategory1RefList[0]->List_Node_Device.size(), 2u);
    EXPECT_EQ(one.CategoryRefList[0]->SubCategory1RefList[0]->SubCategory1Ref(), "Sub 1");
}

TEST_F(CatalogCategoryTest, AClickedDeviceIsTheSelectionAfterOK) {
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {3, "GSDML-one.xml", "Device 1", ""},
        {7, "GSDML-one.xml", "Device 3", "Category A"},
        {10, "GSDML-one.xml", "Device 5", "NOTEXT"},
        {13, "GSDML-two.xml", "Device 1", "Category A"},
    };
    for (const auto& [index, file, device, category] : cases) {
        EXPECT_EQ(showThenOK([&] { clickNode(nodeAt(index)); }), mrOk);
        expectSelection(filed(file), device, category);
    }
}

TEST_F(CatalogCategoryTest, GroupClicksClearTheSelection) {
    for (int group : {0, 1, 2, 4, 6}) {
        showThenOK([&] {
            clickNode(nodeAt(3));
            clickNode(nodeAt(group));
        });
        expectSelection(nullptr, "", "");
    }
}

// OK adds the highlighted device, not the one last clicked before the arrow keys moved on.
TEST_F(CatalogCategoryTest, TheArrowKeysChooseAsAClickDoes) {
    showThenOK([&] {
        clickNode(nodeAt(3));
        keyPress(tree(), VK_DOWN);
        EXPECT_EQ(tree().Selected(), nodeAt(4));
    });
    expectSelection(nullptr, "", "");
    showThenOK([&] {
        clickNode(nodeAt(3));
        keyPress(tree(), VK_DOWN);
        keyPress(tree(), VK_RIGHT);
        keyPress(tree(), VK_RIGHT);
        EXPECT_EQ(tree().Selected(), nodeAt(5));
    });
    expectSelection(filed("GSDML-one.xml"), "Device 2", "Category A");
}

TEST_F(CatalogCategoryTest, EachShowingStartsWithoutADevice) {
    showThenOK([&] { clickNode(nodeAt(3)); });
    ASSERT_NE(form().Selected_GSDML, nullptr);
    showThenOK([] {});
    EXPECT_EQ(form().Selected_GSDML, nullptr);
    EXPECT_EQ(form().Selected_Device, "");
}

// Adding files through the window's button.
class CatalogAddDeviceTest : public CatalogFormTest {
protected:
    void addDevice(const std::optional<QString>& chosen) {
        driver().answerNextFileDialog(chosen);
        driver().onNextModal([&](TForm&) { click(*form().Btn_AddDevice, 5, 5); });
        form().ShowModal();
    }
    QByteArray catalogFile(const QString& name) {
        QFile f(folder.file("PROFINET_Catalog/" + name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QByteArray device(const QString& family, const QString& text) {
        return Dap_GSDML(family, {{"D", "", ""}}, {"D=" + text});
    }
    static QStringList boxTexts() {
        QStringList texts;
        for (const auto& box : driver().boxes()) texts << box.text;
        return texts;
    }
};

TEST_F(CatalogAddDeviceTest, ANewFileIsCopiedToTheCatalogFolderAndShown) {
    folder.write("in/GSDML-new.xml", device("Family", "New device"));
    addDevice(folder.file("in/GSDML-new.xml"));
    ASSERT_EQ(driver().fileDialogs().size(), 1u);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(catalogFile("GSDML-new.xml"), device("Family", "New device"));
    ASSERT_NE(filed("GSDML-new.xml"), nullptr);
    EXPECT_EQ(filed("GSDML-new.xml")->GSDML_Path(), IncludeTrailingPathDelimiter(Catalog_Dir));
    EXPECT_TRUE(treeLines().contains("      New device (GSDML-new.xml) *"));
}

// A cancelled choice changes nothing silently; a file that is no description is said to be one.
TEST_F(CatalogAddDeviceTest, ACancelledOrUndecodableChoiceChangesNothing) {
    folder.write("in/GSDML-bad.xml", "<?xml version=\"1.0\"?><NotAProfile/>");
    folder.write("in/GSDML-broken.xml", "<ISO15745Profile><ProfileBody>");
    addDevice(std::nullopt);
    EXPECT_TRUE(driver().boxes().empty());
    addDevice(folder.file("in/GSDML-bad.xml"));
    EXPECT_EQ(boxTexts(), QStringList({"The file " + folder.file("in/GSDML-bad.xml") +
                                       " is no GSDML device description: it has not been added to the catalog."}));
    // Not well-formed: the parser's error is shown as any other error.
    addDevice(folder.file("in/GSDML-broken.xml"));
    ASSERT_EQ(driver().boxes().size(), 2u);
    EXPECT_EQ(driver().boxes()[1].type, mtError);
    EXPECT_FALSE(FileExists(folder.file("PROFINET_Catalog/GSDML-bad.xml")));
    EXPECT_FALSE(FileExists(folder.file("PROFINET_Catalog/GSDML-broken.xml")));
    EXPECT_TRUE(PROFINET_Catalog_Obj->MainFamily_list.empty());
    EXPECT_EQ(tree().Items().Count(), 0);
}

TEST_F(CatalogAddDeviceTest, AFileOfTheSameNameAsksBeforeItIsOverwritten) {
    folder.write("PROFINET_Catalog/GSDML-dev.xml", device("Family", "Old"));
    insert(Catalog_Dir, "GSDML-dev.xml");
    folder.write("in/GSDML-dev.xml", device("Family", "Newer"));

    driver().answerNextBox(mrNo);
    addDevice(folder.file("in/GSDML-dev.xml"));
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].text, "File already present in Catalog. Do you wanto to overwrite?");
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_EQ(driver().boxes()[0].buttons, TMsgDlgButtons(mbYes | mbNo));
    EXPECT_EQ(catalogFile("GSDML-dev.xml"), device("Family", "Old"));

    // Yes replaces the file; the catalog keeps the entry it has under the same keys.
    driver().answerNextBox(mrYes);
    addDevice(folder.file("in/GSDML-dev.xml"));
    EXPECT_EQ(catalogFile("GSDML-dev.xml"), device("Family", "Newer"));
    EXPECT_TRUE(treeLines().contains("      Old (GSDML-dev.xml) *"));
    EXPECT_FALSE(treeLines().contains("      Newer (GSDML-dev.xml) *"));

    // Under other keys the same name is filed a second time.
    folder.write("in/GSDML-dev.xml", device("Other family", "Moved"));
    driver().answerNextBox(mrYes);
    addDevice(folder.file("in/GSDML-dev.xml"));
    EXPECT_TRUE(treeLines().contains("      Old (GSDML-dev.xml) *"));
    EXPECT_TRUE(treeLines().contains("      Moved (GSDML-dev.xml) *"));
}

// A copy that fails is said, with the system's reason, and nothing is filed.
TEST_F(CatalogAddDeviceTest, ACopyThatFailsIsReportedAndAddsNothing) {
    folder.write("in/GSDML-new.xml", device("Family", "New device"));
    FullDisk disk(Catalog_Dir);
    SKIP_WITHOUT_FULL_DISK(disk);
    disk.Fill();
    addDevice(folder.file("in/GSDML-new.xml"));
    EXPECT_EQ(boxTexts(), QStringList({"The file " + folder.file("in/GSDML-new.xml") + " cannot be copied into the catalog as " +
                                       Catalog_Dir + "/GSDML-new.xml: No space left on device."}));
    EXPECT_FALSE(FileExists(folder.file("PROFINET_Catalog/GSDML-new.xml")));
    EXPECT_EQ(filed("GSDML-new.xml"), nullptr);
    EXPECT_EQ(tree().Items().Count(), 0);
}

TEST_F(CatalogAddDeviceTest, AddingAFileFromTheCatalogFolderItselfKeepsIt) {
    folder.write("PROFINET_Catalog/GSDML-dev.xml", device("Family", "Same"));
    driver().answerNextBox(mrYes);
    addDevice(folder.file("PROFINET_Catalog/GSDML-dev.xml"));
    EXPECT_EQ(catalogFile("GSDML-dev.xml"), device("Family", "Same"));
    EXPECT_TRUE(treeLines().contains("      Same (GSDML-dev.xml) *"));
}

}  // namespace

namespace {

// Enter takes the highlighted device as OK does; a double click on a device takes it, one on a
// group only opens or closes the group.
TEST_F(CatalogCategoryTest, EnterAndADoubleClickOnADeviceChooseIt) {
    driver().onNextModal([&](TForm&) {
        clickNode(nodeAt(3));
        keyPress(tree(), VK_RETURN);
    });
    EXPECT_EQ(form().ShowModal(), mrOk);
    expectSelection(filed("GSDML-one.xml"), "Device 1", "");

    const auto doubleClick = [&](TTreeNode* node) {
        clickNode(node);
        const auto rows = tree().VisibleNodes();
        const int row = static_cast<int>(std::find(rows.begin(), rows.end(), node) - rows.begin());
        mouseMessage(tree(), WM_LBUTTONDBLCLK, tree().TextLeft(*node) + 3,
                     row * TTreeView::RowHeight + TTreeView::RowHeight / 2, MK_LBUTTON);
        mouseMessage(tree(), WM_LBUTTONUP, tree().TextLeft(*node) + 3,
                     row * TTreeView::RowHeight + TTreeView::RowHeight / 2);
    };
    TModalResult afterGroup = mrNone;
    driver().onNextModal([&](TForm&) {
        doubleClick(nodeAt(4));
        afterGroup = form().ModalResult();
        doubleClick(nodeAt(5));
    });
    EXPECT_EQ(form().ShowModal(), mrOk);
    EXPECT_EQ(afterGroup, mrNone);
    expectSelection(filed("GSDML-one.xml"), "Device 2", "Category A");
}

// A description whose name the loader would pass over at the next start is refused with the
// reason, so that the catalog never shows a device it loses on a restart.
TEST_F(CatalogAddDeviceTest, AFileTheLoaderWouldNotReadIsRefusedWithTheReason) {
    for (const char* name : {"device.xml", "my-GSDML-device.xml", "GSDML-device.xml.bak"}) {
        SCOPED_TRACE(name);
        driver().reset();
        folder.write(QString("in/") + name, device("Family", "Renamed"));
        addDevice(folder.file(QString("in/") + name));
        EXPECT_EQ(boxTexts(),
                  QStringList({"Only files named GSDML*.xml are read into the catalog when the program starts; rename "
                               "the file so that its name begins with GSDML and ends with .xml. Not added: " +
                               folder.file(QString("in/") + name)}));
        EXPECT_FALSE(FileExists(folder.file(QString("PROFINET_Catalog/") + name)));
        EXPECT_TRUE(PROFINET_Catalog_Obj->MainFamily_list.empty());
    }
    // Any letter case is read.
    driver().reset();
    folder.write("in/gsdml-lower.XML", device("Family", "Lower"));
    addDevice(folder.file("in/gsdml-lower.XML"));
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_NE(filed("gsdml-lower.XML"), nullptr);
}

// The empty catalog says where its files go; the file dialog opens in the home folder and
// then where the last file came from.
TEST_F(CatalogAddDeviceTest, AnEmptyCatalogSaysWhereFilesGoAndTheDialogStartsHomeThenWhereItWasLeft) {
    bool hintShown = false;
    QString hint;
    driver().onNextModal([&](TForm&) {
        hintShown = form().L_Empty_Catalog->Visible();
        hint = form().L_Empty_Catalog->Caption();
    });
    form().ShowModal();
    EXPECT_TRUE(hintShown);
    EXPECT_TRUE(hint.endsWith(Catalog_Dir)) << hint.toStdString();
    EXPECT_TRUE(hint.contains("GSDML*.xml"));

    folder.write("in/GSDML-new.xml", device("Family", "New device"));
    addDevice(folder.file("in/GSDML-new.xml"));
    addDevice(std::nullopt);
    ASSERT_EQ(driver().fileDialogs().size(), 2u);
    EXPECT_EQ(driver().fileDialogs()[0].InitialDir, QDir::homePath());
    EXPECT_EQ(driver().fileDialogs()[1].InitialDir, folder.file("in"));
    EXPECT_FALSE(form().L_Empty_Catalog->Visible());
}

}  // namespace
