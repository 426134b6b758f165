// On a real display: cells dragged from a grid in one window to a grid in another arrive there.
// The pointer and its button are the X server's own, moved through its test extension, so the
// drag runs through the window system's and the toolkit's drag and drop end to end.
//
// Each step waits for what the program reports before the pointer goes on: the windows shown,
// the pointer seen over the source cell, the press taken, the drag's loop running, the target
// grid told the drag is over the cell to drop on, the drop delivered and the source done. The
// clock only limits how long a step may take.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/controls/ole_drag_drop.h"
#include "platform/testkit/step_runner.h"
#include "platform/testkit/x_pointer.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr unsigned Step_Tick_Ms = 10;
constexpr unsigned Drag_Timeout_Ms = 20000;

TExStringGrid* gridOn(TForm& form) {
    auto* grid = new TExStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 330, 200);
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetDefaultColWidth(60);
    grid->SetDefaultRowHeight(20);
    return grid;
}

TPoint cellMiddle(TExStringGrid& grid, int ACol, int ARow) {
    const TRect r = grid.CellRect(ACol, ARow);
    return NativeScreenPoint(grid, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}

TPoint offset(TPoint p, int dx, int dy) { return {p.X + dx, p.Y + dy}; }

// What the grids told of the drag so far.
struct Seen {
    TGridCoord pointerOverSource{-1, -1};
    bool pressed = false, started = false, dropped = false, stopped = false;
    int stopEffect = -1;
    TGridCoord dragOverTarget{-1, -1};
};

QString block(TExStringGrid& grid, int left, int top) {
    return grid.Cells(left, top) + "," + grid.Cells(left + 1, top) + "|" + grid.Cells(left, top + 1) + "," +
           grid.Cells(left + 1, top + 1);
}

}  // namespace

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    XServerPointer pointer;
    if (!pointer.ok()) {
        std::printf("no display\n");
        return 1;
    }
    auto* from = new TForm(Application);
    Application->MainForm = from;
    from->SetBounds(40, 40, 360, 240);
    from->SetCaption("Source");
    auto* to = new TForm(Application);
    to->SetBounds(480, 40, 360, 240);
    to->SetCaption("Target");
    TExStringGrid* source = gridOn(*from);
    TExStringGrid* target = gridOn(*to);
    for (int r = 1; r < 8; ++r)
        for (int c = 1; c < 5; ++c) source->SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
    source->DragDropSettings().OleDropSource = true;
    source->SetSelection({1, 1, 2, 2});
    target->SetOptions(target->Options() | goEditing);
    target->DragDropSettings().SetOleDropTarget(true);

    Seen seen;
    source->OnMouseMove = [&](TObject*, TShiftState, int X, int Y) { seen.pointerOverSource = source->MouseCoord(X, Y); };
    source->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { seen.pressed = true; };
    source->OnOleDragStart = [&](TObject*, int, int) { seen.started = true; };
    source->OnOleDragStop = [&](TObject*, int Effect) {
        seen.stopped = true;
        seen.stopEffect = Effect;
    };
    target->OnOleDragOver = [&](TObject*, int ARow, int ACol, bool&) { seen.dragOverTarget = {ACol, ARow}; };
    target->OnOleDropped = [&](TObject*, TGridRect) { seen.dropped = true; };
    from->Show();
    to->Show();

    // The drop cell, and a point up and left of it in the cell above: the pointer goes there in
    // steps, then jumps onto the drop cell as a quick hand does. The picture of the dragged
    // cells trails the pointer below and to the right, so the jump lands where it still lies:
    // the picture must let the pointer through to the grid beneath.
    const TGridCoord start{1, 1}, near{2, 2}, drop{2, 3};
    constexpr int Jump = 12;
    constexpr int Steps = 20;
    TPoint startAt, nearAt, dropAt;
    int step = 0;
    auto along = [&](int i) {
        return TPoint{startAt.X + (nearAt.X - startAt.X) * i / Steps, startAt.Y + (nearAt.Y - startAt.Y) * i / Steps};
    };

    StepRunner script(Step_Tick_Ms);
    QString lastStep;
    script.onStep = [&](const QString& what) {
        if (what == lastStep) return;
        lastStep = what;
        std::printf("- %s\n", qPrintable(what));
        std::fflush(stdout);
    };
    script.add(
        "both windows shown", [&] { return NativeWindowExposed(*from) && NativeWindowExposed(*to); },
        [&] {
            startAt = cellMiddle(*source, start.X, start.Y);
            dropAt = cellMiddle(*target, drop.X, drop.Y);
            nearAt = offset(dropAt, -Jump, -Jump);
            pointer.moveTo(startAt);
        });
    script.add("the pointer seen over the source cell", [&] { return seen.pointerOverSource == start; },
               [&] { pointer.press(); });
    // Past the three pixels the drag waits for.
    script.add("the press taken by the source", [&] { return seen.pressed; },
               [&] { pointer.moveTo(offset(startAt, 8, 0)); });
    script.add("the drag's loop running", [&] { return seen.started && ToolkitDragRunning(); }, [] {});
    script.addRepeated(
        "the pointer on its way to the target", [&] { return step == 0 || pointer.position() == along(step); },
        [&] {
            pointer.moveTo(along(++step));
            return step == Steps;
        });
    script.add("the target told the drag is over the cell above the drop",
               [&] { return seen.dragOverTarget == near; }, [&] { pointer.moveTo(dropAt); });
    script.add("the target told the drag is over the drop cell", [&] { return seen.dragOverTarget == drop; },
               [&] { pointer.release(); });
    script.add("the cells dropped and the source done", [&] { return seen.dropped && seen.stopped; }, [] {});

    bool passed = false;
    script.start(
        Drag_Timeout_Ms,
        [&] {
            const QString arrived = block(*target, drop.X, drop.Y);
            const QString left = block(*source, start.X, start.Y);
            passed = arrived == "1:1,2:1|1:2,2:2" && left == ",|," && seen.stopEffect == DROPEFFECT_MOVE;
            std::printf("target cells after the drag: %s; source cells: %s; effect %d\n", qPrintable(arrived),
                        qPrintable(left), seen.stopEffect);
            std::fflush(stdout);
            to->Close();
            from->Close();
        },
        [&](const QString& what) {
            const TPoint at = pointer.position();
            std::printf("not within %u ms: %s (pointer at %d,%d; drag started %d; target last told of cell %d,%d)\n",
                        Drag_Timeout_Ms, qPrintable(what), at.X, at.Y, seen.started, seen.dragOverTarget.X,
                        seen.dragOverTarget.Y);
            std::fflush(stdout);
            std::_Exit(1);
        });
    Application->Run();
    return passed ? 0 : 1;
}
