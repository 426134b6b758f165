#include "grid/foundation/grid_lists.h"

#include "platform/controls/panel.h"
#include "platform/core/exception.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> values(const TIntList& list) {
    std::vector<int> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetInteger(i));
    return out;
}

// Counts change reports and checks that they name the list and its cell.
struct ChangeCounter {
    explicit ChangeCounter(TIntList& list) {
        list.OnChange = [this, &list](TObject* sender, int col, int row) {
            EXPECT_EQ(sender, &list);
            cells.push_back({col, row});
        };
    }
    int count() const { return static_cast<int>(cells.size()); }
    std::vector<std::pair<int, int>> cells;
};

TEST(IntList, ChangesReportTheCellExceptInsert) {
    TIntList list(3, 7);
    ChangeCounter changes(list);
    list.Add(5);
    list.Add(9);
    list.SetInteger(1, 4);
    list.Insert(0, 8);
    EXPECT_EQ(changes.count(), 3);
    list.Delete(0);
    EXPECT_EQ(values(list), (std::vector<int>{5, 4}));
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(changes.cells.front(), std::make_pair(3, 7));
}

TEST(IntList, DeleteValueRemovesOnlyTheFirstOccurrence) {
    TIntList list(0, 0);
    for (int v : {1, 2, 1}) list.Add(v);
    ChangeCounter changes(list);
    list.DeleteValue(1);
    EXPECT_EQ(values(list), (std::vector<int>{2, 1}));
    EXPECT_EQ(changes.count(), 1);
    list.DeleteValue(42);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(list.HasValue(1));
    EXPECT_FALSE(list.HasValue(42));
}

TEST(IntList, IndexOutsideTheListRaises) {
    TIntList list(0, 0);
    list.Add(1);
    EXPECT_THROW(list.GetInteger(1), Exception);
    EXPECT_THROW(list.SetInteger(-1, 0), Exception);
    EXPECT_THROW(list.Delete(1), Exception);
}

TEST(IntList, StrValueWritesAndReadsCommaText) {
    struct Case {
        const char* text;
        std::vector<int> values;
    };
    const Case cases[] = {
        {"1,2 3", {1, 2, 3}},
        {"  4 ,  -5 ", {4, -5}},
        {"\"6\",7", {6, 7}},
        {"", {}},
    };
    for (const Case& c : cases) {
        TIntList list(0, 0);
        list.Add(99);
        list.SetStrValue(c.text);
        EXPECT_EQ(values(list), c.values) << c.text;
    }
    TIntList list(0, 0);
    for (int v : {5, -2, 7}) list.Add(v);
    EXPECT_EQ(list.StrValue(), "5,-2,7");
    EXPECT_EQ(TIntList(0, 0).StrValue(), "");
}

TEST(IntList, StrValueStopsAtTheFirstPartThatIsNoInteger) {
    const char* bad[] = {"1,x,3", "1,,3", "1,"};
    for (const char* text : bad) {
        TIntList list(0, 0);
        EXPECT_THROW(list.SetStrValue(text), Exception) << text;
        EXPECT_EQ(values(list), std::vector<int>{1}) << text;
    }
}

TEST(SortIndexList, TextFormRoundTrip) {
    struct Case {
        const char* text;
        const char* saved;
    };
    const Case cases[] = {
        {"u3;d12", "u3;d12"}, {"u3;d12;x;;u", "u3;d12"}, {"x5", "d5"}, {"u", ""}, {"uabc;d2", "u0;d2"}, {"", ""},
    };
    for (const Case& c : cases) {
        TSortIndexList list;
        list.AddIndex(1, true);
        list.LoadFromString(c.text);
        EXPECT_EQ(list.SaveToString(), c.saved) << c.text;
    }
}

TEST(SortIndexList, ColumnsAndDirectionsShareAnItem) {
    TSortIndexList list;
    list.AddIndex(3, true);
    list.AddIndex(12, false);
    EXPECT_EQ(list.SortColumns(1), 12);
    EXPECT_FALSE(list.SortDirections(1));
    EXPECT_EQ(list.FindIndex(12), 1);
    EXPECT_EQ(list.FindIndex(4), -1);

    list.ToggleIndex(12);
    list.ToggleIndex(3);
    list.ToggleIndex(4);
    EXPECT_EQ(list.SaveToString(), "d3;u12");

    list.SetSortColumns(0, 70000);
    EXPECT_EQ(list.SortColumns(0), 70000);
    EXPECT_FALSE(list.SortDirections(0));
    EXPECT_EQ(list.SaveToString(), "d4464;u12");

    list.SetSortDirections(0, true);
    list.SetSortDirections(1, false);
    EXPECT_EQ(list.SaveToString(), "u4464;d12");
    EXPECT_EQ(list.SortColumns(1), 12);
}

TEST(ControlList, FindsControlsByCellAndWindow) {
    TPanel windowed(nullptr);
    TPanel other(nullptr);
    TControlList list;
    list.AddControl(1, 2, &windowed);
    list.AddControl(3, 4, &other);
    list.AddControl(1, 2, &other);
    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.GetControl(1)->Control(), &other);

    EXPECT_TRUE(list.HasHandle(windowed.Handle()));
    TPanel outside(nullptr);
    EXPECT_FALSE(list.HasHandle(outside.Handle()));

    // Removing an item leaves its control alive.
    list.RemoveControl(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.HasHandle(windowed.Handle()));
    EXPECT_EQ(list.ControlIndex(1, 2), 1);
    EXPECT_THROW(list.GetControl(2), Exception);

    // Clearing drops every item and leaves the controls alive.
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ControlIndex(3, 4), -1);
}

TEST(FileStringList, ReadsLineByLineAfterReset) {
    TFileStringList lines;
    lines.Write("a");
    lines.Write("b");
    lines.WriteLn("c");
    lines.WriteLn("d");
    lines.Write("pending");
    lines.Reset();
    lines.WriteLn("e");
    EXPECT_EQ(lines, (QStringList{"abc", "d", "e"}));

    lines.Reset();
    QString s;
    for (const char* expected : {"abc", "d", "e"}) {
        EXPECT_FALSE(lines.Eof());
        lines.ReadLn(s);
        EXPECT_EQ(s, expected);
    }
    EXPECT_TRUE(lines.Eof());
    EXPECT_THROW(lines.ReadLn(s), Exception);
}

}  // namespace
