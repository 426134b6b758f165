#include "platform/controls/action.h"

#include "platform/controls/popup_menu.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A link that notes what reaches it and what the action held meanwhile.
struct NotingLink : TActionLink {
    QStringList notes;
    void SetCaption(const QString& v) override { notes << "caption " + v + " was " + Action()->Caption(); }
    void SetEnabled(bool v) override { notes << QStringLiteral("enabled %1").arg(v); }
    void SetChecked(bool v) override { notes << QStringLiteral("checked %1").arg(v); }
    void ActionFreed() override { notes << "freed"; }
};

TEST(Action, ChangesReachTheLinksBeforeTheActionStoresThem) {
    TCustomAction action(nullptr);
    action.SetCaption("Old");
    NotingLink link;
    link.SetAction(&action);
    action.SetCaption("New");
    action.SetCaption("New");  // unchanged: nothing to tell
    action.SetEnabled(false);
    action.SetChecked(true);
    EXPECT_EQ(link.notes, QStringList({"caption New was Old", "enabled 0", "checked 1"}));
    link.SetAction(nullptr);
    action.SetCaption("Later");
    EXPECT_EQ(link.notes.size(), 3);
}

TEST(Action, ExecuteRunsOnExecuteOnlyWhileEnabled) {
    TCustomAction action(nullptr);
    int runs = 0;
    EXPECT_FALSE(action.Execute());
    action.OnExecute = [&](TObject*) { ++runs; };
    EXPECT_TRUE(action.Execute());
    action.SetEnabled(false);
    EXPECT_FALSE(action.Execute());
    EXPECT_EQ(runs, 1);
}

TEST(Action, AFreedActionEndsItsLinks) {
    NotingLink link;
    {
        TCustomAction action(nullptr);
        link.SetAction(&action);
    }
    EXPECT_EQ(link.Action(), nullptr);
    EXPECT_EQ(link.notes, QStringList({"freed"}));
    EXPECT_FALSE(link.Execute());
}

// The item chosen in a pop-up menu executes its action; a freed action is forgotten.
TEST(Action, AChosenMenuItemExecutesItsAction) {
    TPopupMenu menu(nullptr);
    menu.Items = {"First", "Second"};
    auto action = std::make_unique<TCustomAction>(nullptr);
    int runs = 0;
    action->OnExecute = [&](TObject*) { ++runs; };
    menu.SetItemAction(1, action.get());
    driver().answerNextMenu(1);
    EXPECT_EQ(menu.Popup(0, 0), 0);
    driver().answerNextMenu(2);
    EXPECT_EQ(menu.Popup(0, 0), 1);
    EXPECT_EQ(runs, 1);
    action.reset();
    EXPECT_EQ(menu.ItemAction(1), nullptr);
    driver().answerNextMenu(2);
    EXPECT_EQ(menu.Popup(0, 0), 1);
}

}  // namespace
