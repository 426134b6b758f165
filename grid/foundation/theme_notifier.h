#pragma once

#include "platform/controls/control.h"
#include "platform/core/component.h"
#include "platform/system/registry.h"
#include "platform/system/thread.h"

#include <QString>
#include <memory>
#include <vector>

// Sent to the registered windows when the office colour theme changes: wParam the watched root
// key, lParam a const QString* with the watched key path, valid while the message is handled.
constexpr uint32_t WM_OFFICETHEMECHANGE = WM_USER + 1969;

// Window handles in the order added.
class THandleList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    HWND Items(int Index) const { return items_.at(static_cast<size_t>(Index)); }
    void SetItems(int Index, HWND Value) { items_.at(static_cast<size_t>(Index)) = Value; }
    void Add(HWND Value) { items_.push_back(Value); }
    void Insert(int Index, HWND Value);
    void Delete(int Index);
    // Removes the first entry equal to Value; nothing when there is none.
    void DeleteValue(HWND Value);
    bool HasValue(HWND Value) const;

private:
    std::vector<HWND> items_;
};

// Watches a registry key and tells the windows whenever it changes. The messages are sent on
// the GUI thread, in one synchronised call per change (first Wnd, then WinList in its order), so
// the window list is only ever read and written on the GUI thread.
class TRegMonitorThread : public TThread {
public:
    TRegMonitorThread();

    QString Key;
    HKEY RootKey = HKEY_CURRENT_USER;
    bool WatchSub = false;
    HWND Wnd = nullptr;
    // What changes count (REG_NOTIFY_CHANGE_*); unset, it reads as all four.
    uint32_t Filter();
    void SetFilter(uint32_t Value) { FFilter = Value; }
    THandleList& WinList() { return FWinList; }

    // Asks the thread to end and wakes it.
    void Stop();

protected:
    // Fails with "Unable to open registry key <Key>" when the key cannot be opened.
    void Execute() override;

private:
    void notifyWindows();

    TRegistry FReg;
    std::shared_ptr<TSyncEvent> FEvent = std::make_shared<TSyncEvent>();
    uint32_t FFilter = 0;
    THandleList FWinList;
};

// The hidden window that hears of office theme changes for the notifier.
class TThemeNotifierWindow : public TWinControl {
public:
    explicit TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) {}
    TNotifyEvent OnOfficeThemeChange;
    void WndProc(TMessage& Message) override;
};

// Tells registered windows when the office colour theme changes. It watches only where the
// 2007 or 2010 office settings exist; elsewhere it has neither window nor thread and
// registering does nothing.
class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;

    void RegisterWindow(HWND Hwnd);
    void UnRegisterWindow(HWND Hwnd);
    TRegMonitorThread* RegMonitorThread() const { return thread_.get(); }
    TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }

    TNotifyEvent OnOfficeThemeChange;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TRegMonitorThread> thread_;
    TThemeNotifierWindow* FNotifier = nullptr;
};

// The process's one notifier, made on first use: owned by the main form when that has its
// window already, else by AOwner; it goes with its owner.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);
// The notifier when one was made and has not gone yet, else nullptr; makes none.
TThemeNotifier* ThemeNotifierInstance();
