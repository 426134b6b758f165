#include "grid/editors/asg_combo.h"

#include "grid/foundation/scripted_theme_service.h"
#include "grid/foundation/visual_styles.h"
#include "platform/controls/form.h"
#include "platform/controls/key_state.h"
#include "platform/controls/label.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class AsgComboTest : public ::testing::Test {
protected:
    AsgComboTest() {
        form.SetBounds(0, 0, 400, 200);
        form.SetColor(0x00C0C0);
        combo = new TAsgComboBox(&form);
        combo->SetParent(&form);
        combo->SetBounds(100, 50, 120, 22);
        combo->SetItems({"Off", "On", "Auto"});
    }
    QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
    static QColor qcolor(TColor c) {
        const TColor rgb = ColorToRGB(c);
        return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    }

    TForm form{nullptr};
    TAsgComboBox* combo;
};

TEST_F(AsgComboTest, ButtonWidthIsTakenOnlyFrom14To32AndSelectItemOnlyKnownTexts) {
    const int start = combo->ButtonWidth();
    combo->SetButtonWidth(13);
    combo->SetButtonWidth(33);
    EXPECT_EQ(combo->ButtonWidth(), start);
    combo->SetButtonWidth(14);
    EXPECT_EQ(combo->ButtonWidth(), 14);
    combo->SetButtonWidth(32);
    EXPECT_EQ(combo->ButtonWidth(), 32);

    combo->SelectItem("Auto");
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->SelectItem("Never");
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(AsgComboTest, CustomButtonColoursFollowTheMouseAndItsButtons) {
    combo->ButtonColors.ButtonColor = 0x00FF00;
    combo->ButtonColors.ButtonColorHot = 0xFF0000;
    combo->ButtonColors.ButtonColorDown = 0x0000FF;
    combo->ButtonColors.ButtonTextColor = 0x000000;
    combo->ButtonColors.ButtonTextColorDown = 0xFFFFFF;
    combo->ButtonColors.ButtonBorderColor = 0x808080;
    // The button strip: R' starts at W - BW + 2, its arrow from R'.Left + 4.
    const int left = combo->Width() - combo->ButtonWidth() + 2;
    const QPoint fill(left + 2, 4), arrow(left + 7, 1 + 1 + 8);

    QImage image = renderToImage(*combo);
    EXPECT_EQ(at(image, fill.x(), fill.y()), qcolor(0x00FF00));
    EXPECT_EQ(at(image, arrow.x(), arrow.y()), qcolor(0x000000));
    EXPECT_EQ(at(image, left, 4), qcolor(0x808080));  // the button's left border

    // A mouse button held elsewhere: the arrow takes its down colour, the fill stays.
    SetAsyncKeyState(VK_LBUTTON, true);
    image = renderToImage(*combo);
    EXPECT_EQ(at(image, fill.x(), fill.y()), qcolor(0x00FF00));
    EXPECT_EQ(at(image, arrow.x(), arrow.y()), qcolor(0xFFFFFF));

    mouseMove(*combo, combo->Width() - 5, 5);
    EXPECT_TRUE(combo->MouseOverButton());
    image = renderToImage(*combo);
    EXPECT_EQ(at(image, fill.x(), fill.y()), qcolor(0x0000FF));
    SetAsyncKeyState(VK_LBUTTON, false);
    image = renderToImage(*combo);
    EXPECT_EQ(at(image, fill.x(), fill.y()), qcolor(0xFF0000));
    mouseMove(*combo, 5, 5);
    EXPECT_FALSE(combo->MouseOverButton());
}

TEST_F(AsgComboTest, ASimpleComboGetsItsFrameButNoButton) {
    combo->SetStyle(csSimple);
    combo->SetBorderColor(0x0000FF);
    combo->ButtonColors.ButtonColor = 0x00FF00;
    const QImage image = renderToImage(*combo);
    EXPECT_EQ(at(image, 0, 10), qcolor(0x0000FF));
    EXPECT_EQ(at(image, combo->Width() - 1, 10), qcolor(0x0000FF));
    int green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) green += at(image, x, y) == qcolor(0x00FF00);
    EXPECT_EQ(green, 0);
}

TEST_F(AsgComboTest, AFlatComboTakesItsParentsColourWhileDisabled) {
    combo->SetFlatParentColor(false);
    combo->SetFlat(true);
    combo->SetColor(0xE0E0E0);
    combo->SetEnabled(false);
    EXPECT_EQ(combo->Color(), form.Color());
    EXPECT_TRUE(combo->ParentColor());
    combo->SetEnabled(true);
    EXPECT_EQ(combo->Color(), 0xE0E0E0);
    EXPECT_FALSE(combo->ParentColor());
}

TEST_F(AsgComboTest, TheFocusColourLastsWhileFocusedAndTheOwnColourComesBack) {
    combo->SetColor(0xF0F0F0);
    combo->FocusColor = 0x00FFFF;
    combo->FocusLabel = true;
    combo->SetLabelCaption("Mode");
    combo->SetFocus();
    EXPECT_EQ(combo->Color(), 0x00FFFF);
    EXPECT_TRUE(combo->ComboLabel()->Font().Style() & fsBold);
    form.SetFocus();
    // Never loaded: the colour before the focus, not black, comes back.
    EXPECT_EQ(combo->Color(), 0xF0F0F0);
    EXPECT_FALSE(combo->ComboLabel()->Font().Style() & fsBold);
}

TEST_F(AsgComboTest, TheLabelComesWithTheFirstCaptionAndStandsWhereItsPositionSays) {
    EXPECT_EQ(combo->LabelCaption(), "");
    EXPECT_EQ(combo->ComboLabel(), nullptr);
    combo->SetLabelCaption("Mode");
    TLabel* label = combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), &form);
    const int tw = LabelTextWidth(*label);
    EXPECT_EQ(label->Left(), 100 - tw - 4);
    EXPECT_EQ(label->Top(), 50);

    combo->SetLabelPosition(lpTopCenter);
    EXPECT_EQ(label->Top(), 50 - label->Height() - 4);
    EXPECT_EQ(label->Left(), 100 + (120 - label->Width()) / 2);

    combo->SetLabelMargin(0);
    combo->SetLabelPosition(lpLeftCenter);
    label->SetAutoSize(false);
    label->SetHeight(40);  // taller than the combo box: above its top by half the difference
    combo->SetBounds(100, 60, 120, 22);
    EXPECT_EQ(label->Top(), 60 - (40 - 22) / 2);

    combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

TEST_F(AsgComboTest, ClosingTheListFiresOnDropUp) {
    int dropUps = 0;
    combo->OnDropUp = [&](TObject*) { ++dropUps; };
    combo->SetFocus();
    keyPress(*combo, VK_F4);
    EXPECT_EQ(dropUps, 0);
    keyPress(*combo, VK_DOWN);
    keyPress(*combo, VK_RETURN);
    EXPECT_EQ(dropUps, 1);
    EXPECT_EQ(combo->Text(), "Off");
}

TEST_F(AsgComboTest, UnderVisualStylesTheButtonIsTheThemedComboButtonInItsState) {
    TScriptedThemeService themes;
    ExXPVS().FreeThemeLibrary();
    ExXPVS().InitThemeLibrary();
    combo->SetBorderColor(0x0000FF);
    mouseMove(*combo, combo->Width() - 5, 5);
    renderToImage(*combo);
    combo->SetEnabled(false);
    renderToImage(*combo);
    ExXPVS().FreeThemeLibrary();
    const int l = combo->Width() - combo->ButtonWidth() + 3;
    const QString rect = QString("(%1,1,%2,%3)").arg(l).arg(combo->Width() - 1).arg(combo->Height() - 1);
    EXPECT_EQ(themes.calls, (QStringList{"open combobox", "draw 1 2 " + rect, "open combobox", "draw 1 4 " + rect}));
}

}  // namespace
