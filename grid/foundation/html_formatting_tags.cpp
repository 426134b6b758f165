#include "grid/foundation/html_layout.h"

#include "grid/foundation/html_colors.h"
#include "grid/foundation/html_markup.h"
#include "grid/foundation/html_picture.h"
#include "platform/graphics/clip_scope.h"
#include "platform/graphics/text_line.h"
#include "platform/system/regional.h"

#include <algorithm>

namespace {

// The character at i of the tag, upper-cased; none past its end.
QChar at(QStringView tag, qsizetype i) { return i < tag.size() ? tag[i].toUpper() : QChar(); }

void setStyle(TCanvas& canvas, TFontStyle style, bool on) {
    const TFontStyles styles = canvas.Font.Style();
    canvas.Font.SetStyle(on ? styles | style : styles & ~style);
}

// A colour value of FONT: "#RRGGBB", else a colour name.
TColor fontColor(const QString& value) {
    return !value.isEmpty() && value[0] == '#' ? HexToColor(value) : ColorNameToColor(value.toLower());
}

// The size a FONT tag's SIZE asks for, in points: 1 to 5 are the steps of the markup, other
// numbers points themselves (0 the platform's default). Sizes past any use are held at 1000.
int fontPoints(int size) {
    switch (size) {
    case 1: return 8;
    case 2: return 10;
    case 3: return 12;
    case 4: return 14;
    case 5: return 16;
    default: return std::min(size, 1000);
    }
}

// Fills r with the colour, the pen in it too; the pen colour comes back after.
void fillWithPen(TCanvas& canvas, const TRect& r, TColor color) {
    const TColor penColor = canvas.Pen.Color;
    canvas.Pen.Color = color;
    canvas.Rectangle(r);
    canvas.Pen.Color = penColor;
}

void lineBreak(THTMLPass& p) { p.LineBreak = true; }

void font(THTMLCall& call, THTMLPass& p, QStringView tag) {
    TCanvas& canvas = call.Canvas;
    const QString upper = tag.toString().toUpper();
    if (HasHTMLAttribute(upper, QLatin1StringView("FACE"))) canvas.Font.SetName(HTMLAttribute(upper, QLatin1StringView("FACE")));
    // With the space, so that BGCOLOR is not taken for it.
    if (HasHTMLAttribute(upper, QLatin1StringView(" COLOR")) && !call.O.KeepColours)
        canvas.Font.SetColor(fontColor(HTMLAttribute(upper, QLatin1StringView(" COLOR"))));
    if (HasHTMLAttribute(upper, QLatin1StringView("BGCOLOR")) && p.Draws && !call.O.KeepColours) {
        call.FontSavedBrush = call.Brush;
        call.SetBrush(fontColor(HTMLAttribute(upper, QLatin1StringView("BGCOLOR"))));
    }
    const int size = HTMLFontSize(upper);
    if (size >= 0) canvas.Font.SetSize(fontPoints(size));
}

void closeFont(THTMLCall& call, THTMLPass& p) {
    TCanvas& canvas = call.Canvas;
    canvas.Font.SetName(call.BaseFont.Name());
    canvas.Font.SetHeight(call.BaseFont.Height());
    if (p.Draws && !call.O.KeepColours) {
        canvas.Font.SetColor(call.BaseFont.Color());
        call.SetBrush(call.FontSavedBrush);
    }
}

void body(THTMLCall& call, THTMLPass& p, QStringView tag) {
    if (!p.Draws) return;
    TCanvas& canvas = call.Canvas;
    const QString upper = tag.toString().toUpper();
    if (HasHTMLAttribute(upper, QLatin1StringView("BACKGROUND"))) {
        THTMLPicture* picture = FindHTMLPicture(call, HTMLAttribute(upper, QLatin1StringView("BACKGROUND")));
        const int w = picture ? picture->Width() : 0, h = picture ? picture->Height() : 0;
        if (picture && !picture->Empty() && w > 0 && h > 0) {
            const TClipScope clip(canvas, call.Rect);
            for (int y = call.Rect.Top; y < call.Rect.Bottom; y += h)
                for (int x = call.Rect.Left; x < call.Rect.Right; x += w) picture->Draw(canvas, {x, y, x + w, y + h});
        }
    }
    if (HasHTMLAttribute(upper, QLatin1StringView("BGCOLOR"))) {
        const QString value = HTMLAttribute(upper, QLatin1StringView("BGCOLOR"));
        TColor color = clNone;
        if (value.contains(QLatin1StringView("CL"))) color = ColorNameToColor(value.toLower());
        else if (value.contains('#')) color = HexToColor(value.mid(value.indexOf('#')));
        if (color == clNone) return;
        call.SetBrush(color);
        call.FontSavedBrush = color;
        fillWithPen(canvas, call.Rect, color);
    }
}

void hilight(THTMLCall& call, THTMLPass& p) {
    if (!p.Draws) return;
    call.HiSavedFontColor = call.Canvas.Font.Color();
    call.HiSavedBrush = call.Brush;
    call.SetBrush(HilightBackColor());
    call.Canvas.Font.SetColor(HilightTextColor());
}

void closeHilight(THTMLCall& call, THTMLPass& p) {
    if (!p.Draws) return;
    call.Canvas.Font.SetColor(call.HiSavedFontColor);
    call.SetBrush(call.HiSavedBrush);
}

void horizontalRule(THTMLCall& call, THTMLPass& p) {
    lineBreak(p);
    if (!p.Draws) return;
    TCanvas& canvas = call.Canvas;
    const TColor penColor = canvas.Pen.Color;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;
    canvas.MoveTo(p.LineRect.Left, p.TextBottom + 1);
    canvas.LineTo(p.LineRect.Right, p.TextBottom + 1);
    canvas.Pen.Color = penColor;
}

// Measured from the left edge of the whole text's rectangle, wherever the line was aligned.
void indent(const THTMLCall& call, THTMLPass& p, QStringView tag) {
    int n = 0;
    if (!TryStrToInt(HTMLAttribute(tag, QLatin1StringView("X")), n) || n <= p.X) return;
    n = std::min(n, MaxMarkupPixels);
    p.X = n;
    p.Run.Left = AddPixels(call.Rect.Left, n);
}

// A list item: indented by its level, with a bullet in the 12 pixels before its text.
void listItem(THTMLCall& call, THTMLPass& p) {
    if (p.ListItemMet && p.Decides) {
        p.LineFull = true;
        return;
    }
    p.ListItemMet = true;
    const int level = call.S.ListLevel * 12;
    p.X = AddPixels(p.X, level);
    p.Run.Left = AddPixels(p.Run.Left, level - 12);
    if (p.Draws) {
        TCanvas& canvas = call.Canvas;
        const QString name = canvas.Font.Name();
        canvas.Font.SetName(QStringLiteral("Symbol"));
        TRect r = p.Run;
        DrawTextLine(canvas, call.S.ListLevel % 2 ? QString(QChar(0x00B7)) : QStringLiteral("o"), r, 0);
        canvas.Font.SetName(name);
    }
    p.Run.Left = AddPixels(p.Run.Left, 12);
}

void paragraph(THTMLCall& call, THTMLPass& p, QStringView tag) {
    const QString upper = tag.toString().toUpper();
    if (HasHTMLAttribute(upper, QLatin1StringView("ALIGN"))) {
        const QString value = HTMLAttribute(upper, QLatin1StringView("ALIGN"));
        if (value.contains(QLatin1StringView("RIGHT"))) call.Align = THTMLAlign::Right;
        if (value.contains(QLatin1StringView("LEFT"))) call.Align = THTMLAlign::Left;
        if (value.contains(QLatin1StringView("CENTER"))) call.Align = THTMLAlign::Center;
    }
    if (HasHTMLAttribute(upper, QLatin1StringView("INDENT")))
        call.Indent = std::min(LeadingNumber(HTMLAttribute(upper, QLatin1StringView("INDENT"))), MaxMarkupPixels);
    if (HasHTMLAttribute(upper, QLatin1StringView("BGCOLOR")) && p.Draws) {
        const QString value = HTMLAttribute(upper, QLatin1StringView("BGCOLOR"));
        const TColor color = value.startsWith('#') ? HexToColor(value) : value.isEmpty() ? clNone : ColorNameToColor(value.toLower());
        call.ParagraphBackground = true;
        call.ParagraphSavedBrush = call.Brush;
        call.SetBrush(color);
        if (color != clNone) fillWithPen(call.Canvas, {call.Rect.Left, p.LineRect.Top, call.Rect.Right, p.LineRect.Bottom}, color);
    }
}

void closeParagraph(THTMLCall& call, THTMLPass& p) {
    lineBreak(p);
    if (!p.Draws) return;
    call.SetBrush(call.ParagraphSavedBrush);
    call.ParagraphBackground = false;
}

// The following runs turned by the angle of attribute "a", in degrees.
void rotate(THTMLCall& call, QStringView tag) {
    TFont& font = call.Canvas.Font;
    call.RememberedOrientation = font.Orientation();
    font.SetOrientation(LeadingNumber(HTMLAttribute(tag, QLatin1StringView("A"))) % 360 * 10);
}

void openingTag(THTMLCall& call, THTMLLine& line, THTMLPass& p, QStringView tag) {
    TCanvas& canvas = call.Canvas;
    const QChar third = at(tag, 2);
    switch (at(tag, 1).unicode()) {
    case 'A': OpenHTMLAnchor(call, p, tag); break;
    case 'B':
        if (third == '>') setStyle(canvas, fsBold, true);
        else if (third == 'R') {
            lineBreak(p);
            if (p.Decides) call.R.PlainText += '\r';
        } else if (third == 'L') {
            if (!call.O.BlinkVisible) canvas.Font.SetColor(call.StartBrushColor);
        } else if (third == 'O') body(call, p, tag);
        break;
    case 'C': PlaceHTMLControl(call, line, p, tag); break;
    case 'E':
        if (p.Draws) call.ErrorMark = true;
        break;
    case 'F': font(call, p, tag); break;
    case 'H':
        if (third == 'I') hilight(call, p);
        else if (third == 'R') horizontalRule(call, p);
        break;
    case 'I':
        if (third == '>') setStyle(canvas, fsItalic, true);
        else if (third == 'N') indent(call, p, tag);
        else if (third == 'M') PlaceHTMLImage(call, line, p, tag);
        break;
    case 'L': listItem(call, p); break;
    case 'P': paragraph(call, p, tag); break;
    case 'R': rotate(call, tag); break;
    case 'S':
        if (third == '>') setStyle(canvas, fsStrikeOut, true);
        else if (third == 'H') call.S.Shadow = true;
        else if (tag.startsWith(QLatin1StringView("<SUB>"), Qt::CaseInsensitive)) call.S.Subscript = true;
        else if (tag.startsWith(QLatin1StringView("<SUP>"), Qt::CaseInsensitive)) call.S.Superscript = true;
        break;
    case 'U':
        if (third == '>') setStyle(canvas, fsUnderline, true);
        else {
            ++call.S.ListLevel;
            lineBreak(p);
        }
        break;
    case 'Z': call.S.Hidden = true; break;
    default: break;
    }
}

void closingTag(THTMLCall& call, THTMLLine& line, THTMLPass& p, QStringView tag) {
    TCanvas& canvas = call.Canvas;
    const QChar fourth = at(tag, 3);
    switch (at(tag, 2).unicode()) {
    case 'A': CloseHTMLAnchor(call, line, p); break;
    case 'B':
        if (fourth == '>') setStyle(canvas, fsBold, false);
        else canvas.Font.SetColor(call.BaseFont.Color());
        break;
    case 'E':
        if (p.Draws) call.ErrorMark = false;
        break;
    case 'F': closeFont(call, p); break;
    case 'H': closeHilight(call, p); break;
    case 'I': setStyle(canvas, fsItalic, false); break;
    case 'L': lineBreak(p); break;
    case 'P': closeParagraph(call, p); break;
    case 'R': canvas.Font.SetOrientation(call.RememberedOrientation); break;
    case 'S':
        if (fourth == 'U') call.S.Subscript = call.S.Superscript = false;
        else if (fourth == 'H') call.S.Shadow = false;
        else setStyle(canvas, fsStrikeOut, false);
        break;
    case 'U':
        if (fourth == '>' || call.S.ListLevel < 1) setStyle(canvas, fsUnderline, false);
        else --call.S.ListLevel;
        break;
    case 'Z': call.S.Hidden = false; break;
    default: break;
    }
}

}  // namespace

void ProcessHTMLTag(THTMLCall& call, THTMLLine& line, THTMLPass& p, QStringView tag) {
    if (tag.size() >= 4 && tag[1] == '/') closingTag(call, line, p, tag);
    else openingTag(call, line, p, tag);
}
