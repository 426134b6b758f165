#pragma once

#include "platform/controls/control.h"

class TExStringGrid;

// A validated Tab that leaves a cell editor: with goTabs the edit ends and the grid moves on
// (true: the key is handled); without, the Tab is posted to the grid and the editor's key
// handling goes on (false).
bool HandTabToGrid(TExStringGrid& Grid, TShiftState Shift);

// The answer to WM_GETDLGCODE of an editor that takes Enter and Escape, and Tab when WantsTab.
void ClaimEditorKeys(TMessage& Message, bool WantsTab);

// Right from the end or Left from the start of an editor's text (CursorWalkEditor): a
// neighbouring control cell is entered directly once the text validates; otherwise the grid
// takes the focus and walks to the next cell left or right, opening its editor with
// CursorWalkAlwaysEdit.
void WalkFromEditor(TExStringGrid& Grid, bool Right, const QString& Text);

// The clipboard's text as the grid's paste events let it be pasted into the current cell's
// editor (Sender); false when there is none or an event refuses it.
bool TextToPaste(TExStringGrid& Grid, TObject* Sender, QString& Pasted);
