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
enum TDragScrollDirectionFlag : uint8_t { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
using TDragScrollDirection = uint8_t;
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

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

