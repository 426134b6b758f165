#pragma once

#include "grid/editors/asg_combo.h"
#include "platform/controls/mask_edit.h"

// The edit box and combo a grid opens over a form control written in a cell's HTML text. Both
// belong to the grid, which is their parent while they are open: Enter writes the value back
// and returns to the grid, Tab writes it back and goes on to the next control or cell.

class TControlEdit : public TCustomMaskEdit {
public:
    explicit TControlEdit(TComponent* AOwner);

    void WndProc(TMessage& Message) override;

protected:
    void KeyPress(QChar& Key) override;
};

class TControlCombo : public TAsgComboBox {
public:
    explicit TControlCombo(TComponent* AOwner);

    void WndProc(TMessage& Message) override;

protected:
    void KeyPress(QChar& Key) override;
};
