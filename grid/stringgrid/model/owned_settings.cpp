#include "grid/stringgrid/model/owned_settings.h"

void TBalloonSettings::Assign(const TBalloonSettings& Source) {
    BackgroundColor = Source.BackgroundColor;
    TextColor = Source.TextColor;
    ReshowDelay = Source.ReshowDelay;
    InitialDelay = Source.InitialDelay;
    AutoHideDelay = Source.AutoHideDelay;
    Transparency = Source.Transparency;
    SetEnable(Source.FEnable);
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
    AutoSize = Source.AutoSize;
    ColumnWidth = Source.ColumnWidth;
    Width = Source.Width;
    Height = Source.Height;
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

void TFloatingFooter::Assign(const TFloatingFooter& Source) {
    Visible = Source.Visible;
    Height = Source.Height;
    Color = Source.Color;
    FooterStyle = Source.FooterStyle;
    Column = Source.Column;
    CalculateHiddenRows = Source.CalculateHiddenRows;
}
