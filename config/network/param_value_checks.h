#pragma once

#include "config/network/profinet_device.h"

#include <QString>

// Whether Text may be stored as the value of Param: "" when it may, else the message to show.
// An empty text is taken (the parameter then keeps its default). Whole-number types take a
// whole number within the type's range and the parameter's allowed values ("0..7 9" lists
// values and ranges); floats a number; strings at most Length characters; octet strings at
// most Length bytes 0..255 separated by commas. Other types take any text.
QString Param_Value_Fault(const TParam& Param, const QString& Text);
