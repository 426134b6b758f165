// Shows a form on the display, closes it from a timer and ends like the program does: a run
// that leaves the toolkit to static destruction crashes on the way out.
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/controls/timer.h"

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    auto* form = new TForm(Application);
    Application->MainForm = form;
    auto* timer = new TTimer(form);
    timer->SetInterval(200);
    timer->OnTimer = [form](TObject*) { form->Close(); };
    Application->Run();
    return 0;
}
