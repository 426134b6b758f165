#include "profinet/gsdml/dap_elements.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"
#include "profinet/gsdml/graphic_item_ref.h"

namespace {

const int full = 0;
const int bare = 1;

// One of the access points of the fixture.
class DapElements : public ::testing::Test {
protected:
    template <class T>
    TReadResult<T> Read(int dap, const char* name, bool (T::*read)(IXMLNode)) const {
        return ReadElement(doc.ElementIn(dap, name), read);
    }

    const TTestXml doc{TTestXml::File{FixturePath("dap_elements.xml")}};
};

QStringList refs(const TGraphics& graphics) {
    QStringList out;
    for (const auto& ref : graphics.GraphicItemRefList) out << ref->TypeGraph() + "=" + ref->GraphicItemTarget();
    return out;
}

TEST_F(DapElements, IOConfigDataReadsItsLimits) {
    const auto read = Read(full, "IOConfigData", &TIOConfigData::Read_IOConfigData);
    ASSERT_TRUE(read.ok);
    const TIOConfigData& data = *read.object;
    EXPECT_EQ(data.MaxInputLength(), 1440);
    EXPECT_EQ(data.MaxOutputLength(), 1440);
    EXPECT_EQ(data.MaxDataLength(), 4464);  // 70000 in 16 bits
    EXPECT_TRUE(data.ApplicationLengthIncludesIOxS());
    EXPECT_EQ(data.MaxApplicationInputLength(), 256);
    EXPECT_EQ(data.MaxApplicationOutputLength(), 128);
    EXPECT_EQ(data.MaxApplicationDataLength(), 384);

    const auto empty = Read(bare, "IOConfigData", &TIOConfigData::Read_IOConfigData);
    TIOConfigData fresh;
    for (const TIOConfigData* d : {&fresh, empty.object.get()}) {
        EXPECT_EQ(d->MaxInputLength(), 0);
        EXPECT_EQ(d->MaxOutputLength(), 0);
        EXPECT_EQ(d->MaxDataLength(), 0);
        EXPECT_FALSE(d->ApplicationLengthIncludesIOxS());
        EXPECT_EQ(d->MaxApplicationInputLength(), 0);
        EXPECT_EQ(d->MaxApplicationOutputLength(), 0);
        EXPECT_EQ(d->MaxApplicationDataLength(), 0);
    }
    EXPECT_TRUE(empty.ok);
}

TEST_F(DapElements, CertificationInfoReadsItsClasses) {
    const auto read = Read(full, "CertificationInfo", &TCertificationInfo::Read_CertificationInfo);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.object->ConformanceClass(), "C");
    EXPECT_EQ(read.object->ApplicationClass(), "Isochronous");
    EXPECT_EQ(read.object->NetloadClass(), "III");

    const auto empty = Read(bare, "CertificationInfo", &TCertificationInfo::Read_CertificationInfo);
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.object->ConformanceClass(), "");
    EXPECT_EQ(empty.object->ApplicationClass(), "");
    EXPECT_EQ(empty.object->NetloadClass(), "");
}

TEST_F(DapElements, GraphicsListTheirReferencesInDocumentOrder) {
    const auto read = Read(full, "Graphics", &TGraphics::Read_Graphics);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(refs(*read.object), QStringList({"DeviceSymbol=ID_Graph_1", "DeviceIcon=ID_Graph_2"}));

    const auto empty = Read(bare, "Graphics", &TGraphics::Read_Graphics);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.object->GraphicItemRefList.empty());

    const auto noAttributes = ReadXml("<GraphicItemRef/>", &TGraphicItemRef::Read_GraphicItemRef);
    EXPECT_TRUE(noAttributes.ok);
    EXPECT_EQ(noAttributes.object->TypeGraph(), "");
    EXPECT_EQ(noAttributes.object->GraphicItemTarget(), "");
}

TEST_F(DapElements, ApplicationRelationsReadTheirBlockVersionsAndTiming) {
    const auto read = Read(full, "ApplicationRelations", &TApplicationRelations::Read_ApplicationRelations);
    ASSERT_TRUE(read.ok);
    const TApplicationRelations& relations = *read.object;
    EXPECT_EQ(relations.AR_BlockVersion(), 0x0101);
    EXPECT_EQ(relations.IOCR_BlockVersion(), 0x0102);
    EXPECT_EQ(relations.AlarmCR_BlockVersion(), 0x0103);
    EXPECT_EQ(relations.SubmoduleDataBlockVersion(), 0x0104);
    ASSERT_NE(relations.TimingProperties, nullptr);
    EXPECT_EQ(relations.TimingProperties->SendClock(), "8 16 32");
    EXPECT_EQ(relations.TimingProperties->ReductionRatio(), "1 2 4");
}

TEST_F(DapElements, TimingDefaultsHoldOnlyWhenTheTimingElementIsThere) {
    const auto bareRead = Read(bare, "ApplicationRelations", &TApplicationRelations::Read_ApplicationRelations);
    ASSERT_TRUE(bareRead.ok);
    EXPECT_EQ(bareRead.object->AR_BlockVersion(), 0);
    EXPECT_EQ(bareRead.object->SubmoduleDataBlockVersion(), 0);
    ASSERT_NE(bareRead.object->TimingProperties, nullptr);
    EXPECT_EQ(bareRead.object->TimingProperties->SendClock(), "32");
    EXPECT_EQ(bareRead.object->TimingProperties->ReductionRatio(), "1 2 4 8 16 32 64 128 256 512");

    const auto without = ReadXml("<ApplicationRelations AR_BlockVersion='1'><timingProperties/></ApplicationRelations>",
                                 &TApplicationRelations::Read_ApplicationRelations);
    EXPECT_TRUE(without.ok);
    EXPECT_EQ(without.object->AR_BlockVersion(), 1);
    EXPECT_EQ(without.object->TimingProperties, nullptr);
    EXPECT_EQ(TApplicationRelations().TimingProperties, nullptr);

    const auto empty = ReadXml("<TimingProperties SendClock='' ReductionRatio=' 1 '/>",
                               &TTimingPropertiesAppRel::Read_TimingProperties);
    EXPECT_EQ(empty.object->SendClock(), "");  // present, so no default
    EXPECT_EQ(empty.object->ReductionRatio(), " 1 ");
}

TEST_F(DapElements, SystemRedundancyReadsItsProperties) {
    const auto read = Read(full, "SystemRedundancy", &TSystemRedundancy::Read_SystemRedundancy);
    ASSERT_TRUE(read.ok);
    const TSystemRedundancy& redundancy = *read.object;
    EXPECT_EQ(redundancy.DeviceType(), "R2");
    EXPECT_EQ(redundancy.MaxSwitchOverTime(), 100);
    EXPECT_TRUE(redundancy.PrimaryAR_OnBothNAPsSupported());
    EXPECT_TRUE(redundancy.RT_InputOnBackupAR_Supported());
    EXPECT_EQ(redundancy.NumberOfAR_Sets(), 44);  // 300 in 8 bits
    EXPECT_EQ(redundancy.MinRDHT(), 20);
    EXPECT_TRUE(redundancy.DataInvalidOnBackupAR_Supported());
    EXPECT_EQ(redundancy.S2MaxInputOnBackupDelay(), 5);
    EXPECT_EQ(redundancy.R2MaxInputOnBackupDelay(), 6);
}

TEST_F(DapElements, SystemRedundancyNumbersDefaultToOne) {
    const auto empty = Read(bare, "SystemRedundancy", &TSystemRedundancy::Read_SystemRedundancy);
    const auto noNumbers = ReadXml(
        "<SystemRedundancy DeviceType='' MaxSwitchOverTime='x' NumberOfAR_Sets='' MinRDHT='1.5' "
        "S2MaxInputOnBackupDelay='5 ' R2MaxInputOnBackupDelay='4294967295' PrimaryAR_OnBothNAPsSupported='1'/>",
        &TSystemRedundancy::Read_SystemRedundancy);
    TSystemRedundancy fresh;
    for (const TSystemRedundancy* r : {&fresh, empty.object.get(), noNumbers.object.get()}) {
        EXPECT_EQ(r->DeviceType(), "");
        EXPECT_EQ(r->MaxSwitchOverTime(), 1);
        EXPECT_FALSE(r->PrimaryAR_OnBothNAPsSupported());
        EXPECT_FALSE(r->RT_InputOnBackupAR_Supported());
        EXPECT_EQ(r->NumberOfAR_Sets(), 1);
        EXPECT_EQ(r->MinRDHT(), 1);
        EXPECT_FALSE(r->DataInvalidOnBackupAR_Supported());
        EXPECT_EQ(r->S2MaxInputOnBackupDelay(), 1);
        EXPECT_EQ(r->R2MaxInputOnBackupDelay(), 1);
    }
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(noNumbers.ok);

    // Other elements keep 0 for a text that is no number.
    const auto ioConfig = ReadXml("<IOConfigData MaxInputLength='x'/>", &TIOConfigData::Read_IOConfigData);
    EXPECT_EQ(ioConfig.object->MaxInputLength(), 0);
}

TEST_F(DapElements, ARVendorBlockListsItsRequests) {
    const auto read = Read(full, "ARVendorBlock", &TARVendorBlock::Read_ARVendorBlock);
    ASSERT_TRUE(read.ok);
    const auto& requests = read.object->RequestList;
    ASSERT_EQ(requests.size(), 2u);  // the comment and RequestX are passed over
    EXPECT_EQ(requests[0]->API(), 0x3A00u);
    EXPECT_EQ(requests[0]->APStructureIdentifier(), 0x8000);
    EXPECT_EQ(requests[1]->API(), 4294967295u);  // -1 in 32 unsigned bits
    EXPECT_EQ(requests[1]->APStructureIdentifier(), 1);

    const auto empty = Read(bare, "ARVendorBlock", &TARVendorBlock::Read_ARVendorBlock);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.object->RequestList.empty());
    TRequest fresh;
    EXPECT_EQ(fresh.API(), 0u);
    EXPECT_EQ(fresh.APStructureIdentifier(), 0);
}

// The elements an access point of the shared files holds, found through the XML layer.
TEST(DapElementsOfSharedFiles, DecodeWithTheirReaders) {
    const struct {
        const char* file;
        std::vector<std::pair<int, int>> ioConfig;  // MaxInputLength, MaxOutputLength of each
        std::vector<QStringList> certification;     // ConformanceClass, ApplicationClass, NetloadClass
        std::vector<QStringList> graphics;
    } files[] = {
        {"GSDML-V2.25-ABB-FENA-20130603.xml",
         {{42, 42}, {42, 42}},
         {},
         {{"DeviceSymbol=1"}, {"DeviceSymbol=1"}}},
        {"GSDML-V2.35-HILSCHER-NIOT-E-NPI3-51-EN-RE-20201005.xml",
         {{1440, 1440}},
         {{"C", "", "III"}},
         {{"DeviceSymbol=1"}}},  // the second reference is commented out
        {"GSDML-V2.41-LEUZE-BCL248i-20211213.xml",
         {{400, 100}},
         {{"B", "", "I"}},
         {{"DeviceSymbol=ID_Graph_1"}}},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const TTestXml doc(TTestXml::File{VendorGsdmlPath(f.file)});

        std::vector<std::pair<int, int>> ioConfig;
        for (const IXMLNode& element : doc.Elements("IOConfigData")) {
            const auto read = ReadElement(element, &TIOConfigData::Read_IOConfigData);
            EXPECT_TRUE(read.ok);
            EXPECT_EQ(read.object->MaxDataLength(), 0);
            ioConfig.emplace_back(read.object->MaxInputLength(), read.object->MaxOutputLength());
        }
        EXPECT_EQ(ioConfig, f.ioConfig);

        std::vector<QStringList> certification;
        for (const IXMLNode& element : doc.Elements("CertificationInfo")) {
            const auto read = ReadElement(element, &TCertificationInfo::Read_CertificationInfo);
            EXPECT_TRUE(read.ok);
            certification.push_back(
                {read.object->ConformanceClass(), read.object->ApplicationClass(), read.object->NetloadClass()});
        }
        EXPECT_EQ(certification, f.certification);

        std::vector<QStringList> graphics;
        for (const IXMLNode& element : doc.Elements("Graphics")) {
            const auto read = ReadElement(element, &TGraphics::Read_Graphics);
            EXPECT_TRUE(read.ok);
            graphics.push_back(refs(*read.object));
        }
        EXPECT_EQ(graphics, f.graphics);
    }
}

}  // namespace
