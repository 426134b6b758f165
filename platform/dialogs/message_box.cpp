#include "platform/dialogs/message_box.h"

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    TMessageBoxRequest request;
    request.Type = type;
    request.Text = text;
    request.Buttons = buttons;
    return ModalDriver().MessageBox(request);
}
