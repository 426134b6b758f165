#include "profinet/gsdml/useable_items.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"

namespace {

const TTestXml& slotsFixture() {
    static const TTestXml doc{TTestXml::File{FixturePath("dap_list_slots.xml")}};
    return doc;
}

// A reference as "target: fixed | allowed | used".
QString placed(const QString& target, const QString& fixed, const QString& allowed, const QString& used) {
    return target + ": " + fixed + " | " + allowed + " | " + used;
}

TEST(UseableItems, ModuleReferencesKeepTheirSlotTextsAsWritten) {
    const auto read = ReadElement(slotsFixture().ElementIn(0, "UseableModules"), &TUseableModules::Read_UseableModules);
    EXPECT_TRUE(read.ok);
    QStringList refs;
    for (const auto& ref : read.object->ModuleItemRefList)
        refs << placed(ref->ModuleItemTarget(), ref->FixedInSlots(), ref->AllowedInSlots(), ref->UsedInSlots());
    EXPECT_EQ(refs, QStringList({"Allowed:  | 1..4 7 | 2", "Fixed: 5 | 1..4 | 3", "Unplaced:  |  | "}));
}

TEST(UseableItems, SubmoduleReferencesKeepTheirSubslotTextsAsWritten) {
    const auto read =
        ReadElement(slotsFixture().ElementIn(0, "UseableSubmodules"), &TUseableSubmodules::Read_UseableSubmodules);
    EXPECT_TRUE(read.ok);
    QStringList refs;
    for (const auto& ref : read.object->SubmoduleItemRefList)
        refs << placed(ref->SubmoduleItemTarget(), ref->FixedInSubslots(), ref->AllowedInSubslots(),
                       ref->UsedInSubslots());
    EXPECT_EQ(refs, QStringList({"Allowed:  | 2..3 | 2", "Fixed: 4 | 2..3 | "}));
}

TEST(UseableItems, ListsOfOtherNamesOnlyAreEmpty) {
    const auto modules = ReadXml("<UseableModules><!-- x --><SubmoduleItemRef/><moduleitemref/></UseableModules>",
                                 &TUseableModules::Read_UseableModules);
    EXPECT_TRUE(modules.ok);
    EXPECT_TRUE(modules.object->ModuleItemRefList.empty());
    const auto submodules = ReadXml("<UseableSubmodules><ModuleItemRef/><SubmoduleItemRefX/></UseableSubmodules>",
                                    &TUseableSubmodules::Read_UseableSubmodules);
    EXPECT_TRUE(submodules.ok);
    EXPECT_TRUE(submodules.object->SubmoduleItemRefList.empty());
}

}  // namespace
