#pragma once

#include "grid/editors/asg_unit_edit_btn.h"

class TExStringGrid;

// The editor of the edit-with-button kinds (edEditBtn, edNumericEditBtn, edFloatEditBtn,
// edMaskEditBtn): the cell's text with a button that passes it through the grid's
// OnEllipsClick. Leaving keys write the text into the cell with validation; typed text is
// completed from the grid's lookup items.
class TGridEditBtn : public TAsgEditBtn {
public:
    explicit TGridEditBtn(TComponent* AOwner);

    // A button click also ends the edit.
    bool StopEditAfterClick = false;
    bool WorkMode = true;

    void ClickButton(TObject* Sender) override;
    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DblClick() override;
    void DoExit() override;

private:
    // Writes the text into the current cell and validates it; false when refused.
    bool validate();
    void complete();
    void paste();

    TExStringGrid* FGrid = nullptr;
    int FSelKeyDown = 0;
};

// The editor of the value-and-unit kinds (edUnitEditBtn, edNumericUnitEditBtn,
// edFloatUnitEditBtn): its value is the text followed by the unit.
class TGridUnitEditBtn : public TAsgUnitEditBtn {
public:
    explicit TGridUnitEditBtn(TComponent* AOwner);

    void ClickButton(TObject* Sender) override;
    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    TExStringGrid* FGrid = nullptr;
};
