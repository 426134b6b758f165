// On a real display: a hint shown over a window lets the pointer through. A click that the
// window system delivers at the hint's place must reach the window beneath (a grid's cell)
// instead of vanishing into the hint. The pointer and the button are the X server's own,
// moved and pressed through its test extension.
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/controls/hint_window.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <cstdio>

namespace {

// Counts the presses that widgets of one window get.
class PressCounter : public QObject {
public:
    explicit PressCounter(QWidget* Window) : window_(Window) {}
    int presses = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::MouseButtonPress && w && w->window() == window_) ++presses;
        return false;
    }

private:
    QWidget* window_;
};

void clickAt(Display* display, QPoint at) {
    XTestFakeMotionEvent(display, -1, at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::printf("no display\n");
        return 1;
    }
    auto* form = new TForm(Application);
    Application->MainForm = form;
    form->SetBounds(100, 100, 300, 150);
    form->Show();
    form->HandleNeeded();
    auto* formWidget = static_cast<QWidget*>(form->BackendData);
    formWidget->activateWindow();
    PressCounter counter(formWidget);
    qApp->installEventFilter(&counter);

    auto* hint = new THintWindow(form);
    bool passed = false, clicked = false;
    // Generous pauses: a loaded machine maps the windows late.
    QTimer::singleShot(300, [&] {
        const TPoint at = form->ClientToScreen({40, 40});
        hint->ActivateHint(Rect(at.X, at.Y, at.X + 120, at.Y + 20), "A column's hint");
    });
    QTimer::singleShot(1200, [&] {
        auto* hintWidget = static_cast<QWidget*>(hint->BackendData);
        if (!hintWidget->isVisible()) return;
        clickAt(display, hintWidget->mapToGlobal(hintWidget->rect().center()));
        clicked = true;
    });
    QTimer::singleShot(2500, [&] {
        passed = clicked && counter.presses == 1;
        std::printf("hint %s, presses on the window under it: %d\n", clicked ? "clicked" : "never shown",
                    counter.presses);
        std::fflush(stdout);
        hint->HideHint();
        form->Close();
    });
    Application->Run();
    XCloseDisplay(display);
    return passed ? 0 : 1;
}
