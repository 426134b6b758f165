#include "profinet/gsdml/application_process.h"

#include "profinet/gsdml/device_access_point.h"
#include "profinet/gsdml/module_list.h"
#include "profinet/gsdml/submodule_list.h"

TApplicationProcess::TApplicationProcess() = default;
TApplicationProcess::~TApplicationProcess() = default;

bool TApplicationProcess::Read_ApplicationProcess(IXMLNode node) {
    // Required first, then the optional lists in the order of the fields, each read only while
    // the ones before succeeded.
    return Read_RequiredChild(node, "DeviceAccessPointList", DeviceAccessPointList,
                              &TDeviceAccessPointList::Read_DeviceAccessPointList) &&
           Read_OptionalChild(node, "ModuleList", ModuleList, &TModuleList::Read_ModuleList) &&
           Read_OptionalChild(node, "SubmoduleList", SubmoduleList, &TSubmoduleList::Read_SubModuleList) &&
           Read_OptionalChild(node, "ValueList", ValueList, &TValueList::Read_ValueList) &&
           Read_OptionalChild(node, "ChannelDiagList", ChannelDiagList, &TChannelDiagList::Read_ChannelDiagList) &&
           Read_OptionalChild(node, "ChannelProcessAlarmList", ChannelProcessAlarmList,
                              &TChannelProcessAlarmList::Read_ChannelProcessAlarmList) &&
           Read_OptionalChild(node, "UnitDiagTypeList", UnitDiagTypeList, &TUnitDiagTypeList::Read_UnitDiagTypeList) &&
           Read_OptionalChild(node, "LogBookEntryList", LogBookEntryList, &TLogBookEntryList::Read_LogBookEntryList) &&
           Read_OptionalChild(node, "GraphicsList", GraphicsList, &TGraphicsList::Read_GraphicsList) &&
           Read_OptionalChild(node, "CategoryList", CategoryList, &TCategoryList::Read_CategoryList) &&
           Read_RequiredChild(node, "ExternalTextList", ExternalTextList, &TExternalTextList::Read_ExternalTextList);
}
