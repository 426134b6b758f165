// Opens the table-shaped sample window on the display, to look at the column grid by eye.
// With an argument, closes it after that many milliseconds.
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
    Application->Run();
    return 0;
}
