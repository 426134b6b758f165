// On a real display: cells dragged from a grid in one window to a grid in another arrive there.
// The pointer and its button are the X server's own, moved through its test extension, so the
// drag runs through the window system's and the toolkit's drag and drop end to end.
#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/testkit/x_pointer.h"

#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

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
    from->Show();
    to->Show();
    target->DragDropSettings().SetOleDropTarget(true);

    // Generous pauses: a loaded machine maps the windows late. The drag itself runs in the
    // toolkit's own loop, which the timers below go on in.
    const int steps = 20;
    TPoint start, end;
    QTimer::singleShot(1000, [&] {
        start = cellMiddle(*source, 1, 1);
        end = cellMiddle(*target, 2, 3);
        pointer.moveTo(start);
    });
    QTimer::singleShot(1300, [&] { pointer.press(); });
    for (int i = 1; i <= steps; ++i) {
        QTimer::singleShot(1500 + 60 * i, [&, i] {
            pointer.moveTo({start.X + (end.X - start.X) * i / steps, start.Y + (end.Y - start.Y) * i / steps});
        });
    }
    QTimer::singleShot(1500 + 60 * steps + 400, [&] { pointer.release(); });
    bool passed = false;
    QTimer::singleShot(1500 + 60 * steps + 2000, [&] {
        const QString got = target->Cells(2, 3) + "," + target->Cells(3, 3) + "|" + target->Cells(2, 4) + "," +
                            target->Cells(3, 4);
        passed = got == "1:1,2:1|1:2,2:2";
        std::printf("target cells after the drag: %s; source cell: \"%s\"\n", qPrintable(got),
                    qPrintable(source->Cells(1, 1)));
        std::fflush(stdout);
        to->Close();
        from->Close();
    });
    // A drag that never ends would hold the program in the toolkit's loop.
    QTimer::singleShot(30000, [] {
        std::printf("the drag never ended\n");
        std::fflush(stdout);
        std::_Exit(1);
    });
    Application->Run();
    return passed ? 0 : 1;
}
