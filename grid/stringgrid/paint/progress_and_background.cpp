#include "grid/stringgrid/paint/progress_and_background.h"

#include "grid/stringgrid/model/ex_string_grid.h"

void TGridProgressAppearance::Assign(const TGridProgressAppearance& Source) {
    CompleteColor = Source.CompleteColor;
    CompleteFontColor = Source.CompleteFontColor;
    UnCompleteColor = Source.UnCompleteColor;
    UnCompleteFontColor = Source.UnCompleteFontColor;
    Level0Color = Source.Level0Color;
    Level0ColorTo = Source.Level0ColorTo;
    Level1Color = Source.Level1Color;
    Level1ColorTo = Source.Level1ColorTo;
    Level2Color = Source.Level2Color;
    Level2ColorTo = Source.Level2ColorTo;
    Level3Color = Source.Level3Color;
    Level3ColorTo = Source.Level3ColorTo;
    Level1Perc = Source.Level1Perc;
    Level2Perc = Source.Level2Perc;
    BorderColor = Source.BorderColor;
    ShowBorder = Source.ShowBorder;
    Stacked = Source.Stacked;
    ShowPercentage = Source.ShowPercentage;
    CompletionSmooth = Source.CompletionSmooth;
    ShowGradient = Source.ShowGradient;
    Steps = Source.Steps;
    Style = Source.Style;
    OnChange(this);
}

void TBackGround::Assign(const TBackGround& Source) {
    if (&Source == this) return;
    Display = Source.Display;
    Cells = Source.Cells;
    Color = Source.Color;
    ColorTo = Source.ColorTo;
    Top = Source.Top;
    Left = Source.Left;
    Bitmap.Assign(Source.Bitmap);
}

void TBackGround::SetBitmap(const TBitmap& Value) {
    Bitmap.Assign(Value);
    repaint();
}

void TBackGround::repaint() {
    if (FGrid) FGrid->Invalidate();
}
