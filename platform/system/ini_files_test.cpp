#include "platform/system/ini_files.h"

#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "platform/system/registry.h"
#include "platform/testkit/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& fileName) {
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(IniFiles, BufferedFileWritesOnlyOnUpdateAndReadsBackWithoutCase) {
    TempFolder folder;
    const QString name = folder.file("sub/grid.ini");
    {
        TMemIniFile ini(name);
        ini.WriteInteger("Cols", "Col0", 64);
        ini.WriteString("Cols", "Title", "two\nlines");
        ini.WriteBool("Other", "On", true);
        EXPECT_FALSE(FileExists(name));
        ini.UpdateFile();
    }
    EXPECT_EQ(contentOf(name), "[Cols]\nCol0=64\nTitle=two lines\n\n[Other]\nOn=1\n\n");
    TMemIniFile ini(name);
    EXPECT_EQ(ini.ReadInteger("COLS", "col0", 0), 64);
    EXPECT_TRUE(ini.ReadBool("other", "ON", false));
    EXPECT_EQ(ini.ReadSection("cols"), QStringList({"Col0", "Title"}));
    EXPECT_FALSE(ini.ValueExists("Cols", "Col1"));
    EXPECT_EQ(ini.ReadInteger("Cols", "Title", -7), -7);  // not a number
    ini.EraseSection("COLS");
    EXPECT_FALSE(ini.SectionExists("Cols"));
}

TEST(IniFiles, JunkAndEntriesOutsideSectionsAreSkipped) {
    TempFolder folder;
    static const char junk[] = "Col0=1\n\x01\x02\xff garbage\n[S]\n=x\nA=$1F\nA=2\n;B=3\n";
    const QString name = folder.write("bad.ini", QByteArray(junk, sizeof(junk) - 1));
    TMemIniFile ini(name);
    EXPECT_EQ(ini.ReadSection("S"), QStringList({"A"}));
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 31);  // the first of a repeated name counts
    EXPECT_FALSE(ini.ValueExists("", "Col0"));
}

TEST(IniFiles, DirectFileWritesEveryValueAtOnce) {
    TempFolder folder;
    const QString name = folder.file("direct.ini");
    TIniFile ini(name);
    ini.WriteInteger("Pos", "CP0", 2);
    EXPECT_EQ(TMemIniFile(name).ReadInteger("Pos", "CP0", -1), 2);
}

TEST(IniFiles, UpdateOfAnUnwritableFileRaises) {
    TempFolder folder;
    folder.write("plain", "x");
    TMemIniFile ini(folder.file("plain/inside.ini"));
    ini.WriteInteger("S", "A", 1);
    EXPECT_THROW(ini.UpdateFile(), Exception);
}

// The registry store of the platform keeps its keys in a file, so what one run writes the
// next run reads.
TEST(IniFiles, RegistryValuesSurviveInTheSettingsFile) {
    TempFolder folder;
    const QString file = folder.file("Registry.json");
    SetRegistryFile(file);
    {
        TRegistryIniFile reg("Software\\Loomwright\\Grid");
        reg.WriteInteger("Columns", "Col0", 64);
        reg.WriteString("Columns", "Name", "wide");
        reg.WriteInteger("Columns", "col0", 70);  // the same value, another spelling
    }
    ASSERT_TRUE(FileExists(file));
    SetRegistryFile(file);  // read anew, as at the next start
    TRegistryIniFile reg("\\Software\\Loomwright\\Grid\\");
    EXPECT_EQ(reg.ReadInteger("columns", "COL0", 0), 70);
    EXPECT_EQ(reg.ReadString("Columns", "Name", ""), "wide");
    EXPECT_EQ(reg.ReadString("Columns", "Col0", ""), "70");
    EXPECT_EQ(reg.ReadSection("Columns"), QStringList({"Col0", "Name"}));
    TRegistry plain;
    ASSERT_TRUE(plain.OpenKeyReadOnly("Software\\Loomwright\\Grid\\Columns"));
    EXPECT_EQ(plain.ReadInteger("Col0"), 70);
    reg.EraseSection("Columns");
    EXPECT_FALSE(reg.SectionExists("Columns"));
    SetRegistryFile("");
}

TEST(IniFiles, ACorruptRegistryFileIsAnEmptyStoreThatTheNextWriteReplaces) {
    TempFolder folder;
    const QString file = folder.write("Registry.json", "{ not json");
    SetRegistryFile(file);
    TRegistryIniFile reg("Software\\X");
    EXPECT_EQ(reg.ReadInteger("S", "A", 5), 5);
    reg.WriteInteger("S", "A", 6);
    SetRegistryFile(file);
    EXPECT_EQ(reg.ReadInteger("S", "A", 5), 6);
    SetRegistryFile("");
}

}  // namespace
