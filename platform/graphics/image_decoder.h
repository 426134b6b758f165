#pragma once

#include <QImage>
#include <QRect>

class QByteArray;

// Decodes a picture by its content, whatever its file is called: BMP, ICO, GIF, PNG, and JPEG
// through libjpeg. A GIF gives its first frame on its whole logical screen. A null image for data
// of any other kind or cut short.
QImage DecodeImage(const QByteArray& bytes);

// Where a GIF's first image lies on its logical screen; empty when the data has none.
QRect GifFirstImageRect(const QByteArray& bytes);
