#include "grid/editors/dropdown/watch_appearance.h"

void TWatchAppearance::Reset() {
    const TNotifyEvent onChange = OnChange;
    OnChange = nullptr;
    *this = TWatchAppearance(nullptr);
    OnChange = onChange;
}

TWatchAppearance::TWatchAppearance(std::nullptr_t) {
    HourFont.SetName("Tahoma");
    HourFont.SetSize(8);
    AMPMFont.SetName("Tahoma");
    AMPMFont.SetSize(10);
}

void TWatchAppearance::Assign(const TWatchAppearance& Source) {
    if (&Source == this) return;
    const TNotifyEvent onChange = OnChange;
    Size = Source.Size;
    HourPointer = Source.HourPointer;
    BackgroundColor = Source.BackgroundColor;
    MinutePointerShadow = Source.MinutePointerShadow;
    BackgroundColorTo = Source.BackgroundColorTo;
    HourPointerShadow = Source.HourPointerShadow;
    SecondPointer = Source.SecondPointer;
    BorderColor = Source.BorderColor;
    MinutePointer = Source.MinutePointer;
    HourFont.Assign(Source.HourFont);
    AMPMFont.Assign(Source.AMPMFont);
    // The picture is copied, so that the copy can be changed on its own.
    Picture = std::make_shared<TBitmap>();
    if (!Source.Picture->Empty()) Picture->Assign(*Source.Picture);
    AMPMFrame = Source.AMPMFrame;
    Shape = Source.Shape;
    PointerStyle = Source.PointerStyle;
    HourPointerSize = Source.HourPointerSize;
    SecondPointerSize = Source.SecondPointerSize;
    MinutePointerSize = Source.MinutePointerSize;
    HourColor = Source.HourColor;
    MinuteColor = Source.MinuteColor;
    CenterPointSize = Source.CenterPointSize;
    CenterPointColor = Source.CenterPointColor;
    CenterPointBorderColor = Source.CenterPointBorderColor;
    BackgroundGradient = Source.BackgroundGradient;
    HourMarkLength = Source.HourMarkLength;
    HourMarkWidth = Source.HourMarkWidth;
    MinuteMarkLength = Source.MinuteMarkLength;
    MinuteMarkWidth = Source.MinuteMarkWidth;
    BorderWidth = Source.BorderWidth;
    AMPMColor = Source.AMPMColor;
    AMPMBorderColor = Source.AMPMBorderColor;
    CenterPointOuterBorderColor = Source.CenterPointOuterBorderColor;
    TickMarks = Source.TickMarks;
    HourMarkStyle = Source.HourMarkStyle;
    OnChange = onChange;
    Changed();
}

void ApplyWatchComponentStyle(TWatchAppearance& A, TExStyle AStyle) {
    A.CenterPointOuterBorderColor = clBlack;
    A.HourFont.SetColor(clBlack);
    A.AMPMFont.SetColor(clBlack);
    struct Row {
        TExStyle style;
        TColor ampmBorder, ampm, background, backgroundTo, border, centerBorder, center, hands, shadows, second;
    };
    static const Row rows[] = {
        {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, clWhite, clWhite},
        {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, clWhite, clWhite},
        {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, clWhite, clWhite},
        {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, clWhite, 0x808080},
        {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, clWhite, 0x723708},
        {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, clWhite, 0xF2F1F0},
        {tsWindowsXP, clBlack, clBtnFace, clBtnFace, clBtnFace, clBlack, clBlack, clBlack, clBlack, clWhite, clBlack},
        {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, clWhite, 0x7E9898},
        {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, clWhite, 0x74706F},
        {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, clWhite, 0xFEDF9A},
        {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, clWhite, 0xFBD6B8},
        {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, clWhite, 0x808080},
        {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, clWhite, 0xC7B29F},
        {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, clWhite, clWhite, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
        {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, clWhite, 0x6D6D6D},
    };
    for (const Row& r : rows) {
        if (r.style != AStyle) continue;
        A.AMPMBorderColor = r.ampmBorder;
        A.AMPMColor = r.ampm;
        A.BackgroundColor = r.background;
        A.BackgroundColorTo = r.backgroundTo;
        A.BorderColor = r.border;
        A.CenterPointBorderColor = r.centerBorder;
        A.CenterPointColor = r.center;
        A.HourColor = A.MinuteColor = A.HourPointer = A.MinutePointer = r.hands;
        A.HourPointerShadow = A.MinutePointerShadow = r.shadows;
        A.SecondPointer = r.second;
    }
    if (AStyle == tsOffice2007Obsidian) {
        A.AMPMFont.SetColor(0xF2F1F0);
        A.HourFont.SetColor(0xF2F1F0);
    }
    A.Changed();
}
