#include "grid/stringgrid/model/string_grid_test_fixture.h"

namespace {

using ControlLook = StringGridFixture;

TEST_F(ControlLook, FixedGradientColoursReachTheGridUnlessNone) {
    TControlLook& look = grid->ControlLook();
    look.SetFixedGradientFrom(0x123456);
    EXPECT_EQ(grid->DUDGradientFrom(), 0x123456);
    look.SetFixedGradientFrom(clNone);
    EXPECT_EQ(look.FixedGradientFrom(), clNone);
    EXPECT_EQ(grid->DUDGradientFrom(), 0x123456) << "clNone leaves the grid's start colour";
    look.SetFixedGradientMirrorFrom(0x00FF00);
    look.SetFixedGradientMirrorFrom(clNone);
    EXPECT_EQ(grid->DUDGradientMirrorFrom(), clNone) << "a mirror colour always reaches the grid";
    look.SetFixedGradientHoverFrom(0x010203);
    EXPECT_EQ(grid->DUDGradientHoverFrom, 0x010203);
}

TEST_F(ControlLook, InitClearsOnlyTheGridsHoverAndPressedMirrors) {
    TControlLook& look = grid->ControlLook();
    look.SetFixedGradientHoverMirrorFrom(0x111111);
    look.SetFixedGradientDownMirrorTo(0x222222);
    look.SetFixedGradientHoverFrom(0x333333);
    look.SetFixedGradientDownBorder(0x444444);
    look.Init();
    EXPECT_EQ(grid->DUDGradientHoverMirrorFrom, clNone);
    EXPECT_EQ(grid->DUDGradientDownMirrorTo, clNone);
    EXPECT_EQ(grid->DUDGradientHoverFrom, 0x333333);
    EXPECT_EQ(grid->DUDGradientDownBorder, 0x444444);
    EXPECT_EQ(look.FixedGradientHoverFrom(), clGray);
}

TEST_F(ControlLook, AssignCopiesTheLookButNotTheButtonAndProgressFlags) {
    TControlLook source(nullptr);
    source.SetFixedGradientHoverFrom(0xCFD0D1);
    source.SetFixedGradientHoverTo(0xBEC6C8);
    source.CheckSize = 20;
    source.FlatButton = true;
    source.ProgressXP = true;
    source.DropDownCount = 12;
    TControlLook& look = grid->ControlLook();
    look.Assign(source);
    EXPECT_EQ(look.FixedGradientHoverFrom(), 0xCFD0D1);
    EXPECT_EQ(look.FixedGradientHoverTo(), 0xBEC6C8);
    EXPECT_EQ(look.CheckSize, 20);
    EXPECT_EQ(look.DropDownCount, 12);
    EXPECT_FALSE(look.FlatButton);
    EXPECT_FALSE(look.ProgressXP);
    EXPECT_NE(grid->DUDGradientHoverFrom, 0xCFD0D1) << "nothing reaches the grid";
}

}  // namespace
