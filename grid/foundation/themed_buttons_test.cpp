#include "grid/foundation/themed_buttons.h"

#include "grid/foundation/scripted_theme_service.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/style_theme_service.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr TColor Paper = 0x123456;
using Painter = std::function<void(TCanvas&, HWND, TRect, uint8_t, uint8_t, const TColorTones&)>;

class Surface {
public:
    Surface() {
        canvas().Brush.Color = Paper;
        canvas().FillRect({0, 0, 64, 32});
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) { return canvas().Pixel(x, y); }
    std::pair<int, int> painted(const TRect& r) { return paintedAround(bitmap.Image(), Paper, r); }
    TBitmap bitmap{64, 32};
};

TColorTones tones() {
    TColorTones t;
    t.Background = {0x0000A0, 0x0000B0, 0x0000C0};
    t.Foreground = {0x00A000, 0x00B000, 0x00C000};
    t.Selected = {0xA00000, 0xB00000, 0xC00000};
    t.Hover = {0xA0A000, 0xB0B000, 0xC0C000};
    t.Disabled = {0x00A0A0, 0x00B0B0, 0x00C0C0};
    return t;
}

const TColorTone& toneFor(const TColorTones& t, int state) {
    const TColorTone* byState[] = {&t.Background, &t.Hover, &t.Selected, &t.Disabled};
    return *byState[state];
}

// Each painter with a cell rectangle and the button rectangle it must keep to.
struct Button {
    const char* name;
    Painter paint;
    TRect cell;
    TRect button;
};
const Button buttons[] = {
    {"combo", DrawComboButton, {0, 0, 60, 20}, {41, 1, 58, 19}},
    {"push", DrawPushButton, {2, 2, 30, 20}, {2, 2, 30, 20}},
    {"spin", DrawSpinButtons, {0, 1, 40, 21}, {24, 0, 39, 20}},
};

TEST(ThemedButtons, TonesComboButton) {
    const TColorTones t = tones();
    for (int state = 0; state < 4; ++state) {
        Surface s;
        DrawComboButton(s.canvas(), nullptr, {0, 0, 60, 20}, 3, state, t);
        SCOPED_TRACE(state);
        // The face starts three pixels into the button; its second column is the border line.
        EXPECT_EQ(s.at(43, 5), Paper);
        EXPECT_EQ(s.at(44, 5), toneFor(t, state).BrushColor);
        EXPECT_EQ(s.at(44, 1), toneFor(t, state).BrushColor);
        EXPECT_EQ(s.at(57, 18), toneFor(t, state).BrushColor);
        for (int y = 1; y < 19; ++y) ASSERT_EQ(s.at(45, y), t.Background.BorderColor) << y;
        EXPECT_EQ(s.at(45, 19), Paper);
        EXPECT_EQ(s.at(58, 5), Paper);
        EXPECT_EQ(s.at(50, 0), Paper);
        // The arrow, in the normal text colour whatever the state.
        const int rows[][2] = {{49, 55}, {50, 54}, {51, 53}, {52, 52}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(s.at(rows[i][0] - 1, 9 + i), toneFor(t, state).BrushColor);
            for (int x = rows[i][0]; x <= rows[i][1]; ++x) ASSERT_EQ(s.at(x, 9 + i), t.Background.TextColor) << x;
            EXPECT_EQ(s.at(rows[i][1] + 1, 9 + i), toneFor(t, state).BrushColor);
        }
    }
}

TEST(ThemedButtons, TonesPushButton) {
    const TColorTones t = tones();
    for (int state = 0; state < 4; ++state) {
        Surface s;
        DrawPushButton(s.canvas(), nullptr, {2, 2, 30, 20}, 3, state, t);
        SCOPED_TRACE(state);
        EXPECT_EQ(s.at(2, 2), toneFor(t, state).BorderColor);
        EXPECT_EQ(s.at(29, 19), toneFor(t, state).BorderColor);
        EXPECT_EQ(s.at(3, 3), toneFor(t, state).BrushColor);
        EXPECT_EQ(s.at(28, 18), toneFor(t, state).BrushColor);
        EXPECT_EQ(s.painted({2, 2, 30, 20}).second, 0);
    }
}

TEST(ThemedButtons, TonesSpinButtons) {
    const TColorTones t = tones();
    for (int state = 0; state < 4; ++state) {
        Surface s;
        DrawSpinButtons(s.canvas(), nullptr, {0, 1, 40, 21}, 3, state, t);
        SCOPED_TRACE(state);
        const TColor face = toneFor(t, state).BrushColor;
        // Upper button rows 0-9, a gap at row 10, the lower button rows 11-19.
        for (TPoint p : {TPoint{24, 0}, TPoint{38, 9}, TPoint{24, 11}, TPoint{38, 19}}) EXPECT_EQ(s.at(p.X, p.Y), face);
        for (TPoint p : {TPoint{23, 0}, TPoint{39, 0}, TPoint{30, 10}, TPoint{38, 20}}) EXPECT_EQ(s.at(p.X, p.Y), Paper);
        const int up[][3] = {{3, 31, 31}, {4, 30, 32}, {5, 29, 33}};
        const int down[][3] = {{12, 29, 33}, {13, 30, 32}, {14, 31, 31}};
        for (const auto& rows : {up, down})
            for (int i = 0; i < 3; ++i) {
                const auto& row = rows[i];
                EXPECT_EQ(s.at(row[1] - 1, row[0]), face);
                for (int x = row[1]; x <= row[2]; ++x) ASSERT_EQ(s.at(x, row[0]), clBlack) << x << "," << row[0];
                EXPECT_EQ(s.at(row[2] + 1, row[0]), face);
            }
    }
}

TEST(ThemedButtons, ClassicAndFlatAreThePlatformsFramesInTheButtonRectangle) {
    struct Case {
        const Button& button;
        uint8_t style, state;
        std::vector<std::pair<TRect, unsigned>> frames;  // push buttons are DFC_BUTTON, the others DFC_SCROLL
    } cases[] = {
        {buttons[0], 1, 0, {{{41, 1, 58, 19}, DFCS_SCROLLCOMBOBOX}}},
        {buttons[0], 1, 1, {{{41, 1, 58, 19}, DFCS_SCROLLCOMBOBOX}}},  // hot and pressed do not show
        {buttons[0], 1, 2, {{{41, 1, 58, 19}, DFCS_SCROLLCOMBOBOX}}},
        {buttons[0], 1, 3, {{{41, 1, 58, 19}, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE}}},
        {buttons[0], 2, 3, {{{41, 1, 58, 19}, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE | DFCS_FLAT}}},
        {buttons[1], 1, 0, {{{2, 2, 30, 20}, DFCS_BUTTONPUSH}}},
        {buttons[1], 1, 1, {{{2, 2, 30, 20}, DFCS_BUTTONPUSH | DFCS_HOT}}},
        {buttons[1], 1, 2, {{{2, 2, 30, 20}, DFCS_BUTTONPUSH | DFCS_PUSHED}}},
        {buttons[1], 1, 3, {{{2, 2, 30, 20}, DFCS_BUTTONPUSH | DFCS_INACTIVE}}},
        {buttons[1], 2, 1, {{{2, 2, 30, 20}, DFCS_BUTTONPUSH | DFCS_HOT | DFCS_FLAT}}},
        {buttons[1], 2, 2, {{{2, 2, 30, 20}, DFCS_BUTTONPUSH | DFCS_PUSHED | DFCS_FLAT}}},
        {buttons[2], 1, 0, {{{24, 0, 39, 10}, DFCS_SCROLLUP}, {{24, 11, 39, 20}, DFCS_SCROLLDOWN}}},
        {buttons[2], 1, 2, {{{24, 0, 39, 10}, DFCS_SCROLLUP}, {{24, 11, 39, 20}, DFCS_SCROLLDOWN}}},
        {buttons[2], 2, 3,
         {{{24, 0, 39, 10}, DFCS_SCROLLUP | DFCS_INACTIVE | DFCS_FLAT},
          {{24, 11, 39, 20}, DFCS_SCROLLDOWN | DFCS_INACTIVE | DFCS_FLAT}}},
    };
    for (const Case& c : cases) {
        Surface got, want;
        c.button.paint(got.canvas(), nullptr, c.button.cell, c.style, c.state, tones());
        for (const auto& [r, state] : c.frames)
            DrawFrameControl(want.canvas(), r, state & DFCS_BUTTONPUSH ? DFC_BUTTON : DFC_SCROLL, state);
        EXPECT_EQ(got.bitmap.Image(), want.bitmap.Image()) << c.button.name << " style " << int(c.style) << " state " << int(c.state);
        EXPECT_EQ(got.painted(c.button.button).second, 0) << c.button.name;
    }
    // A pressed classic push button is sunken, a hot flat one raised.
    Surface pressed;
    DrawPushButton(pressed.canvas(), nullptr, {2, 2, 30, 20}, 1, 2, tones());
    EXPECT_EQ(pressed.at(2, 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(pressed.at(29, 19), ColorToRGB(clBtnHighlight));
}

TEST(ThemedButtons, StylesAboveThreeDrawNothing) {
    for (const Button& b : buttons)
        for (uint8_t style : {4, 9, 255}) {
            Surface s;
            b.paint(s.canvas(), nullptr, b.cell, style, 0, tones());
            EXPECT_EQ(s.painted(b.cell), std::make_pair(0, 0)) << b.name << " " << int(style);
        }
}

// The themed style goes through the part's binding of the visual styles.
class ThemedStyleTest : public ::testing::Test {
protected:
    void TearDown() override { ExXPVS().FreeThemeLibrary(); }
};

TEST_F(ThemedStyleTest, PartsAndStatesAskedOfTheTheme) {
    TScriptedThemeService themes;
    ExXPVS().InitThemeLibrary();
    TBitmap bitmap(64, 32);
    struct Case {
        const Button& button;
        uint8_t state;
        QStringList calls;
    } cases[] = {
        {buttons[0], 0, {"open combobox", "draw 1 1 (41,1,58,19)"}},
        {buttons[0], 1, {"open combobox", "draw 1 1 (41,1,58,19)"}},
        {buttons[0], 3, {"open combobox", "draw 1 4 (41,1,58,19)"}},
        {buttons[1], 0, {"open button", "draw 1 1 (2,2,30,20)"}},
        {buttons[1], 1, {"open button", "draw 1 2 (2,2,30,20)"}},
        {buttons[1], 2, {"open button", "draw 1 3 (2,2,30,20)"}},
        {buttons[1], 3, {"open button", "draw 1 4 (2,2,30,20)"}},
        // The themed spin buttons meet in the middle, without the classic gap.
        {buttons[2], 2, {"open spin", "draw 1 1 (24,0,39,10)", "draw 2 1 (24,10,39,20)"}},
        {buttons[2], 3, {"open spin", "draw 1 4 (24,0,39,10)", "draw 2 4 (24,10,39,20)"}},
    };
    for (const Case& c : cases) {
        themes.calls.clear();
        c.button.paint(bitmap.Canvas(), nullptr, c.button.cell, 0, c.state, tones());
        EXPECT_EQ(themes.calls, c.calls) << c.button.name << " state " << int(c.state);
    }
}

TEST_F(ThemedStyleTest, TheStylesDrawingStaysInTheButtonRectangle) {
    TStyleThemeService style;
    SetThemeService(&style);
    ExXPVS().InitThemeLibrary();
    SetThemeService(nullptr);
    for (const Button& b : buttons)
        for (uint8_t state = 0; state < 4; ++state) {
            Surface s;
            b.paint(s.canvas(), nullptr, b.cell, 0, state, tones());
            const auto [inside, outside] = s.painted(b.button);
            EXPECT_GT(inside, 0) << b.name << " " << int(state);
            EXPECT_EQ(outside, 0) << b.name << " " << int(state);
        }
}

TEST_F(ThemedStyleTest, WithoutAThemeTheThemedStyleDrawsNothing) {
    ExXPVS().InitThemeLibrary();  // no service installed
    for (const Button& b : buttons) {
        Surface s;
        b.paint(s.canvas(), nullptr, b.cell, 0, 0, tones());
        EXPECT_EQ(s.painted(b.cell), std::make_pair(0, 0)) << b.name;
    }
}

}  // namespace
