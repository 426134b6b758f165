#pragma once

#include "grid/foundation/html_renderer.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

#include <QString>
#include <gtest/gtest.h>

// An off-screen canvas of 300 x 200 white pixels in a 13-pixel Verdana (DejaVu Sans here), black,
// with the three kinds of call the grids make. The expectations below count DejaVu's pixels.
class HTMLRenderTest : public ::testing::Test {
protected:
    static constexpr TColor Paper = clWhite;

    void SetUp() override {
        canvas.Brush.Color = Paper;
        canvas.FillRect(area);
        canvas.Font.SetName("Verdana");
        canvas.Font.SetHeight(-13);
        canvas.Font.SetColor(clBlack);
    }

    THTMLDrawResults measure(const QString& text, TRect r = {0, 0, 300, 200}, THTMLDrawOptions o = {}) {
        o.MeasureOnly = true;
        THTMLDrawResults results;
        EXPECT_FALSE(DrawHTMLText(canvas, text, r, o, results));
        return results;
    }
    bool hitTest(const QString& text, int x, int y, THTMLDrawResults& results, TRect r = {0, 0, 300, 200},
                 THTMLDrawOptions o = {}) {
        o.HitTestOnly = true;
        o.HitX = x;
        o.HitY = y;
        return DrawHTMLText(canvas, text, r, o, results);
    }
    THTMLDrawResults draw(const QString& text, TRect r = {0, 0, 300, 200}, THTMLDrawOptions o = {}) {
        THTMLDrawResults results;
        DrawHTMLText(canvas, text, r, o, results);
        return results;
    }

    int width(const QString& text) { return canvas.TextWidth(text); }
    int gh() { return canvas.TextHeight("gh"); }
    TColor at(int x, int y) { return canvas.Pixel(x, y); }
    // The box around the pixels of colour c (inclusive edges); Right < Left when there are none.
    TRect inked(TColor c, TRect r = {0, 0, 300, 200}) {
        TRect box{r.Right, r.Bottom, -1, -1};
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (at(x, y) == c) {
                    box.Left = std::min(box.Left, x), box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x), box.Bottom = std::max(box.Bottom, y);
                }
        return box;
    }
    int count(TColor c, TRect r = {0, 0, 300, 200}) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += at(x, y) == c;
        return n;
    }
    // Pixels that are neither paper nor given colours.
    int notPaper(TRect r = {0, 0, 300, 200}) { return r.Width() * r.Height() - count(Paper, r); }

    const TRect area{0, 0, 300, 200};
    TBitmap bitmap{300, 200};
    TCanvas& canvas = bitmap.Canvas();
};
