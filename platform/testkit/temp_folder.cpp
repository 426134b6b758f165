#include "platform/testkit/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <stdexcept>

TempFolder::TempFolder() {
    QTemporaryDir dir(QDir::tempPath() + "/loomwright-test-XXXXXX");
    dir.setAutoRemove(false);
    if (!dir.isValid()) throw std::runtime_error("cannot create a temporary folder");
    path_ = dir.path();
}

TempFolder::~TempFolder() { QDir(path_).removeRecursively(); }

QString TempFolder::file(const QString& name) const { return path_ + "/" + name; }

QString TempFolder::write(const QString& name, const QByteArray& bytes) const {
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write test file");
    f.write(bytes);
    return full;
}

QByteArray readFileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
