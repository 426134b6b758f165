#pragma once

#include <QString>
#include <QStringView>

// Reading the markup of formatted texts: the text made ready for layout, and the attributes and
// numbers of its tags. Nothing here raises, and every routine takes time in proportion to its
// text, however the markup is broken.

// The text as it is laid out. Outside tags "&amp;" becomes "&&" (a shown "&"), and "&quot;",
// "&sect;", "&permil;", "&reg;", "&copy;", "&para;", "&trade;" and "&euro;" (any case) their
// characters, also where decoding brings one together; inside tags they stay, so that a quote
// written as "&quot;" in a value does not end it. "<#" up to the next ">" loses its brackets
// (only the "<" without a ">"); a carriage return becomes "<BR>" and a line feed goes.
QString PrepareHTMLMarkup(const QString& Text);

// Whether Name occurs in Tag, in any case (names are found anywhere in the tag).
bool HasHTMLAttribute(QStringView Tag, QLatin1StringView Name);
// The text between the first two double quotes after the first occurrence of Name (any case)
// in Tag; empty when the name or either quote is missing.
QString HTMLAttribute(QStringView Tag, QLatin1StringView Name);
// The number written by the leading digits of Value, 0 when it starts with none; at most
// 999,999,999.
int LeadingNumber(QStringView Value);
// The number after "SIZE=" of a FONT tag, with or without quotes around it; -1 without SIZE.
int HTMLFontSize(QStringView Tag);
// "&nbsp;", "&lt;" and "&gt;" (lower case only) of a text run.
QString DecodeRunEntities(QStringView Run);
