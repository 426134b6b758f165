#pragma once

#include "platform/graphics/graphics_objects.h"
#include "platform/messages/messages.h"

#include <cstdint>

class TCanvas;

enum : uint8_t { AC_SRC_OVER = 0, AC_SRC_ALPHA = 1 };
enum : uint32_t { ULW_COLORKEY = 1, ULW_ALPHA = 2, ULW_OPAQUE = 4, LWA_COLORKEY = 1, LWA_ALPHA = 2 };

struct BLENDFUNCTION {
    uint8_t BlendOp = AC_SRC_OVER;
    uint8_t BlendFlags = 0;
    uint8_t SourceConstantAlpha = 255;
    uint8_t AlphaFormat = 0;
};

// Layered (alpha-blended) top-level windows. A platform may lack them: LayeredWindows() is then
// nullptr and windows stay opaque.
class TLayeredWindows {
public:
    virtual ~TLayeredWindows() = default;
    virtual bool UpdateLayeredWindow(HWND wnd, TCanvas* destDC, const TPoint* destPoint, const TSize* size,
                                     TCanvas* sourceDC, const TPoint* sourcePoint, TColor colorKey,
                                     const BLENDFUNCTION* blend, uint32_t flags) = 0;
    virtual bool SetLayeredWindowAttributes(HWND wnd, TColor colorKey, uint8_t alpha, uint32_t flags) = 0;
};

// The installed layered windows, looked up at every call; nullptr where the platform has none.
TLayeredWindows* LayeredWindows();
// Installs them (not owned); nullptr removes them.
void SetLayeredWindows(TLayeredWindows* windows);

// Layered windows over the opacity of the native top-level windows. A constant alpha (LWA_ALPHA,
// or ULW_ALPHA with the blend's constant alpha; ULW_OPAQUE for full) becomes the window's
// opacity, and UpdateLayeredWindow moves and sizes the window to the given point and size. The
// window keeps showing what its control paints: colour keys and per-pixel source content have
// no counterpart. Both fail for a control without a native top-level window.
class TWindowOpacity : public TLayeredWindows {
public:
    bool UpdateLayeredWindow(HWND wnd, TCanvas* destDC, const TPoint* destPoint, const TSize* size, TCanvas* sourceDC,
                             const TPoint* sourcePoint, TColor colorKey, const BLENDFUNCTION* blend,
                             uint32_t flags) override;
    bool SetLayeredWindowAttributes(HWND wnd, TColor colorKey, uint8_t alpha, uint32_t flags) override;
};
