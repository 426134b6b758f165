#include "profinet/gsdml/profi_energy.h"

#include <gtest/gtest.h>

#include <QList>

#include "grid/foundation/format_settings_fixture.h"
#include "profinet/gsdml/element_test_support.h"

namespace {

class PROFIenergy : public FormatSettingsFixture {
protected:
    void SetUp() override { Use(u'.', u','); }

    TReadResult<TPROFIenergy> Read(int submodule) const {
        return ReadElement(doc.ElementIn(submodule, "PROFIenergy"), &TPROFIenergy::Read_PROFIenergy);
    }

    const TTestXml doc{TTestXml::File{FixturePath("energy_submodule.xml")}};
};

QList<int> numbers(const TMeasurementList& list) {
    QList<int> out;
    for (const auto& item : list.MeasurementItemList) out << item->Number();
    return out;
}

TEST_F(PROFIenergy, ReadsItsAttributesAndLists) {
    const auto read = Read(0);
    ASSERT_TRUE(read.ok);
    const TPROFIenergy& energy = *read.object;
    EXPECT_EQ(energy.ProfileVersion(), "V1.1");
    EXPECT_EQ(energy.EntityClass(), "Class3");
    EXPECT_EQ(energy.EntitySubclass(), "Subclass1");
    EXPECT_TRUE(energy.DynamicTimeAndEnergyValues());
    EXPECT_TRUE(energy.PESAP_uses_PROFIenergyASE());

    ASSERT_NE(energy.EnergySavingModeList, nullptr);
    const auto& modes = energy.EnergySavingModeList->EnergySavingModeItemList;
    ASSERT_EQ(modes.size(), 3u);
    EXPECT_EQ(modes[0]->ID(), 1);
    EXPECT_EQ(modes[0]->TimeToPause(), 100u);
    EXPECT_EQ(modes[0]->RTTO(), 200u);
    EXPECT_EQ(modes[0]->TimeMinLengthOfStay(), 4294967295u);
    EXPECT_EQ(modes[0]->PowerConsumption(), 1.5f);
    EXPECT_EQ(modes[0]->EnergyConsumptionToDestination(), -22.5f);
    EXPECT_EQ(modes[0]->EnergyConsumptionToOperation(), 3.0f);
    EXPECT_EQ(modes[1]->ID(), 44);  // 300 in 8 bits
    EXPECT_EQ(modes[1]->PowerConsumption(), 0.0f);
    EXPECT_EQ(modes[2]->ID(), 255);
    EXPECT_EQ(modes[2]->EnergyConsumptionToOperation(), 0.0f);  // beyond a float

    ASSERT_NE(energy.MeasurementList, nullptr);
    EXPECT_EQ(numbers(*energy.MeasurementList), QList<int>({1, 16}));
    const auto& values = energy.MeasurementList->MeasurementItemList[0]->MeasurementValueList;
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0]->ID(), 34);
    EXPECT_EQ(values[0]->AccuracyDomain(), 1);
    EXPECT_EQ(values[0]->AccuracyClass(), 12);
    EXPECT_EQ(values[1]->ID(), 4464);  // 70000 in 16 bits
    EXPECT_EQ(values[1]->AccuracyDomain(), 1);  // 257 in 8 bits
    EXPECT_EQ(values[1]->AccuracyClass(), 0);
    EXPECT_TRUE(energy.MeasurementList->MeasurementItemList[1]->MeasurementValueList.empty());
}

TEST_F(PROFIenergy, MissingAttributesAndListsLeaveTheirDefaults) {
    const auto read = Read(1);
    TPROFIenergy fresh;
    for (const TPROFIenergy* energy : {&fresh, read.object.get()}) {
        EXPECT_EQ(energy->ProfileVersion(), "");
        EXPECT_EQ(energy->EntityClass(), "");
        EXPECT_EQ(energy->EntitySubclass(), "");
        EXPECT_FALSE(energy->DynamicTimeAndEnergyValues());
        EXPECT_FALSE(energy->PESAP_uses_PROFIenergyASE());
        EXPECT_EQ(energy->EnergySavingModeList, nullptr);
        EXPECT_EQ(energy->MeasurementList, nullptr);
    }
    EXPECT_TRUE(read.ok);

    const auto mode = ReadXml("<EnergySavingModeItem/>", &TEnergySavingModeItem::Read_EnergySavingModeItem);
    EXPECT_TRUE(mode.ok);
    EXPECT_EQ(mode.object->ID(), 0);
    EXPECT_EQ(mode.object->TimeToPause(), 0u);
    EXPECT_EQ(mode.object->RTTO(), 0u);
    EXPECT_EQ(mode.object->TimeMinLengthOfStay(), 0u);
    EXPECT_EQ(mode.object->PowerConsumption(), 0.0f);
    EXPECT_EQ(mode.object->EnergyConsumptionToDestination(), 0.0f);
    EXPECT_EQ(mode.object->EnergyConsumptionToOperation(), 0.0f);

    const auto value = ReadXml("<MeasurementValue/>", &TMeasurementValue::Read_MeasurementValue);
    EXPECT_TRUE(value.ok);
    EXPECT_EQ(value.object->ID(), 0);
    EXPECT_EQ(value.object->AccuracyDomain(), 0);
    EXPECT_EQ(value.object->AccuracyClass(), 0);

    const auto item = ReadXml("<MeasurementItem/>", &TMeasurementItem::Read_MeasurementItem);
    EXPECT_TRUE(item.ok);
    EXPECT_EQ(item.object->Number(), 0);
}

TEST_F(PROFIenergy, EnergyFiguresFollowTheRegionalDecimalSeparator) {
    const struct {
        QChar decimal;
        const char* text;
        float value;
    } cases[] = {
        {u'.', "1.5", 1.5f}, {u',', "1.5", 0.0f}, {u',', "1,5", 1.5f}, {u'.', "1,5", 0.0f},
        {u'.', " 2 ", 2.0f}, {u'.', "", 0.0f},    {u'.', "1e3", 1000.0f}, {u'.', "1.5.", 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Use(c.decimal, u' ');
        const auto read = ReadXml(QStringLiteral("<EnergySavingModeItem PowerConsumption='%1' ID='7'/>").arg(c.text),
                                  &TEnergySavingModeItem::Read_EnergySavingModeItem);
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.object->PowerConsumption(), c.value);
        EXPECT_EQ(read.object->ID(), 7);
    }
}

TEST_F(PROFIenergy, AMeasurementNumberThatIsNoNumberFailsItsItemButNotTheElement) {
    const auto read = ReadXml(
        "<PROFIenergy ProfileVersion='V1.2'>"
        "<EnergySavingModeList><EnergySavingModeItem ID='1'/></EnergySavingModeList>"
        "<MeasurementList>"
        "<MeasurementItem Number='1'/><!-- --><MeasurementItem Number=' 2'/>"
        "<MeasurementItem Number='three'><MeasurementValue ID='9'/></MeasurementItem>"
        "<MeasurementItem Number='4'/>"
        "</MeasurementList></PROFIenergy>",
        &TPROFIenergy::Read_PROFIenergy);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.object->ProfileVersion(), "V1.2");
    ASSERT_NE(read.object->EnergySavingModeList, nullptr);
    EXPECT_EQ(read.object->EnergySavingModeList->EnergySavingModeItemList.size(), 1u);
    ASSERT_NE(read.object->MeasurementList, nullptr);
    EXPECT_EQ(numbers(*read.object->MeasurementList), QList<int>({1, 2}));

    const struct {
        const char* number;
        bool ok;
        int value;
    } cases[] = {
        {"0x10", true, 16}, {"70000", true, 4464}, {"", false, 0}, {"1.5", false, 0}, {" 3 ", true, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        const auto item = ReadXml(
            QStringLiteral("<MeasurementItem Number='%1'><MeasurementValue ID='5'/></MeasurementItem>").arg(c.number),
            &TMeasurementItem::Read_MeasurementItem);
        EXPECT_EQ(item.ok, c.ok);
        EXPECT_EQ(item.object->Number(), c.value);
        EXPECT_EQ(item.object->MeasurementValueList.size(), c.ok ? 1u : 0u);  // not read after the error
    }
}

}  // namespace
