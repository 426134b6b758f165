#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The exports' text files: single-byte text, every line ended by CR LF.

// Lines outside Latin-1 become "?" per character.
QByteArray Export_Lines(const QStringList& Lines);

// Replaces FileName with Bytes whole, or leaves it as it was and raises Exception.
void Write_Export_File(const QString& FileName, const QByteArray& Bytes);
