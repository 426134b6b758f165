#pragma once

#include "platform/graphics/graphics_objects.h"
#include "platform/messages/message_ids.h"

#include <QString>

// What a balloon tool-tip asks of the window it serves, as WM_NOTIFY. The platform shows no
// tool-tip of its own; a tool-tip (or a test) sends these and shows what comes back.
enum : int { TTN_GETDISPINFO = -530, TTN_SHOW = -521, TTN_POP = -522 };

// TTN_GETDISPINFO: Cursor is the mouse in the window's client coordinates; the window fills in
// the rest. Colours and MaxWidth stay as they are unless the window sets them.
struct TNMTTDispInfo {
    TNMHdr hdr;
    TPoint Cursor;
    QString Text;
    QString Title;
    int Icon = 0;
    int MaxWidth = -1;
    TColor TextColor = clNone;
    TColor BkColor = clNone;
};
