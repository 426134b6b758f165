#include "grid/editors/dropdown/button_panel.h"
#include "grid/editors/dropdown/color_picker_dropdown.h"
#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/controls/image_list.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class ButtonPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 400, 300);
        panel = new TCustomButtonPanel(&form);
        panel->SetParent(&form);
        panel->SetBounds(0, 0, 228, 150);
        panel->Loaded();
        panel->OnButtonClick = [this](TObject*, int index) { clicks.push_back(index); };
        form.Show();
    }
    TRect rectOf(int index) {
        TRect r;
        panel->GetButtonRect(index, r);
        return r;
    }
    TPoint middle(int index) { return {(rectOf(index).Left + rectOf(index).Right) / 2, (rectOf(index).Top + rectOf(index).Bottom) / 2}; }

    TForm form{nullptr};
    TCustomButtonPanel* panel = nullptr;
    std::vector<int> clicks;
};

TEST_F(ButtonPanelTest, LaysTheCalculatorKeysOutInSixColumnsAndFiveRows) {
    ASSERT_EQ(panel->Buttons().size(), 28u);
    EXPECT_EQ(panel->Buttons()[11].Caption, "7");
    EXPECT_EQ(panel->Buttons()[11].Tag, 7);
    EXPECT_EQ(panel->Buttons()[27].Name, "BTN_sqrt");
    EXPECT_TRUE(panel->Buttons()[24].Special);
    EXPECT_EQ(panel->Buttons()[24].CaptionColor, 0x000080);
    // W 34, H 26; rows at 8, 38, 63, 88, 113; columns at 8, 46, 79, 112, 150, 183.
    struct Case {
        int index;
        TRect rect;
    } cases[] = {
        {0, {8, 8, 42, 34}},       {1, {46, 8, 100, 34}},      {2, {104, 8, 158, 34}},   {3, {162, 8, 217, 34}},
        {4, {8, 38, 42, 64}},      {7, {8, 113, 42, 139}},     {11, {46, 38, 80, 64}},    {8, {46, 113, 80, 139}},
        {12, {79, 38, 113, 64}},   {16, {112, 113, 146, 139}}, {20, {150, 38, 184, 64}},  {27, {183, 38, 217, 64}},
        {24, {183, 113, 217, 139}},
    };
    for (const Case& c : cases) EXPECT_EQ(rectOf(c.index), c.rect) << panel->Buttons()[static_cast<size_t>(c.index)].Caption.toStdString();
    // Where neighbours share an edge the lower index wins.
    EXPECT_EQ(panel->ButtonAtPos(79, 40), 11);
    EXPECT_EQ(panel->ButtonAtPos(44, 40), -1);  // the gap before the digits
    EXPECT_EQ(rectOf(28), (TRect{-1, -1, -1, -1}));

    panel->BuildButtons();
    EXPECT_EQ(panel->Buttons().size(), 28u);
    panel->Buttons().Delete(panel->Buttons().Count() - 1);
    panel->ResetButtons();
    EXPECT_EQ(panel->Buttons().size(), 28u);

    // A custom panel keeps the rectangles its owner gives.
    panel->SetButtonPanelType(plCustom);
    panel->Buttons()[0].Left = 1;
    panel->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(panel->Buttons()[0].Left, 1);
}

TEST_F(ButtonPanelTest, AClickCountsOnlyWhenPressAndReleaseMeetOnOneKey) {
    const TPoint seven = middle(11), eight = middle(12);
    mouseMessage(*panel, WM_LBUTTONDOWN, seven.X, seven.Y, MK_LBUTTON);
    EXPECT_EQ(panel->ButtonDown(), 11);
    mouseMessage(*panel, WM_MOUSEMOVE, eight.X, eight.Y, MK_LBUTTON);
    mouseMessage(*panel, WM_LBUTTONUP, eight.X, eight.Y);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(panel->ButtonDown(), -1);
    click(*panel, eight.X, eight.Y);
    EXPECT_EQ(clicks, (std::vector<int>{12}));
    EXPECT_EQ(panel->ButtonHot(), 12);

    panel->Buttons()[13].Enabled = false;
    mouseMove(*panel, middle(13).X, middle(13).Y);
    EXPECT_EQ(panel->ButtonHot(), -1);
    click(*panel, middle(13).X, middle(13).Y);
    EXPECT_EQ(clicks.size(), 1u);
    panel->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(panel->ButtonHot(), -1);
}

TEST_F(ButtonPanelTest, KeysAreDrawnAsButtonsWithTheirCaptionColour) {
    panel->ButtonAppearance().SpecialTextColor = 0x0000FF;
    panel->ButtonAppearance().TextColor = 0x00FF00;
    const QImage image = renderToImage(*panel);
    const auto inkOf = [&](int index, QColor colour) {
        int n = 0;
        const TRect r = rectOf(index);
        for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
            for (int x = r.Left + 2; x < r.Right - 2; ++x) n += image.pixelColor(x, y) == colour;
        return n;
    };
    EXPECT_GT(inkOf(24, QColor(255, 0, 0)), 0);  // "=" is special
    EXPECT_EQ(inkOf(24, QColor(0, 255, 0)), 0);
    EXPECT_GT(inkOf(11, QColor(0, 255, 0)), 0);  // "7" is not
    // The panel on its own has a black frame.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0));
}

// On its own the keypad repaints when its keys or their look change; inside a drop-down it
// leaves that to the drop-down.
TEST_F(ButtonPanelTest, APanelOnItsOwnRepaintsWhenItsKeysOrTheirLookChange) {
    const auto repaintsOn = [&](const std::function<void()>& change) {
        TInvalidationRecorder recorder;
        change();
        return recorder.Covers({panel->Width() / 2, panel->Height() / 2});
    };
    EXPECT_TRUE(repaintsOn([&] { panel->Buttons().Add().Caption = "x"; }));
    EXPECT_TRUE(repaintsOn([&] { panel->Buttons().Delete(28); }));
    EXPECT_TRUE(repaintsOn([&] {
        panel->Buttons()[11].Enabled = false;
        panel->Buttons().Changed();
    }));
    EXPECT_TRUE(repaintsOn([&] {
        panel->ButtonAppearance().TextColor = clRed;
        panel->ButtonAppearance().Changed();
    }));
    EXPECT_TRUE(repaintsOn([&] { panel->SetButtonAppearance(TButtonAppearance()); }));
    auto* owner = new TExColorPickerDropDown(&form);
    panel->SetExDropDown(owner);
    EXPECT_FALSE(repaintsOn([&] { panel->Buttons().Changed(); }));
    EXPECT_FALSE(repaintsOn([&] { panel->ButtonAppearance().Changed(); }));
    panel->SetExDropDown(nullptr);
}

// A disabled key's glyph is drawn grey, from the image list or its own picture.
TEST_F(ButtonPanelTest, ADisabledKeysGlyphIsDrawnDisabled) {
    auto* images = new TImageList(&form);
    TBitmap red(16, 16);
    red.Canvas().Brush.Color = clRed;
    red.Canvas().FillRect({0, 0, 16, 16});
    images->Add(red);
    panel->SetImages(images);
    panel->Buttons()[11].ImageIndex = 0;
    panel->Buttons()[12].Image->Assign(red);
    panel->Buttons().Changed();
    const auto redIn = [&](int index) {
        const QImage image = renderToImage(*panel);
        int n = 0;
        const TRect r = rectOf(index);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += image.pixelColor(x, y) == QColor(255, 0, 0);
        return n;
    };
    EXPECT_GE(redIn(11), 100);
    EXPECT_GE(redIn(12), 100);
    for (int index : {11, 12}) panel->Buttons()[size_t(index)].Enabled = false;
    panel->Buttons().Changed();
    EXPECT_EQ(redIn(11), 0);
    EXPECT_EQ(redIn(12), 0);
}

TEST_F(ButtonPanelTest, ForgetsItsImageListAndEditWhenTheyGo) {
    auto* images = new TImageList(&form);
    auto* edit = new TEdit(&form);
    panel->SetImages(images);
    panel->SetEdit(edit);
    panel->Buttons()[11].ImageIndex = 0;
    delete images;
    delete edit;
    EXPECT_EQ(panel->Images(), nullptr);
    EXPECT_EQ(panel->Edit(), nullptr);
    renderToImage(*panel);  // paints without the list
}

}  // namespace
