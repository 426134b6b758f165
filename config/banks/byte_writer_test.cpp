#include "config/banks/byte_writer.h"

#include "config/banks/bank_buffers.h"
#include "platform/core/exception.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(ByteWriter, WritesEachFieldInItsByteOrderAndReturnsTheNextPosition) {
    struct Case {
        const char* name;
        std::function<int(TBank_Buffer&, int)> write;
        QByteArray bytes;
    } cases[] = {
        {"u8", [](TBank_Buffer& b, int p) { return Write_U8(b, p, 0xAB); }, QByteArray("\xAB", 1)},
        {"u16 le", [](TBank_Buffer& b, int p) { return Write_U16_LE(b, p, 0x1234); }, QByteArray("\x34\x12", 2)},
        {"u16 be", [](TBank_Buffer& b, int p) { return Write_U16_BE(b, p, 0x1234); }, QByteArray("\x12\x34", 2)},
        {"u32 le", [](TBank_Buffer& b, int p) { return Write_U32_LE(b, p, 0x000A0036); },
         QByteArray("\x36\x00\x0A\x00", 4)},
        {"u32 be", [](TBank_Buffer& b, int p) { return Write_U32_BE(b, p, 0xDEADBEEF); },
         QByteArray("\xDE\xAD\xBE\xEF", 4)},
        {"float le", [](TBank_Buffer& b, int p) { return Write_Float_LE(b, p, 2.5f); },
         QByteArray("\x00\x00\x20\x40", 4)},
        {"bytes", [](TBank_Buffer& b, int p) { return Write_Bytes(b, p, "abc"); }, QByteArray("abc")},
        {"fill", [](TBank_Buffer& b, int p) { return Write_Fill(b, p, 0xFF, 3); }, QByteArray("\xFF\xFF\xFF", 3)},
    };
    for (const Case& c : cases) {
        TBank_Buffer buffer(16, 16, "full");
        EXPECT_EQ(c.write(buffer, 5), 5 + c.bytes.size()) << c.name;
        EXPECT_EQ(buffer.Bytes(16), QByteArray(5, '\0') + c.bytes + QByteArray(11 - c.bytes.size(), '\0')) << c.name;
    }
    TBank_Buffer buffer(8, 8, "full");
    Write_U32_LE(buffer, 4, 0x80380);
    EXPECT_EQ(Read_U32_LE(buffer, 4), 0x80380u);
}

TEST(ByteWriter, AWriteBeyondTheRoomRaisesAndWritesNothing) {
    TBank_Buffer buffer(16, 8, "Bank full");
    Write_Fill(buffer, 0, 0x11, 8);
    const std::function<void()> tooFar[] = {
        [&] { Write_U32_LE(buffer, 6, 0xFFFFFFFF); },
        [&] { Write_U16_BE(buffer, 7, 0xFFFF); },
        [&] { Write_U8(buffer, 8, 0xFF); },
        [&] { Write_U8(buffer, -1, 0xFF); },
        [&] { Write_Bytes(buffer, 5, "abcd"); },
        [&] { Write_Fill(buffer, 0, 0xFF, 9); },
        [&] { Write_Fill(buffer, 0, 0xFF, -1); },
        [&] { Write_U32_LE(buffer, 0x7FFFFFFE, 1); },
    };
    for (const auto& write : tooFar) {
        try {
            write();
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Bank full");
        }
    }
    EXPECT_EQ(buffer.Bytes(16), QByteArray(8, '\x11') + QByteArray(8, '\0'));
    EXPECT_EQ(Write_U32_LE(buffer, 4, 0), 8);  // up to the last byte of the room
}

// Bank 2's buffer is larger than the room the device has before bank 3 begins.
TEST(ByteWriter, Bank2StopsAtTheStartOfBank3) {
    EXPECT_EQ(Bank2_Buf.Size(), 262144);
    EXPECT_EQ(Bank2_Buf.Room(), 131072);
    EXPECT_EQ(Bank3_Buf.Room(), 131072);
    EXPECT_EQ(Write_U32_LE(Bank2_Buf, 131068, 0), 131072);
    try {
        Write_U32_LE(Bank2_Buf, 131070, 0xFFFFFFFF);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message.contains("bank 2 would run past the start of bank 3")) << e.Message.toStdString();
    }
    EXPECT_EQ(Bank2_Buf.Data()[131072], 0);
}

}  // namespace
