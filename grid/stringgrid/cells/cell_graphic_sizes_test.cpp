#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/image.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <functional>

namespace {

class TExtentCell : public TInterfacedPersistent, public IGridCellInterface {
public:
    TExtentCell(int x, int y) : x_(x), y_(y) {}
    int GetExtentX() override { return x_; }
    int GetExtentY() override { return y_; }

private:
    int x_, y_;
};

// Cell (2, 2) of a grid with 64 x 22 cells gets each decoration; cell texts say whether it
// stands beside text.
class DecorationSizes : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        images = new TImageList(form);
        grid->SetGridImages(images);
        grid->SetCells(2, 2, QString());
    }
    TCellGraphic& decorate(const std::function<void(TCellGraphic&)>& set, const char* text = "") {
        grid->SetCells(2, 2, text);
        TCellGraphic& g = *grid->CreateCellGraphic(2, 2);
        set(g);
        return g;
    }
    TPoint screen() { return grid->GetCellGraphicSize(2, 2); }
    TPoint printed(int cw = 100, int ch = 40, double scale = 1) {
        TPoint size;
        grid->GetCellGraphicPrintSize(2, 2, cw, ch, size, scale);
        return size;
    }

    TImageList* images = nullptr;
    TBitmap bitmap{30, 20};
};

TEST_F(DecorationSizes, OnScreenByKind) {
    const int buttonWidth = grid->Canvas().TextWidth("Go") + 4;
    TExtentCell own(7, 9), halfOwn(0, 5);
    const struct {
        const char* name;
        std::function<void(TCellGraphic&)> set;
        const char* text;
        TPoint size;
    } cases[] = {
        {"check box", [](auto& g) { g.SetCheckBox(true, false, false, haLeft, vaTop); }, "", {15, 15}},
        {"tri-state", [](auto& g) { g.SetCheckBox(cbGrayed, true, haLeft, vaTop); }, "x", {15, 15}},
        {"radio button", [](auto& g) { g.SetRadioButton(true, false, haLeft, vaTop); }, "", {10, 10}},
        {"pie", [](auto& g) { g.CellType = ctProgressPie; }, "", {20, 20}},
        {"rating", [](auto& g) { g.CellType = ctRating; g.CellAngle = 3; g.CellHAlign = haFull; }, "", {54, 16}},
        {"bitmap alone", [&](auto& g) { g.SetBitmap(&bitmap, false, haLeft, vaTop); }, "", {30, 20}},
        {"bitmap before text", [&](auto& g) { g.SetBitmap(&bitmap, false, haBeforeText, vaTop); }, "x", {30, 0}},
        {"bitmap over text", [&](auto& g) { g.SetBitmap(&bitmap, false, haLeft, vaAboveText); }, "x", {0, 20}},
        {"bitmap full height", [&](auto& g) { g.SetBitmap(&bitmap, false, haLeft, vaFull); }, "", {30, 22}},
        {"image list", [](auto& g) { g.SetImageIdx(0, haAfterText, vaTop); }, "x", {16, 0}},
        {"images across", [](auto& g) { g.SetMultiImage(2, 2, 0, haLeft, vaTop, {}); }, "", {48, 16}},
        {"images down", [](auto& g) { g.SetMultiImage(2, 2, 1, haLeft, vaTop, {}); }, "", {16, 48}},
        {"button alone", [](auto& g) { g.SetButton(80, 24, "Go", haLeft, vaTop); }, "", {80, 24}},
        {"button beside text", [](auto& g) { g.SetButton(80, 24, "Go", haLeft, vaTop); }, "x", {80, 0}},
        {"button centred", [](auto& g) { g.SetButton(80, 24, "Go", haCenter, vaTop); }, "x", {0, 0}},
        {"button under text", [](auto& g) { g.SetButton(80, 24, "Go", haLeft, vaUnderText); }, "x", {0, 24}},
        {"button full, alone", [](auto& g) { g.SetButton(80, 24, "Go", haFull, vaTop); }, "", {buttonWidth, 24}},
        {"button full, text", [](auto& g) { g.SetButton(80, 24, "Go", haFull, vaTop); }, "x", {64, 0}},
        {"interfaced", [&](auto& g) { g.SetInterfacedCell(&own); }, "", {7, 9}},
        {"interfaced, no height", [&](auto& g) { g.SetInterfacedCell(&halfOwn); }, "", {64, 22}},
        {"rotated", [](auto& g) { g.SetAngle(90); }, "", {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.set) {
            TCellGraphic& g = decorate(c.set, c.text);
            if (TIntList* list = g.Held<TIntList>()) {
                for (int i = 0; i < 3; ++i) list->Add(i);
            }
        }
        EXPECT_EQ(screen(), c.size);
    }
    grid->RemoveCellGraphic(2, 2);
    EXPECT_EQ(screen(), TPoint{});
}

TEST_F(DecorationSizes, PicturesFitTheCellLessItsMargins) {
    auto* picture = new TPicture;
    picture->SetGraphic(std::make_unique<TBitmap>(200, 100));
    TCellGraphic& g = decorate([&](auto& g) { g.SetPicture(picture, false, Stretch, 0, haLeft, vaTop); });
    g.CellCreated = true;  // the record frees the picture
    // 64 x 22 less the text offsets of 2 and one pixel each way.
    EXPECT_EQ(screen(), (TPoint{61, 19}));
    TPoint size;
    grid->GetCellGraphicSizeEx(2, 2, size, 5);
    EXPECT_EQ(size, (TPoint{61, 14}));
    // Printed into the given cell, then scaled.
    EXPECT_EQ(printed(100, 40, 2), (TPoint{50, 20}));
}

TEST_F(DecorationSizes, PrintedByKind) {
    decorate([&](auto& g) { g.SetBitmap(&bitmap, false, haLeft, vaTop); }, "x");
    EXPECT_EQ(printed(), (TPoint{30, 20}));  // always whole
    decorate([](auto& g) { g.SetImageIdx(0, haLeft, vaTop); }, "x");
    EXPECT_EQ(printed(), (TPoint{0, 16}));
    decorate([](auto& g) { g.CellType = ctProgress; });
    EXPECT_EQ(printed(), (TPoint{64, 22}));
    decorate([](auto& g) { g.CellType = ctShape; });
    EXPECT_EQ(printed(), (TPoint{18, 18}));
    decorate([](auto& g) { g.CellType = ctNode; });
    EXPECT_EQ(printed(), (TPoint{20, 20}));
    decorate([](auto& g) { g.CellType = ctRating; g.CellAngle = 5; });
    EXPECT_EQ(printed(), TPoint{});
    decorate([](auto& g) { g.SetCheckBox(true, false, false, haFull, vaFull); });
    EXPECT_EQ(printed(), (TPoint{15, 15}));  // no widening when printed
    // An interfaced object keeps the dimensions it gives; a missing one is the cell's.
    TExtentCell wide(30, 0), tall(0, 12), own(7, 9);
    for (auto [cell, size] : {std::pair{&wide, TPoint{30, 22}}, std::pair{&tall, TPoint{64, 12}}, std::pair{&own, TPoint{7, 9}}}) {
        decorate([cell](auto& g) { g.SetInterfacedCell(cell); });
        EXPECT_EQ(printed(), size);
    }
}

TEST_F(DecorationSizes, SortingComparesTheDecorationsIdentity) {
    decorate([&](auto& g) { g.SetBitmap(&bitmap, false, haLeft, vaTop); });
    EXPECT_EQ(grid->GetCellGraphicSortKey(2, 2), reinterpret_cast<intptr_t>(&bitmap));
    decorate([](auto& g) { g.SetImageIdx(4, haLeft, vaTop); });
    EXPECT_EQ(grid->GetCellGraphicSortKey(2, 2), 4);
    EXPECT_EQ(grid->GetCellImages(2, 2), nullptr);
    decorate([](auto& g) { g.SetMultiImage(2, 2, 0, haLeft, vaTop, {}); });
    EXPECT_EQ(grid->GetCellGraphicSortKey(2, 2), -1);
    ASSERT_NE(grid->GetCellImages(2, 2), nullptr);
    EXPECT_EQ(grid->GetCellGraphicSortKey(3, 3), -1);
}

}  // namespace
