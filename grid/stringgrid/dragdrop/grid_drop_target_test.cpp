#include "grid/stringgrid/dragdrop/drag_drop_fixture.h"

#include "grid/stringgrid/dragdrop/grid_drop_target.h"
#include "platform/controls/list_box.h"
#include "platform/controls/qt_backend.h"
#include "platform/core/stream.h"
#include "platform/messages/message_ids.h"
#include "platform/office/office_servers.h"
#include "platform/office/spreadsheet_server.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>

#include <QMimeData>
#include <QUrl>

namespace {

using GridDropTarget = DragDropFixture;

struct TextDropCase {
    const char* name;
    bool insertRows, entireRows, appendRows;
    // Where the text goes: a cell, or below the last row (ARow -1).
    int col, row;
    QString expectedRows;  // rows 1.. of columns 1..2, cells by ",", rows by "|"
    int rowCount;
    QString selection;
    uint32_t effect = DROPEFFECT_MOVE;
};

class TextDrops : public DragDropFixture, public ::testing::WithParamInterface<TextDropCase> {};

TEST_P(TextDrops, WriteTheTextWhereTheSettingsSay) {
    const TextDropCase& c = GetParam();
    for (int r = 1; r < 8; ++r) target->SetCells(1, r, QString("r%1").arg(r));
    TDragDropSettings& s = target->DragDropSettings();
    s.OleInsertRows = c.insertRows;
    s.OleEntireRows = c.entireRows;
    s.OleAppendRows = c.appendRows;
    TMemoryDataObject data;
    data.Add(CF_UNICODETEXT, UnicodeTextBlock("x\ty\r\nz\tw"));
    const TPoint at = c.row >= 0 ? middle(*target, c.col, c.row) : TPoint{100, 250};
    EXPECT_EQ(dropOn(*target, data, at), c.effect);
    EXPECT_EQ(target->RowCount(), c.rowCount);
    EXPECT_EQ(block(*target, 1, 1, 2, target->RowCount() - 1), c.expectedRows);
    EXPECT_EQ(rect(target->Selection()), c.selection);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, TextDrops,
    ::testing::Values(
        TextDropCase{"OverwritesAtTheCell", false, false, false, 1, 5, "r1,|r2,|r3,|r4,|x,y|z,w|r7,", 8, "1,5-2,6"},
        TextDropCase{"OleInsertRowsPutsNewRowsIn", true, false, false, 1, 5,
                     "r1,|r2,|r3,|r4,|x,y|z,w|r5,|r6,|r7,", 10, "1,5-2,6"},
        TextDropCase{"OleAppendRowsAddsBelowTheLast", true, true, true, -1, -1,
                     "r1,|r2,|r3,|r4,|r5,|r6,|r7,|x,y|z,w", 10, "1,8-2,9"},
        TextDropCase{"BelowTheLastRowWithoutAppendTakesNothing", true, true, false, -1, -1,
                     "r1,|r2,|r3,|r4,|r5,|r6,|r7,", 8, "1,1-1,1", DROPEFFECT_NONE}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridDropTarget, BesideTheRowsOfAGridWhoseLastRowIsOutOfViewNothingIsAppended) {
    TDragDropSettings& s = target->DragDropSettings();
    s.OleInsertRows = s.OleEntireRows = s.OleAppendRows = true;
    target->SetRowCount(40);
    // Right of the last column, level with the visible rows.
    TMemoryDataObject data;
    data.Add(CF_UNICODETEXT, UnicodeTextBlock("a"));
    EXPECT_EQ(dropOn(*target, data, {350, 100}), DROPEFFECT_NONE);
    EXPECT_EQ(target->RowCount(), 40);
}

TEST_F(GridDropTarget, AFixedRowTakesNoDropButTheOnlyRowOfAGridWithFixedRowAlwaysDoes) {
    EXPECT_EQ(dropText("a", 2, 0), DROPEFFECT_NONE);
    EXPECT_EQ(target->Cells(2, 0), "");
    EXPECT_FALSE(target->Private().ArwL->Visible());

    target->SetRowCount(1);
    target->FixedRowAlways = true;
    EXPECT_EQ(dropText("a", 2, 0), DROPEFFECT_MOVE);
    EXPECT_EQ(target->Cells(2, 1), "a");
}

TEST_F(GridDropTarget, TheRowMarkShowsWhereTextWouldGoAndGoesWhenTheDragLeaves) {
    auto& d = target->Private();
    TMemoryDataObject data;
    data.Add(CF_UNICODETEXT, UnicodeTextBlock("a"));
    IDropTarget* t = RegisteredDropTarget(*target);
    ASSERT_NE(t, nullptr);
    uint32_t effect = DROPEFFECT_MOVE;
    const TPoint at = target->ClientToScreen(middle(*target, 2, 3));
    t->DragEnter(data, MK_LBUTTON, at, effect);
    t->DragOver(MK_LBUTTON, at, effect);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_TRUE(d.ArwL->Visible());
    const TPoint rowTop = target->ClientToScreen({target->CellRect(2, 3).Left, target->CellRect(2, 3).Top});
    EXPECT_EQ(d.ArwL->Left(), rowTop.X - 10);
    t->DragLeave();
    EXPECT_FALSE(d.ArwL->Visible());

    // The handler may refuse the place.
    target->OnOleDragOver = [](TObject*, int ARow, int, bool& Allow) { Allow = ARow != 3; };
    t->DragEnter(data, MK_LBUTTON, at, effect);
    effect = DROPEFFECT_MOVE;
    t->DragOver(MK_LBUTTON, at, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_FALSE(d.ArwL->Visible());
}

TEST_F(GridDropTarget, HoveringOverTheHeaderOfAScrolledGridScrollsUpARowPerMove) {
    target->SetRowCount(40);
    target->SetTopRow(10);
    TMemoryDataObject data;
    data.Add(CF_UNICODETEXT, UnicodeTextBlock("a"));
    IDropTarget* t = RegisteredDropTarget(*target);
    uint32_t effect = DROPEFFECT_MOVE;
    const TPoint header = target->ClientToScreen(middle(*target, 2, 0));
    t->DragEnter(data, MK_LBUTTON, header, effect);
    t->DragOver(MK_LBUTTON, header, effect);
    EXPECT_EQ(target->TopRow(), 9);
    t->DragOver(MK_LBUTTON, header, effect);
    EXPECT_EQ(target->TopRow(), 8);
    t->DragLeave();
}

TEST_F(GridDropTarget, OnOleDropMayRefuseTextAndOnOleDroppedReportsTheWrittenCells) {
    QString dropped;
    target->OnOleDropped = [&](TObject*, TGridRect R) { dropped = rect(R); };
    target->OnOleDrop = [](TObject*, int, int, QString data, bool& Allow) { Allow = data != "no"; };
    dropText("no", 1, 2);
    EXPECT_EQ(target->Cells(1, 2), "");
    dropText("a\tb\tc", 1, 2);
    EXPECT_EQ(block(*target, 1, 2, 3, 2), "a,b,c");
    EXPECT_EQ(dropped, "1,2-3,2");
}

TEST_F(GridDropTarget, CellsOfTheGridsOwnFormatAreTakenEvenWithEveryAcceptOptionOff) {
    TDragDropSettings& s = target->DragDropSettings();
    s.OleAcceptText = s.OleAcceptFiles = s.OleAcceptURLs = false;
    s.SetOleDropTarget(true);
    TMemoryStream cells;
    source->SaveRectToBinStream({1, 1, 2, 2}, cells);
    TSourceDataObject data("1:1\t2:1", "", -1, &cells);
    EXPECT_EQ(dropOn(*target, data, middle(*target, 2, 4)), DROPEFFECT_MOVE);
    EXPECT_EQ(block(*target, 2, 4, 3, 5), "1:1,2:1|1:2,2:2");

    TMemoryDataObject text;
    text.Add(CF_UNICODETEXT, UnicodeTextBlock("t"));
    EXPECT_EQ(dropOn(*target, text, middle(*target, 1, 1)), DROPEFFECT_NONE);
}

TEST_F(GridDropTarget, RichTextAndURLsGoIntoTheCellUnderThePointer) {
    target->DragDropSettings().SetOleDropRTF(true);
    EXPECT_TRUE(RTFDropEnabled());
    RegisterDragFormats();
    TMemoryDataObject rich;
    rich.Add(CF_UNICODETEXT, UnicodeTextBlock("plain"));
    rich.Add(DragFormats().fRTF, AnsiTextBlock("{\\rtf1 bold}"));
    dropOn(*target, rich, middle(*target, 1, 1));
    EXPECT_EQ(target->Cells(1, 1), "{\\rtf1 bold}");

    TMemoryDataObject link;
    link.Add(CF_UNICODETEXT, UnicodeTextBlock("http://127.0.0.1/a"));
    link.Add(DragFormats().fURL, AnsiTextBlock("http://127.0.0.1/a"));
    QStringList refused;
    target->OnOleDropURL = [&](TObject*, int ARow, int, QString URL, bool& Allow) {
        Allow = ARow != 3;
        if (!Allow) refused << URL;
    };
    dropOn(*target, link, middle(*target, 2, 2));
    EXPECT_EQ(target->Cells(2, 2), "http://127.0.0.1/a");
    target->SetCells(2, 3, "keep");
    target->OnOleDrop = [](TObject*, int, int, QString, bool& Allow) { Allow = false; };
    dropOn(*target, link, middle(*target, 2, 3));
    EXPECT_EQ(target->Cells(2, 3), "keep");
    EXPECT_EQ(refused, QStringList{"http://127.0.0.1/a"});
}

TEST_F(GridDropTarget, OneCSVFileIsLoadedOtherFilesAndSeveralFilesAreNot) {
    TempFolder folder;
    const QString csv = folder.write("data.csv", "a,b\r\nc,d\r\n");
    const QString upper = folder.write("MORE.CSV.TXT", "e,f\r\n");
    const QString other = folder.write("notes.txt", "x,y\r\n");
    struct {
        QStringList files;
        QString firstRow;
        uint32_t effect;
    } cases[] = {{{csv, other}, ",", DROPEFFECT_MOVE},
                 {{other}, ",", DROPEFFECT_MOVE},
                 {{csv}, "a,b", DROPEFFECT_MOVE},
                 {{upper}, "e,f", DROPEFFECT_MOVE},
                 // A file that cannot be read leaves the grid as it was and takes nothing.
                 {{folder.file("gone.csv")}, ",", DROPEFFECT_NONE}};
    for (const auto& c : cases) {
        target->Clear();
        TMemoryDataObject data;
        data.Add(CF_HDROP, DropFilesBlock(c.files));
        EXPECT_EQ(dropOn(*target, data, middle(*target, 1, 1)), c.effect);
        EXPECT_EQ(block(*target, 0, 0, 1, 0), c.firstRow) << c.files.join(' ').toStdString();
    }
    // The handlers may refuse: by the file, or by the loading.
    target->Clear();
    QStringList asked;
    target->OnOleDropFile = [&](TObject*, int, int, QString, bool& Allow) { Allow = false; };
    TMemoryDataObject data;
    data.Add(CF_HDROP, DropFilesBlock({csv}));
    dropOn(*target, data, middle(*target, 1, 1));
    target->OnOleDropFile = nullptr;
    target->OnOleDrop = [&](TObject*, int ARow, int ACol, QString name, bool& Allow) {
        asked << QString("%1,%2").arg(ACol).arg(ARow);
        Allow = false;
    };
    dropOn(*target, data, middle(*target, 1, 1));
    EXPECT_EQ(block(*target, 0, 0, 1, 0), ",");
    EXPECT_EQ(asked, QStringList{"-1,-1"});
}

TEST_F(GridDropTarget, ASpreadsheetFileIsLoadedFromItsActiveSheet) {
    TAutomationServers servers;
    TOfficeServersOverride scope{servers};
    servers.Register(QStringLiteral("excel.application"), CreateSpreadsheetApplication);
    TempFolder folder;
    const QString book = folder.file("dropped.xlsx");
    ASSERT_TRUE(QFile::copy(QStringLiteral(LW_TESTDATA "/measures.xlsx"), book));
    TMemoryDataObject data;
    data.Add(CF_HDROP, DropFilesBlock({book}));
    EXPECT_EQ(dropOn(*target, data, middle(*target, 1, 1)), DROPEFFECT_MOVE);
    EXPECT_EQ(block(*target, 0, 0, 2, 1), "Name,Value,Ratio|alpha,12,");
}

TEST_F(GridDropTarget, AColumnDroppedOnItsOwnHeaderMovesThereWithOleColumnReorder) {
    std::vector<QString> reported;
    target->OnOleDropCol = [&](TObject*, int, int ACol, int DropCol) {
        reported.push_back(QString("%1>%2").arg(ACol).arg(DropCol));
    };
    for (int c = 0; c < 5; ++c) target->SetCells(c, 0, QString("h%1").arg(c));
    TSourceDataObject column("", "", 1, nullptr);
    dropOn(*target, column, middle(*target, 3, 0));
    EXPECT_EQ(block(*target, 0, 0, 4, 0), "h0,h1,h2,h3,h4");
    target->DragDropSettings().OleColumnReorder = true;
    dropOn(*target, column, middle(*target, 3, 0));
    EXPECT_EQ(block(*target, 0, 0, 4, 0), "h0,h2,h3,h1,h4");
    EXPECT_EQ(reported, (std::vector<QString>{"1>3", "1>3"}));
}

TEST_F(GridDropTarget, AColumnFromAColumnListShowsAtTheDropAndLeavesTheList) {
    for (int c = 0; c < 5; ++c) target->SetCells(c, 0, QString("h%1").arg(c));
    target->HideColumn(3);
    auto* list = new TListBox(form);
    list->SetParent(form);
    list->SetItems({"h3", "other"});
    target->OleColumnDragStart(3, 0, list);
    TSourceDataObject column("", "", 3, nullptr);
    dropOn(*target, column, middle(*target, 1, 0));
    EXPECT_EQ(block(*target, 0, 0, 4, 0), "h0,h3,h1,h2,h4");
    EXPECT_EQ(list->Items(), QStringList{"other"});
    EXPECT_EQ(target->Private().FOleDragCol, -1);
}

TEST_F(GridDropTarget, SwitchingTheTargetOnRegistersANewOneAndOffRevokesIt) {
    TDragDropSettings& s = target->DragDropSettings();
    IDropTarget* first = RegisteredDropTarget(*target);
    ASSERT_NE(first, nullptr);
    s.OleAcceptText = false;
    s.SetOleDropTarget(true);
    IDropTarget* second = RegisteredDropTarget(*target);
    EXPECT_NE(second, nullptr);
    EXPECT_FALSE(static_cast<TGridDropTarget*>(second)->AcceptText);
    s.SetOleDropTarget(false);
    EXPECT_EQ(RegisteredDropTarget(*target), nullptr);
    EXPECT_FALSE(target->Private().FOleDropTargetAssigned);

    // Assign copies every value and has none of the setters' effects.
    TDragDropSettings copy(nullptr);
    copy.SetOleDropTarget(true);
    copy.SetOleDropRTF(true);
    copy.OleAppendRows = copy.OleColumnDragDrop = copy.OleColumnReorder = copy.OleColumnsOnly = true;
    copy.OleCopyAlways = copy.OleDropSource = copy.OleEntireRows = copy.OleInsertRows = copy.OleRemoveRows = true;
    copy.ShowCells = copy.OleAcceptFiles = copy.OleAcceptURLs = false;
    EnableRTFDrop(false);
    s.Assign(copy);
    EXPECT_TRUE(s.OleDropTarget() && s.OleDropRTF() && s.OleAppendRows && s.OleColumnDragDrop && s.OleColumnReorder &&
                s.OleColumnsOnly && s.OleCopyAlways && s.OleDropSource && s.OleEntireRows && s.OleInsertRows &&
                s.OleRemoveRows);
    EXPECT_FALSE(s.ShowCells || s.OleAcceptFiles || s.OleAcceptURLs);
    EXPECT_TRUE(s.OleAcceptText);
    EXPECT_EQ(RegisteredDropTarget(*target), nullptr);
    EXPECT_FALSE(RTFDropEnabled());
}

TEST_F(GridDropTarget, AGridThatGoesTakesItsRegistrationWithIt) {
    TWinControl* window = target;
    delete target;
    target = nullptr;
    EXPECT_EQ(RegisteredDropTarget(*window), nullptr);
}

// Another program's drop through the toolkit's own events, on the grid's real widget.
TEST(GridDropThroughTheToolkit, TextAndAFileFromAnotherProgramArriveInTheGridsWidget) {
    QtBackend backend;
    SetWindowBackend(&backend);
    {
        TempFolder folder;
        const QString csv = folder.write("dropped.csv", "p,q\r\n");
        TForm form(nullptr);
        form.SetBounds(0, 0, 500, 300);
        auto* grid = new TTestStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 200);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
        grid->SetOptions(grid->Options() | goEditing);
        form.HandleNeeded();
        grid->DragDropSettings().SetOleDropTarget(true);
        EXPECT_TRUE(nativeAcceptsDrops(*grid));

        const TRect cell = grid->CellRect(2, 3);
        QMimeData text;
        text.setText("one\ttwo");
        EXPECT_EQ(dropThroughToolkit(*grid, text, {cell.Left + 5, cell.Top + 5}), Qt::MoveAction);
        EXPECT_EQ(grid->Cells(2, 3), "one");
        EXPECT_EQ(grid->Cells(3, 3), "two");

        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(csv)});
        EXPECT_NE(dropThroughToolkit(*grid, file, {cell.Left + 5, cell.Top + 5}), Qt::IgnoreAction);
        EXPECT_EQ(grid->Cells(0, 0), "p");
        EXPECT_EQ(grid->Cells(1, 0), "q");
    }
    SetWindowBackend(nullptr);
}

}  // namespace
