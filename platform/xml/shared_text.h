#pragma once

#include <QString>

// Texts made in great numbers, such as the attribute values of a large document, share memory
// blocks of a few kilobytes: making one copies its characters into the thread's current
// block, and a block is freed with the last text in it. That spares an allocation per text
// when it is made and a release when it goes. A text that outlives the others of its block
// keeps the whole block; a text changed later gets memory of its own, as any shared QString.
// Private to the XML layer.

// The UTF-8 text, NUL-terminated, as a QString equal to QString::fromUtf8(utf8).
QString SharedText(const char* utf8);
