#pragma once

#include "platform/core/component.h"
#include "platform/graphics/graphics_objects.h"

#include <memory>
#include <vector>

class QImage;
class TBitmap;
class TCanvas;

// Pictures of one size kept by index, as tree views and lists show them beside their items.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    int Width = 16;
    int Height = 16;

    // Appends a copy of image, scaled to the list's size; the new index.
    int Add(const TBitmap& image);
    int Count() const { return static_cast<int>(images_.size()); }
    void Clear();
    // The picture at index; an index outside the list gives an empty image.
    const QImage& Image(int index) const;
    // Draws the picture at index with its top-left corner at x, y; nothing for an index
    // outside the list.
    void Draw(TCanvas& canvas, int x, int y, int index) const;
    // The same, grey and faded when not enabled.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const;
    // Draws the picture at index stretched into r; nothing for an index outside the list.
    void StretchDraw(TCanvas& canvas, const TRect& r, int index) const;

private:
    std::vector<std::unique_ptr<TBitmap>> images_;
};
