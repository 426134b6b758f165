#include "grid/stringgrid/model/exchange_settings.h"

#include "platform/core/exception.h"

TPrintSettings::TPrintSettings(TComponent*) : TitleLines(std::make_unique<TStringList>()) {}

void TPrintSettings::Assign(const TPrintSettings& Source) {
    FooterSize = Source.FooterSize;
    HeaderSize = Source.HeaderSize;
    Time = Source.Time;
    Date = Source.Date;
    DateFormat = Source.DateFormat;
    PageNr = Source.PageNr;
    Title = Source.Title;
    TitleText = Source.TitleText;
    TitleLines->Assign(*Source.TitleLines);
    Font.Assign(Source.Font);
    FixedFont.Assign(Source.FixedFont);
    HeaderFont.Assign(Source.HeaderFont);
    FooterFont.Assign(Source.FooterFont);
    Borders = Source.Borders;
    BorderStyle = Source.BorderStyle;
    BorderColor = Source.BorderColor;
    Centered = Source.Centered;
    RepeatFixedRows = Source.RepeatFixedRows;
    RepeatFixedCols = Source.RepeatFixedCols;
    LeftSize = Source.LeftSize;
    RightSize = Source.RightSize;
    ColumnSpacing = Source.ColumnSpacing;
    RowSpacing = Source.RowSpacing;
    TitleSpacing = Source.TitleSpacing;
    Orientation = Source.Orientation;
    PagePrefix = Source.PagePrefix;
    PageSuffix = Source.PageSuffix;
    PageNumberOffset = Source.PageNumberOffset;
    MaxPagesOffset = Source.MaxPagesOffset;
    FixedWidth = Source.FixedWidth;
    FixedHeight = Source.FixedHeight;
    UseFixedHeight = Source.UseFixedHeight;
    UseFixedWidth = Source.UseFixedWidth;
    FitToPage = Source.FitToPage;
    JobName = Source.JobName;
    PageNumSep = Source.PageNumSep;
    NoAutoSize = Source.NoAutoSize;
    NoAutoSizeRow = Source.NoAutoSizeRow;
    PrintGraphics = Source.PrintGraphics;
    UseDisplayFont = Source.UseDisplayFont;
    UseDefaultOrientation = Source.UseDefaultOrientation;
}

void TPrintSettings::Assign(const TObject& Source) {
    const auto* settings = dynamic_cast<const TPrintSettings*>(&Source);
    if (!settings) throw Exception(QStringLiteral("Invalid class typecast"));
    Assign(*settings);
}

void THTMLSettings::Assign(const THTMLSettings& Source) {
    BorderSize = Source.BorderSize;
    CellSpacing = Source.CellSpacing;
    CellPadding = Source.CellPadding;
    SaveColor = Source.SaveColor;
    SaveFonts = Source.SaveFonts;
    FooterFile = Source.FooterFile;
    HeaderFile = Source.HeaderFile;
    TableStyle = Source.TableStyle;
    PrefixTag = Source.PrefixTag;
    SuffixTag = Source.SuffixTag;
    Summary = Source.Summary;
    Width = Source.Width;
    XHTML = Source.XHTML;
    ConvertSpecialChars = Source.ConvertSpecialChars;
    AutoPreview = Source.AutoPreview;
    NonBreakingText = Source.NonBreakingText;
}

void THTMLSettings::Assign(const TObject& Source) {
    if (const auto* settings = dynamic_cast<const THTMLSettings*>(&Source)) Assign(*settings);
}

void TDragDropSettings::Assign(const TDragDropSettings& Source) {
    ShowCells = Source.ShowCells;
    OleAcceptFiles = Source.OleAcceptFiles;
    OleAcceptText = Source.OleAcceptText;
    OleAcceptURLs = Source.OleAcceptURLs;
    OleAppendRows = Source.OleAppendRows;
    OleColumnDragDrop = Source.OleColumnDragDrop;
    OleColumnReorder = Source.OleColumnReorder;
    OleColumnsOnly = Source.OleColumnsOnly;
    OleCopyAlways = Source.OleCopyAlways;
    FOleDropTarget = Source.FOleDropTarget;
    OleDropSource = Source.OleDropSource;
    OleEntireRows = Source.OleEntireRows;
    OleInsertRows = Source.OleInsertRows;
    OleRemoveRows = Source.OleRemoveRows;
    FOleDropRTF = Source.FOleDropRTF;
}

void TDragScrollDelays::Assign(const TDragScrollDelays& Source) {
    InitialDelay = Source.InitialDelay;
    RepeatDelay = Source.RepeatDelay;
}

void TDragScrollMargins::Assign(const TDragScrollMargins& Source) {
    TopMargin = Source.TopMargin;
    BottomMargin = Source.BottomMargin;
    LeftMargin = Source.LeftMargin;
    RightMargin = Source.RightMargin;
}

void TDragScrollOptions::Assign(const TDragScrollOptions& Source) {
    Active = Source.Active;
    Delays.Assign(Source.Delays);
    Margins.Assign(Source.Margins);
}
