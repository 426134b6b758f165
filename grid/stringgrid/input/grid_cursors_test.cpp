#include "grid/stringgrid/input/grid_cursors.h"
#include "grid/stringgrid/input/input_fixture.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/cursors.h"

namespace {

constexpr int PictureCorner = 31;

// The grid's own cursor is crIBeam; the fixed column's border lies at 61, the fixed row's at 21,
// and the line between columns 2 and 3 at 181.
class GridCursors : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        grid->SetCursor(crIBeam);
    }
    void hover(int X, int Y) { mouseMessage(*grid, WM_MOUSEMOVE, X, Y); }
    void hoverCell(int ACol, int ARow) {
        const TPoint p = middle(ACol, ARow);
        hover(p.X, p.Y);
    }
    void press(int X, int Y) { mouseMessage(*grid, WM_LBUTTONDOWN, X, Y, MK_LBUTTON); }
    void moveHeld(int X, int Y) { mouseMessage(*grid, WM_MOUSEMOVE, X, Y, MK_LBUTTON); }
    void release(int X, int Y) { mouseMessage(*grid, WM_LBUTTONUP, X, Y); }
};

TEST_F(GridCursors, HeadersShowWhatAPressThereSelects) {
    struct Case {
        const char* name;
        bool rowSelect, colSelect, allSelect;
        TPoint cell;
        TCursor cursor;
    };
    const Case cases[] = {
        {"column header", false, true, false, {2, 0}, crSelectColumn},
        {"row header", true, false, false, {0, 3}, crSelectRow},
        {"corner", false, false, true, {0, 0}, crSelectAll},
        {"column header without ColSelect", true, false, true, {2, 0}, crIBeam},
        {"row header without RowSelect", false, true, true, {0, 3}, crIBeam},
        {"normal cell", true, true, true, {2, 3}, crIBeam},
    };
    for (const Case& c : cases) {
        TMouseActions& mouse = grid->MouseActions();
        mouse.RowSelect = c.rowSelect;
        mouse.ColSelect = c.colSelect;
        mouse.AllSelect = c.allSelect;
        hoverCell(c.cell.X, c.cell.Y);
        EXPECT_EQ(grid->Cursor(), c.cursor) << c.name;
        // The grid's own cursor is back as soon as the pointer is elsewhere.
        hoverCell(3, 4);
        EXPECT_EQ(grid->Cursor(), crIBeam) << c.name;
    }
}

TEST_F(GridCursors, TheSelectionHandleShowsTheSelectAllCursor) {
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    const TRect corner = grid->CellRect(grid->Selection().Right, grid->Selection().Bottom);
    hover(corner.Right - 2, corner.Bottom - 2);
    EXPECT_EQ(grid->Cursor(), crSelectAll);
    hover(corner.Right - 10, corner.Bottom - 10);
    EXPECT_EQ(grid->Cursor(), crIBeam);
}

TEST_F(GridCursors, SizableLinesShowTheSplitCursors) {
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> set;
        TPoint at;
        TCursor cursor;
    };
    const Case cases[] = {
        {"fixed column border", [](TExStringGrid& g) { g.MouseActions().SizeFixedCol = true; }, {61, 70}, crHSplit},
        {"fixed row border", [](TExStringGrid& g) { g.MouseActions().SizeFixedRow = true; }, {150, 21}, crVSplit},
        {"fixed column border, not sizable", [](TExStringGrid&) {}, {61, 70}, crIBeam},
        {"column line in the header", [](TExStringGrid& g) { g.SetOptions(g.Options() | goColSizing); }, {181, 10},
         crHSplit},
        {"row line in the row header", [](TExStringGrid& g) { g.SetOptions(g.Options() | goRowSizing); }, {30, 81},
         crVSplit},
        {"column line the handler refuses",
         [](TExStringGrid& g) {
             g.SetOptions(g.Options() | goColSizing);
             g.OnColumnSize = [](TObject*, int, bool& Allow) { Allow = false; };
         },
         {181, 10}, crIBeam},
        {"column line among normal cells", [](TExStringGrid& g) { g.SetOptions(g.Options() | goColSizing); },
         {181, 70}, crIBeam},
    };
    for (const Case& c : cases) {
        c.set(*grid);
        hover(c.at.X, c.at.Y);
        EXPECT_EQ(grid->Cursor(), c.cursor) << c.name;
        hoverCell(3, 4);
        EXPECT_EQ(grid->Cursor(), crIBeam) << c.name;
        TearDown();
        SetUp();
    }
}

TEST_F(GridCursors, TheSplitCursorStaysWhileAFixedColumnIsDragged) {
    grid->MouseActions().SizeFixedCol = true;
    hover(61, 70);
    press(61, 70);
    moveHeld(150, 70);
    EXPECT_EQ(grid->Cursor(), crHSplit);
    release(150, 70);
    // The border now lies under the pointer; away from it the grid's cursor is back.
    hover(150, 70);
    EXPECT_EQ(grid->Cursor(), crHSplit);
    hover(250, 100);
    EXPECT_EQ(grid->Cursor(), crIBeam);
}

TEST_F(GridCursors, LinksAndCellCursorsComposeWithTheGridsOwn) {
    grid->MouseActions().ColSelect = true;
    grid->SetURLShow(true);
    grid->SetCells(2, 3, "http://example.com");
    grid->OnGetCellCursor = [](TObject*, int ACol, int ARow, int, int, TCursor& ACursor) {
        if (ACol == 4 && ARow == 5) ACursor = crHourGlass;
    };
    hoverCell(2, 3);
    EXPECT_EQ(grid->Cursor(), crHandPoint);
    hoverCell(2, 0);
    EXPECT_EQ(grid->Cursor(), crSelectColumn);
    hoverCell(2, 3);
    EXPECT_EQ(grid->Cursor(), crHandPoint);
    hoverCell(4, 5);
    EXPECT_EQ(grid->Cursor(), crHourGlass);
    // The handler's cursor holds for its cell only.
    hoverCell(3, 4);
    EXPECT_EQ(grid->Cursor(), crIBeam);
}

TEST_F(GridCursors, LeavingTheGridPutsItsCursorBack) {
    grid->MouseActions().ColSelect = true;
    hoverCell(2, 0);
    ASSERT_EQ(grid->Cursor(), crSelectColumn);
    grid->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(grid->Cursor(), crIBeam);
}

TEST_F(GridCursors, EachOwnCursorHasAPictureThatPointsWithItsHotSpot) {
    hoverCell(3, 4);
    for (const TCursor id : {crSelectRow, crSelectColumn, crSelectAll}) {
        const TRegisteredCursor* cursor = FindRegisteredCursor(id);
        ASSERT_NE(cursor, nullptr) << id;
        const QColor hot = cursor->Picture.Image().pixelColor(cursor->HotSpot.X, cursor->HotSpot.Y);
        EXPECT_NE(hot, QColor(255, 0, 255)) << id;
        EXPECT_EQ(cursor->Picture.Image().pixelColor(PictureCorner, 0), QColor(255, 0, 255)) << id;
    }
}

TEST_F(GridCursors, PanningShowsAPictureOfTheOriginAndOfEachDirection) {
    grid->IntelliPan = ipBoth;
    const TPoint origin = middle(2, 3);
    mouseMessage(*grid, WM_MBUTTONDOWN, origin.X, origin.Y, MK_MBUTTON);
    ASSERT_EQ(grid->Cursor(), crPanOrigin);
    const QColor seeThrough(255, 0, 255);
    struct Pan {
        TCursor id;
        TPoint direction;
    };
    for (const Pan pan : {Pan{crPanOrigin, {0, 0}}, Pan{crPanDown, {0, 1}}, Pan{crPanLeft, {-1, 0}},
                          Pan{crPanRight, {1, 0}}, Pan{crPanUp, {0, -1}}, Pan{crPanUpRight, {1, -1}},
                          Pan{crPanUpLeft, {-1, -1}}, Pan{crPanDownRight, {1, 1}}, Pan{crPanDownLeft, {-1, 1}}}) {
        const TRegisteredCursor* cursor = FindRegisteredCursor(pan.id);
        ASSERT_NE(cursor, nullptr) << pan.id;
        const QImage picture = cursor->Picture.Image();
        const TPoint c = cursor->HotSpot;
        EXPECT_NE(picture.pixelColor(c.X, c.Y), seeThrough) << pan.id << ": the dot where the pan started";
        EXPECT_EQ(picture.pixelColor(PictureCorner, 0), seeThrough) << pan.id;
        const TPoint d = pan.direction;
        if (d.X == 0 && d.Y == 0) continue;
        // An arrow head on the side the view moves to, none on the other.
        const int reach = d.X != 0 && d.Y != 0 ? 7 : 10;
        EXPECT_NE(picture.pixelColor(c.X + d.X * reach, c.Y + d.Y * reach), seeThrough) << pan.id;
        EXPECT_EQ(picture.pixelColor(c.X - d.X * reach, c.Y - d.Y * reach), seeThrough) << pan.id;
    }
    mouseMessage(*grid, WM_MBUTTONDOWN, origin.X, origin.Y, MK_MBUTTON);
}

}  // namespace

namespace {

// The row header's cursor is the grid's own: a press there still selects the row. A cursor the
// program sets meanwhile ends the mode, and the press selects the one cell.
TEST_F(GridCursors, ACursorSetByOthersEndsTheHeaderSelectMode) {
    grid->MouseActions().RowSelect = true;
    grid->SetOptions(grid->Options() | goRangeSelect);
    for (const bool program : {false, true}) {
        grid->SetSelection({2, 2, 2, 2});
        hoverCell(0, 3);
        ASSERT_EQ(grid->Cursor(), crSelectRow);
        if (program) grid->SetCursor(crHourGlass);
        const TPoint p = middle(0, 3);
        press(p.X, p.Y);
        release(p.X, p.Y);
        const TGridRect row{grid->FixedCols(), 3, grid->ColCount() - 1, 3};
        if (program) EXPECT_NE(grid->Selection(), row);
        else EXPECT_EQ(grid->Selection(), row);
        grid->SetCursor(crIBeam);
    }
}

}  // namespace
