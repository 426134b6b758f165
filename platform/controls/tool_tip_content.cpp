#include "platform/controls/tool_tip_content.h"

#include "platform/graphics/canvas.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {
// Between the icon and the title, and below the title line.
constexpr int IconGap = 4, TitleGap = 4;

bool hasIcon(int Icon) { return Icon >= 1 && Icon <= 3; }

// Runs Body with the canvas's font in bold, then gives the font back.
template <class F>
auto inBold(TCanvas& Canvas, F Body) {
    const TFontStyles plain = Canvas.Font.Style();
    Canvas.Font.SetStyle(plain | fsBold);
    struct Restore {
        TCanvas& Canvas;
        TFontStyles Style;
        ~Restore() { Canvas.Font.SetStyle(Style); }
    } restore{Canvas, plain};
    return Body();
}

struct TTitleLine {
    int Width = 0;
    int Height = 0;
    int IconRoom = 0;
};

TTitleLine titleLine(TCanvas& Canvas, const TToolTipContent& C) {
    if (!hasIcon(C.Icon) && C.Title.isEmpty()) return {};
    return inBold(Canvas, [&] {
        TTitleLine line;
        line.IconRoom = hasIcon(C.Icon) ? ToolTipIconSize + IconGap : 0;
        line.Width = line.IconRoom + (C.Title.isEmpty() ? 0 : Canvas.TextWidth(C.Title));
        const int text = Canvas.TextHeight(C.Title + 'X');
        line.Height = std::max(text, hasIcon(C.Icon) ? ToolTipIconSize : 0) + TitleGap;
        return line;
    });
}
}  // namespace

void DrawToolTipIcon(TCanvas& Canvas, const TRect& r, int Icon) {
    QStyle::StandardPixmap which;
    switch (Icon) {
    case 1: which = QStyle::SP_MessageBoxInformation; break;
    case 2: which = QStyle::SP_MessageBoxWarning; break;
    case 3: which = QStyle::SP_MessageBoxCritical; break;
    default: return;
    }
    if (r.IsEmpty() || !Canvas.Painter()) return;
    const QIcon icon = QApplication::style()->standardIcon(which);
    if (icon.isNull()) return;
    Canvas.Painter()->drawPixmap(QRect(r.Left, r.Top, r.Width(), r.Height()), icon.pixmap(r.Width(), r.Height()));
}

TSize TToolTipContent::Measure(TCanvas& Canvas, int MaxWidth) const {
    TRect body = Rect(0, 0, MaxWidth, 0);
    if (!Text.isEmpty()) Canvas.DrawText(Text, body, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    else body = Rect(0, 0, 0, 0);
    const TTitleLine title = titleLine(Canvas, *this);
    return {std::max(title.Width, body.Width()), title.Height + body.Height()};
}

void TToolTipContent::Paint(TCanvas& Canvas, const TRect& Area) const {
    const TTitleLine title = titleLine(Canvas, *this);
    if (title.Height > 0) {
        DrawToolTipIcon(Canvas, Rect(Area.Left, Area.Top, Area.Left + ToolTipIconSize, Area.Top + ToolTipIconSize), Icon);
        if (!Title.isEmpty()) inBold(Canvas, [&] {
                const int top = Area.Top + std::max(0, (title.Height - TitleGap - Canvas.TextHeight(Title)) / 2);
                Canvas.TextOut(Area.Left + title.IconRoom, top, Title);
            });
    }
    TRect body = Area;
    body.Top += title.Height;
    if (!Text.isEmpty()) Canvas.DrawText(Text, body, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
