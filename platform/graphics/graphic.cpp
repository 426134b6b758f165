#include "platform/graphics/graphic.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/image_decoder.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

namespace {
QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QImage toArgb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

QImage::Format qtFormat(TPixelFormat format) {
    switch (format) {
    case pf24bit: return QImage::Format_BGR888;
    case pf32bit: return QImage::Format_ARGB32_Premultiplied;
    default: return QImage::Format_ARGB32;
    }
}
}  // namespace

struct TBitmap::Painting {
    QPainter painter;
    std::unique_ptr<TCanvas> canvas;
};

TBitmap::TBitmap() : image_(std::make_unique<QImage>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() { endPainting(); }

int TBitmap::Width() const { return image_->width(); }
int TBitmap::Height() const { return image_->height(); }

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    endPainting();
    QImage next(std::max(width, 0), std::max(height, 0), qtFormat(pixelFormat_));
    next.fill(Qt::white);
    if (!image_->isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, *image_);
    }
    *image_ = next;
    OnChange(nullptr);
}

const QImage& TBitmap::Image() const {
    endPainting();
    return *image_;
}

void TBitmap::Assign(const TBitmap& other) {
    if (&other == this) return;
    endPainting();
    other.endPainting();
    *image_ = other.image_->copy();
    pixelFormat_ = other.pixelFormat_;
    TransparentColor = other.TransparentColor;
    Transparent = other.Transparent;
    OnChange(nullptr);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == pixelFormat_) return;
    endPainting();
    pixelFormat_ = format;
    if (!image_->isNull()) *image_ = image_->convertToFormat(qtFormat(format));
    OnChange(nullptr);
}

uint8_t* TBitmap::ScanLine(int y) {
    endPainting();
    if (y < 0 || y >= Height()) return nullptr;
    return image_->scanLine(y);
}

QImage& TBitmap::MutableImage() {
    endPainting();
    return *image_;
}

TCanvas& TBitmap::Canvas() {
    if (!painting_) {
        painting_ = std::make_unique<Painting>();
        painting_->painter.begin(image_.get());
        painting_->canvas = std::make_unique<TCanvas>(&painting_->painter);
    }
    return *painting_->canvas;
}

void TBitmap::endPainting() const {
    if (!painting_) return;
    painting_->canvas.reset();
    painting_->painter.end();
    painting_.reset();
}

bool TBitmap::LoadFromData(const QByteArray& bytes) {
    const QImage loaded = DecodeImage(bytes);
    if (loaded.isNull()) return false;
    endPainting();
    *image_ = toArgb(loaded);
    pixelFormat_ = pfDevice;
    OnChange(nullptr);
    return true;
}

bool TBitmap::LoadFromFile(const QString& path) { return LoadFromData(readFile(path)); }

struct TGIFImage::Frames {
    std::vector<QImage> images;
    std::vector<int> delays;
};

TGIFImage::TGIFImage() : frames_(std::make_unique<Frames>()) {}

int TGIFImage::FrameCount() const { return static_cast<int>(frames_->images.size()); }
TGIFImage::~TGIFImage() = default;

bool TGIFImage::LoadFromData(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    std::vector<int> delays;
    QImage frame;
    while (reader.read(&frame)) {
        frames.push_back(toArgb(frame));
        delays.push_back(reader.nextImageDelay() > 0 ? reader.nextImageDelay() : 100);
        if (!reader.canRead()) break;
    }
    if (frames.empty()) return false;
    frames_->images = std::move(frames);
    frames_->delays = std::move(delays);
    current_ = 0;
    OnChange(nullptr);
    return true;
}

bool TGIFImage::LoadFromFile(const QString& path) { return LoadFromData(readFile(path)); }

int TGIFImage::Width() const { return FrameCount() ? frames_->images.front().width() : 0; }
int TGIFImage::Height() const { return FrameCount() ? frames_->images.front().height() : 0; }

const QImage& TGIFImage::Image() const {
    static const QImage empty;
    return FrameCount() ? frames_->images[static_cast<size_t>(current_)] : empty;
}

int TGIFImage::FrameDelay(int index) const {
    if (index < 0 || index >= FrameCount()) return 0;
    return frames_->delays[static_cast<size_t>(index)];
}

void TGIFImage::SetCurrentFrame(int index) {
    if (!FrameCount()) return;
    const int next = ((index % FrameCount()) + FrameCount()) % FrameCount();
    if (next == current_) return;
    current_ = next;
    OnChange(nullptr);
}

void TGIFImage::NextFrame() { SetCurrentFrame(current_ + 1); }

void TGIFImage::SetAnimate(bool v) {
    if (animate_ == v) return;
    animate_ = v;
    OnChange(nullptr);
}

std::unique_ptr<TGraphic> LoadGraphic(const QByteArray& bytes) {
    if (bytes.startsWith("GIF8")) {
        auto gif = std::make_unique<TGIFImage>();
        if (gif->LoadFromData(bytes)) return gif;
        return nullptr;
    }
    auto bitmap = std::make_unique<TBitmap>();
    if (bitmap->LoadFromData(bytes)) return bitmap;
    return nullptr;
}

std::unique_ptr<TBitmap> DecodePicture(const QByteArray& bytes) {
    QImage image = DecodeImage(bytes);
    if (image.isNull()) return nullptr;
    if (bytes.startsWith("GIF8")) {
        const QRect frame = GifFirstImageRect(bytes).intersected(image.rect());
        if (frame.isEmpty()) return nullptr;
        image = image.copy(frame);
    }
    auto picture = std::make_unique<TBitmap>();
    picture->MutableImage() = toArgb(image);
    return picture;
}
