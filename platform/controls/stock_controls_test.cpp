#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/graphics/graphic.h"
#include "platform/controls/list_box.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(Edit, TypedCharactersPassKeyPressFirst) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->OnKeyPress = [](TObject*, QChar& key) {
        if (key == '.') key = QChar();
    };
    for (QChar ch : QString("19.2x")) typeChar(*edit, ch);
    EXPECT_EQ(edit->Text(), "192x");
    typeChar(*edit, '\b');
    EXPECT_EQ(edit->Text(), "192");
    EXPECT_EQ(changes, 5);
    edit->MaxLength = 3;
    typeChar(*edit, '4');
    EXPECT_EQ(edit->Text(), "192");
    edit->SetText("");
    typeChar(*edit, 'a');
    EXPECT_EQ(edit->Text(), "a");
}

TEST(Edit, EnterNotTakenByTheEditReachesTheFormsDefaultKeyHandlers) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    int dialogKeys = 0;
    form.OnKeyDown = [](TObject*, uint16_t&, TShiftState) {};
    class Catcher : public TWinControl {
    public:
        using TWinControl::TWinControl;
        int* count = nullptr;
        void WndProc(TMessage& m) override {
            if (m.Msg == CM_DIALOGKEY) {
                ++*count;
                m.Result = 1;
                return;
            }
            TWinControl::WndProc(m);
        }
    };
    auto* catcher = new Catcher(&form);
    catcher->count = &dialogKeys;
    catcher->SetParent(&form);
    keyPress(*edit, VK_RETURN);
    EXPECT_EQ(dialogKeys, 1);
}

TEST(ListBox, ClickSelectsTheItemUnderTheMouseAndFiresOnClick) {
    TForm form(nullptr);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    list->SetItems({"Plant A", "Plant B", "Plant C"});
    EXPECT_EQ(list->ItemIndex(), -1);
    QString clicked;
    list->OnClick = [&](TObject*) { clicked = list->Items().value(list->ItemIndex()); };
    click(*list, 10, list->ItemHeight() + 3);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicked, "Plant B");
    clicked.clear();
    click(*list, 10, list->ItemHeight() * 3 + 3);  // below the last item
    EXPECT_EQ(list->ItemIndex(), 1);
    list->SetItemIndex(2);
    EXPECT_TRUE(clicked.isEmpty() || clicked == "Plant B");
    list->SetItemIndex(7);
    EXPECT_EQ(list->ItemIndex(), -1);
}

}  // namespace

TEST(Image, ATransparentImageLeavesOutTheColourOfTheBitmapsBottomLeftPixel) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 40, 20);
    form.SetColor(clWhite);
    TImage* shown[2] = {};
    for (int i = 0; i < 2; ++i) {
        auto bitmap = std::make_unique<TBitmap>(4, 4);
        bitmap->MutableImage().fill(QColor(255, 0, 255));
        bitmap->MutableImage().setPixelColor(1, 1, Qt::blue);
        shown[i] = new TImage(&form);
        shown[i]->SetParent(&form);
        shown[i]->SetBounds(i * 20, 0, 8, 8);
        shown[i]->Stretch = true;
        shown[i]->Transparent = i == 1;
        shown[i]->Picture().SetGraphic(std::move(bitmap));
    }
    const QImage image = renderToImage(form);
    EXPECT_EQ(image.pixelColor(0, 7), QColor(255, 0, 255));
    EXPECT_EQ(image.pixelColor(20, 7), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(27, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(22, 2), QColor(Qt::blue));
}

TEST(Anchors, ChildrenKeepTheirDistanceToTheAnchoredSides) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* stays = new TListBox(&form);
    stays->SetParent(&form);
    stays->SetBounds(10, 10, 50, 50);
    auto* grows = new TListBox(&form);
    grows->SetParent(&form);
    grows->SetBounds(10, 70, 280, 90);
    grows->Anchors = akLeft | akTop | akRight | akBottom;
    auto* follows = new TListBox(&form);
    follows->SetParent(&form);
    follows->SetBounds(200, 170, 90, 20);
    follows->Anchors = akRight | akBottom;
    form.SetBounds(0, 0, 400, 260);
    EXPECT_EQ(stays->BoundsRect(), Bounds(10, 10, 50, 50));
    EXPECT_EQ(grows->BoundsRect(), Bounds(10, 70, 380, 150));
    EXPECT_EQ(follows->BoundsRect(), Bounds(300, 230, 90, 20));
}
