#pragma once

#include "platform/controls/control.h"

// The grid's own cursors over its headers: what a press there selects, a whole row, a whole
// column, or the whole grid (also the selection handle's resize).
constexpr TCursor crSelectRow = 8010;
constexpr TCursor crSelectColumn = 8011;
constexpr TCursor crSelectAll = 8012;

// Gives the cursors above their pictures, once; later calls do nothing.
void RegisterGridCursorPictures();
