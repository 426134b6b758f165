#pragma once

#include "platform/graphics/graphic.h"

#include <array>
#include <cstdint>

// The soft masks of the grid's focus frame: a rounded outline blurred by a Gaussian kernel and
// merged with a colour into a premultiplied 32-bit bitmap for a layered window.

// A 32-bit bitmap whose pixels carry their alpha, colours premultiplied by it.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();
    uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(uint8_t v) { FOpacity = v; }

    // From another alpha mask: its opacity and its pixels over the part both cover; from any
    // other bitmap a plain copy. The result is 32-bit.
    void Assign(const TBitmap& Source) override;
    // Takes Bitmap's size and colours with the alpha of each pixel from the red channel of Mask.
    // Only for a 24-bit Bitmap and a 24-bit Mask at least as large; otherwise nothing happens.
    // Color is not used.
    void MergeMask(TBitmap& Mask, TBitmap& Bitmap, TColor Color);

private:
    uint8_t FOpacity = 255;
};

// A 24-bit W x H mask, black, with a white rounded rectangle (an outline of PenWidth, or filled
// when PenWidth < 1) two pixels in from the edges and half a pen further, blurred by Radius.
void CreateRoundRectMask(TBitmap& Bitmap, int W, int H, int PenWidth, int Corner, double Radius);
// Blurs the bands of 21 pixels along the four edges of a 24-bit bitmap and repeats its row and
// column 15 inside them. Raises "Blur only works for 24-bit bitmaps" for other bitmaps; a
// Radius of 0 or less changes nothing.
void BlurBitmap(TBitmap& Bitmap, double Radius);

// The blur's pieces.
constexpr int MaxBlurKernelSize = 10;
struct TBlurKernel {
    int Size = 0;  // weights -Size .. Size are used
    std::array<float, 2 * MaxBlurKernelSize + 1> Weights{};
    float Weight(int n) const { return Weights[size_t(n + MaxBlurKernelSize)]; }
};
TBlurKernel BuildBlurKernel(double Radius);
// Each of the N pixels of Line (Stride bytes apart, three channels each) becomes the weighted
// sum of its neighbours, the ends repeated beyond the line.
void BlurLine(uint8_t* Line, int N, int Stride, const TBlurKernel& Kernel);
int ClampIndex(int Low, int High, int Index);
uint8_t ClampChannel(float Sum);
