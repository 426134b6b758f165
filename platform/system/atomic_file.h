#pragma once

#include <QByteArray>
#include <QString>

// A file replaced whole or not at all. The bytes go to a temporary file beside the target,
// written straight to the system without a buffer of its own, so that every failed write is
// seen where it happens; Commit flushes it to the disk and renames it over the target. A
// writer that is not committed removes its temporary file. A writer holds a lock on its
// temporary file while it lives, so that one left by a writer that was killed is told from one
// in use: Open removes those of its target that nobody holds.
class TAtomic_File {
public:
    explicit TAtomic_File(const QString& Path);
    ~TAtomic_File();
    TAtomic_File(const TAtomic_File&) = delete;
    TAtomic_File& operator=(const TAtomic_File&) = delete;

    // False when the temporary file cannot be made (a missing folder, a folder as target).
    bool Open();
    bool Write(const char* Data, qint64 Size);
    bool Write(const QByteArray& Bytes) { return Write(Bytes.constData(), Bytes.size()); }
    // Flushes, closes and renames; the target keeps its permission bits, a new one gets the
    // usual ones. Mode, when not negative, sets the bits instead.
    bool Commit(int Mode = -1);

    // The system's reason of the first failure, such as "No space left on device".
    const QString& Error() const { return error_; }

    // Removes the temporary files of Path that a killed writer left behind; those of a writer
    // at work stay.
    static void Remove_Stale(const QString& Path);

private:
    bool fail(int Errno);
    void discard();

    QString target_;
    QString temp_;
    int fd_ = -1;
    QString error_;
};
