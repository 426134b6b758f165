#pragma once

#include "grid/editors/attached_label.h"
#include "grid/editors/editor_frame.h"
#include "platform/controls/custom_combo_box.h"

class TLabel;

// The grid suite's combo box: its own drop button and frame (flat, border and button colours,
// a focus frame, the themed button), a caption label around it, a focus colour, hover tracking
// of the button, an adjustable width of the dropped list and OnDropUp when the list closes.
class TAsgCustomCombo : public TCustomComboBox {
public:
    explicit TAsgCustomCombo(TComponent* AOwner);
    ~TAsgCustomCombo() override;

    // Applies what was set up: the dropped width, the loaded colour, the label.
    virtual void Loaded();
    // Takes the current colour as the one to return to after a FocusColor period.
    void Init();
    // Selects the item with that text; nothing changes when there is none.
    void SelectItem(const QString& AString);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    bool AutoFocus = false;
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    bool Etched() const { return etched_; }
    void SetEtched(bool Value);
    bool Ctl3D() const { return ctl3D_; }
    int ButtonWidth() const { return buttonWidth_; }
    // Taken only from 14 to 32 pixels.
    void SetButtonWidth(int Value);
    bool FocusBorder = false;
    TColor FocusBorderColor = clNone;
    TColor FocusColor = clNone;
    bool FocusLabel = false;
    int DropWidth() const { return dropWidth_; }
    void SetDropWidth(int Value);
    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool Value) { isWinXP_ = Value; }
    bool IsVista() const { return isVista_; }
    void SetIsVista(bool Value) { isVista_ = Value; }
    TColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(TColor Value);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    bool DisabledBorder = true;
    TDropButtonColors ButtonColors;

    QString LabelCaption() const { return label_.Caption(); }
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const { return label_.Position; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return label_.Margin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return label_.Transparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return label_.AlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    TFont& LabelFont() { return label_.Font; }
    void SetLabelFont(const TFont& Value);
    TLabel* ComboLabel() const { return label_.Label(); }

    bool MouseOverButton() const { return buttonHover_; }
    bool HasFocus() const { return hasFocus_; }

    TNotifyEvent OnDropUp;

    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override;
    bool Hot() const;
    bool StylesActive() const;
    TEditorLook Look() const;
    // The frame over whatever was painted.
    void DrawFrame(TCanvas& Canvas);
    void DrawButton(TCanvas& Canvas);
    bool CustomPainting() const;
    void PlaceLabel();

private:
    void paint(TCanvas& Canvas);
    void ncPaint(TCanvas& Canvas);

    bool flat_ = false;
    bool etched_ = false;
    bool ctl3D_ = true;
    TColor oldColor_ = clWindow;
    TColor loadedColor_ = clWindow;
    bool oldParentColor_ = false;
    int buttonWidth_;
    bool mouseInControl_ = false;
    int dropWidth_ = 0;
    bool isWinXP_ = false;
    bool isThemed_;
    bool buttonHover_ = false;
    TColor flatLineColor_ = clNone;
    bool flatParentColor_ = true;
    TColor borderColor_ = clNone;
    // clNone until captured: by Init, or on entry when no colour was captured before.
    TColor normalColor_ = clNone;
    bool hasFocus_ = false;
    bool isVista_ = false;
    TAttachedLabel label_;
};

// The combo box as the program's windows place it.
class TAsgComboBox : public TAsgCustomCombo {
public:
    using TAsgCustomCombo::TAsgCustomCombo;
};
