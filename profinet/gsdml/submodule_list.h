#pragma once

#include "profinet/gsdml/gsdml_reading.h"
#include "profinet/gsdml/port_submodule.h"
#include "profinet/gsdml/submodule_item.h"

// A submodule that can be plugged into a subslot of a module.
class TSubmoduleItem : public TSubmoduleItemBase {
public:
    // False when the base part fails; RequiredSchemaVersion is then left unread.
    bool Read_SubmoduleItem(IXMLNode node);

    GSDML_PROPERTY(QString, RequiredSchemaVersion);
};

// The pluggable submodules and ports of the device, in one list in document order.
class TSubmoduleList : public TArenaObject {
public:
    // False at the first item that fails; the ones before it stay.
    bool Read_SubModuleList(IXMLNode node);

    // The first item of either kind whose ID is Submodule_ID exactly; nullptr when none is.
    // A port has no API: a caller that wants one casts the result to TSubmoduleItem, which a
    // port is not.
    TObject* Get_SubmoduleItem(const QString& Submodule_ID) const;

    // TSubmoduleItem and TPortSubmoduleItem objects.
    TItemList<TObject> SubmoduleList;
};
