#include "platform/dialogs/file_dialogs.h"

#include "platform/controls/modal_driver.h"

bool TFileDialog::Execute() {
    TFileDialogRequest request;
    request.Save = IsSave();
    request.Title = Title;
    request.InitialDir = InitialDir;
    request.Filter = Filter;
    request.DefaultExt = DefaultExt;
    request.FileName = FileName;
    if (!ModalDriver().FileDialog(request)) return false;
    FileName = request.FileName;
    return true;
}
