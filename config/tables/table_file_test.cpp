#include "config/tables/table_file.h"

#include "platform/testkit/exception_message.h"
#include "platform/testkit/temp_folder.h"
#include "platform/xml/xml_document.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const TTable_File Shape{"Things", "SW_VERSION = 1.001", {{"Enable", "Y"}, {"Name", ""}, {"Swap", "N"}}, 3, 1};

class TableFile : public ::testing::Test {
protected:
    QString read() const {
        QFile f(folder.file("t.xml"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    TempFolder folder;
    QString file = folder.file("t.xml");
    TXMLDocument xml{nullptr};
};

TEST_F(TableFile, WritesTheRootTheVersionCommentAndOneRowPerTableRow) {
    Write_Table_File(xml, file, Shape, {{"Y", "A & B", ""}, {"N", "x", "Y"}});
    EXPECT_EQ(read(),
              "<Things><row Enable=\"Y\" Name=\"A &amp; B\" Swap=\"\"/><row Enable=\"N\" Name=\"x\" Swap=\"Y\"/>"
              "</Things><!--SW_VERSION = 1.001-->");
    EXPECT_FALSE(xml.Active());
}

TEST_F(TableFile, ReadsBackEveryTextExactly) {
    const TTable_Rows rows{{"Y", "  two blanks  ", "N"}, {"N", "-----BEGIN-----\nAB\r\n\tCD\n-----END-----", ""}};
    Write_Table_File(xml, file, Shape, rows);
    EXPECT_EQ(Read_Table_File(xml, file, Shape), rows);
}

// Every row is read, also beyond the table's size: the window decides what to do with them.
TEST_F(TableFile, MissingAttributesTakeTheirDefaultsAndOnlyElementsBelowTheFirstElementAreRows) {
    folder.write("t.xml",
                 "<?xml version=\"1.0\"?><!--head--><Things><row Name=\"a\"/><!--note--><row Enable=\"N\" "
                 "Other=\"1\"/>text<row/><row/></Things><Other><row Name=\"never\"/></Other>");
    EXPECT_EQ(Read_Table_File(xml, file, Shape),
              TTable_Rows({{"Y", "a", "N"}, {"N", "", "N"}, {"Y", "", "N"}, {"Y", "", "N"}}));
    EXPECT_FALSE(xml.Active());
}

// A default may follow the cells read before it in the row.
TEST_F(TableFile, ARowDefaultSeesTheCellsReadBeforeIt) {
    const TTable_File shape{"Things", "SW_VERSION = 1.001",
                            {{"Timer", "N"}, {"Time", "", [](const QStringList& earlier) {
                                  return earlier.value(0) == "Y" ? QString("0") : QString();
                              }}}, 10, 0};
    folder.write("t.xml", "<Things><row Timer=\"Y\"/><row/><row Timer=\"Y\" Time=\"\"/></Things>");
    EXPECT_EQ(Read_Table_File(xml, file, shape), TTable_Rows({{"Y", "0"}, {"N", ""}, {"Y", ""}}));
}

TEST_F(TableFile, AKeyGapIsAnEmptyKeyBeforeAFilledOne) {
    const struct {
        QStringList keys;
        int gap;
    } cases[] = {
        {{}, -1}, {{"a", "b"}, -1}, {{"a", "", " "}, -1}, {{"a", " ", "c"}, 1}, {{"", "", "c", "", "e"}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(First_Key_Gap(c.keys), c.gap) << c.keys.join('|').toStdString();
}

TEST_F(TableFile, ADamagedFileRaisesAndAFailedWriteKeepsTheOldFile) {
    folder.write("t.xml", "<Things><row Name=\"a\"></Things>");
    EXPECT_FALSE(messageOf([&] { Read_Table_File(xml, file, Shape); }).isEmpty());
    EXPECT_FALSE(xml.Active());

    Write_Table_File(xml, file, Shape, {{"Y", "kept", "N"}});
    const QString before = read();
    EXPECT_FALSE(messageOf([&] { Write_Table_File(xml, folder.file("missing/t.xml"), Shape, {}); }).isEmpty());
    EXPECT_EQ(read(), before);
}

const TTable_Groups_File Groups{"Both",
                                "SW_VERSION = 1.000",
                                {{"First", {{"Name", Required}, {"Swap", "N"}}}, {"Second", {{"Type", ""}}}}};

TEST_F(TableFile, GroupsAreWrittenInTheirOrderAndReadBack) {
    const std::vector<TTable_Rows> rows{{{"a", "Y"}, {" b ", ""}}, {}};
    Write_Table_Groups(xml, file, Groups, rows);
    EXPECT_EQ(read(),
              "<Both><First><row Name=\"a\" Swap=\"Y\"/><row Name=\" b \" Swap=\"\"/></First><Second/></Both>"
              "<!--SW_VERSION = 1.000-->");
    const TTable_Groups_Read back = Read_Table_Groups(xml, file, Groups);
    EXPECT_EQ(back.Rows, rows);
    EXPECT_TRUE(back.Error.isEmpty());
    EXPECT_FALSE(xml.Active());
}

// A row without a required attribute ends the reading: the rows before it stay, the error
// says which attribute and row; a missing group has no rows and is named.
TEST_F(TableFile, AMissingRequiredAttributeStopsTheReadingAtItsRow) {
    folder.write("t.xml", "<Both><First><row Name=\"a\"/><row Swap=\"Y\"/><row Name=\"c\"/></First>"
                          "<Second><row Type=\"t\"/></Second></Both>");
    const TTable_Groups_Read read = Read_Table_Groups(xml, file, Groups);
    EXPECT_EQ(read.Rows, std::vector<TTable_Rows>({{{"a", "N"}}, {}}));
    EXPECT_EQ(read.Error, "Attribute \"Name\" is missing in row 2 of " + file + ".");

    // A group of another name is no group: its table reads empty, and the reader says so.
    folder.write("t.xml", "<Both><Frist><row Name=\"a\"/></Frist><Second><row/></Second></Both>");
    const TTable_Groups_Read misnamed = Read_Table_Groups(xml, file, Groups);
    EXPECT_EQ(misnamed.Rows, std::vector<TTable_Rows>({{}, {{""}}}));
    EXPECT_EQ(misnamed.Error, "Group \"First\" is missing in " + file + ".");
}

}  // namespace
