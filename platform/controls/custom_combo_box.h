#pragma once

#include "platform/controls/list_control.h"

class TCanvas;
class TComboDropList;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TOwnerDrawStateFlag : uint8_t { odSelected = 1, odFocused = 2, odDisabled = 4, odComboBoxEdit = 8 };
using TOwnerDrawState = uint8_t;

using TDrawItemEvent = TEvent<void(TWinControl* Control, TCanvas& Canvas, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;

// A combo box: a text field (csDropDown, csSimple) or a chosen item (the list styles) with a
// list that drops down below it. The control draws itself and keeps all its state; the list
// is a pop-up (DropList) that the user clicks in.
//
// Keys: F4, Alt+Down and Alt+Up open and close the list. Closed, Up and Down pick the
// neighbouring item; dropped, they move through the list and pick as they go; Enter closes
// the list, Esc closes it and takes back the item held before it opened. A pick by the user
// fires OnClick, then OnSelect (or OnChange when OnSelect is not set); typing in the field
// fires OnChange. Setting ItemIndex or Text in code fires nothing.
//
// AutoComplete: typed into the field, a text that begins an item (case ignored) is completed
// to that item and the completed part selected; in the list styles, characters typed within
// half a second of each other search for the first item they begin.
//
// Opening and closing the list send the control CN_COMMAND with CBN_DROPDOWN and CBN_CLOSEUP
// (code in the high word of wParam) after OnDropDown and before OnCloseUp. CB_SETDROPPEDWIDTH
// sets the list's least width (never below the control's), CB_GETDROPPEDWIDTH reads it.
class TCustomComboBox : public TCustomListControl {
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle Value);
    // Styles whose text is always one of the items.
    bool ListStyle() const { return style_ >= csDropDownList; }

    // Hides the list's own: in the text styles the field takes the item's text.
    void SetItemIndex(int Index);

    QString Text() const;
    void SetText(const QString& Value);
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int Value);
    void SetSelLength(int Value);
    void SelectAll();
    // The caret position in the field's text nearest X, in the control's coordinates.
    int CharFromPos(int X) const;
    int MaxLength = 0;

    bool AutoComplete = true;
    unsigned AutoCompleteDelay = 500;
    int DropDownCount = 8;
    // Pixel height of an item; 0 takes the height of the font's text.
    int ItemHeight() const;
    void SetItemHeight(int Value);
    // The height of one item: OnMeasureItem decides in csOwnerDrawVariable.
    int ItemHeightOf(int Index);

    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool Value);
    TComboDropList* DropList() const { return list_; }
    // Width of the drop button strip that a click opens the list from.
    int ButtonStripWidth() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void WndProc(TMessage& Message) override;

    // The list's items drawn one by one: owner-drawn styles with OnDrawItem set call it.
    virtual void DrawItem(TCanvas& Canvas, int Index, const TRect& Rect, TOwnerDrawState State);
    // The user picked an item in the list (or with the keys).
    void PickItem(int Index);
    // The list closes; Accept false takes back the item held before it opened.
    void CloseUp(bool Accept);

protected:
    void ItemPicked() override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void PaintWindow(TCanvas& Canvas) override;

private:
    void typeInto(QChar ch);
    void completeText();
    void searchList(QChar ch);

    TComboBoxStyle style_ = csDropDown;
    QString text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int itemHeight_ = 0;
    int droppedWidth_ = 0;
    bool droppedDown_ = false;
    int indexBeforeDrop_ = -1;
    QString textBeforeDrop_;
    TComboDropList* list_ = nullptr;
    QString search_;
    uint64_t lastSearchKey_ = 0;
};
