#include "platform/controls/message_beep.h"

#include "platform/controls/window_backend.h"

namespace {
int beeps = 0;
}

void MessageBeep(unsigned) {
    ++beeps;
    WindowBackend().Beep();
}

int BeepCount() { return beeps; }
