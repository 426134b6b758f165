#include "grid/foundation/grid_options.h"

#include "platform/controls/string_grid.h"

TSearchFooter::TSearchFooter(TComponent* /*AOwner*/, bool InitDesign) {
    if (!InitDesign) return;
    FFindNextCaption = "Find &next";
    FFindPrevCaption = "Find &previous";
    FMatchCaseCaption = "Match case";
    FHighLightCaption = "Highlight";
    FHintClose = "Close";
    FHintFindPrev = "Find previous occurrence";
    FHintFindNext = "Find next occurrence";
    FHintHighlight = "Highlight occurrences";
}

void TSearchFooter::SetFont(const TFont& Value) {
    FFont.Assign(Value);
    OnChange(this);
}

void TSearchFooter::Assign(const TSearchFooter& Source) {
    AlwaysHighLight = Source.AlwaysHighLight;
    FColor = Source.FColor;
    FColorTo = Source.FColorTo;
    FFindNextCaption = Source.FFindNextCaption;
    FFindPrevCaption = Source.FFindPrevCaption;
    FMatchCaseCaption = Source.FMatchCaseCaption;
    FHighLightCaption = Source.FHighLightCaption;
    FHintClose = Source.FHintClose;
    FHintFindPrev = Source.FHintFindPrev;
    FHintFindNext = Source.FHintFindNext;
    FHintHighlight = Source.FHintHighlight;
    FShowClose = Source.FShowClose;
    FShowFindNext = Source.FShowFindNext;
    FShowFindPrev = Source.FShowFindPrev;
    FShowHighLight = Source.FShowHighLight;
    FShowMatchCase = Source.FShowMatchCase;
    SearchActiveColumnOnly = Source.SearchActiveColumnOnly;
    SearchMatchStart = Source.SearchMatchStart;
    SearchColumn = Source.SearchColumn;
    SearchDirection = Source.SearchDirection;
    SearchHiddenRows = Source.SearchHiddenRows;
    FVisible = Source.FVisible;
    FFont.Assign(Source.FFont);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
    if (FAdvanceDirection == Value) return;
    FAdvanceDirection = Value;
    OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool Value) {
    if (FAdvanceInsert == Value) return;
    FAdvanceInsert = Value;
    OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool Value) {
    if (FAdvanceAuto == Value) return;
    FAdvanceAuto = Value;
    if (Value) AdvanceOnEnter = true;
}

void TNavigation::Assign(const TNavigation& Source) {
    AllowInsertRow = Source.AllowInsertRow;
    AllowDeleteRow = Source.AllowDeleteRow;
    AdvanceOnEnter = Source.AdvanceOnEnter;
    AutoGotoWhenSorted = Source.AutoGotoWhenSorted;
    AutoGotoIncremental = Source.AutoGotoIncremental;
    AutoComboDropSize = Source.AutoComboDropSize;
    AllowClipboardShortCuts = Source.AllowClipboardShortCuts;
    AllowRTFClipboard = Source.AllowRTFClipboard;
    AllowSmartClipboard = Source.AllowSmartClipboard;
    AllowClipboardAlways = Source.AllowClipboardAlways;
    AllowClipboardColGrow = Source.AllowClipboardColGrow;
    AllowClipboardRowGrow = Source.AllowClipboardRowGrow;
    ClipboardPasteAction = Source.ClipboardPasteAction;
    CopyHTMLTagsToClipboard = Source.CopyHTMLTagsToClipboard;
    AdvanceAutoEdit = Source.AdvanceAutoEdit;
    CursorWalkEditor = Source.CursorWalkEditor;
    CursorWalkAlwaysEdit = Source.CursorWalkAlwaysEdit;
    MoveRowOnSort = Source.MoveRowOnSort;
    ImproveMaskSel = Source.ImproveMaskSel;
    AlwaysEdit = Source.AlwaysEdit;
    InsertPosition = Source.InsertPosition;
    LineFeedOnEnter = Source.LineFeedOnEnter;
    HomeEndKey = Source.HomeEndKey;
    KeepHorizScroll = Source.KeepHorizScroll;
    AllowFmtClipboard = Source.AllowFmtClipboard;
    TabToNextAtEnd = Source.TabToNextAtEnd;
    EditSelectAll = Source.EditSelectAll;
    TabAdvanceDirection = Source.TabAdvanceDirection;
    SkipFixedCells = Source.SkipFixedCells;
    SkipDisabledRows = Source.SkipDisabledRows;
    AllowCtrlEnter = Source.AllowCtrlEnter;
    AppendOnArrowDown = Source.AppendOnArrowDown;
    LeftRightRowSelect = Source.LeftRightRowSelect;
    MoveScrollOnly = Source.MoveScrollOnly;
    ComboGetUpDown = Source.ComboGetUpDown;
    AdvanceOnEnterLoop = Source.AdvanceOnEnterLoop;
    CursorAdvance = Source.CursorAdvance;
    AdvanceSkipReadOnlyCells = Source.AdvanceSkipReadOnlyCells;
    CursorMoveRows = Source.CursorMoveRows;
    FAdvanceInsert = Source.FAdvanceInsert;
    FAdvanceDirection = Source.FAdvanceDirection;
    FAdvanceAuto = Source.FAdvanceAuto;
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        CheckAllCheck = true;
    }
    OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
    FEditOnDblClickOnly = Value;
    if (Value) OnDisableEdit(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
    if (FWheelAction == Value) return;
    FWheelAction = Value;
    OnChange(this);
}

bool TMouseActions::isDesigning() {
    bool designing = false;
    OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::setDisjunct(bool& field, bool Value, bool& other1, bool& other2) {
    field = Value;
    if (Value && isDesigning()) {
        other1 = false;
        other2 = false;
    }
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
    setDisjunct(FDisjunctRowSelect, Value, FDisjunctColSelect, FDisjunctCellSelect);
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
    setDisjunct(FDisjunctColSelect, Value, FDisjunctRowSelect, FDisjunctCellSelect);
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
    setDisjunct(FDisjunctCellSelect, Value, FDisjunctRowSelect, FDisjunctColSelect);
}

void TMouseActions::Assign(const TMouseActions& Source) {
    AllColumnSize = Source.AllColumnSize;
    AllRowSize = Source.AllRowSize;
    AllSelect = Source.AllSelect;
    AutoSizeColOnDblClick = Source.AutoSizeColOnDblClick;
    CaretPositioning = Source.CaretPositioning;
    CheckAllCheck = Source.CheckAllCheck;
    ColSelect = Source.ColSelect;
    DirectComboClose = Source.DirectComboClose;
    DirectComboDrop = Source.DirectComboDrop;
    DirectDateClose = Source.DirectDateClose;
    DirectDateDrop = Source.DirectDateDrop;
    DirectEdit = Source.DirectEdit;
    FDisjunctRowSelect = Source.FDisjunctRowSelect;
    FDisjunctColSelect = Source.FDisjunctColSelect;
    FDisjunctCellSelect = Source.FDisjunctCellSelect;
    FixedRowsEdit = Source.FixedRowsEdit;
    FixedColsEdit = Source.FixedColsEdit;
    FixedColsEditor = Source.FixedColsEditor;
    FixedRowsEditor = Source.FixedRowsEditor;
    MoveRowOnNodeClick = Source.MoveRowOnNodeClick;
    NoAutoRangeScroll = Source.NoAutoRangeScroll;
    NodeAllExpandContract = Source.NodeAllExpandContract;
    NoScrollOnPartialRow = Source.NoScrollOnPartialRow;
    PreciseCheckBoxCheck = Source.PreciseCheckBoxCheck;
    PreciseNodeClick = Source.PreciseNodeClick;
    RangeSelectAndEdit = Source.RangeSelectAndEdit;
    RowSelect = Source.RowSelect;
    RowSelectPersistent = Source.RowSelectPersistent;
    SelectOnRightClick = Source.SelectOnRightClick;
    SizeFixedCol = Source.SizeFixedCol;
    WheelIncrement = Source.WheelIncrement;
    FWheelAction = Source.FWheelAction;
    DisjunctRowSelectNoCtrl = Source.DisjunctRowSelectNoCtrl;
}

void TSyncGrid::SetGrid(TStringGrid* Value) {
    if (Value != nullptr && static_cast<TComponent*>(Value) == FOwner) return;
    FGrid = Value;
}

void TSyncGrid::Assign(const TSyncGrid& Source) {
    SetGrid(Source.FGrid);
    ScrollHorizontal = Source.ScrollHorizontal;
    ScrollVertical = Source.ScrollVertical;
    SelectionRow = Source.SelectionRow;
    SelectionColumn = Source.SelectionColumn;
    MoveRow = Source.MoveRow;
    MoveColumn = Source.MoveColumn;
}

void TBands::SetActive(bool Value) {
    if (FActive == Value) return;
    FActive = Value;
    OnChange(this);
}

void TBands::Assign(const TBands& Source) {
    FActive = Source.FActive;
    FPrimaryColor = Source.FPrimaryColor;
    FPrimaryLength = Source.FPrimaryLength;
    FSecondaryColor = Source.FSecondaryColor;
    FSecondaryLength = Source.FSecondaryLength;
    Print = Source.Print;
}
