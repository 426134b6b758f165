#pragma once

// The platform's message beep. Each call is counted, so that tests can tell that a refused key
// beeped; the window backend sounds it in the program.
void MessageBeep(unsigned type);
int BeepCount();
