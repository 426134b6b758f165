#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <cstdint>
#include <vector>

// Folders and files under the names the program uses. Paths use '/' only; a backslash is an
// ordinary character of a name on this platform.

extern const QChar PathDelim;

// "" becomes "/", as on the original platform.
QString IncludeTrailingPathDelimiter(const QString& path);
// Removes one trailing delimiter, if any.
QString ExcludeTrailingPathDelimiter(const QString& path);
// The folder part with its trailing delimiter ("" when the name has no folder).
QString ExtractFilePath(const QString& fileName);
// The folder part without its trailing delimiter; the root stays "/".
QString ExtractFileDir(const QString& fileName);
QString ExtractFileName(const QString& fileName);
// The extension with its dot ("" when there is none); ".ini" is all extension.
QString ExtractFileExt(const QString& fileName);
// Replaces the extension (or appends one); an empty extension removes it.
QString ChangeFileExt(const QString& fileName, const QString& extension);

// A file (or a link to one), not a folder.
bool FileExists(const QString& fileName);
bool DirectoryExists(const QString& dir);
// Makes the last level only; false when it exists already or its parent is missing.
bool CreateDir(const QString& dir);
// Makes the folder with all its parents; true when the folder exists afterwards. On failure
// Reason, when given, gets the system's reason ("Read-only file system").
bool ForceDirectories(const QString& dir, QString* Reason = nullptr);
// The system's text for an error number, such as "No space left on device".
QString SystemErrorText(int Errno);
// Copies the contents and the permission bits. The target is written under a temporary name
// beside it and renamed over it, so a failed copy never leaves a half-written target. With
// failIfExists an existing target is left alone and the call fails. On failure Reason, when
// given, gets the system's reason ("No space left on device").
bool CopyFile(const QString& from, const QString& to, bool failIfExists, QString* Reason = nullptr);
// Writes bytes as the whole contents of a file, replacing it. The bytes go to a temporary file
// beside the target, are flushed to the disk and then renamed over it, so the target is either
// complete or, when any step fails, left as it was; no temporary file stays behind. On failure
// Reason, when given, gets the system's reason.
bool WriteFileAtomic(const QString& path, const QByteArray& bytes, QString* Reason = nullptr);
// Deletes a file (not a folder).
bool DeleteFile(const QString& fileName);

// File attributes with the original platform's bits. On this platform:
//   faDirectory  a folder
//   faArchive    a regular file
//   faReadOnly   the owner's write permission bit is clear (root may still write it)
//   faHidden     the name begins with "."
// faSysFile and faNormal are never reported.
constexpr uint32_t faReadOnly = 0x1;
constexpr uint32_t faHidden = 0x2;
constexpr uint32_t faSysFile = 0x4;
constexpr uint32_t faDirectory = 0x10;
constexpr uint32_t faArchive = 0x20;
constexpr uint32_t faNormal = 0x80;

struct TSearchRec {
    QString Name;  // name only, without the folder
    uint32_t Attr = 0;
    qint64 Size = 0;  // 0 for folders
};

// True when name matches the wildcard pattern regardless of letter case: '*' matches any run,
// '?' one character, and a pattern ending in ".*" also matches the name without the dot
// ("*.*" matches every name), as the original platform matched.
bool MatchesMask(const QString& name, const QString& pattern);

// The files and folders of folder (never "." and "..") whose names match pattern, sorted by
// name regardless of case. Dangling links are left out. Callers filter by Attr.
std::vector<TSearchRec> FindFiles(const QString& folder, const QString& pattern);

// The full path of the entry of folder named name regardless of case, an exact-case match
// first; "" when there is none. A name with '/' is looked up one level at a time.
QString FindFileIgnoreCase(const QString& folder, const QString& name);

// The path itself when it exists, else the entry it names regardless of case (a relative path
// from the current folder), as the original platform found files; "" when there is none.
QString ExistingPathIgnoreCase(const QString& path);

// The folder of the executable, without a trailing delimiter.
QString ProgramFolder();
// Overrides ProgramFolder (tests point it at a temporary folder); "" returns to the real one.
void SetProgramFolder(const QString& folder);
