#include "profinet/gsdml/submodule_item.h"

bool TSubmoduleItemBase::Read_SubmoduleItemBase(IXMLNode node) {
    // Errors below the attributes are left to the list that holds the submodule.
    return Guarded([&] {
               Read_Attribute(node, "ID", FID);
               Read_Attribute(node, "SubmoduleIdentNumber", FSubmoduleIdentNumber);
               Read_Attribute(node, "API", FAPI);
               Read_Attribute(node, "PROFIsafeSupported", FPROFIsafeSupported);
               Read_Attribute(node, "Writeable_IM_Records", FWriteable_IM_Records);
               Read_Attribute(node, "IM5_Supported", FIM5_Supported);
               Read_Attribute(node, "Max_iParameterSize", FMax_iParameterSize);
               Read_Attribute(node, "SubsysModuleDirIndex", FSubsysModuleDirIndex);
               Read_Attribute(node, "SupportedSubstitutionModes", FSupportedSubstitutionModes);
               Read_Attribute(node, "MayIssueProcessAlarm", FMayIssueProcessAlarm);
               return true;
           }) &&
           Read_RequiredChild(node, "IOData", IOData, &TIOData::Read_IOData) &&
           Read_OptionalChild(node, "RecordDataList", RecordDataList, &TRecordDataList::Read_RecordDataList) &&
           Read_OptionalChild(node, "ModuleInfo", ModuleInfo, &TModuleInfo::Read_ModuleInfo) &&
           Read_OptionalChild(node, "Graphics", Graphics, &TGraphics::Read_Graphics) &&
           Read_OptionalChild(node, "IsochroneMode", IsochroneMode, &TIsochroneMode::Read_IsochroneMode) &&
           Read_OptionalChild(node, "SlotCluster", SlotCluster, &TSlotCluster::Read_SlotCluster) &&
           Read_OptionalChild(node, "PROFIenergy", PROFIenergy, &TPROFIenergy::Read_PROFIenergy) &&
           Read_OptionalChild(node, "ReportingSystemEvents", ReportingSystemEvents,
                              &TReportingSystemEvents::Read_ReportingSystemEvents);
}
