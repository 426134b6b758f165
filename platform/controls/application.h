#pragma once

#include "platform/core/component.h"

#include <QString>
#include <exception>
#include <memory>

class TForm;

// The program object: creates the forms, runs the message loop until the main form closes and
// shows the errors that escape event handlers.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Starts the native toolkit, its window backend, modal driver and message pump.
    void Initialize(int& argc, char** argv);

    template <typename T>
    void CreateForm(T*& reference) {
        reference = new T(this);
        if (!MainForm) MainForm = reference;
        reference->Create();
    }

    // Shows the main form and runs until it closes; then destroys the forms.
    void Run();
    // Destroys every form the application owns.
    void DestroyForms();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles what is waiting now (native events in the program, posted messages in tests).
    void ProcessMessages();
    void HandleException(const std::exception& e);

    TForm* MainForm = nullptr;
    QString Title;

private:
    struct Native;
    std::unique_ptr<Native> native_;
    bool terminated_ = false;
};

extern TApplication* Application;
