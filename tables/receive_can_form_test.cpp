#include "tables/receive_can_form.h"

#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"

namespace {

const char File[] = "CAN_Rec_Frames.xml";

// A file with the rows given as attribute lists.
QByteArray document(const QList<QByteArray>& rows) {
    QByteArray xml = "<Receive_Frames>";
    for (const QByteArray& row : rows) xml += "<row " + row + "/>";
    return xml + "</Receive_Frames><!--SW_VERSION = 1.001-->";
}

const QStringList Valid{"Y", "0x123", "2.0A (11 bits)", "3", "500", "0", "None", "", "", "", "", "", "", "Speed"};
const QByteArray Valid_Xml = "Enable=\"Y\" COBID=\"0x123\" CAN_Type=\"2.0A (11 bits)\" Dim=\"3\" TimeOut=\"500\" "
                             "Byte1=\"0\" Byte2=\"None\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" "
                             "Byte8=\"\" Mnemonic=\"Speed\"";

class ReceiveCANWindow : public TableWindowFixture<TFReceiveCAN> {
protected:
    TExColumnGrid& grid() { return *window->ACG_CAN_Receive; }
    void fill(int r, const QStringList& cells) { fillRow(grid(), r, cells); }
    QStringList cells(int r) { return rowCells(grid(), r, 1, crMnemonic); }
};

TEST_F(ReceiveCANWindow, TheTableHas512RowsOfFourteenColumnsAndPositionDropDowns) {
    EXPECT_EQ(grid().Name, "ACG_CAN_Receive");
    EXPECT_EQ(grid().ColCount(), 15);
    EXPECT_EQ(grid().RowCount(), 513);
    EXPECT_EQ(window->ClientWidth(), 1010);
    EXPECT_EQ(window->ClientHeight(), 337);
    EXPECT_EQ(window->Caption(), "Receive CAN Frames Set Access");
    const TGridColumnCollection& columns = grid().Columns();
    EXPECT_EQ(columns.Items(crTimeOut)->Header(), "TimeOut");
    EXPECT_EQ(columns.Items(crMnemonic)->Header(), "Mnemonic");
    EXPECT_EQ(columns.Items(crEnable)->Editor(), edDataCheckBox);
    EXPECT_EQ(columns.Items(crType)->Editor(), edComboList);
    EXPECT_EQ(columns.Items(crType)->ComboItems().Strings(1), "2.0B (29 bits)");
    QString hint;
    window->GridHint(nullptr, 0, crTimeOut, hint);
    EXPECT_EQ(hint, "Insert the TimeOut in milliseconds of data for each CAN frames, insert 0 do disable the function");
    window->GridHint(nullptr, 0, crByte1 + 7, hint);
    EXPECT_EQ(hint, "Insert the position of array where put the byte 8 of CAN frame");
    show([&](TFReceiveCAN& w) {
        EXPECT_EQ(w.MAX_Byte, 1440);
        for (int c = crByte1; c < crByte1 + 8; ++c) {
            const TStringList& items = grid().Columns().Items(c)->ComboItems();
            ASSERT_EQ(items.Count(), 1441);
            EXPECT_EQ(items.Strings(0), "None");
            EXPECT_EQ(items.Strings(1440), "1439");
        }
    });
    // A second showing fills the lists afresh rather than adding to them.
    show([&](TFReceiveCAN&) { EXPECT_EQ(grid().Columns().Items(crByte1)->ComboItems().Count(), 1441); });
}

TEST_F(ReceiveCANWindow, OkWritesTheRowsUpToTheFirstEmptyCobID) {
    const QStringList disabled{"N", "bad", "", "", "", "", "", "", "", "", "", "", "", ""};
    const TModalResult result = show([&](TFReceiveCAN& w) {
        EXPECT_EQ(cells(1), QStringList({"Y", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(grid().GetCellEx(0, 512), "512");
        fill(1, Valid);
        fill(2, disabled);
        fill(4, {"Y", "9", "x"});  // after the empty CobID of row 3: refused, never dropped
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(driver().boxes().size(), 1u);
        driver().reset();
        fill(4, {"Y", ""});  // rows after the last CobID are neither checked nor saved
        press(w.Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(fileBytes(File),
              document({Valid_Xml, "Enable=\"N\" COBID=\"bad\" CAN_Type=\"\" Dim=\"\" TimeOut=\"\" Byte1=\"\" "
                                   "Byte2=\"\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" "
                                   "Mnemonic=\"\""}));
}

TEST_F(ReceiveCANWindow, AnInvalidRowIsReportedWithItsNumberAndNothingIsWritten) {
    struct Case {
        int column;
        const char* text;
        const char* message;
    } cases[] = {
        {crCobID, "2048", "Error row 2!! CobID must be between 0 and 2047"},
        {crDimension, "9", "Error row 2!! Dimension must be between 1 and 8"},
        {crTimeOut, "-1", "Error row 2!! TimeOut must be between 0 and 100000000 milliseconds"},
        {crByte1, "1440", "Error row 2!! Byte1 must be between 0 and 1439 or None"},
        {crByte1 + 2, "abc", "Error row 2!! Byte3 must be between 0 and 1439 or None"},
    };
    for (const Case& c : cases) {
        driver().reset();
        QStringList bad = Valid;
        bad[c.column - 1] = c.text;
        show([&](TFReceiveCAN& w) {
            fill(1, Valid);
            fill(2, bad);
            press(w.Btn_OK);
            EXPECT_EQ(w.ModalResult(), mrNone) << c.message;
        });
        EXPECT_EQ(boxTexts(), QStringList({c.message}));
        EXPECT_EQ(driver().boxes()[0].type, mtError);
        EXPECT_EQ(fileBytes(File), "<missing>") << c.message;
    }
}

TEST_F(ReceiveCANWindow, LoadingAndOkGiveTheSameFileBackAndMissingAttributesTakeTheirDefaults) {
    const QByteArray original =
        document({Valid_Xml, "Enable=\"N\" COBID=\" 7 \" CAN_Type=\"\" Dim=\"\" TimeOut=\"\" Byte1=\"\" Byte2=\"\" "
                             "Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"  \""});
    folder.write(File, original);
    show([&](TFReceiveCAN& w) {
        EXPECT_EQ(cells(1), Valid);
        press(w.Btn_OK);
    });
    EXPECT_EQ(fileBytes(File), original);

    folder.write(File, document({"COBID=\"5\""}));
    show([&](TFReceiveCAN&) {
        EXPECT_EQ(cells(1), QStringList({"Y", "5", "", "", "0", "", "", "", "", "", "", "", "", ""}));
    });
}

TEST_F(ReceiveCANWindow, ADamagedFileIsReportedAndTheWindowOpensOnResetRows) {
    folder.write(File, "<Receive_Frames><row COBID=\"1\"></Receive_Frames>");
    show([&](TFReceiveCAN&) {
        ASSERT_EQ(driver().boxes().size(), 1u);
        EXPECT_EQ(driver().boxes()[0].type, mtError);
        EXPECT_EQ(cells(1), QStringList({"Y", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
    });
}

TEST_F(ReceiveCANWindow, RowButtonsWorkOnTheCurrentRow) {
    show([&](TFReceiveCAN& w) {
        fill(1, Valid);
        grid().SetRow(1);
        press(w.Btn_CopyRow);
        grid().SetRow(2);
        press(w.Btn_PasteRow);
        EXPECT_EQ(cells(2), Valid);
        grid().SetRow(1);
        press(w.Btn_InsRow);
        EXPECT_EQ(cells(1)[0], "Y");
        EXPECT_EQ(cells(3), Valid);
        driver().answerNextBox(mrYes);
        press(w.Btn_DelRow);
        EXPECT_EQ(boxTexts(), QStringList({"Are you sure to delete the Row number 1"}));
        EXPECT_EQ(cells(1), Valid);
    });
}

}  // namespace
