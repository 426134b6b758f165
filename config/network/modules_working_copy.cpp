#include "config/network/modules_def_form.h"

// The working copy of the module definition window: the device's slots with copies of the
// modules they allow, so that nothing the user does reaches the device before OK.

namespace {

TSubmoduleRef Copy_Submodule(const TPROFINET_Submodule& From) {
    auto s = std::make_shared<TPROFINET_Submodule>();
    s->FID = From.FID;
    s->FName = From.FName;
    s->FInfo = From.FInfo;
    s->FIdentNumber = From.FIdentNumber;
    s->FAPI = From.FAPI;
    s->FParameterizationDisallowed = From.FParameterizationDisallowed;
    s->FDataLenIn = From.FDataLenIn;
    s->FDataLenOut = From.FDataLenOut;
    s->CopySubmoduleParamGroupList(From.ParametersList);
    return s;
}

std::unique_ptr<TPROFINET_Subslot> Copy_Template_Subslot(const TPROFINET_Subslot& From) {
    auto s = std::make_unique<TPROFINET_Subslot>();
    s->Selected_SubModule = From.Selected_SubModule;
    s->FFixed = From.FFixed;
    s->FSubslotNum = From.FSubslotNum;
    s->FSubSlotName = From.FSubSlotName;
    s->FStartAddIn = From.FStartAddIn;
    s->FQuantityIn = From.FQuantityIn;
    s->FStartAddOut = From.FStartAddOut;
    s->FQuantityOut = From.FQuantityOut;
    s->FMnemonic = From.FMnemonic;
    s->SubModNameList = From.SubModNameList;
    for (const auto& submodule : From.SubmodulesList) s->SubmodulesList.push_back(Copy_Submodule(*submodule));
    s->CopySubmoduleParamGroupList(From.ParametersList);
    return s;
}

TModuleRef Copy_Module(const TPROFINET_Module& From) {
    auto m = std::make_shared<TPROFINET_Module>();
    m->FID = From.FID;
    m->FName = From.FName;
    m->FInfo = From.FInfo;
    m->FModuleIdentNumber = From.FModuleIdentNumber;
    for (const auto& subslot : From.SubslotsList) m->SubslotsList.push_back(Copy_Template_Subslot(*subslot));
    return m;
}

}  // namespace

void TFPROFINET_Modules_Def::Prepare_Temp_Data() {
    // Only the slot objects go: modules and submodules the device took over on an earlier OK
    // live on through the device's own references.
    SlotList.clear();
    if (!Device) return;
    for (const auto& from : Device->SlotList) {
        auto slot = std::make_unique<TPROFINET_Slot>();
        slot->FFixed = from->FFixed;
        slot->FSlotNum = from->FSlotNum;
        slot->FMnemonic = from->FMnemonic;
        slot->ModNameList = from->ModNameList;
        slot->Selected_Module = from->Selected_Module;
        for (const auto& module : from->ModulesList) slot->ModulesList.push_back(Copy_Module(*module));
        slot->Copy_SubSlot_List(from->SubSlotList);
        SlotList.push_back(std::move(slot));
    }
}
