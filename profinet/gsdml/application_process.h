#pragma once

#include <memory>

#include "profinet/gsdml/category_list.h"
#include "profinet/gsdml/channel_diagnosis.h"
#include "profinet/gsdml/external_text_list.h"
#include "profinet/gsdml/graphics_list.h"
#include "profinet/gsdml/gsdml_reading.h"
#include "profinet/gsdml/logbook.h"
#include "profinet/gsdml/process_alarm.h"
#include "profinet/gsdml/unit_diagnosis.h"
#include "profinet/gsdml/value_list.h"

// Declared only: their classes hold module information, whose header includes this one
// through profile_body.h. Users of these lists include device_access_point.h, module_list.h
// and submodule_list.h.
class TDeviceAccessPointList;
class TModuleList;
class TSubmoduleList;

// The device's access points, modules, submodules and the lists they refer to. Each list
// exists only when the file has its element; readers of a decoded tree test for that.
class TApplicationProcess : public TArenaObject {
public:
    TApplicationProcess();
    ~TApplicationProcess() override;

    bool Read_ApplicationProcess(IXMLNode node);

    std::unique_ptr<TDeviceAccessPointList> DeviceAccessPointList;
    std::unique_ptr<TModuleList> ModuleList;
    std::unique_ptr<TSubmoduleList> SubmoduleList;
    std::unique_ptr<TValueList> ValueList;
    std::unique_ptr<TChannelDiagList> ChannelDiagList;
    std::unique_ptr<TChannelProcessAlarmList> ChannelProcessAlarmList;
    std::unique_ptr<TUnitDiagTypeList> UnitDiagTypeList;
    std::unique_ptr<TLogBookEntryList> LogBookEntryList;
    std::unique_ptr<TGraphicsList> GraphicsList;
    std::unique_ptr<TCategoryList> CategoryList;
    std::unique_ptr<TExternalTextList> ExternalTextList;
};
