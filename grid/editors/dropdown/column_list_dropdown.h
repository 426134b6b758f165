#pragma once

#include "grid/editors/dropdown/dropdown_columns.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"

#include <QStringList>

class TStringGrid;

// What the multi-column drop-down and the grid drop-down share: a pop-up list of rows with
// several columns under a header row, the items and columns that fill it, the chosen item
// written into the edit as its text in the lookup column, the completion of the typed start
// from the lookup texts, the stepping keys and the wheel, the pop-up fitted to whole rows with
// its columns stretched to its width, and the header and line colours of the styles.
class TColumnListDropDown : public TExCustomDropDown {
public:
    ~TColumnListDropDown() override;

    // The list lookup compares letters in their case.
    bool CaseSensitive = false;
    // The pop-up takes the width its columns need.
    bool DropDownAutoWidth = true;
    // The rows' default height and the unit the pop-up's height is measured out in.
    int DropDownRowHeight = 22;
    TColor LineColor = clSilver;
    TColor FixedLineColor = 0xD1BBA4;
    bool ColumnSizing = false;
    // The column widths follow the pop-up's width in proportion.
    bool ColumnSizeWithDropDown = true;
    TDropDownColumns& Columns() { return columns_; }
    const TDropDownColumns& Columns() const { return columns_; }
    void SetColumns(const TDropDownColumns& Value) { columns_ = Value; }
    TColor HeaderColor = clWhite;
    TColor HeaderColorTo = clGray;
    int HeaderHeight = 25;
    TFont& HeaderFont() { return headerFont_; }
    const TFont& HeaderFont() const { return headerFont_; }
    void SetHeaderFont(const TFont& Value) { headerFont_.Assign(Value); }
    // The column whose text is looked up and written into the edit.
    int LookupColumn = 0;
    TColor SelectionTextColor = clBlack;
    TDropDownItems& Items() { return items_; }
    const TDropDownItems& Items() const { return items_; }
    void SetItems(const TDropDownItems& Value) { items_ = Value; }
    int RowCount() const { return items_.Count(); }
    // The completion compares letters in their case.
    bool MatchCase = false;
    bool MatchStart = true;

    int ItemIndex() const { return itemIndex_; }
    // An item's index writes its lookup text into the edit (empty where it has none); an index
    // past the items is ignored.
    virtual void SetItemIndex(int Value);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();

    // The completion list follows Items and LookupColumn at EndUpdate (and Loaded) only.
    void BeginUpdate() {}
    void EndUpdate() { BuildLookupItems(); }
    void Loaded();
    const QStringList& LookupItems() const { return lookupItems_; }

    TNotifyEvent OnSelect;

    void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
    void SetComponentStyle(TExStyle AStyle) override;
    void WndProc(TMessage& Message) override;

protected:
    // HeightMargin: pixels the fitted pop-up adds below its rows. Office2010: the styles of
    // that family set the header and selection colours too.
    TColumnListDropDown(TComponent* AOwner, int HeightMargin, bool Office2010);

    // The list in the pop-up; nullptr before it is made.
    virtual TStringGrid* ListGrid() const = 0;
    // The rows the Select operations step through.
    virtual int DataCount() const { return items_.Count(); }
    // Home and End in the edit choose the first and last row.
    virtual bool HomeEndSelect(TShiftState Shift) const = 0;
    // Enter in the edit while the list edits a cell: true when it took the key.
    virtual bool ListEditEnter(uint16_t& /*Key*/, TShiftState /*Shift*/) { return false; }
    virtual void ListEditKeyUp(uint16_t /*Key*/, TShiftState /*Shift*/) {}
    // Enter in the edit marks the list's row as chosen.
    virtual void ConfirmListSelection() {}

    void BuildLookupItems();
    // Column widths in proportion to the columns' widths over the pop-up's width.
    void ResizeColumnsToForm();
    // The list's width with every column whole, and the vertical bar where rows are hidden.
    int ListAutoWidth() const;
    void ClearLookupEntry() { lookupEntry_.clear(); }
    // The choice when the list opens, and back to it when the list is cancelled. An opening
    // without a chosen item gets its text back too: it may be typed, not an item's.
    void RememberOpening();
    void RestoreOpening();
    // Selects the text after the first Length characters.
    void SelectRest(int Length);

    void AdjustDropDownHeight(int& Height) override;
    void SetDropDownSize() override;
    void DropDownFormSizing() override;
    void HandleWheelDown() override;
    void HandleWheelUp() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void Change() override;

    TDropDownItems items_;
    TDropDownColumns columns_;
    TFont headerFont_;
    int itemIndex_ = -1;
    int oldItemIndex_ = -1;
    QString lookupEntry_;

private:
    void step(int Value);

    QString openText_;
    int heightMargin_;
    bool office2010_;
    // The lookup texts in item order, and upper-cased for comparing without case.
    QStringList lookupItems_;
    QStringList lookupUpper_;
    bool workMode_ = true;
    bool itemChange_ = false;
    int itemIdx_ = -1;
    int itemSel_ = 0;
};
