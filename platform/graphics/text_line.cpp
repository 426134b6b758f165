#include "platform/graphics/text_line.h"

#include "platform/graphics/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

QColor qColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// The metrics of the last fonts asked for: formatted text switches among a few fonts, run by run.
struct CachedFont {
    TFont font;
    QFont qfont;
    QFontMetrics metrics;
};

const CachedFont& fontOf(const TCanvas& canvas) {
    thread_local std::vector<std::unique_ptr<CachedFont>> cache;
    for (size_t i = 0; i < cache.size(); ++i)
        if (cache[i]->font == canvas.Font) {
            // The most recent first, so a run of one font finds it at once.
            if (i > 0) std::rotate(cache.begin(), cache.begin() + static_cast<std::ptrdiff_t>(i), cache.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return *cache.front();
        }
    const QFont qfont = ToQFont(canvas.Font);
    auto entry = std::make_unique<CachedFont>(CachedFont{TFont(), qfont, QFontMetrics(qfont)});
    entry->font.Assign(canvas.Font);
    if (cache.size() == 8) cache.pop_back();
    cache.insert(cache.begin(), std::move(entry));
    return *cache.front();
}

// The characters shown and which of them carry the mnemonic underline.
struct ShownText {
    QString text;
    std::vector<int> underlined;
};

ShownText shownText(const QString& text, unsigned flags) {
    ShownText shown;
    shown.text.reserve(text.size());
    const bool prefixes = !(flags & DT_NOPREFIX);
    const bool tabs = flags & DT_EXPANDTABS;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // An "&" with no character after it to underline (a blank, a tab, the end) is shown:
        // "Smith & co" keeps its "&".
        if (prefixes && c == '&' && i + 1 < text.size() && !text[i + 1].isSpace()) {
            if (text[i + 1] == '&') {
                shown.text += '&';
                ++i;
            } else {
                shown.underlined.push_back(int(shown.text.size()));
            }
            continue;
        }
        if (tabs && c == '\t') {
            shown.text += QString(8 - shown.text.size() % 8, ' ');
            continue;
        }
        shown.text += c;
    }
    return shown;
}

// The longest start of text that fits width with "..." after it.
QString ellipsized(const QFontMetrics& fm, const QString& text, int width) {
    const QString dots = QStringLiteral("...");
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (fm.horizontalAdvance(text.left(mid) + dots) <= width) low = mid;
        else high = mid - 1;
    }
    return text.left(low) + dots;
}

}  // namespace

int DrawTextLine(TCanvas& canvas, const QString& text, TRect& r, unsigned flags) {
    const CachedFont& font = fontOf(canvas);
    const QFontMetrics& fm = font.metrics;
    ShownText shown = shownText(text, flags);
    const int height = fm.height() + ((flags & DT_EXTERNALLEADING) ? std::max(0, fm.leading()) : 0);
    int width = fm.horizontalAdvance(shown.text);
    if (flags & DT_CALCRECT) {
        r.Right = r.Left + width;
        r.Bottom = r.Top + height;
        return height;
    }
    if ((flags & DT_END_ELLIPSIS) && width > r.Width()) {
        shown.text = ellipsized(fm, shown.text, r.Width());
        width = fm.horizontalAdvance(shown.text);
    }
    int x = r.Left;
    if (flags & DT_CENTER) x = r.Left + (r.Width() - width) / 2;
    else if (flags & DT_RIGHT) x = r.Right - width;
    int y = r.Top;
    if (flags & DT_BOTTOM) y = r.Bottom - height;
    else if (flags & DT_VCENTER) y = r.Top + (r.Height() - height) / 2;

    QPainter* painter = canvas.Painter();
    painter->save();
    const int turned = canvas.Font.Orientation();
    if (!(flags & DT_NOCLIP) && !turned) painter->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
    painter->translate(x, y);
    if (turned) painter->rotate(-turned / 10.0);
    if (canvas.Brush.Style != bsClear) painter->fillRect(QRect(0, 0, width, height), qColor(canvas.Brush.Color));
    painter->setFont(font.qfont);
    const QColor color = qColor(canvas.Font.Color());
    painter->setPen(color);
    if (flags & DT_RTLREADING) {
        QTextOption option(Qt::AlignLeft | Qt::AlignTop);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(Qt::RightToLeft);
        painter->drawText(QRectF(0, 0, width + 1, height), shown.text, option);
    } else {
        painter->drawText(0, fm.ascent(), shown.text);
    }
    for (const int i : shown.underlined) {
        if (i >= shown.text.size()) continue;
        const int left = fm.horizontalAdvance(shown.text.left(i));
        const int right = fm.horizontalAdvance(shown.text.left(i + 1));
        painter->fillRect(QRect(left, fm.ascent() + 1, right - left, std::max(1, fm.lineWidth())), color);
    }
    painter->restore();
    return height;
}
