#include "platform/graphics/canvas.h"

#include "platform/graphics/device_caps.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/text_line.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QStringList>
#include <cmath>
#include <mutex>
#include <unordered_map>

namespace {

QColor toQColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// The Debian font that stands in for a font the windows name, chosen for its widths: a
// stand-in wider than the named font cuts captions and headers that fit in the windows' room.
QString standInFamily(const QString& name) {
    static const std::pair<const char*, const char*> standIns[] = {
        {"Tahoma", "Liberation Sans"},          {"MS Sans Serif", "Liberation Sans"},
        {"Microsoft Sans Serif", "Liberation Sans"}, {"Arial", "Liberation Sans"},
        {"Segoe UI", "Liberation Sans"},        {"Verdana", "DejaVu Sans"},
        {"Courier New", "Liberation Mono"},     {"Courier", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (const auto& [named, standIn] : standIns)
        if (name.compare(QLatin1String(named), Qt::CaseInsensitive) == 0 && QFontDatabase::hasFamily(standIn))
            return QString::fromLatin1(standIn);
    return QStringLiteral("DejaVu Sans");
}

QString resolveFamily(const QString& name) {
    static std::mutex lock;
    static std::unordered_map<QString, QString> cache;
    std::lock_guard<std::mutex> guard(lock);
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    const QString family = QFontDatabase::hasFamily(name) ? name : standInFamily(name);
    cache.emplace(name, family);
    return family;
}

struct Line {
    QString text;
    int width = 0;
};

// Cuts text so that it fits width with "..." at its end.
QString ellipsize(const QFontMetrics& fm, const QString& text, int width) {
    if (fm.horizontalAdvance(text) <= width) return text;
    const QString dots = QStringLiteral("...");
    QString cut = text;
    while (!cut.isEmpty() && fm.horizontalAdvance(cut + dots) > width) cut.chop(1);
    return cut + dots;
}

// Tabs as blanks: up to the next stop of eight characters with DT_EXPANDTABS, else one blank
// each. Left to the toolkit, a tab jumps to a stop of its own that the measuring does not know
// and the text after it lands outside the rectangle.
QString withoutTabs(const QString& text, unsigned flags) {
    if (!text.contains(u'\t')) return text;
    if (!(flags & DT_EXPANDTABS)) return QString(text).replace(u'\t', u' ');
    QString out;
    qsizetype column = 0;
    for (const QChar c : text) {
        if (c == u'\t') {
            const qsizetype blanks = 8 - column % 8;
            out += QString(blanks, u' ');
            column += blanks;
            continue;
        }
        out += c;
        column = c == u'\n' || c == u'\r' ? 0 : column + 1;
    }
    return out;
}

// Splits text into lines at line breaks and, with word breaking, at blanks so that each
// line fits width; a word longer than the width stays whole on its own line.
std::vector<Line> layoutLines(const QFontMetrics& fm, const QString& text, int width, unsigned flags) {
    std::vector<Line> lines;
    const bool single = flags & DT_SINGLELINE;
    const QStringList paragraphs =
        single ? QStringList{QString(text).replace('\r', ' ').replace('\n', ' ')} : text.split('\n');
    for (QString paragraph : paragraphs) {
        if (paragraph.endsWith('\r')) paragraph.chop(1);
        if (single || !(flags & DT_WORDBREAK)) {
            lines.push_back({paragraph, fm.horizontalAdvance(paragraph)});
            continue;
        }
        const QStringList words = paragraph.split(' ');
        QString current;
        for (const QString& word : words) {
            const QString candidate = current.isEmpty() ? word : current + ' ' + word;
            if (!current.isEmpty() && fm.horizontalAdvance(candidate) > width) {
                lines.push_back({current, fm.horizontalAdvance(current)});
                current = word;
            } else {
                current = candidate;
            }
        }
        lines.push_back({current, fm.horizontalAdvance(current)});
    }
    if (flags & DT_END_ELLIPSIS)
        for (Line& line : lines) {
            line.text = ellipsize(fm, line.text, width);
            line.width = fm.horizontalAdvance(line.text);
        }
    return lines;
}

}  // namespace

QFont ToQFont(const TFont& font) {
    QFont f(resolveFamily(font.Name()));
    // Height 0 asks for the default size, as the platform's font mapper answers it.
    f.setPixelSize(font.Height() == 0 ? DefaultFontPixelHeight : std::max(1, std::abs(font.Height())));
    f.setBold(font.Style() & fsBold);
    f.setItalic(font.Style() & fsItalic);
    f.setUnderline(font.Style() & fsUnderline);
    f.setStrikeOut(font.Style() & fsStrikeOut);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

TCanvas::TCanvas(QPainter* painter) : painter_(painter) {
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
}

TCanvas::~TCanvas() = default;

// ---- mapping modes

int TCanvas::SetMapMode(int mode) {
    const int before = mapMode_;
    mapMode_ = mode == MM_LOMETRIC ? MM_LOMETRIC : MM_TEXT;
    return before;
}

double TCanvas::scaleX() const { return mapMode_ == MM_LOMETRIC ? DevicePixelsPerInchX(*this) / 254.0 : 1.0; }
double TCanvas::scaleY() const { return mapMode_ == MM_LOMETRIC ? DevicePixelsPerInchY(*this) / 254.0 : 1.0; }

TPoint TCanvas::LPtoDP(TPoint p) const {
    if (mapMode_ == MM_TEXT) return p;
    return {static_cast<int>(std::lround(p.X * scaleX())), static_cast<int>(std::lround(-p.Y * scaleY()))};
}

TPoint TCanvas::DPtoLP(TPoint p) const {
    if (mapMode_ == MM_TEXT) return p;
    return {static_cast<int>(std::lround(p.X / scaleX())), static_cast<int>(std::lround(-p.Y / scaleY()))};
}

TRect TCanvas::LPtoDP(const TRect& r) const {
    const TPoint a = LPtoDP(TPoint{r.Left, r.Top}), b = LPtoDP(TPoint{r.Right, r.Bottom});
    return {a.X, a.Y, b.X, b.Y};
}

TRect TCanvas::DPtoLP(const TRect& r) const {
    const TPoint a = DPtoLP(TPoint{r.Left, r.Top}), b = DPtoLP(TPoint{r.Right, r.Bottom});
    return {a.X, a.Y, b.X, b.Y};
}

QRect TCanvas::devRect(const TRect& r) const {
    if (mapMode_ == MM_TEXT) return QRect(r.Left, r.Top, r.Width(), r.Height());
    const TRect d = LPtoDP(r);
    return QRect(QPoint(std::min(d.Left, d.Right), std::min(d.Top, d.Bottom)),
                 QSize(std::abs(d.Right - d.Left), std::abs(d.Bottom - d.Top)));
}

QFont TCanvas::deviceFont() const {
    QFont f = ToQFont(Font);
    if (mapMode_ == MM_LOMETRIC) {
        const int height = Font.Height() == 0 ? 35 : std::abs(Font.Height());
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(height * scaleY()))));
    }
    return f;
}

void TCanvas::FillRect(const TRect& r) {
    if (Brush.Style == bsClear) return;
    const QRect q = devRect(r);
    if (q.isEmpty()) return;
    painter_->fillRect(q, toQColor(Brush.Color));
}

void TCanvas::FrameRect(const TRect& r) {
    const QRect q = devRect(r);
    if (q.isEmpty()) return;
    const QColor c = toQColor(Brush.Color);
    painter_->fillRect(QRect(q.left(), q.top(), q.width(), 1), c);
    painter_->fillRect(QRect(q.left(), q.bottom(), q.width(), 1), c);
    painter_->fillRect(QRect(q.left(), q.top(), 1, q.height()), c);
    painter_->fillRect(QRect(q.right(), q.top(), 1, q.height()), c);
}

void TCanvas::Rectangle(const TRect& r) {
    const QRect d = devRect(r);
    if (d.isEmpty()) return;
    const int w = Pen.Style == psClear ? 0 : std::max(1, static_cast<int>(std::lround(std::max(1, Pen.Width) * scaleX())));
    if (Brush.Style != bsClear) {
        const QRect inner = d.adjusted(w, w, -w, -w);
        if (!inner.isEmpty()) painter_->fillRect(inner, toQColor(Brush.Color));
    }
    if (w == 0) return;
    const QColor c = toQColor(Pen.Color);
    for (int i = 0; i < w && 2 * i < d.width() && 2 * i < d.height(); ++i) {
        const QRect q = d.adjusted(i, i, -i, -i);
        painter_->fillRect(QRect(q.left(), q.top(), q.width(), 1), c);
        painter_->fillRect(QRect(q.left(), q.bottom(), q.width(), 1), c);
        painter_->fillRect(QRect(q.left(), q.top(), 1, q.height()), c);
        painter_->fillRect(QRect(q.right(), q.top(), 1, q.height()), c);
    }
}

void TCanvas::RoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
    if (r.IsEmpty() || mapMode_ != MM_TEXT) return;
    painter_->save();
    // A wide pen is centred on the outline.
    painter_->setPen(Pen.Style == psClear ? QPen(Qt::NoPen) : QPen(toQColor(Pen.Color), Pen.Width > 1 ? Pen.Width : 0));
    painter_->setBrush(Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(toQColor(Brush.Color)));
    painter_->drawRoundedRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1), cornerWidth / 2.0,
                              cornerHeight / 2.0);
    painter_->restore();
}

void TCanvas::Ellipse(const TRect& r) {
    if (r.IsEmpty() || mapMode_ != MM_TEXT) return;
    painter_->save();
    // A wide pen is centred on the outline, as for the rounded rectangle.
    painter_->setPen(Pen.Style == psClear ? QPen(Qt::NoPen) : QPen(toQColor(Pen.Color), Pen.Width > 1 ? Pen.Width : 0));
    painter_->setBrush(Brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(toQColor(Brush.Color)));
    painter_->drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
    painter_->restore();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    if (Brush.Style != bsClear) {
        QPolygon shape;
        for (const TPoint& p : points) {
            const TPoint d = LPtoDP(p);
            shape << QPoint(d.X, d.Y);
        }
        painter_->save();
        painter_->setPen(Qt::NoPen);
        painter_->setBrush(toQColor(Brush.Color));
        painter_->drawPolygon(shape, Qt::OddEvenFill);
        painter_->restore();
    }
    // Each edge leaves out its end pixel, which the next edge starts with.
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint& from = points[i];
        const TPoint& to = points[(i + 1) % points.size()];
        if (points.size() > 1) strokeLine(from.X, from.Y, to.X, to.Y);
        else if (Pen.Style != psClear) SetPixel(from.X, from.Y, Pen.Color);
    }
}

void TCanvas::MoveTo(int x, int y) { penPos_ = {x, y}; }

void TCanvas::LineTo(int x, int y) {
    strokeLine(penPos_.X, penPos_.Y, x, y);
    penPos_ = {x, y};
}

// Bresenham from (x1, y1) up to, not including, (x2, y2).
void TCanvas::strokeLine(int x1, int y1, int x2, int y2) {
    if (Pen.Style == psClear) return;
    if (mapMode_ == MM_LOMETRIC) {
        // Paper wants real lines of the pen's width, not pixels one by one.
        const TPoint a = LPtoDP(TPoint{x1, y1}), b = LPtoDP(TPoint{x2, y2});
        QPen pen(toQColor(Pen.Color), std::max(1.0, Pen.Width * scaleX()));
        pen.setCapStyle(Qt::FlatCap);
        if (Pen.Style == psDash) pen.setStyle(Qt::DashLine);
        else if (Pen.Style == psDot) pen.setStyle(Qt::DotLine);
        else if (Pen.Style == psDashDot) pen.setStyle(Qt::DashDotLine);
        else if (Pen.Style == psDashDotDot) pen.setStyle(Qt::DashDotDotLine);
        painter_->save();
        painter_->setPen(pen);
        painter_->drawLine(a.X, a.Y, b.X, b.Y);
        painter_->restore();
        return;
    }
    if (Pen.Width > 1 && Pen.Style == psSolid && Pen.Mode == pmCopy) {
        // A wide pen is one solid stroke with round ends, not one-pixel lines side by side.
        QPen pen(toQColor(Pen.Color), Pen.Width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter_->save();
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setPen(pen);
        // Centred on the pixels' middles, as the one-pixel lines are.
        painter_->drawLine(QLineF(x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5));
        painter_->restore();
        return;
    }
    QPaintDevice* device = painter_->device();
    QImage* image = device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
    const QColor c = toQColor(Pen.Color);
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    const QTransform& t = painter_->transform();
    const bool mixing = Pen.Mode != pmCopy;
    const bool plain = image && t.isIdentity() && !painter_->hasClipping() && !mixing;
    if (mixing) {
        painter_->save();
        painter_->setCompositionMode(Pen.Mode == pmXor ? QPainter::RasterOp_SourceXorDestination
                                                       : QPainter::RasterOp_NotSourceXorDestination);
    }
    // A dotted pen sets every other pixel, starting with the first.
    const bool dotted = Pen.Style == psDot;
    for (bool on = true; !(x1 == x2 && y1 == y2); on = !dotted || !on) {
        if (!on) {
        } else if (plain) {
            if (x1 >= 0 && y1 >= 0 && x1 < image->width() && y1 < image->height()) image->setPixelColor(x1, y1, c);
        } else {
            painter_->fillRect(QRect(x1, y1, 1, 1), c);
        }
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x1 += sx; }
        if (e2 <= dx) { err += dx; y1 += sy; }
    }
    if (mixing) painter_->restore();
}

void TCanvas::applyFont() {
    painter_->setFont(deviceFont());
    painter_->setPen(toQColor(Font.Color()));
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    applyFont();
    const QFontMetrics fm(painter_->font());
    const int turned = Font.Orientation();
    const TPoint d = LPtoDP(TPoint{x, y});
    painter_->save();
    painter_->translate(d.X, d.Y);
    if (turned) painter_->rotate(-turned / 10.0);
    if (Brush.Style != bsClear)
        painter_->fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.height()), toQColor(Brush.Color));
    painter_->drawText(0, fm.ascent(), text);
    painter_->restore();
    penPos_ = {x + static_cast<int>(std::lround(fm.horizontalAdvance(text) / scaleX())), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
    painter_->save();
    painter_->setClipRect(devRect(r), Qt::IntersectClip);
    if (Brush.Style != bsClear) FillRect(r);
    const TBrushStyle keep = Brush.Style;
    Brush.Style = bsClear;
    TextOut(x, y, text);
    Brush.Style = keep;
    painter_->restore();
}

int TCanvas::TextWidth(const QString& text) {
    if (mapMode_ == MM_TEXT) return QFontMetrics(ToQFont(Font)).horizontalAdvance(text);
    return static_cast<int>(std::lround(QFontMetrics(deviceFont()).horizontalAdvance(text) / scaleX()));
}

int TCanvas::TextHeight(const QString& text) {
    if (mapMode_ == MM_TEXT) return QFontMetrics(ToQFont(Font)).height();
    return static_cast<int>(std::lround(QFontMetrics(deviceFont()).height() / scaleY()));
}

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags) {
    applyFont();
    const QFontMetrics fm(painter_->font());
    const QRect d = devRect(r);
    const std::vector<Line> lines = layoutLines(fm, withoutTabs(text, flags), d.width(), flags);
    const int lineHeight = fm.height();
    const int total = lineHeight * static_cast<int>(lines.size());
    const int logicalTotal = static_cast<int>(std::lround(total / scaleY()));
    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : lines) widest = std::max(widest, line.width);
        r.Right = r.Left + static_cast<int>(std::lround(widest / scaleX()));
        r.Bottom = mapMode_ == MM_LOMETRIC ? r.Top - logicalTotal : r.Top + total;
        return logicalTotal;
    }
    int y = d.top();
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER)) y = d.top() + (d.height() - lineHeight) / 2;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM)) y = d.top() + d.height() - lineHeight;
    painter_->save();
    if (!(flags & DT_NOCLIP)) painter_->setClipRect(d, Qt::IntersectClip);
    for (const Line& line : lines) {
        int x = d.left();
        if (flags & DT_CENTER) x = d.left() + (d.width() - line.width) / 2;
        else if (flags & DT_RIGHT) x = d.left() + d.width() - line.width;
        painter_->drawText(x, y + fm.ascent(), line.text);
        y += lineHeight;
    }
    painter_->restore();
    return logicalTotal;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (graphic.Empty()) return;
    const TPoint d = LPtoDP(TPoint{x, y});
    painter_->drawImage(d.X, d.Y, graphic.Image());
}

void TCanvas::DrawDisabled(int x, int y, const TGraphic& graphic) {
    if (graphic.Empty()) return;
    // Grey and faded toward white, its transparency kept.
    QImage image = graphic.Image().convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < image.height(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < image.width(); ++col) {
            const int grey = 128 + qGray(line[col]) / 2;
            line[col] = qRgba(grey, grey, grey, qAlpha(line[col]));
        }
    }
    const TPoint d = LPtoDP(TPoint{x, y});
    painter_->drawImage(d.X, d.Y, image);
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic) {
    const QRect d = devRect(r);
    if (graphic.Empty() || d.isEmpty()) return;
    painter_->drawImage(d, graphic.Image());
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    QImage image = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    const TColor c = ColorToRGB(bitmap.TransparentColor);
    const QRgb key = bitmap.TransparentColor == clNone ? image.pixel(0, image.height() - 1)
                                                        : qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
    const uint32_t keyRgb = key & 0xFFFFFF;
    for (int row = 0; row < image.height(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int col = 0; col < image.width(); ++col)
            if ((line[col] & 0xFFFFFF) == keyRgb) line[col] = 0;
    }
    painter_->drawImage(x, y, image);
}

TColor TCanvas::Pixel(int x, int y) const {
    QPaintDevice* device = painter_->device();
    if (!device || device->devType() != QInternal::Image) return clNone;
    const QImage* image = static_cast<const QImage*>(device);
    const QPoint p = painter_->transform().map(QPoint(x, y));
    if (!image->rect().contains(p)) return clNone;
    const QColor c = image->pixelColor(p);
    return RGB(c.red(), c.green(), c.blue());
}

void TCanvas::SetPixel(int x, int y, TColor color) { painter_->fillRect(QRect(x, y, 1, 1), toQColor(color)); }

namespace {
QImage* imageOf(QPainter* painter) {
    QPaintDevice* device = painter->device();
    return device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
}
}  // namespace

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
    QImage* image = imageOf(painter_);
    if (!image || Brush.Style == bsClear) return;
    const QRgb target = toQColor(color).rgb() & RGB_MASK;
    const QRgb fill = toQColor(Brush.Color).rgb();
    const auto fillable = [&](int px, int py) {
        if (!image->valid(px, py)) return false;
        const QRgb here = image->pixel(px, py);
        const bool matches = (here & RGB_MASK) == target;
        return (style == fsBorder ? !matches : matches) && here != fill;
    };
    const QPoint start = painter_->transform().map(QPoint(x, y));
    if (!fillable(start.x(), start.y())) return;
    std::vector<QPoint> pending{start};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!fillable(p.x(), p.y())) continue;
        image->setPixel(p, fill);
        pending.insert(pending.end(), {{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
}

void TCanvas::DrawFocusRect(const TRect& r) {
    if (r.IsEmpty()) return;
    painter_->save();
    painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor white(Qt::white);
    int i = 0;
    const auto dot = [&](int px, int py) {
        if (i++ % 2 == 0) painter_->fillRect(QRect(px, py, 1, 1), white);
    };
    for (int px = r.Left; px < r.Right; ++px) dot(px, r.Top);
    for (int py = r.Top + 1; py < r.Bottom; ++py) dot(r.Right - 1, py);
    for (int px = r.Right - 2; px >= r.Left && r.Bottom - 1 > r.Top; --px) dot(px, r.Bottom - 1);
    for (int py = r.Bottom - 2; py > r.Top && r.Right - 1 > r.Left; --py) dot(r.Left, py);
    painter_->restore();
}

void TCanvas::SetClipRect(const TRect& r) { painter_->setClipRect(devRect(r)); }

void TCanvas::ResetClip() { painter_->setClipping(false); }

void TCanvas::IntersectClipRect(const TRect& r) { painter_->setClipRect(devRect(r), Qt::IntersectClip); }

void TCanvas::SaveDC() { painter_->save(); }
void TCanvas::RestoreDC() { painter_->restore(); }

void TCanvas::ExcludeClipRect(const TRect& r) {
    QRegion area = painter_->clipRegion();
    if (!painter_->hasClipping()) {
        // The world transform only: a widget's painter may carry a redirection offset besides.
        const QTransform toLogical = painter_->worldTransform().inverted();
        area = QRegion(toLogical.mapRect(painter_->device() ? QRect(0, 0, painter_->device()->width(), painter_->device()->height()) : QRect()));
    }
    painter_->setClipRegion(area.subtracted(QRegion(devRect(r))));
}

TRect TCanvas::ClipRect() const {
    QRect r;
    if (painter_->hasClipping()) {
        r = painter_->clipBoundingRect().toAlignedRect();
    } else if (const QPaintDevice* device = painter_->device()) {
        r = painter_->transform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
    }
    return DPtoLP(TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
}
