#include "config/server/iec61850_variables_form.h"

#include "config/server/iec61850_variables_check.h"
#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/hint_window.h"
#include "platform/testkit/full_disk.h"

namespace {

const char File[] = "IEC61850_Variables.xml";

// A row element with the attributes in column order.
QByteArray rowXml(const QStringList& cells) {
    QByteArray xml = "<row";
    for (int c = 0; c < cells.size(); ++c)
        xml += " " + QByteArray(IEC61850_Variables_File.Columns[size_t(c)].Attribute) + "=\"" + cells[c].toUtf8() + "\"";
    return xml + "/>";
}
QByteArray document(const std::vector<QStringList>& rows) {
    QByteArray xml = "<IEC61850_Variables>";
    for (const QStringList& row : rows) xml += rowXml(row);
    return xml + "</IEC61850_Variables><!--SW_VERSION = 1.001-->";
}

const QStringList Valid{"Y", "Temp", "Float", "4", "N", "10", "", "Int to Float", "1,5", "Y", "N", "Boiler"};

class IEC61850VariablesWindow : public TableWindowFixture<TFIEC61850_Variables> {
protected:
    TExColumnGrid& grid() { return *window->ACG; }
    void fill(int r, const QStringList& cells) { fillRow(grid(), r, cells); }
    QStringList cells(int r) { return rowCells(grid(), r, 1, icMnemonic); }
};

TEST_F(IEC61850VariablesWindow, TheTableHasFiftyRowsOfTwelveColumnsWithTheirEditors) {
    EXPECT_EQ(grid().ColCount(), 13);
    EXPECT_EQ(grid().RowCount(), 51);
    const TGridColumnCollection& columns = grid().Columns();
    EXPECT_EQ(columns.Items(icSwapWord)->Header(), "Swap Word");
    EXPECT_EQ(grid().GetCellEx(icStartBit, 0), "Start Bit");
    EXPECT_EQ(columns.Items(icReadOnly)->Editor(), edDataCheckBox);
    EXPECT_EQ(columns.Items(icConversion)->Editor(), edComboList);
    EXPECT_EQ(columns.Items(icConversion)->ComboItems().Strings(2), "Float to Int");
    EXPECT_EQ(columns.Items(icFactor)->Editor(), edComboEdit);
    QString hint;
    window->GridHint(nullptr, 0, icStartBit, hint);
    EXPECT_EQ(hint, "Select the bit to set in the Internal Data Array (Valid only for Digital (Bit))");
    EXPECT_EQ(window->Caption(), "Set Variables Access for IEC61850");
}

// The pointer resting on a header cell shows what the column holds; on a data cell nothing.
TEST_F(IEC61850VariablesWindow, TheHeaderCellsShowTheirColumnsHintWhereThePointerRests) {
    show([&](TFIEC61850_Variables& w) {
        const auto restOn = [&](int col, int row) {
            const TRect r = grid().CellRect(grid().RealToDisplCol(col), row);
            mouseMove(grid(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
            advance(HintPause);
            THintWindow* hint = grid().CellHintWindow();
            return hint && hint->Showing() ? hint->Caption() : QString();
        };
        EXPECT_EQ(restOn(icStartBit, 0), "Select the bit to set in the Internal Data Array (Valid only for Digital (Bit))");
        EXPECT_EQ(restOn(icName, 3), "");
        press(w.Btn_Cancel);
    });
}

// A row whose Name is empty ends the table; with filled rows below it, OK refuses rather than
// drop them. Rows after the last name are neither checked nor saved.
TEST_F(IEC61850VariablesWindow, AnEmptyNameAmidFilledRowsIsRefusedAndOkWritesTheNamedRows) {
    const QStringList disabled{"N", " Spare ", "Int", "0", "", "", "", "", "", "", "", ""};
    const QStringList digital{"Y", "Alarm", "Digital (Bit)", "1", "Y", "1437", "7", "None", "NONE", "N", "Y", ""};
    const TModalResult result = show([&](TFIEC61850_Variables& w) {
        EXPECT_EQ(cells(1), QStringList({"Y", "", "", "", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(grid().GetCellEx(0, 50), "50");
        fill(1, Valid);
        fill(2, disabled);
        fill(3, digital);
        fill(4, {"Y", "   ", "Int", "9"});
        fill(5, {"Y", "Kept", "Int", "9"});
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(boxTexts(), QStringList({"Error row 4!! Name must not be empty while the rows below it are filled"}));
        EXPECT_EQ(fileBytes(File), "<missing>");

        fill(5, {"Y", "", "Int", "x"});  // after the last name: neither checked nor saved
        press(w.Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(fileBytes(File), document({Valid, disabled, digital}));
}

// A file with more rows than the table is reported when the window opens; OK then keeps the
// whole file beside the one it writes.
TEST_F(IEC61850VariablesWindow, FileRowsBeyondTheTableAreReportedAndKeptBesideTheSavedFile) {
    std::vector<QStringList> rows;
    for (int i = 1; i <= 52; ++i) {
        QStringList row = Valid;
        row[1] = "V" + QString::number(i);
        rows.push_back(row);
    }
    const QByteArray original = document(rows);
    folder.write(File, original);
    const TModalResult result = show([&](TFIEC61850_Variables& w) {
        EXPECT_EQ(grid().GetCellEx(icName, 50), "V50");
        press(w.Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].type, mtWarning);
    EXPECT_EQ(driver().boxes()[0].text, "The file " + folder.file(File) +
                                            " holds 52 rows: this table shows only the first 50.\n\nThe file will be "
                                            "kept as " +
                                            folder.file(File) + ".damaged before it is saved over.");
    EXPECT_EQ(fileBytes(QString(File) + ".damaged"), original);
    rows.resize(50);
    EXPECT_EQ(fileBytes(File), document(rows));
}

TEST_F(IEC61850VariablesWindow, OkOnAFullDiskSaysSoAndKeepsTheOldFile) {
    FullDisk disk(folder.path());
    SKIP_WITHOUT_FULL_DISK(disk);
    const QByteArray original = document({Valid});
    folder.write(File, original);
    disk.Fill();
    const TModalResult result = show([&](TFIEC61850_Variables& w) {
        fill(2, Valid);
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(boxTexts(), QStringList({"Cannot write " + folder.file(File) + ": No space left on device"}));
    EXPECT_EQ(fileBytes(File), original);
}

TEST_F(IEC61850VariablesWindow, AnInvalidRowIsReportedWithItsNumberAndNothingIsWritten) {
    struct Case {
        int column;
        const char* text;
        const char* message;
    } cases[] = {
        {icLength, "5", "Error row 2!! Length must be between 1 and 4"},
        {icPosition, "1438", "Error row 2!! Position must be between 0 and 1437"},
        {icStartBit, "", "Error row 2!! Start Bit must be Selected "},
        {icConversion, " ", "Error row 2!! Conversion must be Selected "},
        {icFactor, "abc", "Error row 2!! Molt. Factor must be a valid Float"},
    };
    for (const Case& c : cases) {
        driver().reset();
        QStringList bad{"Y", "Bit", "Digital (Bit)", "1", "N", "0", "3", "None", "None", "N", "N", ""};
        bad[c.column - 1] = c.text;
        show([&](TFIEC61850_Variables& w) {
            fill(1, Valid);
            fill(2, bad);
            press(w.Btn_OK);
            EXPECT_EQ(w.ModalResult(), mrNone) << c.message;
        });
        ASSERT_EQ(driver().boxes().size(), 1u) << c.message;
        EXPECT_EQ(driver().boxes()[0].text, c.message);
        EXPECT_EQ(driver().boxes()[0].type, mtError);
        EXPECT_EQ(fileBytes(File), "<missing>") << c.message;
    }
}

TEST_F(IEC61850VariablesWindow, LoadingAndOkGiveTheSameFileBackAndMissingAttributesTakeTheirDefaults) {
    const QByteArray original = document({Valid, {"N", " two blanks  ", "Int", "2", "N", "0", "", "None", "None", "N", "N", ""}});
    folder.write(File, original);
    show([&](TFIEC61850_Variables& w) {
        EXPECT_EQ(cells(1), Valid);
        press(w.Btn_OK);
    });
    EXPECT_EQ(fileBytes(File), original);

    folder.write(File, "<IEC61850_Variables><row Name=\"Only\"/></IEC61850_Variables>");
    show([&](TFIEC61850_Variables&) {
        EXPECT_EQ(cells(1), QStringList({"Y", "Only", "", "", "N", "", "", "", "", "N", "N", ""}));
        EXPECT_EQ(cells(2), QStringList({"Y", "", "", "", "", "", "", "", "", "", "", ""}));
    });
}

TEST_F(IEC61850VariablesWindow, RowButtonsWorkOnTheCurrentRow) {
    show([&](TFIEC61850_Variables& w) {
        fill(1, Valid);
        grid().SetRow(1);
        press(w.Btn_InsRow);
        EXPECT_EQ(cells(1)[0], "Y");
        EXPECT_EQ(cells(2), Valid);

        grid().SetRow(2);
        press(w.Btn_CopyRow);
        EXPECT_TRUE(w.Do_Copy);
        // Row 1 holds only its Enable box: free, pasted without a question.
        grid().SetRow(1);
        press(w.Btn_PasteRow);
        EXPECT_TRUE(driver().boxes().empty());
        EXPECT_EQ(cells(1), Valid);

        driver().answerNextBox(mrNo);
        press(w.Btn_DelRow);
        EXPECT_EQ(boxTexts(), QStringList({"Are you sure to delete the Row number 1"}));
        EXPECT_EQ(cells(2), Valid);
    });
    show([&](TFIEC61850_Variables& w) { EXPECT_FALSE(w.Do_Copy); });
}

TEST_F(IEC61850VariablesWindow, EnterMovesToTheNextCellWhenTheOptionIsOn) {
    show([&](TFIEC61850_Variables&) {
        grid().SetCol(icName);
        grid().SetRow(1);
        typeChar(grid(), QChar(13));
        EXPECT_EQ(grid().Col(), icName);
        Enable_Jump_Field_Tables = true;
        typeChar(grid(), QChar(13));
        EXPECT_EQ(grid().Col(), icType);
    });
}

}  // namespace

namespace {

// A new row with only its name: OK names every missing field of the row in one message.
TEST_F(IEC61850VariablesWindow, OkNamesEveryFaultOfARowInOneMessage) {
    show([&](TFIEC61850_Variables& w) {
        fill(1, {"Y", "Temp"});
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
        EXPECT_EQ(boxTexts(), QStringList({"Error row 1!! Length must be between 1 and 4\n"
                                           "!! Position must be between 0 and 1437\n"
                                           "!! Conversion must be Selected \n"
                                           "!! Molt. Factor must be a valid Float"}));
        driver().answerNextBox(mrYes);
        press(w.Btn_Cancel);
    });
}

// Esc leaves an unchanged table at once; changed rows are left only once the user says so.
TEST_F(IEC61850VariablesWindow, EscAsksBeforeThrowingChangedRowsAway) {
    expectEscAsksAfter([&](TFIEC61850_Variables&) { fill(1, Valid); }, File);
}

}  // namespace
