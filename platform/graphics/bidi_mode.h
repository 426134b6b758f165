#pragma once

#include <optional>

// How a control reads and aligns its text.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// True when the system locale reads right to left (the Middle East's locales), the only case in
// which controls honour a right-to-left BiDiMode.
bool SysLocaleMiddleEast();
// Lets a test choose the answer; nullopt returns to the system locale.
void SetSysLocaleMiddleEastForTests(std::optional<bool> value);
