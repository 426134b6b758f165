#pragma once

#include <QString>
#include <ostream>

// Readable texts in test failure messages. Every test source gets this one definition
// (the build includes it first), so no test defines its own.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
