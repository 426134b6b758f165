#include "platform/system/atomic_file.h"

#include "platform/system/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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

// The target a path names: a link is followed, so the file it names is replaced and the link stays.
QString resolved(const QString& Path) {
    const QFileInfo info(Path);
    return info.isSymLink() ? info.symLinkTarget() : Path;
}

// The temporary files of a target: "." + its name + "." + the six characters mkstemp adds.
QString tempPattern(const QFileInfo& Target) {
    return QStringLiteral("^\\.%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(Target.fileName()));
}

}  // namespace

void TAtomic_File::Remove_Stale(const QString& Path) {
    const QFileInfo target(resolved(Path));
    const QDir folder = target.absoluteDir();
    const QRegularExpression pattern(tempPattern(target));
    for (const QString& name : folder.entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!pattern.match(name).hasMatch()) continue;
        const QByteArray path = native(folder.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) continue;
        // A writer at work holds its lock; a killed one has lost it.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.constData());
        ::close(fd);
    }
}

TAtomic_File::TAtomic_File(const QString& Path) : target_(resolved(Path)) {}

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
    Remove_Stale(target_);
    const QFileInfo info(target_);
    QByteArray pattern = native(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) return fail(errno);
    temp_ = QFile::decodeName(pattern);
    // Held until the file is renamed or removed: it tells this file from one a killed writer
    // left. A file system without locks leaves its temporary files to the user.
    ::flock(fd_, LOCK_EX | LOCK_NB);
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
    // Renamed while still open: the lock that tells a writer at work from a killed one holds
    // until the file has its name.
    if (::rename(native(temp_).constData(), target.constData()) != 0) return fail(errno);
    temp_.clear();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
    return true;
}
