#include "grid/stringgrid/model/string_grid_test_fixture.h"

namespace {

// Rows 1 .. 4 of column 1 hold the texts below; column 2 holds markup.
class RowFilter : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        const char* texts[] = {"", "apple", " Banana ", "EUR 12", "cherry"};
        for (int r = 1; r <= 4; ++r) grid->SetCells(1, r, texts[r]);
        grid->SetCells(2, 1, "<b>bold</b>");
    }
    TFilterData& add(int column, const char* condition, TFilterOperation op = foSHORT) {
        TFilterData& item = *grid->Filter().Add();
        item.Column = static_cast<int16_t>(column);
        item.Condition = condition;
        item.Operation = op;
        return item;
    }
    // The rows 1 .. 4 that pass, as digits.
    QString passing() {
        QString out;
        for (int r = 1; r <= 4; ++r)
            if (grid->MatchFilter(r)) out += QString::number(r);
        return out;
    }
};

TEST_F(RowFilter, EachConditionTestsItsColumnsTrimmedText) {
    struct Case {
        const char* condition;
        bool caseSensitive;
        TFilterMethod method;
        const char* prefix;
        const char* passing;
    } cases[] = {
        {"banana", true, fmExpression, "", ""},
        {"banana", false, fmExpression, "", "2"},
        {"*an*", true, fmExpression, "", "2"},
        {"!a*", true, fmExpression, "", "234"},
        {"<20", true, fmExpression, "EUR ", "3"},  // 12 against 20 as numbers, the rest as texts
        {"Banana", true, fmLiteral, "", "2"},
        {"*an*", true, fmLiteral, "", ""},
        {"", true, fmExpression, "", "1234"},
        {"(", true, fmExpression, "", ""},  // malformed: no row passes
    };
    for (const Case& c : cases) {
        grid->Filter().Clear();
        TFilterData& item = add(1, c.condition);
        item.CaseSensitive = c.caseSensitive;
        item.Method = c.method;
        item.Prefix = c.prefix;
        SCOPED_TRACE(c.condition);
        EXPECT_EQ(passing(), c.passing);
    }
}

TEST_F(RowFilter, TextKindsAndTheirCombination) {
    TFilterData& stripped = add(2, "bold");
    stripped.Data = fcStripHTML;
    EXPECT_EQ(passing(), "1");
    stripped.Data = fcNormal;
    EXPECT_EQ(passing(), "");

    grid->Filter().Clear();
    TFilterData& row = add(0, "eur 12");  // anywhere in the row's texts, any letter case
    row.Data = fcRow;
    EXPECT_EQ(passing(), "3");

    grid->Filter().Clear();
    add(1, "apple", foNONE);
    add(1, "cherry", foOR);
    EXPECT_EQ(passing(), "14");
    grid->Filter().Items(1)->Operation = foXOR;
    grid->Filter().Items(1)->Condition = "*e*";
    EXPECT_EQ(passing(), "4");  // apple holds an e on both counts
    grid->Filter().Items(0)->Operation = foSHORT;  // a miss ends the test before the XOR
    EXPECT_EQ(passing(), "");

    grid->OnCustomFilter = [](TObject*, int ARow, bool& Accept) { Accept = Accept || ARow == 2; };
    EXPECT_EQ(passing(), "2");
}

}  // namespace
