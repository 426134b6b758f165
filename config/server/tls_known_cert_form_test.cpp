#include "config/server/tls_known_cert_form.h"

#include "config/tables/table_window_fixture.h"
#include "grid/stringgrid/model/ex_string_grid.h"

namespace {

const char File[] = "TLS_Known_Cert.xml";
const QString Pem = "-----BEGIN CERTIFICATE-----\nMIIBszCCAVmgAwIBAgIU\n-----END CERTIFICATE-----";

class TlsKnownCertWindow : public TableWindowFixture<TFTLS_Server_Known_Cert> {
protected:
    TExStringGrid& grid() { return *window->ASG; }
    // Enable box, certificate and mnemonic of a row as "X|cert|mnemonic" ("o" unchecked).
    QString row(int r) {
        bool checked = false;
        const QString box = !grid().GetCheckBoxState(1, r, checked) ? "-" : checked ? "X" : "o";
        return box + "|" + grid().GetCellEx(2, r) + "|" + grid().GetCellEx(3, r);
    }
    void fill(int r, bool enabled, const QString& certificate, const QString& mnemonic) {
        grid().SetCheckBoxState(1, r, enabled);
        grid().SetCellEx(2, r, certificate);
        grid().SetCellEx(3, r, mnemonic);
    }
};

TEST_F(TlsKnownCertWindow, TheTableHasTenNumberedRowsOfCertificatesUnderItsHeaders) {
    EXPECT_EQ(grid().ColCount(), 4);
    EXPECT_EQ(grid().RowCount(), 11);
    EXPECT_EQ(QStringList({grid().GetCellEx(0, 0), grid().GetCellEx(1, 0), grid().GetCellEx(2, 0), grid().GetCellEx(3, 0)}),
              QStringList({"N", "Enable", "Certificate", "Mnemonic"}));
    EXPECT_EQ(grid().ColWidths(2), 500);
    EXPECT_EQ(grid().RowHeights(10), 60);
    EXPECT_EQ(grid().GetCellEx(0, 10), "10");
    EXPECT_EQ(window->Btn_PasteRow->Caption(), "Paste Row");
    EXPECT_EQ(window->Btn_DelRow->Hint(), "Delete the selected Row in the table");
    QString hint;
    window->GridHint(nullptr, 0, 2, hint);
    EXPECT_EQ(hint, "Insert the TLS Certificate");
    window->GridHint(nullptr, 1, 2, hint);
    EXPECT_EQ(hint, "");
    // A click on a row number selects the row, elsewhere it does not.
    window->ClickCell(nullptr, 4, 2);
    EXPECT_FALSE(grid().IsSelected(3, 4));
    window->ClickCell(nullptr, 4, 0);
    EXPECT_TRUE(grid().IsSelected(3, 4));
}

TEST_F(TlsKnownCertWindow, OkWritesTheRowsUpToTheLastCertificateAndRefusesABlankOneAmidThem) {
    const TModalResult result = show([&](TFTLS_Server_Known_Cert& w) {
        EXPECT_EQ(row(1), "X||");
        fill(1, true, Pem, "");
        fill(2, false, "  second  ", "Mine");
        fill(3, true, "   ", "ends here");
        fill(4, true, "not to be dropped", "");
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(boxTexts(), QStringList({"Error row 3!! Certificate must not be empty while the rows below it are filled"}));

        fill(4, true, "", "");
        press(w.Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(fileBytes(File),
              "<TLS_Server_Known_Cert>"
              "<row Enable=\"Y\" Certificate=\"-----BEGIN CERTIFICATE-----&#10;MIIBszCCAVmgAwIBAgIU&#10;-----END CERTIFICATE-----\" Mnemonic=\"\"/>"
              "<row Enable=\"N\" Certificate=\"  second  \" Mnemonic=\"Mine\"/>"
              "</TLS_Server_Known_Cert><!--SW_VERSION = 1.001-->");
}

TEST_F(TlsKnownCertWindow, OnlyAnUpperCaseNUnchecksAndLoadingThenOkGivesTheSameFileBack) {
    const QByteArray original =
        "<TLS_Server_Known_Cert>"
        "<row Enable=\"n\" Certificate=\"a\" Mnemonic=\"1\"/>"
        "<row Enable=\"0\" Certificate=\"b\" Mnemonic=\"\"/>"
        "<row Enable=\"N\" Certificate=\" c \" Mnemonic=\"3\"/>"
        "<row Certificate=\"d\"/>"
        "</TLS_Server_Known_Cert><!--SW_VERSION = 1.001-->";
    folder.write(File, original);
    show([&](TFTLS_Server_Known_Cert&) {
        EXPECT_EQ(QStringList({row(1), row(2), row(3), row(4), row(5)}),
                  QStringList({"X|a|1", "X|b|", "o| c |3", "X|d|", "X||"}));
    });
    EXPECT_EQ(fileBytes(File), original);  // Cancel writes nothing

    const QByteArray written =
        "<TLS_Server_Known_Cert>"
        "<row Enable=\"Y\" Certificate=\"a\" Mnemonic=\"1\"/>"
        "<row Enable=\"N\" Certificate=\" c \" Mnemonic=\"3\"/>"
        "</TLS_Server_Known_Cert><!--SW_VERSION = 1.001-->";
    folder.write(File, written);
    show([&](TFTLS_Server_Known_Cert& w) { press(w.Btn_OK); });
    EXPECT_EQ(fileBytes(File), written);
}

TEST_F(TlsKnownCertWindow, FileRowsBeyondTheTableAreReportedAndKeptOnOk) {
    QByteArray xml = "<TLS_Server_Known_Cert>";
    for (int i = 1; i <= 12; ++i) xml += "<row Enable=\"Y\" Certificate=\"c" + QByteArray::number(i) + "\" Mnemonic=\"\"/>";
    xml += "</TLS_Server_Known_Cert>";
    folder.write(File, xml);
    show([&](TFTLS_Server_Known_Cert& w) {
        ASSERT_EQ(driver().boxes().size(), 1u);
        EXPECT_TRUE(driver().boxes()[0].text.startsWith("The file " + folder.file(File) +
                                                        " holds 12 rows: this table shows only the first 10."));
        EXPECT_EQ(row(10), "X|c10|");
        EXPECT_EQ(w.Used_Rows().size(), 10u);
    });
    EXPECT_EQ(fileBytes(File), xml);  // Cancel writes and keeps nothing
    EXPECT_EQ(fileBytes(QString(File) + ".damaged"), "<missing>");
    show([&](TFTLS_Server_Known_Cert& w) { press(w.Btn_OK); });
    EXPECT_EQ(fileBytes(QString(File) + ".damaged"), xml);
    EXPECT_TRUE(fileBytes(File).contains("c10") && !fileBytes(File).contains("c11"));
}

TEST_F(TlsKnownCertWindow, ADamagedFileIsReportedOpensAnEmptyTableAndIsKeptBeforeOk) {
    const QByteArray damaged = "<TLS_Server_Known_Cert><row Certificate=\"a\"></TLS_Server_Known_Cert>";
    folder.write(File, damaged);
    show([&](TFTLS_Server_Known_Cert& w) {
        ASSERT_EQ(driver().boxes().size(), 1u);
        EXPECT_EQ(driver().boxes()[0].type, mtError);
        EXPECT_TRUE(driver().boxes()[0].text.endsWith("The file will be kept as " + folder.file(File) +
                                                      ".damaged before it is saved over."));
        EXPECT_EQ(row(1), "X||");
        fill(1, true, "new", "");
        press(w.Btn_OK);
    });
    EXPECT_EQ(fileBytes(QString(File) + ".damaged"), damaged);
    EXPECT_TRUE(fileBytes(File).contains("Certificate=\"new\""));
}

TEST_F(TlsKnownCertWindow, AFailedSaveIsReportedAndKeepsTheWindowOpen) {
    File_TLS_Known_Cert = folder.file("gone/TLS_Known_Cert.xml");
    const TModalResult result = show([&](TFTLS_Server_Known_Cert& w) {
        fill(1, true, "a", "");
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(driver().boxes().size(), 1u);
    });
    EXPECT_EQ(result, mrCancel);
}

TEST_F(TlsKnownCertWindow, RowButtonsMoveBoxesAndTextsAndPasteNeedsACopyInThisShowing) {
    show([&](TFTLS_Server_Known_Cert& w) {
        fill(1, false, "a", "1");
        fill(2, true, "b", "2");
        grid().SetRow(1);
        press(w.Btn_CopyRow);
        grid().SetRow(3);
        press(w.Btn_PasteRow);
        EXPECT_EQ(row(3), "o|a|1");

        grid().SetRow(1);
        driver().answerNextBox(mrYes);
        press(w.Btn_DelRow);
        EXPECT_EQ(boxTexts(), QStringList({"Are you sure to delete the Row number 1"}));
        EXPECT_EQ(QStringList({row(1), row(2), row(10)}), QStringList({"X|b|2", "o|a|1", "X||"}));

        grid().SetRow(2);
        press(w.Btn_InsRow);
        EXPECT_EQ(QStringList({row(2), row(3)}), QStringList({"X||", "o|a|1"}));
    });
    driver().reset();
    show([&](TFTLS_Server_Known_Cert& w) {
        press(w.Btn_PasteRow);
        EXPECT_EQ(boxTexts(), QStringList({"Error!!! Copy a valid row before Paste it"}));
    });
}

}  // namespace

// Dragging a row's lower border in the number column sizes the row and selects nothing: the
// press grabbed the border, not the row's number cell.
TEST_F(TlsKnownCertWindow, DraggingARowBorderSizesTheRowWithoutSelectingIt) {
    show([&](TFTLS_Server_Known_Cert& w) {
        TExStringGrid& g = grid();
        const TGridRect before = g.Selection();
        const TRect r = g.CellRect(0, 2);
        const int x = (r.Left + r.Right) / 2;
        mouseMessage(g, WM_LBUTTONDOWN, x, r.Bottom - 1, MK_LBUTTON);
        mouseMessage(g, WM_MOUSEMOVE, x, r.Bottom - 21, MK_LBUTTON);
        mouseMessage(g, WM_LBUTTONUP, x, r.Bottom - 21);
        EXPECT_LT(g.RowHeights(2), 60);
        EXPECT_EQ(g.Selection(), before);
        press(w.Btn_Cancel);
    });
}

namespace {

// Esc leaves an unchanged table at once; a row changed, even only its box, is left only once
// the user says so.
TEST_F(TlsKnownCertWindow, EscAsksBeforeThrowingChangedRowsAway) {
    expectEscAsksAfter([&](TFTLS_Server_Known_Cert&) { grid().SetCheckBoxState(1, 1, false); }, "TLS_Known_Cert.xml");
}

}  // namespace
