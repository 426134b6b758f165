#include "grid/stringgrid/model/owned_settings.h"

void TBalloonSettings::Assign(const TBalloonSettings& Source) {
    BackgroundColor = Source.BackgroundColor;
    TextColor = Source.TextColor;
    ReshowDelay = Source.ReshowDelay;
    InitialDelay = Source.InitialDelay;
    AutoHideDelay = Source.AutoHideDelay;
    // Transparency stays; Enable is taken without its event.
    FEnable = Source.FEnable;
}

void TBalloonSettings::SetEnable(bool Value) {
    FEnable = Value;
    OnEnableChange(this);
}

void TShowModified::Assign(const TShowModified& Source) {
    FColor = Source.FColor;
    Enabled = Source.Enabled;
}

void TShowModified::SetColor(TColor Value) {
    FColor = Value;
    OnChange(this);
}

void TFilterDropDown::Assign(const TFilterDropDown& Source) {
    Color = Source.Color;
    Font.Assign(Source.Font);
    ColumnWidth = Source.ColumnWidth;
    Width = Source.Width;
    Height = Source.Height;
    FGlyph.Assign(Source.FGlyph);
    FGlyphActive.Assign(Source.FGlyphActive);
}

void TFilterDropDown::SetGlyph(const TBitmap& Value) {
    FGlyph.Assign(Value);
    OnChange(this);
}

void TFilterDropDown::SetGlyphActive(const TBitmap& Value) {
    FGlyphActive.Assign(Value);
    OnChange(this);
}

// Summary and the line colours and widths stay.
void TGrouping::Assign(const TGrouping& Source) {
    GroupCountFormat = Source.GroupCountFormat;
    HeaderColor = Source.HeaderColor;
    HeaderColorTo = Source.HeaderColorTo;
    HeaderTextColor = Source.HeaderTextColor;
    HeaderUnderline = Source.HeaderUnderline;
    MergeHeader = Source.MergeHeader;
    MergeSummary = Source.MergeSummary;
    ShowGroupCount = Source.ShowGroupCount;
    SummaryColor = Source.SummaryColor;
    SummaryColorTo = Source.SummaryColorTo;
    SummaryTextColor = Source.SummaryTextColor;
    SummaryLine = Source.SummaryLine;
    AutoCheckGroup = Source.AutoCheckGroup;
    AutoSelectGroup = Source.AutoSelectGroup;
}
