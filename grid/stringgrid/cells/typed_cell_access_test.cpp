#include "grid/foundation/format_settings_fixture.h"
#include "grid/stringgrid/model/string_grid_errors.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/system/date_time_text.h"

#include <optional>

namespace {

// Column 3 and rows 2 and 3 hidden: real cell (4, 6) shows at display cell (4, 4) and real
// cell (4, 2) is held by a hidden row. Cells are addressed by real column throughout.
class TypedAccess : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        saved = FormatSettings;
        grid->HideColumn(3);
        grid->HideRows(2, 3);
    }
    void TearDown() override {
        FormatSettings = saved;
        StringGridFixture::TearDown();
    }
    void setText(const char* text) {
        grid->SetAllCells(4, 6, text);
        grid->SetAllCells(4, 2, text);
        grid->SetAllCells(3, 6, text);
    }
    static void useSeparators(QChar decimal, QChar thousand) {
        FormatSettings.DecimalSeparator = decimal;
        FormatSettings.ThousandSeparator = thousand;
        FormatSettings.DateSeparator = u'/';
        FormatSettings.TimeSeparator = u':';
        FormatSettings.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    }

    TFormatSettings saved;
};

// A value, or nullopt where the read raises the grid's own error.
template <class T>
std::optional<T> readOrRaise(const std::function<T()>& read, const char* message) {
    try {
        return read();
    } catch (const VEriRodiVizev& e) {
        EXPECT_EQ(e.Message, message);
        return std::nullopt;
    }
}

TEST_F(TypedAccess, IntegersThroughDisplayAndRealIndexes) {
    const struct {
        const char* text;
        std::optional<int> ints;     // the display cell, tags stripped
        std::optional<int> allInts;  // the real rows' texts as they are, a hidden one too
    } cases[] = {
        {"", 0, 0},
        {"-", 0, 0},
        {" 7 ", 7, 7},
        {"+5", 5, 5},
        {"$1F", 31, 31},
        {"0x10", 16, 16},
        {"$FFFFFFFF", -1, -1},
        {"-2147483648", INT32_MIN, INT32_MIN},
        {"2147483648", std::nullopt, std::nullopt},
        {"12ab", std::nullopt, std::nullopt},
        {"1.5", std::nullopt, std::nullopt},
        {"<b>42</b>", 42, std::nullopt},
    };
    const char* error = "Cell does not contain integer value";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        setText(c.text);
        EXPECT_EQ(readOrRaise<int>([&] { return grid->Ints(4, 4); }, error), c.ints);
        EXPECT_EQ(readOrRaise<int>([&] { return grid->Ints(3, 4); }, error), c.ints);  // a hidden column
        EXPECT_EQ(readOrRaise<int>([&] { return grid->AllInts(4, 6); }, error), c.allInts);
        EXPECT_EQ(readOrRaise<int>([&] { return grid->AllInts(4, 2); }, error), c.allInts);  // a hidden row
    }
}

TEST_F(TypedAccess, FloatsWithEitherDecimalSeparator) {
    const struct {
        QChar decimal, thousand;
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {u'.', u',', "(1,234.50)", -1234.5},
        {u'.', u',', "USD 3.5", 3.5},
        {u'.', u',', "-0.25", -0.25},
        {u'.', u',', "2.5E3", 2500},
        {u'.', u',', "", 0},
        {u'.', u',', "-", 0},
        {u'.', u',', "1.2.3", std::nullopt},
        {u',', u'.', "(1.234,50)", -1234.5},
        {u',', u'.', "3,5 kg", 3.5},
        {u',', u'.', "<i>7,25</i>", 7.25},
        {u',', u'.', "1,2,3", std::nullopt},
    };
    const char* error = "Cell does not contain a float value";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        useSeparators(c.decimal, c.thousand);
        setText(c.text);
        EXPECT_EQ(readOrRaise<double>([&] { return grid->Floats(4, 4); }, error), c.value);
        if (QString(c.text).startsWith('<')) continue;  // the real rows keep their tags
        EXPECT_EQ(readOrRaise<double>([&] { return grid->AllFloats(4, 2); }, error), c.value);
    }
}

TEST_F(TypedAccess, WritesFormatAndReadBack) {
    useSeparators(u',', u'.');
    grid->SetFloats(4, 4, 3.14159);
    EXPECT_EQ(grid->AllCells(4, 6), "3,14");
    grid->FloatFormat = "%.3f";
    grid->SetAllFloats(4, 2, 2.5);
    grid->UnHideRows(2, 3);
    EXPECT_EQ(grid->Cells(4, 2), "2,500");
    EXPECT_DOUBLE_EQ(grid->Floats(4, 2), 2.5);

    grid->SetInts(4, 5, -12);
    EXPECT_EQ(grid->Ints(4, 5), -12);
    grid->SetAllInts(4, 7, 99);
    EXPECT_EQ(grid->Cells(4, 7), "99");
}

TEST_F(TypedAccess, DatesAndTimesInTheRegionalFormat) {
    useSeparators(u'.', u',');
    const TDateTime day = EncodeDate(2024, 3, 15);
    grid->SetDates(4, 4, day);
    EXPECT_EQ(grid->Cells(4, 4), "15/03/2024");
    EXPECT_EQ(grid->Dates(4, 4), day);

    grid->ShowNullDates = false;
    grid->SetDates(4, 4, 0);
    EXPECT_EQ(grid->Cells(4, 4), "");
    grid->ShowNullDates = true;
    grid->SetDates(4, 4, 0);
    EXPECT_EQ(grid->Cells(4, 4), "30/12/1899");

    TDateTime time = 0;
    ASSERT_TRUE(TryEncodeTime(13, 45, 10, 0, time));
    grid->SetTimes(5, 4, time);
    EXPECT_EQ(grid->Cells(5, 4), "13:45:10");
    EXPECT_NEAR(grid->Times(5, 4), time, 1e-9);

    // Texts that are no date or time raise the runtime's conversion error.
    for (const char* text : {"31/02/2024", "", "soon"}) {
        grid->SetCells(4, 4, text);
        try {
            grid->Dates(4, 4);
            ADD_FAILURE() << text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, QStringLiteral("'%1' is not a valid date").arg(text));
        }
    }
    grid->SetCells(5, 4, "25:00");
    EXPECT_THROW(grid->Times(5, 4), Exception);
}

TEST_F(TypedAccess, ControlValuesReadAndWriteTheNamedFormControlOfACell) {
    const QString markup = R"(Name <CONTROL TYPE="EDIT" ID="n" VALUE="Ann" WIDTH="60"> ok)";
    grid->SetCells(2, 3, markup);
    EXPECT_EQ(grid->ControlValues(2, 3, "n"), "Ann");
    EXPECT_EQ(grid->ControlValues(2, 3, "x"), "");
    grid->SetControlValues(2, 3, "x", "Bob");
    EXPECT_EQ(grid->Cells(2, 3), markup);
    grid->SetControlValues(2, 3, "n", "Bob");
    EXPECT_EQ(grid->ControlValues(2, 3, "n"), "Bob");
    EXPECT_TRUE(grid->Cells(2, 3).startsWith("Name <CONTROL"));
}

TEST_F(TypedAccess, ThePrintLayoutTakesColumns0To511) {
    EXPECT_EQ(grid->PrintColWidth(511), 0);
    EXPECT_EQ(grid->PrintColOffset(0), 0);
    for (int col : {512, -1}) {
        EXPECT_THROW(grid->PrintColWidth(col), VEriRodiVizev);
        EXPECT_THROW(grid->PrintColOffset(col), VEriRodiVizev);
    }
}

TEST_F(TypedAccess, AddressesInTextBecomeLinksWithURLShowInText) {
    grid->SetCells(4, 4, "see WWW.x.org and http://y.org");
    EXPECT_EQ(grid->GetCellEx(4, 4), "see WWW.x.org and http://y.org");
    grid->SetURLShowInText(true);
    // HTTP:// comes before WWW. in the order of prefixes, so the second address is linked.
    EXPECT_EQ(grid->GetCellEx(4, 4), "see WWW.x.org and <a href=\"http://y.org\">http://y.org</a>");
    grid->SetCells(4, 4, "at www.x.org");
    EXPECT_EQ(grid->GetCellEx(4, 4), "at <a href=\"www.x.org\">www.x.org</a>");
}

}  // namespace
