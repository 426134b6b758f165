#include "config/network/device_builder.h"

#include "config/network/profinet_device.h"
#include "profinet/gsdml/device_access_point.h"
#include "profinet/gsdml/gsdml.h"
#include "profinet/gsdml/module_list.h"
#include "profinet/gsdml/submodule_list.h"
#include "profinet/gsdml/value_list.h"

namespace {

// Numbers above this are no slot or subslot number; a range up to them would only make the
// building run out of memory.
constexpr int Max_Slot_Number = 0xFFFF;

const QString Default_SendClock = QStringLiteral("32");
const QString Default_ReductionRatio = QStringLiteral("1 2 4 8 16 32 64 128 256 512");

// The text of the first item of List numbered Number; "" without one or without a list.
QString Subslot_Text(TGSDML& GSDML, const TSubslotList* List, int Number) {
    if (List == nullptr) return QString();
    for (const auto& item : List->SubslotItemList)
        if (item->SubslotNumber() == Number) return GSDML.GetString_ExternalTextList(item->TextId());
    return QString();
}

// The position-th entry of List; nullptr outside it.
template <class TRef>
TRef Entry_At(const std::vector<TRef>& List, int position) {
    return position >= 0 && position < static_cast<int>(List.size()) ? List[static_cast<size_t>(position)] : nullptr;
}

// A fixed subslot holding Submodule alone, selected, appended to the module's template.
void Add_Fixed_Subslot(TPROFINET_Module& Module, int Number, const QString& Name, const TSubmoduleRef& Submodule) {
    auto subslot = std::make_unique<TPROFINET_Subslot>();
    subslot->FSubslotNum = Number;
    subslot->FSubSlotName = Name;
    subslot->FFixed = true;
    subslot->SubmodulesList = {Submodule};
    subslot->Select_Submodule(Submodule);
    Module.SubslotsList.push_back(std::move(subslot));
}

// The interface or a port: named by its text id, with records but no data.
template <class TItem>
void Read_System_Submodule(TPROFINET_Submodule& Submodule, TGSDML& GSDML, const TItem& Item,
                           const TRecordDataList* Records) {
    Submodule.FID = Item.ID();
    Submodule.FName = GSDML.GetString_ExternalTextList(Item.TextId());
    Submodule.FIdentNumber = Item.SubmoduleIdentNumber();
    Submodule.FParameterizationDisallowed = Item.ParameterizationDisallowed();
    if (Records != nullptr) Submodule.Get_ParametersGroup(GSDML, *Records);
}

// The same, in a fixed subslot of the access point's module, with the API of its last
// built-in submodule.
template <class TItem>
void Add_System_Subslot(TPROFINET_Module& Module, TGSDML& GSDML, const TDeviceAccessPointItem& DAP, const TItem& Item,
                        const TRecordDataList* Records, uint32_t API) {
    auto submodule = std::make_shared<TPROFINET_Submodule>();
    Read_System_Submodule(*submodule, GSDML, Item, Records);
    submodule->FAPI = API;
    Add_Fixed_Subslot(Module, Item.SubslotNumber(),
                      GSDML.GetString_ExternalTextList(DAP.Get_SubslotName(Item.SubslotNumber())), submodule);
}

}  // namespace

void For_Each_Listed_Number(const QString& Text, const std::function<void(int)>& Action) {
    QString rest = Text.trimmed();
    while (!rest.isEmpty()) {
        QString token;
        const int blank = rest.indexOf(QLatin1Char(' '));
        if (blank < 0) {
            token = rest.trimmed();
            rest.clear();
        } else {
            token = rest.left(blank).trimmed();
            rest = rest.mid(blank + 1).trimmed();
        }
        QString first = token;
        QString last = token;
        if (const int range = token.indexOf(QStringLiteral("..")); range >= 0) {
            first = token.left(range).trimmed();
            last = token.mid(range + 2).trimmed();
        }
        const int a = GSDML_To_Integer(first, -1);
        const int b = GSDML_To_Integer(last, -1);
        if (a < 0 || b < 0 || b < a || b > Max_Slot_Number) continue;
        for (int n = a; n <= b; ++n) Action(n);
    }
}

// ---- Parameters

bool TParametersGroup::Get_Parameters(TGSDML& GSDML, const TParameterRecordDataItem& ParamRecDataItem) {
    const TValueList* values = GSDML.ProfileBody.ApplicationProcess.ValueList.get();
    for (const auto& ref : ParamRecDataItem.RecordDataReferenceList) {
        auto param = std::make_unique<TParam>();
        param->FByteOffset = static_cast<int>(ref->ByteOffset());
        param->FBitOffset = ref->BitOffset();
        param->FBitLength = ref->BitLength();
        param->FName = GSDML.GetString_ExternalTextList(ref->TextId());
        param->FLength = ref->Length();
        param->FDataType = ref->DataType();
        param->FDefaultValue = ref->DefaultValue();
        param->FAllowedValues = ref->AllowedValues();
        if (!ref->ValueItemTarget().isEmpty() && values != nullptr) {
            for (const auto& item : values->ValueItemList) {
                if (item->ID() != ref->ValueItemTarget()) continue;
                for (const auto& assign : item->AssignmentsList)
                    param->Add_Discrete(GSDML_To_Integer(assign->Content(), 0),
                                        GSDML.GetString_ExternalTextList(assign->TextId()));
                break;
            }
        }
        Parameters_List.push_back(std::move(param));
    }
    return true;
}

bool TPROFINET_Submodule::Get_ParametersGroup(TGSDML& GSDML, const TRecordDataList& RecordDataList) {
    for (const auto& item : RecordDataList.ParameterRecordDataItemList) {
        auto group = std::make_unique<TParametersGroup>();
        group->FGroupName = GSDML.GetString_ExternalTextList(item->Name());
        group->FInd = item->Index_();
        group->FDataConst = item->ConstData();
        group->FDataByteOffset = item->ByteOffset();
        group->FLength = item->Length();
        const bool read = group->Get_Parameters(GSDML, *item);
        ParametersList.push_back(std::move(group));
        if (!read) return false;
    }
    return true;
}

// ---- Submodules

void TPROFINET_Submodule::Read_SubmoduleItemBase(TGSDML& GSDML, const TSubmoduleItemBase& SubmoduleItem,
                                                 bool Virtual) {
    FID = SubmoduleItem.ID();
    if (SubmoduleItem.ModuleInfo) {
        FName = GSDML.GetString_ExternalTextList(SubmoduleItem.ModuleInfo->Name());
        FInfo = GSDML.GetString_ExternalTextList(SubmoduleItem.ModuleInfo->InfoText());
    } else if (!Virtual) {
        return;
    }
    FIdentNumber = SubmoduleItem.SubmoduleIdentNumber();
    FAPI = SubmoduleItem.API();
    FDataLenIn = SubmoduleItem.IOData.Get_Input();
    FDataLenOut = SubmoduleItem.IOData.Get_Output();
    if (SubmoduleItem.RecordDataList) Get_ParametersGroup(GSDML, *SubmoduleItem.RecordDataList);
}

void TPROFINET_Submodule::Read_SubmoduleItem(TGSDML& GSDML, const TObject* SubmoduleItem) {
    if (const auto* item = dynamic_cast<const TSubmoduleItemBase*>(SubmoduleItem)) {
        Read_SubmoduleItemBase(GSDML, *item);
    } else if (const auto* port = dynamic_cast<const TPortSubmoduleItem*>(SubmoduleItem)) {
        // A pluggable port has no module information, data or API.
        Read_System_Submodule(*this, GSDML, *port, &port->RecordDataList);
    }
}

// ---- Modules and subslots

void TPROFINET_Module::Add_VirtualSubmodule(TGSDML& GSDML, const TVirtualSubmoduleItem& Item,
                                            const TDeviceAccessPointItem& DAP) {
    const int number = GSDML_To_Integer(Item.FixedInSubslots(), 1);
    auto submodule = std::make_shared<TPROFINET_Submodule>();
    submodule->Read_SubmoduleItemBase(GSDML, Item, true);
    Add_Fixed_Subslot(*this, number, GSDML.GetString_ExternalTextList(DAP.Get_SubslotName(number)), submodule);
}

bool TPROFINET_Module::Read_ModuleItem(TGSDML& GSDML, const TModuleItem& app_ModuleItem,
                                       const TDeviceAccessPointItem& app_DeviceAccessPointItem,
                                       const TSubmoduleRefList& SubmoduleList) {
    FID = app_ModuleItem.ID();
    FName = GSDML.GetString_ExternalTextList(app_ModuleItem.ModuleInfo.Name());
    FInfo = GSDML.GetString_ExternalTextList(app_ModuleItem.ModuleInfo.InfoText());
    FModuleIdentNumber = app_ModuleItem.ModuleIdentNumber();
    if (app_ModuleItem.VirtualSubmoduleList)
        for (const auto& item : app_ModuleItem.VirtualSubmoduleList->VirtualSubmoduleItelList)
            Add_VirtualSubmodule(GSDML, *item, app_DeviceAccessPointItem);
    if (!app_ModuleItem.PhysicalSubslots().isEmpty())
        Create_Subslots(app_ModuleItem.PhysicalSubslots(), app_ModuleItem.SubslotList.get(), GSDML);
    if (app_ModuleItem.UseableSubmodules)
        for (const auto& ref : app_ModuleItem.UseableSubmodules->SubmoduleItemRefList)
            Import_Submodule(*ref, SubmoduleList, GSDML, app_ModuleItem.SubslotList.get());
    return true;
}

void TPROFINET_Module::Create_Subslots(const QString& PhysicalSubslots, const TSubslotList* SubslotListDesc,
                                       TGSDML& GSDML) {
    For_Each_Listed_Number(PhysicalSubslots, [&](int n) {
        if (Find_Subslot(n) != nullptr) return;
        auto subslot = std::make_unique<TPROFINET_Subslot>();
        subslot->FSubslotNum = n;
        subslot->FSubSlotName = Subslot_Text(GSDML, SubslotListDesc, n);
        SubslotsList.push_back(std::move(subslot));
    });
}

void TPROFINET_Module::Import_Submodule(const TSubmoduleItemRef& SubmoduleItemRef,
                                        const TSubmoduleRefList& SubmoduleList, TGSDML& GSDML,
                                        const TSubslotList* SubslotList) {
    const int index = Index_Of_First(SubmoduleList, &TPROFINET_Submodule::FID, SubmoduleItemRef.SubmoduleItemTarget());
    if (index < 0) return;
    if (!SubmoduleItemRef.FixedInSubslots().isEmpty()) {
        Import_FixedinSubslot(index, SubmoduleItemRef.FixedInSubslots(), SubmoduleList, GSDML, SubslotList);
    } else if (!SubmoduleItemRef.AllowedInSubslots().isEmpty()) {
        Import_AllowinSubslot(index, SubmoduleItemRef.AllowedInSubslots(), SubmoduleList, GSDML, SubslotList);
        if (!SubmoduleItemRef.UsedInSubslots().isEmpty())
            Import_UsedinSubslot(index, SubmoduleItemRef.UsedInSubslots(), SubmoduleList, GSDML, SubslotList);
    }
}

void TPROFINET_Module::Import_FixedinSubslot(int index, const QString& Subslots, const TSubmoduleRefList& SubmoduleList,
                                             TGSDML& GSDML, const TSubslotList* SubslotList) {
    Place_Submodule(TPlacement::Fixed, index, Subslots, SubmoduleList, GSDML, SubslotList);
}

void TPROFINET_Module::Import_AllowinSubslot(int index, const QString& Subslots, const TSubmoduleRefList& SubmoduleList,
                                             TGSDML& GSDML, const TSubslotList* SubslotList) {
    Place_Submodule(TPlacement::Allowed, index, Subslots, SubmoduleList, GSDML, SubslotList);
}

void TPROFINET_Module::Import_UsedinSubslot(int index, const QString& Subslots, const TSubmoduleRefList& SubmoduleList,
                                            TGSDML& GSDML, const TSubslotList* SubslotList) {
    Place_Submodule(TPlacement::Used, index, Subslots, SubmoduleList, GSDML, SubslotList);
}

void TPROFINET_Module::Place_Submodule(TPlacement Rule, int index, const QString& Subslots,
                                       const TSubmoduleRefList& SubmoduleList, TGSDML& GSDML,
                                       const TSubslotList* SubslotList) {
    const TSubmoduleRef submodule = Entry_At(SubmoduleList, index);
    if (!submodule) return;
    For_Each_Listed_Number(Subslots, [&](int n) {
        TPROFINET_Subslot* subslot = Find_Subslot(n);
        if (subslot == nullptr) {
            // A used rule never makes a subslot.
            if (Rule == TPlacement::Used) return;
            auto created = std::make_unique<TPROFINET_Subslot>();
            created->FSubslotNum = n;
            created->FSubSlotName = Subslot_Text(GSDML, SubslotList, n);
            subslot = created.get();
            SubslotsList.push_back(std::move(created));
        }
        switch (Rule) {
            case TPlacement::Fixed: subslot->Fix_Submodule(submodule); break;
            case TPlacement::Allowed: subslot->Allow_Submodule(submodule); break;
            case TPlacement::Used: subslot->Select_Submodule(submodule); break;
        }
    });
}

// ---- The device

void TPROFINET_Device::SetGSDML(std::shared_ptr<TGSDML> Value) {
    FGSDML = std::move(Value);
    if (!FGSDML) return;
    const TDeviceAccessPointList* daps = FGSDML->ProfileBody.ApplicationProcess.DeviceAccessPointList.get();
    if (daps == nullptr) return;
    // The last access point of that name gives the default, in the lower case that names of
    // station take: descriptions often write capitals, which the network window refuses.
    for (const auto& dap : daps->DevAccPointItemList)
        if (FGSDML->GetString_ExternalTextList(dap->ModuleInfo.Name()) == FDeviceName)
            FNameOfStation = dap->DNS_CompatibleName().toLower();
}

void TPROFINET_Device::ReadInfoFromGSDML() {
    Values_SendClock = {32};
    Values_ReductionRadio = {2};
    if (!FGSDML) return;
    TGSDML& gsdml = *FGSDML;
    const TApplicationProcess& process = gsdml.ProfileBody.ApplicationProcess;
    if (!process.DeviceAccessPointList) return;
    const TDeviceAccessPointItem* dap =
        process.DeviceAccessPointList->Get_DeviceAccessPointItem(FDeviceName, FDeviceCategoryRef, gsdml);
    if (dap == nullptr) return;

    const TSystemDefinedSubmoduleList* system = dap->SystemDefinedSubmoduleList.get();
    QString sendClockText;
    QString reductionRatioText;
    if (system != nullptr && system->InterfaceSubmoduleItem.ApplicationRelationsIntSubItem &&
        system->InterfaceSubmoduleItem.ApplicationRelationsIntSubItem->TimingProperties) {
        const TTimingProperties& timing =
            *system->InterfaceSubmoduleItem.ApplicationRelationsIntSubItem->TimingProperties;
        // A list written empty offers nothing; only a missing one takes the default.
        sendClockText = timing.HasSendClock() ? timing.SendClock() : Default_SendClock;
        reductionRatioText = timing.HasReductionRatio() ? timing.ReductionRatio() : Default_ReductionRatio;
    }
    FMinDevInterval = dap->MinDeviceInterval();

    if (process.SubmoduleList)
        for (const auto& item : process.SubmoduleList->SubmoduleList) {
            auto submodule = std::make_shared<TPROFINET_Submodule>();
            submodule->Read_SubmoduleItem(gsdml, item.get());
            SubmoduleList.push_back(std::move(submodule));
        }
    if (process.ModuleList)
        for (const auto& item : process.ModuleList->ModuleItemList) {
            auto module = std::make_shared<TPROFINET_Module>();
            module->Read_ModuleItem(gsdml, *item, *dap, SubmoduleList);
            ModulesList.push_back(std::move(module));
        }
    FFixedInSlots = GSDML_To_Integer(dap->FixedInSlots(), 0);

    auto dapSlot = std::make_unique<TPROFINET_Slot>();
    dapSlot->FFixed = true;
    dapSlot->FSlotNum = FFixedInSlots;
    auto dapModule = std::make_shared<TPROFINET_Module>();
    dapModule->FID = dap->ID();
    dapModule->FName = gsdml.GetString_ExternalTextList(dap->ModuleInfo.Name());
    dapModule->FInfo = gsdml.GetString_ExternalTextList(dap->ModuleInfo.InfoText());
    dapSlot->ModulesList = {dapModule};
    dapSlot->Selected_Module = dapModule;

    uint32_t lastVirtualAPI = 0;
    if (dap->VirtualSubmoduleList)
        for (const auto& item : dap->VirtualSubmoduleList->VirtualSubmoduleItelList) {
            dapModule->Add_VirtualSubmodule(gsdml, *item, *dap);
            lastVirtualAPI = item->API();
        }
    if (system != nullptr) {
        const TInterfaceSubmoduleItem& itf = system->InterfaceSubmoduleItem;
        Add_System_Subslot(*dapModule, gsdml, *dap, itf, itf.RecordDataList.get(), lastVirtualAPI);
        for (const auto& port : system->PortSubmoduleItemList)
            Add_System_Subslot(*dapModule, gsdml, *dap, *port, &port->RecordDataList, lastVirtualAPI);
    }
    dapModule->Create_Subslots(dap->PhysicalSubslots(), dap->SubslotList.get(), gsdml);
    if (dap->UseableSubmodules)
        for (const auto& ref : dap->UseableSubmodules->SubmoduleItemRefList)
            dapModule->Import_Submodule(*ref, SubmoduleList, gsdml, dap->SubslotList.get());
    dapSlot->Copy_SubSlot_List(dapModule->SubslotsList);
    SlotList.push_back(std::move(dapSlot));

    Create_Slots(dap->PhysicalSlots(), gsdml);
    if (dap->UseableModules)
        for (const auto& ref : dap->UseableModules->ModuleItemRefList) Import_Module(*ref);

    if (!sendClockText.isEmpty() && gsdml.GetValuesFromValueList(sendClockText))
        Values_SendClock.assign(gsdml.ArrValueList.begin(), gsdml.ArrValueList.end());
    if (!reductionRatioText.isEmpty() && gsdml.GetValuesFromValueList(reductionRatioText))
        Values_ReductionRadio.assign(gsdml.ArrValueList.begin(), gsdml.ArrValueList.end());
    Fill_UpdateTimeVal();
}

void TPROFINET_Device::Create_Slots(const QString& PhysicalSlots, TGSDML& /*GSDML*/) {
    For_Each_Listed_Number(PhysicalSlots, [&](int n) {
        if (Find_Slot(n) != nullptr) return;
        auto slot = std::make_unique<TPROFINET_Slot>();
        slot->FSlotNum = n;
        SlotList.push_back(std::move(slot));
    });
}

void TPROFINET_Device::Import_Module(const TModulesItemRef& ModulesItemRef) {
    const int index = Index_Of_First(ModulesList, &TPROFINET_Module::FID, ModulesItemRef.ModuleItemTarget());
    if (index < 0) return;
    if (!ModulesItemRef.FixedInSlots().isEmpty()) {
        Import_Module_FixedinSlot(index, ModulesItemRef.FixedInSlots());
    } else if (!ModulesItemRef.AllowedInSlots().isEmpty()) {
        Import_Module_AllowinSlot(index, ModulesItemRef.AllowedInSlots());
        if (!ModulesItemRef.UsedInSlots().isEmpty()) Import_Module_UsedinSlot(index, ModulesItemRef.UsedInSlots());
    }
}

void TPROFINET_Device::Import_Module_FixedinSlot(int index, const QString& Slots) {
    Place_Module(TPlacement::Fixed, index, Slots);
}

void TPROFINET_Device::Import_Module_AllowinSlot(int index, const QString& Slots) {
    Place_Module(TPlacement::Allowed, index, Slots);
}

void TPROFINET_Device::Import_Module_UsedinSlot(int index, const QString& Slots) {
    Place_Module(TPlacement::Used, index, Slots);
}

void TPROFINET_Device::Place_Module(TPlacement Rule, int index, const QString& Slots) {
    const TModuleRef module = Entry_At(ModulesList, index);
    if (!module) return;
    For_Each_Listed_Number(Slots, [&](int n) {
        TPROFINET_Slot* slot = Find_Slot(n);
        if (slot == nullptr) {
            if (Rule == TPlacement::Used) return;
            auto created = std::make_unique<TPROFINET_Slot>();
            created->FSlotNum = n;
            slot = created.get();
            SlotList.push_back(std::move(created));
        }
        switch (Rule) {
            case TPlacement::Fixed: slot->Fix_Module(module); break;
            case TPlacement::Allowed: slot->Allow_Module(module); break;
            case TPlacement::Used: slot->Select_Module(module); break;
        }
    });
}
