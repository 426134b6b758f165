#include "grid/editors/dropdown/analog_watch.h"

#include "grid/editors/dropdown/dropdown_drawing.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/clip_scope.h"
#include "platform/system/date_time_text.h"

#include <cmath>
#include <vector>

// The face is drawn once into the cache; the hands are drawn over a copy of it.

namespace {

constexpr double Degree = M_PI / 180;

int roundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

// The point at Angle degrees clockwise from twelve o'clock and Distance from C.
TPoint polar(TPoint C, double Angle, double Distance) {
    return {C.X + roundHalfEven(Distance * std::sin(Angle * Degree)), C.Y - roundHalfEven(Distance * std::cos(Angle * Degree))};
}

TPoint shifted(TPoint P, int DX, int DY) { return {P.X + DX, P.Y + DY}; }

// A line with a pen of Width pixels.
void wideLine(TCanvas& Canvas, TPoint From, TPoint To, int Width, TColor Color) {
    Canvas.Pen.Color = Color;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = std::max(1, Width);
    Canvas.MoveTo(From.X, From.Y);
    Canvas.LineTo(To.X, To.Y);
    Canvas.Pen.Width = 1;
}

// A shape's outline with a pen of Width pixels centred on it.
void wideOutline(TCanvas& Canvas, const TRect& R, int Width, TColor Color, int Corner, bool Ellipse) {
    Canvas.Pen.Color = Color;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = std::max(1, Width);
    Canvas.Brush.Style = bsClear;
    if (Ellipse) Canvas.Ellipse(R);
    else if (Corner > 0) Canvas.RoundRect(R, Corner, Corner);
    else {
        // The canvas keeps a rectangle's pen inside it: widened, the pen straddles the outline.
        const int half = Width / 2;
        Canvas.Rectangle(TRect{R.Left - half, R.Top - half, R.Right + half, R.Bottom + half});
    }
    Canvas.Pen.Width = 1;
    Canvas.Brush.Style = bsSolid;
}

void circle(TCanvas& Canvas, TPoint C, int Diameter) {
    const int left = C.X - Diameter / 2, top = C.Y - Diameter / 2;
    Canvas.Ellipse(TRect{left, top, left + Diameter, top + Diameter});
}

}  // namespace

void TExWatch::Paint() {
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!cache_ || cache_->Width() != client.Width() || cache_->Height() != client.Height() || faceDirty_) {
        cache_ = std::make_unique<TBitmap>(client.Width(), client.Height());
        PaintWatch(cache_->Canvas());
        faceDirty_ = false;
    }
    canvas.Draw(0, 0, *cache_);
    DrawHands(canvas);
}

void TExWatch::PaintWatch(TCanvas& Canvas) {
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = Color();
    Canvas.FillRect(ClientRect());
    DrawFace(Canvas, ClientRect());
    DrawTickMarks(Canvas);
    DrawNumbers(Canvas);
    DrawAMPM(Canvas);
}

void TExWatch::DrawFace(TCanvas& Canvas, const TRect& R) {
    const TWatchAppearance& a = appearance_;
    const TRect F = a.Shape == wsCircle ? GetWatchRect() : R;
    {
        std::unique_ptr<TShapeClipScope> clip;
        const TRect area{F.Left - 1, F.Top - 1, F.Right + 2, F.Bottom + 2};
        if (a.Shape == wsCircle) clip = std::make_unique<TShapeClipScope>(Canvas, area, area.Width(), area.Height());
        else if (a.Shape == wsRoundRect) clip = std::make_unique<TShapeClipScope>(Canvas, area, 20, 20);
        if (a.BackgroundColor != clNone && a.BackgroundColorTo != clNone) {
            DrawGradient(Canvas, a.BackgroundColor, a.BackgroundColorTo, 80, F, a.BackgroundGradient == wgRadial);
        } else if (a.BackgroundColor != clNone) {
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = a.BackgroundColor;
            Canvas.FillRect(F);
        }
        if (a.BorderColor != clNone && a.BorderWidth > 0) {
            if (a.Shape == wsCircle) wideOutline(Canvas, F, a.BorderWidth, a.BorderColor, 0, true);
            else wideOutline(Canvas, R, a.BorderWidth, a.BorderColor, a.Shape == wsRoundRect ? 20 : 0, false);
        }
    }
    if (!a.Picture->Empty()) Canvas.DrawTransparent(R.Left, R.Top, *a.Picture);
}

void TExWatch::DrawTickMarks(TCanvas& Canvas) {
    const TWatchAppearance& a = appearance_;
    if (a.TickMarks == tmNone) return;
    const TPoint c = GetWatchCenter();
    const double r0 = GetRadius() - a.BorderWidth / 2;
    const double ri = a.HourMarkLength > 0 ? r0 - a.HourMarkLength : r0 * 0.9;
    const auto mark = [&](double angle, double from, int width, TColor color, int dx, int dy) {
        wideLine(Canvas, shifted(polar(c, angle, from), dx, dy), shifted(polar(c, angle, r0), dx, dy), width, color);
    };
    for (int q = 0; q < 4; ++q) {
        const double angle = q * 90;
        if (a.HourMarkStyle == hmsQuartDblLine) {
            // Three and nine o'clock doubled above and below, six and twelve beside.
            const bool level = q % 2 == 1;
            for (int side : {-2, 2}) mark(angle, ri, a.HourMarkWidth, a.HourColor, level ? 0 : side, level ? side : 0);
        } else {
            mark(angle, ri, a.HourMarkWidth, a.HourColor, 0, 0);
        }
    }
    if (a.TickMarks == tmAll || a.TickMarks == tmHours)
        for (int hour = 1; hour < 12; ++hour)
            if (hour % 3 != 0) mark(hour * 30, ri, a.HourMarkWidth, a.HourColor, 0, 0);
    if (a.TickMarks != tmAll) return;
    const double rm = a.MinuteMarkLength > 0 ? r0 - a.MinuteMarkLength : r0 * 0.95;
    for (int minute = 0; minute < 60; ++minute)
        if (minute % 5 != 0) mark(minute * 6, rm, a.MinuteMarkWidth, a.MinuteColor, 0, 0);
}

void TExWatch::DrawNumbers(TCanvas& Canvas) {
    const TWatchAppearance& a = appearance_;
    if (!showNumbers_ || (a.TickMarks != tmAll && a.TickMarks != tmQuartHours)) return;
    const TPoint c = GetWatchCenter();
    const int r = GetRadius() - a.BorderWidth / 2;
    const int m = a.HourMarkLength > 0 ? a.HourMarkLength : roundHalfEven(r - r * 0.9) + 2;
    const int f = m / 2;
    Canvas.Font.Assign(a.HourFont);
    Canvas.Brush.Style = bsClear;
    for (int i = 1; i <= 12; ++i) {
        if (a.TickMarks == tmQuartHours && i % 3 != 0) continue;
        const QString text = QString::number(i);
        const TSize size = GetTextSize(Canvas, text);
        const int d = i == 10 ? roundHalfEven(0.2 * size.cy) : i == 11 ? roundHalfEven(0.15 * size.cy) : 0;
        const double distance = r - 2 * m - 2 + f - d;
        const TPoint p = polar(c, i * 30, distance);
        Canvas.TextOut(p.X - size.cx / 2, p.Y - size.cy / 2, text);
    }
    Canvas.Brush.Style = bsSolid;
}

void TExWatch::DrawAMPM(TCanvas& Canvas) {
    const TWatchAppearance& a = appearance_;
    if (!showAMPM_) return;
    const TRect box = GetAMPMRect();
    Canvas.Font.Assign(a.AMPMFont);
    if (a.AMPMColor != clNone || a.AMPMBorderColor != clNone) {
        Canvas.Brush.Style = a.AMPMColor == clNone ? bsClear : bsSolid;
        Canvas.Brush.Color = a.AMPMColor;
        Canvas.Pen.Style = a.AMPMBorderColor == clNone ? psClear : psSolid;
        Canvas.Pen.Color = a.AMPMBorderColor;
        Canvas.Pen.Width = 1;
        if (a.AMPMFrame == apRoundRect) Canvas.RoundRect(box, 5, 5);
        else Canvas.Rectangle(box);
        Canvas.Pen.Style = psSolid;
    }
    Canvas.Brush.Style = bsClear;
    if (rollSteps_ > 0) {
        // Rolling: the old text leaves and the new one comes in, a pixel per step.
        const TRect inner{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
        TClipScope clip(Canvas, inner);
        const int travel = rollSteps_ - rollStep_;
        TRect oldText = box, newText = box;
        const int dir = am_ ? 1 : -1;
        oldText.Top += -dir * (rollSteps_ - travel);
        oldText.Bottom = oldText.Top + box.Height();
        newText.Top += dir * travel;
        newText.Bottom = newText.Top + box.Height();
        Canvas.DrawText(am_ ? "PM" : "AM", oldText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        Canvas.DrawText(am_ ? "AM" : "PM", newText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    } else {
        TRect text = box;
        Canvas.DrawText(am_ ? "AM" : "PM", text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    Canvas.Brush.Style = bsSolid;
}

void TExWatch::DrawHands(TCanvas& Canvas) {
    const TWatchAppearance& a = appearance_;
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(GetWatchTime(), h, m, s, ms);
    if (settings_.Auto) {
        internalSet_ = true;
        SetAM(h < 12);
        internalSet_ = false;
    }
    const TPoint c = GetWatchCenter();
    const double r = GetRadius();
    const double hourAngle = (h % 12) * 30 + m * 0.5, minuteAngle = m * 6, secondAngle = s * 6;
    if (a.PointerStyle == psLine) {
        if (a.HourPointerShadow != clNone)
            wideLine(Canvas, shifted(polar(c, hourAngle, -0.1 * r), -1, 3), shifted(polar(c, hourAngle, 0.46 * r), -1, 3),
                     a.HourPointerSize, a.HourPointerShadow);
        if (a.MinutePointerShadow != clNone)
            wideLine(Canvas, shifted(polar(c, minuteAngle, -0.1 * r), 0, 3), shifted(polar(c, minuteAngle, 0.65 * r), 0, 3),
                     a.MinutePointerSize, a.MinutePointerShadow);
        wideLine(Canvas, polar(c, hourAngle, -0.1 * r), polar(c, hourAngle, 0.5 * r), a.HourPointerSize, a.HourPointer);
        wideLine(Canvas, polar(c, minuteAngle, -0.1 * r), polar(c, minuteAngle, 0.7 * r), a.MinutePointerSize, a.MinutePointer);
    } else if (a.PointerStyle == psPointer) {
        const auto pointer = [&](double angle, double length, TColor color, int dx, int dy) {
            if (color == clNone) return;
            Canvas.Pen.Color = color;
            Canvas.Pen.Width = 1;
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = color;
            Canvas.Polygon({shifted(polar(c, angle, -0.1 * r), dx, dy), shifted(polar(c, angle + 90, 0.05 * r), dx, dy),
                            shifted(polar(c, angle, length * r), dx, dy), shifted(polar(c, angle - 90, 0.05 * r), dx, dy)});
        };
        pointer(hourAngle, 0.5, a.HourPointerShadow, 1, 3);
        pointer(hourAngle, 0.5, a.HourPointer, 0, 0);
        pointer(minuteAngle, 0.7, a.MinutePointerShadow, 1, 3);
        pointer(minuteAngle, 0.7, a.MinutePointer, 0, 0);
    }
    if ((a.PointerStyle == psLine || a.PointerStyle == psPointer) && settings_.Auto && settings_.Second)
        wideLine(Canvas, polar(c, secondAngle, -0.2 * r), polar(c, secondAngle, 0.9 * r), a.SecondPointerSize, a.SecondPointer);
    drawCenterPoint(Canvas);
}

void TExWatch::drawCenterPoint(TCanvas& Canvas) {
    const TWatchAppearance& a = appearance_;
    const int size = a.CenterPointSize;
    if (size <= 0) return;
    const TPoint c = GetWatchCenter();
    if (a.CenterPointColor != clNone) {
        Canvas.Pen.Color = a.CenterPointColor;
        Canvas.Pen.Width = 1;
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = a.CenterPointColor;
        circle(Canvas, c, size);
    }
    int w = 0;
    if (a.CenterPointOuterBorderColor != clNone) {
        w = roundHalfEven(size * 0.2);
        wideOutline(Canvas, {c.X - size / 2, c.Y - size / 2, c.X - size / 2 + size, c.Y - size / 2 + size},
                    std::max(1, w), a.CenterPointOuterBorderColor, 0, true);
    }
    if (a.CenterPointBorderColor != clNone) {
        const int inner = size - w;
        wideOutline(Canvas, {c.X - inner / 2, c.Y - inner / 2, c.X - inner / 2 + inner, c.Y - inner / 2 + inner},
                    std::max(1, roundHalfEven(size * 0.1)), a.CenterPointBorderColor, 0, true);
    }
    Canvas.Brush.Style = bsSolid;
}
