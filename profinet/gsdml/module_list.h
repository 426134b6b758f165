#pragma once

#include <memory>

#include "profinet/gsdml/graphic_item_ref.h"
#include "profinet/gsdml/gsdml_reading.h"
#include "profinet/gsdml/module_info.h"
#include "profinet/gsdml/slot_list.h"
#include "profinet/gsdml/system_defined_submodules.h"
#include "profinet/gsdml/useable_items.h"
#include "profinet/gsdml/virtual_submodule.h"

// A module that can be plugged into a slot of the device. Its ModuleInfo always exists; the
// other children only when the file has them.
class TModuleItem : public TArenaObject {
public:
    // False when "ModuleInfo" is missing or a child that is there fails; the children after a
    // failing one stay unread.
    bool Read_ModuleItem(IXMLNode node);

    GSDML_PROPERTY(QString, ID);
    GSDML_PROPERTY(uint32_t, ModuleIdentNumber) = 1;
    GSDML_PROPERTY(QString, RequiredSchemaVersion);
    // A subslot value list as written.
    GSDML_PROPERTY(QString, PhysicalSubslots);
    GSDML_PROPERTY(uint16_t, FieldbusType) = 0;

public:
    TModuleInfo ModuleInfo;
    std::unique_ptr<TSubslotList> SubslotList;
    std::unique_ptr<TVirtualSubmoduleList> VirtualSubmoduleList;
    std::unique_ptr<TSystemDefinedSubmoduleList> SystemDefinedSubmoduleList;
    std::unique_ptr<TUseableSubmodules> UseableSubmodules;
    std::unique_ptr<TGraphics> Graphics;
};

class TModuleList : public TArenaObject {
public:
    // False at the first module that fails; the ones before it stay.
    bool Read_ModuleList(IXMLNode node);

    // The first module whose ID is Module_ID exactly; nullptr when none is.
    TModuleItem* Get_ModuleItem(const QString& Module_ID) const;

    TItemList<TModuleItem> ModuleItemList;
};
