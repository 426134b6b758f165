#pragma once

#include "platform/controls/check_box.h"

class TExStringGrid;

// The check box editor of edCheckBox cells: captioned with the cell text, toggled by a press
// or Space. Leaving keys close it and hand Enter, Up and Down on to the grid. It writes neither
// its state nor its caption into the cell.
class TGridCheckBox : public TCheckBox {
public:
    explicit TGridCheckBox(TComponent* AOwner);

    void Toggle() { SetChecked(!Checked()); }
    // Makes the window afresh before the grid shows the editor.
    void ReCreate();

    void WndProc(TMessage& Message) override;

protected:
    // The press has toggled the box already: the click after it does not toggle again.
    void Click() override {}
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    TExStringGrid* FGrid = nullptr;
};
