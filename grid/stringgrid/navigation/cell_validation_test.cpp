#include "grid/foundation/cell_checker.h"
#include "grid/foundation/grid_undo.h"
#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/navigation/invalid_entry_balloon.h"
#include "platform/core/exception.h"

#include <QRegularExpression>

namespace {

// Edits end with Enter in the text editor; the validation and change events go to the log.
class CellValidation : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        grid->OnCellValidate = [this](TObject*, int ACol, int ARow, QString& Value, bool& Valid) {
            log << QStringLiteral("Validate %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
            if (validate) validate(Value, Valid);
        };
        grid->OnCellsChanged = [this](TObject*, TRect R) { note("CellsChanged", R.Left, R.Top); };
    }

    void edit(int ACol, int ARow, const QString& Typed) {
        grid->SetCol(ACol);
        grid->SetRow(ARow);
        keyPress(*grid, VK_F2);
        ASSERT_TRUE(textEditorOpen());
        for (QChar ch : Typed) typeChar(focused(), ch);
    }
    void editAndEnter(int ACol, int ARow, const QString& Typed) {
        edit(ACol, ARow, Typed);
        keyPress(focused(), VK_RETURN);
    }

    std::function<void(QString&, bool&)> validate;
};

TEST_F(CellValidation, AnAcceptedEditRunsItsEventsInOrder) {
    grid->OnEditingDone = [this](TObject*) { log << "EditingDone " + grid->Cells(2, 3); };
    editAndEnter(2, 3, "x");
    processPosted();
    EXPECT_EQ(log.filter(QRegularExpression("Validate|Changed|Done")),
              QStringList({"Validate 2,3 2:3x", "CellsChanged 2,3", "EditingDone 2:3x", "EditCellDone 2,3"}));
    EXPECT_EQ(grid->Cells(2, 3), "2:3x");
    EXPECT_TRUE(grid->Modified);
}

TEST_F(CellValidation, AnAcceptedReplacementIsWhatTheCellKeeps) {
    validate = [](QString& Value, bool&) { Value = Value.trimmed(); };
    editAndEnter(2, 3, "  ");
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    editAndEnter(2, 3, "y ");
    EXPECT_EQ(grid->Cells(2, 3), "2:3y");
}

TEST_F(CellValidation, AnUnchangedValueIsValidatedOnlyWithAlwaysValidate) {
    editAndEnter(2, 3, "");
    EXPECT_TRUE(log.filter("Validate").isEmpty());

    grid->AlwaysValidate = true;
    editAndEnter(2, 3, "");
    EXPECT_EQ(log.filter(QRegularExpression("Validate|Changed")), QStringList{"Validate 2,3 2:3"});
    EXPECT_FALSE(grid->Modified);
}

TEST_F(CellValidation, ARefusedValueReopensTheEditorOnItsCell) {
    struct Case {
        const char* name;
        std::function<void(QString&, bool&)> validate;
        QString cell;    // the cell once refused
        QString editor;  // what the reopened editor shows
    };
    const Case cases[] = {
        {"refused as typed", [](QString&, bool& Valid) { Valid = false; }, "2:3", "2:3x"},
        {"refused with a replacement", [](QString& Value, bool& Valid) { Value = "fixed"; Valid = false; },
         "fixed", "fixed"},
    };
    for (const Case& c : cases) {
        grid->Navigation().AdvanceOnEnter = true;
        validate = c.validate;
        editAndEnter(2, 3, "x");
        EXPECT_EQ(grid->Cells(2, 3), c.cell) << c.name;
        EXPECT_EQ(grid->Col(), 2) << c.name;
        EXPECT_EQ(grid->Row(), 3) << c.name;
        ASSERT_TRUE(textEditorOpen()) << c.name;
        EXPECT_TRUE(textEditor()->Focused()) << c.name;
        EXPECT_EQ(textEditor()->Text(), c.editor) << c.name;
        EXPECT_FALSE(grid->Private().FLastValidation) << c.name;
        EXPECT_FALSE(grid->Modified) << c.name;
        // Nothing typed is lost: accepting it now commits what the editor shows.
        validate = nullptr;
        keyPress(focused(), VK_RETURN);
        EXPECT_EQ(grid->Cells(2, 3), c.editor) << c.name;
        EXPECT_EQ(grid->Col(), 3) << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(CellValidation, ARefusedControlEditIsNotLeft) {
    editorOf[{2, 3}] = edComboEdit;
    validate = [](QString& Value, bool& Valid) { Valid = Value != "bad"; };
    grid->SetCol(2);
    grid->SetRow(3);
    keyPress(*grid, VK_F2);
    TGridCombo& combo = *grid->Combobox();
    ASSERT_TRUE(combo.Focused());
    combo.SetText("bad");
    // The click on another cell commits the combo and asks for the move, which is refused.
    clickCell(4, 5);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    EXPECT_TRUE(combo.Visible());
}

// Records the balloon tips a control is asked to show.
struct BalloonRecorder {
    explicit BalloonRecorder(TWinControl& Control) : control(Control) {
        control.WindowProc = [this](TMessage& m) {
            if (m.Msg == EM_SHOWBALLOONTIP) {
                const auto* tip = reinterpret_cast<const TEditBalloonTip*>(m.LParam);
                tips << QStringLiteral("%1 %2|%3|%4").arg(tip->cbStruct).arg(tip->Title, tip->Text).arg(tip->Icon);
            }
            control.WndProc(m);
        };
    }
    ~BalloonRecorder() { control.WindowProc = nullptr; }
    TWinControl& control;
    QStringList tips;
};

TEST_F(CellValidation, ARefusalShowsTheInvalidEntryBalloonOnTheEditor) {
    validate = [](QString&, bool& Valid) { Valid = false; };
    editAndEnter(1, 1, "");  // the text editor is made
    grid->InvalidEntryTitle = "Wrong";
    grid->InvalidEntryText = "Digits only";
    grid->InvalidEntryIcon = ieError;
    BalloonRecorder text(*textEditor());
    edit(2, 3, "x");
    keyPress(focused(), VK_RETURN);
    EXPECT_EQ(text.tips, QStringList{"16 Wrong|Digits only|3"});

    // The icon is passed on as it is; no title and no text show nothing.
    grid->InvalidEntryIcon = ieNone;
    keyPress(focused(), VK_RETURN);
    EXPECT_EQ(text.tips.last(), "16 Wrong|Digits only|0");
    grid->InvalidEntryTitle.clear();
    grid->InvalidEntryText.clear();
    keyPress(focused(), VK_RETURN);
    EXPECT_EQ(text.tips.size(), 2);
}

TEST_F(CellValidation, TheBalloonGoesToAnEditableComboButNotToADropDownList) {
    grid->InvalidEntryTitle = "Wrong";
    validate = [](QString&, bool& Valid) { Valid = false; };
    for (const TEditorType kind : {edComboEdit, edComboList}) {
        editorOf[{2, 3}] = kind;
        grid->ClearComboString();
        grid->AddComboString("one");
        grid->AddComboString("two");
        {
            BalloonRecorder combo(*grid->Combobox());
            grid->SetCol(2);
            grid->SetRow(3);
            keyPress(*grid, VK_F2);
            grid->Combobox()->SetItemIndex(1);
            grid->Combobox()->SetText("two");
            clickCell(4, 5);
            EXPECT_EQ(combo.tips.size(), kind == edComboEdit ? 1 : 0) << kind;
        }
        TearDown();
        SetUp();
        grid->InvalidEntryTitle = "Wrong";
        validate = [](QString&, bool& Valid) { Valid = false; };
    }
}

TEST_F(CellValidation, AnEditMarksItsRowOnlyWhenTheValueChanges) {
    grid->SetFixedCols(1);
    editAndEnter(2, 3, "x");
    EXPECT_TRUE(grid->RowModified(3));
    EXPECT_FALSE(grid->RowModified(4));

    grid->Modified = false;
    grid->AlwaysValidate = true;
    editAndEnter(2, 4, "");
    EXPECT_FALSE(grid->RowModified(4));
    EXPECT_FALSE(grid->Modified);
}

TEST_F(CellValidation, CheckerAndUndoSeeTheAcceptedValue) {
    struct Checker : TExStringGridCheck {
        using TExStringGridCheck::TExStringGridCheck;
        QString Correct(int, int, const QString& s) override { return s.toUpper(); }
    };
    Checker checker(nullptr);
    checker.AutoCorrect = true;
    grid->SetCellChecker(&checker);
    TExGridUndoRedo undo(nullptr);
    grid->SetUndoRedo(&undo);
    editAndEnter(2, 3, "x");
    EXPECT_EQ(log.filter("Validate"), QStringList{"Validate 2,3 2:3X"});
    EXPECT_EQ(grid->Cells(2, 3), "2:3X");
    ASSERT_TRUE(undo.CanUndo());
    undo.Undo();
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    grid->SetUndoRedo(nullptr);
    grid->SetCellChecker(nullptr);
}

TEST_F(CellValidation, AnExceptionInTheHandlerLeavesNoValidationRunning) {
    validate = [](QString&, bool&) { throw Exception("handler failed"); };
    edit(2, 3, "x");
    TExStringGridPrivate& p = grid->Private();
    EXPECT_THROW(grid->ValidateCell("2:3x"), Exception);
    EXPECT_FALSE(p.FValidating);
    EXPECT_EQ(p.FOldCol, 2);
    EXPECT_EQ(p.FOldRow, 3);
}

TEST_F(CellValidation, WideCellsAreValidatedWithTheirOwnEvent) {
    QStringList wide;
    grid->OnCellValidateWide = [&](TObject*, int ACol, int ARow, QString& Value, bool& Valid) {
        wide << QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(Value);
        Valid = Value != "no";
    };
    edit(2, 3, "");
    EXPECT_TRUE(grid->ValidateCellWide("yes"));
    EXPECT_EQ(grid->Cells(2, 3), "yes");
    EXPECT_EQ(log.filter("CellsChanged"), QStringList{"CellsChanged 2,3"});

    grid->Private().FEditing = true;
    EXPECT_FALSE(grid->ValidateCellWide("no"));
    EXPECT_EQ(grid->Cells(2, 3), "yes");
    EXPECT_EQ(wide, QStringList({"2,3 yes", "2,3 no"}));
    EXPECT_TRUE(log.filter("Validate").isEmpty());
}

}  // namespace
