#include "config/banks/bank2_builder.h"
#include "platform/testkit/exception_message.h"

#include "config/banks/bank_buffers.h"
#include "config/banks/bank_builder.h"
#include "config/banks/bank_test_project.h"
#include "config/network/network_file.h"
#include "config/network/profinet_device.h"
#include "platform/core/exception.h"
#include "profinet/gsdml/gsdml.h"

namespace {

using Bank2Test = TBankProject;

// Without devices every slot is empty, yet each slot's rule names its two terminators: the
// master follows Pos_Add_In and Pos_Add_Out of every slot to an end marker, never to address 0.
TEST_F(Bank2Test, AnEmptyNetworkGivesTenEmptySlotsThatNameTheirTerminators) {
    Create_Bin_Data(xml);
    ASSERT_EQ(Bank2_Len, 1136);
    const QByteArray bank = Bank2_Buf.Bytes(Bank2_Len);
    EXPECT_EQ(U32(bank, 0), 0x80010u);
    EXPECT_EQ(U32(bank, 4), 0x80380u);
    EXPECT_EQ(U32(bank, 8), 0x803D0u);
    EXPECT_EQ(U32(bank, 12), 0x80420u);
    for (int i = 0; i < 10; ++i) {
        const QByteArray rule = bank.mid(0x10 + 56 * i, 56);
        EXPECT_EQ(U32(rule, 4), 0x80240u + 32 * i) << i;
        EXPECT_EQ(U32(rule, 8), 0x80250u + 32 * i) << i;
        EXPECT_EQ(rule.left(4) + rule.mid(12), QByteArray(48, '\0')) << i;
    }
    EXPECT_EQ(bank.mid(0x240, 320), QByteArray(320, '\xFF'));  // each slot's two terminators
    for (int i = 0; i < 10; ++i)
        for (uint32_t table : {0x3A8u, 0x3F8u, 0x448u}) {
            const int section = int(table) - 40;
            EXPECT_EQ(U32(bank, section + 4 * i), 0x80000 + table + 4 * i);
            EXPECT_EQ(U32(bank, int(table) + 4 * i), 0u);
        }
    EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 0u);
}

// Tables left over from an earlier build do not reach the next one.
TEST_F(Bank2Test, EveryBuildStartsFromEmptyTables) {
    Create_Bin_Data(xml);
    const QByteArray empty = Bank2_Buf.Bytes(Bank2_Len);
    Master_Rules[3].IP_Address = {10, 0, 0, 3};
    Master_Rules[3].Pos_In_Arr = {{0, 5, 0, 1}};
    Prm_Tables[0].Device_Data = {{2, 0, 1, 1, 1, "ab", 0}};
    ESMB_Tables[9].Device_ESMB.resize(1);
    IOCR_Tables[5].Device_IOCR.resize(2);
    Create_Bin_Data(xml);
    EXPECT_EQ(Bank2_Buf.Bytes(Bank2_Len), empty);
}

// Bytes written as hex with blanks between the fields, as toHex gives them.
QByteArray Hex(const char* Text) { return QByteArray::fromHex(Text).toHex(); }

const QString Fena = QStringLiteral("GSDML-V2.25-ABB-FENA-20130603.xml");

// A project whose GSDML folder holds a copy of a vendor description, and network files written
// as the network window writes them.
class Bank2NetworkTest : public TBankProject {
protected:
    void SetUp() override {
        TBankProject::SetUp();
        gsdmlFolder = folder.path() + PathDelim + "GSDML" + PathDelim;
        ASSERT_TRUE(ForceDirectories(gsdmlFolder));
        ASSERT_TRUE(CopyFile(QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/") + Fena, gsdmlFolder + Fena, false));
    }

    static QString subslot(int Number, const QString& ID, uint32_t Ident, int LenIN, int LenOUT, uint32_t API,
                           const QString& More = "", const QString& Parameters = "") {
        return QString(
                   "<Subslot SubslotNumber=\"%1\" Submodule_ID=\"%2\" Submodule_IdentNumber=\"%3\" "
                   "Submodule_LenIN=\"%4\" Submodule_LenOUT=\"%5\" API=\"%6\" %7>%8</Subslot>")
            .arg(Number)
            .arg(ID)
            .arg(Ident)
            .arg(LenIN)
            .arg(LenOUT)
            .arg(API)
            .arg(More.isEmpty() ? QString("ParameterizationDisallowed=\"false\" Status=\"N\" Word_Pos=\"N\"") : More)
            .arg(Parameters.isEmpty() ? QString() : "<Parameters>" + Parameters + "</Parameters>");
    }
    static QString slot(int Number, const QString& Module, uint32_t Ident, const QString& Subslots) {
        return QString(
                   "<Slot Module_ID=\"%1\" ModuleIdentNumber=\"%2\" SlotNumber=\"%3\"><Subslots>%4</Subslots></Slot>")
            .arg(Module)
            .arg(Ident)
            .arg(Number)
            .arg(Subslots);
    }
    static QString device(const QString& File, const QString& Station, const QString& Slots,
                          const QString& Name = "FENA PPO Types") {
        return QString(
                   "<Device GSDML_FileName=\"%1\" NameOfStation=\"%2\" DeviceName=\"%3\" DeviceCategoryRef=\"\" "
                   "IPAddress=\" 10.0.0.7 \" NewSessionSPI=\"1\" UpdateTime=\"0\" SendClock=\"32\" ReductionRadio=\"4\" "
                   "AnswerTime=\"0\">"
                   "<Slots>%4</Slots></Device>")
            .arg(File, Station, Name, Slots);
    }
    // The access point with its own submodule in slot 0 and a module in slot 1.
    static QString fenaSlots(const QString& Module_Subslots) {
        return slot(0, "FENA_DAP_V1", 1, subslot(1, "FENA_DAP_V1", 0, 0, 0, 0)) +
               slot(1, "ID_MODULE_STD_TGM1", 17, Module_Subslots);
    }
    void writeNetwork(const QStringList& Devices) {
        folder.write("PROFINET_Master_Network.xml",
                     ("<PROFINET_Master_Network><Network>" + Devices.join("") + "</Network></PROFINET_Master_Network>")
                         .toUtf8());
    }
    QByteArray bank() const { return Bank2_Buf.Bytes(Bank2_Len); }
    // The item addresses of a slot's table in the section at header offset Header.
    std::vector<uint32_t> items(int Header, int Slot) const {
        const QByteArray b = bank();
        const uint32_t section = U32(b, Header) - Bank2_Base;
        uint32_t table = U32(b, int(section) + 4 * Slot) - Bank2_Base;
        std::vector<uint32_t> result;
        for (uint32_t a; (a = U32(b, int(table))) != 0; table += 4) result.push_back(a - Bank2_Base);
        return result;
    }

    QString gsdmlFolder;
};

// A device without slots builds an empty rule; the next device keeps its own slot. Every table
// of the device in slot 1 is checked at the addresses the bank gives for it.
TEST_F(Bank2NetworkTest, ADeviceIsBuiltIntoItsSlotWithRulesRecordsAndConnections) {
    const QString parameters =
        "<ParamGroup Index=\"100\" Length=\"6\" DataConst=\"1, 2, x, 300, 4\" DataByteOffset=\"2\">"
        "<Param DataType=\"Unsigned16\" Value=\"513\" DefaultValue=\"0\" ByteOffset=\"0\" BitOffset=\"0\" "
        "BitLength=\"0\"/>"
        "<Param DataType=\"Bit\" Value=\"1\" DefaultValue=\"0\" ByteOffset=\"5\" BitOffset=\"3\" BitLength=\"1\"/>"
        "</ParamGroup>";
    const QString moduleSubslots =
        subslot(1, "ID_STD_MAPPAP_1", 0xFFFF, 0, 0, 14848,
                "ParameterizationDisallowed=\"true\" Status=\"N\" Word_Pos=\"N\"") +
        subslot(2, "ID_STD_STD_TGM1_1", 17, 4, 4, 14848,
                "ParameterizationDisallowed=\"false\" Status=\"Y\" Word_Pos=\"Y\"", parameters);
    writeNetwork({device(Fena, "", ""),
                  device(Fena, QString(40, QLatin1Char('n')), fenaSlots(moduleSubslots))});
    Create_Bin_Data(xml);

    EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 2u);
    ASSERT_EQ(Bank2_Len, 0x5A6);
    const QByteArray b = bank();
    // Slot 0: the address of a device without name, slots or data.
    EXPECT_EQ(b.mid(0x10, 4).toHex(), QByteArray("0a000007"));
    EXPECT_EQ(b.mid(0x10 + 12, 36), QByteArray(36, '\0'));

    const QByteArray rule = b.mid(0x10 + 56, 56);
    EXPECT_EQ(rule.left(4).toHex(), QByteArray("0a000007"));
    EXPECT_EQ(U32(rule, 4), 0x80260u);
    EXPECT_EQ(U32(rule, 8), 0x802A0u);
    EXPECT_EQ(rule.mid(12, 32), QByteArray(32, 'n'));  // the first 32 characters, no terminator
    EXPECT_EQ(U16(rule, 44), 8);
    EXPECT_EQ(U16(rule, 46), 8);
    EXPECT_EQ(U32(rule, 48), 0x40020u);
    EXPECT_EQ(U32(rule, 52), 1u);
    // Access point and disallowed submodule without data take 1 and 1; 4 in and 4 out take 6 and 6.
    const auto positionRules = [&](int At) {
        std::vector<std::array<uint32_t, 4>> r;
        for (int p = At; U32(b, p) != 0xFFFFFFFFu; p += 16)
            r.push_back({U32(b, p), U32(b, p + 4), U32(b, p + 8), U32(b, p + 12)});
        return r;
    };
    const std::vector<std::array<uint32_t, 4>> expected{{0, 1, 0, 0}, {0, 1, 1, 0}, {0, 6, 2, 3}};
    EXPECT_EQ(positionRules(0x260), expected);
    EXPECT_EQ(positionRules(0x2A0), expected);

    const std::vector<uint32_t> records = items(4, 1);
    ASSERT_EQ(records.size(), 1u);
    // Head: Len, API, Slot, Subslot, Index; then the data.
    EXPECT_EQ(b.mid(int(records[0]), 20).toHex(), Hex("06000000 003a0000 0100 0200 6400  020101020408"));

    // Head: Len, NumerofApi; per API: API, slot, ident, properties, count; per submodule:
    // subslot, ident, properties, then its data descriptions.
    const std::vector<uint32_t> esmb = items(8, 1);
    ASSERT_EQ(esmb.size(), 2u);
    EXPECT_EQ(b.mid(int(esmb[0]), 32).toHex(),
              Hex("1c00 0100  00000000 0000 00000001 0000 0001  0001 00000000 0000 0001 0000 0101"));
    EXPECT_EQ(b.mid(int(esmb[1]), 38).toHex(),
              Hex("2200 0100  00003a00 0001 00000011 0000 0001  0002 00000011 0003 0001 0004 0101 0002 0004 0101"));

    // Head: Len, IOCR, FrameID, send clock, reduction, watchdog, data hold, tag header, APIs;
    // per API: API, IO data objects (slot, subslot, offset), consumer-status entries.
    const std::vector<uint32_t> iocr = items(12, 1);
    ASSERT_EQ(iocr.size(), 2u);
    EXPECT_EQ(b.mid(int(iocr[0]), 52).toHex(), Hex("2200 0100 0080 2000 0400 0300 0300 00c0 0200"
                                                   "  00000000 0001 0000 0001 0000 0000"
                                                   "  00003a00 0001 0001 0002 0001 0001 0001 0002 0006"));
    EXPECT_EQ(b.mid(int(iocr[1]), 52).toHex(), Hex("2200 0200 ffff 2000 0400 0300 0300 00c0 0200"
                                                   "  00000000 0000 0001 0000 0001 0000"
                                                   "  00003a00 0001 0001 0002 0001 0001 0001 0002 0006"));
}

// The running offsets go on from device to device.
TEST_F(Bank2NetworkTest, PositionRulesOfTheNextDeviceFollowThoseBeforeIt) {
    const QString deviceSlots =
        slot(0, "FENA_DAP_V1", 1, "") + slot(1, "ID_MODULE_STD_TGM1", 17, subslot(2, "ID_STD_STD_TGM1_1", 17, 4, 0, 0));
    writeNetwork({device(Fena, "a", deviceSlots), device(Fena, "b", deviceSlots)});
    Create_Bin_Data(xml);
    const QByteArray b = bank();
    for (int slotIndex : {0, 1}) {
        const QByteArray rule = b.mid(0x10 + 56 * slotIndex, 56);
        const int in = int(U32(rule, 4) - Bank2_Base);
        const int out = int(U32(rule, 8) - Bank2_Base);
        EXPECT_EQ(U32(b, in + 4), 5u);
        EXPECT_EQ(U32(b, in + 8), 5u * uint32_t(slotIndex));
        EXPECT_EQ(U32(b, out + 4), 1u);
        EXPECT_EQ(U32(b, out + 8), uint32_t(slotIndex));
        EXPECT_EQ(U16(rule, 44), 5);
        EXPECT_EQ(U16(rule, 46), 1);
    }
    EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 2u);
}

// A device whose access point is not in its description gets no access-point item; a device
// without a submodule that exchanges data gets no communication relations.
TEST_F(Bank2NetworkTest, AnUnknownAccessPointAndNoSubmodulesGiveNoItems) {
    writeNetwork(
        {device(Fena, "a", slot(0, "FENA_DAP_V1", 1, subslot(1, "FENA_DAP_V1", 0, 0, 0, 0)), "No such access point"),
         device(Fena, "b", slot(0, "FENA_DAP_V1", 1, ""))});
    Create_Bin_Data(xml);
    EXPECT_TRUE(items(8, 0).empty());
    EXPECT_EQ(items(12, 0).size(), 2u);
    EXPECT_EQ(items(8, 1).size(), 1u);
    EXPECT_TRUE(items(12, 1).empty());
}

// The network window and the builder find a description copy the same way: its name may
// differ in letter case from the one the network file stores.
TEST_F(Bank2NetworkTest, TheWindowAndTheBuilderFindTheSameDescriptionCopies) {
    ASSERT_TRUE(ForceDirectories(gsdmlFolder + "Sub"));
    ASSERT_TRUE(CopyFile(gsdmlFolder + Fena, gsdmlFolder + "Sub" + PathDelim + Fena, false));
    const struct {
        const char* what;
        QString stored;
        bool found;
    } cases[] = {
        {"exact name", Fena, true},
        {"upper case", Fena.toUpper(), true},
        {"lower case in a folder", "sub/" + Fena.toLower(), true},
        {"another name", "GSDML-V2.25-ABB-FENA.xml", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeNetwork({device(c.stored, "a", "")});
        TXMLDocument doc(nullptr);
        TPROFINET_Device_List devices;
        Load_PROFINET_Network_Project(doc, devices);
        EXPECT_EQ(devices.size(), c.found ? 1u : 0u);
        if (c.found) {
            Create_Bin_Data(xml);
            EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 1u);
        } else {
            EXPECT_THROW(Create_Bin_Data(xml), Exception);
        }
    }
}

// A description copy that is not well-formed XML would cost the device its configured
// station: the build ends, naming the station and the file, and writes nothing.
TEST_F(Bank2NetworkTest, ADescriptionCopyThatIsNoXmlEndsTheBuild) {
    folder.write("GSDML/GSDML-V2.3-Broken.xml", "<ISO15745Profile><ProfileHeader>");
    writeNetwork({device(Fena, "press-1", fenaSlots("")), device("gsdml-v2.3-broken.xml", "press-2", "")});
    const QString message = messageOf([&] { Create_Bin_Data(xml); });
    EXPECT_TRUE(message.startsWith("Error! The PROFINET device #1 \"press-2\" cannot be built: its GSDML file "
                                   "\"gsdml-v2.3-broken.xml\" cannot be read: "))
        << message.toStdString();
    EXPECT_TRUE(message.contains("GSDML-V2.3-Broken.xml")) << "the parser names the copy it read";
    EXPECT_TRUE(message.endsWith("The device has not been updated.")) << message.toStdString();
}

// A device of the network that cannot be built stops the build, named: the device would
// otherwise run without a station the user configured.
TEST_F(Bank2NetworkTest, ADeviceThatCannotBeBuiltStopsTheBuild) {
    folder.write("GSDML/GSDML-Other.xml", "<Other/>");
    const struct {
        QString device;
        QString why;
    } cases[] = {
        {device("GSDML-Gone.xml", "press-2", ""), "its GSDML file \"GSDML-Gone.xml\" is missing from the configuration"},
        {device("GSDML-Other.xml", "press-2", ""), "its GSDML file \"GSDML-Other.xml\" is no device description"},
        {device("", "press-2", ""), "it names no device or no GSDML file"},
        {device(Fena, "press-2", "", ""), "it names no device or no GSDML file"},
    };
    for (const auto& c : cases) {
        writeNetwork({device(Fena, "press-1", fenaSlots("")), c.device});
        EXPECT_EQ(messageOf([&] { Create_Bin_Data(xml); }),
                  "Error! The PROFINET device #1 \"press-2\" cannot be built: " + c.why +
                      ". The device has not been updated.");
    }
}

TEST_F(Bank2NetworkTest, MoreThanTenDevicesAreRefused) {
    writeNetwork(QStringList(11, device(Fena, "a", "")));
    EXPECT_THROW(Create_Bin_Data(xml), Exception);
    writeNetwork(QStringList(10, device(Fena, "a", "")));
    Create_Bin_Data(xml);
    EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 10u);
}

// Bank 2 must end where bank 3 starts in the device's memory, though its buffer is larger.
TEST_F(Bank2NetworkTest, ABankRunningPastBank3IsRefused) {
    const QString group = "<ParamGroup Index=\"1\" Length=\"70000\" DataConst=\"\" DataByteOffset=\"0\"/>";
    writeNetwork({device(Fena, "a", fenaSlots(subslot(2, "ID_STD_STD_TGM1_1", 17, 4, 4, 0, "", group + group)))});
    try {
        Create_Bin_Data(xml);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, Bank2_Buf.Overflow());
    }
}

// Lengths that no table can carry the same way, and a constant with no place, stop the build.
TEST_F(Bank2NetworkTest, ImpossibleLengthsAndAMissingDataOffsetStopTheBuild) {
    for (int length : {65536, -1}) {
        SCOPED_TRACE(length);
        writeNetwork({device(Fena, "a", fenaSlots(subslot(2, "ID_STD_STD_TGM1_1", 17, length, 4, 0)))});
        EXPECT_TRUE(messageOf([&] { Create_Bin_Data(xml); }).contains("Submodule_LenIN"));
    }
    const QString group = "<ParamGroup Index=\"1\" Length=\"4\" DataConst=\"1, 2\"/>";
    writeNetwork({device(Fena, "a", fenaSlots(subslot(2, "ID_STD_STD_TGM1_1", 17, 4, 4, 0, "", group)))});
    EXPECT_TRUE(messageOf([&] { Create_Bin_Data(xml); }).contains("DataByteOffset"));
}

TEST_F(Bank2NetworkTest, AFileWithoutItsNetworkElementStopsTheBuild) {
    folder.write("PROFINET_Master_Network.xml", "<PROFINET_Master_Network/>");
    EXPECT_THROW(Create_Bin_Data(xml), Exception);
}

// A network as the network window saves it, from a device built from its description.
TEST_F(Bank2NetworkTest, ASavedNetworkIsBuiltFromTheWindowsFile) {
    auto description = std::make_shared<TGSDML>();
    ASSERT_TRUE(description->Decode_GSDML(gsdmlFolder, Fena));
    TPROFINET_Device_List devices;
    devices.push_back(std::make_unique<TPROFINET_Device>());
    TPROFINET_Device& fena = *devices[0];
    fena.FDeviceName = "FENA PPO Types";
    fena.SetGSDML(std::move(description));
    fena.ReadInfoFromGSDML();
    fena.FNameOfStation = "drive-1";
    fena.FIPAddress = "192.168.2.20";
    ASSERT_GE(fena.SlotList.size(), 2u);
    TPROFINET_Slot& drive = *fena.SlotList[1];
    ASSERT_FALSE(drive.ModulesList.empty());
    drive.Select_Module(drive.ModulesList[0]);
    TXMLDocument doc(nullptr);
    Save_PROFINET_Netword_Project(doc, devices);

    Create_Bin_Data(xml);
    EXPECT_EQ(U32(Bank1_Buf.Bytes(2048), 0x618), 1u);
    const QByteArray rule = bank().mid(0x10, 56);
    EXPECT_EQ(rule.left(4).toHex(), QByteArray("c0a80214"));
    EXPECT_EQ(rule.mid(12, 8), QByteArray("drive-1\0", 8));
    EXPECT_EQ(U32(rule, 48), uint32_t(fena.ReductionRadio()) << 16 | uint32_t(fena.SendClock()));
    // The access point and the module each give their expected submodules, with their idents.
    const std::vector<uint32_t> esmb = items(8, 0);
    ASSERT_EQ(esmb.size(), 2u);
    const QByteArray b = bank();
    EXPECT_EQ(b.mid(int(esmb[0]) + 4, 14).toHex(), Hex("00000000 0000 00000001 0000 0001"));
    EXPECT_EQ(b.mid(int(esmb[1]) + 4, 10).toHex(),
              Hex("00000000 0001") +
                  QByteArray::number(drive.Selected_Module->FModuleIdentNumber, 16).rightJustified(8, '0'));
    EXPECT_EQ(items(12, 0).size(), 2u);
}

}  // namespace
