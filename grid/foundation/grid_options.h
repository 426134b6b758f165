#pragma once

#include "grid/foundation/grid_types.h"
#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/graphics/color.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>
#include <QStringList>

class TStringGrid;

// Option records of the string grid. Each belongs to the grid that holds it; the grid handles their events.
// Options without side effects are plain fields; the others have setters. Assign copies from a record of the
// same class and fires no event.

// The search panel under the grid.
class TSearchFooter : public TObject {
public:
    // Captions and hints are filled in only when the grid is placed in the designer; at run time the stored
    // form supplies them.
    TSearchFooter(TComponent* AOwner, bool InitDesign);

    void Assign(const TSearchFooter& Source);

    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value) { setOnChange(FShowFindPrev, Value); }
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value) { setOnChange(FShowFindNext, Value); }
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value) { setOnChange(FShowHighLight, Value); }
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value) { setOnChange(FShowMatchCase, Value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { setOnChange(FVisible, Value); }

    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool Value) { setAlways(FShowClose, Value); }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value) { setAlways(FAutoThemeAdapt, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { setAlways(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { setAlways(FColorTo, Value); }
    QString FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const QString& Value) { setAlways(FFindNextCaption, Value); }
    QString FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const QString& Value) { setAlways(FFindPrevCaption, Value); }
    QString MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const QString& Value) { setAlways(FMatchCaseCaption, Value); }
    QString HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const QString& Value) { setAlways(FHighLightCaption, Value); }
    QString HintClose() const { return FHintClose; }
    void SetHintClose(const QString& Value) { setAlways(FHintClose, Value); }
    QString HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const QString& Value) { setAlways(FHintFindPrev, Value); }
    QString HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const QString& Value) { setAlways(FHintFindNext, Value); }
    QString HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const QString& Value) { setAlways(FHintHighlight, Value); }
    const TFont& Font() const { return FFont; }
    // Copies the font.
    void SetFont(const TFont& Value);

    TNotifyEvent OnChange;
    bool AutoSearch = true;
    QString LastSearch;
    int SearchColumn = -1;
    bool SearchActiveColumnOnly = false;
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    bool AlwaysHighLight = false;
    TSearchDirection SearchDirection = sdTopBottom;

private:
    template <typename T>
    void setAlways(T& field, const T& Value) {
        field = Value;
        OnChange(this);
    }
    void setOnChange(bool& field, bool Value) {
        if (field != Value) setAlways(field, Value);
    }

    bool FShowFindPrev = true;
    bool FShowFindNext = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    bool FVisible = false;
    bool FShowClose = true;
    bool FAutoThemeAdapt = false;
    TColor FColor = 0xFFFFFF;
    TColor FColorTo = clBtnFace;
    QString FFindNextCaption;
    QString FFindPrevCaption;
    QString FMatchCaseCaption;
    QString FHighLightCaption;
    QString FHintClose;
    QString FHintFindPrev;
    QString FHintFindNext;
    QString FHintHighlight;
    TFont FFont;
};

// Keyboard navigation and clipboard options.
class TNavigation : public TObject {
public:
    TNavigation() = default;

    // Copies every option but KeepScrollOnSort.
    void Assign(const TNavigation& Source);

    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value);
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool Value);
    bool AdvanceAuto() const { return FAdvanceAuto; }
    // Turning it on also turns on AdvanceOnEnter.
    void SetAdvanceAuto(bool Value);

    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AdvanceOnEnter = false;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    bool AllowClipboardShortCuts = false;
    bool AllowRTFClipboard = false;
    bool AllowSmartClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardColGrow = true;
    bool AllowClipboardRowGrow = true;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    bool CopyHTMLTagsToClipboard = true;
    bool AdvanceAutoEdit = true;
    bool CursorWalkEditor = false;
    bool CursorWalkAlwaysEdit = true;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool ImproveMaskSel = false;
    bool AlwaysEdit = false;
    TInsertPosition InsertPosition = pInsertBefore;
    bool LineFeedOnEnter = false;
    THomeEndAction HomeEndKey = heFirstLastColumn;
    bool KeepHorizScroll = false;
    bool AllowFmtClipboard = false;
    bool TabToNextAtEnd = false;
    bool EditSelectAll = true;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;
    bool AllowCtrlEnter = true;
    bool AppendOnArrowDown = false;
    bool LeftRightRowSelect = true;
    bool MoveScrollOnly = false;
    bool ComboGetUpDown = true;
    TNotifyEvent OnChange;
    bool AdvanceOnEnterLoop = true;
    TCursorAdvance CursorAdvance = caDefault;
    bool AdvanceSkipReadOnlyCells = true;
    bool CursorMoveRows = false;

private:
    bool FAdvanceInsert = false;
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAdvanceAuto = false;
};

// Mouse options.
class TMouseActions : public TObject {
public:
    explicit TMouseActions(TComponent* /*AOwner*/) {}

    void Assign(const TMouseActions& Source);

    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    // Turning it on also turns on DisjunctRowSelect and CheckAllCheck; always asks for a repaint.
    void SetHotmailRowSelect(bool Value);
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction Value);
    // In the designer the three disjunct selections exclude each other; at run time they do not.
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    // Reads and writes DisjunctRowSelect without side effects.
    bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
    const QStringList& FixedComboValues() const { return FFixedComboValues; }
    void SetFixedComboValues(const QStringList& Value) { FFixedComboValues = Value; }

    bool ColSelect = false;
    bool RowSelect = false;
    bool AllSelect = false;
    bool DirectEdit = false;
    bool DirectComboDrop = false;
    bool DirectComboClose = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool CaretPositioning = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    TGridFixedCellEdit FixedRowsEdit = fceNone;
    TGridFixedCellEdit FixedColsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit;
    TGridFixedCellEditor FixedColsEditor = fceEdit;
    bool RangeSelectAndEdit = false;
    bool NoAutoRangeScroll = false;
    bool PreciseCheckBoxCheck = false;
    bool PreciseNodeClick = true;
    bool CheckAllCheck = false;
    bool NodeAllExpandContract = false;
    bool MoveRowOnNodeClick = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool NoScrollOnPartialRow = false;
    int WheelIncrement = 0;
    bool AutoSizeColOnDblClick = true;
    bool DisjunctRowSelectNoCtrl = false;

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnDisableEdit;

private:
    bool isDesigning();
    // Stores Value; switching one on in the designer switches the other two off.
    void setDisjunct(bool& field, bool Value, bool& other1, bool& other2);

    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    bool FHotmailRowSelect = false;
    bool FEditOnDblClickOnly = false;
    TWheelAction FWheelAction = waMoveSelection;
    QStringList FFixedComboValues;
};

// A second grid kept in step with the owning grid.
class TSyncGrid : public TObject {
public:
    explicit TSyncGrid(TComponent* AOwner) : FOwner(AOwner) {}

    void Assign(const TSyncGrid& Source);

    TStringGrid* Grid() const { return FGrid; }
    // A grid cannot be kept in step with itself: the owning grid is ignored.
    void SetGrid(TStringGrid* Value);

    bool ScrollHorizontal = false;
    bool ScrollVertical = false;
    bool SelectionRow = false;
    bool SelectionColumn = false;
    bool MoveRow = false;
    bool MoveColumn = false;

private:
    TComponent* FOwner;
    TStringGrid* FGrid = nullptr;
};

// Row banding: PrimaryLength rows in PrimaryColor, then SecondaryLength rows in SecondaryColor.
class TBands : public TObject {
public:
    TBands() = default;

    void Assign(const TBands& Source);

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value) { setWhileActive(FPrimaryColor, Value); }
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value) { setWhileActive(FSecondaryColor, Value); }
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int Value) { setWhileActive(FPrimaryLength, Value); }
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int Value) { setWhileActive(FSecondaryLength, Value); }
    int TotalLength() const { return FPrimaryLength + FSecondaryLength; }

    bool Print = false;
    TNotifyEvent OnChange;

private:
    // Stores a changed value; only active bands repaint.
    template <typename T>
    void setWhileActive(T& field, T Value) {
        if (field == Value) return;
        field = Value;
        if (FActive) OnChange(this);
    }

    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    TColor FSecondaryColor = clWindow;
    int FPrimaryLength = 1;
    int FSecondaryLength = 1;
};

// The focus frame.
class TFocusHelper : public TObject {
public:
    explicit TFocusHelper(TComponent* /*AOwner*/) {}

    void Assign(const TFocusHelper& Source) { Enabled = Source.Enabled; }

    bool Enabled = false;
};
