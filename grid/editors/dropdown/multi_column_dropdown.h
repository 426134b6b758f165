#pragma once

#include "grid/editors/dropdown/column_list_dropdown.h"
#include "grid/editors/dropdown/multi_column_list.h"

// Paints a list cell in place of the built-in painting.
using TDropDownDrawItemEvent =
    TEvent<void(TObject* Sender, int Column, int Row, TCanvas& ACanvas, TRect ARect)>;
using TDropDownGetItemPropEvent =
    TEvent<void(TObject* Sender, int Column, int Row, TFont& AFont, TColor& AColor, TColor& AColorTo)>;
// Changes the text a list cell shows.
using TDropDownGetItemTextEvent = TEvent<void(TObject* Sender, int Column, int Row, QString& Text)>;

// A drop-down edit whose pop-up shows its items as rows of a list with several columns, a
// header row and lines. The edit shows the chosen row's text in the lookup column; typing in
// the edit completes it from the items, typing in the open list goes to the first row that
// starts with the letters typed so far.
class TExMultiColumnDropDown : public TColumnListDropDown {
public:
    explicit TExMultiColumnDropDown(TComponent* AOwner);
    ~TExMultiColumnDropDown() override;

    // The first item whose lookup text is exactly Value, -1 for none.
    int GetItemIndex(const QString& Value) const { return items_.IndexInColumn(LookupColumn, Value); }
    MultiColumnList::TExColGrid* ListGrid() const override { return grid_; }
    const QString& LookupEntry() const { return lookupEntry_; }

    void Assign(const TExMultiColumnDropDown& Source);

    TDropDownDrawItemEvent OnDropDownDrawItem;
    TDropDownGetItemPropEvent OnDropDownGetItemProp;
    TDropDownGetItemTextEvent OnDropDownGetItemText;

protected:
    bool HomeEndSelect(TShiftState) const override { return !EditorEnabled(); }

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void PlaceDropDownControl() override;
    void DoHideDropDown(bool Cancel) override;
    void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;

private:
    // The item a typed character leads to, -1 for none.
    int lookupChar(QChar C);
    bool lookup(const QString& Entry);
    void gridSelect();

    MultiColumnList::TExColGrid* grid_ = nullptr;
    bool showing_ = false;
};
