#pragma once

#include "profinet/gsdml/interface_submodule.h"
#include "profinet/gsdml/port_submodule.h"

// The interface and port submodules of an access point or module.
class TSystemDefinedSubmoduleList : public TArenaObject {
public:
    // False when the interface is missing or fails (no port is read then) or at the first
    // port that fails (the ports before it stay). Errors pass on to the caller.
    bool Read_SystemDefinedSubmoduleList(IXMLNode node);

    TInterfaceSubmoduleItem InterfaceSubmoduleItem;
    TItemList<TPortSubmoduleItem> PortSubmoduleItemList;
};
