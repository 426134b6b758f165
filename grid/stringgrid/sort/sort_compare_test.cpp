// The cell comparison of the sorts: each sort style and automatic detection on a pair of cells.
#include "grid/foundation/format_settings_fixture.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/sort/sort_keys.h"

#include <memory>

namespace {

struct CompareCase {
    const char* name;
    TSortStyle style;  // ssAutomatic: detection
    QString s1, s2;
    int expected;
    QChar decimal = u'.';
    QChar thousand = u',';
    QString prefix = QString(), suffix = QString();
};

class CellCompareTest : public FormatSettingsFixture {
protected:
    void SetUp() override {
        grid = std::make_unique<TExStringGrid>(nullptr);
        grid->SetColCount(3);
        grid->SetRowCount(3);
    }
    // Compares the two texts as cells (1, 1) and (1, 2) of a column of the given style.
    int compare(const CompareCase& c, TSortDirection direction = sdAscending) {
        Use(c.decimal, c.thousand);
        grid->OnGetFormat = [c](TObject*, int, TSortStyle& style, QString& prefix, QString& suffix) {
            if (c.style != ssAutomatic) style = c.style;
            prefix = c.prefix;
            suffix = c.suffix;
        };
        grid->SetCells(1, 1, c.s1);
        grid->SetCells(1, 2, c.s2);
        return grid->CompareCells(1, 1, 2, direction);
    }
    std::unique_ptr<TExStringGrid> grid;
};

TEST_F(CellCompareTest, EachStyleComparesAsItsKindOfValue) {
    const CompareCase cases[] = {
        // Detection: only the first text decides the style of one comparison.
        {"numbers, not texts", ssAutomatic, "10", "9", 1},
        {"numbers with a sign and a fraction", ssAutomatic, "1.5", "-2", 1},
        {"a text first makes it alphabetic", ssAutomatic, "12kg", "9", -1},
        {"dates with the date separator", ssAutomatic, "3/4/2020", "12/1/2020", 1},
        {"date and time", ssAutomatic, "3/4/2020 10:00", "3/4/2020 9:00", 1},
        {"times", ssAutomatic, "10:30", "9:05", 1},
        {"separator at position 4 or later", ssAutomatic, "2020/3/4", "2020/12/1", 1},
        {"date needs digits around the separator", ssAutomatic, "a/4/2020", "12/1/2020", 1},
        {"ordinal by code unit", ssAutomatic, "abc", "ABD", 1},
        // Numbers, with both decimal separators, affixes and thousand separators.
        {"numeric with decimal point", ssNumeric, "10.5", "9.25", 1},
        {"numeric with decimal comma", ssNumeric, "10,5", "9,25", 1, u',', u'.'},
        {"suffix removed", ssNumeric, "12kg", "9kg", 1, u'.', u',', "", "kg"},
        {"prefix removed", ssNumeric, "$12", "$9", 1, u'.', u',', "$", ""},
        {"without the suffix both fail", ssNumeric, "12kg", "9kg", 0},
        {"a blank left behind fails and sorts after numbers", ssNumeric, "5 kg", "9kg", 1, u'.', u',', "", "kg"},
        {"leading blanks are fine", ssNumeric, " 5", "9", -1},
        {"an empty cell counts as 0", ssNumeric, "", "-1", 1},
        {"financial drops thousand separators", ssFinancial, "-1,000", "2", -1},
        {"numeric keeps them and fails", ssNumeric, "-1,000", "2", 1},
        {"exponent", ssNumeric, "1e3", "999", 1},
        // Dates and times.
        {"date conversion", ssDate, "1/2/2020", "31/1/2020", 1},
        {"empty date is 0", ssDate, "", "1/1/2000", -1},
        {"date and time conversion", ssDateTime, "1/2/2020 10:00", "1/2/2020 9:00", 1},
        {"time conversion", ssTime, "9:05", "10:30", -1},
        {"short date day first", ssShortDateEU, "1/2/20", "2/1/20", 1},
        {"short date month first", ssShortDateUS, "1/2/20", "2/1/20", -1},
        {"an impossible short date counts as 0", ssShortDateEU, "31/2/20", "1/1/20", -1},
        // Texts.
        {"case sensitive", ssAlphaCase, "abc", "ABD", 1},
        {"without case", ssAlphaNoCase, "abc", "ABD", -1},
        {"locale aware", ssAnsiAlphaNoCase, "a", "B", -1},
        {"tags left out", ssHTML, "<b>b</b>", "a", 1},
        {"alphanumeric numbers", ssAlphaNumeric, "10", "9", 1},
        {"alphanumeric texts", ssAlphaNumeric, "10a", "9", -1},
        {"custom without a handler", ssCustom, "a", "b", 0},
        {"raw without a handler", ssRaw, "a", "b", 0},
    };
    for (const CompareCase& c : cases) EXPECT_EQ(compare(c), c.expected) << c.name;
}

TEST_F(CellCompareTest, IgnoreCaseTurnsTheDetectedTextStyleCaseless) {
    grid->SortSettings().IgnoreCase = true;
    EXPECT_EQ(compare({"", ssAutomatic, "abc", "ABD", 0}), -1);
    grid->SortSettings().AutoFormat = false;
    EXPECT_EQ(compare({"", ssAutomatic, "10", "9", 0}), -1);
}

TEST_F(CellCompareTest, CustomAndRawComparisonsComeFromTheEvents) {
    QString seen;
    grid->OnCustomCompare = [&](TObject*, QString a, QString b, int& res) {
        seen = a + "|" + b;
        res = -QString::compare(a, b) * 7;
    };
    EXPECT_EQ(compare({"", ssCustom, "a", "b", 0}), 1);
    EXPECT_EQ(seen, "a|b");

    grid->OnRawCompare = [&](TObject*, int ACol, int Row1, int Row2, int& res) {
        res = grid->Cells(ACol, Row1).size() - grid->Cells(ACol, Row2).size();
    };
    EXPECT_EQ(compare({"", ssRaw, "aaa", "b", 0}), 1);
}

TEST_F(CellCompareTest, CheckBoxesCompareByState) {
    grid->AddCheckBox(1, 1, true, false);
    grid->AddCheckBox(1, 2, false, false);
    EXPECT_EQ(grid->CompareCells(1, 1, 2, sdAscending), 1);
    EXPECT_EQ(grid->CompareCells(1, 2, 1, sdAscending), -1);
    grid->SetCheckBoxState(1, 2, true);
    EXPECT_EQ(grid->CompareCells(1, 1, 2, sdAscending), 0);
}

TEST_F(CellCompareTest, IgnoredBlanksGoWhereBlankPosSaysInBothDirections) {
    TSortSettings& s = grid->SortSettings();
    s.IgnoreBlanks = true;
    const CompareCase blankFirst{"", ssAutomatic, "", "a", 0};
    const CompareCase blankSecond{"", ssAutomatic, "a", "", 0};
    const CompareCase numberBlank{"", ssNumeric, "kg", "5kg", 0, u'.', u',', "", "kg"};
    EXPECT_EQ(compare(blankFirst), -1);
    EXPECT_EQ(compare(blankFirst, sdDescending), 1);
    EXPECT_EQ(compare(blankSecond), 1);
    EXPECT_EQ(compare(numberBlank), -1);
    s.BlankPos = blLast;
    EXPECT_EQ(compare(blankFirst), 1);
    EXPECT_EQ(compare(blankFirst, sdDescending), -1);
    EXPECT_EQ(compare(blankSecond), -1);
    s.IgnoreBlanks = false;
    EXPECT_EQ(compare(blankFirst), -1);
}

TEST(SortNumberTest, ReadsOnlyWholeNumbers) {
    const struct {
        const char* text;
        bool valid;
        double value;
    } cases[] = {
        {"12", true, 12}, {"  -1.5", true, -1.5}, {"+2e3", true, 2000}, {"1.", true, 1}, {".5", true, 0.5},
        {"", false, 0},   {"12 ", false, 0},      {"1e", false, 0},     {"-", false, 0}, {"1,5", false, 0},
        {"0x10", false, 0},
    };
    for (const auto& c : cases) {
        double value = 0;
        EXPECT_EQ(ParseSortNumber(c.text, value), c.valid) << c.text;
        if (c.valid) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        }
    }
}

}  // namespace
