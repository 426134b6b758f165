#pragma once

#include <QString>

// The visible text of the markup, positions in it and marking of found text. Positions count
// from 1; 0 means none. Entities are not decoded: "&amp;" counts as five visible characters.

// "<BR>" and "<HR>" (any case) become line breaks and all other tags go. A "<" that no ">" follows
// is kept with the rest of the text.
QString HTMLToPlainText(const QString& HTML);
// The characters outside tags. Stops at the first ">" that comes before the next "<", keeping the
// rest as it is, so a text that merely holds angle brackets stays whole.
QString StripHTMLTags(const QString& HTML);
// The position in HTML just after its (N-1)-th visible character, before any tag that follows
// it; Length + 1 when that is the end, 0 when HTML has fewer visible characters.
int TextPosToHTMLPos(const QString& HTML, int N);
// Finds SearchText in VisibleText after its first Offset characters; Position is the match's
// place in the whole VisibleText, 0 when there is none. Without CaseSensitive both are
// upper-cased first. An empty SearchText matches nothing.
bool FindVisibleText(const QString& SearchText, const QString& VisibleText, int Offset, int& Position,
                     bool CaseSensitive);
// Encloses every match of SearchText in the visible text of HTML in <Tag>...</Tag>. The search
// goes on one character past each match, so a match right after another stays unmarked and two
// marks never touch. A text that is no markup but holds "<" or ">" has them escaped first.
void HilightHTML(const QString& HTML, const QString& SearchText, const QString& Tag, QString& Result,
                 bool CaseSensitive);
// Removes <Tag> and </Tag> (any case) and turns "&lt;" and "&gt;" back into "<" and ">".
void UnHilightHTML(const QString& HTML, const QString& Tag, QString& Result);
