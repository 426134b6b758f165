#include "tables/snmp_trap_form.h"

#include "tables/snmp_trap_check.h"
#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/page_control.h"

namespace {

const char File[] = "SNMP_Trap.xml";

const QStringList Read_Row{"Y", "Meadow", "Int", "Y", "N", "Y", "500", "12", "3", "8", "temp", "10.0.0.9", "Float", "Boiler"};
const QStringList Write_Row{"Y", "Harbour", "String", "20", "0", "4", "name", "None", "Set point"};

QByteArray document(const TTable_Rows& read, const TTable_Rows& write) {
    return Table_Groups_Xml(SNMP_Trap_File, {read, write});
}

class SNMPTrapWindow : public TableWindowFixture<TFSNMP_Trap_Access> {
protected:
    TExColumnGrid& read() { return *window->ACG_SNMP_Read; }
    TExColumnGrid& write() { return *window->ACG_SNMP_Write; }
    static QStringList numbers(TExColumnGrid& grid, int rows) {
        QStringList out;
        for (int r = 1; r <= rows; ++r) out << grid.GetCellEx(0, r);
        return out;
    }
};

TEST_F(SNMPTrapWindow, TwoTablesOf256RowsOnTheirPagesWithTheirColumns) {
    EXPECT_EQ(window->ClientWidth(), 1256);
    EXPECT_EQ(window->Caption(), "Set SNMP Trap Access");
    EXPECT_EQ(window->TS_SNMP_Read->Caption(), "SNMP Read");
    EXPECT_EQ(window->TS_SNMP_Write->Caption(), "SNMP Write");
    EXPECT_EQ(window->Btn_OK->Hint(), "Confirm and save the SNMP Trap List");
    EXPECT_EQ(read().ColCount(), 15);
    EXPECT_EQ(write().ColCount(), 10);
    EXPECT_EQ(read().RowCount(), 257);
    EXPECT_EQ(write().RowCount(), 257);
    const TGridColumnItem& community = *read().Columns().Items(srCommunity);
    EXPECT_EQ(community.Header(), "Community Name");
    EXPECT_EQ(community.Editor(), edComboEdit);
    EXPECT_EQ(community.EditLength, 15);
    EXPECT_EQ(community.Color(), RGB(0xE0, 0xFA, 0xFE));
    EXPECT_EQ(read().Columns().Items(srConversion)->Header(), "Conversion");
    EXPECT_EQ(read().Columns().Items(srConversion)->ComboItems().Strings(5), "Float / 100");
    EXPECT_EQ(write().Columns().Items(swMnemonic)->Width(), 500);
    QString hint;
    window->GridHint(&write(), 0, swConversion, hint);
    EXPECT_EQ(hint, "Select the Data Conversion from Int to Float");
}

// Missing attributes take their defaults; enabled rows are numbered without gaps; the
// positions offer the data image; OK writes both tables back unchanged, disabled rows too.
TEST_F(SNMPTrapWindow, LoadingNumbersTheEnabledRowsAndOkWritesTheSameFileBack) {
    QStringList disabled = Read_Row;
    disabled[0] = "N";
    disabled[10] = "other";
    QStringList third = Read_Row;
    third[10] = "third";
    const QByteArray original = document({Read_Row, disabled, third}, {Write_Row});
    folder.write(File, original);
    show([&](TFSNMP_Trap_Access& w) {
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TS_SNMP_Read);
        EXPECT_EQ(numbers(read(), 4), QStringList({"1", "", "2", "3"}));
        EXPECT_EQ(rowCells(read(), 2, 1, srMnemonic), disabled);
        EXPECT_EQ(rowCells(write(), 1, 1, swMnemonic), Write_Row);
        EXPECT_EQ(read().Columns().Items(srPosition)->ComboItems().Count(), 1438);
        EXPECT_EQ(write().Columns().Items(swPosition)->ComboItems().Strings(1437), "1437");
        press(w.Btn_OK);
    });
    EXPECT_TRUE(driver().boxes().empty());
    EXPECT_EQ(fileBytes(File), original);

    folder.write(File, "<SNMP_Trap><SNMP_Trap_Write><row Community_Name=\"x\"/></SNMP_Trap_Write></SNMP_Trap>");
    show([&](TFSNMP_Trap_Access&) {
        EXPECT_EQ(rowCells(read(), 1, 1, srMnemonic), QStringList({"Y", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(rowCells(write(), 1, 1, swMnemonic), QStringList({"Y", "x", "", "", "", "", "", "None", ""}));
    });
}

TEST_F(SNMPTrapWindow, AFaultIsShownWithItsRowAndTheFileIsNotWritten) {
    show([&](TFSNMP_Trap_Access& w) {
        fillRow(read(), 1, Read_Row);
        QStringList bad = Read_Row;
        bad[srIPAddress - 1] = "10.0.0";
        fillRow(read(), 2, bad);
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        bad[srIPAddress - 1] = "10.0.0.1";
        bad[srDescription - 1] = "name";
        fillRow(read(), 2, bad);
        fillRow(write(), 1, Write_Row);
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
    });
    EXPECT_EQ(boxTexts(),
              QStringList({"Error row 2!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)",
                           "Error!! The Descriptions must be all differents"}));
    EXPECT_EQ(fileBytes(File), "<missing>");
}

// The row buttons work on the active page; a row copied on one page pastes only there.
TEST_F(SNMPTrapWindow, RowButtonsActOnTheActivePageAndARowPastesOnlyIntoItsOwnTable) {
    show([&](TFSNMP_Trap_Access& w) {
        fillRow(read(), 1, Read_Row);
        read().SetRow(1);
        press(w.Btn_InsRow);
        EXPECT_EQ(rowCells(read(), 1, 1, 3), QStringList({"Y", "", ""}));
        EXPECT_EQ(rowCells(read(), 2, 1, srMnemonic), Read_Row);
        read().SetRow(2);
        press(w.Btn_CopyRow);

        w.PageControl1->SetActivePage(w.TS_SNMP_Write);
        write().SetRow(1);
        press(w.Btn_PasteRow);
        EXPECT_EQ(boxTexts(), QStringList({"Error!!! Copy a valid row before Paste it"}));
        EXPECT_EQ(write().GetCellEx(swCommunity, 1), "");
        press(w.Btn_InsRow);
        EXPECT_EQ(rowCells(read(), 2, 1, srMnemonic), Read_Row) << "the read table stays as it was";

        w.PageControl1->SetActivePage(w.TS_SNMP_Read);
        read().SetRow(3);
        press(w.Btn_PasteRow);
        EXPECT_EQ(rowCells(read(), 3, 1, srMnemonic), Read_Row);
    });
}

// A click in an Enable box renumbers that table.
TEST_F(SNMPTrapWindow, ClickingAnEnableBoxRenumbersTheTable) {
    show([&](TFSNMP_Trap_Access&) {
        const TRect r = read().CellRect(srEnable, 2);
        click(read(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        EXPECT_EQ(read().GetCellEx(srEnable, 2), "N");
        EXPECT_EQ(numbers(read(), 3), QStringList({"1", "", "2"}));
        EXPECT_EQ(numbers(write(), 2), QStringList({"1", "2"}));
    });
}

// A file with more rows than a table is reported and kept beside the file OK writes; an empty
// Community Name amid filled rows is refused rather than dropping the rows below.
TEST_F(SNMPTrapWindow, RowsBeyondTheTableAreReportedAndAGapInTheKeyIsRefused) {
    QStringList disabled = Write_Row;
    disabled[0] = "N";
    TTable_Rows rows(258, disabled);
    const QByteArray original = document({}, rows);
    folder.write(File, original);
    show([&](TFSNMP_Trap_Access& w) {
        EXPECT_EQ(write().GetCellEx(swCommunity, 256), "Harbour");
        fillRow(read(), 2, Read_Row);
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        fillRow(read(), 2, {"Y", ""});
        press(w.Btn_OK);
    });
    EXPECT_EQ(boxTexts(),
              QStringList({"The file " + folder.file(File) + " holds 258 rows: this table shows only the first 256.\n\n"
                           "The file will be kept as " + folder.file(File) + ".damaged before it is saved over.",
                           "Error row 1!! Community Name must not be empty while the rows below it are filled"}));
    EXPECT_EQ(fileBytes(QString(File) + ".damaged"), original);
    rows.resize(256);
    EXPECT_EQ(fileBytes(File), document({}, rows));
}

}  // namespace
