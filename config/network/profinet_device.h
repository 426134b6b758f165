#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class TObject;
class TGSDML;
class TDeviceAccessPointItem;
class TModuleItem;
class TSubmoduleItemBase;
class TSubslotList;
class TRecordDataList;
class TParameterRecordDataItem;
class TVirtualSubmoduleItem;
class TModulesItemRef;
class TSubmoduleItemRef;

// The PROFINET network as the configurator edits it. Fields keep the system's F-prefixed names
// and are public, as the properties over them were plain reads and writes; only the device's
// timing pair and its description have accessors.

template <class T>
using TOwnedList = std::vector<std::unique_ptr<T>>;

class TPROFINET_Module;
class TPROFINET_Submodule;
// Modules and submodules are shared by the device, its slots and subslots and the module
// definition window's working copy, so each lives as long as anything refers to it.
using TModuleRef = std::shared_ptr<TPROFINET_Module>;
using TSubmoduleRef = std::shared_ptr<TPROFINET_Submodule>;

// Position of the first entry of List whose Field equals Value exactly; -1 when none.
template <class TRef, class TItem>
int Index_Of_First(const std::vector<TRef>& List, QString TItem::*Field, const QString& Value) {
    for (size_t i = 0; i < List.size(); ++i)
        if ((*List[i]).*Field == Value) return static_cast<int>(i);
    return -1;
}

// One allowed value of a parameter.
class TDiscreteItem {
public:
    int FValue = -1;
    QString FText;
};

// One parameter of a parameter record.
class TParam {
public:
    // The text of the first item with value Value; "" when none has it.
    QString GetDiscreteByValue(int Value) const;
    // The value of the first item whose text is Discrete exactly; -1 when none has it.
    int GetValueByDiscrete(const QString& Discrete) const;
    void Clear_DiscreteList();
    // Appends an item and its text, keeping DiscreteSL in step.
    void Add_Discrete(int Value, const QString& Text);

    int FByteOffset = 0;
    int FBitOffset = 0;
    int FBitLength = 0;
    QString FName;
    int FLength = 0;
    QString FDataType;
    QString FDefaultValue;
    QString FAllowedValues;
    // The user's choice: the value in decimal when the parameter has discrete values, else the
    // typed text; "" while not set.
    QString FValue;
    QString FMnemonic;
    TOwnedList<TDiscreteItem> DiscreteList;
    QStringList DiscreteSL;
};

// One parameter record.
class TParametersGroup {
public:
    void Clear_Parameters_List();
    // Reads the references of one record of the description; false when one fails, the
    // parameters before it kept.
    bool Get_Parameters(TGSDML& GSDML, const TParameterRecordDataItem& ParamRecDataItem);

    QString FGroupName;
    int FInd = 0;
    QString FDataConst;
    int FDataByteOffset = 0;
    int FLength = 0;
    TOwnedList<TParam> Parameters_List;
};

using TParamGroupList = TOwnedList<TParametersGroup>;

// Deep copies of the records of From, replacing those of To.
void Copy_ParamGroup_List(const TParamGroupList& From, TParamGroupList& To);

// One submodule type of the description.
class TPROFINET_Submodule {
public:
    void Clear_SubmoduleParamGroup_List();
    void CopySubmoduleParamGroupList(const TParamGroupList& PGL);

    // One entry of the description's submodule list (a pluggable submodule or a port).
    void Read_SubmoduleItem(TGSDML& GSDML, const TObject* SubmoduleItem);
    // The parts a virtual and a pluggable submodule share. Without module information a
    // pluggable entry keeps only its ID; a virtual one lacks only its name and info.
    void Read_SubmoduleItemBase(TGSDML& GSDML, const TSubmoduleItemBase& SubmoduleItem, bool Virtual = false);
    bool Get_ParametersGroup(TGSDML& GSDML, const TRecordDataList& RecordDataList);

    QString FID;
    QString FName;
    QString FInfo;
    uint32_t FIdentNumber = 0;
    uint32_t FAPI = 0;
    bool FParameterizationDisallowed = false;
    int FDataLenIn = 0;
    int FDataLenOut = 0;
    // The description's records, never edited.
    TParamGroupList ParametersList;
};

// One subslot, of a module's template or of a slot's working list.
class TPROFINET_Subslot {
public:
    // Position in SubmodulesList of the first submodule named NameSubmodule exactly; -1 when none.
    int GetIndexSubmodule(const QString& NameSubmodule) const;
    void Clear_SubmoduleParamGroup_List();
    void CopySubmoduleParamGroupList(const TParamGroupList& PGL);

    // Makes Submodule the only allowed and the selected one, with a copy of its records.
    void Fix_Submodule(const TSubmoduleRef& Submodule);
    // Adds Submodule to the allowed ones.
    void Allow_Submodule(const TSubmoduleRef& Submodule);
    // Selects Submodule, with a copy of its records.
    void Select_Submodule(const TSubmoduleRef& Submodule);

    bool FFixed = false;
    int FSubslotNum = 1;
    QString FSubSlotName;
    int FStartAddIn = 0;
    int FQuantityIn = 0;
    int FStartAddOut = 0;
    int FQuantityOut = 0;
    bool FStatus = false;    // "Map Only Data"
    bool FWord_Pos = false;  // "Different Word"
    QString FMnemonic;
    TSubmoduleRef Selected_SubModule;
    std::vector<TSubmoduleRef> SubmodulesList;
    QStringList SubModNameList;
    // The working copy of the selected submodule's records, with the user's values.
    TParamGroupList ParametersList;
};

using TSubslotOwnedList = TOwnedList<TPROFINET_Subslot>;
using TSubmoduleRefList = std::vector<TSubmoduleRef>;

// One module type of the description, with its subslot template.
class TPROFINET_Module {
public:
    bool Read_ModuleItem(TGSDML& GSDML, const TModuleItem& app_ModuleItem,
                         const TDeviceAccessPointItem& app_DeviceAccessPointItem,
                         const TSubmoduleRefList& SubmoduleList);
    void Create_Subslots(const QString& PhysicalSubslots, const TSubslotList* SubslotListDesc, TGSDML& GSDML);
    void Import_Submodule(const TSubmoduleItemRef& SubmoduleItemRef, const TSubmoduleRefList& SubmoduleList,
                          TGSDML& GSDML, const TSubslotList* SubslotList);
    void Import_FixedinSubslot(int index, const QString& Subslots, const TSubmoduleRefList& SubmoduleList,
                               TGSDML& GSDML, const TSubslotList* SubslotList);
    void Import_AllowinSubslot(int index, const QString& Subslots, const TSubmoduleRefList& SubmoduleList,
                               TGSDML& GSDML, const TSubslotList* SubslotList);
    void Import_UsedinSubslot(int index, const QString& Subslots, const TSubmoduleRefList& SubmoduleList, TGSDML& GSDML,
                              const TSubslotList* SubslotList);
    // A fixed subslot holding a new submodule read from a virtual submodule item; subslot
    // names come from the access point's subslot list.
    void Add_VirtualSubmodule(TGSDML& GSDML, const TVirtualSubmoduleItem& Item, const TDeviceAccessPointItem& DAP);

    // The template subslot numbered SubslotNum; nullptr when there is none.
    TPROFINET_Subslot* Find_Subslot(int SubslotNum) const;

    QString FID;
    QString FName;
    QString FInfo;
    uint32_t FModuleIdentNumber = 0;
    TSubslotOwnedList SubslotsList;

private:
    enum class TPlacement { Fixed, Allowed, Used };
    void Place_Submodule(TPlacement Rule, int index, const QString& Subslots, const TSubmoduleRefList& SubmoduleList,
                         TGSDML& GSDML, const TSubslotList* SubslotList);
};

using TModuleRefList = std::vector<TModuleRef>;

// One slot of a device.
class TPROFINET_Slot {
public:
    // Position in ModulesList of the first module named NameModule exactly; -1 when none.
    int GetIndexModule(const QString& NameModule) const;
    void Clear_SubSlot_List();
    // Working copies of SubSList: same submodule objects, own records.
    void Copy_SubSlot_List(const TSubslotOwnedList& SubSList);

    // Makes Module the only allowed and the selected one, with a copy of its subslots.
    void Fix_Module(const TModuleRef& Module);
    void Allow_Module(const TModuleRef& Module);
    void Select_Module(const TModuleRef& Module);

    bool FFixed = false;
    int FSlotNum = 0;
    QString FMnemonic;
    TModuleRef Selected_Module;
    TModuleRefList ModulesList;
    QStringList ModNameList;
    TSubslotOwnedList SubSlotList;
};

// One PROFINET IO device of the network.
class TPROFINET_Device {
public:
    TPROFINET_Device();
    ~TPROFINET_Device();

    // Stores the description and takes the default name of station from it; FDeviceName is
    // set before.
    void SetGSDML(std::shared_ptr<TGSDML> Value);
    TGSDML* GSDML() const { return FGSDML.get(); }

    // Builds slots, modules, submodules and update times from the description.
    void ReadInfoFromGSDML();
    void Create_Slots(const QString& PhysicalSlots, TGSDML& GSDML);
    void Import_Module(const TModulesItemRef& ModulesItemRef);
    void Import_Module_FixedinSlot(int index, const QString& Slots);
    void Import_Module_AllowinSlot(int index, const QString& Slots);
    void Import_Module_UsedinSlot(int index, const QString& Slots);

    // The slot numbered SlotNum; nullptr when there is none.
    TPROFINET_Slot* Find_Slot(int SlotNum) const;

    // Takes the update time entry Index: sets FSendClock and FReductionRadio, and answers
    // whether the device can run that fast. False, with nothing changed, for an index outside
    // the list.
    bool CheckUpdateTime(int Index);
    // The answer time-out of factor Index + 3 at the chosen update time, into AnsTime; true
    // when it is at most 1920 ms. False with AnsTime 0 when FUpdateTime lies outside the list.
    bool CheckAnswerTime(int Index, long double& AnsTime) const;
    // For a device just added: FUpdateTime := the entry of the timing pair it has, so that the
    // list shows the update time that is stored. Without such an entry, the first entry the
    // device can run (or entry 0) is taken, pair and all.
    void Take_Initial_Update_Time();
    // Appends the update times of Values_SendClock x Values_ReductionRadio to UpdateTimeVal.
    void Fill_UpdateTimeVal();

    int SendClock() const { return FSendClock; }
    int ReductionRadio() const { return FReductionRadio; }
    // Timing as a stored network gives it, taken without checks.
    void Restore_Timing(int UpdateTime, int SendClock, int ReductionRadio, int AnswerTime);

    QString FNameOfStation;
    QString FIPAddress;
    bool FNewSessionSPI = false;
    int FUpdateTime = 0;
    // The answer time-out factor is FAnswerTime + 3.
    int FAnswerTime = 0;
    int FFixedInSlots = 0;
    QString FDeviceName;
    QString FDeviceCategoryRef;
    // In units of 31.25 us.
    int FMinDevInterval = 0;
    std::vector<int> Values_SendClock;
    std::vector<int> Values_ReductionRadio;
    TOwnedList<TPROFINET_Slot> SlotList;
    TModuleRefList ModulesList;
    TSubmoduleRefList SubmoduleList;
    QStringList UpdateTimeVal;

private:
    enum class TPlacement { Fixed, Allowed, Used };
    void Place_Module(TPlacement Rule, int index, const QString& Slots);

    std::shared_ptr<TGSDML> FGSDML;
    int FSendClock = 32;
    int FReductionRadio = 2;
};

using TPROFINET_Device_List = TOwnedList<TPROFINET_Device>;

// A time in milliseconds as the windows show it: general format, 12 significant digits, the
// user's decimal separator.
QString Milliseconds_Text(long double ms);
// Units send clock units of 31.25 us in milliseconds.
long double Send_Clock_Units_ms(int Units);
