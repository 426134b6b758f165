#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/paint/progress_and_background.h"
#include "grid/stringgrid/persist/persist_fixture.h"
#include "platform/core/exception.h"
#include "platform/system/ini_files.h"
#include "platform/system/registry.h"

#include <QFile>

namespace {

using SettingsFiles = PersistFixture;

QByteArray contentOf(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// ---- column widths and positions

TEST_F(SettingsFiles, ColumnWidthsRoundTripInAnIniFileAndInTheRegistry) {
    for (TColumnSizeLocation location : {clIniFile, clRegistry}) {
        TColumnSize& size = grid->ColumnSize();
        size.Location = location;
        size.Key = location == clIniFile ? folder.file("cols.ini") : QStringLiteral("Software\\Loomwright\\Test");
        size.Section = "Grid";
        grid->SaveColSizes();
        for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 33);
        grid->LoadColSizes();
        EXPECT_EQ(widths(), (std::vector<int>{64, 80, 120, 40})) << location;
    }
    EXPECT_EQ(TMemIniFile(folder.file("cols.ini")).ReadInteger("Grid", "Col2", 0), 120);
}

TEST_F(SettingsFiles, NoKeyOrSectionMeansNoStore) {
    grid->ColumnSize().Location = clIniFile;
    grid->ColumnSize().Key = folder.file("none.ini");
    grid->SaveColSizes();  // no section
    EXPECT_FALSE(QFile::exists(folder.file("none.ini")));
}

TEST_F(SettingsFiles, DamagedWidthsKeepTheColumns) {
    folder.write("bad.ini", "[Grid]\nCol0=abc\nCol1=0\nCol2=-40\nCol3=55\n");
    grid->ColumnSize().Location = clIniFile;
    grid->ColumnSize().Key = folder.file("bad.ini");
    grid->ColumnSize().Section = "Grid";
    grid->LoadColSizes();
    EXPECT_EQ(widths(), (std::vector<int>{64, 80, 120, 55}));
}

// A grid that saves its columns gets them back when it is made again, here through the
// registry store's file.
TEST_F(SettingsFiles, SavedColumnsComeBackAtTheNextStart) {
    const auto make = [&] {
        auto* g = new TExStringGrid(form);
        g->ColumnSize().Save = true;
        g->ColumnSize().Key = "Software\\Loomwright\\Next";
        g->ColumnSize().Section = "Cols";
        g->SetParent(form);
        g->SetColCount(3);
        return g;
    };
    TExStringGrid* first = make();
    first->Loaded();
    first->SetColWidths(1, 99);
    delete first;
    SetRegistryFile(RegistryFile());  // read the file anew, as a new run does
    TExStringGrid* second = make();
    second->Loaded();
    EXPECT_EQ(second->ColWidths(1), 99);
    delete second;
}

TEST_F(SettingsFiles, ColumnOrderRoundTripsAndForeignOrdersAreIgnored) {
    TColumnSize& size = grid->ColumnSize();
    size.Location = clIniFile;
    size.Key = folder.file("pos.ini");
    size.Section = "Grid";
    grid->Loaded();
    grid->MoveColumn(2, 0);  // H2 H0 H1 H3
    grid->SaveColPositions();
    EXPECT_EQ(TMemIniFile(size.Key).ReadInteger("Grid", "Pos0", -1), 2);
    grid->ResetColumnOrder();
    ASSERT_EQ(headers(), QStringList({"H0", "H1", "H2", "H3"}));
    grid->LoadColPositions();
    EXPECT_EQ(headers(), QStringList({"H2", "H0", "H1", "H3"}));

    for (const char* stored : {"[Grid]\nPos0=1\nPos1=0\n", "[Grid]\nPos0=0\nPos1=0\nPos2=1\nPos3=2\n",
                               "[Grid]\nPos0=9\nPos1=0\nPos2=1\nPos3=2\n"}) {
        folder.write("pos.ini", stored);
        grid->LoadColPositions();
        EXPECT_EQ(headers(), QStringList({"H2", "H0", "H1", "H3"})) << stored;
    }
}

// ---- the visual properties file

TEST_F(SettingsFiles, VisualPropertiesRoundTrip) {
    grid->SetColor(clYellow);
    grid->SetSelectionColor(0x123456);
    grid->Font().SetName("DejaVu Serif");
    grid->Font().SetStyle(fsBold | fsItalic);
    grid->Font().SetSize(14);
    grid->FixedFont().SetColor(clRed);
    grid->Bands().SetActive(true);
    grid->ControlLook().SetControlStyle(csFlat);
    grid->BackGround().SetDisplay(bdGradientVert);
    grid->BackGround().SetTop(7);
    grid->Grouping().SummaryLineWidth = 3;
    const QString file = folder.file("looks.txt");
    grid->SaveVisualProps(file);
    const QByteArray text = contentOf(file);
    EXPECT_TRUE(text.startsWith("Color=clYellow\r\nHintColor=clInfoBk\r\n"));
    EXPECT_TRUE(text.contains("\r\nFont.Style=fsBold,fsItalic\r\n"));
    EXPECT_TRUE(text.contains("\r\nSelectionColor=$00123456\r\n"));

    TExStringGrid fresh(form);
    fresh.SetParent(form);
    fresh.LoadVisualProps(file);
    EXPECT_EQ(fresh.Color(), clYellow);
    EXPECT_EQ(fresh.SelectionColor(), 0x123456);
    EXPECT_EQ(fresh.Font().Name(), "DejaVu Serif");
    EXPECT_EQ(fresh.Font().Style(), fsBold | fsItalic);
    EXPECT_EQ(fresh.Font().Size(), 14);
    EXPECT_EQ(fresh.FixedFont().Color(), clRed);
    EXPECT_TRUE(fresh.Bands().Active());
    EXPECT_EQ(fresh.ControlLook().ControlStyle, csFlat);
    EXPECT_EQ(fresh.BackGround().Display, bdGradientVert);
    EXPECT_EQ(fresh.BackGround().Top, 7);
    EXPECT_EQ(fresh.Grouping().SummaryLineWidth, 3);
    fresh.SaveVisualProps(folder.file("again.txt"));
    EXPECT_EQ(contentOf(folder.file("again.txt")), text);
}

TEST_F(SettingsFiles, VisualPropertiesFileErrors) {
    const QString missing = folder.file("missing.txt");
    try {
        grid->LoadVisualProps(missing);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Cannot open file " + missing);
    }
    folder.write("plain", "x");
    const QString unwritable = folder.file("plain/looks.txt");
    try {
        grid->SaveVisualProps(unwritable);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Cannot Create " + unwritable + ": Not a directory");
    }
    // A bad value stops the load there; what came before it stays applied.
    folder.write("bad.txt", "Color=clRed\r\nBalloon.Transparency=lots\r\nGridLineColor=clBlue\r\nLook=glNone\r\n");
    EXPECT_THROW(grid->LoadVisualProps(folder.file("bad.txt")), Exception);
    EXPECT_EQ(grid->Color(), clRed);
    EXPECT_NE(grid->GridLineColor(), clBlue);
    folder.write("look.txt", "look=GLVISTA\r\n");
    grid->LoadVisualProps(folder.file("look.txt"));
    EXPECT_EQ(grid->Look, glVista);
}

// ---- print settings

TEST_F(SettingsFiles, PrintSettingsRoundTrip) {
    TPrintSettings& ps = grid->PrintSettings();
    ps.ColumnSpacing = 7;
    ps.Centered = false;
    ps.RepeatFixedRows = true;
    ps.Borders = pbAround;
    ps.BorderColor = clRed;
    ps.PageNr = ppBottomCenter;
    ps.DateFormat = "yyyy-mm-dd";
    ps.LeftSize = 150;
    ps.FitToPage = fpShrink;
    ps.Font.SetName("DejaVu Serif");
    ps.Font.SetSize(12);
    ps.HeaderFont.SetStyle(fsItalic);
    ps.Orientation = poLandscape;
    ps.TitleLines->Assign(QStringList{"A", "B"});
    ps.PageNumSep = "of";
    ps.PrintGraphics = true;
    const QString ini = folder.file("print.ini");
    grid->SavePrintSettings(ini, "Print");
    EXPECT_EQ(TMemIniFile(ini).ReadString("Print", "TitleLines", ""), "A\\nB");
    EXPECT_EQ(TMemIniFile(ini).ReadString("Print", "Centered", ""), "N");

    TExStringGrid fresh(form);
    fresh.LoadPrintSettings(ini, "Print");
    const TPrintSettings& got = fresh.PrintSettings();
    EXPECT_EQ(got.ColumnSpacing, 7);
    EXPECT_FALSE(got.Centered);
    EXPECT_TRUE(got.RepeatFixedRows);
    EXPECT_EQ(got.Borders, pbAround);
    EXPECT_EQ(got.BorderColor, clRed);
    EXPECT_EQ(got.PageNr, ppBottomCenter);
    EXPECT_EQ(got.DateFormat, "yyyy-mm-dd");
    EXPECT_EQ(got.LeftSize, 150);
    EXPECT_EQ(got.FitToPage, fpShrink);
    EXPECT_EQ(got.Font.Name(), "DejaVu Serif");
    EXPECT_EQ(got.Font.Size(), 12);
    EXPECT_EQ(got.HeaderFont.Style(), fsItalic);
    EXPECT_EQ(got.Orientation, poLandscape);
    EXPECT_EQ(got.TitleLines->Count(), 2);
    EXPECT_EQ(got.TitleLines->Strings(1), "B");
    EXPECT_EQ(got.PageNumSep, "of");
    EXPECT_TRUE(got.PrintGraphics);
    EXPECT_TRUE(got.UseDisplayFont);
}

TEST_F(SettingsFiles, PrintSettingsOfAnEmptySectionTakeTheDefaultsAndKeepStyles) {
    TPrintSettings& ps = grid->PrintSettings();
    ps.Font.SetStyle(fsBold);
    ps.Borders = pbDouble;
    folder.write("print.ini", "[Print]\nBorders=99\nDate=9\nFontStyle=0\nRowSpacing=many\n");
    grid->LoadPrintSettings(folder.file("print.ini"), "Print");
    EXPECT_EQ(ps.LeftSize, 100);
    EXPECT_EQ(ps.FooterSize, 100);
    EXPECT_EQ(ps.ColumnSpacing, 20);
    EXPECT_EQ(ps.RowSpacing, 20);
    EXPECT_TRUE(ps.Centered);
    EXPECT_FALSE(ps.UseDisplayFont);
    EXPECT_EQ(ps.Borders, pbDouble);  // not an ordinal of the borders
    EXPECT_EQ(ps.Date, ppNone);
    for (const TFont* f : {&ps.Font, &ps.HeaderFont, &ps.FooterFont}) {
        EXPECT_EQ(f->Name(), "Arial");
        EXPECT_EQ(f->Size(), 10);
    }
    EXPECT_EQ(ps.Font.Style(), fsBold);
}

}  // namespace
