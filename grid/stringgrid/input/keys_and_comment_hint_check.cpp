// On a real display: the keys a user presses on a grid and the hint the pointer rests for.
// Space and then Enter on a cell that holds a button press it; Ctrl+F moves the keyboard to the
// search panel's edit, so that what is typed next goes there and not into the cell; the
// pointer resting on a cell with a comment shows the comment as the hint at the cell's
// top-right corner. Keys are queued to the toolkit as the window system delivers them; the
// pointer is the X server's own, moved through its test extension.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/search/search_panel.h"
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/controls/hint_window.h"
#include "platform/testkit/input_robot.h"
#include "platform/testkit/step_runner.h"
#include "platform/testkit/x_pointer.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr unsigned Step_Tick_Ms = 10;
constexpr unsigned Timeout_Ms = 20000;
const QString Comment = QStringLiteral("Checked by hand");

bool near(TPoint a, TPoint b) { return std::abs(a.X - b.X) <= 2 && std::abs(a.Y - b.Y) <= 2; }

}  // namespace

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    XServerPointer pointer;
    if (!pointer.ok()) {
        std::printf("no display\n");
        return 1;
    }
    auto* form = new TForm(Application);
    Application->MainForm = form;
    form->SetBounds(40, 40, 520, 380);
    form->SetCaption("Keys and hints");
    auto* grid = new TExStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(10, 10, 480, 320);
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetDefaultColWidth(80);
    grid->SetDefaultRowHeight(24);
    grid->SetOptions(grid->Options() | goEditing);
    grid->AddButton(1, 1, 60, 20, "Go", haCenter, vaCenter);
    grid->SetCells(2, 1, "kept");
    grid->AddComment(3, 3, Comment);
    grid->SearchFooter().SetVisible(true);
    grid->ShowHint = true;
    int clicks = 0;
    grid->OnButtonClick = [&](TObject*, int ACol, int ARow) {
        if (ACol == 1 && ARow == 1) ++clicks;
    };
    form->Show();

    TRetEdit* search = nullptr;
    TPoint corner;
    StepRunner script(Step_Tick_Ms);
    QString lastStep;
    script.onStep = [&](const QString& what) {
        if (what == lastStep) return;
        lastStep = what;
        std::printf("- %s\n", qPrintable(what));
        std::fflush(stdout);
    };
    const auto cellCenter = [&](int ACol, int ARow) {
        const TRect r = grid->CellRect(ACol, ARow);
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    const auto on = [&](int ACol, int ARow) { return robot::hasKeyboard(*grid) && grid->Col() == ACol && grid->Row() == ARow; };
    script.add("the window shown", [&] { return NativeWindowExposed(*form); },
               [&] {
                   const TPoint at = cellCenter(2, 1);
                   robot::click(*grid, at.X, at.Y);
               });
    script.add("the grid has the keyboard on the cell beside the button", [&] { return on(2, 1); },
               [] { robot::pressKey(Qt::Key_Left); });
    script.add("the current cell on the button", [&] { return on(1, 1); }, [] { robot::pressKey(Qt::Key_Space); });
    script.add("Space pressed the cell's button", [&] { return clicks == 1; }, [] { robot::pressKey(Qt::Key_Return); });
    script.add("Enter pressed it again", [&] { return clicks == 2; }, [] { robot::pressKey(Qt::Key_Right); });
    script.add("the current cell on a text cell", [&] { return on(2, 1); },
               [] { robot::pressKey(Qt::Key_F, Qt::ControlModifier); });
    script.add("Ctrl+F gave the keyboard to the search edit",
               [&] {
                   search = grid->SearchPanel() ? grid->SearchPanel()->EditControl() : nullptr;
                   return search && robot::hasKeyboard(*search);
               },
               [] { robot::typeText("ab"); });
    script.add("the typed text went into the search edit", [&] { return search->Text() == "ab"; },
               [&] {
                   const TRect r = grid->CellRect(3, 3);
                   corner = NativeScreenPoint(*grid, {r.Right, r.Top});
                   pointer.moveTo(NativeScreenPoint(*grid, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
               });
    script.add("the comment shown as the cell's hint",
               [&] { return grid->CellHintWindow() && grid->CellHintWindow()->Showing(); }, [] {});

    bool passed = false;
    script.start(
        Timeout_Ms,
        [&] {
            THintWindow& hint = *grid->CellHintWindow();
            const TPoint at = NativeScreenPoint(hint, {0, 0});
            const bool cellKept = grid->Cells(2, 1) == "kept" && !grid->EditMode();
            passed = clicks == 2 && cellKept && hint.Caption() == Comment && near(at, corner);
            std::printf("button presses %d; cell (2,1) \"%s\"; hint \"%s\" at %d,%d, the cell's top-right corner at %d,%d\n",
                        clicks, qPrintable(grid->Cells(2, 1)), qPrintable(hint.Caption()), at.X, at.Y, corner.X,
                        corner.Y);
            std::fflush(stdout);
            form->Close();
        },
        [&](const QString& what) {
            std::printf("not within %u ms: %s (button presses %d; %s)\n", Timeout_Ms, qPrintable(what), clicks,
                        qPrintable(robot::describeScreen()));
            std::fflush(stdout);
            std::_Exit(1);
        });
    Application->Run();
    return passed ? 0 : 1;
}
