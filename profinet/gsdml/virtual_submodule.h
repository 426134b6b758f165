#pragma once

#include "profinet/gsdml/submodule_item.h"

// A submodule built into an access point or a module.
class TVirtualSubmoduleItem : public TSubmoduleItemBase {
public:
    bool Read_VirtualSubmoduleItem(IXMLNode node);

    // The subslots it sits in, a value list kept as written; the network editor takes it as
    // one number.
    GSDML_PROPERTY(QString, FixedInSubslots) = QStringLiteral("1");
};

class TVirtualSubmoduleList : public TArenaObject {
public:
    // False at the first submodule that fails; the ones before it stay.
    bool Read_VirtualSubmoduleList(IXMLNode node);

    TItemList<TVirtualSubmoduleItem> VirtualSubmoduleItelList;
};
