#include "platform/system/folder_lock.h"

#include "platform/system/files.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The process id at the start of the file; 0 when there is none.
qint64 readOwner(int fd) {
    char text[32] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    return n > 0 ? QByteArray(text, int(n)).trimmed().toLongLong() : 0;
}

// The file still has its name: the owner before removes its file while it holds the lock, so
// a lock taken on a file already removed is no lock on the folder.
bool stillNamed(int fd, const QByteArray& path) {
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.constData(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

}  // namespace

TFolder_Lock::TFolder_Lock(const QString& Folder, const QString& Name) : path_(QDir(Folder).filePath(Name)) {}

TFolder_Lock::~TFolder_Lock() {
    if (fd_ < 0) return;
    ::unlink(native(path_).constData());
    ::close(fd_);
}

TFolder_Lock::TState TFolder_Lock::Take() {
    if (fd_ >= 0) return lsTaken;
    const QByteArray path = native(path_);
    for (;;) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            error_ = SystemErrorText(errno);
            return lsNoLock;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            owner_ = readOwner(fd);
            ::close(fd);
            if (why == EWOULDBLOCK) return lsInUse;
            error_ = SystemErrorText(why);
            return lsNoLock;
        }
        if (!stillNamed(fd, path)) {
            ::close(fd);
            continue;
        }
        // Whatever an earlier owner left in the file is stale now.
        const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) != pid.size()) {
            error_ = SystemErrorText(errno);
            ::close(fd);
            return lsNoLock;
        }
        fd_ = fd;
        owner_ = ::getpid();
        return lsTaken;
    }
}
