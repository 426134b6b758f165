#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/invalidation_recorder.h"

namespace {

using ProgressAndBackground = StringGridFixture;

TEST_F(ProgressAndBackground, ProgressSettersFireOnlyOnAChange) {
    TGridProgressAppearance appearance;
    int changes = 0;
    appearance.OnChange = [&](TObject*) { ++changes; };
    appearance.SetSteps(11);
    EXPECT_EQ(changes, 0);
    appearance.SetSteps(20);
    appearance.SetLevel3ColorTo(0x010101);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(appearance.Steps, 20);
}

TEST_F(ProgressAndBackground, ProgressAssignCopiesAllButKeepsTheTargetsHandler) {
    TGridProgressAppearance source, target;
    source.SetLevel2Perc(80);
    source.SetStacked(true);
    source.SetStyle(psClassic);
    bool sourceFired = false, targetFired = false;
    source.OnChange = [&](TObject*) { sourceFired = true; };
    target.OnChange = [&](TObject*) { targetFired = true; };
    target.Assign(source);
    EXPECT_EQ(target.Level2Perc, 80);
    EXPECT_TRUE(target.Stacked);
    EXPECT_EQ(target.Style, psClassic);
    EXPECT_TRUE(targetFired);
    EXPECT_FALSE(sourceFired);
}

TEST_F(ProgressAndBackground, BackgroundSettersRepaintTheGridEvenWhenUnchanged) {
    TBackGround& background = grid->BackGround();
    EXPECT_EQ(background.Color, clWindow);
    EXPECT_EQ(background.ColorTo, clBtnFace);
    TInvalidationRecorder recorder;
    background.SetDisplay(background.Display);
    EXPECT_FALSE(recorder.Rects.empty());
    TBitmap picture(4, 4);
    background.SetBitmap(picture);
    EXPECT_EQ(background.Bitmap.Width(), 4);
}

}  // namespace
