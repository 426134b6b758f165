#include "grid/foundation/theme_detection.h"

#include "grid/foundation/scripted_theme_service.h"
#include "platform/system/registry.h"
#include "platform/system/scripted_registry.h"

#include <gtest/gtest.h>

namespace {

const QString Office2010 = Office2010CommonKey;
const QString Office2007 = Office2007CommonKey;

TEST(ThemeDetection, WithTheEmptyRegistryAndNoThemeTheLookIsClassic) {
    EXPECT_EQ(GetInstalledOfficeVersion(), 0);
    EXPECT_EQ(GetXPThemeColor(), 0);
    EXPECT_EQ(GetOfficeTheme(), ot2003Classic);
    TRegistry reg;
    EXPECT_EQ(ReadOfficeThemeValue(reg, Office2010), -1);
    // This platform stands in for the generation with themes, layered windows and locale names.
    EXPECT_TRUE(IsWinXPOrLater());
    EXPECT_TRUE(IsComCtl6());
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_EQ(GetDefaultFontName(), "Segoe UI");
}

TEST(ThemeDetection, ThePlatformThemesColourSchemeNamesTheOfficeTheme) {
    struct Case {
        QString scheme;
        bool active;
        int color;
        TOfficeTheme theme;
    } cases[] = {
        {"NormalColor", true, 1, ot2003Blue},
        {"HomeStead", true, 2, ot2003Olive},
        {"Metallic", true, 3, ot2003Silver},
        {"Normal", true, 1, ot2003Blue},  // the name is looked for inside "NormalColor"
        {"Stead", true, 2, ot2003Olive},
        {"", true, 0, ot2003Classic},
        {"Aero", true, 0, ot2003Classic},
        {"NormalColor", false, 0, ot2003Classic},  // themes off
    };
    for (const Case& c : cases) {
        TScriptedThemeService themes(c.scheme, c.active);
        EXPECT_EQ(GetXPThemeColor(), c.color) << c.scheme.toStdString();
        EXPECT_EQ(GetOfficeTheme(), c.theme) << c.scheme.toStdString();
    }
}

TEST(ThemeDetection, TheOfficeSettingsNameTheThemeNewestFirst) {
    struct Case {
        int theme2010;  // -1: no key; -2: the key without a "Theme" value
        int theme2007;
        TOfficeTheme want;
    } cases[] = {
        {1, -1, ot2010Blue},     {2, -1, ot2010Silver},   {3, -1, ot2010Black},
        {2, 1, ot2010Silver},    // the 2010 settings win over the 2007 ones
        {0, 3, ot2003Blue},      // an unknown 2010 value does not look further
        {7, 3, ot2003Blue},      {-1, 1, ot2007Blue},     {-1, 2, ot2007Silver},
        {-1, 3, ot2007Black},    {-1, 0, ot2003Blue},     {-2, 2, ot2007Silver},
        {-2, -2, ot2003Blue},    // no values anywhere: the scheme, blue
    };
    for (const Case& c : cases) {
        TScriptedRegistry registry;
        TScriptedThemeService themes("NormalColor");
        auto put = [&](const QString& key, int value) {
            if (value == -2) registry.AddKey(HKEY_CURRENT_USER, key);
            else if (value >= 0) registry.SetInteger(HKEY_CURRENT_USER, key, "Theme", value);
        };
        put(Office2010, c.theme2010);
        put(Office2007, c.theme2007);
        EXPECT_EQ(GetOfficeTheme(), c.want) << c.theme2010 << " " << c.theme2007;
    }
}

TEST(ThemeDetection, InstalledOfficeVersionAndThemeValues) {
    TScriptedRegistry registry;
    registry.AddKey(HKEY_CURRENT_USER, Office2007 + "\\General");
    EXPECT_EQ(GetInstalledOfficeVersion(), 1);
    registry.AddKey(HKEY_CURRENT_USER, Office2010 + "\\General");
    EXPECT_EQ(GetInstalledOfficeVersion(), 2);
    registry.AddKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Office\\15.0\\Common\\General");
    EXPECT_EQ(GetInstalledOfficeVersion(), 2);

    TRegistry reg;
    EXPECT_EQ(ReadOfficeThemeValue(reg, Office2010), -1);  // the key without the value
    registry.SetInteger(HKEY_CURRENT_USER, Office2010, "Theme", 3);
    EXPECT_EQ(ReadOfficeThemeValue(reg, Office2010), 3);
    EXPECT_TRUE(reg.CurrentPath().isEmpty());  // closed again
}

}  // namespace
