#pragma once

#include "platform/controls/rich_edit.h"

class TExStringGrid;

// The grid's rich edit: the in-place editor of rich-text cells, and the hidden instance with
// which the grid lays out rich text for painting and sizing. After every change of its text
// the content asks for its size: the hidden instance keeps it as ReqWidth and ReqHeight, the
// in-place editor grows its row while the grid sizes rows while typing.
class TExRichEdit : public TRichEdit {
public:
    explicit TExRichEdit(TComponent* AOwner);
    // Makes the window again.
    void ReCreate();

    // The vertical offset of the selection: none, 40 twips down, 40 twips up.
    void SelNormal() { setOffset(0); }
    void SelSubscript() { setOffset(-40); }
    void SelSuperscript() { setOffset(40); }
    bool IsSelNormal() const { return SelOffset() == 0; }
    bool IsSelSubscript() const { return SelOffset() == -40; }
    bool IsSelSuperscript() const { return SelOffset() == 40; }

    int ReqHeight() const { return FReqHeight; }
    int ReqWidth() const { return FReqWidth; }
    // While locked (the grid loading a cell into the editor) typing sizes no row.
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    // The user changed the text or its format since the grid loaded it.
    bool Modified = false;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void Change() override;

private:
    void setOffset(int Twips);
    // The content's size changed (EN_REQUESTRESIZE).
    void requestResize();

    TExStringGrid* FGrid;
    int FReqHeight = 0;
    int FReqWidth = 0;
    bool FLocked = false;
};
