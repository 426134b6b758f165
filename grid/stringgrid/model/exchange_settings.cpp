#include "grid/stringgrid/model/exchange_settings.h"

void TPrintSettings::Assign(const TPrintSettings& Source) {
    Title = Source.Title;
    UseDisplayFont = Source.UseDisplayFont;
    Font.Assign(Source.Font);
    FixedFont.Assign(Source.FixedFont);
}

void THTMLSettings::Assign(const THTMLSettings& Source) {
    AutoPreview = Source.AutoPreview;
    BorderSize = Source.BorderSize;
    CellSpacing = Source.CellSpacing;
    CellPadding = Source.CellPadding;
    ConvertSpecialChars = Source.ConvertSpecialChars;
    ExportImages = Source.ExportImages;
    FooterFile = Source.FooterFile;
    HeaderFile = Source.HeaderFile;
    NonBreakingText = Source.NonBreakingText;
    PrefixTag = Source.PrefixTag;
    SaveColor = Source.SaveColor;
    SaveFonts = Source.SaveFonts;
    SuffixTag = Source.SuffixTag;
    Summary = Source.Summary;
    TableStyle = Source.TableStyle;
    Width = Source.Width;
    XHTML = Source.XHTML;
    ColWidths.Clear();
    for (int i = 0; i < Source.ColWidths.Count(); ++i) ColWidths.Add(Source.ColWidths.GetInteger(i));
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
