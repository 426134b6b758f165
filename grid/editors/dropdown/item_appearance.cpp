#include "grid/editors/dropdown/item_appearance.h"

#include "grid/editors/dropdown/dropdown_styles.h"

namespace {

struct Preset {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorTop, BorderColorBottom, BorderColor,
        EdgeColor, ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
};

const Preset* presetOf(TSelectionColorStyle Style) {
    static const Preset office2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                   0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
    static const Preset vista{0xFDF8F1, 0xFCEFD5, clNone,   clNone,   0xFDFBF6, 0xFDF5E7,
                              0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,   clNone};
    static const Preset windows7{0xFCEBDC, 0xFCDBC1, clNone,   clNone,   0xFDF4EB, 0xFDEADB,
                                 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,   clNone};
    switch (Style) {
    case scOffice2007: return &office2007;
    case scWindowsVista: return &vista;
    case scWindows7: return &windows7;
    default: return nullptr;
    }
}

// The twelve colours a preset writes.
Preset colorsOf(const TItemAppearance& a) {
    return {a.ColorHot,      a.ColorHotTo,      a.ColorMirrorHot,      a.ColorMirrorHotTo,
            a.BorderColorTop, a.BorderColorBottom, a.BorderColor,        a.EdgeColor,
            a.ColorSelected, a.ColorSelectedTo, a.ColorMirrorSelected, a.ColorMirrorSelectedTo};
}

void setColors(TItemAppearance& a, const Preset& p) {
    a.ColorHot = p.ColorHot;
    a.ColorHotTo = p.ColorHotTo;
    a.ColorMirrorHot = p.ColorMirrorHot;
    a.ColorMirrorHotTo = p.ColorMirrorHotTo;
    a.BorderColorTop = p.BorderColorTop;
    a.BorderColorBottom = p.BorderColorBottom;
    a.BorderColor = p.BorderColor;
    a.EdgeColor = p.EdgeColor;
    a.ColorSelected = p.ColorSelected;
    a.ColorSelectedTo = p.ColorSelectedTo;
    a.ColorMirrorSelected = p.ColorMirrorSelected;
    a.ColorMirrorSelectedTo = p.ColorMirrorSelectedTo;
}

}  // namespace

TItemAppearance::TItemAppearance() {
    Font.SetName("Tahoma");
    SetColorStyle(scOffice2007);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
    if (Value == colorStyle_) return;
    colorStyle_ = Value;
    if (const Preset* p = presetOf(Value)) setColors(*this, *p);
}

void TItemAppearance::Assign(const TItemAppearance& Source) {
    setColors(*this, colorsOf(Source));
    Font.Assign(Source.Font);
    SetColorStyle(Source.colorStyle_);
    ColorSelectedText = Source.ColorSelectedText;
    ColorHotText = Source.ColorHotText;
    BorderColorHot = Source.BorderColorHot;
    BorderColorSelected = Source.BorderColorSelected;
}

void SetItemAppearanceStyle(TItemAppearance* Appearance, TExStyle AStyle) {
    TItemAppearanceStyleColors c{};
    if (!Appearance || !ItemAppearanceStyleColors(AStyle, c)) return;
    TItemAppearance& a = *Appearance;
    a.BorderColorHot = clNone;
    a.BorderColorSelected = clNone;
    setColors(a, {c.ColorHot, c.ColorHotTo, c.ColorMirrorHot, c.ColorMirrorHotTo, c.BorderColorTop, c.BorderColorBottom,
                  c.BorderColor, c.EdgeColor, c.ColorSelected, c.ColorSelectedTo, c.ColorMirrorSelected,
                  c.ColorMirrorSelectedTo});
    a.ColorSelectedText = c.ColorSelectedText;
    a.ColorHotText = c.ColorHotText;
}
