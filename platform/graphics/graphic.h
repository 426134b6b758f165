#pragma once

#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class QImage;
class TCanvas;

// A picture that can draw itself.
class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }
    // The image to draw now (for an animation, its current frame).
    virtual const QImage& Image() const = 0;

    bool Transparent = false;
    TNotifyEvent OnChange;
};

// How a bitmap keeps its pixels: pfDevice the screen's own kind (not device-independent),
// pf24bit three bytes a pixel (blue, green, red), pf32bit four (blue, green, red and alpha, the
// colours premultiplied by alpha as layered windows take them). Rows are 4-byte aligned.
enum TPixelFormat { pfDevice, pf24bit, pf32bit };

// A bitmap in memory with its own canvas.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    int Width() const override;
    int Height() const override;
    void SetSize(int width, int height);
    const QImage& Image() const override;
    // A copy of other's pixels, size, pixel format and transparent colour.
    virtual void Assign(const TBitmap& other);

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    // Converts the pixels to the new format.
    void SetPixelFormat(TPixelFormat format);
    // The bytes of row y in the layout of the pixel format.
    uint8_t* ScanLine(int y);
    QImage& MutableImage();

    // A canvas drawing on the bitmap; it stays valid until the bitmap is resized or destroyed.
    TCanvas& Canvas();

    // Any picture DecodeImage reads; false, with the bitmap unchanged, for anything else.
    bool LoadFromData(const QByteArray& bytes);
    bool LoadFromFile(const QString& path);

    TColor TransparentColor = clNone;

private:
    void endPainting() const;

    std::unique_ptr<QImage> image_;
    TPixelFormat pixelFormat_ = pfDevice;
    struct Painting;
    mutable std::unique_ptr<Painting> painting_;
};

// A GIF with its frames; Animate lets an image control step through them.
class TGIFImage : public TGraphic {
public:
    TGIFImage();
    ~TGIFImage() override;

    bool LoadFromData(const QByteArray& bytes);
    bool LoadFromFile(const QString& path);

    int Width() const override;
    int Height() const override;
    const QImage& Image() const override;

    int FrameCount() const;
    int CurrentFrame() const { return current_; }
    int FrameDelay(int index) const;  // milliseconds
    void SetCurrentFrame(int index);
    void NextFrame();

    bool Animate() const { return animate_; }
    void SetAnimate(bool v);

private:
    struct Frames;
    std::unique_ptr<Frames> frames_;
    int current_ = 0;
    bool animate_ = false;
};

// Loads a picture file of any supported kind (BMP, PNG, GIF, ICO, JPEG) by its content.
std::unique_ptr<TGraphic> LoadGraphic(const QByteArray& bytes);

// A picture at its own size, decoded by its content: a GIF gives its first image alone, without
// the rest of its logical screen. Null for bytes that are no whole picture of a supported kind.
std::unique_ptr<TBitmap> DecodePicture(const QByteArray& bytes);
