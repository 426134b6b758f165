#include "grid/foundation/grid_button.h"

#include "grid/foundation/scripted_theme_service.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/action.h"
#include "platform/controls/form.h"
#include "platform/controls/popup_menu.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class GridButtonTest : public ::testing::Test {
protected:
    void TearDown() override { ExXPVS().FreeThemeLibrary(); }

    TExGridButton* button(int left = 0, int group = 0) {
        auto* b = new TExGridButton(&form);
        b->SetParent(&form);
        b->SetBounds(left, 0, 40, 20);
        b->SetGroupIndex(group);
        return b;
    }
    // The button painted alone on a bitmap of its size.
    static std::unique_ptr<TBitmap> paint(TExGridButton& b) {
        auto bitmap = std::make_unique<TBitmap>(b.Width(), b.Height());
        b.Perform(WM_PAINT, 0, reinterpret_cast<intptr_t>(&bitmap->Canvas()));
        return bitmap;
    }
    static int count(TBitmap& bitmap, TColor c) {
        int n = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) n += bitmap.Canvas().Pixel(x, y) == ColorToRGB(c);
        return n;
    }

    TForm form{nullptr};
};

TEST_F(GridButtonTest, Defaults) {
    TExGridButton b(nullptr);
    EXPECT_EQ(b.Width(), 22);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_TRUE(b.Flat());
    EXPECT_EQ(b.Spacing(), 4);
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_EQ(b.ColorHot, 0xCAC7C7);
    EXPECT_EQ(b.ColorDown, 0xD8D3D2);
    EXPECT_EQ(b.ColorChecked(), 0x808080);
    EXPECT_EQ(b.Style(), tasButton);
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_TRUE(b.Shaded());
    EXPECT_TRUE(b.ShowCaption());
    b.SetMargin(-2);
    EXPECT_EQ(b.Margin(), -1);
    b.SetMargin(3);
    EXPECT_EQ(b.Margin(), 3);
}

TEST_F(GridButtonTest, DownCountsOnlyInAGroupOrAsACheckButton) {
    TExGridButton* plain = button();
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
    plain->SetStyle(tasCheck);
    plain->SetDown(true);
    EXPECT_TRUE(plain->Down());
    plain->SetDown(false);
    EXPECT_FALSE(plain->Down());
}

TEST_F(GridButtonTest, ButtonsOfAGroupReleaseEachOther) {
    TExGridButton* first = button(0, 1);
    TExGridButton* second = button(50, 1);
    TExGridButton* other = button(100, 2);
    other->SetDown(true);
    first->SetDown(true);
    EXPECT_TRUE(first->Down());
    second->SetDown(true);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_TRUE(other->Down());  // another group
    second->SetDown(false);      // no AllowAllUp: stays down
    EXPECT_TRUE(second->Down());

    int clicks = 0;
    first->OnClick = [&](TObject*) { ++clicks; };
    click(*first, 5, 5);
    EXPECT_TRUE(first->Down());
    EXPECT_FALSE(second->Down());
    EXPECT_EQ(clicks, 1);

    second->SetAllowAllUp(true);  // handed to the others of the group
    EXPECT_TRUE(first->AllowAllUp());
    click(*first, 5, 5);
    EXPECT_FALSE(first->Down());
}

TEST_F(GridButtonTest, APressOnTheDropDownPartOpensItAndDoesNotPress) {
    TExGridButton* b = button();
    b->SetDropDownButton(true);
    int drops = 0, clicks = 0;
    b->OnDropDown = [&](TObject*) { ++drops; };
    b->OnClick = [&](TObject*) { ++clicks; };
    click(*b, 35, 5);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 0);
    click(*b, 20, 5);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 1);
    // A release outside after a press inside is no click.
    mouseMessage(*b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    mouseMessage(*b, WM_LBUTTONUP, 60, 5);
    EXPECT_EQ(clicks, 1);
}

// The drop-down part pops the menu up below the button's bottom-left corner; a freed menu is
// forgotten.
TEST_F(GridButtonTest, TheDropDownPartPopsItsMenuUpBelowTheButton) {
    TExGridButton* b = button(30);
    b->SetDropDownButton(true);
    auto* menu = new TPopupMenu(&form);
    menu->Items = {"Sort", "Filter"};
    b->SetDropDownMenu(menu);
    form.Show();
    click(*b, 35, 5);
    ASSERT_EQ(driver().menus().size(), 1u);
    const TPoint corner = b->ClientToScreen(TPoint{0, 20});
    EXPECT_EQ(driver().menus()[0].X, corner.X);
    EXPECT_EQ(driver().menus()[0].Y, corner.Y);
    click(*b, 5, 5);
    EXPECT_EQ(driver().menus().size(), 1u) << "the button part opens no menu";
    delete menu;
    EXPECT_EQ(b->DropDownMenu(), nullptr);
    click(*b, 35, 5);
    EXPECT_EQ(driver().menus().size(), 1u);
}

// The link passes on the caption while the button shows the action's, the checked state to a
// group button that may go all up, and the group while the button is in the action's; a click
// without OnClick executes the action, and a button released by its group unchecks it.
TEST_F(GridButtonTest, AButtonFollowsItsActionAsItsLinkSays) {
    TExGridButton* b = button(0, 1);
    TExGridButton* other = button(50, 1);
    TCustomAction action(nullptr);
    action.SetCaption("Bold");
    action.SetGroupIndex(1);
    int runs = 0;
    action.OnExecute = [&](TObject*) { ++runs; };
    b->SetAction(&action);
    EXPECT_EQ(b->Caption(), "Bold");
    action.SetCaption("Heavy");
    EXPECT_EQ(b->Caption(), "Heavy");

    action.SetChecked(true);
    EXPECT_FALSE(b->Down()) << "AllowAllUp is off";
    action.SetChecked(false);
    b->SetAllowAllUp(true);
    action.SetChecked(true);
    EXPECT_TRUE(b->Down());

    form.Show();
    click(*other, 5, 5);
    EXPECT_TRUE(other->Down());
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(action.Checked());

    action.SetGroupIndex(2);
    EXPECT_EQ(b->GroupIndex(), 2);
    click(*b, 5, 5);
    EXPECT_EQ(runs, 1);
    b->OnClick = [&](TObject*) {};
    click(*b, 5, 5);
    EXPECT_EQ(runs, 1) << "OnClick takes the action's place";
}

TEST_F(GridButtonTest, TheDisabledGlyphIsAGreyCopy) {
    TExGridButton* b = button();
    TBitmap glyph(2, 2);
    glyph.Canvas().SetPixel(0, 0, RGB(255, 255, 255));
    glyph.Canvas().SetPixel(1, 0, RGB(0, 0, 0));
    glyph.Canvas().SetPixel(0, 1, RGB(30, 60, 91));  // mean 60.33: 60 / 2 + 96
    glyph.Canvas().SetPixel(1, 1, RGB(200, 0, 0));
    b->SetGlyph(glyph);
    TCanvas& grey = b->GlyphDisabled().Canvas();
    EXPECT_EQ(grey.Pixel(0, 0), RGB(223, 223, 223));
    EXPECT_EQ(grey.Pixel(1, 0), RGB(96, 96, 96));
    EXPECT_EQ(grey.Pixel(0, 1), RGB(126, 126, 126));
    EXPECT_EQ(grey.Pixel(1, 1), RGB(129, 129, 129));
    // A disabled glyph already given stays.
    TBitmap other(2, 2);
    b->SetGlyph(other);
    EXPECT_EQ(b->GlyphDisabled().Canvas().Pixel(0, 0), RGB(223, 223, 223));
}

TEST_F(GridButtonTest, LooksAndTheDesktopsColourScheme) {
    TExGridButton* b = button();
    b->SetLook(2);
    EXPECT_EQ(b->Color(), 0xFDEADA);
    EXPECT_EQ(b->ColorTo(), 0xE4AE88);
    EXPECT_EQ(b->ColorCheckedTo(), 0x55ADFF);
    EXPECT_EQ(b->BorderHotColor, 0);
    EXPECT_FALSE(b->Rounded());
    b->SetLook(7);
    EXPECT_EQ(b->Look(), 2);
    b->SetLook(0);
    EXPECT_TRUE(b->Rounded());
    EXPECT_EQ(b->BorderDownColor, 0xAF987A);

    b->SetAutoThemeAdapt(true);  // no themes: look 1
    EXPECT_EQ(b->Look(), 1);
    EXPECT_EQ(b->ColorHot, 0xEED2C1);

    TScriptedThemeService themes(QStringLiteral("HomeStead"));
    ExXPVS().InitThemeLibrary();
    b->Perform(WM_THEMECHANGED);
    EXPECT_EQ(b->Look(), 3);
    TScriptedThemeService metallic(QStringLiteral("Metallic"));
    ExXPVS().FreeThemeLibrary();
    ExXPVS().InitThemeLibrary();
    b->Perform(0xB035);
    EXPECT_EQ(b->Look(), 4);
    b->SetAutoThemeAdapt(false);
    b->SetLook(5);
    b->Perform(WM_THEMECHANGED);
    EXPECT_EQ(b->Look(), 5);
}

TEST_F(GridButtonTest, FlatFacesInTheirStates) {
    TExGridButton* b = button();
    b->SetColor(0x00A000);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;
        EXPECT_EQ(face.Canvas().Pixel(1, 1), 0x00A000);
        EXPECT_EQ(face.Canvas().Pixel(38, 18), 0x00A000);
        EXPECT_EQ(face.Canvas().Pixel(0, 0), clWhite);  // a pixel in without a down border
    }
    b->ColorHot = 0x0000C0;
    b->BorderHotColor = 0xC00000;
    b->Perform(CM_MOUSEENTER);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;
        EXPECT_EQ(face.Canvas().Pixel(1, 1), 0xC00000);
        EXPECT_EQ(face.Canvas().Pixel(5, 5), 0x0000C0);
    }
    b->Perform(CM_MOUSELEAVE);
    b->SetStyle(tasCheck);
    b->SetDown(true);
    b->SetColorChecked(0x404040);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;
        EXPECT_EQ(face.Canvas().Pixel(5, 5), 0x404040);
    }
    b->SetDown(false);
    b->SetColorTo(0xFFFFFF);
    b->SetColor(0x000000);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;  // 16 bands from black at the top to white
        EXPECT_EQ(face.Canvas().Pixel(5, 1), 0x000000);
        const TColor low = face.Canvas().Pixel(5, 18);
        EXPECT_GT(GetRValue(low), 200);
        EXPECT_LT(GetRValue(face.Canvas().Pixel(5, 9)), GetRValue(low));
    }
}

TEST_F(GridButtonTest, ClassicFacesRiseAndSinkAndDisabledCaptionsAreEtched) {
    TExGridButton* b = button();
    b->SetFlat(false);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;
        EXPECT_EQ(face.Canvas().Pixel(0, 0), ColorToRGB(clBtnHighlight));
        EXPECT_EQ(face.Canvas().Pixel(39, 19), ColorToRGB(cl3DDkShadow));
    }
    mouseMessage(*b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;
        EXPECT_EQ(face.Canvas().Pixel(0, 0), ColorToRGB(clBtnShadow));
    }
    mouseMessage(*b, WM_LBUTTONUP, 5, 5);
    b->SetCaption(QStringLiteral("Go"));
    b->Font().SetColor(clBlack);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;
        EXPECT_GT(count(face, clBlack), 5);
        EXPECT_EQ(count(face, clGrayText), 0);
    }
    b->SetEnabled(false);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;
        EXPECT_EQ(count(face, clBlack), 0);
        EXPECT_GT(count(face, clBtnShadow), 5 + 2 * 38);  // the caption besides the face's edge
    }
}

TEST_F(GridButtonTest, WithoutACaptionTheGlyphSitsAtTheTopLeft) {
    TExGridButton* b = button();
    TBitmap glyph(3, 3);
    glyph.Canvas().Brush.Color = clRed;
    glyph.Canvas().FillRect({0, 0, 3, 2});
    b->SetGlyph(glyph);
    const auto painted = paint(*b);
    EXPECT_EQ(painted->Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(painted->Canvas().Pixel(2, 1), clRed);
    EXPECT_NE(painted->Canvas().Pixel(3, 1), clRed);
}

TEST_F(GridButtonTest, TheGlyphStandsBeforeTheCaptionByMarginAndSpacing) {
    TExGridButton* b = button();
    b->SetBounds(0, 0, 60, 20);
    TBitmap glyph(6, 6);
    glyph.Canvas().Brush.Color = clFuchsia;  // the bottom-left pixel: transparent
    glyph.Canvas().FillRect({0, 0, 6, 6});
    glyph.Canvas().Brush.Color = clRed;
    glyph.Canvas().FillRect({1, 1, 5, 5});
    b->SetGlyph(glyph);
    b->SetCaption(QStringLiteral("x"));
    b->SetMargin(4);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;  // flat: the content starts 2 pixels in
        EXPECT_EQ(count(face, clFuchsia), 0);
        EXPECT_EQ(face.Canvas().Pixel(2 + 4 + 1, 9), clRed);
        EXPECT_NE(face.Canvas().Pixel(2 + 4, 9), clRed);
    }
    b->SetLayout(blGlyphRight);
    {
        const auto painted = paint(*b);
        TBitmap& face = *painted;
        EXPECT_EQ(face.Canvas().Pixel(2 + 56 - 4 - 2, 9), clRed);
        EXPECT_NE(face.Canvas().Pixel(2 + 56 - 4 - 1, 9), clRed);
    }
}

}  // namespace
