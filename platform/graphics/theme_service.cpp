#include "platform/graphics/theme_service.h"

namespace {
TThemeService* installed = nullptr;
}

TThemeService* ThemeService() { return installed; }

void SetThemeService(TThemeService* service) { installed = service; }
