#pragma once

#include "platform/controls/mask_edit.h"

class TStringGrid;

// The string grid's text editor, laid over the cell being edited. The grid makes it on first
// use (TStringGrid::CreateEditor) and reuses it for every edit.
//
// Loading (UpdateContents) takes the grid's edit text of its current cell. Keys: Up, Down,
// Page Up, Page Down, Enter and F2 go on to the grid's key handling (which moves the current
// cell or switches editing off); Escape puts the loaded text back and closes the editor, so
// the cell keeps the text it had; every other key stays in the editor. Typed characters go to
// the grid's KeyPress first (OnKeyPress may change or drop them), then through the edit mask
// when there is one. Each change the user makes is handed to the grid at once
// (TStringGrid::EditorTextChanged), as the text read back through the mask.
class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);

    TStringGrid* Grid() const { return grid_; }
    // The cell the editor was last loaded from (X column, Y row); -1 before the first load.
    TPoint EditCell() const { return editCell_; }

    // Takes the grid's edit text of its current cell, caret at the end; no change is reported.
    virtual void UpdateContents();
    // The editor covers Loc (in the grid's client coordinates) and becomes visible.
    void Move(const TRect& Loc);
    // Places the editor again over the cell it edits.
    virtual void BoundsChanged();
    // The caret goes to the end of the text, nothing selected.
    void Deselect();

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;

private:
    TStringGrid* grid_;
    TPoint editCell_{-1, -1};
    QString loaded_;
};
