#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"

// How the interface joins two redundant rings.
class TInterconnection : public TArenaObject {
public:
    bool Read_Interconnection(IXMLNode node);

    GSDML_PROPERTY(QString, SupportedMRP_InterconnRole);
    GSDML_PROPERTY(uint8_t, MaxMRP_InterconnInstances) = 0;
};

// The interface's roles in a redundant ring.
class TMediaRedundancy : public TArenaObject {
public:
    bool Read_MediaRedundancy(IXMLNode node);

    GSDML_PROPERTY(QString, SupportedRole);
    GSDML_PROPERTY(QString, SupportedMultipleRole);
    GSDML_PROPERTY(uint8_t, MaxMRP_Instances) = 0;
    GSDML_PROPERTY(bool, MRPD_Supported) = false;
    GSDML_PROPERTY(bool, MRT_Supported) = false;
    GSDML_PROPERTY(bool, AdditionalProtocolsSupported) = false;
    GSDML_PROPERTY(bool, AdditionalForwardingRulesSupported) = false;

public:
    std::unique_ptr<TInterconnection> Interconnection;
};
