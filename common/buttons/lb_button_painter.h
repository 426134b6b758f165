#pragma once

#include "platform/controls/control.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

class TBitmap;
class TCanvas;

enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The colour a button leaves out when it draws its image or a glyph over its parent.
constexpr TColor LbTransparentColor = clFuchsia;

// Everything one face is painted from; the painter knows nothing of the control.
struct TLbButtonFace {
    int Width = 0;
    int Height = 0;
    TAlignment Alignment = taCenter;
    QString Caption;
    TLbButtonLayout Layout = blGlyphLeft;
    TFont Font;
    TColor ShadowColor = clGray;
    TColor LightColor = clWhite;
    TColor HotTrackColor = clNone;
    TColor ColorWhenDown = clNone;
    TColor Color = clBtnFace;
    TLbButtonStyle Style = bsNormal;
    bool HasPopupMenu = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    bool Hot = false;
    bool Down = false;
    // Strip of NumGlyphs cells of equal width side by side: normal, disabled, pressed, hot.
    const TBitmap* Glyph = nullptr;
    int NumGlyphs = 0;
    int HotTrackStep = 0;  // 0..8, 8 = the full hot-track colour
};

// Where a face puts its parts, worked out before anything is drawn.
struct TLbButtonFaceLayout {
    bool Down = false;  // pressed and enabled
    int Offset = 0;     // the press shift of caption and glyph
    TColor FaceColor = clNone;
    QString Caption;    // cut to the available width unless word-wrapped
    unsigned CaptionFormat = 0;
    int TextWidth = 0;   // of the laid-out caption plus 4; 0 without caption
    int TextHeight = 0;  // of the laid-out caption; 0 without caption
    TRect CaptionRect;
    int GlyphCell = 0;
    int CellWidth = 0;
    int GlyphHeight = 0;
    TPoint GlyphPos;
};

// Each channel of Color moved HotTrackStep eighths of the way to HotTrackColor, truncated.
TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int HotTrackStep);

// A vertical gradient of 32 bands from FromColor at Top towards ToColor.
void FillGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Left, int Top, int Right, int Bottom);

// One cell of a glyph strip at (X, Y), leaving out the colour of the cell's bottom-left pixel;
// a cell beyond the strip shows the first cell.
void DrawGlyphCell(TCanvas& Canvas, const TBitmap& Glyph, int X, int Y, int SourceX, int SourceY, int CellWidth,
                   int CellHeight);

// Draws Image at (X, Y) leaving out the pixels of colour Transparent.
void DrawTransparent(TCanvas& Canvas, int X, int Y, TBitmap& Image, TColor Transparent);

// Measures the caption on Canvas (with the face's font) and places caption and glyph.
TLbButtonFaceLayout LayoutLbButtonFace(TCanvas& Canvas, const TLbButtonFace& Face);

// Paints the whole face on Canvas at (0, 0).
void DrawLbButtonFace(TCanvas& Canvas, const TLbButtonFace& Face);
