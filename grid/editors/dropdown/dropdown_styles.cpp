#include "grid/editors/dropdown/dropdown_styles.h"

namespace {

constexpr bool keep = false, set = true;

// Indexed by TExStyle; the tsCustom row is never read.
const TDropDownStyleColors dropDownStyles[] = {
    {0xFFFFFF, clNone, keep, clNone, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00},
    {0xFFFFFF, clNone, keep, clNone, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C},
    {0xFFFFFF, clNone, set, clNone, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060},
    {0xF2F2F2, 0xF2F2F2, set, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {0xF3E5DA, 0xF0DED0, set, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF},
    {0xFFFFFF, clNone, set, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C},
    {0xFFFFFF, clNone, keep, clNone, 0xFFFFFF, clBtnFace, 0x000000, 0x808080, 0xFFFFFF, clBtnFace, 0x000000, 0x808080},
    {0xF5F9FA, 0xF5F9FA, set, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00},
    {},  // tsCustom
    {0xF8F4F1, 0xF0E8E3, set, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F},
    // The footer's gradient runs the other way from the header's.
    {0xFFFFFF, 0xFFFFFF, set, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA},
    {0xFFFFFF, 0xFFFFFF, set, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8},
    {0xFFFFFF, 0xFFFFFF, set, 0x808080, clBtnFace, clBtnFace, 0x000000, clNone, clBtnFace, clBtnFace, 0x000000, clNone},
    {0xFFFFFF, 0xF1EFED, set, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F},
    {0xFFFFFF, 0xF1EFED, set, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8},
    {0xFFFFFF, 0xF1EFED, set, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
};

// The hot, pressed, disabled and checked faces most office styles share.
constexpr TButtonStyleColors officeButtons(TColor color, TColor colorTo) {
    return {color,    colorTo,  clNone,   0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
            0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
}

constexpr TButtonStyleColors office2010Buttons(TColor color, TColor colorTo, TColor border) {
    return {color,  colorTo,  border,   0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF,
            clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE};
}

const TButtonStyleColors buttonStyles[] = {
    officeButtons(0xFCE1CB, 0xE0A57D),
    officeButtons(0xECE2E1, 0xB39698),
    officeButtons(0xCFF0EA, 0x8CC0B1),
    {0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4,
     0xD8D5D4, 0xD8D5D4, 0x808080},
    officeButtons(0xFFEFE3, 0xFFDDC4),
    officeButtons(0xF2F1F0, 0xC9C2BD),
    {0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight,
     0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000},
    officeButtons(0xFFFFFF, 0xDFEDF0),
    {},  // tsCustom
    officeButtons(0xF9F8F8, 0xE4E2DF),
    {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF,
     0xFEF9F0, 0xFDF0D7, 0xFEDF9A},
    {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF,
     0xFEF9F0, 0xFCDBC1, 0xCEA27D},
    {clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace,
     clBtnFace, clBtnFace, clBtnFace, clHighlight},
    office2010Buttons(0xFDF6EF, 0xF0DAC7, 0xC7B29F),
    office2010Buttons(0xFFFFFF, 0xEDE5E0, 0xD2CDC8),
    office2010Buttons(0xBFBFBF, 0x919191, 0xD7D7D6),
};

constexpr TItemAppearanceStyleColors office2003Items = {
    0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone,
    0x000000, 0x000000};
constexpr TItemAppearanceStyleColors office2007Items = {
    0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF,
    0x000000, 0x000000};
constexpr TItemAppearanceStyleColors office2010Items = {
    0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone, clNone,
    0x000000, 0x000000};

const TItemAppearanceStyleColors itemStyles[] = {
    office2003Items,
    office2003Items,
    office2003Items,
    {0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, 0x808080, clNone, clNone, clNone, 0x000000,
     0x000000},
    office2007Items,
    office2007Items,
    {0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight, clNone, clNone, clNone,
     clHighlightText, 0x000000},
    office2003Items,
    {},  // tsCustom
    office2007Items,
    {0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB,
     0x000000, 0x000000},
    {0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE,
     0x000000, 0x000000},
    {0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone, clNone, clNone, 0x808080, clNone, clNone, clNone,
     clHighlightText, 0x000000},
    office2010Items,
    office2010Items,
    office2010Items,
};

template <typename T, size_t N>
bool pick(const T (&table)[N], TExStyle Style, T& Colors) {
    if (Style == tsCustom || static_cast<size_t>(Style) >= N) return false;
    Colors = table[Style];
    return true;
}

}  // namespace

bool DropDownStyleColors(TExStyle Style, TDropDownStyleColors& Colors) { return pick(dropDownStyles, Style, Colors); }
bool ButtonStyleColors(TExStyle Style, TButtonStyleColors& Colors) { return pick(buttonStyles, Style, Colors); }
bool ItemAppearanceStyleColors(TExStyle Style, TItemAppearanceStyleColors& Colors) {
    return pick(itemStyles, Style, Colors);
}

bool SelectionStyleColors(TSelectionColorStyle Style, TSelectionStyleColors& Colors) {
    switch (Style) {
    case scOffice2007:
        Colors = {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
        return true;
    case scWindowsVista:
        Colors = {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
        return true;
    case scWindows7:
        Colors = {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
        return true;
    default:
        return false;
    }
}
