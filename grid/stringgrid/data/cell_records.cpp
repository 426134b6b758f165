#include "grid/stringgrid/data/cell_records.h"

#include "platform/core/exception.h"
#include "platform/core/stream.h"

#include <QtEndian>
#include <bit>

namespace {

enum : char { tagEnd = 0, tagInt = 1, tagFalse = 2, tagTrue = 3, tagDouble = 4, tagText = 5, tagBytes = 6 };

const QByteArray Signature("TPF0");
// A record is never larger than this; a length above it marks a stream that is no cell stream.
constexpr qint64 MaxBlock = qint64(1) << 30;

[[noreturn]] void streamError() { throw Exception(QStringLiteral("Stream read error")); }
[[noreturn]] void formatError() { throw Exception(QStringLiteral("Invalid stream format")); }

class Out {
public:
    void byte(char b) { bytes.append(b); }
    void name(const QByteArray& n) {
        byte(static_cast<char>(n.size()));
        bytes.append(n);
    }
    void i64(qint64 v) {
        char b[8];
        qToLittleEndian(v, b);
        bytes.append(b, 8);
    }
    QByteArray bytes;
};

class In {
public:
    explicit In(TStream& s) : s_(s) {}
    char byte() {
        char b;
        if (s_.Read(&b, 1) != 1) streamError();
        return b;
    }
    QByteArray block(qint64 n) {
        if (n < 0 || n > MaxBlock) formatError();
        if (s_.Size() - s_.Position() < n) streamError();
        QByteArray b(static_cast<qsizetype>(n), '\0');
        s_.Read(b.data(), n);
        return b;
    }
    QByteArray name() { return block(static_cast<unsigned char>(byte())); }
    qint64 i64() { return qFromLittleEndian<qint64>(block(8).constData()); }

private:
    TStream& s_;
};

}  // namespace

void TCellRecord::Set(const QByteArray& Name, const QVariant& Value) { Properties.emplace_back(Name, Value); }

void TCellRecord::SetText(const QByteArray& Name, const QString& Value) {
    if (!Value.isEmpty()) Set(Name, Value);
}

const QVariant* TCellRecord::find(const QByteArray& Name) const {
    for (const auto& [name, value] : Properties)
        if (name == Name) return &value;
    return nullptr;
}

bool TCellRecord::Has(const QByteArray& Name) const { return find(Name) != nullptr; }
qint64 TCellRecord::Int(const QByteArray& Name, qint64 Default) const {
    const QVariant* v = find(Name);
    return v ? v->toLongLong() : Default;
}
bool TCellRecord::Bool(const QByteArray& Name, bool Default) const {
    const QVariant* v = find(Name);
    return v ? v->toBool() : Default;
}
double TCellRecord::Double(const QByteArray& Name, double Default) const {
    const QVariant* v = find(Name);
    return v ? v->toDouble() : Default;
}
QString TCellRecord::Text(const QByteArray& Name) const {
    const QVariant* v = find(Name);
    return v ? v->toString() : QString();
}
QByteArray TCellRecord::Bytes(const QByteArray& Name) const {
    const QVariant* v = find(Name);
    return v ? v->toByteArray() : QByteArray();
}

void TCellRecord::Write(TStream& Stream) const {
    Out out;
    out.bytes.append(Signature);
    out.name(Class);
    out.name(QByteArray());
    for (const auto& [name, value] : Properties) {
        out.name(name);
        switch (value.typeId()) {
        case QMetaType::Bool: out.byte(value.toBool() ? tagTrue : tagFalse); break;
        case QMetaType::Double:
            out.byte(tagDouble);
            out.i64(static_cast<qint64>(std::bit_cast<quint64>(value.toDouble())));
            break;
        case QMetaType::QString: {
            const QString text = value.toString();
            out.byte(tagText);
            out.i64(text.size());
            for (QChar c : text) {
                out.byte(static_cast<char>(c.unicode() & 0xFF));
                out.byte(static_cast<char>(c.unicode() >> 8));
            }
            break;
        }
        case QMetaType::QByteArray:
            out.byte(tagBytes);
            out.i64(value.toByteArray().size());
            out.bytes.append(value.toByteArray());
            break;
        default:
            out.byte(tagInt);
            out.i64(value.toLongLong());
            break;
        }
    }
    out.byte(tagEnd);
    out.byte(tagEnd);
    Stream.Write(out.bytes.constData(), out.bytes.size());
}

TCellRecord TCellRecord::Read(TStream& Stream) {
    const qint64 start = Stream.Position();
    try {
        In in(Stream);
        if (in.block(4) != Signature) formatError();
        TCellRecord record(in.name());
        in.name();  // the component name, always empty
        for (QByteArray name = in.name(); !name.isEmpty(); name = in.name()) {
            switch (in.byte()) {
            case tagInt: record.Set(name, in.i64()); break;
            case tagFalse: record.Set(name, false); break;
            case tagTrue: record.Set(name, true); break;
            case tagDouble: record.Set(name, std::bit_cast<double>(static_cast<quint64>(in.i64()))); break;
            case tagText: {
                const qint64 n = in.i64();
                if (n < 0 || n > MaxBlock / 2) formatError();
                const QByteArray units = in.block(n * 2);
                QString text(static_cast<qsizetype>(n), Qt::Uninitialized);
                for (qsizetype i = 0; i < n; ++i)
                    text[i] = QChar(static_cast<char16_t>(static_cast<unsigned char>(units[2 * i]) |
                                                          (static_cast<unsigned char>(units[2 * i + 1]) << 8)));
                record.Set(name, text);
                break;
            }
            case tagBytes: record.Set(name, in.block(in.i64())); break;
            default: formatError();
            }
        }
        if (in.byte() != tagEnd) formatError();
        return record;
    } catch (...) {
        Stream.SetPosition(start);
        throw;
    }
}
