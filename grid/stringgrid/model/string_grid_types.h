#pragma once

// The enumerations of the string grid. Forms store them by ordinal, so every value keeps its
// position.

#include "grid/foundation/char_set.h"
#include "grid/foundation/grid_types.h"
// TScrollStyle comes with the platform's scroll bars.
#include "platform/controls/scroll_bar.h"

enum TGridLook { glStandard, glSoft, glClassic, glDUD, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TSortDirection { sdAscending, sdDescending };
// The page size and range of a cell's own scroll bar.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
};
enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
enum TClipOperation { coCut, coCopy };
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
// The icon of a balloon's title.
enum TBalloonIcon { biNone, biInfo, biWarning, biError };
// The options of a search, one bit each (bit n is option n).
enum TFindParameter : uint32_t {
    fnMatchCase = 1u << 0,
    fnMatchFull = 1u << 1,
    fnMatchRegular = 1u << 2,
    fnDirectionLeftRight = 1u << 3,
    fnMatchStart = 1u << 4,
    fnFindInCurrentRow = 1u << 5,
    fnFindInCurrentCol = 1u << 6,
    fnIncludeFixed = 1u << 7,
    fnAutoGoto = 1u << 8,
    fnIgnoreHTMLTags = 1u << 9,
    fnBackward = 1u << 10,
    fnIncludeHiddenColumns = 1u << 11,
    fnFindInPresetCol = 1u << 12,
    fnFindInPresetRow = 1u << 13,
    fnSelectedCells = 1u << 14,
    fnIncludeHiddenRows = 1u << 15,
};
using TFindParams = uint32_t;
enum TDragScrollDirectionFlag : uint8_t { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
using TDragScrollDirection = uint8_t;

// The kind of a cell's decoration record.
enum TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
    ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
    ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
    ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand,
};

// The colour styles the grid takes through SetStyle.
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
enum TExGridStyle {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black,
};

