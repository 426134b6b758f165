#include "platform/controls/tree_view.h"

#include "platform/controls/form.h"
#include "platform/controls/image_list.h"
#include "platform/controls/qt_backend.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// A form with a tree:  A { A1 { A1a }, A2 }, B  and a record of its events.
class TreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
        tree = new TTreeView(form);
        tree->SetParent(form);
        tree->SetBounds(0, 0, 200, 150);
        tree->OnClick = [this](TObject*) { events << "click"; };
        tree->OnChange = [this](TObject*, TTreeNode* node) { events << "change " + (node ? node->Text() : "-"); };
        a = tree->Items().AddChild(nullptr, "A");
        a1 = tree->Items().AddChild(a, "A1");
        a1a = tree->Items().AddChild(a1, "A1a");
        a2 = tree->Items().AddChild(a, "A2");
        b = tree->Items().Add(a, "B");
    }
    void TearDown() override { delete form; }
    QStringList visibleTexts() const {
        QStringList texts;
        for (const TTreeNode* n : tree->VisibleNodes()) texts << n->Text();
        return texts;
    }
    // A click in the middle of the text of the visible row.
    void clickRow(int row) {
        const TTreeNode* n = tree->VisibleNodes().at(static_cast<size_t>(row));
        click(*tree, tree->TextLeft(*n) + 3, row * TTreeView::RowHeight + TTreeView::RowHeight / 2);
    }
    void clickButton(int row) {
        const TTreeNode* n = tree->VisibleNodes().at(static_cast<size_t>(row));
        click(*tree, tree->ButtonLeft(*n) + tree->Indent / 2, row * TTreeView::RowHeight + TTreeView::RowHeight / 2);
    }

    TForm* form = nullptr;
    TTreeView* tree = nullptr;
    TTreeNode *a = nullptr, *a1 = nullptr, *a1a = nullptr, *a2 = nullptr, *b = nullptr;
    QStringList events;
};

TEST_F(TreeViewTest, NodesKeepTheirOrderAndWalkDepthFirst) {
    ASSERT_EQ(tree->Items().Count(), 5);
    QStringList all;
    for (int i = 0; i < tree->Items().Count(); ++i) all << tree->Items().Item(i)->Text();
    EXPECT_EQ(all, (QStringList{"A", "A1", "A1a", "A2", "B"}));
    EXPECT_EQ(tree->Items().GetFirstNode(), a);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(a1a->Parent(), a1);
    EXPECT_EQ(a1a->Level(), 2);
    EXPECT_EQ(a2->Index(), 1);
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(tree->Items().Item(5), nullptr);
    // New nodes are collapsed: only the top level has rows.
    EXPECT_EQ(visibleTexts(), (QStringList{"A", "B"}));
    EXPECT_FALSE(a1a->IsVisible());
    a->Expand(true);
    EXPECT_EQ(visibleTexts(), (QStringList{"A", "A1", "A1a", "A2", "B"}));
}

TEST_F(TreeViewTest, RemovingTheSelectedNodeOrAnAncestorLeavesNoSelectionQuietly) {
    tree->SetSelected(a1a);
    events.clear();
    a1->Delete();
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(a->Count(), 1);
    EXPECT_EQ(tree->Items().Count(), 3);

    tree->SetSelected(b);
    a->Delete();
    EXPECT_EQ(tree->Selected(), b);
    tree->Items().Clear();
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Items().Count(), 0);
    EXPECT_EQ(events, (QStringList{"change B"}));
}

TEST_F(TreeViewTest, ARowClickSelectsAndClicksAButtonClickTogglesAndClicks) {
    clickRow(1);
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_EQ(events, (QStringList{"change B", "click"}));

    events.clear();
    clickButton(0);
    EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_EQ(events, (QStringList{"click"}));

    // Below the last row: nothing is selected anew, the click still fires.
    events.clear();
    click(*tree, 50, 140);
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_EQ(events, (QStringList{"click"}));
}

TEST_F(TreeViewTest, WithoutShowRootTopLevelNodesHaveNoButtonAndADoubleClickToggles) {
    tree->ShowRoot = false;
    EXPECT_EQ(tree->ButtonLeft(*a), -tree->Indent);
    clickRow(0);
    EXPECT_EQ(tree->Selected(), a);
    EXPECT_FALSE(a->Expanded());
    mouseMessage(*tree, WM_LBUTTONDBLCLK, tree->TextLeft(*a) + 3, 5, MK_LBUTTON);
    EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(tree->ButtonLeft(*a1), 0);
}

TEST_F(TreeViewTest, KeysMoveTheSelectionWithoutAClick) {
    a->Expand(false);
    tree->SetSelected(a);
    events.clear();
    const std::pair<uint16_t, TTreeNode*> steps[] = {{VK_DOWN, a1}, {VK_RIGHT, a1}, {VK_RIGHT, a1a},
                                                     {VK_LEFT, a1}, {VK_LEFT, a1},  {VK_DOWN, a2},
                                                     {VK_DOWN, b},  {VK_DOWN, b},   {VK_UP, a2}};
    for (const auto& [key, expected] : steps) {
        keyPress(*tree, key);
        EXPECT_EQ(tree->Selected(), expected) << key;
    }
    EXPECT_FALSE(events.contains("click"));
    EXPECT_EQ(events.count(), 6);
}

TEST_F(TreeViewTest, CollapsingAnAncestorOfTheSelectionSelectsIt) {
    a->Expand(true);
    tree->SetSelected(a1a);
    a->Collapse(false);
    EXPECT_EQ(tree->Selected(), a);
    EXPECT_EQ(events, (QStringList{"change A1a", "change A"}));
}

TEST_F(TreeViewTest, RowsShowTheirPictureBeforeTheText) {
    TImageList images(nullptr);
    for (TColor c : {clRed, clBlue}) {
        TBitmap bitmap(16, 16);
        bitmap.Canvas().Brush.Color = c;
        bitmap.Canvas().FillRect({0, 0, 16, 16});
        images.Add(bitmap);
    }
    ASSERT_EQ(images.Count(), 2);
    tree->Images = &images;
    a->SetImageIndex(0);
    a->SetSelectedIndex(1);
    b->SetImageIndex(1);
    b->SetSelectedIndex(1);
    const auto pictureCentre = [&](int row) {
        const QImage image = renderToImage(*tree);
        const TTreeNode* n = tree->VisibleNodes().at(static_cast<size_t>(row));
        return image.pixelColor(tree->ButtonLeft(*n) + tree->Indent + 8, row * TTreeView::RowHeight + TTreeView::RowHeight / 2);
    };
    EXPECT_EQ(pictureCentre(0), QColor(Qt::red));
    EXPECT_EQ(pictureCentre(1), QColor(Qt::blue));
    tree->SetSelected(a);
    EXPECT_EQ(pictureCentre(0), QColor(Qt::blue));
    EXPECT_EQ(tree->TextLeft(*a), tree->ButtonLeft(*a) + tree->Indent + 18);
    tree->Images = nullptr;
}

// The native tree in the program.
class NativeTreeViewTest : public TreeViewTest {
protected:
    void SetUp() override {
        SetWindowBackend(&backend);
        TreeViewTest::SetUp();
        form->HandleNeeded();
        native = dynamic_cast<QTreeWidget*>(static_cast<QWidget*>(tree->BackendData));
        ASSERT_NE(native, nullptr);
    }
    void TearDown() override {
        TreeViewTest::TearDown();
        SetWindowBackend(nullptr);
    }
    QTreeWidgetItem* itemOf(int top, int child = -1) const {
        QTreeWidgetItem* item = native->topLevelItem(top);
        return child < 0 ? item : item->child(child);
    }

    QtBackend backend;
    QTreeWidget* native = nullptr;
};

TEST_F(NativeTreeViewTest, TheNativeTreeMirrorsChangesMadeInCodeWithoutEchoingThem) {
    ASSERT_EQ(native->topLevelItemCount(), 2);
    EXPECT_EQ(itemOf(0)->text(0), "A");
    EXPECT_EQ(itemOf(0, 0)->child(0)->text(0), "A1a");

    tree->Items().BeginUpdate();
    tree->Items().AddChild(b, "B1");
    a2->SetText("A2'");
    EXPECT_EQ(itemOf(1)->childCount(), 0);
    tree->Items().EndUpdate();
    EXPECT_EQ(itemOf(1)->child(0)->text(0), "B1");
    EXPECT_EQ(itemOf(0, 1)->text(0), "A2'");

    a->Expand(false);
    tree->SetSelected(a2);
    EXPECT_TRUE(itemOf(0)->isExpanded());
    EXPECT_EQ(native->currentItem(), itemOf(0, 1));
    EXPECT_EQ(events, (QStringList{"change A2'"}));
}

TEST_F(NativeTreeViewTest, TheUsersPicksReachTheControl) {
    native->setCurrentItem(itemOf(1));
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_EQ(events, (QStringList{"change B"}));

    events.clear();
    emit native->itemClicked(itemOf(1), 0);
    EXPECT_EQ(events, (QStringList{"click"}));

    itemOf(0)->setExpanded(true);
    EXPECT_TRUE(a->Expanded());
    itemOf(0)->setExpanded(false);
    EXPECT_FALSE(a->Expanded());

    // Arrow keys belong to the native tree, not to the control's own navigation.
    uint16_t key = VK_DOWN;
    tree->Perform(WM_KEYDOWN, key);
    EXPECT_EQ(tree->Selected(), b);
}

}  // namespace
