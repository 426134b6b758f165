#include "config/network/modules_def_form.h"

#include "config/network/param_value_checks.h"
#include "config/network/window_colors.h"
#include "config/tables/table_form.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/regional.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"

#include <algorithm>

TFPROFINET_Modules_Def* FPROFINET_Modules_Def = nullptr;

namespace {

// The drop-down list of the cell about to be edited.
void Fill_Combo(TExStringGrid& Grid, const QStringList& Items) {
    Grid.ClearComboString();
    for (const QString& item : Items) Grid.AddComboString(item);
}

constexpr int Client_Width = 1150;
constexpr int Client_Height = 589;
constexpr int Slot_Grid_Height = 280;
// "Submodule Desc" does not fit its narrow column on one line: the header row shows two.
constexpr int Slot_Header_Height = 34;

constexpr TColor Slot_Color = Number_Color;
constexpr TColor Module_Color = Address_Color;
constexpr TColor Length_Color = RGB(202, 255, 202);
constexpr TColor Mnemonic_Color = clWhite;
constexpr TColor Group_Color = RGB(255, 255, 0);

constexpr int Slot_Widths[] = {50, 60, 150, 200, 200, 70, 70, 70, 70, 100, 90, 90, 50, 50, 100};
constexpr int Slot_Header_Ids[] = {1206, 1207, 1208, 1209, 1210, 1211, 1212, 1213,
                                   1214, 1215, 1224, 1225, 1222, 1223, 1216};
constexpr int Param_Widths[] = {250, 250, 150, 150, 250};

// A cell's text read as a whole number; Default when it is none.
int Number_Or(const QString& Text, int Default) {
    int value = Default;
    return TryStrToInt(Text, value) ? value : Default;
}

// Items of a drop-down list with the empty item first.
QStringList With_Empty_Item(const QStringList& Items) { return QStringList{QString()} + Items; }

}  // namespace

TFPROFINET_Modules_Def::TFPROFINET_Modules_Def(TComponent* AOwner) : TForm(AOwner) {}

TFPROFINET_Modules_Def::~TFPROFINET_Modules_Def() = default;

void TFPROFINET_Modules_Def::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, Client_Width, Client_Height);
    Btn_OK->ModalResult = mrOk;
    Btn_Cancel->ModalResult = mrCancel;
    const int top = P_Title->Height();
    P_Grids = Place_Control<TPanel>(*this, this, "P_Grids", 0, top, Client_Width, Client_Height - top - 40);
    P_Grids->BevelOuter = bvNone;
    ASG_SlotModule = Place_Control<TExStringGrid>(*this, P_Grids, "ASG_SlotModule", 0, 0, Client_Width, Slot_Grid_Height);
    ASG_ModProp = Place_Control<TExStringGrid>(*this, P_Grids, "ASG_ModProp", 0, Slot_Grid_Height + 4, Client_Width,
                                               P_Grids->Height() - Slot_Grid_Height - 4);
    for (TExStringGrid* grid : {ASG_SlotModule, ASG_ModProp}) {
        grid->SetOptions(grid->Options() | goEditing);
        Set_Grid_Fonts(*grid);
    }

    ASG_SlotModule->OnGetEditorType = [this](TObject* s, int c, int r, TEditorType& e) {
        ASG_SlotModuleGetEditorType(s, c, r, e);
    };
    ASG_SlotModule->OnComboChange = [this](TObject* s, int c, int r, int i, QString t) {
        ASG_SlotModuleComboChange(s, c, r, i, t);
    };
    ASG_SlotModule->OnEditCellDone = [this](TObject* s, int c, int r) { ASG_SlotModuleEditCellDone(s, c, r); };
    ASG_SlotModule->OnCheckBoxChange = [this](TObject* s, int c, int r, bool b) {
        ASG_SlotModuleCheckBoxChange(s, c, r, b);
    };
    ASG_SlotModule->OnClickCell = [this](TObject* s, int r, int c) { ASG_SlotModuleClickCell(s, r, c); };
    ASG_ModProp->OnGetEditorType = [this](TObject* s, int c, int r, TEditorType& e) {
        ASG_ModPropGetEditorType(s, c, r, e);
    };
    ASG_ModProp->OnComboChange = [this](TObject* s, int c, int r, int i, QString t) {
        ASG_ModPropComboChange(s, c, r, i, t);
    };
    ASG_ModProp->OnEditCellDone = [this](TObject* s, int c, int r) { ASG_ModPropEditCellDone(s, c, r); };

    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFPROFINET_Modules_Def::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
    Init_Table();
}

void TFPROFINET_Modules_Def::FormShow(TObject*) {
    Compile_Def_Val_Table();
    // The parameter grid's handlers find their subslot through the slot grid's selected row:
    // what it shows must be that subslot's records, not those of the device shown before.
    Show_Submodule_Parameters(Shown_Subslot());
}

void TFPROFINET_Modules_Def::Set_Lang() {
    SetCaption(Lang(1200));
    L_SW_Desc->SetCaption(Lang(1201));
    Btn_OK->SetCaption(Lang(1202));
    Btn_OK->SetHint(Lang(1203));
    Btn_Cancel->SetCaption(Lang(1204));
    Btn_Cancel->SetHint(Lang(1205));
}

void TFPROFINET_Modules_Def::Init_Table() {
    TExStringGrid& slotGrid = *ASG_SlotModule;
    slotGrid.SetColCount(scCount);
    slotGrid.SetRowCount(2);
    slotGrid.SetFixedCols(0);
    slotGrid.SetFixedRows(1);
    for (int c = 0; c < scCount; ++c) {
        slotGrid.SetColWidths(c, Slot_Widths[c]);
        slotGrid.SetCellEx(c, 0, Lang(Slot_Header_Ids[c]));
    }
    slotGrid.HideColumns(scAddressIn, scQuantityOut);
    slotGrid.SetRowHeights(0, Slot_Header_Height);

    TExStringGrid& params = *ASG_ModProp;
    params.SetColCount(pcCount);
    params.SetRowCount(2);
    params.SetFixedCols(0);
    params.SetFixedRows(1);
    for (int c = 0; c < pcCount; ++c) {
        params.SetColWidths(c, Param_Widths[c]);
        params.SetCellEx(c, 0, Lang(1217 + c));
    }
    params.SplitCells(0, 1);
    params.SetColors(0, 1, clWhite);
    params.SetReadOnly(0, 1, false);
}

// ---- the slot grid

void TFPROFINET_Modules_Def::Write_Cell(int Col, int Row, const QString& Text, bool ReadOnly, TColor Color) {
    ASG_SlotModule->SetCellEx(Col, Row, Text);
    ASG_SlotModule->SetReadOnly(Col, Row, ReadOnly);
    ASG_SlotModule->SetColors(Col, Row, Color);
}

void TFPROFINET_Modules_Def::Write_Subslot_Row(int Row, const TPROFINET_Slot& Slot, const TPROFINET_Subslot& Subslot) {
    const TPROFINET_Module& module = *Slot.Selected_Module;
    Write_Cell(scSlot, Row, QString::number(Slot.FSlotNum), true, Slot_Color);
    Write_Cell(scSubslot, Row, QString::number(Subslot.FSubslotNum) + " - " + Subslot.FSubSlotName, true, Slot_Color);
    Write_Cell(scModule, Row, module.FName, Slot.FFixed, Module_Color);
    Write_Cell(scModuleDesc, Row, module.FInfo, true, Module_Color);
    const TPROFINET_Submodule* submodule = Subslot.Selected_SubModule.get();
    const bool has = submodule != nullptr;
    Write_Cell(scSubmodule, Row, has ? submodule->FName : QString(), Subslot.FFixed, Module_Color);
    Write_Cell(scSubmoduleDesc, Row, has ? submodule->FInfo : QString(), true, Module_Color);
    const int mapping[] = {Subslot.FStartAddIn, Subslot.FQuantityIn, Subslot.FStartAddOut, Subslot.FQuantityOut};
    for (int c = scAddressIn; c <= scQuantityOut; ++c)
        Write_Cell(c, Row, has ? QString::number(mapping[c - scAddressIn]) : QString(), !has, Mapping_Color);
    for (auto [c, state] : {std::pair{int(scMapOnlyData), Subslot.FStatus}, std::pair{int(scDifferentWord), Subslot.FWord_Pos}}) {
        Write_Cell(c, Row, QString(), false, Mapping_Color);
        ASG_SlotModule->AddCheckBox(c, Row, has && state, false);
        ASG_SlotModule->SetAlignments(c, Row, taCenter);
    }
    Write_Cell(scInput, Row, has ? QString::number(submodule->FDataLenIn) : QString(), true, Length_Color);
    Write_Cell(scOutput, Row, has ? QString::number(submodule->FDataLenOut) : QString(), true, Length_Color);
    Write_Cell(scMnemonic, Row, has ? Subslot.FMnemonic : QString(), false, Mnemonic_Color);
}

void TFPROFINET_Modules_Def::Write_Slot_Only_Row(int Row, const TPROFINET_Slot& Slot) {
    Write_Cell(scSlot, Row, QString::number(Slot.FSlotNum), true, Slot_Color);
    Write_Cell(scSubslot, Row, QString(), true, Slot_Color);
    // A module without subslots still shows in its slot's row, where it can be changed.
    const TPROFINET_Module* module = Slot.Selected_Module.get();
    Write_Cell(scModule, Row, module ? module->FName : QString(), Slot.FFixed, Module_Color);
    Write_Cell(scModuleDesc, Row, module ? module->FInfo : QString(), true, Module_Color);
    for (int c = scSubmodule; c <= scSubmoduleDesc; ++c) Write_Cell(c, Row, QString(), true, Module_Color);
    for (int c = scAddressIn; c <= scQuantityOut; ++c) Write_Cell(c, Row, QString(), true, Mapping_Color);
    for (int c : {int(scMapOnlyData), int(scDifferentWord)}) {
        Write_Cell(c, Row, QString(), false, Mapping_Color);
        ASG_SlotModule->AddCheckBox(c, Row, false, false);
        ASG_SlotModule->SetAlignments(c, Row, taCenter);
    }
    Write_Cell(scInput, Row, QString(), true, Length_Color);
    Write_Cell(scOutput, Row, QString(), true, Length_Color);
    Write_Cell(scMnemonic, Row, QString(), true, Mnemonic_Color);
}

void TFPROFINET_Modules_Def::Compile_Def_Val_Table() {
    if (SlotList.empty()) {
        // A device without slots: one empty row, not the rows of the device shown before.
        ASG_SlotModule->SetRowCount(2);
        for (int c = 0; c < scCount; ++c) {
            if (ASG_SlotModule->HasCheckBox(c, 1)) ASG_SlotModule->RemoveCheckBox(c, 1);
            Write_Cell(c, 1, QString(), true, clWhite);
        }
        return;
    }
    int rows = 0;
    for (const auto& slot : SlotList)
        rows += std::max<int>(1, slot->Selected_Module ? static_cast<int>(slot->SubSlotList.size()) : 0);
    ASG_SlotModule->SetRowCount(rows + 1);
    int row = 1;
    for (const auto& slot : SlotList) {
        if (!slot->Selected_Module || slot->SubSlotList.empty()) {
            Write_Slot_Only_Row(row++, *slot);
            continue;
        }
        for (const auto& subslot : slot->SubSlotList) Write_Subslot_Row(row++, *slot, *subslot);
    }
    // Subslot names and module descriptions run longer than the designed columns: those grow
    // to their texts, and start again from the design for the next device.
    for (int c = 0; c < scCount; ++c) {
        if (ASG_SlotModule->IsHiddenColumn(c)) continue;
        const int shown = ASG_SlotModule->RealToDisplCol(c);
        ASG_SlotModule->SetColWidths(shown, Slot_Widths[c]);
        ASG_SlotModule->AutoSizeColWidth(shown, true);
    }
}

int TFPROFINET_Modules_Def::GetSlotIndex(int ID_Slot) const {
    for (size_t i = 0; i < SlotList.size(); ++i)
        if (SlotList[i]->FSlotNum == ID_Slot) return static_cast<int>(i);
    return -1;
}

int TFPROFINET_Modules_Def::GetSubslotIndex(int ID_Subslot, const TPROFINET_Module* Module) const {
    if (!Module) return -1;
    for (size_t i = 0; i < Module->SubslotsList.size(); ++i)
        if (Module->SubslotsList[i]->FSubslotNum == ID_Subslot) return static_cast<int>(i);
    return -1;
}

QString TFPROFINET_Modules_Def::DeleteDescFromSubSlotIndex(const QString& SubSlotCell) {
    const int blank = SubSlotCell.indexOf(QLatin1Char(' '));
    return (blank < 0 ? SubSlotCell : SubSlotCell.left(blank)).trimmed();
}

TPROFINET_Slot* TFPROFINET_Modules_Def::Row_Slot(int ARow) const {
    if (ARow < 1 || ARow >= ASG_SlotModule->RowCount()) return nullptr;
    const int number = Number_Or(ASG_SlotModule->GetCellEx(scSlot, ARow), -1);
    const int index = number < 0 ? -1 : GetSlotIndex(number);
    return index < 0 ? nullptr : SlotList[size_t(index)].get();
}

TPROFINET_Subslot* TFPROFINET_Modules_Def::Row_Subslot(int ARow) const {
    TPROFINET_Slot* slot = Row_Slot(ARow);
    if (!slot || !slot->Selected_Module) return nullptr;
    const int number = Number_Or(DeleteDescFromSubSlotIndex(ASG_SlotModule->GetCellEx(scSubslot, ARow)), -1);
    const int index = number < 0 ? -1 : GetSubslotIndex(number, slot->Selected_Module.get());
    // The slot's list follows the module's template, but a network read from a file may hold
    // fewer subslots.
    if (index < 0 || index >= static_cast<int>(slot->SubSlotList.size())) return nullptr;
    return slot->SubSlotList[size_t(index)].get();
}

void TFPROFINET_Modules_Def::ASG_SlotModuleGetEditorType(TObject*, int ACol, int ARow, TEditorType& AEditor) {
    if (ACol != scModule && ACol != scSubmodule) return;
    AEditor = edComboList;
    Combo_Items.clear();
    TPROFINET_Slot* slot = Row_Slot(ARow);
    if (!slot) return;
    if (ACol == scModule) {
        Combo_Items = With_Empty_Item(slot->ModNameList);
    } else {
        const TPROFINET_Subslot* subslot = Row_Subslot(ARow);
        Combo_Items = With_Empty_Item(subslot ? subslot->SubModNameList : QStringList());
    }
    Fill_Combo(*ASG_SlotModule, Combo_Items);
}

void TFPROFINET_Modules_Def::ASG_SlotModuleComboChange(TObject*, int ACol, int ARow, int, QString ASelection) {
    if (ACol == scModule) {
        if (TPROFINET_Slot* slot = Row_Slot(ARow)) {
            const int position = slot->GetIndexModule(ASelection);
            if (position < 0) {
                slot->Selected_Module.reset();
                slot->Clear_SubSlot_List();
            } else {
                slot->Select_Module(slot->ModulesList[size_t(position)]);
            }
        }
    } else if (ACol == scSubmodule) {
        if (TPROFINET_Subslot* subslot = Row_Subslot(ARow)) {
            const int position = subslot->GetIndexSubmodule(ASelection);
            if (position < 0) {
                subslot->Selected_SubModule.reset();
                subslot->Clear_SubmoduleParamGroup_List();
            } else {
                subslot->Select_Submodule(subslot->SubmodulesList[size_t(position)]);
            }
        }
    }
    Compile_Def_Val_Table();
    ASG_SlotModule->SetRow(std::clamp(ARow, 1, ASG_SlotModule->RowCount() - 1));
    // A new module replaces the records the parameter grid may have shown, and the rows move.
    Show_Submodule_Parameters(Shown_Subslot());
}

void TFPROFINET_Modules_Def::ASG_SlotModuleCheckBoxChange(TObject*, int ACol, int ARow, bool State) {
    TPROFINET_Subslot* subslot = Row_Subslot(ARow);
    if (!subslot) return;
    if (ACol == scMapOnlyData) subslot->FStatus = State;
    else if (ACol == scDifferentWord) subslot->FWord_Pos = State;
}

void TFPROFINET_Modules_Def::ASG_SlotModuleEditCellDone(TObject*, int ACol, int ARow) {
    // Every data row is stored, the first one too: its subslot is as real as the others.
    TPROFINET_Subslot* subslot = Row_Subslot(ARow);
    if (!subslot) return;
    const QString text = ASG_SlotModule->GetCellEx(ACol, ARow);
    switch (ACol) {
    case scAddressIn: subslot->FStartAddIn = Number_Or(text, 0); break;
    case scQuantityIn: subslot->FQuantityIn = Number_Or(text, 0); break;
    case scAddressOut: subslot->FStartAddOut = Number_Or(text, 0); break;
    case scQuantityOut: subslot->FQuantityOut = Number_Or(text, 0); break;
    case scMnemonic: subslot->FMnemonic = text; break;
    default: break;
    }
}

void TFPROFINET_Modules_Def::ASG_SlotModuleClickCell(TObject*, int ARow, int) {
    // A click on the header leaves the selected row, and so the parameters it shows.
    if (ARow < ASG_SlotModule->FixedRows()) return;
    Show_Submodule_Parameters(Row_Subslot(ARow));
}

// ---- the parameter grid

namespace {

// A parameter not set yet is stored empty and the device takes its default: the grid shows
// the default then, as the text of its item for a parameter with a value list.
QString Shown_Value(const TParam& Param) {
    const QString& value = Param.FValue.isEmpty() ? Param.FDefaultValue : Param.FValue;
    return Param.DiscreteList.empty() ? value : Param.GetDiscreteByValue(Number_Or(value, 0));
}

}  // namespace

void TFPROFINET_Modules_Def::Show_Submodule_Parameters(TPROFINET_Subslot* SubSlot) {
    TExStringGrid& grid = *ASG_ModProp;
    for (int r = 1; r < grid.RowCount(); ++r)
        if (grid.IsMergedCell(0, r)) grid.SplitCells(0, r);
    if (!SubSlot || SubSlot->ParametersList.empty()) {
        grid.SetRowCount(2);
        grid.SetColors(0, 1, clWhite);
        for (int c = 0; c < pcCount; ++c) grid.SetCellEx(c, 1, QString());
        return;
    }
    int rows = 1;
    for (const auto& group : SubSlot->ParametersList) rows += 1 + static_cast<int>(group->Parameters_List.size());
    grid.SetRowCount(rows);
    int r = 1;
    for (const auto& group : SubSlot->ParametersList) {
        for (int c = 0; c < pcCount; ++c) grid.SetCellEx(c, r, QString());
        grid.MergeCells(0, r, pcCount, 1);
        grid.SetColors(0, r, Group_Color);
        grid.SetReadOnly(0, r, true);
        grid.SetCellEx(0, r, group->FGroupName);
        ++r;
        for (const auto& param : group->Parameters_List) {
            const QString texts[] = {param->FName, Shown_Value(*param), param->FAllowedValues, param->FDefaultValue,
                                     param->FMnemonic};
            const bool readOnly[] = {true, false, true, true, false};
            for (int c = 0; c < pcCount; ++c) {
                grid.SetCellEx(c, r, texts[c]);
                grid.SetReadOnly(c, r, readOnly[c]);
                grid.SetColors(c, r, clWhite);
            }
            ++r;
        }
    }
}

TPROFINET_Subslot* TFPROFINET_Modules_Def::Shown_Subslot() const { return Row_Subslot(ASG_SlotModule->Row()); }

bool TFPROFINET_Modules_Def::Param_At(int ARow, TParametersGroup*& Group, TParam*& Param) const {
    Group = nullptr;
    Param = nullptr;
    TPROFINET_Subslot* subslot = Shown_Subslot();
    if (!subslot) return false;
    int r = 1;
    for (const auto& group : subslot->ParametersList) {
        Group = group.get();
        if (r++ == ARow) return true;
        for (const auto& param : group->Parameters_List) {
            if (r++ == ARow) {
                Param = param.get();
                return true;
            }
        }
    }
    Group = nullptr;
    return false;
}

void TFPROFINET_Modules_Def::ASG_ModPropGetEditorType(TObject*, int ACol, int ARow, TEditorType& AEditor) {
    if (ACol != pcValue) return;
    Combo_Items.clear();
    TParametersGroup* group = nullptr;
    TParam* param = nullptr;
    Param_At(ARow, group, param);
    if (param && !param->DiscreteList.empty()) {
        AEditor = edComboList;
        Combo_Items = param->DiscreteSL;
        Fill_Combo(*ASG_ModProp, Combo_Items);
    } else {
        AEditor = edNormal;
    }
}

void TFPROFINET_Modules_Def::ASG_ModPropComboChange(TObject*, int ACol, int ARow, int, QString ASelection) {
    if (ACol != pcValue) return;
    TParametersGroup* group = nullptr;
    TParam* param = nullptr;
    if (!Param_At(ARow, group, param) || !param) return;
    // Only the list's own texts are values: another text keeps what the parameter had.
    const int value = param->GetValueByDiscrete(ASelection);
    if (value == -1 && !param->DiscreteSL.contains(ASelection)) return;
    param->FValue = QString::number(value);
}

void TFPROFINET_Modules_Def::ASG_ModPropEditCellDone(TObject*, int ACol, int ARow) {
    TParametersGroup* group = nullptr;
    TParam* param = nullptr;
    if (!Param_At(ARow, group, param) || !param) return;
    const QString text = ASG_ModProp->GetCellEx(ACol, ARow);
    if (ACol == pcMnemonic) {
        param->FMnemonic = text;
    } else if (ACol == pcValue && param->DiscreteList.empty()) {
        const QString fault = Param_Value_Fault(*param, text);
        if (fault.isEmpty()) {
            param->FValue = text;
            return;
        }
        MessageDlg(fault, mtError, mbOK);
        ASG_ModProp->SetCellEx(ACol, ARow, Shown_Value(*param));
    }
}
