#include "grid/stringgrid/inplace/ex_inplace_edit.h"

#include "grid/stringgrid/inplace/inplace_test_fixture.h"
#include "platform/controls/edit.h"
#include "platform/controls/message_beep.h"
#include "grid/stringgrid/inplace/held_clipboard.h"
#include "platform/system/regional.h"

namespace {

class TextEditorTest : public InplaceFixture {
protected:
    void SetUp() override {
        InplaceFixture::SetUp();
        SetClipboard(&clipboard);
        savedFormat = FormatSettings;
        FormatSettings.DecimalSeparator = QChar('.');
        FormatSettings.ThousandSeparator = QChar(',');
    }
    void TearDown() override {
        SetClipboard(nullptr);
        FormatSettings = savedFormat;
        InplaceFixture::TearDown();
    }

    // Opens the text editor of the kind on the cell, loaded with Text, caret at the end.
    TExInplaceEdit& open(TEditorType Kind, int ACol = 2, int ARow = 3, const QString& Text = QString()) {
        // Stepping off the cell first closes an edit still open.
        grid->SetRow(ARow == 1 ? 2 : 1);
        if (!Text.isNull()) grid->SetCells(ACol, ARow, Text);
        grid->SetCol(ACol);
        grid->SetRow(ARow);
        grid->OnGetEditorType = [Kind](TObject*, int, int, TEditorType& AEditor) { AEditor = Kind; };
        state().EditControl = Kind;
        grid->SetFocus();
        grid->ShowEditor();
        TExInplaceEdit& edit = *grid->NormalEdit();
        edit.SetSelStart(static_cast<int>(edit.Text().size()));
        return edit;
    }

    static void type(TExInplaceEdit& edit, const QString& text) {
        for (QChar ch : text) typeChar(edit, ch);
    }

    HeldClipboard clipboard;
    TFormatSettings savedFormat;
};

TEST_F(TextEditorTest, EditorIsPlacedOnTheCellAndLoadedWithItsText) {
    TExInplaceEdit& edit = open(edNormal, 2, 3);
    const TRect cell = grid->CellRect(2, 3);
    EXPECT_EQ(edit.BoundsRect(), (TRect{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}));
    EXPECT_EQ(edit.Text(), "2:3");
    EXPECT_TRUE(edit.Focused());
    grid->SetColWidths(1, 120);
    edit.BoundsChanged();
    EXPECT_EQ(edit.Left(), grid->CellRect(2, 3).Left);
}

TEST_F(TextEditorTest, PasswordCellsHideTheirCharactersOnlyWhileTheyAreEdited) {
    grid->PasswordChar = QChar('#');
    EXPECT_EQ(open(edPassword).PasswordChar(), QChar('#'));
    EXPECT_TRUE(open(edNormal, 3, 4).PasswordChar().isNull());
}

TEST_F(TextEditorTest, TabWithGoTabsValidatesAndMovesOnBothWays) {
    grid->SetOptions(grid->Options() | goTabs);
    grid->AlwaysValidate = true;
    int validations = 0;
    grid->OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++validations; };
    keyDown(open(edNormal, 2, 3), VK_TAB);
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(grid->Col(), 3);
    keyDown(open(edNormal, 2, 3), VK_TAB, ssShift);
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(TextEditorTest, TypingThroughTheEditorFiltersByKindAndBeepsForRefusedCharacters) {
    struct Case {
        const char* name;
        TEditorType kind;
        QString typed;
        QString result;
        int beeps;
    };
    const Case cases[] = {
        {"numeric", edNumeric, "-1-2a3", "-123", 2},
        {"positive float", edPositiveFloat, "-1.2.5", "1.25", 0},
        {"float", edFloat, "1,5-", "15", 1},
        {"upper case", edUpperCase, "abc", "ABC", 0},
        {"lower case", edLowerCase, "AbC", "abc", 0},
        {"valid chars", edValidChars, "abxc", "abc", 1},
    };
    grid->ValidChars = "abc";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TExInplaceEdit& edit = open(c.kind, 2, 3, "");
        const int before = BeepCount();
        type(edit, c.typed);
        EXPECT_EQ(edit.Text(), c.result);
        EXPECT_EQ(BeepCount() - before, c.beeps);
    }
}

TEST_F(TextEditorTest, KeypadDecimalTypesTheRegionalSeparator) {
    FormatSettings.DecimalSeparator = QChar(',');
    FormatSettings.ThousandSeparator = QChar('.');
    grid->ExcelStyleDecimalSeparator = true;
    TExInplaceEdit& edit = open(edFloat, 2, 3, "1");
    keyDown(edit, VK_DECIMAL, 0, ".");
    EXPECT_EQ(edit.Text(), "1,");
    // The main keyboard's point is the thousand separator here: never typed.
    keyDown(edit, VK_OEM_PERIOD, 0, ".");
    EXPECT_EQ(edit.Text(), "1,");
}

TEST_F(TextEditorTest, MixedCaseRewritesTheTextAndKeepsTheCaretAfterTheTypedCharacter) {
    TExInplaceEdit& edit = open(edMixedCase, 2, 3, "ab cd");
    edit.SetSelStart(3);
    typeChar(edit, QChar('x'));
    EXPECT_EQ(edit.Text(), "Ab Xcd");
    EXPECT_EQ(edit.SelStart(), 4);
}

TEST_F(TextEditorTest, LengthLimitStopsTypingButNotBackspaceOrReplacing) {
    grid->SetMaxEditLength(5);
    TExInplaceEdit& edit = open(edNormal, 2, 3, "abcde");
    edit.Perform(WM_SETFOCUS);
    edit.SetSelStart(5);
    typeChar(edit, QChar('f'));
    EXPECT_EQ(edit.Text(), "abcde");
    typeChar(edit, QChar(8));
    EXPECT_EQ(edit.Text(), "abcd");
    typeChar(edit, QChar('e'));
    edit.SetSelStart(1);
    edit.SetSelLength(1);
    typeChar(edit, QChar('X'));
    EXPECT_EQ(edit.Text(), "aXcde");
}

TEST_F(TextEditorTest, CtrlAAndAChangeEventFromTheEditorOnly) {
    QStringList changes;
    grid->OnEditChange = [&](TObject* Sender, int ACol, int ARow, QString Value) {
        EXPECT_EQ(Sender, grid);
        changes << QStringLiteral("%1,%2:%3").arg(ACol).arg(ARow).arg(Value);
    };
    TExInplaceEdit& edit = open(edNormal, 2, 3, "ab");
    EXPECT_TRUE(changes.isEmpty());
    typeChar(edit, QChar('c'));
    EXPECT_EQ(changes, QStringList{"2,3:abc"});
    keyDown(edit, 'A', ssCtrl);
    EXPECT_EQ(edit.SelLength(), 3);
}

TEST_F(TextEditorTest, PasteFollowsTheKindTheLimitAndTheEvents) {
    TExInplaceEdit& edit = open(edNumeric, 2, 3, "12");
    clipboard.text = "3-4";
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "12");

    clipboard.text = "34\r\n";
    QString after;
    grid->OnClipboardAfterPasteCell = [&](TObject*, int, int, QString Value) { after = Value; };
    edit.SetSelStart(1);
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "1342");
    EXPECT_EQ(edit.SelStart(), 3);
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_EQ(after, "1342");
    EXPECT_EQ(grid->Cells(2, 3), "1342");

    // A selection is replaced and the pasted text selected.
    clipboard.text = "9";
    edit.SetSelStart(0);
    edit.SetSelLength(2);
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "942");
    EXPECT_EQ(edit.SelStart(), 0);
    EXPECT_EQ(edit.SelLength(), 1);

    grid->OnClipboardPaste = [](TObject*, bool& Allow) { Allow = false; };
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "942");
}

TEST_F(TextEditorTest, ThousandSeparatorIsNeverTypedButMayBePasted) {
    TExInplaceEdit& edit = open(edFloat, 2, 3, "1");
    typeChar(edit, QChar(','));
    EXPECT_EQ(edit.Text(), "1");
    edit.SelectAll();
    clipboard.text = "1,234.5";
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "1,234.5");
}

TEST_F(TextEditorTest, PasteKeepsEarlierLineBreaksAndRespectsTheLengthLimit) {
    TExInplaceEdit& edit = open(edNormal, 2, 3, "");
    clipboard.text = "a\r\nb\r\n";
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), "a\r\nb\r\n");

    grid->SetMaxEditLength(4);
    TExInplaceEdit& limited = open(edNormal, 2, 3, "abc");
    limited.Perform(WM_SETFOCUS);
    limited.SetSelStart(3);
    clipboard.text = "de";
    limited.Perform(WM_PASTE);
    EXPECT_EQ(limited.Text(), "abc");
}

TEST_F(TextEditorTest, ClipboardEventsMayRefuseCopyAndCut) {
    TExInplaceEdit& edit = open(edNormal, 2, 3, "abc");
    edit.SelectAll();
    grid->OnClipboardCut = [](TObject*, bool& Allow) { Allow = false; };
    edit.Perform(WM_CUT);
    EXPECT_EQ(edit.Text(), "abc");
    edit.Perform(WM_COPY);
    EXPECT_EQ(clipboard.text, "abc");
}

TEST_F(TextEditorTest, LookupCompletesTypedTextAndBackspaceDoesNotCompleteAgain) {
    grid->Lookup = true;
    grid->LookupItems().Add("banana");
    grid->LookupItems().Add("Apple");
    TExInplaceEdit& edit = open(edNormal, 2, 3, "");
    keyPress(edit, 'A', 0);
    keyDown(edit, 'A', 0, "a");
    keyUp(edit, 'A', 0);
    EXPECT_EQ(edit.Text(), "apple");
    EXPECT_EQ(edit.SelStart(), 1);
    EXPECT_EQ(edit.SelLength(), 4);
    keyDown(edit, VK_BACK, 0, "\b");
    keyUp(edit, VK_BACK, 0);
    EXPECT_EQ(edit.Text(), "a");
    EXPECT_EQ(edit.SelLength(), 0);
}

TEST_F(TextEditorTest, EscapeTakesBackTheTextOfTheStartOfTheEdit) {
    TExInplaceEdit& edit = open(edNormal, 2, 3);
    type(edit, "xyz");
    keyDown(edit, VK_ESCAPE);
    EXPECT_EQ(edit.Text(), "2:3");
}

TEST_F(TextEditorTest, RefusedValidationKeepsTheEditorOpenWithTheValidatorsText) {
    grid->OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) {
        Valid = false;
        Value = "fixed";
    };
    TExInplaceEdit& edit = open(edNormal, 2, 3);
    type(edit, "bad");
    keyDown(edit, VK_RETURN, 0, "\r");
    EXPECT_EQ(edit.Text(), "fixed");
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_TRUE(edit.Focused());
}

TEST_F(TextEditorTest, UpLeavesOnlyFromTheFirstLine) {
    grid->Multilinecells = true;
    grid->AlwaysValidate = true;
    int validations = 0;
    grid->OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++validations; };
    TExInplaceEdit& edit = open(edNormal, 2, 3, "one\r\ntwo");
    keyDown(edit, VK_UP);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(validations, 0);
    EXPECT_EQ(edit.SelStart(), 3);
    keyDown(edit, VK_UP);
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(TextEditorTest, CursorWalkMovesToTheNeighbourCellOnKeyUp) {
    grid->Navigation().CursorWalkEditor = true;
    TExInplaceEdit& edit = open(edNormal, 2, 3);
    edit.SetSelStart(0);
    keyPress(edit, VK_LEFT);
    EXPECT_EQ(grid->Col(), 1);
    // The walk opens the editor on the reached cell.
    EXPECT_EQ(grid->NormalEdit()->Text(), "1:3");

    TExInplaceEdit& again = open(edNormal, 2, 3);
    keyPress(again, VK_RIGHT);
    EXPECT_EQ(grid->Col(), 3);

    grid->Navigation().CursorWalkEditor = false;
    TExInplaceEdit& still = open(edNormal, 2, 3);
    still.SetSelStart(0);
    keyPress(still, VK_LEFT);
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(TextEditorTest, ShiftLeftAtTheStartCommitsAndLeavesTheFocusOnTheGrid) {
    grid->Navigation().CursorWalkEditor = true;
    TExInplaceEdit& edit = open(edNormal, 2, 3, "");
    type(edit, "new");
    edit.SetSelStart(0);
    keyDown(edit, VK_LEFT, ssShift);
    EXPECT_EQ(grid->Cells(2, 3), "new");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_TRUE(grid->Focused());
}

TEST_F(TextEditorTest, LosingTheFocusValidatesAndEndsTheEdit) {
    auto* other = new TEdit(form);
    other->SetParent(form);
    QStringList events;
    grid->OnCellValidate = [&](TObject*, int, int, QString& Value, bool&) { events << "validate " + Value; };
    grid->OnEditingDone = [&](TObject*) { events << "done"; };
    grid->LookupHistory = true;
    TExInplaceEdit& edit = open(edNormal, 2, 3);
    type(edit, "!");
    other->SetFocus();
    EXPECT_EQ(events, (QStringList{"validate 2:3!", "done"}));
    EXPECT_EQ(grid->Cells(2, 3), "2:3!");
    EXPECT_GE(grid->LookupItems().IndexOf("2:3!"), 0);
    EXPECT_FALSE(state().EditMode);
}

}  // namespace
