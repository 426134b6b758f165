#pragma once

// The string grid's options that are plain values: writing one only stores it, and the code
// that acts on it reads it when it runs. Options whose write does more are properties of the
// grid itself.

#include "grid/stringgrid/model/string_grid_types.h"

class TImageList;
class TEditLink;
class TPopupMenu;

struct TExStringGridOptions {
    // ---- published
    TColor HintColor = clInfoBk;
    bool HintShowCells = false;
    bool HintShowLargeText = false;
    THintShowLargeTextPos HintShowLargeTextPos = hpCell;
    bool HintShowSizing = false;
    bool HTMLHint = false;
    bool OemConvert = false;
    bool AnchorHint = false;
    bool AutoNumAlign = false;
    bool AutoFilterUpdate = true;
    // A press only calls CellSelectorClick (for descendants that pick cells their own way).
    bool CellSelectorMode = false;
    TEditorType DefaultEditor = edNormal;
    TColor DisabledFontColor = 0xC0C0C0;
    bool EditWithTags = false;
    bool EnableBlink = false;
    bool EnableHTML = true;
    bool EnableWheel = true;
    bool EnhTextSize = false;
    bool EnhRowColMove = true;
    bool ExcelStyleDecimalSeparator = false;
    bool FilterActive = false;
    bool FilterDropDownAuto = false;
    QString FilterDropDownClear = QStringLiteral("(All)");
    bool FilterDropDownCheck = false;
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    int FilterDropDownRow = 0;
    bool FilterNormalCellsOnly = true;
    // A single border drawn sunken takes 2 pixels on each side instead of 1.
    bool Ctl3D = true;
    bool FixedAsButtons = false;
    bool FixedRowAlways = false;
    bool FixedColAlways = false;
    QString FloatFormat = QStringLiteral("%.2f");
    bool HideFocusRect = false;
    bool Hovering = false;
    THoverFixedCells HoverFixedCells = hfNone;
    bool IntegralHeight = false;
    TIntelliPan IntelliPan = ipVertical;
    bool IntelliZoom = true;
    QString InvalidEntryTitle;
    TInvalidEntryIcon InvalidEntryIcon = ieWarning;
    QString InvalidEntryText;
    TGridLook Look = glXP;
    bool Lookup = false;
    bool LookupCaseSensitive = false;
    bool LookupHistory = false;
    int MaxComboLength = 0;
    bool Multilinecells = false;
    bool ScrollProportional = false;
    bool ScrollSynch = false;
    TScrollHintType ScrollHints = shNone;
    bool SizeWithForm = false;
    bool URLUnderlineOnHover = false;
    bool URLEdit = false;
    bool UseInternalHintClass = true;
    QString ValidChars;

    // ---- run time
    bool IsPrintPreview = false;
    bool FitCellsInGrid = true;
    int ZoomFactor = 0;
    QChar Delimiter = QChar(0);
    bool NoDefaultDraw = false;
    QChar PasswordChar = QLatin1Char('*');
    bool JavaCSV = false;
    bool FastPrint = false;
    int FindCol = 0;
    int FindRow = 0;
    QString CheckTrue = QStringLiteral("Y");
    QString CheckFalse = QStringLiteral("N");
    bool LoadFirstRow = true;
    bool SaveFixedCells = true;
    bool SaveFixedCols = false;
    bool SaveFixedRows = false;
    bool SaveHiddenCells = false;
    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    bool SaveWithRTF = false;
    QString EditMask;
    bool NoImageAndText = false;
    bool ClearTextOnly = false;
    QString IncrSearchText;
    bool PrinterDriverFix = false;
    bool Modified = false;
    bool ExcelClipboardFormat = false;
    int PreviewPage = 0;
    bool QuoteEmptyCells = true;
    bool AlwaysQuotes = false;
    TColor SelectionRectangleColor = clBlack;
    bool ShowNullDates = true;
    TEditLink* EditLink = nullptr;
    TPoint XYOffset{2, 2};
    bool XYOffsetTopLeftOnly = false;
    bool AlwaysValidate = false;
    bool SizeGrowOnly = false;
    int MaxRowHeight = 0;
    int MinRowHeight = 0;
    int MaxColWidth = 0;
    int MinColWidth = 0;
    TColor DUDGradientHoverFrom = clNone;
    TColor DUDGradientHoverTo = clNone;
    TColor DUDGradientHoverMirrorFrom = clNone;
    TColor DUDGradientHoverMirrorTo = clNone;
    TColor DUDGradientHoverBorder = clNone;
    TColor DUDGradientDownFrom = clNone;
    TColor DUDGradientDownTo = clNone;
    TColor DUDGradientDownMirrorFrom = clNone;
    TColor DUDGradientDownMirrorTo = clNone;
    TColor DUDGradientDownBorder = clNone;
    QString XMLEncoding = QStringLiteral("ISO-8859-1");
    bool UseDisabledFont = true;
    TSortDirection AutoNumberDirection = sdAscending;
    int AutoNumberOffset = 0;
    int AutoNumberStart = 0;
    TCharSet ValidCharSet;
    bool FilterIncremental = false;
};
