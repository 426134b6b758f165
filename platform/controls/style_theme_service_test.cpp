#include "platform/controls/style_theme_service.h"

#include "platform/controls/form.h"
#include "platform/controls/qt_backend.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Paper = 0x123456;

class StyleThemeServiceTest : public ::testing::Test {
protected:
    void SetUp() override { clear(); }
    void clear() {
        canvas().Brush.Color = Paper;
        canvas().FillRect({0, 0, 60, 40});
    }
    std::pair<int, int> painted(const TRect& r) { return paintedAround(bitmap.Image(), Paper, r); }

    TStyleThemeService service;
    TBitmap bitmap{60, 40};
    // Asked anew after each look at the image, which ends the painting.
    TCanvas& canvas() { return bitmap.Canvas(); }
    const TRect r{10, 8, 42, 30};
};

TEST_F(StyleThemeServiceTest, EveryKnownPartDrawsInsideItsRectangleOnly) {
    struct Case {
        const char* themeClass;
        int part;
        std::vector<int> states;
    } cases[] = {
        {"button", BP_PUSHBUTTON, {1, 2, 3, 4, 5}},
        {"button", BP_RADIOBUTTON, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"button", BP_CHECKBOX, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"combobox", CP_DROPDOWNBUTTON, {1, 2, 3, 4}},
        {"spin", SPNP_UP, {1, 2, 3, 4}},
        {"spin", SPNP_DOWN, {1, 2, 3, 4}},
        {"header", HP_HEADERITEM, {1, 2, 3}},
        {"header", HP_HEADERITEMRIGHT, {1, 2, 3}},
        {"Progress", PP_BAR, {0}},
        {"Progress", PP_CHUNK, {1}},
    };
    ASSERT_TRUE(service.IsThemeActive());
    for (const Case& c : cases) {
        HTHEME theme = service.OpenThemeData(nullptr, c.themeClass);
        ASSERT_NE(theme, nullptr) << c.themeClass;
        for (int state : c.states) {
            clear();
            SCOPED_TRACE(QString("%1 part %2 state %3").arg(c.themeClass).arg(c.part).arg(state).toStdString());
            EXPECT_TRUE(service.DrawThemeBackground(theme, canvas(), c.part, state, r, nullptr));
            const auto [inside, outside] = painted(r);
            EXPECT_GT(inside, 0);
            EXPECT_EQ(outside, 0);
        }
        TThemeService::CloseThemeData(theme);
    }
}

TEST_F(StyleThemeServiceTest, ClassesAreFoundWithoutCaseInAListAndUnknownPartsDrawNothing) {
    EXPECT_EQ(service.OpenThemeData(nullptr, "tab;treeview"), nullptr);
    HTHEME theme = service.OpenThemeData(nullptr, "tab; COMBOBOX");
    ASSERT_NE(theme, nullptr);
    EXPECT_FALSE(service.DrawThemeBackground(theme, canvas(), 7, 1, r, nullptr));
    EXPECT_FALSE(service.DrawThemeBackground(theme, canvas(), CP_DROPDOWNBUTTON, 9, r, nullptr));
    EXPECT_EQ(painted(r), std::make_pair(0, 0));

    // A clip rectangle narrows the drawing further.
    const TRect clip{10, 8, 20, 30};
    EXPECT_TRUE(service.DrawThemeBackground(theme, canvas(), CP_DROPDOWNBUTTON, CBXS_NORMAL, r, &clip));
    EXPECT_GT(painted(clip).first, 0);
    EXPECT_EQ(painted(clip).second, 0);
    TThemeService::CloseThemeData(theme);
}

TEST_F(StyleThemeServiceTest, AWindowsPaletteIsUsedAndTheThemeNameIsTheStyles) {
    QtBackend backend;
    SetWindowBackend(&backend);
    {
        TForm form(nullptr);
        form.HandleNeeded();
        HTHEME theme = service.OpenThemeData(form.Handle(), "button");
        ASSERT_NE(theme, nullptr);
        EXPECT_TRUE(service.DrawThemeBackground(theme, canvas(), BP_PUSHBUTTON, PBS_NORMAL, r, nullptr));
        TThemeService::CloseThemeData(theme);
    }
    SetWindowBackend(nullptr);

    QString file, color = "x", size = "x";
    ASSERT_TRUE(service.GetCurrentThemeName(file, color, size));
    EXPECT_FALSE(file.isEmpty());
    EXPECT_TRUE(color.isEmpty());
    EXPECT_TRUE(size.isEmpty());
}

}  // namespace
