#pragma once

#include "profinet/gsdml/gsdml_reading.h"
#include "profinet/gsdml/parameter_record.h"

// One medium attachment unit type a port supports.
class TMAUTypeItem : public TArenaObject {
public:
    bool Read_MAUTypeItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, Value) = 0;
    GSDML_PROPERTY(uint16_t, Extension) = 0;
    GSDML_PROPERTY(bool, AdjustSupported) = false;
};

class TMAUTypeList : public TArenaObject {
public:
    // False at the first item that fails; the items before it stay.
    bool Read_MAUTypeList(IXMLNode node);

    GSDML_PROPERTY(bool, ExtensionSupported) = false;

public:
    TItemList<TMAUTypeItem> MAUTypeItemList;
};

// The content of a port submodule, of an access point or module or pluggable. Its MAU types
// and records always exist, empty when the file has none, and never fail the port.
class TPortSubmoduleItemBase : public TArenaObject {
public:
    // False when an attribute fails: the port delays must be integers (blanks around them
    // allowed), where other numbers fall back to 0.
    bool Read_PortSubmoduleItemBase(IXMLNode node);

    GSDML_PROPERTY(QString, ID);
    GSDML_PROPERTY(uint32_t, SubmoduleIdentNumber) = 0;
    GSDML_PROPERTY(QString, MAUType);
    GSDML_PROPERTY(QString, MAUTypes);
    GSDML_PROPERTY(QString, FiberOpticTypes);
    GSDML_PROPERTY(uint16_t, MaxPortTxDelay) = 0;
    GSDML_PROPERTY(uint16_t, MaxPortRxDelay) = 0;
    GSDML_PROPERTY(bool, PortDeactivationSupported) = false;
    GSDML_PROPERTY(QString, LinkStateDiagnosisCapability);
    GSDML_PROPERTY(bool, PowerBudgetControlSupported) = false;
    GSDML_PROPERTY(bool, SupportsRingportConfig) = false;
    GSDML_PROPERTY(bool, IsDefaultRingport) = false;
    GSDML_PROPERTY(bool, SupportsMRP_InterconnPortConfig) = false;
    GSDML_PROPERTY(bool, ParameterizationDisallowed) = false;
    GSDML_PROPERTY(QString, Writeable_IM_Records);
    GSDML_PROPERTY(bool, IM5_Supported) = false;
    GSDML_PROPERTY(bool, CheckMAUTypeSupported) = false;
    GSDML_PROPERTY(bool, CheckMAUTypeDifferenceSupported) = false;
    GSDML_PROPERTY(bool, ShortPreamble100MBitSupported) = false;

public:
    TRecordDataList RecordDataList;
    TMAUTypeList MAUTypeList;
};

class TPortSubmoduleItem : public TPortSubmoduleItemBase {
public:
    bool Read_PortSubmoduleItem(IXMLNode node);

    GSDML_PROPERTY(uint16_t, SubslotNumber) = 0;
    GSDML_PROPERTY(QString, TextId);
};
