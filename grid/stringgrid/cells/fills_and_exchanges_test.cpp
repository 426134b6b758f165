#include "grid/editors/asg_unit_edit_btn.h"
#include "grid/stringgrid/cells/picker_fixture.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/controls/invalidation_recorder.h"
#include "platform/controls/inplace_edit.h"

#include <functional>

namespace {

using CellLevel = StringGridFixture;

TEST_F(CellLevel, FillsTakeTheNormalCellsOrAll) {
    grid->SetFixedFooters(1);
    grid->SetFixedRightCols(1);
    grid->TextFill(false, "x");
    EXPECT_EQ(grid->Cells(1, 1), "x");
    EXPECT_EQ(grid->Cells(8, 10), "x");
    for (const auto& [c, r] : {std::pair{0, 5}, {5, 0}, {9, 5}, {5, 11}}) EXPECT_EQ(grid->Cells(c, r), text(c, r));

    grid->FormatFill(true, "%d-%d%%");
    EXPECT_EQ(grid->Cells(0, 0), "0-0%");
    EXPECT_EQ(grid->Cells(9, 11), "9-11%");
    grid->FormatFill(false, "%d %d %d");
    EXPECT_EQ(grid->Cells(2, 3), "2 3 %d") << "a format beyond the two numbers stays as written";
    grid->LinearFill(false);
    EXPECT_EQ(grid->Cells(4, 7), "4:7");

    grid->RandomFill(false, 3);
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 8; ++c) EXPECT_TRUE(grid->Ints(c, r) >= 0 && grid->Ints(c, r) < 3) << c << "," << r;
    EXPECT_EQ(grid->Cells(0, 4), "0-4%");
}

TEST_F(CellLevel, SwapsTakeTextsRecordsSizesAndControls) {
    grid->AddCheckBox(2, 3, true, false);
    grid->SetColors(4, 3, clRed);
    grid->SetRowHeights(3, 40);
    auto* control = new TControl(form);
    grid->SetCellControls(5, 3, control);

    grid->SwapRows(3, 5);
    EXPECT_EQ(grid->Cells(2, 5), "2:3");
    EXPECT_EQ(grid->Cells(2, 3), "2:5");
    EXPECT_TRUE(grid->HasCheckBox(2, 5));
    EXPECT_FALSE(grid->HasCheckBox(2, 3));
    EXPECT_EQ(grid->Colors(4, 5), clRed);
    EXPECT_EQ(grid->RowHeights(5), 40);
    EXPECT_EQ(grid->RowHeights(3), grid->DefaultRowHeight());
    EXPECT_EQ(grid->CellControls(5, 5), control);

    // The sort indicator follows its column.
    grid->SortSettings().Column = 3;
    grid->SetColWidths(1, 90);
    grid->SwapColumns(1, 3);
    EXPECT_EQ(grid->SortSettings().Column, 1);
    EXPECT_EQ(grid->ColWidths(3), 90);
    EXPECT_EQ(grid->Cells(1, 0), "3:0");
    EXPECT_EQ(grid->Cells(3, 0), "1:0");
    grid->SwapColumns(2, 5);
    EXPECT_TRUE(grid->HasCheckBox(5, 5));
    EXPECT_EQ(grid->CellControls(2, 5), control);

    grid->SwapCells({5, 5}, {6, 6});
    EXPECT_TRUE(grid->HasCheckBox(6, 6));
    EXPECT_EQ(grid->Cells(6, 6), "2:3");
    EXPECT_EQ(grid->Cells(5, 5), "6:6");
}

TEST_F(CellLevel, SwappedColumnsChangeInRowsOutOfViewToo) {
    struct Case {
        const char* name;
        std::function<void()> hide, show;
    } cases[] = {
        {"hidden row", [&] { grid->HideRow(4); }, [&] { grid->UnHideRow(4); }},
        {"collapsed node", [&] { grid->AddNode(3, 3); grid->ContractNode(3); },
         [&] { grid->ExpandNode(3); grid->RemoveNode(3); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int r = 0; r < 12; ++r)
            for (int col = 0; col < 10; ++col) grid->SetCells(col, r, text(col, r));
        c.hide();
        grid->SwapColumns(1, 2);
        c.show();
        for (int r = 0; r < 12; ++r) {
            EXPECT_EQ(grid->Cells(1, r), text(2, r)) << r;
            EXPECT_EQ(grid->Cells(2, r), text(1, r)) << r;
        }
    }
}

TEST_F(CellLevel, GotoAndEditMoveTheCurrentCell) {
    grid->GotoCell(3, 4);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);
    grid->SetOptions(grid->Options() | goEditing);
    form->SetVisible(true);
    grid->EditCell(5, 6);
    EXPECT_EQ(grid->Col(), 5);
    EXPECT_EQ(grid->Row(), 6);
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(grid->InplaceEditor()->Visible());
    EXPECT_TRUE(grid->EditMode());
}

TEST_F(CellLevel, RepaintsInvalidateTheCellsInView) {
    TInvalidationRecorder recorder;
    grid->RepaintRect({-1, 2, 3, 4});
    EXPECT_TRUE(recorder.Rects.empty()) << "a negative coordinate repaints nothing";
    grid->RepaintRect({1, 2, 3, 4});
    ASSERT_EQ(recorder.Rects.size(), 1u);
    const TRect first = grid->CellRect(1, 2), last = grid->CellRect(3, 4);
    EXPECT_EQ(recorder.Rects[0], (TRect{first.Left, first.Top, last.Right, last.Bottom}));

    recorder.Rects.clear();
    grid->RepaintRow(2);
    ASSERT_EQ(recorder.Rects.size(), 1u);
    EXPECT_EQ(recorder.Rects[0].Top, first.Top);
    EXPECT_EQ(recorder.Rects[0].Left, 0);
    recorder.Rects.clear();
    grid->RepaintCol(3);
    ASSERT_EQ(recorder.Rects.size(), 1u);
    EXPECT_EQ(recorder.Rects[0].Left, last.Left);
    EXPECT_EQ(recorder.Rects[0].Right, last.Right);

    // A cell out of view repaints the whole grid.
    grid->SetRowCount(200);
    recorder.Rects.clear();
    grid->RepaintRect({1, 2, 3, 150});
    ASSERT_EQ(recorder.Rects.size(), 1u);
    EXPECT_EQ(recorder.Rects[0], grid->ClientRect());
}

TEST_F(CellLevel, ChangingTheMergedColumnsMergesThemAfresh) {
    for (int r = 1; r < 12; ++r) {
        grid->SetCells(1, r, r < 5 ? "a" : "b");
        grid->SetCells(2, r, r < 3 ? "x" : "y");
    }
    grid->MergedColumns().Add(1);
    EXPECT_EQ(grid->CellSpan(1, 1).Y, 3);
    EXPECT_EQ(grid->CellSpan(1, 5).Y, 6);
    grid->MergedColumns().Add(2);
    // Not the main merge: the runs of column 2 also break where column 1's do.
    EXPECT_EQ(grid->CellSpan(2, 1).Y, 1);
    EXPECT_EQ(grid->CellSpan(2, 3).Y, 1);
    EXPECT_EQ(grid->CellSpan(2, 5).Y, 6);
    grid->MergedColumns().Delete(0);
    EXPECT_FALSE(grid->IsMergedCell(1, 1)) << "a column taken off the list is split";
    EXPECT_EQ(grid->CellSpan(2, 3).Y, 8) << "the one left is the main merge now";
}

TEST_F(CellLevel, EditorNotificationsBecomeGridEvents) {
    grid->SetCol(3);
    grid->SetRow(4);
    QStringList events;
    grid->OnColorSelect = [&](TObject*, int ACol, int ARow, TColor Color, QString Value) {
        events << QStringLiteral("color %1,%2 %3 %4").arg(ACol).arg(ARow).arg(Color, 0, 16).arg(Value);
    };
    grid->OnImageSelect = [&](TObject*, int ACol, int ARow, int Index) {
        events << QStringLiteral("image %1,%2 %3").arg(ACol).arg(ARow).arg(Index);
    };
    grid->OnUnitChanged = [&](TObject*, int ACol, int ARow, QString Unit) {
        events << QStringLiteral("unit %1,%2 %3").arg(ACol).arg(ARow).arg(Unit);
    };
    grid->OnRichEditSelectionChange = [&](TObject*) { events << "rich"; };
    grid->ColorDropDownSelect(MakeColorPicker(form, clRed));
    grid->ImageDropDownSelect(MakeImagePicker(form, 3, 2));
    auto* unit = new TAsgUnitEditBtn(form);
    unit->SetUnitID("mm");
    grid->UnitEditChanged(unit);
    grid->RichEditSelectionChanged(nullptr);
    ASSERT_EQ(events.size(), 4);
    EXPECT_TRUE(events[0].startsWith("color 3,4 ff ")) << events[0].toStdString();
    EXPECT_EQ(events.mid(1), (QStringList{"image 3,4 2", "unit 3,4 mm", "rich"}));
}

}  // namespace
