#pragma once

#include <QStringList>

// What the two CAN frames tables share of their grids.

// The frame formats the Type column offers.
inline const QStringList CAN_Types{QStringLiteral("2.0A (11 bits)"), QStringLiteral("2.0B (29 bits)")};
constexpr int CAN_Data_Rows = 512;
