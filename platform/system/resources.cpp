#include "platform/system/resources.h"

#include <QDir>
#include <QFile>

namespace {

const QString kResourceFolder = QStringLiteral(":/loomwright/");

QByteArray readResource(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

}  // namespace

QByteArray LoadResourceData(const QString& name) {
    if (name.isEmpty()) return {};
    if (QFile::exists(kResourceFolder + name)) return readResource(kResourceFolder + name);
    for (const QString& entry : QDir(kResourceFolder).entryList(QDir::Files))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return readResource(kResourceFolder + entry);
    return {};
}
