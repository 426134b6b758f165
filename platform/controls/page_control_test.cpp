#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/page_control.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class PageControlTest : public ::testing::Test {
protected:
    PageControlTest() {
        pages = new TPageControl(&form);
        pages->SetParent(&form);
        pages->SetBounds(0, 0, 300, 200);
        for (const char* caption : {"Language", "Connection", "Settings"}) {
            auto* sheet = new TTabSheet(&form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
            sheets.push_back(sheet);
        }
    }
    std::vector<bool> shown() const {
        std::vector<bool> v;
        for (TTabSheet* s : sheets) v.push_back(s->Visible());
        return v;
    }
    void clickTab(int index) {
        const TRect r = pages->TabRect(index);
        click(*pages, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    TForm form{nullptr};
    TPageControl* pages = nullptr;
    std::vector<TTabSheet*> sheets;
};

TEST_F(PageControlTest, OnlyTheActivePageIsShownInTheAreaBelowTheTabs) {
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(sheets[2]->PageIndex(), 2);
    EXPECT_EQ(sheets[1]->Parent(), pages);
    EXPECT_EQ(sheets[1]->BoundsRect(), (TRect{4, 24, 296, 196}));
    pages->SetBounds(0, 0, 400, 250);
    EXPECT_EQ(sheets[1]->BoundsRect(), (TRect{4, 24, 396, 246}));

    pages->SetActivePageIndex(2);
    EXPECT_EQ(shown(), (std::vector<bool>{false, false, true}));
    TPageControl other(nullptr);
    auto* stranger = new TTabSheet(&other);
    stranger->SetPageControl(&other);
    pages->SetActivePage(stranger);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
}

TEST_F(PageControlTest, AClickOnATabShowsItsPageAndFiresOnChangeOnce) {
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    clickTab(1);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(changes, 1);
    clickTab(1);
    EXPECT_EQ(changes, 1);
    click(*pages, 290, 10);  // beside the last tab
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    pages->SetActivePage(sheets[0]);
    EXPECT_EQ(changes, 1);  // only the user's choice is a change
}

TEST_F(PageControlTest, TabsFollowInPageOrderAndAHiddenTabTakesNoRoom) {
    const TRect first = pages->TabRect(0), second = pages->TabRect(1), third = pages->TabRect(2);
    EXPECT_EQ(first.Left, 2);
    EXPECT_EQ(second.Left, first.Right);
    EXPECT_EQ(third.Left, second.Right);
    EXPECT_EQ(first.Height(), TPageControl::Tab_Height);
    EXPECT_GT(first.Width(), 2 * TPageControl::Tab_Padding);

    sheets[1]->SetTabVisible(false);
    EXPECT_TRUE(pages->TabRect(1).IsEmpty());
    EXPECT_EQ(pages->TabRect(2).Left, first.Right);
    EXPECT_EQ(pages->PageAtTab({first.Right + 1, 5}), sheets[2]);
    pages->SetActivePage(sheets[1]);  // still a page for code
    EXPECT_EQ(shown(), (std::vector<bool>{false, true, false}));
    sheets[1]->SetTabVisible(true);
    EXPECT_EQ(pages->TabRect(1), second);
}

TEST_F(PageControlTest, PagesLeaveTheControlWhenDestroyedAndTheActiveOneIsReplaced) {
    auto* label = new TLabel(&form);
    label->SetParent(sheets[0]);
    delete sheets[0];
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->Visible());
    sheets[2]->SetPageControl(nullptr);
    EXPECT_EQ(sheets[2]->Parent(), nullptr);
    EXPECT_EQ(sheets[2]->PageIndex(), -1);
    EXPECT_FALSE(renderToImage(form).isNull());
}

}  // namespace
