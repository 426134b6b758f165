#include "profinet/gsdml/application_process.h"

bool TApplicationProcess::Read_ApplicationProcess(IXMLNode node) {
    // Required first, then the optional lists in the order of the fields, each read only while
    // the ones before succeeded; ModuleList and SubmoduleList go ahead of ValueList once their
    // classes are there.
    if (!Child(node, "DeviceAccessPointList")) return false;
    return Read_OptionalChild(node, "ValueList", ValueList, &TValueList::Read_ValueList) &&
           Read_OptionalChild(node, "ChannelDiagList", ChannelDiagList, &TChannelDiagList::Read_ChannelDiagList) &&
           Read_OptionalChild(node, "ChannelProcessAlarmList", ChannelProcessAlarmList,
                              &TChannelProcessAlarmList::Read_ChannelProcessAlarmList) &&
           Read_OptionalChild(node, "UnitDiagTypeList", UnitDiagTypeList, &TUnitDiagTypeList::Read_UnitDiagTypeList) &&
           Read_OptionalChild(node, "LogBookEntryList", LogBookEntryList, &TLogBookEntryList::Read_LogBookEntryList) &&
           Read_OptionalChild(node, "GraphicsList", GraphicsList, &TGraphicsList::Read_GraphicsList) &&
           Read_OptionalChild(node, "CategoryList", CategoryList, &TCategoryList::Read_CategoryList) &&
           Read_RequiredChild(node, "ExternalTextList", ExternalTextList, &TExternalTextList::Read_ExternalTextList);
}
