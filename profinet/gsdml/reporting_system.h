#pragma once

#include "profinet/gsdml/gsdml_reading.h"

class TObserver : public TArenaObject {
public:
    bool Read_Observer(IXMLNode node);

    GSDML_PROPERTY(QString, TypeObserver);
};

// The observers whose system events a submodule reports.
class TReportingSystemEvents : public TArenaObject {
public:
    bool Read_ReportingSystemEvents(IXMLNode node);

    TItemList<TObserver> ObserverList;
};
