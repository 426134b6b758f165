#include "profinet/gsdml/reporting_system.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "profinet/gsdml/element_test_support.h"

namespace {

QStringList observers(const TReportingSystemEvents& events) {
    QStringList out;
    for (const auto& observer : events.ObserverList) out << observer->TypeObserver();
    return out;
}

TEST(ReportingSystemEvents, ListsItsObserversInDocumentOrder) {
    const TTestXml doc(TTestXml::File{FixturePath("energy_submodule.xml")});
    const auto read =
        ReadElement(doc.ElementIn(0, "ReportingSystemEvents"), &TReportingSystemEvents::Read_ReportingSystemEvents);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(observers(*read.object), QStringList({"DigitalInput", " Power "}));

    const auto empty =
        ReadElement(doc.ElementIn(1, "ReportingSystemEvents"), &TReportingSystemEvents::Read_ReportingSystemEvents);
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.object->ObserverList.empty());

    const auto bare = ReadXml("<Observer/>", &TObserver::Read_Observer);
    EXPECT_TRUE(bare.ok);
    EXPECT_EQ(bare.object->TypeObserver(), "");
}

}  // namespace
