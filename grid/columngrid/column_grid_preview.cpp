// Opens the table-shaped sample window on the display, to look at the column grid by eye.
// Arguments: the milliseconds after which it closes (none: stays open), then "combo" to open
// the drop-down editor of the Kind column in row 2 once shown.
#include "grid/columngrid/table_shape_sample.h"
#include "platform/controls/application.h"
#include "platform/controls/timer.h"

#include <QString>

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    TTableShapeSample sample(Application);
    Application->MainForm = sample.Form;
    if (argc > 1) {
        auto* timer = new TTimer(sample.Form);
        timer->SetInterval(QString::fromLocal8Bit(argv[1]).toUInt());
        timer->OnTimer = [&sample](TObject*) { sample.Form->Close(); };
    }
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("combo")) {
        sample.Form->OnShow = [&sample](TObject*) {
            TExColumnGrid& grid = *sample.Grid;
            grid.SetFocus();
            grid.SetRow(2);
            grid.SetCol(TTableShapeSample::Kind);
            grid.SetEditorMode(true);
        };
    }
    Application->Run();
    return 0;
}
