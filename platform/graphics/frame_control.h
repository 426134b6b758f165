#pragma once

#include "platform/graphics/graphics_objects.h"

class TCanvas;

// Kinds and states of the classic frame controls, with the platform's numbers.
enum : unsigned {
    DFC_SCROLL = 3,
    DFC_BUTTON = 4,

    DFCS_SCROLLUP = 0x0,
    DFCS_SCROLLDOWN = 0x1,
    DFCS_SCROLLCOMBOBOX = 0x5,
    DFCS_BUTTONCHECK = 0x0,
    DFCS_BUTTONPUSH = 0x10,

    DFCS_INACTIVE = 0x100,
    DFCS_PUSHED = 0x200,
    DFCS_CHECKED = 0x400,
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
//   pixel right and down;
// - check boxes: a sunken edge (clBtnShadow / clBtnHighlight outside, cl3DDkShadow / cl3DLight
//   inside) around clWindow, clBtnFace when inactive; checked, a tick of three pixels' thickness
//   in clWindowText, clGrayText when inactive.
bool DrawFrameControl(TCanvas& canvas, const TRect& r, unsigned kind, unsigned state);
