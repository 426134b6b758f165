#include "platform/controls/mouse.h"

#include <QApplication>
#include <QCursor>

TMouse Mouse;

int TMouse::WheelScrollLines() const {
    if (wheelScrollLines_ >= 0) return wheelScrollLines_;
    return qApp ? QApplication::wheelScrollLines() : 3;
}

TPoint TMouse::CursorPos() const {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}
