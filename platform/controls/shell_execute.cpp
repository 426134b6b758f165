#include "platform/controls/shell_execute.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
TUrlOpener& opener() {
    static TUrlOpener o;
    return o;
}
}  // namespace

bool ShellOpenUrl(const QString& url) {
    if (opener()) return opener()(url);
    return QDesktopServices::openUrl(QUrl(url));
}

void SetUrlOpener(TUrlOpener o) { opener() = std::move(o); }
