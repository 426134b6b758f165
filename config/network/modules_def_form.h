#pragma once

#include "config/network/profinet_device.h"
#include "grid/foundation/grid_types.h"
#include "platform/controls/form.h"
#include "common/state/dialog_frame.h"

#include <QStringList>

class TExStringGrid;
class TPanel;

// The module of each slot and the submodule of each subslot of one device of the network,
// with the subslot flags, mnemonics and parameter values. It edits a working copy of the
// device's slots, which the network window takes back on OK, so that Cancel loses nothing.
class TFPROFINET_Modules_Def : public TForm, public TDialogFrame {
public:
    explicit TFPROFINET_Modules_Def(TComponent* AOwner);
    ~TFPROFINET_Modules_Def() override;

    // Slot grid columns (real indexes).
    enum TSlotColumn {
        scSlot, scSubslot, scModule, scModuleDesc, scSubmodule, scSubmoduleDesc, scAddressIn, scQuantityIn,
        scAddressOut, scQuantityOut, scMapOnlyData, scDifferentWord, scInput, scOutput, scMnemonic, scCount
    };
    // Parameter grid columns.
    enum TParamColumn { pcName, pcValue, pcAllowed, pcDefault, pcMnemonic, pcCount };

    TPanel* P_Grids = nullptr;
    TExStringGrid* ASG_SlotModule = nullptr;
    TExStringGrid* ASG_ModProp = nullptr;

    // The device being edited, set by the network window; only read here.
    TPROFINET_Device* Device = nullptr;
    // The working copy of the device's slots, in the same order.
    TOwnedList<TPROFINET_Slot> SlotList;
    // The items the grid's drop-down list offers for the cell being edited, as the editor
    // choice handlers set them.
    QStringList Combo_Items;

    void Prepare_Temp_Data();
    void Init_Table();
    void Compile_Def_Val_Table();
    void Show_Submodule_Parameters(TPROFINET_Subslot* SubSlot);
    // -1 when not found.
    int GetSlotIndex(int ID_Slot) const;
    int GetSubslotIndex(int ID_Subslot, const TPROFINET_Module* Module) const;
    // The trimmed text before the first blank, or the whole text when it has none.
    static QString DeleteDescFromSubSlotIndex(const QString& SubSlotCell);
    void Set_Lang();

    // The working slot and subslot of a slot grid row; nullptr where there is none.
    TPROFINET_Slot* Row_Slot(int ARow) const;
    TPROFINET_Subslot* Row_Subslot(int ARow) const;
    // The subslot the parameter grid shows: that of the slot grid's selected row.
    TPROFINET_Subslot* Shown_Subslot() const;
    // The record and parameter of a parameter grid row; Param is nullptr for a group row.
    bool Param_At(int ARow, TParametersGroup*& Group, TParam*& Param) const;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ASG_SlotModuleGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    void ASG_SlotModuleComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, QString ASelection);
    void ASG_SlotModuleEditCellDone(TObject* Sender, int ACol, int ARow);
    void ASG_SlotModuleCheckBoxChange(TObject* Sender, int ACol, int ARow, bool State);
    void ASG_SlotModuleClickCell(TObject* Sender, int ARow, int ACol);
    void ASG_ModPropGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    void ASG_ModPropComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, QString ASelection);
    void ASG_ModPropEditCellDone(TObject* Sender, int ACol, int ARow);

protected:
    void Loaded() override;

private:
    void Write_Subslot_Row(int Row, const TPROFINET_Slot& Slot, const TPROFINET_Subslot& Subslot);
    // The one row of a slot without module, or with a module without subslots.
    void Write_Slot_Only_Row(int Row, const TPROFINET_Slot& Slot);
    void Write_Cell(int Col, int Row, const QString& Text, bool ReadOnly, TColor Color);
};

extern TFPROFINET_Modules_Def* FPROFINET_Modules_Def;
