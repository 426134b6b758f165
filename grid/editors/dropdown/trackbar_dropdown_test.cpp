#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/trackbar_dropdown.h"
#include "platform/controls/track_bar.h"
#include "platform/core/exception.h"

namespace {

class TrackBarDropDown : public DescendantFixture<TExTrackBarDropDown> {
protected:
    TrackBarDropDown() {
        dd->OnTrackChange = [this](TObject* sender) {
            EXPECT_EQ(sender, dd);
            tracked.push_back(dd->Position());
        };
    }
    std::vector<int> tracked;
};

TEST_F(TrackBarDropDown, StartsAsANumberThatIsNotTypedAndOpensWithItsTrackBar) {
    EXPECT_FALSE(dd->EditorEnabled());
    EXPECT_EQ(dd->EditType(), etNumeric);
    EXPECT_TRUE(dd->ForceShadow);
    EXPECT_FALSE(dd->DropDownHeader().Visible());
    typeChar(*dd, '7');
    EXPECT_EQ(dd->Text(), "0");

    dd->SetMax(20);
    dd->SetPosition(6);
    dd->SetFrequency(5);
    dd->SetPageSize(4);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    TTrackBar& bar = *dd->TrackBar();
    EXPECT_EQ(dd->Control(), &bar);
    EXPECT_EQ(bar.Parent(), &popup());
    EXPECT_EQ(bar.Max(), 20);
    EXPECT_EQ(bar.Position(), 6);
    EXPECT_EQ(bar.Frequency(), 5);
    EXPECT_EQ(bar.PageSize, 4);
    EXPECT_FALSE(popup().CancelOnDeActivate);

    // The user moves the track bar: the value, the edit and the event follow.
    keyPress(bar, VK_RIGHT);
    EXPECT_EQ(dd->Position(), 7);
    EXPECT_EQ(dd->Text(), "7");
    keyPress(bar, VK_END);
    EXPECT_EQ(dd->Text(), "20");
    EXPECT_EQ(tracked, (std::vector<int>{7, 20}));
    keyPress(*dd, VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Position(), 20);
}

TEST_F(TrackBarDropDown, ThePositionIsKeptWithinTheTrackBarsRange) {
    dd->SetPosition(15);
    EXPECT_EQ(dd->Position(), 10);
    dd->SetPosition(-1);
    EXPECT_EQ(dd->Position(), 0);
    // A text set from elsewhere (the grid's editor) becomes the value.
    dd->TextEditedNatively("9");
    EXPECT_EQ(dd->Position(), 9);
    try {
        dd->TextEditedNatively("x");
        FAIL() << "no conversion error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "'x' is not a valid integer value");
    }
}

TEST_F(TrackBarDropDown, UpAndDownStepByFrequencyWithinTheRange) {
    struct Case {
        int from;
        uint16_t key;
        int expected;
    } cases[] = {{10, VK_DOWN, 10}, {0, VK_UP, 0}, {5, VK_UP, 4}, {5, VK_DOWN, 6}};
    for (const Case& c : cases) {
        dd->SetPosition(c.from);
        keyPress(*dd, c.key);
        EXPECT_EQ(dd->Position(), c.expected) << c.from << " " << c.key;
        // A step shows in the edit.
        if (c.expected != c.from) {
            EXPECT_EQ(dd->Text(), QString::number(c.expected));
        }
    }
    dd->SetPosition(5);
    keyPress(*dd, VK_UP, ssAlt);  // Alt+Up opens and closes the pop-up instead
    EXPECT_EQ(dd->Position(), 5);
    dd->SetEditorEnabled(true);
    keyPress(*dd, VK_UP);
    EXPECT_EQ(dd->Position(), 5);
}

TEST_F(TrackBarDropDown, DraggingOverTheEditAddsAUnitPerPageSizeOfOneMove) {
    dd->SetPosition(3);
    mouseMessage(*dd, WM_LBUTTONDOWN, 50, 10, MK_LBUTTON);
    if (dd->DroppedDown()) dd->HideDropDown(false);  // the press also opened the pop-up
    mouseMessage(*dd, WM_MOUSEMOVE, 55, 10, MK_LBUTTON);  // 5 pixels with PageSize 2: +2
    EXPECT_EQ(dd->Position(), 5);
    for (int x = 56; x <= 60; ++x) mouseMessage(*dd, WM_MOUSEMOVE, x, 10, MK_LBUTTON);
    EXPECT_EQ(dd->Position(), 5);  // a pixel a move: nothing
    mouseMessage(*dd, WM_MOUSEMOVE, 52, 10, MK_LBUTTON);
    EXPECT_EQ(dd->Position(), 1);
    EXPECT_EQ(dd->Text(), "1");
    mouseMessage(*dd, WM_LBUTTONUP, 52, 10);
    mouseMessage(*dd, WM_MOUSEMOVE, 90, 10);
    EXPECT_EQ(dd->Position(), 1);

    // No page size: a drag changes nothing.
    dd->SetPageSize(0);
    mouseMessage(*dd, WM_LBUTTONDOWN, 50, 10, MK_LBUTTON);
    mouseMessage(*dd, WM_MOUSEMOVE, 80, 10, MK_LBUTTON);
    mouseMessage(*dd, WM_LBUTTONUP, 80, 10);
    EXPECT_EQ(dd->Position(), 1);
}

}  // namespace
