#include "grid/stringgrid/inplace/edit_link.h"

#include "grid/stringgrid/inplace/inplace_test_fixture.h"
#include "platform/controls/application.h"
#include "platform/controls/mask_edit.h"

namespace {

// A link that puts an edit of its own into the cell, as an application's custom editor would.
class TTestLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    ~TTestLink() override { delete edit; }

    void CreateEditor(TWinControl* AParent) override {
        if (!edit) {
            edit = new TCustomMaskEdit(nullptr);
            edit->OnKeyDown = [this](TObject* Sender, uint16_t& Key, TShiftState Shift) {
                EditKeyDown(Sender, Key, Shift);
            };
            edit->FreeNotification(this);
            ++created;
        }
        edit->SetParent(AParent);
    }
    void DestroyEditor() override {
        delete edit;
        edit = nullptr;
        ++destroyed;
    }
    TWinControl* GetEditControl() override { return edit; }
    QString GetEditorValue() override { return edit ? edit->Text() : QString(); }
    void SetEditorValue(const QString& s) override {
        if (edit) edit->SetText(s);
    }

    void Notification(TComponent* AComponent, TOperation Operation) override {
        TEditLink::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == edit) edit = nullptr;
    }

    TCustomMaskEdit* edit = nullptr;
    int created = 0;
    int destroyed = 0;
};

class EditLinkTest : public InplaceFixture {
protected:
    void TearDown() override {
        link.reset();
        InplaceFixture::TearDown();
    }

    void show(int ACol, int ARow) {
        beginEdit(edCustom, ACol, ARow);
        grid->EditLink = link.get();
        link->ShowInGrid(*grid, ACol, ARow, clYellow, grid->Font(), QChar());
    }

    std::unique_ptr<TTestLink> link = std::make_unique<TTestLink>(nullptr);
};

TRect lessLines(TRect r, int line) { return {r.Left, r.Top, r.Right - line, r.Bottom - line}; }

TEST_F(EditLinkTest, InPlaceEditorIsCreatedPlacedLoadedFocusedAndFollowsItsCell) {
    int propsAsked = 0;
    grid->OnGetEditorProp = [&](TObject*, int ACol, int ARow, TEditLink* L) {
        EXPECT_EQ(L, link.get());
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, 3);
        ++propsAsked;
    };
    show(2, 3);
    ASSERT_NE(link->edit, nullptr);
    EXPECT_EQ(link->Grid(), grid);
    EXPECT_EQ(link->EditCell(), (TPoint{2, 3}));
    EXPECT_EQ(link->edit->Parent(), grid);
    EXPECT_EQ(link->edit->BoundsRect(), lessLines(grid->CellRect(2, 3), grid->GridLineWidth()));
    EXPECT_EQ(link->edit->Text(), "2:3");
    EXPECT_TRUE(link->edit->Focused());
    EXPECT_TRUE(link->SubClassed());
    EXPECT_EQ(propsAsked, 1);

    // The grid scrolls: the editor goes with its cell.
    grid->SetColWidths(1, 90);
    link->PlaceOnCell();
    EXPECT_EQ(link->edit->BoundsRect(), lessLines(grid->CellRect(2, 3), grid->GridLineWidth()));

    link->edit->SetText("new");
    link->HideInGrid();
    EXPECT_EQ(grid->Cells(2, 3), "new");
    EXPECT_FALSE(link->edit->Visible());
    EXPECT_FALSE(link->SubClassed());
    EXPECT_FALSE(state().EditMode);

    // A second edit reuses the control the link made.
    grid->OnGetEditorProp = {};
    show(4, 5);
    EXPECT_EQ(link->created, 1);
    EXPECT_EQ(link->edit->Text(), "4:5");
}

TEST_F(EditLinkTest, AFreedLinkIsNoLongerTheGridsLink) {
    show(2, 3);
    link->HideInGrid();
    link.reset();
    EXPECT_EQ(grid->EditLink, nullptr);
}

TEST_F(EditLinkTest, ALinkOutlivesTheGridThatShowedIt) {
    show(2, 3);
    link->HideInGrid();
    delete form;
    form = nullptr;
    EXPECT_EQ(link->Grid(), nullptr);
}

TEST_F(EditLinkTest, StartingCharacterIsPostedToTheEditor) {
    beginEdit(edCustom, 2, 3);
    link->ShowInGrid(*grid, 2, 3, clWhite, grid->Font(), QChar('x'));
    link->edit->SelectAll();
    processPosted();
    EXPECT_EQ(link->edit->Text(), "x");
}

TEST_F(EditLinkTest, WhileSubclassedTheEditorClaimsTabFromTheDialogWithGoTabs) {
    show(2, 3);
    EXPECT_EQ(link->edit->Perform(WM_GETDLGCODE, VK_TAB) & DLGC_WANTTAB, 0);
    grid->SetOptions(grid->Options() | goTabs);
    EXPECT_NE(link->edit->Perform(WM_GETDLGCODE, VK_TAB) & DLGC_WANTTAB, 0);
    link->RestoreWinProc();
    EXPECT_EQ(link->edit->Perform(WM_GETDLGCODE, VK_TAB) & DLGC_WANTTAB, 0);
}

// Whether the key left the editor: it then closed the edit and gave the grid the focus.
struct KeyRuleCase {
    const char* name;
    uint16_t key;
    TShiftState shift;
    void (*want)(TEditLink&);
    bool leaves;
};

TEST_F(EditLinkTest, KeyRuleDecidesWhichKeysLeaveTheEditor) {
    const KeyRuleCase cases[] = {
        {"Left", VK_LEFT, 0, nullptr, true},
        {"Down", VK_DOWN, 0, nullptr, true},
        {"PageUp", VK_PRIOR, 0, nullptr, true},
        {"End", VK_END, 0, nullptr, true},
        {"Home never leaves", VK_HOME, 0, nullptr, false},
        {"a letter", 'A', 0, nullptr, false},
        {"Alt with any key", 'A', ssAlt, nullptr, true},
        {"Alt+Up wanted", VK_UP, ssAlt, [](TEditLink& l) { l.WantKeyUpDown = true; }, false},
        {"End wanted", VK_END, 0, [](TEditLink& l) { l.WantKeyHomeEnd = true; }, false},
        {"Right wanted", VK_RIGHT, 0, [](TEditLink& l) { l.WantKeyLeftRight = true; }, false},
        {"PageDown wanted", VK_NEXT, 0, [](TEditLink& l) { l.WantKeyPriorNext = true; }, false},
        {"Enter wanted", VK_RETURN, 0, [](TEditLink& l) { l.WantKeyReturn = true; }, false},
        {"Escape wanted", VK_ESCAPE, 0, [](TEditLink& l) { l.WantKeyEscape = true; }, false},
        {"Tab wanted", VK_TAB, 0, [](TEditLink& l) { l.WantTabs = true; }, false},
        {"WantReturns plays no part", VK_RETURN, 0, [](TEditLink& l) { l.WantReturns = true; }, true},
    };
    for (const KeyRuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        link = std::make_unique<TTestLink>(nullptr);
        if (c.want) c.want(*link);
        show(2, 3);
        uint16_t key = c.key;
        link->EditKeyDown(link->edit, key, c.shift);
        EXPECT_EQ(grid->Focused(), c.leaves);
        EXPECT_EQ(state().EditMode, !c.leaves);
    }
}

TEST_F(EditLinkTest, TabToNextAtEndCommitsMovesOnAndAsksForTheNextEditor) {
    grid->Navigation().TabToNextAtEnd = true;
    int f2 = 0;
    grid->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { f2 += Key == VK_F2; };
    show(2, 3);
    link->edit->SetText("tabbed");
    uint16_t key = VK_TAB;
    link->EditKeyDown(link->edit, key, 0);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(grid->Cells(2, 3), "tabbed");
    EXPECT_EQ(grid->Col(), 3);
    processPosted();
    EXPECT_EQ(f2, 1);
}

TEST_F(EditLinkTest, EscapeRestoresTheCellTextFromTheStartOfTheEditAndStays) {
    show(2, 3);
    link->edit->SetText("typed");
    keyDown(*link->edit, VK_ESCAPE);
    EXPECT_EQ(grid->Cells(2, 3), "2:3");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_TRUE(grid->Focused());
}

TEST_F(EditLinkTest, EnterCommitsAndMovesOnlyWithAdvanceOnEnter) {
    show(2, 3);
    link->edit->SetText("one");
    keyDown(*link->edit, VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 3), "one");
    EXPECT_EQ(grid->Col(), 2);

    grid->Navigation().AdvanceOnEnter = true;
    show(2, 3);
    link->edit->SetText("two");
    keyDown(*link->edit, VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 3), "two");
    EXPECT_EQ(grid->Col(), 3);
}

TEST_F(EditLinkTest, RefusedCommitReopensTheEditorOnTheSameCell) {
    grid->OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) { Valid = Value != "bad"; };
    // The editor that opens again is the one the cell asks for.
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edCustom; };
    show(2, 3);
    link->edit->SetText("bad");
    uint16_t key = VK_DOWN;
    link->EditKeyDown(link->edit, key, 0);
    EXPECT_TRUE(state().FLastValidation);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_TRUE(link->edit->Visible());
    EXPECT_TRUE(link->edit->Focused());
}

TEST_F(EditLinkTest, ArrowKeyCommitsMovesTheCurrentCellAndDisablesTheEditor) {
    show(2, 3);
    link->edit->SetText("moved");
    keyDown(*link->edit, VK_DOWN);
    EXPECT_EQ(grid->Cells(2, 3), "moved");
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_FALSE(link->edit->Enabled());
}

class PopupLinkTest : public EditLinkTest {
protected:
    void SetUp() override {
        EditLinkTest::SetUp();
        link->EditStyle = esPopup;
        link->PopupWidth = 150;
        link->PopupHeight = 60;
    }
};

TEST_F(PopupLinkTest, PopupFormStandsAtTheCellAndHoldsTheEditor) {
    link->PopupTop = 300;  // PopupLeft stays -1: the cell decides
    show(2, 3);
    TEditLinkPopupForm* form = link->PopupForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Name, "gridform");
    EXPECT_EQ(form->Owner(), Application);
    const TRect cell = grid->CellRect(2, 3);
    EXPECT_EQ((TPoint{form->Left(), form->Top()}), grid->ClientToScreen(TPoint{cell.Left, cell.Top}));
    EXPECT_EQ(form->Width(), 150);
    EXPECT_EQ(form->Height(), 60);
    EXPECT_EQ(link->edit->Parent(), form);
    EXPECT_EQ(link->edit->BoundsRect(), lessLines(TRect{0, 0, 150, 60}, grid->GridLineWidth()));

    link->PopupLeft = 40;
    show(2, 3);
    EXPECT_EQ((TPoint{form->Left(), form->Top()}), (TPoint{40, 300}));
}

TEST_F(PopupLinkTest, LeavingByKeyCommitsDestroysTheEditorAndHidesTheFormForReuse) {
    show(2, 3);
    TEditLinkPopupForm* form = link->PopupForm();
    link->edit->SetText("popped");
    keyDown(*link->edit, VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 3), "popped");
    EXPECT_FALSE(form->Visible());
    // The editor goes once its own key handling is over.
    processPosted();
    EXPECT_EQ(link->edit, nullptr);
    EXPECT_EQ(link->destroyed, 1);

    show(3, 3);
    EXPECT_EQ(link->PopupForm(), form);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(link->edit->Text(), "3:3");
}

TEST_F(PopupLinkTest, AnArrowKeyLeavesWithoutFreeingTheEditorUnderItsOwnKeyHandling) {
    show(2, 3);
    link->edit->SetText("down");
    keyDown(*link->edit, VK_DOWN);
    processPosted();
    EXPECT_EQ(grid->Cells(2, 3), "down");
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(link->edit, nullptr);
}

TEST_F(PopupLinkTest, AnEditorShownAgainBeforeTheDeferredExitStays) {
    show(2, 3);
    keyDown(*link->edit, VK_ESCAPE);
    show(3, 3);
    processPosted();
    ASSERT_NE(link->edit, nullptr);
    EXPECT_EQ(link->destroyed, 0);
    EXPECT_EQ(link->edit->Text(), "3:3");
}

TEST_F(PopupLinkTest, AutoPopupWidthFollowsTheCell) {
    link->AutoPopupWidth = true;
    grid->SetColWidths(2, 111);
    show(2, 3);
    EXPECT_EQ(link->PopupWidth, 111);
    EXPECT_EQ(link->PopupForm()->Width(), 111);
}

TEST_F(PopupLinkTest, ClickingElsewhereCommitsThroughTheFormsDeactivation) {
    show(2, 3);
    link->edit->SetText("away");
    link->PopupForm()->Perform(WM_ACTIVATE, WA_INACTIVE);
    EXPECT_EQ(grid->Cells(2, 3), "away");
    EXPECT_TRUE(state().InvokedFocusChange);
    EXPECT_FALSE(link->PopupForm()->Visible());
}

TEST_F(PopupLinkTest, AnotherGridsPopupFormIsFreedBeforeANewOneIsMade) {
    show(2, 3);
    TEditLinkPopupForm* first = link->PopupForm();
    TTestLink other(nullptr);
    other.EditStyle = esPopup;
    other.PopupWidth = 80;
    other.PopupHeight = 20;
    other.ShowInGrid(*grid, 4, 4, clWhite, grid->Font(), QChar());
    EXPECT_NE(other.PopupForm(), nullptr);
    EXPECT_EQ(Application->FindComponent("gridform"), other.PopupForm());
    // The first link heard that its form went and makes a new one next time.
    EXPECT_EQ(link->PopupForm(), nullptr);
    (void)first;
    delete other.PopupForm();
}

}  // namespace
