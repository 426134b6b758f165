#pragma once

#include <QString>
#include <cstdint>

class TExStringGrid;

// The balloon tip a refused value shows on its editor (EM_SHOWBALLOONTIP, lParam points at it).
struct TEditBalloonTip {
    uint32_t cbStruct = 16;
    QString Title;
    QString Text;
    // The grid's InvalidEntryIcon as it is: 0 none, 1 info, 2 warning, 3 error.
    int Icon = 0;
};

// Shows InvalidEntryTitle and InvalidEntryText on the editor of the refused edit: the open editor
// control, the edit field of an editable combo (none on a drop-down list), else the text editor.
void ShowInvalidEntryBalloon(TExStringGrid& Grid);
