#include "grid/foundation/grid_undo.h"

#include "grid/foundation/base_grid.h"
#include "platform/controls/form.h"
#include "platform/controls/invalidation_recorder.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// Real column 5 lies beyond the visible ones and shows at display column 2, as a string grid
// maps a hidden column.
class TUndoTestGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    int DisplColIndex(int ACol) override { return ACol == 5 ? 2 : ACol; }
};

// The cells the scripts edit, one letter each; each starts as "<letter>0" and an edit writes
// "<letter>1".
const std::map<char, TPoint> scriptCells = {{'A', {1, 1}}, {'B', {2, 2}}, {'C', {3, 3}},
                                            {'D', {4, 4}}, {'X', {1, 5}}, {'Y', {2, 6}}};

QString oldText(char cell) { return QString(QChar(cell)) + "0"; }
QString newText(char cell) { return QString(QChar(cell)) + "1"; }

class GridUndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 500, 400);
        grid = new TUndoTestGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 400, 300);
        grid->SetColCount(5);
        grid->SetRowCount(8);
        undo = new TExGridUndoRedo(form);
        grid->SetUndoRedo(undo);
        for (const auto& [cell, at] : scriptCells) grid->SetCellEx(at.X, at.Y, oldText(cell));
        form->HandleNeeded();
    }
    void TearDown() override { delete form; }

    // An edit as the string grid commits one: write, then register.
    void edit(int c, int r, const QString& text) {
        const QString old = grid->GetCellEx(c, r);
        grid->SetCellEx(c, r, text);
        undo->RegisterChange(c, r, old, text);
    }

    // Letters edit their cells, [ and ] bracket a sequence, < undoes, > redoes, # resets.
    void run(const std::string& script) {
        for (char step : script) {
            switch (step) {
            case '[': undo->StartSequence(); break;
            case ']': undo->StopSequence(); break;
            case '<': undo->Undo(); break;
            case '>': undo->Redo(); break;
            case '#': undo->Reset(); break;
            default: {
                const TPoint at = scriptCells.at(step);
                edit(at.X, at.Y, newText(step));
            }
            }
        }
    }

    // The letters whose cells hold their edited text.
    std::string edited() {
        std::string result;
        for (const auto& [cell, at] : scriptCells)
            if (grid->GetCellEx(at.X, at.Y) == newText(cell)) result += cell;
            else EXPECT_EQ(grid->GetCellEx(at.X, at.Y), oldText(cell)) << cell;
        return result;
    }

    TInvalidationRecorder recorder;
    TForm* form = nullptr;
    TUndoTestGrid* grid = nullptr;
    TExGridUndoRedo* undo = nullptr;
};

struct ScriptCase {
    const char* name;
    int maxLevel;
    std::string script;
    std::string edited;
    int level;
    int items;
};

TEST_F(GridUndoTest, ScriptsOfChangesUndoAndRedo) {
    const ScriptCase cases[] = {
        {"undo two of three", 0, "ABC<<", "A", 1, 3},
        {"redo restores the later of them", 0, "ABC<<>", "AB", 2, 3},
        {"redo at the top does nothing", 0, "AB>", "AB", 2, 2},
        {"undo below the bottom does nothing", 0, "A<<", "", 0, 1},
        // Undone changes stay; a new one goes past them and undo walks back through them.
        {"change after undo keeps the undone", 0, "AB<D", "AD", 3, 3},
        {"undo walks back through the undone", 0, "AB<D<", "A", 2, 3},
        {"and restores the undone again", 0, "AB<D<<", "A", 1, 3},
        {"sequence undone as one", 0, "[XY]<", "", 0, 4},
        {"sequence redone as one", 0, "[XY]<>", "XY", 4, 4},
        {"sequence between single changes", 0, "A[XY]B<<", "A", 1, 6},
        {"redo of it stops past the stop marker", 0, "A[XY]B<<>", "AXY", 5, 6},
        {"then the change after it", 0, "A[XY]B<<>>", "ABXY", 6, 6},
        {"two sequences back to back", 0, "[AB][XY]<<>", "AB", 4, 8},
        {"max level keeps the last changes", 2, "ABC<<<", "A", 0, 2},
        {"reset forgets everything", 0, "AB#<", "AB", 0, 0},
        // Sequences left open or cut by the limit: markers are never written to the grid.
        {"open sequence undone change by change", 0, "[XY<", "X", 2, 3},
        {"open start marker stepped over alone", 0, "[X<<", "", 0, 2},
        {"open sequence redone to the end", 0, "[XY<<<>", "XY", 3, 3},
        {"lone start marker at the end", 0, "[<>", "", 1, 1},
        {"start marker lost to the limit", 2, "[XY]<", "", 0, 3},
        {"lost start marker, redo one by one", 2, "[XY]<>", "X", 1, 3},
        {"lone stop marker redone", 2, "[XY]<>>>", "XY", 3, 3},
    };
    for (const ScriptCase& c : cases) {
        SCOPED_TRACE(c.name);
        undo->Reset();
        for (const auto& [cell, at] : scriptCells) grid->SetCellEx(at.X, at.Y, oldText(cell));
        undo->SetMaxLevel(c.maxLevel);
        run(c.script);
        EXPECT_EQ(edited(), c.edited);
        EXPECT_EQ(undo->Level(), c.level);
        EXPECT_EQ(undo->Items().Count(), c.items);
        EXPECT_EQ(undo->CanUndo(), c.level > 0);
        EXPECT_EQ(undo->CanRedo(), c.level < c.items);
        EXPECT_LE(undo->Level(), undo->Items().Count());
    }
}

TEST_F(GridUndoTest, RecordsTheChangeAndMarkers) {
    run("[A]");
    ASSERT_EQ(undo->Items().Count(), 3);
    const TUndoRedoItem& start = *undo->Items().Items(0);
    const TUndoRedoItem& change = *undo->Items().Items(1);
    const TUndoRedoItem& stop = *undo->Items().Items(2);
    EXPECT_TRUE(start.SequenceStart());
    EXPECT_FALSE(start.SequenceStop());
    EXPECT_EQ(TPoint(start.Col(), start.Row()), TPoint(-1, -1));
    EXPECT_TRUE(start.Value().isEmpty() && start.OrigValue().isEmpty());
    EXPECT_TRUE(stop.SequenceStop());
    EXPECT_FALSE(stop.SequenceStart());
    EXPECT_EQ(TPoint(stop.Col(), stop.Row()), TPoint(-1, -1));
    EXPECT_EQ(TPoint(change.Col(), change.Row()), TPoint(1, 1));
    EXPECT_EQ(change.OrigValue(), "A0");
    EXPECT_EQ(change.Value(), "A1");
    EXPECT_FALSE(change.IsMarker());
}

// The events get the text now in the cell and the text about to be written, in the order the
// cells are written.
TEST_F(GridUndoTest, EventsSeeTheCurrentAndTheRestoredText) {
    std::vector<QString> seen;
    auto record = [&](const char* kind) {
        return [&, kind](TObject* Sender, TBaseGrid* Grid, int Col, int Row, QString OrigValue, QString NewValue) {
            EXPECT_EQ(Sender, undo);
            EXPECT_EQ(Grid, grid);
            seen.push_back(QString("%1 %2,%3 %4>%5").arg(kind).arg(Col).arg(Row).arg(OrigValue, NewValue));
        };
    };
    undo->OnUndo = record("undo");
    undo->OnRedo = record("redo");
    edit(1, 1, "edited");
    run("[XY]<<>>");
    const std::vector<QString> expected = {"undo 2,6 Y1>Y0", "undo 1,5 X1>X0", "undo 1,1 edited>A0",
                                           "redo 1,1 A0>edited", "redo 1,5 X0>X1", "redo 2,6 Y0>Y1"};
    EXPECT_EQ(seen, expected);
}

TEST_F(GridUndoTest, MovesTheCursorToTheChangedCellInDisplayColumns) {
    edit(5, 3, "hidden");
    edit(3, 4, "visible");
    grid->SetCol(1);
    grid->SetRow(1);
    undo->Undo();
    EXPECT_EQ(TPoint(grid->Col(), grid->Row()), TPoint(3, 4));
    undo->Undo();
    EXPECT_EQ(grid->GetCellEx(5, 3), "");
    EXPECT_EQ(TPoint(grid->Col(), grid->Row()), TPoint(2, 3));
    grid->SetCol(1);
    grid->SetRow(1);
    undo->Redo();
    EXPECT_EQ(grid->GetCellEx(5, 3), "hidden");
    EXPECT_EQ(TPoint(grid->Col(), grid->Row()), TPoint(2, 3));
}

// The cells of a sequence may lie anywhere, so the whole grid is repainted.
TEST_F(GridUndoTest, ASequenceRepaintsTheWholeGrid) {
    const TRect all = grid->ClientRect();
    auto wholeGrid = [&] {
        return std::any_of(recorder.Rects.begin(), recorder.Rects.end(), [&](const TRect& r) { return r == all; });
    };
    run("[X]");
    for (char step : {'<', '>'}) {
        recorder.Rects.clear();
        run(std::string(1, step));
        EXPECT_TRUE(wholeGrid()) << step;
    }
}

TEST_F(GridUndoTest, WithoutAGridNothingIsUndoneOrRedone) {
    run("A");
    undo->SetGrid(nullptr);
    undo->Undo();
    EXPECT_EQ(undo->Level(), 1);
    EXPECT_EQ(grid->GetCellEx(1, 1), "A1");
    grid->SetUndoRedo(undo);
    undo->Undo();
    undo->SetGrid(nullptr);
    undo->Redo();
    EXPECT_EQ(undo->Level(), 0);
    EXPECT_EQ(grid->GetCellEx(1, 1), "A0");
}

// The grid and the undo component point at each other; removing either clears the other's
// reference, whichever is removed first and whichever side made the link.
TEST(GridUndoLink, RemovingEitherSideClearsTheOther) {
    {
        TForm form(nullptr);
        auto* grid = new TBaseGrid(&form);
        auto* undo = new TExGridUndoRedo(&form);
        grid->SetUndoRedo(undo);
        EXPECT_EQ(grid->UndoRedo(), undo);
        EXPECT_EQ(undo->Grid(), grid);
        delete undo;
        EXPECT_EQ(grid->UndoRedo(), nullptr);
    }
    {
        TForm form(nullptr);
        auto* grid = new TBaseGrid(&form);
        auto* undo = new TExGridUndoRedo(&form);
        grid->SetUndoRedo(undo);
        undo->RegisterChange(1, 1, "old", "new");
        delete grid;
        EXPECT_EQ(undo->Grid(), nullptr);
        undo->Undo();
        EXPECT_EQ(undo->Level(), 1);
    }
    {
        TForm form(nullptr);
        auto* grid = new TBaseGrid(&form);
        auto* undo = new TExGridUndoRedo(&form);
        undo->SetGrid(grid);
        delete grid;
        EXPECT_EQ(undo->Grid(), nullptr);
    }
    // The form frees its components in either order with the link in place.
    for (bool undoFirst : {false, true}) {
        TForm form(nullptr);
        TExGridUndoRedo* undo = undoFirst ? new TExGridUndoRedo(&form) : nullptr;
        auto* grid = new TBaseGrid(&form);
        if (!undo) undo = new TExGridUndoRedo(&form);
        grid->SetUndoRedo(undo);
    }
}

TEST(GridUndoLink, RelinkingKeepsTheNewPartner) {
    TForm form(nullptr);
    auto* first = new TBaseGrid(&form);
    auto* second = new TBaseGrid(&form);
    auto* undo = new TExGridUndoRedo(&form);
    auto* other = new TExGridUndoRedo(&form);
    first->SetUndoRedo(undo);
    second->SetUndoRedo(undo);
    EXPECT_EQ(undo->Grid(), second);
    delete first;
    EXPECT_EQ(undo->Grid(), second);
    second->SetUndoRedo(other);
    delete undo;
    EXPECT_EQ(second->UndoRedo(), other);
    second->SetUndoRedo(nullptr);
    delete other;
    EXPECT_EQ(second->UndoRedo(), nullptr);
    delete second;
}

}  // namespace
