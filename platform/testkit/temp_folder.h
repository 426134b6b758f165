#pragma once

#include <QString>

// A fresh folder under the system's temporary folder, removed with its contents on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const QString& path() const { return path_; }
    // path() joined with a relative name.
    QString file(const QString& name) const;
    // Writes bytes to a file below the folder, making its parent folders.
    QString write(const QString& name, const QByteArray& bytes) const;

private:
    QString path_;
};

// The bytes of a file; "<missing>" when it cannot be read, so that a comparison shows why.
QByteArray readFileBytes(const QString& path);
