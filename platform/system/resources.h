#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file compiled into the program, or empty when there is none of that name.
QByteArray LoadResourceData(const QString& name);
