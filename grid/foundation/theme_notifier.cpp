#include "grid/foundation/theme_notifier.h"

#include "grid/foundation/theme_detection.h"
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/core/exception.h"

#include <algorithm>

namespace {
TThemeNotifier* instance = nullptr;
}

// ---- THandleList

void THandleList::Insert(int Index, HWND Value) {
    if (Index < 0 || Index > Count()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    items_.insert(items_.begin() + Index, Value);
}

void THandleList::Delete(int Index) {
    if (Index < 0 || Index >= Count()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    items_.erase(items_.begin() + Index);
}

void THandleList::DeleteValue(HWND Value) {
    const auto it = std::find(items_.begin(), items_.end(), Value);
    if (it != items_.end()) items_.erase(it);
}

bool THandleList::HasValue(HWND Value) const { return std::find(items_.begin(), items_.end(), Value) != items_.end(); }

// ---- TRegMonitorThread

TRegMonitorThread::TRegMonitorThread() : TThread(true) {}

uint32_t TRegMonitorThread::Filter() {
    if (FFilter == 0)
        FFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES | REG_NOTIFY_CHANGE_LAST_SET |
                  REG_NOTIFY_CHANGE_SECURITY;
    return FFilter;
}

void TRegMonitorThread::Stop() {
    Terminate();
    FEvent->SetEvent();
}

void TRegMonitorThread::Execute() {
    FReg.RootKey = RootKey;
    if (!FReg.OpenKeyReadOnly(Key)) throw Exception("Unable to open registry key " + Key);
    FReg.NotifyChangeKeyValue(WatchSub, Filter(), FEvent);
    while (!Terminated()) {
        FEvent->WaitFor();
        if (Terminated()) break;
        Synchronize([this] { notifyWindows(); });
        FEvent->ResetEvent();
        FReg.NotifyChangeKeyValue(WatchSub, Filter(), FEvent);
    }
}

void TRegMonitorThread::notifyWindows() {
    const QString path = Key;
    const auto lParam = reinterpret_cast<intptr_t>(&path);
    if (Wnd && IsWindow(Wnd)) SendMessage(Wnd, WM_OFFICETHEMECHANGE, RootKey, lParam);
    // Handlers may register or unregister windows meanwhile; windows gone by then are skipped.
    const THandleList windows = FWinList;
    for (int i = 0; i < windows.Count(); ++i)
        if (IsWindow(windows.Items(i))) SendMessage(windows.Items(i), WM_OFFICETHEMECHANGE, RootKey, lParam);
}

// ---- TThemeNotifierWindow

void TThemeNotifierWindow::WndProc(TMessage& Message) {
    if (Message.Msg == WM_OFFICETHEMECHANGE && OnOfficeThemeChange) OnOfficeThemeChange(this);
    TWinControl::WndProc(Message);
}

// ---- TThemeNotifier

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
    const int version = GetInstalledOfficeVersion();
    if (version != 1 && version != 2) return;
    FNotifier = new TThemeNotifierWindow(this);
    FNotifier->SetVisible(false);
    FNotifier->SetParent(dynamic_cast<TWinControl*>(AOwner));
    FNotifier->OnOfficeThemeChange = [this](TObject*) { OnOfficeThemeChange(this); };
    thread_ = std::make_unique<TRegMonitorThread>();
    thread_->Wnd = FNotifier->Handle();
    thread_->SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
    thread_->Key = version == 2 ? Office2010CommonKey : Office2007CommonKey;
    thread_->RootKey = HKEY_CURRENT_USER;
    thread_->WatchSub = true;
    thread_->Resume();
}

TThemeNotifier::~TThemeNotifier() {
    // The thread ends before the window it sends to goes.
    if (thread_) {
        thread_->Stop();
        thread_->WaitFor();
        thread_.reset();
    }
    if (instance == this) instance = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND Hwnd) {
    if (thread_ && !thread_->WinList().HasValue(Hwnd)) thread_->WinList().Add(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd) {
    if (thread_) thread_->WinList().DeleteValue(Hwnd);
}

void TThemeNotifier::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    // The window may go first, with the parent it stands on.
    if (Operation == opRemove && AComponent == FNotifier) {
        FNotifier = nullptr;
        if (thread_) thread_->Wnd = nullptr;
    }
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner) {
    if (!instance) {
        TForm* main = Application->MainForm;
        instance = new TThemeNotifier(main && main->HandleAllocated() ? main : AOwner);
    }
    return instance;
}

TThemeNotifier* ThemeNotifierInstance() { return instance; }
