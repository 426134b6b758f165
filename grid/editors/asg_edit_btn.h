#pragma once

#include "platform/controls/mask_edit.h"
#include "platform/controls/speed_button.h"

// The push button of an edit with button, painted in its owner's colours, the visual style,
// or as a classic or flat face.
class TExSpeedButton : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;
    bool IsWinXP = false;
    bool ExFlat = false;  // this button's own flat look
    bool Hot() const { return hot_; }
    void WndProc(TMessage& Message) override;

protected:
    void Paint(TCanvas& Canvas) override;

private:
    bool hot_ = false;
};

// A window holding one push button that fills it; the release of the left button over it
// fires OnClick and moves the focus to FocusControl.
class TAsgEditButton : public TWinControl {
public:
    explicit TAsgEditButton(TComponent* AOwner);

    TExSpeedButton* Button() const { return button_; }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    QString ButtonCaption() const { return button_->Caption(); }
    void SetButtonCaption(const QString& Value) { button_->SetCaption(Value); }
    const TBitmap& Glyph() const { return button_->Glyph(); }
    void SetGlyph(const TGraphic* Value) { button_->SetGlyph(Value); }
    int NumGlyphs() const { return button_->NumGlyphs(); }
    void SetNumGlyphs(int Value) { button_->SetNumGlyphs(Value); }

    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

    TNotifyEvent OnClick;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TExSpeedButton* button_;
    TWinControl* focusControl_ = nullptr;
    bool flat_ = false;
};

// A text field with a push button at its right edge: F4 or a click on the button calls
// ClickButton, which fires OnClickBtn.
class TAsgEditBtn : public TCustomMaskEdit {
public:
    explicit TAsgEditBtn(TComponent* AOwner);
    ~TAsgEditBtn() override;

    // The button was clicked (Sender: the button) or F4 pressed (Sender: the edit).
    virtual void ClickButton(TObject* Sender);

    TAsgEditButton* Button() const { return button_; }
    bool RightAlign() const { return rightAlign_; }
    void SetRightAlign(bool Value);
    bool EditorEnabled = true;
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int Value);
    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool Value);
    QString ButtonCaption() const { return button_->ButtonCaption(); }
    void SetButtonCaption(const QString& Value) { button_->SetButtonCaption(Value); }
    // The button's picture and how many it holds side by side.
    const TBitmap& Glyph() const { return button_->Glyph(); }
    void SetGlyph(const TGraphic* Value) { button_->SetGlyph(Value); }
    int NumGlyphs() const { return button_->NumGlyphs(); }
    void SetNumGlyphs(int Value) { button_->SetNumGlyphs(Value); }

    TNotifyEvent OnClickBtn;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void Resize() override;
    void SetEditRect();

    // Width of the strip between the text and the button (the unit edit's unit).
    int unitSize_ = 0;

private:
    TAsgEditButton* button_ = nullptr;
    bool rightAlign_ = false;
    int buttonWidth_ = 0;
    bool isWinXP_ = false;
};
