#include "platform/testkit/scripted_driver.h"

#include "platform/controls/form.h"

void ScriptedDriver::answerNextModal(TModalResult result) {
    onNextModal([result](TForm& form) { form.SetModalResult(result); });
}

void ScriptedDriver::reset() {
    modalScript_.clear();
    boxScript_.clear();
    fileScript_.clear();
    boxes_.clear();
    modalForms_.clear();
    fileDialogs_.clear();
    menuScript_.clear();
    menus_.clear();
}

int ScriptedDriver::PopupMenu(const TPopupMenuRequest& request) {
    menus_.push_back(request);
    if (menuScript_.empty()) return 0;
    const int item = menuScript_.front();
    menuScript_.pop_front();
    return item;
}

void ScriptedDriver::RunModal(TForm& form) {
    modalForms_.push_back(&form);
    if (!modalScript_.empty()) {
        auto action = std::move(modalScript_.front());
        modalScript_.pop_front();
        action(form);
    }
    if (form.ModalResult() == mrNone) form.SetModalResult(mrCancel);
}

TModalResult ScriptedDriver::MessageBox(const TMessageBoxRequest& request) {
    boxes_.push_back({request.Type, request.Text, request.Buttons});
    if (!boxScript_.empty()) {
        const TModalResult r = boxScript_.front();
        boxScript_.pop_front();
        return r;
    }
    const std::pair<TMsgDlgBtn, TModalResult> order[] = {{mbYes, mrYes},     {mbOK, mrOk},       {mbNo, mrNo},
                                                         {mbCancel, mrCancel}, {mbAbort, mrAbort}, {mbRetry, mrRetry},
                                                         {mbIgnore, mrIgnore}};
    for (const auto& [flag, result] : order)
        if (request.Buttons & flag) return result;
    return mrOk;
}

bool ScriptedDriver::FileDialog(TFileDialogRequest& request) {
    fileDialogs_.push_back(request);
    if (fileScript_.empty()) return false;
    auto answer = std::move(fileScript_.front());
    fileScript_.pop_front();
    if (!answer) return false;
    request.FileName = *answer;
    return true;
}
