#include "grid/columngrid/table_shape_sample.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <memory>

namespace {

// Pixels inside r darker than mid grey: text, frames and check marks.
int darkPixels(const QImage& image, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

TEST(ColumnGridRender, TableShapeDrawsHeadersTextsAndCheckBoxes) {
    TTableShapeSample sample(nullptr);
    std::unique_ptr<TForm> owner(sample.Form);
    sample.Form->HandleNeeded();
    TExColumnGrid& grid = *sample.Grid;
    const QImage image = renderToImage(grid);
    // LW_SCREENSHOT_DIR keeps the picture for a look by eye.
    if (const QByteArray dir = qgetenv("LW_SCREENSHOT_DIR"); !dir.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath("column_grid_render.png"));

    using S = TTableShapeSample;
    for (int c = 0; c < S::ColumnCount; ++c)
        EXPECT_GT(darkPixels(image, grid.CellRect(c, 0)), 10) << "header of column " << c;
    EXPECT_GT(darkPixels(image, grid.CellRect(S::Kind, 1)), 10);
    EXPECT_EQ(darkPixels(image, grid.CellRect(S::Kind, 5)), 0);

    // Every Enable cell shows a box; "Y" adds a check mark and no cell shows its text.
    const int checked = darkPixels(image, grid.CellRect(S::Enable, 1));
    const int unchecked = darkPixels(image, grid.CellRect(S::Enable, 2));
    EXPECT_GT(unchecked, 20);
    EXPECT_GT(checked, unchecked + 5);
    EXPECT_EQ(darkPixels(image, grid.CellRect(S::Enable, 3)), checked);
}

}  // namespace
