#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/time_picker_dropdown.h"
#include "platform/controls/activation.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/panel.h"
#include "platform/core/exception.h"
#include "platform/system/date_time_text.h"

namespace {

class TimePickerDropDown : public DescendantFixture<TExTimePickerDropDown> {
protected:
    TimePickerDropDown() {
        dd->OnTimeChange = [this](TObject*) { ++timeChanges; };
    }
    QString shown() { return FormatDateTime("hh:nn:ss", dd->Time()); }
    void open() {
        dd->ShowDropDown();
        ASSERT_TRUE(dd->DroppedDown());
        ActivateWindow(&popup());
    }
    void keyInPopup(uint16_t key) {
        keyPress(popup(), key);
        for (int i = 0; i < 200; ++i) advance(1);
    }
    // A click on the watch at the angle (degrees from twelve) and the share of its radius.
    void clickWatch(double angle, double share) {
        TExWatch& w = *dd->ExWatch();
        const TPoint c = w.GetWatchCenter();
        const double d = share * w.GetRadius();
        click(w, c.X + static_cast<int>(std::lround(d * std::sin(angle * M_PI / 180))),
              c.Y - static_cast<int>(std::lround(d * std::cos(angle * M_PI / 180))));
        for (int i = 0; i < 200; ++i) advance(1);
    }
    int timeChanges = 0;
};

TEST_F(TimePickerDropDown, ShowsTheTimeWithTheRegionalSeparator) {
    EXPECT_EQ(dd->EditText(), "00:00:00");
    EXPECT_EQ(dd->Time(), 0);
    EXPECT_FALSE(dd->EditorEnabled());
    dd->SetTime(EncodeTime(12, 34, 56, 0));
    EXPECT_EQ(dd->EditText(), "12:34:56");
    EXPECT_EQ(timeChanges, 0);
    dd->SetShowSeconds(false);
    EXPECT_EQ(dd->EditText(), "12:34");
    EXPECT_EQ(shown(), "12:34:00");

    Use(u',', u'.', u'/', u'.');
    TExTimePickerDropDown other(&owner);
    EXPECT_EQ(other.EditText(), "00.00.00");
    other.SetTime(EncodeTime(7, 5, 9, 0));
    EXPECT_EQ(other.EditText(), "07.05.09");
}

TEST_F(TimePickerDropDown, UpAndDownStepThePartUnderTheCaret) {
    struct Case {
        int h, m, s, caret;
        uint16_t key;
        const char* after;
    } cases[] = {
        {10, 59, 30, 4, VK_DOWN, "10:00:30"},  // no carry into the hour
        {0, 15, 0, 1, VK_UP, "23:15:00"},      // back over midnight
        {23, 15, 0, 0, VK_DOWN, "00:15:00"},
        {12, 34, 56, 2, VK_DOWN, "13:34:56"},  {12, 34, 56, 3, VK_UP, "12:33:56"},
        {12, 34, 56, 5, VK_DOWN, "12:35:56"},  {12, 34, 56, 6, VK_DOWN, "12:34:57"},
        {12, 34, 0, 8, VK_UP, "12:34:59"},
    };
    int steps = 0;
    for (const Case& c : cases) {
        dd->SetTime(EncodeTime(c.h, c.m, c.s, 0));
        dd->SetSelStart(c.caret);
        uint16_t key = c.key;
        dd->KeyDown(key, 0);
        ++steps;
        EXPECT_EQ(dd->EditText(), c.after) << c.h << ":" << c.m << ":" << c.s << " caret " << c.caret;
        EXPECT_EQ(dd->SelStart(), c.caret);
    }
    EXPECT_EQ(timeChanges, steps);
    // Alt and Ctrl leave the time alone; an editable edit passes its keys on.
    uint16_t up = VK_UP;
    dd->KeyDown(up, ssCtrl);
    EXPECT_EQ(dd->EditText(), "12:34:59");
    dd->SetEditorEnabled(true);
    dd->SetSelStart(0);
    keyPress(*dd, VK_DOWN);
    EXPECT_EQ(dd->EditText(), "13:34:59");
}

TEST_F(TimePickerDropDown, ReadsACompleteTypedTime) {
    dd->SetEditorEnabled(true);
    const auto type = [this](const QString& text) {
        dd->SetTextDirect(QString());
        dd->SetSelStart(0);
        for (QChar ch : text) typeChar(*dd, ch);
    };
    type("07:05:09");
    EXPECT_EQ(shown(), "07:05:09");
    // The mask drops the blank and steps over the separator: a place left blank reads as a
    // zero, and a full hour shows as read.
    type("08: 0:00");
    EXPECT_EQ(shown(), "08:00:00");
    EXPECT_EQ(dd->EditText(), "08:00:00");
    // Letters never reach the digit places; a time not typed to its end is not read.
    for (const char* ignored : {"ab:cd:ef", "08:30", "08:3"}) {
        type(ignored);
        EXPECT_EQ(shown(), "08:00:00") << ignored;
    }
    dd->SetTextDirect("25:00:00");
    EXPECT_THROW(dd->Change(), Exception);
}

TEST_F(TimePickerDropDown, TheWatchStepsAcrossMidnightByKeysAndMouse) {
    dd->SetTime(EncodeTime(23, 30, 0, 0));
    open();
    TExWatch& watch = *dd->ExWatch();
    EXPECT_EQ(watch.Time(), dd->Time());
    EXPECT_EQ(watch.Width(), dd->PanelCtrl()->Width());  // the watch fills its panel
    EXPECT_EQ(watch.Height(), dd->PanelCtrl()->Height());
    EXPECT_FALSE(popup().CancelOnDeActivate);
    keyInPopup(VK_PRIOR);
    EXPECT_EQ(shown(), "00:30:00");  // handed back when the watch arrived
    EXPECT_EQ(dd->EditText(), "00:30:00");
    keyInPopup(VK_END);
    EXPECT_EQ(shown(), "00:00:00");
    keyInPopup(VK_LEFT);
    EXPECT_EQ(shown(), "23:59:00");
    keyInPopup(VK_RIGHT);
    EXPECT_EQ(shown(), "23:00:00");  // minute 0 of the same hour
    keyInPopup('A');
    EXPECT_EQ(shown(), "11:00:00");

    // The mouse: minute 45, then the twelve o'clock minute runs round into the next hour.
    dd->HideDropDown(false);
    dd->SetTime(EncodeTime(23, 10, 0, 0));
    open();
    clickWatch(270, 1.05);
    EXPECT_EQ(shown(), "23:45:00");
    clickWatch(0, 1.05);
    EXPECT_EQ(shown(), "00:00:00");
    clickWatch(90, 0.5);  // an hour of the morning now
    EXPECT_EQ(shown(), "03:00:00");
    dd->HideDropDown(false);
    EXPECT_EQ(shown(), "03:00:00");
    EXPECT_EQ(timeChanges, 0);  // changes on the watch fire only with the picker row
}

TEST_F(TimePickerDropDown, CancelKeepsTheOldTime) {
    dd->SetTime(EncodeTime(9, 15, 0, 0));
    dd->Animation = false;
    open();
    dd->ExWatch()->WatchKey(VK_HOME);
    EXPECT_EQ(FormatDateTime("hh:nn", dd->ExWatch()->Time()), "12:15");
    dd->HideDropDown(true);
    EXPECT_EQ(shown(), "09:15:00");
    EXPECT_EQ(dd->EditText(), "09:15:00");
    // Without cancel the watch's time is taken.
    open();
    dd->ExWatch()->SetTime(EncodeTime(18, 5, 0, 0));
    dd->HideDropDown(false);
    EXPECT_EQ(shown(), "18:05:00");
}

TEST_F(TimePickerDropDown, ThePickerRowFollowsTheWatch) {
    dd->ShowTimePicker = true;
    dd->Animation = false;
    dd->SetTime(EncodeTime(6, 40, 0, 0));
    open();
    TDateTimePicker& row = *dd->DateTimePicker();
    EXPECT_TRUE(row.Visible());
    EXPECT_EQ(row.Top() + row.Height(), dd->PanelCtrl()->Height());  // under the watch
    EXPECT_EQ(dd->ExWatch()->Height(), row.Top());
    EXPECT_EQ(row.Format(), "HH:mm:ss");
    EXPECT_EQ(FormatDateTime("hh:nn", row.Time()), "06:40");
    keyInPopup(VK_PRIOR);
    EXPECT_EQ(FormatDateTime("hh:nn", row.Time()), "07:40");
    EXPECT_EQ(shown(), "07:40:00");
    EXPECT_EQ(timeChanges, 1);
    // A time picked in the row moves the watch.
    row.SetTime(EncodeTime(8, 0, 0, 0));
    row.OnChange(&row);
    EXPECT_EQ(FormatDateTime("hh:nn", dd->ExWatch()->Time()), "08:00");
    dd->HideDropDown(false);
    EXPECT_EQ(shown(), "08:00:00");
    dd->ShowTimePicker = false;
    open();
    EXPECT_FALSE(row.Visible());
    dd->HideDropDown(false);
}

TEST_F(TimePickerDropDown, StylesReachTheWatch) {
    dd->SetComponentStyle(tsOffice2003Olive);
    EXPECT_EQ(dd->WatchAppearance().BackgroundColor, 0xB9EAE1);
    dd->WatchAppearance().HourPointer = clRed;
    dd->ShowWatchNumbers = false;
    open();
    EXPECT_EQ(dd->ExWatch()->Appearance().HourPointer, clRed);
    EXPECT_EQ(dd->ExWatch()->Appearance().BackgroundColor, 0xB9EAE1);
    EXPECT_FALSE(dd->ExWatch()->ShowNumbers());
    dd->HideDropDown(false);
}

}  // namespace
