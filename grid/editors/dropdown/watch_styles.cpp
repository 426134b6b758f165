#include "grid/editors/dropdown/watch_appearance.h"

#include <algorithm>
#include <cmath>

namespace {

void setFont(TFont& F, const char* Name, int Size, TFontStyles Style, TColor Color = clNone) {
    if (Name) F.SetName(QString::fromLatin1(Name));
    if (Size > 0) F.SetSize(Size);
    F.SetStyle(Style);
    if (Color != clNone) F.SetColor(Color);
}

// The neon faces: hands, marks and numbers in one colour on black.
void neon(TWatchAppearance& A, TColor K, TWatchShape Shape) {
    A.CenterPointSize = 20;
    setFont(A.HourFont, "MS Sans Serif", 8, 0, clWindowText);
    A.HourColor = A.HourPointer = A.MinuteColor = A.MinutePointer = K;
    A.HourMarkLength = 10;
    A.HourPointerShadow = A.MinutePointerShadow = clBtnShadow;
    A.HourPointerSize = A.MinutePointerSize = 2;
    A.CenterPointOuterBorderColor = clBlack;
    A.HourMarkWidth = 2;
    A.HourMarkStyle = hmsQuartDblLine;
    A.Shape = Shape;
}

// The sports faces: quarter marks and slim hands.
void sports(TWatchAppearance& A) {
    A.HourColor = 0xABB0B1;
    setFont(A.HourFont, "Times New Roman", 9, A.HourFont.Style(), 0x797979);
    A.HourPointerSize = A.MinutePointerSize = 2;
    A.MinuteColor = 0x808080;
    A.MinuteMarkLength = 1;
    A.TickMarks = tmQuartHours;
}

}  // namespace

void ApplyWatchStyle(TWatchAppearance& A, TWatchStyle Style, int Width, int Height, TWatchStyleSwitches& S) {
    A.Reset();
    const int side = std::min(Width, Height);
    switch (Style) {
    case wsClassic:
        setFont(A.AMPMFont, "MS Sans Serif", 0, 0);
        setFont(A.HourFont, "Comic Sans MS", 10, fsBold);
        A.HourMarkLength = 8;
        A.HourPointer = clBlack;
        A.HourPointerShadow = A.MinutePointerShadow = clBtnShadow;
        A.HourPointerSize = 5;
        A.MinuteMarkLength = 4;
        S.Animation = true;
        S.AnimationFactor = 10;
        S.ShowAMPM = S.ShowNumbers = true;
        break;
    case wsTower:
        setFont(A.AMPMFont, "MS Sans Serif", 0, 0);
        A.AMPMFrame = apRect;
        A.BorderWidth = 1;
        A.BackgroundColor = 0xB1F0FE;
        A.BackgroundGradient = wgDiagonalForward;
        A.CenterPointColor = 0x002BD5;
        A.CenterPointSize = 6;
        setFont(A.HourFont, "Century", 0, fsBold, clWindowText);
        A.HourPointer = clBlack;
        A.HourPointerShadow = A.MinutePointerShadow = clBtnShadow;
        A.HourPointerSize = 5;
        A.SecondPointer = 0x002BD5;
        A.Shape = wsRect;
        A.PointerStyle = psPointer;
        A.BackgroundColorTo = 0x5BCCE8;
        A.AMPMColor = A.BackgroundColor;
        A.TickMarks = tmHours;
        S.ShowNumbers = false;
        break;
    case wsFluorescent:
        setFont(A.AMPMFont, "MS Sans Serif", 10, 0, clWindowText);
        A.AMPMFrame = apRoundRect;
        A.BorderColor = 0xFF3E3E;
        A.BackgroundColor = A.BackgroundColorTo = clBlack;
        A.CenterPointColor = 0xFF3E3E;
        A.CenterPointBorderColor = clBlack;
        neon(A, 0xFF3E3E, wsRoundRect);
        A.TickMarks = tmHours;
        S.ShowAMPM = S.ShowNumbers = false;
        break;
    case wsEmerald:
        setFont(A.AMPMFont, "MS Sans Serif", 0, 0, 0xA00000);
        A.AMPMFrame = apRoundRect;
        A.BorderColor = A.BackgroundColor = 0x3AE800;
        A.BackgroundColorTo = clBlack;
        A.BackgroundGradient = wgDiagonalForward;
        A.CenterPointBorderColor = 0x40FF00;
        A.CenterPointColor = 0x38E100;
        A.CenterPointSize = 16;
        setFont(A.HourFont, "MS Sans Serif", 0, 0, 0x3AE800);
        A.HourPointer = A.MinutePointer = 0x40FF00;
        A.HourPointerShadow = A.MinutePointerShadow = clBtnShadow;
        A.HourPointerSize = 5;
        A.Shape = wsRect;
        A.PointerStyle = psPointer;
        A.AMPMColor = clNone;
        A.CenterPointOuterBorderColor = clBlack;
        A.HourMarkStyle = hmsQuartDblLine;
        A.HourColor = 0x3AE800;
        A.SecondPointer = 0x00FFFF;
        A.TickMarks = tmHours;
        S.ShowAMPM = S.ShowNumbers = false;
        break;
    case wsBlueStar:
        setFont(A.AMPMFont, "MS Sans Serif", 10, 0, 0xA00000);
        A.AMPMBorderColor = clNone;
        A.AMPMFrame = apRoundRect;
        A.BorderColor = A.BackgroundColor = 0xFFD5D5;
        A.BackgroundColorTo = 0xA00000;
        A.BackgroundGradient = wgRadial;
        setFont(A.HourFont, "MS Sans Serif", 8, 0, 0xFFD5D5);
        A.HourPointer = A.MinutePointer = 0xA00000;
        A.HourPointerShadow = A.MinutePointerShadow = clBtnShadow;
        A.HourPointerSize = 5;
        A.Shape = wsRoundRect;
        A.PointerStyle = psPointer;
        A.AMPMColor = clNone;
        S.ShowAMPM = S.ShowNumbers = true;
        break;
    case wsFuchsia:
        setFont(A.AMPMFont, "MS Sans Serif", 10, 0, clWindowText);
        A.AMPMFrame = apRoundRect;
        A.BorderColor = 0xFFD0FF;
        A.BackgroundColor = A.BackgroundColorTo = clBlack;
        A.CenterPointBorderColor = 0xDD68DD;
        neon(A, 0xFFD0FF, wsRect);
        A.SecondPointer = 0xDD68DD;
        A.TickMarks = tmQuartHours;
        S.ShowAMPM = S.ShowNumbers = false;
        break;
    case wsBlack:
        setFont(A.AMPMFont, "MS Sans Serif", 0, 0);
        A.BackgroundColor = 0x202020;
        A.BackgroundColorTo = clNone;
        A.BorderColor = clBlack;
        A.CenterPointBorderColor = A.CenterPointOuterBorderColor = A.CenterPointColor = clWhite;
        A.HourColor = A.MinuteColor = 0x585858;
        setFont(A.HourFont, "Century Gothic", 11, A.HourFont.Style(), clWhite);
        A.HourPointer = A.MinutePointer = clWhite;
        A.HourPointerShadow = A.MinutePointerShadow = clBtnShadow;
        A.HourPointerSize = 5;
        A.MinuteMarkLength = 4;
        S.ShowAMPM = false;
        S.ShowNumbers = true;
        break;
    case wsBlackWhite:
        A.BackgroundColor = clWhite;
        A.BackgroundColorTo = clNone;
        A.BorderColor = clBlack;
        A.BorderWidth = 8;
        A.CenterPointBorderColor = A.CenterPointOuterBorderColor = A.CenterPointColor = clBlack;
        A.CenterPointSize = 8;
        A.HourColor = 0x585858;
        setFont(A.HourFont, "Century Gothic", 14, fsBold, clBlack);
        A.HourPointer = A.MinutePointer = clBlack;
        A.HourPointerShadow = A.MinutePointerShadow = clBtnShadow;
        A.HourPointerSize = 5;
        A.MinuteMarkLength = 4;
        A.SecondPointer = 0x000080;
        A.PointerStyle = psPointer;
        A.TickMarks = tmQuartHours;
        S.ShowAMPM = false;
        S.ShowNumbers = true;
        break;
    case wsGray:
        setFont(A.AMPMFont, "MS Sans Serif", 10, A.AMPMFont.Style());
        A.BackgroundColor = 0xD1D1D1;
        A.BackgroundColorTo = 0x6C6C6C;
        A.BackgroundGradient = wgRadial;
        A.BorderColor = A.CenterPointBorderColor = 0x454545;
        A.CenterPointColor = clBlack;
        A.CenterPointOuterBorderColor = clNone;
        A.HourColor = clBlack;
        setFont(A.HourFont, "Comic Sans MS", 8, 0);
        A.HourPointer = A.MinutePointer = 0x4E4E4E;
        A.HourPointerSize = A.MinutePointerSize = 1;
        A.HourPointerShadow = A.MinutePointerShadow = clNone;
        A.MinuteColor = 0x808080;
        A.SecondPointer = clRed;
        S.ShowAMPM = S.ShowNumbers = true;
        break;
    case wsSuperNova:
        A.BackgroundColorTo = 0xD1D3D3;
        A.BorderColor = clNone;
        A.CenterPointOuterBorderColor = clBlack;
        A.CenterPointSize = 10;
        A.HourMarkLength = static_cast<int>(std::nearbyint(side / 4.5));
        A.HourPointer = clBlack;
        A.HourPointerShadow = clBtnShadow;
        A.MinuteColor = 0x808080;
        A.MinuteMarkLength = side / 3;
        A.MinutePointer = clBlack;
        S.ShowAMPM = S.ShowNumbers = false;
        break;
    case wsSports:
        A.BackgroundColor = clBlack;
        A.BackgroundColorTo = clNone;
        A.BorderColor = clBlack;
        A.BorderWidth = 1;
        A.CenterPointBorderColor = 0xFF0000;
        A.CenterPointOuterBorderColor = clBlack;
        A.CenterPointColor = 0x191919;
        A.CenterPointSize = static_cast<int>(std::nearbyint(side / 3.6));
        sports(A);
        A.HourPointer = clRed;
        A.MinutePointer = 0x00FFFF;
        A.HourPointerShadow = A.MinutePointerShadow = clNone;
        A.SecondPointer = 0x188BFE;
        S.ShowAMPM = false;
        S.ShowNumbers = true;
        break;
    case wsSmooth:
        A.BackgroundColor = clWhite;
        A.BackgroundColorTo = 0xABB0B1;
        A.BorderColor = 0x585858;
        A.BorderWidth = 1;
        A.CenterPointBorderColor = clBlack;
        A.CenterPointOuterBorderColor = 0x4A4A4A;
        A.CenterPointColor = clWhite;
        A.CenterPointSize = 6;
        sports(A);
        A.HourPointer = A.MinutePointer = 0x4A4A4A;
        A.HourPointerShadow = A.MinutePointerShadow = 0xB2B2B2;
        A.SecondPointer = 0x4A4A4A;
        S.ShowAMPM = false;
        S.ShowNumbers = true;
        break;
    }
    A.Changed();
}
