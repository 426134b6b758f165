#include "platform/controls/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

QString ClipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

void SetClipboardText(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}
