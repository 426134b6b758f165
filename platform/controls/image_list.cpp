#include "platform/controls/image_list.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <QImage>

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}
TImageList::~TImageList() = default;

int TImageList::Add(const TBitmap& image) {
    auto copy = std::make_unique<TBitmap>();
    const QImage& source = image.Image();
    copy->MutableImage() = source.size() == QSize(Width, Height)
                               ? source
                               : source.scaled(Width, Height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    copy->Transparent = image.Transparent;
    copy->TransparentColor = image.TransparentColor;
    images_.push_back(std::move(copy));
    return Count() - 1;
}

void TImageList::Clear() { images_.clear(); }

const QImage& TImageList::Image(int index) const {
    static const QImage none;
    return index >= 0 && index < Count() ? images_[static_cast<size_t>(index)]->Image() : none;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (index >= 0 && index < Count()) canvas.Draw(x, y, *images_[static_cast<size_t>(index)]);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (enabled) Draw(canvas, x, y, index);
    else if (index >= 0 && index < Count()) canvas.DrawDisabled(x, y, *images_[static_cast<size_t>(index)]);
}

void TImageList::StretchDraw(TCanvas& canvas, const TRect& r, int index) const {
    if (index >= 0 && index < Count()) canvas.StretchDraw(r, *images_[static_cast<size_t>(index)]);
}
