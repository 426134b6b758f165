#include "grid/editors/asg_unit_edit_btn.h"

#include "platform/controls/form.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

namespace {

class EditBtnTest : public ::testing::Test {
protected:
    EditBtnTest() {
        edit = new TAsgUnitEditBtn(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 120, 21);
        edit->OnClickBtn = [this](TObject* sender) { clicks << sender; };
        edit->OnUnitChanged = [this](TObject*, const QString& unit) { changes << unit; };
    }
    TForm form{nullptr};
    TAsgUnitEditBtn* edit;
    QList<TObject*> clicks;
    QStringList changes;
};

TEST_F(EditBtnTest, AValueSplitsAtTheFirstUnitThatEndsItAndOccursNowhereEarlier) {
    struct Case {
        QStringList units;
        const char* value;
        const char* text;
        const char* unit;
    } cases[] = {
        {{"m", "mm"}, "12mm", "12", "mm"}, {{"m", "mm"}, "5m", "5", "m"}, {{"m", "km"}, "3km", "3k", "m"},
        {{"mm"}, "mm", "", "mm"},          {{"", "s"}, "7s", "7", "s"},  {{"m"}, "12 kg", "0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        TAsgUnitEditBtn probe(nullptr);
        probe.SetUnits(c.units);
        probe.SetTextAndUnit(c.value);
        EXPECT_EQ(probe.Text(), c.text);
        EXPECT_EQ(probe.UnitID(), c.unit);
        if (*c.unit) {
            EXPECT_EQ(probe.TextAndUnit(), c.value);
        }
    }
}

TEST_F(EditBtnTest, F4AndTheButtonClickAndTheMenuSetsTheUnit) {
    edit->SetUnits({"V", "mV"});
    edit->SetUnitID("V");
    edit->SetFocus();
    driver().answerNextMenu(2);
    keyPress(*edit, VK_F4);
    processPosted();
    EXPECT_EQ(edit->UnitID(), "mV");
    ASSERT_EQ(driver().menus().size(), 1u);
    EXPECT_EQ(driver().menus()[0].Items, (QStringList{"V", "mV"}));
    const TPoint corner = edit->ClientToScreen({2 + 116 - 15, 2 + 17});
    EXPECT_EQ(driver().menus()[0].X, corner.X);
    EXPECT_EQ(driver().menus()[0].Y, corner.Y);

    keyPress(*edit, VK_F4, ssAlt);
    EXPECT_EQ(driver().menus().size(), 1u);
    driver().answerNextMenu(2);  // the unit shown already
    click(*edit->Button()->Button(), 3, 3);
    processPosted();
    EXPECT_EQ(changes, (QStringList{"mV"}));
    EXPECT_EQ(clicks, (QList<TObject*>{edit, edit}));
}

TEST_F(EditBtnTest, TheButtonReleaseFiresWithTheButtonAndFocusesTheEdit) {
    form.Show();
    TAsgEditBtn plain(&form);
    plain.SetParent(&form);
    QList<TObject*> senders;
    plain.OnClickBtn = [&](TObject* sender) { senders << sender; };
    click(*plain.Button()->Button(), 3, 3);
    EXPECT_EQ(senders, (QList<TObject*>{plain.Button()}));
    EXPECT_TRUE(plain.Focused());
    plain.EditorEnabled = false;
    plain.SetText("1");
    plain.SetSelStart(1);
    typeChar(plain, '2');
    EXPECT_EQ(plain.Text(), "1");
}

TEST_F(EditBtnTest, TheTextEndsLeftOfTheUnitStripAndTheButton) {
    TRect r;
    edit->Perform(EM_GETRECT, 0, reinterpret_cast<intptr_t>(&r));
    EXPECT_EQ(r.Right, 116 - 18 - 5 - 20 - 3);
    edit->SetUnitSpace(0);
    edit->Perform(EM_GETRECT, 0, reinterpret_cast<intptr_t>(&r));
    EXPECT_EQ(r.Right, 116 - 18 - 5);
    EXPECT_EQ(edit->Button()->BoundsRect(), (TRect{2 + 120 - 18 - 5, 2, 2 + 120 - 5, 2 + 21 - 5}));
}

}  // namespace

namespace {

TColor pixelOf(TControl& control, int x, int y) {
    const QColor c = renderToImage(control).pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

TEST_F(EditBtnTest, TheGlyphAndItsCountReachTheButtonThatDrawsIt) {
    form.Show();
    // Two pictures side by side: red for up, blue for disabled; the white bottom-left pixel is
    // the transparent colour.
    TBitmap glyph(8, 4);
    glyph.Canvas().Brush.Color = 0x0000FF;
    glyph.Canvas().FillRect({0, 0, 4, 4});
    glyph.Canvas().Brush.Color = 0xFF0000;
    glyph.Canvas().FillRect({4, 0, 8, 4});
    glyph.Canvas().SetPixel(0, 3, 0xFFFFFF);
    edit->SetGlyph(&glyph);
    edit->SetNumGlyphs(2);
    TExSpeedButton& button = *edit->Button()->Button();
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(edit->NumGlyphs(), 2);
    EXPECT_EQ(button.Glyph().Width(), 8);
    // The up picture, centred on the 18 x 16 face.
    EXPECT_EQ(pixelOf(button, button.Width() / 2, button.Height() / 2), 0x0000FF);
}

}  // namespace
