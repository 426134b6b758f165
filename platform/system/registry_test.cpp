#include "platform/system/registry.h"

#include "platform/core/exception.h"
#include "platform/system/scripted_registry.h"

#include <gtest/gtest.h>

namespace {

const QString Key = "Software\\Maker\\Common";

TEST(Registry, ThePlatformsRegistryFindsNothing) {
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists(Key));
    EXPECT_FALSE(reg.KeyExists(""));
    EXPECT_FALSE(reg.OpenKeyReadOnly(Key));
    EXPECT_FALSE(reg.ValueExists("Theme"));
    EXPECT_THROW(reg.ReadInteger("Theme"), Exception);
    EXPECT_FALSE(reg.NotifyChangeKeyValue(true, REG_NOTIFY_CHANGE_LAST_SET, std::make_shared<TSyncEvent>()));
}

TEST(Registry, KeysAndValuesOfAStoreAreFoundWithoutCase) {
    TScriptedRegistry store;
    store.SetInteger(HKEY_CURRENT_USER, Key + "\\General", "Theme", 3);
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("software\\maker"));  // a key above a stored one exists
    EXPECT_TRUE(reg.KeyExists("\\" + Key + "\\"));
    EXPECT_FALSE(reg.KeyExists("Software\\Mak"));
    reg.RootKey = HKEY_LOCAL_MACHINE;
    EXPECT_FALSE(reg.KeyExists(Key));
    reg.RootKey = HKEY_CURRENT_USER;

    ASSERT_TRUE(reg.OpenKeyReadOnly(Key + "\\GENERAL"));
    EXPECT_TRUE(reg.ValueExists("theme"));
    EXPECT_EQ(reg.ReadInteger("THEME"), 3);
    EXPECT_FALSE(reg.ValueExists("Other"));
    try {
        reg.ReadInteger("Other");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Invalid data type for 'Other'");
    }
    reg.CloseKey();
    EXPECT_FALSE(reg.ValueExists("Theme"));
}

TEST(Registry, AChangeNotificationFiresOnceForTheChangesItWatches) {
    TScriptedRegistry store;
    store.AddKey(HKEY_CURRENT_USER, Key);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Key));
    auto event = std::make_shared<TSyncEvent>();

    ASSERT_TRUE(reg.NotifyChangeKeyValue(false, REG_NOTIFY_CHANGE_LAST_SET, event));
    store.SetInteger(HKEY_CURRENT_USER, Key + "\\Below", "Theme", 1);  // not watching the subtree
    EXPECT_FALSE(event->IsSet());
    store.AddKey(HKEY_CURRENT_USER, Key + "\\New");  // a name change: filtered out
    EXPECT_FALSE(event->IsSet());
    store.SetInteger(HKEY_CURRENT_USER, Key, "Theme", 1);
    EXPECT_TRUE(event->IsSet());
    EXPECT_EQ(store.Armed(), 0);

    event->ResetEvent();
    store.SetInteger(HKEY_CURRENT_USER, Key, "Theme", 2);
    EXPECT_FALSE(event->IsSet());  // fired once, until armed again
    ASSERT_TRUE(reg.NotifyChangeKeyValue(true, REG_NOTIFY_CHANGE_LAST_SET, event));
    store.SetInteger(HKEY_CURRENT_USER, Key + "\\Below", "Theme", 2);
    EXPECT_TRUE(event->IsSet());
}

}  // namespace
