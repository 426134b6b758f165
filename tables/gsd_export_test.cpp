#include "tables/gsd_export.h"

#include "tables/exports.h"
#include "config/tables/table_window_fixture.h"
#include "platform/testkit/exception_message.h"

#include <QFile>
#include <QRegularExpression>

namespace {

QByteArray testdata(const char* name) {
    QFile f(QStringLiteral(LW_TESTDATA "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing testdata>");
}

QStringList lines(const QByteArray& text) {
    QStringList out = QString::fromLatin1(text).split("\r\n");
    out.removeLast();  // after the last line end
    return out;
}

// The module definitions between "Module=" and "EndModule", as "identifier bytes|number".
QStringList modules(const QByteArray& text) {
    QStringList out;
    const QStringList l = lines(text);
    for (int i = 0; i < l.size(); ++i)
        if (l[i].startsWith("Module=")) out << l[i].section("\" ", 1) + "|" + l[i + 1];
    return out;
}

QString keyword(const QByteArray& text, const QString& name) {
    for (const QString& line : lines(text))
        if (line.startsWith(name + "=")) return line.mid(name.size() + 1);
    return "<none>";
}

TEST(GSDText, MatchesTheExpectedFilesLineForLine) {
    EXPECT_EQ(GSD_File_Text(100, 10), testdata("gsd_in100_out10.gsd"));
    EXPECT_EQ(GSD_File_Text(0, 65), testdata("gsd_in0_out65.gsd"));
}

// What a reader of GSD files relies on: ASCII lines ended by CR LF, comments after ";",
// "keyword = value" entries, and the module and slot lists the lengths call for.
TEST(GSDText, IsAGsdFileOfAsciiLinesWithTheBannerInComments) {
    const QByteArray text = GSD_File_Text(1438, 0);
    EXPECT_FALSE(text.contains('\n' + QByteArray(1, '\n')));
    EXPECT_EQ(text.count("\r\n"), text.count('\n'));
    for (char c : text) EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 32 && c < 127)) << int(c);
    const QStringList l = lines(text);
    for (int i = 1; i < 21; ++i) {
        EXPECT_EQ(l[i].size(), 85) << l[i].toStdString();
        EXPECT_TRUE(l[i].startsWith(";*")) << i;
    }
    EXPECT_EQ(l[0], ";");
    EXPECT_EQ(l[23], "#Profibus_DP");
    static const QRegularExpression entry(R"(^(;.*|#Profibus_DP|[A-Za-z0-9_.()+-]+ *= *.+|End[A-Za-z_]+|[A-Za-z_]+_End|PrmText.*|)"
                                          R"(SlotDefinition|Unsigned(8|16) \d+ \d+-\d+|Bit\(\d\) \d \d-\d|\d+|)$)");
    for (const QString& line : l) EXPECT_TRUE(entry.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(l.contains("GSD_Revision = 5"));
    EXPECT_TRUE(l.contains("Ident_Number = 0x0E72"));
}

TEST(GSDText, ModulesCarryAtMost64BytesAndAreNumberedAcrossInputsAndOutputs) {
    struct Case {
        int x, y;
        QStringList first_modules;
        int count;
        QString last_module;
    } cases[] = {
        {64, 0, {"0x42,0x3F,0x00,0x01|1"}, 1, "0x42,0x3F,0x00,0x01|1"},
        {100, 10, {"0x42,0x3F,0x00,0x01|1", "0x42,0x23,0x00,0x02|2", "0x82,0x09,0x00,0x03|3"}, 3, "0x82,0x09,0x00,0x03|3"},
        {1438, 0, {"0x42,0x3F,0x00,0x01|1"}, 23, "0x42,0x1D,0x00,0x17|23"},
        {0, 65, {"0x82,0x3F,0x00,0x01|1", "0x82,0x00,0x00,0x02|2"}, 2, "0x82,0x00,0x00,0x02|2"},
        {256 * 64, 1, {"0x42,0x3F,0x00,0x01|1"}, 257, "0x82,0x00,0x00,0x101|257"},
        {0, 0, {}, 0, ""},
    };
    for (const Case& c : cases) {
        const QByteArray text = GSD_File_Text(c.x, c.y);
        const QStringList m = modules(text);
        const std::string name = std::to_string(c.x) + "/" + std::to_string(c.y);
        ASSERT_EQ(m.size(), c.count) << name;
        EXPECT_EQ(m.mid(0, c.first_modules.size()), c.first_modules) << name;
        if (c.count) {
            EXPECT_EQ(m.last(), c.last_module) << name;
        }
        if (c.count >= 16) {
            EXPECT_TRUE(m[15].startsWith("0x42,0x3F,0x00,0x10|16")) << name;
        }
        EXPECT_EQ(keyword(text, "Max_Module"), QString::number(c.count)) << name;
        EXPECT_EQ(keyword(text, "Max_Input_Len"), QString::number(c.x)) << name;
        EXPECT_EQ(keyword(text, "Max_Output_Len"), QString::number(c.y)) << name;
        EXPECT_EQ(keyword(text, "Max_Data_Len"), QString::number(c.x + c.y)) << name;
        EXPECT_EQ(text.count("Slot("), c.count) << name;
        if (c.count) {
            EXPECT_TRUE(text.contains(QStringLiteral("Slot(%1) = \"Slot %1\" %1 %1\r\n").arg(c.count).toLatin1()));
        }
    }
}

TEST(GSDText, TheChosenNameEndsInGsd) {
    EXPECT_EQ(GSD_File_Name("Slave"), "Slave.gsd");
    EXPECT_EQ(GSD_File_Name("SLAVE.GSD"), "SLAVE.GSD");
    EXPECT_EQ(GSD_File_Name("a.gsd.txt"), "a.gsd.txt.gsd");
    EXPECT_EQ(GSD_File_Name("a.gsd.gsd"), "a.gsd.gsd");
}

class GSDExport : public ProjectFixture {
protected:
    void writeParGen(const QByteArray& elements) {
        folder.write("ParGen.xml", "<Par_Gen>" + elements + "</Par_Gen><!--SW_VERSION = 1.001-->");
    }
    QString target = folder.file("Slave.gsd");
};

TEST_F(GSDExport, WithoutGeneralParametersItRefusesAndAsksNothing) {
    Create_GSD_File();
    EXPECT_EQ(boxTexts(), QStringList({"Error! Please set the Set Communication Parameter before to create the GSD file"}));
    EXPECT_EQ(driver().boxes()[0].type, mtError);
    EXPECT_TRUE(driver().fileDialogs().empty());
}

TEST_F(GSDExport, WritesTheChosenFileFromTheCrossedLengths) {
    writeParGen("<PROFINET_NB_IN>10</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>");
    driver().answerNextFileDialog(folder.file("Slave"));
    Create_GSD_File();
    ASSERT_EQ(driver().fileDialogs().size(), 1u);
    const TFileDialogRequest& asked = driver().fileDialogs()[0];
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(asked.InitialDir, Project_Path);
    EXPECT_EQ(asked.Filter, "Generic Station Description (*.gsd)|*.gsd");
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(fileBytes("Slave.gsd"), GSD_File_Text(100, 10));

    // Missing or unreadable lengths count as 0.
    writeParGen("<PROFINET_NB_IN>many</PROFINET_NB_IN>");
    driver().answerNextFileDialog(folder.file("Empty.gsd"));
    Create_GSD_File();
    EXPECT_EQ(fileBytes("Empty.gsd"), GSD_File_Text(0, 0));
}

TEST_F(GSDExport, AnExistingFileIsReplacedOnlyAfterYes) {
    writeParGen("<PROFINET_NB_IN>1</PROFINET_NB_IN>");
    folder.write("Slave.gsd", "old");
    driver().answerNextFileDialog(target);
    driver().answerNextBox(mrNo);
    Create_GSD_File();
    EXPECT_EQ(boxTexts(), QStringList({"File already exists! Do you want to overwrite the file?"}));
    EXPECT_EQ(fileBytes("Slave.gsd"), "old");

    driver().answerNextFileDialog(target);
    driver().answerNextBox(mrYes);
    Create_GSD_File();
    EXPECT_EQ(fileBytes("Slave.gsd"), GSD_File_Text(0, 1));

    driver().answerNextFileDialog(std::nullopt);
    folder.write("Slave.gsd", "kept");
    Create_GSD_File();
    EXPECT_EQ(fileBytes("Slave.gsd"), "kept");
}

TEST_F(GSDExport, AFileThatCannotBeWrittenIsReportedAndNothingIsLeftBehind) {
    writeParGen("");
    driver().answerNextFileDialog(folder.file("missing/Slave.gsd"));
    EXPECT_EQ(messageOf([] { Create_GSD_File(); }), "Cannot create file \"" + folder.file("missing/Slave.gsd") +
                                                    "\": No such file or directory.");
    EXPECT_FALSE(QFile::exists(folder.file("missing/Slave.gsd")));
}

}  // namespace
