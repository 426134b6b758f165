#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"
#include "profinet/gsdml/profile_body.h"

// What the catalog and the network editor show of a device access point, module or
// submodule. Name and InfoText hold text ids; CategoryRef and SubCategory1Ref the IDs of
// category items.
class TModuleInfo : public TArenaObject {
public:
    // False when the children "Name" or "InfoText" are missing.
    bool Read_ModuleInfo(IXMLNode node);

    GSDML_PROPERTY(QString, CategoryRef);
    GSDML_PROPERTY(QString, SubCategory1Ref);
    GSDML_PROPERTY(QString, Name);
    GSDML_PROPERTY(QString, InfoText);
    GSDML_PROPERTY(QString, VendorName);
    GSDML_PROPERTY(QString, OrderNumber);
    GSDML_PROPERTY(QString, HardwareRelease);
    GSDML_PROPERTY(QString, SoftwareRelease);

public:
    std::unique_ptr<TFamily> Family;
};
