#include "platform/controls/application.h"

#include "platform/controls/form.h"
#include "platform/controls/modal_driver.h"
#include "platform/controls/qt_backend.h"
#include "platform/core/exception.h"
#include "platform/messages/message_loop.h"

#include <QApplication>

namespace {
TApplication theApplication;
}

TApplication* Application = &theApplication;

struct TApplication::Native {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<QtBackend> backend;
};

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    DestroyComponents();
    if (native_) native_->backend.reset();
}

void TApplication::Initialize(int& argc, char** argv) {
    native_ = std::make_unique<Native>();
    native_->app = std::make_unique<QApplication>(argc, argv);
    native_->backend = std::make_unique<QtBackend>();
    native_->backend->Install();
}

void TApplication::Run() {
    if (MainForm) {
        MainForm->Show();
        if (native_ && !terminated_) native_->app->exec();
    }
    // Forms go before the toolkit does, and the toolkit before static destruction begins: torn
    // down among the program's statics it reads what is already gone.
    DestroyForms();
    if (native_) {
        native_->backend->Uninstall();
        native_.reset();
    }
}

void TApplication::DestroyForms() {
    DestroyComponents();
    MainForm = nullptr;
    terminated_ = false;
}

void TApplication::Terminate() {
    terminated_ = true;
    if (native_) native_->app->quit();
}

void TApplication::ProcessMessages() {
    if (native_) QCoreApplication::processEvents();
    else TMessageLoop::Instance().ProcessPosted();
}

void TApplication::HandleException(const std::exception& e) {
    const auto* ex = dynamic_cast<const Exception*>(&e);
    TMessageBoxRequest request;
    request.Type = mtError;
    request.Text = ex ? ex->Message : QString::fromUtf8(e.what());
    request.Caption = Title;
    request.Buttons = mbOK;
    ModalDriver().MessageBox(request);
}
