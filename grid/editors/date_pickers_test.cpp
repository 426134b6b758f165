#include "grid/editors/ex_date_time_picker.h"

#include "grid/foundation/format_settings_fixture.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/system/date_time_text.h"
#include "platform/testkit/testkit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class DatePickersTest : public FormatSettingsFixture {
protected:
    void SetUp() override {
        Use(u'.', u',');
        form.SetBounds(0, 0, 400, 200);
        form.Show();
    }
    template <typename T>
    T* make() {
        auto* picker = new T(&form);
        picker->SetParent(&form);
        picker->SetBounds(20, 20, 200, 22);
        return picker;
    }
    // Each typed character handled before the next, as the message loop runs between keys.
    static void type(TWinControl& control, const QString& text) {
        for (QChar c : text) {
            typeChar(control, c);
            processPosted();
        }
    }
    static TDateTime at(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
        TDateTime time = 0;
        TryEncodeTime(h, mi, s, ms, time);
        return EncodeDate(y, mo, d) + time;
    }

    TForm form{nullptr};
};

TEST_F(DatePickersTest, WithoutMetroAndWithCtl3DTheDatePickerPaintsAsThePlatformPicker) {
    auto* own = make<TAsgDateTimePicker>();
    auto* plain = make<TDateTimePicker>();
    own->SetDateTime(at(2024, 5, 6, 0, 0, 0));
    plain->SetDateTime(own->DateTime());
    own->ButtonColors.ButtonColor = 0x00FF00;
    EXPECT_EQ(renderToImage(*own), renderToImage(*plain));
    EXPECT_EQ(own->Version(), "1.0.0.0");

    // Metro without border colours: the own button, but no own frame.
    own->SetMetroStyle(true);
    const QImage metro = renderToImage(*own);
    const QImage platform = renderToImage(*plain);
    const int left = own->Width() - own->ButtonWidth() + 2 + 1 + 2;
    EXPECT_EQ(metro.pixelColor(left + 1, 5), QColor(0, 255, 0));
    EXPECT_EQ(metro.pixelColor(0, 5), platform.pixelColor(0, 5));
    own->SetBorderColor(0x0000FF);
    EXPECT_EQ(renderToImage(*own).pixelColor(0, 5), QColor(255, 0, 0));
}

TEST_F(DatePickersTest, APickerOnItsOwnNeverDrawsTheMetroFrame) {
    auto* picker = make<TCustomDateTimePicker>();
    picker->SetMetroStyle(true);
    picker->SetCtl3D(true);
    picker->SetBorderColor(0x0000FF);
    picker->ButtonColors.ButtonColor = 0x00FF00;
    const QImage image = renderToImage(*picker);
    int marked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            marked += image.pixelColor(x, y) == QColor(0, 255, 0) || image.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_EQ(marked, 0);
}

TEST_F(DatePickersTest, AutoTabMovesOnOnlyWhenATypedDigitChangedTheTime) {
    auto* picker = make<TCustomDateTimePicker>();
    picker->SetKind(dtkTime);
    picker->SetDateTime(at(2024, 1, 1, 10, 30, 0));
    picker->SetAutoTab(true);
    picker->SetFocus();
    type(*picker, "1");
    EXPECT_EQ(picker->FieldIndex(), 0);  // waits for the second digit
    type(*picker, "0");  // 10 again: no change, no move
    EXPECT_EQ(picker->FieldIndex(), 0);
    type(*picker, "12");
    EXPECT_EQ(picker->DisplayText(), "12:30:00");
    EXPECT_EQ(picker->FieldIndex(), 2);  // the minutes
}

TEST_F(DatePickersTest, TheDateTimePickerJoinsTheDateFieldsAndTheTimePart) {
    auto* picker = make<TExDateTimePicker>();
    ASSERT_NE(picker->TimePart(), nullptr);
    EXPECT_TRUE(picker->TimePart()->Visible());
    picker->SetDateTime(at(2024, 3, 4, 10, 20, 30, 500));
    EXPECT_EQ(picker->DateTime(), at(2024, 3, 4, 10, 20, 30));
    picker->TimePart()->SetTime(at(1899, 12, 30, 8, 15, 0));
    EXPECT_EQ(picker->DateTime(), at(2024, 3, 4, 8, 15, 0));
    picker->SetDate(EncodeDate(2025, 1, 1));
    EXPECT_EQ(picker->DateTime(), at(2025, 1, 1, 8, 15, 0));
    EXPECT_EQ(picker->Version(), "1.2.0.0");

    const TRect part = picker->TimePart()->BoundsRect();
    EXPECT_EQ(part.Top, 2);
    EXPECT_EQ(part.Right, 200 - 21);

    picker->SetKind(dkDate);
    EXPECT_EQ(picker->TimePart(), nullptr);
    picker->SetKind(dkDateTime);
    EXPECT_NE(picker->TimePart(), nullptr);
}

TEST_F(DatePickersTest, AnUntickedDateTimePickerDisablesItsTimePart) {
    auto* picker = make<TExDateTimePicker>();
    picker->SetShowCheckBox(true);
    picker->SetChecked(false);
    EXPECT_FALSE(picker->TimePart()->Enabled());
    picker->SetFocus();
    keyPress(*picker, VK_SPACE);
    EXPECT_TRUE(picker->Checked());
    EXPECT_TRUE(picker->TimePart()->Enabled());
    keyPress(*picker, VK_SPACE);
    EXPECT_FALSE(picker->TimePart()->Enabled());
}

TEST_F(DatePickersTest, AutoTabLeavesTheLastDateFieldForTheTimePart) {
    for (const QString& format : {QString("dd/MM/yyyy"), QString()}) {
        SCOPED_TRACE(format.toStdString());
        auto* picker = make<TExDateTimePicker>();
        picker->SetFormat(format);
        picker->SetDateTime(at(2024, 3, 4, 9, 0, 0));
        picker->SetAutoTab(true);
        picker->SetFocus();
        type(*picker, "15");
        EXPECT_EQ(picker->FieldIndex(), 2);  // on to the month
        keyPress(*picker, VK_RIGHT);
        type(*picker, "2023");
        EXPECT_TRUE(picker->TimePart()->Focused());
        delete picker;
    }
}

TEST_F(DatePickersTest, TheDateTimePickersLabelTakesItsSettingsAndFollowsThePicker) {
    auto* picker = make<TExDateTimePicker>();
    picker->SetParentFont(false);
    picker->SetLabelCaption("When");
    TLabel& label = *picker->PickerLabel();
    picker->SetLabelPosition(lpTopLeft);
    picker->SetLabelMargin(6);
    EXPECT_EQ(picker->LabelMargin(), 6);
    EXPECT_EQ(label.Top(), 20 - label.Height() - 6);
    picker->SetLabelTransparent(true);
    EXPECT_TRUE(label.Transparent);
    TFont font;
    font.SetSize(14);
    picker->SetLabelFont(font);
    EXPECT_EQ(label.Font().Size(), 14);

    // Disabled with the picker unless always enabled, which enables it at once.
    picker->SetEnabled(false);
    EXPECT_FALSE(label.Enabled());
    picker->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label.Enabled());

    QStringList events;
    picker->OnLabelClick = [&](TObject* sender) { events << (sender == picker ? "click" : "?"); };
    picker->OnLabelDblClick = [&](TObject* sender) { events << (sender == picker ? "double click" : "?"); };
    picker->OnClick = [&](TObject* sender) { events << (sender == picker ? "picker click" : "?"); };
    label.Perform(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    label.Perform(WM_LBUTTONUP, 0, 0);
    label.Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    picker->SetEnabled(true);
    click(*picker->TimePart(), 3, 3);
    EXPECT_TRUE(events.contains("click"));
    EXPECT_TRUE(events.contains("double click"));
    EXPECT_TRUE(events.contains("picker click"));
    EXPECT_FALSE(events.contains("?"));

    // The label goes with the picker to a new parent, and hides and shows with it.
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 100, 300, 80);
    picker->SetParent(panel);
    EXPECT_EQ(label.Parent(), panel);
    picker->Hide();
    EXPECT_FALSE(label.Visible());
    picker->Show();
    EXPECT_TRUE(label.Visible());
}

TEST_F(DatePickersTest, LoadingAnUntickedDateTimePickerLeavesItUnticked) {
    auto* picker = make<TExDateTimePicker>();
    picker->SetShowCheckBox(true);
    picker->SetDateTime(at(2024, 5, 6, 7, 8, 9));
    picker->SetLabelCaption("Start");
    picker->SetChecked(false);
    picker->Loaded();
    EXPECT_FALSE(picker->Checked());
    EXPECT_FALSE(picker->TimePart()->Enabled());
    // With the parent's font the label takes the picker's, also when the parent's changes.
    form.Font().SetSize(15);
    EXPECT_EQ(picker->PickerLabel()->Font().Size(), 15);
}

}  // namespace
