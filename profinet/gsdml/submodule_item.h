#pragma once

#include <memory>

#include "profinet/gsdml/graphic_item_ref.h"
#include "profinet/gsdml/gsdml_reading.h"
#include "profinet/gsdml/io_data.h"
#include "profinet/gsdml/isochrone_mode.h"
#include "profinet/gsdml/module_info.h"
#include "profinet/gsdml/parameter_record.h"
#include "profinet/gsdml/profi_energy.h"
#include "profinet/gsdml/reporting_system.h"
#include "profinet/gsdml/slot_cluster.h"

// What a virtual submodule of an access point or module and a pluggable submodule share: the
// cyclic data, the parameter records and the descriptions. The optional children exist only
// when the file has them; unlike an access point's, a submodule's ModuleInfo may be missing.
class TSubmoduleItemBase : public TArenaObject {
public:
    // False when "IOData" is missing or a child that is there fails; the children after a
    // failing one stay unread.
    bool Read_SubmoduleItemBase(IXMLNode node);

    GSDML_PROPERTY(QString, ID);
    GSDML_PROPERTY(uint32_t, SubmoduleIdentNumber) = 0;
    GSDML_PROPERTY(uint32_t, API) = 0;
    GSDML_PROPERTY(bool, PROFIsafeSupported) = false;
    GSDML_PROPERTY(QString, Writeable_IM_Records);
    GSDML_PROPERTY(bool, IM5_Supported) = false;
    GSDML_PROPERTY(uint32_t, Max_iParameterSize) = 0;
    GSDML_PROPERTY(uint16_t, SubsysModuleDirIndex) = 0;
    GSDML_PROPERTY(QString, SupportedSubstitutionModes);
    GSDML_PROPERTY(bool, MayIssueProcessAlarm) = false;

public:
    TIOData IOData;
    std::unique_ptr<TRecordDataList> RecordDataList;
    std::unique_ptr<TModuleInfo> ModuleInfo;
    std::unique_ptr<TGraphics> Graphics;
    std::unique_ptr<TIsochroneMode> IsochroneMode;
    std::unique_ptr<TSlotCluster> SlotCluster;
    std::unique_ptr<TPROFIenergy> PROFIenergy;
    std::unique_ptr<TReportingSystemEvents> ReportingSystemEvents;
};
