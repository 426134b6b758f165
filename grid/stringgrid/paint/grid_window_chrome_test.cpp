#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/foundation/codings.h"
#include "grid/foundation/style_interfaces.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/controls/tool_tip_notes.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/testkit.h"

#include <QImage>

namespace {

TColor colorAt(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return TColor(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

// Grids of 5 x 5 cells of 80 x 24 in 420 x 140, one fixed row and column.
class GridChrome : public StringGridFixture {
protected:
    TTestStringGrid* makeGrid(TWinControl* parent = nullptr) {
        auto* g = new TTestStringGrid(form);
        g->SetParent(parent ? parent : form);
        g->SetBounds(0, 0, 420, 140);
        g->SetColCount(5);
        g->SetRowCount(5);
        g->SetDefaultColWidth(80);
        g->SetDefaultRowHeight(24);
        g->SetColor(clWhite);
        return g;
    }
};

TEST_F(GridChrome, TheBorderStyleDecidesWhetherTheLookBorderIsPainted) {
    constexpr TColor parent = 0x204060, border = 0xB99D7F;
    form->SetColor(parent);
    TTestStringGrid& g = *makeGrid();
    g.SetFixedCols(0);
    g.SetLook(glXP);
    g.FitCellsInGrid = true;
    const int y = g.CellRect(0, 2).Top + 3;
    EXPECT_EQ(g.BorderStyle(), bsSingle);
    QImage image = renderToImage(g);
    EXPECT_EQ(colorAt(image, 0, y), parent);
    EXPECT_EQ(colorAt(image, 1, y), border);

    g.SetBorderStyle(bsNone);
    image = renderToImage(g);
    EXPECT_EQ(colorAt(image, 0, y), colorAt(image, 4, y));
    EXPECT_EQ(colorAt(image, 1, y), colorAt(image, 4, y));

    g.SetLook(glVista);
    EXPECT_EQ(g.BorderStyle(), bsSingle) << "a new look brings the border back";
    TColorTones tones;
    tones.Background.BrushColor = clWhite;
    tones.Foreground.BrushColor = 0xE0E0E0;
    g.SetColorTones(tones);
    EXPECT_EQ(g.BorderStyle(), bsNone) << "the metro look has no border";
}

TEST_F(GridChrome, SizingLinesInvertEveryOtherPixelAcrossTheControlAndVanishWhenDrawnAgain) {
    TTestStringGrid& g = *makeGrid();
    TBitmap paper(500, 200);
    paper.Canvas().Brush.Color = clWhite;
    paper.Canvas().FillRect({0, 0, 500, 200});
    TCanvas& c = paper.Canvas();
    c.Pen.Color = clRed;

    g.DrawColSizingLine(c, 50);
    EXPECT_EQ(c.Pixel(50, 0), clBlack);
    EXPECT_EQ(c.Pixel(50, 1), clWhite);
    EXPECT_EQ(c.Pixel(50, 138), clBlack) << "down to the control's height";
    EXPECT_EQ(c.Pixel(50, 140), clWhite);
    EXPECT_EQ(c.Pixel(51, 0), clWhite);
    EXPECT_EQ(c.Pen.Color, clRed) << "the pen is restored";
    EXPECT_EQ(c.Pen.Mode, pmCopy);

    g.DrawRowSizingLine(c, 30);
    EXPECT_EQ(c.Pixel(418, 30), clBlack) << "across the control's width";
    EXPECT_EQ(c.Pixel(420, 30), clWhite);

    g.DrawColSizingLine(c, 50);
    g.DrawRowSizingLine(c, 30);
    for (int y = 0; y < 200; ++y) ASSERT_EQ(c.Pixel(50, y), clWhite) << y;
    for (int x = 0; x < 500; ++x) ASSERT_EQ(c.Pixel(x, 30), clWhite) << x;
}

class FocusFrame : public GridChrome {
protected:
    TGridFocusWindow& frame(TTestStringGrid& g) { return *g.Private().FFocusWindow; }
    static TRect screenBounds(TControl& w) { return {w.Left(), w.Top(), w.Left() + w.Width(), w.Top() + w.Height()}; }
    static TRect expected(TTestStringGrid& g, TRect cell) {
        const TPoint at = g.ClientToScreen({cell.Left, cell.Top});
        return {at.X - 4, at.Y - 4, at.X + cell.Width() + 5, at.Y + cell.Height() + 5};
    }
};

TEST_F(FocusFrame, TheFrameIsAFourPixelRingAroundTheCell) {
    TTestStringGrid& g = *makeGrid();
    const TRect cell = g.CellRect(2, 2);
    g.ShowFocusWindow(cell);
    TGridFocusWindow& w = frame(g);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(screenBounds(w), expected(g, cell));

    // The content glows on the ring and is clear over the cell.
    const TBitmap& content = w.Content();
    ASSERT_EQ(content.Width(), cell.Width() + 9);
    auto alpha = [&](int x, int y) { return const_cast<TBitmap&>(content).ScanLine(y)[4 * x + 3]; };
    EXPECT_GT(alpha(content.Width() / 2, 4), 100);
    EXPECT_EQ(alpha(content.Width() / 2, content.Height() / 2), 0);

    // The window's shape leaves out exactly the cell: a point just inside the ring is in, the
    // cell's own corner pixels are out.
    QImage shape(w.Width(), w.Height(), QImage::Format_RGB32);
    shape.fill(Qt::black);
    {
        TBitmap b(w.Width(), w.Height());
        b.Canvas().Brush.Color = clBlack;
        b.Canvas().FillRect({0, 0, w.Width(), w.Height()});
        b.Canvas().Brush.Color = clWhite;
        b.Canvas().Pen.Style = psClear;
        b.Canvas().Polygon(w.WindowRegion());
        for (int y = 0; y < w.Height(); ++y)
            for (int x = 0; x < w.Width(); ++x) shape.setPixel(x, y, b.Canvas().Pixel(x, y) == clWhite ? 1 : 0);
    }
    EXPECT_EQ(shape.pixel(3, 3) & 1, 1u);
    EXPECT_EQ(shape.pixel(4, 4) & 1, 0u);
    EXPECT_EQ(shape.pixel(3 + cell.Width(), 3 + cell.Height()) & 1, 0u);
    EXPECT_EQ(shape.pixel(w.Width() - 5, w.Height() - 5) & 1, 1u);
    EXPECT_EQ(shape.pixel(w.Width() / 2, w.Height() / 2) & 1, 0u);
    g.HideFocusWindow();
    EXPECT_FALSE(w.Visible());
}

TEST_F(FocusFrame, TheShownFrameFollowsWindowMovesUntilAnyGridHidesItsFrame) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 500, 400);
    TTestStringGrid& a = *makeGrid(panel);
    TTestStringGrid& b = *makeGrid(panel);
    b.SetTop(200);
    a.SetCol(2);
    a.SetRow(3);
    a.ShowFocusWindow(a.CellRect(2, 3));

    panel->SetBounds(30, 20, 500, 400);
    EXPECT_EQ(screenBounds(frame(a)), expected(a, a.CellRect(2, 3))) << "moved with its cell";

    b.HideFocusWindow();
    const TRect before = screenBounds(frame(a));
    panel->SetBounds(60, 40, 500, 400);
    EXPECT_EQ(screenBounds(frame(a)), before) << "no grid is followed any more";

    a.ShowFocusWindow(a.CellRect(2, 3));
    delete &a;  // a destroyed grid is forgotten, so later moves reach no freed grid
    panel->SetBounds(0, 0, 500, 400);
}

using EditorFocusFrame = EditingFixture;

TEST_F(EditorFocusFrame, WithTheFocusHelperAnOpenEditorIsFramedAndAnAcceptedValueHidesTheFrame) {
    TGridFocusWindow& frame = *grid->Private().FFocusWindow;
    clickCell(2, 3);
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(textEditorOpen());
    EXPECT_FALSE(frame.Visible()) << "off unless the focus helper is on";
    keyPress(focused(), VK_ESCAPE);

    grid->FocusHelper().Enabled = true;
    keyPress(*grid, VK_F2);
    ASSERT_TRUE(textEditorOpen());
    EXPECT_TRUE(frame.Visible());
    const TPoint cell = grid->ClientToScreen({grid->CellRect(2, 3).Left, grid->CellRect(2, 3).Top});
    EXPECT_EQ((TPoint{frame.Left(), frame.Top()}), (TPoint{cell.X - 4, cell.Y - 4}));

    form->SetBounds(40, 30, 800, 600);
    const TPoint moved = grid->ClientToScreen({grid->CellRect(2, 3).Left, grid->CellRect(2, 3).Top});
    EXPECT_EQ((TPoint{frame.Left(), frame.Top()}), (TPoint{moved.X - 4, moved.Y - 4})) << "the frame follows the form";

    typeChar(focused(), 'x');
    keyPress(focused(), VK_RETURN);
    EXPECT_FALSE(frame.Visible());
}

class Balloons : public GridChrome {
protected:
    void SetUp() override {
        GridChrome::SetUp();
        g = makeGrid();
        g->Balloon().SetEnable(true);
    }
    // The tool-tip's request over the middle of display cell (c, r).
    TNMTTDispInfo ask(int c, int r) {
        TNMTTDispInfo info;
        info.hdr.code = TTN_GETDISPINFO;
        const TRect cell = g->CellRect(c, r);
        info.Cursor = {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
        g->Perform(WM_NOTIFY, 0, reinterpret_cast<intptr_t>(&info));
        return info;
    }
    TTestStringGrid* g = nullptr;
};

TEST_F(Balloons, TheCellTextIsMadePlainLaidOutAndCut) {
    const QString long3000(3000, 'x');
    const struct {
        QString Stored;
        QString Shown;
    } cases[] = {
        {"plain", "plain"},
        {"<b>bold</b> and <i>more</i>", "bold and more"},
        {R"({\rtf1{\fonttbl{\f0 Tahoma;}}\f0 rich\par text})", "rich\ntext"},
        {EncodeWideText(QString::fromUtf16(u"\u4e2d\u6587")), QString::fromUtf16(u"\u4e2d\u6587")},
        {"\r\n\ta\tb\t", " a b\t"},  // tabs turn to blanks before the line ends go
        {"\r\n\t", ""},
        {long3000, QString(2045, 'x') + "..."},
        {QString(2048, 'y'), QString(2048, 'y')},
    };
    for (const auto& c : cases) {
        g->SetCells(1, 1, c.Stored);
        const TNMTTDispInfo info = ask(1, 1);
        EXPECT_EQ(info.Text, c.Shown) << c.Stored.left(40).toStdString();
    }
}

TEST_F(Balloons, TheEventGetsTheCellAndMayChangeTitleTextAndIconAndTheTitleIsCut) {
    g->SetCells(2, 3, "cell");
    g->Balloon().TextColor = clRed;
    QString seenTitle;
    int seenIcon = -1, seenCol = -1, seenRow = -1;
    QString newTitle = QString(120, 't');
    g->OnCellBalloon = [&](TObject*, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon) {
        seenCol = ACol;
        seenRow = ARow;
        seenTitle = ATitle;
        seenIcon = AIcon;
        ATitle = newTitle;
        AText = AText + "!";
        AIcon = 3;
    };
    TNMTTDispInfo info = ask(2, 3);
    EXPECT_EQ(seenCol, 2);
    EXPECT_EQ(seenRow, 3);
    EXPECT_EQ(seenTitle, " ");
    EXPECT_EQ(seenIcon, 1);
    EXPECT_EQ(info.Text, "cell!");
    EXPECT_EQ(info.Title, QString(97, 't') + "...");
    EXPECT_EQ(info.Icon, 3);
    EXPECT_EQ(info.MaxWidth, 300);
    EXPECT_EQ(info.TextColor, clRed);
    EXPECT_EQ(info.BkColor, clNone) << "clNone keeps the tool-tip's own colour";
    EXPECT_EQ(g->LastBalloonPos, (TPoint{2, 3}));

    newTitle = QString(100, 't');
    EXPECT_EQ(ask(2, 3).Title, newTitle) << "100 characters stay whole";
}

TEST_F(Balloons, NothingIsAnsweredWhenBalloonsAreOffOrNoCellIsUnderTheMouse) {
    g->SetCells(1, 1, "cell");
    g->Balloon().SetEnable(false);
    EXPECT_EQ(ask(1, 1).Text, "");
    g->Balloon().SetEnable(true);
    TNMTTDispInfo outside;
    outside.hdr.code = TTN_GETDISPINFO;
    outside.Cursor = {415, 135};
    g->Perform(WM_NOTIFY, 0, reinterpret_cast<intptr_t>(&outside));
    EXPECT_EQ(outside.Text, "");
    EXPECT_EQ(outside.MaxWidth, -1);
}

TEST_F(GridChrome, AColourChangeRepaintsTheFooterStrip) {
    auto repaintsOfAColourChange = [this](TColor color) {
        TInvalidationRecorder recorder;
        grid->SetColor(color);
        return recorder.Rects.size();
    };
    const size_t withoutFooter = repaintsOfAColourChange(clYellow);
    grid->FloatingFooter().SetVisible(true);
    // The strip is asked to repaint as well (by the grid's repaint and by the colour change).
    EXPECT_GT(repaintsOfAColourChange(clAqua), withoutFooter);
}

TEST_F(GridChrome, APickedDateReachesTheEventWithTheCurrentCellAndNoDateIsZero) {
    TTestStringGrid& g = *makeGrid();
    g.SetCol(2);
    g.SetRow(3);
    std::vector<std::tuple<int, int, TDateTime>> seen;
    g.OnDateTimeChange = [&](TObject*, int ACol, int ARow, TDateTime ADate) { seen.emplace_back(ACol, ARow, ADate); };

    // A picker placed on the grid, changed by the user.
    auto* picker = new TDateTimePicker(form);
    picker->SetParent(&g);
    picker->SetDateTime(45000);
    picker->HandleNeeded();
    picker->SetFocus();
    keyPress(*picker, VK_UP);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(std::get<0>(seen[0]), 2);
    EXPECT_EQ(std::get<1>(seen[0]), 3);
    EXPECT_EQ(std::get<2>(seen[0]), picker->DateTime()) << "the grid sees the new value";
    EXPECT_NE(picker->DateTime(), TDateTime(45000));

    const struct {
        uint32_t Flags;
        TDateTime Value, Reported;
    } cases[] = {{GDT_VALID, 45123.5, 45123.5}, {GDT_NONE, 45123.5, 0}, {GDT_VALID, -700000, 0}};
    for (const auto& c : cases) {
        seen.clear();
        TNMDateTimeChange note;
        note.hdr.code = DTN_DATETIMECHANGE;
        note.dwFlags = c.Flags;
        note.st = c.Value;
        g.Perform(WM_NOTIFY, 0, reinterpret_cast<intptr_t>(&note));
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(std::get<2>(seen[0]), c.Reported) << c.Flags << " " << c.Value;
    }
}

class RichTextCells : public GridChrome {
protected:
    // Pixels of colour in the rectangle.
    static int count(const QImage& image, TRect r, TColor colour) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += colorAt(image, x, y) == colour;
        return n;
    }
    static int dark(const QImage& image, TRect r) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += qGray(image.pixel(x, y)) < 100;
        return n;
    }
};

TEST_F(RichTextCells, RichTextIsRenderedAsItsTextInsideTheOffsetMargin) {
    TTestStringGrid& g = *makeGrid();
    g.SetDefaultColWidth(120);
    g.SetDefaultRowHeight(40);
    g.SetOptions(g.Options() & ~(goHorzLine | goVertLine));
    g.XYOffset = {8, 8};
    g.Font().SetColor(clBlack);
    g.SetCells(2, 2, R"({\rtf1{\fonttbl{\f0 Tahoma;}}\f0 WWWWWWWWWWWWWWWWWWWWWWWWWWWW\par WWWWWWWWWWWW})");
    g.SetSelection({1, 1, 1, 1});
    const TRect cell = g.CellRect(2, 2);
    const QImage image = renderToImage(g);
    EXPECT_GT(dark(image, {cell.Left + 8, cell.Top + 8, cell.Right - 8, cell.Bottom - 8}), 20);
    EXPECT_EQ(dark(image, {cell.Left, cell.Top, cell.Left + 8, cell.Bottom}), 0) << "left margin";
    EXPECT_EQ(dark(image, {cell.Right - 8, cell.Top, cell.Right, cell.Bottom}), 0) << "right margin: wrapped";
    EXPECT_EQ(dark(image, {cell.Left, cell.Bottom - 8, cell.Right, cell.Bottom}), 0) << "bottom margin: cut";
    EXPECT_EQ(count(image, cell, clRed), 0);
}

TEST_F(RichTextCells, ASelectedCellTakesTheSelectionTextColourUnlessKept) {
    TTestStringGrid& g = *makeGrid();
    g.SetCells(2, 2, R"({\rtf1 WWWW})");
    g.SetSelection({2, 2, 2, 2});
    g.SetSelectionColor(clWhite);
    g.SetSelectionTextColor(clRed);
    const TRect cell = g.CellRect(2, 2);
    EXPECT_GT(count(renderToImage(g), cell, clRed), 5);
    g.SetSelectionRTFKeep(true);
    EXPECT_EQ(count(renderToImage(g), cell, clRed), 0);
}

TEST_F(RichTextCells, ACellShowsItsBoldItsSizeAndItsColours) {
    TTestStringGrid& g = *makeGrid();
    g.SetDefaultColWidth(120);
    g.SetDefaultRowHeight(40);
    g.SetOptions(g.Options() & ~(goHorzLine | goVertLine));
    g.Font().SetColor(clBlack);
    g.SetSelection({1, 1, 1, 1});
    const QString head = R"({\rtf1{\fonttbl{\f0 DejaVu Sans;}}{\colortbl ;\red255\green0\blue0;}\f0\fs20 )";
    const struct {
        const char* body;
        bool heavier;  // more ink than the plain text
        bool red;
    } cases[] = {
        {R"(\b Weight test})", true, false},
        {R"(\fs28 Weight test})", true, false},
        {R"(\cf1 Weight test})", false, true},
    };
    g.SetCells(2, 2, head + "Weight test}");
    const TRect cell = g.CellRect(2, 2);
    const int plain = dark(renderToImage(g), cell);
    EXPECT_GT(plain, 20);
    for (const auto& c : cases) {
        g.SetCells(2, 2, head + c.body);
        const QImage image = renderToImage(g);
        if (c.heavier) {
            EXPECT_GT(dark(image, cell), plain + plain / 5) << c.body;
        }
        EXPECT_EQ(count(image, cell, clRed) > 20, c.red) << c.body;
    }
}

} // namespace
