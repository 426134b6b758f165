#pragma once

#include <memory>

#include "profinet/gsdml/dap_elements.h"
#include "profinet/gsdml/graphic_item_ref.h"
#include "profinet/gsdml/gsdml_reading.h"
#include "profinet/gsdml/module_info.h"
#include "profinet/gsdml/slot_list.h"
#include "profinet/gsdml/system_defined_submodules.h"
#include "profinet/gsdml/useable_items.h"
#include "profinet/gsdml/virtual_submodule.h"

class TGSDML;

// One way of using the device on the network: its identity and order data, its built-in
// submodules, the modules that may be plugged next to it, its slot layout and timing.
// ModuleInfo and IOConfigData always exist; the other children only when the file has them.
class TDeviceAccessPointItem : public TArenaObject {
public:
    // False when an attribute raises, or when "ModuleInfo" is missing or fails, or
    // "IOConfigData" is missing. The other children are kept with what they could read, and
    // their results are not looked at.
    bool Read_DeviceAccessPointItem(IXMLNode node);

    // The text id of the subslot numbered SubSlotNum in the subslot list; empty when there is
    // no such subslot or no list.
    QString Get_SubslotName(int SubSlotNum) const;

    GSDML_PROPERTY(QString, ID);
    // 1 when the text is no number, though 0 when the attribute is missing.
    GSDML_PROPERTY(uint32_t, ModuleIdentNumber) = 0;
    GSDML_PROPERTY(QString, PNIO_Version);
    GSDML_PROPERTY(QString, PhysicalSlots);
    GSDML_PROPERTY(uint16_t, MinDeviceInterval) = 0;
    GSDML_PROPERTY(QString, ImplementationType);
    GSDML_PROPERTY(QString, DNS_CompatibleName);
    GSDML_PROPERTY(QString, AddressAssignment);
    GSDML_PROPERTY(QString, AllowedInSlots);
    GSDML_PROPERTY(QString, FixedInSlots) = QStringLiteral("0");
    GSDML_PROPERTY(uint16_t, ObjectUUID_LocalIndex) = 0;
    GSDML_PROPERTY(QString, RequiredSchemaVersion);
    GSDML_PROPERTY(bool, MultipleWriteSupported) = false;
    GSDML_PROPERTY(bool, IOXS_Required) = false;
    GSDML_PROPERTY(QString, PhysicalSubslots);
    GSDML_PROPERTY(uint16_t, RemoteApplicationTimeout) = 0;
    GSDML_PROPERTY(uint32_t, MaxSupportedRecordSize) = 0;
    GSDML_PROPERTY(uint32_t, PowerOnToCommReady) = 0;
    GSDML_PROPERTY(bool, ParameterizationSpeedupSupported) = false;
    GSDML_PROPERTY(bool, NameOfStationNotTransferable) = false;
    GSDML_PROPERTY(bool, SharedDeviceSupported) = false;
    GSDML_PROPERTY(bool, SharedInputSupported) = false;
    GSDML_PROPERTY(bool, DeviceAccessSupported) = false;
    GSDML_PROPERTY(uint8_t, NumberOfDeviceAccessAR) = 0;
    GSDML_PROPERTY(uint8_t, NumberOfImplicitAR) = 0;
    GSDML_PROPERTY(QString, WebServer);
    GSDML_PROPERTY(bool, AutoConfigurationSupported) = false;
    GSDML_PROPERTY(bool, CIR_Supported) = false;
    GSDML_PROPERTY(bool, PrmBeginPrmEndSequenceSupported) = false;
    GSDML_PROPERTY(bool, LLDP_NoD_Supported) = false;
    GSDML_PROPERTY(QString, ResetToFactoryModes);
    GSDML_PROPERTY(bool, IO_SupervisorSupported) = false;
    GSDML_PROPERTY(bool, CheckDeviceID_Allowed) = false;
    GSDML_PROPERTY(bool, PROFIenergyASE_Supported) = false;
    GSDML_PROPERTY(bool, AdaptsRealIdentification) = false;
    GSDML_PROPERTY(uint32_t, NumberOfSubmodules) = 0;
    // Whether the element has a child "AssetManagement"; its content is not read.
    GSDML_PROPERTY(bool, AssetManagement) = false;

public:
    TModuleInfo ModuleInfo;
    std::unique_ptr<TCertificationInfo> CertificationInfo;
    std::unique_ptr<TSubslotList> SubslotList;
    TIOConfigData IOConfigData;
    std::unique_ptr<TUseableModules> UseableModules;
    std::unique_ptr<TARVendorBlock> ARVendorBlock;
    std::unique_ptr<TVirtualSubmoduleList> VirtualSubmoduleList;
    std::unique_ptr<TSystemDefinedSubmoduleList> SystemDefinedSubmoduleList;
    std::unique_ptr<TGraphics> Graphics;
    std::unique_ptr<TApplicationRelations> ApplicationRelations;
    std::unique_ptr<TSystemRedundancy> SystemRedundancy;
    std::unique_ptr<TUseableSubmodules> UseableSubmodules;
    std::unique_ptr<TSlotList> SlotList;
    std::unique_ptr<TSlotGroups> SlotGroups;
    std::unique_ptr<TFieldbusIntegrationSlots> FieldbusIntegrationSlots;
};

class TDeviceAccessPointList : public TArenaObject {
public:
    // False at the first access point that fails, the ones before it kept, and no later one
    // read; an error raised anywhere below makes it false as well.
    bool Read_DeviceAccessPointList(IXMLNode node);

    // The first access point whose name (the text of its ModuleInfo's Name in GSDML, the file
    // that holds this list) is Name_Device and, unless DeviceCategoryRef is empty, whose
    // category text is DeviceCategoryRef; both exactly. nullptr when none is. The catalog
    // window resolves a picked access point's texts the same way, so it is found again.
    TDeviceAccessPointItem* Get_DeviceAccessPointItem(const QString& Name_Device, const QString& DeviceCategoryRef,
                                                      const TGSDML& GSDML) const;

    // The index of the first access point whose ID is Name_Device exactly; -1 when none is.
    int Get_Index_DevAccPointItem(const QString& Name_Device) const;

    TItemList<TDeviceAccessPointItem> DevAccPointItemList;
};
