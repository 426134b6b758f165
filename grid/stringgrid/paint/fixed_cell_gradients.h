#pragma once

// Hover and pressed gradients of the fixed cells, written together by looks and styles.
#include "platform/graphics/color.h"

class TControlLook;

struct TFixedCellGradient {
    TColor From, To, MirrorFrom, MirrorTo, Border;
};

void SetFixedHoverAndDown(TControlLook& Look, const TFixedCellGradient& Hover, const TFixedCellGradient& Down);
