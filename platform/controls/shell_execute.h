#pragma once

#include <QString>
#include <functional>

// Asks the desktop to open a web address ("open" verb). Tests install their own opener, so
// no test ever reaches a real host.
bool ShellOpenUrl(const QString& url);
using TUrlOpener = std::function<bool(const QString&)>;
// Installs an opener; an empty one returns to the desktop's.
void SetUrlOpener(TUrlOpener opener);
