#include "config/network/master_access_form.h"

#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"

namespace {

const char File[] = "PROFINET_Master.xml";
using TCol = TFPROFINET_Master_Access::TColumn;

// Enable, IP, start in, num in, start out, num out, poll, name, PROFINET in, out, mnemonic.
const QStringList Valid{"Y", "192.168.0.20", "0", "100", "0", "50", "10", "slave-1", "100", "50", "Drive"};

QByteArray document(const std::vector<QStringList>& rows) {
    if (rows.empty()) return "<EtherNetIP_Master_Access/><!--SW_VERSION = 1.001-->";
    QByteArray xml = "<EtherNetIP_Master_Access>";
    for (const QStringList& row : rows) {
        xml += "<row";
        for (int c = 0; c < row.size(); ++c)
            xml += " " + QByteArray(PROFINET_Master_File.Columns[size_t(c)].Attribute) + "=\"" + row[c].toUtf8() + "\"";
        xml += "/>";
    }
    return xml + "</EtherNetIP_Master_Access><!--SW_VERSION = 1.001-->";
}

class MasterAccessWindow : public TableWindowFixture<TFPROFINET_Master_Access> {
protected:
    TExColumnGrid& grid() { return *window->ACG; }
    void fill(int r, const QStringList& cells) { fillRow(grid(), r, cells); }
    QStringList cells(int r) { return rowCells(grid(), r, TCol::mcEnable, TCol::mcMnemonic); }
    // Fills rows and presses OK; the texts of the boxes shown.
    QStringList okWith(const std::vector<QStringList>& rows) {
        driver().reset();
        show([&](TFPROFINET_Master_Access& w) {
            for (size_t i = 0; i < rows.size(); ++i) fill(int(i) + 1, rows[i]);
            press(w.Btn_OK);
        });
        return boxTexts();
    }
};

TEST_F(MasterAccessWindow, TheTableHasTenRowsOfTwelveColumns) {
    EXPECT_EQ(grid().ColCount(), 12);
    EXPECT_EQ(grid().RowCount(), 11);
    EXPECT_EQ(grid().Columns().Items(TCol::mcEnable)->Editor(), edDataCheckBox);
    EXPECT_EQ(grid().Columns().Items(TCol::mcNameOfStation)->Header(), "Name of Station");
    EXPECT_EQ(grid().Columns().Items(TCol::mcNameOfStation)->Color(), RGB(213, 213, 255));
    EXPECT_EQ(grid().Columns().Items(TCol::mcMnemonic)->Width(), 160);
    QString hint;
    window->GridHint(nullptr, 0, TCol::mcTimePoll, hint);
    EXPECT_EQ(hint, "Insert the Time between the Data Request of Slave. expressed in milliseconds");
    EXPECT_EQ(window->Caption(), "Set EtherNet/IP Slaves Access");
}

// An empty address ends the table: OK writes the rows above it and refuses to drop filled
// rows below it.
TEST_F(MasterAccessWindow, OkWritesRowsUpToTheFirstEmptyAddressAndShowsThemAgain) {
    const QStringList disabled{"N", "not an address", "", "", "", "", "", "", "", "", ""};
    show([&](TFPROFINET_Master_Access& w) {
        EXPECT_EQ(grid().GetCellEx(0, 10), "10");
        EXPECT_EQ(cells(3), QStringList({"Y", "", "", "", "", "", "", "", "", "", ""}));
        fill(1, Valid);
        fill(2, disabled);
        fill(4, Valid);  // after the empty address of row 3: refused
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(boxTexts(), QStringList{"Error row 3!! IP Address must not be empty while the rows below it are filled"});
        driver().reset();
        fill(4, {"Y", ""});
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrOk);
    });
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join('\n').toStdString();
    EXPECT_EQ(fileBytes(File), document({Valid, disabled}));
    show([&](TFPROFINET_Master_Access&) {
        EXPECT_EQ(cells(1), Valid);
        EXPECT_EQ(cells(2), disabled);
        EXPECT_EQ(cells(4)[0], "Y");
    });

    EXPECT_TRUE(okWith({{"Y", "  "}, {"Y", ""}}).isEmpty());
    EXPECT_EQ(fileBytes(File), document({}));
}

TEST_F(MasterAccessWindow, EachFaultOfARowIsReportedWithItsNumberAndNothingIsWritten) {
    const struct {
        int column;
        QString text;
        QString message;  // "" when taken
    } cases[] = {
        {TCol::mcIPAddress, "192.168.0.256", "Error row 2!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {TCol::mcStartInput, "-1", "Error row 2!! Start Input must be major or equal to 0"},
        {TCol::mcNumInput, "x", "Error row 2!! Num Input must be major or equal to 0"},
        {TCol::mcStartOutput, "65536", "Error row 2!! Start Output must be major or equal to 0"},
        {TCol::mcNumOutput, "", "Error row 2!! Num Output must be major or equal to 0"},
        {TCol::mcTimePoll, "0", "Error row 2!! Poll Time must be between 1 and 100000000"},
        {TCol::mcTimePoll, "100000001", "Error row 2!! Poll Time must be between 1 and 100000000"},
        {TCol::mcTimePoll, "1", ""},
        {TCol::mcTimePoll, "100000000", ""},
        {TCol::mcNameOfStation, "", "Error row 2!! PROFINET Name of Station cannot be empty"},
        {TCol::mcNameOfStation, QString(32, 'n'), "Error row 2!! PROFINET Name of Station must have 31 characters or less"},
        {TCol::mcNameOfStation, QString(31, 'n'), ""},
        {TCol::mcProfinetNumInput, "70000", "Error row 2!! PROFINET Num Input must be major or equal to 0"},
        {TCol::mcProfinetNumOutput, "-5", "Error row 2!! PROFINET Num Output must be major or equal to 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QFile::remove(folder.file(File));
        QStringList row = Valid;
        row[c.column - 1] = c.text;
        EXPECT_EQ(okWith({Valid, row}), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(fileBytes(File) == "<missing>", !c.message.isEmpty());
    }
    // A disabled row is not checked.
    QStringList off = Valid;
    off[0] = "n";
    off[TCol::mcTimePoll - 1] = "0";
    EXPECT_TRUE(okWith({off}).isEmpty());
}

TEST_F(MasterAccessWindow, TheByteCountsOfTheEnabledRowsHaveTheirLimits) {
    QStringList a = Valid, b = Valid;
    a[TCol::mcNumInput - 1] = "1000";
    b[TCol::mcNumInput - 1] = "439";
    EXPECT_EQ(okWith({a, b}), QStringList{"Error!! The Total Number of Input Bytes must be between 0 and 1438"});
    b[TCol::mcNumInput - 1] = "438";
    EXPECT_TRUE(okWith({a, b}).isEmpty());
    b[TCol::mcNumOutput - 1] = "1389";
    EXPECT_EQ(okWith({a, b}), QStringList{"Error!! The Total Number of Output Bytes must be between 0 and 1438"});
    b[0] = "N";
    EXPECT_TRUE(okWith({a, b}).isEmpty());
}

TEST_F(MasterAccessWindow, AMissingAttributeGivesAnEmptyCell) {
    folder.write(File, "<EtherNetIP_Master_Access><row IP_Address=\"10.0.0.1\" Mnemonic=\"m\"/></EtherNetIP_Master_Access>");
    show([&](TFPROFINET_Master_Access&) {
        EXPECT_EQ(cells(1), QStringList({"", "10.0.0.1", "", "", "", "", "", "", "", "", "m"}));
        EXPECT_EQ(cells(2)[0], "Y");
    });
}

}  // namespace
