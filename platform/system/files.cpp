#include "platform/system/files.h"

#include "platform/system/atomic_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

const QChar PathDelim = QLatin1Char('/');

QString IncludeTrailingPathDelimiter(const QString& path) {
    return path.endsWith(PathDelim) ? path : path + PathDelim;
}

QString ExcludeTrailingPathDelimiter(const QString& path) {
    return path.endsWith(PathDelim) ? path.chopped(1) : path;
}

QString ExtractFilePath(const QString& fileName) {
    return fileName.left(fileName.lastIndexOf(PathDelim) + 1);
}

QString ExtractFileDir(const QString& fileName) {
    const qsizetype i = fileName.lastIndexOf(PathDelim);
    if (i < 0) return QString();
    // Keep the delimiter when it is the root or part of a run of delimiters.
    const qsizetype len = (i > 0 && fileName[i - 1] != PathDelim) ? i : i + 1;
    return fileName.left(len);
}

QString ExtractFileName(const QString& fileName) { return fileName.mid(fileName.lastIndexOf(PathDelim) + 1); }

namespace {
// Position of the extension's dot, or -1.
qsizetype extensionDot(const QString& fileName) {
    for (qsizetype i = fileName.size() - 1; i >= 0; --i) {
        if (fileName[i] == QLatin1Char('.')) return i;
        if (fileName[i] == PathDelim) break;
    }
    return -1;
}
}  // namespace

QString ExtractFileExt(const QString& fileName) {
    const qsizetype dot = extensionDot(fileName);
    return dot < 0 ? QString() : fileName.mid(dot);
}

QString ChangeFileExt(const QString& fileName, const QString& extension) {
    const qsizetype dot = extensionDot(fileName);
    return (dot < 0 ? fileName : fileName.left(dot)) + extension;
}

bool FileExists(const QString& fileName) { return !fileName.isEmpty() && QFileInfo(fileName).isFile(); }

bool DirectoryExists(const QString& dir) { return !dir.isEmpty() && QFileInfo(dir).isDir(); }

bool CreateDir(const QString& dir) { return !dir.isEmpty() && QDir().mkdir(dir); }

namespace {
bool failWith(QString* Reason, const QString& Text) {
    if (Reason) *Reason = Text;
    return false;
}
}  // namespace

QString SystemErrorText(int Errno) { return QString::fromLocal8Bit(std::strerror(Errno)); }

bool ForceDirectories(const QString& dir, QString* Reason) {
    if (dir.isEmpty()) return failWith(Reason, SystemErrorText(ENOENT));
    QDir().mkpath(dir);
    if (DirectoryExists(dir)) return true;
    if (!Reason) return false;
    // The first level that is missing tells why it cannot be made.
    QString missing = QFileInfo(dir).absoluteFilePath();
    while (!QFileInfo::exists(QFileInfo(missing).absolutePath()) && QFileInfo(missing).absolutePath() != missing)
        missing = QFileInfo(missing).absolutePath();
    if (QFileInfo(missing).exists()) return failWith(Reason, SystemErrorText(ENOTDIR));
    const int made = ::mkdir(QFile::encodeName(missing).constData(), 0777);
    if (made == 0) {
        ::rmdir(QFile::encodeName(missing).constData());
        return failWith(Reason, SystemErrorText(EIO));
    }
    return failWith(Reason, SystemErrorText(errno));
}

bool CopyFile(const QString& from, const QString& to, bool failIfExists, QString* Reason) {
    const QFileInfo source(from);
    if (!source.isFile()) return failWith(Reason, QStringLiteral("No such file or directory"));
    if (failIfExists && QFileInfo::exists(to)) return failWith(Reason, QStringLiteral("File exists"));
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return failWith(Reason, in.errorString());
    TAtomic_File out(to);
    if (!out.Open()) return failWith(Reason, out.Error());
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) return failWith(Reason, in.errorString());
        if (!out.Write(buffer, n)) return failWith(Reason, out.Error());
    }
    // Only the owner/group/other bits: the "user" flags describe the caller, not the file.
    const int mode = (source.permissions() & QFileDevice::Permissions::fromInt(0x7077)).toInt();
    // Qt's bits are 0xUGO-style nibbles (owner 0x7000, group 0x70, other 0x7).
    const int posix = ((mode >> 12) & 7) << 6 | ((mode >> 4) & 7) << 3 | (mode & 7);
    if (!out.Commit(posix)) return failWith(Reason, out.Error());
    return true;
}

bool WriteFileAtomic(const QString& path, const QByteArray& bytes, QString* Reason) {
    TAtomic_File out(path);
    if (!out.Open() || !out.Write(bytes) || !out.Commit()) return failWith(Reason, out.Error());
    return true;
}

bool DeleteFile(const QString& fileName) { return FileExists(fileName) && QFile::remove(fileName); }

namespace {
bool sameFolded(QChar a, QChar b) { return a == b || a.toCaseFolded() == b.toCaseFolded(); }

bool matchesWildcards(const QString& name, const QString& pattern) {
    // Greedy match that backtracks to the last '*' on a mismatch.
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || sameFolded(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*')) ++p;
    return p == pattern.size();
}

int compareNames(const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c : a.compare(b, Qt::CaseSensitive);
}

QStringList entryNames(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::NoSort);
}

QString joinPath(const QString& folder, const QString& name) {
    return folder.isEmpty() ? name : IncludeTrailingPathDelimiter(folder) + name;
}
}  // namespace

bool MatchesMask(const QString& name, const QString& pattern) {
    if (matchesWildcards(name, pattern)) return true;
    return pattern.endsWith(QLatin1String(".*")) && matchesWildcards(name, pattern.chopped(2));
}

std::vector<TSearchRec> FindFiles(const QString& folder, const QString& pattern) {
    std::vector<TSearchRec> result;
    for (const QString& name : entryNames(folder)) {
        if (!MatchesMask(name, pattern)) continue;
        const QFileInfo info(joinPath(folder, name));
        if (!info.exists()) continue;
        TSearchRec rec;
        rec.Name = name;
        if (info.isDir()) rec.Attr |= faDirectory;
        if (info.isFile()) {
            rec.Attr |= faArchive;
            rec.Size = info.size();
        }
        if (!(info.permissions() & QFileDevice::WriteOwner)) rec.Attr |= faReadOnly;
        if (name.startsWith(QLatin1Char('.'))) rec.Attr |= faHidden;
        result.push_back(std::move(rec));
    }
    std::sort(result.begin(), result.end(),
              [](const TSearchRec& a, const TSearchRec& b) { return compareNames(a.Name, b.Name) < 0; });
    return result;
}

QString FindFileIgnoreCase(const QString& folder, const QString& name) {
    QString path = folder;
    const QStringList parts = name.split(PathDelim, Qt::SkipEmptyParts);
    if (parts.isEmpty()) return QString();
    for (const QString& part : parts) {
        const QString exact = joinPath(path, part);
        if (QFileInfo::exists(exact)) {
            path = exact;
            continue;
        }
        // Several names may differ only in case here; take the first in sorted order.
        QString found;
        for (const QString& entry : entryNames(path))
            if (entry.compare(part, Qt::CaseInsensitive) == 0 && (found.isEmpty() || compareNames(entry, found) < 0))
                found = entry;
        if (found.isEmpty()) return QString();
        path = joinPath(path, found);
    }
    return path;
}

QString ExistingPathIgnoreCase(const QString& path) {
    if (path.isEmpty()) return QString();
    if (QFileInfo::exists(path)) return path;
    return path.startsWith(PathDelim) ? FindFileIgnoreCase(QString(PathDelim), path) : FindFileIgnoreCase(".", path);
}

namespace {
std::mutex programFolderMutex;
QString programFolderOverride;
}  // namespace

QString ProgramFolder() {
    {
        std::lock_guard lock(programFolderMutex);
        if (!programFolderOverride.isEmpty()) return programFolderOverride;
    }
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    // Before the application object exists.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return exe.isEmpty() ? QDir::currentPath() : QFileInfo(exe).absolutePath();
}

void SetProgramFolder(const QString& folder) {
    std::lock_guard lock(programFolderMutex);
    programFolderOverride = folder.size() > 1 ? ExcludeTrailingPathDelimiter(folder) : folder;
}
