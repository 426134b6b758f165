#include "grid/editors/dropdown/dropdown_text.h"
#include "grid/editors/dropdown/item_selector.h"
#include "platform/controls/form.h"
#include "platform/controls/image_list.h"
#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TColor pixelAt(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

// A selector of 200 x 150 on a form; cells of 40 x 20 unless a test measures them.
class ItemSelectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 400, 300);
        selector = new TExCustomItemSelector(&form);
        selector->SetParent(&form);
        selector->SetBounds(0, 0, 200, 150);
        selector->OnItemSize = [this](TObject*, TSize& size) { size = cell; };
        selector->OnItemSelect = [this](TObject* sender) {
            EXPECT_EQ(sender, selector);
            selected.push_back(selector->ItemIndex());
        };
        form.Show();
    }
    void fill(const QStringList& captions) {
        for (const QString& caption : captions) selector->Items().Add()->SetCaption(caption);
        selector->UpdateSelectorPanel();
    }
    TCustomItemSelector& panel() { return *selector->ItemSelectorPanel(); }
    TRect rectOf(int index) {
        TRect r;
        panel().GetItemRect(index, r);
        return r;
    }
    // A point inside an item, in the panel's coordinates.
    TPoint inside(int index) { return {rectOf(index).Left + 3, rectOf(index).Top + 3}; }

    TForm form{nullptr};
    TExCustomItemSelector* selector = nullptr;
    TSize cell{40, 20};
    std::vector<int> selected;
};

TEST_F(ItemSelectorTest, LaysItemsOutInRowsOfColumnsWithTheSameMarginAllRound) {
    TSize size{};
    selector->GetSelectorSize(size);
    EXPECT_EQ(size, (TSize{100, 50}));  // empty
    EXPECT_EQ(selector->GetVisibleItemCount(), 0);

    selector->SetColumns(2);
    fill({"a", "b", "c", "d", "e"});
    const TRect expected[] = {{2, 2, 42, 22}, {42, 2, 82, 22}, {2, 22, 42, 42}, {42, 22, 82, 42}, {2, 42, 42, 62}};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(rectOf(i), expected[i]) << i;
    selector->GetSelectorSize(size);
    EXPECT_EQ(size, (TSize{84, 64}));
    EXPECT_EQ(rectOf(5), (TRect{-1, -1, -1, -1}));

    selector->SetColumns(0);
    selector->SetColumns(-2);
    EXPECT_EQ(selector->Columns(), 2);
    // 150 pixels hold seven rows of 20, two items each.
    EXPECT_EQ(selector->GetVisibleItemCount(), 14);
}

TEST_F(ItemSelectorTest, MeasuresCaptionsAndGraphicsByTheLayout) {
    selector->OnItemSize = nullptr;
    fill({"<b>Caption</b>"});
    TBitmap measure(1, 1);
    measure.Canvas().Font.Assign(selector->ItemAppearance().Font);
    TPoint text{};
    DrawHTMLItemText(measure.Canvas(), "<b>Caption</b>", {0, 0, 1000, 500}, nullptr, false, nullptr, text);
    ASSERT_GT(text.X, 0);
    EXPECT_EQ(rectOf(0).Width(), 2 * 4 + text.X + 4);
    EXPECT_EQ(rectOf(0).Height(), text.Y + 8);

    // A colour box of 14 x 14 beside the caption, then above it.
    selector->SetSelectorType(stColor);
    EXPECT_EQ(rectOf(0).Width(), 8 + 14 + 4 + text.X + 4);
    EXPECT_EQ(rectOf(0).Height(), std::max(text.Y, 14) + 8);
    selector->SetItemLayout(ilCaptionBottom);
    selector->UpdateSelectorPanel();
    EXPECT_EQ(rectOf(0).Width(), std::max(text.X + 4, 14) + 8);
    EXPECT_EQ(rectOf(0).Height(), 8 + 14 + 4 + text.Y);
}

TEST_F(ItemSelectorTest, SelectsByStepsWithoutWrappingOrSteppingOntoDisabledItems) {
    fill({"Red", "Green", "Blue", "Black"});
    selector->SelectPrevious();
    EXPECT_EQ(selector->ItemIndex(), 0);  // from none: the first
    selector->SelectNext();
    selector->SelectNext();
    selector->SelectNext();
    selector->SelectNext();  // on the last: stays
    EXPECT_EQ(selector->ItemIndex(), 3);
    selector->SelectFirst();
    selector->SelectPrevious();
    EXPECT_EQ(selector->ItemIndex(), 0);
    selector->Items().Items(1)->Enabled = false;
    selector->SelectNext();  // refused: item 1 is disabled
    EXPECT_EQ(selector->ItemIndex(), 0);
    selector->SelectLast();
    EXPECT_EQ(selector->ItemIndex(), 3);
    EXPECT_EQ(selected, (std::vector<int>{0, 1, 2, 3, 0, 3}));

    // An index beyond the items is stored and reported; the owner checks it.
    selector->SetItemIndex(9);
    EXPECT_EQ(selector->ItemIndex(), 9);
    EXPECT_EQ(selected.back(), 9);
}

TEST_F(ItemSelectorTest, LooksUpTheFirstCaptionBeginningWithThePlainUpperCaseText) {
    fill({"<b>Alpha</b>", "  <i>ab</i>cd", "Abba", "Beta"});
    struct Case {
        QString typed;
        bool found;
        int index;
    } cases[] = {{"AB", true, 1}, {"ALP", true, 0}, {"ABB", true, 2}, {"B", true, 3}, {"ab", false, 3},
                 {"", false, 3},  {"Z", false, 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(selector->LookupItem(c.typed), c.found) << c.typed.toStdString();
        EXPECT_EQ(selector->ItemIndex(), c.index) << c.typed.toStdString();
    }
}

TEST_F(ItemSelectorTest, TheMouseMakesItemsHotAndSelectsThemButNotDisabledOnes) {
    fill({"a", "b", "c"});
    selector->Items().Items(1)->Enabled = false;
    selector->Items().Items(2)->Hint = "third";
    mouseMove(panel(), inside(0).X, inside(0).Y);
    EXPECT_EQ(selector->ItemHot(), 0);
    mouseMove(panel(), inside(1).X, inside(1).Y);
    EXPECT_EQ(selector->ItemHot(), -1);
    mouseMove(panel(), inside(2).X, inside(2).Y);
    EXPECT_EQ(selector->ItemHot(), 2);
    EXPECT_EQ(panel().Hint(), "third");
    click(panel(), inside(1).X, inside(1).Y);
    EXPECT_EQ(selector->ItemIndex(), -1);
    click(panel(), inside(2).X, inside(2).Y);
    EXPECT_EQ(selector->ItemIndex(), 2);
    panel().Perform(CM_MOUSELEAVE);
    EXPECT_EQ(selector->ItemHot(), -1);
    EXPECT_EQ(selected, (std::vector<int>{2}));
}

TEST_F(ItemSelectorTest, PaintsHotAndSelectedItemsInTheirColoursSelectedWinning) {
    TItemAppearance& look = selector->ItemAppearance();
    look.BorderColorTop = clNone;  // the plain box with a frame
    look.ColorHot = 0x00FFFF;
    look.ColorHotTo = clNone;
    look.ColorSelected = 0xFF00FF;
    look.ColorSelectedTo = clNone;
    look.BorderColor = 0x000080;
    selector->SetSelectorType(stColor);
    selector->SetItemLayout(ilCaptionRight);
    fill({"", "", ""});
    selector->Items().Items(2)->SetColor(0x00FF00);
    selector->SetItemIndex(1);
    mouseMove(panel(), inside(0).X, inside(0).Y);
    EXPECT_EQ(panel().ItemColorHot(), 0x00FFFF);
    EXPECT_EQ(panel().ItemColorSelected(), 0xFF00FF);
    EXPECT_EQ(panel().ItemColorSelectedTo(), clNone);

    QImage image = renderToImage(panel());
    const TRect hot = rectOf(0), sel = rectOf(1), plain = rectOf(2);
    EXPECT_EQ(pixelAt(image, hot.Right - 2, hot.Bottom - 2), 0x00FFFF);
    EXPECT_EQ(pixelAt(image, hot.Left, hot.Top), 0x000080);
    EXPECT_EQ(pixelAt(image, sel.Right - 2, sel.Bottom - 2), 0xFF00FF);
    EXPECT_EQ(pixelAt(image, plain.Right - 2, plain.Bottom - 2), ColorToRGB(clWindow));
    // The colour box: a black frame around the item's colour, at the content's top left.
    EXPECT_EQ(pixelAt(image, plain.Left + 4, plain.Top + 4), 0x000000);
    EXPECT_EQ(pixelAt(image, plain.Left + 6, plain.Top + 6), 0x00FF00);

    // Hot and selected at once: the selected colours.
    mouseMove(panel(), inside(1).X, inside(1).Y);
    image = renderToImage(panel());
    EXPECT_EQ(pixelAt(image, sel.Right - 2, sel.Bottom - 2), 0xFF00FF);
    EXPECT_EQ(pixelAt(image, hot.Right - 2, hot.Bottom - 2), ColorToRGB(clWindow));
}

TEST_F(ItemSelectorTest, ScrollsTheSelectedItemIntoView) {
    for (int i = 0; i < 20; ++i) selector->Items().Add()->SetCaption(QString::number(i));
    selector->UpdateSelectorPanel();
    ASSERT_TRUE(selector->VertScrollBar().Visible());
    selector->SelectLast();
    // The last row's bottom meets the client's bottom.
    EXPECT_EQ(panel().Top() + rectOf(19).Bottom, selector->ClientHeight());
    selector->SelectFirst();
    EXPECT_EQ(panel().Top() + rectOf(0).Top, 0);
    // The thumb dragged moves the list at once.
    selector->Perform(WM_VSCROLL, (uintptr_t(30) << 16) | SB_THUMBTRACK, 0);
    EXPECT_EQ(panel().Top(), -30);
    EXPECT_EQ(selector->Perform(WM_GETDLGCODE), 5);
}

TEST(ItemSelectorPanel, RefusesAnOwnerThatIsNoItemSelector) {
    TForm form{nullptr};
    try {
        TCustomItemSelector panel(&form);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Invalid parent");
    }
}

TEST(ItemAppearance, PresetsAndStyles) {
    TItemAppearance look;
    EXPECT_EQ(look.ColorStyle(), scOffice2007);
    EXPECT_EQ(look.ColorHot, 0xD7FFFD);
    EXPECT_EQ(look.ColorMirrorSelectedTo, 0x68E3F9);
    EXPECT_EQ(look.Font.Name(), "Tahoma");
    look.SetColorStyle(scWindows7);
    EXPECT_EQ(look.BorderColor, 0xCEA27D);
    EXPECT_EQ(look.ColorMirrorHot, clNone);
    look.ColorHot = 0x123456;
    look.SetColorStyle(scCustom);  // keeps every colour
    EXPECT_EQ(look.ColorHot, 0x123456);

    // Assign copies the colours, then the source's style writes its preset over them.
    TItemAppearance copy;
    copy.Assign(look);
    EXPECT_EQ(copy.ColorStyle(), scCustom);
    EXPECT_EQ(copy.ColorHot, 0x123456);
    look.SetColorStyle(scWindowsVista);
    look.ColorHot = 0x654321;
    look.ColorHotText = 0x0000FF;
    copy.Assign(look);
    EXPECT_EQ(copy.ColorHot, 0xFDF8F1);
    EXPECT_EQ(copy.ColorHotText, 0x0000FF);

    // A component style writes its colours and the text colours, not the style or font.
    look.BorderColorHot = 0x111111;
    SetItemAppearanceStyle(&look, tsCustom);
    EXPECT_EQ(look.BorderColorHot, 0x111111);
    SetItemAppearanceStyle(nullptr, tsWindowsXP);
    SetItemAppearanceStyle(&look, tsWindowsXP);
    EXPECT_EQ(look.BorderColorHot, clNone);
    EXPECT_EQ(look.ColorHot, 0xEFD3C6);
    EXPECT_EQ(look.ColorSelected, clHighlight);
    EXPECT_EQ(look.ColorSelectedText, clHighlightText);
    EXPECT_EQ(look.ColorStyle(), scWindowsVista);
    SetItemAppearanceStyle(&look, tsOffice2007Luna);
    EXPECT_EQ(look.BorderColorTop, 0xF4FEFF);
    EXPECT_EQ(look.ColorSelectedText, 0x000000);
}

}  // namespace
