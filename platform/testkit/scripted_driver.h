#pragma once

#include "platform/controls/modal_driver.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Answers modal windows, message boxes and file dialogs from a script and records what was shown.
class ScriptedDriver : public TModalDriver {
public:
    struct Box {
        TMsgDlgType type;
        QString text;
        TMsgDlgButtons buttons;
    };

    // What the next modal window does while it is open; it may click its buttons. When it
    // leaves no result, the window is closed as by its close box (Cancel).
    void onNextModal(std::function<void(TForm&)> action) { modalScript_.push_back(std::move(action)); }
    void answerNextModal(TModalResult result);
    // The button chosen in the next message box; unscripted boxes take their first button.
    void answerNextBox(TModalResult result) { boxScript_.push_back(result); }
    // The file chosen in the next file dialog; nullopt cancels. Unscripted dialogs cancel.
    void answerNextFileDialog(std::optional<QString> file) { fileScript_.push_back(std::move(file)); }
    // The 1-based item chosen in the next pop-up menu; unscripted menus choose nothing.
    void answerNextMenu(int item) { menuScript_.push_back(item); }

    const std::vector<Box>& boxes() const { return boxes_; }
    const std::vector<TForm*>& modalForms() const { return modalForms_; }
    const std::vector<TFileDialogRequest>& fileDialogs() const { return fileDialogs_; }
    const std::vector<TPopupMenuRequest>& menus() const { return menus_; }
    void reset();

    void RunModal(TForm& form) override;
    TModalResult MessageBox(const TMessageBoxRequest& request) override;
    bool FileDialog(TFileDialogRequest& request) override;
    int PopupMenu(const TPopupMenuRequest& request) override;

private:
    std::deque<std::function<void(TForm&)>> modalScript_;
    std::deque<TModalResult> boxScript_;
    std::deque<std::optional<QString>> fileScript_;
    std::vector<Box> boxes_;
    std::vector<TForm*> modalForms_;
    std::vector<TFileDialogRequest> fileDialogs_;
    std::deque<int> menuScript_;
    std::vector<TPopupMenuRequest> menus_;
};
