#pragma once

#include "grid/editors/dropdown/column_list_dropdown.h"
#include "grid/editors/dropdown/grid_dropdown_list.h"

#include <memory>

class TBands;
class TMouseActions;
class TNavigation;
class TSearchFooter;

// With dsDropDown the edit takes typing; with dsDropDownList typed characters only look up.
enum TDropDownStyle { dsDropDown, dsDropDownList };
// What a typed character does to the list: go to the first row that starts with the letters
// typed so far, keep only the rows that contain them, or nothing.
enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
// Sorting the list by a click on a header.
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

// A drop-down edit whose pop-up holds a whole string grid. With UseItems the list is built
// from Items and Columns (a row per item, a column per definition, a header row of the
// columns' headers) at every opening; without it the list is what the application put into
// the grid (Grid()). Typing looks a row up or narrows the list down; the list can be sorted by
// its headers, sized and edited, and its events reach the application as the OnGrid events.
// Accepting a row writes its text in LookupColumn into the edit.
class TCustomExGridDropDown : public TColumnListDropDown {
public:
    explicit TCustomExGridDropDown(TComponent* AOwner);
    ~TCustomExGridDropDown() override;

    // A typed character opens the list.
    bool AutoShowDropDown = false;
    // The columns take the widths their texts need at each opening.
    bool AutoSizeColumns = true;
    TBands& Bands() { return *bands_; }
    void SetBands(const TBands& Value);
    bool ColumnMoving = false;
    // The list's cells can be edited; a choice then leaves it open.
    bool GridEditable = false;
    TImageList* GridImages = nullptr;
    bool HoverRow = false;
    TColor HoverRowColor = clInfoBk;
    TColor HoverRowColorTo = clNone;
    TLookupMethod LookupMethod = lmLookup;
    TMouseActions& MouseActions() { return *mouseActions_; }
    void SetMouseActions(const TMouseActions& Value);
    TNavigation& Navigation() { return *navigation_; }
    void SetNavigation(const TNavigation& Value);
    bool RowSizing = false;
    bool RowMoving = false;
    bool RowSelect = true;
    TSearchFooter& SearchFooter() { return *searchFooter_; }
    void SetSearchFooter(const TSearchFooter& Value);
    TGridSorting Sorting = gsNone;
    TDropDownStyle Style() const { return style_; }
    void SetStyle(TDropDownStyle Value);
    bool UseItems = true;

    // The list; the application fills it here when UseItems is off.
    GridDropDown::TExColGrid* Grid() const { return grid_; }
    // The first item (UseItems) or grid row whose lookup text starts with Value: its text and
    // the item's index or the grid's row; false with Row -1 for none.
    bool LookupText(const QString& Value, QString& FullText, int& Row) const;
    // Without UseItems the index counts the grid's data rows.
    void SetItemIndex(int Value) override;
    const QString& LookupEntry() const { return lookupEntry_; }

    void Loaded();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    int GetVersionNr() const override { return 0x06000101; }

    // The list grid's events, fired with the grid as Sender unless said otherwise.
    decltype(TExStringGrid::OnAnchorClick) OnGridAnchorClick;
    decltype(TExStringGrid::OnAnchorEnter) OnGridAnchorEnter;
    decltype(TExStringGrid::OnAnchorExit) OnGridAnchorExit;
    decltype(TExStringGrid::OnAnchorHint) OnGridAnchorHint;
    decltype(TExStringGrid::OnButtonClick) OnGridButtonClick;
    decltype(TExStringGrid::OnCanSort) OnGridCanSort;
    decltype(TExStringGrid::OnClickSort) OnGridClickSort;
    decltype(TExStringGrid::OnCustomCompare) OnGridCustomCompare;
    decltype(TExStringGrid::OnRawCompare) OnGridRawCompare;
    decltype(TExStringGrid::OnColumnSize) OnGridColumnSize;
    decltype(TExStringGrid::OnColumnSizing) OnGridColumnSizing;
    decltype(TExStringGrid::OnEndColumnSize) OnGridEndColumnSize;
    decltype(TExStringGrid::OnRowSize) OnGridRowSize;
    decltype(TExStringGrid::OnRowSizing) OnGridRowSizing;
    decltype(TExStringGrid::OnEndRowSize) OnGridEndRowSize;
    decltype(TExStringGrid::OnRowMove) OnGridRowMove;
    decltype(TExStringGrid::OnRowMoving) OnGridRowMoving;
    decltype(TExStringGrid::OnRowMoved) OnGridRowMoved;
    decltype(TExStringGrid::OnColumnMove) OnGridColumnMove;
    decltype(TExStringGrid::OnColumnMoving) OnGridColumnMoving;
    decltype(TExStringGrid::OnCustomCellDraw) OnGridCustomCellDraw;
    decltype(TExStringGrid::OnCustomCellBkgDraw) OnGridCustomCellBkgDraw;
    decltype(TExStringGrid::OnCellBalloon) OnGridCellBalloon;
    decltype(TExStringGrid::OnGetAlignment) OnGridGetAlignment;
    decltype(TExStringGrid::OnGetCellColor) OnGridGetCellColor;
    decltype(TExStringGrid::OnGetCellGradient) OnGridGetCellGradient;
    decltype(TExStringGrid::OnGetFloatFormat) OnGridGetFloatFormat;
    decltype(TExStringGrid::OnGetEditorType) OnGridGetEditorType;
    decltype(TExStringGrid::OnGetEditorPropInt) OnGridGetEditorProp;
    decltype(TExStringGrid::OnCanEditCell) OnGridCanEditCell;
    decltype(TExStringGrid::OnEllipsClick) OnGridEllipsClick;
    decltype(TExStringGrid::OnGetDisplText) OnGridGetDiplText;
    decltype(TExStringGrid::OnGetFormat) OnGridGetFormat;
    decltype(TExStringGrid::OnGridHint) OnGridHint;
    decltype(TExStringGrid::OnMouseMove) OnGridMouseMove;
    decltype(TExStringGrid::OnMouseDown) OnGridMouseDown;
    decltype(TExStringGrid::OnMouseUp) OnGridMouseUp;
    // The three key events come from the open list with the drop-down as Sender.
    decltype(TExStringGrid::OnKeyDown) OnGridKeyDown;
    decltype(TExStringGrid::OnKeyUp) OnGridKeyUp;
    decltype(TExStringGrid::OnKeyPress) OnGridKeyPress;
    decltype(TExStringGrid::OnRightClickCell) OnGridRightClickCell;
    decltype(TExStringGrid::OnScrollHint) OnGridScrollHint;
    // Sender: the drop-down.
    TNotifyEvent OnGridTopLeftChanged;
    decltype(TExStringGrid::OnSearchEditChange) OnGridSearchEditChange;
    decltype(TExStringGrid::OnSpinClick) OnGridSpinClick;
    decltype(TExStringGrid::OnAutoAddRow) OnGridAutoAddRow;
    decltype(TExStringGrid::OnAutoInsertRow) OnGridInsertRow;
    decltype(TExStringGrid::OnAutoInsertCol) OnGridInsertCol;
    decltype(TExStringGrid::OnAutoDeleteRow) OnGridDeleteRow;
    decltype(TExStringGrid::OnCanAddRow) OnGridCanAddRow;
    decltype(TExStringGrid::OnCanInsertRow) OnGridCanInsertRow;
    decltype(TExStringGrid::OnCanDeleteRow) OnGridCanDeleteRow;
    decltype(TExStringGrid::OnCheckBoxClick) OnGridCheckBoxClick;

protected:
    GridDropDown::TExColGrid* ListGrid() const override { return grid_; }
    int DataCount() const override;
    bool HomeEndSelect(TShiftState Shift) const override { return !(Shift & ssShift) && style_ == dsDropDownList; }
    bool ListEditEnter(uint16_t& Key, TShiftState Shift) override;
    void ListEditKeyUp(uint16_t Key, TShiftState Shift) override;
    void ConfirmListSelection() override;

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void PlaceDropDownControl() override;
    void DoHideDropDown(bool Cancel) override;
    void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;

    // The list grid's events reach the OnGrid events through these; a descendant overrides
    // one to act on the event itself. Those marked "unbound" have no grid event behind them.
    virtual void DoAnchorClick(TObject* Sender, int ARow, int ACol, QString Anchor, bool& AutoHandle);
    virtual void DoAnchorEnter(TObject* Sender, int ARow, int ACol, QString Anchor);
    virtual void DoAnchorExit(TObject* Sender, int ARow, int ACol, QString Anchor);
    virtual void DoAnchorHint(TObject* Sender, int ARow, int ACol, QString& Anchor);
    virtual void DoButtonClick(TObject* Sender, int ACol, int ARow);
    virtual void DoCanSort(TObject* Sender, int ACol, bool& DoSort);
    virtual void DoClickSort(TObject* Sender, int ACol);
    virtual void DoCustomCompare(TObject* Sender, QString Str1, QString Str2, int& Res);  // unbound
    virtual void DoRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res);   // unbound
    virtual void DoColumnSize(TObject* Sender, int ACol, bool& Allow);
    virtual void DoColumnSizing(TObject* Sender, int ACol, int ColumnSize);
    virtual void DoEndColumnSize(TObject* Sender, int ACol);
    virtual void DoRowSize(TObject* Sender, int ARow, bool& Allow);
    virtual void DoRowSizing(TObject* Sender, int ARow, int RowSize);
    virtual void DoEndRowSize(TObject* Sender, int ARow);
    virtual void DoRowMove(TObject* Sender, int ARow, bool& Allow);
    virtual void DoRowMoving(TObject* Sender, int ARow, bool& Allow);
    virtual void DoRowMoved(TObject* Sender, int FromIndex, int ToIndex);
    virtual void DoColumnMove(TObject* Sender, int ACol, bool& Allow);
    virtual void DoColumnMoving(TObject* Sender, int ACol, bool& Allow);
    virtual void DoCustomCellDraw(TObject* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState,
                                  TRect ARect, bool Printing);
    virtual void DoCustomCellBkgDraw(TObject* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState,
                                     TRect ARect, bool Printing);
    virtual void DoCellBalloon(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon);
    virtual void DoGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void DoGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush& ABrush,
                                TFont& AFont);
    virtual void DoGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                   TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD);
    virtual void DoGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat);
    virtual void DoGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    virtual void DoGetEditorProp(TObject* Sender, int ARow, int ACol);
    virtual void DoCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit);
    virtual void DoEllipsClick(TObject* Sender, int ACol, int ARow, QString& S);
    virtual void DoGetDisplText(TObject* Sender, int ACol, int ARow, QString& Value);
    virtual void DoGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix);
    virtual void DoGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);
    virtual void DoMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    virtual void DoMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);  // unbound
    virtual void DoKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift);
    virtual void DoKeyPress(TObject* Sender, QChar& Key);  // unbound
    virtual void DoRightClickCell(TObject* Sender, int ARow, int ACol);
    virtual void DoScrollHint(TObject* Sender, int ARow, QString& HintStr);
    virtual void DoTopLeftChanged(TObject* Sender);
    virtual void DoSearchEditChange(TObject* Sender, QString Value, bool& DefaultSearch);
    virtual void DoSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown);  // unbound
    virtual void DoAutoAddRow(TObject* Sender, int ARow);
    virtual void DoAutoInsertRow(TObject* Sender, int ARow);
    virtual void DoAutoInsertCol(TObject* Sender, int ACol);
    virtual void DoAutoDeleteRow(TObject* Sender, int ARow);
    virtual void DoCanAddRow(TObject* Sender, bool& CanAdd);
    virtual void DoCanInsertRow(TObject* Sender, int ARow, bool& CanInsert);
    virtual void DoCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete);
    void DoCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

private:
    friend class GridDropDown::TExColGrid;

    // A typed character looked up: the item found (UseItems) or grid row, the first row left
    // by a narrow down, -1 for none.
    int lookupChar(QChar C);
    void showLookup(const QString& FullText);
    void bindGridEvents();
    void gridSelectCell(int ARow);
    void gridSelect();
    // Runs an event of the list with the pop-up kept open, for dialogs the handler may show.
    void keepOpen(const std::function<void()>& Event);

    GridDropDown::TExColGrid* grid_ = nullptr;
    std::unique_ptr<TBands> bands_;
    std::unique_ptr<TMouseActions> mouseActions_;
    std::unique_ptr<TNavigation> navigation_;
    std::unique_ptr<TSearchFooter> searchFooter_;
    TDropDownStyle style_ = dsDropDown;
    bool balloonInit_ = false;
    int selRow_ = 0;
    int tempItemIndex_ = -1;
};

// The grid drop-down as a component of its own.
class TExGridDropDown : public TCustomExGridDropDown {
public:
    using TCustomExGridDropDown::TCustomExGridDropDown;
};
