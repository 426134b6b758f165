#pragma once

#include "platform/controls/mask_edit.h"

class TExStringGrid;

// The grid's plain in-place text editor: a border-less edit over the current cell that hands
// the navigation keys and the typed characters to its grid.
//
// Keys: Up, Down, Page Up, Page Down and Escape go to the grid's KeyDown; the others stay in
// the edit. Characters go to the grid's KeyPress first; Tab, Escape and Enter then type nothing.
class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);

    TExStringGrid* Grid() const { return FInplaceGrid; }
    // Loads the grid's text of the current cell.
    virtual void UpdateContents();
    // Places the editor on the current cell.
    virtual void BoundsChanged();

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

    TExStringGrid* FInplaceGrid = nullptr;
};
