// The grid's character keys: Escape restores an edit, Enter advances, typing on a sorted grid
// jumps to the first row that starts with what was typed (IncrSearchText).
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/inplace_edit.h"

static void incrementalJump(TExStringGrid& Grid, TExStringGridPrivate& p, QChar Key) {
    QString& text = Grid.IncrSearchText;
    if (Grid.Navigation().AutoGotoIncremental) {
        if (Key == QChar('\b')) text.chop(1);
        else text += Key;
        p.SearchTics = 0;
    } else {
        text = Key;
    }
    const int row = Grid.Search(text.toUpper());
    if (row < 0) text.clear();
    else Grid.SetRow(row);
}

void TExStringGrid::KeyPress(QChar& Key) {
    TNavigation& nav = Navigation();
    if (Key == QChar(0x1B)) {
        if ((Options() & goEditing) && (p->EditMode || p->FEditing)) RestoreEditCell();
        OnKeyPress(this, Key);
        Key = QChar();
        return;
    }
    const bool enter = Key == QChar('\r');
    if (enter && !nav.AdvanceOnEnter && !IsEditable(Col(), Row())) {
        OnKeyPress(this, Key);
        Key = QChar();
        return;
    }
    const bool fromEditor = p->FEnterFromEditor;
    const bool controlCell = IsControlCell(RealCol(), Row());
    if (enter && (fromEditor || controlCell)) {
        AdvanceCell(Col(), Row(), p->EditMode, false, true, false, false);
        if (!nav.AdvanceAutoEdit || controlCell) {
            OnKeyPress(this, Key);
            if (nav.AdvanceAutoEdit && nav.AdvanceOnEnter) ShowInplaceEdit();
            Key = QChar();
            return;
        }
    }
    if (!(Options() & goEditing) && nav.AutoGotoWhenSorted) incrementalJump(*this, *p, Key);
    TBaseGrid::KeyPress(Key);
    if (Key.isNull()) return;
    if (enter && fromEditor) {
        // The platform toggles the editor when Enter goes down on the grid; Enter from the text
        // editor does it here: the editor closes, or opens on the cell the advance reached.
        if (!(Options() & goAlwaysShowEditor)) SetEditorMode(!(InplaceEditor() && InplaceEditor()->Visible()));
        Key = QChar();
        return;
    }
    // The character that starts an edit is typed into the control the edit opens.
    const bool starts = (Options() & goEditing) && !p->EditMode && (Key == QChar('\b') || Key.unicode() >= 0x20);
    if (starts) p->FStartEditChar = Key;
}
