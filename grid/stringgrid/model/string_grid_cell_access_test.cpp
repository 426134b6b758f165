#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/image.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/panel.h"
#include "platform/testkit/testkit.h"

#include <memory>

namespace {

using CellLooks = StringGridFixture;

TEST_F(CellLooks, UntouchedCellsReadUnsetWithoutARecord) {
    EXPECT_EQ(grid->Colors(3, 3), clNone);
    EXPECT_EQ(grid->ColorsTo(3, 3), clNone);
    EXPECT_EQ(grid->FontColors(3, 3), clNone);
    EXPECT_EQ(grid->FontStyles(3, 3), 0);
    EXPECT_EQ(grid->FontSizes(3, 3), 0);
    EXPECT_EQ(grid->FontNames(3, 3), "");
    EXPECT_EQ(grid->Alignments(3, 3), taLeftJustify);
    EXPECT_EQ(grid->Gradients(3, 3), GradientVertical);
    EXPECT_FALSE(grid->ReadOnly(3, 3));
    EXPECT_EQ(&grid->Fonts(3, 3), &grid->Font());
    EXPECT_FALSE(grid->HasCellProperties(3, 3));
    EXPECT_TRUE(grid->WordWraps(3, 3));
    EXPECT_TRUE(grid->HasCellProperties(3, 3));
}

TEST_F(CellLooks, WritesReachTheRecordAndFontsLoadTheScratchFont) {
    grid->SetColors(2, 2, clRed);
    grid->SetColorsTo(2, 2, clBlue);
    grid->SetAlignments(2, 2, taCenter);
    grid->SetReadOnly(2, 2, true);
    grid->SetGradients(2, 2, GradientHorizontal);
    TFont font;
    font.SetName("Verdana");
    font.SetSize(14);
    font.SetStyle(fsItalic);
    font.SetColor(clGreen);
    grid->SetFonts(2, 2, font);
    EXPECT_EQ(grid->Colors(2, 2), clRed);
    EXPECT_EQ(grid->ColorsTo(2, 2), clBlue);
    EXPECT_EQ(grid->Alignments(2, 2), taCenter);
    EXPECT_TRUE(grid->ReadOnly(2, 2));
    EXPECT_EQ(grid->Gradients(2, 2), GradientHorizontal);
    EXPECT_EQ(grid->FontNames(2, 2), "Verdana");
    EXPECT_EQ(grid->FontSizes(2, 2), 14);
    TFont& cellFont = grid->Fonts(2, 2);
    EXPECT_EQ(&cellFont, &grid->ScratchFont());
    EXPECT_EQ(cellFont.Name(), "Verdana");
    EXPECT_EQ(cellFont.Style(), fsItalic);
    EXPECT_EQ(cellFont.Color(), clGreen);
}

TEST_F(CellLooks, RowColoursClearedWithClNoneKeepWhatRecordsHoldBesideLooks) {
    grid->SetRowColor(5, clYellow);
    EXPECT_EQ(grid->Colors(0, 5), clNone);  // fixed columns keep theirs
    EXPECT_EQ(grid->Colors(9, 5), clYellow);
    grid->SetRowFontColor(5, clRed);
    EXPECT_EQ(grid->FontColors(4, 5), clRed);

    // An empty decoration goes with its record; a check box, an object or a merge stays.
    grid->CreateCellGraphic(2, 5);
    grid->CreateCellGraphic(3, 5)->SetCheckBox(true, false, false, haLeft, vaTop);
    grid->SetObjectEx(4, 5, 44);
    grid->MergeCells(6, 5, 2, 1);
    grid->SetRowColor(5, clNone);
    EXPECT_FALSE(grid->HasCellProperties(2, 5));
    EXPECT_EQ(grid->Colors(3, 5), clNone);
    EXPECT_EQ(grid->CellTypes(3, 5), ctCheckBox);
    EXPECT_EQ(grid->Colors(1, 5), clNone);
    EXPECT_TRUE(grid->HasCellProperties(1, 5));  // no decoration: only the colour goes
    EXPECT_EQ(grid->GetObjectEx(4, 5), 44u);
    EXPECT_TRUE(grid->IsMergedCell(6, 5));

    // Font colours: cells with a background keep theirs; a bare record goes.
    grid->SetColors(8, 5, clAqua);
    grid->SetRowFontColor(5, clNone);
    EXPECT_FALSE(grid->HasCellProperties(1, 5));
    EXPECT_EQ(grid->FontColors(8, 5), clRed);
    EXPECT_EQ(grid->FontColors(3, 5), clNone);
    EXPECT_EQ(grid->CellTypes(3, 5), ctCheckBox);
    EXPECT_EQ(grid->GetObjectEx(4, 5), 44u);
}

TEST_F(CellLooks, AControlReplacedBelowAHiddenRowHasOneEntry) {
    grid->HideRow(2);
    auto* first = new TPanel(form);
    auto* second = new TPanel(form);
    grid->SetCellControls(3, 5, first);
    EXPECT_EQ(grid->CellControls(3, 5), first);
    EXPECT_EQ(first->Parent(), grid);
    grid->SetCellControls(3, 5, second);
    EXPECT_EQ(grid->NumCellControls(), 1);
    EXPECT_EQ(grid->Private().FControlList->Count(), 1);
    EXPECT_EQ(grid->Private().FControlList->GetControl(0)->Y(), 6);  // the real row
    EXPECT_EQ(grid->Private().FControlList->GetControl(0)->Control(), second);
    const TRect cell = grid->CellRect(3, 5);
    EXPECT_EQ(second->Left(), cell.Left - 1);
    EXPECT_EQ(second->Width(), cell.Width() + 1);
    // The control follows its cell when a column or row before it is sized.
    grid->SetColWidths(1, grid->ColWidths(1) + 30);
    EXPECT_EQ(second->Left(), cell.Left - 1 + 30);
    grid->SetRowHeights(1, grid->RowHeights(1) + 10);
    EXPECT_EQ(second->Top(), cell.Top - 1 + 10);
    // Behind a hidden column the control stands on the cell as shown.
    grid->HideColumn(1);
    grid->SetColWidths(0, grid->ColWidths(0) + 1);
    EXPECT_EQ(second->Left(), grid->CellRect(2, 5).Left - 1);
    grid->SetCellControls(3, 5, nullptr);
    grid->SetCellControls(3, 5, nullptr);
    EXPECT_EQ(grid->NumCellControls(), 0);
    EXPECT_EQ(grid->Private().FControlList->Count(), 0);
}

TEST_F(CellLooks, TextViews) {
    grid->SetCells(2, 2, "a<br>b<b>c</b>");
    EXPECT_EQ(grid->StrippedCells(2, 2), "a\r\nbc");
    grid->SetCells(2, 2, "1\r\n2\r\n3");
    EXPECT_EQ(grid->LinesInCell(2, 2), 3);
    EXPECT_EQ(grid->LinesInCell(2, 3), 1);
    grid->SetWideCells(2, 3, QString::fromUtf8("Ω"));
    EXPECT_EQ(grid->WideCells(2, 3), QString::fromUtf8("Ω"));
}

using Selections = StringGridFixture;

TEST_F(Selections, TheRectangleListsItsCellsColumnByColumn) {
    grid->SetSelection({1, 1, 2, 3});
    EXPECT_EQ(grid->SelectedCellsCount(), 6);
    EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{1, 1}));
    EXPECT_EQ(grid->SelectedCell(1), (TGridCoord{1, 2}));
    EXPECT_EQ(grid->SelectedCell(3), (TGridCoord{2, 1}));
    EXPECT_TRUE(grid->SelectedCells(2, 3));
    EXPECT_FALSE(grid->SelectedCells(3, 3));
    grid->SetSelection({4, 4, 4, 4});
    EXPECT_EQ(grid->SelectedCellsCount(), 1);

    grid->MouseActions().SetDisjunctCellSelect(true);
    grid->SetSelectedCells(7, 9, true);
    grid->SetSelectedCells(2, 2, true);
    grid->SetSelectedCells(2, 2, true);
    EXPECT_EQ(grid->SelectedCellsCount(), 3);  // the cell listed before stays listed
    EXPECT_TRUE(grid->SelectedCells(7, 9));
    grid->SetSelectedCells(7, 9, false);
    EXPECT_FALSE(grid->SelectedCells(7, 9));
    grid->ClearSelectedCells();
    EXPECT_EQ(grid->SelectedCellsCount(), 0);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(Selections, RowAndColumnCountsTakeMergedCellsIn) {
    grid->SetSelection({2, 1, 4, 1});
    EXPECT_EQ(grid->SelectedColCount(), 3);
    grid->MergeCells(4, 1, 3, 1);
    EXPECT_EQ(grid->SelectedColCount(), 5);
    grid->SetSelection({1, 3, 1, 7});
    EXPECT_EQ(grid->SelectedRowCount(), 5);
    EXPECT_EQ(grid->SelectedRow(0), 3);
    EXPECT_EQ(grid->SelectedRow(4), 7);
    EXPECT_EQ(grid->SelectedRow(5), -1);
    grid->SetFixedFooters(6);  // the footers are never counted
    EXPECT_EQ(grid->SelectedRowCount(), 3);
    grid->SetFixedFooters(0);
    grid->MergeCells(1, 3, 1, 8);  // rows 3 .. 10 as one
    EXPECT_EQ(grid->SelectedRowCount(), 8);
}

}  // namespace

namespace {

TEST_F(StringGridFixture, ASelectionBecomesAPictureOnAPopupThatTakesNoActivation) {
    grid->SetColWidths(2, 70);
    grid->SetRowHeights(3, 30);
    std::unique_ptr<TForm> form(grid->SelectionToForm(TGridRect{1, 2, 2, 3}));
    const TRect first = grid->CalcCellRect(1, 2), last = grid->CalcCellRect(2, 3);
    EXPECT_EQ(form->Width(), last.Right - first.Left + 1);
    EXPECT_EQ(form->Height(), last.Bottom - first.Top + 1);
    EXPECT_EQ(form->Owner(), grid);
    EXPECT_TRUE(form->WindowParams().Style & WS_POPUP);
    EXPECT_TRUE(form->WindowParams().ExStyle & WS_EX_TOPMOST);
    EXPECT_EQ(form->Perform(WM_MOUSEACTIVATE), MA_NOACTIVATE);
    ASSERT_EQ(form->ControlCount(), 1);
    auto* image = dynamic_cast<TImage*>(form->Controls(0));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Align, alClient);
    ASSERT_NE(image->Picture().Graphic(), nullptr);
    // The cells' pixels, taken from just inside the first cell's corner.
    const QImage cells = image->Picture().Graphic()->Image();
    EXPECT_EQ(cells.width(), form->Width());
    const QImage shown = renderToImage(*grid);
    EXPECT_EQ(cells.pixel(5, 5), shown.pixel(first.Left + 6, first.Top + 6));
    EXPECT_EQ(cells.pixel(cells.width() - 5, cells.height() - 5),
              shown.pixel(first.Left + cells.width() - 4, first.Top + cells.height() - 4));
}

}  // namespace

namespace {

TEST_F(CellLooks, AnOpenEditorTakesANewLengthLimitAtOnce) {
    grid->SetOptions(grid->Options() | goEditing);
    grid->Navigation().EditSelectAll = false;
    grid->SetFocus();
    const TRect cell = grid->CellRect(2, 3);
    click(*grid, cell.Left + 5, cell.Top + 5);
    keyPress(*grid, VK_F2);
    TInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    grid->SetMaxEditLength(3);
    typeChar(*FocusedControl(), 'x');
    EXPECT_EQ(editor->Text(), "2:3");
    grid->SetMaxEditLength(0);
    typeChar(*FocusedControl(), 'x');
    EXPECT_EQ(editor->Text(), "2:3x");
    EXPECT_EQ(grid->UniCombo(), grid->Combobox());  // one combo editor, two names
}

}  // namespace
