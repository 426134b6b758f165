#pragma once

#include <QByteArray>
#include <cstdint>

// The frames of GIF data as the markup's pictures see them. A frame starts at a byte 0x21 followed
// by 0xF9 0x04 (a graphic control extension of four bytes) whose image descriptor (0x2C) follows
// directly; frames count from 1. Only this byte pattern is looked for, so GIF data whose frames
// lack the extension has no frames here.

// At least five bytes beginning with "GIF8".
bool IsGIFData(const QByteArray& Data);
// The logical screen's width and height; 0 for data too short to hold them.
uint16_t GIFScreenWidth(const QByteArray& Data);
uint16_t GIFScreenHeight(const QByteArray& Data);

int CountGIFFrames(const QByteArray& Data);

// What the graphic control extension of one frame says: its delay in hundredths of a second (-1
// when there is no such frame), transparency and disposal method.
struct TGIFFrameTiming {
    int Delay = -1;
    bool Transparent = false;
    uint16_t Disposal = 0;
};
TGIFFrameTiming GIFFrameTiming(const QByteArray& Data, int Frame);

// The data with the frames before Frame left out, so that a decoder's first image is that frame,
// and the frame's place and size from its image descriptor (0 when the data ends before them).
struct TGIFFrameCut {
    QByteArray Data;
    uint16_t XPos = 0, YPos = 0, Width = 0, Height = 0;
};
TGIFFrameCut CutGIFFrames(const QByteArray& Data, int Frame);
