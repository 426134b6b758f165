#include "config/banks/byte_writer.h"

#include "platform/core/exception.h"

#include <algorithm>
#include <bit>
#include <cstring>

TBank_Buffer::TBank_Buffer(int Size, int Room, QString Overflow)
    : bytes_(size_t(Size), 0), room_(Room < Size ? Room : Size), overflow_(std::move(Overflow)) {}

void TBank_Buffer::Check_Room(int Position, int64_t Count) const {
    if (Position < 0 || Count < 0 || int64_t(Position) + Count > room_) throw Exception(overflow_);
}

QByteArray TBank_Buffer::Bytes(int Count) const {
    return QByteArray(reinterpret_cast<const char*>(bytes_.data()), qsizetype(Count));
}

void TBank_Buffer::Fill_Zero() { std::fill(bytes_.begin(), bytes_.end(), uint8_t(0)); }

namespace {

// Width bytes of Value, least or most significant first.
int writeUnsigned(TBank_Buffer& Buffer, int Position, uint32_t Value, int Width, bool BigEndian) {
    Buffer.Check_Room(Position, Width);
    uint8_t* out = Buffer.Data() + Position;
    for (int i = 0; i < Width; ++i) {
        const int shift = 8 * (BigEndian ? Width - 1 - i : i);
        out[i] = uint8_t(Value >> shift);
    }
    return Position + Width;
}

}  // namespace

int Write_U8(TBank_Buffer& Buffer, int Position, uint8_t Value) {
    return writeUnsigned(Buffer, Position, Value, 1, false);
}
int Write_U16_LE(TBank_Buffer& Buffer, int Position, uint16_t Value) {
    return writeUnsigned(Buffer, Position, Value, 2, false);
}
int Write_U32_LE(TBank_Buffer& Buffer, int Position, uint32_t Value) {
    return writeUnsigned(Buffer, Position, Value, 4, false);
}
int Write_U16_BE(TBank_Buffer& Buffer, int Position, uint16_t Value) {
    return writeUnsigned(Buffer, Position, Value, 2, true);
}
int Write_U32_BE(TBank_Buffer& Buffer, int Position, uint32_t Value) {
    return writeUnsigned(Buffer, Position, Value, 4, true);
}
int Write_Float_LE(TBank_Buffer& Buffer, int Position, float Value) {
    return Write_U32_LE(Buffer, Position, std::bit_cast<uint32_t>(Value));
}

int Write_Bytes(TBank_Buffer& Buffer, int Position, const QByteArray& Bytes) {
    Buffer.Check_Room(Position, Bytes.size());
    if (!Bytes.isEmpty()) std::memcpy(Buffer.Data() + Position, Bytes.constData(), size_t(Bytes.size()));
    return Position + int(Bytes.size());
}

int Write_Fill(TBank_Buffer& Buffer, int Position, uint8_t Value, int Count) {
    Buffer.Check_Room(Position, Count);
    std::memset(Buffer.Data() + Position, Value, size_t(Count));
    return Position + Count;
}

uint32_t Read_U32_LE(const TBank_Buffer& Buffer, int Position) {
    Buffer.Check_Room(Position, 4);
    const uint8_t* in = Buffer.Data() + Position;
    return uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 | uint32_t(in[3]) << 24;
}
