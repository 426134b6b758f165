#pragma once

#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

// The vocabulary of the drop-down controls. Ordinals are fixed: forms store them.

class TCanvas;

enum TGradientDirection { gdHorizontal, gdVertical };
enum TDropPosition { dpAuto, dpDown, dpUp };
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };
enum TButtonAlignment { baLeft, baRight };

// What the edit of a drop-down accepts.
enum TDropDownEditType {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars,
};

using TDropDownEvent = TEvent<void(TObject* Sender, bool& acceptdrop)>;
using TDropUpEvent = TEvent<void(TObject* Sender, bool Cancelled)>;
// Named apart from the string grid's clipboard event, which has no value: both meet in the grid drop-down.
using TDropDownClipboardEvent = TEvent<void(TObject* Sender, QString value, bool& allow)>;
using TDropDownButtonItemClick = TEvent<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = TEvent<void(TObject* Sender, TCanvas& ACanvas, TRect ARect)>;
using TGetTextEvent = TEvent<void(TObject* Sender, QString& Text)>;
using TOnDrawSelectedItem = TEvent<void(TObject* Sender, TCanvas& Canvas, TRect R)>;
