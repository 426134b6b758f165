#include "platform/core/string_list.h"

#include <gtest/gtest.h>

namespace {

TEST(StringList, KeepsTextsWithObjectsAndReportsIndexErrors) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    auto* tag = reinterpret_cast<TObject*>(uintptr_t{0x10});
    list.Add("a");
    list.AddObject("b", tag);
    list.Insert(0, "z");
    EXPECT_EQ(list.Text(), "z\na\nb");
    EXPECT_EQ(list.Objects(2), tag);
    EXPECT_EQ(list.IndexOf("b"), 2);
    EXPECT_EQ(list.IndexOf("B"), -1);
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(list.Strings(3), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);

    list.BeginUpdate();
    list.SetText("x\r\ny\n");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changes, 4);  // one change for the bracket
    EXPECT_EQ(list.ToStringList(), QStringList{"y"});
}

TEST(StringList, ASortedListIgnoringDuplicatesAddsAtItsPlaceOnce) {
    TStringList list;
    list.SetSorted(true);
    list.Duplicates = dupIgnore;
    for (const char* s : {"pear", "Apple", "fig", "apple"}) list.Add(s);
    EXPECT_EQ(list.ToStringList(), (QStringList{"Apple", "fig", "pear"}));
    EXPECT_EQ(list.IndexOf("PEAR"), 2);
    EXPECT_EQ(list.Add("FIG"), -1);
}

}  // namespace
