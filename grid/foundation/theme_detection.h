#pragma once

#include "grid/foundation/style_interfaces.h"

#include <QString>

class TRegistry;

// The office settings under HKEY_CURRENT_USER whose "Theme" value names the colour theme.
constexpr char Office2010CommonKey[] = "Software\\Microsoft\\Office\\14.0\\Common";
constexpr char Office2007CommonKey[] = "Software\\Microsoft\\Office\\12.0\\Common";

// Which platform generation and which office colour scheme a control should imitate.

// The common controls can draw themed (major version above 5).
bool IsComCtl6();
bool IsVistaOrLater();
bool IsWinXPOrLater();
// 2 with the 2010 office settings present, 1 with the 2007 ones, else 0.
int GetInstalledOfficeVersion();
// The platform theme's colour scheme: 1 "NormalColor" (blue), 2 "HomeStead" (olive),
// 3 "Metallic" (silver), 0 none or the classic look.
int GetXPThemeColor();
// The "Theme" value of Key, or -1 when the key or the value is missing.
int ReadOfficeThemeValue(TRegistry& Reg, const QString& Key);
// The office colour theme: the 2010 settings first, then the 2007 ones, then the platform
// theme's colour scheme.
TOfficeTheme GetOfficeTheme();
QString GetDefaultFontName();
