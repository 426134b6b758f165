#pragma once

#include <QImage>

class QByteArray;

// Decodes a JPEG through libjpeg into a 32-bit image. A null image for data that is not a whole
// JPEG (a file cut short included) or that is too large to hold.
QImage DecodeJpeg(const QByteArray& bytes);
