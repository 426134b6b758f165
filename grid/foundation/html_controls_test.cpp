#include "grid/foundation/html_controls.h"

#include <gtest/gtest.h>

namespace {

const QString Cell =
    "Name <CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"x &amp; y\" WIDTH=\"80\" MAXLEN=\"12\" PROP=\"&eacute;t&eacute;\"> "
    "<control type=\"check\" id=\"b\" value=\"TRUE\" width=\"16\" height=\"30\" prop=\"p\" maxlen=\"3\"> "
    "<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"one\" WIDTH=\"60\"> "
    "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\"><CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"TRUE\" WIDTH=\"16\">";

TEST(HTMLControls, ReadTheAttributesOfATag) {
    EXPECT_TRUE(HasHTMLControl(Cell));
    EXPECT_TRUE(HasHTMLControl("<control"));
    EXPECT_FALSE(HasHTMLControl("no controls"));
    const THTMLControlTag t = ParseHTMLControlTag(" type=\"edit\" ID=\"Id\" VALUE=\"&lt;&Eacute;&gt;\" WIDTH=\"5\"");
    EXPECT_EQ(t.Type, "EDIT");
    EXPECT_EQ(t.ID, "Id");
    EXPECT_EQ(t.Value, QString::fromUtf8("<\u00C9>"));
    EXPECT_EQ(t.Width, "5");
    EXPECT_TRUE(t.Height.isEmpty());
    EXPECT_TRUE(t.Prop.isEmpty());
    EXPECT_TRUE(t.MaxLen.isEmpty());
}

TEST(HTMLControls, FindTheControlsOfACellByID) {
    QString value = "kept";
    EXPECT_TRUE(GetHTMLControlValue(Cell, "a", value));
    EXPECT_EQ(value, "x & y");
    EXPECT_FALSE(GetHTMLControlValue(Cell, "A", value));  // IDs keep their case
    EXPECT_EQ(value, "x & y");
    EXPECT_EQ(GetHTMLControlProp(Cell, "a"), QString::fromUtf8("\u00E9t\u00E9"));
    EXPECT_EQ(GetHTMLControlProp(Cell, "z"), "");
    EXPECT_EQ(GetHTMLControlMaxLen(Cell, "a"), 12);
    EXPECT_EQ(GetHTMLControlMaxLen(Cell, "c"), 0);
    EXPECT_EQ(GetHTMLControlMaxLen(Cell, "z"), 0);
}

TEST(HTMLControls, TheNextEditableControlSkipsButtonsCheckBoxesAndRadioButtons) {
    const struct {
        const char* from;
        const char* next;
    } cases[] = {{"", "a"}, {"a", "c"}, {"b", "c"}, {"c", ""}, {"missing", ""}};
    for (const auto& c : cases) EXPECT_EQ(GetNextHTMLControlID(Cell, c.from), c.next) << c.from;
}

TEST(HTMLControls, SettingAValueWritesTheTagAnew) {
    QString text = Cell;
    ASSERT_TRUE(SetHTMLControlValue(text, "b", "FALSE"));
    EXPECT_TRUE(text.contains(
        "<CONTROL ID=\"b\" VALUE=\"FALSE\" WIDTH=\"16\" TYPE=\"CHECK\" PROP=\"p\" MAXLEN=\"3\"> <CONTROL TYPE=\"COMBO\""));
    EXPECT_FALSE(text.contains("height"));
    ASSERT_TRUE(SetHTMLControlValue(text, "a", "<\"\u00E9\">"));
    QString value;
    ASSERT_TRUE(GetHTMLControlValue(text, "a", value));
    EXPECT_EQ(value, "<\"\u00E9\">");
    EXPECT_TRUE(text.contains("VALUE=\"&lt;&quot;&eacute;&quot;&gt;\""));
    EXPECT_TRUE(text.startsWith("Name <CONTROL ID=\"a\""));

    const QString before = text;
    EXPECT_FALSE(SetHTMLControlValue(text, "zz", "1"));
    EXPECT_EQ(text, before);
}

TEST(HTMLControls, ClearingRadioButtonsLeavesTheOthers) {
    const QString cleared = ClearHTMLRadioControls(Cell);
    QString value;
    ASSERT_TRUE(GetHTMLControlValue(cleared, "r1", value));
    EXPECT_EQ(value, "FALSE");
    ASSERT_TRUE(GetHTMLControlValue(cleared, "r2", value));
    EXPECT_EQ(value, "FALSE");
    ASSERT_TRUE(GetHTMLControlValue(cleared, "b", value));
    EXPECT_EQ(value, "TRUE");
}

}  // namespace
