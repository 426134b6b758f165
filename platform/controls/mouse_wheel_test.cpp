#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/controls/panel.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

intptr_t wheel(TControl& over, int delta, TPoint screen) {
    const uintptr_t w = (static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16) | MK_CONTROL;
    return DeliverMessage(over, WM_MOUSEWHEEL, w, MakeLParam(screen.X, screen.Y));
}

TEST(MouseWheel, UnhandledWheelClimbsToTheFormWithTheScreenPosition) {
    TForm form(nullptr);
    form.SetBounds(100, 50, 300, 200);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 20, 200, 100);
    auto* edit = new TEdit(&form);
    edit->SetParent(panel);
    edit->SetBounds(5, 6, 80, 21);
    EXPECT_EQ(edit->ClientToScreen({1, 2}), (TPoint{100 + 10 + 5 + 1, 50 + 20 + 6 + 2}));
    EXPECT_EQ(panel->ScreenToClient({120, 80}), (TPoint{10, 10}));

    std::vector<std::tuple<TObject*, TShiftState, int, TPoint>> seen;
    bool handle = true;
    form.OnMouseWheel = [&](TObject* sender, TShiftState shift, int delta, TPoint pos, bool& handled) {
        seen.emplace_back(sender, shift, delta, pos);
        handled = handle;
    };
    EXPECT_EQ(wheel(*edit, -120, {116, 78}), 1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_tuple(static_cast<TObject*>(&form), TShiftState(ssCtrl), -120, TPoint{116, 78}));
    handle = false;
    EXPECT_EQ(wheel(*edit, 240, {116, 78}), 0);

    // A control that handles the wheel keeps it from the form.
    panel->OnMouseWheel = [](TObject*, TShiftState, int, TPoint, bool& handled) { handled = true; };
    seen.clear();
    EXPECT_EQ(wheel(*edit, 120, {116, 78}), 1);
    EXPECT_TRUE(seen.empty());
}

}  // namespace
