#include "platform/graphics/bidi_mode.h"

#include <QLocale>

namespace {
std::optional<bool>& overridden() {
    static std::optional<bool> value;
    return value;
}
}  // namespace

bool SysLocaleMiddleEast() {
    if (overridden()) return *overridden();
    return QLocale::system().textDirection() == Qt::RightToLeft;
}

void SetSysLocaleMiddleEastForTests(std::optional<bool> value) { overridden() = value; }
