#include "platform/controls/hint_window.h"
#include "platform/controls/qt_backend.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/scripted_screen.h"
#include "platform/testkit/testkit.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class HintWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen.Monitors = {{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)}};
        hint = new THintWindow(nullptr);
    }
    void TearDown() override { delete hint; }

    TScriptedScreen screen;
    THintWindow* hint = nullptr;
};

TEST_F(HintWindowTest, ShowsThePlainTextInARectThatFitsItAndHidesAgain) {
    EXPECT_FALSE(hint->Showing());
    const QString text = QStringLiteral("A hint of two lines\nthe second one longer than the first");
    const TRect size = hint->CalcHintRect(400, text);
    TCanvas& canvas = hint->Canvas();
    canvas.Font.Assign(hint->Font());
    EXPECT_EQ(size.Left, 0);
    EXPECT_EQ(size.Width(), canvas.TextWidth("the second one longer than the first") + 2 * THintWindow::MarginX);
    EXPECT_EQ(size.Height(), 2 * canvas.TextHeight("A") + 2 * THintWindow::MarginY);

    hint->ActivateHint(Rect(100, 50, 100 + size.Width(), 50 + size.Height()), text);
    EXPECT_TRUE(hint->Showing());
    EXPECT_EQ(hint->Caption(), text);
    EXPECT_EQ(hint->Left(), 100);
    EXPECT_EQ(hint->Top(), 50);
    EXPECT_EQ(hint->Width(), size.Width());

    // A narrow maximum breaks the words onto more lines.
    EXPECT_GT(hint->CalcHintRect(80, text).Height(), size.Height());

    hint->HideHint();
    EXPECT_FALSE(hint->Showing());
}

TEST_F(HintWindowTest, AHintPastTheMonitorsEdgesIsMovedBackInside) {
    struct Case {
        TRect asked;
        TPoint at;
    };
    const Case cases[] = {
        {Rect(10, 20, 110, 40), {10, 20}},
        {Rect(1000, 20, 1100, 40), {1024 - 100 - 2, 20}},
        {Rect(10, 760, 110, 780), {10, 768 - 2 - 20}},
        {Rect(1000, 760, 1100, 780), {1024 - 100 - 2, 768 - 2 - 20}},
    };
    for (const Case& c : cases) {
        hint->ActivateHint(c.asked, "x");
        EXPECT_EQ(hint->Left(), c.at.X) << c.asked.Left << "," << c.asked.Top;
        EXPECT_EQ(hint->Top(), c.at.Y) << c.asked.Left << "," << c.asked.Top;
        EXPECT_EQ(hint->Width(), 100);
        EXPECT_EQ(hint->Height(), 20);
    }
}

TEST_F(HintWindowTest, PaintsItsColourAndFrameAndLeavesTheTextToThePainter) {
    TRect painted;
    QString given;
    hint->OnPaintText = [&](TCanvas& canvas, const TRect& r, const QString& text) {
        painted = r;
        given = text;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = clRed;
        canvas.FillRect(r);
    };
    hint->SetColor(clYellow);
    hint->ActivateHint(Rect(0, 0, 60, 30), "<b>bold</b>");
    const QImage image = renderToImage(*hint);
    EXPECT_EQ(given, "<b>bold</b>");
    EXPECT_EQ(painted, Rect(THintWindow::MarginX, THintWindow::MarginY, 60 - THintWindow::MarginX, 30 - THintWindow::MarginY));
    EXPECT_EQ(image.pixelColor(2, 15), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(30, 15), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(59, 15), QColor(Qt::yellow));  // the frame
}

TEST(HintWindowNative, IsAToolTipThatTheMouseGoesThrough) {
    QtBackend backend;
    SetWindowBackend(&backend);
    {
        THintWindow hint(nullptr);
        hint.ActivateHint(Rect(300, 200, 340, 220), "tip");
        auto* w = static_cast<QWidget*>(hint.BackendData);
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->isWindow());
        EXPECT_EQ(w->windowType(), Qt::ToolTip);
        EXPECT_TRUE(w->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_TRUE(w->testAttribute(Qt::WA_ShowWithoutActivating));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->geometry(), QRect(300, 200, 40, 20));
        hint.HideHint();
        EXPECT_FALSE(w->isVisible());
    }
    SetWindowBackend(nullptr);
}

}  // namespace
