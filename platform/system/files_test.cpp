#include "platform/system/files.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <functional>

#include "platform/testkit/full_disk.h"
#include "platform/testkit/temp_folder.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList names(const std::vector<TSearchRec>& recs) {
    QStringList out;
    for (const auto& r : recs) out << r.Name;
    return out;
}

const TSearchRec* findRec(const std::vector<TSearchRec>& recs, const QString& name) {
    for (const auto& r : recs)
        if (r.Name == name) return &r;
    return nullptr;
}

TEST(PathNames, SplitAndJoin) {
    struct Case {
        const char* what;
        std::function<QString(const QString&)> fn;
        QString in, out;
    };
    const auto changeTo = [](QString ext) { return [ext](const QString& s) { return ChangeFileExt(s, ext); }; };
    const Case cases[] = {
        {"include", IncludeTrailingPathDelimiter, "/a", "/a/"},
        {"include", IncludeTrailingPathDelimiter, "/a/", "/a/"},
        {"include", IncludeTrailingPathDelimiter, "", "/"},
        {"exclude", ExcludeTrailingPathDelimiter, "/a/", "/a"},
        {"exclude", ExcludeTrailingPathDelimiter, "/a", "/a"},
        {"path", ExtractFilePath, "/x/y.txt", "/x/"},
        {"path", ExtractFilePath, "y.txt", ""},
        {"dir", ExtractFileDir, "/x/y.txt", "/x"},
        {"dir", ExtractFileDir, "/y.txt", "/"},
        {"dir", ExtractFileDir, "y.txt", ""},
        {"name", ExtractFileName, "/x/y.txt", "y.txt"},
        {"name", ExtractFileName, "/x/", ""},
        {"ext", ExtractFileExt, "/x/y.tar.gz", ".gz"},
        {"ext", ExtractFileExt, "/x.d/y", ""},
        {"ext", ExtractFileExt, "/x/.ini", ".ini"},
        {"change", changeTo(".ini"), "/x.d/y", "/x.d/y.ini"},
        {"change", changeTo(".bak"), "/x/a.txt", "/x/a.bak"},
        {"change", changeTo(""), "a.txt", "a"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fn(c.in), c.out) << c.what << " of \"" << c.in.toStdString() << '"';
}

TEST(MatchesMask, WildcardsIgnoreCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"gsdml-x.XML", "GSDML*.xml", true},
        {"GSDML.xml", "GSDML*.xml", true},
        {"xGSDML.xml", "GSDML*.xml", false},
        {"GSDML.xml.bak", "GSDML*.xml", false},
        {"GSDML-a.xml-b.xml", "GSDML*.xml", true},  // needs backtracking
        {"Grüße.TXT", "GRÜßE.*", true},
        {"a1.bin", "a?.bin", true},
        {"a.bin", "a?.bin", false},
        {"a12.bin", "a?.bin", false},
        {"README", "*.*", true},  // "*.*" lists names without a dot too
        {"README", "READ*.*", true},
        {"README", "*.txt", false},
        {"", "*", true},
        {"a", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesMask(QString::fromUtf8(c.name), QString::fromUtf8(c.pattern)), c.match)
            << c.name << " ~ " << c.pattern;
}

TEST(FindFiles, ListsMatchingFilesAndFoldersWithAttributes) {
    TempFolder tmp;
    tmp.write("gsdml-x.XML", "12345");
    tmp.write("GSDML.xml", "");
    tmp.write("xGSDML.xml", "");
    tmp.write(".GSDML-hidden.xml", "");
    tmp.write("GSDML1.xml/inner.xml", "");  // a folder named like a file
    const QString locked = tmp.write("GSDML-locked.xml", "");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    const auto recs = FindFiles(tmp.path(), "GSDML*.xml");
    EXPECT_EQ(names(recs), QStringList({"GSDML-locked.xml", "gsdml-x.XML", "GSDML.xml", "GSDML1.xml"}));
    EXPECT_EQ(findRec(recs, "gsdml-x.XML")->Attr, faArchive);
    EXPECT_EQ(findRec(recs, "gsdml-x.XML")->Size, 5);
    EXPECT_EQ(findRec(recs, "GSDML1.xml")->Attr, faDirectory);
    EXPECT_EQ(findRec(recs, "GSDML-locked.xml")->Attr, faArchive | faReadOnly);

    const auto all = FindFiles(tmp.path(), "*");
    EXPECT_EQ(all.size(), 6u);  // no "." or ".."
    ASSERT_NE(findRec(all, ".GSDML-hidden.xml"), nullptr);
    EXPECT_EQ(findRec(all, ".GSDML-hidden.xml")->Attr, faArchive | faHidden);

    EXPECT_TRUE(FindFiles(tmp.file("missing"), "*").empty());
}

TEST(Folders, CreateDirAndForceDirectories) {
    TempFolder tmp;
    EXPECT_FALSE(CreateDir(tmp.file("a/b")));  // one level only
    EXPECT_TRUE(CreateDir(tmp.file("a")));
    EXPECT_FALSE(CreateDir(tmp.file("a")));  // already there
    EXPECT_TRUE(DirectoryExists(tmp.file("a")));
    EXPECT_FALSE(FileExists(tmp.file("a")));

    EXPECT_TRUE(ForceDirectories(tmp.file("x/y/z/")));
    EXPECT_TRUE(DirectoryExists(tmp.file("x/y/z")));
    EXPECT_TRUE(ForceDirectories(tmp.file("x/y")));  // exists: still true

    tmp.write("file", "");
    EXPECT_FALSE(ForceDirectories(tmp.file("file")));
    EXPECT_FALSE(ForceDirectories(tmp.file("file/sub")));
    EXPECT_FALSE(ForceDirectories(""));
}

TEST(CopyFile, OverwritesOnlyWhenAllowedAndLeavesNoTemporaryFiles) {
    TempFolder tmp;
    const QString from = tmp.write("src/a.bin", "new contents");
    const QString to = tmp.write("dst/a.bin", "old");

    EXPECT_FALSE(CopyFile(from, to, true));
    EXPECT_EQ(readAll(to), "old");
    EXPECT_TRUE(CopyFile(from, to, false));
    EXPECT_EQ(readAll(to), "new contents");
    EXPECT_TRUE(CopyFile(from, tmp.file("dst/b.bin"), true));
    EXPECT_EQ(readAll(tmp.file("dst/b.bin")), "new contents");

    EXPECT_FALSE(CopyFile(tmp.file("src/missing"), tmp.file("dst/c.bin"), false));
    EXPECT_FALSE(CopyFile(from, tmp.file("nofolder/a.bin"), false));
    EXPECT_FALSE(CopyFile(from, tmp.file("dst"), false));  // a folder is no target
    EXPECT_EQ(names(FindFiles(tmp.file("dst"), "*")), QStringList({"a.bin", "b.bin"}));
    EXPECT_FALSE(DirectoryExists(tmp.file("nofolder")));
}

TEST(CopyFile, KeepsReadOnlyBit) {
    TempFolder tmp;
    const QString from = tmp.write("a.txt", "x");
    ASSERT_TRUE(QFile::setPermissions(from, QFileDevice::ReadOwner));
    ASSERT_TRUE(CopyFile(from, tmp.file("b.txt"), false));
    EXPECT_EQ(FindFiles(tmp.path(), "b.txt").at(0).Attr, faArchive | faReadOnly);
}

TEST(WriteFileAtomic, WritesWholeFilesAndLeavesTheOldOneOnFailure) {
    TempFolder tmp;
    const QString target = tmp.write("out/a.bin", "old contents that are longer");
    EXPECT_TRUE(WriteFileAtomic(target, QByteArray("\x00\x01new", 5)));
    EXPECT_EQ(readAll(target), QByteArray("\x00\x01new", 5));
    EXPECT_TRUE(WriteFileAtomic(tmp.file("out/b.bin"), QByteArray()));
    EXPECT_TRUE(FileExists(tmp.file("out/b.bin")));
    EXPECT_EQ(readAll(tmp.file("out/b.bin")), QByteArray());

    ASSERT_TRUE(CreateDir(tmp.file("out/dir.bin")));
    EXPECT_FALSE(WriteFileAtomic(tmp.file("out/dir.bin"), "x"));  // a folder is no target
    EXPECT_TRUE(DirectoryExists(tmp.file("out/dir.bin")));
    EXPECT_FALSE(WriteFileAtomic(tmp.file("missing/a.bin"), "x"));
    EXPECT_FALSE(DirectoryExists(tmp.file("missing")));
    EXPECT_FALSE(WriteFileAtomic(tmp.file("out/a.bin/c.bin"), "x"));  // the folder is a file
    EXPECT_EQ(readAll(target), QByteArray("\x00\x01new", 5));
    EXPECT_EQ(names(FindFiles(tmp.file("out"), "*")), QStringList({"a.bin", "b.bin", "dir.bin"}));
}

// On a full disk neither writer passes for a success: each says the system's reason, and the
// old file stays whole, small or large, with no temporary file left beside it.
TEST(WriteFileAtomic, AndCopyFileFailOnAFullDiskAndKeepTheOldFile) {
    TempFolder tmp;
    FullDisk disk(tmp.path());
    SKIP_WITHOUT_FULL_DISK(disk);
    const QByteArray old = "old contents";
    const QString target = tmp.write("a.bin", old);
    const QString source = tmp.write("src.bin", QByteArray(200, 's'));
    disk.Fill();
    for (const qsizetype size : {qsizetype(10), qsizetype(300 * 1024)}) {
        QString reason;
        EXPECT_FALSE(WriteFileAtomic(target, QByteArray(size, 'n'), &reason)) << size;
        EXPECT_EQ(reason, "No space left on device");
    }
    QString reason;
    EXPECT_FALSE(CopyFile(source, target, false, &reason));
    EXPECT_EQ(reason, "No space left on device");
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(names(FindFiles(tmp.path(), "*")), QStringList({".filler", "a.bin", "src.bin"}));

    disk.Free();
    EXPECT_TRUE(CopyFile(source, target, false));
    EXPECT_EQ(readAll(target), QByteArray(200, 's'));
}

TEST(DeleteFile, FilesOnly) {
    TempFolder tmp;
    const QString f = tmp.write("a.txt", "x");
    ASSERT_TRUE(CreateDir(tmp.file("sub")));
    EXPECT_FALSE(DeleteFile(tmp.file("sub")));
    EXPECT_TRUE(DirectoryExists(tmp.file("sub")));
    EXPECT_TRUE(DeleteFile(f));
    EXPECT_FALSE(FileExists(f));
    EXPECT_FALSE(DeleteFile(f));
}

TEST(FindFileIgnoreCase, PrefersExactCaseAndWalksSubfolders) {
    TempFolder tmp;
    tmp.write("Setup.INI", "");
    tmp.write("data.ini", "");
    tmp.write("Data.ini", "");
    tmp.write("Bin/Bank1.bin", "");

    EXPECT_EQ(FindFileIgnoreCase(tmp.path(), "setup.ini"), tmp.file("Setup.INI"));
    EXPECT_EQ(FindFileIgnoreCase(tmp.path(), "Data.ini"), tmp.file("Data.ini"));
    EXPECT_EQ(FindFileIgnoreCase(tmp.path(), "data.ini"), tmp.file("data.ini"));
    EXPECT_EQ(FindFileIgnoreCase(tmp.path(), "DATA.INI"), tmp.file("Data.ini"));  // first in sorted order
    EXPECT_EQ(FindFileIgnoreCase(tmp.path(), "bin"), tmp.file("Bin"));
    EXPECT_EQ(FindFileIgnoreCase(tmp.path() + "/", "BIN/bank1.BIN"), tmp.file("Bin/Bank1.bin"));
    EXPECT_EQ(FindFileIgnoreCase(tmp.path(), "setup.in"), "");
    EXPECT_EQ(FindFileIgnoreCase(tmp.path(), "bin/missing"), "");
    EXPECT_EQ(FindFileIgnoreCase(tmp.file("missing"), "x"), "");
}

TEST(ExistingPathIgnoreCase, GivesThePathOrTheEntryItNamesInAnyCase) {
    TempFolder tmp;
    tmp.write("Bin/Bank1.bin", "");
    EXPECT_EQ(ExistingPathIgnoreCase(tmp.file("Bin/Bank1.bin")), tmp.file("Bin/Bank1.bin"));
    EXPECT_EQ(ExistingPathIgnoreCase(tmp.path().toUpper() + "/BIN/BANK1.BIN"), tmp.file("Bin/Bank1.bin"));
    EXPECT_EQ(ExistingPathIgnoreCase(tmp.path() + "/bin"), tmp.file("Bin"));
    EXPECT_EQ(ExistingPathIgnoreCase(tmp.path() + "/BIN/missing"), "");
    EXPECT_EQ(ExistingPathIgnoreCase(""), "");
}

TEST(ProgramFolder, OverriddenAndRestored) {
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
    TempFolder tmp;
    SetProgramFolder(tmp.path() + "/");
    EXPECT_EQ(ProgramFolder(), tmp.path());
    SetProgramFolder("");
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
}

}  // namespace
