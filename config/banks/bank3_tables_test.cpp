#include "config/banks/bank3_tables.h"

#include "config/banks/bank3_builder.h"
#include "config/banks/bank_buffers.h"
#include "config/banks/bank_builder.h"
#include "config/banks/bank_test_project.h"
#include "platform/core/exception.h"
#include "platform/system/regional.h"

#include <QFile>
#include <bit>

namespace {

constexpr uint32_t A = 0xA0000;
constexpr int Var_Table = Bank3_Head_Size;  // the variable table when no certificate table precedes it

using TRow = std::vector<std::pair<QString, QString>>;

// A variable's 32 bytes as the device reads them.
QByteArray record(uint32_t nameAdd, uint32_t type, uint32_t position, uint32_t startBit, uint32_t length,
                  uint32_t readOnly, float factor, uint16_t operation, uint16_t options) {
    QByteArray bytes;
    const auto put = [&](uint32_t value, int width) {
        for (int i = 0; i < width; ++i) bytes.append(char(value >> (8 * i)));
    };
    for (uint32_t field : {nameAdd, type, position, startBit, length, readOnly}) put(field, 4);
    put(std::bit_cast<uint32_t>(factor), 4);
    put(operation, 2);
    put(options, 2);
    return bytes;
}

class Bank3TablesTest : public TBankProject {
protected:
    void SetUp() override {
        TBankProject::SetUp();
        savedSettings = FormatSettings;
    }
    void TearDown() override {
        SetProfileStringForTests("Intl", "sDecimal", std::nullopt);
        FormatSettings = savedSettings;
        TBankProject::TearDown();
    }

    // The system's decimal separator, as both the profile and the number settings see it.
    void useDecimalSeparator(QChar separator) {
        SetProfileStringForTests("Intl", "sDecimal", QString(separator));
        FormatSettings.DecimalSeparator = separator;
    }

    // A table file as the table windows write it: the root, one row element per row, the
    // version comment.
    void writeTable(const QString& name, const QString& root, const std::vector<TRow>& rows) {
        QString xml = "<" + root + ">";
        for (const TRow& row : rows) {
            xml += "<row";
            for (const auto& [attribute, value] : row)
                xml += " " + attribute + "=\"" + value.toHtmlEscaped().replace("\n", "&#10;") + "\"";
            xml += "/>";
        }
        folder.write(name, (xml + "</" + root + "><!--SW_VERSION = 1.001-->").toUtf8());
    }
    void writeVariables(const std::vector<TRow>& rows) {
        writeTable("IEC61850_Variables.xml", "IEC61850_Variables", rows);
    }
    void writeCertificates(const std::vector<TRow>& rows) {
        writeTable("TLS_Known_Cert.xml", "TLS_Server_Known_Cert", rows);
    }
    void tlsSettings(const char* tls, const char* knownCert) {
        writeParGen({{"TLS_Server_Enable", tls}, {"TLS_Server_Enable_Known_Cert", knownCert}});
    }

    QByteArray build() {
        Create_Bin_Data(xml);
        return Bank3_Buf.Bytes(Bank3_Len);
    }

    TFormatSettings savedSettings;
};

TEST_F(Bank3TablesTest, EnabledVariablesAreWrittenInFileOrderWithTheirNamesAfterTheZeroByte) {
    writeVariables({{{"Enable", "Y"}, {"Name", "V1"}, {"Type", "Digital (Bit)"}, {"Length", "8"},
                     {"ReadOnly", " y "}, {"Position", "7"}, {"StartBit", "3"}, {"Conversion", "Int to Float"},
                     {"MultiplicationFactor", "2,5"}, {"Swap", "Y"}, {"SwapWord", "Y"}, {"Mnemonic", "first"}},
                    {{"Enable", "N"}, {"Name", "Off"}, {"Type", "Int"}, {"Length", "0"}},
                    {{"Enable", "Y"}, {"Name", "Temp"}, {"Type", "Float"}, {"Length", "4"}, {"ReadOnly", "N"},
                     {"Position", "1437"}, {"StartBit", ""}, {"Conversion", "None"},
                     {"MultiplicationFactor", "None"}, {"Swap", "N"}, {"SwapWord", "N"}, {"Mnemonic", ""}}});
    const QByteArray bank = build();

    ASSERT_EQ(bank.size(), 127);
    EXPECT_EQ(U32(bank, 6), A + 0x76);   // the empty key points at the zero byte
    EXPECT_EQ(U32(bank, 34), 0u);        // no certificate table without TLS
    EXPECT_EQ(U32(bank, 38), A + 54);
    EXPECT_EQ(U32(bank, 46), 2u);
    EXPECT_EQ(U32(bank, 50), A + 0x36);
    EXPECT_EQ(bank.mid(Var_Table, 32), record(A + 0x77, 2, 7, 3, 1, 1, 2.5f, 1, 3));
    EXPECT_EQ(bank.mid(Var_Table + 32, 32), record(A + 0x7A, 6, 1437, 0, 4, 0, 1.0f, 0, 0));
    EXPECT_EQ(bank.mid(0x76), QByteArray("\0V1\0Temp\0", 9));
}

// Each attribute of a variable alone, the others missing; both decimal separators of the system.
TEST_F(Bank3TablesTest, EachAttributeOfAVariableFallsBackToItsDefault) {
    struct Case {
        const char* what;
        TRow row;
        uint32_t type, position, startBit, length, readOnly;
        float factor;
        uint16_t operation, options;
    };
    const Case cases[] = {
        {"nothing but Enable", {}, 4, 0, 0, 0, 0, 1.0f, 0, 0},
        {"float type, any case and blanks", {{"Type", " float "}, {"Length", "4"}}, 6, 0, 0, 4, 0, 1.0f, 0, 0},
        {"digital is one bit long", {{"Type", "DIGITAL (BIT)"}, {"Length", "8"}}, 2, 0, 0, 1, 0, 1.0f, 0, 0},
        {"unknown type is an integer", {{"Type", "Word"}, {"Length", "2"}}, 4, 0, 0, 2, 0, 1.0f, 0, 0},
        {"numbers that are not numbers", {{"Length", "four"}, {"Position", "1 2"}, {"StartBit", "x"}},
         4, 0, 0, 0, 0, 1.0f, 0, 0},
        {"numbers", {{"Length", " 3"}, {"Position", "1437"}, {"StartBit", "7"}}, 4, 1437, 7, 3, 0, 1.0f, 0, 0},
        {"read-only is N", {{"ReadOnly", "N"}}, 4, 0, 0, 0, 0, 1.0f, 0, 0},
        {"read-only in lower case", {{"ReadOnly", "y"}}, 4, 0, 0, 0, 1, 1.0f, 0, 0},
        {"float to int, any case", {{"Conversion", " FLOAT to int "}}, 4, 0, 0, 0, 0, 1.0f, 2, 0},
        {"int to float", {{"Conversion", "Int to Float"}}, 4, 0, 0, 0, 0, 1.0f, 1, 0},
        {"no conversion", {{"Conversion", "None"}}, 4, 0, 0, 0, 0, 1.0f, 0, 0},
        {"factor none in any case", {{"MultiplicationFactor", " none "}}, 4, 0, 0, 0, 0, 1.0f, 0, 0},
        {"factor with a comma", {{"MultiplicationFactor", "2,5"}}, 4, 0, 0, 0, 0, 2.5f, 0, 0},
        {"factor with a point", {{"MultiplicationFactor", "-0.125"}}, 4, 0, 0, 0, 0, -0.125f, 0, 0},
        {"factor that is a word", {{"MultiplicationFactor", "half"}}, 4, 0, 0, 0, 0, 1.0f, 0, 0},
        {"empty factor", {{"MultiplicationFactor", ""}}, 4, 0, 0, 0, 0, 1.0f, 0, 0},
        {"swap bytes", {{"Swap", "Y"}, {"SwapWord", "N"}}, 4, 0, 0, 0, 0, 1.0f, 0, 1},
        {"swap words", {{"SwapWord", "Y"}}, 4, 0, 0, 0, 0, 1.0f, 0, 2},
        {"swap is exactly Y", {{"Swap", "y"}, {"SwapWord", " Y"}}, 4, 0, 0, 0, 0, 1.0f, 0, 0},
    };
    for (QChar separator : {QChar(u','), QChar(u'.')}) {
        useDecimalSeparator(separator);
        for (const Case& c : cases) {
            TRow row = c.row;
            row.insert(row.begin(), {"Enable", "Y"});
            writeVariables({row});
            const QByteArray bank = build();
            ASSERT_EQ(bank.size(), 54 + 32 + 1) << c.what;
            // The empty name points where the next string would begin.
            EXPECT_EQ(bank.mid(Var_Table, 32), record(A + 87, c.type, c.position, c.startBit, c.length, c.readOnly,
                                                      c.factor, c.operation, c.options))
                << c.what << " with the separator " << separator.toLatin1();
        }
    }
}

// Names are stored one byte per character, untrimmed; certificates as UTF-8.
TEST_F(Bank3TablesTest, KnownCertificatesPrecedeTheVariablesWhenTlsAndKnownCertificatesAreOn) {
    tlsSettings("1", "1");
    writeCertificates({{{"Enable", "Y"}, {"Certificate", "0123456789"}, {"Mnemonic", "ten"}},
                       {{"Enable", "N"}, {"Certificate", "skipped"}, {"Mnemonic", ""}},
                       {{"Enable", "Y"}, {"Certificate", QString::fromUtf8("\u00E9\nX")}, {"Mnemonic", ""}},
                       {{"Enable", "Y"}, {"Certificate", ""}, {"Mnemonic", "empty"}}});
    writeVariables({{{"Enable", "Y"}, {"Name", QString::fromUtf8(" \u00E9 ")}}});
    const QByteArray bank = build();

    // Head 54, three entries of 8 bytes, one variable, the zero byte at 110, strings from 111.
    ASSERT_EQ(bank.size(), 131);
    EXPECT_EQ(U32(bank, 2), 1u);
    EXPECT_EQ(U32(bank, 6), A + 110);
    EXPECT_EQ(U32(bank, 34), 3u);
    EXPECT_EQ(U32(bank, 38), A + 54);
    EXPECT_EQ(U32(bank, 46), 1u);
    EXPECT_EQ(U32(bank, 50), A + 78);
    const uint32_t table[][2] = {{A + 111, 10}, {A + 122, 4}, {A + 127, 0}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(U32(bank, 54 + 8 * i), table[i][0]) << "certificate " << i;
        EXPECT_EQ(U32(bank, 58 + 8 * i), table[i][1]) << "certificate " << i;
    }
    // The empty certificate points where the variable names begin.
    EXPECT_EQ(U32(bank, 78), A + 127);
    EXPECT_EQ(bank.mid(110), QByteArray("\0" "0123456789\0" "\xC3\xA9\nX\0" " \xE9 \0", 21));
    // The document stays loaded with the last file read.
    EXPECT_EQ(xml.DocumentElement().NodeName(), "TLS_Server_Known_Cert");
}

TEST_F(Bank3TablesTest, KnownCertificatesAreLeftOutUnlessTlsAndKnownCertificatesAreBothOn) {
    writeCertificates({{{"Enable", "Y"}, {"Certificate", "0123456789"}}});
    writeVariables({{{"Enable", "Y"}, {"Name", "V1"}}});
    for (const auto& [tls, known] : {std::pair("1", "0"), std::pair("0", "1"), std::pair("0", "0")}) {
        tlsSettings(tls, known);
        const QByteArray bank = build();
        ASSERT_EQ(bank.size(), 54 + 32 + 1 + 3) << tls << known;
        EXPECT_EQ(U32(bank, 34), 0u);
        EXPECT_EQ(U32(bank, 38), A + 54);
        EXPECT_EQ(U32(bank, 50), A + 54);
        EXPECT_EQ(bank.mid(86), QByteArray("\0V1\0", 4));
    }
}

// Only an Enable of exactly "Y" takes a row; other children of the root are no rows.
TEST_F(Bank3TablesTest, RowsNotEnabledExactlyAreLeftOut) {
    tlsSettings("1", "1");
    const std::vector<std::pair<const char*, QString>> enables = {
        {"taken", "Y"}, {"n", "N"}, {"lower", "y"}, {"blank", " Y"}, {"empty", ""}};
    std::vector<TRow> variables, certificates;
    for (const auto& [name, enable] : enables) {
        variables.push_back({{"Enable", enable}, {"Name", name}});
        certificates.push_back({{"Enable", enable}, {"Certificate", name}});
    }
    variables.push_back({{"Name", "missing"}});
    certificates.push_back({{"Certificate", "missing"}});
    writeVariables(variables);
    writeCertificates(certificates);
    // A comment inside the root is no row either.
    const QByteArray withComment = readFile("IEC61850_Variables.xml").replace("<row", "<!--note--><row");
    folder.write("IEC61850_Variables.xml", withComment);

    const QByteArray bank = build();
    EXPECT_EQ(U32(bank, 34), 1u);
    EXPECT_EQ(U32(bank, 46), 1u);
    EXPECT_EQ(bank.mid(54 + 8 + 32), QByteArray("\0taken\0taken\0", 13));
}

TEST_F(Bank3TablesTest, TablesOfAFormerBuildDoNotOutliveTheirFiles) {
    tlsSettings("1", "1");
    writeCertificates({{{"Enable", "Y"}, {"Certificate", "C"}}});
    writeVariables({{{"Enable", "Y"}, {"Name", "V1"}}});
    ASSERT_GT(build().size(), 55);

    ASSERT_TRUE(QFile::remove(folder.file("IEC61850_Variables.xml")));
    ASSERT_TRUE(QFile::remove(folder.file("TLS_Known_Cert.xml")));
    const QByteArray bank = build();
    ASSERT_EQ(bank.size(), 55);
    EXPECT_EQ(U32(bank, 34), 0u);
    EXPECT_EQ(U32(bank, 46), 0u);
}

TEST_F(Bank3TablesTest, AMalformedTableFileStopsTheBuild) {
    for (const char* name : {"IEC61850_Variables.xml", "TLS_Known_Cert.xml"}) {
        folder.write(name, "<Table><row Enable=\"Y\"");
        EXPECT_THROW(Create_Bin_Data(xml), Exception) << name;
        ASSERT_TRUE(QFile::remove(folder.file(name)));
    }
}

// The builder takes the rows the table windows show: a file with more rows than its table, or
// with a row without its key amid rows with one, is refused, the file named.
TEST_F(Bank3TablesTest, RowsTheTableCannotShowStopTheBuild) {
    const auto expectRefused = [&](const QString& message) {
        try {
            Create_Bin_Data(xml);
            ADD_FAILURE() << message.toStdString() << ": no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, message);
        }
    };
    writeVariables(std::vector<TRow>(51, TRow{{"Enable", "N"}, {"Name", "v"}}));
    expectRefused("Error! IEC61850_Variables.xml holds 51 rows, more than the 50 of its table: the banks are not built.");
    writeVariables({{{"Enable", "Y"}, {"Name", "a"}}, {{"Enable", "N"}, {"Name", " "}}, {{"Enable", "Y"}, {"Name", "c"}}});
    expectRefused("Error! Row 2 of IEC61850_Variables.xml has no Name while the rows below it have one: the banks are not "
                  "built.");
    // Rows without a name after the last named one end the table, as in the window.
    writeVariables(std::vector<TRow>(50, TRow{{"Enable", "Y"}, {"Name", "v"}}));
    EXPECT_EQ(U32(build(), 46), 50u);
    writeVariables({{{"Enable", "Y"}, {"Name", "a"}}, {{"Enable", "N"}, {"Name", ""}}});
    EXPECT_EQ(U32(build(), 46), 1u);

    ASSERT_TRUE(QFile::remove(folder.file("IEC61850_Variables.xml")));
    writeCertificates(std::vector<TRow>(11, TRow{{"Enable", "Y"}, {"Certificate", "c"}}));
    expectRefused("Error! TLS_Known_Cert.xml holds 11 rows, more than the 10 of its table: the banks are not built.");
}

// The table's fifty variables with long names fill bank 3 to its last byte.
TEST_F(Bank3TablesTest, TablesTooLargeForBank3StopTheBuildAtTheFirstByteTooMany) {
    // The head, fifty records, the zero byte before the names and 49 names of 2000 characters.
    const int lastLength = Bank3_Buf_Size - 54 - 50 * 32 - 1 - 49 * 2001 - 1;
    const auto variables = [&](int length) {
        std::vector<TRow> rows(49, TRow{{"Enable", "Y"}, {"Name", QString(2000, 'n')}});
        rows.push_back({{"Enable", "Y"}, {"Name", QString(length - 8, 'x') + "ABCDEFGH"}});
        writeVariables(rows);
    };
    variables(lastLength);
    const QByteArray bank = build();
    ASSERT_EQ(bank.size(), Bank3_Buf_Size);
    EXPECT_EQ(U32(bank, 46), 50u);
    EXPECT_EQ(bank.right(10), QByteArray("xABCDEFGH\0", 10));

    const auto expectTooLarge = [&](const char* what) {
        try {
            Create_Bin_Data(xml);
            ADD_FAILURE() << what << ": no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Error! The IEC61850 and TLS configuration is too large for bank 3 (131072 bytes).")
                << what;
        }
        EXPECT_EQ(Bank3_Len, 0) << what;
    };
    variables(lastLength + 1);
    expectTooLarge("one character more");

    ASSERT_TRUE(QFile::remove(folder.file("IEC61850_Variables.xml")));
    tlsSettings("1", "1");
    writeCertificates({{{"Enable", "Y"}, {"Certificate", QString(Bank3_Buf_Size, 'c')}}});
    expectTooLarge("a certificate as large as the bank");
}

}  // namespace
