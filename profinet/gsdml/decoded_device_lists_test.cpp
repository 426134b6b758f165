#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "profinet/gsdml/device_access_point.h"
#include "profinet/gsdml/element_test_support.h"
#include "profinet/gsdml/gsdml.h"
#include "profinet/gsdml/module_list.h"
#include "profinet/gsdml/submodule_list.h"

// The access point, module and submodule lists as a decode hangs them into the tree, and the
// shared device descriptions decoded whole: as many of each as the file has, and the look-ups
// find them.

namespace {

const QString vendorFolder = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");

const QString moduleList = QStringLiteral(
    "<ModuleList>"
    "<ModuleItem ID='M1'><ModuleInfo><Name/><InfoText/></ModuleInfo></ModuleItem>"
    "<ModuleItem ID='M2'><ModuleInfo><Name/><InfoText/></ModuleInfo></ModuleItem>"
    "</ModuleList>");
const QString submoduleList =
    QStringLiteral("<SubmoduleList><SubmoduleItem ID='S1'><IOData/></SubmoduleItem></SubmoduleList>");

// The small fixture with the two lists above ahead of a value list, and the first from made to.
QString withDeviceLists(const QString& from, const QString& to) {
    QFile f(FixturePath("GSDML-V2.4-Minimal.xml"));
    QString text = f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    text.insert(text.indexOf("<ExternalTextList>"), moduleList + submoduleList + "<ValueList/>");
    if (from.isEmpty()) return text;
    EXPECT_TRUE(text.contains(from)) << from.toStdString();
    return text.replace(text.indexOf(from), from.size(), to);
}

TEST(DecodedDeviceLists, ReadAheadOfTheValueListEachOnlyAfterTheOnesBefore) {
    const struct {
        const char* what;
        QString from, to;
        bool decodes;
        int accessPoints, modules, submodules;  // -1 where the list has no object
        bool valueList;
    } cases[] = {
        {"all read", "", "", true, 1, 2, 1, true},
        {"no module or submodule list", moduleList + submoduleList, "", true, 1, -1, -1, true},
        {"access point refused", "<IOConfigData/>", "", false, 0, -1, -1, false},
        {"second module refused", "<ModuleItem ID='M2'><ModuleInfo><Name/><InfoText/></ModuleInfo>",
         "<ModuleItem ID='M2'>", false, 1, 1, -1, false},
        {"submodule refused", "<IOData/>", "", false, 1, 2, 0, false},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tmp.write("GSDML-x.xml", withDeviceLists(c.from, c.to).toLatin1());
        TGSDML gsdml;
        EXPECT_EQ(gsdml.Decode_GSDML(tmp.path() + "/", "GSDML-x.xml"), c.decodes);
        const TApplicationProcess& process = gsdml.ProfileBody.ApplicationProcess;
        ASSERT_NE(process.DeviceAccessPointList, nullptr);
        EXPECT_EQ(int(process.DeviceAccessPointList->DevAccPointItemList.size()), c.accessPoints);
        EXPECT_EQ(process.ModuleList ? int(process.ModuleList->ModuleItemList.size()) : -1, c.modules);
        EXPECT_EQ(process.SubmoduleList ? int(process.SubmoduleList->SubmoduleList.size()) : -1, c.submodules);
        EXPECT_EQ(process.ValueList != nullptr, c.valueList);
        EXPECT_EQ(process.ExternalTextList != nullptr, c.decodes);
    }
}

TEST(DecodedDeviceLists, TheSmallFixtureHasItsAccessPoint) {
    TGSDML gsdml;
    ASSERT_TRUE(gsdml.Decode_GSDML(FixturePath(""), "GSDML-V2.4-Minimal.xml"));
    const TDeviceAccessPointList& list = *gsdml.ProfileBody.ApplicationProcess.DeviceAccessPointList;
    ASSERT_EQ(list.DevAccPointItemList.size(), 1u);
    EXPECT_EQ(list.DevAccPointItemList[0]->ID(), "DAP 1");
    EXPECT_EQ(list.Get_DeviceAccessPointItem("IDT_DAP", "", gsdml), list.DevAccPointItemList[0].get());
}

// How many of each kind the decoded tree holds, or the file has.
struct TCounts {
    size_t accessPoints = 0, modules = 0, submodules = 0, virtualSubmodules = 0, interfaces = 0, ports = 0;
    bool operator==(const TCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TCounts& c) {
    return out << "{" << c.accessPoints << " access points, " << c.modules << " modules, " << c.submodules
               << " submodules, " << c.virtualSubmodules << " virtual, " << c.interfaces << " interfaces, " << c.ports
               << " ports}";
}

TCounts inFile(const TTestXml& doc) {
    return {doc.Elements("DeviceAccessPointItem").size(),  doc.Elements("ModuleItem").size(),
            doc.Elements("SubmoduleItem").size(),          doc.Elements("VirtualSubmoduleItem").size(),
            doc.Elements("InterfaceSubmoduleItem").size(), doc.Elements("PortSubmoduleItem").size()};
}

// The built-in submodules of an access point or module.
template <class T>
void addBuiltIn(const T& holder, TCounts& counts) {
    if (holder.VirtualSubmoduleList)
        counts.virtualSubmodules += holder.VirtualSubmoduleList->VirtualSubmoduleItelList.size();
    if (holder.SystemDefinedSubmoduleList) {
        ++counts.interfaces;
        counts.ports += holder.SystemDefinedSubmoduleList->PortSubmoduleItemList.size();
    }
}

TCounts decoded(const TApplicationProcess& process) {
    TCounts counts;
    counts.accessPoints = process.DeviceAccessPointList->DevAccPointItemList.size();
    for (const auto& dap : process.DeviceAccessPointList->DevAccPointItemList) addBuiltIn(*dap, counts);
    if (process.ModuleList) {
        counts.modules = process.ModuleList->ModuleItemList.size();
        for (const auto& module : process.ModuleList->ModuleItemList) addBuiltIn(*module, counts);
    }
    if (process.SubmoduleList)
        for (const auto& item : process.SubmoduleList->SubmoduleList)
            ++(dynamic_cast<const TSubmoduleItem*>(item.get()) ? counts.submodules : counts.ports);
    return counts;
}

TEST(DecodedDeviceLists, EveryFileHoldsAllItsAccessPointsModulesAndSubmodules) {
    const std::vector<TSearchRec> files = FindFiles(vendorFolder, "*.xml");
    ASSERT_FALSE(files.empty());
    for (const TSearchRec& file : files) {
        SCOPED_TRACE(file.Name.toStdString());
        TGSDML gsdml;
        ASSERT_TRUE(gsdml.Decode_GSDML(vendorFolder, file.Name));
        const TApplicationProcess& process = gsdml.ProfileBody.ApplicationProcess;
        ASSERT_NE(process.DeviceAccessPointList, nullptr);
        const TCounts counts = decoded(process);
        EXPECT_EQ(counts, inFile(TTestXml::FromFile(vendorFolder + file.Name)));
        EXPECT_GT(counts.accessPoints, 0u);

        for (const auto& dap : process.DeviceAccessPointList->DevAccPointItemList) {
            SCOPED_TRACE(dap->ID().toStdString());
            // Found again by the texts the catalog window shows for it.
            const QString name = gsdml.GetString_ExternalTextList(dap->ModuleInfo.Name());
            const QString category = gsdml.GetString_ExternalTextList(dap->ModuleInfo.CategoryRef());
            const TDeviceAccessPointItem* found =
                process.DeviceAccessPointList->Get_DeviceAccessPointItem(name, category, gsdml);
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(gsdml.GetString_ExternalTextList(found->ModuleInfo.Name()), name);
            // Every module it takes is in the module list.
            if (!dap->UseableModules) continue;
            for (const auto& ref : dap->UseableModules->ModuleItemRefList) {
                ASSERT_NE(process.ModuleList, nullptr);
                EXPECT_NE(process.ModuleList->Get_ModuleItem(ref->ModuleItemTarget()), nullptr)
                    << ref->ModuleItemTarget().toStdString();
            }
        }
    }
}

TEST(DecodedDeviceLists, AccessPointsAndModulesMatchTheirFiles) {
    const struct {
        const char* file;
        QStringList accessPoints;  // ID: identity number, fixed slots, physical slots
        const char* subslotOf;     // the access point with subslot names
        int subslot;
        const char* subslotText;
        const char* lastModule;  // ID: identity number
    } cases[] = {
        {"GSDML-V2.25-ABB-FENA-20130603.xml",
         {"FENA_DAP_V1: 1, 0, 0..1", "FENA_DAP_V2: 1, 0, 0..1"},
         "FENA_DAP_V2",
         32769,
         "X1 P1",
         "ID_MODULE_STD_TGM2: 18"},
        {"GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml",
         {"DIM 29: 8321, 0, 0..255"},
         "DIM 29",
         32770,
         "X1 P2",
         "nt_IoT_256byteoutput: 370"},
        {"GSDML-V2.41-LEUZE-BCL248i-20211213.xml",
         {"DAP: 1, 0, 0..79"},
         "DAP",
         1,
         "Device parameter",
         "ID_MOD_MscanMasterParam3: 1102"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        TGSDML gsdml;
        ASSERT_TRUE(gsdml.Decode_GSDML(vendorFolder, c.file));
        const TApplicationProcess& process = gsdml.ProfileBody.ApplicationProcess;
        const TDeviceAccessPointList& daps = *process.DeviceAccessPointList;
        QStringList accessPoints;
        for (const auto& dap : daps.DevAccPointItemList)
            accessPoints << QStringLiteral("%1: %2, %3, %4")
                                .arg(dap->ID())
                                .arg(dap->ModuleIdentNumber())
                                .arg(dap->FixedInSlots(), dap->PhysicalSlots());
        EXPECT_EQ(accessPoints, c.accessPoints);

        const int index = daps.Get_Index_DevAccPointItem(c.subslotOf);
        ASSERT_GE(index, 0);
        EXPECT_EQ(gsdml.GetString_ExternalTextList(daps.DevAccPointItemList[index]->Get_SubslotName(c.subslot)),
                  c.subslotText);

        ASSERT_NE(process.ModuleList, nullptr);
        const TModuleItem& last = *process.ModuleList->ModuleItemList.back();
        EXPECT_EQ(QStringLiteral("%1: %2").arg(last.ID()).arg(last.ModuleIdentNumber()), c.lastModule);
        EXPECT_EQ(process.ModuleList->Get_ModuleItem(last.ID()), &last);
        EXPECT_EQ(process.SubmoduleList, nullptr);  // none of these files has one
    }
}

}  // namespace
