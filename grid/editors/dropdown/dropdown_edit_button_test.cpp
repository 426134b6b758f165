#include "grid/editors/dropdown/dropdown_edit_button.h"
#include "grid/editors/dropdown/dropdown_fixture.h"

#include "platform/graphics/canvas.h"

#include <QImage>

namespace {

class DropButton : public DropDownFixture {
protected:
    TDropDownEditButton& holder() { return *dd->Button(); }
    TColor pixel(int x, int y) {
        const QImage image = renderToImage(holder());
        const QColor c = image.pixelColor(x, y);
        return RGB(c.red(), c.green(), c.blue());
    }
};

TEST_F(DropButton, KeepsItsWidthAndTheArrowFillsItsHeight) {
    holder().SetBounds(3, 4, 40, 30);
    EXPECT_EQ(holder().Width(), 17);
    EXPECT_EQ(holder().Button()->BoundsRect(), Rect(0, 0, 17, 30));
    dd->SetDropDownButtonWidth(20);
    EXPECT_EQ(holder().Width(), 20);
    EXPECT_EQ(holder().Button()->Height(), holder().Height());
    // Inside the edit's border, one row from its top and bottom.
    EXPECT_EQ(holder().Height(), dd->Height() - 4);
}

TEST_F(DropButton, ColourTonesPaintTheFaceAndAnUnsetArrowIsBlack) {
    TColorTones tones;
    tones.Background = {0x00FF00, 0x0000FF, clBlack};
    tones.Hover = {0xFF0000, 0, 0};
    tones.Selected = {0x00FFFF, 0, 0};
    dd->SetColorTones(tones);
    EXPECT_EQ(pixel(12, 3), 0x00FF00);
    EXPECT_EQ(pixel(0, 3), 0x0000FF);  // the line in the edit's frame colour
    EXPECT_EQ(pixel(8, 8), clBlack);   // the arrow
    holder().Button()->Perform(CM_MOUSEENTER);
    EXPECT_EQ(pixel(12, 3), 0xFF0000);
}

TEST_F(DropButton, AGlyphShowsOnAFaceWithAGreyFrame) {
    TBitmap glyph(4, 4);
    glyph.Canvas().Brush.Color = clRed;
    glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas().SetPixel(0, 3, clWhite);  // the transparent colour
    dd->SetDropDownButtonGlyph(&glyph);
    EXPECT_EQ(pixel(0, 10), 0x808080);
    EXPECT_EQ(pixel(10, 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(pixel(1, 1), clRed);
}

TEST_F(DropButton, AReadOnlyDropDownShowsADisabledArrow) {
    dd->ReadOnly = true;
    renderToImage(holder());
    EXPECT_FALSE(holder().Button()->Enabled());
    dd->ReadOnly = false;
    renderToImage(holder());
    EXPECT_TRUE(holder().Button()->Enabled());
}

}  // namespace
