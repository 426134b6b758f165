#include "grid/editors/dropdown/hue_lightness_panel.h"

#include "platform/controls/cursors.h"
#include "platform/controls/image.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int Side = 128;
// The application's cursor number of the pipette.
constexpr TCursor crPipette = 54;

// A pipette pointing down to the left, its tip at (1, 30).
void registerPipette() {
    if (FindRegisteredCursor(crPipette)) return;
    TBitmap picture(32, 32);
    TCanvas& canvas = picture.Canvas();
    canvas.Brush.Color = clWhite;
    canvas.FillRect({0, 0, 32, 32});
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;
    canvas.MoveTo(1, 30);
    canvas.LineTo(20, 11);
    canvas.MoveTo(2, 30);
    canvas.LineTo(21, 11);
    canvas.Brush.Color = clBlack;
    canvas.FillRect({20, 4, 28, 12});
    picture.TransparentColor = clWhite;
    RegisterCursor(crPipette, picture, {1, 30});
}

}  // namespace

TColor TExColorSpectrumPanel::SpectrumColor(int X, int Y) {
    const double hue = std::clamp(X, 0, Side - 1) * 6.0 / (Side - 1);
    const int sector = std::min(5, static_cast<int>(hue));
    const double f = hue - sector;
    double r = 0, g = 0, b = 0;
    switch (sector) {
    case 0: r = 1, g = f, b = 0; break;
    case 1: r = 1 - f, g = 1, b = 0; break;
    case 2: r = 0, g = 1, b = f; break;
    case 3: r = 0, g = 1 - f, b = 1; break;
    case 4: r = f, g = 0, b = 1; break;
    default: r = 1, g = 0, b = 1 - f; break;
    }
    // White above the pure hue (rows 63 to 65), black below it.
    const int y = std::clamp(Y, 0, Side - 1);
    const auto mix = [y](double c) {
        double v = 0;
        if (y < 63) v = 1 + (c - 1) * y / 63.0;
        else if (y <= 65) v = c;
        else v = c * (Side - 1 - y) / double(Side - 1 - 65);
        return static_cast<int>(std::lround(v * 255));
    };
    return RGB(mix(r), mix(g), mix(b));
}

TExColorSpectrumPanel::TExColorSpectrumPanel(TComponent* AOwner) : TExCustomColorSelectorPanel(AOwner) {
    image_ = new TImage(this);
    image_->SetParent(this);
    image_->SetBounds(0, 0, Side, Side);
    auto picture = std::make_unique<TBitmap>(Side, Side);
    TCanvas& canvas = picture->Canvas();
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) canvas.SetPixel(x, y, SpectrumColor(x, y));
    image_->Picture().SetGraphic(std::move(picture));
    image_->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { imageMouseMove(X, Y); };
    image_->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { imageMouseDown(); };
    image_->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { OnShouldHide(this); };
    registerPipette();
    image_->SetCursor(crPipette);
    UpdateLayout();
}

TExColorSpectrumPanel::~TExColorSpectrumPanel() = default;

void TExColorSpectrumPanel::UpdateLayout() {
    SetBounds(Left(), Top(), 150, 174);
    image_->SetBounds((Width() - image_->Width()) / 2, 10, image_->Width(), image_->Height());
    const int bottom = image_->Top() + image_->Height();
    selectedRect_ = {image_->Left() - 1, bottom + 8, image_->Left() + image_->Width() / 2 - 2, bottom + 28};
    hotRect_ = {selectedRect_.Right + 4, selectedRect_.Top, image_->Left() + image_->Width() + 1, selectedRect_.Bottom};
    hotColor_ = clNone;
    Invalidate();
}

void TExColorSpectrumPanel::drawBox(TCanvas& Canvas, TRect R, TColor Color) {
    Canvas.Pen.Width = 1;
    Canvas.Brush.Style = bsClear;
    Canvas.Pen.Color = 0x808080;
    Canvas.Rectangle({R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1});
    Canvas.Pen.Color = 0xFFFFFF;
    if (Color != clNone) {
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = Color;
    }
    Canvas.Rectangle(R);
    Canvas.Brush.Style = bsSolid;
}

void TExColorSpectrumPanel::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    const TRect picture = image_->BoundsRect();
    canvas.Brush.Style = bsClear;
    canvas.Pen.Color = 0xFFFFFF;
    canvas.Rectangle({picture.Left - 1, picture.Top - 1, picture.Right + 1, picture.Bottom + 1});
    canvas.Pen.Color = 0x808080;
    canvas.Rectangle({picture.Left - 2, picture.Top - 2, picture.Right + 2, picture.Bottom + 2});
    drawBox(canvas, selectedRect_, selectedColor_);
    drawBox(canvas, hotRect_, hotColor_);
}

void TExColorSpectrumPanel::imageMouseMove(int X, int Y) {
    hotColor_ = SpectrumColor(X, Y);
    InvalidateRect(hotRect_);
}

void TExColorSpectrumPanel::imageMouseDown() {
    selectedColor_ = hotColor_;
    InvalidateRect(selectedRect_);
    OnSelect(this);
}

void TExColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    OnShouldHide(this);
}
