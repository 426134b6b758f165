#pragma once

#include "grid/editors/dropdown/item_selector.h"
#include "platform/controls/control.h"
#include "platform/graphics/graphic.h"

#include <memory>
#include <vector>

class TCustomEdit;
class TExCustomDropDown;
class TImageList;

// A key of a button panel: its caption or picture, the code it stands for (Tag) and its
// rectangle in the panel.
struct TButtonItem {
    QString Caption;
    int ImageIndex = -1;
    // A disabled key can be neither hot nor pressed.
    bool Enabled = true;
    std::shared_ptr<TBitmap> Image = std::make_shared<TBitmap>();
    int Tag = 0;
    int Height = 0, Left = 0, Width = 0, Top = 0;
    QString Name;
    TColor CaptionColor = clWhite;
    // Drawn in the appearance's SpecialTextColor.
    bool Special = false;
    TRect Rect() const { return {Left, Top, Left + Width, Top + Height}; }
};

// The keys of a button panel. Adding, inserting, deleting and clearing keys fire OnChange;
// whoever changes a key's fields calls Changed.
class TButtonItems {
public:
    TButtonItem& Add();
    TButtonItem& Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TButtonItem& Items(int Index) { return items_[static_cast<size_t>(Index)]; }
    const TButtonItem& Items(int Index) const { return items_[static_cast<size_t>(Index)]; }
    TButtonItem& operator[](size_t Index) { return items_[Index]; }
    const TButtonItem& operator[](size_t Index) const { return items_[Index]; }
    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    void Changed() { OnChange(nullptr); }

    TNotifyEvent OnChange;

private:
    std::vector<TButtonItem> items_;
};

// The colours and font of the keys. The keypad paints with Font, TextColor and
// SpecialTextColor; the other colours are carried for its owner. Whoever changes fields calls
// Changed, which fires OnChange.
struct TButtonAppearance {
    TButtonAppearance();
    TButtonAppearance(const TButtonAppearance& Other) { Assign(Other); }
    TButtonAppearance& operator=(const TButtonAppearance& Other) {
        Assign(Other);
        return *this;
    }
    // Every colour and the font; fires OnChange.
    void Assign(const TButtonAppearance& Source);
    void Changed() { OnChange(nullptr); }
    TNotifyEvent OnChange;

    TColor BorderColor = clBlack;
    TColor BorderColorHot = clBlack;
    TColor BorderColorDown = clBlack;
    TColor BorderColorChecked = clBlue;
    TColor Color = 0x9A915F;
    TColor ColorTo = 0xB0A170;
    TColor ColorDown = 0x4B2F08;
    TColor ColorDownTo = 0xADB514;
    TColor ColorHot = 0x9F6F1C;
    TColor ColorHotTo = 0xD5C244;
    TColor ColorCheckedTo;
    TColor ColorDisabled;
    TColor ColorDisabledTo;
    TColor ColorChecked;
    TFont Font;
    TColor ShineColor = clWhite;
    TColor GlowColorHot = 0xD5C244;
    TColor GlowColorDown = 0xD5C244;
    TColor TextColor = clBlack;
    TColor SpecialTextColor = 0x000080;
};

enum TButtonPanelType { plCalculator, plCustom };
using TCalculatorButtonClickEvent = TEvent<void(TObject* Sender, int Index)>;

// A panel of push buttons. As a calculator it holds the 28 keys of the calculator and lays
// them out in six columns sized to the panel: the memory keys, the digit block and the
// operators, with Back, CE and C above. A press and release on the same key clicks it.
class TCustomButtonPanel : public TCustomControl {
public:
    explicit TCustomButtonPanel(TComponent* AOwner);

    TButtonItems& Buttons() { return buttons_; }
    TButtonAppearance& ButtonAppearance() { return appearance_; }
    void SetButtonAppearance(const TButtonAppearance& Value) { appearance_.Assign(Value); }
    TItemLayout ButtonLayout = ilCaptionRight;
    TSelectionColorStyle ItemColorStyle = scCustom;
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* Value);
    TCustomEdit* Edit() const { return edit_; }
    void SetEdit(TCustomEdit* Value);
    TButtonPanelType ButtonPanelType() const { return type_; }
    void SetButtonPanelType(TButtonPanelType Value);
    TExCustomDropDown* ExDropDown() const { return exDropDown_; }
    void SetExDropDown(TExCustomDropDown* Value) { exDropDown_ = Value; }
    int ButtonHot() const { return buttonHot_; }
    int ButtonDown() const { return buttonDown_; }
    int OffSetX = 8, OffSetY = 8;
    int ButtonOffSetX = 4, ButtonOffSetY = 4;
    int CaptionGap = 0;

    void GetButtonRect(int Index, TRect& R) const;
    int ButtonAtPos(int X, int Y) const;
    void SetButtonHot(int Index);
    void SetButtonDown(int Index);

    virtual void DrawButton(int Index, TCanvas& Canvas);
    virtual void GetButtonsRect(TRect& R);
    virtual void GetButtonSize(TSize& ASize);
    virtual void ClearButtons() { buttons_.Clear(); }
    virtual void ResetButtons();
    virtual void BuildButtons();
    virtual void LayoutButtons();
    virtual void InvalidateButton(int Index);
    virtual void ButtonClick(int Index) { OnButtonClick(this, Index); }

    TCalculatorButtonClickEvent OnButtonClick;

    // A panel on its own builds its keys here.
    void Loaded();
    void WndProc(TMessage& Message) override;
    // Forgets the image list or the edit when it goes.
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    // A panel on its own repaints when its keys or their look change; in a drop-down the
    // drop-down decides.
    void ButtonsChanged(TObject* Sender);
    void ButtonAppearanceChanged(TObject* Sender);
    // Every key but the hot one, in index order.
    void DrawAllButtons(TCanvas& Canvas);
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Resize() override;

private:
    bool inRange(int Index) const { return Index >= 0 && Index < static_cast<int>(buttons_.size()); }
    bool enabled(int Index) const { return inRange(Index) && buttons_[static_cast<size_t>(Index)].Enabled; }

    TButtonItems buttons_;
    TButtonAppearance appearance_;
    TImageList* images_ = nullptr;
    TCustomEdit* edit_ = nullptr;
    TButtonPanelType type_ = plCalculator;
    TExCustomDropDown* exDropDown_ = nullptr;
    int buttonHot_ = -1;
    int buttonDown_ = -1;
};
