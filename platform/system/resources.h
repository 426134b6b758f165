#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file compiled into the program, or empty when there is none of that name. Names
// match regardless of letter case, an exact match first, as resource names did on the original
// platform.
QByteArray LoadResourceData(const QString& name);
