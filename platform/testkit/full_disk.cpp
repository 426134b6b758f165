#include "platform/testkit/full_disk.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }
QString filler(const QString& folder) { return folder + QStringLiteral("/.filler"); }

}  // namespace

SmallDisk::SmallDisk(const QString& Folder, bool ReadOnly) : folder_(Folder) {
    if (::geteuid() != 0) {
        whyNot_ = QStringLiteral("mounting a small file system needs root");
        return;
    }
    if (::mount("tmpfs", native(Folder).constData(), "tmpfs", ReadOnly ? MS_RDONLY : 0, "size=512k") != 0) {
        whyNot_ = QStringLiteral("mounting a small file system failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(native(folder_).constData(), MNT_DETACH);
}

void FullDisk::Fill() {
    if (!mounted_) return;
    const int fd = ::open(native(filler(folder_)).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) return;
    const std::vector<char> block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // The last page may still take a few bytes.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

void FullDisk::Free() { ::unlink(native(filler(folder_)).constData()); }
