#pragma once

#include <QString>

// Web and mail addresses in cell texts.

// True when S holds "://" or "mailto:" (in lower case).
bool IsURL(const QString& S);
// Drops everything up to and including the first "://", else the first "mailto:".
void StripURLProtocol(QString& S);
// Links the first address of S that begins with Prefix (given in upper case, found in S with
// its letters a..z upper-cased): Dest becomes S with "<" and ">" escaped and the address, as
// written, enclosed in an anchor. The address runs over letters, digits and %()-./:@\_{}.
// False, Dest untouched, when S holds no such address.
bool URLToAnchor(const QString& S, const QString& Prefix, QString& Dest);
