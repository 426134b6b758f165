#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// A bank image under construction: a zero-filled run of bytes of which the device has room for
// the first Room. Every write checks the room first, so that a configuration too large for
// its bank stops the build instead of reaching past the buffer or into the next bank.
class TBank_Buffer {
public:
    // Overflow is the text of the error raised by a write beyond the room.
    TBank_Buffer(int Size, int Room, QString Overflow);

    int Size() const { return int(bytes_.size()); }
    int Room() const { return room_; }
    const QString& Overflow() const { return overflow_; }

    // Raises Exception with the overflow text unless Count bytes from Position lie in the room.
    void Check_Room(int Position, int64_t Count) const;

    uint8_t* Data() { return bytes_.data(); }
    const uint8_t* Data() const { return bytes_.data(); }
    // The first Count bytes, as a bank file holds them.
    QByteArray Bytes(int Count) const;
    void Fill_Zero();

private:
    std::vector<uint8_t> bytes_;
    int room_;
    QString overflow_;
};

// Writers of the fields of a bank: each checks the room, writes at Position and returns the
// position after the last byte it wrote. LE fields put the least significant byte first, BE
// fields (the PROFINET payloads) the most significant.
int Write_U8(TBank_Buffer& Buffer, int Position, uint8_t Value);
int Write_U16_LE(TBank_Buffer& Buffer, int Position, uint16_t Value);
int Write_U32_LE(TBank_Buffer& Buffer, int Position, uint32_t Value);
int Write_U16_BE(TBank_Buffer& Buffer, int Position, uint16_t Value);
int Write_U32_BE(TBank_Buffer& Buffer, int Position, uint32_t Value);
// The four bytes of the IEEE 754 single, least significant first.
int Write_Float_LE(TBank_Buffer& Buffer, int Position, float Value);
int Write_Bytes(TBank_Buffer& Buffer, int Position, const QByteArray& Bytes);
int Write_Fill(TBank_Buffer& Buffer, int Position, uint8_t Value, int Count);

uint32_t Read_U32_LE(const TBank_Buffer& Buffer, int Position);
