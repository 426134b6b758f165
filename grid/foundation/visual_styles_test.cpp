#include "grid/foundation/visual_styles.h"

#include "grid/foundation/scripted_theme_service.h"
#include "platform/graphics/graphic.h"

#include <gtest/gtest.h>

namespace {

// Draws a push button through a binding; the calls that reached a service show in its record.
void drawThrough(const TVisualStylesBinding& binding) {
    TBitmap bitmap(10, 10);
    HTHEME theme = binding.OpenThemeData(nullptr, "button");
    binding.DrawThemeBackground(theme, bitmap.Canvas(), BP_PUSHBUTTON, PBS_NORMAL, {0, 0, 10, 10}, nullptr);
    binding.CloseThemeData(theme);
}

TEST(VisualStylesBinding, WithoutAThemeServiceNothingIsBoundAndNothingDraws) {
    TVisualStylesBinding binding;
    binding.InitThemeLibrary();
    EXPECT_FALSE(binding.Loaded());
    EXPECT_FALSE(binding.IsThemeActive());
    EXPECT_EQ(binding.OpenThemeData(nullptr, "button"), nullptr);
    QString file, color, size;
    EXPECT_FALSE(binding.GetCurrentThemeName(file, color, size));
    binding.FreeThemeLibrary();  // not loaded: nothing to do
    EXPECT_FALSE(binding.Loaded());

    // A service installed later is bound by the next start.
    TScriptedThemeService service("NormalColor");
    binding.InitThemeLibrary();
    EXPECT_TRUE(binding.Loaded());
    EXPECT_TRUE(binding.IsThemeActive());
    ASSERT_TRUE(binding.GetCurrentThemeName(file, color, size));
    EXPECT_EQ(color, "NormalColor");
}

TEST(VisualStylesBinding, BindingTwiceKeepsTheFirstAndFreeingLetsGo) {
    TVisualStylesBinding binding;
    auto first = std::make_unique<TScriptedThemeService>();
    binding.InitThemeLibrary();
    TScriptedThemeService second;
    binding.InitThemeLibrary();
    drawThrough(binding);
    EXPECT_EQ(first->calls.size(), 2);
    EXPECT_TRUE(second.calls.isEmpty());

    binding.FreeThemeLibrary();
    EXPECT_FALSE(binding.Loaded());
    first.reset();  // nothing stays bound to the service that went
    drawThrough(binding);
    EXPECT_FALSE(binding.IsThemeActive());
    EXPECT_TRUE(second.calls.isEmpty());
}

TEST(VisualStylesBinding, TheTwoPartsBindAndReleaseIndependently) {
    TScriptedThemeService service;
    TVisualStylesBinding ex, at;
    ex.Startup();
    at.Startup();
    ex.Startup();  // a second path into the same part binds nothing more
    ex.Shutdown();
    EXPECT_TRUE(ex.Loaded());
    ex.Shutdown();
    EXPECT_FALSE(ex.Loaded());
    EXPECT_TRUE(at.Loaded());
    drawThrough(at);
    EXPECT_EQ(service.calls, (QStringList{"open button", "draw 1 1 (0,0,10,10)"}));
    at.Shutdown();
    EXPECT_FALSE(at.Loaded());
}

TEST(VisualStylesBinding, ThePartsBindingsStartOnFirstUse) {
    // Tests install no theme service, so the program-wide bindings find none.
    EXPECT_FALSE(ExXPVS().Loaded());
    EXPECT_FALSE(ATXPVS().Loaded());
    EXPECT_NE(&ExXPVS(), &ATXPVS());
}

}  // namespace
