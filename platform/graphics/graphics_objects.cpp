#include "platform/graphics/graphics_objects.h"

#include <cmath>

void TFont::SetName(const QString& v) {
    if (name_ == v) return;
    name_ = v;
    changed();
}

void TFont::SetHeight(int v) {
    if (height_ == v) return;
    height_ = v;
    changed();
}

int TFont::Size() const {
    return -static_cast<int>(std::lround(height_ * 72.0 / ScreenPixelsPerInch));
}

void TFont::SetSize(int points) { SetHeight(-static_cast<int>(std::lround(points * ScreenPixelsPerInch / 72.0))); }

void TFont::SetColor(TColor v) {
    if (color_ == v) return;
    color_ = v;
    changed();
}

void TFont::SetStyle(TFontStyles v) {
    if (style_ == v) return;
    style_ = v;
    changed();
}

void TFont::SetOrientation(int v) {
    if (orientation_ == v) return;
    orientation_ = v;
    changed();
}

void TFont::Assign(const TFont& other) {
    if (*this == other) return;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    orientation_ = other.orientation_;
    changed();
}

void TFont::changed() { OnChange(nullptr); }
