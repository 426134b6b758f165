#include "platform/testkit/test_pictures.h"

#include <QBuffer>
#include <QImage>

namespace {

void appendU16(QByteArray& b, int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

// Three-bit codes with a clear code before every second pixel, so the code width never grows.
QByteArray solidImageData(int pixels, int colour) {
    const int clear = 4, end = 5;
    std::vector<int> codes;
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0) codes.push_back(clear);
        codes.push_back(colour);
    }
    codes.push_back(end);
    QByteArray packed;
    unsigned bits = 0;
    int count = 0;
    for (int code : codes) {
        bits |= unsigned(code) << count;
        count += 3;
        for (; count >= 8; count -= 8, bits >>= 8) packed.append(char(bits & 0xFF));
    }
    if (count) packed.append(char(bits & 0xFF));
    QByteArray blocks;
    blocks.append(char(2));  // minimum code size
    for (qsizetype i = 0; i < packed.size(); i += 255) {
        const QByteArray chunk = packed.mid(i, 255);
        blocks.append(char(chunk.size()));
        blocks.append(chunk);
    }
    blocks.append(char(0));
    return blocks;
}

}  // namespace

QByteArray MakeGif(int ScreenWidth, int ScreenHeight, const std::vector<TestGifFrame>& Frames) {
    QByteArray b("GIF89a");
    appendU16(b, ScreenWidth);
    appendU16(b, ScreenHeight);
    b.append(char(0x81));  // a global palette of four colours
    b.append(char(0));
    b.append(char(0));
    b.append(QByteArray::fromHex("ff0000" "00ff00" "0000ff" "ffffff"));
    for (const TestGifFrame& f : Frames) {
        b.append(QByteArray::fromHex("21f90400"));
        appendU16(b, f.Delay);
        b.append(QByteArray::fromHex("0000"));
        b.append(char(0x2C));
        appendU16(b, f.Left);
        appendU16(b, f.Top);
        appendU16(b, f.Width);
        appendU16(b, f.Height);
        b.append(char(0));
        b.append(solidImageData(f.Width * f.Height, f.Colour));
    }
    b.append(char(0x3B));
    return b;
}

QByteArray MakePicture(const char* Format, int Width, int Height, bool Grayscale) {
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) image.setPixel(x, y, x < Width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    if (Grayscale) image = image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, Format, 100);
    return bytes;
}
