#pragma once

#include "grid/editors/asg_combo.h"

#include <vector>

class TExStringGrid;

// The combo editor of edComboEdit (csDropDown) and edComboList (csDropDownList), the public
// combo of every grid (property Combobox) that the windows fill in OnGetEditorType. It leaves
// the cell with validation, walks to neighbour cells with the arrow keys, completes typed text
// from its items and the grid's lookup list, and reports selection changes to the grid.
class TGridCombo : public TAsgComboBox {
public:
    explicit TGridCombo(TComponent* AOwner);

    // Items with an object each; the objects of items added otherwise are nullptr, and
    // ClearItems empties both.
    void AddItemObject(const QString& S, TObject* AObject);
    TObject* Objects(int Index) const;
    void DeleteItem(int Index);
    void ClearItems();

    // Widens the dropped list to its widest item.
    void SizeDropDownWidth();
    // The auto-completion after a key.
    void DoChange();

    bool Forced = false;
    bool WorkMode = true;
    int ItemIdx = 0;
    bool ItemChange = false;
    // Enter was typed.
    TNotifyEvent OnReturnKey;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DoEnter() override;
    void DoExit() override;

private:
    // Writes the text into the current cell and validates it; false when refused.
    bool validate(bool SelectAllOnRefusal);
    // Selection changes reported to the grid.
    void comboChanged(const QString& Selection);
    void wheel(int Delta);
    // The dropped list closed: a direct close commits the item; the grid hears of it.
    void closedUp();
    // The cursor walk of the key-up; true when the key walked.
    bool walk(uint16_t& Key);

    TExStringGrid* FGrid = nullptr;
    std::vector<TObject*> FObjects;
    // Counts the picks reported through CBN_SELCHANGE.
    int FPicks = 0;
};
