#pragma once

#include "platform/graphics/graphics_objects.h"

class TCanvas;

// Kinds and states of the classic frame controls, with the platform's numbers.
enum : unsigned {
    DFC_SCROLL = 3,
    DFC_BUTTON = 4,

    DFCS_SCROLLUP = 0x0,
    DFCS_SCROLLDOWN = 0x1,
    DFCS_SCROLLLEFT = 0x2,
    DFCS_SCROLLRIGHT = 0x3,
    DFCS_SCROLLCOMBOBOX = 0x5,
    DFCS_BUTTONCHECK = 0x0,
    DFCS_BUTTON3STATE = 0x8,
    DFCS_BUTTONRADIO = 0x4,
    DFCS_BUTTONPUSH = 0x10,

    DFCS_INACTIVE = 0x100,
    DFCS_PUSHED = 0x200,
    DFCS_CHECKED = 0x400,
    DFCS_ADJUSTRECT = 0x2000,
    DFCS_HOT = 0x1000,
    DFCS_FLAT = 0x4000,
};

// Draws a classic control face filling r in the system colours; false for a kind or part this
// layer does not draw (nothing is drawn then).
//
// The looks, defined here once:
// - raised (the default): an outer edge of clBtnHighlight at the top and left and
//   cl3DDkShadow at the bottom and right, an inner edge of cl3DLight and clBtnShadow, the
//   face in clBtnFace; the bottom and right edges own the two far corners;
// - pushed: sunken, the outer edge clBtnShadow / clBtnHighlight, the inner cl3DDkShadow /
//   cl3DLight, and the glyph one pixel right and down;
// - flat: a one-pixel frame in clBtnShadow around the face; flat and hot: a one-pixel raised
//   edge (clBtnHighlight / clBtnShadow) instead; hot changes nothing on a raised face;
// - scroll parts carry an arrow in clBtnText, centred, pointing up, or down for the down arrow
//   and the combo-box glyph; inactive, the arrow is clGrayText over a clBtnHighlight copy one
//   pixel right and down; the left and right arrows lie on their side;
// - check boxes: a sunken edge (clBtnShadow / clBtnHighlight outside, cl3DDkShadow / cl3DLight
//   inside) around clWindow, clBtnFace when inactive; checked, a tick of three pixels' thickness
//   in clWindowText, clGrayText when inactive; the three-state part checked (mixed) has the
//   well in clBtnFace and the tick in clBtnShadow.
// - radio buttons: a round clBtnShadow outline around clWindow, clBtnFace when inactive;
//   checked, a dot of a third of the size in clWindowText, clGrayText when inactive.
// With DFCS_ADJUSTRECT r is shrunk by the two pixels of the raised (or pushed) edges.
bool DrawFrameControl(TCanvas& canvas, TRect& r, unsigned kind, unsigned state);
inline bool DrawFrameControl(TCanvas& canvas, const TRect& r, unsigned kind, unsigned state) {
    TRect copy = r;
    return DrawFrameControl(canvas, copy, kind, state);
}

// Edges and their sides, with the platform's numbers.
enum : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,

    BF_LEFT = 0x1,
    BF_TOP = 0x2,
    BF_RIGHT = 0x4,
    BF_BOTTOM = 0x8,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
    BF_MIDDLE = 0x800,
    BF_ADJUST = 0x2000,
    BF_FLAT = 0x4000,
};

// Draws the edges of r on the given sides: an outer ring (raised: clBtnHighlight at the top and
// left, cl3DDkShadow at the bottom and right; sunken: clBtnShadow / clBtnHighlight) and inside
// it an inner ring (raised: cl3DLight / clBtnShadow; sunken: cl3DDkShadow / cl3DLight). BF_FLAT
// draws each ring in clBtnShadow all round; BF_MIDDLE fills what lies inside with clBtnFace;
// BF_ADJUST shrinks r by the rings drawn.
void DrawEdge(TCanvas& canvas, TRect& r, unsigned edge, unsigned flags);
