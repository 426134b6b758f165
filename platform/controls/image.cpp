#include "platform/controls/image.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <QFile>
#include <QImage>

namespace {
constexpr uintptr_t kFrameTimer = 1;

// A bitmap as a transparent image shows it: the pixels of the colour of its bottom-left pixel
// are left out.
class TKeyedPicture : public TGraphic {
public:
    explicit TKeyedPicture(const QImage& image) : image_(image.convertToFormat(QImage::Format_ARGB32)) {
        const QRgb key = image_.pixel(0, image_.height() - 1);
        for (int y = 0; y < image_.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = 0; x < image_.width(); ++x)
                if (row[x] == key) row[x] = 0;
        }
    }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    const QImage& Image() const override { return image_; }

private:
    QImage image_;
};
}  // namespace

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (graphic_) graphic_->OnChange = [this](TObject*) { OnChange(nullptr); };
    OnChange(nullptr);
}

bool TPicture::LoadFromData(const QByteArray& bytes) {
    auto graphic = LoadGraphic(bytes);
    if (!graphic) return false;
    SetGraphic(std::move(graphic));
    return true;
}

bool TPicture::LoadFromFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    return LoadFromData(f.readAll());
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this](TObject*) { pictureChanged(); };
}

TImage::~TImage() = default;

void TImage::pictureChanged() {
    auto* gif = dynamic_cast<TGIFImage*>(picture_.Graphic());
    const bool animate = gif && gif->Animate() && gif->FrameCount() > 1;
    if (animate && !animating_) {
        animating_ = true;
        scheduleFrame();
    } else if (!animate && animating_) {
        animating_ = false;
        KillTimer(this, kFrameTimer);
    }
    Invalidate();
}

void TImage::scheduleFrame() {
    auto* gif = dynamic_cast<TGIFImage*>(picture_.Graphic());
    if (gif) SetTimer(this, kFrameTimer, static_cast<unsigned>(gif->FrameDelay(gif->CurrentFrame())));
}

void TImage::WndProc(TMessage& m) {
    if (m.Msg == WM_TIMER && m.WParam == kFrameTimer) {
        if (auto* gif = dynamic_cast<TGIFImage*>(picture_.Graphic()); gif && animating_) {
            gif->NextFrame();
            scheduleFrame();
        }
        return;
    }
    TGraphicControl::WndProc(m);
}

void TImage::Paint(TCanvas& canvas) {
    const TGraphic* g = picture_.Graphic();
    if (!g || g->Empty()) return;
    // An animation keeps its own transparency.
    std::unique_ptr<TKeyedPicture> keyed;
    if (Transparent && dynamic_cast<const TBitmap*>(g)) {
        keyed = std::make_unique<TKeyedPicture>(g->Image());
        g = keyed.get();
    }
    if (Stretch) {
        canvas.StretchDraw(ClientRect(), *g);
        return;
    }
    int x = 0, y = 0;
    if (Center) {
        x = (Width() - g->Width()) / 2;
        y = (Height() - g->Height()) / 2;
    }
    canvas.Draw(x, y, *g);
}
