#include "platform/graphics/color_text.h"

#include "platform/core/exception.h"

#include <cstdint>
#include <utility>

namespace {

const std::pair<TColor, const char*> kNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

}  // namespace

QString ColorToString(TColor Color) {
    for (const auto& [value, name] : kNames)
        if (value == Color) return QString::fromLatin1(name);
    return '$' + QStringLiteral("%1").arg(static_cast<uint32_t>(Color), 8, 16, QLatin1Char('0')).toUpper();
}

TColor StringToColor(const QString& Text) {
    for (const auto& [value, name] : kNames)
        if (Text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return value;
    const QString t = Text.trimmed();
    bool ok = false;
    const qlonglong value = t.startsWith('$') ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    if (!ok || t != Text || value < INT32_MIN || value > UINT32_MAX)
        throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(Text));
    return static_cast<TColor>(static_cast<uint32_t>(value));
}
