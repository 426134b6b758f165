#include "grid/foundation/visual_styles.h"

namespace {
// A binding started with the part that uses it and shut down at the end of the program.
class PartBinding {
public:
    PartBinding() { binding.Startup(); }
    ~PartBinding() { binding.Shutdown(); }
    TVisualStylesBinding binding;
};
}  // namespace

void TVisualStylesBinding::InitThemeLibrary() {
    if (loaded_) return;
    TThemeService* service = ThemeService();
    if (!service) return;
    library_ = service;
    loaded_ = true;
}

void TVisualStylesBinding::FreeThemeLibrary() {
    if (!loaded_) return;
    // Nothing stays bound to a service that may be gone soon.
    library_ = nullptr;
    loaded_ = false;
}

void TVisualStylesBinding::Startup() {
    if (startupCount_-- == 0) InitThemeLibrary();
}

void TVisualStylesBinding::Shutdown() {
    if (startupCount_++ == -1) FreeThemeLibrary();
}

HTHEME TVisualStylesBinding::OpenThemeData(HWND Wnd, const QString& ClassList) const {
    return library_ ? library_->OpenThemeData(Wnd, ClassList) : nullptr;
}

void TVisualStylesBinding::CloseThemeData(HTHEME Theme) const { TThemeService::CloseThemeData(Theme); }

bool TVisualStylesBinding::DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId, const TRect& R,
                                               const TRect* ClipRect) const {
    return library_ && Theme && library_->DrawThemeBackground(Theme, Canvas, PartId, StateId, R, ClipRect);
}

bool TVisualStylesBinding::IsThemeActive() const { return library_ && library_->IsThemeActive(); }

bool TVisualStylesBinding::GetCurrentThemeName(QString& FileName, QString& ColorName, QString& SizeName) const {
    return library_ && library_->GetCurrentThemeName(FileName, ColorName, SizeName);
}

TVisualStylesBinding& ExXPVS() {
    static PartBinding part;
    return part.binding;
}

TVisualStylesBinding& ATXPVS() {
    static PartBinding part;
    return part.binding;
}
