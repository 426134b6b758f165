#pragma once

// The platform's drag and drop over the toolkit's: what the desktop hands over in a drag
// becomes a data object and the reverse, and the drag events of a window registered as drop
// target reach its target.

#include "platform/controls/ole_drag_drop.h"

#include <QtCore/qnamespace.h>
#include <cstdint>
#include <memory>

class QEvent;
class QMimeData;
class TWinControl;

// The MK_ flags of the buttons and modifiers.
uint32_t MouseKeyState(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers);
// Text as text, files as the drop-files block, other links as a URL with their text, rich text
// and registered formats by name.
std::shared_ptr<TMemoryDataObject> DataObjectFromMimeData(const QMimeData& Data);
// Every format the object gives, under the names other programs read.
QMimeData* MimeDataFromDataObject(IDataObject& Data);
// Hands a drag event of the control's native window to its registered drop target and answers
// the event with the target's effect; false for a window that is no drop target.
bool DeliverDragEvent(TWinControl& Control, QEvent* Event);
