#include "grid/editors/dropdown/dropdown_edit_button.h"
#include "grid/editors/dropdown/dropdown_styles.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <gtest/gtest.h>

namespace {

class DropDownStyles : public ::testing::Test {
protected:
    TExCustomDropDown dd{nullptr};
};

TEST_F(DropDownStyles, ANewDropDownWearsLunaAndTheOffice2007Selection) {
    EXPECT_EQ(dd.GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(dd.DropDownColor(), 0xF3E5DA);
    EXPECT_EQ(dd.DropDownColorTo, 0xF0DED0);
    EXPECT_EQ(dd.DropDownBorderColor, clNone);
    EXPECT_EQ(dd.DropDownHeader().Color, 0xFFEFE3);
    EXPECT_EQ(dd.DropDownHeader().Font().Color(), 0x723708);
    EXPECT_EQ(dd.ButtonAppearance().ColorTo(), 0xFFDDC4);
    EXPECT_EQ(dd.SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(dd.SelectionColor, 0xD7FFFD);
    EXPECT_EQ(dd.SelectionColorTo, 0x58D4FC);
}

TEST_F(DropDownStyles, CustomOnlyStoresTheStyle) {
    dd.SetDropDownColor(0x123456);
    dd.DropDownHeader().Color = 0x654321;
    dd.SetComponentStyle(tsCustom);
    EXPECT_EQ(dd.GetComponentStyle(), tsCustom);
    EXPECT_EQ(dd.DropDownColor(), 0x123456);
    EXPECT_EQ(dd.DropDownHeader().Color, 0x654321);
}

TEST_F(DropDownStyles, ThreeStylesKeepThePopupsBorderColour) {
    for (TExStyle style : {tsOffice2003Blue, tsOffice2003Silver, tsWindowsXP}) {
        dd.DropDownBorderColor = clRed;
        dd.SetComponentStyle(style);
        EXPECT_EQ(dd.DropDownBorderColor, clRed) << style;
    }
    dd.SetComponentStyle(tsWindowsVista);
    EXPECT_EQ(dd.DropDownBorderColor, 0x979797);
    // Vista's footer runs its gradient the other way.
    EXPECT_EQ(dd.DropDownHeader().Color, 0xFFFDF9);
    EXPECT_EQ(dd.DropDownFooter().Color, 0xFFFAF0);
    EXPECT_EQ(dd.DropDownFooter().ColorTo, 0xFFFDF9);
}

TEST_F(DropDownStyles, TheButtonAppearanceTellsOfEachChange) {
    int changes = 0;
    dd.ButtonAppearance().OnChange = [&](TObject*) { ++changes; };
    dd.SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(dd.ButtonAppearance().Color(), 0xBFBFBF);
    EXPECT_EQ(dd.ButtonAppearance().ColorHotTo(), clNone);
    EXPECT_EQ(dd.ButtonAppearance().BorderColorChecked(), 0x4FA0CE);
    EXPECT_GT(changes, 0);
    const int before = changes;
    dd.SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(changes, before);  // nothing changed this time
}

TEST_F(DropDownStyles, ColourTonesColourTheDropButtonAndTheFrameOnly) {
    const TColor headerColor = dd.DropDownHeader().Color;
    TColorTones tones;
    tones.Background = {0x111111, 0x222222, 0x333333};
    tones.Hover = {0x444444, 0, 0};
    tones.Selected = {0x555555, 0, 0};
    dd.SetColorTones(tones);
    EXPECT_EQ(dd.Button()->Colors.ButtonColor, 0x111111);
    EXPECT_EQ(dd.Button()->Colors.ButtonColorHot, 0x444444);
    EXPECT_EQ(dd.Button()->Colors.ButtonColorDown, 0x555555);
    EXPECT_EQ(dd.Button()->Colors.ButtonBorderColor, 0x222222);
    EXPECT_EQ(dd.BorderColor(), 0x222222);
    EXPECT_EQ(dd.DropDownHeader().Color, headerColor);
    EXPECT_EQ(dd.GetComponentStyle(), tsOffice2007Luna);
}

TEST_F(DropDownStyles, ACustomSelectionKeepsItsColoursAndFillsPlainly) {
    dd.SelectionColor = 0x00AA00;
    dd.SetSelectionColorStyle(scCustom);
    EXPECT_EQ(dd.SelectionColor, 0x00AA00);
    TBitmap bitmap(20, 10);
    TCanvas& canvas = bitmap.Canvas();
    dd.DrawSelectionBackground(canvas, Rect(0, 0, 20, 10), clWhite, 0);
    EXPECT_EQ(canvas.Pixel(0, 0), 0x00AA00);
    EXPECT_EQ(canvas.Pixel(10, 5), 0x00AA00);

    dd.SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(dd.SelectionColor, 0xFCEBDC);
    canvas.Brush.Color = clWhite;
    canvas.FillRect(Rect(0, 0, 20, 10));
    dd.DrawSelectionBackground(canvas, Rect(0, 0, 20, 10), clWhite, 0);
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);  // the cut corner shows the background
    EXPECT_NE(canvas.Pixel(10, 5), clWhite);
}

TEST(DropDownStyleTables, ItemAppearances) {
    TItemAppearanceStyleColors colors;
    EXPECT_FALSE(ItemAppearanceStyleColors(tsCustom, colors));
    ASSERT_TRUE(ItemAppearanceStyleColors(tsWindowsXP, colors));
    EXPECT_EQ(colors.ColorSelected, clHighlight);
    EXPECT_EQ(colors.ColorSelectedText, clHighlightText);
    ASSERT_TRUE(ItemAppearanceStyleColors(tsOffice2007Silver, colors));
    EXPECT_EQ(colors.EdgeColor, 0xC3D9DF);
    EXPECT_EQ(colors.ColorSelectedText, 0x000000);
}

}  // namespace
