#include "grid/stringgrid/model/string_grid_test_fixture.h"

namespace {

using CellTextFormatting = StringGridFixture;

TEST_F(CellTextFormatting, ANumberFormatPerCellChangesOnlyNumbers) {
    grid->SetCells(2, 2, QStringLiteral("3.14159"));
    grid->SetCells(3, 2, QStringLiteral("abc"));
    EXPECT_EQ(grid->GetFormattedCell(2, 2), "3.14159") << "FloatFormat alone changes nothing";
    QString format = QStringLiteral("%.1f");
    int asked = 0;
    grid->OnGetFloatFormat = [&](TObject*, int, int, bool&, QString& f) {
        ++asked;
        f = format;
    };
    EXPECT_EQ(grid->GetFormattedCell(2, 2), "3.1");
    EXPECT_EQ(grid->GetFormattedCell(3, 2), "abc");
    EXPECT_EQ(asked, 1) << "a text that is no number is not passed to the event";
    grid->SetCells(2, 3, QStringLiteral("42"));
    format = QStringLiteral("%5d");
    EXPECT_EQ(grid->GetFormattedCell(2, 3), "   42");
}

TEST_F(CellTextFormatting, ExportTextDropsMarkupWhenAskedAndHasTheLastWordInTheEvent) {
    grid->SetCells(2, 2, QStringLiteral("<b>x</b>"));
    EXPECT_EQ(grid->SaveCell(2, 2), "<b>x</b>");
    grid->SaveWithHTML = false;
    EXPECT_EQ(grid->SaveCell(2, 2), "x");
    grid->OnSaveCell = [](TObject*, int, int, QString& v) { v += "!"; };
    EXPECT_EQ(grid->SaveCell(2, 2), "x!");
}

TEST_F(CellTextFormatting, RichTextExportsAsItsPlainTextUnlessKeptAsRichText) {
    const QString rtf = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello\\par\r\nWorld}");
    grid->SetCells(2, 2, rtf);
    EXPECT_EQ(grid->SaveCell(2, 2), "Hello\nWorld");
    grid->SaveWithRTF = true;
    EXPECT_EQ(grid->SaveCell(2, 2), QString(rtf).remove('\r').remove('\n'));
}

TEST_F(CellTextFormatting, TurnedAndRichTextsAreMeasuredAsDrawn) {
    grid->SetCells(2, 2, QStringLiteral("Hello"));
    const TSize flat = grid->GetCellTextSize(2, 2, false, false);
    int angle = 0;
    EXPECT_FALSE(grid->IsRotated(2, 2, angle));
    grid->AddRotated(2, 2, 90, QStringLiteral("Hello"));
    ASSERT_TRUE(grid->IsRotated(2, 2, angle));
    EXPECT_EQ(angle, 90);
    const TSize turned = grid->GetCellTextSize(2, 2, false, false);
    EXPECT_EQ(turned.cx, flat.cy + 12);
    EXPECT_EQ(turned.cy, flat.cx + 12);
    grid->SetRotated(2, 2, 0);
    EXPECT_EQ(grid->GetCellTextSize(2, 2, false, false).cx, flat.cx + 12);
    grid->RemoveRotated(2, 2);
    EXPECT_FALSE(grid->IsRotated(2, 2, angle));
    EXPECT_EQ(grid->GetCellTextSize(2, 2, false, false).cx, flat.cx);

}

// Rich text is measured as the rich edit lays out its formatting, not as plain text in one font.
TEST_F(CellTextFormatting, RichTextIsMeasuredWithItsFormatting) {
    grid->WordWrap = false;
    grid->SetCells(2, 2, QStringLiteral("{\\rtf1 Hello}"));
    const TSize one = grid->GetCellTextSize(2, 2, false, false);
    grid->SetCells(2, 2, QStringLiteral("{\\rtf1 Hello\\par Hello}"));
    const TSize two = grid->GetCellTextSize(2, 2, false, false);
    EXPECT_GT(two.cy, one.cy) << "a line per paragraph";
    EXPECT_EQ(two.cx, one.cx);
    grid->SetCells(2, 2, QStringLiteral("{\\rtf1 \\fs72 Hello}"));  // 36 points
    const TSize large = grid->GetCellTextSize(2, 2, false, false);
    EXPECT_GT(large.cx, 2 * one.cx);
    EXPECT_GT(large.cy, 2 * one.cy);
    // Sizing the column makes room for the large text.
    grid->AutoSizeCol(2, 0);
    EXPECT_GE(grid->ColWidths(2), large.cx);
    // With word wrap the edit lays the text out in the cell's width and asks for the height.
    grid->WordWrap = true;
    grid->SetCells(2, 2, QStringLiteral("{\\rtf1 \\fs72 Hello Hello Hello}"));
    grid->SetColWidths(2, large.cx + 20);
    EXPECT_GT(grid->GetCellTextSize(2, 2, true, false).cy, 2 * large.cy - 8);
}

TEST_F(CellTextFormatting, AnEmptyCheckBoxCellExportsItsCheckText) {
    grid->SetCells(2, 2, QString());
    grid->AddCheckBox(2, 2, cbChecked);
    grid->SetCells(3, 2, QString());
    grid->AddCheckBox(3, 2, cbUnchecked);
    EXPECT_EQ(grid->SaveCell(2, 2), "Y");
    EXPECT_EQ(grid->SaveCell(3, 2), "N");
}

TEST_F(CellTextFormatting, LinesAndLengths) {
    grid->SetCells(4, 3, QStringLiteral("a\r\nbb\r\nccc"));
    EXPECT_EQ(grid->GetMaxLinesInRow(3), 1) << "without multi-line cells";
    grid->Multilinecells = true;
    EXPECT_EQ(grid->GetMaxLinesInRow(3), 3);
    grid->SetCells(4, 5, QStringLiteral("abcdef"));
    EXPECT_EQ(grid->GetMaxColTextLen(4), 6);
}

TEST_F(CellTextFormatting, TextSizeGrowsWithLinesAndWrapping) {
    grid->SetCells(2, 2, QStringLiteral("one"));
    const TSize one = grid->GetCellTextSize(2, 2, false, false);
    grid->Multilinecells = true;
    grid->SetCells(2, 2, QStringLiteral("one\r\none"));
    const TSize two = grid->GetCellTextSize(2, 2, false, false);
    EXPECT_EQ(two.cx, one.cx);
    EXPECT_EQ(two.cy, 2 * one.cy);
    grid->SetCells(2, 2, QStringLiteral("<B>one</B>"));
    EXPECT_GT(grid->GetCellTextSize(2, 2, false, false).cx, 2);
    grid->SetCells(2, 2, QStringLiteral("one two three four five six seven"));
    const TSize wrapped = grid->GetCellTextSize(2, 2, true, false);
    EXPECT_EQ(wrapped.cx, grid->ColWidths(2) - 8);
    EXPECT_GT(wrapped.cy, one.cy);
}

}  // namespace
