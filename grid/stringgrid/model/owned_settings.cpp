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

void TGrouping::Assign(const TGrouping& Source) {
    Summary = Source.Summary;
    MergeHeader = Source.MergeHeader;
    ShowGroupCount = Source.ShowGroupCount;
    HeaderUnderline = Source.HeaderUnderline;
    SummaryLine = Source.SummaryLine;
    AutoCheckGroup = Source.AutoCheckGroup;
}

void TFloatingFooter::Assign(const TFloatingFooter& Source) {
    Visible = Source.Visible;
    Height = Source.Height;
    Color = Source.Color;
    FooterStyle = Source.FooterStyle;
    Column = Source.Column;
    CalculateHiddenRows = Source.CalculateHiddenRows;
}
