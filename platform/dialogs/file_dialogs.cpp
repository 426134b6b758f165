#include "platform/dialogs/file_dialogs.h"

#include "platform/controls/modal_driver.h"

#include <QFileInfo>

namespace {

// A name typed without an extension gets the default one ("mib", ".mib" and "*.mib" alike).
QString withDefaultExt(const QString& FileName, const QString& DefaultExt) {
    QString ext = DefaultExt;
    while (ext.startsWith(u'*') || ext.startsWith(u'.')) ext.remove(0, 1);
    if (ext.isEmpty() || FileName.isEmpty() || !QFileInfo(FileName).suffix().isEmpty()) return FileName;
    return FileName + u'.' + ext;
}

}  // namespace

bool TFileDialog::Execute() {
    TFileDialogRequest request;
    request.Save = IsSave();
    request.Title = Title;
    request.InitialDir = InitialDir;
    request.Filter = Filter;
    request.DefaultExt = DefaultExt;
    request.FileName = FileName;
    if (!ModalDriver().FileDialog(request)) return false;
    FileName = withDefaultExt(request.FileName, DefaultExt);
    return true;
}
