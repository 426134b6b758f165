#pragma once

#include "platform/messages/messages.h"

#include <QStringList>

// Shows a pop-up menu of Items with its top-left corner at a screen point and waits until the
// user chooses or dismisses it (through the modal driver). A choice is posted to Owner as
// WM_COMMAND whose wParam is the item's command id, its 1-based place; the id is also returned,
// 0 when nothing was chosen.
int TrackPopupMenu(const QStringList& Items, int X, int Y, HWND Owner);
