#include "grid/editors/dropdown/column_list_dropdown.h"

// The header, selection and line colours the styles give a list with columns.

namespace {

struct TListStyle {
    TExStyle Style;
    TColor HeaderColor, HeaderColorTo;
    TColor HeaderFontColor;  // clNone: unchanged
    TSelectionColorStyle Selection;
    TColor SelectionColor;   // for scCustom
    TColor SelectionTextColor;
    TColor LineColor, FixedLineColor;
};

constexpr TListStyle styles[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, clWhite, scOffice2007, clNone, clBlack, 0x962D00, 0x962D00},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, clNone, scOffice2007, clNone, clBlack, 0x947C7C, 0x947C7C},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, clNone, scOffice2007, clNone, clBlack, 0x588060, 0x588060},
    {tsOffice2003Classic, 0x808080, 0x808080, clNone, scOffice2007, clNone, clBlack, 0x808080, 0x808080},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, clNone, clBlack, 0xFFD2AF, 0xFFD2AF},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, clNone, clBlack, 0x5C534C, 0x5C534C},
    {tsWindowsXP, clBtnFace, clBtnFace, clBlack, scCustom, clHighlight, clHighlightText, clSilver, clBlack},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, clWhite, scOffice2007, clNone, clBlack, 0x962D00, 0x962D00},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, clNone, clBlack, 0x74706F, 0x74706F},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, clBlack, scWindowsVista, clNone, clBlack, 0xFCF2DA, 0xFCF2DA},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, clBlack, scWindows7, clNone, clBlack, 0xFBD6B8, 0xFBD6B8},
    {tsTerminal, clBtnFace, clBtnFace, clBlack, scCustom, clHighlight, clHighlightText, 0x808080, 0x808080},
};

// Plain headers and the warm selection of the 2010 family.
constexpr TListStyle office2010[] = {
    {tsOffice2010Blue, 0xEDDBCD, clNone, 0x5B391E, scCustom, 0x6CD0FF, clBlack, 0xEEDDCF, 0xEEDDCF},
    {tsOffice2010Silver, 0xEDE9E5, clNone, 0x5B391E, scCustom, 0x6CD0FF, clBlack, 0xEEDDCF, 0xEEDDCF},
    {tsOffice2010Black, 0x828282, clNone, 0xD7D7D6, scCustom, 0x6CD0FF, clBlack, 0xEEDDCF, 0xEEDDCF},
};

const TListStyle* findStyle(TExStyle AStyle, bool Office2010) {
    for (const TListStyle& s : styles)
        if (s.Style == AStyle) return &s;
    if (Office2010)
        for (const TListStyle& s : office2010)
            if (s.Style == AStyle) return &s;
    return nullptr;
}

}  // namespace

void TColumnListDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
    if (AStyle == scOffice2007) {
        LineColor = 0xF1EDEB;
        FixedLineColor = 0xD1BBA4;
    } else if (AStyle == scWindowsVista || AStyle == scWindows7) {
        LineColor = 0xECECF0;
        FixedLineColor = 0xD4D2D1;
    }
    TExCustomDropDown::SetSelectionColorStyle(AStyle);
}

void TColumnListDropDown::SetComponentStyle(TExStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    const TListStyle* s = findStyle(AStyle, office2010_);
    if (!s) return;
    HeaderColor = s->HeaderColor;
    HeaderColorTo = s->HeaderColorTo;
    if (s->HeaderFontColor != clNone) headerFont_.SetColor(s->HeaderFontColor);
    SetSelectionColorStyle(s->Selection);
    if (s->Selection == scCustom) {
        SelectionColor = s->SelectionColor;
        SelectionColorTo = s->SelectionColor;
    }
    SelectionTextColor = s->SelectionTextColor;
    LineColor = s->LineColor;
    FixedLineColor = s->FixedLineColor;
}
