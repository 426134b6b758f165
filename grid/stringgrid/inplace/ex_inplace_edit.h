#pragma once

#include "platform/controls/inplace_edit.h"

class TExStringGrid;

// The grid's own text editor (property NormalEdit): filters what is typed and pasted by the
// cell's editor kind, completes from the grid's lookup list, validates before a key leaves the
// cell, walks to the neighbour cell with the arrow keys at the ends of the text, keeps rows and
// columns sized while typing, and reports changes and clipboard actions through the grid.
class TExInplaceEdit : public TInplaceEdit {
public:
    explicit TExInplaceEdit(TComponent* AOwner);

    void UpdateContents() override;
    void BoundsChanged() override;

    // The text stands in the middle of the editor's height, as in a vertically centred cell;
    // the grid sets it from the cell's alignment each time it loads the editor.
    bool VAlign() const { return FValign; }
    void SetVAlign(bool Value);
    // The largest text length; 0 or less: no limit.
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = static_cast<int16_t>(Value); }

    bool GotKey() const { return GotKey_; }
    bool WorkMode() const { return Workmode; }

    void WndProc(TMessage& Message) override;

protected:
    // Enter types a line break (the grid decides when it may).
    QChar ReturnChar() const override { return QChar('\r'); }
    void CreateWnd() override;
    void Change() override;
    void DblClick() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    // The WM_KEYDOWN steps before the key events; false when the message ended there.
    bool wmKeyDown(TMessage& Message, bool& Moved);
    // The typing filter of WM_CHAR; true when the message is done with.
    bool wmChar(TMessage& Message);
    void wmPaste();
    void wmSetFocus();
    void wmKillFocus(TMessage& Message);
    // A refused validation: the editor shows the validator's text and keeps the focus.
    void refused(bool Repaint, const QString& OldCellText);
    // Writes the text into the cell and validates it; a refusal ends the key-down message.
    bool storeAndValidate(TMessage& Message, const QString& OldCellText);
    // The cursor walk of the key-up; true when the key walked.
    bool walk(uint16_t& Key, TShiftState Shift);
    // Enter handed to the grid as from this editor: the grid advances as for Enter.
    void enterToGrid();
    // Completes the text from the grid's lookup items.
    void DoChange();
    // The line of the text a position lies on.
    int lineOf(int Pos) const;
    int lineCount() const;

    // The owner grid.
    TExStringGrid* FInplaceGrid = nullptr;
    int FSelKeyDown = 0;
    int FOldSelStart = 0;
    int16_t FLengthLimit = 0;
    bool FValign = false;
    bool GotKey_ = false;
    bool FGotFocus = false;
    bool Workmode = true;
    int FColE = 0, FRowE = 0;
    bool FAltBack = false;
};
