#include "grid/foundation/cell_checker.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/picture_container.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "grid/stringgrid/search/search_panel.h"
#include "platform/controls/image_list.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/controls/popup_menu.h"
#include "platform/core/exception.h"

#include <functional>

namespace {

TEST(StringGridClass, AGridMadeAtRunTimeHasItsDefaults) {
    TExStringGrid grid(nullptr);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.DefaultRowHeight(), 22);
    EXPECT_EQ(grid.FixedRowHeight(), 22);
    EXPECT_EQ(grid.Width(), 400);
    EXPECT_EQ(grid.Height(), 250);
    EXPECT_EQ(grid.FloatFormat, "%.2f");
    EXPECT_EQ(grid.CheckTrue, "Y");
    EXPECT_EQ(grid.CheckFalse, "N");
    EXPECT_EQ(grid.FilterDropDownClear, "(All)");
    EXPECT_EQ(grid.XMLEncoding, "ISO-8859-1");
    EXPECT_EQ(grid.Look, glXP);
    EXPECT_EQ(grid.SelectionColor(), TColor(0xEACAB6));
    EXPECT_EQ(grid.ScrollWidth(), 17);
    EXPECT_EQ(grid.GridLineWidth(), 1);
    EXPECT_TRUE(grid.WordWrap);
    EXPECT_TRUE(grid.ControlStyle & csAcceptsControls);
    EXPECT_EQ(grid.FixedFont().Name(), "Tahoma");
    EXPECT_EQ(grid.FixedFont().Style(), fsBold);
    EXPECT_EQ(grid.ActiveCellFont().Style(), fsBold);
    EXPECT_EQ(grid.TotalColCount(), 5);
    EXPECT_EQ(grid.TotalRowCount(), 10);
    EXPECT_EQ(grid.Version(), "6.2.1.3");
    EXPECT_EQ(grid.VersionNr(), 100794627);
    EXPECT_EQ(grid.VersionString(), "6.2.1.3 Sep, 2012");
    ASSERT_NE(grid.SearchPanel(), nullptr);
    EXPECT_FALSE(grid.SearchPanel()->Visible()) << "the search panel waits for SearchFooter.Visible";
}

TEST(StringGridClass, EveryPublishedValueStartsAtItsStoredDefault) {
    TExStringGrid grid(nullptr);
    // Only FixedRowHeight differs: 22 after construction, 21 as stored default.
    const TFormProperties written = WriteGridProperties(grid);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0], (TStreamedProperty{"FixedRowHeight", 22}));
    QStringList names = PublishedGridProperties();
    EXPECT_EQ(names.first(), "HighlightColor");
    EXPECT_EQ(names.last(), "WordWrap");
    EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST(StringGridClass, AFormDescriptionReadsBackAsItWasWritten) {
    TExStringGrid source(nullptr);
    source.SetColCount(4);
    source.SetRowCount(11);
    source.SetFixedCols(0);
    source.SetVAlignment(vtaCenter);
    source.SetOptions(source.Options() | goEditing);
    source.ColumnHeaders().Assign(QStringList{"N", "Enable", "Certificate", "Mnemonic"});
    source.FilterDropDownClear = "(any)";
    source.SetSelectionColorMixerFactor(140);  // kept within 0 .. 100
    const TFormProperties written = WriteGridProperties(source);

    TExStringGrid copy(nullptr);
    ReadGridProperties(copy, written);
    EXPECT_EQ(WriteGridProperties(copy), written);
    EXPECT_EQ(copy.Cells(2, 0), "Certificate");  // headers shown in row 0 when loaded
    EXPECT_EQ(copy.SelectionColorMixerFactor(), 100);
    EXPECT_EQ(GridPropertyValue(copy, "VAlignment"), QVariant(int(vtaCenter)));

    // 21 is the stored default, so it is never written, and reading leaves 22; 22 is written.
    TExStringGrid plain(nullptr);
    ReadGridProperties(plain, {{"FixedRowHeight", 21}, {"Version", "1.0"}});
    EXPECT_EQ(plain.FixedRowHeight(), 21);
    EXPECT_EQ(plain.Version(), "6.2.1.3");
    EXPECT_THROW(ReadGridProperties(plain, {{"NoSuchProperty", 1}}), Exception);
    EXPECT_FALSE(plain.IsLoading());
}

TEST(StringGridClass, LoadingFixesTheRequestedCountsAndTheColumnOrder) {
    TTestStringGrid grid(nullptr);
    ReadGridProperties(grid, {{"RowCount", 6}, {"FixedRows", 2}, {"DefaultRowHeight", 30}});
    EXPECT_EQ(grid.Private().FFixedRowsMin, 2);
    EXPECT_EQ(grid.Private().FMaxRowCount, 6);  // counted again from what was loaded
    EXPECT_EQ(grid.MinRowHeight, 30);
    EXPECT_EQ(grid.MinColWidth, 10);
    EXPECT_EQ(grid.Private().FColumnOrder->Count(), 5);
    EXPECT_EQ(grid.Private().FOrigColSizes->Count(), 5);
}

TEST(StringGridClass, LoadingAppliesTheDUDLookAndTurnsAlwaysShowEditorIntoAlwaysEdit) {
    TExStringGrid dud(nullptr);
    ReadGridProperties(dud, {{"Look", int(glDUD)}});
    EXPECT_EQ(dud.Look, glDUD);
    EXPECT_EQ(dud.DUDGradientTo(), TColor(0xC0C0C0));  // the look's colours, not the constructor's
    EXPECT_EQ(dud.ControlLook().FixedGradientTo(), clSilver);

    TExStringGrid editing(nullptr);
    ReadGridProperties(editing, {{"Options", QVariant::fromValue(TGridOptions(DefaultGridOptions | goEditing | goAlwaysShowEditor))}});
    EXPECT_TRUE(editing.Navigation().AlwaysEdit);
    EXPECT_FALSE(editing.Options() & goAlwaysShowEditor);
    EXPECT_TRUE(editing.Options() & goEditing);
}

TEST(StringGridClass, AssignCellsGoesThroughTheStreamAndTakesTheSourceSize) {
    TExStringGrid source(nullptr), target(nullptr);
    source.SetColCount(7);
    source.SetRowCount(12);
    source.SetColWidths(6, 77);
    source.SetCells(6, 11, "far corner");
    source.SetCells(1, 1, "two\nlines");
    target.SetCells(2, 2, "kept");  // empty in the source: the stream carries nothing for it
    target.AssignCells(source);
    EXPECT_EQ(target.ColCount(), 7);
    EXPECT_EQ(target.RowCount(), 12);
    EXPECT_EQ(target.ColWidths(6), 77);
    EXPECT_EQ(target.Cells(6, 11), "far corner");
    EXPECT_EQ(target.Cells(1, 1), source.Cells(1, 1));
    EXPECT_EQ(target.Cells(2, 2), "kept");
}

TEST(StringGridClass, FixedRowsKeptByFixedRowAlwaysComeBackAsTheGridGrows) {
    TExStringGrid grid(nullptr);
    grid.FixedRowAlways = true;
    grid.SetRowCount(3);
    grid.SetFixedRows(3);
    EXPECT_EQ(grid.FixedRows(), 2);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.FixedRows(), 3);
}

TEST(StringGridClass, FixedRowHeightResetsEveryRowOnlyAtTheDefaultHeight) {
    TExStringGrid grid(nullptr);
    grid.SetRowHeights(4, 40);
    grid.SetFixedRowHeight(30);
    EXPECT_EQ(grid.RowHeights(0), 30);
    EXPECT_EQ(grid.RowHeights(4), 40);
    grid.SetFixedRowHeight(22);
    EXPECT_EQ(grid.RowHeights(0), 22);
    EXPECT_EQ(grid.RowHeights(4), 22);
}

TEST(StringGridClass, IntegralHeightFitsWholeRowsInsideTheBorder) {
    TExStringGrid grid(nullptr);
    grid.IntegralHeight = true;
    // The single border takes 2 pixels: 100 + 2 - (98 mod 22).
    grid.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid.Height(), 92);
    grid.SetBorderStyle(bsNone);
    grid.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid.Height(), 88);
}

TEST(StringGridClass, LoadingRecordsTheWidthsThatColumnsScaleFrom) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 800, 600);
    auto* grid = new TExStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 400, 200);
    grid->SetColCount(4);
    for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 50);
    grid->Loaded();
    grid->ColumnSize().SynchWithGrid = true;
    grid->SetBounds(0, 0, 600, 200);
    EXPECT_EQ(grid->ColWidths(0), 75);
    EXPECT_EQ(grid->ColWidths(3), 75);
}

TEST(StringGridClass, TheOwnerFormsResizeRunsAfterTheGridsAndComesBack) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 500, 400);
    std::vector<QString> calls;
    form.OnResize = [&](TObject*) { calls.push_back("form"); };
    auto* grid = new TExStringGrid(&form);
    grid->SetParent(&form);
    grid->SizeWithForm = true;
    grid->OnResize = [&](TObject*) { calls.push_back("grid"); };
    form.SetBounds(0, 0, 560, 430);
    EXPECT_EQ(calls, (std::vector<QString>{"grid", "form"}));
    EXPECT_EQ(grid->Width(), 460);
    EXPECT_EQ(grid->Height(), 280);

    delete grid;
    calls.clear();
    form.SetBounds(0, 0, 500, 400);
    EXPECT_EQ(calls, (std::vector<QString>{"form"}));
}

TEST(StringGridClass, AssignCopiesSettingsSizesAndThenTheCells) {
    TExStringGrid source(nullptr), target(nullptr);
    source.SetColCount(3);
    source.SetRowCount(4);
    source.SetColWidths(2, 99);
    source.SetRowHeights(3, 33);
    source.SetCells(2, 3, "corner");
    source.SortSettings().Show = true;
    source.Navigation().AllowInsertRow = true;
    source.OnSaveCell = [](TObject*, int, int, QString& Value) { Value = Value.toUpper(); };
    target.Assign(source);
    EXPECT_EQ(target.ColCount(), 3);
    EXPECT_EQ(target.RowCount(), 4);
    EXPECT_EQ(target.ColWidths(2), 99);
    EXPECT_EQ(target.RowHeights(3), 33);
    EXPECT_EQ(target.Cells(2, 3), "CORNER");  // as the source exports it
    EXPECT_TRUE(target.SortSettings().Show);
    EXPECT_TRUE(target.Navigation().AllowInsertRow);

    TExStringGridCheck checker(nullptr);
    target.Assign(checker);  // not a grid: nothing happens
    EXPECT_EQ(target.ColCount(), 3);
}

TEST(StringGridClass, TheGridLetsGoOfAFreedCheckerOrPictureContainer) {
    TExStringGrid grid(nullptr);
    auto* checker = new TExStringGridCheck(nullptr);
    auto* pictures = new TPictureContainer(nullptr);
    grid.SetCellChecker(checker);
    grid.SetPictureContainer(pictures);
    EXPECT_EQ(grid.CellChecker(), checker);
    EXPECT_EQ(grid.PictureContainer(), pictures);
    delete checker;
    delete pictures;
    EXPECT_EQ(grid.CellChecker(), nullptr);
    EXPECT_EQ(grid.PictureContainer(), nullptr);
    ASSERT_NE(grid.ImageCache(), nullptr);
    EXPECT_EQ(grid.ImageCache()->Count(), 0);
}

TEST(StringGridClass, AFreedImageListOrMenuIsNoLongerReached) {
    TExStringGrid grid(nullptr);
    auto* images = new TImageList(nullptr);
    images->Width = 40;
    auto* menu = new TPopupMenu(nullptr);
    grid.CreateCellGraphic(2, 2)->SetImageIdx(0, haBeforeText, vaTop);
    const int bare = grid.GetCellGraphicSize(2, 2).X;
    grid.SetGridImages(images);
    grid.SetFixedDropDownMenu(menu);
    EXPECT_EQ(grid.GetCellGraphicSize(2, 2).X, bare + 40);
    delete images;
    delete menu;
    EXPECT_EQ(grid.GridImages(), nullptr);
    EXPECT_EQ(grid.FixedDropDownMenu(), nullptr);
    // Measuring the image cell again reads no freed list.
    EXPECT_EQ(grid.GetCellGraphicSize(2, 2).X, bare);
}

TEST(StringGridClass, HighlightColoursAreTheMarkupsForEveryGrid) {
    TExStringGrid grid(nullptr);
    grid.SetHighlightColor(clYellow);
    EXPECT_EQ(HilightBackColor(), clYellow);
    EXPECT_EQ(HilightTextColor(), clHighlightText);
    grid.SetHighlightTextColor(clRed);
    EXPECT_EQ(HilightTextColor(), clRed);
    SetHTMLHilightColors(clHighlight, clHighlightText);
}

TEST(StringGridClass, TheFocusFrameAndTheFourArrowsAreTheGridsOwnHiddenWindows) {
    TTestStringGrid grid(nullptr);
    const TExStringGridPrivate& d = grid.Private();
    ASSERT_NE(d.FFocusWindow, nullptr);
    EXPECT_EQ(d.FFocusWindow->Owner(), &grid);
    TArrowWindow* arrows[] = {d.ArwU, d.ArwD, d.ArwL, d.ArwR};
    for (TArrowDirection dir : {arrUp, arrDown, arrLeft, arrRight}) {
        ASSERT_NE(arrows[dir], nullptr);
        EXPECT_EQ(arrows[dir]->Dir, dir);
        EXPECT_EQ(arrows[dir]->Owner(), &grid);
        EXPECT_EQ(arrows[dir]->Parent(), &grid);
        EXPECT_FALSE(arrows[dir]->Visible());
    }
}

using StringGridWiring = StringGridFixture;

TEST_F(StringGridWiring, SettingsObjectsRepaintTheGridAndHeadersReachTheirCells) {
    TInvalidationRecorder recorder;
    grid->Bands().SetActive(true);
    EXPECT_FALSE(recorder.Rects.empty());
    recorder.Rects.clear();
    grid->FixedFont().SetSize(12);
    EXPECT_FALSE(recorder.Rects.empty());
    recorder.Rects.clear();
    grid->SetProgressAppearance(grid->ProgressAppearance());
    EXPECT_FALSE(recorder.Rects.empty());

    grid->ColumnHeaders().Assign(QStringList{"A", "B"});
    EXPECT_EQ(grid->Cells(1, 0), "B");
    grid->RowHeaders().Assign(QStringList{"", "first"});
    EXPECT_EQ(grid->Cells(0, 1), "first");
}

TEST_F(StringGridWiring, LinkPropertiesRepaintWhenTheyChangeWhatIsShown) {
    TInvalidationRecorder recorder;
    auto repainted = [&](const std::function<void()>& write) {
        recorder.Rects.clear();
        write();
        return !recorder.Rects.empty();
    };
    EXPECT_FALSE(repainted([&] { grid->SetURLColor(clRed); })) << "links not shown";
    EXPECT_FALSE(repainted([&] { grid->SetURLFull(true); }));
    EXPECT_TRUE(repainted([&] { grid->SetURLShow(true); }));
    EXPECT_FALSE(repainted([&] { grid->SetURLShow(true); })) << "unchanged";
    EXPECT_TRUE(repainted([&] { grid->SetURLColor(clGreen); }));
    EXPECT_TRUE(repainted([&] { grid->SetURLFull(false); }));
    EXPECT_TRUE(repainted([&] { grid->SetURLShowInText(true); }));
    EXPECT_EQ(grid->URLColor(), clGreen);
}

TEST_F(StringGridWiring, RelaysHandTheirEventsTheParametersInTheEventsOrder) {
    std::vector<int> got;
    grid->OnCheckBoxClick = [&](TObject*, int ACol, int ARow, bool State) { got = {ACol, ARow, State}; };
    grid->DoCheckBoxClick(2, 5, true);
    EXPECT_EQ(got, (std::vector<int>{2, 5, 1}));
    grid->OnComboCloseUp = [&](TObject*, int ARow, int ACol) { got = {ARow, ACol}; };
    grid->DoComboCloseUp(7, 3);
    EXPECT_EQ(got, (std::vector<int>{7, 3}));
    grid->OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
        got = {ARow, ACol};
        CanEdit = false;
    };
    bool canEdit = true;
    grid->CanEditCell(4, 6, canEdit);
    EXPECT_EQ(got, (std::vector<int>{6, 4}));
    EXPECT_FALSE(canEdit);

    QString check;
    grid->GetCheckTrue(1, 1, check);
    EXPECT_EQ(check, "Y");
    grid->OnGetCheckTrue = [](TObject*, int, int, QString& Value) { Value = "yes"; };
    grid->GetCheckTrue(1, 1, check);
    EXPECT_EQ(check, "yes");
    EXPECT_FALSE(grid->HasNoEditor(1, 1));
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 3) AEditor = edNone;
    };
    EXPECT_TRUE(grid->HasNoEditor(3, 1));
    EXPECT_FALSE(grid->HasNoEditor(2, 1));
}

TEST_F(StringGridWiring, AGridWithRecordsMergesAndHiddenCellsIsFreedWhole) {
    ASSERT_TRUE(grid->HandleAllocated());
    grid->GetCellProperties(2, 2)->SetBrushColor(clYellow);
    grid->MergeCells(3, 3, 2, 2);
    grid->GetCellProperties(5, 8)->SetFontSize(14);
    grid->HideColumn(4);
    grid->HideRows(8, 9);
    TIntList list(0, 0);
    list.Insert(0, 1);
    grid->HideRowList(list);
    grid->SetObjectEx(1, 1, 5);
    // The fixture frees the form and the grid; the sanitizers report any leak.
}

}  // namespace
