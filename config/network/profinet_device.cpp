#include "config/network/profinet_device.h"

#include "profinet/gsdml/gsdml.h"

// ---- TParam

QString TParam::GetDiscreteByValue(int Value) const {
    for (const auto& item : DiscreteList)
        if (item->FValue == Value) return item->FText;
    return QString();
}

int TParam::GetValueByDiscrete(const QString& Discrete) const {
    for (const auto& item : DiscreteList)
        if (item->FText == Discrete) return item->FValue;
    return -1;
}

void TParam::Clear_DiscreteList() {
    while (!DiscreteList.empty()) DiscreteList.pop_back();
    DiscreteSL.clear();
}

void TParam::Add_Discrete(int Value, const QString& Text) {
    auto item = std::make_unique<TDiscreteItem>();
    item->FValue = Value;
    item->FText = Text;
    DiscreteList.push_back(std::move(item));
    DiscreteSL.append(Text);
}

// ---- TParametersGroup

void TParametersGroup::Clear_Parameters_List() {
    while (!Parameters_List.empty()) {
        Parameters_List.back()->Clear_DiscreteList();
        Parameters_List.pop_back();
    }
}

void Copy_ParamGroup_List(const TParamGroupList& From, TParamGroupList& To) {
    // Built aside first, so copying a list onto itself keeps its contents.
    TParamGroupList copy;
    for (const auto& group : From) {
        auto g = std::make_unique<TParametersGroup>();
        g->FGroupName = group->FGroupName;
        g->FInd = group->FInd;
        g->FDataConst = group->FDataConst;
        g->FDataByteOffset = group->FDataByteOffset;
        g->FLength = group->FLength;
        for (const auto& param : group->Parameters_List) {
            auto p = std::make_unique<TParam>();
            p->FByteOffset = param->FByteOffset;
            p->FBitOffset = param->FBitOffset;
            p->FBitLength = param->FBitLength;
            p->FName = param->FName;
            p->FLength = param->FLength;
            p->FDataType = param->FDataType;
            p->FDefaultValue = param->FDefaultValue;
            p->FAllowedValues = param->FAllowedValues;
            p->FValue = param->FValue;
            p->FMnemonic = param->FMnemonic;
            for (const auto& item : param->DiscreteList) p->Add_Discrete(item->FValue, item->FText);
            g->Parameters_List.push_back(std::move(p));
        }
        copy.push_back(std::move(g));
    }
    while (!To.empty()) {
        To.back()->Clear_Parameters_List();
        To.pop_back();
    }
    To = std::move(copy);
}

// ---- TPROFINET_Submodule

void TPROFINET_Submodule::Clear_SubmoduleParamGroup_List() {
    Copy_ParamGroup_List({}, ParametersList);
}

void TPROFINET_Submodule::CopySubmoduleParamGroupList(const TParamGroupList& PGL) {
    Copy_ParamGroup_List(PGL, ParametersList);
}

// ---- TPROFINET_Subslot

int TPROFINET_Subslot::GetIndexSubmodule(const QString& NameSubmodule) const {
    return Index_Of_First(SubmodulesList, &TPROFINET_Submodule::FName, NameSubmodule);
}

void TPROFINET_Subslot::Clear_SubmoduleParamGroup_List() {
    Copy_ParamGroup_List({}, ParametersList);
}

void TPROFINET_Subslot::CopySubmoduleParamGroupList(const TParamGroupList& PGL) {
    Copy_ParamGroup_List(PGL, ParametersList);
}

void TPROFINET_Subslot::Fix_Submodule(const TSubmoduleRef& Submodule) {
    SubmodulesList = {Submodule};
    SubModNameList = QStringList{Submodule->FName};
    Select_Submodule(Submodule);
}

void TPROFINET_Subslot::Allow_Submodule(const TSubmoduleRef& Submodule) {
    SubmodulesList.push_back(Submodule);
    SubModNameList.append(Submodule->FName);
}

void TPROFINET_Subslot::Select_Submodule(const TSubmoduleRef& Submodule) {
    Selected_SubModule = Submodule;
    CopySubmoduleParamGroupList(Submodule->ParametersList);
}

// ---- TPROFINET_Module

TPROFINET_Subslot* TPROFINET_Module::Find_Subslot(int SubslotNum) const {
    for (const auto& subslot : SubslotsList)
        if (subslot->FSubslotNum == SubslotNum) return subslot.get();
    return nullptr;
}

// ---- TPROFINET_Slot

int TPROFINET_Slot::GetIndexModule(const QString& NameModule) const {
    return Index_Of_First(ModulesList, &TPROFINET_Module::FName, NameModule);
}

void TPROFINET_Slot::Clear_SubSlot_List() {
    while (!SubSlotList.empty()) {
        SubSlotList.back()->Clear_SubmoduleParamGroup_List();
        SubSlotList.pop_back();
    }
}

void TPROFINET_Slot::Copy_SubSlot_List(const TSubslotOwnedList& SubSList) {
    // Built aside first, so a slot's own list may be given.
    TSubslotOwnedList copy;
    for (const auto& from : SubSList) {
        auto s = std::make_unique<TPROFINET_Subslot>();
        s->FFixed = from->FFixed;
        s->FSubslotNum = from->FSubslotNum;
        s->FSubSlotName = from->FSubSlotName;
        s->FStartAddIn = from->FStartAddIn;
        s->FQuantityIn = from->FQuantityIn;
        s->FStartAddOut = from->FStartAddOut;
        s->FQuantityOut = from->FQuantityOut;
        s->FMnemonic = from->FMnemonic;
        s->FStatus = from->FStatus;
        s->FWord_Pos = from->FWord_Pos;
        s->Selected_SubModule = from->Selected_SubModule;
        s->SubmodulesList = from->SubmodulesList;
        s->SubModNameList = from->SubModNameList;
        s->CopySubmoduleParamGroupList(from->ParametersList);
        copy.push_back(std::move(s));
    }
    Clear_SubSlot_List();
    SubSlotList = std::move(copy);
}

void TPROFINET_Slot::Fix_Module(const TModuleRef& Module) {
    ModulesList = {Module};
    ModNameList = QStringList{Module->FName};
    Select_Module(Module);
}

void TPROFINET_Slot::Allow_Module(const TModuleRef& Module) {
    ModulesList.push_back(Module);
    ModNameList.append(Module->FName);
}

void TPROFINET_Slot::Select_Module(const TModuleRef& Module) {
    Selected_Module = Module;
    Copy_SubSlot_List(Module->SubslotsList);
}

// ---- TPROFINET_Device

TPROFINET_Device::TPROFINET_Device() = default;
TPROFINET_Device::~TPROFINET_Device() = default;

TPROFINET_Slot* TPROFINET_Device::Find_Slot(int SlotNum) const {
    for (const auto& slot : SlotList)
        if (slot->FSlotNum == SlotNum) return slot.get();
    return nullptr;
}

void TPROFINET_Device::Restore_Timing(int UpdateTime, int SendClock, int ReductionRadio, int AnswerTime) {
    FUpdateTime = UpdateTime;
    FSendClock = SendClock;
    FReductionRadio = ReductionRadio;
    FAnswerTime = AnswerTime;
}
