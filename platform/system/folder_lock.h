#pragma once

#include <QString>

// A folder taken by one running program. A lock file in the folder holds the owner's process id,
// and the owner holds the system's lock on that file while it runs: the system lets go of it when
// the program ends, however it ends, so a file left by a program that is gone is taken over.
class TFolder_Lock {
public:
    TFolder_Lock(const QString& Folder, const QString& Name);
    // Lets go of the folder and removes the lock file.
    ~TFolder_Lock();
    TFolder_Lock(const TFolder_Lock&) = delete;
    TFolder_Lock& operator=(const TFolder_Lock&) = delete;

    enum TState {
        lsTaken,     // this program holds the folder now
        lsInUse,     // another running program holds it; Owner names it
        lsNoLock,    // no lock file can be made here (a folder this user cannot write); Error says why
    };
    TState Take();

    // The process id the lock file names; 0 when it names none.
    qint64 Owner() const { return owner_; }
    const QString& Error() const { return error_; }
    const QString& Path() const { return path_; }

private:
    QString path_;
    int fd_ = -1;
    qint64 owner_ = 0;
    QString error_;
};
