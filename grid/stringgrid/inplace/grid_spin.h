#pragma once

#include "grid/editors/asg_spin_edit.h"

class TExStringGrid;

// The spin editor of the spin kinds (property SpinEdit): paging keys step within the limits,
// Tab, Enter, Escape, Up and Down validate and leave the cell, button clicks fire the grid's
// spin events by spin type.
class TGridSpin : public TAsgSpinEdit {
public:
    explicit TGridSpin(TComponent* AOwner);

    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;
    // Makes the window afresh before the grid shows the editor.
    void ReCreate();

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DoExit() override;

private:
    // Page Up / Page Down / Home / End for the integer and float types.
    void page(uint16_t Key);
    // Tab, Enter, Escape, Up, Down; false when validation refused the text.
    bool leave(uint16_t& Key, TShiftState Shift);
    // The grid's spin event of the spin type, after a button stepped the value.
    void spinClicked(bool Up);

    TExStringGrid* FGrid = nullptr;
};
