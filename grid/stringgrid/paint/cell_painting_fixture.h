#pragma once

#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "platform/testkit/testkit.h"

#include <QImage>

#include <algorithm>

constexpr TColor Paper = 0xFFFFFF;

inline TColor colorAt(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return TColor(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

// Pixels of colour c in r.
inline int countColor(const QImage& image, TRect r, TColor c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) n += colorAt(image, x, y) == c;
    return n;
}

// The box of the non-paper pixels inside r.
inline TRect inkIn(const QImage& image, const TRect& r) {
    TRect box{r.Right, r.Bottom, r.Left, r.Top};
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (colorAt(image, x, y) != Paper) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

// A grid of 5 x 5 cells of 80 x 24 on white, one fixed row and column, no texts.
class CellPaintingFixture : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        grid->SetBounds(0, 0, 420, 140);
        grid->SetColCount(5);
        grid->SetRowCount(5);
        grid->SetDefaultColWidth(80);
        grid->SetDefaultRowHeight(24);
        grid->SetColor(Paper);
        grid->SetSelectionColor(0xC08040);
        grid->Look = glClassic;
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c) grid->SetCells(c, r, QString());
        grid->SetCol(4);
        grid->SetRow(4);
    }
    QImage paint() { return renderToImage(*grid); }
    TRect cell(int c, int r) const { return grid->CellRect(c, r); }
};
