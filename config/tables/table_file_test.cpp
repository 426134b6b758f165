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

TEST_F(TableFile, AKeyGapIsAnEmptyKeyBeforeAFilledOne) {
    const struct {
        QStringList keys;
        int gap;
    } cases[] = {
        {{}, -1}, {{"a", "b"}, -1}, {{"a", "", " "}, -1}, {{"a", " ", "c"}, 1}, {{"", "", "c", "", "e"}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(First_Key_Gap(c.keys), c.gap) << c.keys.join('|').toStdString();
}

// A default may follow the cells read before it in the row.
TEST_F(TableFile, ARowDefaultSeesTheCellsReadBeforeIt) {
    const TTable_File shape{"Things", "SW_VERSION = 1.001",
                            {{"Timer", "N"}, {"Time", "", [](const QStringList& earlier) {
                                  return earlier.value(0) == "Y" ? QString("0") : QString();
                              }}},
                            3,
                            0};
    folder.write("t.xml", "<Things><row Timer=\"Y\"/><row/><row Timer=\"Y\" Time=\"\"/></Things>");
    EXPECT_EQ(Read_Table_File(xml, file, shape), TTable_Rows({{"Y", "0"}, {"N", ""}, {"Y", ""}}));
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

}  // namespace
