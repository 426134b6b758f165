#include "platform/controls/category_panel_group.h"
#include "platform/controls/form.h"
#include "platform/controls/scroll_codes.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class CategoryPanelGroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 200, 300);
        group = new TCategoryPanelGroup(form);
        group->SetBounds(0, 0, 200, 300);
        group->SetParent(form);
        a = addPanel(0, 100);
        b = addPanel(100, 80);
        c = addPanel(180, 150);
    }
    void TearDown() override { delete form; }

    TCategoryPanel* addPanel(int top, int height) {
        auto* panel = new TCategoryPanel(form);
        panel->SetBounds(0, top, 50, height);
        panel->SetParent(group);
        return panel;
    }
    std::vector<int> tops() const {
        std::vector<int> out;
        for (const TCategoryPanel* p : group->VisiblePanels()) out.push_back(p->Top());
        return out;
    }
    void scroll(uint16_t code, int position = 0) { group->Perform(WM_VSCROLL, (uintptr_t(position) << 16) | code); }

    TForm* form = nullptr;
    TCategoryPanelGroup* group = nullptr;
    TCategoryPanel *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(CategoryPanelGroupTest, VisiblePanelsStackInTheOrderOfTheirTopsWithoutGaps) {
    EXPECT_EQ(group->VisiblePanels(), (std::vector<TCategoryPanel*>{a, b, c}));
    EXPECT_EQ(tops(), (std::vector<int>{0, 100, 180}));
    EXPECT_TRUE(group->ScrollBarVisible());  // 330 pixels in 300
    EXPECT_EQ(a->Width(), 200 - TCategoryPanelGroup::Scroll_Bar_Width);
    // The controls of a panel stand on its surface, below the 24-pixel header.
    EXPECT_EQ(a->Surface()->Top(), 24);
    EXPECT_EQ(a->Surface()->Height(), 76);

    b->Hide();
    EXPECT_EQ(group->VisiblePanels(), (std::vector<TCategoryPanel*>{a, c}));
    EXPECT_EQ(tops(), (std::vector<int>{0, 100}));
    EXPECT_FALSE(group->ScrollBarVisible());
    EXPECT_EQ(a->Width(), 200);

    // Shown again and moved to the top by code, b goes first.
    b->Show();
    b->SetTop(0);
    EXPECT_EQ(group->VisiblePanels(), (std::vector<TCategoryPanel*>{b, a, c}));
    EXPECT_EQ(tops(), (std::vector<int>{0, 80, 180}));
}

TEST_F(CategoryPanelGroupTest, AClickOnTheHeaderCollapsesAndExpandsAPanel) {
    click(*a, 10, 10);
    EXPECT_TRUE(a->Collapsed());
    EXPECT_EQ(a->Height(), 24);
    EXPECT_FALSE(a->Surface()->Visible());
    EXPECT_EQ(tops(), (std::vector<int>{0, 24, 104}));
    click(*b, 10, 50);  // below the header
    EXPECT_FALSE(b->Collapsed());
    // A height set while collapsed is the one it expands to.
    a->SetHeight(120);
    EXPECT_EQ(a->Height(), 24);
    click(*a, 10, 10);
    EXPECT_FALSE(a->Collapsed());
    EXPECT_EQ(a->Height(), 120);
    EXPECT_TRUE(a->Surface()->Visible());
    EXPECT_EQ(tops(), (std::vector<int>{0, 120, 200}));
}

TEST_F(CategoryPanelGroupTest, ScrollRequestsMoveThePanelsWithinTheirRange) {
    scroll(SB_LINEDOWN);
    EXPECT_EQ(group->ScrollPos(), TCategoryPanelGroup::Line_Size);
    EXPECT_EQ(a->Top(), -TCategoryPanelGroup::Line_Size);
    scroll(SB_ENDSCROLL);
    EXPECT_EQ(group->ScrollPos(), TCategoryPanelGroup::Line_Size);
    scroll(SB_PAGEDOWN);
    EXPECT_EQ(group->ScrollPos(), 30);  // 330 - 300
    EXPECT_EQ(tops(), (std::vector<int>{-30, 70, 150}));
    scroll(SB_LINEUP);
    EXPECT_EQ(group->ScrollPos(), 30 - TCategoryPanelGroup::Line_Size);
    scroll(SB_THUMBTRACK, 5);
    EXPECT_EQ(group->ScrollPos(), 5);
    scroll(SB_TOP);
    EXPECT_EQ(group->ScrollPos(), 0);
    scroll(SB_BOTTOM);
    EXPECT_EQ(group->ScrollPos(), 30);
    // Collapsing a panel makes everything fit: the panels come back to the top.
    a->Collapse();
    EXPECT_EQ(group->ScrollPos(), 0);
    EXPECT_EQ(a->Top(), 0);
}

TEST_F(CategoryPanelGroupTest, ThePaintedScrollBarSendsScrollRequests) {
    std::vector<uint16_t> codes;
    const int hook = AddCallWndHook([&](HWND target, TMessage& m) {
        if (target == group && m.Msg == WM_VSCROLL) codes.push_back(static_cast<uint16_t>(m.WParam));
    });
    const int x = 200 - 5;
    click(*group, x, 300 - 5);  // the down arrow
    EXPECT_EQ(group->ScrollPos(), TCategoryPanelGroup::Line_Size);
    click(*group, x, 5);  // the up arrow
    EXPECT_EQ(group->ScrollPos(), 0);
    const TRect thumb = group->ThumbRect();
    click(*group, x, thumb.Bottom + 2);  // the track below the thumb
    EXPECT_EQ(group->ScrollPos(), 30);
    EXPECT_EQ(codes, (std::vector<uint16_t>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL, SB_PAGEDOWN,
                                            SB_ENDSCROLL}));

    // Dragging the thumb scrolls while it moves.
    scroll(SB_TOP);
    const TRect start = group->ThumbRect();
    mouseMessage(*group, WM_LBUTTONDOWN, x, start.Top + 1, MK_LBUTTON);
    mouseMessage(*group, WM_MOUSEMOVE, x, start.Top + 1 + 1000, MK_LBUTTON);
    EXPECT_EQ(group->ScrollPos(), 30);
    mouseMessage(*group, WM_MOUSEMOVE, x, start.Top + 1, MK_LBUTTON);
    EXPECT_EQ(group->ScrollPos(), 0);
    mouseMessage(*group, WM_LBUTTONUP, x, start.Top + 1);
    RemoveCallWndHook(hook);
}

}  // namespace
