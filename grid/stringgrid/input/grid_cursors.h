#pragma once

#include "platform/controls/control.h"

// The grid's own cursors over its headers: what a press there selects, a whole row, a whole
// column, or the whole grid (also the selection handle's resize).
constexpr TCursor crSelectRow = 8010;
constexpr TCursor crSelectColumn = 8011;
constexpr TCursor crSelectAll = 8012;
// Wheel panning: the origin (no direction yet) and the eight directions the view moves in.
constexpr TCursor crPanOrigin = 8000, crPanDown = 8001, crPanLeft = 8002, crPanRight = 8003, crPanUp = 8004,
                  crPanUpRight = 8005, crPanUpLeft = 8006, crPanDownRight = 8007, crPanDownLeft = 8008;

// Gives the cursors above their pictures, once; later calls do nothing.
void RegisterGridCursorPictures();
