#pragma once

class TControl;
class TCustomMaskEdit;

// The least height of an edit that shows its font's text: the font's height and a quarter of
// the smaller of it and the system font's, plus Extra.
int EditMinHeight(const TCustomMaskEdit& Edit, int Extra);
// Places a button at the right edge of the edit's area inside its border, as tall as the edit.
void PlaceRightButton(const TCustomMaskEdit& Edit, TControl& Button);
