#include "platform/core/stream.h"

#include "platform/core/exception.h"

#include <QFile>
#include <algorithm>
#include <cstring>

void TStream::SetPosition(qint64 Value) { position_ = std::clamp<qint64>(Value, 0, Size()); }

QByteArray TStream::ReadRest() {
    QByteArray rest(static_cast<qsizetype>(std::max<qint64>(Size() - position_, 0)), '\0');
    rest.resize(static_cast<qsizetype>(Read(rest.data(), rest.size())));
    return rest;
}

qint64 TMemoryStream::Read(char* Buffer, qint64 Count) {
    const qint64 n = std::clamp<qint64>(Size() - position_, 0, std::max<qint64>(Count, 0));
    if (n > 0) std::memcpy(Buffer, bytes_.constData() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

qint64 TMemoryStream::Write(const char* Buffer, qint64 Count) {
    if (Count <= 0) return 0;
    if (position_ + Count > Size()) bytes_.resize(static_cast<qsizetype>(position_ + Count));
    std::memcpy(bytes_.data() + position_, Buffer, static_cast<size_t>(Count));
    position_ += Count;
    return Count;
}

void TMemoryStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
    Stream.SetPosition(0);
    bytes_ = Stream.ReadRest();
    position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& Stream) const { Stream.Write(bytes_.constData(), Size()); }

void TMemoryStream::LoadFromFile(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) throw Exception(QString("Cannot open file \"%1\". %2").arg(FileName, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Exception(QString("Cannot read file \"%1\". %2").arg(FileName, file.errorString()));
    bytes_ = std::move(bytes);
    position_ = 0;
}
