#pragma once

#include "config/banks/bank2_format.h"
#include "config/network/network_file_reader.h"

#include <QString>
#include <cstdint>
#include <vector>

class TGSDML;
class TDeviceAccessPointItem;
class TModuleItem;
class TSubmoduleItemBase;

// The distinct APIs of what is being built, in the order of first addition.
extern std::vector<uint32_t> API_List;

int Add_API(uint32_t API, int Count);
int Count_DAP_APIs(const TDeviceAccessPointItem& Access_Point);
// No module (a Module_ID the description does not know) gives no API.
int Count_Module_APIs(const TModuleItem* Module);
int Add_Submodule_API(const TSubmoduleItemBase& Submodule, int Count);

// The expected submodules of a device: one item per configured slot of Slots; the first slot
// holds the access point named DeviceName (and DeviceCategoryRef when given).
void Build_ESMB(const TGSDML& Description, const QString& DeviceName, const QString& DeviceCategoryRef,
                const std::vector<TNetwork_Slot_Record>& Slots, int Slot);

// The input and the output communication relation of Device; none when no subslot of it
// takes part in the cyclic exchange.
void Build_IOCR(const TGSDML& Description, int Slot, const TNetwork_Device_Record& Device);

// The IO data objects and consumer-status entries of one API in the input (resp. output)
// frame from Frame on; each returns the frame offset after them.
int Build_Input_CR_Objects(uint32_t API, int Frame, const std::vector<TNetwork_Slot_Record>& Slots);
int Build_Output_CR_Objects(uint32_t API, int Frame, const std::vector<TNetwork_Slot_Record>& Slots);
extern std::vector<TSubModDef> In_IODO_List;
extern std::vector<TSubModDef> In_IOCS_List;
extern std::vector<TSubModDef> Out_IODO_List;
extern std::vector<TSubModDef> Out_IOCS_List;
