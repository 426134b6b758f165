#include "platform/testkit/input_robot.h"

#include "platform/controls/application.h"
#include "platform/controls/control.h"
#include "platform/controls/form.h"
#include "platform/controls/tree_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>
#include <memory>

namespace robot {
namespace {

QWidget* widgetOf(const TWinControl& c) { return static_cast<QWidget*>(c.BackendData); }

// Runs the delivery from the event loop, after what is queued before it. The event is marked
// as coming from the window system, so the toolkit treats it as the user's (a press focuses
// the widget it lands in, as its focus policy says).
template <typename Event>
void deliverLater(QWidget* target, std::shared_ptr<Event> event) {
    QPointer<QWidget> guard(target);
    QTimer::singleShot(0, qApp, [guard, event] {
        if (!guard) return;
        // A press activates the window it lands in, as a window manager does on a click.
        QWidget* window = guard->window();
        if (event->type() == QEvent::MouseButtonPress && !window->isActiveWindow() &&
            !(window->windowFlags() & Qt::WindowDoesNotAcceptFocus) && window->windowType() != Qt::Popup)
            window->activateWindow();
        QSpontaneKeyEvent::setSpontaneous(event.get());
        qApp->notify(guard, event.get());
    });
}

void postMouse(QEvent::Type type, QWidget* target, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPoint global = target->mapToGlobal(at);
    const QPoint inWindow = target->mapTo(target->window(), at);
    deliverLater(target, std::make_shared<QMouseEvent>(type, QPointF(at), QPointF(inWindow), QPointF(global), button,
                                                       held, Qt::NoModifier));
}

// The pointer moves onto the point, the left button goes down and up again.
void postClick(QWidget* target, QPoint at) {
    postMouse(QEvent::MouseMove, target, at, Qt::NoButton, Qt::NoButton);
    postMouse(QEvent::MouseButtonPress, target, at, Qt::LeftButton, Qt::LeftButton);
    postMouse(QEvent::MouseButtonRelease, target, at, Qt::LeftButton, Qt::NoButton);
}

// The native widget under a client point of the control, and the point in its coordinates. A
// graphic control is hit through its windowed parent.
QWidget* widgetAt(TControl& control, int x, int y, QPoint& at) {
    TControl* c = &control;
    while (!c->IsWindowed() && c->Parent()) {
        x += c->Left();
        y += c->Top();
        c = c->Parent();
    }
    auto& windowed = static_cast<TWinControl&>(*c);
    windowed.HandleNeeded();
    QWidget* top = widgetOf(windowed);
    if (!top) return nullptr;
    QWidget* hit = top->childAt(x, y);
    if (!hit) hit = top;
    at = hit->mapFrom(top, QPoint(x, y));
    return hit;
}

QWidget* keyboardWidget() {
    if (QWidget* w = QApplication::focusWidget()) return w;
    if (QWidget* window = QApplication::activeWindow()) return window->focusWidget() ? window->focusWidget() : window;
    return nullptr;
}

// A key goes to whichever widget has the keyboard when it arrives, as typing does.
void postKeyToFocus(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QTimer::singleShot(0, qApp, [key, modifiers, text] {
        QWidget* target = keyboardWidget();
        if (!target) return;
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, modifiers, text);
            QSpontaneKeyEvent::setSpontaneous(&event);
            QPointer<QWidget> guard(target);
            if (!guard) return;
            qApp->notify(guard, &event);
        }
    });
}

QMessageBox* openMessageBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

}  // namespace

void click(TControl& control, int x, int y) {
    QPoint at;
    if (QWidget* target = widgetAt(control, x, y, at)) postClick(target, at);
}

void clickCenter(TControl& control) { click(control, control.Width() / 2, control.Height() / 2); }

void doubleClick(TControl& control, int x, int y) {
    QPoint at;
    QWidget* target = widgetAt(control, x, y, at);
    if (!target) return;
    postClick(target, at);
    postMouse(QEvent::MouseButtonDblClick, target, at, Qt::LeftButton, Qt::LeftButton);
    postMouse(QEvent::MouseButtonRelease, target, at, Qt::LeftButton, Qt::NoButton);
}

void wheel(TControl& control, int x, int y, int notches) {
    QPoint at;
    QWidget* target = widgetAt(control, x, y, at);
    if (!target) return;
    const QPoint delta(0, notches * 120);
    deliverLater(target, std::make_shared<QWheelEvent>(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), delta,
                                                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false));
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) text = QStringLiteral("\r");
    else if (key == Qt::Key_Escape) text = QString(QChar(0x1b));
    else if (key == Qt::Key_Backspace) text = QString(QChar(0x08));
    else if (key == Qt::Key_Tab) text = QStringLiteral("\t");
    postKeyToFocus(key, modifiers, text);
}

void typeText(const QString& text) {
    for (const QChar ch : text) {
        int key = ch.toUpper().unicode();
        if (ch == '.') key = Qt::Key_Period;
        else if (ch == '-') key = Qt::Key_Minus;
        else if (ch == ' ') key = Qt::Key_Space;
        const Qt::KeyboardModifiers modifiers = ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        postKeyToFocus(key, modifiers, QString(ch));
    }
}

TForm* activeModalForm() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isActiveWindow()) return nullptr;
    // The program's windows are the application's forms; a native box or dialog is none.
    for (int i = 0; i < Application->ComponentCount(); ++i) {
        auto* form = dynamic_cast<TForm*>(Application->Components(i));
        if (form && form->BackendData == modal) return form;
    }
    return nullptr;
}

bool idleIn(const TForm& mainForm) {
    const QWidget* w = widgetOf(mainForm);
    return w && w->isVisible() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

bool hasKeyboard(const TWinControl& control) {
    const QWidget* w = widgetOf(control);
    return w && w->hasFocus() && w->isActiveWindow();
}

QString messageBoxText() {
    const QMessageBox* box = openMessageBox();
    return box ? box->text() : QString();
}

bool clickMessageBoxButton(TMsgDlgBtn button) {
    QMessageBox* box = openMessageBox();
    if (!box) return false;
    QMessageBox::StandardButton standard = QMessageBox::NoButton;
    switch (button) {
    case mbYes: standard = QMessageBox::Yes; break;
    case mbNo: standard = QMessageBox::No; break;
    case mbOK: standard = QMessageBox::Ok; break;
    case mbCancel: standard = QMessageBox::Cancel; break;
    case mbAbort: standard = QMessageBox::Abort; break;
    case mbRetry: standard = QMessageBox::Retry; break;
    case mbIgnore: standard = QMessageBox::Ignore; break;
    }
    QAbstractButton* widget = box->button(standard);
    if (!widget) return false;
    postClick(widget, widget->rect().center());
    return true;
}

QString describeScreen() {
    const QWidget* active = QApplication::activeWindow();
    const QWidget* modal = QApplication::activeModalWidget();
    QString text = QStringLiteral("active window: %1; modal: %2").arg(active ? active->windowTitle() : "none", modal ? modal->windowTitle() : "none");
    if (const QString box = messageBoxText(); !box.isEmpty()) text += QStringLiteral("; message box: ") + box;
    return text;
}

TRect treeNodeRect(TTreeView& tree, const TTreeNode& node) {
    auto* view = dynamic_cast<QTreeWidget*>(widgetOf(tree));
    if (!view) return {};
    const auto wanted = reinterpret_cast<quintptr>(&node);
    for (QTreeWidgetItemIterator it(view); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).value<quintptr>() != wanted) continue;
        const QRect r = view->visualItemRect(*it);
        if (r.isEmpty() || !view->viewport()->rect().intersects(r)) return {};
        const QPoint topLeft = view->viewport()->mapTo(view, r.topLeft());
        return Bounds(topLeft.x(), topLeft.y(), r.width(), r.height());
    }
    return {};
}

}  // namespace robot
