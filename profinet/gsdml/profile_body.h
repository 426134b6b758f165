#pragma once

#include "profinet/gsdml/application_process.h"
#include "profinet/gsdml/gsdml_reading.h"

// Who makes the device and which device it is. InfoText holds a text id.
class TDeviceIdentity : public TArenaObject {
public:
    bool Read_DeviceIdentity(IXMLNode node);

    GSDML_PROPERTY(uint16_t, VendorID) = 0;
    GSDML_PROPERTY(uint16_t, DeviceID) = 1;
    GSDML_PROPERTY(QString, InfoText);
    GSDML_PROPERTY(QString, VendorName);
};

// The families by which the catalog sorts its devices.
class TFamily : public TArenaObject {
public:
    bool Read_Family(IXMLNode node);

    GSDML_PROPERTY(QString, MainFamily);
    GSDML_PROPERTY(QString, ProductFamily);
};

class TDeviceFunction : public TArenaObject {
public:
    bool Read_DeviceFunction(IXMLNode node);

    TFamily Family;
};

class TProfileBody : public TArenaObject {
public:
    bool Read_ProfileBody(IXMLNode node);

    TDeviceIdentity DeviceIdentity;
    TDeviceFunction DeviceFunction;
    TApplicationProcess ApplicationProcess;
};
