#pragma once

#include <QString>

// The text on the system clipboard.
QString ClipboardText();
void SetClipboardText(const QString& text);
