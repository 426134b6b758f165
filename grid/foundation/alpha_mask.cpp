#include "grid/foundation/alpha_mask.h"

#include "grid/foundation/color_routines.h"
#include "platform/core/exception.h"
#include "platform/graphics/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int BandWidth = 20;   // rows and columns within this of an edge are blurred
constexpr int RepeatedLine = 15;  // the blurred row and column that the inside repeats

// A 24-bit bitmap of at least w x h.
bool is24BitOfSize(TBitmap& b, int w, int h) { return b.PixelFormat() == pf24bit && b.Width() >= w && b.Height() >= h; }

}  // namespace

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(const TBitmap& Source) {
    if (const auto* mask = dynamic_cast<const TGridAlphaMask*>(&Source)) {
        FOpacity = mask->FOpacity;
        auto& from = const_cast<TGridAlphaMask&>(*mask);
        SetPixelFormat(pf32bit);
        const int rows = std::min(Height(), from.Height());
        const size_t bytes = size_t(std::min(Width(), from.Width())) * 4;
        for (int y = 0; y < rows; ++y) std::memcpy(ScanLine(y), from.ScanLine(y), bytes);
    } else {
        TBitmap::Assign(Source);
    }
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(TBitmap& Mask, TBitmap& Bitmap, TColor) {
    const int w = Bitmap.Width(), h = Bitmap.Height();
    if (Bitmap.PixelFormat() != pf24bit || !is24BitOfSize(Mask, w, h)) return;
    SetPixelFormat(pf32bit);
    SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        const uint8_t* colour = Bitmap.ScanLine(y);
        const uint8_t* alpha = Mask.ScanLine(y);
        uint8_t* out = ScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int a = alpha[3 * x + 2];
            for (int c = 0; c < 3; ++c) out[4 * x + c] = uint8_t(NearestInt(colour[3 * x + c] * a / 255.0));
            out[4 * x + 3] = uint8_t(a);
        }
    }
}

void CreateRoundRectMask(TBitmap& Bitmap, int W, int H, int PenWidth, int Corner, double Radius) {
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(W, H);
    TCanvas& canvas = Bitmap.Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBlack;
    canvas.FillRect({0, 0, W, H});
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = clWhite;
    canvas.Pen.Width = PenWidth < 1 ? 1 : PenWidth;
    canvas.Brush.Color = PenWidth < 1 ? clWhite : clBlack;
    const int c = PenWidth / 2;
    canvas.RoundRect({c + 2, c + 2, W - c - 2, H - c - 2}, Corner, Corner);
    canvas.Pen.Width = 1;
    if (Radius > 0) BlurBitmap(Bitmap, Radius);
}

int ClampIndex(int Low, int High, int Index) { return std::clamp(Index, Low, High); }

uint8_t ClampChannel(float Sum) {
    if (Sum >= 255) return 255;
    if (Sum < 0) return 0;
    return uint8_t(Sum);
}

TBlurKernel BuildBlurKernel(double Radius) {
    TBlurKernel kernel;
    float total = 0;
    for (int j = -MaxBlurKernelSize; j <= MaxBlurKernelSize; ++j) {
        const float w = float(std::exp(-std::pow(j / Radius, 2) / 2));
        kernel.Weights[size_t(j + MaxBlurKernelSize)] = w;
        total += w;
    }
    for (float& w : kernel.Weights) w /= total;
    // Drop the outer weights while together they stay under half a grey level.
    int size = MaxBlurKernelSize;
    float dropped = 0;
    while (dropped < 1.0f / (2 * 255) && size > 1) dropped += 2 * kernel.Weight(size--);
    float kept = 0;
    for (int j = -size; j <= size; ++j) kept += kernel.Weight(j);
    for (int j = -size; j <= size; ++j) kernel.Weights[size_t(j + MaxBlurKernelSize)] /= kept;
    kernel.Size = size;
    return kernel;
}

void BlurLine(uint8_t* Line, int N, int Stride, const TBlurKernel& Kernel) {
    std::vector<uint8_t> blurred(size_t(N) * 3);
    for (int x = 0; x < N; ++x)
        for (int c = 0; c < 3; ++c) {
            float sum = 0;
            for (int n = -Kernel.Size; n <= Kernel.Size; ++n)
                sum += Kernel.Weight(n) * Line[size_t(ClampIndex(0, N - 1, x - n)) * size_t(Stride) + size_t(c)];
            blurred[size_t(x) * 3 + size_t(c)] = ClampChannel(sum);
        }
    for (int x = 0; x < N; ++x)
        for (int c = 0; c < 3; ++c) Line[size_t(x) * size_t(Stride) + size_t(c)] = blurred[size_t(x) * 3 + size_t(c)];
}

void BlurBitmap(TBitmap& Bitmap, double Radius) {
    if (Bitmap.PixelFormat() != pf24bit) throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
    if (Radius <= 0) return;
    const TBlurKernel kernel = BuildBlurKernel(Radius);
    const int w = Bitmap.Width(), h = Bitmap.Height();
    if (w == 0 || h == 0) return;
    const auto inside = [](int i, int extent) { return i > BandWidth && i < extent - BandWidth; };
    for (int y = 0; y < h; ++y) {
        if (inside(y, h)) std::memcpy(Bitmap.ScanLine(y), Bitmap.ScanLine(RepeatedLine), size_t(w) * 3);
        else BlurLine(Bitmap.ScanLine(y), w, 3, kernel);
    }
    std::vector<uint8_t> column(size_t(h) * 3);
    for (int x = 0; x < w; ++x) {
        if (inside(x, w)) {
            for (int y = 0; y < h; ++y) std::memcpy(Bitmap.ScanLine(y) + 3 * x, Bitmap.ScanLine(y) + 3 * RepeatedLine, 3);
            continue;
        }
        for (int y = 0; y < h; ++y) std::memcpy(&column[size_t(y) * 3], Bitmap.ScanLine(y) + 3 * x, 3);
        BlurLine(column.data(), h, 3, kernel);
        for (int y = 0; y < h; ++y) std::memcpy(Bitmap.ScanLine(y) + 3 * x, &column[size_t(y) * 3], 3);
    }
}
