#pragma once

#include <QByteArray>
#include <vector>

// Pictures the tests make for themselves.

// One frame of a test GIF: its place on the logical screen, one colour of the palette (0 red,
// 1 green, 2 blue, 3 white) over all its pixels, and its delay in hundredths of a second.
struct TestGifFrame {
    int Left = 0, Top = 0, Width = 1, Height = 1;
    int Colour = 0;
    int Delay = 0;
};

// A GIF89a with a four-colour palette; every frame has its graphic control extension.
QByteArray MakeGif(int ScreenWidth, int ScreenHeight, const std::vector<TestGifFrame>& Frames);

// A picture written by Qt in Format ("BMP", "PNG", "ICO", "JPG"): left half red, right half blue.
QByteArray MakePicture(const char* Format, int Width, int Height, bool Grayscale = false);
