#include "config/network/network_file.h"

#include "config/network/network_test_support.h"

#include <gtest/gtest.h>

#include <QFile>

#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/testkit.h"
#include "platform/xml/xml_document.h"
#include "profinet/gsdml/device_access_point.h"
#include "profinet/gsdml/gsdml.h"
#include "common/state/program_state.h"

namespace {

const QString Fixture = QStringLiteral("GSDML-V2.4-Test-Network.xml");

QByteArray Read_File(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A project folder holding copies of the descriptions the networks refer to.
class NetworkFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedProject_ = Project_Path;
        Project_Path = project_.path();
        Set_Project_Files();
        gsdmlFolder_ = project_.path() + PathDelim + "GSDML" + PathDelim;
        ForceDirectories(gsdmlFolder_);
        CopyFile(QStringLiteral(LW_TESTDATA "/") + Fixture, gsdmlFolder_ + Fixture, false);
        vendor_ = QStringLiteral("GSDML-V2.25-ABB-FENA-20130603.xml");
        CopyFile(QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/") + vendor_, gsdmlFolder_ + vendor_, false);
    }
    void TearDown() override {
        Project_Path = savedProject_;
        Set_Project_Files();
    }

    std::unique_ptr<TPROFINET_Device> Device(const QString& file, const QString& name, const QString& category) {
        return Built(Decoded(gsdmlFolder_, file), name, category);
    }

    TPROFINET_Device_List Load() {
        TXMLDocument doc(nullptr);
        TPROFINET_Device_List devices;
        Load_PROFINET_Network_Project(doc, devices);
        return devices;
    }

    QByteArray Save(const TPROFINET_Device_List& devices) {
        TXMLDocument doc(nullptr);
        Save_PROFINET_Netword_Project(doc, devices);
        return Read_File(File_PROFINET_Master_Network);
    }

    void Write_Network(const QByteArray& text) { project_.write("PROFINET_Master_Network.xml", text); }

    static QStringList boxTexts() {
        QStringList texts;
        for (const auto& box : driver().boxes()) texts << box.text;
        return texts;
    }

    QByteArray Fixture_Network() const { return Read_File(QStringLiteral(LW_TESTDATA "/PROFINET_Master_Network.xml")); }

    TempFolder project_;
    QString savedProject_;
    QString gsdmlFolder_;
    QString vendor_;
};

}  // namespace

TEST_F(NetworkFileTest, ANetworkSavedAndLoadedBackIsTheSame) {
    TPROFINET_Device_List devices;
    devices.push_back(Device(Fixture, "Test Device", "CAT_A"));
    TPROFINET_Device& device = *devices[0];
    device.FNameOfStation = "press-1";
    device.FIPAddress = "192.168.2.10";
    device.FNewSessionSPI = true;
    ASSERT_TRUE(device.CheckUpdateTime(4));
    device.FUpdateTime = 4;
    device.FAnswerTime = 7;
    TPROFINET_Slot& io = *device.SlotList[1];
    io.Select_Module(io.ModulesList[1]);
    TPROFINET_Subslot& first = *io.SubSlotList[0];
    first.FStartAddIn = 10;
    first.FQuantityIn = 1;
    first.FStartAddOut = -3;
    first.FQuantityOut = 2;
    first.FStatus = true;
    first.FMnemonic = "Pressure \"A\" & <B>";
    first.ParametersList[0]->Parameters_List[0]->FValue = "1";
    first.ParametersList[0]->Parameters_List[1]->FMnemonic = "Flag M";
    io.SubSlotList[1]->Select_Submodule(io.SubSlotList[1]->SubmodulesList[1]);
    io.SubSlotList[1]->FWord_Pos = true;
    device.SlotList[3]->Selected_Module = nullptr;
    device.SlotList[3]->Clear_SubSlot_List();
    devices.push_back(Device(vendor_, "", ""));  // no such access point: a device without slots

    const QByteArray saved = Save(devices);
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_TRUE(saved.endsWith("</PROFINET_Master_Network><!--SW_VERSION = 1.001-->"));
    const TPROFINET_Device_List loaded = Load();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(Save(loaded), saved);

    const TPROFINET_Device& back = *loaded[0];
    EXPECT_EQ(back.FNameOfStation, "press-1");
    EXPECT_EQ(back.FIPAddress, "192.168.2.10");
    EXPECT_TRUE(back.FNewSessionSPI);
    EXPECT_EQ(back.FUpdateTime, 4);
    EXPECT_EQ(back.SendClock(), 32);
    EXPECT_EQ(back.ReductionRadio(), 2);
    EXPECT_EQ(back.FAnswerTime, 7);
    const TPROFINET_Slot& ioBack = *back.SlotList[1];
    EXPECT_EQ(ioBack.Selected_Module->FID, "M_IO");
    const TPROFINET_Subslot& firstBack = *ioBack.SubSlotList[0];
    EXPECT_EQ(firstBack.FStartAddOut, -3);
    EXPECT_EQ(firstBack.FQuantityOut, 2);
    EXPECT_TRUE(firstBack.FStatus);
    EXPECT_EQ(firstBack.FMnemonic, "Pressure \"A\" & <B>");
    EXPECT_EQ(firstBack.ParametersList[0]->Parameters_List[0]->FValue, "1");
    EXPECT_EQ(firstBack.ParametersList[0]->Parameters_List[1]->FMnemonic, "Flag M");
    EXPECT_EQ(ioBack.SubSlotList[1]->Selected_SubModule->FID, "SM_IN");
    EXPECT_TRUE(ioBack.SubSlotList[1]->FWord_Pos);
    EXPECT_FALSE(back.SlotList[3]->Selected_Module);
    EXPECT_TRUE(back.SlotList[3]->SubSlotList.empty());
    EXPECT_TRUE(loaded[1]->SlotList.empty());
}

// Every access point of the vendor descriptions, with each slot set to its last allowed module.
TEST_F(NetworkFileTest, DevicesOfTheSharedDescriptionsComeBackByteForByte) {
    const QString vendor = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
    TPROFINET_Device_List devices;
    for (const TSearchRec& file : FindFiles(vendor, QStringLiteral("GSDML*.xml"))) {
        CopyFile(vendor + file.Name, gsdmlFolder_ + file.Name, false);
        TGSDML gsdml;
        ASSERT_TRUE(gsdml.Decode_GSDML(gsdmlFolder_, file.Name));
        for (const auto& dap : gsdml.ProfileBody.ApplicationProcess.DeviceAccessPointList->DevAccPointItemList) {
            const QString category = dap->ModuleInfo.CategoryRef().isEmpty()
                                         ? QString()
                                         : gsdml.GetString_ExternalTextList(dap->ModuleInfo.CategoryRef());
            devices.push_back(Device(file.Name, gsdml.GetString_ExternalTextList(dap->ModuleInfo.Name()), category));
            TPROFINET_Device& device = *devices.back();
            device.FIPAddress = QStringLiteral("10.0.0.%1").arg(devices.size());
            for (const auto& slot : device.SlotList)
                if (!slot->FFixed && !slot->ModulesList.empty()) slot->Select_Module(slot->ModulesList.back());
        }
    }
    ASSERT_GE(devices.size(), 4u);
    const QByteArray saved = Save(devices);
    EXPECT_TRUE(saved.contains("<Param ")) << "the descriptions' records are written";
    const TPROFINET_Device_List loaded = Load();
    ASSERT_EQ(loaded.size(), devices.size());
    EXPECT_EQ(Save(loaded), saved);
    for (size_t i = 0; i < devices.size(); ++i) {
        ASSERT_EQ(loaded[i]->SlotList.size(), devices[i]->SlotList.size());
        for (size_t k = 0; k < devices[i]->SlotList.size(); ++k)
            EXPECT_EQ(loaded[i]->SlotList[k]->Selected_Module,
                      devices[i]->SlotList[k]->Selected_Module ? loaded[i]->SlotList[k]->ModulesList.back() : nullptr);
    }
}

TEST_F(NetworkFileTest, ASlotWithoutModuleAndASubslotWithoutSubmoduleAreWrittenEmpty) {
    TPROFINET_Device_List devices;
    devices.push_back(Device(Fixture, "Test Device", "CAT_A"));
    TPROFINET_Slot& io = *devices[0]->SlotList[1];
    io.Select_Module(io.ModulesList[1]);
    io.SubSlotList[1]->FMnemonic = "not kept";
    io.SubSlotList[1]->FStartAddIn = 5;
    const QByteArray saved = Save(devices);
    EXPECT_TRUE(saved.contains(
        "<Subslot SubslotNumber=\"2\" Submodule_ID=\"\" Submodule_IdentNumber=\"0\" Submodule_LenIN=\"0\" "
        "Submodule_LenOUT=\"0\" API=\"0\" ParameterizationDisallowed=\"false\" StartAddIn=\"5\" QuantityIn=\"0\" "
        "StartAddOut=\"0\" QuantityOut=\"0\" Status=\"N\" Word_Pos=\"N\" Mnemonic=\"not kept\"/>"));
    EXPECT_TRUE(saved.contains("<Slot Module_ID=\"\" ModuleIdentNumber=\"0\" SlotNumber=\"2\"/>"));
    const TPROFINET_Device_List loaded = Load();
    ASSERT_EQ(loaded.size(), 1u);
    const TPROFINET_Subslot& empty = *loaded[0]->SlotList[1]->SubSlotList[1];
    EXPECT_FALSE(empty.Selected_SubModule);
    EXPECT_EQ(empty.FMnemonic, "");
    EXPECT_EQ(empty.FStartAddIn, 0);
}

TEST_F(NetworkFileTest, AFileInTheOriginalsLayoutLoadsAndSavesBackToTheSameContent) {
    Write_Network(Fixture_Network());
    const TPROFINET_Device_List loaded = Load();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_TRUE(driver().boxes().empty());
    const TPROFINET_Device& device = *loaded[0];
    EXPECT_EQ(device.FNameOfStation, "press-1");
    EXPECT_EQ(device.FAnswerTime, 5);
    EXPECT_EQ(device.SlotList[0]->SubSlotList[4]->ParametersList[0]->Parameters_List[0]->FValue, "0");
    EXPECT_EQ(device.SlotList[0]->SubSlotList[4]->FStartAddIn, 20);
    EXPECT_EQ(device.SlotList[1]->SubSlotList[1]->FMnemonic, "Level");
    EXPECT_FALSE(device.SlotList[2]->Selected_Module);
    EXPECT_EQ(loaded[1]->FNameOfStation, "head-2");
    EXPECT_EQ(loaded[1]->SlotList[0]->Selected_Module->FID, "DAP2");

    // The same elements and attributes come back, in the same order.
    TXMLDocument original(nullptr);
    original.LoadFromFile(QStringLiteral(LW_TESTDATA "/PROFINET_Master_Network.xml"));
    QString expected = original.XML();
    expected.remove(0, expected.indexOf(QStringLiteral("?>")) + 2);  // the declaration
    EXPECT_EQ(QString::fromUtf8(Save(loaded)), expected);
}

// A device that cannot be rebuilt (its copy missing or no description, an attribute that is no
// number) is not shown, and the devices after it load; it is named in one message and goes
// back into the file, at its place and as the file held it, when the network is saved.
TEST_F(NetworkFileTest, DevicesThatCannotBeReadAreReportedAndKeptInTheFile) {
    Write_Network(Fixture_Network());
    const QByteArray savedWhole = Save(Load());
    const QByteArray present = "GSDML_FileName=\"GSDML-V2.4-Test-Network.xml\" NameOfStation=\"press-1\"";
    const QByteArray gone = "GSDML_FileName=\"GSDML-V2.4-Gone.xml\" NameOfStation=\"press-1\"";
    const struct {
        const char* what;
        QByteArray from, to;
        QByteArray copy;  // the description copy GSDML-V2.4-Gone.xml; empty: none
        QString reason;
    } cases[] = {
        {"missing", present, gone, "", "its GSDML file \"GSDML-V2.4-Gone.xml\" is missing from the configuration"},
        {"no description", present, gone, "<Other/>", "its GSDML file \"GSDML-V2.4-Gone.xml\" is no device description"},
        {"no number", "UpdateTime=\"4\" SendClock=\"32\"", "UpdateTime=\"4\" SendClock=\"fast\"", "",
         "PROFINET network: SendClock \"fast\" is not a valid integer value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        driver().reset();
        if (!c.copy.isEmpty()) project_.write("GSDML/GSDML-V2.4-Gone.xml", c.copy);
        Write_Network(Fixture_Network().replace(c.from, c.to));
        TXMLDocument doc(nullptr);
        TPROFINET_Device_List devices;
        TUnread_Network unread;
        Load_PROFINET_Network_Project(doc, devices, unread);
        ASSERT_EQ(devices.size(), 1u);
        EXPECT_EQ(devices[0]->FNameOfStation, "head-2");
        ASSERT_EQ(unread.Devices().size(), 1u);
        EXPECT_EQ(unread.Devices()[0].Position, 0);
        EXPECT_EQ(unread.Devices()[0].Name, "press-1");
        EXPECT_EQ(boxTexts(), QStringList({"These PROFINET devices cannot be read; they are kept in the network file as "
                                           "they are, but not shown:\nDevice #0 \"press-1\": " +
                                           c.reason}));

        Save_PROFINET_Netword_Project(doc, devices, unread);
        EXPECT_EQ(Read_File(File_PROFINET_Master_Network), QByteArray(savedWhole).replace(c.from, c.to));
    }
}

// A file that cannot be read at all is kept beside the new one before the first save.
TEST_F(NetworkFileTest, AFileThatCannotBeReadIsKeptBeforeItIsSavedOver) {
    Write_Network("<PROFINET_Master_Network><Network>");
    TXMLDocument doc(nullptr);
    TPROFINET_Device_List devices;
    TUnread_Network unread;
    Load_PROFINET_Network_Project(doc, devices, unread);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_TRUE(driver().boxes()[0].text.endsWith("The file will be kept as " + File_PROFINET_Master_Network +
                                                  ".damaged before it is saved over."));
    Save_PROFINET_Netword_Project(doc, devices, unread);
    EXPECT_EQ(Read_File(File_PROFINET_Master_Network + ".damaged"), "<PROFINET_Master_Network><Network>");
    EXPECT_TRUE(Read_File(File_PROFINET_Master_Network).startsWith("<PROFINET_Master_Network>"));
}

TEST_F(NetworkFileTest, AStoredNameWithAFolderDecodesTheFileInThatFolder) {
    QByteArray text = Fixture_Network();
    text.replace("GSDML_FileName=\"GSDML-V2.4-Test-Network.xml\"",
                 "GSDML_FileName=\"Sub/GSDML-V2.4-Test-Network.xml\"");
    Write_Network(text);
    project_.write("GSDML/Sub/" + Fixture, Read_File(QStringLiteral(LW_TESTDATA "/") + Fixture));
    // A namesake beside the folder must not be read in its place.
    project_.write("GSDML/" + Fixture, "<ISO15745Profile><broken");
    const TPROFINET_Device_List loaded = Load();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->FNameOfStation, "press-1");
    EXPECT_EQ(loaded[1]->FNameOfStation, "head-2");
}

TEST_F(NetworkFileTest, StoredListsOfAnotherSizeAreIgnoredAsAWhole) {
    // One slot fewer than the description gives: every stored slot of the device is ignored,
    // while its name, address and timing are restored.
    QByteArray text = Fixture_Network();
    text.replace("        <Slot Module_ID=\"M_IGN\" ModuleIdentNumber=\"1024\" SlotNumber=\"5\"/>\r\n", "");
    Write_Network(text);
    TPROFINET_Device_List loaded = Load();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->FNameOfStation, "press-1");
    EXPECT_EQ(loaded[0]->FIPAddress, "192.168.2.10");
    EXPECT_EQ(loaded[0]->FUpdateTime, 4);
    EXPECT_EQ(loaded[0]->SlotList[1]->Selected_Module->FID, "M_FIX");  // the description's default
    EXPECT_EQ(loaded[0]->SlotList[0]->SubSlotList[4]->FStartAddIn, 0);

    // A record with a parameter more: only its values are ignored. A subslot list on a slot
    // that has none is ignored too.
    text = Fixture_Network();
    text.replace("<Param Value=\"\" Mnemonic=\"\" ByteOffset=\"3\"",
                 "<Param Value=\"9\"/><Param Value=\"\" Mnemonic=\"\" ByteOffset=\"3\"");
    text.replace(
        "<Slot Module_ID=\"DAP2\" ModuleIdentNumber=\"0\" SlotNumber=\"0\"/>",
        "<Slot Module_ID=\"DAP2\" ModuleIdentNumber=\"0\" SlotNumber=\"0\"><Subslots><Subslot/></Subslots></Slot>");
    Write_Network(text);
    loaded = Load();
    ASSERT_EQ(loaded.size(), 2u);
    const TPROFINET_Subslot& head = *loaded[0]->SlotList[0]->SubSlotList[4];
    EXPECT_EQ(head.FStartAddIn, 20);
    EXPECT_EQ(head.FMnemonic, "Head mode");
    EXPECT_EQ(head.ParametersList[0]->Parameters_List[0]->FValue, "");
    EXPECT_EQ(loaded[0]->SlotList[1]->SubSlotList[0]->ParametersList[0]->Parameters_List[0]->FValue, "1");
    EXPECT_TRUE(loaded[1]->SlotList[0]->SubSlotList.empty());
    EXPECT_TRUE(driver().boxes().empty());
}

TEST_F(NetworkFileTest, AMissingFileIsAnEmptyNetwork) {
    EXPECT_TRUE(Load().empty());
    EXPECT_TRUE(driver().boxes().empty());
}

TEST_F(NetworkFileTest, UnreadableFilesAndBadNumbersAreReported) {
    const QByteArray good = Fixture_Network();
    QByteArray badUpdate = good;
    badUpdate.replace(
        "NameOfStation=\"head-2\" DeviceName=\"Test Device\" DeviceCategoryRef=\"CAT_B\" IPAddress=\"192.168.2.11\" "
        "NewSessionSPI=\"0\" UpdateTime=\"0\"",
        "NameOfStation=\"head-2\" DeviceName=\"Test Device\" DeviceCategoryRef=\"CAT_B\" IPAddress=\"192.168.2.11\" "
        "NewSessionSPI=\"0\" UpdateTime=\"fast\"");
    // The file writes its numbers in decimal; the hexadecimal forms are not numbers there.
    QByteArray hexClock = good;
    hexClock.replace("SendClock=\"32\"", "SendClock=\"0x20\"");
    QByteArray missingAddress = good;
    missingAddress.replace("StartAddIn=\"10\" ", "");
    const struct {
        const char* what;
        QByteArray text;
        size_t devices;
    } cases[] = {
        {"malformed", "<PROFINET_Master_Network><Network>", 0},
        {"other root", "<Network><Device/></Network>", 0},
        {"no network", "<PROFINET_Master_Network><Devices/></PROFINET_Master_Network>", 0},
        {"non-numeric update time", badUpdate, 1},
        {"hexadecimal send clock", hexClock, 0},
        {"missing address of a used subslot", missingAddress, 1},  // the device without it only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        driver().reset();
        Write_Network(c.text);
        EXPECT_EQ(Load().size(), c.devices);
        ASSERT_EQ(driver().boxes().size(), 1u);
        EXPECT_EQ(driver().boxes()[0].type, mtError);
    }
}
