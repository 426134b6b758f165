#pragma once

#include "platform/controls/button.h"

class TExStringGrid;

// The editor of edButton: a push button over the cell, captioned with its text. Its click fires
// the grid's OnButtonClick; releasing it (mouse or Space) also passes the caption through
// OnEllipsClick and writes the answer into the cell. The arrow keys close it and move the grid's
// current cell; Escape closes it and gives the cell its text back.
class TGridButton : public TButton {
public:
    explicit TGridButton(TComponent* AOwner);

    QString Text() const { return Caption(); }
    void SetText(const QString& Value) { SetCaption(Value); }

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoExit() override;

private:
    void passThroughEllipsClick();
    // Hidden and disabled, the grid out of edit mode and focused.
    void close();

    TExStringGrid* FGrid = nullptr;
};
