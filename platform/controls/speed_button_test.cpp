#include "platform/controls/speed_button.h"

#include "platform/controls/form.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

TEST(SpeedButton, HeldDownWhileTheMouseStaysOverItAndClicksOnReleaseOverIt) {
    TForm form(nullptr);
    auto* button = new TSpeedButton(&form);
    button->SetParent(&form);
    button->SetBounds(10, 10, 20, 20);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };

    mouseMessage(*button, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(button->State(), bsDown);
    EXPECT_TRUE(button->MouseCapture());
    mouseMessage(*button, WM_MOUSEMOVE, 40, 40, MK_LBUTTON);
    EXPECT_EQ(button->State(), bsUp);
    mouseMessage(*button, WM_LBUTTONUP, 40, 40);
    EXPECT_EQ(clicks, 0);

    click(*button, 5, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->State(), bsUp);
}

TEST(SpeedButton, DrawsItsGlyphWithTheBottomLeftColourLeftOut) {
    TSpeedButton button(nullptr);
    button.SetBounds(0, 0, 20, 20);
    TBitmap glyph(4, 2);
    glyph.Canvas().Brush.Color = clRed;
    glyph.Canvas().FillRect({0, 0, 4, 2});
    glyph.Canvas().SetPixel(0, 0, clBlue);
    button.SetGlyph(&glyph);
    const QImage image = renderToImage(button);
    int blue = 0, red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c == QColor(0, 0, 255);
            red += c == QColor(255, 0, 0);
        }
    EXPECT_EQ(blue, 1);
    EXPECT_EQ(red, 0);
}

}  // namespace
