#pragma once

#include "grid/foundation/style_interfaces.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/messages/messages.h"

#include <cstdint>

class TCanvas;

// Buttons in cells that look like the platform's controls.
//
// Style: 0 themed (through ExXPVS; nothing without a theme), 1 classic, 2 flat, 3 colour
// tones; any other value draws nothing. State: 0 normal, 1 hot, 2 pressed, 3 disabled; the tones
// painter takes Background, Hover, Selected or Disabled for them. Handle is the window whose
// theme data is opened.

// The drop-down button at the right edge of the cell rectangle R: 17 pixels wide, one pixel
// short at the top and bottom, two pixels in from the right.
void DrawComboButton(TCanvas& Canvas, HWND Handle, TRect R, uint8_t Style, uint8_t State, const TColorTones& Tones);
// A push-button face filling R.
void DrawPushButton(TCanvas& Canvas, HWND Handle, TRect R, uint8_t Style, uint8_t State, const TColorTones& Tones);
// An up and a down button at the right edge of R, 15 pixels wide, one pixel left of and above it.
void DrawSpinButtons(TCanvas& Canvas, HWND Handle, TRect R, uint8_t Style, uint8_t State, const TColorTones& Tones);
