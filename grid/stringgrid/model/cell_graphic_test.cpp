#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "platform/controls/image.h"
#include "platform/core/string_list.h"
#include "platform/graphics/graphic.h"

#include <gtest/gtest.h>

namespace {

TEST(CellGraphic, SettersMakeTheRecordOneKind) {
    TCellGraphic g;
    EXPECT_EQ(g.CellType, ctNone);
    EXPECT_FALSE(g.CellCreated);

    for (const auto& [angle, stored] : {std::pair{-90, 270}, {720, 360}, {360, 360}, {-720, 0}, {45, 45}}) {
        g.SetAngle(static_cast<int16_t>(angle));
        EXPECT_EQ(g.CellAngle, stored) << angle;
    }
    EXPECT_EQ(g.CellType, ctRotated);

    g.SetButton(80, 24, "Go", haCenter, vaBottom);
    EXPECT_EQ(g.CellType, ctButton);
    EXPECT_EQ(g.CellIndex, 1572944);
    EXPECT_EQ(g.CellText, "Go");
    EXPECT_EQ(g.CellHAlign, haCenter);
    EXPECT_EQ(g.CellVAlign, vaBottom);

    g.SetCheckBox(true, true, true, haBeforeText, vaCenter);
    EXPECT_EQ(g.CellType, ctDataCheckBox);
    EXPECT_TRUE(g.CellBoolean);
    EXPECT_TRUE(g.CellTransparent);
    EXPECT_EQ(g.CellText, "Go");  // what a setter does not name stays
    g.SetCheckBox(cbGrayed, false, haLeft, vaTop);
    EXPECT_EQ(g.CellType, ctTriStateCheckBox);
    EXPECT_EQ(g.CellCheckBoxState, cbGrayed);
    EXPECT_FALSE(g.CellBoolean);

    TCellGraphic copy;
    g.CellValue = 2.5;
    g.CellVar = 7;
    copy.Assign(g);
    EXPECT_EQ(copy.CellType, ctTriStateCheckBox);
    EXPECT_EQ(copy.CellValue, 2.5);
    EXPECT_EQ(copy.CellText, "Go");
    EXPECT_EQ(copy.CellCheckBoxState, cbUnchecked);  // not copied, nor the variant
    EXPECT_FALSE(copy.CellVar.isValid());
}

TEST(CellGraphic, APictureFitsItsCellByItsStretchMode) {
    // 200 x 100 in a cell of 110 x 110 with a margin of 5.
    const struct {
        TStretchMode mode;
        TPoint size;
    } cases[] = {
        {noStretch, {200, 100}}, {Stretch, {105, 105}}, {StretchWithAspectRatio, {105, 52}},
        {Shrink, {105, 105}}, {ShrinkWithAspectRatio, {105, 52}},
    };
    TPicture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(200, 100));
    TCellGraphic g;
    for (const auto& c : cases) {
        g.SetPicture(&picture, false, c.mode, 5, haLeft, vaTop);
        EXPECT_EQ(g.GetPictureSize(110, 110, false), c.size) << c.mode;
    }
    // A picture that fits keeps its size when it only may shrink.
    g.SetPicture(&picture, false, ShrinkWithAspectRatio, 0, haLeft, vaTop);
    EXPECT_EQ(g.GetPictureSize(300, 300, true), (TPoint{200, 100}));
}

// The sanitizers report what a record frees too often or never.
TEST(CellGraphic, ARecordFreesWhatItOwnsByItsKind) {
    TBitmap kept;
    {
        TCellGraphic g;
        g.SetBitmap(&kept, false, haLeft, vaTop);  // not created by the record
    }
    EXPECT_EQ(kept.Width(), 0);  // still alive
    {
        TCellGraphic g;
        g.SetBitmap(new TBitmap(4, 4), false, haLeft, vaTop);
        g.CellCreated = true;
    }
    {
        TCellGraphic g;
        g.SetMultiImage(1, 2, 0, haLeft, vaTop, {});  // always the record's
        ASSERT_NE(g.Held<TIntList>(), nullptr);
        g.Held<TIntList>()->Add(3);
    }
    {
        TCellGraphic balloon;
        balloon.CellType = ctBalloon;
        balloon.CellBitmap = new TStringList;
        TCellGraphic checkWithBalloon;
        checkWithBalloon.SetCheckBox(true, false, false, haLeft, vaTop);
        checkWithBalloon.CellAngle = 1;
        checkWithBalloon.CellBitmap = new TStringList;
    }
    TStringList options;
    {
        TCellGraphic radio;
        radio.CellType = ctRadio;
        radio.CellBitmap = &options;  // a caller's list
    }
    EXPECT_EQ(options.Count(), 0);
}

}  // namespace
