#include "grid/editors/dropdown/dropdown_edit_button.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "grid/editors/dropdown/ex_button.h"
#include "grid/editors/dropdown/ex_strips.h"
#include "platform/controls/activation.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"

#include <memory>

namespace {

class DropDownFramework : public DropDownFixture {};

TEST_F(DropDownFramework, KeysOpenAndCloseWithTheEventsInTheirOrder) {
    keyPress(*dd, VK_F4);
    ASSERT_TRUE(dd->DroppedDown());
    EXPECT_TRUE(popup().Visible());
    EXPECT_EQ(ActiveWindow(), &popup());
    keyPress(*dd, VK_F4);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(ActiveWindow(), &owner);
    EXPECT_EQ(log, (QStringList{"before drop down", "drop down", "before drop up (open)", "drop up"}));

    // Alt+Down and Alt+Up each toggle once; Enter closes keeping the value.
    keyPress(*dd, VK_DOWN, ssAlt);
    EXPECT_TRUE(dd->DroppedDown());
    keyPress(*dd, VK_UP, ssAlt);
    EXPECT_FALSE(dd->DroppedDown());
    keyPress(*dd, VK_DOWN, ssAlt);
    keyPress(*dd, VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(log.last(), "drop up");
}

TEST_F(DropDownFramework, EscapeClosesAndRestoresTheValueLastWritten) {
    dd->SetText("alpha");
    keyPress(*dd, VK_F4);
    dd->SelectAll();
    keyDown(*dd, 'X', 0, "x");
    keyUp(*dd, 'X');
    EXPECT_EQ(dd->Text(), "x");
    // Keys typed in the pop-up reach the edit.
    keyPress(popup(), VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "alpha");
    EXPECT_EQ(log.last(), "drop up cancelled");
}

TEST_F(DropDownFramework, OnDropDownMayRefuseAfterBeforeDropDownHasRun) {
    acceptDrop = false;
    keyPress(*dd, VK_F4);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_FALSE(popup().Visible());
    EXPECT_EQ(log, (QStringList{"before drop down", "drop down"}));
}

TEST_F(DropDownFramework, DisabledOrReadOnlyEditsNeverOpen) {
    dd->ReadOnly = true;
    keyPress(*dd, VK_F4);
    EXPECT_FALSE(dd->DroppedDown());
    dd->ReadOnly = false;
    dd->SetEnabled(false);
    dd->ShowDropDown();
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(DropDownFramework, TheDropButtonOpensAndAClickThatClosedThePopupDoesNotReopenIt) {
    TSpeedButton& arrow = *dd->Button()->Button();
    click(arrow, 5, 5);
    ASSERT_TRUE(dd->DroppedDown());
    // Pressing the button again activates the owner's window: the pop-up closes as cancelled
    // and the release within 250 ms leaves it closed.
    click(arrow, 5, 5);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(log.last(), "drop up cancelled");
    advance(100);
    click(arrow, 5, 5);
    EXPECT_FALSE(dd->DroppedDown());
    advance(200);
    click(arrow, 5, 5);
    EXPECT_TRUE(dd->DroppedDown());
    // Closed from the keyboard, the pop-up opens again at once.
    keyPress(*dd, VK_ESCAPE);
    click(arrow, 5, 5);
    EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(DropDownFramework, ClicksInsideThePopupKeepItOpenAndAnotherWindowClosesIt) {
    auto* panel = new TPanel(dd);
    panel->SetBounds(0, 0, 150, 60);
    dd->SetControl(panel);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    click(*panel, 5, 5);
    EXPECT_TRUE(dd->DroppedDown());

    TForm other(nullptr);
    popup().CancelOnDeActivate = false;
    const uint32_t before = popup().DeActivateTime();
    advance(40);
    click(other, 1, 1);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(log.last(), "drop up");
    EXPECT_GT(popup().DeActivateTime(), before);
}

TEST_F(DropDownFramework, WithoutTheEditorTypingDoesNothingAndAClickOpens) {
    dd->SetText("fixed");
    dd->SetEditorEnabled(false);
    keyDown(*dd, 'A', 0, "a");
    keyUp(*dd, 'A');
    EXPECT_EQ(dd->Text(), "fixed");
    click(*dd, 20, 5);
    EXPECT_TRUE(dd->DroppedDown());
    keyPress(*dd, VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    keyPress(*dd, VK_F4);
    EXPECT_TRUE(dd->DroppedDown());
    keyPress(*dd, VK_ESCAPE);
    EXPECT_EQ(log.last(), "drop up cancelled");
}

TEST_F(DropDownFramework, ReturnIsTabMovesTheFocusAndLeavesThePopupOpen) {
    auto* next = new TPanel(&owner);
    next->SetParent(&owner);
    next->TabStop = true;
    dd->ReturnIsTab = true;
    dd->ShowDropDown();
    keyPress(*dd, VK_RETURN);
    processPosted();
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_TRUE(next->Focused());
}

// ---- placement

struct Placement {
    const char* name;
    TPoint ownerAt;           // where the owner form stands; the edit is 10, 20 inside it
    TDropPosition position;
    TPoint expected;          // the pop-up's top-left on the screen
};

class DropDownPlacement : public DropDownFixture, public ::testing::WithParamInterface<Placement> {};

TEST_P(DropDownPlacement, OpensBesideTheEditOnTheScreenThatHoldsIt) {
    // A second monitor left of the primary one and a third below it.
    screen.Monitors.push_back({Rect(-1280, 0, 0, 1024), Rect(-1280, 0, 0, 984)});
    screen.Monitors.push_back({Rect(0, 768, 1024, 1536), Rect(0, 768, 1024, 1496)});
    const Placement& p = GetParam();
    owner.SetBounds(p.ownerAt.X, p.ownerAt.Y, 400, 300);
    dd->DropPosition = p.position;
    dd->SetDropDownWidth(200);
    dd->SetDropDownHeight(100);
    dd->ShowDropDown();
    EXPECT_EQ(popupAt(), p.expected) << p.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropDownPlacement,
    ::testing::Values(
        // Below, overlapping the edit's last pixel row: 120 + 21 - 1.
        Placement{"room below", {100, 100}, dpAuto, {110, 140}},
        // 670 + 100 reaches the bottom of the screen: above, ending at the edit's top.
        Placement{"flips above", {100, 650}, dpAuto, {110, 570}},
        Placement{"down when asked", {100, 650}, dpDown, {110, 690}},
        Placement{"up when asked", {100, 100}, dpUp, {110, 20}},
        // 890 + 200 passes the work area's right edge at 1024: moved back onto it.
        Placement{"shifted left", {880, 100}, dpAuto, {824, 140}},
        // Starting right of the work area, nothing moves.
        Placement{"beyond the edge", {1020, 100}, dpAuto, {1030, 140}},
        // A monitor left of the primary one keeps its pop-ups too.
        Placement{"left monitor", {-150, 100}, dpAuto, {-200, 140}},
        // The monitor below the primary one has room below the edit.
        Placement{"lower monitor", {100, 900}, dpAuto, {110, 940}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

TEST_F(DropDownFramework, WithoutMonitorsThePrimaryScreenAndTheSystemWorkAreaDecide) {
    screen.Monitors.clear();
    screen.WorkArea = Rect(0, 0, 800, 600);
    owner.SetBounds(700, 100, 400, 300);
    dd->SetDropDownWidth(200);
    dd->SetDropDownHeight(100);
    dd->ShowDropDown();
    EXPECT_EQ(popupAt(), (TPoint{600, 140}));
}

TEST_F(DropDownFramework, SizeFollowsTheStripsAndTheControlAndTheUsersSizeIsKept) {
    auto* panel = new TPanel(dd);
    panel->SetBounds(0, 0, 150, 60);
    dd->SetControl(panel);
    dd->ShowDropDown();
    // Border 1 + header 22 + control 60 + footer 22 + border 1, as wide as the control.
    EXPECT_EQ(popup().Width(), 150);
    EXPECT_EQ(popup().Height(), 106);
    EXPECT_EQ(panel->BoundsRect(), Rect(1, 23, 149, 83));
    // The user sizes the pop-up; the next opening keeps that size, above the least size.
    popup().SetBounds(popup().Left(), popup().Top(), 40, 20);
    EXPECT_EQ(popup().Width(), 80);
    EXPECT_EQ(popup().Height(), 50);
    popup().SetBounds(popup().Left(), popup().Top(), 300, 200);
    keyPress(*dd, VK_ESCAPE);
    dd->ShowDropDown();
    EXPECT_EQ(popup().Width(), 300);
    EXPECT_EQ(popup().Height(), 200);
    // A new width from code forgets the user's size.
    keyPress(*dd, VK_ESCAPE);
    dd->SetDropDownWidth(120);
    dd->ShowDropDown();
    EXPECT_EQ(popup().Width(), 120);
    EXPECT_EQ(popup().Height(), 200);
}

// ---- destruction while open

TEST_F(DropDownFramework, DestroyingTheOwnerWhileOpenIsSafe) {
    dd->DropDownFooter().GetButtons().Add()->SetCaption("OK");
    dd->OnDropUp = [this](TObject*, bool) { log << dd->Text(); };
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    auto doomed = std::make_unique<TForm>(nullptr);
    dd->SetParent(doomed.get());
    doomed.reset();
    EXPECT_EQ(ActiveWindow(), nullptr);
    EXPECT_FALSE(log.contains("drop up"));
}

TEST_F(DropDownFramework, AHandlerThatDestroysTheDropDownOnClosingIsSafe) {
    dd->OnDropUp = [this](TObject*, bool) {
        delete dd;
        dd = nullptr;
    };
    dd->ShowDropDown();
    keyDown(*dd, VK_ESCAPE);
    EXPECT_EQ(dd, nullptr);

    // The same from a footer button that closes by its modal result.
    dd = new TExCustomDropDown(&owner);
    dd->SetParent(&owner);
    TFooterButton* ok = dd->DropDownFooter().GetButtons().Add();
    ok->SetCaption("OK");
    ok->ModalResult = mrOk;
    bool clicked = false;
    dd->OnDropDownFooterButtonClick = [&](TObject*, int) { clicked = true; };
    dd->OnDropUp = [this](TObject*, bool) {
        delete dd;
        dd = nullptr;
    };
    dd->ShowDropDown();
    TExButton* button = dd->DropDownForm()->Footer()->ButtonList().ItemsEx(0);
    click(*button, 3, 3);
    EXPECT_EQ(dd, nullptr);
    EXPECT_FALSE(clicked);
}

TEST_F(DropDownFramework, AKeyPostedToADestroyedEditIsDropped) {
    dd->ReturnIsTab = true;
    keyPress(*dd, VK_RETURN);  // posts a Tab to the edit
    delete dd;
    dd = nullptr;
    TWinControl* focused = FocusedControl();
    processPosted();
    // Nothing moved the focus and nothing failed.
    EXPECT_EQ(FocusedControl(), focused);
    EXPECT_TRUE(driver().boxes().empty());
}

// ---- the rest of the edit

TEST_F(DropDownFramework, TheLabelStandsBesideTheEdit) {
    dd->SetLabelCaption("Name");
    TLabel* label = dd->Label();
    ASSERT_NE(label, nullptr);
    dd->SetLabelPosition(lpLeftTopLeft);
    EXPECT_EQ(label->Left(), 10);
    EXPECT_EQ(label->Top(), 20);
    dd->SetLabelMargin(4);
    dd->SetLabelPosition(lpTopRight);
    EXPECT_EQ(label->Left(), 10 + 200 - label->Width());
    EXPECT_EQ(label->Top(), 20 - label->Height() - 4);
    dd->SetLabelPosition(lpBottomRight);
    EXPECT_EQ(label->Top(), 20 + 21 + 4);
    int clicks = 0;
    dd->OnLabelClick = [&](TObject*) { ++clicks; };
    click(*label, 1, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(DropDownFramework, VersionAndAssign) {
    EXPECT_EQ(dd->Version(), "1.2.1.4");
    TExCustomDropDown other(nullptr);
    other.SetDropDownWidth(321);
    other.DropPosition = dpUp;
    other.Prefix = "$";
    other.SetEditType(etMoney);
    other.SetDropDownButtonWidth(21);
    other.DropDownHeader().Caption = "Pick";
    other.SetBorderColor(clRed);
    dd->Assign(other);
    EXPECT_EQ(dd->DropDownWidth(), 321);
    EXPECT_EQ(dd->DropPosition, dpUp);
    EXPECT_EQ(dd->Prefix, "$");
    EXPECT_EQ(dd->EditType(), etMoney);
    EXPECT_EQ(dd->DropDownButtonWidth(), 21);
    EXPECT_EQ(dd->DropDownHeader().Caption, "Pick");
    EXPECT_EQ(dd->BorderColor(), clNone);  // frame colours are not copied
}

}  // namespace
