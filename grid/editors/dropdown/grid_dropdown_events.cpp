#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/grid_dropdown.h"
#include "grid/stringgrid/model/owned_settings.h"

// The list grid's events handed on as the drop-down's OnGrid events.

namespace {

// A handler that fires Target with the list's arguments, whenever it is assigned by then.
template <typename Event>
auto forwardTo(const Event& Target) {
    return [&Target](auto&&... Args) { Target(std::forward<decltype(Args)>(Args)...); };
}

}  // namespace

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
    // A sort by a header click keeps the chosen item's row current.
    g.OnCanSort = [this](TObject* Sender, int ACol, bool& DoSort) {
        tempItemIndex_ = itemIndex_;
        OnGridCanSort(Sender, ACol, DoSort);
    };
    g.OnClickSort = [this](TObject* Sender, int ACol) {
        if (tempItemIndex_ >= 0 && grid_) {
            const int row = grid_->RowOfItem(tempItemIndex_);
            if (row >= grid_->FixedRows() && row < grid_->RowCount()) grid_->SetRow(row);
        }
        OnGridClickSort(Sender, ACol);
    };

    g.OnAnchorClick = [this](TObject* Sender, int ARow, int ACol, QString Anchor, bool& AutoHandle) {
        keepOpen([&] { OnGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle); });
    };
    g.OnButtonClick = [this](TObject* Sender, int ACol, int ARow) {
        keepOpen([&] { OnGridButtonClick(Sender, ACol, ARow); });
    };
    g.OnEllipsClick = [this](TObject* Sender, int ACol, int ARow, QString& S) {
        keepOpen([&] { OnGridEllipsClick(Sender, ACol, ARow, S); });
    };
    g.OnAnchorEnter = forwardTo(OnGridAnchorEnter);
    g.OnAnchorExit = forwardTo(OnGridAnchorExit);
    g.OnAnchorHint = forwardTo(OnGridAnchorHint);
    g.OnColumnSize = forwardTo(OnGridColumnSize);
    g.OnColumnSizing = forwardTo(OnGridColumnSizing);
    g.OnEndColumnSize = forwardTo(OnGridEndColumnSize);
    g.OnRowSize = forwardTo(OnGridRowSize);
    g.OnRowSizing = forwardTo(OnGridRowSizing);
    g.OnEndRowSize = forwardTo(OnGridEndRowSize);
    g.OnRowMove = forwardTo(OnGridRowMove);
    g.OnRowMoving = forwardTo(OnGridRowMoving);
    g.OnColumnMove = forwardTo(OnGridColumnMove);
    g.OnColumnMoving = forwardTo(OnGridColumnMoving);
    // Custom drawing replaces the grid's own only where the application asked for it.
    g.OnCustomCellDraw = nullptr;
    if (OnGridCustomCellDraw) g.OnCustomCellDraw = forwardTo(OnGridCustomCellDraw);
    g.OnCustomCellBkgDraw = nullptr;
    if (OnGridCustomCellBkgDraw) g.OnCustomCellBkgDraw = forwardTo(OnGridCustomCellBkgDraw);
    g.OnCellBalloon = forwardTo(OnGridCellBalloon);
    g.OnGetAlignment = [this](TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign) {
        if (ACol >= 0 && ACol < columns_.Count()) HAlign = columns_[static_cast<size_t>(ACol)].Alignment;
        OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
    };
    g.OnGetCellColor = [this](TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
        if (ACol >= 0 && ACol < columns_.Count()) ABrush.Color = columns_[static_cast<size_t>(ACol)].Color;
        OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
    };
    g.OnGetCellGradient = forwardTo(OnGridGetCellGradient);
    g.OnGetFloatFormat = [this](TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat) {
        FloatFormat.clear();
        OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
    };
    g.OnGetEditorType = forwardTo(OnGridGetEditorType);
    g.OnGetEditorPropInt = forwardTo(OnGridGetEditorProp);
    g.OnCanEditCell = forwardTo(OnGridCanEditCell);
    g.OnGetDisplText = forwardTo(OnGridGetDiplText);
    g.OnGetFormat = forwardTo(OnGridGetFormat);
    g.OnGridHint = forwardTo(OnGridHint);
    g.OnMouseMove = [this](TObject* Sender, TShiftState Shift, int X, int Y) {
        // Balloons armed again once per opening, so that the list's first hover shows them.
        if (!balloonInit_ && grid_ && grid_->Balloon().Enable()) {
            grid_->Balloon().SetEnable(false);
            grid_->Balloon().SetEnable(true);
        }
        balloonInit_ = true;
        OnGridMouseMove(Sender, Shift, X, Y);
    };
    g.OnMouseDown = forwardTo(OnGridMouseDown);
    g.OnMouseUp = forwardTo(OnGridMouseUp);
    g.OnRightClickCell = forwardTo(OnGridRightClickCell);
    g.OnScrollHint = forwardTo(OnGridScrollHint);
    g.OnSearchEditChange = forwardTo(OnGridSearchEditChange);
    g.OnAutoAddRow = forwardTo(OnGridAutoAddRow);
    g.OnAutoInsertRow = forwardTo(OnGridInsertRow);
    g.OnAutoInsertCol = forwardTo(OnGridInsertCol);
    g.OnAutoDeleteRow = forwardTo(OnGridDeleteRow);
    g.OnCanAddRow = forwardTo(OnGridCanAddRow);
    g.OnCanInsertRow = forwardTo(OnGridCanInsertRow);
    g.OnCanDeleteRow = forwardTo(OnGridCanDeleteRow);
    g.OnCheckBoxClick = forwardTo(OnGridCheckBoxClick);
}
