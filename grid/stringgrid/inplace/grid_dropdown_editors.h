#pragma once

#include "grid/editors/dropdown/calculator_dropdown.h"
#include "grid/editors/dropdown/color_picker_dropdown.h"
#include "grid/editors/dropdown/detail_dropdown.h"
#include "grid/editors/dropdown/grid_dropdown.h"
#include "grid/editors/dropdown/image_picker_dropdown.h"
#include "grid/editors/dropdown/memo_dropdown.h"
#include "grid/editors/dropdown/multi_column_dropdown.h"
#include "grid/editors/dropdown/time_picker_dropdown.h"
#include "grid/editors/dropdown/trackbar_dropdown.h"

class TExStringGrid;

// A drop-down control as a cell editor of the grid: it claims the keys the grid wants from an
// editor, writes its text back into the cell with validation when a key leaves it, hands the
// leaving key on to the grid and reports its changes. The nine drop-down editor kinds share
// this rule; a member differs only where its hooks say.
template <class Base>
class TGridDropDownEditor : public Base {
public:
    explicit TGridDropDownEditor(TComponent* AOwner);

    // The cell's text into the editor, as the member takes it.
    virtual void SetEditorText(const QString& Value) { this->SetTextDirect(Value); }

    bool Forced = false;
    bool WorkMode = true;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DoEnter() override;
    void DoExit() override;

    // The key ends the edit (Alt+Down never does: it opens the drop-down).
    virtual bool Leaves(uint16_t Key) const;
    // The key writes the text into the cell and validates it before leaving.
    virtual bool Commits(uint16_t Key) const { return Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN; }
    // Runs before a committing key writes the text.
    virtual void BeforeCommit(uint16_t /*Key*/) {}
    virtual bool ClaimsEnterEscape() const { return false; }
    // A mouse click that opened the edit puts the caret under the pointer.
    virtual bool CaretAtClick() const { return false; }
    // The editor writes its value into the cell whenever it changes.
    virtual bool WritesWhileEditing() const { return false; }

    TExStringGrid* FGrid = nullptr;

private:
    // Writes the text into the current cell and validates it; false when refused.
    bool validate(bool SelectAllOnRefusal);

    bool FCaretAtClick = false;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TExTrackBarDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
    // The track bar follows the text.
    void SetEditorText(const QString& Value) override { SetText(Value); }
    void DoChange() {}

protected:
    bool ClaimsEnterEscape() const override { return true; }
    bool CaretAtClick() const override { return true; }
};

class TGridMemoDropDown : public TGridDropDownEditor<TExMemoDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;

protected:
    bool CaretAtClick() const override { return true; }
    // The grid's MemoDropDownChange.
    bool WritesWhileEditing() const override { return true; }
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TExCalculatorDropdown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;

protected:
    // Enter writes the result of a pending operation, not its last operand.
    void BeforeCommit(uint16_t Key) override {
        if (Key == VK_RETURN) CalcResult();
    }
    bool CaretAtClick() const override { return true; }
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TExTimePickerDropDown> {
public:
    explicit TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner) { FocusDraw = false; }
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TExDetailDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridGridDropDown : public TGridDropDownEditor<TExMultiColumnDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

// While its palette is open only Tab, Enter and Escape leave, and only Enter takes the colour
// into the cell; closed, Home leaves as well.
class TGridColorDropDown : public TGridDropDownEditor<TExColorPickerDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;

protected:
    bool Leaves(uint16_t Key) const override;
    bool Commits(uint16_t Key) const override { return Key == VK_RETURN; }
    bool ClaimsEnterEscape() const override { return true; }
};

class TGridImageDropDown : public TGridDropDownEditor<TExImagePickerDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridExGridDropDown : public TGridDropDownEditor<TCustomExGridDropDown> {
public:
    using TGridDropDownEditor::TGridDropDownEditor;
};

extern template class TGridDropDownEditor<TExTrackBarDropDown>;
extern template class TGridDropDownEditor<TExMemoDropDown>;
extern template class TGridDropDownEditor<TExCalculatorDropdown>;
extern template class TGridDropDownEditor<TExTimePickerDropDown>;
extern template class TGridDropDownEditor<TExDetailDropDown>;
extern template class TGridDropDownEditor<TExMultiColumnDropDown>;
extern template class TGridDropDownEditor<TExColorPickerDropDown>;
extern template class TGridDropDownEditor<TExImagePickerDropDown>;
extern template class TGridDropDownEditor<TCustomExGridDropDown>;
