#include "grid/editors/dropdown/color_cube.h"
#include "grid/editors/dropdown/color_palette.h"
#include "grid/editors/dropdown/hue_lightness_panel.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TColor pixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

class ColorPanelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 400, 300);
        form.SetColor(0xF0F0F0);
        form.Show();
    }
    template <typename T>
    T* make() {
        auto* panel = new T(&form);
        panel->SetParent(&form);
        return panel;
    }
    TForm form{nullptr};
};

class PaletteTest : public ColorPanelsTest {
protected:
    void SetUp() override {
        ColorPanelsTest::SetUp();
        palette = make<TCustomColorSelector>();
        palette->AddPaletteColors();
        palette->UpdateItems();
        palette->OnItemSelect = [this](TObject*) { selected.push_back(palette->ItemIndex()); };
    }
    TRect rectOf(int index) {
        TRect r;
        palette->GetItemRect(index, r);
        return r;
    }
    TCustomColorSelector* palette = nullptr;
    std::vector<int> selected;
};

TEST_F(PaletteTest, LaysTheSixtyBoxesOutWithAGapBelowTheFirstRowOnly) {
    EXPECT_EQ(palette->Width(), 165);
    EXPECT_EQ(palette->Height(), 84);
    EXPECT_EQ(rectOf(0), (TRect{4, 4, 16, 16}));
    const int rows[] = {4, 20, 32, 44, 56, 68};
    for (int row = 0; row < 6; ++row) EXPECT_EQ(rectOf(row * 10 + 9).Top, rows[row]) << row;
    EXPECT_EQ(rectOf(9).Left, 148);
    EXPECT_EQ(palette->ItemAtPos(4, 4), 0);
    EXPECT_EQ(palette->ItemAtPos(16, 4), -1);  // the gap between boxes
    EXPECT_EQ(palette->ItemAtPos(20, 31), 11);
    EXPECT_EQ(rectOf(60), (TRect{-1, -1, -1, -1}));
}

TEST_F(PaletteTest, PaintsBoxesStripsAndTheHotAndSelectedFrames) {
    QImage image = renderToImage(*palette);
    const TColor border = 0xC5C5C5;
    // Box 0 (white), its outline on all sides taking in its right and bottom edges.
    EXPECT_EQ(pixelAt(image, 4, 4), border);
    EXPECT_EQ(pixelAt(image, 16, 16), border);
    EXPECT_EQ(pixelAt(image, 15, 15), 0xFFFFFF);
    // The strip of column 0, rows 2 to 6: no lines between its boxes, sides all the way.
    EXPECT_EQ(pixelAt(image, 4, 20), border);       // top of the strip
    EXPECT_EQ(pixelAt(image, 8, 32), 0xD8D8D8);     // row 3 touches row 2 without a line
    EXPECT_EQ(pixelAt(image, 4, 40), border);       // the left side runs on
    EXPECT_EQ(pixelAt(image, 8, 80), border);       // the strip's bottom
    EXPECT_EQ(pixelAt(image, 8, 79), 0x7F7F7F);

    palette->SetItemIndex(5);
    mouseMove(*palette, rectOf(7).Left + 2, rectOf(7).Top + 2);
    EXPECT_EQ(palette->ItemHot(), 7);
    image = renderToImage(*palette);
    const TRect sel = rectOf(5), hot = rectOf(7);
    EXPECT_EQ(pixelAt(image, sel.Left, sel.Top), 0x0000FF);
    EXPECT_EQ(pixelAt(image, sel.Left + 1, sel.Top + 1), 0x94E2FF);
    EXPECT_EQ(pixelAt(image, sel.Left + 5, sel.Top + 5), 0x4D50C0);
    EXPECT_EQ(pixelAt(image, hot.Left, hot.Top), 0x3694F2);
    EXPECT_EQ(pixelAt(image, hot.Left + 1, hot.Top + 1), 0x94E2FF);
    EXPECT_EQ(palette->SelectedColor(), 0x4D50C0);
    palette->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(palette->ItemHot(), -1);
}

TEST_F(PaletteTest, KeysMoveTheSelectionWithinThePalettesEdges) {
    struct Case {
        int from;
        uint16_t key;
        bool editorEnabled, droppedDown;
        int expected;
    } cases[] = {
        {15, VK_UP, false, true, 5},      {3, VK_UP, false, true, 3},       {55, VK_DOWN, false, true, 55},
        {45, VK_DOWN, false, true, 55},   {-1, VK_DOWN, false, true, 0},    {59, VK_RIGHT, false, true, 59},
        {0, VK_LEFT, false, true, 0},     {9, VK_RIGHT, false, true, 10},   {15, VK_UP, false, false, 14},
        {15, VK_DOWN, false, false, 16},  {15, VK_RIGHT, true, false, 15},  {15, VK_RIGHT, true, true, 16},
        {15, VK_HOME, false, true, 0},    {15, VK_PRIOR, false, false, 0},  {15, VK_END, false, true, 59},
        {15, VK_NEXT, false, false, 59},  {15, VK_RETURN, false, true, 15},
    };
    for (const Case& c : cases) {
        palette->SetItemIndex(c.from);
        palette->KeySelect(c.key, c.editorEnabled, c.droppedDown);
        EXPECT_EQ(palette->ItemIndex(), c.expected) << c.from << " key " << c.key;
    }
    palette->SetEnabled(false);
    palette->SetItemIndex(15);
    palette->KeySelect(VK_RIGHT, false, true);
    EXPECT_EQ(palette->ItemIndex(), 15);
}

TEST_F(PaletteTest, TheSelectedColourSelectsItsFirstBoxAndClicksSelect) {
    palette->SetSelectedColor(0x7F7F7F);  // in box 11 and box 50
    EXPECT_EQ(palette->ItemIndex(), 11);
    palette->SetSelectedColor(0x123456);
    EXPECT_EQ(palette->ItemIndex(), -1);
    palette->Items(2).Enabled = false;
    click(*palette, rectOf(2).Left + 2, rectOf(2).Top + 2);
    EXPECT_EQ(palette->ItemIndex(), -1);
    click(*palette, rectOf(3).Left + 2, rectOf(3).Top + 2);
    EXPECT_EQ(palette->ItemIndex(), 3);
    EXPECT_EQ(palette->SelectedColor(), 0x7D491F);
    EXPECT_EQ(selected, (std::vector<int>{11, 3}));
    palette->ColorBoxAppearance.BorderColor = 0x010203;
    palette->SetItemColorStyle(scCustom);
    EXPECT_EQ(palette->ColorBoxAppearance.BorderColor, 0x010203);
    palette->SetItemColorStyle(scWindows7);
    EXPECT_EQ(palette->ColorBoxAppearance.BorderColor, 0xC5C5C5);
}

TEST_F(ColorPanelsTest, TheCubeHitsCellsByDistanceAndSelectsByClick) {
    auto* cube = make<TExColorCubePanel>();
    EXPECT_EQ(cube->Width(), 182);
    EXPECT_EQ(cube->Height(), 160);
    EXPECT_EQ(cube->Cell(1).X, 55);
    EXPECT_EQ(cube->Cell(1).Y, 20);
    EXPECT_EQ(cube->Cell(64).X, 91);
    EXPECT_EQ(cube->Cell(64).Y, 80);
    EXPECT_EQ(cube->Cell(127).X, 127);
    EXPECT_EQ(cube->Cell(127).Y, 140);
    EXPECT_EQ(cube->CellAtPos(91, 86), 64);
    EXPECT_EQ(cube->CellAtPos(91, 87), -1);

    int selects = 0;
    cube->OnSelect = [&](TObject*) { ++selects; };
    // The cell of $0000FF (118) names its parts in the hint.
    const auto& red = cube->Cell(118);
    EXPECT_EQ(red.Color, 0x0000FF);
    mouseMove(*cube, red.X, red.Y);
    EXPECT_EQ(cube->HotIndex(), 118);
    EXPECT_EQ(cube->Hint(), "Red: 255,  Green: 0,  Blue: 0");
    click(*cube, red.X, red.Y);
    EXPECT_EQ(cube->SelectedIndex(), 118);
    EXPECT_EQ(cube->SelectedColor(), 0x0000FF);
    EXPECT_EQ(selects, 1);

    // Painted: the cell's colour at its centre, the hot frame's white inner ring around it.
    const QImage image = renderToImage(*cube);
    const auto& centre = cube->Cell(64);
    EXPECT_EQ(pixelAt(image, centre.X, centre.Y), 0xFFFFFF);
    EXPECT_EQ(pixelAt(image, cube->Cell(1).X, cube->Cell(1).Y), 0x663300);
    EXPECT_EQ(pixelAt(image, red.X, red.Y), 0x0000FF);
    EXPECT_EQ(pixelAt(image, red.X - 4, red.Y), 0xFFFFFF);  // the white ring
    EXPECT_EQ(pixelAt(image, red.X - 5, red.Y), 0x000000);  // selected wins: black outside it

    cube->SetSelectedColor(0x123456);
    EXPECT_EQ(cube->SelectedIndex(), -1);
    cube->SetSelectedColor(0xFFFFFF);
    EXPECT_EQ(cube->SelectedIndex(), 64);
}

TEST_F(ColorPanelsTest, TheSpectrumPicksTheColourUnderThePointer) {
    auto* spectrum = make<TExColorSpectrumPanel>();
    EXPECT_EQ(spectrum->Width(), 150);
    EXPECT_EQ(spectrum->Height(), 174);
    TImage& picture = *spectrum->SpectrumImage();
    EXPECT_EQ(picture.BoundsRect(), (TRect{11, 10, 139, 138}));
    EXPECT_EQ(spectrum->SelectedRect(), (TRect{10, 146, 73, 166}));
    EXPECT_EQ(spectrum->HotRect(), (TRect{77, 146, 140, 166}));
    // White at the top, the pure hue in the middle, black at the bottom.
    EXPECT_EQ(TExColorSpectrumPanel::SpectrumColor(0, 0), 0xFFFFFF);
    EXPECT_EQ(TExColorSpectrumPanel::SpectrumColor(0, 64), 0x0000FF);
    EXPECT_EQ(TExColorSpectrumPanel::SpectrumColor(127, 64), 0x0000FF);
    EXPECT_EQ(TExColorSpectrumPanel::SpectrumColor(85, 64) & 0xFF0000, 0xFF0000);  // blue
    EXPECT_EQ(TExColorSpectrumPanel::SpectrumColor(40, 127), 0x000000);

    int selects = 0;
    spectrum->OnSelect = [&](TObject*) { ++selects; };
    // A press before any move picks no colour.
    mouseMessage(*spectrum, WM_LBUTTONDOWN, 11 + 5, 10 + 64, MK_LBUTTON);
    mouseMessage(*spectrum, WM_LBUTTONUP, 11 + 5, 10 + 64);
    EXPECT_EQ(spectrum->SelectedColor(), clNone);
    mouseMove(*spectrum, 11 + 0, 10 + 64);
    EXPECT_EQ(spectrum->HotColor(), 0x0000FF);
    click(*spectrum, 11 + 0, 10 + 64);
    EXPECT_EQ(spectrum->SelectedColor(), 0x0000FF);
    EXPECT_EQ(selects, 2);

    const QImage image = renderToImage(*spectrum);
    EXPECT_EQ(pixelAt(image, 11 + 64, 10), 0xFFFFFF);           // the picture
    EXPECT_EQ(pixelAt(image, 11 + 0, 10 + 64), 0x0000FF);
    EXPECT_EQ(pixelAt(image, 30, 156), 0x0000FF);               // the selected box
    EXPECT_EQ(pixelAt(image, 10, 146), 0xFFFFFF);               // its white edge
    EXPECT_EQ(pixelAt(image, 9, 145), 0x808080);
}

}  // namespace
