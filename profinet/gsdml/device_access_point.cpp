#include "profinet/gsdml/device_access_point.h"

#include "profinet/gsdml/gsdml.h"

bool TDeviceAccessPointItem::Read_DeviceAccessPointItem(IXMLNode node) {
    const bool attributes = Guarded([&] {
        Read_Attribute(node, "ID", FID);
        Read_Attribute(node, "ModuleIdentNumber", FModuleIdentNumber, 1);
        Read_Attribute(node, "PNIO_Version", FPNIO_Version);
        Read_Attribute(node, "PhysicalSlots", FPhysicalSlots);
        Read_Attribute(node, "MinDeviceInterval", FMinDeviceInterval);
        Read_Attribute(node, "ImplementationType", FImplementationType);
        Read_Attribute(node, "DNS_CompatibleName", FDNS_CompatibleName);
        Read_Attribute(node, "AddressAssignment", FAddressAssignment);
        Read_Attribute(node, "AllowedInSlots", FAllowedInSlots);
        Read_Attribute(node, "FixedInSlots", FFixedInSlots);
        Read_Attribute(node, "ObjectUUID_LocalIndex", FObjectUUID_LocalIndex);
        Read_Attribute(node, "RequiredSchemaVersion", FRequiredSchemaVersion);
        Read_Attribute(node, "MultipleWriteSupported", FMultipleWriteSupported);
        Read_Attribute(node, "IOXS_Required", FIOXS_Required);
        Read_Attribute(node, "PhysicalSubslots", FPhysicalSubslots);
        Read_Attribute(node, "RemoteApplicationTimeout", FRemoteApplicationTimeout);
        Read_Attribute(node, "MaxSupportedRecordSize", FMaxSupportedRecordSize);
        Read_Attribute(node, "PowerOnToCommReady", FPowerOnToCommReady);
        Read_Attribute(node, "ParameterizationSpeedupSupported", FParameterizationSpeedupSupported);
        Read_Attribute(node, "NameOfStationNotTransferable", FNameOfStationNotTransferable);
        Read_Attribute(node, "SharedDeviceSupported", FSharedDeviceSupported);
        Read_Attribute(node, "SharedInputSupported", FSharedInputSupported);
        Read_Attribute(node, "DeviceAccessSupported", FDeviceAccessSupported);
        Read_Attribute(node, "NumberOfDeviceAccessAR", FNumberOfDeviceAccessAR);
        Read_Attribute(node, "NumberOfImplicitAR", FNumberOfImplicitAR);
        Read_Attribute(node, "WebServer", FWebServer);
        Read_Attribute(node, "AutoConfigurationSupported", FAutoConfigurationSupported);
        Read_Attribute(node, "CIR_Supported", FCIR_Supported);
        Read_Attribute(node, "PrmBeginPrmEndSequenceSupported", FPrmBeginPrmEndSequenceSupported);
        Read_Attribute(node, "LLDP_NoD_Supported", FLLDP_NoD_Supported);
        Read_Attribute(node, "ResetToFactoryModes", FResetToFactoryModes);
        Read_Attribute(node, "IO_SupervisorSupported", FIO_SupervisorSupported);
        Read_Attribute(node, "CheckDeviceID_Allowed", FCheckDeviceID_Allowed);
        Read_Attribute(node, "PROFIenergyASE_Supported", FPROFIenergyASE_Supported);
        Read_Attribute(node, "AdaptsRealIdentification", FAdaptsRealIdentification);
        Read_Attribute(node, "NumberOfSubmodules", FNumberOfSubmodules);
        return true;
    });
    if (!attributes || !Read_RequiredChild(node, "ModuleInfo", ModuleInfo, &TModuleInfo::Read_ModuleInfo)) return false;

    // Only the module information decides, and IOConfigData must be there; the other children
    // keep what they could read whatever their result. Errors below pass on to the list.
    Read_OptionalChild(node, "CertificationInfo", CertificationInfo, &TCertificationInfo::Read_CertificationInfo);
    Read_OptionalChild(node, "SubslotList", SubslotList, &TSubslotList::Read_SubslotList);
    const IXMLNode ioConfigData = Child(node, "IOConfigData");
    if (!ioConfigData) return false;
    IOConfigData.Read_IOConfigData(ioConfigData);
    Read_OptionalChild(node, "UseableModules", UseableModules, &TUseableModules::Read_UseableModules);
    Read_OptionalChild(node, "ARVendorBlock", ARVendorBlock, &TARVendorBlock::Read_ARVendorBlock);
    Read_OptionalChild(node, "VirtualSubmoduleList", VirtualSubmoduleList,
                       &TVirtualSubmoduleList::Read_VirtualSubmoduleList);
    Read_OptionalChild(node, "SystemDefinedSubmoduleList", SystemDefinedSubmoduleList,
                       &TSystemDefinedSubmoduleList::Read_SystemDefinedSubmoduleList);
    Read_OptionalChild(node, "Graphics", Graphics, &TGraphics::Read_Graphics);
    FAssetManagement = bool(Child(node, "AssetManagement"));
    Read_OptionalChild(node, "ApplicationRelations", ApplicationRelations,
                       &TApplicationRelations::Read_ApplicationRelations);
    Read_OptionalChild(node, "SystemRedundancy", SystemRedundancy, &TSystemRedundancy::Read_SystemRedundancy);
    Read_OptionalChild(node, "UseableSubmodules", UseableSubmodules, &TUseableSubmodules::Read_UseableSubmodules);
    Read_OptionalChild(node, "SlotList", SlotList, &TSlotList::Read_SlotList);
    Read_OptionalChild(node, "SlotGroups", SlotGroups, &TSlotGroups::Read_SlotGroups);
    Read_OptionalChild(node, "FieldbusIntegrationSlots", FieldbusIntegrationSlots,
                       &TFieldbusIntegrationSlots::Read_FieldbusIntegrationSlots);
    return true;
}

QString TDeviceAccessPointItem::Get_SubslotName(int SubSlotNum) const {
    if (SubslotList)
        for (const auto& item : SubslotList->SubslotItemList)
            if (item->SubslotNumber() == SubSlotNum) return item->TextId();
    return QString();
}

bool TDeviceAccessPointList::Read_DeviceAccessPointList(IXMLNode node) {
    return Guarded([&] {
        return Read_ItemList(node, "DeviceAccessPointItem", DevAccPointItemList,
                             &TDeviceAccessPointItem::Read_DeviceAccessPointItem);
    });
}

TDeviceAccessPointItem* TDeviceAccessPointList::Get_DeviceAccessPointItem(const QString& Name_Device,
                                                                          const QString& DeviceCategoryRef,
                                                                          const TGSDML& GSDML) const {
    for (const auto& item : DevAccPointItemList) {
        if (GSDML.GetString_ExternalTextList(item->ModuleInfo.Name()) != Name_Device) continue;
        if (DeviceCategoryRef.isEmpty() ||
            GSDML.GetString_ExternalTextList(item->ModuleInfo.CategoryRef()) == DeviceCategoryRef)
            return item.get();
    }
    return nullptr;
}

int TDeviceAccessPointList::Get_Index_DevAccPointItem(const QString& Name_Device) const {
    for (size_t i = 0; i < DevAccPointItemList.size(); ++i)
        if (DevAccPointItemList[i]->ID() == Name_Device) return int(i);
    return -1;
}
