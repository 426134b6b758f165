#pragma once

#include "platform/graphics/graphics_objects.h"
#include "platform/messages/messages.h"

class TCanvas;

// The drop button and frame painting that the combo box and the date pickers share.

struct TDropButtonColors {
    TColor ButtonColor = clNone;  // set: the button is painted in these colours
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
};

// The combo box and the date pickers place the custom button's fill and arrow differently.
enum TDropButtonShape { dbsCombo, dbsDatePicker };

// What an editor's frame painting reads of it.
struct TEditorLook {
    int Width = 0, Height = 0, ClientWidth = 0, ClientHeight = 0, ButtonWidth = 0;
    bool Enabled = true;
    bool IsThemed = false;      // the editor may draw themed
    bool StylesActive = false;  // IsThemed and the platform's visual styles are on
    bool DisabledBorder = true;
    bool HasFocus = false;
    bool FocusBorderShown = false;
    bool Hot = false;
    bool MouseOverButton = false;
    bool Dropped = false;
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    TColor ParentColor = clBtnFace;
    TColor Color = clWindow;
};

// Fills in the look's fields that come from the control itself: its sizes, enabled state and
// colours.
class TWinControl;
TEditorLook WithControl(TEditorLook Look, const TWinControl& Control);
// Hover becomes whether the mouse at X lies over the drop button strip of a control Width
// pixels wide; true when that changed.
inline bool TrackButtonHover(bool& Hover, int X, int Width, int ButtonWidth) {
    const bool over = Width - ButtonWidth < X && X < Width;
    const bool changed = over != Hover;
    Hover = over;
    return changed;
}

// The left or right mouse button is held at this moment.
bool AMouseButtonIsDown();

// Paints the drop button at the right of the editor: custom colours, the visual style's combo
// button, or the classic scroll button; then leaves the button out of later drawing.
void PaintDropButton(TCanvas& Canvas, HWND Handle, TDropButtonShape Shape, const TDropButtonColors& Colors,
                     const TEditorLook& Look);
// The outline: disabled without a border, BorderColor, FocusBorderColor, or the two-colour frame.
void PaintEditorOutline(TCanvas& Canvas, const TEditorLook& Look);
// The surround of the drop button: a raised edge while hot when RaisedWhenHot, a button-face
// ring while not hot; both then left out of later drawing.
void PaintButtonSurround(TCanvas& Canvas, const TEditorLook& Look, bool RaisedWhenHot);
