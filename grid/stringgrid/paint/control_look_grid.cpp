// The parts of the control look that reach the grid: repaints and the fixed-cell gradient.
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/paint/control_look.h"

void TControlLook::Init() {
    Color = clBlack;
    CommentColor = clRed;
    ProgressBorderColor = clGray;
    FFixedGradientFrom = FFixedGradientTo = clNone;
    FFixedGradientMirrorFrom = FFixedGradientMirrorTo = clNone;
    FFixedGradientHoverFrom = clGray;
    FFixedGradientHoverTo = clWhite;
    FFixedGradientHoverBorder = clSilver;
    FFixedGradientDownFrom = clGray;
    FFixedGradientDownTo = clSilver;
    FFixedGradientDownBorder = clGray;
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
}

void TControlLook::setGlyph(TBitmap& Glyph, const TBitmap& Value) {
    Glyph.Assign(Value);
    repaint();
}

void TControlLook::repaint() {
    if (FOwner) FOwner->Invalidate();
}

// ---- fixed-cell gradient

void TControlLook::SetFixedGradientFrom(TColor Value) {
    FFixedGradientFrom = Value;
    if (Value != clNone && FOwner) FOwner->SetDUDGradientFrom(Value);
}
void TControlLook::SetFixedGradientTo(TColor Value) {
    FFixedGradientTo = Value;
    if (Value != clNone && FOwner) FOwner->SetDUDGradientTo(Value);
}
void TControlLook::SetFixedGradientMirrorFrom(TColor Value) {
    FFixedGradientMirrorFrom = Value;
    if (FOwner) FOwner->SetDUDGradientMirrorFrom(Value);
}
void TControlLook::SetFixedGradientMirrorTo(TColor Value) {
    FFixedGradientMirrorTo = Value;
    if (FOwner) FOwner->SetDUDGradientMirrorTo(Value);
}

namespace {
// Hover and pressed colours reach the grid with no repaint.
void passOn(TExStringGrid* Grid, TColor TExStringGridOptions::*Field, TColor Value, bool Always) {
    if (Grid && (Always || Value != clNone)) Grid->*Field = Value;
}
}  // namespace

void TControlLook::SetFixedGradientHoverFrom(TColor Value) {
    FFixedGradientHoverFrom = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientHoverFrom, Value, false);
}
void TControlLook::SetFixedGradientHoverTo(TColor Value) {
    FFixedGradientHoverTo = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientHoverTo, Value, false);
}
void TControlLook::SetFixedGradientHoverBorder(TColor Value) {
    FFixedGradientHoverBorder = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientHoverBorder, Value, false);
}
void TControlLook::SetFixedGradientHoverMirrorFrom(TColor Value) {
    FFixedGradientHoverMirrorFrom = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientHoverMirrorFrom, Value, true);
}
void TControlLook::SetFixedGradientHoverMirrorTo(TColor Value) {
    FFixedGradientHoverMirrorTo = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientHoverMirrorTo, Value, true);
}
void TControlLook::SetFixedGradientDownFrom(TColor Value) {
    FFixedGradientDownFrom = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientDownFrom, Value, false);
}
void TControlLook::SetFixedGradientDownTo(TColor Value) {
    FFixedGradientDownTo = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientDownTo, Value, false);
}
void TControlLook::SetFixedGradientDownBorder(TColor Value) {
    FFixedGradientDownBorder = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientDownBorder, Value, false);
}
void TControlLook::SetFixedGradientDownMirrorFrom(TColor Value) {
    FFixedGradientDownMirrorFrom = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientDownMirrorFrom, Value, true);
}
void TControlLook::SetFixedGradientDownMirrorTo(TColor Value) {
    FFixedGradientDownMirrorTo = Value;
    passOn(FOwner, &TExStringGridOptions::DUDGradientDownMirrorTo, Value, true);
}
