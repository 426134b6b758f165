#include "grid/editors/dropdown/analog_watch.h"
#include "platform/controls/form.h"
#include "platform/core/exception.h"
#include "platform/system/date_time_text.h"
#include "platform/testkit/testkit.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class AnalogWatch : public ::testing::Test {
protected:
    AnalogWatch() {
        form.SetBounds(0, 0, 300, 300);
        watch = new TExWatch(&form);
        watch->SetParent(&form);
        watch->Animation = false;
        watch->OnChange = [this](TObject*) { ++changes; };
        form.Show();
    }
    void setTime(int h, int m, int s = 0) { watch->SetTime(EncodeTime(h, m, s, 0)); }
    QString shown() { return FormatDateTime("hh:nn:ss", watch->Time()); }
    // Runs the animation to its end.
    void settle() {
        for (int i = 0; i < 200; ++i) advance(1);
    }

    TForm form{nullptr};
    TExWatch* watch = nullptr;
    int changes = 0;
};

TEST_F(AnalogWatch, FitsItsFaceAndPointsAtHoursAndMinutes) {
    EXPECT_EQ(watch->Width(), 180);
    EXPECT_EQ(watch->GetWatchRect(), (TRect{10, 10, 170, 170}));
    EXPECT_EQ(watch->GetWatchCenter(), (TPoint{90, 90}));
    EXPECT_EQ(watch->GetRadius(), 80);
    watch->Appearance().Size = 100;
    EXPECT_EQ(watch->GetWatchRect(), (TRect{40, 40, 140, 140}));
    watch->Appearance().Size = 0;

    struct Case {
        int x, y, minute, hourAM, hourPM;
    } cases[] = {
        {172, 90, 15, 3, 15},  {130, 90, 15, 3, 15},  {90, 170, 30, 6, 18}, {20, 90, 45, 9, 21},
        {89, 40, 0, 0, 12},    {91, 40, 0, 0, 12},    {90, 5, 0, 0, 12},     {150, 40, 8, 2, 14},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(watch->MinuteAtPos(c.x, c.y), c.minute) << c.x << "," << c.y;
        setTime(1, 0);
        EXPECT_EQ(watch->HourAtPos(c.x, c.y), c.hourAM);
        setTime(13, 0);
        EXPECT_EQ(watch->HourAtPos(c.x, c.y), c.hourPM);
    }
}

TEST_F(AnalogWatch, HandsPointWhereTheTimePutsThem) {
    TWatchAppearance& a = watch->Appearance();
    a.HourPointer = clRed;
    a.MinutePointer = 0xFF0000;
    a.HourPointerShadow = a.MinutePointerShadow = clNone;
    a.Changed();
    const QColor red(255, 0, 0), blue(0, 0, 255);
    // The pixels of colour within 2 of the point at angle and distance from the centre.
    const auto inkNear = [](const QImage& image, double angle, double distance, QColor colour) {
        const int x = 90 + static_cast<int>(std::lround(distance * std::sin(angle * M_PI / 180)));
        const int y = 90 - static_cast<int>(std::lround(distance * std::cos(angle * M_PI / 180)));
        int n = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) n += image.pixelColor(x + dx, y + dy) == colour;
        return n;
    };
    struct Case {
        int h, m;
        double hourAngle, minuteAngle;
    } cases[] = {{3, 0, 90, 0}, {9, 30, 285, 180}, {18, 15, 187.5, 90}, {12, 0, 0, 0}, {23, 45, 352.5, 270}};
    for (const Case& c : cases) {
        setTime(c.h, c.m);
        const QImage image = renderToImage(*watch);
        // The hour hand reaches half the radius, the minute hand seven tenths.
        EXPECT_GT(inkNear(image, c.hourAngle, 28, red), 3) << c.h << ":" << c.m;
        EXPECT_EQ(inkNear(image, c.hourAngle, 48, red), 0) << c.h << ":" << c.m;
        EXPECT_EQ(inkNear(image, c.hourAngle + 90, 28, red), 0) << c.h << ":" << c.m;
        EXPECT_GT(inkNear(image, c.minuteAngle, 50, blue), 3) << c.h << ":" << c.m;
        EXPECT_EQ(inkNear(image, c.minuteAngle + 90, 50, blue), 0) << c.h << ":" << c.m;
        EXPECT_EQ(watch->AM(), c.h < 12);
    }
    // The face: white inside its black border, the control's colour outside it.
    const QImage image = renderToImage(*watch);
    EXPECT_EQ(image.pixelColor(90, 30), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(90, 10), QColor(0, 0, 0));
    EXPECT_NE(image.pixelColor(3, 3), QColor(255, 255, 255));
}

TEST_F(AnalogWatch, ClicksSetTheHourTheMinuteAndTheHalfOfTheDay) {
    setTime(1, 20);
    click(*watch, 172, 90);  // outside the circle: the minute
    EXPECT_EQ(shown(), "01:15:00");
    click(*watch, 130, 90);  // inside: the hour of this half
    EXPECT_EQ(shown(), "03:15:00");
    EXPECT_EQ(changes, 2);
    const TRect box = watch->GetAMPMRect();
    EXPECT_GT(box.Top, 90);
    click(*watch, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(shown(), "15:15:00");
    EXPECT_FALSE(watch->AM());
    click(*watch, 91, 40);  // twelve o'clock in the afternoon
    EXPECT_EQ(shown(), "12:15:00");
    EXPECT_THROW(watch->SetMinute(60), Exception);
    // Following the clock, clicks set nothing.
    watch->SetSettings({true, true, 0});
    const TDateTime before = watch->Time();
    click(*watch, 130, 90);
    EXPECT_EQ(watch->Time(), before);
}

TEST_F(AnalogWatch, AnimatedHandsRunToTheirTargetAndCarryTheHour) {
    watch->Animation = true;
    setTime(10, 45);
    watch->SetMinute(0);
    EXPECT_EQ(shown(), "10:45:00");
    advance(1);
    EXPECT_EQ(shown(), "10:47:00");  // forward, a tenth of the way
    settle();
    EXPECT_EQ(shown(), "11:00:00");
    EXPECT_EQ(changes, 1);

    watch->SetHour(20);
    settle();
    EXPECT_EQ(shown(), "20:00:00");
    EXPECT_FALSE(watch->AM());
    EXPECT_EQ(changes, 2);

    // Without animation the hour is carried at once.
    watch->Animation = false;
    setTime(7, 45);
    watch->SetMinute(0);
    EXPECT_EQ(shown(), "08:00:00");
}

TEST_F(AnalogWatch, KeysStepTheTimeAcrossMidnight) {
    struct Case {
        int h, m;
        uint16_t key;
        const char* after;
    } cases[] = {
        {0, 0, VK_LEFT, "23:59:00"},   {10, 59, VK_RIGHT, "10:00:00"}, {10, 30, VK_RIGHT, "10:31:00"},
        {23, 10, VK_PRIOR, "00:10:00"}, {0, 10, VK_NEXT, "23:10:00"},  {5, 10, VK_NEXT, "04:10:00"},
        {5, 10, VK_HOME, "12:10:00"},   {5, 10, 'P', "17:10:00"},      {17, 10, 'A', "05:10:00"},
        {5, 10, 'A', "05:10:00"},       {5, 40, VK_END, "06:00:00"},   {5, 20, VK_END, "05:00:00"},
    };
    for (const Case& c : cases) {
        for (bool animated : {false, true}) {
            watch->Animation = animated;
            setTime(c.h, c.m);
            watch->WatchKey(c.key);
            settle();
            EXPECT_EQ(shown(), c.after) << c.h << ":" << c.m << " key " << c.key << (animated ? " animated" : "");
        }
    }
}

TEST_F(AnalogWatch, StylesSetTheLook) {
    // A new watch already has the classic style: setting it changes nothing.
    const TColor background = watch->Appearance().BackgroundColor;
    watch->Appearance().HourMarkLength = 3;
    watch->SetStyle(wsClassic);
    EXPECT_EQ(watch->Appearance().HourMarkLength, 3);

    watch->SetStyle(wsTower);
    EXPECT_EQ(watch->Appearance().Shape, wsRect);
    EXPECT_EQ(watch->Appearance().PointerStyle, psPointer);
    EXPECT_FALSE(watch->ShowNumbers());
    EXPECT_TRUE(watch->ShowAMPM());  // kept
    // A square face fills the control: its corner shows the gradient's first colour.
    const QImage tower = renderToImage(*watch);
    EXPECT_EQ(tower.pixelColor(5, 1), QColor(0xFE, 0xF0, 0xB1));
    EXPECT_EQ(tower.pixelColor(5, 0), QColor(0, 0, 0));  // its border

    watch->SetStyle(wsClassic);
    EXPECT_EQ(watch->Appearance().BackgroundColor, background);
    EXPECT_EQ(watch->Appearance().HourMarkLength, 8);
    EXPECT_EQ(watch->Appearance().HourFont.Name(), "Comic Sans MS");

    watch->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(watch->Appearance().BackgroundColor, 0xFFD2AF);
    EXPECT_EQ(watch->Appearance().MinutePointer, 0xD68759);
    EXPECT_EQ(watch->Appearance().CenterPointOuterBorderColor, clBlack);
    watch->SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(watch->Appearance().HourFont.Color(), 0xF2F1F0);
}

}  // namespace
