#pragma once

#include "platform/core/component.h"

// Points Field at Value and asks to be told (Notification with opRemove) when Value is
// destroyed, no longer about the component Field pointed at before.
template <typename T>
void SetWatched(TComponent& Self, T*& Field, T* Value) {
    if (Field) Field->RemoveFreeNotification(&Self);
    Field = Value;
    if (Value) Value->FreeNotification(&Self);
}
