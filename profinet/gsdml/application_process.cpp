#include "profinet/gsdml/application_process.h"

bool TApplicationProcess::Read_ApplicationProcess(IXMLNode node) {
    // Required first, then the optional lists in this order, each read only while the ones
    // before succeeded: ModuleList, SubmoduleList, ValueList, ChannelDiagList,
    // ChannelProcessAlarmList, UnitDiagTypeList, LogBookEntryList, GraphicsList, CategoryList.
    // Each is read with Read_OptionalChild into its field as its class arrives.
    if (!Child(node, "DeviceAccessPointList")) return false;
    return Read_RequiredChild(node, "ExternalTextList", ExternalTextList,
                              &TExternalTextList::Read_ExternalTextList);
}
