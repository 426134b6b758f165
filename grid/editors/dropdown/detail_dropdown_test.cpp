#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/detail_dropdown.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"

#include <QImage>

namespace {

TColor pixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

class DetailDropDown : public DescendantFixture<TExDetailDropDown> {
protected:
    DetailDropDown() {
        for (const char* caption : {"Red", "Green", "Blue", "Black"}) {
            TDetailItem item;
            item.Caption = caption;
            dd->Items().push_back(item);
        }
        dd->OnSelect = [this](TObject*) { selects.push_back(dd->ItemIndex()); };
    }
    void type(const QString& text) {
        for (QChar ch : text) {
            keyDown(*dd, static_cast<uint16_t>(ch.toUpper().unicode()), 0, QString(ch));
            keyUp(*dd, static_cast<uint16_t>(ch.toUpper().unicode()));
        }
    }
    std::vector<int> selects;
};

TEST_F(DetailDropDown, TypingCompletesTheCaptionAndEnterTakesOnlyAnExactOne) {
    struct Case {
        QString typed;
        QString text;
        int index;
        int selStart;
    } cases[] = {
        {"g", "green", 1, 1},   // the typed letter keeps its case
        {"G", "Green", 1, 1},
        {"bl", "blue", 2, 2},
        {"BLa", "BLack", 3, 3},
        {"x", "x", -1, 1},      // no match: the text as typed
    };
    for (const Case& c : cases) {
        dd->SetText(QString());
        dd->SetItemIndex(-1);
        type(c.typed);
        EXPECT_EQ(dd->EditText(), c.text) << c.typed.toStdString();
        EXPECT_EQ(dd->ItemIndex(), c.index) << c.typed.toStdString();
        EXPECT_EQ(dd->SelStart(), c.selStart) << c.typed.toStdString();
        EXPECT_EQ(dd->SelLength(), c.text.size() - c.selStart) << c.typed.toStdString();
    }
    EXPECT_TRUE(selects.empty());  // completing selects no item

    dd->SetText(QString());
    type("g");
    keyPress(*dd, VK_RETURN);  // "green" is no caption
    EXPECT_TRUE(selects.empty());
    dd->SetText(QString());
    type("G");
    keyPress(*dd, VK_RETURN);  // "Green" is, but it is chosen already
    EXPECT_TRUE(selects.empty());
    // A chosen caption, selected whole, stays itself on Enter: nothing typed, nothing completed.
    dd->SetItemIndex(2);
    selects.clear();
    keyPress(*dd, VK_RETURN);
    EXPECT_EQ(dd->EditText(), "Blue");
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_TRUE(selects.empty());
    EXPECT_EQ(dd->Items().IndexOf("Green"), 1);
    EXPECT_EQ(dd->Items().IndexOf("green"), -1);
}

TEST_F(DetailDropDown, TheListChoosesByKeysAndClickAndCancelRestores) {
    dd->SetItemIndex(1);
    EXPECT_EQ(dd->EditText(), "Green");
    EXPECT_EQ(dd->SelLength(), 5);
    EXPECT_EQ(selects, (std::vector<int>{1}));
    dd->ShowDropDown();
    TExCustomItemSelector& list = *dd->List();
    ASSERT_EQ(list.Items().Count(), 4);
    EXPECT_EQ(list.ItemIndex(), 1);
    keyPress(*dd, VK_DOWN);
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->EditText(), "Blue");
    keyPress(*dd, VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(dd->EditText(), "Green");

    dd->ShowDropDown();
    TRect r;
    list.ItemSelectorPanel()->GetItemRect(3, r);
    click(*list.ItemSelectorPanel(), r.Left + 3, r.Top + 3);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 3);
    EXPECT_EQ(dd->EditText(), "Black");
    // Each row is as wide as the pop-up allows and ItemHeight high.
    EXPECT_EQ(r.Height(), 22);

    // Closed, Up and Down step the item.
    keyPress(*dd, VK_UP);
    EXPECT_EQ(dd->ItemIndex(), 2);
}

TEST_F(DetailDropDown, LettersTypedWhileClosedLookAnItemUpUntilAPause) {
    dd->ShowDropDown();  // fills the list
    dd->HideDropDown(false);
    dd->SetEditorEnabled(false);
    keyPress(*dd, 'B');
    keyPress(*dd, 'L');
    keyPress(*dd, 'A');
    EXPECT_EQ(dd->ItemIndex(), 3);
    EXPECT_EQ(dd->EditText(), "Black");
    advance(600);
    keyPress(*dd, 'R');  // a new search after the pause
    EXPECT_EQ(dd->ItemIndex(), 0);
}

TEST_F(DetailDropDown, RowsShowThePictureTheCaptionAndTheNotesBelowIt) {
    TImageList images(nullptr);
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush.Color = 0x00FF00;
    glyph.Canvas().FillRect({0, 0, 16, 16});
    images.Add(glyph);
    dd->SetImages(&images);
    dd->Items()[0].ImageIndex = 0;
    dd->Items()[0].Notes = "<b>bold</b> note";
    dd->Items()[1].ImageIndex = 0;
    dd->Items()[1].Image->SetSize(10, 10);
    dd->Items()[1].Image->Canvas().Brush.Color = 0xFF0000;
    dd->Items()[1].Image->Canvas().FillRect({0, 0, 10, 10});
    dd->Items()[1].Image->Canvas().SetPixel(0, 9, 0x0000FF);  // its transparent colour
    dd->Items()[2].Caption.clear();
    dd->Items()[2].ImageIndex = 0;
    dd->ItemHeight = 40;
    dd->ShowDropDown();
    TCustomItemSelector& panel = *dd->List()->ItemSelectorPanel();
    const QImage image = renderToImage(panel);
    TRect r0, r1, r2;
    panel.GetItemRect(0, r0);
    panel.GetItemRect(1, r1);
    panel.GetItemRect(2, r2);
    EXPECT_EQ(pixelAt(image, r0.Left + 2 + 8, r0.Top + 20), 0x00FF00);   // the glyph at the left
    EXPECT_EQ(pixelAt(image, r1.Left + 2 + 5, r1.Top + 20), 0xFF0000);   // the picture wins
    EXPECT_NE(pixelAt(image, r1.Left + 2, r1.Top + 15 + 9), 0x0000FF);   // without its transparent pixel
    EXPECT_EQ(pixelAt(image, r2.Left + r2.Width() / 2, r2.Top + 20), 0x00FF00);  // centred without caption
    // Caption and notes: ink in two lines right of the glyph.
    int captionInk = 0, notesInk = 0;
    for (int x = r0.Left + 22; x < r0.Right; ++x) {
        for (int y = r0.Top + 2; y < r0.Top + 16; ++y) captionInk += pixelAt(image, x, y) != pixelAt(image, r0.Right - 1, r0.Top + 1);
        for (int y = r0.Top + 20; y < r0.Bottom - 2; ++y) notesInk += pixelAt(image, x, y) != pixelAt(image, r0.Right - 1, r0.Top + 1);
    }
    EXPECT_GT(captionInk, 0);
    EXPECT_GT(notesInk, 0);
    dd->HideDropDown(false);
}

}  // namespace
