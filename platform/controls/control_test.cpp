#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/link_label.h"
#include "platform/controls/panel.h"
#include "platform/controls/shape.h"
#include "platform/controls/timer.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <QBuffer>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace {

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 200, 100);
        form->SetColor(0xEDF7F8);
    }
    void TearDown() override { delete form; }
    TForm* form = nullptr;
};

TEST_F(ControlTest, ChildrenAreDestroyedWithTheirParentWindow) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* label = new TLabel(form);
    label->SetParent(panel);
    EXPECT_EQ(form->ComponentCount(), 2);
    delete panel;
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(ControlTest, LabelSizesToItsTextAndTakesItsParentsFont) {
    form->Font().SetName("Verdana");
    form->Font().SetHeight(-11);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Step 1");
    const int narrow = label->Width();
    label->SetCaption("Step 1 and more");
    EXPECT_GT(label->Width(), narrow);
    EXPECT_EQ(label->Font().Name(), "Verdana");
    label->Font().SetStyle(fsBold);
    EXPECT_FALSE(label->ParentFont());
    form->Font().SetName("Tahoma");
    EXPECT_EQ(label->Font().Name(), "Verdana");
}

TEST_F(ControlTest, ClickOnAGraphicControlReachesItThroughItsParent) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(50, 20, 40, 15);
    label->SetAutoSize(false);
    int clicks = 0, entered = 0, left = 0;
    label->OnClick = [&](TObject* s) { clicks += s == label; };
    label->OnMouseEnter = [&](TObject*) { ++entered; };
    label->OnMouseLeave = [&](TObject*) { ++left; };
    click(*label, 5, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(entered, 1);
    mouseMove(*form, 5, 5);
    EXPECT_EQ(left, 1);
    // Released outside: no click.
    mouseMessage(*label, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    mouseMessage(*form, WM_LBUTTONUP, 150, 90);
    EXPECT_EQ(clicks, 1);
    label->SetVisible(false);
    click(*form, 55, 25);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlTest, LinkLabelShowsTheTextAndReportsItsLink) {
    auto* link = new TLinkLabel(form);
    link->SetParent(form);
    link->SetCaption(R"(New version <a href="http://127.0.0.1/x">here</a>)");
    QString got;
    link->OnLinkClick = [&](TObject*, const QString& l, TSysLinkType) { got = l; };
    click(*link, 2, 2);
    EXPECT_EQ(got, "http://127.0.0.1/x");
}

TEST_F(ControlTest, RenderPaintsFormColourShapesAndChildWindows) {
    auto* line = new TShape(form);
    line->SetParent(form);
    line->SetBounds(10, 50, 100, 1);
    line->Pen.Color = clGray;
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(150, 0, 50, 50);
    panel->BevelOuter = bvNone;
    panel->SetColor(clRed);
    const QImage image = renderToImage(*form);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0xF8, 0xF7, 0xED));
    EXPECT_EQ(image.pixelColor(10, 50), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(109, 50), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(110, 50), QColor(0xF8, 0xF7, 0xED));
    EXPECT_EQ(image.pixelColor(160, 10), QColor(255, 0, 0));
}

QByteArray twoFrameGif() {
    QImage a(4, 4, QImage::Format_ARGB32);
    a.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes no GIF; build one by hand: two 1x1 frames, 100 ms each.
    const unsigned char gif[] = {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,           // header, 2-colour table
        0xFF, 0, 0, 0, 0, 0xFF,                                         // red, blue
        0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0,
        0x21, 0xF9, 4, 0, 10, 0, 0, 0,                                  // 100 ms
        0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0,          // frame: colour 0
        0x21, 0xF9, 4, 0, 10, 0, 0, 0,
        0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0,          // frame: colour 1
        0x3B};
    return QByteArray(reinterpret_cast<const char*>(gif), sizeof gif);
}

TEST_F(ControlTest, AnimatedImageStepsThroughItsFramesOnTheClock) {
    auto* image = new TImage(form);
    image->SetParent(form);
    ASSERT_TRUE(image->Picture().LoadFromData(twoFrameGif()));
    auto* gif = dynamic_cast<TGIFImage*>(image->Picture().Graphic());
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(gif->FrameCount(), 2);
    advance(250);
    EXPECT_EQ(gif->CurrentFrame(), 0);
    gif->SetAnimate(true);
    advance(100);
    EXPECT_EQ(gif->CurrentFrame(), 1);
    advance(100);
    EXPECT_EQ(gif->CurrentFrame(), 0);
    gif->SetAnimate(false);
    advance(500);
    EXPECT_EQ(gif->CurrentFrame(), 0);
}

TEST(Timer, FiresEveryIntervalOnlyWhileEnabled) {
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(60000);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    advance(120000);
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    advance(59999);
    EXPECT_EQ(ticks, 0);
    advance(1);
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(1000);
    advance(3000);
    EXPECT_EQ(ticks, 4);
}

}  // namespace
