#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"
#include "profinet/gsdml/interface_timing.h"
#include "profinet/gsdml/media_redundancy.h"
#include "profinet/gsdml/parameter_record.h"

// The general abilities of the interface: the text id of the unit that flashes when the
// controller asks the device to show itself.
class TGeneral : public TArenaObject {
public:
    bool Read_General(IXMLNode node);

    GSDML_PROPERTY(QString, DCP_FlashOnceSignalUnit);
};

// The interface's abilities for isochronous real-time traffic.
class TRT_Class3Properties : public TArenaObject {
public:
    bool Read_RT_Class3Properties(IXMLNode node);

    GSDML_PROPERTY(QString, StartupMode);
    GSDML_PROPERTY(QString, ForwardingMode);
    GSDML_PROPERTY(uint16_t, MaxBridgeDelay) = 0;
    GSDML_PROPERTY(uint16_t, MaxBridgeDelayFFW) = 0;
    GSDML_PROPERTY(uint16_t, MaxDFP_Feed) = 0;
    GSDML_PROPERTY(uint16_t, MaxDFP_Frames) = 0;
    GSDML_PROPERTY(bool, AlignDFP_Subframes) = false;
    GSDML_PROPERTY(bool, DFP_OutboundTruncationSupported) = false;
    GSDML_PROPERTY(bool, DFP_RedundantPathLayoutSupported) = false;
    GSDML_PROPERTY(uint16_t, MaxNumberIR_FrameData) = 0;
    GSDML_PROPERTY(uint16_t, MaxRangeIR_FrameID) = 0;
    GSDML_PROPERTY(QString, FragmentationType);
    GSDML_PROPERTY(uint16_t, MaxRedPeriodLength) = 0;
    GSDML_PROPERTY(uint16_t, MinFSO) = 0;
    GSDML_PROPERTY(uint16_t, MinRTC3_Gap) = 0;
    GSDML_PROPERTY(uint32_t, MinYellowTime) = 0;
    GSDML_PROPERTY(uint16_t, YellowSafetyMargin) = 0;
    GSDML_PROPERTY(uint32_t, MaxRetentionTime) = 0;
};

// How the interface keeps its clock in step with the others.
class TSynchronisationMode : public TArenaObject {
public:
    bool Read_SynchronisationMode(IXMLNode node);

    GSDML_PROPERTY(QString, SupportedRole);
    GSDML_PROPERTY(uint16_t, MaxLocalJitter) = 0;
    GSDML_PROPERTY(uint16_t, T_PLL_MAX) = 0;
    GSDML_PROPERTY(uint16_t, PeerToPeerJitter) = 0;
    GSDML_PROPERTY(QString, SupportedSyncProtocols);
};

// The submodule of the device's Ethernet interface. Its children exist only when the file has
// them; the first one that fails leaves the later ones unread.
class TInterfaceSubmoduleItem : public TArenaObject {
public:
    bool Read_InterfaceSubmoduleItem(IXMLNode node);

    GSDML_PROPERTY(QString, ID);
    GSDML_PROPERTY(uint32_t, SubmoduleIdentNumber) = 0;
    GSDML_PROPERTY(QString, TextId);
    GSDML_PROPERTY(uint16_t, SubslotNumber) = 0;
    GSDML_PROPERTY(QString, SupportedRT_Class);
    GSDML_PROPERTY(QString, SupportedRT_Classes);
    GSDML_PROPERTY(bool, IsochroneModeSupported) = false;
    GSDML_PROPERTY(QString, IsochroneModeInRT_Classes);
    GSDML_PROPERTY(QString, SupportedProtocols);
    GSDML_PROPERTY(bool, NetworkComponentDiagnosisSupported) = false;
    GSDML_PROPERTY(bool, DCP_HelloSupported) = false;
    GSDML_PROPERTY(bool, PTP_BoundarySupported) = false;
    GSDML_PROPERTY(bool, DCP_BoundarySupported) = false;
    GSDML_PROPERTY(bool, MulticastBoundarySupported) = false;
    GSDML_PROPERTY(bool, ParameterizationDisallowed) = false;
    GSDML_PROPERTY(bool, DelayMeasurementSupported) = false;
    GSDML_PROPERTY(QString, Writeable_IM_Records);
    GSDML_PROPERTY(bool, IM5_Supported) = false;
    GSDML_PROPERTY(uint16_t, MaxFrameStartTime) = 0;
    GSDML_PROPERTY(uint16_t, MinNRT_Gap) = 0;
    GSDML_PROPERTY(bool, PDEV_CombinedObjectSupported) = false;
    GSDML_PROPERTY(bool, UsesStaticARP_CacheEntries) = false;
    // Kept for the network editor; the file does not set them.
    GSDML_PROPERTY(bool, TimeSynchronisation) = false;
    GSDML_PROPERTY(bool, ReportingSystem) = false;

public:
    std::unique_ptr<TGeneral> General;
    std::unique_ptr<TRecordDataList> RecordDataList;
    std::unique_ptr<TRT_Class3Properties> RT_Class3Properties;
    std::unique_ptr<TSynchronisationMode> SynchronisationMode;
    // From the element "ApplicationRelations".
    std::unique_ptr<TApplicationRelationsIntSubItem> ApplicationRelationsIntSubItem;
    std::unique_ptr<TMediaRedundancy> MediaRedundancy;
};
