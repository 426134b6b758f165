// The tables entered in the two windows reach bank 3 as the bank builder lays it out.
#include "config/banks/bank_builder.h"
#include "config/banks/bank_files.h"
#include "config/server/iec61850_variables_form.h"
#include "config/tables/table_window_fixture.h"
#include "config/server/tls_known_cert_form.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/system/files.h"
#include "platform/xml/xml_document.h"

#include <bit>

namespace {

constexpr uint32_t A = 0xA0000;

// Little-endian fields appended in order.
struct Bytes {
    QByteArray b;
    Bytes& u32(uint32_t v) {
        for (int i = 0; i < 4; ++i) b.append(char(v >> (8 * i)));
        return *this;
    }
    Bytes& u16(uint16_t v) {
        b.append(char(v));
        b.append(char(v >> 8));
        return *this;
    }
    Bytes& variable(uint32_t nameAdd, uint32_t type, uint32_t position, uint32_t startBit, uint32_t length,
                    uint32_t readOnly, float factor, uint16_t operation, uint16_t options) {
        for (uint32_t field : {nameAdd, type, position, startBit, length, readOnly}) u32(field);
        return u32(std::bit_cast<uint32_t>(factor)).u16(operation).u16(options);
    }
};

class ServerTablesToBank3 : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        ASSERT_TRUE(ForceDirectories(folder.file("bin")));
        variables.Create();
        certificates.Create();
    }

    template <typename TWindow>
    void enterAndConfirm(TWindow& window, const std::function<void()>& enter) {
        const TModalResult result = show<TWindow>(window, [&](TWindow& w) {
            enter();
            press(w.Btn_OK);
        });
        ASSERT_EQ(result, mrOk);
    }

    TFIEC61850_Variables variables{nullptr};
    TFTLS_Server_Known_Cert certificates{nullptr};
    TXMLDocument xml{nullptr};
};

TEST_F(ServerTablesToBank3, VariablesAndCertificatesEnteredInTheWindowsAreLaidOutInBank3) {
    folder.write("ParGen.xml",
                 "<Par_Gen><TLS_Server_Enable>1</TLS_Server_Enable>"
                 "<TLS_Server_Enable_Known_Cert>1</TLS_Server_Enable_Known_Cert></Par_Gen>");
    enterAndConfirm(variables, [&] {
        const QStringList rows[] = {
            {"Y", "V1", "Digital (Bit)", "1", "Y", "7", "3", "Int to Float", "2,5", "Y", "Y", "first"},
            {"N", "Off", "Int", "0"},
            {"Y", "Temp", "Float", "4", "N", "1437", "", "None", "None", "N", "N", ""},
        };
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < rows[r].size(); ++c) variables.ACG->SetCellEx(c + 1, r + 1, rows[r][c]);
    });
    enterAndConfirm(certificates, [&] {
        const std::tuple<bool, QString> rows[] = {{true, "0123456789"}, {false, "skipped"}, {true, QString::fromUtf8("\u00E9\nX")}};
        for (int r = 0; r < 3; ++r) {
            certificates.ASG->SetCheckBoxState(1, r + 1, std::get<0>(rows[r]));
            certificates.ASG->SetCellEx(2, r + 1, std::get<1>(rows[r]));
        }
    });

    Create_Bin(xml);
    ASSERT_TRUE(Save_Bin());

    // Head 54, two certificates of 8 bytes, two variables of 32, the zero byte at 134, then the
    // certificates and the names.
    Bytes expected;
    expected.u16(102).u32(1).u32(A + 134).u32(0).u32(0).u32(A + 134).u32(0).u32(A + 134).u32(0);
    expected.u32(2).u32(A + 54).u32(0).u32(2).u32(A + 70);
    expected.u32(A + 135).u32(10).u32(A + 146).u32(4);
    expected.variable(A + 151, 2, 7, 3, 1, 1, 2.5f, 1, 3);
    expected.variable(A + 154, 6, 1437, 0, 4, 0, 1.0f, 0, 0);
    expected.b.append(QByteArray("\0" "0123456789\0" "\xC3\xA9\nX\0" "V1\0" "Temp\0", 25));
    EXPECT_EQ(fileBytes("bin/bank3.bin").toHex(' '), expected.b.toHex(' '));
}

}  // namespace
