#pragma once

#include <cstdint>

// The asynchronous state of keys and mouse buttons: bit 15 is set while the key is held. The
// native layer reports presses and releases of the mouse buttons here; tests set them.
int16_t GetAsyncKeyState(int vKey);
void SetAsyncKeyState(int vKey, bool down);
// Nothing held (the program lost the mouse, a test starts).
void ResetAsyncKeyState();
