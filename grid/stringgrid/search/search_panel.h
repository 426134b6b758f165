#pragma once

// The search strip under the string grid's cells: a search box, find next and previous, a
// highlight toggle, a match-case box and a close button. The grid binds its handlers to the
// panel's events and applies its SearchFooter settings to it.

#include "platform/controls/edit.h"
#include "platform/controls/panel.h"

class TBaseGrid;
class TExCheckBox;
class TExGridButton;

// A one-line edit that hands Enter to its owner: OnReturn, or OnCtrlReturn with Ctrl held.
class TRetEdit : public TEdit {
public:
    explicit TRetEdit(TComponent* AOwner);

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
};

class TSearchPanel : public TPanel {
public:
    // Made with the grid as owner; its controls are laid out when its window is made, and then
    // OnCreated fires.
    explicit TSearchPanel(TBaseGrid* AGrid);

    TBaseGrid* Grid() const { return FGrid; }
    TRetEdit* EditControl() const { return FEdit; }
    TExGridButton* ExitButton() const { return FExitButton; }
    TExGridButton* ForwardButton() const { return FForwardButton; }
    TExGridButton* BackwardButton() const { return FBackwardButton; }
    TExGridButton* HiliteButton() const { return FHiliteButton; }
    TExCheckBox* MatchCase() const { return FMatchCase; }

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);

    QString FindNextCaption, FindPrevCaption, MatchCaseCaption, HighLightCaption;
    QString HintFindPrev, HintClose, HintFindNext, HintHighlight;

    TNotifyEvent OnForwardClick, OnBackwardClick, OnEditChange, OnExitClick, OnHighlightClick, OnCreated;

    // Puts the controls at their places, with their captions, glyphs and hints.
    void Layout();

protected:
    void CreateWnd() override;
    void Paint() override;

private:
    void EditChanged(TObject* Sender);

    TExGridButton* makeButton(const char* Glyph, const char* DisabledGlyph);

    TBaseGrid* FGrid;
    TRetEdit* FEdit;
    TExGridButton* FExitButton;
    TExGridButton* FForwardButton;
    TExGridButton* FBackwardButton;
    TExGridButton* FHiliteButton;
    TExCheckBox* FMatchCase;
    TColor FColorTo = clNone;
};
