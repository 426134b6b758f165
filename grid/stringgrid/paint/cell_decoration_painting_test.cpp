#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/file_picture.h"
#include "grid/stringgrid/paint/cell_painting_fixture.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/controls/image_list.h"
#include "platform/core/string_list.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <string>

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00C000, Blue = 0xFF0000, Silver = 0xC0C0C0;

// One decorated cell (2, 2) of 80 x 24 in a white grid.
class DecorationPainting : public CellPaintingFixture {
protected:
    TCellGraphic& decorate(TCellType type) {
        TCellGraphic& G = *grid->CreateCellGraphic(2, 2);
        G.CellType = type;
        return G;
    }
    // The neighbouring cells (inside their grid lines) are left blank.
    bool cleanAround(const QImage& image) {
        for (const TPoint n : {TPoint{1, 2}, TPoint{3, 2}, TPoint{2, 1}, TPoint{2, 3}}) {
            const TRect r = grid->CellRect(n.X, n.Y);
            for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
                for (int x = r.Left + 1; x < r.Right - 1; ++x)
                    if (colorAt(image, x, y) != Paper) return false;
        }
        return true;
    }
};

struct Probe {
    int dx, dy;  // from the cell's top-left; negative from its right or bottom
    TColor colour;
};

// The colours at the probes of cell (2, 2), nothing drawn around it.
class DecorationProbes : public DecorationPainting {
protected:
    void expectProbes(const std::vector<Probe>& probes) {
        const TRect r = grid->CellRect(2, 2);
        const QImage image = renderToImage(*grid);
        for (const Probe& p : probes) {
            const int x = p.dx >= 0 ? r.Left + p.dx : r.Right + p.dx;
            const int y = p.dy >= 0 ? r.Top + p.dy : r.Bottom + p.dy;
            EXPECT_EQ(colorAt(image, x, y), p.colour) << "at " << p.dx << ", " << p.dy;
        }
        EXPECT_TRUE(cleanAround(image));
    }
};

struct DecorationCase {
    const char* name;
    std::function<void(TExStringGrid&, TCellGraphic&)> make;
    std::vector<Probe> probes;
};

// An interfaced cell that fills what it is given and notes how it was asked.
class TFillingCell : public TInterfacedPersistent, public IGridCellInterface {
public:
    explicit TFillingCell(bool First) : first(First) {}
    int GetExtentX() override { return 0; }
    int GetExtentY() override { return 0; }
    void Draw(TCanvas& Canvas, const TRect& R, TExStringGrid&, bool Selected, int ARow, int ACol) override {
        ++calls;
        selected = Selected;
        row = ARow;
        col = ACol;
        Canvas.Brush.Color = Silver;
        Canvas.FillRect(R);
    }
    bool DrawFirst() override { return first; }

    bool first;
    int calls = 0, row = -1, col = -1;
    bool selected = false;
};

TEST_F(DecorationPainting, AnInterfacedCellDrawsItselfUnderOrOverTheText) {
    grid->SetCells(2, 2, QStringLiteral("WWWW"));
    grid->Font().SetColor(Red);
    for (const bool first : {true, false}) {
        SCOPED_TRACE(first ? "drawn first" : "drawn as the decoration");
        TFillingCell object(first);
        grid->CreateCellGraphic(2, 2)->SetInterfacedCell(&object);
        const QImage image = paint();
        EXPECT_EQ(object.calls, 1);
        EXPECT_EQ(object.row, 2);
        EXPECT_EQ(object.col, 2);
        EXPECT_FALSE(object.selected);
        const TRect r = cell(2, 2);
        const TRect inner{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
        EXPECT_GT(countColor(image, inner, Silver), inner.Width() * inner.Height() / 2);
        EXPECT_EQ(countColor(image, inner, Red) > 0, first) << "the text stays over what lies under it";
        EXPECT_TRUE(cleanAround(image));
        grid->RemoveCellGraphic(2, 2);
    }
}

TEST_F(DecorationPainting, AnErrorMarkerUnderlinesItsCharactersInRed) {
    grid->SetCells(2, 2, QStringLiteral("abcdefgh"));
    const struct {
        TCellType type;
        int length;
        bool marked;
    } cases[] = {{ctEmpty, 3, true}, {ctValue, 3, true}, {ctEmpty, 0, false}, {ctImageList, 3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.length);
        TCellGraphic& G = decorate(c.type);
        G.CellErrFrom = 2;
        G.CellErrLen = c.length;
        const QImage image = paint();
        const TRect r = cell(2, 2);
        EXPECT_EQ(countColor(image, r, Red) > 0, c.marked);
        const int twoChars = grid->Canvas().TextWidth(QStringLiteral("ab"));
        EXPECT_EQ(countColor(image, {r.Left, r.Top, r.Left + twoChars, r.Bottom}, Red), 0) << "from the third character";
        const int line = grid->Canvas().TextHeight(QStringLiteral("a"));
        EXPECT_EQ(countColor(image, {r.Left, r.Top, r.Right, r.Top + line}, Red), 0) << "under the text";
        EXPECT_TRUE(cleanAround(image));
        grid->RemoveCellGraphic(2, 2);
    }
}

TEST_F(DecorationProbes, EachKindDrawsItsColoursWhereItsPlacementPutsIt) {
    TBitmap redSquare(10, 10);
    redSquare.Canvas().Brush.Color = Red;
    redSquare.Canvas().FillRect({0, 0, 10, 10});
    const std::vector<DecorationCase> cases = {
        {"classic progress at half, no text colours of its own",
         [](auto& grid, auto& G) {
             grid.SetCells(2, 2, QStringLiteral("50"));
             G.CellType = ctProgress;
             G.CellErrLen = 100;
             G.CellColor = Green;
             G.CellIconColor = Silver;
         },
         {{12, 12, Green}, {-12, 12, Silver}}},
        {"pie full, left and top",
         [](auto&, auto& G) {
             G.CellType = ctProgressPie;
             G.CellAngle = 100;
             G.CellColor = Red;
             G.CellHAlign = haLeft;
         },
         {{11, 11, Red}, {40, 11, Paper}}},
        {"range indicator, positive half",
         [](auto& grid, auto& G) {
             grid.SetCells(2, 2, QStringLiteral("50"));
             G.CellType = ctRangeIndicator;
             G.CellIndex = 100;
             G.CellColor = Red;
             G.CellIconColor = Green;
         },
         {{55, 12, Green}, {25, 12, Paper}}},
        {"square shape at the bottom right, the row's height less the offsets",
         [](auto&, auto& G) {
             G.CellType = ctShape;
             G.CellAngle = csRectangle;
             G.CellIndex = Blue;
             G.CellColor = Blue;
             G.CellHAlign = haRight;
             G.CellVAlign = vaBottom;
         },
         {{-6, -6, Blue}, {-18, -18, Blue}, {-26, -6, Paper}, {6, 6, Paper}}},
        {"bitmap centred",
         [&redSquare](auto&, auto& G) {
             G.CellType = ctBitmap;
             G.CellBitmap = &redSquare;
             G.CellHAlign = haCenter;
             G.CellVAlign = vaCenter;
         },
         {{40, 12, Red}, {33, 12, Paper}, {47, 12, Paper}}},
    };
    for (const DecorationCase& c : cases) {
        SCOPED_TRACE(c.name);
        TCellGraphic& G = decorate(ctNone);
        c.make(*grid, G);
        expectProbes(c.probes);
        G.CellBitmap = std::monostate{};
        grid->SetCells(2, 2, QString());
    }
}

TEST_F(DecorationPainting, ARatingRoundsToHalvesAndFillsStarsUpToTheValue) {
    grid->SetCells(2, 2, QStringLiteral("2.3"));
    TCellGraphic& G = decorate(ctRating);
    G.CellAngle = 4;
    G.CellIndex = Red;
    G.CellColor = Silver;
    G.CellHAlign = haLeft;
    const QImage image = renderToImage(*grid);
    const TRect r = grid->CellRect(2, 2);
    const int y = r.Top + 10;
    auto star = [&](int i, int dx) { return colorAt(image, r.Left + 2 + 18 * i + dx, y); };
    EXPECT_EQ(star(0, 8), Red);
    EXPECT_EQ(star(1, 8), Red);
    EXPECT_EQ(star(2, 5), Red) << "the half star over the empty one";
    EXPECT_EQ(star(2, 11), Silver);
    EXPECT_EQ(star(3, 8), Silver);
    EXPECT_EQ(colorAt(image, r.Left + 2 + 18 * 4 + 2, y), Paper) << "no fifth star";
}

TEST_F(DecorationPainting, AnImageIndexBeyondTheListDrawsNothing) {
    TImageList images(nullptr);
    images.Width = images.Height = 10;
    TBitmap red(10, 10);
    red.Canvas().Brush.Color = Red;
    red.Canvas().FillRect({0, 0, 10, 10});
    images.Add(red);
    grid->SetGridImages(&images);
    TCellGraphic& G = decorate(ctImageList);
    G.CellVAlign = vaCenter;
    const TRect r = grid->CellRect(2, 2);
    EXPECT_EQ(colorAt(renderToImage(*grid), r.Left + 6, r.Top + 12), Red);
    G.CellIndex = 1;
    EXPECT_EQ(colorAt(renderToImage(*grid), r.Left + 6, r.Top + 12), Paper);
    grid->SetGridImages(nullptr);
}

}  // namespace

namespace {

TEST_F(DecorationPainting, RotatedTextTurnsUpwardsFromItsAlignedOrigin) {
    grid->SetRowHeights(2, 60);
    grid->SetCells(2, 2, QStringLiteral("Hi"));
    decorate(ctRotated).CellAngle = 90;
    const TRect r = grid->CellRect(2, 2);
    struct Case {
        TAlignment ha;
        TVAlignment va;
    };
    for (const Case c : {Case{taLeftJustify, vtaBottom}, Case{taRightJustify, vtaTop}}) {
        SCOPED_TRACE(int(c.ha));
        grid->OnGetAlignment = [c](TObject*, int, int, TAlignment& h, TVAlignment& v) {
            h = c.ha;
            v = c.va;
        };
        const QImage image = renderToImage(*grid);
        const TRect ink = inkIn(image, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
        ASSERT_LT(ink.Left, ink.Right);
        EXPECT_GT(ink.Height(), ink.Width()) << "the text runs upwards";
        if (c.ha == taLeftJustify) {
            EXPECT_GE(ink.Left, r.Left + 2);
            EXPECT_LT(ink.Left, r.Left + 8);
            EXPECT_GT(ink.Bottom, r.Bottom - 8);
        } else {
            EXPECT_GT(ink.Right, r.Right - 8);
            EXPECT_LT(ink.Top, r.Top + 12);
        }
        EXPECT_TRUE(cleanAround(image));
    }
}

}  // namespace

namespace {

TEST_F(DecorationPainting, AButtonFaceSitsAtItsPlacementAndKeepsItsOffsetForTheMouse) {
    grid->SetCells(2, 2, QStringLiteral("x"));
    TCellGraphic& G = decorate(ctButton);
    G.CellIndex = (16 << 16) | 30;
    G.CellHAlign = haRight;
    G.CellVAlign = vaCenter;
    const TRect r = grid->CellRect(2, 2);
    const QImage image = renderToImage(*grid);
    // The face ends 1 inside the content, which lies 1 inside the cell's lines; 30 x 16 centred
    // in the content's 22 rows; the offset counts from the cell's corner.
    const int left = r.Right - 2 - 30, top = r.Top + 1 + 3;
    EXPECT_EQ(int(G.CellValue), (top - r.Top) * 65536 + (left - r.Left));
    EXPECT_EQ(colorAt(image, r.Right - 28, r.Top + 12), ColorToRGB(clBtnFace));
    EXPECT_EQ(colorAt(image, r.Right - 36, r.Top + 12), Paper);
    EXPECT_TRUE(cleanAround(image));
}

TEST_F(DecorationPainting, AnExpandButtonShowsItsChevronByItsState) {
    TCellGraphic& G = decorate(ctExpand);
    // The 13 x 13 button's corner: 1 inside the cell's lines at the top right.
    const TRect cellRect = grid->CellRect(2, 2);
    const int right = cellRect.Right - 1, top = cellRect.Top + 1;
    for (const bool open : {false, true}) {
        G.CellVar = open;
        const QImage image = renderToImage(*grid);
        EXPECT_EQ(colorAt(image, right - 7, top + (open ? 5 : 8)), clBlack) << open;
        EXPECT_NE(colorAt(image, right - 7, top + (open ? 8 : 5)), clBlack) << open;
    }
}

}  // namespace

namespace {

TEST_F(DecorationPainting, ARadioGroupChecksTheOptionEqualToTheCellText) {
    grid->SetRowHeights(2, 60);
    grid->SetCells(2, 2, QStringLiteral("B"));
    TStringList options;
    options.Add(QStringLiteral("A"));
    options.Add(QStringLiteral("B"));
    grid->ControlLook().RadioAlwaysActive = true;  // the grid is not editable
    TCellGraphic& G = decorate(ctRadio);
    G.CellBitmap = &options;
    G.CellIndex = -1;
    const TRect r = grid->CellRect(2, 2);
    const int S = grid->ControlLook().RadioSize, lineHeight = 16;
    // Options run down from 2 inside the content (1 inside the cell's lines), one text line apart.
    const int left = r.Left + 1 + 2, firstTop = r.Top + 1 + 2;
    const int middle = S / 2;
    // The first row with a dot in the column through the options' middles; -1 for none.
    auto dotRow = [&](const QImage& image, int from, int to) {
        for (int y = from; y < to; ++y)
            if (colorAt(image, left + middle, y) == ColorToRGB(clWindowText)) return y;
        return -1;
    };
    QImage image = renderToImage(*grid);
    EXPECT_EQ(dotRow(image, firstTop, firstTop + S), -1) << "A unchecked";
    EXPECT_GE(dotRow(image, firstTop + lineHeight / 2, r.Bottom), firstTop + lineHeight / 2) << "B checked";
    G.CellIndex = 0;
    image = renderToImage(*grid);
    EXPECT_GE(dotRow(image, firstTop, firstTop + S), firstTop) << "index 0 checks A";
    EXPECT_EQ(dotRow(image, firstTop + S, r.Bottom), -1);
    EXPECT_TRUE(cleanAround(image));
    G.CellBitmap = std::monostate{};
}

}  // namespace

namespace {

TEST_F(DecorationPainting, AFilePictureGoneSinceItWasAddedDrawsNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("red.png"));
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(QColor(0xFF, 0, 0));
    ASSERT_TRUE(red.save(path));
    TFilePicture picture;
    picture.SetFilename(path);
    grid->SetCells(2, 2, QString());
    TCellGraphic& G = decorate(ctFilePicture);
    G.CellBitmap = &picture;
    G.CellAngle = noStretch;
    const TRect r = grid->CellRect(2, 2);
    const TPoint inside{r.Left + 5, r.Top + 5};
    EXPECT_EQ(colorAt(renderToImage(*grid), inside.X, inside.Y), Red);
    ASSERT_TRUE(QFile::remove(path));
    QImage image;
    EXPECT_NO_THROW(image = renderToImage(*grid));
    EXPECT_EQ(colorAt(image, inside.X, inside.Y), Paper);
    G.CellBitmap = std::monostate{};
}

}  // namespace

namespace {

// The kinds added through the grid's operations land where the painter looks for them.
TEST_F(DecorationProbes, KindsAddedByTheGridsOperationsDrawTheirColours) {
    TBitmap redSquare(10, 10);
    redSquare.Canvas().Brush.Color = Red;
    redSquare.Canvas().FillRect({0, 0, 10, 10});
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> add;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases = {
        {"progress at half", [](TExStringGrid& g) { g.SetCells(2, 2, "50"); g.AddProgress(2, 2, Green, Silver); },
         {{12, 12, Green}, {-12, 12, Silver}}},
        {"full pie", [](TExStringGrid& g) { g.AddProgressPie(2, 2, Red, 100); }, {{11, 11, Red}, {40, 11, Paper}}},
        {"range, positive half",
         [](TExStringGrid& g) { g.SetCells(2, 2, "50"); g.AddRangeIndicator(2, 2, 100, Red, Green, false); },
         {{55, 12, Green}, {25, 12, Paper}}},
        {"square at the bottom right",
         [](TExStringGrid& g) { g.AddShape(2, 2, csRectangle, Blue, Blue, haRight, vaBottom); },
         {{-6, -6, Blue}, {-26, -6, Paper}, {6, 6, Paper}}},
        {"bitmap centred", [&](TExStringGrid& g) { g.AddBitmap(2, 2, &redSquare, false, haCenter, vaCenter); },
         {{40, 12, Red}, {33, 12, Paper}}},
        {"comment of its own colour", [](TExStringGrid& g) { g.AddColorComment(2, 2, "x", Green); },
         {{-4, 1, Green}, {-12, 1, Paper}}},
        {"rating of two stars",
         [](TExStringGrid& g) { g.SetCells(2, 2, "1"); g.AddRating(2, 2, 2, Red, Silver); },
         {{10, 10, Red}, {28, 10, Silver}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.add(*grid);
        expectProbes(c.probes);
        grid->RemoveCellGraphic(2, 2);
        grid->SetCells(2, 2, QString());
    }
}

TEST_F(DecorationPainting, ACellsScrollBarShowsAtItsRightEdgeAndMovesTheTextUp) {
    grid->SetRowHeights(2, 40);
    grid->SetCells(2, 2, QStringLiteral("WWW"));
    const TRect r = grid->CellRect(2, 2);
    const TRect textArea{r.Left + 1, r.Top + 1, r.Right - 20, r.Bottom - 1};
    const TRect barArea{r.Right - 18, r.Top + 1, r.Right - 1, r.Bottom - 1};
    grid->AddScrollBar(2, 2, false);
    grid->SetScrollProp(2, 2, {100, 100});
    QImage image = renderToImage(*grid);
    EXPECT_EQ(countColor(image, barArea, Paper), barArea.Width() * barArea.Height()) << "the page holds the range";
    const TRect still = inkIn(image, textArea);
    grid->SetScrollProp(2, 2, {20, 100});
    grid->SetScrollPosition(2, 2, 5);
    image = renderToImage(*grid);
    EXPECT_LT(countColor(image, barArea, Paper), barArea.Width() * barArea.Height() / 2) << "the bar";
    const TRect moved = inkIn(image, textArea);
    EXPECT_EQ(moved.Bottom, still.Bottom - 5);
    EXPECT_TRUE(cleanAround(image));
}

}  // namespace

namespace {

// A white page for the grid's drawing operations, as the printer hands them its canvas.
struct Page {
    Page() {
        bitmap.SetSize(200, 200);
        bitmap.Canvas().Brush.Color = Paper;
        bitmap.Canvas().FillRect({0, 0, 200, 200});
    }
    TRect ink() const { return inkIn(bitmap.Image(), {0, 0, 200, 200}); }
    TBitmap bitmap;
};

TEST_F(DecorationPainting, TheRadioGroupOperationScalesItsGlyphsAndRunsUpwards) {
    const int S = grid->ControlLook().RadioSize;
    struct Case {
        const char* name;
        double scale;
        bool upward;
        int count;
    } cases[] = {{"one glyph", 1.0, false, 1}, {"twice the size", 2.0, false, 1}, {"downwards", 1.0, false, 2},
                 {"upwards", 1.0, true, 2}};
    std::map<std::string, TRect> inks;
    for (const Case& c : cases) {
        Page page;
        grid->DrawRadioGroup(page.bitmap.Canvas(), {50, 100, 150, 190}, c.count, 0, false, false, nullptr, false, 2,
                             2, csClassic, c.scale, c.upward);
        inks[c.name] = page.ink();
    }
    EXPECT_LE(inks["one glyph"].Width(), S);
    EXPECT_GT(inks["twice the size"].Width(), S + S / 2);
    EXPECT_GE(inks["downwards"].Top, 100);
    EXPECT_GT(inks["downwards"].Bottom, inks["one glyph"].Bottom);
    EXPECT_LT(inks["upwards"].Top, 100);  // the second option stands above the first
    EXPECT_EQ(inks["upwards"].Bottom, inks["one glyph"].Bottom);
}

TEST_F(DecorationPainting, AThreeStateCheckBoxTakesItsLookFromTheState) {
    const TRect box{10, 10, 10 + grid->ControlLook().CheckSize, 10 + grid->ControlLook().CheckSize};
    auto draw = [&](bool checked, bool grayed, bool threeState, TCheckBoxState state) {
        Page page;
        grid->DrawCheckBox(page.bitmap.Canvas(), box, checked, true, grayed, csClassic, threeState, state);
        return page.bitmap.Image().copy();
    };
    EXPECT_EQ(draw(false, false, true, cbChecked), draw(true, false, false, cbUnchecked));
    EXPECT_EQ(draw(true, false, true, cbGrayed), draw(false, true, false, cbUnchecked));
    EXPECT_EQ(draw(true, true, true, cbUnchecked), draw(false, false, false, cbUnchecked));
    EXPECT_NE(draw(true, false, false, cbUnchecked), draw(false, false, false, cbUnchecked));
}

TEST_F(DecorationPainting, ATurnedHeaderOfTheSortedColumnCarriesTheSortMark) {
    grid->SetRowHeights(0, 60);
    grid->SetCells(2, 0, QStringLiteral("Hi"));
    TCellGraphic& G = *grid->CreateCellGraphic(2, 0);
    G.CellType = ctRotated;
    G.CellAngle = 90;
    grid->SortSettings().Column = 2;
    const TRect r = grid->CellRect(2, 0);
    // Around (right - 10, top + 8) of the cell inside its margins.
    const TRect mark{r.Right - 20, r.Top, r.Right, r.Top + 20};
    const QImage plain = renderToImage(*grid);
    grid->SortSettings().Show = true;
    const QImage sorted = renderToImage(*grid);
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != sorted.pixel(x, y)) {
                EXPECT_TRUE(mark.Contains({x, y})) << x << "," << y;
                ++differing;
            }
    EXPECT_GT(differing, 0);
}

}  // namespace
