#pragma once

#include <QString>

class QTextDocument;

// The rich text the platform's rich edit reads and writes, over the toolkit's text document.
//
// Read: fonts (\fonttbl, \f, \fs), colours (\colortbl, \cf), bold, italic, underline and
// strike-out, the vertical offset (\up, \dn in half-points, \super, \sub, \nosupersub),
// \plain, paragraph alignment (\ql \qc \qr \qj, \pard), \par, \line, \tab, \'hh (Latin-1),
// \uN with its \ucN fallback skipped, \~ and the escaped \\ \{ \}. Other groups marked \* and
// the information, style, picture and object groups are skipped; other words are ignored.
// Empty paragraphs and line breaks at the end are dropped.
// Write: the same subset in 7-bit characters; characters beyond ASCII as \uN with "?" for
// readers without Unicode. Each run names its font and size, so a text reads back the same.

// Character property of the text document holding the vertical offset in twips.
constexpr int RichTextOffsetProperty = 0x100000 + 1;

// Replaces the document's content with the rich text. A text that is not rich text (no
// leading "{\rtf") is loaded as it stands.
void ReadRTF(const QString& Rtf, QTextDocument& Document);
// The document as rich text. DefaultFamily and DefaultHalfPoints stand for runs that name no
// font or size of their own.
QString WriteRTF(const QTextDocument& Document, const QString& DefaultFamily, int DefaultHalfPoints);
// The document's text with "\n" between paragraphs and for line breaks.
QString DocumentPlainText(const QTextDocument& Document);
