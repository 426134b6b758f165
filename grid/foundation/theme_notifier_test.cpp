#include "grid/foundation/theme_notifier.h"

#include "grid/foundation/theme_detection.h"
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/core/exception.h"
#include "platform/system/scripted_registry.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<QString>;

// A window that notes the theme messages it gets, with the key path they carry.
class RecordingWindow : public TMessageTarget {
public:
    RecordingWindow(QString name, Log& log) : name_(std::move(name)), log_(log) {}
    void WndProc(TMessage& m) override {
        if (m.Msg != WM_OFFICETHEMECHANGE) return;
        log_.push_back(QString("%1 %2 %3").arg(name_).arg(m.WParam, 0, 16).arg(*reinterpret_cast<const QString*>(m.LParam)));
    }

private:
    QString name_;
    Log& log_;
};

const QString Office2010 = Office2010CommonKey;
const QString Office2007 = Office2007CommonKey;

TEST(HandleList, KeepsOrderAndRemovesTheFirstEqualEntry) {
    Log log;
    RecordingWindow w1("1", log), w2("2", log), w3("3", log), absent("4", log);
    THandleList list;
    list.Add(&w1);
    list.Add(&w2);
    list.Insert(0, &w3);
    list.Add(&w1);
    list.DeleteValue(&w1);
    list.DeleteValue(&absent);  // nothing
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(0), &w3);
    EXPECT_EQ(list.Items(1), &w2);
    EXPECT_EQ(list.Items(2), &w1);
    EXPECT_TRUE(list.HasValue(&w2));
    list.Delete(1);
    EXPECT_FALSE(list.HasValue(&w2));
    list.SetItems(0, &w2);
    EXPECT_EQ(list.Items(0), &w2);
    EXPECT_THROW(list.Delete(2), Exception);
    EXPECT_THROW(list.Insert(3, &w1), Exception);
}

TEST(RegMonitorThread, AFreshFilterReadsAllChangesAndAMissingKeyEndsTheThread) {
    TScriptedRegistry registry;
    TRegMonitorThread thread;
    EXPECT_EQ(thread.Filter(), 15u);
    thread.SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
    EXPECT_EQ(thread.Filter(), 4u);

    thread.Key = "Software\\Missing";
    thread.Resume();
    thread.WaitFor();
    ASSERT_TRUE(thread.FatalException());
    try {
        std::rethrow_exception(thread.FatalException());
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Unable to open registry key Software\\Missing");
    }
}

TEST(ThemeNotifier, WithoutTheNewerOfficeSettingsItNeitherWatchesNorRegisters) {
    TWinControl owner(nullptr);
    auto* notifier = new TThemeNotifier(&owner);
    EXPECT_EQ(notifier->RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier->NotifierWindow(), nullptr);
    EXPECT_EQ(owner.ControlCount(), 0);
    notifier->RegisterWindow(&owner);
    notifier->UnRegisterWindow(&owner);
}

TEST(ThemeNotifier, AChangeOfTheWatchedKeyReachesTheNotifierThenEachWindowInOrder) {
    TScriptedRegistry registry;
    registry.AddKey(HKEY_CURRENT_USER, Office2010 + "\\General");
    Log log;
    RecordingWindow first("first", log), second("second", log), stranger("stranger", log);
    {
        TWinControl owner(nullptr);
        auto* notifier = new TThemeNotifier(&owner);
        TRegMonitorThread* thread = notifier->RegMonitorThread();
        ASSERT_NE(thread, nullptr);
        ASSERT_NE(notifier->NotifierWindow(), nullptr);
        EXPECT_EQ(notifier->NotifierWindow()->Parent(), &owner);
        EXPECT_FALSE(notifier->NotifierWindow()->Visible());
        EXPECT_EQ(thread->Wnd, notifier->NotifierWindow());
        EXPECT_EQ(thread->Key, Office2010);
        EXPECT_EQ(thread->RootKey, HKEY_CURRENT_USER);
        EXPECT_TRUE(thread->WatchSub);
        EXPECT_EQ(thread->Filter(), uint32_t(REG_NOTIFY_CHANGE_LAST_SET));

        notifier->OnOfficeThemeChange = [&](TObject* sender) {
            EXPECT_EQ(sender, notifier);
            log.push_back("notifier");
        };
        notifier->RegisterWindow(&first);
        notifier->RegisterWindow(&second);
        notifier->RegisterWindow(&first);  // kept once
        notifier->UnRegisterWindow(&stranger);
        EXPECT_EQ(thread->WinList().Count(), 2);

        ASSERT_TRUE(serveUntil([&] { return registry.Armed() == 1; }));
        registry.SetInteger(HKEY_CURRENT_USER, Office2010 + "\\Toolbars", "Theme", 2);  // below the key
        ASSERT_TRUE(serveUntil([&] { return log.size() == 3; }));
        const QString tail = " 80000001 " + Office2010;
        EXPECT_EQ(log, (Log{"notifier", "first" + tail, "second" + tail}));

        // Armed again for the next change.
        log.clear();
        notifier->UnRegisterWindow(&first);
        ASSERT_TRUE(serveUntil([&] { return registry.Armed() == 1; }));
        registry.SetInteger(HKEY_CURRENT_USER, Office2010, "Theme", 3);
        ASSERT_TRUE(serveUntil([&] { return log.size() == 2; }));
        EXPECT_EQ(log, (Log{"notifier", "second" + tail}));
        // The owner goes: its child window first, then the notifier, which stops its thread.
    }
}

TEST(ThemeNotifier, TheOfficeSettingsOf2007AreWatchedWhenTheyAreTheNewest) {
    TScriptedRegistry registry;
    registry.AddKey(HKEY_CURRENT_USER, Office2007 + "\\General");
    TWinControl owner(nullptr);
    auto* notifier = new TThemeNotifier(&owner);
    ASSERT_NE(notifier->RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier->RegMonitorThread()->Key, Office2007);
    delete notifier;
    EXPECT_EQ(owner.ControlCount(), 0);
}

TEST(ThemeNotifier, OneNotifierServesTheProcessUntilItsOwnerGoes) {
    TScriptedRegistry registry;
    registry.AddKey(HKEY_CURRENT_USER, Office2010 + "\\General");
    TWinControl firstOwner(nullptr), secondOwner(nullptr);
    TThemeNotifier* notifier = GetThemeNotifier(&firstOwner);
    EXPECT_EQ(notifier->Owner(), &firstOwner);
    EXPECT_EQ(GetThemeNotifier(&secondOwner), notifier);
    delete notifier;
    TThemeNotifier* next = GetThemeNotifier(&secondOwner);
    EXPECT_EQ(next->Owner(), &secondOwner);
    delete next;

    // A main form with its window takes it over.
    TForm mainForm(nullptr);
    Application->MainForm = &mainForm;
    EXPECT_EQ(GetThemeNotifier(&firstOwner)->Owner(), &firstOwner);  // no window yet
    delete GetThemeNotifier(&firstOwner);
    mainForm.HandleNeeded();
    TThemeNotifier* owned = GetThemeNotifier(&firstOwner);
    Application->MainForm = nullptr;
    EXPECT_EQ(owned->Owner(), &mainForm);
}

}  // namespace
