#pragma once

#include "grid/editors/editor_frame.h"
#include "platform/controls/speed_button.h"

class TDropDownEditButton;

enum TButtonStyle { bsButton, bsDropDown };

// The speed button inside a drop-down's drop button: the arrow of the drop-down (bsDropDown)
// in the colours its holder carries, the visual style's combo button or the classic face; or a
// push-button face with glyph and caption (bsButton).
class TExDropDownSpeedButton : public TSpeedButton {
public:
    explicit TExDropDownSpeedButton(TDropDownEditButton* AOwner);

    TButtonStyle ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TButtonStyle Value);
    bool Etched() const { return etched_; }
    void SetEtched(bool Value);
    bool Focused() const { return focused_; }
    void SetFocused(bool Value);
    bool Hot() const { return hot_; }
    // The button is never painted pressed from now on.
    void SetUp() { up_ = true; }
    bool IsWinXP() const { return isWinXP_; }

    void WndProc(TMessage& Message) override;

protected:
    void Paint(TCanvas& Canvas) override;

private:
    bool pressed() const;
    void paintArrow(TCanvas& Canvas);
    void paintFace(TCanvas& Canvas);

    TDropDownEditButton& holder_;
    bool etched_ = false;
    bool focused_ = false;
    bool hot_ = false;
    bool up_ = false;
    bool isWinXP_ = false;
    TButtonStyle buttonStyle_ = bsButton;
};

// The drop button at the right edge of a drop-down: a window holding one speed button that
// fills its height at the holder's own width. The release of the left button on it fires
// OnClick (Sender: the holder).
class TDropDownEditButton : public TWinControl {
public:
    explicit TDropDownEditButton(TComponent* AOwner);

    TExDropDownSpeedButton* Button() const { return button_; }
    QString ButtonCaption() const { return button_->Caption(); }
    void SetButtonCaption(const QString& Value) { button_->SetCaption(Value); }
    const TBitmap& Glyph() const { return button_->Glyph(); }
    void SetGlyph(const TGraphic* Value) { button_->SetGlyph(Value); }
    int NumGlyphs() const { return button_->NumGlyphs(); }
    void SetNumGlyphs(int Value) { button_->SetNumGlyphs(Value); }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);
    // The width the holder keeps, whatever width it is given.
    int ButtonWidth() const { return bWidth_; }
    void SetButtonWidth(int Value);

    // Set by colour tones; while ButtonColor is clNone the button looks as the platform does.
    TDropButtonColors Colors;

    TNotifyEvent OnClick;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TExDropDownSpeedButton* button_;
    TWinControl* focusControl_ = nullptr;
    int bWidth_ = 16;
};
