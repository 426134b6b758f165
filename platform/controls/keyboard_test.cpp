#include "platform/controls/keyboard.h"

#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/controls/panel.h"
#include "platform/messages/message_ids.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A windowed control that records the key messages it sees.
class KeyProbe : public TWinControl {
public:
    explicit KeyProbe(TComponent* AOwner, std::vector<QString>* log) : TWinControl(AOwner), log_(log) {
        TabStop = true;
    }
    void WndProc(TMessage& m) override {
        const QString name = Name;
        if (m.Msg == WM_KEYDOWN) log_->push_back(name + " down " + QString::number(m.WParam));
        if (m.Msg == WM_KEYUP) log_->push_back(name + " up " + QString::number(m.WParam));
        if (m.Msg == WM_CHAR) log_->push_back(name + " char " + QString::number(m.WParam));
        if (m.Msg == CM_DIALOGCHAR) {
            log_->push_back(name + " accel " + QChar(char16_t(m.WParam)));
            if (takeAccelerator) m.Result = 1;
            return;
        }
        TWinControl::WndProc(m);
    }
    bool takeAccelerator = false;

private:
    std::vector<QString>* log_;
};

template <typename T, typename... Args>
T* add(TWinControl& parent, const char* name, Args&&... args) {
    auto* control = new T(&parent, std::forward<Args>(args)...);
    control->Name = QString::fromLatin1(name);
    control->SetParent(&parent);
    return control;
}

TEST(Keyboard, AKeyNeverRepeatsOrReleasesIntoAnotherWindow) {
    std::vector<QString> log;
    TForm below(nullptr), dialog(nullptr);
    KeyProbe* button = add<KeyProbe>(below, "below", &log);
    KeyProbe* edit = add<KeyProbe>(dialog, "dialog", &log);

    // Pressed in the dialog, which then closed: the window below sees neither repeat nor release.
    keyDown(*edit, VK_RETURN);
    DeliverKeyDown(*button, VK_RETURN, 0, QString(), true);
    keyUp(*button, VK_RETURN);
    // A release whose press this layer never saw (a message box took it) is dropped too.
    keyUp(*button, VK_ESCAPE);
    // A fresh press after a release that went elsewhere starts afresh.
    keyDown(*edit, VK_SPACE);
    keyDown(*button, VK_SPACE);
    keyUp(*button, VK_SPACE);
    // Repeats and the release in the window of the press arrive.
    keyDown(*edit, VK_DOWN);
    DeliverKeyDown(*edit, VK_DOWN, 0, QString(), true);
    keyUp(*edit, VK_DOWN);

    EXPECT_EQ(log, (std::vector<QString>{"dialog down 13", "dialog down 32", "below down 32", "below up 32",
                                         "dialog down 40", "dialog down 40", "dialog up 40"}));
}

TEST(Keyboard, TypedCharactersFollowTheirKeyUnlessItWasTaken) {
    std::vector<QString> log;
    TForm form(nullptr);
    KeyProbe* probe = add<KeyProbe>(form, "p", &log);
    probe->OnKeyDown = [](TObject*, uint16_t& key, TShiftState) {
        if (key == 'X') key = 0;
    };
    keyDown(*probe, 'A', 0, "a");
    keyDown(*probe, 'X', 0, "x");
    EXPECT_EQ(log, (std::vector<QString>{"p down 65", "p char 97", "p down 88"}));
}

TEST(Keyboard, AltCharactersGoToTheWindowsAccelerators) {
    std::vector<QString> log;
    TForm form(nullptr);
    TPanel* panel = add<TPanel>(form, "panel");
    KeyProbe* first = add<KeyProbe>(*panel, "first", &log);
    KeyProbe* second = add<KeyProbe>(form, "second", &log);
    KeyProbe* third = add<KeyProbe>(form, "third", &log);
    second->takeAccelerator = true;
    log.clear();
    keyDown(*first, 'S', ssAlt, "s");
    // Depth first, and the first control that takes it ends the round.
    EXPECT_EQ(log, (std::vector<QString>{"first down 83", "first accel s", "second accel s"}));
    (void)third;
}

// A form of edits in panels: Tab follows the tab order, entering containers in turn.
class TabOrderTest : public ::testing::Test {
protected:
    TabOrderTest() {
        top = add<TPanel>(form, "top");
        a = add<TEdit>(*top, "a");
        b = add<TEdit>(*top, "b");
        bottom = add<TPanel>(form, "bottom");
        c = add<TEdit>(*bottom, "c");
        d = add<TEdit>(form, "d");
    }
    QString focused() const { return FocusedControl() ? FocusedControl()->Name : QString(); }
    QString walk(TShiftState shift, int steps) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            keyPress(*FocusedControl(), VK_TAB, shift);
            names << focused();
        }
        return names.join(",");
    }

    TForm form{nullptr};
    TPanel* top;
    TPanel* bottom;
    TEdit* a;
    TEdit* b;
    TEdit* c;
    TEdit* d;
};

TEST_F(TabOrderTest, TheFirstTabStopHasTheFocusWhenTheWindowOpens) {
    form.Show();
    EXPECT_EQ(focused(), "a");
}

TEST_F(TabOrderTest, TabAndShiftTabWalkTheControlsAndWrapAround) {
    form.Show();
    EXPECT_EQ(walk(0, 5), "b,c,d,a,b");
    EXPECT_EQ(walk(ssShift, 3), "a,d,c");
}

TEST_F(TabOrderTest, HiddenDisabledAndNonStopControlsAreSkipped) {
    bottom->Hide();  // and with it c
    b->SetEnabled(false);
    form.Show();
    EXPECT_EQ(walk(0, 2), "d,a");
    bottom->Show();
    c->TabStop = false;
    EXPECT_EQ(walk(0, 2), "d,a");
}

TEST_F(TabOrderTest, TabOrderReordersSiblingsAndTheirContents) {
    bottom->SetTabOrder(0);  // bottom (with c) before top (with a and b)
    b->SetTabOrder(0);
    EXPECT_EQ(bottom->TabOrder(), 0);
    EXPECT_EQ(top->TabOrder(), 1);
    EXPECT_EQ(d->TabOrder(), 2);
    form.Show();
    EXPECT_EQ(focused(), "c");
    EXPECT_EQ(walk(0, 4), "b,a,d,c");
}

TEST_F(TabOrderTest, CtrlTabIsNotTheWindows) {
    form.Show();
    keyPress(*a, VK_TAB, ssCtrl);
    EXPECT_EQ(focused(), "a");
}

TEST(KeyState, ModifiersCountAsHeldWhileAKeyPressedWithThemIsDelivered) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    std::vector<int16_t> seen;
    edit->OnKeyPress = [&](TObject*, QChar&) { seen.push_back(GetKeyState(VK_CONTROL)); };
    keyDown(*edit, VK_RETURN, ssCtrl, "\r");
    keyUp(*edit, VK_RETURN, ssCtrl);
    keyDown(*edit, 'A', 0, "a");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_LT(seen[0], 0);
    EXPECT_EQ(seen[1], 0);
    EXPECT_LT(GetKeyState('A'), 0);  // still held
    EXPECT_EQ(GetKeyState(VK_CONTROL), 0);
}

}  // namespace
