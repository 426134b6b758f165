#include "platform/controls/form.h"

#include "platform/controls/application.h"
#include "platform/controls/window_backend.h"

namespace {
TModalDriver* driver = nullptr;

// Without an installed driver nothing can answer: modal windows close as cancelled and
// boxes take their first button.
class NoDriver : public TModalDriver {
public:
    void RunModal(TForm& form) override { form.SetModalResult(mrCancel); }
    TModalResult MessageBox(const TMessageBoxRequest&) override { return mrCancel; }
    bool FileDialog(TFileDialogRequest&) override { return false; }
};
}  // namespace

TModalDriver& ModalDriver() {
    static NoDriver none;
    return driver ? *driver : none;
}

void SetModalDriver(TModalDriver* d) { driver = d; }

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    SetVisible(false);
    Font().SetName("Tahoma");
    Font().SetHeight(-11);
}

TForm::~TForm() { OnDestroy(this); }

void TForm::Create() {
    Loaded();
    DoCreate();
}

void TForm::DoCreate() { OnCreate(this); }
void TForm::DoShow() { OnShow(this); }
void TForm::DoHide() { OnHide(this); }

TWinControl* TForm::ActiveControl() const {
    TWinControl* focused = FocusedControl();
    return focused && focused != this && focused->ParentForm() == this ? focused : nullptr;
}

void TForm::VisibleChanged() {
    if (Visible()) {
        HandleNeeded();
        DoShow();
        if (!ActiveControl()) SelectNext(nullptr, true, true);
        WindowBackend().VisibleChanged(*this);
    } else {
        WindowBackend().VisibleChanged(*this);
        DoHide();
    }
    TWinControl::VisibleChanged();
}

void TForm::SetModalResult(TModalResult v) {
    modalResult_ = v;
    if (v != mrNone && inModal_) ModalDriver().EndModal(*this);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

bool TForm::closeModal() {
    if (!CloseQuery()) return false;
    TCloseAction action = caHide;
    OnClose(this, action);
    return action != caNone;
}

TModalResult TForm::ShowModal() {
    modalResult_ = mrNone;
    inModal_ = true;
    Show();
    try {
        for (;;) {
            ModalDriver().RunModal(*this);
            if (modalResult_ == mrNone) modalResult_ = mrCancel;
            if (closeModal()) break;
            modalResult_ = mrNone;
        }
    } catch (...) {
        inModal_ = false;
        Hide();
        throw;
    }
    inModal_ = false;
    Hide();
    return modalResult_;
}

void TForm::Close() {
    if (inModal_) {
        // The modal loop runs the close handlers when it ends.
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    OnClose(this, action);
    if (action == caNone) return;
    Hide();
    if (Application->MainForm == this) Application->Terminate();
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_NCLBUTTONDOWN:
        if (static_cast<int>(m.WParam) == HTBOTTOMRIGHT) WindowBackend().BeginUserSizing(*this);
        return;
    case CM_DIALOGKEY:
        if (m.WParam == VK_TAB && !(static_cast<TShiftState>(m.LParam) & (ssCtrl | ssAlt))) {
            SelectNext(ActiveControl(), !(static_cast<TShiftState>(m.LParam) & ssShift), true);
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}
