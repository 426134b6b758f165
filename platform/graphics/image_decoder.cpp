#include "platform/graphics/image_decoder.h"

#include "platform/graphics/jpeg_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cstdlib>

namespace {

uint8_t byteAt(const QByteArray& b, qint64 p) { return static_cast<uint8_t>(b[static_cast<qsizetype>(p)]); }
int u16At(const QByteArray& b, qint64 p) { return byteAt(b, p) | byteAt(b, p + 1) << 8; }
int32_t i32At(const QByteArray& b, qint64 p) {
    return static_cast<int32_t>(static_cast<uint32_t>(u16At(b, p)) | static_cast<uint32_t>(u16At(b, p + 2)) << 16);
}

// Qt fills the missing rows of an uncompressed bitmap cut short, so its size is checked first.
bool bitmapIsWhole(const QByteArray& b) {
    if (b.size() < 26) return false;
    const qint64 pixelsAt = static_cast<uint32_t>(i32At(b, 10));
    const int32_t headerSize = i32At(b, 14);
    qint64 width, height, bitCount, compression = 0;
    if (headerSize == 12) {
        width = u16At(b, 18);
        height = u16At(b, 20);
        bitCount = u16At(b, 24);
    } else if (headerSize >= 40 && b.size() >= 14 + 40) {
        width = i32At(b, 18);
        height = std::abs(static_cast<qint64>(i32At(b, 22)));
        bitCount = u16At(b, 28);
        compression = static_cast<uint32_t>(i32At(b, 30));
    } else {
        return false;
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // RGB, bit fields
    if (!uncompressed) return true;  // run-length data: Qt checks it as it reads
    const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
    return b.size() >= pixelsAt + rowBytes * height;
}

bool isJpeg(const QByteArray& b) { return b.startsWith("\xFF\xD8\xFF"); }

}  // namespace

QImage DecodeImage(const QByteArray& bytes) {
    if (isJpeg(bytes)) return DecodeJpeg(bytes);
    if (bytes.startsWith("BM") && !bitmapIsWhole(bytes)) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "ico" && format != "gif" && format != "png") return {};
    return reader.read();
}

QRect GifFirstImageRect(const QByteArray& b) {
    if (b.size() < 13 || !b.startsWith("GIF8")) return {};
    const uint8_t screenFlags = byteAt(b, 10);
    qint64 p = 13;
    if (screenFlags & 0x80) p += 3 * (qint64(1) << ((screenFlags & 7) + 1));
    while (p < b.size()) {
        const uint8_t introducer = byteAt(b, p);
        if (introducer == 0x2C) {
            if (p + 9 > b.size()) return {};
            return QRect(u16At(b, p + 1), u16At(b, p + 3), u16At(b, p + 5), u16At(b, p + 7));
        }
        if (introducer != 0x21) return {};
        // An extension: its label, then sub-blocks up to an empty one.
        p += 2;
        while (p < b.size()) {
            const int length = byteAt(b, p++);
            if (length == 0) break;
            p += length;
        }
    }
    return {};
}
