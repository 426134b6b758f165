#include "grid/stringgrid/editing/editing_fixture.h"
#include "grid/stringgrid/inplace/grid_date_editors.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/month_calendar.h"
#include "platform/system/date_time_text.h"
#include "platform/system/regional.h"

namespace {

// Editing cells of the date and time kinds with dates written "dd.mm.yyyy" and times "hh:nn";
// OnEditChange, OnDateTimeChange and the calendar events join the log.
class DateEditors : public EditingFixture {
protected:
    void SetUp() override {
        saved = FormatSettings;
        FormatSettings.DateSeparator = u'.';
        FormatSettings.TimeSeparator = u':';
        FormatSettings.ShortDateFormat = "dd/mm/yyyy";
        FormatSettings.ShortTimeFormat = "hh:nn";
        EditingFixture::SetUp();
        grid->OnEditChange = [this](TObject*, int ACol, int ARow, QString Value) {
            log << QStringLiteral("EditChange %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
        };
        grid->OnDateTimeChange = [this](TObject*, int ACol, int ARow, TDateTime) { note("DateTimeChange", ACol, ARow); };
        grid->OnDatePickerDropDown = [this](TObject*, int ARow, int ACol) { note("DropDown", ACol, ARow); };
        grid->OnDatePickerCloseUp = [this](TObject*, int ARow, int ACol) { note("CloseUp", ACol, ARow); };
    }
    void TearDown() override {
        EditingFixture::TearDown();
        FormatSettings = saved;
    }
    void select(TEditorType kind, int ACol = 1, int ARow = 1) {
        editorOf[{ACol, ARow}] = kind;
        grid->SetCol(ACol);
        grid->SetRow(ARow);
        log.clear();
    }
    TWinControl& openWith(TEditorType kind, int ACol = 1, int ARow = 1) {
        select(kind, ACol, ARow);
        keyPress(*grid, VK_F2);
        processPosted();
        return focused();
    }
    TFormatSettings saved;
};

TEST_F(DateEditors, EachKindOpensChangesCommitsAndCancels) {
    struct Case {
        TEditorType kind;
        QString cell;
        QString shown;      // the editor's text as it opens
        QString committed;  // the cell after Up and Enter
        QString change;     // the event a change fires
    };
    const Case cases[] = {
        {edDateEdit, "15.01.2024", "15.01.2024", "16.01.2024", "EditChange 1,1 16.01.2024"},
        {edDateEditUpDown, "15.01.2024", "15.01.2024", "16.01.2024", "EditChange 1,1 16.01.2024"},
        {edTimeEdit, "10:30", "10:30:00", "11:30:00", "EditChange 1,1 11:30:00"},
        {edDateTimeEdit, "15.01.2024 10:30", "15.01.2024", "16.01.2024 10:30", "DateTimeChange 1,1"},
    };
    for (const Case& c : cases) {
        for (const bool byMouse : {false, true}) {
            grid->SetCells(1, 1, c.cell);
            select(c.kind);
            if (byMouse) clickCell(1, 1);
            else keyPress(*grid, VK_F2);
            processPosted();
            auto& picker = dynamic_cast<TDateTimePicker&>(focused());
            EXPECT_TRUE(picker.Visible()) << c.kind << byMouse;
            EXPECT_EQ(picker.DisplayText(), c.shown) << c.kind << byMouse;
            EXPECT_EQ(picker.BoundsRect(), (TRect{grid->CellRect(1, 1).Left, grid->CellRect(1, 1).Top,
                                                  grid->CellRect(1, 1).Right - 1, grid->CellRect(1, 1).Bottom - 1}))
                << c.kind;
            EXPECT_TRUE(log.contains("GetEditorType 1,1")) << c.kind;
            EXPECT_EQ(picker.FieldIndex(), 0) << c.kind;
            keyPress(picker, VK_UP);
            EXPECT_TRUE(log.contains(c.change)) << c.kind << log.join('|').toStdString();
            EXPECT_EQ(grid->Cells(1, 1), c.cell) << c.kind;
            keyPress(picker, VK_RETURN);
            processPosted();
            EXPECT_FALSE(picker.Visible()) << c.kind;
            EXPECT_TRUE(grid->Focused()) << c.kind;
            EXPECT_EQ(grid->Cells(1, 1), c.committed) << c.kind;
            EXPECT_EQ(log.filter("EditingDone"), QStringList{"EditingDone " + c.committed}) << c.kind;
            EXPECT_EQ(log.last(), "EditCellDone 1,1") << c.kind;
        }

        // Escape gives the cell its text back.
        grid->SetCells(1, 1, c.cell);
        TWinControl& picker = openWith(c.kind);
        keyPress(picker, VK_UP);
        keyPress(picker, VK_ESCAPE);
        processPosted();
        EXPECT_FALSE(picker.Visible()) << c.kind;
        EXPECT_EQ(grid->Cells(1, 1), c.kind == edTimeEdit ? "10:30:00" : c.cell) << c.kind;
        TearDown();
        SetUp();
    }
}

TEST_F(DateEditors, ACellWithoutADateOpensOnNowAndEscapeKeepsItsText) {
    for (TEditorType kind : {edDateEdit, edTimeEdit, edDateTimeEdit}) {
        for (const QString& cell : {QString("soon"), QString()}) {
            grid->SetCells(1, 1, cell);
            auto& picker = dynamic_cast<TDateTimePicker&>(openWith(kind));
            EXPECT_LT(std::abs(picker.DateTime() - Now()), 1.0 / 24) << kind;
            keyPress(picker, VK_UP);
            keyPress(picker, VK_ESCAPE);
            processPosted();
            EXPECT_FALSE(grid->EditMode()) << kind;
            EXPECT_EQ(grid->Cells(1, 1), cell) << kind;
            EXPECT_TRUE(log.contains("EditCellDone 1,1")) << kind;
        }
    }
}

// Under every regional format each editor opens on the value its cell holds and writes what it
// reads back again: opened and left with Enter, the cell keeps its value, and stays so.
TEST_F(DateEditors, EveryEditorReadsBackWhatItWritesInEveryRegionalFormat) {
    TDateTime time = 0;
    ASSERT_TRUE(TryEncodeTime(15, 4, 0, 0, time));
    const TDateTime value = EncodeDate(2024, 2, 2) + time;
    struct Case {
        const char* locale;
        const char* dateFormat;  // replaces the locale's own where set
    };
    const Case cases[] = {{"C", nullptr},     {"en_GB", nullptr}, {"en_US", nullptr},           {"de_DE", nullptr},
                          {"ja_JP", nullptr}, {"ko_KR", nullptr}, {"fr_FR", "dddd d mmmm yyyy"}, {"es_ES", "d mmm yy"}};
    for (const Case& c : cases) {
        FormatSettings = GetLocaleFormatSettings(c.locale);
        if (c.dateFormat) FormatSettings.ShortDateFormat = c.dateFormat;
        const TFormatSettings& fs = FormatSettings;
        const struct {
            TEditorType kind;
            QString cell;
            TDateTime value;
        } kinds[] = {{edDateEdit, DateToStr(value), DateOf(value)},
                     {edTimeEdit, FormatDateTime(fs.ShortTimeFormat, value), TimeOf(value)},
                     {edDateTimeEdit, FormatDateTime(fs.ShortDateFormat + " " + fs.ShortTimeFormat, value), value}};
        for (const auto& k : kinds) {
            SCOPED_TRACE(std::string(c.locale) + " " + std::to_string(k.kind) + " " + k.cell.toStdString());
            grid->SetCells(1, 1, k.cell);
            QString written;
            for (int round = 0; round < 2; ++round) {
                auto& picker = dynamic_cast<TDateTimePicker&>(openWith(k.kind));
                const TDateTime shown = k.kind == edTimeEdit ? TimeOf(picker.DateTime())
                                        : k.kind == edDateEdit ? DateOf(picker.DateTime())
                                                               : picker.DateTime();
                EXPECT_NEAR(shown, k.value, 1e-9) << "round " << round;
                keyPress(picker, VK_RETURN);
                processPosted();
                EXPECT_FALSE(grid->EditMode());
                if (round == 0) written = grid->Cells(1, 1);
                else EXPECT_EQ(grid->Cells(1, 1), written);
            }
        }
    }
}

// A text the editor cannot read is kept unless the user changes the value the editor opened on:
// Enter, Tab or leaving the cell never write the date or time of now over it.
TEST_F(DateEditors, ACellTheEditorCannotReadIsKeptUnlessTheValueIsChanged) {
    for (TEditorType kind : {edDateEdit, edTimeEdit, edDateTimeEdit}) {
        for (const QString& cell : {QString("soon"), QString(), QString("31.02.2024")}) {
            SCOPED_TRACE(std::to_string(kind) + " " + cell.toStdString());
            grid->SetCells(1, 1, cell);
            auto& picker = dynamic_cast<TDateTimePicker&>(openWith(kind));
            keyPress(picker, VK_RETURN);
            processPosted();
            EXPECT_FALSE(grid->EditMode());
            EXPECT_EQ(grid->Cells(1, 1), cell);

            auto& again = dynamic_cast<TDateTimePicker&>(openWith(kind));
            keyPress(again, VK_UP);
            keyPress(again, VK_RETURN);
            processPosted();
            TDateTime read = 0;
            EXPECT_TRUE(kind == edTimeEdit ? TryStrToTime(grid->Cells(1, 1), read) : TryStrToDateTime(grid->Cells(1, 1), read))
                << grid->Cells(1, 1).toStdString();
        }
    }
}

TEST_F(DateEditors, TheDateIsConvertedByTheEventOrKeptWithinThePickersBounds) {
    TGridDatePicker& picker = *grid->DateTimePicker();
    picker.SetMinDate(EncodeDate(2024, 1, 10));
    picker.SetMaxDate(EncodeDate(2024, 1, 20));
    struct Case {
        QString cell;
        TDateTime opened;
    };
    for (const Case& c : {Case{"25.01.2024", EncodeDate(2024, 1, 19)}, Case{"10.01.2024", EncodeDate(2024, 1, 11)},
                          Case{"15.01.2024", EncodeDate(2024, 1, 15)}}) {
        grid->SetCells(1, 1, c.cell);
        openWith(edDateEdit);
        EXPECT_EQ(picker.Date(), c.opened) << c.cell.toStdString();
        keyPress(picker, VK_ESCAPE);
    }
    grid->OnCustomStrToDate = [](TObject*, QString Value, TDateTime& ADate) {
        if (Value == "new year") ADate = EncodeDate(2025, 1, 1);
    };
    grid->SetCells(1, 1, "new year");
    openWith(edDateEdit);
    EXPECT_EQ(picker.Date(), EncodeDate(2025, 1, 1));
}

TEST_F(DateEditors, EnterCompletesThePartBeingTypedAndARefusalKeepsTheEditorOpen) {
    grid->SetCells(1, 1, "15.01.2024");
    auto& picker = dynamic_cast<TGridDatePicker&>(openWith(edDateEdit));
    typeChar(picker, '2');  // could become 20..29: waits for a second digit
    grid->OnCellValidate = [](TObject*, int, int, QString& Value, bool& Valid) {
        Valid = Value != "02.01.2024";
        if (!Valid) Value = "03.01.2024";
    };
    keyPress(picker, VK_RETURN);
    processPosted();
    EXPECT_TRUE(picker.Visible());
    EXPECT_TRUE(grid->EditMode());
    EXPECT_EQ(picker.Text(), "03.01.2024");
    EXPECT_TRUE(grid->Private().FNoAutoAdvance);
    keyPress(picker, VK_RETURN);
    processPosted();
    EXPECT_FALSE(picker.Visible());
    EXPECT_EQ(grid->Cells(1, 1), "03.01.2024");
}

TEST_F(DateEditors, TypedDigitsMoveOnToTheNextPartUnlessTheFormatEndsWithIt) {
    struct Case {
        TEditorType kind;
        QString format;
        QString typed;
        int moves;  // Right keys the picker sent itself
    };
    const Case cases[] = {
        {edDateEdit, "", "05", 1},                    // the day changed
        {edDateEdit, "", "0507", 2},                  // and then the month
        {edDateEdit, "", "05072023", 2},              // a changed year alone does not move on
        {edDateEdit, "yyyy.MM.dd", "2023", 1},        // with a format of its own it does...
        {edDateEdit, "yyyy.MM.dd", "20230705", 2},    // ...unless it is the format's last part
        {edDateEdit, "dd.MM.yyyy", "05072023", 2},
        {edTimeEdit, "", "11", 1},
    };
    for (const Case& c : cases) {
        grid->SetCells(1, 1, c.kind == edTimeEdit ? "10:30" : "15.01.2024");
        select(c.kind);
        TGridDatePicker& picker = *grid->DateTimePicker();
        picker.SetFormat(c.format);
        int moves = 0;
        picker.OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { moves += Key == VK_RIGHT; };
        keyPress(*grid, VK_F2);
        processPosted();
        for (QChar ch : c.typed) {
            typeChar(picker, ch);
            processPosted();
        }
        EXPECT_EQ(moves, c.moves) << c.format.toStdString() << " " << c.typed.toStdString();
        TearDown();
        SetUp();
    }
}

TEST_F(DateEditors, TheCalendarDropsInThePickersStyleAndMayEndTheEditOnClosing) {
    grid->SetCells(1, 1, "15.01.2024");
    TGridDatePicker& picker = *grid->DateTimePicker();
    picker.SetWeeknumbers(true);
    picker.SetShowToday(false);
    grid->MouseActions().DirectDateDrop = true;
    grid->MouseActions().DirectDateClose = true;
    openWith(edDateEdit);
    ASSERT_TRUE(picker.DroppedDown());
    TMonthCalendar& calendar = *picker.Calendar();
    EXPECT_EQ(calendar.CalendarStyle(), unsigned(MCS_WEEKNUMBERS | MCS_NOTODAY));
    EXPECT_EQ(calendar.Width(), calendar.MinReqRect().Width() + 2);
    EXPECT_EQ(log.filter("DropDown"), QStringList{"DropDown 1,1"});
    const TRect day = calendar.DayRect(EncodeDate(2024, 1, 20));
    click(calendar, day.Left + 3, day.Top + 3);
    processPosted();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "20.01.2024");
    EXPECT_TRUE(log.contains("CloseUp 1,1"));
}

TEST_F(DateEditors, TheDateAndTimeEditorMovesOnAfterEnterAndTakesTabToTheGrid) {
    grid->Navigation().AdvanceOnEnter = true;
    grid->Navigation().SetAdvanceDirection(adTopBottom);
    grid->SetOptions(grid->Options() | goTabs);
    grid->SetCells(1, 1, "15.01.2024 10:30");
    editorOf[{1, 2}] = edDateTimeEdit;
    TWinControl& picker = openWith(edDateTimeEdit);
    keyPress(picker, VK_RETURN);
    processPosted();
    EXPECT_EQ(grid->Cells(1, 1), "15.01.2024 10:30");
    EXPECT_EQ(grid->Row(), 2);
    // The editor opens on the cell reached.
    EXPECT_TRUE(grid->EditMode());
    EXPECT_TRUE(picker.Visible());
    keyPress(picker, VK_ESCAPE);

    grid->SetCells(1, 1, "15.01.2024 10:30");
    TWinControl& again = openWith(edDateTimeEdit);
    keyPress(again, VK_UP);
    keyPress(again, VK_TAB);
    processPosted();
    EXPECT_EQ(grid->Cells(1, 1), "16.01.2024 10:30");
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(DateEditors, TheValueIsCommittedBeforeTheGridSortsScrollsSizesOrGoes) {
    // Column 2 holds the 17th of January 2024 and earlier days downwards; the edit of row 1
    // turns the 17th into the 18th.
    enum Action { sort, scroll, size, destroy };
    for (TEditorType kind : {edDateEdit, edDateEditUpDown, edDateTimeEdit}) {
        for (Action action : {sort, scroll, size, destroy}) {
            grid->SetRowCount(60);
            for (int r = 1; r < 8; ++r) grid->SetCells(2, r, QString("%1.01.2024").arg(18 - r));
            TWinControl& picker = openWith(kind, 2, 1);
            keyPress(picker, VK_UP);
            const QString edited = kind == edDateTimeEdit ? "18.01.2024 00:00" : "18.01.2024";
            QString written;
            grid->OnEditingDone = [&](TObject*) { written = grid->Cells(2, 1); };
            switch (action) {
            case sort: grid->Sort(2, sdAscending); break;
            case scroll: grid->SetTopRow(30); break;
            case size: grid->SetRowCount(3); grid->SetRowCount(1); break;
            case destroy:
                delete grid;
                grid = nullptr;
                break;
            }
            processPosted();
            EXPECT_EQ(written, edited) << kind << " " << action;
            if (grid) {
                EXPECT_FALSE(grid->EditMode()) << kind << " " << action;
                EXPECT_FALSE(picker.Visible()) << kind << " " << action;
            }
            TearDown();
            SetUp();
        }
    }
}

TEST_F(DateEditors, TheDateAndTimeEditorReportsItsWholeValue) {
    QList<TDateTime> values;
    grid->OnDateTimeChange = [&](TObject*, int, int, TDateTime Value) { values << Value; };
    grid->SetCells(1, 1, "15.01.2024 10:30");
    auto& picker = dynamic_cast<TGridDateTimePicker&>(openWith(edDateTimeEdit));
    keyPress(picker, VK_UP);
    ASSERT_FALSE(values.isEmpty());
    TDateTime time = 0;
    TryEncodeTime(10, 30, 0, 0, time);
    for (TDateTime value : values) EXPECT_DOUBLE_EQ(value, EncodeDate(2024, 1, 16) + time);
    values.clear();
    keyPress(*picker.TimePart(), VK_UP);
    ASSERT_FALSE(values.isEmpty());
    TryEncodeTime(11, 30, 0, 0, time);
    for (TDateTime value : values) EXPECT_DOUBLE_EQ(value, EncodeDate(2024, 1, 16) + time);
}

}  // namespace
