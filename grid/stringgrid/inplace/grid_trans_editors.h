#pragma once

#include "platform/controls/custom_combo_box.h"
#include "platform/controls/mask_edit.h"

class TExStringGrid;

// The borderless edit box and combo with which the grid edits its fixed cells (EditFixedCell).
// Col (a real column) and Row name the cell being edited. StopEdit validates the text through
// OnCellValidate: a refused text keeps the editor open and focused on its cell, an accepted one
// (as the handler may have changed it) fires OnEditingDone and goes into the cell. Leaving the
// editor stops the edit; Enter is dropped.
template <class Base>
class TGridTransEditor : public Base {
public:
    explicit TGridTransEditor(TComponent* AOwner);
    int Col = -1;
    int Row = -1;
    bool StopEdit();

protected:
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    TExStringGrid* FGrid;
    // Set while the value goes into the cell, which may make the grid close its edits.
    bool FStopping = false;
};

class TGridTransEdit : public TGridTransEditor<TCustomMaskEdit> {
public:
    using TGridTransEditor::TGridTransEditor;
};

class TGridTransCombo : public TGridTransEditor<TCustomComboBox> {
public:
    using TGridTransEditor::TGridTransEditor;
};
