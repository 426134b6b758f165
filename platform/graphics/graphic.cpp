#include "platform/graphics/graphic.h"

#include "platform/graphics/canvas.h"

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
    QImage next(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32);
    next.fill(Qt::white);
    if (!image_->isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, *image_);
    }
    *image_ = next;
    OnChange(nullptr);
}

void TBitmap::Assign(const TBitmap& Source) {
    if (&Source == this) return;
    MutableImage() = Source.Image();
    TransparentColor = Source.TransparentColor;
    Transparent = Source.Transparent;
    OnChange(nullptr);
}

const QImage& TBitmap::Image() const {
    endPainting();
    return *image_;
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
    QImage loaded;
    if (!loaded.loadFromData(bytes)) return false;
    endPainting();
    *image_ = toArgb(loaded);
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
