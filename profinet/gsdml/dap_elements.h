#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"

// The further elements of a device access point. Nothing reads them after decoding; the
// access point's reader ignores their results.

// The limits of the cyclic data, in bytes.
class TIOConfigData : public TArenaObject {
public:
    bool Read_IOConfigData(IXMLNode node);

    GSDML_PROPERTY(uint16_t, MaxInputLength) = 0;
    GSDML_PROPERTY(uint16_t, MaxOutputLength) = 0;
    GSDML_PROPERTY(uint16_t, MaxDataLength) = 0;
    GSDML_PROPERTY(bool, ApplicationLengthIncludesIOxS) = false;
    GSDML_PROPERTY(uint16_t, MaxApplicationInputLength) = 0;
    GSDML_PROPERTY(uint16_t, MaxApplicationOutputLength) = 0;
    GSDML_PROPERTY(uint16_t, MaxApplicationDataLength) = 0;
};

class TCertificationInfo : public TArenaObject {
public:
    bool Read_CertificationInfo(IXMLNode node);

    GSDML_PROPERTY(QString, ConformanceClass);
    GSDML_PROPERTY(QString, ApplicationClass);
    GSDML_PROPERTY(QString, NetloadClass);
};

// The access point's own timing. The defaults hold when the element is there without the
// attribute; the interface submodule's timing has none.
class TTimingPropertiesAppRel : public TArenaObject {
public:
    bool Read_TimingProperties(IXMLNode node);

    GSDML_PROPERTY(QString, SendClock) = QStringLiteral("32");
    GSDML_PROPERTY(QString, ReductionRatio) = QStringLiteral("1 2 4 8 16 32 64 128 256 512");
};

// The access point's application relations (the interface submodule has its own class).
class TApplicationRelations : public TArenaObject {
public:
    bool Read_ApplicationRelations(IXMLNode node);

    GSDML_PROPERTY(uint16_t, AR_BlockVersion) = 0;
    GSDML_PROPERTY(uint16_t, IOCR_BlockVersion) = 0;
    GSDML_PROPERTY(uint16_t, AlarmCR_BlockVersion) = 0;
    GSDML_PROPERTY(uint16_t, SubmoduleDataBlockVersion) = 0;

public:
    std::unique_ptr<TTimingPropertiesAppRel> TimingProperties;
};

// Its integers read 1, not 0, when their text is no number.
class TSystemRedundancy : public TArenaObject {
public:
    bool Read_SystemRedundancy(IXMLNode node);

    GSDML_PROPERTY(QString, DeviceType);
    GSDML_PROPERTY(uint16_t, MaxSwitchOverTime) = 1;
    GSDML_PROPERTY(bool, PrimaryAR_OnBothNAPsSupported) = false;
    GSDML_PROPERTY(bool, RT_InputOnBackupAR_Supported) = false;
    GSDML_PROPERTY(uint8_t, NumberOfAR_Sets) = 1;
    GSDML_PROPERTY(uint16_t, MinRDHT) = 1;
    GSDML_PROPERTY(bool, DataInvalidOnBackupAR_Supported) = false;
    GSDML_PROPERTY(uint16_t, S2MaxInputOnBackupDelay) = 1;
    GSDML_PROPERTY(uint16_t, R2MaxInputOnBackupDelay) = 1;
};

class TRequest : public TArenaObject {
public:
    bool Read_Request(IXMLNode node);

    GSDML_PROPERTY(uint32_t, API) = 0;
    GSDML_PROPERTY(uint16_t, APStructureIdentifier) = 0;
};

// The vendor blocks the access point asks for when a connection is set up.
class TARVendorBlock : public TArenaObject {
public:
    bool Read_ARVendorBlock(IXMLNode node);

    TItemList<TRequest> RequestList;
};
