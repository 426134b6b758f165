#include "platform/system/atomic_file.h"

#include "platform/system/files.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The permission bits a new file gets from the process's mask.
mode_t defaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

TAtomic_File::TAtomic_File(const QString& Path) : target_(Path) {
    // A link is followed: the file it names is replaced, the link stays.
    const QFileInfo info(Path);
    if (info.isSymLink()) target_ = info.symLinkTarget();
}

TAtomic_File::~TAtomic_File() { discard(); }

bool TAtomic_File::fail(int Errno) {
    if (error_.isEmpty()) error_ = SystemErrorText(Errno);
    discard();
    return false;
}

void TAtomic_File::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.isEmpty()) ::unlink(native(temp_).constData());
    temp_.clear();
}

bool TAtomic_File::Open() {
    if (target_.isEmpty()) return fail(ENOENT);
    if (QFileInfo(target_).isDir()) return fail(EISDIR);
    const QFileInfo info(target_);
    QByteArray pattern = native(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) return fail(errno);
    temp_ = QFile::decodeName(pattern);
    return true;
}

bool TAtomic_File::Write(const char* Data, qint64 Size) {
    if (fd_ < 0) return fail(EBADF);
    while (Size > 0) {
        const ssize_t n = ::write(fd_, Data, size_t(Size));
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        Data += n;
        Size -= n;
    }
    return true;
}

bool TAtomic_File::Commit(int Mode) {
    if (fd_ < 0) return fail(EBADF);
    struct stat old {};
    const QByteArray target = native(target_);
    const mode_t mode = Mode >= 0                                ? mode_t(Mode)
                        : ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777)
                                                                 : defaultMode();
    if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0) return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
    if (::rename(native(temp_).constData(), target.constData()) != 0) return fail(errno);
    temp_.clear();
    return true;
}
