#include "platform/system/text_file.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// Windows-1252 at 0x80..0x9F; the five bytes it leaves undefined keep their C1 code points, as
// the system's conversion maps them.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes, bool* failed = nullptr) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (failed) *failed = decoder.hasError();
    return text;
}

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark) {
    if (bytes.size() < static_cast<qsizetype>(mark.size())) return false;
    qsizetype i = 0;
    for (unsigned char m : mark)
        if (static_cast<unsigned char>(bytes[i++]) != m) return false;
    return true;
}

}  // namespace

QString DecodeText(const QByteArray& bytes, TTextEncoding* encoding) {
    TTextEncoding found = TTextEncoding::Utf8;
    QString text;
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        text = decodeWith(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    } else if (startsWith(bytes, {0xFF, 0xFE})) {
        found = TTextEncoding::Utf16LE;
        text = decodeWith(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    } else if (startsWith(bytes, {0xFE, 0xFF})) {
        found = TTextEncoding::Utf16BE;
        text = decodeWith(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    } else {
        bool invalid = false;
        text = decodeWith(QStringConverter::Utf8, bytes, &invalid);
        if (invalid) {
            found = TTextEncoding::Windows1252;
            text = decodeCp1252(bytes);
        }
    }
    if (encoding) *encoding = found;
    return text;
}

QByteArray EncodeText(const QString& text, TTextEncoding encoding, bool ByteOrderMark) {
    QByteArray bytes;
    switch (encoding) {
    case TTextEncoding::Utf8:
        if (ByteOrderMark) bytes = QByteArray("\xEF\xBB\xBF", 3);
        return bytes + text.toUtf8();
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE: {
        const bool little = encoding == TTextEncoding::Utf16LE;
        bytes.reserve(text.size() * 2 + 2);
        auto put = [&](char16_t u) {
            bytes.append(char(little ? u & 0xFF : u >> 8));
            bytes.append(char(little ? u >> 8 : u & 0xFF));
        };
        if (ByteOrderMark) put(0xFEFF);
        for (QChar c : text) put(c.unicode());
        return bytes;
    }
    case TTextEncoding::Windows1252:
        bytes.resize(text.size());
        char* out = bytes.data();
        const QChar* in = text.constData();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = in[i].unicode();
            char b = '?';
            if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) b = char(u);
            else
                for (int k = 0; k < 32; ++k)
                    if (Cp1252High[k] == u) b = char(0x80 + k);
            out[i] = b;
        }
        return bytes;
    }
    return bytes;
}

QStringList SplitTextLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

TTextFileLines ReadTextFileLines(const QString& fileName) {
    TTextFileLines result;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Error = file.errorString();
        return result;
    }
    result.Ok = true;
    result.Lines = SplitTextLines(DecodeText(bytes, &result.Encoding));
    return result;
}
