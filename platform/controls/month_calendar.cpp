#include "platform/controls/month_calendar.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/system/date_time_text.h"

#include <QDate>
#include <QLocale>
#include <cmath>

namespace {
constexpr int margin = 4;
// Monday 0 .. Sunday 6; 30 December 1899 was a Saturday.
int weekday(TDateTime day) { return (static_cast<int>(std::floor(day)) % 7 + 7 + 5) % 7; }

TDateTime systemToday() {
    const QDate d = QDate::currentDate();
    return EncodeDate(d.year(), d.month(), d.day());
}

// The ISO week of the week that starts on Monday.
int weekNumber(TDateTime Monday) {
    int y = 0, m = 0, d = 0;
    DecodeDate(Monday + 3, y, m, d);
    return QDate(y, m, d).weekNumber();
}
}  // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCustomControl(AOwner) {
    const TRect size = MinReqRect();
    SetBounds(0, 0, size.Width(), size.Height());
    SetColor(clWindow);
    TabStop = true;
    // OnClick tells of a picked day only.
    ControlStyle &= ~unsigned(csClickEvents);
}

void TMonthCalendar::SetDate(TDateTime Value) {
    const TDateTime day = std::floor(Value);
    if (day == date_) return;
    date_ = day;
    Invalidate();
}

void TMonthCalendar::SetCalendarStyle(uint32_t Value) {
    if (style_ == Value) return;
    style_ = Value;
    Invalidate();
}

TRect TMonthCalendar::MinReqRect() const {
    const int todayLine = (style_ & MCS_NOTODAY) ? 0 : CellHeight;
    return {0, 0, daysLeft() + 7 * CellWidth + margin, TitleHeight + 7 * CellHeight + todayLine + 2 * margin};
}

TDateTime TMonthCalendar::Today() const { return today_ ? today_ : systemToday(); }

void TMonthCalendar::SetToday(TDateTime Value) {
    today_ = std::floor(Value);
    Invalidate();
}

int TMonthCalendar::daysLeft() const { return margin + ((style_ & MCS_WEEKNUMBERS) ? WeekNumberWidth : 0); }

TDateTime TMonthCalendar::firstShown() const {
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    const TDateTime first = y ? EncodeDate(y, m, 1) : date_;
    return first - weekday(first);
}

TRect TMonthCalendar::DayRect(TDateTime Day) const {
    const int index = static_cast<int>(std::floor(Day) - firstShown());
    if (index < 0 || index >= 42) return {};
    const int left = daysLeft() + index % 7 * CellWidth;
    const int top = margin + TitleHeight + CellHeight + index / 7 * CellHeight;
    return {left, top, left + CellWidth, top + CellHeight};
}

TDateTime TMonthCalendar::DayAtPos(TPoint p) const {
    if (p.Y >= margin && p.Y < margin + TitleHeight) {
        if (p.X < margin + CellWidth) return -2;
        if (p.X >= Width() - margin - CellWidth) return -3;
        return -1;
    }
    const int col = (p.X - daysLeft()) / CellWidth;
    const int row = (p.Y - margin - TitleHeight - CellHeight) / CellHeight;
    if (p.X < daysLeft() || col > 6 || p.Y < margin + TitleHeight + CellHeight || row > 5) return -1;
    return firstShown() + row * 7 + col;
}

void TMonthCalendar::pick(TDateTime Day) {
    SetDate(Day);
    Click();
}

void TMonthCalendar::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT: SetDate(date_ - 1); break;
    case VK_RIGHT: SetDate(date_ + 1); break;
    case VK_UP: SetDate(date_ - 7); break;
    case VK_DOWN: SetDate(date_ + 7); break;
    case VK_PRIOR: SetDate(IncMonth(date_, -1)); break;
    case VK_NEXT: SetDate(IncMonth(date_, 1)); break;
    case VK_RETURN: pick(date_); break;
    default: return;
    }
    Key = 0;
}

void TMonthCalendar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const TDateTime day = DayAtPos({X, Y});
    if (day == -2) SetDate(IncMonth(date_, -1));
    else if (day == -3) SetDate(IncMonth(date_, 1));
    else if (day != -1) pick(day);
}

void TMonthCalendar::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    canvas.Brush.Color = clWindowFrame;
    canvas.FrameRect(ClientRect());
    int y = 0, m = 0, d = 0;
    DecodeDate(date_, y, m, d);
    const QLocale locale;
    const TRect title{margin, margin, Width() - margin, margin + TitleHeight};
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(title);
    DrawFrameControl(canvas, TRect{title.Left, title.Top + 2, title.Left + CellWidth, title.Bottom - 2}, DFC_SCROLL,
                     DFCS_SCROLLLEFT | DFCS_FLAT);
    DrawFrameControl(canvas, TRect{title.Right - CellWidth, title.Top + 2, title.Right, title.Bottom - 2}, DFC_SCROLL,
                     DFCS_SCROLLRIGHT | DFCS_FLAT);
    canvas.Font.Assign(Font());
    canvas.Brush.Style = bsClear;
    TRect caption = title;
    canvas.DrawText(QString("%1 %2").arg(locale.standaloneMonthName(std::max(m, 1)), QString::number(y)), caption,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    for (int i = 0; i < 7; ++i) {
        TRect r{daysLeft() + i * CellWidth, title.Bottom, daysLeft() + (i + 1) * CellWidth, title.Bottom + CellHeight};
        canvas.Font.SetColor(clGrayText);
        canvas.DrawText(locale.dayName(i + 1, QLocale::NarrowFormat), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    const TDateTime first = firstShown();
    const TDateTime today = Today();
    if (style_ & MCS_WEEKNUMBERS) {
        canvas.Font.SetColor(clGrayText);
        for (int week = 0; week < 6; ++week) {
            const TRect day = DayRect(first + week * 7);
            TRect r{margin, day.Top, daysLeft(), day.Bottom};
            canvas.DrawText(QString::number(weekNumber(first + week * 7)), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    for (int i = 0; i < 42; ++i) {
        const TDateTime day = first + i;
        TRect r = DayRect(day);
        int dy = 0, dm = 0, dd = 0;
        DecodeDate(day, dy, dm, dd);
        if (day == date_) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = clHighlight;
            canvas.FillRect(r);
            canvas.Brush.Style = bsClear;
        }
        canvas.Font.SetColor(day == date_ ? clHighlightText : (dm == m ? clWindowText : clGrayText));
        canvas.DrawText(QString::number(dd), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (day == today && !(style_ & MCS_NOTODAYCIRCLE)) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = clRed;
            canvas.FrameRect(r);
            canvas.Brush.Style = bsClear;
        }
    }
    if (!(style_ & MCS_NOTODAY)) {
        const TRect lastDay = DayRect(first + 41);
        TRect r{daysLeft(), lastDay.Bottom, Width() - margin, lastDay.Bottom + CellHeight};
        canvas.Font.SetColor(clWindowText);
        canvas.DrawText("Today: " + DateToStr(today), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    canvas.Brush.Style = bsSolid;
}
