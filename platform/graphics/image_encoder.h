#pragma once

#include <QByteArray>

class TGraphic;

// Pictures written as files of common kinds, for other programs and for the grid's own streams.

// A picture as a baseline JPEG through libjpeg, at Quality 1..100 (transparent pixels on white).
// Empty for an empty picture or when the encoder fails.
QByteArray EncodeJpeg(const TGraphic& Graphic, int Quality = 90);
// A picture as PNG, alpha kept, through the toolkit's image writer; empty for an empty picture.
QByteArray EncodePng(const TGraphic& Graphic);
