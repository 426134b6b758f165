#include "grid/stringgrid/dragdrop/drag_drop_fixture.h"

#include "grid/foundation/arrow_and_focus_windows.h"
#include "grid/stringgrid/input/header_drag_button.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/messages/message_ids.h"

namespace {

// Drags from the source grid: a press on its selected cells, a move with the button held that
// starts the drag, and the scripted loop that walks the rest.
class OleDragStart : public DragDropFixture {
protected:
    void SetUp() override {
        DragDropFixture::SetUp();
        source->DragDropSettings().OleDropSource = true;
        // A grid that edits on a press starts no drags.
        source->SetOptions(source->Options() & ~goEditing);
        source->SetSelection({1, 1, 2, 2});
    }
    // Presses on the cell and moves the pointer by Dx with the button held.
    void pressAndMove(int ACol, int ARow, int Dx = 10) {
        const TPoint at = middle(*source, ACol, ARow);
        mouseMessage(*source, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
        mouseMessage(*source, WM_MOUSEMOVE, at.X + Dx, at.Y, MK_LBUTTON);
    }
    QStringList events;
    void record() {
        source->OnOleDragStart = [&](TObject*, int ARow, int ACol) { events << QString("start %1,%2").arg(ACol).arg(ARow); };
        source->OnOleDragStop = [&](TObject*, int Effect) { events << QString("stop %1").arg(Effect); };
    }
};

TEST_F(OleDragStart, SelectedCellsDraggedToAnotherGridArriveThereAndLeaveTheSource) {
    record();
    source->Navigation().AllowFmtClipboard = true;
    ScriptedDrag drag;
    drag.moveTo(*target, middle(*target, 2, 2)).dropAt(*target, middle(*target, 2, 3));
    pressAndMove(1, 1);
    EXPECT_EQ(drag.drags, 1);
    EXPECT_EQ(drag.offered, QStringList({"CF_TEXT", "CF_UNICODETEXT", "Rich Text Format", "TExStringGrid Cells"}));
    EXPECT_EQ(drag.okEffects, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_EQ(block(*target, 2, 3, 3, 4), "1:1,2:1|1:2,2:2");
    // A move takes the cells away; the rest of the source stays.
    EXPECT_EQ(block(*source, 1, 1, 3, 2), ",,3:1|,,3:2");
    EXPECT_EQ(events, QStringList({"start 1,1", "stop 2"}));
    EXPECT_EQ(source->Private().FOleMoveForm, nullptr);
}

struct SourceCase {
    const char* name;
    bool copyAlways, removeRows, rowSelect;
    uint32_t keys;
    QString sourceAfter;  // rows 1..3 of columns 1..2
    int rowCount;
};

class SourceAfterADrag : public OleDragStart, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(SourceAfterADrag, KeepsClearsOrRemovesTheDraggedCells) {
    const SourceCase& c = GetParam();
    TDragDropSettings& s = source->DragDropSettings();
    s.OleCopyAlways = c.copyAlways;
    s.OleRemoveRows = c.removeRows;
    if (c.rowSelect) {
        source->SetOptions(source->Options() | goRowSelect);
        source->SetSelection({1, 1, 4, 2});
    }
    ScriptedDrag drag;
    drag.dropAt(*target, middle(*target, 1, 5), c.keys);
    pressAndMove(1, 1);
    EXPECT_EQ(block(*source, 1, 1, 2, 3), c.sourceAfter);
    EXPECT_EQ(source->RowCount(), c.rowCount);
    EXPECT_EQ(target->Cells(1, 5), "1:1");
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SourceAfterADrag,
    ::testing::Values(SourceCase{"AMoveClearsTheCells", false, false, false, 0, ",|,|1:3,2:3", 8},
                      SourceCase{"CtrlCopies", false, false, false, MK_CONTROL, "1:1,2:1|1:2,2:2|1:3,2:3", 8},
                      SourceCase{"OleCopyAlwaysKeepsThem", true, false, false, 0, "1:1,2:1|1:2,2:2|1:3,2:3", 8},
                      SourceCase{"OleRemoveRowsTakesWholeRowsOut", false, true, true, 0, "1:3,2:3|1:4,2:4|1:5,2:5", 6},
                      SourceCase{"OleRemoveRowsWithoutRowSelectClears", false, true, false, 0, ",|,|1:3,2:3", 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OleDragStart, ARefusedDragTurnsIntoARangeSelection) {
    source->OnOleDrag = [](TObject*, int, int, QString data, bool& Allow) { Allow = data != "1:1"; };
    ScriptedDrag drag;
    pressAndMove(1, 1);
    EXPECT_EQ(drag.drags, 0);
    EXPECT_EQ(source->GridState(), gsSelecting);
}

TEST_F(OleDragStart, TheDragWaitsForAMoveOfMoreThanThreePixelsAndAPlainReleaseSelectsTheCell) {
    ScriptedDrag drag;
    pressAndMove(2, 2, 3);
    EXPECT_EQ(drag.drags, 0);
    const TPoint at = middle(*source, 2, 2);
    mouseMessage(*source, WM_LBUTTONUP, at.X + 3, at.Y, 0);
    EXPECT_EQ(rect(source->Selection()), "2,2-2,2");
    // An unselected cell starts no drag: the press selects as usual.
    pressAndMove(3, 4);
    EXPECT_EQ(drag.drags, 0);
}

TEST_F(OleDragStart, EscapeCancelsAndNothingMoves) {
    record();
    ScriptedDrag drag;
    drag.moveTo(*target, middle(*target, 1, 1)).escape();
    pressAndMove(1, 1);
    EXPECT_EQ(drag.drags, 1);
    EXPECT_EQ(block(*source, 1, 1, 2, 2), "1:1,2:1|1:2,2:2");
    EXPECT_EQ(target->Cells(1, 1), "");
    EXPECT_EQ(events, QStringList{"start 1,1"});
}

TEST_F(OleDragStart, OleColumnsOnlyDragsHeadersAloneAndAHeaderDragCarriesItsColumn) {
    TDragDropSettings& s = source->DragDropSettings();
    s.OleColumnsOnly = true;
    s.OleColumnDragDrop = true;
    source->EnhRowColMove = false;
    s.OleColumnReorder = true;
    source->DragDropSettings().SetOleDropTarget(true);
    ScriptedDrag drag;
    pressAndMove(1, 1);
    EXPECT_EQ(drag.drags, 0);

    const TPoint at = middle(*source, 1, 0);
    drag.dropAt(*source, middle(*source, 3, 0));
    mouseMessage(*source, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
    mouseMessage(*source, WM_MOUSEMOVE, at.X + 10, at.Y, MK_LBUTTON);
    EXPECT_EQ(drag.drags, 1);
    EXPECT_EQ(drag.offered.last(), "Grid Column");
    EXPECT_EQ(block(*source, 0, 0, 4, 0), "0:0,2:0,3:0,1:0,4:0");
}

// The picture of the dragged cells, the header button and the target's arrows stand beside the
// pointer while it moves: each lets the pointer through, so a drop where one of them lies still
// lands on the grid beneath.
TEST_F(OleDragStart, WhatTheDragShowsBesideThePointerLetsThePointerThrough) {
    QStringList shown;
    auto look = [&](const char* name, TWinControl* window) {
        if (window && window->Visible())
            shown << QString("%1 %2").arg(name, window->ExStyle() & WS_EX_TRANSPARENT ? "passes" : "stops");
    };
    auto lookAll = [&](TObject*, int, int, bool&) {
        TExStringGridPrivate& s = source->Private();
        TExStringGridPrivate& t = target->Private();
        look("picture", s.FOleMoveForm);
        look("button", s.MoveButton);
        for (TArrowWindow* arrow : {t.ArwU, t.ArwD, t.ArwL, t.ArwR}) look("arrow", arrow);
    };
    target->OnOleDragOver = lookAll;
    ScriptedDrag drag;
    drag.moveTo(*target, middle(*target, 2, 2)).moveTo(*target, middle(*target, 2, 3)).dropAt(*target, middle(*target, 2, 3));
    pressAndMove(1, 1);
    shown.removeDuplicates();
    EXPECT_EQ(shown, QStringList({"picture passes", "arrow passes"}));

    // A column dragged by its header without the picture of its cells shows the header button.
    shown.clear();
    source->DragDropSettings().ShowCells = false;
    source->DragDropSettings().OleColumnDragDrop = true;
    source->EnhRowColMove = false;
    target->DragDropSettings().OleColumnReorder = true;
    drag.script.clear();
    drag.moveTo(*target, middle(*target, 2, 0)).moveTo(*target, middle(*target, 3, 0)).escape();
    const TPoint at = middle(*source, 1, 0);
    mouseMessage(*source, WM_LBUTTONDOWN, at.X, at.Y, MK_LBUTTON);
    mouseMessage(*source, WM_MOUSEMOVE, at.X + 10, at.Y, MK_LBUTTON);
    shown.removeDuplicates();
    EXPECT_EQ(shown, QStringList({"button passes", "arrow passes"}));
}

}  // namespace
