#include "config/banks/bank2_connections.h"

#include "config/banks/bank2_devices.h"
#include "platform/core/exception.h"
#include "profinet/gsdml/device_access_point.h"
#include "profinet/gsdml/gsdml.h"
#include "profinet/gsdml/module_list.h"
#include "profinet/gsdml/submodule_list.h"
#include "profinet/gsdml/system_defined_submodules.h"
#include "profinet/gsdml/virtual_submodule.h"

#include <algorithm>

std::vector<uint32_t> API_List;
std::vector<TSubModDef> In_IODO_List;
std::vector<TSubModDef> In_IOCS_List;
std::vector<TSubModDef> Out_IODO_List;
std::vector<TSubModDef> Out_IOCS_List;

namespace {

// A subslot of the network file that the master expects and exchanges data with.
bool qualifies(const TNetwork_Subslot_Record& Subslot) {
    return !Subslot.Submodule_ID.Text().trimmed().isEmpty() && !Subslot.ParameterizationDisallowed.Is("true");
}

bool hasModule(const TNetwork_Slot_Record& Slot) { return !Slot.Module_ID.Required_Text().trimmed().isEmpty(); }

std::vector<const TNetwork_Subslot_Record*> qualifyingSubslots(const TNetwork_Slot_Record& Slot) {
    std::vector<const TNetwork_Subslot_Record*> result;
    for (const TNetwork_Subslot_Record& subslot : Slot.Subslots)
        if (qualifies(subslot)) result.push_back(&subslot);
    return result;
}

struct TLengths {
    int64_t In = 0;
    int64_t Out = 0;
    explicit TLengths(const TNetwork_Subslot_Record& Subslot)
        : In(Bank2_Submodule_Length(Subslot.Submodule_LenIN)), Out(Bank2_Submodule_Length(Subslot.Submodule_LenOUT)) {}
    bool Input() const { return In > 0; }
    bool Output() const { return Out > 0; }
    bool None() const { return !Input() && !Output(); }
};

// An item's data length is a 16-bit field: a longer item would not match its own length.
uint16_t itemLength(const QByteArray& Data) {
    if (Data.size() > 0xFFFF) throw Exception(QStringLiteral("Error! A PROFINET device has too many submodules."));
    return uint16_t(Data.size());
}

void clearAPIs() { API_List.clear(); }

// The IO data objects and consumer-status entries of one CR; Input selects the frame.
int buildCRObjects(bool Input, uint32_t API, int Frame, const std::vector<TNetwork_Slot_Record>& Slots,
                   std::vector<TSubModDef>& IODO, std::vector<TSubModDef>& IOCS) {
    IODO.clear();
    IOCS.clear();
    for (const TNetwork_Slot_Record& slot : Slots) {
        if (!hasModule(slot)) continue;
        for (const TNetwork_Subslot_Record& subslot : slot.Subslots) {
            if (!qualifies(subslot) || uint32_t(subslot.API.Number(0)) != API) continue;
            const TLengths length(subslot);
            const int32_t slotNumber = int32_t(slot.SlotNumber.Required_Number());
            const int32_t subslotNumber = int32_t(subslot.SubslotNumber.Required_Number());
            // Inputs carry data in the input frame; a submodule without data carries its status there.
            const bool dataHere = Input ? (length.Input() || length.None()) : length.Output();
            const bool statusHere = Input ? length.Output() : (length.Input() || length.None());
            if (dataHere) {
                IODO.push_back({slotNumber, subslotNumber, Frame});
                Frame += int(Input ? length.In : length.Out) + 1;
            }
            if (statusHere) {
                IOCS.push_back({slotNumber, subslotNumber, Frame});
                Frame += 1;
            }
        }
    }
    return Frame;
}

}  // namespace

int Add_API(uint32_t API, int Count) {
    if (std::find(API_List.begin(), API_List.end(), API) != API_List.end()) return Count;
    API_List.push_back(API);
    return Count + 1;
}

int Add_Submodule_API(const TSubmoduleItemBase& Submodule, int Count) { return Add_API(Submodule.API(), Count); }

int Count_DAP_APIs(const TDeviceAccessPointItem& Access_Point) {
    clearAPIs();
    int count = 0;
    if (Access_Point.VirtualSubmoduleList)
        for (const auto& submodule : Access_Point.VirtualSubmoduleList->VirtualSubmoduleItelList)
            count = Add_Submodule_API(*submodule, count);
    // The interface and port submodules live in API 0.
    if (Access_Point.SystemDefinedSubmoduleList) count = Add_API(0, count);
    return count;
}

int Count_Module_APIs(const TModuleItem* Module) {
    clearAPIs();
    int count = 0;
    if (Module && Module->VirtualSubmoduleList)
        for (const auto& submodule : Module->VirtualSubmoduleList->VirtualSubmoduleItelList)
            count = Add_Submodule_API(*submodule, count);
    return count;
}

void Build_ESMB(const TGSDML& Description, const QString& DeviceName, const QString& DeviceCategoryRef,
                const std::vector<TNetwork_Slot_Record>& Slots, int Slot) {
    std::vector<TESMB_API_Description>& items = ESMB_Tables[size_t(Slot)].Device_ESMB;
    items.clear();
    const TApplicationProcess& process = Description.ProfileBody.ApplicationProcess;
    for (size_t k = 0; k < Slots.size(); ++k) {
        const TNetwork_Slot_Record& slot = Slots[k];
        if (!hasModule(slot)) continue;
        const std::vector<const TNetwork_Subslot_Record*> subslots = qualifyingSubslots(slot);
        int apis = 0;
        uint16_t slotNumber = 0;
        uint32_t ident = 0;
        if (k == 0) {
            const TDeviceAccessPointItem* accessPoint = process.DeviceAccessPointList
                                                            ? process.DeviceAccessPointList->Get_DeviceAccessPointItem(
                                                                  DeviceName, DeviceCategoryRef, Description)
                                                            : nullptr;
            if (!accessPoint) continue;
            apis = Count_DAP_APIs(*accessPoint);
            // An access point in no API has nothing to expect.
            if (apis == 0) continue;
            bool ok = false;
            slotNumber = uint16_t(accessPoint->FixedInSlots().trimmed().toInt(&ok, 10));
            if (!ok) slotNumber = 0;
            ident = accessPoint->ModuleIdentNumber();
        } else {
            const TModuleItem* module =
                process.ModuleList ? process.ModuleList->Get_ModuleItem(slot.Module_ID.Text()) : nullptr;
            apis = Count_Module_APIs(module);
            if (process.SubmoduleList && !subslots.empty())
                for (const TNetwork_Subslot_Record& subslot : slot.Subslots) {
                    if (!subslot.Submodule_ID.Present()) continue;
                    // A port has no API.
                    if (const auto* submodule = dynamic_cast<const TSubmoduleItem*>(
                            process.SubmoduleList->Get_SubmoduleItem(subslot.Submodule_ID.Text())))
                        apis = Add_Submodule_API(*submodule, apis);
                }
            if (apis == 0) apis = Add_API(0, apis);
            slotNumber = uint16_t(slot.SlotNumber.Required_Number());
            ident = uint32_t(slot.ModuleIdentNumber.Number(0));
        }

        TESMB_API_Description item;
        item.NumerofApi = uint16_t(apis);
        for (uint32_t api : API_List) {
            Append_ESMB_API(item.Data, api, slotNumber, ident, uint16_t(subslots.size()));
            for (const TNetwork_Subslot_Record* subslot : subslots) {
                const TLengths length(*subslot);
                Append_ESMB_Submodule(item.Data, uint16_t(subslot->SubslotNumber.Required_Number()),
                                      uint32_t(subslot->Submodule_IdentNumber.Number(0)), uint16_t(length.In),
                                      uint16_t(length.Out));
            }
        }
        item.Len = itemLength(item.Data);
        items.push_back(std::move(item));
    }
}

int Build_Input_CR_Objects(uint32_t API, int Frame, const std::vector<TNetwork_Slot_Record>& Slots) {
    return buildCRObjects(true, API, Frame, Slots, In_IODO_List, In_IOCS_List);
}

int Build_Output_CR_Objects(uint32_t API, int Frame, const std::vector<TNetwork_Slot_Record>& Slots) {
    return buildCRObjects(false, API, Frame, Slots, Out_IODO_List, Out_IOCS_List);
}

void Build_IOCR(const TGSDML& /*Description*/, int Slot, const TNetwork_Device_Record& Device) {
    std::vector<TIOCR_API_Description>& items = IOCR_Tables[size_t(Slot)].Device_IOCR;
    items.clear();
    clearAPIs();
    int apis = 0;
    for (const TNetwork_Slot_Record& slot : Device.Slots)
        for (const TNetwork_Subslot_Record& subslot : slot.Subslots)
            if (qualifies(subslot)) apis = Add_API(uint32_t(subslot.API.Number(0)), apis);
    if (apis == 0) return;

    TIOCR_API_Description cr;
    cr.SendClockFactor = uint16_t(Device.SendClock.Required_Number());
    cr.ReductionRate = uint16_t(Device.ReductionRadio.Required_Number());
    cr.WatchDogRatio = 3;
    cr.DataHoldFactor = 3;
    cr.IOCRTagHeader = 0xC000;
    cr.Num_Api = uint16_t(apis);
    TIOCR_API_Description input = cr;
    input.IOCR = 1;
    input.FrameID = 0x8000;
    TIOCR_API_Description output = cr;
    output.IOCR = 2;
    output.FrameID = 0xFFFF;

    int inFrame = 0;
    int outFrame = 0;
    for (uint32_t api : API_List) {
        inFrame = Build_Input_CR_Objects(api, inFrame, Device.Slots);
        outFrame = Build_Output_CR_Objects(api, outFrame, Device.Slots);
        Append_IOCR_API(input.Data, api, In_IODO_List, In_IOCS_List);
        Append_IOCR_API(output.Data, api, Out_IODO_List, Out_IOCS_List);
    }
    input.Len = itemLength(input.Data);
    output.Len = itemLength(output.Data);
    items.push_back(std::move(input));
    items.push_back(std::move(output));
}
