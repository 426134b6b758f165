#pragma once

#include "platform/controls/modal_driver.h"

// A modal message box; returns the modal result of the button chosen.
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
