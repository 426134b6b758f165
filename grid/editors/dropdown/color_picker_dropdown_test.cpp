#include "grid/editors/dropdown/color_cube.h"
#include "grid/editors/dropdown/color_palette.h"
#include "grid/editors/dropdown/color_picker_dropdown.h"
#include "grid/editors/dropdown/descendant_fixture.h"
#include "platform/controls/window_backend.h"

#include <QImage>

namespace {

TColor pixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

class ColorPicker : public DescendantFixture<TExColorPickerDropDown> {
protected:
    ColorPicker() {
        dd->AddDefaultColors();
        dd->OnSelect = [this](TObject* sender) {
            EXPECT_EQ(sender, dd);
            selects.push_back(dd->ItemIndex());
        };
    }
    std::vector<int> selects;
};

TEST_F(ColorPicker, NamesTheSelectedColourByItsItemOrByColorValueText) {
    EXPECT_EQ(dd->Colors().size(), 16u);
    EXPECT_FALSE(dd->EditorEnabled());
    dd->SetSelectedColor(0x008080);
    EXPECT_EQ(dd->ItemIndex(), 3);
    dd->ColorValueText = cvtHex;
    EXPECT_EQ(dd->SelectedColorText(), "Olive");
    dd->SetSelectedColor(0x123456);
    EXPECT_EQ(dd->ItemIndex(), -1);
    struct Case {
        TColorValueText kind;
        TColor color;
        QString text;
    } cases[] = {
        {cvtNone, 0x123456, ""},
        {cvtHex, 0x123456, "123456"},
        {cvtHex, 0x0000FF, "0000FF"},
        {cvtHTML, 0x123456, "#563412"},
        {cvtRGB, 0x123456, "Red:86,Green:52,Blue:18"},
        {cvtWebName, 0x123456, "#563412"},
        {cvtWebName, 0xFAFAFF, "clWebSnow"},
        {cvtWebName, 0x00A5FF, "clWebOrange"},
    };
    dd->SetColorSelectionStyle(csColorCube);  // outside the list only the value names it
    for (const Case& c : cases) {
        dd->ColorValueText = c.kind;
        dd->SetSelectedColor(c.color);
        EXPECT_EQ(dd->SelectedColorText(), c.text) << c.kind;
    }
}

TEST_F(ColorPicker, TheListChoosesByClickKeysAndTypedNamesAndEscapeRestores) {
    dd->SetItemIndex(1);
    selects.clear();
    dd->ShowDropDown();
    TExCustomItemSelector& list = *dd->ItemSelector();
    ASSERT_EQ(list.Items().Count(), 16);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.SelectorType(), stColor);
    // Down moves the list; the value follows without closing.
    keyPress(*dd, VK_DOWN);
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 2);
    // Typed letters look a name up.
    keyPress(*dd, 'T');
    EXPECT_EQ(dd->ItemIndex(), 6);  // Teal
    EXPECT_EQ(dd->SelectedColor(), 0x808000);
    // Escape returns to the colour of the opening.
    keyPress(*dd, VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(dd->SelectedColor(), 0x000080);

    // A click on an item chooses it and closes.
    dd->ShowDropDown();
    TCustomItemSelector& panel = *list.ItemSelectorPanel();
    TRect r;
    panel.GetItemRect(15, r);
    list.ScrollItemInView(15);
    click(panel, r.Left + 3, r.Top + 3);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->SelectedColor(), 0xFFFFFF);
    EXPECT_EQ(dd->SelectedColorText(), "White");

    // Closed: Up and Down step the value, Enter fires OnSelect once.
    selects.clear();
    keyPress(*dd, VK_UP);
    EXPECT_EQ(dd->ItemIndex(), 14);
    keyPress(*dd, VK_RETURN);
    EXPECT_EQ(selects, (std::vector<int>{14, 14}));
}

// The window leaves room for its border: the items fit across the list, with no horizontal
// scroll bar.
TEST_F(ColorPicker, TheListWindowFitsItsItemsInsideItsBorder) {
    dd->ShowDropDown();
    TExCustomItemSelector& list = *dd->ItemSelector();
    TSize natural{};
    list.GetSelectorSize(natural);
    EXPECT_FALSE(list.HorzScrollBar().Visible());
    EXPECT_GE(list.ClientWidth(), natural.cx);
    EXPECT_EQ(dd->DropDownForm()->Width(), natural.cx + 2 * dd->DropDownBorderWidth +
                                               (list.VertScrollBar().Visible() ? GetSystemMetrics(SM_CXVSCROLL) : 0));
    dd->HideDropDown(true);
}

TEST_F(ColorPicker, ThePaletteFollowsTheKeysAndEscapeSetsItBack) {
    dd->SetColorSelectionStyle(csDiscrete);
    dd->SetSelectedColor(0x7F7F7F);  // not a named colour: box 11 of the palette
    dd->ShowDropDown();
    TCustomColorSelector& palette = *dd->ColorSelector();
    EXPECT_EQ(palette.ItemIndex(), 11);
    EXPECT_FALSE(dd->DropDownForm()->Sizeable);
    EXPECT_EQ(dd->DropDownForm()->Width(), palette.Width() + 2);
    keyPress(*dd, VK_DOWN);
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(palette.ItemIndex(), 21);
    EXPECT_EQ(dd->SelectedColor(), 0x595959);
    EXPECT_EQ(dd->ItemIndex(), -1);
    keyPress(*dd, VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(palette.ItemIndex(), 11);
    EXPECT_EQ(dd->SelectedColor(), 0x7F7F7F);

    // A click on a box chooses its colour and closes.
    dd->ShowDropDown();
    TRect r;
    palette.GetItemRect(5, r);
    click(palette, r.Left + 2, r.Top + 2);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->SelectedColor(), 0x4D50C0);
    selects.clear();
    keyPress(*dd, VK_RETURN);
    EXPECT_EQ(selects, (std::vector<int>{-1}));
}

TEST_F(ColorPicker, TheCubeAndTheSpectrumChooseByClickAndIgnoreEnter) {
    dd->SetColorSelectionStyle(csColorCube);
    dd->ShowDropDown();
    TExColorCubePanel& cube = *dd->ColorCubePanel();
    EXPECT_EQ(dd->Control(), &cube);
    const auto& cell = cube.Cell(118);
    selects.clear();
    click(cube, cell.X, cell.Y);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->SelectedColor(), 0x0000FF);
    EXPECT_EQ(dd->ItemIndex(), -1);
    EXPECT_EQ(selects, (std::vector<int>{9, -1}));  // Red is also a named colour
    selects.clear();
    keyPress(*dd, VK_RETURN);
    dd->SetColorSelectionStyle(csSpectrum);
    keyPress(*dd, VK_RETURN);
    EXPECT_TRUE(selects.empty());
}

TEST_F(ColorPicker, TheEditAreaShowsTheColourBoxAndItsName) {
    dd->SetSelectedColor(0x00FF00);
    QImage image = renderToImage(*dd);
    const int top = (dd->Height() - 14) / 2 + 1;
    EXPECT_EQ(pixelAt(image, 5, top), 0x000000);        // the box's black frame
    EXPECT_EQ(pixelAt(image, 5 + 6, top + 6), 0x00FF00);
    // Nothing of it with a handler of its own.
    bool drawn = false;
    dd->OnDrawSelectedColor = [&](TObject*, TCanvas&, TRect R) {
        drawn = true;
        EXPECT_EQ(R, (TRect{1, 1, 200 - dd->DropDownButtonWidth() - 2, dd->Height() - 2}));
    };
    image = renderToImage(*dd);
    EXPECT_TRUE(drawn);
    EXPECT_NE(pixelAt(image, 5 + 6, top + 6), 0x00FF00);
}

}  // namespace
