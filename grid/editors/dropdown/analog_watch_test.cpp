#include "grid/editors/dropdown/analog_watch.h"
#include "platform/controls/form.h"
#include "platform/core/exception.h"
#include "platform/system/date_time_text.h"
#include "platform/testkit/testkit.h"

#include <algorithm>
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

// Wide hands, their shadows and the face border are solid strokes: on slanted hands no pixel
// of the face shows through the middle of a stroke.
TEST_F(AnalogWatch, WideHandsShadowsAndBorderAreSolid) {
    TWatchAppearance& a = watch->Appearance();
    a.HourPointer = clRed;
    a.MinutePointer = 0xFF0000;
    a.HourPointerShadow = 0x00FF00;
    a.MinutePointerShadow = 0x00FFFF;
    a.HourPointerSize = 4;
    a.MinutePointerSize = 3;
    a.BorderWidth = 4;
    a.BorderColor = clBlack;
    a.TickMarks = tmNone;
    watch->SetShowNumbers(false);
    watch->SetShowAMPM(false);
    a.Changed();
    const QColor face(255, 255, 255);
    const double r = watch->GetRadius();
    const auto pixelAt = [](const QImage& image, double x, double y) {
        return image.pixelColor(static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5)));
    };
    // The face's pixels between the first and the last pixel of Ink on a line of samples from
    // From, Steps steps of Step.
    const auto holesAcross = [&](const QImage& image, QPointF from, QPointF step, int steps, QColor ink) {
        std::vector<QColor> line;
        for (int i = 0; i <= steps; ++i) line.push_back(pixelAt(image, from.x() + i * step.x(), from.y() + i * step.y()));
        const auto first = std::find(line.begin(), line.end(), ink);
        const auto last = std::find(line.rbegin(), line.rend(), ink).base();
        return first < last ? static_cast<int>(std::count(first, last, face)) : -1;
    };
    // Across a stroke along Angle, from From to To from the centre shifted by DX, DY: the face
    // pixels between its edges, and one for each place the stroke does not show where it must.
    const auto holes = [&](const QImage& image, double angle, double from, double to, int dx, int dy, QColor ink,
                           bool mayBeHidden = false) {
        const double s = std::sin(angle * M_PI / 180), c = std::cos(angle * M_PI / 180);
        int n = 0;
        for (double d = from; d <= to; d += 1) {
            const QPointF axis(90 + dx + d * s, 90 + dy - d * c);
            const int found = holesAcross(image, axis - 4 * QPointF(c, s), QPointF(c, s) / 4, 32, ink);
            n += found >= 0 ? found : mayBeHidden ? 0 : 1;
        }
        return n;
    };
    const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 255, 0), yellow(255, 255, 0), black(0, 0, 0);
    for (const auto& [h, m] : {std::pair{10, 8}, std::pair{1, 38}, std::pair{4, 22}, std::pair{7, 53}}) {
        setTime(h, m);
        const QImage image = renderToImage(*watch);
        const double hourAngle = (h % 12) * 30 + m * 0.5, minuteAngle = m * 6;
        EXPECT_EQ(holes(image, hourAngle, 0.15 * r, 0.45 * r, 0, 0, red), 0) << h << ":" << m << " hour";
        EXPECT_EQ(holes(image, minuteAngle, 0.15 * r, 0.65 * r, 0, 0, blue), 0) << h << ":" << m << " minute";
        // The shadows where their hands leave them in sight.
        EXPECT_EQ(holes(image, hourAngle, 0.2 * r, 0.4 * r, -1, 3, green, true), 0) << h << ":" << m << " hour shadow";
        EXPECT_EQ(holes(image, minuteAngle, 0.2 * r, 0.6 * r, 0, 3, yellow, true), 0) << h << ":" << m << " minute shadow";
    }
    // The border: a ring of four pixels on the face's edge, unbroken along every ray.
    const QImage image = renderToImage(*watch);
    int gaps = 0;
    for (double angle = 0; angle < 360; angle += 0.5) {
        const double s = std::sin(angle * M_PI / 180), c = std::cos(angle * M_PI / 180);
        gaps += std::abs(holesAcross(image, QPointF(90 + (r - 6) * s, 90 - (r - 6) * c), QPointF(s, -c) / 4, 36, black));
    }
    EXPECT_EQ(gaps, 0);
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
