#pragma once

#include "platform/graphics/color.h"

#include <QString>

// A colour as text: its name ("clWindow", "clRed") when it has one, else "$" and its eight
// hexadecimal digits.
QString ColorToString(TColor Color);
// A colour name (without regard to case) or an integer, decimal or "$" hexadecimal; any other
// text raises Exception "'<text>' is not a valid integer value".
TColor StringToColor(const QString& Text);
