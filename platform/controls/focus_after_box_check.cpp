// On a real display: an edit that refuses to be left shows a message box and takes the focus
// back. When the window becomes active again the focus must stay with that edit; the widget
// the user had clicked must not take it and so leave the edit a second time.
#include "platform/controls/application.h"
#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/dialogs/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

QWidget* widgetOf(TWinControl& c) {
    c.HandleNeeded();
    return static_cast<QWidget*>(c.BackendData);
}

TEdit* placedEdit(TForm& form, int top) {
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, top, 200, 24);
    return edit;
}

}  // namespace

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    auto* form = new TForm(Application);
    Application->MainForm = form;
    form->SetBounds(100, 100, 300, 150);
    TEdit* refusing = placedEdit(*form, 10);
    TEdit* other = placedEdit(*form, 50);

    int boxes = 0;
    refusing->OnExit = [&](TObject*) {
        if (++boxes > 3) return;  // enough to tell; the run still ends
        MessageDlg("Refused", mtError, mbOK);
        if (refusing->CanFocus()) refusing->SetFocus();
    };
    // The user closes every box that opens, once it is there to click.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isActiveWindow()) box->done(QMessageBox::Ok);
    });
    closer.start(100);

    form->Show();
    widgetOf(*form)->activateWindow();
    QTimer::singleShot(400, [&] {
        refusing->SetFocus();
        // The user clicks the other edit: the toolkit focuses it before anything else happens.
        QTimer::singleShot(200, [&] { widgetOf(*other)->setFocus(Qt::MouseFocusReason); });
    });
    bool passed = false;
    QTimer::singleShot(2500, [&] {
        passed = boxes == 1 && refusing->Focused() && widgetOf(*refusing)->hasFocus();
        std::printf("boxes %d, focus %s\n", boxes, refusing->Focused() ? "kept" : "lost");
        form->Close();
    });
    Application->Run();
    return passed ? 0 : 1;
}
