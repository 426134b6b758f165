#include "tables/transmit_can_form.h"

#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"

namespace {

const char File[] = "CAN_Send_Frames.xml";

QByteArray document(const QList<QByteArray>& rows) {
    QByteArray xml = "<Transmit_Frames>";
    for (const QByteArray& row : rows) xml += "<row " + row + "/>";
    return xml + "</Transmit_Frames><!--SW_VERSION = 1.001-->";
}

const QStringList Valid{"Y", "1000", "2.0B (29 bits)", "8", "N", "Y", "Y", "250", "0", "1", "2", "3", "4", "5",
                        "None", "2299", "Status"};
const QByteArray Valid_Xml = "Enable=\"Y\" COBID=\"1000\" CAN_Type=\"2.0B (29 bits)\" Dim=\"8\" OnChange=\"N\" "
                             "OnCMD=\"Y\" OnTimer=\"Y\" Time=\"250\" Byte1=\"0\" Byte2=\"1\" Byte3=\"2\" Byte4=\"3\" "
                             "Byte5=\"4\" Byte6=\"5\" Byte7=\"None\" Byte8=\"2299\" Mnemonic=\"Status\"";

class TransmitCANWindow : public TableWindowFixture<TFTransmitCAN> {
protected:
    TExColumnGrid& grid() { return *window->ACG_CAN_Transmit; }
    void fill(int r, const QStringList& cells) { fillRow(grid(), r, cells); }
    QStringList cells(int r) { return rowCells(grid(), r, 1, ctMnemonic); }
};

TEST_F(TransmitCANWindow, TheTableHas512RowsOfSeventeenColumnsAndPositionDropDowns) {
    EXPECT_EQ(grid().ColCount(), 18);
    EXPECT_EQ(grid().RowCount(), 513);
    EXPECT_EQ(window->ClientWidth(), 1100);
    EXPECT_EQ(window->Caption(), "Transmit CAN Frames Set Access");
    const TGridColumnCollection& columns = grid().Columns();
    EXPECT_EQ(columns.Items(ctOnCMD)->Header(), "OnCMD");
    EXPECT_EQ(columns.Items(ctTime)->Header(), "Time");
    for (int c : {ctEnable, ctOnChange, ctOnCMD, ctOnTimer}) EXPECT_EQ(columns.Items(c)->Editor(), edDataCheckBox) << c;
    QString hint;
    window->GridHint(nullptr, 0, ctOnCMD, hint);
    EXPECT_EQ(hint, "Enable or Disable the possibility to send the CAN Frame by Command");
    show([&](TFTransmitCAN& w) {
        EXPECT_EQ(w.MAX_Byte, 2300);
        const TStringList& items = grid().Columns().Items(ctByte1 + 7)->ComboItems();
        EXPECT_EQ(items.Count(), 2301);
        EXPECT_EQ(items.Strings(2300), "2299");
    });
}

TEST_F(TransmitCANWindow, MissingSendingOptionsTakeTheirDefaultsAndTheTimeFollowsOnTimer) {
    folder.write(File, document({"Enable=\"Y\" COBID=\"1\" Dim=\"1\"", "COBID=\"2\" OnTimer=\"Y\"",
                                 "COBID=\"3\" OnTimer=\"Y\" Time=\"\""}));
    show([&](TFTransmitCAN&) {
        const QStringList empty_bytes{"", "", "", "", "", "", "", ""};
        EXPECT_EQ(cells(1), QStringList({"Y", "1", "2.0A (11 bits)", "1", "Y", "N", "N", ""}) + empty_bytes + QStringList{""});
        EXPECT_EQ(cells(2).mid(0, 8), QStringList({"Y", "2", "2.0A (11 bits)", "", "Y", "N", "Y", "0"}));
        EXPECT_EQ(cells(3)[ctTime - 1], "");
    });
}

TEST_F(TransmitCANWindow, LoadingAndOkGiveTheSameFileBack) {
    const QByteArray original = document({Valid_Xml});
    folder.write(File, original);
    const TModalResult result = show([&](TFTransmitCAN& w) {
        EXPECT_EQ(cells(1), Valid);
        press(w.Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(fileBytes(File), original);
}

TEST_F(TransmitCANWindow, AnInvalidRowIsReportedWithItsNumberAndNothingIsWritten) {
    struct Case {
        int column;
        const char* text;
        const char* message;
    } cases[] = {
        {ctTime, "x", "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
        {ctByte1 + 7, "2300", "Error row 1!! Byte8 must be between 0 and 2299 or None"},
    };
    for (const Case& c : cases) {
        driver().reset();
        QStringList bad = Valid;
        bad[c.column - 1] = c.text;
        show([&](TFTransmitCAN& w) {
            fill(1, bad);
            press(w.Btn_OK);
        });
        EXPECT_EQ(boxTexts(), QStringList({c.message}));
        EXPECT_EQ(fileBytes(File), "<missing>");
    }
}

TEST_F(TransmitCANWindow, ADamagedFileIsReportedAndTheWindowOpensOnResetRows) {
    folder.write(File, "<Transmit_Frames><row COBID=\"1\"");
    show([&](TFTransmitCAN&) {
        ASSERT_EQ(driver().boxes().size(), 1u);
        EXPECT_EQ(cells(1).mid(0, 8), QStringList({"Y", "", "", "", "", "", "", ""}));
    });
}

}  // namespace
