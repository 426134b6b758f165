#pragma once

#include "platform/graphics/graphics_objects.h"

#include <QString>

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
    // The extended style changed after the window was made (TWinControl::SetExStyle).
    virtual void StyleChanged(TWinControl&) {}
    virtual void Invalidate(TWinControl&, const TRect&) {}
    virtual void SetFocus(TWinControl&) {}
    virtual void HintChanged(TWinControl&) {}
    // A list's or combo box's items or selection changed.
    virtual void ItemsChanged(TWinControl&) {}
    // A check box's state changed.
    virtual void CheckedChanged(TWinControl&) {}
    // The window's shape changed (TWinControl::WindowRegion).
    virtual void RegionChanged(TWinControl&) {}
    // True when a native widget takes the user's typing itself (edits, check boxes, combo boxes).
    virtual bool NativeTextInput(const TWinControl&) { return false; }
    // An edit's selection was set by code (TCustomEdit::SelectAll).
    virtual void SelectionChanged(TWinControl&) {}
    // Types text into a native editor in place of its selection, as if the user had typed it.
    virtual void ReplaceSelection(TWinControl&, const QString&) {}
    // Sets origin to where a top-level window's client area lies on the screen; false when
    // the window stands at its bounds.
    virtual bool ScreenOrigin(const TWinControl&, TPoint&) { return false; }
    // Sounds the message beep.
    virtual void Beep() {}
    // Shows or hides a pop-up: a control without a parent whose bounds are in screen
    // coordinates, above every window, closed (WM_CLOSE to it) when the user clicks elsewhere.
    virtual void PopupChanged(TWinControl&, bool /*shown*/) {}
    // A size of the system's window parts (SM_*); headless, the classic sizes.
    virtual int SystemMetric(int Index);
    // The user starts sizing a top-level window by its bottom-right corner with the mouse.
    virtual void BeginUserSizing(TWinControl&) {}
    // The window was registered as drop target, or its registration revoked.
    virtual void DropTargetChanged(TWinControl&) {}
};

enum : int { SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYBORDER = 6 };

// The system's size of a window part, from the window backend.
int GetSystemMetrics(int Index);

TWindowBackend& WindowBackend();
// Installs a backend (not owned); nullptr returns to the headless one.
void SetWindowBackend(TWindowBackend* backend);
