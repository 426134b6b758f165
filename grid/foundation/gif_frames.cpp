#include "grid/foundation/gif_frames.h"

#include <vector>

namespace {

uint8_t byteAt(const QByteArray& b, qsizetype p) { return static_cast<uint8_t>(b[p]); }

// 0 for values that lie (partly) beyond the data.
uint16_t u16At(const QByteArray& b, qsizetype p) {
    if (p < 0 || p + 1 >= b.size()) return 0;
    return static_cast<uint16_t>(byteAt(b, p) | byteAt(b, p + 1) << 8);
}

// Counting and cutting ask for the image descriptor's first byte after the mark (reach 9), timing
// only for the extension itself (reach 8).
bool frameStartsAt(const QByteArray& b, qsizetype p, int reach) {
    return p + reach < b.size() && byteAt(b, p) == 0x21 && byteAt(b, p + 1) == 0xF9 && byteAt(b, p + 2) == 0x04 &&
           byteAt(b, p + 8) == 0x2C;
}

std::vector<qsizetype> frameStarts(const QByteArray& b, int reach) {
    std::vector<qsizetype> starts;
    for (qsizetype p = 0; p < b.size(); ++p)
        if (frameStartsAt(b, p, reach)) starts.push_back(p);
    return starts;
}

}  // namespace

bool IsGIFData(const QByteArray& Data) { return Data.size() >= 5 && Data.startsWith("GIF8"); }

uint16_t GIFScreenWidth(const QByteArray& Data) { return u16At(Data, 6); }
uint16_t GIFScreenHeight(const QByteArray& Data) { return u16At(Data, 8); }

int CountGIFFrames(const QByteArray& Data) { return static_cast<int>(frameStarts(Data, 9).size()); }

TGIFFrameTiming GIFFrameTiming(const QByteArray& Data, int Frame) {
    const std::vector<qsizetype> starts = frameStarts(Data, 8);
    TGIFFrameTiming timing;
    if (Frame < 1 || Frame > static_cast<int>(starts.size())) return timing;
    const qsizetype p = starts[static_cast<size_t>(Frame - 1)];
    const uint8_t flags = byteAt(Data, p + 3);
    timing.Delay = u16At(Data, p + 4);
    timing.Transparent = flags & 0x01;
    timing.Disposal = (flags >> 2) & 0x07;
    return timing;
}

TGIFFrameCut CutGIFFrames(const QByteArray& Data, int Frame) {
    const std::vector<qsizetype> starts = frameStarts(Data, 9);
    TGIFFrameCut cut;
    if (starts.empty()) {
        cut.Data = Data;
        return cut;
    }
    cut.Data = Data.left(starts.front());
    if (Frame < 1) {
        cut.Data = Data;
    } else if (Frame <= static_cast<int>(starts.size())) {
        const qsizetype p = starts[static_cast<size_t>(Frame - 1)];
        cut.XPos = u16At(Data, p + 9);
        cut.YPos = u16At(Data, p + 11);
        cut.Width = u16At(Data, p + 13);
        cut.Height = u16At(Data, p + 15);
        cut.Data += Data.mid(p);
    }
    return cut;
}
