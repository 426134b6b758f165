#include "grid/foundation/decoration_painters.h"

#include "grid/foundation/color_routines.h"
#include "platform/graphics/canvas.h"
#include "platform/system/regional.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Groups the integer digits of a formatted number with the thousand separator.
QString groupThousands(const QString& number) {
    const qsizetype point = number.indexOf(FormatSettings.DecimalSeparator);
    const qsizetype digitsEnd = point < 0 ? number.size() : point;
    const qsizetype digitsStart = number.startsWith(u'-') ? 1 : 0;
    QString grouped = number;
    for (qsizetype i = digitsEnd - 3; i > digitsStart; i -= 3) grouped.insert(i, FormatSettings.ThousandSeparator);
    return grouped;
}

// The nearest whole number, however large; never "-0".
QString wholeNumber(double value) { return QString::number(std::nearbyint(value) + 0.0, 'f', 0); }

// One conversion: flags, width and precision as written, the value as the type wants it.
QString formatOne(QChar type, const QString& flags, int width, int precision, double value) {
    const char16_t kind = type.toLower().unicode();
    QString text;
    if (kind == u'd') {
        text = wholeNumber(value);
        // The precision counts digits: a sign stands before the zeros.
        const QString sign = text.startsWith(u'-') ? QStringLiteral("-") : QString();
        if (precision > 0) text = sign + text.mid(sign.size()).rightJustified(precision, u'0');
    } else if (kind == u'u' || kind == u'x') {
        text = QString::number(static_cast<uint32_t>(NearestInt(value)), kind == u'x' ? 16 : 10).toUpper();
    } else {
        if (kind == u'f' || kind == u'n') text = QString::number(value, 'f', precision < 0 ? 2 : precision);
        else if (kind == u'e') text = QString::number(value, 'E', std::max(0, (precision < 0 ? 15 : precision) - 1));
        else text = QString::number(value, 'G', precision < 0 ? 15 : precision);
        text.replace(u'.', FormatSettings.DecimalSeparator);
        if (kind == u'n') text = groupThousands(text);
    }
    return flags.contains(u'-') ? text.leftJustified(width) : text.rightJustified(width);
}

TRect inflate(TRect r, int dx, int dy) { return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }

void penAndBrush(TCanvas& canvas, TColor color) {
    canvas.Pen.Color = color;
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
}

// One part of an appearance bar: solid, or two gradients meeting in the middle of its thickness.
void barPart(TCanvas& canvas, const TRect& r, TColor color, TColor colorTo, const TProgressDrawInfo& info) {
    if (r.IsEmpty()) return;
    if (!info.ShowGradient) {
        canvas.Brush.Style = bsSolid;
        FillRectColor(canvas, r, color);
        return;
    }
    if (info.Vertical) {
        const int middle = r.Left + r.Width() / 2;
        GradientFillRect(canvas, colorTo, color, info.Steps, {r.Left, r.Top, middle, r.Bottom}, true);
        GradientFillRect(canvas, color, colorTo, info.Steps, {middle, r.Top, r.Right, r.Bottom}, true);
    } else {
        const int middle = r.Top + r.Height() / 2;
        GradientFillRect(canvas, colorTo, color, info.Steps, {r.Left, r.Top, r.Right, middle}, false);
        GradientFillRect(canvas, color, colorTo, info.Steps, {r.Left, middle, r.Right, r.Bottom}, false);
    }
}

// The part of a bar from offset `from` of its length over `length` pixels, `margin` in from
// its sides; a vertical bar runs upwards from its bottom.
TRect along(const TRect& r, bool vertical, int from, int length, int margin) {
    if (vertical) return {r.Left + margin, r.Bottom - from - length, r.Right - margin, r.Bottom - from};
    return {r.Left + from, r.Top + margin, r.Left + from + length, r.Bottom - margin};
}

void stackedParts(TCanvas& canvas, const TRect& r, int percent, int size, const TProgressDrawInfo& info) {
    const bool v = info.Vertical;
    const int c = NearestInt(std::min(percent, info.Level1Perc) / 100.0 * size);
    // A vertical bar keeps one pixel of margin at its bottom and one more below part 3.
    barPart(canvas, v ? along(r, v, 1, c - 1, 1) : along(r, v, 1, c, 1), info.Level0Color, info.Level0ColorTo, info);
    if (percent < info.Level1Perc) return;
    const int b = NearestInt(size * (std::min(percent, info.Level2Perc) - info.Level1Perc) / 100.0);
    barPart(canvas, along(r, v, v ? c : 1 + c, b, 1), info.Level1Color, info.Level1ColorTo, info);
    if (percent < info.Level2Perc) return;
    const int rest = percent == 100 ? size - b - c : NearestInt(size * (percent - info.Level2Perc) / 100.0);
    barPart(canvas, along(r, v, v ? c + b + 1 : 1 + c + b, rest, 1), info.Level3Color, info.Level3ColorTo, info);
}

void levelColors(int percent, const TProgressDrawInfo& info, TColor& color, TColor& colorTo) {
    if (percent < info.Level1Perc) color = info.Level0Color, colorTo = info.Level0ColorTo;
    else if (percent < info.Level2Perc) color = info.Level1Color, colorTo = info.Level1ColorTo;
    else if (percent < 100) color = info.Level2Color, colorTo = info.Level2ColorTo;
    else color = info.Level3Color, colorTo = info.Level3ColorTo;
}

void unstackedParts(TCanvas& canvas, const TRect& r, int percent, int size, const TProgressDrawInfo& info) {
    const bool v = info.Vertical;
    TColor color = clNone, colorTo = clNone;
    levelColors(percent, info, color, colorTo);
    if (info.CompletionSmooth) {
        const int length = NearestInt(percent / 100.0 * size);
        barPart(canvas, v ? along(r, v, 1, length - 1, 1) : along(r, v, 1, length, 1), color, colorTo, info);
        return;
    }
    const int t = NearestInt(percent * size / 100.0);
    if (t >= 10) {
        const int blocks = t / 9;
        for (int k = 0; k < blocks; ++k) barPart(canvas, along(r, v, 2 + 9 * k, 7, 2), color, colorTo, info);
        if (t % 9 > 2) barPart(canvas, along(r, v, 2 + 9 * blocks, t % 9 - 1, 2), color, colorTo, info);
        canvas.Brush.Style = bsClear;
    } else if (t >= 2) {
        barPart(canvas, along(r, v, 2, t - 1, 2), color, colorTo, info);
    }
}

// The points of the ten-pointed star outline at the given multiples of 36 degrees.
std::vector<TPoint> starPoints(int X, int Y, int hw, int hh, std::initializer_list<int> steps) {
    std::vector<TPoint> points;
    for (int k : steps) {
        const double theta = k * 36 * std::numbers::pi / 180;
        const double rx = k % 2 == 0 ? hw : hw / 3.0, ry = k % 2 == 0 ? hh : hh / 3.0;
        points.push_back({X + hw + NearestInt(std::sin(theta) * rx), Y + hh - NearestInt(std::cos(theta) * ry)});
    }
    return points;
}

// A segment of the two-pixel zigzag pen.
void thickSegment(TCanvas& canvas, TPoint from, TPoint to) {
    for (int d = 0; d < 2; ++d) {
        canvas.MoveTo(from.X, from.Y + d);
        canvas.LineTo(to.X, to.Y + d);
    }
    canvas.MoveTo(to.X, to.Y);
}

}  // namespace

QString FormatProgressValue(const QString& Fmt, double Value) {
    QString out;
    for (int i = 0; i < Fmt.size(); ++i) {
        if (Fmt[i] != u'%') {
            out += Fmt[i];
            continue;
        }
        int j = i + 1;
        QString flags;
        while (j < Fmt.size() && Fmt[j] == u'-') flags += Fmt[j++];
        int width = 0, precision = -1;
        while (j < Fmt.size() && Fmt[j].isDigit()) width = width * 10 + Fmt[j++].digitValue();
        if (j < Fmt.size() && Fmt[j] == u'.') {
            precision = 0;
            while (++j < Fmt.size() && Fmt[j].isDigit()) precision = precision * 10 + Fmt[j].digitValue();
        }
        if (j < Fmt.size() && Fmt[j] == u'%' && j == i + 1) {
            out += u'%';
        } else if (j < Fmt.size() && QStringView(u"dDuUxXfFnNeEgG").contains(Fmt[j])) {
            out += formatOne(Fmt[j], flags, width, precision, Value);
        } else {
            // Not a conversion this text knows: it stays as written.
            out += Fmt.mid(i, j - i + (j < Fmt.size() ? 1 : 0));
        }
        i = j;
    }
    return out;
}

void DrawProgressBar(TCanvas& Canvas, TRect R, TColor Color, TColor TextColor, TColor ColorTo, TColor TextColorTo,
                     double Value, int MarginX, int MarginY, double MinValue, double MaxValue, const QString& Fmt,
                     TColor BorderColor, bool Printing) {
    const TColor remembered = Canvas.Brush.Color;
    penAndBrush(Canvas, Color);
    Canvas.Font.SetColor(TextColor);
    QString text;
    // Kept to 0..100 before it is rounded to an integer, so that values beyond the integers fill
    // or empty the bar instead of wrapping.
    double share = 0;
    if (Fmt.isEmpty()) {
        text = wholeNumber(Value) + u'%';
        share = Value;
    } else {
        text = FormatProgressValue(Fmt, Value);
        // An empty range would divide by zero: the bar is then empty or full.
        share = MaxValue != MinValue ? (Value - MinValue) * 100 / (MaxValue - MinValue) : (Value >= MaxValue ? 100 : 0);
    }
    const int percent = NearestInt(std::clamp(share, 0.0, 100.0));
    R = inflate(R, -MarginX, -MarginY);
    TRect done = R;
    done.Right = R.Left + NearestInt((R.Right - R.Left) * percent / 100.0);
    const int h = Canvas.TextHeight(text);
    const int x = R.Left + (R.Right - R.Left - Canvas.TextWidth(text)) / 2;
    const int y = R.Top + (R.Bottom - R.Top - (Printing ? -h : h)) / 2;
    Canvas.TextRect(done, x, y, text);
    penAndBrush(Canvas, ColorTo);
    Canvas.Font.SetColor(TextColorTo);
    Canvas.TextRect({done.Right, R.Top, R.Right, R.Bottom}, x, y, text);
    Canvas.Pen.Color = remembered;
    Canvas.Brush.Color = BorderColor;
    R = inflate(R, 1, 1);
    if (BorderColor != clNone) Canvas.FrameRect(R);
    Canvas.Brush.Color = remembered;
    Canvas.FrameRect(inflate(R, 1, 1));
}

void DrawProgressPie(TCanvas& Canvas, TRect R, TColor Color, int Percent, bool Printing) {
    Canvas.Pen.Color = clGray;
    Canvas.Pen.Width = 1;
    Canvas.Ellipse(R);
    const int w = R.Right - R.Left, h = R.Bottom - R.Top;
    const int cx = R.Left + w / 2, cy = R.Top + h / 2;
    Canvas.MoveTo(cx, R.Top);
    Canvas.LineTo(cx, cy);
    const double a = Percent / 100.0 * 2 * std::numbers::pi;
    Canvas.LineTo(cx + NearestInt((w + 1) / 2 * std::sin(a)), cy - NearestInt((h + 1) / 2 * std::cos(a)));
    Canvas.Brush.Color = Color;
    Canvas.Brush.Style = bsSolid;
    if (Percent != 0) Canvas.FloodFill(cx + 1, Printing ? R.Top - 2 : R.Top + 2, clGray, fsBorder);
}

void DrawRangeIndicator(TCanvas& Canvas, TRect R, int Value, int Range, bool ShowValue, TColor NegColor,
                        TColor PosColor) {
    const TRect cell = R;
    R = inflate(R, -2, -2);
    if (Range > 0) {
        const int c = (R.Right - R.Left) / 2;
        const int x = NearestInt(std::clamp(Value, -Range, Range) * c / double(Range));
        if (Value >= 0) {
            penAndBrush(Canvas, PosColor);
            Canvas.Rectangle(R.Left + c, R.Top, R.Left + c + x, R.Bottom);
        } else {
            penAndBrush(Canvas, NegColor);
            Canvas.Rectangle(R.Left + c + x, R.Top, R.Left + c, R.Bottom);
        }
    }
    if (!ShowValue) return;
    Canvas.Brush.Style = bsClear;
    TRect textRect = cell;
    Canvas.DrawText(QString::number(Value), textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawExProgressBar(TCanvas& Canvas, TRect R, int Percent, const TProgressDrawInfo& Info) {
    const int size = (Info.Vertical ? R.Height() : R.Width()) - 2;
    const TColor frame = Info.ShowBorder ? Info.BorderColor : Info.BackgroundColor;
    Canvas.Brush.Style = bsSolid;
    Canvas.Brush.Color = Info.BackgroundColor;
    Canvas.Pen.Color = frame;
    Canvas.Rectangle(R);
    if (Percent > 0) {
        if (Info.Stacked) stackedParts(Canvas, R, Percent, size, Info);
        else unstackedParts(Canvas, R, Percent, size, Info);
    }
    if (Info.ShowPercentage) {
        Canvas.Brush.Style = bsClear;
        if (Info.Font) {
            Canvas.Font.SetName(Info.Font->Name());
            Canvas.Font.SetHeight(Info.Font->Height());
            Canvas.Font.SetStyle(Info.Font->Style());
        }
        Canvas.Font.SetColor(Info.CompleteFontColor);
        const QString text = QString::number(Percent) + u'%';
        const int tw = Canvas.TextWidth(text), th = Canvas.TextHeight(text);
        const int mx = R.Left + (R.Right - R.Left) / 2, my = R.Top + (R.Bottom - R.Top) / 2;
        if (Info.Vertical) {
            Canvas.Font.SetOrientation(900);
            Canvas.TextOut(mx - th / 2, my + tw / 2, text);
            Canvas.Font.SetOrientation(0);
        } else {
            Canvas.TextOut(mx - tw / 2, my - th / 2, text);
        }
    }
    Canvas.Pen.Color = frame;
    Canvas.Brush.Style = bsClear;
    Canvas.Rectangle(R);
}

void DrawShape(TCanvas& Canvas, int X, int Y, int Width, int Height, int Shape, TColor BrushColor, TColor PenColor) {
    if (Shape < csRectangle || Shape > csHalfStar) return;
    penAndBrush(Canvas, BrushColor);
    Canvas.Pen.Color = PenColor;
    int W = Width, H = Height;
    if ((Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) && W != H) W = H = std::min(W, H);
    const int hw = W / 2, hh = H / 2;
    const int We = W - W % 2, He = H - H % 2;
    const int q = We / 4, qv = He / 4;
    switch (Shape) {
    case csRectangle:
    case csSquare: Canvas.Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1); break;
    case csCircle:
    case csEllips: Canvas.Ellipse({X, Y, X + W, Y + H}); break;
    case csTriangleLeft: Canvas.Polygon({{X + W, Y}, {X + W, Y + H}, {X, Y + hh}}); break;
    case csTriangleRight: Canvas.Polygon({{X, Y}, {X, Y + H}, {X + W, Y + hh}}); break;
    case csTriangleUp: Canvas.Polygon({{X, Y + H}, {X + W, Y + H}, {X + hw, Y}}); break;
    case csTriangleDown: Canvas.Polygon({{X, Y}, {X + W, Y}, {X + hw, Y + H}}); break;
    case csDiamond: Canvas.Polygon({{X, Y + hh}, {X + hw, Y}, {X + 2 * hw, Y + hh}, {X + hw, Y + 2 * hh}}); break;
    case csLineVert: Canvas.Rectangle(X + hw, Y, X + hw + 1, Y + H); break;
    case csLineHorz: Canvas.Rectangle(X, Y + hh, X + W, Y + hh + 1); break;
    case csRoundRect:
    case csRoundSquare: Canvas.RoundRect({X, Y, X + W, Y + H}, 10, 10); break;
    case csStar: Canvas.Polygon(starPoints(X, Y, hw, hh, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9})); break;
    case csHalfStar: Canvas.Polygon(starPoints(X, Y, hw, hh, {0, 5, 6, 7, 8, 9})); break;
    case csArrowUp:
        Canvas.Polygon({{X, Y + hh}, {X + We / 2, Y}, {X + We, Y + hh}, {X + 3 * q, Y + hh}, {X + 3 * q, Y + H},
                        {X + q, Y + H}, {X + q, Y + hh}});
        break;
    case csArrowDown:
        Canvas.Polygon({{X, Y + hh}, {X + We / 2, Y + H}, {X + We, Y + hh}, {X + 3 * q, Y + hh}, {X + 3 * q, Y},
                        {X + q, Y}, {X + q, Y + hh}});
        break;
    case csArrowLeft:
        Canvas.Polygon({{X, Y + He / 2}, {X + hw, Y}, {X + hw, Y + qv}, {X + W, Y + qv}, {X + W, Y + 3 * qv},
                        {X + hw, Y + 3 * qv}, {X + hw, Y + He}});
        break;
    case csArrowRight:
        Canvas.Polygon({{X + W, Y + He / 2}, {X + hw, Y}, {X + hw, Y + qv}, {X, Y + qv}, {X, Y + 3 * qv},
                        {X + hw, Y + 3 * qv}, {X + hw, Y + He}});
        break;
    default: break;
    }
}

void DrawErrorUnderline([[maybe_unused]] TWinControl* Parent, TCanvas& Canvas, const QString& Text, TRect R,
                        int YOffset, int ErrPos, int ErrLen) {
    // Where a one-line layout in the canvas font puts the left edge of a character.
    const auto xOf = [&](int index) { return Canvas.TextWidth(Text.left(index)); };
    const int length = int(Text.size());
    const int x1Start = ErrPos >= length ? xOf(length) + 4 : xOf(std::max(ErrPos, 0));
    const int x2 = ErrPos + ErrLen < length ? xOf(ErrPos + ErrLen - 1) : xOf(std::max(length - 1, 0)) + 4;
    // On one line every character stands at the top.
    const int y1 = 0, y2 = 0;
    Canvas.Pen.Color = clRed;
    Canvas.Pen.Width = 2;
    TPoint at{R.Left + x1Start, R.Top + y1 + YOffset + 3};
    int offset = 0;
    int x1 = x1Start;
    for (;; x1 += 3, offset = 3 - offset) {
        const TPoint next{R.Left + x1 + 3, R.Top + y2 + YOffset + offset};
        thickSegment(Canvas, at, next);
        at = next;
        if (x1 > x2) break;
    }
}
