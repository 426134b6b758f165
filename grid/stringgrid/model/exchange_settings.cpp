#include "grid/stringgrid/model/exchange_settings.h"

void TPrintSettings::Assign(const TPrintSettings& Source) {
    Title = Source.Title;
    UseDisplayFont = Source.UseDisplayFont;
    Font.Assign(Source.Font);
    FixedFont.Assign(Source.FixedFont);
}

void THTMLSettings::Assign(const THTMLSettings& Source) {
    Width = Source.Width;
    SaveColor = Source.SaveColor;
    SaveFonts = Source.SaveFonts;
}

void TDragDropSettings::Assign(const TDragDropSettings& Source) {
    OleAcceptText = Source.OleAcceptText;
    OleAcceptFiles = Source.OleAcceptFiles;
    OleAcceptURLs = Source.OleAcceptURLs;
    OleDropTarget = Source.OleDropTarget;
    OleDropSource = Source.OleDropSource;
    OleEntireRows = Source.OleEntireRows;
    ShowCells = Source.ShowCells;
}

void TDragScrollOptions::Assign(const TDragScrollOptions& Source) {
    Active = Source.Active;
    InitialDelay = Source.InitialDelay;
    RepeatDelay = Source.RepeatDelay;
    TopMargin = Source.TopMargin;
    BottomMargin = Source.BottomMargin;
    LeftMargin = Source.LeftMargin;
    RightMargin = Source.RightMargin;
}
