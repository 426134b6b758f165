#include "platform/controls/control_hint.h"

#include "platform/testkit/scripted_screen.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

// Answers CM_HINTSHOW: refuses, or adds to the text and keeps the hint to its left half.
class THintedControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    bool Refuse = false;
    int Asked = 0;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg != CM_HINTSHOW) return TCustomControl::WndProc(m);
        ++Asked;
        auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
        EXPECT_EQ(info.HintControl, this);
        info.HintStr += QStringLiteral(" at %1,%2").arg(info.CursorPos.X).arg(info.CursorPos.Y);
        info.CursorRect = Rect(0, 0, 50, 40);
        m.Result = Refuse ? 1 : 0;
    }
};

class TMarkedHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    static THintWindow* New(TComponent* AOwner) { return new TMarkedHintWindow(AOwner); }
};

class ControlHint : public ::testing::Test {
protected:
    void SetUp() override {
        screen.Monitors = {{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)}};
        control.SetBounds(100, 100, 100, 80);
        control.ShowHint = true;
        control.SetHint(QStringLiteral("Hint"));
    }
    void TearDown() override {
        CancelControlHint();
        SetHintWindowClass(nullptr);
    }
    bool showing() const { return ControlHintWindow() && ControlHintWindow()->Showing(); }

    TScriptedScreen screen;
    THintedControl control{nullptr};
};

TEST_F(ControlHint, TheControlIsAskedAndItsAnswerShowsBelowThePointerUntilThePointerLeavesItsRect) {
    ASSERT_TRUE(ActivateControlHint(control, {10, 20}));
    ASSERT_TRUE(showing());
    THintWindow& window = *ControlHintWindow();
    EXPECT_EQ(window.Caption(), "Hint at 10,20");
    EXPECT_EQ(window.Left(), 110);
    EXPECT_EQ(window.Top(), 120 + 16);
    EXPECT_EQ(window.Color(), clInfoBk);

    mouseMove(control, 40, 30);
    EXPECT_TRUE(showing()) << "within the answer's rectangle";
    mouseMove(control, 60, 30);
    EXPECT_FALSE(showing()) << "out of it";

    struct Case {
        const char* what;
        uint32_t msg;
    };
    for (const Case& c : {Case{"press", WM_LBUTTONDOWN}, Case{"key", WM_KEYDOWN}, Case{"leave", CM_MOUSELEAVE}}) {
        ASSERT_TRUE(ActivateControlHint(control, {10, 20}));
        DeliverMessage(control, c.msg, 0, MakeLParam(10, 20));
        EXPECT_FALSE(showing()) << c.what;
    }
}

TEST_F(ControlHint, NoHintWhenTheControlRefusesHasNoneOrShowsNone) {
    control.Refuse = true;
    EXPECT_FALSE(ActivateControlHint(control, {10, 20}));
    EXPECT_EQ(control.Asked, 1);
    control.Refuse = false;
    control.SetHint(QString());
    EXPECT_FALSE(ActivateControlHint(control, {10, 20}));
    control.SetHint(QStringLiteral("Hint"));
    control.ShowHint = false;
    EXPECT_FALSE(ActivateControlHint(control, {10, 20}));
    EXPECT_EQ(control.Asked, 1) << "a control that shows no hint is not asked";
    EXPECT_FALSE(showing());
}

TEST_F(ControlHint, TheHintShowsInTheWindowOfTheKindSetForTheProgram) {
    ASSERT_TRUE(ActivateControlHint(control, {10, 20}));
    EXPECT_EQ(dynamic_cast<TMarkedHintWindow*>(ControlHintWindow()), nullptr);
    SetHintWindowClass(&TMarkedHintWindow::New);
    ASSERT_TRUE(ActivateControlHint(control, {10, 20}));
    EXPECT_NE(dynamic_cast<TMarkedHintWindow*>(ControlHintWindow()), nullptr);
    EXPECT_TRUE(showing());
    SetHintWindowClass(nullptr);
    EXPECT_EQ(HintWindowClass(), &NewPlainHintWindow);
}

}  // namespace
