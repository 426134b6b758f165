#include "grid/foundation/html_colors.h"

namespace {

struct NamedColor {
    const char* Name;
    TColor Color;
};

constexpr NamedColor kColorNames[] = {
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
};

// Digits below "A" count from "0", the others from "A" as 10; nothing else is checked.
int hexDigit(QChar c) { return c.unicode() < u'A' ? c.unicode() - 48 : c.unicode() - 55; }

}  // namespace

TColor ColorNameToColor(const QString& AName) {
    for (const NamedColor& named : kColorNames)
        if (AName == QLatin1String(named.Name)) return named.Color;
    return clBlack;
}

uint8_t HexPairToByte(const QString& Pair) {
    if (Pair.size() < 2) return 0;
    return static_cast<uint8_t>(16 * hexDigit(Pair[0]) + hexDigit(Pair[1]));
}

TColor HexToColor(const QString& Hex) {
    const int red = HexPairToByte(Hex.mid(1, 2));
    const int green = HexPairToByte(Hex.mid(3, 2));
    const int blue = HexPairToByte(Hex.mid(5, 2));
    return red | green << 8 | blue << 16;
}
