#include "grid/foundation/grid_check_box.h"

#include "grid/foundation/scripted_theme_service.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/form.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// A parent that counts how often its background was painted.
class CountingParent : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        Canvas().Brush.Color = 0x00C0C0;
        Canvas().FillRect(ClientRect());
    }
};

class GridCheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 300, 200);
        box = addBox(10);
        form.Show();
        box->SetFocus();
    }
    void TearDown() override { ExXPVS().FreeThemeLibrary(); }
    TExCheckBox* addBox(int top) {
        auto* b = new TExCheckBox(&form);
        b->SetParent(&form);
        b->SetBounds(10, top, 98, 20);
        b->TabStop = true;
        return b;
    }

    TForm form{nullptr};
    TExCheckBox* box = nullptr;
    int clicks = 0;
};

TEST_F(GridCheckBoxTest, DefaultsAndToggling) {
    EXPECT_EQ(box->Width(), 98);
    EXPECT_EQ(box->Height(), 20);
    EXPECT_EQ(box->Caption(), QStringLiteral("TExCheckBox"));
    EXPECT_EQ(box->State(), cbUnchecked);
    box->SetState(cbGrayed);
    box->Toggle();
    EXPECT_EQ(box->State(), cbChecked);
    box->Toggle();
    EXPECT_EQ(box->State(), cbUnchecked);
    box->ReadOnly = true;
    box->Toggle();
    EXPECT_EQ(box->State(), cbUnchecked);
}

TEST_F(GridCheckBoxTest, AReleaseOnTheBoxTogglesAndClicksAReadOnlyBoxOnlyClicks) {
    box->OnClick = [this](TObject*) { ++clicks; };
    click(*box, 5, 5);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    box->ReadOnly = true;
    click(*box, 5, 5);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 2);
    box->ReadOnly = false;
    // Pressed inside, released outside: nothing.
    mouseMessage(*box, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_TRUE(box->Down());
    mouseMessage(*box, WM_MOUSEMOVE, 150, 5, MK_LBUTTON);
    EXPECT_FALSE(box->Down());
    mouseMessage(*box, WM_LBUTTONUP, 150, 5);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(GridCheckBoxTest, SpaceTogglesOnReleaseAndEnterCanMoveOnLikeTab) {
    TExCheckBox* next = addBox(40);
    box->OnClick = [this](TObject*) { ++clicks; };
    keyDown(*box, VK_SPACE);
    EXPECT_TRUE(box->Down());
    EXPECT_FALSE(box->Checked());
    keyUp(*box, VK_SPACE);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);

    keyPress(*box, VK_RETURN);
    processPosted();
    EXPECT_TRUE(box->Focused());
    box->ReturnIsTab = true;
    keyPress(*box, VK_RETURN);
    processPosted();
    EXPECT_TRUE(next->Focused());
}

TEST_F(GridCheckBoxTest, TheCaptionsAcceleratorToggles) {
    TExCheckBox* next = addBox(40);
    next->SetCaption(QStringLiteral("&Visible"));
    EXPECT_EQ(form.Perform(CM_DIALOGCHAR, 'v'), 1);
    EXPECT_TRUE(next->Checked());
    EXPECT_TRUE(next->Focused());
    EXPECT_EQ(form.Perform(CM_DIALOGCHAR, 'x'), 0);
}

// The first and last columns from..to-1 of a rendered box that hold pixels of c.
std::pair<int, int> columnsOf(const QImage& image, QColor c, int from = 0, int to = 98) {
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < to; ++x)
            if (image.pixelColor(x, y) == c) left = std::min(left, x), right = std::max(right, x);
    return {left, right};
}

TEST_F(GridCheckBoxTest, TheClassicBoxSitsBesideTheCaption) {
    box->SetCaption(QStringLiteral("Caption"));
    box->Font().SetColor(clBlack);
    box->SetColor(clWhite);
    box->SetChecked(true);
    form.SetFocus();
    QImage image = renderToImage(*box);
    EXPECT_EQ(image.pixelColor(0, 4), QColor(160, 160, 160));  // clBtnShadow: the box at (0, 4)
    EXPECT_EQ(image.pixelColor(12, 16), QColor(255, 255, 255)); // clBtnHighlight
    EXPECT_EQ(image.pixelColor(6, 11), QColor(0, 0, 0));  // the tick
    const auto [left, right] = columnsOf(image, QColor(0, 0, 0), 13);
    EXPECT_GE(left, 15);  // the caption 9 + 6 in
    EXPECT_LT(left, 18);

    box->SetAlignment(taRightJustify);
    image = renderToImage(*box);
    EXPECT_EQ(image.pixelColor(85, 4), QColor(160, 160, 160));
    EXPECT_EQ(image.pixelColor(0, 4), QColor(255, 255, 255));
    const auto [leftRight, rightRight] = columnsOf(image, QColor(0, 0, 0), 0, 85);
    EXPECT_GE(leftRight, 6);
    EXPECT_LT(leftRight, 9);
}

TEST_F(GridCheckBoxTest, FocusedTheCaptionIsFramedDisabledItIsEtched) {
    box->SetCaption(QStringLiteral("Caption"));
    box->Font().SetColor(clBlack);
    box->SetColor(clWhite);
    const QImage focused = renderToImage(*box);
    form.SetFocus();
    const QImage unfocused = renderToImage(*box);
    int changed = 0;
    for (int x = 0; x < 98; ++x) changed += focused.pixelColor(x, 4) != unfocused.pixelColor(x, 4);
    EXPECT_GT(changed, 10);  // the dotted top of the focus rectangle
    box->SetEnabled(false);
    const QImage disabled = renderToImage(*box);
    EXPECT_EQ(columnsOf(disabled, QColor(0, 0, 0)).second, -1);
    EXPECT_GT(columnsOf(disabled, QColor(128, 128, 128)).second, 20);
}

TEST_F(GridCheckBoxTest, ThemedBoxesTakeTheirStateFromCheckPressHotAndEnabled) {
    TScriptedThemeService themes(QStringLiteral("NormalColor"));
    ExXPVS().InitThemeLibrary();
    const auto lastDraw = [&] {
        themes.calls.clear();
        renderToImage(*box);
        return themes.calls.filter(QStringLiteral("draw")).value(0);
    };
    EXPECT_EQ(lastDraw(), QStringLiteral("draw 3 1 (0,4,14,18)"));
    box->SetChecked(true);
    box->Perform(CM_MOUSEENTER);
    EXPECT_EQ(lastDraw(), QStringLiteral("draw 3 6 (0,4,14,18)"));
    box->SetDown(true);
    EXPECT_EQ(lastDraw(), QStringLiteral("draw 3 7 (0,4,14,18)"));
    box->SetState(cbGrayed);
    box->SetEnabled(false);
    EXPECT_EQ(lastDraw(), QStringLiteral("draw 3 12 (0,4,14,18)"));
    box->SetEnabled(true);
    box->SetDown(false);
    box->Perform(CM_MOUSELEAVE);
    box->SetState(cbUnchecked);
    box->SetAlignment(taRightJustify);
    box->SetButtonVertAlign(tlBottom);
    EXPECT_EQ(lastDraw(), QStringLiteral("draw 3 1 (83,6,97,20)"));
    box->SetButtonVertAlign(tlCenter);
    EXPECT_EQ(lastDraw(), QStringLiteral("draw 3 1 (83,4,97,18)"));
}

TEST(GridCheckBoxTransparency, TheCachedParentBackgroundIsRepaintedOnlyAfterAMoveOrAChangeOfTransparency) {
    CountingParent parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    auto* box = new TExCheckBox(&parent);
    box->SetParent(&parent);
    box->SetBounds(10, 10, 98, 20);
    box->SetTransparent(true);
    QImage image = renderToImage(*box);
    EXPECT_EQ(parent.paints, 1);
    EXPECT_EQ(image.pixelColor(50, 1), QColor(0xC0, 0xC0, 0x00));  // the parent shows through
    renderToImage(*box);
    EXPECT_EQ(parent.paints, 2);  // without caching, every time

    box->SetTransparentCaching(true);
    renderToImage(*box);
    renderToImage(*box);
    EXPECT_EQ(parent.paints, 3);
    box->SetBounds(10, 10, 90, 20);
    image = renderToImage(*box);
    EXPECT_EQ(parent.paints, 4);
    EXPECT_EQ(image.pixelColor(50, 1), QColor(0xC0, 0xC0, 0x00));
    box->SetTransparent(false);
    box->SetTransparent(true);
    renderToImage(*box);
    EXPECT_EQ(parent.paints, 5);
    box->SetTransparent(false);
    renderToImage(*box);
    EXPECT_EQ(parent.paints, 5);
}

}  // namespace
