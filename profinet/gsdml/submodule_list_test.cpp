#include "profinet/gsdml/submodule_list.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"

namespace {

class SubmoduleList : public ::testing::Test {
protected:
    TReadResult<TSubmoduleList> ReadList() const {
        return ReadElement(doc.Root(), &TSubmoduleList::Read_SubModuleList);
    }

    const TTestXml doc{TTestXml::File{FixturePath("modules_submodules.xml")}};
};

// Each item as its kind and ID: "S Sub A" for a submodule, "P Port 1" for a port.
QString describe(const TObject* item) {
    if (const auto* submodule = dynamic_cast<const TSubmoduleItem*>(item)) return "S " + submodule->ID();
    if (const auto* port = dynamic_cast<const TPortSubmoduleItem*>(item)) return "P " + port->ID();
    return item ? QStringLiteral("?") : QStringLiteral("none");
}

QStringList items(const TSubmoduleList& list) {
    QStringList out;
    for (const auto& item : list.SubmoduleList) out << describe(item.get());
    return out;
}

TEST_F(SubmoduleList, ReadsTheBaseAndItsSchemaVersion) {
    const auto read = ReadElement(doc.Submodule("Sub A"), &TSubmoduleItem::Read_SubmoduleItem);
    ASSERT_TRUE(read.ok);
    const TSubmoduleItem& item = *read.object;
    EXPECT_EQ(item.RequiredSchemaVersion(), "V2.3");
    EXPECT_EQ(item.SubmoduleIdentNumber(), 0x10u);
    EXPECT_EQ(item.API(), 14848u);
    EXPECT_EQ(item.IOData.Get_Input(), 2);
    ASSERT_NE(item.ModuleInfo, nullptr);
    EXPECT_EQ(item.ModuleInfo->Name(), "IDT_Sub_A");
    EXPECT_EQ(TSubmoduleItem().RequiredSchemaVersion(), "");
}

TEST_F(SubmoduleList, AFailingBaseLeavesTheSchemaVersionUnread) {
    const auto read = ReadElement(doc.Submodule("No IOData"), &TSubmoduleItem::Read_SubmoduleItem);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.object->SubmoduleIdentNumber(), 7u);
    EXPECT_EQ(read.object->RequiredSchemaVersion(), "");
}

TEST_F(SubmoduleList, KeepsBothKindsInDocumentOrderUntilOneFails) {
    const auto read = ReadList();
    EXPECT_FALSE(read.ok);
    // The comment and the element of another name are passed over; "After" is never read.
    EXPECT_EQ(items(*read.object), QStringList({"S Sub A", "P Port 1", "S Sub B", "P Sub A"}));
    const auto& port = dynamic_cast<const TPortSubmoduleItem&>(*read.object->SubmoduleList.at(1));
    EXPECT_EQ(port.SubslotNumber(), 32769);
    EXPECT_EQ(port.TextId(), "IDT_Port1");

    const auto empty =
        ReadXml("<SubmoduleList><!-- none --><ModuleItem/></SubmoduleList>", &TSubmoduleList::Read_SubModuleList);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.object->SubmoduleList.empty());
}

TEST_F(SubmoduleList, GetSubmoduleItemFindsEitherKindByTheExactID) {
    const auto read = ReadList();
    const TSubmoduleList& list = *read.object;
    const struct {
        const char* id;
        const char* found;
    } cases[] = {
        {"Sub A", "S Sub A"},  // not the port of that ID after it
        {"Port 1", "P Port 1"}, {"Sub B", "S Sub B"},  {"sub a", "none"},
        {"Other name", "none"}, {"No IOData", "none"}, {"", "none"},
    };
    for (const auto& c : cases) EXPECT_EQ(describe(list.Get_SubmoduleItem(c.id)), c.found) << c.id;
    EXPECT_EQ(TSubmoduleList().Get_SubmoduleItem("Sub A"), nullptr);
}

}  // namespace
