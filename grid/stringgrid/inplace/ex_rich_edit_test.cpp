#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/ex_rich_edit.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/rtf_codec.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString BoldCell = QStringLiteral(R"({\rtf1{\fonttbl{\f0 Tahoma;}}\f0\fs16 plain {\b bold}})");

// Column 1 holds rich text: cell (1, 1) "plain bold" with "bold" in bold.
class RichTextEditor : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        for (int r = 1; r < 8; ++r) editorOf[{1, r}] = edRichEdit;
        grid->SetCells(1, 1, BoldCell);
        grid->OnEditChange = [this](TObject*, int ACol, int ARow, QString Value) { note("EditChange", ACol, ARow); };
        grid->OnRichEditSelectionChange = [this](TObject*) { ++selectionChanges; };
    }
    TExRichEdit& rich() const { return *grid->InplaceRichEdit(); }
    // The plain text of a cell's rich text, and whether its character at Index is bold.
    static QString plainOf(const QString& Rtf) { return TRichEdit::RTFToPlainText(Rtf); }
    static bool boldAt(const QString& Rtf, int Index) {
        QTextDocument doc;
        ReadRTF(Rtf, doc);
        QTextCursor c(&doc);
        c.setPosition(Index + 1);
        return c.charFormat().fontWeight() >= QFont::Bold;
    }
    int selectionChanges = 0;
};

TEST_F(RichTextEditor, OpensByKeyOrMouseAndCommitsOrCancels) {
    enum Open { byF2, byClick, byTyping };
    enum End { byTab, byDown, byClickElsewhere, byEscape };
    struct Case {
        Open open;
        End end;
        QString plain;  // the cell's text afterwards
    };
    const Case cases[] = {
        {byF2, byTab, "plain boldx"},
        {byClick, byDown, "plain boldx"},
        {byTyping, byClickElsewhere, "plain boldqx"},
        {byF2, byEscape, "plain bold"},
    };
    for (const Case& c : cases) {
        grid->SetOptions(grid->Options() | goTabs);
        grid->WordWrap = false;
        grid->SetCol(1);
        grid->SetRow(1);
        switch (c.open) {
        case byF2: keyPress(*grid, VK_F2); break;
        case byClick: clickCell(1, 1); break;
        case byTyping: typeChar(*grid, 'q'); break;
        }
        processPosted();
        ASSERT_EQ(grid->EditCtrl(), &rich()) << c.open;
        EXPECT_TRUE(rich().Visible() && rich().Focused()) << c.open;
        EXPECT_TRUE(rich().Text().startsWith("plain bold")) << c.open;
        EXPECT_TRUE(rich().BoundsRect().Left >= grid->CellRect(1, 1).Left) << c.open;
        rich().SetSelStart(int(rich().Text().size()));
        log.clear();
        typeChar(rich(), 'x');
        EXPECT_EQ(grid->Cells(1, 1), BoldCell) << "the cell waits for the commit";
        EXPECT_EQ(log, QStringList{"EditChange 1,1"});
        switch (c.end) {
        case byTab: keyPress(rich(), VK_TAB); break;
        case byDown: keyPress(rich(), VK_DOWN); break;
        case byClickElsewhere: clickCell(3, 3); break;
        case byEscape: keyPress(rich(), VK_ESCAPE); break;
        }
        processPosted();
        EXPECT_FALSE(rich().Visible()) << c.end;
        EXPECT_EQ(plainOf(grid->Cells(1, 1)), c.plain) << c.end;
        if (c.end == byEscape) {
            EXPECT_EQ(grid->Cells(1, 1), BoldCell) << "cancelled: the cell as it was";
        } else {
            EXPECT_TRUE(boldAt(grid->Cells(1, 1), int(c.plain.size()) - 1)) << "typed text takes the bold of its place";
        }
        EXPECT_FALSE(boldAt(grid->Cells(1, 1), 0)) << c.end;
        EXPECT_TRUE(log.contains("EditingDone " + grid->Cells(1, 1))) << c.end;
        EXPECT_TRUE(log.contains("EditCellDone 1,1")) << c.end;
        if (c.end == byTab) {
            EXPECT_EQ(grid->Col(), 2);
        }
        if (c.end == byDown) {
            EXPECT_EQ(grid->Row(), 2);
        }
        TearDown();
        SetUp();
    }
}

TEST_F(RichTextEditor, ReportsSelectionChangesAndMovesTheOffsetOfTheSelection) {
    grid->SetCol(1);
    keyPress(*grid, VK_F2);
    processPosted();
    EXPECT_GT(selectionChanges, 0);
    struct Case {
        void (TExRichEdit::*set)();
        bool normal, sub, super;
    };
    const Case cases[] = {
        {&TExRichEdit::SelSuperscript, false, false, true},
        {&TExRichEdit::SelSubscript, false, true, false},
        {&TExRichEdit::SelNormal, true, false, false},
    };
    rich().SetSelStart(6);
    rich().SetSelLength(4);
    for (const Case& c : cases) {
        (rich().*c.set)();
        EXPECT_EQ(rich().IsSelNormal(), c.normal);
        EXPECT_EQ(rich().IsSelSubscript(), c.sub);
        EXPECT_EQ(rich().IsSelSuperscript(), c.super);
    }
    rich().SelSuperscript();
    rich().SetSelStart(0);
    EXPECT_TRUE(rich().IsSelNormal()) << "the plain text before is not raised";
    clickCell(3, 3);
    EXPECT_TRUE(grid->Cells(1, 1).contains(R"(\up4 bold)")) << "a changed format alone is written back";
}

TEST_F(RichTextEditor, TypingASecondLineGrowsTheRowButLoadingDoesNot) {
    grid->SizeWhileTyping().Height = true;
    QStringList sized;
    grid->OnEndRowSize = [&](TObject*, int ARow) { sized << QString::number(ARow); };
    grid->SetCells(1, 2, R"({\rtf1 one\par two\par three})");
    const int lowRow = grid->RowHeights(2);
    grid->SetCol(1);
    grid->SetRow(2);
    keyPress(*grid, VK_F2);
    processPosted();
    EXPECT_EQ(sized, QStringList()) << "loading the cell sizes no row";
    EXPECT_EQ(grid->RowHeights(2), lowRow);

    rich().SetSelStart(int(rich().Text().size()));
    typeChar(rich(), '\r');
    typeChar(rich(), 'f');
    const int need = rich().ContentSize(rich().Width() - 4).cy;
    ASSERT_FALSE(sized.isEmpty());
    EXPECT_EQ(sized.filter("2"), sized);
    EXPECT_EQ(grid->RowHeights(2), need + 10);
    EXPECT_EQ(rich().Height(), need + 9);

    // A row that would not fit into the grid any more stays as it is.
    sized.clear();
    grid->SetHeight(grid->CellRect(1, 2).Top + need + 12);
    typeChar(rich(), '\r');
    typeChar(rich(), 'g');
    EXPECT_EQ(sized, QStringList());
}

TEST_F(RichTextEditor, TheHiddenLayoutEditReportsTheSizeItsTextNeeds) {
    auto* layout = dynamic_cast<TExRichEdit*>(grid->RichEdit());
    ASSERT_NE(layout, nullptr);
    layout->LoadRTF("{\\rtf1 a}");
    const TSize one{layout->ReqWidth(), layout->ReqHeight()};
    layout->LoadRTF("{\\rtf1 a much longer line\\par and a second}");
    EXPECT_GT(layout->ReqWidth(), one.cx);
    EXPECT_GT(layout->ReqHeight(), one.cy);
}

TEST_F(RichTextEditor, TheEditIsCommittedBeforeTheGridScrollsSortsOrGoes) {
    enum Event { scrolled, sorted, destroyed };
    for (Event e : {scrolled, sorted, destroyed}) {
        grid->SetRowCount(60);
        for (int r = 1; r < 8; ++r) grid->SetCells(1, r, QString("v%1").arg(8 - r));
        grid->SetCol(1);
        grid->SetRow(2);
        keyPress(*grid, VK_F2);
        processPosted();
        rich().SetSelStart(int(rich().Text().size()));
        typeChar(rich(), '!');
        QString written;
        grid->OnEditingDone = [&](TObject*) { written = grid->Cells(1, 2); };
        switch (e) {
        case scrolled:
            grid->SetTopRow(30);
            EXPECT_EQ(plainOf(grid->Cells(1, 2)), "v6!");
            break;
        case sorted:
        {
            grid->Sort(1, sdAscending);
            processPosted();
            QStringList column;
            for (int r = 1; r < grid->RowCount(); ++r) column << plainOf(grid->Cells(1, r));
            EXPECT_TRUE(column.contains("v6!")) << column.join(',').toStdString();
            EXPECT_FALSE(column.contains("v6"));
            break;
        }
        case destroyed:
            delete grid;
            grid = nullptr;
            break;
        }
        EXPECT_EQ(plainOf(written), "v6!") << e;
        if (grid) {
            EXPECT_FALSE(grid->EditMode()) << e;
        }
        TearDown();
        SetUp();
    }
}

}  // namespace
