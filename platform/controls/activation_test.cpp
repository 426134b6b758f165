#include "platform/controls/activation.h"

#include "platform/controls/form.h"
#include "platform/controls/panel.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A form that records the activation messages it gets.
class ActivationProbe : public TForm {
public:
    ActivationProbe(const char* name, std::vector<QString>& log) : TForm(nullptr), log_(log) { Name = name; }
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_ACTIVATE) {
            const auto* other = reinterpret_cast<TWinControl*>(m.LParam);
            log_.push_back(Name + (m.WParam == WA_INACTIVE ? " lost to " : " gained from ") +
                           (other ? other->Name : QString("none")));
        }
        TForm::WndProc(m);
    }

private:
    std::vector<QString>& log_;
};

TEST(Activation, AClickActivatesItsWindowAndTellsTheOldOneFirst) {
    std::vector<QString> log;
    ActivationProbe first("first", log), second("second", log);
    auto* panel = new TPanel(&second);
    panel->SetParent(&second);
    panel->SetBounds(0, 0, 50, 50);
    click(first, 5, 5);
    click(*panel, 5, 5);
    click(*panel, 6, 6);  // already active: nothing
    EXPECT_EQ(ActiveWindow(), &second);
    EXPECT_EQ(log, (std::vector<QString>{"first gained from none", "first lost to second", "second gained from first"}));
}

TEST(Activation, ADestroyedWindowIsForgottenUntold) {
    std::vector<QString> log;
    ActivationProbe stays("stays", log);
    {
        auto gone = std::make_unique<ActivationProbe>("gone", log);
        ActivateWindow(gone.get());
    }
    EXPECT_EQ(ActiveWindow(), nullptr);
    ActivateWindow(&stays);
    EXPECT_EQ(log, (std::vector<QString>{"gone gained from none", "stays gained from none"}));
}

}  // namespace
