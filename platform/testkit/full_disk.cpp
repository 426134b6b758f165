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

// Mounts a small tmpfs over Folder; false with the reason in WhyNot when it cannot.
bool mountSmall(const QString& Folder, unsigned long Flags, QString& WhyNot) {
    if (::geteuid() != 0) {
        WhyNot = QStringLiteral("mounting a small file system needs root");
        return false;
    }
    if (::mount("tmpfs", native(Folder).constData(), "tmpfs", Flags, "size=512k") != 0) {
        WhyNot = QStringLiteral("mounting a small file system failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

}  // namespace

FullDisk::FullDisk(const QString& Folder) : folder_(Folder) { mounted_ = mountSmall(Folder, 0, whyNot_); }

FullDisk::~FullDisk() {
    if (mounted_) ::umount2(native(folder_).constData(), MNT_DETACH);
}

ReadOnlyDisk::ReadOnlyDisk(const QString& Folder) : folder_(Folder) { mounted_ = mountSmall(Folder, MS_RDONLY, whyNot_); }

ReadOnlyDisk::~ReadOnlyDisk() {
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
