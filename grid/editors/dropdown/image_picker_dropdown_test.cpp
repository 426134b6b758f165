#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/image_picker_dropdown.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/temp_folder.h"
#include "platform/testkit/test_pictures.h"

#include <QImage>

namespace {

TColor pixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

// A picker with five glyphs of 16 x 16, each one colour.
class ImagePicker : public DescendantFixture<TExImagePickerDropDown> {
protected:
    ImagePicker() {
        for (TColor color : {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF}) {
            TBitmap glyph(16, 16);
            glyph.Canvas().Brush.Color = color;
            glyph.Canvas().FillRect({0, 0, 16, 16});
            images.Add(glyph);
        }
        dd->SetImages(&images);
        dd->OnSelect = [this](TObject*) { selects.push_back(dd->ItemIndex()); };
        dd->OnChange = [this](TObject*) { ++changes; };
    }
    TImageList images{nullptr};
    std::vector<int> selects;
    int changes = 0;
};

TEST_F(ImagePicker, ItemsComeFromTheImageListAndChooseByImageIndex) {
    dd->AddImagesFromImageList();
    ASSERT_EQ(dd->Items().size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(dd->Items()[static_cast<size_t>(i)].ImageIndex, i);
    dd->SetImageIndex(3);
    EXPECT_EQ(dd->ItemIndex(), 3);
    EXPECT_EQ(dd->ImageIndex(), 3);
    EXPECT_EQ(selects, (std::vector<int>{3}));
    EXPECT_EQ(changes, 1);
    dd->SetItemIndex(3);  // the same: nothing fires
    dd->SetItemIndex(9);  // beyond the items: ignored
    EXPECT_EQ(selects.size(), 1u);
    dd->SetImageIndex(42);
    EXPECT_EQ(dd->ItemIndex(), -1);

    // The edit area shows the chosen glyph in its middle.
    dd->SetImageIndex(1);
    const QImage image = renderToImage(*dd);
    EXPECT_EQ(pixelAt(image, (200 - dd->DropDownButtonWidth()) / 2, dd->Height() / 2), 0x00FF00);
}

TEST_F(ImagePicker, TheListMovesByColumnsOpenAndByOneClosed) {
    dd->AddImagesFromImageList();
    dd->AddImagesFromImageList();  // ten items
    dd->Columns = 4;
    dd->SetItemIndex(1);
    dd->ShowDropDown();
    TExCustomItemSelector& list = *dd->List();
    EXPECT_EQ(list.Columns(), 4);
    EXPECT_EQ(list.Items().Count(), 10);
    keyPress(*dd, VK_DOWN);
    EXPECT_EQ(list.ItemIndex(), 5);
    EXPECT_EQ(dd->ItemIndex(), 5);
    EXPECT_TRUE(dd->DroppedDown());
    // Enter over a hot item chooses it and closes.
    TRect r;
    list.ItemSelectorPanel()->GetItemRect(7, r);
    mouseMove(*list.ItemSelectorPanel(), r.Left + 2, r.Top + 2);
    keyPress(*dd, VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 7);
    keyPress(*dd, VK_DOWN);
    EXPECT_EQ(dd->ItemIndex(), 8);
    selects.clear();
    keyPress(*dd, VK_RETURN);
    EXPECT_EQ(selects, (std::vector<int>{8}));

    // Cancel returns to the item of the opening.
    dd->ShowDropDown();
    keyPress(*dd, VK_HOME);
    EXPECT_EQ(dd->ItemIndex(), 0);
    keyPress(*dd, VK_ESCAPE);
    EXPECT_EQ(dd->ItemIndex(), 8);
}

TEST_F(ImagePicker, AFolderGivesAnItemPerEntryWithItsPicture) {
    TempFolder folder;
    folder.write("a.bmp", MakePicture("BMP", 8, 6));
    folder.write("b.png", MakePicture("PNG", 4, 4));
    folder.write("c.png", "not a picture");
    folder.write("d.png/inner.txt", "a folder whose name matches the mask");
    dd->AddImagesFromFolder(folder.file("*.*"), true);
    ASSERT_EQ(dd->Items().size(), 4u);
    const auto& items = dd->Items();
    EXPECT_EQ(items[0].Caption, "a.bmp");
    EXPECT_EQ(items[0].Image->Width(), 8);
    EXPECT_EQ(items[1].Caption, "b.png");
    EXPECT_TRUE(items[2].Image->Empty());
    EXPECT_TRUE(items[2].Caption.isEmpty());
    EXPECT_TRUE(items[3].Image->Empty());

    // The list shows the pictures: the first one's red half in its cell.
    dd->SetItemIndex(0);
    dd->ShowDropDown();
    TRect r;
    dd->List()->ItemSelectorPanel()->GetItemRect(0, r);
    const QImage image = renderToImage(*dd->List()->ItemSelectorPanel());
    EXPECT_EQ(pixelAt(image, r.Left + 4 + 1, r.Top + (r.Height() - 6) / 2 + 1), 0x0000FF);
    dd->HideDropDown(false);
}

}  // namespace
