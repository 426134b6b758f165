#include "grid/foundation/theme_detection.h"

#include "platform/graphics/theme_service.h"
#include "platform/system/platform_version.h"
#include "platform/system/registry.h"

bool IsComCtl6() { return ((GetCommonControlsVersionMS() >> 16) % 256) > 5; }

bool IsVistaOrLater() { return KernelExportsGetLocaleInfoEx(); }

bool IsWinXPOrLater() {
    const TOSVersion v = GetOSVersion();
    return v.Major > 5 || (v.Major == 5 && v.Minor >= 1);
}

int GetInstalledOfficeVersion() {
    TRegistry reg;
    reg.RootKey = HKEY_CURRENT_USER;
    if (reg.KeyExists(QString(Office2010CommonKey) + "\\General")) return 2;
    if (reg.KeyExists(QString(Office2007CommonKey) + "\\General")) return 1;
    return 0;
}

int GetXPThemeColor() {
    if (!IsWinXPOrLater()) return 0;
    // Asked of the platform directly, not through a part's binding.
    TThemeService* themes = ThemeService();
    if (!themes || !themes->IsThemeActive() || !IsComCtl6()) return 0;
    QString fileName, colorName, sizeName;
    if (!themes->GetCurrentThemeName(fileName, colorName, sizeName) || colorName.isEmpty()) return 0;
    // The scheme name is looked for inside each known name, so a part of one matches too.
    if (QStringLiteral("NormalColor").contains(colorName)) return 1;
    if (QStringLiteral("HomeStead").contains(colorName)) return 2;
    if (QStringLiteral("Metallic").contains(colorName)) return 3;
    return 0;
}

int ReadOfficeThemeValue(TRegistry& Reg, const QString& Key) {
    if (!Reg.KeyExists(Key) || !Reg.OpenKeyReadOnly(Key)) return -1;
    const int value = Reg.ValueExists("Theme") ? Reg.ReadInteger("Theme") : -1;
    Reg.CloseKey();
    return value;
}

TOfficeTheme GetOfficeTheme() {
    TRegistry reg;
    reg.RootKey = HKEY_CURRENT_USER;
    switch (ReadOfficeThemeValue(reg, Office2010CommonKey)) {
    case -1: break;
    case 1: return ot2010Blue;
    case 2: return ot2010Silver;
    case 3: return ot2010Black;
    default: return ot2003Blue;
    }
    switch (ReadOfficeThemeValue(reg, Office2007CommonKey)) {
    case -1: break;
    case 1: return ot2007Blue;
    case 2: return ot2007Silver;
    case 3: return ot2007Black;
    default: return ot2003Blue;
    }
    switch (GetXPThemeColor()) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
    }
}

QString GetDefaultFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }
