#pragma once

#include "platform/graphics/graphics_objects.h"

class TWinControl;

// What stands behind windowed controls: nothing in tests (the default), native Qt widgets in
// the program. The control keeps all state; the backend only mirrors it.
class TWindowBackend {
public:
    virtual ~TWindowBackend() = default;
    virtual void CreateHandle(TWinControl&) {}
    virtual void DestroyHandle(TWinControl&) {}
    virtual void BoundsChanged(TWinControl&) {}
    virtual void VisibleChanged(TWinControl&) {}
    virtual void TextChanged(TWinControl&) {}
    virtual void EnabledChanged(TWinControl&) {}
    virtual void CursorChanged(TWinControl&) {}
    virtual void Invalidate(TWinControl&, const TRect&) {}
    virtual void SetFocus(TWinControl&) {}
    // A list's items or selection changed.
    virtual void ItemsChanged(TWinControl&) {}
    // True when a native editor takes the typed characters itself.
    virtual bool NativeTextInput(const TWinControl&) { return false; }
};

TWindowBackend& WindowBackend();
// Installs a backend (not owned); nullptr returns to the headless one.
void SetWindowBackend(TWindowBackend* backend);
