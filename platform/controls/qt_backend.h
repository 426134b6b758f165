#pragma once

#include "platform/controls/layered_windows.h"
#include "platform/controls/modal_driver.h"
#include "platform/controls/style_theme_service.h"
#include "platform/controls/window_backend.h"
#include "platform/messages/message_loop.h"

#include <atomic>
#include <map>
#include <memory>

#include <QPointer>

class QEventLoop;
class QWidget;
class QTimer;

// The program's native side: Qt widgets behind windowed controls, real modal windows and
// boxes, and the Qt event loop driving posted messages and timers.
class QtBackend : public TWindowBackend, public TModalDriver, public TMessagePump {
public:
    QtBackend();
    ~QtBackend() override;
    void Install();
    void Uninstall();

    // TWindowBackend
    void CreateHandle(TWinControl& control) override;
    void DestroyHandle(TWinControl& control) override;
    void BoundsChanged(TWinControl& control) override;
    void VisibleChanged(TWinControl& control) override;
    void TextChanged(TWinControl& control) override;
    void EnabledChanged(TWinControl& control) override;
    void CursorChanged(TWinControl& control) override;
    void StyleChanged(TWinControl& control) override;
    void Invalidate(TWinControl& control, const TRect& r) override;
    void SetFocus(TWinControl& control) override;
    void HintChanged(TWinControl& control) override;
    void ItemsChanged(TWinControl& control) override;
    void CheckedChanged(TWinControl& control) override;
    void RegionChanged(TWinControl& control) override;
    bool NativeTextInput(const TWinControl& control) override;
    void SelectionChanged(TWinControl& control) override;
    void ReplaceSelection(TWinControl& control, const QString& text) override;
    bool ScreenOrigin(const TWinControl& control, TPoint& origin) override;
    void Beep() override;
    void PopupChanged(TWinControl& control, bool shown) override;
    int SystemMetric(int Index) override;
    void BeginUserSizing(TWinControl& control) override;
    void DropTargetChanged(TWinControl& control) override;

    // TModalDriver
    void RunModal(TForm& form) override;
    void EndModal(TForm& form) override;
    TModalResult MessageBox(const TMessageBoxRequest& request) override;
    bool FileDialog(TFileDialogRequest& request) override;
    int PopupMenu(const TPopupMenuRequest& request) override;

    // TMessagePump
    void Wake() override;
    void TimersChanged() override;

private:
    void drain();
    std::map<TForm*, QEventLoop*> modalLoops_;
    // The window that was active when each modal form opened.
    std::map<TForm*, QPointer<QWidget>> owners_;
    std::unique_ptr<QTimer> timer_;
    std::atomic<bool> wakePending_{false};
    TStyleThemeService themes_;
    TWindowOpacity layeredWindows_;
};
