#include "platform/controls/mouse.h"

#include <QApplication>

TMouse Mouse;

int TMouse::WheelScrollLines() const {
    if (wheelScrollLines_ >= 0) return wheelScrollLines_;
    return qApp ? QApplication::wheelScrollLines() : 3;
}
