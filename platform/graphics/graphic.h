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
    bool Empty() const { return Width() == 0 || Height() == 0; }
    // The image to draw now (for an animation, its current frame).
    virtual const QImage& Image() const = 0;

    bool Transparent = false;
    TNotifyEvent OnChange;
};

// A bitmap in memory with its own canvas; pixels are 32-bit.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    int Width() const override;
    int Height() const override;
    void SetSize(int width, int height);
    // Copies the other bitmap's pixels and transparent colour.
    void Assign(const TBitmap& Source);
    const QImage& Image() const override;
    QImage& MutableImage();

    // A canvas drawing on the bitmap; it stays valid until the bitmap is resized or destroyed.
    TCanvas& Canvas();

    bool LoadFromData(const QByteArray& bytes);
    bool LoadFromFile(const QString& path);

    TColor TransparentColor = clNone;

private:
    void endPainting() const;

    std::unique_ptr<QImage> image_;
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

// Loads a picture file of any supported kind (BMP, PNG, GIF, ICO) by its content.
std::unique_ptr<TGraphic> LoadGraphic(const QByteArray& bytes);
