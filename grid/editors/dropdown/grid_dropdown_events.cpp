#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/grid_dropdown.h"
#include "grid/stringgrid/model/owned_settings.h"

// The list grid's events handed on as the drop-down's OnGrid events.

void TCustomExGridDropDown::keepOpen(const std::function<void()>& Event) {
    TDropDownForm* form = DropDownForm();
    if (form) form->BlockActivate = true;
    Event();
    if (form) form->BlockActivate = false;
}

void TCustomExGridDropDown::bindGridEvents() {
    GridDropDown::TExColGrid& g = *grid_;
    g.OnSelect = [this](TObject*) { gridSelect(); };
    g.OnSelectCell = [this](TObject*, int, int ARow, bool&) { gridSelectCell(ARow); };
    g.OnAnchorClick = [this](TObject* S, int R, int C, QString A, bool& H) { DoAnchorClick(S, R, C, A, H); };
    g.OnAnchorEnter = [this](TObject* S, int R, int C, QString A) { DoAnchorEnter(S, R, C, A); };
    g.OnAnchorExit = [this](TObject* S, int R, int C, QString A) { DoAnchorExit(S, R, C, A); };
    g.OnAnchorHint = [this](TObject* S, int R, int C, QString& A) { DoAnchorHint(S, R, C, A); };
    g.OnButtonClick = [this](TObject* S, int C, int R) { DoButtonClick(S, C, R); };
    g.OnCanSort = [this](TObject* S, int C, bool& D) { DoCanSort(S, C, D); };
    g.OnClickSort = [this](TObject* S, int C) { DoClickSort(S, C); };
    g.OnColumnSize = [this](TObject* S, int C, bool& A) { DoColumnSize(S, C, A); };
    g.OnColumnSizing = [this](TObject* S, int C, int W) { DoColumnSizing(S, C, W); };
    g.OnEndColumnSize = [this](TObject* S, int C) { DoEndColumnSize(S, C); };
    g.OnRowSize = [this](TObject* S, int R, bool& A) { DoRowSize(S, R, A); };
    g.OnRowSizing = [this](TObject* S, int R, int H) { DoRowSizing(S, R, H); };
    g.OnEndRowSize = [this](TObject* S, int R) { DoEndRowSize(S, R); };
    g.OnRowMove = [this](TObject* S, int R, bool& A) { DoRowMove(S, R, A); };
    g.OnRowMoving = [this](TObject* S, int R, bool& A) { DoRowMoving(S, R, A); };
    g.OnRowMoved = [this](TObject* S, int F, int T) { DoRowMoved(S, F, T); };
    g.OnColumnMove = [this](TObject* S, int C, bool& A) { DoColumnMove(S, C, A); };
    g.OnColumnMoving = [this](TObject* S, int C, bool& A) { DoColumnMoving(S, C, A); };
    // Custom drawing replaces the grid's own only where the application asked for it.
    g.OnCustomCellDraw = nullptr;
    if (OnGridCustomCellDraw)
        g.OnCustomCellDraw = [this](TObject* S, TCanvas& Cv, int C, int R, TGridDrawState St, TRect Rc, bool P) {
            DoCustomCellDraw(S, Cv, C, R, St, Rc, P);
        };
    g.OnCustomCellBkgDraw = nullptr;
    if (OnGridCustomCellBkgDraw)
        g.OnCustomCellBkgDraw = [this](TObject* S, TCanvas& Cv, int C, int R, TGridDrawState St, TRect Rc, bool P) {
            DoCustomCellBkgDraw(S, Cv, C, R, St, Rc, P);
        };
    g.OnCellBalloon = [this](TObject* S, int C, int R, QString& T, QString& X, int& I) { DoCellBalloon(S, C, R, T, X, I); };
    g.OnGetAlignment = [this](TObject* S, int R, int C, TAlignment& H, TVAlignment& V) { DoGetAlignment(S, R, C, H, V); };
    g.OnGetCellColor = [this](TObject* S, int R, int C, TGridDrawState St, TBrush& B, TFont& F) {
        DoGetCellColor(S, R, C, St, B, F);
    };
    g.OnGetCellGradient = [this](TObject* S, int R, int C, TColor& A, TColor& B, TColor& M, TColor& N,
                                 TCellGradientDirection& D) { DoGetCellGradient(S, R, C, A, B, M, N, D); };
    g.OnGetFloatFormat = [this](TObject* S, int C, int R, bool& I, QString& F) { DoGetFloatFormat(S, C, R, I, F); };
    g.OnGetEditorType = [this](TObject* S, int C, int R, TEditorType& E) { DoGetEditorType(S, C, R, E); };
    g.OnGetEditorPropInt = [this](TObject* S, int R, int C) { DoGetEditorProp(S, R, C); };
    g.OnCanEditCell = [this](TObject* S, int R, int C, bool& E) { DoCanEditCell(S, R, C, E); };
    g.OnEllipsClick = [this](TObject* S, int C, int R, QString& T) { DoEllipsClick(S, C, R, T); };
    g.OnGetDisplText = [this](TObject* S, int C, int R, QString& V) { DoGetDisplText(S, C, R, V); };
    g.OnGetFormat = [this](TObject* S, int C, TSortStyle& St, QString& P, QString& X) { DoGetFormat(S, C, St, P, X); };
    g.OnGridHint = [this](TObject* S, int R, int C, QString& H) { DoGridHint(S, R, C, H); };
    g.OnMouseMove = [this](TObject* S, TShiftState Sh, int X, int Y) { DoMouseMove(S, Sh, X, Y); };
    g.OnMouseDown = [this](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) { DoMouseDown(S, B, Sh, X, Y); };
    g.OnMouseUp = [this](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) { DoMouseUp(S, B, Sh, X, Y); };
    g.OnRightClickCell = [this](TObject* S, int R, int C) { DoRightClickCell(S, R, C); };
    g.OnScrollHint = [this](TObject* S, int R, QString& H) { DoScrollHint(S, R, H); };
    g.OnSearchEditChange = [this](TObject* S, QString V, bool& D) { DoSearchEditChange(S, V, D); };
    g.OnAutoAddRow = [this](TObject* S, int R) { DoAutoAddRow(S, R); };
    g.OnAutoInsertRow = [this](TObject* S, int R) { DoAutoInsertRow(S, R); };
    g.OnAutoInsertCol = [this](TObject* S, int C) { DoAutoInsertCol(S, C); };
    g.OnAutoDeleteRow = [this](TObject* S, int R) { DoAutoDeleteRow(S, R); };
    g.OnCanAddRow = [this](TObject* S, bool& A) { DoCanAddRow(S, A); };
    g.OnCanInsertRow = [this](TObject* S, int R, bool& A) { DoCanInsertRow(S, R, A); };
    g.OnCanDeleteRow = [this](TObject* S, int R, bool& A) { DoCanDeleteRow(S, R, A); };
    g.OnCheckBoxClick = [this](TObject* S, int C, int R, bool St) { DoCheckBoxClick(S, C, R, St); };
}

// ---- the forwarders

void TCustomExGridDropDown::DoAnchorClick(TObject* Sender, int ARow, int ACol, QString Anchor, bool& AutoHandle) {
    keepOpen([&] { OnGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle); });
}
void TCustomExGridDropDown::DoAnchorEnter(TObject* Sender, int ARow, int ACol, QString Anchor) {
    OnGridAnchorEnter(Sender, ARow, ACol, Anchor);
}
void TCustomExGridDropDown::DoAnchorExit(TObject* Sender, int ARow, int ACol, QString Anchor) {
    OnGridAnchorExit(Sender, ARow, ACol, Anchor);
}
void TCustomExGridDropDown::DoAnchorHint(TObject* Sender, int ARow, int ACol, QString& Anchor) {
    OnGridAnchorHint(Sender, ARow, ACol, Anchor);
}
void TCustomExGridDropDown::DoButtonClick(TObject* Sender, int ACol, int ARow) {
    keepOpen([&] { OnGridButtonClick(Sender, ACol, ARow); });
}
// A sort by a header click keeps the chosen item's row current.
void TCustomExGridDropDown::DoCanSort(TObject* Sender, int ACol, bool& DoSort) {
    tempItemIndex_ = itemIndex_;
    OnGridCanSort(Sender, ACol, DoSort);
}
void TCustomExGridDropDown::DoClickSort(TObject* Sender, int ACol) {
    if (tempItemIndex_ >= 0 && grid_) {
        const int row = grid_->RowOfItem(tempItemIndex_);
        if (row >= grid_->FixedRows() && row < grid_->RowCount()) grid_->SetRow(row);
    }
    OnGridClickSort(Sender, ACol);
}
void TCustomExGridDropDown::DoCustomCompare(TObject* Sender, QString Str1, QString Str2, int& Res) {
    OnGridCustomCompare(Sender, Str1, Str2, Res);
}
void TCustomExGridDropDown::DoRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res) {
    OnGridRawCompare(Sender, ACol, Row1, Row2, Res);
}
void TCustomExGridDropDown::DoColumnSize(TObject* Sender, int ACol, bool& Allow) { OnGridColumnSize(Sender, ACol, Allow); }
void TCustomExGridDropDown::DoColumnSizing(TObject* Sender, int ACol, int ColumnSize) {
    OnGridColumnSizing(Sender, ACol, ColumnSize);
}
void TCustomExGridDropDown::DoEndColumnSize(TObject* Sender, int ACol) { OnGridEndColumnSize(Sender, ACol); }
void TCustomExGridDropDown::DoRowSize(TObject* Sender, int ARow, bool& Allow) { OnGridRowSize(Sender, ARow, Allow); }
void TCustomExGridDropDown::DoRowSizing(TObject* Sender, int ARow, int RowSize) { OnGridRowSizing(Sender, ARow, RowSize); }
void TCustomExGridDropDown::DoEndRowSize(TObject* Sender, int ARow) { OnGridEndRowSize(Sender, ARow); }
void TCustomExGridDropDown::DoRowMove(TObject* Sender, int ARow, bool& Allow) { OnGridRowMove(Sender, ARow, Allow); }
void TCustomExGridDropDown::DoRowMoving(TObject* Sender, int ARow, bool& Allow) { OnGridRowMoving(Sender, ARow, Allow); }
void TCustomExGridDropDown::DoRowMoved(TObject* Sender, int FromIndex, int ToIndex) {
    OnGridRowMoved(Sender, FromIndex, ToIndex);
}
void TCustomExGridDropDown::DoColumnMove(TObject* Sender, int ACol, bool& Allow) { OnGridColumnMove(Sender, ACol, Allow); }
void TCustomExGridDropDown::DoColumnMoving(TObject* Sender, int ACol, bool& Allow) {
    OnGridColumnMoving(Sender, ACol, Allow);
}
void TCustomExGridDropDown::DoCustomCellDraw(TObject* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState,
                                             TRect ARect, bool Printing) {
    OnGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}
void TCustomExGridDropDown::DoCustomCellBkgDraw(TObject* Sender, TCanvas& Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing) {
    OnGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}
void TCustomExGridDropDown::DoCellBalloon(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText,
                                          int& AIcon) {
    OnGridCellBalloon(Sender, ACol, ARow, ATitle, AText, AIcon);
}
void TCustomExGridDropDown::DoGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign) {
    if (ACol >= 0 && ACol < columns_.Count()) HAlign = columns_[static_cast<size_t>(ACol)].Alignment;
    OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
}
void TCustomExGridDropDown::DoGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush& ABrush,
                                           TFont& AFont) {
    if (ACol >= 0 && ACol < columns_.Count()) ABrush.Color = columns_[static_cast<size_t>(ACol)].Color;
    OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
}
void TCustomExGridDropDown::DoGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                              TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD) {
    OnGridGetCellGradient(Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}
void TCustomExGridDropDown::DoGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat) {
    FloatFormat.clear();
    OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
}
void TCustomExGridDropDown::DoGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor) {
    OnGridGetEditorType(Sender, ACol, ARow, AEditor);
}
void TCustomExGridDropDown::DoGetEditorProp(TObject* Sender, int ARow, int ACol) { OnGridGetEditorProp(Sender, ARow, ACol); }
void TCustomExGridDropDown::DoCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit) {
    OnGridCanEditCell(Sender, ARow, ACol, CanEdit);
}
void TCustomExGridDropDown::DoEllipsClick(TObject* Sender, int ACol, int ARow, QString& S) {
    keepOpen([&] { OnGridEllipsClick(Sender, ACol, ARow, S); });
}
void TCustomExGridDropDown::DoGetDisplText(TObject* Sender, int ACol, int ARow, QString& Value) {
    OnGridGetDiplText(Sender, ACol, ARow, Value);
}
void TCustomExGridDropDown::DoGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, QString& APrefix,
                                        QString& ASuffix) {
    OnGridGetFormat(Sender, ACol, AStyle, APrefix, ASuffix);
}
void TCustomExGridDropDown::DoGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
    OnGridHint(Sender, ARow, ACol, HintStr);
}
void TCustomExGridDropDown::DoMouseMove(TObject* Sender, TShiftState Shift, int X, int Y) {
    // Balloons armed again once per opening, so that the list's first hover shows them.
    if (!balloonInit_ && grid_ && grid_->Balloon().Enable()) {
        grid_->Balloon().SetEnable(false);
        grid_->Balloon().SetEnable(true);
    }
    balloonInit_ = true;
    OnGridMouseMove(Sender, Shift, X, Y);
}
void TCustomExGridDropDown::DoMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
    OnGridMouseDown(Sender, Button, Shift, X, Y);
}
void TCustomExGridDropDown::DoMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
    OnGridMouseUp(Sender, Button, Shift, X, Y);
}
void TCustomExGridDropDown::DoKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift) { OnGridKeyDown(Sender, Key, Shift); }
void TCustomExGridDropDown::DoKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift) { OnGridKeyUp(Sender, Key, Shift); }
void TCustomExGridDropDown::DoKeyPress(TObject* Sender, QChar& Key) { OnGridKeyPress(Sender, Key); }
void TCustomExGridDropDown::DoRightClickCell(TObject* Sender, int ARow, int ACol) { OnGridRightClickCell(Sender, ARow, ACol); }
void TCustomExGridDropDown::DoScrollHint(TObject* Sender, int ARow, QString& HintStr) { OnGridScrollHint(Sender, ARow, HintStr); }
void TCustomExGridDropDown::DoTopLeftChanged(TObject* Sender) { OnGridTopLeftChanged(Sender); }
void TCustomExGridDropDown::DoSearchEditChange(TObject* Sender, QString Value, bool& DefaultSearch) {
    OnGridSearchEditChange(Sender, Value, DefaultSearch);
}
void TCustomExGridDropDown::DoSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown) {
    OnGridSpinClick(Sender, ACol, ARow, AValue, UpDown);
}
void TCustomExGridDropDown::DoAutoAddRow(TObject* Sender, int ARow) { OnGridAutoAddRow(Sender, ARow); }
void TCustomExGridDropDown::DoAutoInsertRow(TObject* Sender, int ARow) { OnGridInsertRow(Sender, ARow); }
void TCustomExGridDropDown::DoAutoInsertCol(TObject* Sender, int ACol) { OnGridInsertCol(Sender, ACol); }
void TCustomExGridDropDown::DoAutoDeleteRow(TObject* Sender, int ARow) { OnGridDeleteRow(Sender, ARow); }
void TCustomExGridDropDown::DoCanAddRow(TObject* Sender, bool& CanAdd) { OnGridCanAddRow(Sender, CanAdd); }
void TCustomExGridDropDown::DoCanInsertRow(TObject* Sender, int ARow, bool& CanInsert) {
    OnGridCanInsertRow(Sender, ARow, CanInsert);
}
void TCustomExGridDropDown::DoCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete) {
    OnGridCanDeleteRow(Sender, ARow, CanDelete);
}
void TCustomExGridDropDown::DoCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State) {
    OnGridCheckBoxClick(Sender, ACol, ARow, State);
}
