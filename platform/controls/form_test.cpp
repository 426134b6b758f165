#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/core/exception.h"
#include "platform/dialogs/message_box.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class LoggingForm : public TForm {
public:
    explicit LoggingForm(std::vector<QString>* log) : TForm(nullptr), log_(log) {}

protected:
    void Loaded() override {
        log_->push_back("loaded");
        OnCreate = [this](TObject*) { log_->push_back("create"); };
        OnShow = [this](TObject*) { log_->push_back("show"); };
        OnHide = [this](TObject*) { log_->push_back("hide"); };
        OnClose = [this](TObject*, TCloseAction& action) {
            log_->push_back("close");
            if (keepOpen) {
                keepOpen = false;
                action = caNone;
            }
        };
    }

public:
    bool keepOpen = false;

private:
    std::vector<QString>* log_;
};

TEST(Form, CreateBuildsThenFiresOnCreate) {
    std::vector<QString> log;
    LoggingForm form(&log);
    form.Create();
    EXPECT_EQ(log, (std::vector<QString>{"loaded", "create"}));
    EXPECT_FALSE(form.Visible());
}

TEST(Form, ShowModalShowsRunsTheScriptClosesAndHides) {
    std::vector<QString> log;
    LoggingForm form(&log);
    form.Create();
    log.clear();
    driver().onNextModal([&](TForm& f) {
        log.push_back("running");
        EXPECT_TRUE(f.Visible());
        f.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(log, (std::vector<QString>{"show", "running", "close", "hide"}));
    EXPECT_FALSE(form.Visible());
    ASSERT_EQ(driver().modalForms().size(), 1u);
    EXPECT_EQ(driver().modalForms()[0], &form);
}

TEST(Form, CloseBoxGivesCancelAndCloseActionNoneKeepsTheFormOpen) {
    std::vector<QString> log;
    LoggingForm form(&log);
    form.Create();
    EXPECT_EQ(form.ShowModal(), mrCancel);

    form.keepOpen = true;
    driver().answerNextModal(mrOk);
    driver().answerNextModal(mrNo);
    EXPECT_EQ(form.ShowModal(), mrNo);
    EXPECT_EQ(driver().modalForms().size(), 3u);
}

TEST(Form, WmCloseOfAModalFormEndsItWithCancel) {
    std::vector<QString> log;
    LoggingForm form(&log);
    form.Create();
    driver().onNextModal([](TForm& f) { f.Perform(WM_CLOSE); });
    EXPECT_EQ(form.ShowModal(), 2);
}

TEST(MessageBoxes, TheDriverRecordsKindTextAndButtonsAndAnswers) {
    driver().answerNextBox(mrNo);
    EXPECT_EQ(MessageDlg("Overwrite?", mtConfirmation, mbYes | mbNo), mrNo);
    EXPECT_EQ(MessageDlg("Error! Project not Valid", mtError, mbOK), mrOk);
    ASSERT_EQ(driver().boxes().size(), 2u);
    EXPECT_EQ(driver().boxes()[1].type, mtError);
    EXPECT_EQ(driver().boxes()[1].text, "Error! Project not Valid");
    EXPECT_EQ(driver().boxes()[1].buttons, mbOK);
}

// A control that takes Enter from the form, as a default button does.
class DefaultKeyTaker : public TWinControl {
public:
    using TWinControl::TWinControl;
    int taken = 0;
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_DIALOGKEY && m.WParam == VK_RETURN) {
            ++taken;
            m.Result = 1;
            return;
        }
        TWinControl::WndProc(m);
    }
};

TEST(Form, KeysAControlDoesNotWantGoToTheFormsControls) {
    TForm form(nullptr);
    auto* edit = new TWinControl(&form);
    edit->SetParent(&form);
    auto* button = new DefaultKeyTaker(&form);
    button->SetParent(&form);
    keyPress(*edit, VK_RETURN);
    EXPECT_EQ(button->taken, 1);
    keyPress(*edit, VK_ESCAPE);
    EXPECT_EQ(button->taken, 1);
    // Hidden and disabled controls are offered the key too; they decide what it means.
    button->SetVisible(false);
    keyPress(*edit, VK_RETURN);
    EXPECT_EQ(button->taken, 2);
}

// A message box shown when a field is left takes the focus to another window and gives it
// back: the field must not be left (or entered) again, or the box comes back for ever.
TEST(Form, FocusVisitingAnotherWindowNeitherLeavesNorEntersTheControl) {
    TForm main(nullptr), box(nullptr);
    auto* field = new TWinControl(&main);
    field->SetParent(&main);
    auto* other = new TWinControl(&main);
    other->SetParent(&main);
    auto* ok = new TWinControl(&box);
    ok->SetParent(&box);
    std::vector<QString> log;
    field->OnEnter = [&](TObject*) { log.push_back("enter field"); };
    field->OnExit = [&](TObject*) { log.push_back("exit field"); };
    other->OnEnter = [&](TObject*) { log.push_back("enter other"); };

    field->SetFocus();
    ok->SetFocus();
    field->SetFocus();
    EXPECT_EQ(log, (std::vector<QString>{"enter field"}));

    // Leaving for the box and coming back to another control of the window leaves the field.
    ok->SetFocus();
    other->SetFocus();
    EXPECT_EQ(log, (std::vector<QString>{"enter field", "exit field", "enter other"}));
}

TEST(Application, ExceptionsEscapingAHandlerAreShownAsAnErrorBox) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 10, 10);
    form.OnClick = [](TObject*) { throw Exception("Broken file"); };
    click(form, 2, 2);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_EQ(driver().boxes()[0].text, "Broken file");
}

}  // namespace
