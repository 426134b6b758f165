#include "grid/stringgrid/input/input_fixture.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/hint_window.h"
#include "platform/testkit/scripted_screen.h"

#include <QSet>

namespace {

class BalloonToolTip : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        screen.Monitors = {{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)}};
    }
    void moveTo(int ACol, int ARow) {
        const TPoint p = middle(ACol, ARow);
        mouseMove(*grid, p.X, p.Y);
    }
    bool showing() const { return grid->BalloonWindow() && grid->BalloonWindow()->Showing(); }
    QString shown() const { return showing() ? grid->BalloonWindow()->Caption() : QString(); }
    int balloonWindows() const {
        int n = 0;
        for (int i = 0; i < grid->ComponentCount(); ++i) n += dynamic_cast<THintWindow*>(grid->Components(i)) != nullptr;
        return n;
    }

    TScriptedScreen screen;
};

TEST_F(BalloonToolTip, BalloonsRideOnCheckBoxesOrStandAlone) {
    grid->AddProgress(2, 2, clRed, clWhite);
    grid->AddBalloon(2, 2, "T", "X", biInfo);
    EXPECT_EQ(grid->GetCellType(2, 2), ctProgress) << "another decoration is left alone";
    QString title, text;
    TBalloonIcon icon = biNone;
    EXPECT_FALSE(grid->IsBalloon(2, 2, title, text, icon));

    grid->AddCheckBox(3, 2, true, false);
    grid->AddBalloon(3, 2, "Check", "on a box", biWarning);
    EXPECT_FALSE(grid->HasBalloon(3, 2));
    ASSERT_TRUE(grid->IsBalloon(3, 2, title, text, icon));
    EXPECT_EQ(title, "Check");
    EXPECT_EQ(text, "on a box");
    EXPECT_EQ(icon, biWarning);
    grid->RemoveBalloon(3, 2);
    EXPECT_TRUE(grid->HasCheckBox(3, 2)) << "the box stays";
    EXPECT_FALSE(grid->IsBalloon(3, 2, title, text, icon));

    grid->AddBalloon(4, 3, "Own", "record", biError);
    EXPECT_TRUE(grid->HasBalloon(4, 3));
    grid->AddBalloon(4, 3, "Own", "again", biError);
    ASSERT_TRUE(grid->IsBalloon(4, 3, title, text, icon));
    EXPECT_EQ(text, "again");
    grid->RemoveBalloon(4, 3);
    EXPECT_FALSE(grid->HasBalloon(4, 3));
    EXPECT_EQ(grid->GetCellType(4, 3), ctEmpty);
}

TEST_F(BalloonToolTip, AssignLeavesTransparencyAndFiresNoEvent) {
    TBalloonSettings source;
    source.Transparency = 100;
    source.InitialDelay = 50;
    source.SetEnable(true);
    int events = 0;
    TBalloonSettings target;
    target.OnEnableChange = [&](TObject*) { ++events; };
    target.Assign(source);
    EXPECT_TRUE(target.Enable());
    EXPECT_EQ(target.InitialDelay, 50);
    EXPECT_EQ(target.Transparency, 0);
    EXPECT_EQ(events, 0);
}

TEST_F(BalloonToolTip, EnablingMakesOneWindowAndDisablingTakesItAway) {
    EXPECT_EQ(grid->BalloonWindow(), nullptr);
    grid->Balloon().SetEnable(true);
    ASSERT_NE(grid->BalloonWindow(), nullptr);
    grid->Balloon().SetEnable(false);
    EXPECT_EQ(grid->BalloonWindow(), nullptr);
    grid->Balloon().SetEnable(true);
    grid->Balloon().SetEnable(true);
    EXPECT_EQ(balloonWindows(), 1);
}

TEST_F(BalloonToolTip, ShowsAfterTheDelayFollowsToAnotherCellAndHides) {
    grid->Balloon().SetEnable(true);
    grid->Balloon().InitialDelay = 300;
    grid->Balloon().ReshowDelay = 50;
    grid->Balloon().AutoHideDelay = 2000;
    grid->AddBalloon(2, 2, "Title", "Balloon text", biInfo);
    moveTo(2, 2);
    advance(299);
    EXPECT_FALSE(showing());
    advance(1);
    EXPECT_EQ(shown(), "Title\nBalloon text");
    moveTo(2, 2);
    EXPECT_TRUE(showing()) << "moving within the cell keeps it";
    moveTo(3, 4);
    EXPECT_FALSE(showing()) << "another cell: it goes ...";
    advance(50);
    EXPECT_EQ(shown(), "3:4") << "... and comes back for that cell after the reshow delay";
    advance(2000);
    EXPECT_FALSE(showing()) << "hidden after the automatic-hide delay";

    // The grid's event may change what shows; a press hides it.
    grid->OnCellBalloon = [](TObject*, int, int, QString& Title, QString& Text, int&) {
        Title = "From the event";
        Text = "text";
    };
    moveTo(1, 1);
    advance(300);
    EXPECT_EQ(shown(), "From the event\ntext");
    clickCell(1, 1);
    EXPECT_FALSE(showing());
}

// The title line carries the icon the balloon names: the information icon unless the cell's
// balloon or the event names another, and none when the event clears it.
TEST_F(BalloonToolTip, TheTitleCarriesTheBalloonsIcon) {
    grid->Balloon().SetEnable(true);
    grid->Balloon().InitialDelay = 10;
    const auto iconArea = [this](int ACol, int ARow) {
        grid->Perform(CM_MOUSELEAVE);
        moveTo(ACol, ARow);
        advance(10);
        EXPECT_TRUE(showing());
        const QImage image = renderToImage(*grid->BalloonWindow());
        const QColor back = image.pixelColor(image.width() - 3, image.height() - 3);
        QSet<QRgb> colours;
        int marked = 0;
        for (int y = THintWindow::MarginY; y < THintWindow::MarginY + 16; ++y)
            for (int x = THintWindow::MarginX; x < THintWindow::MarginX + 16; ++x) {
                colours << image.pixel(x, y);
                marked += image.pixelColor(x, y) != back;
            }
        return std::pair{static_cast<int>(colours.size()), marked};
    };
    grid->AddBalloon(2, 2, "Warning", "Check the value", biWarning);
    grid->AddBalloon(2, 4, "Plain", "No icon", biNone);
    const auto [warningColours, warningMarked] = iconArea(2, 2);
    EXPECT_EQ(shown(), "Warning\nCheck the value");
    EXPECT_GT(warningColours, 2) << "a picture, not a letter";
    const auto [infoColours, infoMarked] = iconArea(3, 3);  // a cell's text: the default icon
    EXPECT_GT(infoColours, 2);
    const auto [plainColours, plainMarked] = iconArea(2, 4);
    EXPECT_LT(plainMarked, warningMarked / 2) << "no icon before the title";
    EXPECT_LT(plainMarked, infoMarked / 2);
}

}  // namespace
