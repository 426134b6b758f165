#include "grid/foundation/html_render_fixture.h"
#include "grid/foundation/scripted_theme_service.h"
#include "grid/foundation/visual_styles.h"

#include <QStringList>

namespace {

class HTMLFormControlsTest : public HTMLRenderTest {
protected:
    void TearDown() override { ExXPVS().FreeThemeLibrary(); }
    QString control(const char* type, const char* id, const char* value, const char* more = "") {
        return QString("<CONTROL TYPE=\"%1\" ID=\"%2\" VALUE=\"%3\" %4>").arg(type, id, value, more);
    }
};

TEST_F(HTMLFormControlsTest, ControlsTakeTheirWidthAndSetTheirLineHeight) {
    const struct {
        const char* type;
        const char* more;
        int width;
        int height;
    } cases[] = {
        {"EDIT", "WIDTH=\"80\"", 80, 25},  // 23, raised to the control's height of "gh" + 10
        {"PASSWORD", "WIDTH=\"40\"", 40, 25},
        {"COMBO", "WIDTH=\"60\"", 60, 25},
        {"BUTTON", "WIDTH=\"50\" HEIGHT=\"30\"", 50, 28},
        {"CHECK", "WIDTH=\"40\"", 16, 16},
        {"RADIO", "WIDTH=\"16\"", 16, 16},
        {"CHECK", "", 0, 15},               // without WIDTH: no room, not drawn
        {"EDIT", "WIDTH=\"wide\"", 0, 15},
    };
    ASSERT_EQ(gh(), 15);
    for (const auto& c : cases) {
        const QString text = "a" + control(c.type, "x", "v", c.more) + "b";
        const THTMLDrawResults r = measure(text);
        EXPECT_EQ(r.MaxLineWidth, width("a") + c.width + width("b")) << qPrintable(text);
        EXPECT_EQ(r.TotalHeight, c.height) << qPrintable(text);
    }
}

TEST_F(HTMLFormControlsTest, HitTestingReportsTheControlUnderThePointOrTheOneAskedFor) {
    const QString text = "Name " + control("EDIT", "e", "x &amp; y", "WIDTH=\"80\"") + control("CHECK", "c", "TRUE", "WIDTH=\"16\"");
    const int edit = 1 + width("Name") + width(" ");
    THTMLDrawResults r;
    ASSERT_TRUE(hitTest(text, edit + 40, 10, r));
    EXPECT_EQ(r.HitHref, "ctrl");
    EXPECT_EQ(r.ControlID, "e");
    EXPECT_EQ(r.ControlType, "EDIT");
    EXPECT_EQ(r.ControlValue, "x & y");
    EXPECT_EQ(r.ControlRect, (TRect{edit, 0, edit + 80, gh() + 10}));
    // A quote that SetHTMLControlValue wrote as "&quot;" stays in the value.
    ASSERT_TRUE(hitTest(control("EDIT", "q", "say &quot;hi&quot; &lt;now&gt;", "WIDTH=\"80\""), 40, 10, r));
    EXPECT_EQ(r.ControlValue, "say \"hi\" <now>");

    THTMLDrawResults asked;
    THTMLDrawOptions o;
    o.ControlID = "c";
    ASSERT_TRUE(hitTest(text, 250, 150, asked, area, o));
    EXPECT_EQ(asked.ControlID, "c");
    EXPECT_EQ(asked.ControlRect, (TRect{edit + 80, 0, edit + 96, 16}));

    THTMLDrawResults missed;
    EXPECT_FALSE(hitTest(text, 3, 5, missed));
    EXPECT_TRUE(missed.ControlID.isEmpty());
    o.ControlID = "none";
    EXPECT_FALSE(hitTest(text, 3, 5, missed, area, o));
    EXPECT_EQ(missed.ControlID, "none");  // given back as it came
}

TEST_F(HTMLFormControlsTest, ClassicControlsShowTheirValues) {
    draw(control("CHECK", "c", "true", "WIDTH=\"16\""));
    const TColor tick = ColorToRGB(clWindowText);
    EXPECT_GT(count(tick, {3, 1, 16, 16}), 0);
    canvas.FillRect(area);
    draw(control("CHECK", "c", "FALSE", "WIDTH=\"16\""));
    EXPECT_EQ(count(tick, {3, 1, 16, 16}), 0);
    EXPECT_GT(notPaper({3, 1, 16, 16}), 0);

    // An edit box: a grey frame around white from 4 pixels below the line top to 2 below the text.
    canvas.Brush.Color = clSilver;
    canvas.FillRect(area);
    draw(control("EDIT", "e", "WW", "WIDTH=\"80\""));
    EXPECT_EQ(at(1, 25 - 23 + 4), clGray);
    EXPECT_EQ(at(80, 26), clGray);
    EXPECT_EQ(at(81, 26), clSilver);
    EXPECT_EQ(at(78, 10), clWhite);
    EXPECT_GT(count(clBlack, {3, 6, 80, 25}), 0);
}

TEST_F(HTMLFormControlsTest, ThemedControlsAreDrawnByTheVisualStyle) {
    TScriptedThemeService themes;
    ExXPVS().InitThemeLibrary();
    THTMLDrawOptions o;
    o.HitX = 1 + 60 - 5;  // on the combo box
    o.HitY = 10;
    o.MouseDown = true;
    draw(control("COMBO", "c", "one", "WIDTH=\"60\"") + control("CHECK", "k", "TRUE", "WIDTH=\"16\"") +
             control("RADIO", "r", "FALSE", "WIDTH=\"16\"") + control("BUTTON", "b", "Go", "WIDTH=\"40\""),
         area, o);
    // The line is 25 high: the combo box's button, then the boxes of the others along the text bottom.
    EXPECT_EQ(themes.calls, (QStringList{"open combobox", "draw 1 2 (43,7,60,26)", "open button", "draw 3 5 (63,10,76,25)",
                                         "open button", "draw 2 1 (79,11,91,25)", "open button", "draw 1 1 (95,0,131,25)"}));
    EXPECT_EQ(at(1, 25 - 23 + 4), 0xB99D7F);

    // Only the button under the pressed mouse looks pressed.
    themes.calls.clear();
    o.HitX = 20;
    draw(control("BUTTON", "b", "Go", "WIDTH=\"40\""), area, o);
    EXPECT_EQ(themes.calls.last(), "draw 1 3 (3,0,39,25)");
}

}  // namespace
