#include "profinet/gsdml/reporting_system.h"

bool TObserver::Read_Observer(IXMLNode node) {
    return Guarded([&] {
        Read_Attribute(node, "TypeObserver", FTypeObserver);
        return true;
    });
}

bool TReportingSystemEvents::Read_ReportingSystemEvents(IXMLNode node) {
    return Guarded([&] { return Read_ItemList(node, "Observer", ObserverList, &TObserver::Read_Observer); });
}
