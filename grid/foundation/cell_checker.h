#pragma once

#include "platform/core/component.h"

#include <QString>

// The base of the components that check and correct a string grid's cell texts. The grid
// calls StartCheck, then Correct and MarkError per cell as the options allow, then StopCheck;
// the base passes every text through unchanged, so every check passes.
class TExStringGridCheck : public TComponent {
public:
    explicit TExStringGridCheck(TComponent* AOwner);

    // The text with its errors marked.
    virtual QString MarkError(int ACol, int ARow, const QString& s);
    // The corrected text.
    virtual QString Correct(int ACol, int ARow, const QString& s);
    // Around the check of a range of cells.
    virtual void StartCheck();
    virtual void StopCheck();

    // The grid moves its cursor to each cell it checks and back to where it started.
    bool GotoCell = false;
    // Applied when an edit is committed.
    bool AutoCorrect = false;
    bool AutoMarkError = false;
    // Applied when the grid checks cells on request.
    bool UseCorrect = false;
    bool UseMarkError = false;
};
