#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// The parts of a zip package (a workbook or a document) by name, kept in their order, read
// and written whole through libzip.
class TZipPackage {
public:
    // False, with the reason in Error, when the file cannot be read, is no zip archive, or holds
    // a part that inflates beyond 256 MB or 250 times its stored size.
    bool Load(const QString& FileName, QString* Error = nullptr);

    bool Has(const QString& Name) const;
    // Empty when the package has no such part.
    QByteArray Part(const QString& Name) const;
    // Replaces the part or adds it at the end.
    void SetPart(const QString& Name, const QByteArray& Bytes);
    void RemovePart(const QString& Name);

    // The archive's bytes; empty when libzip cannot make it.
    QByteArray Save() const;

private:
    std::vector<std::pair<QString, QByteArray>> parts_;
};
