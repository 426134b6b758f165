#pragma once

#include "platform/system/regional.h"

#include <QString>

// The runtime's formats of a float, with the regional separators.

// "%.Nf": Decimals places after the decimal separator, no thousand separators.
QString FormatFixed(double Value, int Decimals, const TFormatSettings& fs = FormatSettings);
// "%.Nn": as FormatFixed with a thousand separator between every three integer digits.
QString FormatNumber(double Value, int Decimals, const TFormatSettings& fs = FormatSettings);
// "%g": the shortest text of at most 15 significant digits, in scientific notation ("1.5E20",
// "2E-7") when the exponent is below -4 or reaches 15.
QString FormatGeneral(double Value, const TFormatSettings& fs = FormatSettings);
