#pragma once

#include <QString>

// Character entities and line ends of the markup.

// Replaces "&lt;", "&gt;", "&amp;" and "&quot;" (exact case, in that order, so "&amp;lt;" gives
// "&lt;") and, with AccentedLetters, the entities of the accented-letter table.
QString DecodeHTMLEntities(const QString& S, bool AccentedLetters);
// Replaces "&", double quote, "<", ">" and, with AccentedLetters, the characters of the
// accented-letter table by their entities.
QString EncodeHTMLEntities(const QString& S, bool AccentedLetters);
// Every space becomes "&nbsp;".
QString SpacesToNbsp(const QString& S);
// Drops carriage returns and line feeds; with BreakLines every carriage return becomes "<BR>".
QString CRLFToBRTags(const QString& S, bool BreakLines);
