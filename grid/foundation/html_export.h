#pragma once

#include "platform/graphics/color.h"

#include <QString>

// Cell texts as HTML, for the export and for the clipboard.

// Every CR becomes "<br>" (LF characters stay).
QString CRToBR(const QString& S);
// "RRGGBB" in upper-case hexadecimal from the low three bytes (system colours are not resolved).
QString ColorToHexRGB(TColor Color);
// Wraps the fragment S into the HTML clipboard text: the header of offsets (each "%.8d", counted
// in the bytes of the UTF-8 form), then the document with the fragment between its start and
// end comments.
void MakeHTMLClipboardText(QString& S);
// Puts cells on the clipboard: Fragment as HTML clipboard text in UTF-8, every character kept,
// PlainText as the text.
void CopyHTMLToClipboard(const QString& Fragment, const QString& PlainText);
