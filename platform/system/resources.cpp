#include "platform/system/resources.h"

#include <QFile>

QByteArray LoadResourceData(const QString& name) {
    QFile f(QStringLiteral(":/loomwright/") + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}
