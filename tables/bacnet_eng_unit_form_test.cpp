#include "tables/bacnet_eng_unit_form.h"

#include "config/tables/table_window_fixture.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"

namespace {

class BACnetEngUnitPicker : public TableWindowFixture<TFBACnet_Eng_Unit> {
protected:
    // Chooses the unit as a user would: category, unit, then the select button.
    static void choose(TFBACnet_Eng_Unit& w, const QString& category, const QString& unit) {
        w.CB_Select_Type->SetItemIndex(w.CB_Select_Type->Items().indexOf(category));
        w.CB_Select_TypeSelect(w.CB_Select_Type);
        w.CB_Select_Unit->SetItemIndex(w.CB_Select_Unit->Items().indexOf(unit));
        press(w.Btn_Select_Eng_Unit);
    }
};

TEST_F(BACnetEngUnitPicker, TheSelectButtonGivesTheCodeAndItsName) {
    EXPECT_EQ(window->Caption(), "Select the BACnet Engineering Unit");
    EXPECT_EQ(window->ClientWidth(), 548);
    EXPECT_EQ(window->CB_Select_Type->Items().size(), 23);
    const struct {
        const char* category;
        const char* unit;
        const char* code;
        const char* label;
    } cases[] = {
        {"Temperature", "degrees-Fahrenheit", "64", "-> degrees-Fahrenheit"},
        {"Other", "per-mille", "207", "-> per-mille"},
        {"Electrical", "ohms-meters", "172", "-> ohm-meters"},
    };
    for (const auto& c : cases) {
        const TModalResult result = show([&](TFBACnet_Eng_Unit& w) {
            choose(w, c.category, c.unit);
            press(w.Btn_OK);
        });
        EXPECT_EQ(result, mrOk);
        EXPECT_EQ(window->E_Selected_EU->Text(), c.code);
        EXPECT_EQ(window->Label5->Caption(), c.label);
    }
}

TEST_F(BACnetEngUnitPicker, TheCategoryStaysAndItsUnitsAreListedAgainAtEveryShowing) {
    show([&](TFBACnet_Eng_Unit& w) {
        EXPECT_EQ(w.CB_Select_Type->ItemIndex(), 0);
        EXPECT_EQ(w.CB_Select_Unit->Items(), QStringList({"meters-per-second-per-second"}));
        choose(w, "Time", "hours");
        press(w.Btn_Cancel);
    });
    show([&](TFBACnet_Eng_Unit& w) {
        EXPECT_EQ(w.CB_Select_Type->Text(), "Time");
        EXPECT_EQ(w.CB_Select_Unit->ItemIndex(), 0);
        EXPECT_EQ(w.CB_Select_Unit->Text(), "years");
    });
}

TEST_F(BACnetEngUnitPicker, OkWithoutSelectingKeepsTheCallersText) {
    window->E_Selected_EU->SetText("300");
    window->Label5->SetCaption("-> unknown");
    show([&](TFBACnet_Eng_Unit& w) { press(w.Btn_OK); });
    EXPECT_EQ(window->E_Selected_EU->Text(), "300");
    EXPECT_EQ(window->Label5->Caption(), "-> unknown");
}

}  // namespace
