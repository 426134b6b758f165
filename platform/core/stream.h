#pragma once

#include <QByteArray>
#include <QString>

// A sequence of bytes with a position, read and written in blocks.
class TStream {
public:
    virtual ~TStream() = default;

    virtual qint64 Size() const = 0;
    qint64 Position() const { return position_; }
    // Clamped to 0 .. Size.
    void SetPosition(qint64 Value);

    // Reads up to Count bytes from the position; returns how many were read.
    virtual qint64 Read(char* Buffer, qint64 Count) = 0;
    // Writes at the position, growing the stream as needed; returns how many were written.
    virtual qint64 Write(const char* Buffer, qint64 Count) = 0;

    // The bytes from the position to the end, which moves the position to the end.
    QByteArray ReadRest();

protected:
    qint64 position_ = 0;
};

// A stream held in memory.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(QByteArray bytes) : bytes_(std::move(bytes)) {}

    qint64 Size() const override { return bytes_.size(); }
    qint64 Read(char* Buffer, qint64 Count) override;
    qint64 Write(const char* Buffer, qint64 Count) override;

    const QByteArray& Memory() const { return bytes_; }
    void Clear();
    // Replaces the contents with the whole of Stream (from its start); the position goes to 0.
    void LoadFromStream(TStream& Stream);
    // Writes the whole contents at Stream's position.
    void SaveToStream(TStream& Stream) const;
    // Replaces the contents with the file's bytes; raises when the file cannot be read.
    void LoadFromFile(const QString& FileName);

private:
    QByteArray bytes_;
};
