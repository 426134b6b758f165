#include "profinet/gsdml/module_info.h"

#include <gtest/gtest.h>

#include "profinet/gsdml/element_test_support.h"

namespace {

TEST(ModuleInfo, ReadsEveryAttributeAndChild) {
    const TTestXml doc(TTestXml::File{FixturePath("dap_elements.xml")});
    const auto read = ReadElement(doc.ElementIn(0, "ModuleInfo"), &TModuleInfo::Read_ModuleInfo);
    ASSERT_TRUE(read.ok);
    const TModuleInfo& info = *read.object;
    EXPECT_EQ(info.CategoryRef(), "CAT_IO");
    EXPECT_EQ(info.SubCategory1Ref(), "CAT_Digital");
    EXPECT_EQ(info.Name(), "IDT_Name");  // the first "Name"; the id, not its text
    EXPECT_EQ(info.InfoText(), "IDT_Info");
    EXPECT_EQ(info.VendorName(), QString::fromUtf8("Grün & Söhne"));
    EXPECT_EQ(info.OrderNumber(), " 6ES 123-4 ");  // as written
    EXPECT_EQ(info.HardwareRelease(), "3");
    EXPECT_EQ(info.SoftwareRelease(), "V1.2.3");
    ASSERT_NE(info.Family, nullptr);
    EXPECT_EQ(info.Family->MainFamily(), "I/O");
    EXPECT_EQ(info.Family->ProductFamily(), "Remote I/O");
}

TEST(ModuleInfo, MissingAttributesLeaveTheirDefaults) {
    const TTestXml doc(TTestXml::File{FixturePath("dap_elements.xml")});
    const auto read = ReadElement(doc.ElementIn(1, "ModuleInfo"), &TModuleInfo::Read_ModuleInfo);
    TModuleInfo fresh;
    for (const TModuleInfo* info : {&fresh, read.object.get()}) {
        EXPECT_EQ(info->CategoryRef(), "");
        EXPECT_EQ(info->SubCategory1Ref(), "");
        EXPECT_EQ(info->Name(), "");
        EXPECT_EQ(info->InfoText(), "");
        EXPECT_EQ(info->VendorName(), "");
        EXPECT_EQ(info->OrderNumber(), "");
        EXPECT_EQ(info->HardwareRelease(), "");
        EXPECT_EQ(info->SoftwareRelease(), "");
        EXPECT_EQ(info->Family, nullptr);
    }
    EXPECT_TRUE(read.ok);  // "Name" and "InfoText" need no "TextId"
}

TEST(ModuleInfo, NameAndInfoTextAreRequiredInThatOrder) {
    const struct {
        const char* xml;
        bool ok;
        const char* name;
        const char* infoText;
    } cases[] = {
        {"<ModuleInfo CategoryRef='C'><Name TextId='N'/><InfoText TextId='I'/></ModuleInfo>", true, "N", "I"},
        {"<ModuleInfo CategoryRef='C'><Name TextId='N'/></ModuleInfo>", false, "N", ""},
        {"<ModuleInfo CategoryRef='C'><InfoText TextId='I'/></ModuleInfo>", false, "", ""},
        {"<ModuleInfo CategoryRef='C'><name TextId='N'/><InfoText TextId='I'/></ModuleInfo>", false, "", ""},
        {"<ModuleInfo CategoryRef='C'><Names><Name TextId='N'/></Names><InfoText TextId='I'/></ModuleInfo>", false,
         "", ""},
        {"<ModuleInfo CategoryRef='C'><!--<Name TextId='X'/>--><InfoText TextId='I'/><Name TextId='N'/></ModuleInfo>",
         true, "N", "I"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        const auto read = ReadXml(c.xml, &TModuleInfo::Read_ModuleInfo);
        EXPECT_EQ(read.ok, c.ok);
        EXPECT_EQ(read.object->CategoryRef(), "C");  // read before the children
        EXPECT_EQ(read.object->Name(), c.name);
        EXPECT_EQ(read.object->InfoText(), c.infoText);
    }
}

TEST(ModuleInfo, OptionalChildrenAreReadOnlyWhenTheRequiredOnesAre) {
    const QString optional = "<VendorName Value='V'/><OrderNumber Value='O'/><Family MainFamily='M'/>";
    const auto complete = ReadXml("<ModuleInfo><Name/><InfoText/>" + optional + "</ModuleInfo>",
                                  &TModuleInfo::Read_ModuleInfo);
    EXPECT_TRUE(complete.ok);
    EXPECT_EQ(complete.object->VendorName(), "V");
    EXPECT_EQ(complete.object->OrderNumber(), "O");
    ASSERT_NE(complete.object->Family, nullptr);
    EXPECT_EQ(complete.object->Family->MainFamily(), "M");
    EXPECT_EQ(complete.object->Family->ProductFamily(), "");

    const auto failed = ReadXml("<ModuleInfo><Name/>" + optional + "</ModuleInfo>", &TModuleInfo::Read_ModuleInfo);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.object->VendorName(), "");
    EXPECT_EQ(failed.object->Family, nullptr);
}

// Every module information of the shared files, of access points, modules and submodules
// alike, reads with its texts resolvable.
TEST(ModuleInfo, ReadsEveryOneOfTheSharedFiles) {
    const struct {
        const char* file;
        size_t count;
        const char* name;  // of the first, the access point's
        const char* infoText;
        const char* orderNumber;
        const char* softwareRelease;
    } files[] = {
        {"GSDML-V2.25-ABB-FENA-20130603.xml", 18, "T_ID_FENA_DAP_V1", "T_PROFINET_IO_DEV_DESCRIPTION_DAP10",
         "6410038040802", "V2.91"},
        {"GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml", 50, "NIOT-E-NPI3-51-EN-RE V1.x", "DIM 29_InfoText",
         "1321.500", "V4.5.0.5"},
        {"GSDML-V2.41-LEUZE-BCL248i-20211213.xml", 116, "BCL248i", "DeviceDescription", "501xxxxx", "V1.*.*"},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const TTestXml doc(TTestXml::File{VendorGsdmlPath(f.file)});
        const std::vector<IXMLNode> elements = doc.Elements("ModuleInfo");
        ASSERT_EQ(elements.size(), f.count);
        for (const IXMLNode& element : elements) {
            const auto read = ReadElement(element, &TModuleInfo::Read_ModuleInfo);
            EXPECT_TRUE(read.ok);
            EXPECT_NE(read.object->Name(), "");
            EXPECT_NE(read.object->InfoText(), "");
            EXPECT_EQ(read.object->Family, nullptr);
        }
        const auto first = ReadElement(elements.front(), &TModuleInfo::Read_ModuleInfo);
        EXPECT_EQ(first.object->Name(), f.name);
        EXPECT_EQ(first.object->InfoText(), f.infoText);
        EXPECT_EQ(first.object->OrderNumber(), f.orderNumber);
        EXPECT_EQ(first.object->SoftwareRelease(), f.softwareRelease);
    }
}

}  // namespace
