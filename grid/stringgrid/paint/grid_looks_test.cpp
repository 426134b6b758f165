#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "grid/foundation/grid_options.h"
#include "grid/foundation/scripted_theme_service.h"
#include "grid/foundation/theme_detection.h"
#include "grid/foundation/theme_notifier.h"
#include "grid/stringgrid/inplace/grid_combo.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "platform/graphics/canvas.h"
#include "platform/system/scripted_registry.h"
#include "platform/testkit/testkit.h"

#include <QImage>

namespace {

constexpr TColor Paper = 0xFFFFFF;

TColor colorAt(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return TColor(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

bool near(TColor a, TColor b) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > 6) return false;
    return true;
}

// Grids of 5 x 5 cells of 80 x 24 on white, one fixed row and column, cells (1, 1) to (2, 2)
// selected, no focus.
class GridLooks : public StringGridFixture {
protected:
    TTestStringGrid* makeGrid() {
        auto* g = new TTestStringGrid(form);
        g->SetParent(form);
        g->SetBounds(0, 0, 420, 140);
        g->SetColCount(5);
        g->SetRowCount(5);
        g->SetDefaultColWidth(80);
        g->SetDefaultRowHeight(24);
        g->SetColor(Paper);
        g->SetSelection(TGridRect{1, 1, 2, 2});
        return g;
    }
    static TRect cell(TExStringGrid& g, int c, int r) { return g.CellRect(c, r); }
};

struct LookPixels {
    TGridLook Look;
    TColor HeaderTop;   // near the top of a column header
    TColor Selection;   // inside a selected cell; clNone where the selection is a gradient block
};

TEST_F(GridLooks, EachLookPaintsItsHeaderSelectionAndLineColours) {
    const TColor face = ColorToRGB(clBtnFace), highlight = ColorToRGB(clHighlight);
    const LookPixels cases[] = {
        {glStandard, face, highlight},   {glSoft, face, highlight},     {glClassic, face, highlight},
        {glListView, face, highlight},   {glDUD, Paper, 0xEACAB6},      {glXP, Paper, 0xEACAB6},
        {glVista, Paper, clNone},        {glWin7, 0xFDFCFA, clNone},    {glOffice2007, 0xFBF9F6, clNone},
    };
    for (const LookPixels& c : cases) {
        SCOPED_TRACE(TExStringGrid::LookToString(c.Look).toStdString());
        TTestStringGrid& g = *makeGrid();
        g.SetLook(glCustom);
        g.SetLook(c.Look);
        const QImage image = renderToImage(g);
        const TRect head = cell(g, 2, 0), sel = cell(g, 2, 2);
        const TColor top = colorAt(image, head.Left + head.Width() / 2, head.Top + 2);
        EXPECT_TRUE(near(top, c.HeaderTop)) << std::hex << top << " expected " << c.HeaderTop;
        const TColor inside = colorAt(image, sel.Left + sel.Width() / 2, sel.Top + sel.Height() / 2);
        if (c.Selection != clNone) EXPECT_EQ(inside, c.Selection) << std::hex << inside;
        else EXPECT_NE(inside, Paper) << "the selection block is painted";
        EXPECT_EQ(colorAt(image, cell(g, 3, 3).Left + 4, cell(g, 3, 3).Top + 4), Paper);
        EXPECT_EQ(g.BorderColor(), 0xB99D7F);
        delete &g;
    }
}

TEST_F(GridLooks, OnlyTheLastLookDecidesThePixels) {
    const TGridLook looks[] = {glStandard, glClassic, glDUD, glXP, glListView, glVista, glWin7, glOffice2007};
    for (TGridLook second : looks) {
        if (second == glXP) continue; // a fresh grid already has it
        TTestStringGrid& once = *makeGrid();
        once.SetLook(second);
        const QImage expected = renderToImage(once);
        delete &once;
        for (TGridLook first : looks) {
            if (first == second) continue;
            SCOPED_TRACE(TExStringGrid::LookToString(first).toStdString() + " then " +
                         TExStringGrid::LookToString(second).toStdString());
            TTestStringGrid& twice = *makeGrid();
            twice.SetLook(first);
            twice.SetLook(second);
            EXPECT_TRUE(renderToImage(twice) == expected);
            delete &twice;
        }
    }
}

TEST_F(GridLooks, SettingTheSameLookAgainChangesNothing) {
    grid->SetLook(glDUD);
    grid->SetBorderColor(clRed);
    grid->SetSelectionColor(0x123456);
    grid->SetLook(glDUD);
    EXPECT_EQ(grid->BorderColor(), clRed);
    EXPECT_EQ(grid->SelectionColor(), 0x123456);
}

TEST_F(GridLooks, TheCustomLookKeepsTheUsersColours) {
    grid->SetLook(glStandard);
    grid->SetDUDGradientFrom(0x00C000);
    grid->SetSelectionColor(0x123456);
    grid->SortSettings().SetHeaderColor(0x00A0FF);
    grid->SetLook(glCustom);
    EXPECT_EQ(grid->DUDGradientFrom(), 0x00C000);
    EXPECT_EQ(grid->SelectionColor(), 0x123456);
    EXPECT_EQ(grid->SortSettings().HeaderColor(), 0x00A0FF);
    grid->SetLook(glXP);
    EXPECT_EQ(grid->DUDGradientFrom(), clWhite) << "other looks overwrite the fixed gradient";
    EXPECT_EQ(grid->SortSettings().HeaderColor(), clNone) << "and the sorted header's colour";
}

TEST_F(GridLooks, StylesTakeTheirLookAndSelectionStyle) {
    grid->SetLook(glXP);
    grid->SetStyle(gsOffice2007Obsidian);
    EXPECT_EQ(grid->Look, glOffice2007);
    EXPECT_EQ(grid->SelectionStyle(), ssOffice2007) << "from the look change";
    grid->SetStyle(gsOffice2007Obsidian);
    EXPECT_EQ(grid->SelectionStyle(), ssDefault) << "the look was already set";
    EXPECT_EQ(grid->SelectionColor(), 0x5EC1F1);
    EXPECT_EQ(grid->GridLineColor(), 0xE5D7D0);

    grid->SetStyle(gsWindows7);
    EXPECT_EQ(grid->Look, glWin7);
    EXPECT_EQ(grid->SelectionStyle(), ssWin7);
    EXPECT_EQ(grid->DUDGradientFrom(), 0xFDFCFA);
    EXPECT_EQ(grid->DUDGradientMirrorTo(), 0xF7E9DD);
    EXPECT_EQ(grid->ControlLook().FixedGradientFrom(), clNone) << "look cleared, the grid keeps them";
    EXPECT_EQ(grid->SearchFooter().ColorTo(), 0xF7E9DD);
    EXPECT_EQ(grid->SortSettings().HeaderMirrorColorTo(), 0xF6ECD8);

    grid->SetActiveCellColor(0x111111);
    grid->SetStyle(gsCustom);
    EXPECT_EQ(grid->Look, glWin7);
    EXPECT_EQ(grid->SelectionColor(), clHighlight);
    EXPECT_EQ(grid->SortSettings().HeaderColor(), clNone) << "sort header colours are reset too";
    EXPECT_EQ(grid->ActiveCellColor(), 0x111111) << "gsCustom only resets the selection and the control look";
}

TEST_F(GridLooks, ComponentStylesLeaveTheMetroScrollBarsOnlyForCustom) {
    grid->SetScrollType(ssMetro);
    grid->SetComponentStyle(tsCustom);
    EXPECT_EQ(grid->ScrollType(), ssMetro);
    grid->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(grid->ScrollType(), ssNormal);
    EXPECT_EQ(grid->Look, glOffice2007);
    EXPECT_EQ(grid->SelectionStyle(), ssOffice2007);
}

TEST_F(GridLooks, TheBorderFollowsTheLook) {
    struct Case {
        TGridLook Look;
        bool Flat, FitCells;
        TColor Outer, Inner; // at x = 0 and x = 1 in a fixed cell; Cell: the cell's own colour
    };
    constexpr TColor Cell = clNone, parent = 0x204060, border = 0xB99D7F;
    const Case cases[] = {
        {glXP, false, true, parent, border},  {glVista, false, true, parent, border},
        {glStandard, false, true, Cell, Cell}, {glClassic, false, true, Cell, Cell},
        {glXP, true, true, Cell, Cell},        {glXP, false, false, border, Cell},
    };
    form->SetColor(parent);
    for (const Case& c : cases) {
        SCOPED_TRACE(TExStringGrid::LookToString(c.Look).toStdString() + (c.Flat ? " flat" : "") +
                     (c.FitCells ? "" : " not fitting"));
        TTestStringGrid& g = *makeGrid();
        g.SetFixedCols(0);  // the classic look's fixed cells carry their own edges
        g.SetLook(c.Look);
        g.SetFlat(c.Flat);
        g.FitCellsInGrid = c.FitCells;
        const QImage image = renderToImage(g);
        const int y = cell(g, 0, 2).Top + 3;
        const TColor own = colorAt(image, 4, y);
        EXPECT_EQ(colorAt(image, 0, y), c.Outer == Cell ? own : c.Outer) << std::hex << colorAt(image, 0, y);
        EXPECT_EQ(colorAt(image, 1, y), c.Inner == Cell ? own : c.Inner) << std::hex << colorAt(image, 1, y);
        delete &g;
    }
}

TEST_F(GridLooks, TheGradientBackgroundFillsOnlyTheAreaNoCellCovers) {
    constexpr TColor green = 0x00C000;
    TTestStringGrid& g = *makeGrid(); // 400 x 120 of cells in 420 x 140
    g.BackGround().SetDisplay(bdGradientVert);
    g.BackGround().SetCells(bcFixed);  // normal cells keep their colour
    g.BackGround().SetColor(green);
    g.BackGround().SetColorTo(green);
    QImage image = renderToImage(g);
    EXPECT_EQ(colorAt(image, 410, 60), green) << "right of the last column";
    EXPECT_EQ(colorAt(image, 200, 130), green) << "below the last row";
    EXPECT_EQ(colorAt(image, cell(g, 3, 3).Left + 4, cell(g, 3, 3).Top + 4), Paper);

    g.BackGround().SetColorTo(clNone);
    EXPECT_NE(colorAt(renderToImage(g), 410, 60), green) << "no gradient without an end colour";

    g.BackGround().SetColorTo(green);
    g.SetColCount(20);
    g.SetRowCount(20);
    image = renderToImage(g);
    EXPECT_NE(colorAt(image, 410, 60), green) << "neither the last row nor the last column in view";
    EXPECT_NE(colorAt(image, 200, 130), green);
    delete &g;
}

TEST_F(GridLooks, AdaptingToAnUnchangedOfficeThemeKeepsTheUsersColours) {
    TScriptedThemeService olive(QStringLiteral("HomeStead"));
    grid->AdaptToOfficeTheme();
    EXPECT_EQ(grid->DUDGradientFrom(), clWhite) << "off without AutoThemeAdapt";
    grid->SetAutoThemeAdapt(true);
    EXPECT_EQ(grid->DUDGradientFrom(), 0xCFF0EA) << "switching it on adapts at once";
    EXPECT_TRUE(grid->SearchFooter().AutoThemeAdapt());
    grid->SetSelectionColor(0x123456);
    grid->AdaptToOfficeTheme();
    EXPECT_EQ(grid->SelectionColor(), 0x123456);
}

TEST_F(GridLooks, AGridFollowingTheOfficeThemeIsToldOfItsChanges) {
    const QString office2010 = Office2010CommonKey;
    TScriptedRegistry registry;
    registry.AddKey(HKEY_CURRENT_USER, office2010 + "\\General");
    registry.SetInteger(HKEY_CURRENT_USER, office2010, "Theme", 2);
    TTestStringGrid* other = makeGrid();
    EXPECT_EQ(ThemeNotifierInstance(), nullptr) << "made only by a grid that follows the theme";

    grid->SetAutoThemeAdapt(true);
    TThemeNotifier* notifier = ThemeNotifierInstance();
    ASSERT_NE(notifier, nullptr);
    ASSERT_NE(notifier->RegMonitorThread(), nullptr);
    EXPECT_TRUE(notifier->RegMonitorThread()->WinList().HasValue(grid));
    EXPECT_FALSE(notifier->RegMonitorThread()->WinList().HasValue(other));
    EXPECT_EQ(grid->DUDGradientFrom(), 0xE8E3DFu) << "the theme taken at once";

    ASSERT_TRUE(serveUntil([&] { return registry.Armed() == 1; }));
    registry.SetInteger(HKEY_CURRENT_USER, office2010, "Theme", 3);
    ASSERT_TRUE(serveUntil([&] { return grid->DUDGradientFrom() == 0x6A6A6A; }));
    SendMessage(other, WM_OFFICETHEMECHANGE);
    EXPECT_NE(other->DUDGradientFrom(), 0x6A6A6Au) << "a grid that does not follow stays";

    grid->SetAutoThemeAdapt(false);
    EXPECT_FALSE(notifier->RegMonitorThread()->WinList().HasValue(grid));
    grid->SetAutoThemeAdapt(true);
    delete grid;
    grid = nullptr;
    EXPECT_EQ(ThemeNotifierInstance(), nullptr) << "it went with the grid that owned it";
}

TEST_F(GridLooks, ColourSchemesWriteTheFixedGradientAndTheActiveCell) {
    grid->SetTheme(vistaAero);
    EXPECT_EQ(grid->DUDGradientTo(), clWhite);
    EXPECT_EQ(grid->DUDGradientMirrorTo(), 0xF4F2F1);
    EXPECT_EQ(grid->ControlLook().FixedGradientFrom(), clWhite);
    grid->SetTheme(xpGreen);
    EXPECT_EQ(grid->DUDGradientFrom(), 0xCFF0EA);
    EXPECT_EQ(grid->DUDGradientMirrorTo(), clNone) << "the earlier mirror goes";
    EXPECT_EQ(grid->ActiveCellColorTo(), 0x1595EE);
    grid->SetTheme(xpNone);
    EXPECT_EQ(grid->DUDGradientTo(), ColorToRGB(clBtnFace));
    EXPECT_EQ(grid->ControlLook().FixedGradientFrom(), clNone) << "look cleared";
    EXPECT_EQ(grid->SearchFooter().ColorTo(), 0xFFD9B3);
}

TEST_F(GridLooks, LookNames) {
    EXPECT_EQ(TExStringGrid::LookToString(glWin7), QStringLiteral("glWin7"));
    EXPECT_EQ(TExStringGrid::LookToDisplayName(glXP), QStringLiteral("Windows XP"));
    EXPECT_TRUE(TExStringGrid::LookToString(glCustom).isEmpty());
    EXPECT_TRUE(TExStringGrid::LookToDisplayName(glCustom).isEmpty());
}


TEST_F(GridLooks, TheBackgroundPictureContinuesPastTheLastCell) {
    constexpr TColor green = 0x00C000;
    TBitmap picture(420, 140);
    picture.Canvas().Brush.Color = green;
    picture.Canvas().FillRect({0, 0, 420, 140});
    for (TBackGroundDisplay display : {bdFixed, bdTile}) {
        SCOPED_TRACE(int(display));
        TTestStringGrid& g = *makeGrid();  // 400 x 120 of cells in 420 x 140
        g.BackGround().SetBitmap(picture);
        g.BackGround().SetDisplay(display);
        const QImage image = renderToImage(g);
        EXPECT_EQ(colorAt(image, 410, 60), green) << "right of the last column";
        EXPECT_EQ(colorAt(image, 200, 130), green) << "below the last row";
        g.BackGround().SetCells(bcFixed);
        EXPECT_EQ(colorAt(renderToImage(g), 410, 60) == green, display == bdFixed) << "tiles only for normal cells";
        delete &g;
    }
}

}  // namespace

namespace {

TEST_F(GridLooks, ColourTonesMakeTheFlatLookFromTheirColours) {
    TColorTones tones;
    tones.Background = {0xF0F0F0, 0x808080, 0x202020};
    tones.Foreground = {0x703010, 0x703010, clWhite};
    tones.Selected = {0xD0A070, 0xD0A070, clBlack};
    tones.Hover = {0xE0C0A0, 0xE0C0A0, clBlack};
    tones.Disabled = {0xC0C0C0, 0xC0C0C0, 0x808080};
    grid->SetLook(glXP);
    grid->SetColorTones(tones);
    EXPECT_EQ(grid->Look, glClassic);
    EXPECT_TRUE(grid->Flat());
    EXPECT_EQ(grid->FixedColor(), 0x703010);
    EXPECT_EQ(grid->Color(), 0xF0F0F0);
    EXPECT_EQ(grid->SelectionColor(), 0xD0A070);
    EXPECT_EQ(grid->GridLineColor(), 0xE6E6E6);
    EXPECT_EQ(grid->ControlLook().ControlStyle, csGlyph);
    EXPECT_FALSE(grid->ControlLook().CheckedGlyph().Empty()) << "the flat check glyphs come with the program";
    EXPECT_EQ(grid->Combobox()->ButtonColors.ButtonColorHot, 0xE0C0A0);
    EXPECT_EQ(grid->CellNode().NodeType(), cnFlat);
    // A checked box shows the dark flat glyph.
    grid->AddCheckBox(2, 2, true, false);
    const QImage image = renderToImage(*grid);
    const TRect r = grid->CellRect(2, 2);
    bool dark = false;
    for (int x = r.Left; x < r.Left + 20; ++x) dark |= colorAt(image, x, r.Top + r.Height() / 2) == 0x333333;
    EXPECT_TRUE(dark);
}

}  // namespace
