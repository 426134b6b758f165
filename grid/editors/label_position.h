#pragma once

class TControl;
class TLabel;

// Where an editor's caption label stands around it.
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight,
};

// The width of the label's caption as its font draws it.
int LabelTextWidth(TLabel& Label);
// Sets the label's Top and Left beside Control at Position, Margin pixels away; TextWidth is
// what the left-hand positions leave between label and control.
void PlaceLabel(TLabel& Label, const TControl& Control, TLabelPosition Position, int Margin, int TextWidth);
