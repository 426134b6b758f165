#include "config/general/par_gen_file.h"

#include "platform/testkit/exception_message.h"
#include "platform/testkit/temp_folder.h"
#include "platform/xml/xml_document.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class ParGenFile : public ::testing::Test {
protected:
    TempFolder folder;
    TXMLDocument xml{nullptr};
    QString file = folder.file("ParGen.xml");
};

// Whatever stands where the file should be is read or refused with the reason, never taken
// for a missing file; only a missing file gives the defaults without a word.
TEST_F(ParGenFile, OnlyAMissingFileGivesTheDefaults) {
    TParGen_Values values;
    values.SetText(TParGen_Item::PROFINET_Master_IP1, "10");
    values.Read(xml, file);
    EXPECT_EQ(values.Text(TParGen_Item::PROFINET_Master_IP1), "192");

    QDir().mkpath(file);
    values.SetText(TParGen_Item::PROFINET_Master_IP1, "10");
    EXPECT_EQ(messageOf([&] { values.Read(xml, file); }), "Cannot read " + file + ": Is a directory");
    EXPECT_EQ(values.Text(TParGen_Item::PROFINET_Master_IP1), "10");
}

// A zero byte is damage, and said to be; a file without a declaration that is not UTF-8 is
// read as the single-byte text it is.
TEST_F(ParGenFile, AZeroByteIsDamageAndSingleByteTextIsReadAsSuch) {
    folder.write("ParGen.xml",
                 QByteArray("<Par_Gen><PROFINET_Master_NAME_STA>a@b</PROFINET_Master_NAME_STA></Par_Gen>").replace('@', '\0'));
    TParGen_Values values;
    EXPECT_EQ(messageOf([&] { values.Read(xml, file); }),
              file + ": The file is damaged: a zero byte at line 1, column 37");

    folder.write("ParGen.xml", "<Par_Gen><IEC61850_Server_Password>caf\xE9 \xA3</IEC61850_Server_Password></Par_Gen>");
    values.Read(xml, file);
    EXPECT_EQ(values.Text(TParGen_Item::IEC61850_Server_Password), QString::fromUtf8("caf\u00E9 \u00A3"));

    folder.write("ParGen.xml", "<?xml version=\"1.0\"?><Par_Gen><IEC61850_Server_Password>\xC3\xA9t\xC3\xA9"
                               "</IEC61850_Server_Password></Par_Gen>");
    values.Read(xml, file);
    EXPECT_EQ(values.Text(TParGen_Item::IEC61850_Server_Password), QString::fromUtf8("\u00E9t\u00E9"));
}

}  // namespace
